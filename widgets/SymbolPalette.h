#pragma once

// A small palette of symbol buttons with a button that empties the cell below them, for putting a
// symbol into a grid by mouse. The arrow keys move between the buttons and Return chooses one;
// Up from the first row and Down from the last leave the palette (in a menu: to the items).

#include <QWidget>

#include <vector>

class QPushButton;

class TSymbolPalette : public QWidget {
    Q_OBJECT
public:
    explicit TSymbolPalette(const QString& ClearCaption, QWidget* Parent = nullptr);

    // One button per symbol, Columns to a row.
    void SetSymbols(const QStringList& Symbols, int Columns);

signals:
    // A symbol, or an empty text for the clear button.
    void Chosen(const QString& Symbol);

protected:
    // The buttons' keys: they would take the arrows and Return themselves.
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    // True when the palette took the key.
    bool HandleKey(const QKeyEvent* Event);
    void Choose(const QPushButton* Button);
    // The buttons in reading order, the clear button last, which spans the palette's width.
    std::vector<QPushButton*> Buttons() const;

    std::vector<QPushButton*> symbols_;
    QPushButton* clear_;
    int columns_ = 1;
};
