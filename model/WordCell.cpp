#include "WordCell.h"

#include "WordRiddleData.h"

void TWordGridCell::Clear() {
    const int32_t number = r_.Number, col = r_.Col, row = r_.Row;
    r_ = TWordCellRecord();
    r_.Number = number;
    r_.Col = col;
    r_.Row = row;
}

void TWordGridCell::SetFlags(uint16_t Value) {
    if (Value == r_.Flags)
        return;
    if (owner_)
        owner_->Announce(kChangeBoth, ChangeText::ChangeCell);
    r_.Flags = Value;
    if (!(Value & cfLetter)) {
        r_.ClueNumber = 0;
        r_.Flags &= uint16_t(~(cfKeyword | cfStartAcross | cfStartDown));
        r_.ClueFlags = 0;
        r_.Solution = 0;
        r_.Entry = 0;
        r_.KeywordIndex = 0;
    }
    if (!owner_)
        return;
    // The status depends on the flags too (an American cell the solver blacked counts as filled).
    status_ = owner_->ComputeStatus(*this);
    emit owner_->CellInvalidated(r_.Col, r_.Row);
    owner_->SetModified(true);
    emit owner_->WordCellChanged(r_.Col, r_.Row);
    owner_->FinishCellChange();
}

void TWordGridCell::SetSolution(uint8_t Value) {
    if (Value == r_.Solution)
        return;
    if (owner_)
        owner_->Announce(kChangeBoth, ChangeText::ChangeCell);
    r_.Solution = Value;
    if (!owner_)
        return;
    status_ = owner_->ComputeStatus(*this);
    emit owner_->CellInvalidated(r_.Col, r_.Row);
    owner_->SetModified(true);
    if (owner_->State() > stNew)
        owner_->RaiseChange();
}

void TWordGridCell::SetMarked(uint8_t Value) {
    if (Value == r_.Marked)
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::ChangeMark);
    r_.Marked = Value;
    if (!owner_)
        return;
    status_ = owner_->ComputeStatus(*this);
    emit owner_->CellInvalidated(r_.Col, r_.Row);
    owner_->SetModified(true);
    owner_->FinishCellChange();
}

void TWordGridCell::SetEntry(uint8_t Value) {
    if (Value == ' ')
        Value = 0;
    if (Value == r_.Entry)
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::EnterLetter);
    r_.Entry = Value;
    if (owner_)
        owner_->CellEntryChanged(*this);
}

void TWordGridCell::SetRevealed(bool Value) {
    if (Value == r_.Revealed)
        return;
    if (owner_)
        owner_->Announce(kChangeProgress, ChangeText::ChangeCell);
    r_.Revealed = Value;
    if (owner_)
        owner_->CellEntryChanged(*this);
}

void TWordGridCell::Assign(const TWordGridCell& Other) {
    if (owner_)
        owner_->Announce(kChangeBoth, ChangeText::ChangeCell);
    r_ = Other.r_;
    status_ = Other.status_;
    if (owner_)
        owner_->SetModified(true);
}
