#include "WordExtras.h"

#include "RiddlePicture.h"

#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <map>

namespace {
QString CellName(QPoint P) {
    return QStringLiteral("the cell at column %1, row %2").arg(P.x()).arg(P.y());
}

// Refuses a cell listed twice or one that holds no letter of the solution.
TWordGridCell& LetterCell(TWordRiddleData& Riddle, QPoint P, QSet<QPair<int, int>>& Seen,
                          const QString& Place, bool FindWords) {
    if (Seen.contains({P.x(), P.y()}))
        Refuse(Place, QStringLiteral("%1 is listed twice").arg(CellName(P)));
    Seen.insert({P.x(), P.y()});
    TWordGridCell& cell = Riddle.Cell(P.x(), P.y());
    if (!cell.Has(cfLetter))
        Refuse(Place, QStringLiteral("%1 %2").arg(CellName(P),
                                                  FindWords ? QStringLiteral("belongs to no hidden word")
                                                            : QStringLiteral("is a black cell")));
    return cell;
}
} // namespace

void SourceBuilderDetail::ApplyGivens(TSourceObject& Root, TWordRiddleData& Riddle, bool FindWords) {
    const QJsonArray givens = Root.Array(QStringLiteral("givens"));
    QSet<QPair<int, int>> seen;
    for (qsizetype i = 0; i < givens.size(); ++i) {
        const QString place = Element(QStringLiteral("givens"), i);
        const QPoint p = ReadCellRef(givens[i], place, Riddle.RiddleCols(), Riddle.RiddleRows());
        TWordGridCell& cell = LetterCell(Riddle, p, seen, place, FindWords);
        cell.SetFlags(cell.Flags() | cfGiven);
        cell.SetRevealed(true);
    }
}

void SourceBuilderDetail::ApplyKeyword(TSourceObject& Root, TWordRiddleData& Riddle, bool FindWords) {
    if (!Root.Has(QStringLiteral("keyword")))
        return;
    TSourceObject keyword = ReadObject(Root.Value(QStringLiteral("keyword")), QStringLiteral("keyword"));
    const QString word = keyword.RequiredText(QStringLiteral("word"), 50);
    const QString clue = keyword.Text(QStringLiteral("clue"), QString(), 100);
    const QJsonArray cells = keyword.RequiredArray(QStringLiteral("cells"));
    keyword.RefuseUnknownKeys();
    static const QRegularExpression kLetters(QStringLiteral("^[A-Z]+$"));
    if (!kLetters.match(word).hasMatch())
        Refuse(keyword.PlaceOf(QStringLiteral("word")),
               QStringLiteral("\"%1\" is not a word of letters A … Z (umlauts are spelt out)").arg(word));
    const QString cellsPlace = keyword.PlaceOf(QStringLiteral("cells"));
    if (cells.size() != word.size())
        Refuse(cellsPlace, QStringLiteral("expected %1 cells for %2, found %3")
                               .arg(word.size())
                               .arg(word)
                               .arg(cells.size()));
    QSet<QPair<int, int>> seen;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        const QString place = Element(cellsPlace, i);
        const QPoint p = ReadCellRef(cells[i], place, Riddle.RiddleCols(), Riddle.RiddleRows());
        TWordGridCell& cell = LetterCell(Riddle, p, seen, place, FindWords);
        if (cell.Solution() != word[i].toLatin1())
            Refuse(place, QStringLiteral("%1 holds %2, but %3 needs %4 there")
                              .arg(CellName(p), QChar(cell.Solution()), word, word[i]));
        cell.SetFlags(cell.Flags() | cfKeyword);
        cell.SetKeywordIndex(int32_t(i + 1));
    }
    Riddle.Keyword().SetWord(word);
    Riddle.Keyword().SetClueText(clue);
    Riddle.SetRiddleOptions(Riddle.RiddleOptions().With(roHasKeyword));
}

