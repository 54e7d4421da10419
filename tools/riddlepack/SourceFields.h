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
    explicit TSourceError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString Message() const { return QString::fromStdString(what()); }
};

// Throws "place: detail", or just the detail when there is no place.
[[noreturn]] void Refuse(const QString& place, const QString& detail);

// The name of an array element: Element("clues", 4) is "clues[4]".
QString Element(const QString& arrayPlace, qsizetype index);

// A member name of the source together with the bit it stands for in an option set.
using TNameTable = std::vector<std::pair<const char*, int>>;

// Reads a list of member names into an option set's raw bits.
int ReadNameSet(const QJsonValue& value, const QString& place, const TNameTable& names);

// A 1-based [col, row] pair that lies inside a grid of cols × rows cells.
QPoint ReadCellRef(const QJsonValue& value, const QString& place, int cols, int rows);

// Whole numbers only; JSON has no integer type of its own.
int ReadInt(const QJsonValue& value, const QString& place, int min, int max);

// Texts are stored as Windows-1252 bytes in fields of fixed capacity.
QString ReadText(const QJsonValue& value, const QString& place, int capacity);

class TSourceObject {
public:
    TSourceObject(QJsonObject object, QString place) : obj_(std::move(object)), place_(std::move(place)) {}

    const QString& Place() const { return place_; }
    QString PlaceOf(const QString& key) const { return place_.isEmpty() ? key : place_ + '.' + key; }
    bool Has(const QString& key);

    QString Text(const QString& key, const QString& fallback, int capacity);
    QString RequiredText(const QString& key, int capacity);
    int Int(const QString& key, int fallback, int min, int max);
    int RequiredInt(const QString& key, int min, int max);
    bool Bool(const QString& key, bool fallback);
    int NameSet(const QString& key, int fallback, const TNameTable& names);
    QJsonArray RequiredArray(const QString& key);
    QJsonArray Array(const QString& key);
    QJsonValue Value(const QString& key);

    // Refuses every key that was never asked for: a misspelt key would otherwise be ignored.
    void RefuseUnknownKeys(const QString& detail = QStringLiteral("unknown key")) const;

private:
    QJsonValue Required(const QString& key);
    QJsonObject obj_;
    QString place_;
    QSet<QString> asked_;
};

// The object at `value`, or a refusal naming the place.
TSourceObject ReadObject(const QJsonValue& value, const QString& place);
