#pragma once

// Typed access to the keys of a riddle source. A person writes these files by hand, so every
// refusal names the key (or array element) it is about, e.g. "picture.quality" or "clues[4]".

#include <QJsonArray>
#include <QJsonObject>
#include <QPoint>
#include <QSet>
#include <QString>
#include <stdexcept>
#include <utility>
#include <vector>

class TSourceError : public std::runtime_error {
public:
    explicit TSourceError(const QString& Message) : std::runtime_error(Message.toStdString()) {}
    QString Message() const { return QString::fromStdString(what()); }
};

// Throws "place: detail", or just the detail when there is no place.
[[noreturn]] void Refuse(const QString& Place, const QString& Detail);

// The name of an array element: Element("clues", 4) is "clues[4]".
QString Element(const QString& ArrayPlace, qsizetype Index);

// A member name of the source together with the bit it stands for in an option set.
using TNameTable = std::vector<std::pair<const char*, int>>;

// Reads a list of member names into an option set's raw bits.
int ReadNameSet(const QJsonValue& Value, const QString& Place, const TNameTable& Names);

// A 1-based [col, row] pair that lies inside a grid of cols × rows cells.
QPoint ReadCellRef(const QJsonValue& Value, const QString& Place, int Cols, int Rows);

// Whole numbers only; JSON has no integer type of its own.
int ReadInt(const QJsonValue& Value, const QString& Place, int Min, int Max);

// Texts are stored as Windows-1252 bytes in fields of fixed capacity.
QString ReadText(const QJsonValue& Value, const QString& Place, int Capacity);

class TSourceObject {
public:
    TSourceObject(QJsonObject Object, QString Place) : obj_(std::move(Object)), place_(std::move(Place)) {}

    const QString& Place() const { return place_; }
    QString PlaceOf(const QString& Key) const { return place_.isEmpty() ? Key : place_ + '.' + Key; }
    bool Has(const QString& Key);

    QString Text(const QString& Key, const QString& Fallback, int Capacity);
    QString RequiredText(const QString& Key, int Capacity);
    int Int(const QString& Key, int Fallback, int Min, int Max);
    int RequiredInt(const QString& Key, int Min, int Max);
    bool Bool(const QString& Key, bool Fallback);
    int NameSet(const QString& Key, int Fallback, const TNameTable& Names);
    QJsonArray RequiredArray(const QString& Key);
    QJsonArray Array(const QString& Key);
    QJsonValue Value(const QString& Key);

    // Refuses every key that was never asked for: a misspelt key would otherwise be ignored.
    void RefuseUnknownKeys(const QString& Detail = QStringLiteral("unknown key")) const;

private:
    QJsonValue Required(const QString& Key);
    QJsonObject obj_;
    QString place_;
    QSet<QString> asked_;
};

// The object at `value`, or a refusal naming the place.
TSourceObject ReadObject(const QJsonValue& Value, const QString& Place);
