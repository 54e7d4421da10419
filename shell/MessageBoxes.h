#pragma once

// The player's standard message boxes. Qt's own button texts depend on a translation being
// installed; these boxes always read "OK", "Ja", "Nein", "Abbrechen".

#include <QMessageBox>

void SetGermanButtonTexts(QMessageBox& Box);
// A confirmation box ("Bestätigen") with the given buttons; returns the button chosen, Cancel
// (or No without Cancel) when the box is closed otherwise.
QMessageBox::StandardButton AskConfirmation(QWidget* Parent, const char* ObjectName, const QString& Text,
                                            QMessageBox::StandardButtons Buttons);
