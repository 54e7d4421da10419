#include "Hauptformular.h"

#include "GradientPanel.h"
#include "HinweisDialog.h"
#include "MainWindowFit.h"
#include "MessageBoxes.h"
#include "RaetselFormular.h"
#include "RiddleMessages.h"
#include "SudokuRiddleData.h"
#include "Variables.h"
#include "WindowPlacement.h"
#include "WordRiddleData.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kToolBarHeight = 33;
constexpr int kStatusBarHeight = 21;
const char* const kLoadFailedText = "Die Rätseldaten konnten nicht geladen werden!";
constexpr int kPrinterQueryDelayMs = 100;
} // namespace

TRMMainForm::TRMMainForm(const QString& ExecutablePath)
    : executablePath_(ExecutablePath.isEmpty() ? QCoreApplication::applicationFilePath() : ExecutablePath),
      commands_(this, [this] { return Commands(); }) {
    setObjectName(QStringLiteral("RMMainForm"));
    setWindowTitle(QStringLiteral("Kreuzworträtsel"));
    // Centred, and no larger than a small or highly scaled screen. The frame is not known yet; a
    // window's position is that of its frame.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect start = StartGeometry(
        QSize(670, 484), screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024), QMargins());
    resize(start.size());
    move(start.topLeft());

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    toolBar_ = new TGradientPanel;
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setFixedHeight(kToolBarHeight);
    layout->addWidget(toolBar_);
    mdiArea_ = new QMdiArea;
    mdiArea_->setObjectName(QStringLiteral("ClientArea"));
    mdiArea_->setBackground(QColor(0x80, 0x80, 0x80));
    mdiArea_->viewport()->setMouseTracking(true);
    // A child window that reaches beyond the client area can be scrolled into view.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(mdiArea_, 1);
    statusBar_ = new QWidget;
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setFixedHeight(kStatusBarHeight);
    auto* statusLayout = new QVBoxLayout(statusBar_);
    statusLayout->setContentsMargins(0, 0, 0, 0);
    lblHints_ = new QLabel;
    lblHints_->setObjectName(QStringLiteral("LblHints"));
    lblHints_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblHints_->setAlignment(Qt::AlignCenter);
    statusLayout->addWidget(lblHints_);
    layout->addWidget(statusBar_);
    setCentralWidget(central);
    CreateCommands();
    hasPrinter_ = [] { return !QPrinterInfo::availablePrinterNames().isEmpty(); };

    // FormCreate
    undoWordRiddle_ = std::make_unique<TWordRiddleData>();
    undoSudoku_ = std::make_unique<TSudokuRiddleData>();
    backgroundColors_ = std::make_unique<TRiddleColors>(TRiddleColors::BackgroundDefaults());
    textColors_ = std::make_unique<TRiddleColors>(TRiddleColors::TextDefaults());
    RiddleBackgroundColors = backgroundColors_.get();
    RiddleTextColors = textColors_.get();
    qApp->installEventFilter(this);
    LoadRiddleCursors();
    setWindowIcon(QApplication::windowIcon());
    UpdateCommands();
    QCoreApplication::postEvent(this, new QEvent(RiddleEventType(kMsgStart)));
}

TRMMainForm::~TRMMainForm() {
    qApp->removeEventFilter(this);
    // The window owns the application-wide colour sets; another main window may have taken the
    // globals over since (tests create several).
    if (RiddleBackgroundColors == backgroundColors_.get())
        RiddleBackgroundColors = nullptr;
    if (RiddleTextColors == textColors_.get())
        RiddleTextColors = nullptr;
}

bool TRMMainForm::event(QEvent* E) {
    if (E->type() == RiddleEventType(kMsgStart)) {
        StartMessage();
        return true;
    }
    if (E->type() == QEvent::StatusTip) {
        AppHint(static_cast<QStatusTipEvent*>(E)->tip());
        return true;
    }
    return QMainWindow::event(E);
}

