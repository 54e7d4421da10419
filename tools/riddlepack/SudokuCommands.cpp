#include "SudokuCommands.h"

#include "SourceBuilder.h"
#include "SudokuRiddleData.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

namespace {
TSudokuReport FromRiddleFile(const QString& Path) {
    TSudokuRiddleData sudoku;
    const uint8_t result = sudoku.LoadFromFile(Path, false);
    sudoku.StopClock();
    if (result != rfOk)
        throw TSourceError(QStringLiteral("%1: not a sudoku riddle file (result %2)").arg(Path).arg(result));
    TSudokuReport report;
    report.Shape = TSudokuShape::OfSize(sudoku.Symbols());
    TSudokuGrid givens;
    for (int r = 1; r <= sudoku.Symbols(); ++r)
        for (int c = 1; c <= sudoku.Symbols(); ++c) {
            const TSudokuGridCell& cell = sudoku.Cell(c, r);
            givens.push_back(uint8_t(cell.Given() ? SymbolValue(cell.Solution()) : 0));
        }
    report.Givens = givens;
    return report;
}

TSudokuReport FromSource(const QString& Path, const QByteArray& Json) {
    const QString name = QFileInfo(Path).fileName();
    const QJsonDocument doc = QJsonDocument::fromJson(Json);
    if (!doc.isObject())
        throw TSourceError(QStringLiteral("%1: neither a riddle file nor a riddle source").arg(name));
    try {
        TSourceObject root(doc.object(), QString());
        if (root.Value(QStringLiteral("type")).toString() != QLatin1String("sudoku"))
            Refuse(QStringLiteral("type"), QStringLiteral("not a sudoku"));
        const TSudokuPuzzle puzzle = SourceBuilderDetail::ReadSudoku(root);
        TSudokuReport report;
        report.Shape = puzzle.Shape;
        report.Givens = puzzle.Givens;
        return report;
    } catch (const TSourceError& e) {
        throw TSourceError(name + QStringLiteral(": ") + e.Message());
    }
}

QString SolutionsText(int Solutions) {
    return Solutions > 1 ? QStringLiteral("mehr als eine") : QString::number(Solutions);
}

QStringList Rows(const TSudokuReport& Report) {
    QStringList rows;
    for (const QJsonValue& row : SymbolRows(Report.Solution, Report.Shape.N))
        rows << row.toString();
    return rows;
}
} // namespace

TSudokuReport SolveSudokuFile(const QString& Path) {
    QFile file(Path);
    if (!file.open(QIODevice::ReadOnly))
        throw TSourceError(QStringLiteral("%1: cannot read the file (%2)").arg(Path, file.errorString()));
    // A riddle file is small; a source a person wrote is smaller still.
    const QByteArray head = file.peek(7);
    TSudokuReport report =
        head == QByteArray("\x06RIDFIL") ? FromRiddleFile(Path) : FromSource(Path, file.readAll());
    TSudokuGrid solution;
    report.Solutions = TExactSolver(report.Shape).Count(report.Givens, 2, &solution);
    if (report.Solutions == TExactSolver::kGaveUp)
        throw TSourceError(QStringLiteral("%1: the search for solutions gave up").arg(Path));
    report.Solution = report.Solutions == 1 ? solution : TSudokuGrid();
    if (report.Solutions == 1)
        report.Grade = GradeSudoku(report.Shape, report.Givens);
    return report;
}

QString ReportText(const TSudokuReport& Report) {
    QString text = QStringLiteral("Lösungen: %1\n").arg(SolutionsText(Report.Solutions));
    if (Report.Solutions != 1)
        return text;
    text += QStringLiteral("Schwierigkeit: %1 (%2)\nLösung:\n")
                .arg(SudokuSkillText(Report.Grade.Skill), TechniqueName(Report.Grade.Hardest));
    for (const QString& row : Rows(Report))
        text += row + QLatin1Char('\n');
    return text;
}

QJsonObject ReportJson(const TSudokuReport& Report) {
    QJsonObject json{{"size", Report.Shape.N},
                     {"solutions", Report.Solutions},
                     {"solutionsText", SolutionsText(Report.Solutions)}};
    if (Report.Solutions == 1) {
        json["solution"] = QJsonArray::fromStringList(Rows(Report));
        json["skill"] = int(Report.Grade.Skill);
        json["skillText"] = SudokuSkillText(Report.Grade.Skill);
        json["technique"] = TechniqueName(Report.Grade.Hardest);
    }
    return json;
}

QJsonObject GeneratedSource(const TSudokuRequest& Request, const TGeneratedSudoku& Sudoku,
                            const QString& Title) {
    QJsonObject source{{"type", "sudoku"},
                       {"size", Request.Size},
                       {"skill", int(Sudoku.Grade.Skill)},
                       {"solution", SymbolRows(Sudoku.Solution, Request.Size)},
                       {"givens", SymbolRows(Sudoku.Givens, Request.Size)}};
    if (!Title.isEmpty())
        source["title"] = Title;
    return source;
}

TSudokuSkill SkillNamed(const QString& Name) {
    for (int skill = skEasy; skill < kSudokuSkillCount; ++skill)
        if (Name == SudokuSkillText(skill))
            return TSudokuSkill(skill);
    return skNone;
}
