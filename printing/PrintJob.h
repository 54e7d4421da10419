#pragma once

// The print command: the print dialog, the progress window, and one print job per copy.

#include "PageComposer.h"
#include "PrintMessageDialog.h"

#include <QPointer>
#include <QPrinter>

class QWidget;

// Sends Copies jobs of the composed pages, one job per copy. A job that cannot begin or ends
// cancelled stops the copies still to come. Progress runs between pages. Returns the jobs sent.
int PrintCopies(QPrinter& Printer, const TPageComposer& Composer, int Copies,
                const std::function<void()>& Progress);

// What the progress window says: the kind of riddle that is being printed.
QString PrintMessage(const TRiddleData& Riddle);

// Asks for the options and prints the riddle. Without an installed printer it says so instead
// of showing an empty dialog. Progress is the progress window, made on first use.
void ExecutePrint(QWidget* Parent, const TPrintSource& Source, QPointer<TPrintMsgDlg>& Progress);
