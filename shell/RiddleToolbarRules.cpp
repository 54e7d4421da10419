#include "RiddleToolbarRules.h"

#include <QLocale>
#include <algorithm>

namespace {
// Every speed button of the riddle window is this wide; the marking buttons stand side by side.
constexpr int kMarkButtonPitch = 22;

QString Quoted(int Tag) {
    return QLatin1Char('"') + MarkButtonCaption(Tag) + QLatin1Char('"');
}

QString TimeOfDayText(const QDateTime& Time) {
    // The long format names the time zone, which a time of day on the same machine does not need.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale::system().toString(Time.time(), format.trimmed());
}
} // namespace

bool MarkTagVisible(int Tag, int Symbols) {
    return Tag <= 0 || Tag == kMarkFew || Tag <= Symbols;
}

TMarkPanelLayout MarkPanelLayout(int Symbols, int ButtonWidth) {
    // The rightmost visible symbol button decides; SBMarkKeine at 0 is always there.
    const int lastTag = std::clamp(Symbols, 0, kMaxMarkSymbols);
    TMarkPanelLayout layout;
    layout.DuoLeft = lastTag * kMarkButtonPitch + ButtonWidth;
    layout.PanelWidth = layout.DuoLeft + ButtonWidth;
    return layout;
}

int BuchstEintragenLeft(bool ShowHintsVisible, int ShowHintsLeft, int ShowHintsWidth) {
    return ShowHintsVisible ? ShowHintsLeft + ShowHintsWidth + 8 : ShowHintsLeft + 8;
}

int FittedClientWidth(int GridWidth, std::initializer_list<TToolbarEdge> Edges) {
    int width = GridWidth;
    for (const TToolbarEdge& e : Edges)
        if (e.Visible)
            width = std::max(width, e.Left + e.Width + 4);
    return width;
}

int ZoomedGridSize(int GridSize, int Step) {
    if ((Step < 0 && GridSize > kMinGridSize) || (Step > 0 && GridSize < kMaxGridSize))
        return GridSize + Step;
    return GridSize;
}

QString MarkButtonCaption(int Tag) {
    if (Tag < 1 || Tag > kMaxMarkSymbols)
        return QString();
    return Tag <= 9 ? QString::number(Tag) : QString(QChar(u'A' + (Tag - 10)));
}

QString MarkItemCaption(int Tag) {
    if (Tag == kMarkNone)
        return QStringLiteral("Keine");
    if (Tag == kMarkFew)
        return QStringLiteral("Nur zwei Zahlen möglich");
    return Quoted(Tag) + QStringLiteral(" möglich");
}

QString MarkItemHint(int Tag) {
    if (Tag == kMarkNone)
        return QStringLiteral("Die Markierung im Rätsel aufheben");
    if (Tag == kMarkFew)
        return QStringLiteral(
            "Alle Felder markieren, in die nur ein oder zwei mögliche Zahlen eingetragen werden können");
    // "die Eins" but "das A": the letters take the neuter article.
    const QString article = Tag <= 9 ? QStringLiteral("eine ") : QStringLiteral("ein ");
    return QStringLiteral("Alle Felder markieren, in die ") + article + Quoted(Tag) +
           QStringLiteral(" eingetragen werden kann");
}

int SnapshotSlotFor(const TSnapshotTimes& Times) {
    int oldest = 0;
    for (int i = 0; i < kSnapshotSlots; ++i) {
        if (Times[size_t(i)].isNull())
            return i + 1;
        if (Times[size_t(i)] < Times[size_t(oldest)])
            oldest = i;
    }
    return oldest + 1;
}

QString SnapshotItemCaption(int Slot, const QDateTime& Time) {
    return QString::number(Slot) + QStringLiteral(": ") + TimeOfDayText(Time) + QStringLiteral(" h");
}

QString SnapshotItemHint(const QDateTime& Time) {
    return QStringLiteral("Den Schnappschuss von ") + TimeOfDayText(Time) +
           QStringLiteral(" h wiederherstellen");
}

QString HelpKey(TRiddleType Type) {
    if (Type == rtAmerican)
        return QStringLiteral("Raetsel2");
    if (Type == rtFindWords)
        return QStringLiteral("Raetsel1");
    return QStringLiteral("Raetsel0");
}
