#pragma once

#include <QColor>
#include <QWidget>

// A panel filled with a gradient, vertical (the background of every tool bar) or from the top
// left to the bottom right corner; from white to the tool bars' shade unless told otherwise.
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
    // Every tool bar and dialog gradient ends in the button face darkened by 0.7.
    QColor end_;
    bool diagonal_ = false;
};
