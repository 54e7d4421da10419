#include "MessageBoxes.h"

#include <QAbstractButton>

void SetGermanButtonTexts(QMessageBox& Box) {
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {
        {QMessageBox::Ok, "OK"},
        {QMessageBox::Yes, "Ja"},
        {QMessageBox::No, "Nein"},
        {QMessageBox::Cancel, "Abbrechen"},
    };
    for (const auto& [button, text] : texts)
        if (QAbstractButton* b = Box.button(button))
            b->setText(QString::fromUtf8(text));
}

QMessageBox::StandardButton AskConfirmation(QWidget* Parent, const char* ObjectName, const QString& Text,
                                            QMessageBox::StandardButtons Buttons) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigen"), Text, Buttons, Parent);
    box.setObjectName(QLatin1String(ObjectName));
    SetGermanButtonTexts(box);
    if (Buttons.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (Buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    box.exec();
    // Closing the box by its frame counts as the escape button.
    QAbstractButton* chosen = box.clickedButton() ? box.clickedButton() : box.escapeButton();
    return box.standardButton(chosen);
}
