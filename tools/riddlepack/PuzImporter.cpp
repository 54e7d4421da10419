#include "PuzImporter.h"

#include "Cp1252.h"
#include "SourceFields.h"
#include "WordGrid.h"

namespace {
const QByteArray kMagic("ACROSS&DOWN\0", 12);
constexpr int kHeaderSize = 0x34;
// Offsets in the header.
constexpr int kGlobalSum = 0x00, kMagicAt = 0x02, kHeaderSum = 0x0E, kMaskedSums = 0x10, kVersion = 0x18,
              kWidth = 0x2C, kHeight = 0x2D, kClueCount = 0x2E, kScrambled = 0x32;

uint16_t Word(const QByteArray& B, qsizetype At) {
    return uint16_t(uint8_t(B[At]) | (uint8_t(B[At + 1]) << 8));
}

class TPuzReader {
public:
    explicit TPuzReader(QByteArray Bytes) : b_(std::move(Bytes)) {}
    TImported Import();

private:
    // The NUL-terminated string at the read position.
    QByteArray NextString(const QString& What);
    QString Decode(const QByteArray& Raw) const { return utf8_ ? QString::fromUtf8(Raw) : FromCp1252(Raw); }
    void VerifyChecksums(const QByteArray& Solution, const QByteArray& Fill, const QList<QByteArray>& Strings,
                         int ClueCount) const;
    void ReadExtensions(TForeignCrossword& X, qsizetype Cells);

