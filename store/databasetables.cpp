#include "database.h"

#include "databaseadvice.h"
#include "engine/databaseengine.h"
#include "server.h"

#include <QCoreApplication>
#include <QSqlQuery>

// The tables a connection finds: whether one holds what the program needs,
// why a server's may not be seen, the buildings there are, and a row's key.

namespace database {

Outcome checkTable(const QSqlDatabase& db, const TableSpec& layout, const store::Database& database)
{
    const engine::TableShape shape = engine::tableShape(db, layout.table);
    if (shape.readError.isValid())
        return Outcome::failure(
            QCoreApplication::translate("database", "The table %1 cannot be read: %2")
                .arg(layout.table, plainError(shape.readError, database)));
    const QStringList& present = shape.columns;
    QStringList missing;
    for (const QString& field : layout.fieldNames()) {
        if (!present.contains(field, Qt::CaseInsensitive))
            missing << field;
    }
    const QString& path = database.path();
    const QString where = database.onServer() ? database.place().describe() : path;
    if (present.isEmpty() && database.onServer()) {
        if (const QString unseen = unseenTable(db, layout.table, database); !unseen.isEmpty())
            return Outcome::failure(unseen);
    }
    if (present.isEmpty() && database.onServer())
        return Outcome::failure(
            //: %1 is like: building "Tower A" on localhost:5432/quorvane; %3 tells how to prepare
            //: it.
            QCoreApplication::translate("database", "The %1 has no table %2. %3")
                .arg(where, layout.table, advice(database)));
    if (present.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate("database", "The database file %1 has no table %2. %3")
                .arg(path, layout.table, advice(database)));
    if (!missing.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate("database", "The table %1 in %2 lacks the field(s) %3. %4")
                .arg(layout.table, where, missing.join(QStringLiteral(", ")), advice(database)));
    return Outcome::success();
}

QString unseenTable(const QSqlDatabase& db, const QString& table, const store::Database& database)
{
    if (!database.onServer())
        return {};
    const QString schemaName = database.schema();
    const QString where = database.place().where();
    const bool operators = schemaName == server::kOperatorSchema;
    // The catalogue is readable by every login, whatever it may do in a schema.
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "SELECT has_schema_privilege(n.oid, 'USAGE'), "
        "c.oid IS NULL OR has_table_privilege(c.oid, 'SELECT') FROM pg_namespace n "
        "LEFT JOIN pg_class c ON c.relnamespace = n.oid AND c.relname = ? WHERE n.nspname = ?"));
    q.addBindValue(table);
    q.addBindValue(schemaName);
    if (!q.exec())
        return {};
    if (!q.next()) {
        if (operators)
            return {};
        const QStringList there = buildingsOn(db);
        //: %1 is a building's name, %2 host:port/database, %3 the buildings there are.
        return QCoreApplication::translate(
                   "database", "There is no building \"%1\" on %2. The buildings there: %3.")
            .arg(schemaName, where,
                 there.isEmpty()
                     ? QCoreApplication::translate("database", "none yet")
                     : QStringLiteral("\"%1\"").arg(there.join(QStringLiteral("\", \""))));
    }
    if (q.value(0).toBool() && q.value(1).toBool())
        return {};
    if (operators)
        return QCoreApplication::translate(
                   "database", "On the database server %1 this login may not read the "
                               "operators. Ask whoever runs the server for the right to read them.")
            .arg(where);
    return QCoreApplication::translate(
               "database", "On the database server %1 this login may not read building \"%2\". "
                           "Ask whoever runs the server for the right to read it.")
        .arg(where, schemaName);
}

QStringList buildingsOn(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    QStringList names;
    if (q.exec(QStringLiteral("SELECT n.nspname FROM pg_namespace n JOIN pg_class c "
                              "ON c.relnamespace = n.oid WHERE c.relname = 'Room_tel' "
                              "AND n.nspname NOT LIKE '%.before-restore-%' ORDER BY 1"))) {
        while (q.next())
            names << q.value(0).toString();
    }
    return names;
}

QStringList rowKey(const QList<KeyPart>& primaryKey, bool hasRowid)
{
    if (primaryKey.size() == 1 && primaryKey.first().rowidAlias)
        return {primaryKey.first().name};
    if (hasRowid)
        return {QStringLiteral("rowid")};
    QStringList names;
    for (const KeyPart& part : primaryKey)
        names << part.name;
    return names;
}

QStringList rowKey(const QSqlDatabase& db, const QString& table)
{
    const engine::TableShape shape = engine::tableShape(db, table);
    return rowKey(shape.primaryKey, shape.hasRowid);
}

} // namespace database
