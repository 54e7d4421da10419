#include "HinweisDialog.h"

#include "HelpTexts.h"

#include <QCloseEvent>
#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QToolTip>
#include <QVBoxLayout>

namespace {
constexpr int kTopicWidth = 200;
constexpr int kGapAbove = 8;
constexpr int kScreenMargin = 5;
constexpr int kDefaultPointSize = 8;

QPointer<THintForm>& CurrentRef() {
    static QPointer<THintForm> current;
    return current;
}
} // namespace

QRect HintWindowRect(const QPoint& At, bool TopicMode, const QSize& Label, const QRect& Screen) {
    QRect r(QPoint(At.x(), TopicMode ? At.y() : At.y() - Label.height() - kGapAbove), Label);
    if (TopicMode)
        r.setWidth(kTopicWidth);
    if (r.right() + 1 > Screen.right() + 1)
        r.moveLeft(Screen.right() + 1 - r.width() - kScreenMargin);
    if (r.bottom() + 1 > Screen.bottom() + 1)
        r.moveTop(Screen.bottom() + 1 - r.height() - kScreenMargin);
    // A hint near the top or left edge would otherwise be cut off there.
    r.moveLeft(std::max(r.left(), Screen.left()));
    r.moveTop(std::max(r.top(), Screen.top()));
    return r;
}

THintForm::THintForm(QObject* Owner, TGridRiddle* Grid) : TRiddleSupportForm(Owner, Grid) {
    setObjectName(QStringLiteral("HintForm"));
    setWindowTitle(QStringLiteral("Hinweise"));
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("Panel"));
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    Hinweis = new QLabel;
    Hinweis->setObjectName(QStringLiteral("Hinweis"));
    Hinweis->setMargin(3);
    Hinweis->setAutoFillBackground(true);
    QPalette colours = Hinweis->palette();
    colours.setColor(QPalette::Window, QToolTip::palette().color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, QToolTip::palette().color(QPalette::ToolTipText));
    Hinweis->setPalette(colours);
    Hinweis->setFrameStyle(QFrame::Box | QFrame::Plain);
    layout->addWidget(Hinweis);
    setWidget(panel);
    for (QWidget* w : {static_cast<QWidget*>(panel), static_cast<QWidget*>(Hinweis)}) {
        w->installEventFilter(this);
        // The grid underneath hears no move while the mouse is over the tooltip.
        w->setMouseTracking(true);
    }
    resize(200, 90);
    // A hint about the riddle as it was is out of date once the riddle changes.
    if (Grid)
        Listen(&Grid->Riddle(), &TRiddleData::OnChange, [this](TObject*) { close(); });
}

THintForm::~THintForm() {
    if (CurrentRef() == this)
        CurrentRef().clear();
}

THintForm* THintForm::Current() {
    return CurrentRef().data();
}

void THintForm::CloseCurrent() {
    if (THintForm* shown = CurrentRef().data())
        shown->close();
}

THintForm* THintForm::ShowHintPopup(QObject* Owner, TGridRiddle* Grid, int X, int Y, int FontSize,
                                    bool TopicMode, const QString& Text,
                                    const std::function<void()>& OnClosed) {
    CloseCurrent();
    auto* hint = new THintForm(Owner, Grid);
    CurrentRef() = hint;
    hint->onClosed_ = OnClosed;
    QFont font = QToolTip::font();
    font.setPointSize(FontSize > 0 ? FontSize : kDefaultPointSize);
    font.setBold(FontSize > 0);
    hint->Hinweis->setFont(font);
    hint->Hinweis->setWordWrap(TopicMode);
    QSize label;
    if (TopicMode) {
        hint->TopicKey = Text;
        hint->Hinweis->setText(HelpText(Text));
        hint->Hinweis->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        label = QSize(kTopicWidth, hint->Hinweis->heightForWidth(kTopicWidth));
    } else {
        hint->Hinweis->setText(Text);
        label = hint->Hinweis->sizeHint();
    }
    const QScreen* screen = QGuiApplication::screenAt(QPoint(X, Y));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 1280, 1024);
    hint->setGeometry(HintWindowRect(QPoint(X, Y), TopicMode, label, area));
    hint->show();
    return hint;
}

bool THintForm::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    // A tooltip may stand over the next cell, or over the very cell it explains; the mouse that
    // goes on over it has moved on only once it leaves that cell.
    QPoint mouse;
    switch (Event->type()) {
    case QEvent::Enter:
        mouse = static_cast<QEnterEvent*>(Event)->globalPosition().toPoint();
        break;
    case QEvent::MouseMove:
        mouse = static_cast<QMouseEvent*>(Event)->globalPosition().toPoint();
        break;
    case QEvent::Leave:
        mouse = QCursor::pos();
        break;
    default:
        return TRiddleSupportForm::eventFilter(Watched, Event);
    }
    if (MovedOn(mouse)) {
        close();
        return true;
    }
    return TRiddleSupportForm::eventFilter(Watched, Event);
}

bool THintForm::MovedOn(const QPoint& Mouse) const {
    // The help opens under the mouse to be read, and stays.
    return TopicKey.isEmpty() && !explained_.contains(Mouse);
}

void THintForm::closeEvent(QCloseEvent* Event) {
    TRiddleSupportForm::closeEvent(Event);
    if (!Event->isAccepted())
        return;
    if (CurrentRef() == this)
        CurrentRef().clear();
    if (std::function<void()> closed = std::exchange(onClosed_, nullptr))
        closed();
}
