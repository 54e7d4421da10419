#include "EmbeddedRiddle.h"
#include "Hauptformular.h"
#include "SpeedButton.h"
#include "WindowFont.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

// The mark riddlepack looks for before it appends a riddle: this program finds riddles behind
// its own image, any other program would only carry the riddle along unseen.
[[gnu::used, gnu::section(QUIVANE_PLAYER_SECTION)]] static const char kPlayerMark[] = "Quivane player";

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quivane"));
    QApplication::setWindowIcon(IconNamed("quivane"));
    InstallWindowFont();
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtTexts);

    TRMMainForm mainForm;
    mainForm.show();
    QCoreApplication::processEvents();
    if (mainForm.LoadFailed())
        return 1;
    const int status = app.exec();
    return mainForm.LoadFailed() ? 1 : status;
}
