// The word-riddle half of the source builder: grid, words, clues and the cell flags.

#include "SourceBuilder.h"
#include "WordExtras.h"
#include "WordGrid.h"
#include "WordRiddleData.h"

#include <QRegularExpression>
#include <algorithm>

using namespace SourceBuilderDetail;

namespace {
const TNameTable kImageOptionNames = {
    {"fitHorizontal", ioFitHorizontal}, {"fitVertical", ioFitVertical}, {"grayScale", ioGrayScale}};

// The player stores at most this many letters of a word.
constexpr int kMaxWordLength = 50;

QString DirectionName(TWordDirection Dir) {
    return Dir == wdHorizontal ? QStringLiteral("across") : QStringLiteral("down");
}

QString DescribeWord(const TGridWord& Word) {
    return QStringLiteral("word at number %1 %2").arg(Word.Number).arg(DirectionName(Word.Direction));
}

QString DescribePlace(const TGridWord& Word) {
    return QStringLiteral("%1 at column %2, row %3%4")
        .arg(DirectionName(Word.Direction))
        .arg(Word.Col)
        .arg(Word.Row)
        .arg(Word.Reversed ? QStringLiteral(" backwards") : QString());
}

TLetterGrid ReadGrid(TSourceObject& Root, bool FindWords) {
    const QJsonArray rows = Root.RequiredArray(QStringLiteral("grid"));
    if (rows.isEmpty() || rows.size() > kMaxRiddleDim)
        Refuse(QStringLiteral("grid"),
               QStringLiteral("expected 1 … %1 rows, found %2").arg(kMaxRiddleDim).arg(rows.size()));
    QStringList lines;
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QString place = QStringLiteral("grid row %1").arg(r + 1);
        const QString line = ReadText(rows[r], place, 255);
        if (r == 0 && (line.isEmpty() || line.size() > kMaxRiddleDim))
            Refuse(
                place,
                QStringLiteral("expected 1 … %1 characters, found %2").arg(kMaxRiddleDim).arg(line.size()));
        if (r > 0 && line.size() != lines.front().size())
            Refuse(place, QStringLiteral("expected %1 characters, found %2")
                              .arg(lines.front().size())
                              .arg(line.size()));
        for (qsizetype c = 0; c < line.size(); ++c) {
            const QChar ch = line[c];
            const QString cellPlace = QStringLiteral("%1, column %2").arg(place).arg(c + 1);
            if (FindWords && ch == QLatin1Char('#'))
                Refuse(cellPlace, QStringLiteral("a word search grid has a letter in every cell"));
            if (ch != QLatin1Char('#') && (ch < QLatin1Char('A') || ch > QLatin1Char('Z')))
                Refuse(
                    cellPlace,
                    QStringLiteral("'%1' is neither a letter A … Z nor '#' (umlauts are spelt out)").arg(ch));
        }
        lines << line;
    }
    return TLetterGrid(lines);
}

std::vector<TGridWord> CrosswordWords(const TLetterGrid& Grid) {
    std::vector<TGridWord> words = FindCrosswordWords(Grid);
    for (const TGridWord& word : words)
        if (word.Length > kMaxWordLength)
            Refuse(DescribeWord(word), QStringLiteral("%1 letters, more than the %2 a word may have")
                                           .arg(word.Length)
                                           .arg(kMaxWordLength));
    // A letter that belongs to no word could never be asked for.
    for (int row = 1; row <= Grid.Rows(); ++row)
        for (int col = 1; col <= Grid.Cols(); ++col)
            if (Grid.IsLetter(col, row) && !Grid.IsLetter(col - 1, row) && !Grid.IsLetter(col + 1, row) &&
                !Grid.IsLetter(col, row - 1) && !Grid.IsLetter(col, row + 1))
                Refuse(QStringLiteral("grid row %1, column %2").arg(row).arg(col),
                       QStringLiteral("the letter %1 belongs to no word").arg(Grid.At(col, row)));
    return words;
}

