#include "WordRiddle.h"

#include "CellSpeech.h"

TWordRiddle::TWordRiddle(QWidget* Parent) : TGridRiddle(Parent) {
    connect(&data_, &TWordRiddleData::WordCellChanged, this, &TWordRiddle::UpdateCurrentWord);
    connect(&data_, &TWordRiddleData::SolvedMarksDue, this, &TWordRiddle::UpdateSolvedMarks);
    connect(&data_, &TWordRiddleData::PictureChanged, this, &TWordRiddle::RebuildPicture);
    AttachRiddle();
}

void TWordRiddle::SyncGeometry() {
    SetGridLineWidth(data_.RiddleType() == rtPuzzle ? 0 : 1);
    TGridRiddle::SyncGeometry();
    // The picture's tiles follow the cell pitch.
    if (data_.RiddleOptions().Contains(roHasImage) && picture_.Pitch != data_.GridSize() + GridLineWidth())
        RebuildPicture();
}

void TWordRiddle::UpdateHeaderLines() {
    const bool headers = data_.RiddleType() == rtFrench || data_.RiddleType() == rtAmerican;
    const int size = headers ? (data_.GridSize() > 0 ? data_.GridSize() : 30) : 0;
    SetColWidth(0, size);
    SetRowHeight(0, size);
}

bool TWordRiddle::WantsRangeSelect() const {
    return data_.DisplayMode() == dmEditing || data_.RiddleType() == rtFindWords;
}

int TWordRiddle::CellOverhang() const {
    return data_.RiddleType() == rtPuzzle || data_.RiddleType() == rtFindWords ? 1 : 0;
}

void TWordRiddle::RebuildPicture() {
    const bool selected = picture_.Selected;
    picture_ = RenderPictureBitmap(data_, data_.GridSize() + GridLineWidth());
    picture_.Selected = selected;
    InvalidateGrid();
}

void TWordRiddle::RenderImage(QImage& Bitmap, bool FitToArea) const {
    ::RenderImage(data_, Bitmap, FitToArea, data_.GridSize() + GridLineWidth());
}

bool TWordRiddle::IsInCurrentWord(int ACol, int ARow) const {
    return currentWord_.Length > 0 && currentWord_.Contains(ACol, ARow);
}

TWordPainter TWordRiddle::ScreenPainter(const TScreenState& Screen) const {
    return TWordPainter(data_, Fonts(), picture_, GridLineWidth(), &Screen, &currentWord_);
}

void TWordRiddle::GetCellColors(int ACol, int ARow, TPaintTarget Target, int DrawState, TColor& Text,
                                TColor& Background) const {
    TScreenState screen = ScreenState();
    screen.InputDirection = data_.InputDirection();
    ScreenPainter(screen).GetCellColors(ACol, ARow, Target, DrawState, Text, Background);
}

void TWordRiddle::PaintCell(QPainter& Painter, int ACol, int ARow, TPaintTarget Target, int DrawState,
                            const QRect& Rect) {
    TScreenState screen = ScreenState();
    screen.InputDirection = data_.InputDirection();
    ScreenPainter(screen).PaintCell(Painter, ACol, ARow, Target, DrawState, Rect);
}

void TWordRiddle::PaintTo(QPainter& Painter, QRect& Rect, int LineWeight, TPaintTarget Target,
                          int& CellSize) {
    TScreenState screen = ScreenState();
    screen.InputDirection = data_.InputDirection();
    ScreenPainter(screen).PaintTo(Painter, Rect, LineWeight, Target, CellSize);
}

QString TWordRiddle::AccessibleCellName(int ACol, int ARow) const {
    return WordCellName(data_, ACol, ARow);
}

QString TWordRiddle::AccessibleCellValue(int ACol, int ARow) const {
    return WordCellValue(data_, ACol, ARow);
}

QString TWordRiddle::AccessibleCellDescription(int ACol, int ARow) const {
    if (currentWord_.Length > 0 && currentWord_.Contains(ACol, ARow))
        return WordDescription(currentWord_);
    if (data_.IsBlocked(ACol, ARow))
        return QString();
    // Elsewhere the word of the input direction, or the crossing one where none runs that way.
    const TWordDirection first = data_.InputDirection() == wdVertical ? wdVertical : wdHorizontal;
    const TGridWordData word = GetWordData(ACol, ARow, false, first);
    if (word.Length > 0)
        return WordDescription(word);
    return WordDescription(GetWordData(ACol, ARow, false, first == wdHorizontal ? wdVertical : wdHorizontal));
}
