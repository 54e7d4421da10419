// The solution word: its boxes and keys without a window, and the window that shows them.

#include "DrawGrid.h"
#include "KeywordBoxes.h"
#include "LegendTestSupport.h"
#include "LoesungDialog.h"
#include "RiddleSupportForm.h"

#include <QTest>

namespace {
using namespace legendtest;

TEST(KeywordBoxes, Keys) {
    struct Case {
        const char* name;
        const char* word;
        const char* before; // the solver's text
        int current;
        std::function<void(TKeywordBoxes&)> keys;
        const char* after;
        int currentAfter;
    };
    auto type = [](const char* Text) {
        return [Text](TKeywordBoxes& B) {
            for (const char* c = Text; *c; ++c)
                B.Type(QLatin1Char(*c));
        };
    };
    const Case cases[] = {
        {"a lower-case x in the last box", "ABCDEFGH", "        ", 7, type("x"), "       X", 7},
        {"letters move on", "ABCDEFGH", "        ", 2, type("Cd"), "  CD    ", 4},
        {"a blank empties and moves on", "ABCDEFGH", "ABCDEFGH", 1, type(" "), "A CDEFGH", 2},
        {"digits and umlauts are not the word's", "ABCDEFGH", "        ", 0, type("7\xe4-"), "        ", 0},
        {"Backspace in the first box", "ABCDEFGH", "ABCDEFGH", 0, [](TKeywordBoxes& B) { B.Backspace(); },
         "ABCDEFGH", 0},
        {"Backspace further on", "ABCDEFGH", "ABCDEFGH", 3, [](TKeywordBoxes& B) { B.Backspace(); },
         "AB DEFGH", 2},
        {"Delete", "ABCDEFGH", "ABCDEFGH", 4, [](TKeywordBoxes& B) { B.Delete(); }, "ABCD FGH", 4},
        {"a word of 25 letters is typed to its end", "ABCDEFGHIJKLMNOPQRSTUVWXY", "", 0,
         type("abcdefghijklmnopqrstuvwxy"), "ABCDEFGHIJKLMNOPQRSTUVWXY", 24},
        {"a text shorter than the word counts as empty boxes", "ABCDEFGH", "AB", 5, type("f"), "AB   F  ", 6},
        {"a box past the end is the last box", "ABC", "   ", 9, type("q"), "  Q", 2},
        {"a box before the start is the first", "ABC", "   ", -2, type("q"), "Q  ", 1},
    };
    for (const Case& c : cases) {
        TWordRiddleData riddle;
        riddle.Keyword().SetWord(QLatin1String(c.word));
        riddle.Keyword().SetGuess(QString::fromLatin1(c.before));
        TKeywordBoxes boxes(riddle.Keyword(), c.current);
        c.keys(boxes);
        EXPECT_EQ(riddle.Keyword().Guess(), QLatin1String(c.after)) << c.name;
        EXPECT_EQ(boxes.Current(), c.currentAfter) << c.name;
    }
}

TEST(KeywordBoxes, WindowsStayInsideTheMainWindow) {
    const QSize area(600, 400);
    struct Case {
        const char* name;
        QRect frame;
        QPoint at;
    };
    const Case cases[] = {
        {"inside", QRect(100, 50, 200, 60), QPoint(100, 50)},
        {"beyond the right edge", QRect(450, 50, 200, 60), QPoint(20, 50)},
        {"left of the area", QRect(-5, 50, 200, 60), QPoint(20, 50)},
        {"beyond the bottom edge", QRect(100, 350, 200, 60), QPoint(100, 20)},
        {"above and beyond the right edge", QRect(500, -1, 200, 60), QPoint(20, 20)},
        {"flush with both edges", QRect(400, 340, 200, 60), QPoint(400, 340)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KeptInside(c.frame, area), c.at) << c.name;
}

QJsonObject KeywordSource(bool Numbered) {
    QJsonObject source = HausSource("swedish");
    source["keyword"] = QJsonObject{
        {"word", "AUSRUHEN"},
        {"clue", "Pause machen"},
        {"cells", QJsonArray{QJsonArray{2, 1}, QJsonArray{3, 1}, QJsonArray{4, 1}, QJsonArray{4, 3},
                             QJsonArray{1, 3}, QJsonArray{1, 1}, QJsonArray{4, 2}, QJsonArray{3, 2}}}};
    if (Numbered)
        source["options"] = QJsonArray{"enumKeywordChars", "allowEdit"};
    return source;
}

TEST(LoesungForm, BoxesOfTheWordUnderItsClue) {
    TWordRiddle grid;
    Load(grid, KeywordSource(false));
    TLoesungForm form(nullptr, &grid);
    form.show();
    form.FormShow();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Pause machen:"));
    for (int size : {30, 41}) {
        grid.Riddle().SetGridSize(size);
        form.LayoutBoxes();
        EXPECT_EQ(form.widget()->width(), 8 * (size + 1) - 1 + 10) << size;
        EXPECT_EQ(form.GridKeyword->ColCount(), 8);
    }
    // The solver types into the boxes; the grid's riddle has the letters.
    TDrawGrid* boxes = form.GridKeyword;
    QTest::mouseClick(boxes->viewport(), Qt::LeftButton, {}, boxes->CellRect(6, 0).center());
    QTest::keyClicks(boxes, "rrx");
    QTest::keyClick(boxes, Qt::Key_Backspace);
    EXPECT_EQ(grid.Riddle().Keyword().Guess(), QStringLiteral("       X"));
}

TEST(LoesungForm, NumbersInTheBoxesOnlyWithTheOption) {
    auto corner = [](bool Numbered) {
        TWordRiddle grid;
        Load(grid, KeywordSource(Numbered));
        TLoesungForm form(nullptr, &grid);
        form.FormShow();
        const QImage image = form.GridKeyword->viewport()->grab().toImage();
        const QRect box = form.GridKeyword->CellRect(1, 0);
        // The bottom-left corner of the second box, where its number "2" stands.
        return image.copy(box.left(), box.bottom() - 10, 8, 10);
    };
    const QImage plain = corner(false), numbered = corner(true);
    EXPECT_EQ(plain.pixelColor(0, 0), plain.pixelColor(7, 9)) << "an empty box is one colour";
    EXPECT_NE(numbered, plain);
}

} // namespace
