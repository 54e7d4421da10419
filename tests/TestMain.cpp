// Test programs run headless: test discovery starts them without any environment.

#include "WindowFont.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <gtest/gtest.h>

namespace {
// The windows are tried on a desktop screen of 1280 × 1024, as a solver has, not on the
// headless platform's 800 × 600.
QByteArray OffscreenPlatform(const QString& RuntimeDir) {
    // Test programs run side by side: the file is replaced whole, never seen half written.
    QSaveFile config(RuntimeDir + QStringLiteral("/offscreen-screen.json"));
    if (config.open(QIODevice::WriteOnly)) {
        config.write(R"({"screens": [{"name": "Test", "x": 0, "y": 0, "width": 1280, "height": 1024,)"
                     R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        config.commit();
    }
    return "offscreen:configfile=" + config.fileName().toLocal8Bit();
}
} // namespace

int main(int argc, char** argv) {
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty()) {
        runtime = QDir::tempPath() + QStringLiteral("/quivane-test-runtime");
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    }
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", OffscreenPlatform(runtime));
    QApplication app(argc, argv);
    // The windows under test look as in the player.
    InstallWindowFont();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
