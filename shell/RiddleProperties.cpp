#include "RiddleProperties.h"

#include "RiddleText.h"
#include "StopwatchRules.h"
#include "WordRiddleData.h"

#include <QLocale>

namespace {
// Makers' versions before this one were called differently.
const char* const kRenamedVersion = "6.00";
constexpr int kOldVersionLength = 45;
// Blanks before the language's name: its flag covers the start of the label.
const char* const kFlagRoom = "      ";
} // namespace

TRiddleProperties RiddleProperties(const TRiddleData& Riddle, const QDateTime& Modified,
                                   const QString& AppTitle) {
    TRiddleProperties p;
    const auto* word = dynamic_cast<const TWordRiddleData*>(&Riddle);
    const bool sudoku = word == nullptr;
    const TRiddleOptions options = Riddle.RiddleOptions();
    p.Type = sudoku ? QStringLiteral("Sudoku") : RiddleTypeName(Riddle.RiddleType());
    if (options.Contains(roHasKeyword))
        p.Type += QStringLiteral(" mit Lösungswort");
    else if (sudoku)
        p.Type += QStringLiteral(" (") + SudokuSkillText(Riddle.SkillValue()) + QLatin1Char(')');
    p.Size = QStringLiteral("%1 x %2 Felder").arg(Riddle.RiddleCols()).arg(Riddle.RiddleRows());
    p.Title = Riddle.Title();
    p.Language = word ? word->Language() : 0;
    p.LanguageText = LanguageText(p.Language);
    if (p.Language != 0)
        p.LanguageText.prepend(QLatin1String(kFlagRoom));
    p.AuthorShown = !sudoku;
    if (p.AuthorShown) {
        p.Author = Riddle.Author();
        p.Comment = Riddle.Comment();
    }
    p.BestTimeShown = options.Contains(roCountTime) && Riddle.BestTime() != 0;
    if (p.BestTimeShown)
        p.BestTime = BestTimeText(Riddle.BestTimeHolder(), Riddle.BestTime());
    p.ShowFailCaption =
        sudoku ? QStringLiteral("Falsche Symbole markieren") : QStringLiteral("Falsche Buchstaben markieren");
    p.AutoFillCaption = sudoku ? QStringLiteral("Korrektes Symbol einfügen")
                               : QStringLiteral("Korrekten Buchstaben einfügen");
    const THelpFlags help = Riddle.HelpFlags();
    p.ShowFail = help.Contains(hfShowFail);
    p.AutoFill = help.Contains(hfAutoFill);
    p.ShowRiddle = help.Contains(hfShowRiddle);
    p.EditRiddle = options.Contains(roAllowEdit);
    p.Date = QLocale::system().toString(Modified, QLocale::ShortFormat);
    const QString& version = Riddle.Version();
    if (CompareVersions(version, QLatin1String(kRenamedVersion)) == -1)
        p.Version = (QStringLiteral("Norvik Kreuzworträtsel ") + version).left(kOldVersionLength);
    else
        p.Version = QStringLiteral("Norvik ") + AppTitle + QLatin1Char(' ') + version;
    return p;
}