void SourceBuilderDetail::ApplyPicture(TSourceObject& Root, TWordRiddleData& Riddle, const QDir& BaseDir,
                                       int& JpegQuality) {
    if (!Root.Has(QStringLiteral("picture")))
        return;
    TSourceObject picture = ReadObject(Root.Value(QStringLiteral("picture")), QStringLiteral("picture"));
    const QString file = picture.RequiredText(QStringLiteral("file"), 255);
    const QString format = picture.Text(QStringLiteral("format"), QStringLiteral("jpeg"), 10);
    if (format != QLatin1String("jpeg") && format != QLatin1String("bmp"))
        Refuse(picture.PlaceOf(QStringLiteral("format")),
               QStringLiteral("expected \"jpeg\" or \"bmp\", found \"%1\"").arg(format));
    if (format == QLatin1String("bmp") && picture.Has(QStringLiteral("quality")))
        Refuse(picture.PlaceOf(QStringLiteral("quality")),
               QStringLiteral("only a JPEG picture has a quality"));
    const int quality = picture.Int(QStringLiteral("quality"), 90, 1, 100);
    const int cols = Riddle.RiddleCols(), rows = Riddle.RiddleRows();
    const int col = picture.RequiredInt(QStringLiteral("col"), 1, cols);
    const int row = picture.RequiredInt(QStringLiteral("row"), 1, rows);
    const int width = picture.RequiredInt(QStringLiteral("cols"), 1, cols - col + 1);
    const int height = picture.RequiredInt(QStringLiteral("rows"), 1, rows - row + 1);
    picture.RefuseUnknownKeys();
    for (int c = col; c < col + width; ++c)
        for (int r = row; r < row + height; ++r)
            if (!Riddle.Cell(c, r).Has(cfBlack))
                Refuse(QStringLiteral("picture"),
                       QStringLiteral("%1 lies under the picture but is no '#' cell")
                           .arg(CellName(QPoint(c, r))));

    const QString path = BaseDir.filePath(file);
    const QImage image(path);
    if (image.isNull())
        Refuse(picture.PlaceOf(QStringLiteral("file")),
               QStringLiteral("cannot read the picture %1").arg(path));
    if (!PictureSizeAllowed(image.width(), image.height()))
        Refuse(picture.PlaceOf(QStringLiteral("file")),
               QStringLiteral("%1 is %2 × %3 pixels, larger than a riddle picture may be (%4 pixels a side)")
                   .arg(file)
                   .arg(image.width())
                   .arg(image.height())
                   .arg(kMaxPictureSide));
    for (int c = col; c < col + width; ++c)
        for (int r = row; r < row + height; ++r)
            Riddle.Cell(c, r).SetFlags(cfBlack | cfPicture);
    Riddle.SetImage(image);
    Riddle.SetRiddleOptions(Riddle.RiddleOptions().With(roHasImage));
    JpegQuality = format == QLatin1String("jpeg") ? quality : 0;
}

void SourceBuilderDetail::ApplyLetterNumbers(TSourceObject& Root, TWordRiddleData& Riddle,
                                             const TLetterGrid& Grid) {
    // The grid's letters in order of their first appearance in reading order.
    QString letters;
    for (int row = 1; row <= Grid.Rows(); ++row)
        for (int col = 1; col <= Grid.Cols(); ++col)
            if (Grid.IsLetter(col, row) && !letters.contains(Grid.At(col, row)))
                letters += Grid.At(col, row);
    std::map<int, QChar> byNumber;
    QHash<QChar, int> numberOf;
    if (!Root.Has(QStringLiteral("letterNumbers"))) {
        for (qsizetype i = 0; i < letters.size(); ++i) {
            byNumber[int(i + 1)] = letters[i];
            numberOf[letters[i]] = int(i + 1);
        }
    } else {
        TSourceObject given =
            ReadObject(Root.Value(QStringLiteral("letterNumbers")), QStringLiteral("letterNumbers"));
        for (const QChar letter : letters) {
            if (!given.Has(QString(letter)))
                Refuse(given.Place(), QStringLiteral("the letter %1 of the grid has no number").arg(letter));
            const int number = ReadInt(given.Value(QString(letter)), given.PlaceOf(QString(letter)), 1, 99);
            if (byNumber.count(number))
                Refuse(
                    given.PlaceOf(QString(letter)),
                    QStringLiteral("the number %1 belongs to %2 already").arg(number).arg(byNumber[number]));
            byNumber[number] = letter;
            numberOf[letter] = number;
        }
        given.RefuseUnknownKeys(QStringLiteral("the letter does not occur in the grid"));
    }
    int index = 0;
    for (const auto& [number, letter] : byNumber) {
        Riddle.LetterLegend(index).SetSolution(uint8_t(letter.toLatin1()));
        Riddle.LetterLegend(index).SetNumber(number);
        ++index;
    }
    for (int row = 1; row <= Grid.Rows(); ++row)
        for (int col = 1; col <= Grid.Cols(); ++col)
            if (Grid.IsLetter(col, row))
                Riddle.Cell(col, row).SetNumber(numberOf.value(Grid.At(col, row)));
}
