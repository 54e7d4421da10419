#pragma once

// A small sketch of a printed page in the print dialog: the riddle with its legend beside or
// below it on one page, or the riddle and the legend on two pages. A click on it chooses that
// composition.

#include <QWidget>

class TLayoutPicture : public QWidget {
    Q_OBJECT
public:
    enum TKind : uint8_t { lkLegendRight, lkLegendBottom, lkTwoPages };
    TLayoutPicture(TKind Kind, bool Landscape, const QString& Hint, QWidget* Parent = nullptr);

    TKind Kind() const { return kind_; }
    bool Landscape() const { return landscape_; }
    QSize sizeHint() const override;

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;

private:
    // One page with its top left corner at Origin; Riddle and Legend say what it shows.
    void PaintPage(QPainter& Painter, const QPoint& Origin, bool Riddle, bool Legend) const;

    TKind kind_;
    bool landscape_;
};
