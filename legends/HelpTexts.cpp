#include "HelpTexts.h"

QString HelpText(const QString& Key) {
    if (Key == QLatin1String("Raetsel0"))
        return QStringLiteral(
            "Kreuzworträtsel lösen\n\n"
            "Klicken Sie ein Feld an und tippen Sie die Buchstaben. Der Cursor läuft in der "
            "Eingaberichtung weiter; ein zweiter Klick auf dasselbe Feld oder die Eingabetaste "
            "wechselt zwischen waagerecht und senkrecht. Rücktaste und Entf löschen.\n\n"
            "Ein Klick auf eine Umschreibung in der Legende führt zu ihrem Begriff. Mit den "
            "Hilfefunktionen lassen sich ein Buchstabe oder ein ganzer Begriff eintragen, "
            "Fehleinträge markieren und die Lösung zeigen. Im Kreuzwortpuzzle ziehen Sie die "
            "Wörter aus der Legende ins Gitter.");
    if (Key == QLatin1String("Raetsel1"))
        return QStringLiteral(
            "Suchrätsel lösen\n\n"
            "Die Wörter der Legende verstecken sich waagerecht oder senkrecht im Buchstabengitter. "
            "Ziehen Sie mit gedrückter linker Maustaste vom ersten bis zum letzten Buchstaben eines "
            "Wortes, um es zu markieren. Mit gedrückter Strg-Taste nehmen Sie eine Markierung "
            "wieder zurück.\n\nGefundene Wörter werden in der Legende als gelöst markiert.");
    if (Key == QLatin1String("Raetsel2"))
        return QStringLiteral(
            "Amerikanisches Rätsel lösen\n\n"
            "Die Umschreibungen stehen je Zeile und Spalte in der Legende, in ihrer Reihenfolge. "
            "Die Schwarzfelder sind nicht vorgegeben: Finden Sie sie selbst und legen Sie ein Feld "
            "mit der Schaltfläche \"Leerfeld\" oder dem Kontextmenü als Leerfeld fest. Die Zahl "
            "über jeder Spalte und neben jeder Zeile verrät als Tooltip, wie viele Leerfelder sie "
            "hat.\n\nBuchstaben tippen Sie wie gewohnt; die Eingabetaste wechselt die Richtung.");
    return QString();
}
