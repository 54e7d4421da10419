#pragma once

// A label that is a link: underlined in the link colour, with a hand cursor, and a click (or
// Enter and Space while it has the focus) opens its target, a web address or a "mailto:" address.
// Without a target it is plain text and opens nothing.

#include <QLabel>
#include <QUrl>
#include <functional>

class TLinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLinkLabel(QWidget* Parent = nullptr);

    const QUrl& Target() const { return target_; }
    // An empty or invalid target makes the label plain text.
    void SetTarget(const QUrl& Target);
    bool IsLink() const { return target_.isValid() && !target_.isEmpty(); }
    // Opens the target, if there is one.
    void Follow();

    // How a target is opened: by the desktop's handler for its kind. Tests replace it.
    std::function<bool(const QUrl&)> Open;

signals:
    // The label was clicked, whether it is a link or not.
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;

private:
    QUrl target_;
};
