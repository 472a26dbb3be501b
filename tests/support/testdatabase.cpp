#include "testdatabase.h"

#include "database.h"
#include "engine/databaseengine.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace testdb {

namespace {

// Runs body on a connection of its own, as another program would.
template <typename F> void withConnection(const QString& path, F&& body)
{
    const QString name = database::uniqueConnectionName(QStringLiteral("testdb"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        body(db);
    }
    QSqlDatabase::removeDatabase(name);
}

void run(QSqlQuery& query, const QString& statement, const QVariantList& values = {})
{
    query.prepare(statement);
    for (const QVariant& v : values)
        query.addBindValue(v);
    if (!query.exec())
        qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
}

QString columns(const TableSpec& layout)
{
    QStringList names;
    for (const FieldSpec& f : layout.fields)
        names << database::quotedIdentifier(f.name);
    return names.join(QLatin1Char(','));
}

} // namespace

void create(const QString& path, const TableSpec& layout, const QList<QVariantList>& rows)
{
    withConnection(path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        run(query, schema::createStatement(layout, engine::fileDialect()));
        const QStringList marks(layout.fields.size(), QStringLiteral("?"));
        db.transaction();
        for (const QVariantList& row : rows)
            run(query,
                QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(database::quotedIdentifier(layout.table), columns(layout),
                         marks.join(QLatin1Char(','))),
                row);
        db.commit();
    });
}

void exec(const QString& path, const QString& statement, const QVariantList& values)
{
    withConnection(path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        run(query, statement, values);
    });
}

QList<QStringList> rows(const QString& path, const TableSpec& layout)
{
    QList<QStringList> result;
    withConnection(path, [&](QSqlDatabase& db) {
        QSqlQuery query(db);
        run(query, QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
                       .arg(columns(layout), database::quotedIdentifier(layout.table)));
        while (query.next()) {
            QStringList row;
            for (int i = 0; i < layout.fields.size(); ++i)
                row << (query.isNull(i) ? QStringLiteral("<NULL>") : query.value(i).toString());
            result << row;
        }
    });
    return result;
}

TableSpec changeRecord()
{
    TableSpec layout{QStringLiteral("change_record"), {}};
    for (const char* name :
         {"what", "subject", "old_values", "new_values", "operator", "host", "os_user", "detail"})
        layout.fields << FieldSpec{QString::fromLatin1(name)};
    return layout;
}

QList<QVariantList> operators(std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    QList<QVariantList> result;
    for (const auto& [user, pin] : pairs)
        result << QVariantList{QString::fromUtf8(user), QString::fromUtf8(pin)};
    return result;
}

} // namespace testdb
