#pragma once

// A label in the classic styles of the dialogs: a lowered or raised bevel around it, and a shadow
// and a highlight behind its text that lift it off a picture.

#include <QLabel>

class TBevelLabel : public QLabel {
    Q_OBJECT
public:
    enum TBevel { bvNone, bvLowered, bvRaised };

    explicit TBevelLabel(const QString& Text = QString(), QWidget* Parent = nullptr);

    TBevel Bevel() const { return bevel_; }
    void SetBevel(TBevel Bevel);
    // A copy of the text, Offset pixels right and down, behind it; an invalid colour switches it off.
    void SetShadow(const QColor& Color, int Offset = 2);
    // A copy of the text one pixel left and up, behind it; an invalid colour switches it off.
    void SetHighlight(const QColor& Color);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    TBevel bevel_ = bvNone;
    QColor shadow_;
    int shadowOffset_ = 2;
    QColor highlight_;
};
