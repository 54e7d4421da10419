#include "PrintJob.h"

#include "PrintDialog.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPrinterInfo>

namespace {
bool Failed(const QPrinter& Printer) {
    return Printer.printerState() == QPrinter::Aborted || Printer.printerState() == QPrinter::Error;
}
} // namespace

int PrintCopies(QPrinter& Printer, const TPageComposer& Composer, int Copies,
                const std::function<void()>& Progress) {
    Printer.setDocName(DocumentTitle(Composer.Title()));
    Printer.setCopyCount(1);
    for (int copy = 0; copy < Copies; ++copy) {
        QPainter painter;
        if (!painter.begin(&Printer))
            return copy;
        bool pagesOk = true;
        const TPageFrame page = SetUpPageCoordinates(painter, Printer);
        Composer.Compose(painter, page, [&] {
            pagesOk = Printer.newPage() && pagesOk;
            SetUpPageCoordinates(painter, Printer);
            if (Progress)
                Progress();
        });
        if (!painter.end() || !pagesOk || Failed(Printer))
            return copy;
        if (Progress)
            Progress();
    }
    return Copies;
}

QString PrintMessage(const TRiddleData& Riddle) {
    const QString kind =
        Riddle.RiddleType() == rtSudoku ? QStringLiteral("Sudoku") : RiddleTypeName(Riddle.RiddleType());
    return kind + QStringLiteral(" drucken");
}

void ExecutePrint(QWidget* Parent, const TPrintSource& Source, QPointer<TPrintMsgDlg>& Progress) {
    if (!Source.Riddle || !Source.Fonts)
        return;
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        QMessageBox::information(
            Parent, QStringLiteral("Rätsel drucken"),
            QStringLiteral("Es ist kein Drucker verfügbar. Bitte richten Sie zuerst einen "
                           "Drucker ein."));
        return;
    }
    TPrintDlg dialog(Parent, Source.Riddle->RiddleType() == rtSudoku);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const TPrintOptions options = dialog.Options();
    if (!Progress)
        Progress = new TPrintMsgDlg(Parent);
    Progress->SetMessage(PrintMessage(*Source.Riddle));
    Progress->SetPrinting(true);
    Progress->show();
    // Once, so that the window appears before the jobs hold the user interface's thread; the
    // solver's input waits until printing is done.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QPrinter& printer = dialog.Printer();
    printer.setFullPage(false);
    printer.setPageOrientation(options.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    const TPageComposer composer(Source, options);
    // Between pages the printer turns on without the event loop, which could otherwise close the
    // windows whose riddle is being printed.
    const int sent = PrintCopies(printer, composer, options.Copies, [&Progress] {
        if (Progress)
            Progress->Step();
    });
    if (Progress)
        Progress->SetPrinting(false);
    if (sent < options.Copies)
        QMessageBox::warning(Parent, QStringLiteral("Rätsel drucken"),
                             sent == 0
                                 ? QStringLiteral("Der Druckauftrag wurde abgebrochen.")
                                 : QStringLiteral("Der Druckauftrag wurde abgebrochen. Die übrigen Kopien "
                                                  "werden nicht gedruckt."));
}
