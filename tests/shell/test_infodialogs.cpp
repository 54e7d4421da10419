// The riddle properties and the program info: what they show, and how the main window opens them.

#include "BevelLabel.h"
#include "InfoDialog.h"
#include "LinkLabel.h"
#include "RaetselInfoDialog.h"
#include "RiddleProperties.h"
#include "SourcePlayer.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {
using namespace legendtest;

TEST(RiddleProperties, ValuesOfAWordRiddleAndASudoku) {
    TWordRiddle grid;
    QJsonObject source = HausSource("swedish");
    source["keyword"] = QJsonObject{
        {"word", "HAUS"},
        {"clue", "Gebäude"},
        {"cells", QJsonArray{QJsonArray{1, 1}, QJsonArray{2, 1}, QJsonArray{3, 1}, QJsonArray{4, 1}}}};
    source["options"] = QJsonArray{"countTime"};
    source["bestTime"] = 754;
    source["bestTimeHolder"] = "Lena";
    source["language"] = 2;
    source["title"] = "Haus und Hof";
    source["author"] = "Quivane-Team";
    source["comment"] = "Klein";
    Load(grid, source);
    grid.Riddle().SetVersion(QStringLiteral("8.04"));
    const QDateTime built(QDate(2024, 5, 17), QTime(9, 30));
    const TRiddleProperties word = RiddleProperties(grid.Riddle(), built, QStringLiteral("Quivane"));
    EXPECT_EQ(word.Type, QStringLiteral("Schwedenrätsel mit Lösungswort"));
    EXPECT_EQ(word.Size, QStringLiteral("4 x 3 Felder"));
    EXPECT_EQ(word.Title, QStringLiteral("Haus und Hof"));
    EXPECT_EQ(word.Language, 2);
    EXPECT_EQ(word.LanguageText, QStringLiteral("      englisch")) << "room for the flag";
    EXPECT_TRUE(word.AuthorShown);
    EXPECT_EQ(word.Author, QStringLiteral("Quivane-Team"));
    EXPECT_EQ(word.Comment, QStringLiteral("Klein"));
    EXPECT_TRUE(word.BestTimeShown);
    EXPECT_EQ(word.BestTime, QStringLiteral("Lena: 12:34 min."));
    EXPECT_EQ(word.ShowFailCaption, QStringLiteral("Falsche Buchstaben markieren"));
    EXPECT_EQ(word.AutoFillCaption, QStringLiteral("Korrekten Buchstaben einfügen"));
    EXPECT_TRUE(word.ShowFail && word.AutoFill && word.ShowRiddle);
    EXPECT_FALSE(word.EditRiddle);
    EXPECT_TRUE(word.Date.contains(QStringLiteral("24"))) << word.Date.toStdString();
    EXPECT_EQ(word.Version, QStringLiteral("Norvik Quivane 8.04"));
    grid.Riddle().SetVersion(QStringLiteral("5.10"));
    EXPECT_EQ(RiddleProperties(grid.Riddle(), built, QStringLiteral("Quivane")).Version,
              QStringLiteral("Norvik Kreuzworträtsel 5.10"));

    TSudokuRiddleData sudoku;
    sudoku.SetSize(ss6Symbols);
    sudoku.SetSkill(skHard);
    sudoku.SetRiddleOptions(TRiddleOptions{roCountTime, roAllowEdit});
    const TRiddleProperties s = RiddleProperties(sudoku, built, QStringLiteral("Quivane"));
    EXPECT_EQ(s.Type, QStringLiteral("Sudoku (schwer)"));
    EXPECT_EQ(s.Size, QStringLiteral("6 x 6 Felder"));
    EXPECT_EQ(s.Language, 0);
    EXPECT_EQ(s.LanguageText, QStringLiteral("keine"));
    EXPECT_FALSE(s.AuthorShown);
    EXPECT_FALSE(s.BestTimeShown) << "timed, but without a best time";
    EXPECT_EQ(s.ShowFailCaption, QStringLiteral("Falsche Symbole markieren"));
    EXPECT_EQ(s.AutoFillCaption, QStringLiteral("Korrektes Symbol einfügen"));
    EXPECT_TRUE(s.EditRiddle);
}

