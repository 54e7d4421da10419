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
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QDateTime& t, std::ostream* os) {
    *os << t.toString(Qt::ISODate).toStdString();
}
inline void PrintTo(TRiddleState s, std::ostream* os) {
    *os << "state " << int(s);
}

namespace rt {

inline int32_t I32At(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<int32_t>(b.constData() + at);
}
inline uint16_t U16At(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<uint16_t>(b.constData() + at);
}
inline void PutI32(QByteArray& b, qsizetype at, int32_t v) {
    qToLittleEndian(v, b.data() + at);
}
inline void PutU16(QByteArray& b, qsizetype at, uint16_t v) {
    qToLittleEndian(v, b.data() + at);
}

struct Section {
    QByteArray tag;
    QByteArray payload;
};
using Sections = std::vector<Section>;

// A section as stored: length byte, six tag bytes, the length field and the payload.
inline QByteArray SectionBytes(const QByteArray& tag, const QByteArray& payload, int32_t length) {
    QByteArray out(11, '\0');
    out[0] = char(tag.size());
    for (qsizetype i = 0; i < tag.size() && i < 6; ++i)
        out[1 + i] = tag[i];
    PutI32(out, 7, length);
    return out + payload;
}
inline QByteArray SectionBytes(const Section& s) {
    return SectionBytes(s.tag, s.payload, int32_t(s.payload.size()));
}

inline QByteArray Join(const Sections& sections) {
    QByteArray out;
    for (const Section& s : sections)
        out += SectionBytes(s);
    return out;
}

// Walks the sections of a stream that starts after the header.
inline Sections Split(const QByteArray& stream) {
    Sections out;
    qsizetype at = 0;
    while (at + 11 <= stream.size()) {
        const int32_t length = I32At(stream, at + 7);
        if (length < 0 || at + 11 + length > stream.size())
            break;
        out.push_back({stream.mid(at + 1, uchar(stream[at])), stream.mid(at + 11, length)});
        at += 11 + length;
    }
    EXPECT_EQ(at, stream.size()) << "stream does not end with a complete section";
    return out;
}

inline Section& Find(Sections& sections, const char* tag) {
    for (Section& s : sections)
        if (s.tag == tag)
            return s;
    ADD_FAILURE() << "no section " << tag;
    static Section none;
    return none;
}

inline QByteArray Save(TRiddleData& riddle, int jpegQuality = 0, bool stateOnly = false) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    riddle.SaveToStream(buffer, jpegQuality, stateOnly);
    return buffer.data();
}

inline uint8_t Load(TRiddleData& riddle, const QByteArray& stream, bool stateOnly = false) {
    QByteArray copy = stream;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return riddle.LoadFromStream(buffer, stateOnly);
}

inline std::unique_ptr<TRiddleData> NewRiddle(bool sudoku) {
    if (sudoku)
        return std::make_unique<TSudokuRiddleData>();
    return std::make_unique<TWordRiddleData>();
}

inline QByteArray Header(const QString& className, const QString& version = QStringLiteral("8.04")) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TStreamWriter out(buffer);
    WriteRiddleHeader(out, className, version);
    return buffer.data();
}

inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// One row of letter cells spelling `word` with its across clue number 1; the riddle stays in
// its first state so that nothing has been announced.
inline void FillLine(TWordRiddleData& r, const QString& word, TRiddleType type = rtSwedish) {
    r.SetRiddleType(type);
    r.SetRiddleCols(int32_t(word.size()));
    r.SetRiddleRows(1);
    for (int i = 0; i < word.size(); ++i) {
        TWordGridCell& cell = r.Cell(i + 1, 1);
        cell.SetFlags(
            uint16_t(cfLetter | (i == 0 ? cfStartAcross : 0) | (i == word.size() - 1 ? cfEndAcross : 0)));
        cell.SetSolution(uint8_t(word[i].toLatin1()));
    }
    r.Cell(1, 1).SetClueFlags(kClueAcross);
    r.Cell(1, 1).SetClueNumber(1);
    TWordLegendData& clue = r.AddClue();
    clue.SetWord(word);
    clue.SetClueText(QStringLiteral("Erster Begriff"));
    clue.SetClueNumber(1);
}

