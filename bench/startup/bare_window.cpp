// The yardstick of the start-up benchmark: a bare Qt window that paints a 13 × 13 grid of 30-pixel
// cells, the size of the default riddle, and nothing else.

#include <QApplication>
#include <QMainWindow>
#include <QPainter>
#include <QWidget>

namespace {
constexpr int kCells = 13;
constexpr int kPitch = 31;

class TBareGrid : public QWidget {
public:
    TBareGrid() { setFixedSize(kCells * kPitch + 1, kCells * kPitch + 1); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setPen(Qt::gray);
        for (int i = 0; i <= kCells; ++i) {
            p.drawLine(i * kPitch, 0, i * kPitch, height());
            p.drawLine(0, i * kPitch, width(), i * kPitch);
        }
        p.setPen(Qt::black);
        for (int c = 0; c < kCells; ++c)
            for (int r = 0; r < kCells; ++r)
                p.drawText(QRect(c * kPitch, r * kPitch, kPitch, kPitch), Qt::AlignCenter,
                           QString(QChar('A' + (c + r) % 26)));
    }
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Gitter"));
    window.setCentralWidget(new TBareGrid);
    window.show();
    return app.exec();
}
