// "Begriff eintragen..": the word entry dialog for the current word, and the word it enters.

#include "PackedPlayer.h"
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
        packed::ModalAnswerer answer(QString(), [&](QWidget* Modal) {
            auto* dialog = qobject_cast<TWordEditDlg*>(Modal);
            if (!dialog) {
                // The right word solves the riddle: its message is not this test's concern.
                qobject_cast<QDialog*>(Modal)->reject();
                return;
            }
            caption = dialog->windowTitle();
            prompt = dialog->LblBegriff->text();
            dialog->SetText(c.typed);
            c.accept ? dialog->accept() : dialog->reject();
        });
        p.form()->MItemPlayBegriffEintragenClick();
        EXPECT_EQ(caption, QStringLiteral("Gesuchten Begriff eingeben")) << c.name;
        EXPECT_EQ(prompt, QStringLiteral("Begriff mit 4 Buchstaben:")) << c.name;
        QString entries;
        for (int col = 1; col <= 4; ++col)
            if (const uint8_t e = p.word()->Riddle().Cell(col, 1).Entry())
                entries += QChar(e);
        EXPECT_EQ(entries, c.entries) << c.name;
    }
}

} // namespace
