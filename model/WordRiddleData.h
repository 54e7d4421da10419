#pragma once

// The data of a word riddle (every type but rtSudoku): the cell table, the clue list, the letter
// legend, the solution word and the picture, with the data-level effect of every setter.

#include "CellTable.h"
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
    TWordGridCell* CellAt(int ACol, int ARow);
    const TWordGridCell* CellAt(int ACol, int ARow) const;
    // Unchecked access for positions known to be in the table.
    TWordGridCell& Cell(int ACol, int ARow) { return cells_.At(ACol, ARow); }
    const TWordGridCell& Cell(int ACol, int ARow) const { return cells_.At(ACol, ARow); }

    int ClueCount() const { return int(clues_.size()); }
    TWordLegendData& Clue(int Index) { return *clues_[size_t(Index)]; }
    const TWordLegendData& Clue(int Index) const { return *clues_[size_t(Index)]; }
    TWordLegendData* FindClue(int32_t ClueNumber, TWordDirection Direction);
    int FindClueIndex(int32_t ClueNumber, TWordDirection Direction) const;
    TWordLegendData& AddClue();

    TCharLegendData& LetterLegend(int Index) { return letters_[size_t(Index)]; }
    const TCharLegendData& LetterLegend(int Index) const { return letters_[size_t(Index)]; }
    TCharLegendData* FindLetter(uint8_t Solution);

    TKeywordData& Keyword() { return keyword_; }
    const TKeywordData& Keyword() const { return keyword_; }

    const QString& DictionaryFile() const { return dictionaryFile_; }
    void SetDictionaryFile(const QString& Value) { dictionaryFile_ = Value.left(255); }
    bool AutoMarkLegend() const { return autoMarkLegend_; }
    void SetAutoMarkLegend(bool Value) { autoMarkLegend_ = Value; }
    TRiddleCreateOptions CreateOptions() const { return createOptions_; }
    void SetCreateOptions(TRiddleCreateOptions Value) { createOptions_ = Value; }
    TImageOptions ImageOptions() const { return imageOptions_; }
    void SetImageOptions(TImageOptions Value);
    TWordDirection InputDirection() const { return inputDirection_; }
    void SetInputDirectionField(TWordDirection D) { inputDirection_ = D; }
    uint8_t Language() const { return language_; }
    void SetLanguage(uint8_t Value);
    TRiddleSkill Skill() const { return skill_; }
    void SetSkill(TRiddleSkill Value);
    // 1 … 99; other values are refused.
    void SetRiddleCols(int32_t Value);
    void SetRiddleRows(int32_t Value);
    void SetRiddleOptions(TRiddleOptions Value) override;
    void SetRiddleType(TRiddleType Value);

    const QImage& Image() const { return image_; }
    void SetImage(const QImage& Image);
    // How the picture was stored in the riddle file it was read from: its bytes (empty once the
    // picture was set anew) and whether they are a JPEG stream.
    const QByteArray& StoredPicture() const { return imageStream_; }
    bool StoredPictureIsJpeg() const { return imageStreamIsJpeg_; }

    // A cell outside the riddle, or one that takes no letter as the solver sees the grid (an
    // American riddle hides its black cells: while solving only the solver's own count).
    bool IsBlocked(int ACol, int ARow) const;
    // Status rule of a cell: 0 empty, 1 right, 2 wrong.
    uint8_t ComputeStatus(const TWordGridCell& Cell) const;
    // Raises State by the solving progress; never lowers it.
    void EvaluateState();
    // Every letter cell holds a letter, right or wrong, but a box of the solution word is still
    // empty: the solution word is all that is missing.
    bool AwaitsKeyword() const;
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
    void ReadGlobal(TStreamReader& In, const TSectionSpan& Span) override;
    bool ReadSection(const QByteArray& Tag, TStreamReader& In, const TSectionSpan& Span,
                     bool StateOnly) override;
    void ApplyLoaded(bool StateOnly) override;
    void AfterLoad(bool StateOnly, bool Completed) override;
    void FollowPart(TRiddlePart& Part, uint16_t Follow) override;
    void EvaluateContent() override;

private:
    void ReadCells(TStreamReader& In, const TSectionSpan& Span);
    void ReadClues(TStreamReader& In, const TSectionSpan& Span);
    void ReadLetterLegend(TStreamReader& In, const TSectionSpan& Span);
    void ReadPicture(TStreamReader& In, int32_t Length);
    QByteArray PicturePayload(int JpegQuality) const;
    void WriteGlobal(TStreamWriter& Out) const;
    void WriteCells(TStreamWriter& Out) const;

    TCellTable<TWordGridCell, kTableSize> cells_;
    std::vector<std::unique_ptr<TWordLegendData>> clues_;
    std::vector<TCharLegendData> letters_;
    TKeywordData keyword_;
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
