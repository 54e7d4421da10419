#pragma once

// Helpers of the model tests: riddle files as byte streams, cut into sections and put back
// together, and small riddles to work on.

#include "SudokuRiddleData.h"
#include "WordRiddleData.h"

#include <QBuffer>
#include <QFile>
#include <QStringList>
#include <QtEndian>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <vector>

// Readable failure messages.
inline void PrintTo(const QString& S, std::ostream* Os) {
    *Os << '"' << S.toStdString() << '"';
}
inline void PrintTo(const QDateTime& T, std::ostream* Os) {
    *Os << T.toString(Qt::ISODate).toStdString();
}
inline void PrintTo(TRiddleState S, std::ostream* Os) {
    *Os << "state " << int(S);
}

namespace rt {

inline int32_t I32At(const QByteArray& B, qsizetype At) {
    return qFromLittleEndian<int32_t>(B.constData() + At);
}
inline uint16_t U16At(const QByteArray& B, qsizetype At) {
    return qFromLittleEndian<uint16_t>(B.constData() + At);
}
inline void PutI32(QByteArray& B, qsizetype At, int32_t Value) {
    qToLittleEndian(Value, B.data() + At);
}
inline void PutU16(QByteArray& B, qsizetype At, uint16_t Value) {
    qToLittleEndian(Value, B.data() + At);
}

struct Section {
    QByteArray tag;
    QByteArray payload;
};
using Sections = std::vector<Section>;

// A section as stored: length byte, six tag bytes, the length field and the payload.
inline QByteArray SectionBytes(const QByteArray& Tag, const QByteArray& Payload, int32_t Length) {
    QByteArray out(11, '\0');
    out[0] = char(Tag.size());
    for (qsizetype i = 0; i < Tag.size() && i < 6; ++i)
        out[1 + i] = Tag[i];
    PutI32(out, 7, Length);
    return out + Payload;
}
inline QByteArray SectionBytes(const Section& S) {
    return SectionBytes(S.tag, S.payload, int32_t(S.payload.size()));
}

inline QByteArray Join(const Sections& List) {
    QByteArray out;
    for (const Section& s : List)
        out += SectionBytes(s);
    return out;
}

// Walks the sections of a stream that starts after the header.
inline Sections Split(const QByteArray& Stream) {
    Sections out;
    qsizetype at = 0;
    while (at + 11 <= Stream.size()) {
        const int32_t length = I32At(Stream, at + 7);
        if (length < 0 || at + 11 + length > Stream.size())
            break;
        out.push_back({Stream.mid(at + 1, uchar(Stream[at])), Stream.mid(at + 11, length)});
        at += 11 + length;
    }
    EXPECT_EQ(at, Stream.size()) << "stream does not end with a complete section";
    return out;
}

inline Section& Find(Sections& List, const char* Tag) {
    for (Section& s : List)
        if (s.tag == Tag)
            return s;
    ADD_FAILURE() << "no section " << Tag;
    static Section none;
    return none;
}

inline QByteArray Save(TRiddleData& Riddle, int JpegQuality = 0, bool StateOnly = false) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    Riddle.SaveToStream(buffer, JpegQuality, StateOnly);
    return buffer.data();
}

inline uint8_t Load(TRiddleData& Riddle, const QByteArray& Stream, bool StateOnly = false) {
    QByteArray copy = Stream;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return Riddle.LoadFromStream(buffer, StateOnly);
}

inline std::unique_ptr<TRiddleData> NewRiddle(bool Sudoku) {
    if (Sudoku)
        return std::make_unique<TSudokuRiddleData>();
    return std::make_unique<TWordRiddleData>();
}

inline QByteArray Header(const QString& ClassName, const QString& Version = QStringLiteral("8.04")) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TStreamWriter out(buffer);
    WriteRiddleHeader(out, ClassName, Version);
    return buffer.data();
}

