#include "dbsql.h"

#include "database.h"

#include <QSqlQuery>

namespace dbtool {

QString insertStatement(const TableSpec& layout)
{
    QStringList columns;
    QStringList marks;
    for (const FieldSpec& f : layout.fields) {
        columns << database::quotedIdentifier(f.name);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(database::quotedIdentifier(layout.table), columns.join(QStringLiteral(", ")),
             marks.join(QStringLiteral(", ")));
}

QStringList operatorNames(const QSqlDatabase& db, const TableSpec& layout)
{
    QStringList names;
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("SELECT %1 FROM %2")
                       .arg(database::quotedIdentifier(layout.fields.first().name),
                            database::quotedIdentifier(layout.table)))) {
        while (query.next())
            names << query.value(0).toString();
    }
    return names;
}

std::optional<int> operatorCount(const QString& path)
{
    const QString connection = database::uniqueConnectionName(QStringLiteral("quorvane-db-count"));
    std::optional<int> count;
    {
        if (database::probe(path) == database::FileKind::Sqlite &&
            !database::connect(path, connection, database::Access::ReadOnly).isValid()) {
            QSqlQuery query(QSqlDatabase::database(connection, false));
            if (query.exec(QStringLiteral("SELECT count(*) FROM %1")
                               .arg(database::quotedIdentifier(schema::operatorTable().table))) &&
                query.next())
                count = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return count;
}

} // namespace dbtool
