#pragma once

// The hints window: a small borderless pop-up in tooltip colours beside the mouse, with a short
// text about the cell under the mouse, or in topic mode the help text of a topic key. It never
// takes the focus and closes at a click on itself, at the next mouse move over the main window,
// when the mouse over a tooltip leaves the area the tooltip explains, or when the grid's riddle
// changes. At most one exists at a time.

#include "RiddleSupportForm.h"

#include <QRect>
#include <functional>

class QLabel;

// Where the window goes: in text mode its bottom stands 8 pixels above At, in topic mode its
// top-left corner is At. It is then kept inside Screen with 5 pixels to spare.
QRect HintWindowRect(const QPoint& At, bool TopicMode, const QSize& Label, const QRect& Screen);

class THintForm : public TRiddleSupportForm {
    Q_OBJECT
public:
    THintForm(QObject* Owner, TGridRiddle* Grid);
    ~THintForm() override;

    // Replaces the shown hints window by a new one. FontSize 0 is the default size, above 0 bold.
    // OnClosed runs when the new window closes.
    static THintForm* ShowHintPopup(QObject* Owner, TGridRiddle* Grid, int X, int Y, int FontSize,
                                    bool TopicMode, const QString& Text,
                                    const std::function<void()>& OnClosed = {});
    // The hints window of the moment, or null.
    static THintForm* Current();
    // Closes the hints window if one is shown.
    static void CloseCurrent();

    QLabel* Hinweis = nullptr;
    // The help topic in topic mode.
    QString TopicKey;
    // The screen area a tooltip explains (a cell): the mouse may rest on the tooltip while it
    // stays in there, as it does when the tooltip stands over that very cell.
    void SetExplainedArea(const QRect& Area) { explained_ = Area; }
    // Whether the mouse at that screen point has left what the window explains.
    bool MovedOn(const QPoint& Mouse) const;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;

private:
    std::function<void()> onClosed_;
    QRect explained_;
};
