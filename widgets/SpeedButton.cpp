#include "SpeedButton.h"

#include <QFileInfo>
#include <QHash>
#include <QIconEngine>
#include <QToolButton>
#include <optional>

namespace {
// Reads its picture when it is first drawn. The menus and tool bars are built before the main
// window appears; reading their pictures then (and with the first one, every image plug-in of the
// toolkit) would keep the window from the screen, and most menu pictures are never shown.
class TResourceIconEngine final : public QIconEngine {
public:
    explicit TResourceIconEngine(const QString& Path) : path_(Path) {}

    void paint(QPainter* Painter, const QRect& Rect, QIcon::Mode Mode, QIcon::State State) override {
        Loaded().paint(Painter, Rect, Qt::AlignCenter, Mode, State);
    }
    QPixmap pixmap(const QSize& Size, QIcon::Mode Mode, QIcon::State State) override {
        return Loaded().pixmap(Size, Mode, State);
    }
    QPixmap scaledPixmap(const QSize& Size, QIcon::Mode Mode, QIcon::State State, qreal Scale) override {
        return Loaded().pixmap(Size, Scale, Mode, State);
    }
    QSize actualSize(const QSize& Size, QIcon::Mode Mode, QIcon::State State) override {
        return Loaded().actualSize(Size, Mode, State);
    }
    QList<QSize> availableSizes(QIcon::Mode Mode, QIcon::State State) override {
        return Loaded().availableSizes(Mode, State);
    }
    bool isNull() override { return icon_ ? icon_->isNull() : !QFileInfo::exists(path_); }
    QString key() const override { return QStringLiteral("TResourceIconEngine"); }
    QIconEngine* clone() const override { return new TResourceIconEngine(path_); }

private:
    const QIcon& Loaded() {
        if (!icon_)
            icon_ = QIcon(path_);
        return *icon_;
    }

    QString path_;
    std::optional<QIcon> icon_;
};
} // namespace

QIcon IconNamed(const char* Name) {
    if (!Name)
        return QIcon();
    // One icon per picture: a menu item and its tool bar button share what was read.
    // Kept to the end of the program; freed at exit they would outlive the toolkit's pixmap system.
    static auto* made = new QHash<QString, QIcon>;
    const QString path = QStringLiteral(":/icons/%1.png").arg(QLatin1String(Name));
    auto it = made->find(path);
    if (it == made->end())
        it = made->insert(path, QIcon(new TResourceIconEngine(path)));
    return *it;
}

QToolButton* MakeSpeedButton(QWidget* Parent, const char* Name, const QRect& Geometry, const QString& Hint,
                             const char* Icon) {
    auto* b = new QToolButton(Parent);
    b->setObjectName(QLatin1String(Name));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setGeometry(Geometry);
    b->setIcon(IconNamed(Icon));
    b->setIconSize(QSize(16, 16));
    b->setToolTip(Hint);
    b->setStatusTip(Hint);
    // A screen reader names a button by its text; one that shows only an icon goes by its hint.
    if (Icon)
        b->setAccessibleName(Hint);
    return b;
}
