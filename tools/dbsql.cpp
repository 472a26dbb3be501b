#include "dbsql.h"

#include "database.h"

#include <QSqlQuery>

namespace dbtool {

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

} // namespace dbtool
