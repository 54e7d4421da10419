// The message after the riddle has been filled in: its texts, and the dialog that shows them.

#include "MainCommandRules.h"
#include "MessageDialog.h"
#include "PackedPlayer.h"

#include <QLabel>
#include <QMdiArea>
#include <QPushButton>

using namespace packed;

namespace {

TEST(StateMessages, TextsFollowStateClockAndBestTime) {
    const QString solved = QStringLiteral("Sie haben das Rätsel gelöst!");
    const QString best = QStringLiteral("Sie haben das Rätsel in Bestzeit gelöst!");
    const QString notBest = QStringLiteral(
        "Sie haben das Rätsel gelöst, allerdings konnten Sie die bisherige Bestzeit nicht unterbieten.");
    const QString wrong = QStringLiteral("Das Rätsel ist vollständig ausgefüllt, aber nicht korrekt gelöst!");
    struct Case {
        const char* name;
        TRiddleState state;
        bool countTime;
        uint16_t bestTime, time;
        std::optional<TStateMessage> message;
    };
    const Case cases[] = {
        {"solved without clock", stSolved, false, 10, 99, TStateMessage{smSuccess, solved}},
        {"first best time", stSolved, true, 0, 99, TStateMessage{smSuccess, best}},
        {"faster than the best", stSolved, true, 100, 99, TStateMessage{smSuccess, best}},
        {"as fast as the best", stSolved, true, 100, 100, TStateMessage{smSuccess, notBest}},
        {"slower than the best", stSolved, true, 100, 101, TStateMessage{smSuccess, notBest}},
        {"wrong letters", stWrongChars, true, 0, 5, TStateMessage{smError, wrong}},
        {"still solving", stPartial, true, 0, 5, std::nullopt},
        {"editing", stEditing, false, 0, 0, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StateMessage(c.state, c.countTime, c.bestTime, c.time), c.message) << c.name;
}

TEST(StateMessages, DialogAppearsAfterTheLastLetterIsTyped) {
    struct Shown {
        QString title, text, button;
        bool ok, error;
        int cursorCol;
    };
    std::vector<Shown> shown;
    Player p(Layout(2, 1));
    ModalAnswerer answerer(QString(), [&shown, &p](QWidget* W) {
        auto* dialog = qobject_cast<TWinMsgDlg*>(W);
        ASSERT_NE(dialog, nullptr);
        shown.push_back({dialog->windowTitle(), dialog->LblMessage->text(), dialog->BtnClose->text(),
                         dialog->ImgOK->isVisible(), dialog->ImgError->isVisible(), p.grid()->Col()});
        dialog->BtnClose->click();
    });
    p.Type(2, 1, 'x');
    EXPECT_TRUE(shown.empty());
    // Another widget holds the focus until the message has been closed.
    p.main()->MdiArea()->setFocus();
    p.Type(1, 1, 'a');
    // The message waits until the keystroke has been handled completely.
    EXPECT_TRUE(shown.empty());
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, QStringLiteral("Fehler!"));
    EXPECT_EQ(shown[0].text,
              QStringLiteral("Das Rätsel ist vollständig ausgefüllt, aber nicht korrekt gelöst!"));
    EXPECT_EQ(shown[0].button, QStringLiteral("S&chließen"));
    EXPECT_TRUE(shown[0].error && !shown[0].ok);
    EXPECT_EQ(shown[0].cursorCol, 2) << "the cursor moves on before the message shows";
    EXPECT_EQ(p.main()->focusWidget(), p.word());

    p.Type(2, 1, 'b');
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1].title, QStringLiteral("Glückwunsch!"));
    EXPECT_EQ(shown[1].text, QStringLiteral("Sie haben das Rätsel gelöst!"));
    EXPECT_TRUE(shown[1].ok && !shown[1].error);
}

} // namespace
