#include "RiddleToolbarRules.h"

#include <QLocale>
#include <algorithm>

namespace {
// Every speed button of the riddle window is this wide; the marking buttons stand side by side.
constexpr int kMarkButtonPitch = 22;

QString Quoted(int tag) {
    return QLatin1Char('"') + MarkButtonCaption(tag) + QLatin1Char('"');
}

QString TimeOfDayText(const QDateTime& time) {
    // The long format names the time zone, which a time of day on the same machine does not need.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale::system().toString(time.time(), format.trimmed());
}
} // namespace

bool MarkTagVisible(int tag, int symbols) {
    return tag <= 0 || tag == kMarkFew || tag <= symbols;
}

TMarkPanelLayout MarkPanelLayout(int symbols, int buttonWidth) {
    // The rightmost visible symbol button decides; SBMarkKeine at 0 is always there.
    const int lastTag = std::clamp(symbols, 0, kMaxMarkSymbols);
    TMarkPanelLayout layout;
    layout.DuoLeft = lastTag * kMarkButtonPitch + buttonWidth;
    layout.PanelWidth = layout.DuoLeft + buttonWidth;
    return layout;
}

int BuchstEintragenLeft(bool showHintsVisible, int showHintsLeft, int showHintsWidth) {
    return showHintsVisible ? showHintsLeft + showHintsWidth + 8 : showHintsLeft + 8;
}

int FittedClientWidth(int gridWidth, std::initializer_list<TToolbarEdge> edges) {
    int width = gridWidth;
    for (const TToolbarEdge& e : edges)
        if (e.Visible)
            width = std::max(width, e.Left + e.Width + 4);
    return width;
}

int ZoomedGridSize(int gridSize, int step) {
    if ((step < 0 && gridSize > kMinGridSize) || (step > 0 && gridSize < kMaxGridSize))
        return gridSize + step;
    return gridSize;
}

QString MarkButtonCaption(int tag) {
    if (tag < 1 || tag > kMaxMarkSymbols)
        return QString();
    return tag <= 9 ? QString::number(tag) : QString(QChar(u'A' + (tag - 10)));
}

QString MarkItemCaption(int tag) {
    if (tag == kMarkNone)
        return QStringLiteral("Keine");
    if (tag == kMarkFew)
        return QStringLiteral("Nur zwei Zahlen möglich");
    return Quoted(tag) + QStringLiteral(" möglich");
}

QString MarkItemHint(int tag) {
    if (tag == kMarkNone)
        return QStringLiteral("Die Markierung im Rätsel aufheben");
    if (tag == kMarkFew)
        return QStringLiteral(
            "Alle Felder markieren, in die nur ein oder zwei mögliche Zahlen eingetragen werden können");
    // "die Eins" but "das A": the letters take the neuter article.
    const QString article = tag <= 9 ? QStringLiteral("eine ") : QStringLiteral("ein ");
    return QStringLiteral("Alle Felder markieren, in die ") + article + Quoted(tag) +
           QStringLiteral(" eingetragen werden kann");
}

int SnapshotSlotFor(const TSnapshotTimes& times) {
    int oldest = 0;
    for (int i = 0; i < kSnapshotSlots; ++i) {
        if (times[size_t(i)].isNull())
            return i + 1;
        if (times[size_t(i)] < times[size_t(oldest)])
            oldest = i;
    }
    return oldest + 1;
}

QString SnapshotItemCaption(int slot, const QDateTime& time) {
    return QString::number(slot) + QStringLiteral(": ") + TimeOfDayText(time) + QStringLiteral(" h");
}

QString SnapshotItemHint(const QDateTime& time) {
    return QStringLiteral("Den Schnappschuss von ") + TimeOfDayText(time) +
           QStringLiteral(" h wiederherstellen");
}

QString HelpKey(TRiddleType type) {
    if (type == rtAmerican)
        return QStringLiteral("Raetsel2");
    if (type == rtFindWords)
        return QStringLiteral("Raetsel1");
    return QStringLiteral("Raetsel0");
}