// The worked example: 30 × 30 cells, 69 clues, a letter legend, both colour sets, neither
// solution word nor picture.
inline void BuildExample(TWordRiddleData& r) {
    r.SetVersion(QStringLiteral("8.04"));
    r.SetTitle(QStringLiteral("Beispielrätsel"));
    r.SetAuthor(QStringLiteral("Quivane"));
    r.SetRiddleCols(30);
    r.SetRiddleRows(30);
    TWordGridCell& first = r.Cell(1, 1);
    first.SetFlags(cfLetter | cfStartAcross);
    first.SetSolution('I');
    first.SetClueFlags(kClueAcross);
    first.SetClueNumber(1);
    for (int i = 0; i < 69; ++i) {
        TWordLegendData& clue = r.AddClue();
        clue.SetWord(QString(3 + i % 7, QChar(u'A' + i % 26)));
        clue.SetClueText(QStringLiteral("Hinweis %1").arg(i + 1));
        clue.SetClueNumber(i / 2 + 1);
        clue.SetDirection(i % 2 ? wdVertical : wdHorizontal);
    }
    for (int i = 0; i < TWordRiddleData::kNumberLetters; ++i) {
        r.LetterLegend(i).SetSolution(uint8_t('A' + i));
        r.LetterLegend(i).SetNumber(i + 1);
    }
    r.BackgroundColors().SetBase(TRiddleColors::Keyword, 0x00CCFF);
    r.TextColors().SetBase(TRiddleColors::Char, 0x400000);
}

// The sudoku rule holds for value(c, r) = (w·(r mod h) + r div h + c) mod n, counted from 0.
inline int PatternValue(const TSudokuRiddleData& s, int col, int row) {
    const int c = col - 1, r = row - 1;
    return (s.BoxWidth() * (r % s.BoxHeight()) + r / s.BoxHeight() + c) % s.Symbols() + 1;
}

// A sudoku of the given size with a rule-obeying solution, a few givens and a few entries.
inline void BuildSudoku(TSudokuRiddleData& s, TSudokuSize size) {
    s.SetSize(size);
    s.SetVersion(QStringLiteral("8.04"));
    s.SetTitle(QStringLiteral("Sudoku %1").arg(s.Symbols()));
    s.SetSkill(skHard);
    for (int c = 1; c <= s.Symbols(); ++c)
        for (int r = 1; r <= s.Symbols(); ++r) {
            TSudokuGridCell& cell = s.Cell(c, r);
            cell.SetSolution(SymbolOf(PatternValue(s, c, r)));
            if ((c + 2 * r) % 5 == 0) {
                cell.SetFlags(cfGiven);
                cell.SetRevealed(true);
            } else if ((c * r) % 7 == 1) {
                cell.SetEntry(SymbolOf(PatternValue(s, c, r)));
            }
        }
    s.SetState(stPartial);
    s.SetTime(321);
}

// Logs what a word riddle tells its views.
class TViewSignalLog {
public:
    explicit TViewSignalLog(TWordRiddleData& r) {
        auto cell = [](const char* name) {
            return [name](int c, int row) {
                return QStringLiteral("%1 %2,%3").arg(QLatin1String(name)).arg(c).arg(row);
            };
        };
        QObject::connect(&r, &TRiddleData::Invalidated, [this] { calls << QStringLiteral("Invalidated"); });
        QObject::connect(&r, &TRiddleData::GeometryChanged,
                         [this] { calls << QStringLiteral("GeometryChanged"); });
        QObject::connect(&r, &TWordRiddleData::PictureChanged,
                         [this] { calls << QStringLiteral("PictureChanged"); });
        QObject::connect(&r, &TRiddleData::CellInvalidated,
                         [this, cell](int c, int row) { calls << cell("CellInvalidated")(c, row); });
        QObject::connect(&r, &TWordRiddleData::WordCellChanged,
                         [this, cell](int c, int row) { calls << cell("WordCellChanged")(c, row); });
        QObject::connect(&r, &TWordRiddleData::SolvedMarksDue,
                         [this, cell](int c, int row) { calls << cell("SolvedMarksDue")(c, row); });
    }
    QStringList calls;
    bool Called(const QString& call) const { return calls.contains(call); }
};

} // namespace rt