// Each clue names a word of the grid by number and direction; every word gets exactly one.
void AddCrosswordClues(TSourceObject& Root, TWordRiddleData& Riddle, const TLetterGrid& Grid,
                       const std::vector<TGridWord>& Words, bool ClueTextOptional) {
    const QJsonArray clues = Root.RequiredArray(QStringLiteral("clues"));
    std::vector<qsizetype> clueOf(Words.size(), -1);
    for (qsizetype i = 0; i < clues.size(); ++i) {
        const QString place = Element(QStringLiteral("clues"), i);
        TSourceObject clue = ReadObject(clues[i], place);
        const int number = clue.RequiredInt(QStringLiteral("number"), 1, kMaxRiddleDim * kMaxRiddleDim);
        const QString dirName = clue.RequiredText(QStringLiteral("direction"), 10);
        if (dirName != QLatin1String("across") && dirName != QLatin1String("down"))
            Refuse(clue.PlaceOf(QStringLiteral("direction")),
                   QStringLiteral("expected \"across\" or \"down\", found \"%1\"").arg(dirName));
        const TWordDirection dir = dirName == QLatin1String("across") ? wdHorizontal : wdVertical;
        const QString text = ClueTextOptional ? clue.Text(QStringLiteral("clue"), QString(), 100)
                                              : clue.RequiredText(QStringLiteral("clue"), 100);
        clue.RefuseUnknownKeys();
        const auto found = std::find_if(Words.begin(), Words.end(), [&](const TGridWord& W) {
            return W.Number == number && W.Direction == dir;
        });
        if (found == Words.end())
            Refuse(place, QStringLiteral("no %1 word starts at number %2").arg(dirName).arg(number));
        const size_t w = size_t(found - Words.begin());
        if (clueOf[w] >= 0)
            Refuse(place, QStringLiteral("the %1 has a clue already (%2)")
                              .arg(DescribeWord(*found), Element(QStringLiteral("clues"), clueOf[w])));
        clueOf[w] = i;
        TWordLegendData& entry = Riddle.AddClue();
        entry.SetClueText(text);
        entry.SetWord(Grid.Run(found->Col, found->Row, dir, found->Length));
        entry.SetDirection(dir);
        entry.SetClueNumber(number);
    }
    std::vector<TGridWord> missing;
    for (size_t w = 0; w < Words.size(); ++w)
        if (clueOf[w] < 0)
            missing.push_back(Words[w]);
    std::sort(missing.begin(), missing.end(), [](const TGridWord& A, const TGridWord& B) {
        return std::pair(A.Number, A.Direction) < std::pair(B.Number, B.Direction);
    });
    if (!missing.empty())
        Refuse(QString(), QStringLiteral("%1 has no clue").arg(DescribeWord(missing.front())));
}

// Each clue is a hidden word; it must stand in the grid exactly once.
std::vector<TGridWord> AddHiddenWords(TSourceObject& Root, TWordRiddleData& Riddle, const TLetterGrid& Grid) {
    const QJsonArray clues = Root.RequiredArray(QStringLiteral("clues"));
    const bool reversedAllowed = Riddle.RiddleOptions().Contains(roReverseWords);
    static const QRegularExpression kLetters(QStringLiteral("^[A-Z]{2,}$"));
    std::vector<TGridWord> placed;
    std::vector<QString> hidden, texts;
    for (qsizetype i = 0; i < clues.size(); ++i) {
        const QString place = Element(QStringLiteral("clues"), i);
        TSourceObject clue = ReadObject(clues[i], place);
        const QString word = clue.RequiredText(QStringLiteral("word"), kMaxWordLength);
        texts.push_back(clue.Text(QStringLiteral("clue"), QString(), 100));
        clue.RefuseUnknownKeys();
        if (!kLetters.match(word).hasMatch())
            Refuse(clue.PlaceOf(QStringLiteral("word")),
                   QStringLiteral("\"%1\" is not a word of two or more letters A … Z").arg(word));
        const std::vector<TGridWord> places = FindHiddenWord(Grid, word, reversedAllowed);
        if (places.empty()) {
            const bool onlyBackwards = !reversedAllowed && !FindHiddenWord(Grid, word, true).empty();
            Refuse(place, onlyBackwards
                              ? QStringLiteral("%1 stands in the grid only backwards, which needs the option "
                                               "reverseWords")
                                    .arg(word)
                              : QStringLiteral("%1 does not stand in the grid").arg(word));
        }
        if (places.size() > 1) {
            QStringList where;
            for (const TGridWord& p : places)
                where << DescribePlace(p);
            Refuse(place, QStringLiteral("%1 stands in the grid %2 times (%3)")
                              .arg(word)
                              .arg(places.size())
                              .arg(where.join(QStringLiteral("; "))));
        }
        const TGridWord& found = places.front();
        for (size_t other = 0; other < placed.size(); ++other)
            if (placed[other].Col == found.Col && placed[other].Row == found.Row &&
                placed[other].Direction == found.Direction)
                Refuse(place, QStringLiteral("%1 starts in the same cell and direction as %2")
                                  .arg(word, Element(QStringLiteral("clues"), qsizetype(other))));
        placed.push_back(found);
        hidden.push_back(word);
    }
    NumberInReadingOrder(placed);
    for (size_t i = 0; i < placed.size(); ++i) {
        const TGridWord& w = placed[i];
        TWordLegendData& entry = Riddle.AddClue();
        entry.SetClueText(texts[i]);
        entry.SetWord(hidden[i]);
        entry.SetReversed(w.Reversed);
        entry.SetDirection(w.Direction);
        entry.SetClueNumber(w.Number);
    }
    return placed;
}

