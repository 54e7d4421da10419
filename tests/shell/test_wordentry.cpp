// "Begriff eintragen..": the word entry dialog for the current word, and the word it enters.

#include "PackedPlayer.h"
#include "WindowPlacement.h"
#include "WordEditDialog.h"

#include <QLabel>

namespace {

using packed::Player;

TEST(WordEntry, TypedWordGoesIntoTheCurrentWord) {
    struct Case {
        const char* name;
        QString typed;
        bool accept;
        QString entries;
    } cases[] = {
        {"OK enters the word", QStringLiteral("abcd"), true, QStringLiteral("ABCD")},
        {"umlauts are spelled out", QStringLiteral("ÄBC"), true, QStringLiteral("AEBC")},
        {"cancel changes nothing", QStringLiteral("abcd"), false, QString()},
    };
    for (const Case& c : cases) {
        Player p(packed::Layout(4, 1, rtAmerican));
        ASSERT_EQ(p.word()->CurrentWord().Length, 4) << c.name;
        QString prompt, caption;
        QRect placed;
        packed::ModalAnswerer answer(QString(), [&](QWidget* Modal) {
            auto* dialog = qobject_cast<TWordEditDlg*>(Modal);
            if (!dialog) {
                // The right word solves the riddle: its message is not this test's concern.
                qobject_cast<QDialog*>(Modal)->reject();
                return;
            }
            caption = dialog->windowTitle();
            placed = dialog->frameGeometry();
            prompt = dialog->LblBegriff->text();
            dialog->SetText(c.typed);
            c.accept ? dialog->accept() : dialog->reject();
        });
        p.form()->MItemPlayBegriffEintragenClick();
        EXPECT_EQ(caption, QStringLiteral("Gesuchten Begriff eingeben")) << c.name;
        EXPECT_EQ(prompt, QStringLiteral("Begriff mit 4 Buchstaben:")) << c.name;
        // Centred on the main window, frame on frame.
        const QRect main = p.main()->frameGeometry();
        EXPECT_EQ(placed.topLeft(), QPoint(main.left() + (main.width() - placed.width()) / 2,
                                           main.top() + (main.height() - placed.height()) / 2))
            << c.name;
        QString entries;
        for (int col = 1; col <= 4; ++col)
            if (const uint8_t e = p.word()->Riddle().Cell(col, 1).Entry())
                entries += QChar(e);
        EXPECT_EQ(entries, c.entries) << c.name;
    }
}

TEST(WordEntry, DialogFrameStandsCentredOnTheMainWindowFrame) {
    struct Case {
        const char* name;
        QMargins frame;
        QPoint at;
    } cases[] = {
        {"under a window manager, the title bar counted", {1, 20, 1, 5}, {530, 489}},
        {"without frames", {}, {530, 481}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CentredOn(QRect(304, 270, 672, 516), QSize(220, 93), c.frame), c.at) << c.name;
}

} // namespace