    QByteArray b_;
    qsizetype at_ = 0;
    bool utf8_ = false;
};

QByteArray TPuzReader::NextString(const QString& What) {
    const qsizetype end = b_.indexOf('\0', at_);
    if (end < 0)
        Refuse(What, QStringLiteral("the file ends inside it"));
    const QByteArray s = b_.mid(at_, end - at_);
    at_ = end + 1;
    return s;
}

// Title, author, copyright and notes count with their NUL when they are not empty; clues without.
uint16_t StringsChecksum(const QList<QByteArray>& Strings, int ClueCount, uint16_t Sum) {
    for (qsizetype i = 0; i < Strings.size(); ++i) {
        const QByteArray& s = Strings[i];
        const bool clue = i >= 3 && i < 3 + ClueCount;
        if (clue)
            Sum = PuzChecksum(s.constData(), s.size(), Sum);
        else if (!s.isEmpty())
            Sum = PuzChecksum(s.constData(), s.size() + 1, Sum);
    }
    return Sum;
}

void TPuzReader::VerifyChecksums(const QByteArray& Solution, const QByteArray& Fill,
                                 const QList<QByteArray>& Strings, int ClueCount) const {
    const uint16_t header = PuzChecksum(b_.constData() + kWidth, 8, 0);
    if (header != Word(b_, kHeaderSum))
        Refuse(QStringLiteral("header"), QStringLiteral("wrong checksum; the file is damaged"));
    uint16_t global = PuzChecksum(Solution.constData(), Solution.size(), header);
    global = PuzChecksum(Fill.constData(), Fill.size(), global);
    global = StringsChecksum(Strings, ClueCount, global);
    if (global != Word(b_, kGlobalSum))
        Refuse(QStringLiteral("file checksum"), QStringLiteral("wrong checksum; the file is damaged"));
    const uint16_t parts[4] = {header, PuzChecksum(Solution.constData(), Solution.size(), 0),
                               PuzChecksum(Fill.constData(), Fill.size(), 0),
                               StringsChecksum(Strings, ClueCount, 0)};
    const char* const mask = "ICHEATED";
    for (int i = 0; i < 4; ++i)
        if (uint8_t(b_[kMaskedSums + i]) != (uint8_t(mask[i]) ^ (parts[i] & 0xFF)) ||
            uint8_t(b_[kMaskedSums + 4 + i]) != (uint8_t(mask[i + 4]) ^ (parts[i] >> 8)))
            Refuse(QStringLiteral("masked checksums"), QStringLiteral("wrong checksum; the file is damaged"));
}

// Sections of a name, a length, a checksum and the data: GEXT marks circles, GRBS rebus cells.
void TPuzReader::ReadExtensions(TForeignCrossword& X, qsizetype Cells) {
    while (at_ + 8 <= b_.size()) {
        const QByteArray name = b_.mid(at_, 4);
        const qsizetype length = Word(b_, at_ + 4);
        const uint16_t sum = Word(b_, at_ + 6);
        const QString place = QStringLiteral("section %1").arg(QString::fromLatin1(name.toHex()));
        if (at_ + 8 + length > b_.size())
            Refuse(place, QStringLiteral("the file ends inside it"));
        const QByteArray data = b_.mid(at_ + 8, length);
        if (PuzChecksum(data.constData(), data.size(), 0) != sum)
            Refuse(QStringLiteral("section %1").arg(QString::fromLatin1(name)),
                   QStringLiteral("wrong checksum"));
        at_ += 8 + length + 1; // the data ends in a NUL
        if ((name == "GEXT" || name == "GRBS") && length != Cells)
            Refuse(QString::fromLatin1(name),
                   QStringLiteral("expected %1 bytes, found %2").arg(Cells).arg(length));
        for (qsizetype cell = 0; cell < length && (name == "GEXT" || name == "GRBS"); ++cell) {
            if (name == "GRBS" && data[cell] != 0 && !X.Block[size_t(cell)])
                Refuse(CellPlace(int(cell), X.Cols),
                       QStringLiteral("a rebus (several letters in one cell), which the player cannot show"));
            if (name == "GEXT" && (uint8_t(data[cell]) & 0x80) && !X.Block[size_t(cell)])
                X.Circled.push_back(int(cell));
        }
    }
}

TImported TPuzReader::Import() {
    // Some files carry a line of their own in front of the header.
    const qsizetype magic = b_.indexOf(kMagic);
    if (magic < kMagicAt)
        Refuse(QString(), QStringLiteral("not an Across Lite file"));
    b_ = b_.mid(magic - kMagicAt);
    if (b_.size() < kHeaderSize)
        Refuse(QStringLiteral("header"), QStringLiteral("the file ends inside it"));
    utf8_ = b_.mid(kVersion, 2) == "2.";
    if (Word(b_, kScrambled) != 0)
        Refuse(QString(), QStringLiteral("the solution is scrambled (a locked puzzle); unlock it in the tool "
                                         "that made it first"));
    TForeignCrossword x;
    x.Cols = uint8_t(b_[kWidth]);
    x.Rows = uint8_t(b_[kHeight]);
    const int clueCount = Word(b_, kClueCount);
    const qsizetype cells = qsizetype(x.Cols) * x.Rows;
    if (cells == 0 || b_.size() < kHeaderSize + 2 * cells)
        Refuse(QStringLiteral("grid"), QStringLiteral("the file ends inside it"));
    const QByteArray solution = b_.mid(kHeaderSize, cells), fill = b_.mid(kHeaderSize + cells, cells);
    at_ = kHeaderSize + 2 * cells;
    QList<QByteArray> strings;
    for (const char* what : {"title", "author", "copyright"})
        strings << NextString(QLatin1String(what));
    for (int i = 0; i < clueCount; ++i)
        strings << NextString(QStringLiteral("clue %1").arg(i + 1));
    // Files of old versions may end before the notes.
    strings << (at_ < b_.size() ? NextString(QStringLiteral("notes")) : QByteArray());
    VerifyChecksums(solution, fill, strings, clueCount);

    for (qsizetype cell = 0; cell < cells; ++cell) {
        const char ch = solution[cell];
        x.Block.push_back(ch == '.' || ch == ':');
        x.Letters.push_back(Decode(QByteArray(1, ch)));
    }
    ReadExtensions(x, cells);
    // The clues follow the cells in reading order, across before down where both start.
    QStringList rows;
    for (int r = 0; r < x.Rows; ++r) {
        QString row;
        for (int c = 0; c < x.Cols; ++c)
            row += x.Block[size_t(r * x.Cols + c)] ? QChar('#') : QChar('A');
        rows << row;
    }
    std::vector<TGridWord> words = FindCrosswordWords(TLetterGrid(rows));
    std::stable_sort(words.begin(), words.end(),
                     [](const TGridWord& A, const TGridWord& B) { return A.Number < B.Number; });
    if (int(words.size()) != clueCount)
        Refuse(QStringLiteral("clues"), QStringLiteral("the file has %1 clues for the %2 words of its grid")
                                            .arg(clueCount)
                                            .arg(words.size()));
    for (int i = 0; i < clueCount; ++i)
        x.Clues.push_back({words[size_t(i)].Number, words[size_t(i)].Direction, Decode(strings[3 + i]),
                           QStringLiteral("clue %1").arg(i + 1)});
    x.Title = Decode(strings[0]);
    x.Author = Decode(strings[1]);
    QStringList notes;
    x.Comment = CommentOf({Decode(strings[2]), Decode(strings.back())}, notes);
    TImported imported = CrosswordSource(x);
    imported.Notes = notes + imported.Notes;
    return imported;
}
} // namespace

uint16_t PuzChecksum(const char* Data, qsizetype Length, uint16_t Sum) {
    for (qsizetype i = 0; i < Length; ++i) {
        Sum = uint16_t((Sum & 1) ? (Sum >> 1) | 0x8000 : Sum >> 1);
        Sum = uint16_t(Sum + uint8_t(Data[i]));
    }
    return Sum;
}

bool IsPuz(const QByteArray& Bytes) {
    return Bytes.left(256).contains(kMagic);
}

TImported ImportPuz(const QByteArray& Bytes) {
    return TPuzReader(Bytes).Import();
}
