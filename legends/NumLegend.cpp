#include "NumLegend.h"

#include "WordRiddle.h"

namespace {
uint8_t UpperLetter(QChar Key) {
    const char16_t c = Key.unicode();
    if (c >= u'a' && c <= u'z')
        return uint8_t(c - u'a' + 'A');
    if (c >= u'A' && c <= u'Z')
        return uint8_t(c);
    return 0;
}
} // namespace

int TNumLegend::EntryAt(int ACol, int ARow) {
    if (ACol < 0 || ACol >= kCols || ARow < 0 || ARow >= kRows)
        return -1;
    return (ACol / 2) * kRows + ARow;
}

QPoint TNumLegend::LetterCell(int Entry) {
    return Entry < kRows ? QPoint(1, Entry) : QPoint(3, Entry - kRows);
}

TWordRiddleData& TNumLegend::Riddle() const {
    return grid_.Riddle();
}

bool TNumLegend::Vacant(int Entry) const {
    return !Valid(Entry) || Riddle().LetterLegend(Entry).Solution() == 0;
}

bool TNumLegend::Selectable(int ACol, int ARow) const {
    return (ACol == 1 || ACol == 3) && !Vacant(EntryAt(ACol, ARow));
}

int TNumLegend::First() const {
    for (int e = 0; e < kEntries; ++e)
        if (!Vacant(e))
            return e;
    return -1;
}

int TNumLegend::Next(int Entry) const {
    // Every other entry once at most: a legend of vacant entries cannot keep the loop going.
    for (int step = 1; step < kEntries; ++step) {
        const int e = (Entry + step) % kEntries;
        if (!Vacant(e))
            return e;
    }
    return Entry;
}

int TNumLegend::Previous(int Entry) const {
    for (int step = 1; step < kEntries; ++step) {
        const int e = ((Entry - step) % kEntries + kEntries) % kEntries;
        if (!Vacant(e))
            return e;
    }
    return Entry;
}

std::optional<int> TNumLegend::KeyDown(int Key, int Entry) {
    switch (Key) {
    case Qt::Key_Down:
        return Next(Entry);
    case Qt::Key_Up:
        return Previous(Entry);
    case Qt::Key_Left:
    case Qt::Key_Right: {
        // Over to the other column in the same row, where that entry can be selected, and then
        // on as with Down.
        const int other = Entry < kRows ? Entry + kRows : Entry - kRows;
        return Next(Vacant(other) ? Entry : other);
    }
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        Clear(Entry);
        return Entry;
    default:
        return std::nullopt;
    }
}

template <class Change> void TNumLegend::AsOneStep(Change Run) {
    TWordRiddleData& riddle = Riddle();
    const bool solving = riddle.State() >= stReady;
    if (solving)
        riddle.Announce(kChangeProgress, ChangeText::ChangeLegend);
    riddle.BeginUpdate();
    Run();
    riddle.EndUpdate();
    if (solving)
        riddle.EvaluateState();
}

void TNumLegend::FillCells(int32_t Number, uint8_t Letter, bool OnlyEmpty) {
    // Black, picture and header cells carry no number of a letter: they are never written.
    if (Number <= 0)
        return;
    TWordRiddleData& riddle = Riddle();
    for (int c = 1; c <= riddle.RiddleCols(); ++c)
        for (int r = 1; r <= riddle.RiddleRows(); ++r) {
            TWordGridCell& cell = riddle.Cell(c, r);
            if (cell.Has(cfLetter) && cell.Number() == Number && (!OnlyEmpty || cell.ShownLetter() == 0))
                cell.SetEntry(Letter);
        }
}

void TNumLegend::Type(int Entry, QChar Key, bool AutoEnter) {
    if (Vacant(Entry))
        return;
    if (Key == QLatin1Char(' ')) {
        Clear(Entry);
        return;
    }
    const uint8_t letter = UpperLetter(Key);
    if (letter == 0)
        return;
    TCharLegendData& entry = Riddle().LetterLegend(Entry);
    if (!AutoEnter) {
        entry.SetEntry(letter);
        return;
    }
    AsOneStep([&] {
        entry.SetEntry(letter);
        FillCells(entry.Number(), letter, false);
    });
}

void TNumLegend::Clear(int Entry) {
    if (!Vacant(Entry))
        Riddle().LetterLegend(Entry).SetEntry(0);
}

void TNumLegend::TakeFromRiddle() {
    TWordRiddleData& riddle = Riddle();
    AsOneStep([&] {
        for (int c = 1; c <= riddle.RiddleCols(); ++c)
            for (int r = 1; r <= riddle.RiddleRows(); ++r) {
                const uint8_t letter = riddle.Cell(c, r).ShownLetter();
                if (letter == 0)
                    continue;
                if (TCharLegendData* entry = riddle.FindLetter(letter))
                    entry->SetEntry(letter);
            }
    });
}

void TNumLegend::WriteIntoRiddle() {
    TWordRiddleData& riddle = Riddle();
    AsOneStep([&] {
        for (int e = 0; e < kEntries; ++e) {
            const TCharLegendData& entry = riddle.LetterLegend(e);
            if (entry.ShownLetter() != 0)
                FillCells(entry.Number(), entry.ShownLetter(), true);
        }
    });
}

void TNumLegend::TakeCurrentLetter() {
    const TWordGridCell* cell = Riddle().CellAt(grid_.Col(), grid_.Row());
    if (grid_.Col() <= 0 || grid_.Row() <= 0 || !cell || !cell->Has(cfLetter) || cell->Number() <= 0)
        return;
    if (const uint8_t letter = cell->ShownLetter(); letter != 0)
        grid_.EnterLegendLetter(letter);
}

TNumLegendButtons TNumLegend::Buttons() const {
    TNumLegendButtons b;
    b.Visible = Riddle().DisplayMode() != dmEditing;
    for (int e = 0; e < kEntries && !b.RaetselEintragenEnabled; ++e)
        b.RaetselEintragenEnabled = Riddle().LetterLegend(e).ShownLetter() != 0;
    return b;
}
