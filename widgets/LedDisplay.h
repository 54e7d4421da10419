#pragma once

// A seven-segment display of a number with a fixed count of digits, some of them after a
// separator (the stopwatch shows minutes, a colon and two digits of seconds). A negative value
// shows its magnitude: the sign is for whoever places the display to show.

#include <QColor>
#include <QFrame>

class TLEDDisplay : public QFrame {
    Q_OBJECT
public:
    explicit TLEDDisplay(QWidget* Parent = nullptr);

    double Value() const { return value_; }
    void SetValue(double Value);
    // The digits as they show, without leading blanks ("1:15"); screen readers hear this.
    QString Text() const;

    // Count digits in all, FractionDigits of them after the separator. A value with more integer
    // digits than fit gets more digits rather than losing its leading ones.
    void SetDigits(int Count, int FractionDigits);
    void SetSeparator(QChar Separator);
    void SetBackgroundColor(const QColor& Color);
    QColor SegmentColor() const { return segment_; }
    void SetSegmentColor(const QColor& Color);
    // How faintly unlit segments show, 0 (as bright as lit ones) … 10 (not at all).
    void SetUnlitContrast(int Contrast);
    void SetSegmentWidth(int Width);
    // Segments with pointed ends instead of plain bars.
    void SetBevelled(bool On);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    // Each shown position: a digit '0' … '9', a blank (all segments unlit) or the separator.
    QString Positions() const;
    void Changed();

    double value_ = 0;
    int digits_ = 5;
    int fractionDigits_ = 2;
    QChar separator_ = QLatin1Char(':');
    QColor background_ = QColor(0x33, 0x33, 0x33);
    QColor segment_ = Qt::blue;
    int unlitContrast_ = 8;
    int segmentWidth_ = 4;
    bool bevelled_ = true;
};
