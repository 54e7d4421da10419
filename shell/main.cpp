#include "Hauptformular.h"
#include "WindowFont.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quivane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quivane.png")));
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
