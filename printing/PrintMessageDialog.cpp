#include "PrintMessageDialog.h"

#include "ColorUtils.h"
#include "GradientPanel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {
constexpr int kTickMs = 500;
// Ticks the window stays at least: long enough to be read after a short job.
constexpr int kMinimumTicks = 10;
constexpr QSize kPictureSize(48, 48);

// A printer with a sheet that comes out a little further in each of the three pictures.
QPixmap PrinterPicture(int Stage) {
    QPixmap pixmap(kPictureSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.5));
    // The sheet fed in at the back.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(14, 4, 20, 14));
    // The body with its slot and a lamp.
    p.setBrush(QColor(0xB0, 0xB8, 0xC4));
    p.drawRoundedRect(QRectF(4, 16, 40, 18), 3, 3);
    p.setBrush(QColor(0x50, 0x50, 0x50));
    p.drawRect(QRectF(10, 30, 28, 3));
    p.setBrush(Stage == 1 ? QColor(0x20, 0xC0, 0x20) : QColor(0x20, 0x70, 0x20));
    p.drawEllipse(QRectF(36, 20, 4, 4));
    // The printed sheet coming out, with lines of text.
    const qreal out = 4 + 4 * Stage;
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 32, 24, out));
    for (qreal y = 35; y < 32 + out - 1; y += 3)
        p.drawLine(QPointF(15, y), QPointF(33, y));
    return pixmap;
}
} // namespace

TPrintMsgDlg::TPrintMsgDlg(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("PrintMsgDlg"));
    setWindowTitle(QStringLiteral("Norvik ") + QApplication::applicationName() +
                   QStringLiteral(" - Druckauftrag"));
    setAccessibleName(windowTitle());
    setAttribute(Qt::WA_DeleteOnClose);
    for (int i = 0; i < 3; ++i)
        pictures_[size_t(i)] = PrinterPicture(i);
    Verlauf = new TGradientPanel(this);
    Verlauf->setObjectName(QStringLiteral("Verlauf"));
    Verlauf->SetDiagonal(true);
    Verlauf->SetEndColor(DarkenColor(palette().color(QPalette::Button), 0.7));
    PanelMessage = new QWidget(Verlauf);
    PanelMessage->setObjectName(QStringLiteral("PanelMessage"));
    PanelMessage->setAutoFillBackground(true);
    QPalette white = PanelMessage->palette();
    white.setColor(QPalette::Window, Qt::white);
    PanelMessage->setPalette(white);
    ImgPrinter = new QLabel(PanelMessage);
    ImgPrinter->setObjectName(QStringLiteral("ImgPrinter"));
    ImgPrinter->setFixedSize(kPictureSize);
    ImgPrinter->setPixmap(pictures_[0]);
    ImgPrinter->setAccessibleName(QStringLiteral("Drucker"));
    LblMessage = new QLabel(PanelMessage);
    LblMessage->setObjectName(QStringLiteral("LblMessage"));
    LblMessage->setAlignment(Qt::AlignCenter);
    LblMessage->setMinimumWidth(220);
    QFont bold = LblMessage->font();
    bold.setBold(true);
    LblMessage->setFont(bold);
    auto* row = new QHBoxLayout(PanelMessage);
    row->addWidget(ImgPrinter);
    row->addWidget(LblMessage, 1);
    auto* inner = new QHBoxLayout(Verlauf);
    inner->setContentsMargins(10, 10, 10, 10);
    inner->addWidget(PanelMessage);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Verlauf);
    Timer = new QTimer(this);
    Timer->setInterval(kTickMs);
    connect(Timer, &QTimer::timeout, this, &TPrintMsgDlg::TimerTimer);
}

void TPrintMsgDlg::SetMessage(const QString& Text) {
    LblMessage->setText(Text);
    LblMessage->setAccessibleName(Text);
}

void TPrintMsgDlg::showEvent(QShowEvent* Event) {
    QDialog::showEvent(Event);
    FormShow();
}

void TPrintMsgDlg::FormShow() {
    adjustSize();
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    Timer->start();
}

void TPrintMsgDlg::TimerTimer() {
    ++ticks_;
    ImgPrinter->setPixmap(pictures_[size_t(ticks_ % 3)]);
    if (!printing_ && ticks_ > kMinimumTicks) {
        Timer->stop();
        hide();
    }
}

void TPrintMsgDlg::Step() {
    TimerTimer();
    ImgPrinter->repaint();
}
