#include "CellSpeech.h"

#include "SudokuRiddleData.h"
#include "WordPainter.h"
#include "WordRiddleData.h"

#include <QStringList>

namespace {
const QString kEmpty = QStringLiteral("leer");

QString Letter(uint8_t Value) {
    return Value ? QString(QChar(Value)) : kEmpty;
}

QString Named(int Row, int Col, const QStringList& Parts) {
    return CellPlace(Row, Col) + QStringLiteral(": ") + Parts.join(QStringLiteral(", "));
}

// The letter a word riddle's cell shows, as its painter chooses it.
uint8_t ShownLetter(const TWordRiddleData& Riddle, const TWordGridCell& Cell) {
    const TDisplayMode mode = Riddle.DisplayMode();
    if (Riddle.RiddleType() == rtFindWords)
        return mode != dmEditing && Cell.Has(cfBlack) ? Cell.Entry() : Cell.Solution();
    return mode != dmSolving || Cell.Revealed() ? Cell.Solution() : Cell.Entry();
}

bool WrongLetter(const TWordRiddleData& Riddle, const TWordGridCell& Cell) {
    return Riddle.PaintOptions().Contains(poShowFail) && Riddle.DisplayMode() == dmSolving &&
           Riddle.RiddleType() != rtFindWords && !Cell.Revealed() && Cell.Entry() != 0 &&
           Cell.Entry() != Cell.Solution();
}
} // namespace

QString CellPlace(int Row, int Col) {
    return QStringLiteral("Zeile %1, Spalte %2").arg(Row).arg(Col);
}

QString WordCellValue(const TWordRiddleData& Riddle, int ACol, int ARow) {
    if (IsBlackWordCell(Riddle, ACol, ARow))
        return QStringLiteral("Schwarzfeld");
    return Letter(ShownLetter(Riddle, Riddle.Cell(ACol, ARow)));
}

QString WordCellName(const TWordRiddleData& Riddle, int ACol, int ARow) {
    const TWordGridCell& cell = Riddle.Cell(ACol, ARow);
    const TRiddleType type = Riddle.RiddleType();
    QStringList parts{WordCellValue(Riddle, ACol, ARow)};
    if (IsBlackWordCell(Riddle, ACol, ARow)) {
        // The solver's own black field where the riddle has a letter.
        if (type == rtAmerican && Riddle.PaintOptions().Contains(poShowFail) && !cell.Has(cfBlack))
            parts << QStringLiteral("falsch");
        return Named(ARow, ACol, parts);
    }
    if (type == rtSwedish && cell.ClueNumber() > 0)
        parts << QStringLiteral("Nummer %1").arg(cell.ClueNumber());
    if (type == rtNumbers)
        parts << QStringLiteral("Zahl %1").arg(cell.Number());
    if (Riddle.RiddleOptions().Contains(roHasKeyword) && cell.Has(cfKeyword))
        parts << (cell.KeywordIndex() > 0 ? QStringLiteral("Lösungswortfeld %1").arg(cell.KeywordIndex())
                                          : QStringLiteral("Lösungswortfeld"));
    if (type == rtFindWords && cell.Marked() && Riddle.DisplayMode() == dmSolving)
        parts << QStringLiteral("markiert");
    if (cell.Revealed() && type != rtFindWords)
        parts << QStringLiteral("aufgedeckt");
    if (WrongLetter(Riddle, cell))
        parts << QStringLiteral("falsch");
    return Named(ARow, ACol, parts);
}

QString WordDescription(const TGridWordData& Word) {
    if (Word.Length <= 0 || Word.Direction == wdNone)
        return QString();
    QString text =
        Word.Direction == wdHorizontal ? QStringLiteral("Waagerecht") : QStringLiteral("Senkrecht");
    if (Word.ClueNumber > 0)
        text += QStringLiteral(" %1").arg(Word.ClueNumber);
    if (!Word.ClueText.isEmpty())
        text += QStringLiteral(": ") + Word.ClueText;
    return text + (Word.Length == 1 ? QStringLiteral(", 1 Buchstabe")
                                    : QStringLiteral(", %1 Buchstaben").arg(Word.Length));
}

