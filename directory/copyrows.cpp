#include "copyrows.h"

#include "changerecord.h"
#include "database.h"
#include "engine/databaseengine.h"
#include "schema.h"

#include <QCoreApplication>
#include <QSqlError>

namespace buildingcopy {

using database::quotedIdentifier;
using store::Connection;

using database::quotedList;

QStringList columnsOf(const Connection& c, const QString& table)
{
    return engine::tableShape(c.db(), table).columns;
}

Expected<QList<QVariantList>> readAll(const Connection& from, const QString& table,
                                      const QStringList& columns)
{
    using Result = Expected<QList<QVariantList>>;
    const QStringList found = columnsOf(from, table);
    if (found.isEmpty())
        return QList<QVariantList>();
    QStringList selected;
    for (const QString& column : columns) {
        QString as = QStringLiteral("NULL");
        for (const QString& name : found) {
            if (name.compare(column, Qt::CaseInsensitive) == 0)
                as = quotedIdentifier(name);
        }
        selected << as;
    }
    QString select = QStringLiteral("SELECT %1 FROM %2")
                         .arg(selected.join(QStringLiteral(", ")), quotedIdentifier(table));
    if (const QStringList key = database::rowKey(from.db(), table); !key.isEmpty())
        select += QStringLiteral(" ORDER BY ") + quotedList(key);
    QSqlQuery query(from.db());
    query.setForwardOnly(true);
    if (!query.exec(select))
        return Result::failure(from.why(query.lastError()));
    QList<QVariantList> rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < columns.size(); ++i)
            row << query.value(i);
        rows << row;
    }
    return rows;
}

bool Runner::operator()(const QString& statement, const QVariantList& values)
{
    if (!failure.isEmpty())
        return false;
    const bool done = database::execute(query, statement, values);
    if (!done)
        failure = connection.why(query.lastError());
    return done;
}

int Runner::count(const QString& table)
{
    return (*this)(QStringLiteral("SELECT count(*) FROM %1").arg(table)) && query.next()
               ? query.value(0).toInt()
               : 0;
}

void Runner::makeTables()
{
    const engine::DatabaseEngine& dialect = engine::of(connection.db());
    QStringList statements = schema::transferRecordStatements(dialect);
    statements << schema::doorUnitStatements(dialect) << schema::changeRecordStatements(dialect);
    for (const QString& statement : std::as_const(statements))
        (*this)(statement);
    if (!columnsOf(connection, QStringLiteral("transfer_log"))
             .contains(QStringLiteral("unit"), Qt::CaseInsensitive))
        (*this)(schema::addUnitColumn());
    giveChangeValues();
}

void Runner::giveChangeValues()
{
    if (!columnsOf(connection, schema::kChangeRecordTable)
             .contains(schema::kChangeValuesColumn, Qt::CaseInsensitive))
        (*this)(schema::addChangeValuesColumn());
}

void Runner::insert(const QString& table, const QStringList& columns, const QVariantList& values)
{
    const QStringList marks(columns.size(), QStringLiteral("?"));
    (*this)(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(table, quotedList(columns), marks.join(QStringLiteral(", "))),
            values);
}

void Runner::copy(const Contents& contents)
{
    for (const QVariantList& room : contents.rooms)
        insert(quotedIdentifier(QStringLiteral("Room_tel")), kRoomColumns, room);
    const engine::DatabaseEngine& dialect = engine::of(connection.db());
    for (const QVariantList& unit : contents.units)
        insert(QStringLiteral("door_unit"), kUnitColumns, unit);
    // A server's key counts on from the highest id given.
    if (!contents.units.isEmpty() && dialect.keyByReturning())
        (*this)(QStringLiteral("SELECT setval(pg_get_serial_sequence('door_unit', 'id'), "
                               "(SELECT max(id) FROM door_unit))"));
    QHash<qint64, qint64> ids;
    const QStringList marks(kLogColumns.size() - 1, QStringLiteral("?"));
    const bool returning = dialect.keyByReturning();
    for (const QVariantList& record : contents.transfers) {
        if (!(*this)(QStringLiteral("INSERT INTO transfer_log (%1) VALUES (%2)%3")
                         .arg(quotedList(kLogColumns.mid(1)), marks.join(QStringLiteral(", ")),
                              returning ? QStringLiteral(" RETURNING id") : QString()),
                     record.mid(1)))
            return;
        ids.insert(record[0].toLongLong(), returning && query.next()
                                               ? query.value(0).toLongLong()
                                               : query.lastInsertId().toLongLong());
        query.finish();
    }
    for (QVariantList room : contents.sent) {
        room[0] = ids.value(room[0].toLongLong());
        insert(QStringLiteral("transfer_room"), kSentColumns, room);
    }
    const QHash<qint64, qint64> entries = copyChanges(contents.changes, ids);
    for (QVariantList room : contents.changeRooms) {
        room[0] = entries.value(room[0].toLongLong());
        insert(QStringLiteral("change_room"), kChangeRoomColumns, room);
    }
}

QHash<qint64, qint64> Runner::copyChanges(const QList<QVariantList>& changes,
                                          const QHash<qint64, qint64>& ids)
{
    const auto at = [](const char* column) {
        return int(kChangeColumns.indexOf(QLatin1String(column)));
    };
    const bool returning = engine::of(connection.db()).keyByReturning();
    const QStringList columns = kChangeColumns.mid(1);
    const QStringList marks(columns.size(), QStringLiteral("?"));
    QHash<qint64, qint64> entries;
    for (QVariantList change : changes) {
        if (!change[at("transfer")].isNull())
            change[at("transfer")] =
                ids.value(change[at("transfer")].toLongLong(), change[at("transfer")].toLongLong());
        if (change[at("change_values")].isNull()) {
            changerecord::Entry e;
            e.beforeValues = changerecord::valuesFromText(change[at("old_values")].toString());
            e.afterValues = changerecord::valuesFromText(change[at("new_values")].toString());
            change[at("change_values")] = changerecord::valuesJson(e);
        }
        const QByteArray rooms = change[at("rooms")].toString().toUtf8();
        change[at("rooms")] = QVariant();
        if (!(*this)(QStringLiteral("INSERT INTO change_record (%1) VALUES (%2)%3")
                         .arg(quotedList(columns), marks.join(QStringLiteral(", ")),
                              returning ? QStringLiteral(" RETURNING id") : QString()),
                     change.mid(1)))
            return entries;
        const qint64 id = returning && query.next() ? query.value(0).toLongLong()
                                                    : query.lastInsertId().toLongLong();
        query.finish();
        entries.insert(change[0].toLongLong(), id);
        if (Outcome written = changerecord::writeRooms(connection.db(), id, rooms,
                                                       database::shownName(connection.db()));
            !written && failure.isEmpty())
            failure = written.description();
    }
    return entries;
}

Outcome checkColumns(const Connection& from, const QString& table, const QStringList& columns,
                     const QString& path)
{
    QStringList lost;
    for (const QString& column : columnsOf(from, table)) {
        if (!columns.contains(column, Qt::CaseInsensitive) &&
            column.compare(QStringLiteral("id"), Qt::CaseInsensitive) != 0)
            lost << column;
    }
    if (lost.isEmpty())
        return Outcome::success();
    return Outcome::failure(
        QCoreApplication::translate("buildingcopy",
                                    "The table %1 in %2 has the column(s) %3, which a building "
                                    "lacks: their values would be lost.",
                                    nullptr, int(lost.size()))
            .arg(table, path, lost.join(QStringLiteral(", "))));
}

} // namespace buildingcopy