void TRMMainForm::AppHint(const QString& Hint) {
    lblHints_->setText(Hint);
}

void TRMMainForm::StartMessage() {
    setWindowTitle(QStringLiteral("Norvik ") + QCoreApplication::applicationName());
    auto* riddle = new TRiddleForm(executablePath_);
    riddleWindow_ = riddle;
    connect(riddle, &TRiddleForm::UndoBackupDue, this, &TRMMainForm::SaveUndoState);
    connect(riddle, &TRiddleForm::CommandsChanged, this, &TRMMainForm::UpdateCommands);
    connect(riddle, &TRiddleForm::StateMessageDue, this, [this] {
        if (TRiddleData* shown = Riddle().ShownRiddle())
            ShowStateMessage(*shown);
    });
    connect(riddle, &TRiddleForm::Closed, this, [this] {
        riddleWindow_ = nullptr;
        // The commands that need the riddle go away with it.
        if (isVisible())
            UpdateCommands();
        close();
    });
    if (riddle->LoadFailed()) {
        loadFailed_ = true;
        riddleWindow_ = nullptr;
        delete riddle;
        hide();
        QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                        QString::fromUtf8(kLoadFailedText), QMessageBox::Ok);
        box.setObjectName(QStringLiteral("LoadErrorBox"));
        SetGermanButtonTexts(box);
        box.exec();
        // Closing the last window ends the program; main() reports the failure.
        close();
        return;
    }
    // The riddle and its tool windows are painted once, at the size the frame is fitted to below,
    // and not first in the frame's old size.
    mdiArea_->setUpdatesEnabled(false);
    mdiArea_->addSubWindow(riddle);
    riddle->show();
    QCoreApplication::processEvents();
    // The riddle window and its tool windows have their places now. A riddle larger than the room
    // to the right and below may move the window to make room; the frame is fitted once, to all
    // of them together.
    FitToRiddle(true);
    mdiArea_->setUpdatesEnabled(true);
    // A zoomed riddle window takes the frame along, as far as the screen has room.
    connect(riddle, &TRiddleForm::LayoutChanged, this, &TRMMainForm::SizeToRiddle);
    // The printer system may take a while to answer; the riddle is on screen before it is asked.
    QTimer::singleShot(kPrinterQueryDelayMs, this, &TRMMainForm::AskForPrinters);
    SetDisplayMode(dmSolving);
    // The grid holds the keyboard focus; the frame must be the active window for it to count.
    activateWindow();
}

void TRMMainForm::SizeToRiddle() {
    FitToRiddle(false);
}

void TRMMainForm::FitToRiddle(bool MayMove) {
    const QMdiSubWindow* riddle = FindToolWindow(twRiddle);
    if (!riddle)
        return;
    // Measured from the client area's own corner, not from wherever it was scrolled to.
    ShowRiddleCorner();
    // The tool windows stand where the riddle window placed them: the legends and the stopwatch
    // beside it, the solution word below it. The client area has to reach their far edges.
    QRect used = riddle->geometry();
    for (const int kind : {twLegend, twNumLegend, twStopwatch, twSolution})
        if (const QMdiSubWindow* w = FindToolWindow(kind))
            used |= w->geometry();
    // Menu, tool bar, status bar and the client area's frame (its scroll bars come and go).
    const QSize around = size() - mdiArea_->contentsRect().size();
    TMainWindowFit fit;
    fit.Screen = this->screen() ? this->screen()->availableGeometry() : QRect(0, 0, 1280, 1024);
    const QRect inner = geometry();
    fit.Frame = FrameMargins(this);
    fit.Geometry = inner;
    fit.Need = QSize(used.left() + used.width(), used.top() + used.height()) + around;
    fit.ScrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    fit.MayMove = MayMove;
    const QRect fitted = FittedGeometry(fit);
    if (fitted != inner) {
        // The window system may resize the frame later; the corner is shown again then.
        cornerDue_ = true;
        setGeometry(fitted);
    }
    ShowRiddleCorner();
}

