#pragma once

// The data of a word riddle (every type but rtSudoku): the cell table, the clue list, the letter
// legend, the solution word and the picture, with the data-level effect of every setter.

#include "RiddleData.h"
#include "RiddleWords.h"
#include "WordCell.h"

#include <QImage>
#include <memory>
#include <vector>

class TWordRiddleData : public TRiddleData {
    Q_OBJECT
public:
    static constexpr int kTableSize = 101;
    static constexpr int kLetterLegendSize = 100;
    static constexpr int kNumberLetters = 26;

    TWordRiddleData();
    ~TWordRiddleData() override;

    QString ClassName() const override { return QStringLiteral("WordRiddle"); }
    int SkillValue() const override { return skill_; }

    // The cell at (col, row) of the table, or null outside 0 … 100.
    TWordGridCell* CellAt(int col, int row);
    const TWordGridCell* CellAt(int col, int row) const;
    // Unchecked access for positions known to be in the table.
    TWordGridCell& Cell(int col, int row) { return cells_[Index(col, row)]; }
    const TWordGridCell& Cell(int col, int row) const { return cells_[Index(col, row)]; }

    int ClueCount() const { return int(clues_.size()); }
    TWordLegendData& Clue(int index) { return *clues_[size_t(index)]; }
    const TWordLegendData& Clue(int index) const { return *clues_[size_t(index)]; }
    TWordLegendData* FindClue(int32_t clueNumber, TWordDirection direction);
    int FindClueIndex(int32_t clueNumber, TWordDirection direction) const;
    TWordLegendData& AddClue();
    void ClearClues();

    TCharLegendData& LetterLegend(int index) { return letters_[size_t(index)]; }
    const TCharLegendData& LetterLegend(int index) const { return letters_[size_t(index)]; }
    TCharLegendData* FindLetter(uint8_t solution);

    TKeywordData& Keyword() { return keyword_; }
    const TKeywordData& Keyword() const { return keyword_; }

    const QString& DictionaryFile() const { return dictionaryFile_; }
    void SetDictionaryFile(const QString& v) { dictionaryFile_ = v.left(255); }
    bool AutoMarkLegend() const { return autoMarkLegend_; }
    void SetAutoMarkLegend(bool v) { autoMarkLegend_ = v; }
    TRiddleCreateOptions CreateOptions() const { return createOptions_; }
    void SetCreateOptions(TRiddleCreateOptions v) { createOptions_ = v; }
    TImageOptions ImageOptions() const { return imageOptions_; }
    void SetImageOptions(TImageOptions v);
    TWordDirection InputDirection() const { return inputDirection_; }
    void SetInputDirectionField(TWordDirection d) { inputDirection_ = d; }
    uint8_t Language() const { return language_; }
    void SetLanguage(uint8_t v);
    TRiddleSkill Skill() const { return skill_; }
    void SetSkill(TRiddleSkill v);
    // 1 … 99; other values are refused.
    void SetRiddleCols(int32_t v);
    void SetRiddleRows(int32_t v);
    void SetRiddleOptions(TRiddleOptions v) override;
    void SetRiddleType(TRiddleType v);

    const QImage& Image() const { return image_; }
    void SetImage(const QImage& image);

    // A cell outside the riddle, or one that takes no letter as the solver sees the grid (an
    // American riddle hides its black cells: while solving only the solver's own count).
    bool IsBlocked(int col, int row) const;
    // Status rule of a cell: 0 empty, 1 right, 2 wrong.
    uint8_t ComputeStatus(const TWordGridCell& cell) const;
    // Raises State by the solving progress; never lowers it.
    void EvaluateState();
    // Empties the solver's entries; given cells keep their revealed letters unless AlsoGiven.
    void ResetEntries(bool AlsoGiven);

    void Assign(const TRiddleData& Source, bool ContentOnly) override;
    void Reset(bool All, bool AlsoGiven) override;
    int CountFlagAll(int Bit, bool Exact) const override;
    void EndUpdate() override;
    void SaveToStream(QIODevice& Stream, int JpegQuality, bool StateOnly) override;

signals:
    // A cell's letters or kind changed: the current word through it has to be looked at again.
    void WordCellChanged(int ACol, int ARow);
    // With AutoMarkLegend, after a letter changed: the solved marks of the clues through the cell
    // are due.
    void SolvedMarksDue(int ACol, int ARow);
    // The picture or how it is fitted changed; the scaled picture is out of date.
    void PictureChanged();

protected:
    void ReadGlobal(TStreamReader& in, int32_t length) override;
    bool ReadSection(const QByteArray& tag, TStreamReader& in, int32_t length, bool StateOnly) override;
    void ApplyLoaded(bool StateOnly) override;
    void AfterLoad(bool StateOnly, bool Completed) override;

private:
    friend class TWordGridCell;
    friend class TKeywordData;
    friend class TWordLegendData;
    friend class TCharLegendData;

    static int Index(int col, int row) { return col * kTableSize + row; }
    // The closing step of the checked cell setters.
    void FinishCellChange();
    void CellEntryChanged(TWordGridCell& cell);
    void ReadCells(TStreamReader& in, int32_t length);
    void ReadClues(TStreamReader& in, int32_t length);
    void ReadLetterLegend(TStreamReader& in, int32_t length);
    void ReadPicture(TStreamReader& in, int32_t length);
    QByteArray PicturePayload(int JpegQuality) const;
    void WriteGlobal(TStreamWriter& out) const;
    void WriteCells(TStreamWriter& out) const;

    std::vector<TWordGridCell> cells_;
    std::vector<std::unique_ptr<TWordLegendData>> clues_;
    std::vector<TCharLegendData> letters_;
    TKeywordData keyword_{this};
    QString dictionaryFile_;
    bool autoMarkLegend_ = false;
    TRiddleCreateOptions createOptions_ = kDefaultCreateOptions;
    TImageOptions imageOptions_;
    TWordDirection inputDirection_ = wdNone;
    uint8_t language_ = 0;
    TRiddleSkill skill_ = rsEasy;
    TRiddleType loadedType_ = rtSwedish;
    int32_t loadedGridSize_ = 30;
    QImage image_;
    // The picture exactly as it was read, so that saving an unchanged picture gives the same bytes.
    QByteArray imageStream_;
    bool imageStreamIsJpeg_ = false;
};
