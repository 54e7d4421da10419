#pragma once

// The data of a sudoku of 6, 9 or 12 symbols: cells, box shape, candidates and the solve check.

#include "CellTable.h"
#include "RiddleData.h"
#include "SudokuCell.h"

#include <QRect>
#include <vector>

class TSudokuRiddleData : public TRiddleData {
    Q_OBJECT
public:
    static constexpr int kTableSize = 101;
    static constexpr int kMaxSymbols = 12;
    static constexpr uint8_t kMarkFewCandidates = 255;

    TSudokuRiddleData();
    ~TSudokuRiddleData() override;

    QString ClassName() const override { return QStringLiteral("SudokuRiddle"); }
    int SkillValue() const override { return skill_; }

    TSudokuSize Size() const { return size_; }
    void SetSize(TSudokuSize Value);
    TSudokuSkill Skill() const { return skill_; }
    void SetSkill(TSudokuSkill Value);
    uint8_t MarkedSymbol() const { return markedSymbol_; }
    void SetMarkedSymbol(uint8_t Value);

    // Number of symbols, box width (columns) and box height (rows).
    int Symbols() const { return symbols_; }
    int BoxWidth() const { return boxWidth_; }
    int BoxHeight() const { return boxHeight_; }

    TSudokuGridCell* CellAt(int ACol, int ARow);
    const TSudokuGridCell* CellAt(int ACol, int ARow) const;
    TSudokuGridCell& Cell(int ACol, int ARow) { return cells_.At(ACol, ARow); }
    const TSudokuGridCell& Cell(int ACol, int ARow) const { return cells_.At(ACol, ARow); }

    // Columns and rows of the box that holds the cell (empty before the size is known).
    QRect BoxOf(int ACol, int ARow) const;
    // Whether symbol value k may still go into (col, row): no other cell of its row, column
    // or box shows it.
    bool IsPossible(int K, int ACol, int ARow) const;
    int PossibleCount(int ACol, int ARow) const;
    // Refreshes every cell's candidates and marks, and repaints the cells whose look changed.
    void RecomputePossible();
    void UpdateMarkedCells();
    // Raises State by the solving progress (the sudoku rule, not the stored solution).
    void EvaluateSudoku();
    // The state the cells alone call for: stReady (empty), stPartial, stWrongChars or stSolved.
    TRiddleState ContentState() const;
    // Content was put back wholesale (a snapshot): the state follows what the cells now hold, and
    // may fall.
    void RederiveState();

    // The solver's key: a symbol of this sudoku (either case) or a blank, which empties the cell.
    // While the riddle is edited it also becomes the cell's solution.
    void SetSymbol(int ACol, int ARow, uint8_t Ch);
    // Turns the solver's note of a symbol value on or off in a cell with no symbol entered.
    void ToggleNote(int ACol, int ARow, int Value);

    // A snapshot holds every cell's Entry, indexed [column][row].
    // Every cell's entry and notes, by table index.
    struct TSnapshot {
        std::vector<uint8_t> Entries;
        std::vector<uint16_t> Notes;
        bool operator==(const TSnapshot&) const = default;
    };
    TSnapshot TakeSnapshot() const;
    void RestoreSnapshot(const TSnapshot& Table);

    void Assign(const TRiddleData& Source, bool ContentOnly) override;
    void Reset(bool All, bool AlsoGiven) override;
    int CountFlagAll(int Bit, bool Exact) const override;
    void EndUpdate() override;
    void SaveToStream(QIODevice& Stream, int JpegQuality, bool StateOnly) override;

protected:
    void ReadGlobal(TStreamReader& In, const TSectionSpan& Span) override;
    bool ReadSection(const QByteArray& Tag, TStreamReader& In, const TSectionSpan& Span,
                     bool StateOnly) override;
    void ApplyLoaded(bool StateOnly) override;
    void AfterLoad(bool StateOnly, bool Completed) override;
    void FollowPart(TRiddlePart& Part, uint16_t Follow) override;
    void EvaluateContent() override;

private:
    // Entering a symbol takes it out of the notes of its row, column and box.
    void ClearNotesAround(int ACol, int ARow, int Value);
    bool MarksCell(const TSudokuGridCell& Cell) const;
    void ApplySize();
    void ReadCells(TStreamReader& In, const TSectionSpan& Span);

    TCellTable<TSudokuGridCell, kTableSize> cells_;
    TSudokuSize size_ = ss9Symbols;
    TSudokuSkill skill_ = skEasy;
    uint8_t markedSymbol_ = 0;
    int symbols_ = 9, boxWidth_ = 3, boxHeight_ = 3;
};
