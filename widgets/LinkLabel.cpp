#include "LinkLabel.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>

TLinkLabel::TLinkLabel(QWidget* Parent) : QLabel(Parent), Open(&QDesktopServices::openUrl) {
    SetTarget(QUrl());
}

void TLinkLabel::SetTarget(const QUrl& Target) {
    target_ = Target;
    QFont f = font();
    f.setUnderline(IsLink());
    setFont(f);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText,
                     IsLink() ? colours.color(QPalette::Link) : QPalette().color(QPalette::WindowText));
    setPalette(colours);
    setCursor(IsLink() ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setFocusPolicy(IsLink() ? Qt::TabFocus : Qt::NoFocus);
    setAccessibleDescription(IsLink() ? target_.toDisplayString() : QString());
}

void TLinkLabel::Follow() {
    if (IsLink() && Open)
        Open(target_);
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* Event) {
    QLabel::mouseReleaseEvent(Event);
    if (Event->button() != Qt::LeftButton || !rect().contains(Event->position().toPoint()))
        return;
    emit Clicked();
    Follow();
}

void TLinkLabel::keyPressEvent(QKeyEvent* Event) {
    if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter || Event->key() == Qt::Key_Space) {
        Follow();
        Event->accept();
        return;
    }
    QLabel::keyPressEvent(Event);
}