QString SudokuCellValue(const TSudokuRiddleData& Riddle, int ACol, int ARow) {
    const TSudokuGridCell& cell = Riddle.Cell(ACol, ARow);
    return Letter(Riddle.DisplayMode() != dmSolving ? cell.Solution() : cell.ShownSymbol());
}

QString SudokuCellName(const TSudokuRiddleData& Riddle, int ACol, int ARow) {
    const TSudokuGridCell& cell = Riddle.Cell(ACol, ARow);
    QStringList parts{SudokuCellValue(Riddle, ACol, ARow)};
    const bool empty = (Riddle.DisplayMode() != dmSolving ? cell.Solution() : cell.ShownSymbol()) == 0;
    // The solver's own notes stand in the place of the possible symbols, as on screen.
    if (empty && cell.Notes() != 0 && Riddle.DisplayMode() == dmSolving) {
        QStringList notes;
        for (int k = 1; k <= Riddle.Symbols(); ++k)
            if (cell.Notes() & (1u << k))
                notes << QString(QChar(SymbolOf(k)));
        parts << QStringLiteral("Notizen ") + notes.join(QStringLiteral(" "));
    } else if (empty && Riddle.PaintOptions().Contains(poShowHintGrids)) {
        QStringList possible;
        for (int k = 1; k <= Riddle.Symbols(); ++k)
            if (cell.IsCandidate(k))
                possible << QString(QChar(SymbolOf(k)));
        parts << (possible.isEmpty() ? QStringLiteral("nichts möglich")
                                     : QStringLiteral("möglich ") + possible.join(QStringLiteral(" ")));
    }
    if (cell.Given())
        parts << QStringLiteral("vorgegeben");
    else if (cell.Revealed())
        parts << QStringLiteral("aufgedeckt");
    else if (Riddle.PaintOptions().Contains(poShowFail) && Riddle.DisplayMode() == dmSolving &&
             cell.Entry() != 0 && cell.Entry() != cell.Solution())
        parts << QStringLiteral("falsch");
    return Named(ARow, ACol, parts);
}

QString LetterLegendName(const TWordRiddleData& Riddle, int Entry) {
    if (Entry < 0 || Entry >= TWordRiddleData::kLetterLegendSize)
        return QString();
    const TCharLegendData& entry = Riddle.LetterLegend(Entry);
    // An entry whose number does not occur in the riddle shows nothing.
    if (entry.Number() <= 0 || entry.Solution() == 0)
        return QStringLiteral("unbenutzt");
    const TDisplayMode mode = Riddle.DisplayMode();
    QString name = QStringLiteral("Zahl %1: ").arg(entry.Number()) +
                   Letter(mode == dmSolution ? entry.Solution() : entry.Entry());
    if (Riddle.PaintOptions().Contains(poShowFail) && mode != dmSolution && entry.Entry() != 0 &&
        entry.Entry() != entry.Solution())
        name += QStringLiteral(", falsch");
    return name;
}

QString LetterBoxName(const QString& Row, int Index, int Count, QChar Letter) {
    const QString shown = Letter.isNull() || Letter == QLatin1Char(' ') ? kEmpty : QString(Letter);
    return QStringLiteral("%1, Buchstabe %2 von %3: %4").arg(Row).arg(Index + 1).arg(Count).arg(shown);
}

QString KeywordBoxName(const TWordRiddleData& Riddle, int Index) {
    const QString& word = Riddle.Keyword().Word();
    const QString& guess = Riddle.Keyword().Guess();
    const QChar solution = Index < word.size() ? word[Index] : QLatin1Char(' ');
    const QChar typed = Index < guess.size() ? guess[Index] : QLatin1Char(' ');
    const bool solving = Riddle.DisplayMode() == dmSolving;
    QString name =
        LetterBoxName(QStringLiteral("Lösungswort"), Index, int(word.size()), solving ? typed : solution);
    if (solving && typed != QLatin1Char(' ') && typed != solution &&
        Riddle.PaintOptions().Contains(poShowFail))
        name += QStringLiteral(", falsch");
    return name;
}
