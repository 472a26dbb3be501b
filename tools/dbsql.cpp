#include "dbsql.h"

#include "database.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QUrl>

namespace dbtool {

QString quotedName(const QString& identifier)
{
    return QLatin1Char('"') +
           QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString insertStatement(const TableSpec& layout)
{
    QStringList columns;
    QStringList marks;
    for (const FieldSpec& f : layout.fields) {
        columns << quotedName(f.name);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quotedName(layout.table), columns.join(QStringLiteral(", ")),
             marks.join(QStringLiteral(", ")));
}

QStringList operatorNames(const QSqlDatabase& db, const TableSpec& layout)
{
    QStringList names;
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("SELECT %1 FROM %2")
                       .arg(quotedName(layout.fields.first().name), quotedName(layout.table)))) {
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
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(
            QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=ro"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        if (database::probe(path) == database::FileKind::Sqlite && db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("SELECT count(*) FROM %1")
                               .arg(quotedName(schema::operatorTable().table))) &&
                query.next())
                count = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return count;
}

} // namespace dbtool
