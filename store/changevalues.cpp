#include "changerecord.h"
#include "changerecordparts.h"

#include "database.h"
#include "engine/databaseengine.h"
#include "schema.h"
#include "transaction.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

// The values of the change record's entries: shown as text, kept and
// compared as values.
namespace changerecord {

namespace {

const QString kBefore = QStringLiteral("before");
const QString kAfter = QStringLiteral("after");

QJsonObject valuesObject(const QVariant& json, const QString& side)
{
    return QJsonDocument::fromJson(json.toString().toUtf8()).object().value(side).toObject();
}

} // namespace

QString valuesText(const QStringList& names, const QStringList& values)
{
    QStringList parts;
    for (qsizetype i = 0; i < names.size() && i < values.size(); ++i) {
        QString value = values[i];
        value.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        parts << QStringLiteral("%1 \"%2\"").arg(names[i], value);
    }
    return parts.join(QStringLiteral(", "));
}

QJsonObject valuesOf(const QStringList& names, const QStringList& values)
{
    QJsonObject object;
    for (qsizetype i = 0; i < names.size() && i < values.size(); ++i)
        object.insert(names[i], values[i]);
    return object;
}

QJsonObject valuesFromText(const QString& text)
{
    static const QRegularExpression field(QStringLiteral("(\\S+) \"((?:[^\"]|\"\")*)\"(?:, |$)"));
    QJsonObject object;
    for (auto it = field.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        object.insert(m.captured(1),
                      m.captured(2).replace(QStringLiteral("\"\""), QStringLiteral("\"")));
    }
    return object;
}

QVariant valuesJson(const Entry& entry)
{
    if (entry.beforeValues.isEmpty() && entry.afterValues.isEmpty())
        return {};
    QJsonObject object;
    if (!entry.beforeValues.isEmpty())
        object.insert(kBefore, entry.beforeValues);
    if (!entry.afterValues.isEmpty())
        object.insert(kAfter, entry.afterValues);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QJsonObject storedBefore(const QVariant& json, const QVariant& text)
{
    return json.isNull() ? valuesFromText(text.toString()) : valuesObject(json, kBefore);
}

QJsonObject storedAfter(const QVariant& json, const QVariant& text)
{
    return json.isNull() ? valuesFromText(text.toString()) : valuesObject(json, kAfter);
}

bool hasValues(const QSqlDatabase& db)
{
    return engine::tableShape(db, schema::kChangeRecordTable)
        .columns.contains(schema::kChangeValuesColumn, Qt::CaseInsensitive);
}

namespace {

// The entries written before keep their values as text: read as values once.
QSqlError valuesFromTexts(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    QSqlQuery set(db);
    set.prepare(QStringLiteral("UPDATE change_record SET %1 = ? WHERE id = ?")
                    .arg(schema::kChangeValuesColumn));
    if (!q.exec(QStringLiteral("SELECT id, old_values, new_values FROM change_record WHERE "
                               "old_values IS NOT NULL OR new_values IS NOT NULL")))
        return q.lastError();
    while (q.next()) {
        Entry e;
        e.beforeValues = valuesFromText(q.value(1).toString());
        e.afterValues = valuesFromText(q.value(2).toString());
        set.addBindValue(valuesJson(e));
        set.addBindValue(q.value(0));
        if (!set.exec())
            return set.lastError();
    }
    return q.lastError();
}

// The imports written before keep their rooms as text in their entry: each
// becomes a row of change_room, and the text goes.
Outcome roomsFromTexts(const QSqlDatabase& db, const store::Database& path)
{
    QSqlQuery q(db);
    QSqlQuery cleared(db);
    cleared.prepare(QStringLiteral("UPDATE change_record SET rooms = NULL WHERE id = ?"));
    if (!q.exec(QStringLiteral("SELECT id, rooms FROM change_record WHERE rooms IS NOT NULL")))
        return Outcome::failure(database::plainError(q.lastError(), path));
    while (q.next()) {
        if (Outcome written =
                writeRooms(db, q.value(0).toLongLong(), q.value(1).toString().toUtf8(), path);
            !written)
            return written;
        cleared.addBindValue(q.value(0));
        if (!cleared.exec())
            return Outcome::failure(database::plainError(cleared.lastError(), path));
    }
    if (q.lastError().isValid())
        return Outcome::failure(database::plainError(q.lastError(), path));
    return Outcome::success();
}

} // namespace

Outcome upgrade(const QSqlDatabase& db, const store::Database& path)
{
    if (!hasTable(db) || (hasValues(db) && hasRoomTable(db)))
        return Outcome::success();
    const auto failed = [&](const QSqlError& error) {
        return Outcome::failure(database::plainError(error, path));
    };
    store::Transaction transaction(db);
    if (!transaction.active())
        return failed(transaction.error());
    QSqlQuery q(db);
    if (!hasValues(db)) {
        if (!q.exec(schema::addChangeValuesColumn()))
            return failed(q.lastError());
        if (const QSqlError error = valuesFromTexts(db); error.isValid())
            return failed(error);
    }
    for (const QString& statement : schema::changeRecordStatements(engine::of(db))) {
        if (!q.exec(statement))
            return failed(q.lastError());
    }
    if (Outcome moved = roomsFromTexts(db, path); !moved)
        return moved;
    if (Outcome committed = transaction.commit(); !committed)
        return failed(transaction.error());
    return Outcome::success();
}

} // namespace changerecord
