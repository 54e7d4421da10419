#include "SourceFields.h"

#include "Cp1252.h"

#include <QStringList>
#include <cmath>

void Refuse(const QString& Place, const QString& Detail) {
    throw TSourceError(Place.isEmpty() ? Detail : Place + QStringLiteral(": ") + Detail);
}

QString Element(const QString& ArrayPlace, qsizetype Index) {
    return QStringLiteral("%1[%2]").arg(ArrayPlace).arg(Index);
}

int ReadInt(const QJsonValue& Value, const QString& Place, int Min, int Max) {
    const QString range = QStringLiteral("a whole number %1 … %2").arg(Min).arg(Max);
    if (!Value.isDouble())
        Refuse(Place, QStringLiteral("expected %1").arg(range));
    const double d = Value.toDouble();
    if (d != std::floor(d) || d < Min || d > Max)
        Refuse(Place, QStringLiteral("expected %1, found %2").arg(range).arg(d));
    return int(d);
}

QString ReadText(const QJsonValue& Value, const QString& Place, int Capacity) {
    if (!Value.isString())
        Refuse(Place, QStringLiteral("expected a text"));
    const QString text = Value.toString();
    if (!IsCp1252Representable(text))
        Refuse(Place, QStringLiteral("\"%1\" has characters outside Windows-1252").arg(text));
    if (text.size() > Capacity)
        Refuse(Place, QStringLiteral("at most %1 characters, found %2").arg(Capacity).arg(text.size()));
    return text;
}

int ReadNameSet(const QJsonValue& Value, const QString& Place, const TNameTable& Names) {
    if (!Value.isArray())
        Refuse(Place, QStringLiteral("expected a list of names"));
    const QJsonArray list = Value.toArray();
    int bits = 0;
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QString name = list[i].toString();
        bool found = false;
        for (const auto& [known, bit] : Names)
            if (name == QLatin1String(known)) {
                bits |= 1 << bit;
                found = true;
            }
        if (!found) {
            QStringList allowed;
            for (const auto& entry : Names)
                allowed << QLatin1String(entry.first);
            Refuse(Element(Place, i), QStringLiteral("unknown name \"%1\" (allowed: %2)")
                                          .arg(name, allowed.join(QStringLiteral(", "))));
        }
    }
    return bits;
}

QPoint ReadCellRef(const QJsonValue& Value, const QString& Place, int Cols, int Rows) {
    const QJsonArray pair = Value.toArray();
    if (!Value.isArray() || pair.size() != 2)
        Refuse(Place, QStringLiteral("expected [col, row]"));
    const int col = ReadInt(pair[0], Place + QStringLiteral(" col"), 1, Cols);
    const int row = ReadInt(pair[1], Place + QStringLiteral(" row"), 1, Rows);
    return QPoint(col, row);
}

TSourceObject ReadObject(const QJsonValue& Value, const QString& Place) {
    if (!Value.isObject())
        Refuse(Place, QStringLiteral("expected an object"));
    return TSourceObject(Value.toObject(), Place);
}

bool TSourceObject::Has(const QString& Key) {
    asked_.insert(Key);
    return obj_.contains(Key);
}

QJsonValue TSourceObject::Value(const QString& Key) {
    asked_.insert(Key);
    return obj_.value(Key);
}

QJsonValue TSourceObject::Required(const QString& Key) {
    if (!Has(Key))
        Refuse(place_, QStringLiteral("the key \"%1\" is missing").arg(Key));
    return obj_.value(Key);
}

QString TSourceObject::Text(const QString& Key, const QString& Fallback, int Capacity) {
    return Has(Key) ? ReadText(obj_.value(Key), PlaceOf(Key), Capacity) : Fallback;
}

QString TSourceObject::RequiredText(const QString& Key, int Capacity) {
    return ReadText(Required(Key), PlaceOf(Key), Capacity);
}

int TSourceObject::Int(const QString& Key, int Fallback, int Min, int Max) {
    return Has(Key) ? ReadInt(obj_.value(Key), PlaceOf(Key), Min, Max) : Fallback;
}

int TSourceObject::RequiredInt(const QString& Key, int Min, int Max) {
    return ReadInt(Required(Key), PlaceOf(Key), Min, Max);
}

bool TSourceObject::Bool(const QString& Key, bool Fallback) {
    if (!Has(Key))
        return Fallback;
    if (!obj_.value(Key).isBool())
        Refuse(PlaceOf(Key), QStringLiteral("expected true or false"));
    return obj_.value(Key).toBool();
}

int TSourceObject::NameSet(const QString& Key, int Fallback, const TNameTable& Names) {
    return Has(Key) ? ReadNameSet(obj_.value(Key), PlaceOf(Key), Names) : Fallback;
}

QJsonArray TSourceObject::RequiredArray(const QString& Key) {
    const QJsonValue value = Required(Key);
    if (!value.isArray())
        Refuse(PlaceOf(Key), QStringLiteral("expected a list"));
    return value.toArray();
}

QJsonArray TSourceObject::Array(const QString& Key) {
    return Has(Key) ? RequiredArray(Key) : QJsonArray();
}

void TSourceObject::RefuseUnknownKeys(const QString& Detail) const {
    for (auto it = obj_.begin(); it != obj_.end(); ++it)
        if (!asked_.contains(it.key()))
            Refuse(PlaceOf(it.key()), Detail);
}
