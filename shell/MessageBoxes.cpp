#include "MessageBoxes.h"

#include <QAbstractButton>

void SetGermanButtonTexts(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> texts[] = {
        {QMessageBox::Ok, "OK"},
        {QMessageBox::Yes, "Ja"},
        {QMessageBox::No, "Nein"},
        {QMessageBox::Cancel, "Abbrechen"},
    };
    for (const auto& [button, text] : texts)
        if (QAbstractButton* b = box.button(button))
            b->setText(QString::fromUtf8(text));
}

QMessageBox::StandardButton AskConfirmation(QWidget* parent, const char* objectName, const QString& text,
                                            QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Bestätigen"), text, buttons, parent);
    box.setObjectName(QLatin1String(objectName));
    SetGermanButtonTexts(box);
    if (buttons.testFlag(QMessageBox::Cancel))
        box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    box.exec();
    // Closing the box by its frame counts as the escape button.
    QAbstractButton* chosen = box.clickedButton() ? box.clickedButton() : box.escapeButton();
    return box.standardButton(chosen);
}
