#include "LegendRows.h"

#include "WordRiddle.h"

#include <algorithm>

namespace {
constexpr int kMaxText = 255;
const QString kBarSeparator = QStringLiteral("  |  ");

// Only A-Z are folded; umlauts and every other character compare by their code.
QString FoldedAz(const QString& Text) {
    QString out = Text;
    for (QChar& ch : out)
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
            ch = QChar(ch.unicode() - 'a' + 'A');
    return out;
}

QString StripBars(const QString& Text) {
    QString s = Text.trimmed();
    qsizetype from = 0, to = s.size();
    while (from < to && s[from] == QLatin1Char('|'))
        ++from;
    while (to > from && s[to - 1] == QLatin1Char('|'))
        --to;
    return s.mid(from, to - from).trimmed();
}

void AddLineRows(const TWordRiddle& Grid, TWordDirection Direction, bool HideSolved,
                 std::vector<TLegendRow>& Rows) {
    const TWordRiddleData& riddle = Grid.Riddle();
    const int lines = Direction == wdHorizontal ? riddle.RiddleRows() : riddle.RiddleCols();
    for (int line = 1; line <= lines; ++line) {
        const QString text = LineClueText(Grid, line, Direction);
        if (text.isEmpty())
            continue;
        TLegendRow row;
        row.Data.LineNumber = line;
        row.Data.ClueText = text;
        row.Data.BlankCount = Grid.CountFlag(line, Direction, false, 0);
        row.Solved = (Direction == wdHorizontal ? riddle.RowState(line) : riddle.ColumnState(line)) != 0;
        row.Hidden = HideSolved && row.Solved;
        Rows.push_back(row);
    }
}
} // namespace

TLegendColumns LegendColumns(TRiddleType Type) {
    TLegendColumns c;
    const bool lines = Type == rtFrench || Type == rtAmerican;
    c.Shown[lcZeile] = lines;
    c.Shown[lcSchwarzfelder] = Type == rtAmerican;
    c.Shown[lcNummer] = Type == rtSwedish;
    c.Shown[lcLaenge] = Type == rtPuzzle;
    c.Shown[lcBegriff] = Type == rtPuzzle || Type == rtFindWords;
    c.Shown[lcUmschreibung] = Type == rtSwedish || Type == rtFillup || lines;
    c.AutoSize = c.Shown[lcBegriff] ? lcBegriff : lcUmschreibung;
    const auto first = std::find(c.Shown.begin(), c.Shown.end(), true);
    c.FirstShown = first == c.Shown.end() ? lcUmschreibung : int(first - c.Shown.begin());
    return c;
}

QString LegendHeader(int Column) {
    static const char* const headers[kLegendColumnCount] = {"Zeile", "Schwarzfelder", "Nummer",
                                                            "Länge", "Begriff",       "Umschreibung"};
    return Column >= 0 && Column < kLegendColumnCount ? QString::fromUtf8(headers[Column]) : QString();
}

bool LegendColumnRightAligned(int Column) {
    return Column == lcZeile || Column == lcSchwarzfelder || Column == lcNummer;
}

QString LegendCellText(const TLegendRowData& Row, int Column) {
    switch (Column) {
    case lcZeile:
        return QString::number(Row.LineNumber);
    case lcSchwarzfelder:
        return QString::number(Row.BlankCount);
    case lcNummer:
        return QString::number(Row.ClueNumber);
    case lcLaenge:
        return QString::number(Row.Word.size());
    case lcBegriff:
        return Row.Word;
    case lcUmschreibung:
        return Row.ClueText;
    default:
        return QString();
    }
}

bool LegendShowsTwoLists(TRiddleType Type, bool TwoListsChosen) {
    return TwoListsChosen || Type == rtSwedish || Type == rtFrench || Type == rtAmerican;
}

QString LineClueText(const TWordRiddle& Grid, int Line, TWordDirection Direction) {
    const TWordRiddleData& riddle = Grid.Riddle();
    const int cells = Direction == wdHorizontal ? riddle.RiddleCols() : riddle.RiddleRows();
    const uint16_t startFlag = Direction == wdHorizontal ? cfStartAcross : cfStartDown;
    QString text;
    for (int i = 1; i <= cells; ++i) {
        const TWordGridCell* cell =
            Direction == wdHorizontal ? riddle.CellAt(i, Line) : riddle.CellAt(Line, i);
        if (!cell || !cell->Has(startFlag))
            continue;
        const int clue = riddle.FindClueIndex(cell->ClueNumber(), Direction);
        if (clue >= 0)
            text += riddle.Clue(clue).ClueText() + kBarSeparator;
    }
    return StripBars(text).left(kMaxText);
}

void SortLegendRows(std::vector<TLegendRow>& Rows, TRiddleType Type) {
    auto by = [&Rows](auto Key) {
        std::stable_sort(Rows.begin(), Rows.end(), [&Key](const TLegendRow& A, const TLegendRow& B) {
            return Key(A.Data) < Key(B.Data);
        });
    };
    switch (Type) {
    case rtSwedish:
        by([](const TLegendRowData& R) { return R.ClueNumber; });
        break;
    case rtFillup:
        by([](const TLegendRowData& R) { return FoldedAz(R.ClueText); });
        break;
    case rtPuzzle:
        by([](const TLegendRowData& R) { return R.Word.size(); });
        break;
    case rtFrench:
    case rtAmerican:
        by([](const TLegendRowData& R) { return R.LineNumber; });
        break;
    case rtFindWords:
        by([](const TLegendRowData& R) { return FoldedAz(R.Word); });
        break;
    default:
        break;
    }
}

TLegendLists BuildLegendLists(const TWordRiddle& Grid, bool TwoListsChosen, bool HideSolved) {
    const TWordRiddleData& riddle = Grid.Riddle();
    const TRiddleType type = riddle.RiddleType();
    TLegendLists lists;
    lists.TwoLists = LegendShowsTwoLists(type, TwoListsChosen);
    if (type == rtFrench || type == rtAmerican) {
        AddLineRows(Grid, wdHorizontal, HideSolved, lists.Across);
        AddLineRows(Grid, wdVertical, HideSolved, lists.Down);
    } else {
        for (int i = 0; i < riddle.ClueCount(); ++i) {
            const TWordLegendData& clue = riddle.Clue(i);
            TLegendRow row;
            row.Data.ClueIndex = i;
            row.Data.ClueNumber = clue.ClueNumber();
            row.Data.Word = clue.Word().left(kMaxText);
            row.Data.ClueText = clue.ClueText().left(kMaxText);
            row.Solved = clue.Solved();
            row.Hidden = HideSolved && row.Solved;
            const bool across = lists.TwoLists && clue.Direction() == wdHorizontal;
            (across ? lists.Across : lists.Down).push_back(row);
        }
    }
    SortLegendRows(lists.Across, type);
    SortLegendRows(lists.Down, type);
    return lists;
}
