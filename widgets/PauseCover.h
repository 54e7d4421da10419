#pragma once

// A panel that covers a widget while the solver pauses, so that nothing of the riddle can be
// read or typed into. A click or any key on it ends the pause.

#include <QWidget>

class TPauseCover : public QWidget {
    Q_OBJECT
public:
    // Covers Covered completely and follows its size; Text stands in the middle.
    TPauseCover(QWidget* Covered, const QString& Text);

signals:
    void Resumed();

protected:
    bool event(QEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;

private:
    QString text_;
};
