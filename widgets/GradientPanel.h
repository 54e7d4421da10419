#pragma once

#include <QColor>
#include <QWidget>

// A panel filled with a gradient, vertical (the background of every tool bar) or from the top
// left to the bottom right corner.
class TGradientPanel : public QWidget {
    Q_OBJECT
public:
    explicit TGradientPanel(QWidget* Parent = nullptr);

    QColor StartColor() const { return start_; }
    void SetStartColor(const QColor& C);
    QColor EndColor() const { return end_; }
    void SetEndColor(const QColor& C);
    void SetDiagonal(bool On);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QColor start_ = Qt::white;
    QColor end_ = Qt::lightGray;
    bool diagonal_ = false;
};
