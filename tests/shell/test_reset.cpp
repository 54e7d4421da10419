// Resetting the riddle: the question (with or without given cells), what each answer clears,
// and the solve clock starting over.

#include "FormParts.h"
#include "SourcePlayer.h"

using namespace packed;

namespace {

TEST(Reset, AsksAndClearsByTheAnswer) {
    const QString plain = QStringLiteral("Möchten Sie wirklich das komplette Rätsel zurücksetzen?");
    const QString givenWords =
        QStringLiteral("Sollen auch vorgegebene Begriffe aus dem Rätsel gelöscht werden?");
    const QStringList okCancel{QStringLiteral("Abbrechen"), QStringLiteral("OK")};
    const QStringList yesNoCancel{QStringLiteral("Abbrechen"), QStringLiteral("Ja"), QStringLiteral("Nein")};
    struct Case {
        const char* name;
        bool given;
        const char* answer;
        QString question;
        QStringList buttons;
        bool reset, givenKept;
    };
    const Case cases[] = {
        {"no given cells, OK", false, "OK", plain, okCancel, true, false},
        {"no given cells, cancel", false, "Abbrechen", plain, okCancel, false, false},
        {"given cells go too", true, "Ja", givenWords, yesNoCancel, true, false},
        {"given cells stay", true, "Nein", givenWords, yesNoCancel, true, true},
        {"given cells, cancel", true, "Abbrechen", givenWords, yesNoCancel, false, true},
    };
    for (const Case& c : cases) {
        TWordLayout layout;
        layout.Options = TRiddleOptions{roCountTime};
        if (c.given)
            layout.Given = {QPoint(1, 1)};
        Player p(layout);
        TRiddleData& r = p.grid()->Riddle();
        QDateTime now = QDateTime(QDate(2024, 5, 1), QTime(10, 0), Qt::UTC);
        r.Now = [&now] { return now; };
        p.Type(3, 1, 'x');
        r.SetTime(77);
        now = now.addSecs(500);

        ModalAnswerer answerer(QString::fromUtf8(c.answer));
        parts::Named<QToolButton>(p.main(), "TBBeaZuruecksetzen")->click();
        ASSERT_EQ(answerer.Seen().size(), 1u) << c.name;
        const TSeenModal& box = answerer.Seen().front();
        EXPECT_EQ(box.Text, c.question) << c.name;
        QStringList buttons = box.Buttons;
        buttons.sort();
        EXPECT_EQ(buttons, c.buttons) << c.name;

        EXPECT_EQ(p.word()->Riddle().Cell(3, 1).Entry() == 0, c.reset) << c.name;
        EXPECT_EQ(p.word()->Riddle().Cell(1, 1).Revealed(), c.givenKept) << c.name;
        EXPECT_EQ(r.Time(), c.reset ? 0 : 77) << c.name;
        if (c.reset) {
            EXPECT_EQ(r.State(), stReady) << c.name;
            EXPECT_TRUE(r.ClockRunning()) << c.name;
            EXPECT_EQ(r.ClockStart(), now) << c.name;
        }
    }
}

TEST(Reset, SudokuAsksAboutGivenSymbols) {
    for (bool given : {false, true}) {
        Player p([given](QFile& F) { WriteSudoku(F, given); });
        ModalAnswerer answerer(QStringLiteral("Abbrechen"));
        p.main()->MItemBeaZuruecksetzenClick();
        ASSERT_EQ(answerer.Seen().size(), 1u);
        EXPECT_EQ(answerer.Seen().front().Text,
                  given ? QStringLiteral("Sollen auch vorgegebene Symbole aus dem Rätsel gelöscht werden?")
                        : QStringLiteral("Möchten Sie wirklich das komplette Rätsel zurücksetzen?"));
    }
}

TEST(Reset, SudokuShowsTheResetGridAtOnce) {
    const QJsonObject source{
        {"type", "sudoku"},
        {"size", 6},
        {"paintOptions", QJsonArray{"autoSize", "showHintGrids"}},
        {"solution", QJsonArray{"536241", "412635", "324156", "651324", "265413", "143562"}},
        {"givens", QJsonArray{"..624.", "...6..", "..415.", "....24", "2.54.3", "1....."}}};
    struct Case {
        const char* answer;
        bool givenKept;
    } cases[] = {{"Nein", true}, {"Ja", false}};
    for (const Case& c : cases) {
        packed::Player fresh = packed::SourcePlayer(source);
        const QImage start = packed::OnScreen(fresh.grid()->viewport());
        packed::Player p = packed::SourcePlayer(source);
        TSudokuRiddle* grid = parts::SudokuOf(p.form());
        const struct {
            int col, row;
            char key;
        } typed[] = {{1, 1, '5'}, {2, 1, '3'}, {6, 6, '2'}};
        for (const auto& t : typed) {
            grid->SelectOnly(t.col, t.row);
            QTest::keyClick(grid, t.key);
        }
        grid->SelectOnly(1, 1);
        ASSERT_NE(packed::OnScreen(grid->viewport()), start) << c.answer;

        packed::ModalAnswerer answerer(QString::fromLatin1(c.answer));
        p.main()->MItemBeaZuruecksetzenClick();
        const QImage shown = packed::OnScreen(grid->viewport());
        EXPECT_EQ(shown, grid->viewport()->grab().toImage()) << c.answer;
        EXPECT_EQ(shown == start, c.givenKept) << c.answer;
    }
}

} // namespace