// Letter cells get their solution and the flags of the words through them; in a word search
// the cells outside every hidden word are filler that only shows its letter.
void ApplyCells(TWordRiddleData& Riddle, const TLetterGrid& Grid, const std::vector<TGridWord>& Words,
                bool FindWords) {
    const int cols = Grid.Cols(), rows = Grid.Rows();
    std::vector<TWordCellRecord> recs(size_t(cols * rows));
    auto rec = [&](int ACol, int ARow) -> TWordCellRecord& {
        return recs[size_t((ARow - 1) * cols + ACol - 1)];
    };
    for (int row = 1; row <= rows; ++row)
        for (int col = 1; col <= cols; ++col)
            if (!FindWords && Grid.IsLetter(col, row))
                rec(col, row).Flags = cfLetter;
    for (const TGridWord& w : Words) {
        const bool across = w.Direction == wdHorizontal;
        for (int i = 0; i < w.Length; ++i) {
            TWordCellRecord& r = rec(w.Col + i * StepCol(w.Direction), w.Row + i * StepRow(w.Direction));
            r.Flags = uint16_t((r.Flags & ~cfBlack) | cfLetter);
            r.ClueFlags |= across ? kClueAcross : kClueDown;
        }
        rec(w.Col, w.Row).Flags |= across ? cfStartAcross : cfStartDown;
        rec(w.Col, w.Row).ClueNumber = w.Number;
        rec(w.EndCol(), w.EndRow()).Flags |= across ? cfEndAcross : cfEndDown;
    }
    for (int row = 1; row <= rows; ++row)
        for (int col = 1; col <= cols; ++col) {
            const TWordCellRecord& r = rec(col, row);
            TWordGridCell& cell = Riddle.Cell(col, row);
            const uint8_t letter = uint8_t(Grid.At(col, row).toLatin1());
            cell.SetFlags(r.Flags);
            if (r.Flags & cfLetter) {
                cell.SetSolution(letter);
                cell.SetClueFlags(r.ClueFlags);
                cell.SetClueNumber(r.ClueNumber);
            } else if (FindWords) {
                cell.SetEntry(letter);
            }
        }
}
} // namespace

std::unique_ptr<TRiddleData> SourceBuilderDetail::BuildWordRiddle(TSourceObject& Root, TRiddleType Type,
                                                                  const QDir& BaseDir, int& JpegQuality) {
    auto riddle = std::make_unique<TWordRiddleData>();
    const bool findWords = Type == rtFindWords;
    riddle->SetRiddleType(Type);
    ApplySharedKeys(Root, *riddle);
    riddle->SetSkill(TRiddleSkill(Root.Int(QStringLiteral("skill"), rsEasy, 0, kRiddleSkillCount - 1)));
    riddle->SetLanguage(uint8_t(Root.Int(QStringLiteral("language"), 1, 0, kLanguageCount - 1)));
    riddle->SetGridSize(Root.Int(QStringLiteral("gridSize"), 30, 1, 999));
    riddle->SetImageOptions(
        TImageOptions::FromBits(uint8_t(Root.NameSet(QStringLiteral("imageOptions"), 0, kImageOptionNames))));
    riddle->SetAutoMarkLegend(Root.Bool(QStringLiteral("autoMarkLegend"), false));
    riddle->SetDictionaryFile(Root.Text(QStringLiteral("dictionaryFile"), QString(), 255));

    const TLetterGrid grid = ReadGrid(Root, findWords);
    riddle->SetRiddleCols(grid.Cols());
    riddle->SetRiddleRows(grid.Rows());
    std::vector<TGridWord> words;
    if (findWords) {
        words = AddHiddenWords(Root, *riddle, grid);
    } else {
        words = CrosswordWords(grid);
        AddCrosswordClues(Root, *riddle, grid, words, Type == rtPuzzle);
    }
    ApplyCells(*riddle, grid, words, findWords);

    ApplyGivens(Root, *riddle, findWords);
    ApplyKeyword(Root, *riddle, findWords);
    ApplyPicture(Root, *riddle, BaseDir, JpegQuality);
    if (Type == rtNumbers)
        ApplyLetterNumbers(Root, *riddle, grid);
    return riddle;
}
