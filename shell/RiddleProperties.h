#pragma once

// What the riddle properties dialog shows of a riddle. Plain values in, plain values out; the
// dialog only lays them out.

#include "RiddleData.h"

#include <QDateTime>
#include <QString>

struct TRiddleProperties {
    QString Type;
    QString Size;
    QString Title;
    // The language's flag shows when it is not 0; the text then leaves room for it.
    int Language = 0;
    QString LanguageText;
    // Author and comment: word riddles only.
    bool AuthorShown = false;
    QString Author;
    QString Comment;
    // A timed riddle with a best time.
    bool BestTimeShown = false;
    QString BestTime;
    // The help options: captions for letters or symbols, and whether each is allowed.
    QString ShowFailCaption;
    QString AutoFillCaption;
    bool ShowFail = false;
    bool AutoFill = false;
    bool ShowRiddle = false;
    bool EditRiddle = false;
    // When the executable riddle was made, and with what.
    QString Date;
    QString Version;
};

// Modified is the last change of the executable; AppTitle the application's title.
TRiddleProperties RiddleProperties(const TRiddleData& Riddle, const QDateTime& Modified,
                                   const QString& AppTitle);