inline QByteArray ReadFile(const QString& Path) {
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteFile(const QString& Path, const QByteArray& Bytes) {
    QFile f(Path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(Bytes) == Bytes.size();
}

// One row of letter cells spelling `word` with its across clue number 1; the riddle stays in
// its first state so that nothing has been announced.
inline void FillLine(TWordRiddleData& R, const QString& Word, TRiddleType Type = rtSwedish) {
    R.SetRiddleType(Type);
    R.SetRiddleCols(int32_t(Word.size()));
    R.SetRiddleRows(1);
    for (int i = 0; i < Word.size(); ++i) {
        TWordGridCell& cell = R.Cell(i + 1, 1);
        cell.SetFlags(
            uint16_t(cfLetter | (i == 0 ? cfStartAcross : 0) | (i == Word.size() - 1 ? cfEndAcross : 0)));
        cell.SetSolution(uint8_t(Word[i].toLatin1()));
    }
    R.Cell(1, 1).SetClueFlags(kClueAcross);
    R.Cell(1, 1).SetClueNumber(1);
    TWordLegendData& clue = R.AddClue();
    clue.SetWord(Word);
    clue.SetClueText(QStringLiteral("Erster Begriff"));
    clue.SetClueNumber(1);
}

// The worked example: 30 × 30 cells, 69 clues, a letter legend, both colour sets, neither
// solution word nor picture.
inline void BuildExample(TWordRiddleData& R) {
    R.SetVersion(QStringLiteral("8.04"));
    R.SetTitle(QStringLiteral("Beispielrätsel"));
    R.SetAuthor(QStringLiteral("Quivane"));
    R.SetRiddleCols(30);
    R.SetRiddleRows(30);
    TWordGridCell& first = R.Cell(1, 1);
    first.SetFlags(cfLetter | cfStartAcross);
    first.SetSolution('I');
    first.SetClueFlags(kClueAcross);
    first.SetClueNumber(1);
    for (int i = 0; i < 69; ++i) {
        TWordLegendData& clue = R.AddClue();
        clue.SetWord(QString(3 + i % 7, QChar(u'A' + i % 26)));
        clue.SetClueText(QStringLiteral("Hinweis %1").arg(i + 1));
        clue.SetClueNumber(i / 2 + 1);
        clue.SetDirection(i % 2 ? wdVertical : wdHorizontal);
    }
    for (int i = 0; i < TWordRiddleData::kNumberLetters; ++i) {
        R.LetterLegend(i).SetSolution(uint8_t('A' + i));
        R.LetterLegend(i).SetNumber(i + 1);
    }
    R.BackgroundColors().SetBase(TRiddleColors::Keyword, 0x00CCFF);
    R.TextColors().SetBase(TRiddleColors::Char, 0x400000);
}

// The sudoku rule holds for value(c, r) = (w·(r mod h) + r div h + c) mod n, counted from 0.
inline int PatternValue(const TSudokuRiddleData& S, int ACol, int ARow) {
    const int c = ACol - 1, r = ARow - 1;
    return (S.BoxWidth() * (r % S.BoxHeight()) + r / S.BoxHeight() + c) % S.Symbols() + 1;
}

// A sudoku of the given size with a rule-obeying solution, a few givens and a few entries.
inline void BuildSudoku(TSudokuRiddleData& S, TSudokuSize Size) {
    S.SetSize(Size);
    S.SetVersion(QStringLiteral("8.04"));
    S.SetTitle(QStringLiteral("Sudoku %1").arg(S.Symbols()));
    S.SetSkill(skHard);
    for (int c = 1; c <= S.Symbols(); ++c)
        for (int r = 1; r <= S.Symbols(); ++r) {
            TSudokuGridCell& cell = S.Cell(c, r);
            cell.SetSolution(SymbolOf(PatternValue(S, c, r)));
            if ((c + 2 * r) % 5 == 0) {
                cell.SetFlags(cfGiven);
                cell.SetRevealed(true);
            } else if ((c * r) % 7 == 1) {
                cell.SetEntry(SymbolOf(PatternValue(S, c, r)));
            }
        }
    S.SetState(stPartial);
    S.SetTime(321);
}

// Logs what a riddle tells its views; a word riddle also about its words.
class TViewSignalLog {
public:
    explicit TViewSignalLog(TRiddleData& R) {
        auto cell = [](const char* Name) {
            return [Name](int C, int ARow) {
                return QStringLiteral("%1 %2,%3").arg(QLatin1String(Name)).arg(C).arg(ARow);
            };
        };
        QObject::connect(&R, &TRiddleData::Invalidated, [this] { calls << QStringLiteral("Invalidated"); });
        QObject::connect(&R, &TRiddleData::GeometryChanged,
                         [this] { calls << QStringLiteral("GeometryChanged"); });
        QObject::connect(&R, &TRiddleData::OnTimeChange, [this] { calls << QStringLiteral("TimeChanged"); });
        QObject::connect(&R, &TRiddleData::CellInvalidated,
                         [this, cell](int C, int ARow) { calls << cell("CellInvalidated")(C, ARow); });
        auto* word = dynamic_cast<TWordRiddleData*>(&R);
        if (!word)
            return;
        QObject::connect(word, &TWordRiddleData::PictureChanged,
                         [this] { calls << QStringLiteral("PictureChanged"); });
        QObject::connect(word, &TWordRiddleData::WordCellChanged,
                         [this, cell](int C, int ARow) { calls << cell("WordCellChanged")(C, ARow); });
        QObject::connect(word, &TWordRiddleData::SolvedMarksDue,
                         [this, cell](int C, int ARow) { calls << cell("SolvedMarksDue")(C, ARow); });
    }
    QStringList calls;
    bool Called(const QString& Call) const { return calls.contains(Call); }
};

} // namespace rt
