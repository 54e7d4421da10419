#include "BevelLabel.h"

#include <QPainter>
#include <QStyle>

TBevelLabel::TBevelLabel(const QString& Text, QWidget* Parent) : QLabel(Text, Parent) {}

void TBevelLabel::SetBevel(TBevel Bevel) {
    bevel_ = Bevel;
    switch (Bevel) {
    case bvNone:
        setFrameStyle(QFrame::NoFrame);
        break;
    case bvLowered:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        break;
    case bvRaised:
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        break;
    }
    setLineWidth(1);
    // The text keeps clear of the bevel.
    setIndent(Bevel == bvNone ? -1 : 3);
}

void TBevelLabel::SetShadow(const QColor& Color, int Offset) {
    shadow_ = Color;
    shadowOffset_ = Offset;
    update();
}

void TBevelLabel::SetHighlight(const QColor& Color) {
    highlight_ = Color;
    update();
}

void TBevelLabel::paintEvent(QPaintEvent* Event) {
    if (!shadow_.isValid() && !highlight_.isValid()) {
        QLabel::paintEvent(Event);
        return;
    }
    // The copies go first, the text over them; the frame is the QFrame's.
    QFrame::paintEvent(Event);
    QPainter p(this);
    p.setFont(font());
    const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    if (highlight_.isValid()) {
        p.setPen(highlight_);
        p.drawText(area.translated(-1, -1), flags, text());
    }
    if (shadow_.isValid()) {
        p.setPen(shadow_);
        p.drawText(area.translated(shadowOffset_, shadowOffset_), flags, text());
    }
    p.setPen(palette().color(foregroundRole()));
    p.drawText(area, flags, text());
}
