#include "testdatabase.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <atomic>

namespace testdb {

namespace {

template <typename F> void withConnection(const QString& path, F&& body)
{
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("testdb-%1").arg(++counter);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(path));
        body(db);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void run(QSqlDatabase& db, const QString& statement, const QVariantList& values)
{
    QSqlQuery query(db);
    query.prepare(statement);
    for (const QVariant& v : values)
        query.addBindValue(v);
    if (!query.exec())
        qFatal("%s: %s", qPrintable(statement), qPrintable(query.lastError().text()));
}

} // namespace

void create(const QString& path, const TableSpec& layout, const QList<QVariantList>& rows)
{
    withConnection(path, [&](QSqlDatabase& db) {
        run(db, schema::createStatement(layout), {});
        QStringList columns, marks;
        for (const FieldSpec& f : layout.fields) {
            columns << QStringLiteral("\"%1\"").arg(f.name);
            marks << QStringLiteral("?");
        }
        const QString insert = QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                                   .arg(layout.table, columns.join(','), marks.join(','));
        db.transaction();
        for (const QVariantList& row : rows)
            run(db, insert, row);
        db.commit();
    });
}

void exec(const QString& path, const QString& statement, const QVariantList& values)
{
    withConnection(path, [&](QSqlDatabase& db) { run(db, statement, values); });
}

QList<QStringList> rows(const QString& path, const TableSpec& layout)
{
    QList<QStringList> result;
    withConnection(path, [&](QSqlDatabase& db) {
        QStringList columns;
        for (const FieldSpec& f : layout.fields)
            columns << QStringLiteral("\"%1\"").arg(f.name);
        QSqlQuery query(db);
        if (!query.exec(QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY rowid")
                            .arg(columns.join(','), layout.table)))
            qFatal("%s", qPrintable(query.lastError().text()));
        while (query.next()) {
            QStringList row;
            for (int i = 0; i < layout.fields.size(); ++i)
                row << (query.value(i).isNull() ? QStringLiteral("<NULL>")
                                                : query.value(i).toString());
            result << row;
        }
    });
    return result;
}

QList<QVariantList> operators(std::initializer_list<std::pair<const char*, const char*>> pairs)
{
    QList<QVariantList> result;
    for (const auto& [user, pin] : pairs)
        result << QVariantList{QString::fromUtf8(user), QString::fromUtf8(pin)};
    return result;
}

} // namespace testdb
