#include "SourceFields.h"

#include "Cp1252.h"

#include <QStringList>
#include <cmath>

void Refuse(const QString& place, const QString& detail) {
    throw TSourceError(place.isEmpty() ? detail : place + QStringLiteral(": ") + detail);
}

QString Element(const QString& arrayPlace, qsizetype index) {
    return QStringLiteral("%1[%2]").arg(arrayPlace).arg(index);
}

int ReadInt(const QJsonValue& value, const QString& place, int min, int max) {
    const QString range = QStringLiteral("a whole number %1 … %2").arg(min).arg(max);
    if (!value.isDouble())
        Refuse(place, QStringLiteral("expected %1").arg(range));
    const double d = value.toDouble();
    if (d != std::floor(d) || d < min || d > max)
        Refuse(place, QStringLiteral("expected %1, found %2").arg(range).arg(d));
    return int(d);
}

QString ReadText(const QJsonValue& value, const QString& place, int capacity) {
    if (!value.isString())
        Refuse(place, QStringLiteral("expected a text"));
    const QString text = value.toString();
    if (!IsCp1252Representable(text))
        Refuse(place, QStringLiteral("\"%1\" has characters outside Windows-1252").arg(text));
    if (text.size() > capacity)
        Refuse(place, QStringLiteral("at most %1 characters, found %2").arg(capacity).arg(text.size()));
    return text;
}

int ReadNameSet(const QJsonValue& value, const QString& place, const TNameTable& names) {
    if (!value.isArray())
        Refuse(place, QStringLiteral("expected a list of names"));
    const QJsonArray list = value.toArray();
    int bits = 0;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString name = list[i].toString();
        bool found = false;
        for (const auto& [known, bit] : names)
            if (name == QLatin1String(known)) {
                bits |= 1 << bit;
                found = true;
            }
        if (!found) {
            QStringList allowed;
            for (const auto& entry : names)
                allowed << QLatin1String(entry.first);
            Refuse(Element(place, i), QStringLiteral("unknown name \"%1\" (allowed: %2)")
                                          .arg(name, allowed.join(QStringLiteral(", "))));
        }
    }
    return bits;
}

QPoint ReadCellRef(const QJsonValue& value, const QString& place, int cols, int rows) {
    const QJsonArray pair = value.toArray();
    if (!value.isArray() || pair.size() != 2)
        Refuse(place, QStringLiteral("expected [col, row]"));
    const int col = ReadInt(pair[0], place + QStringLiteral(" col"), 1, cols);
    const int row = ReadInt(pair[1], place + QStringLiteral(" row"), 1, rows);
    return QPoint(col, row);
}

TSourceObject ReadObject(const QJsonValue& value, const QString& place) {
    if (!value.isObject())
        Refuse(place, QStringLiteral("expected an object"));
    return TSourceObject(value.toObject(), place);
}

bool TSourceObject::Has(const QString& key) {
    asked_.insert(key);
    return obj_.contains(key);
}

QJsonValue TSourceObject::Value(const QString& key) {
    asked_.insert(key);
    return obj_.value(key);
}

QJsonValue TSourceObject::Required(const QString& key) {
    if (!Has(key))
        Refuse(place_, QStringLiteral("the key \"%1\" is missing").arg(key));
    return obj_.value(key);
}

QString TSourceObject::Text(const QString& key, const QString& fallback, int capacity) {
    return Has(key) ? ReadText(obj_.value(key), PlaceOf(key), capacity) : fallback;
}

QString TSourceObject::RequiredText(const QString& key, int capacity) {
    return ReadText(Required(key), PlaceOf(key), capacity);
}

int TSourceObject::Int(const QString& key, int fallback, int min, int max) {
    return Has(key) ? ReadInt(obj_.value(key), PlaceOf(key), min, max) : fallback;
}

int TSourceObject::RequiredInt(const QString& key, int min, int max) {
    return ReadInt(Required(key), PlaceOf(key), min, max);
}

bool TSourceObject::Bool(const QString& key, bool fallback) {
    if (!Has(key))
        return fallback;
    if (!obj_.value(key).isBool())
        Refuse(PlaceOf(key), QStringLiteral("expected true or false"));
    return obj_.value(key).toBool();
}

int TSourceObject::NameSet(const QString& key, int fallback, const TNameTable& names) {
    return Has(key) ? ReadNameSet(obj_.value(key), PlaceOf(key), names) : fallback;
}

QJsonArray TSourceObject::RequiredArray(const QString& key) {
    const QJsonValue value = Required(key);
    if (!value.isArray())
        Refuse(PlaceOf(key), QStringLiteral("expected a list"));
    return value.toArray();
}

QJsonArray TSourceObject::Array(const QString& key) {
    return Has(key) ? RequiredArray(key) : QJsonArray();
}

void TSourceObject::RefuseUnknownKeys(const QString& detail) const {
    for (auto it = obj_.begin(); it != obj_.end(); ++it)
        if (!asked_.contains(it.key()))
            Refuse(PlaceOf(it.key()), detail);
}