TEST(RiddleProperties, MissingPanelsMakeTheDialogShorter) {
    struct Case {
        const char* name;
        bool author, bestTime;
        int dateTop, height;
    };
    const Case cases[] = {
        {"all panels", true, true, 247, 396},
        {"no best time", true, false, 215, 364},
        {"a sudoku with a best time", false, true, 153, 302},
        {"a sudoku without", false, false, 121, 270},
    };
    for (const Case& c : cases) {
        TRaetselInfoDlg dialog;
        TRiddleProperties values;
        values.AuthorShown = c.author;
        values.BestTimeShown = c.bestTime;
        values.Language = 3;
        dialog.Fill(values);
        EXPECT_EQ(dialog.PanelAuthor->isHidden(), !c.author) << c.name;
        EXPECT_EQ(dialog.PanelBestTime->isHidden(), !c.bestTime) << c.name;
        EXPECT_EQ(dialog.PanelDate->y(), c.dateTop) << c.name;
        EXPECT_EQ(dialog.height(), c.height) << c.name;
        EXPECT_EQ(dialog.BtnClose->geometry().bottom() + 1 + 6, c.height) << c.name;
        EXPECT_FALSE(dialog.ImgLanguage->isHidden()) << c.name;
    }
}

TEST(RiddleProperties, MainWindowShowsTheRiddle) {
    QJsonObject source = HausSource("numbers");
    source["title"] = "Zahlenhaus";
    source["author"] = "Quivane-Team";
    source["comment"] = "Gleiche Zahlen, gleiche Buchstaben";
    packed::Player p = packed::SourcePlayer(source);
    QStringList shown;
    packed::ModalAnswerer answerer(QString(), [&shown](QWidget* W) {
        auto* dialog = qobject_cast<TRaetselInfoDlg*>(W);
        ASSERT_NE(dialog, nullptr);
        for (TBevelLabel* l : {dialog->LblTitle, dialog->LblType, dialog->LblSize, dialog->LblAuthor,
                               dialog->LblComment, dialog->LblVersion})
            shown << l->text();
        shown << dialog->windowTitle();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    p.main()->MItemRaeEigenschaftenClick();
    EXPECT_EQ(shown, (QStringList{"Zahlenhaus", "Zahlenrätsel", "4 x 3 Felder", "Quivane-Team",
                                  "Gleiche Zahlen, gleiche Buchstaben",
                                  "Norvik " + QCoreApplication::applicationName() + " 8.04",
                                  "Rätsel-Eigenschaften"}))
        << shown.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "Escape closes it";
}

TEST(InfoDialog, VersionNoticeAndLinksOnlyWithAnAddress) {
    const QDateTime built(QDate(2024, 5, 17), QTime(9, 30));
    QList<QUrl> opened;
    auto click = [](QWidget* W) { QTest::mouseClick(W, Qt::LeftButton, {}, W->rect().center()); };
    {
        TInfoDlg plain(nullptr, QStringLiteral("8.04"), built);
        plain.show();
        EXPECT_EQ(plain.LblVersion->text(), QStringLiteral("Version 8.04"));
        EXPECT_EQ(plain.LblCopyr->text(), MakerContact().Notice + QStringLiteral("2024"));
        EXPECT_EQ(plain.windowTitle(), QStringLiteral("Info"));
        for (TLinkLabel* l : {plain.LblURL, plain.LbleMail}) {
            l->Open = [&opened](const QUrl& U) {
                opened << U;
                return true;
            };
            EXPECT_FALSE(l->IsLink());
            EXPECT_EQ(l->text(), QStringLiteral("nicht angegeben"));
            click(l);
        }
        click(plain.ImgNorvikLogo);
        EXPECT_TRUE(opened.isEmpty()) << "no link opens nothing";
    }
    const TMakerContact contact{QStringLiteral("https://example.org/"), QStringLiteral("info@example.org"),
                                QStringLiteral("© ")};
    TInfoDlg linked(nullptr, QString(), QDateTime(), contact);
    linked.show();
    EXPECT_EQ(linked.LblVersion->text(), QString()) << "without a riddle window";
    EXPECT_EQ(linked.LblCopyr->text(), QStringLiteral("© 0")) << "an unreadable date gives the year 0";
    for (TLinkLabel* l : {linked.LblURL, linked.LbleMail})
        l->Open = [&opened](const QUrl& U) {
            opened << U;
            return true;
        };
    click(linked.LbleMail);
    click(linked.ImgNorvikLogo);
    EXPECT_EQ(opened, (QList<QUrl>{QUrl(QStringLiteral("mailto:info@example.org")),
                                   QUrl(QStringLiteral("https://example.org/"))}));
    QTest::keyClick(&linked, Qt::Key_Escape);
    EXPECT_FALSE(linked.isVisible());
}

} // namespace