void TRMMainForm::ShowRiddleCorner() {
    QMdiSubWindow* riddle = FindToolWindow(twRiddle);
    if (!riddle)
        return;
    // The client area counts its scroll range from where it is scrolled to; back at 0, with the
    // windows moved so that the riddle window stands in the corner, the range is the windows' own.
    for (QScrollBar* bar : {mdiArea_->horizontalScrollBar(), mdiArea_->verticalScrollBar()})
        bar->setValue(0);
    const QPoint shift = -riddle->pos();
    if (shift.isNull())
        return;
    for (QMdiSubWindow* w : mdiArea_->subWindowList())
        w->move(w->pos() + shift);
}

void TRMMainForm::resizeEvent(QResizeEvent* E) {
    QMainWindow::resizeEvent(E);
    if (std::exchange(cornerDue_, false))
        ShowRiddleCorner();
}

void TRMMainForm::SetDisplayMode(int Mode) {
    TRiddleData* riddle = Riddle().ShownRiddle();
    if (!riddle || Mode < dmSolving || Mode > dmEditing)
        return;
    riddle->SetDisplayMode(TDisplayMode(Mode));
    UpdateCommands();
}

QMdiSubWindow* TRMMainForm::FindToolWindow(int Kind) const {
    for (QMdiSubWindow* w : mdiArea_->subWindowList()) {
        if (Kind == twRiddle && qobject_cast<TRiddleForm*>(w))
            return w;
        const auto* tool = qobject_cast<TRiddleSupportForm*>(w);
        if (tool && Kind != twNone && tool->ToolKind() == Kind)
            return w;
    }
    return nullptr;
}

int TRMMainForm::UsableClientHeight() const {
    return height() - toolBar_->height() - statusBar_->height() - menuBar()->height();
}

bool TRMMainForm::eventFilter(QObject* Watched, QEvent* E) {
    // Sees every event before it is dispatched; never consumes one.
    if (E->type() == QEvent::ShortcutOverride) {
        // Before a shortcut is matched, its item takes the state an opened menu would show,
        // so that e.g. Alt+Backspace works exactly when the undo item is enabled.
        const auto* key = static_cast<QKeyEvent*>(E);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            UpdateCommands();
    } else if (E->type() == RiddleEventType(kMsgStopwatch)) {
        Riddle().UpdateStopwatch(true);
    } else if ((E->type() == QEvent::KeyPress || E->type() == QEvent::KeyRelease) && Riddle().ShownRiddle()) {
        const auto* key = static_cast<QKeyEvent*>(E);
        const bool down = E->type() == QEvent::KeyPress;
        const bool reverseWords = Riddle().ShownRiddle()->RiddleOptions().Contains(roReverseWords);
        // Shift turns a word dragged out of a one-list legend downwards, Ctrl writes it reversed;
        // the drag cursor shows it at once.
        bool changed = false;
        if (key->key() == Qt::Key_Control && reverseWords && DragReversed != down && !key->isAutoRepeat()) {
            DragReversed = down;
            changed = true;
        } else if (key->key() == Qt::Key_Shift && DragVertical != down && !key->isAutoRepeat() &&
                   Riddle().LegendShowsOneList()) {
            DragVertical = down;
            changed = true;
        }
        if (changed) {
            Riddle().UpdateDragCursor();
            QCursor::setPos(QCursor::pos());
        }
    } else if (E->type() == QEvent::MouseMove && Watched == mdiArea_->viewport()) {
        // The mouse has left the grid for the frame's own area: the hint about a cell is done.
        THintForm::CloseCurrent();
    }
    return QMainWindow::eventFilter(Watched, E);
}

void TRMMainForm::closeEvent(QCloseEvent* E) {
    undoWordRiddle_.reset();
    undoSudoku_.reset();
    E->accept();
}
