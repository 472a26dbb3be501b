#include "sqliteimage.h"

#include "database.h"

#include <QFile>
#include <QMap>
#include <QStringList>
#include <QThread>

namespace sqliteimage {

QString errorOf(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

Handle openFile(const QString& path, int flags, QString* why)
{
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, flags, nullptr);
    Handle db(raw);
    if (rc != SQLITE_OK) {
        *why = raw ? errorOf(raw) : QString::fromUtf8(sqlite3_errstr(rc));
        return nullptr;
    }
    sqlite3_busy_timeout(raw, 5000);
    return db;
}

Statement prepare(sqlite3* db, const QString& sql)
{
    sqlite3_stmt* raw = nullptr;
    sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &raw, nullptr);
    return Statement(raw);
}

bool exec(sqlite3* db, const QString& sql)
{
    return sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

QString integrity(sqlite3* db, const char* schemaName)
{
    Statement s = prepare(db, QStringLiteral("PRAGMA \"%1\".integrity_check").arg(schemaName));
    if (!s)
        return errorOf(db);
    QStringList found;
    while (sqlite3_step(s.get()) == SQLITE_ROW)
        found << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s.get(), 0)));
    if (found.isEmpty())
        return errorOf(db);
    return found.join(QStringLiteral("; "));
}

bool hasTable(sqlite3* db, const char* schemaName, const TableSpec& layout)
{
    Statement s = prepare(db, QStringLiteral("SELECT name FROM pragma_table_info(?1, ?2)"));
    if (!s)
        return false;
    const QByteArray table = layout.table.toUtf8();
    sqlite3_bind_text(s.get(), 1, table.constData(), int(table.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(s.get(), 2, schemaName, -1, SQLITE_STATIC);
    QStringList names;
    while (sqlite3_step(s.get()) == SQLITE_ROW)
        names << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(s.get(), 0)))
                     .toLower();
    for (const QString& field : layout.fieldNames()) {
        if (!names.contains(field.toLower()))
            return false;
    }
    return true;
}

TableShape shapeOf(sqlite3* db, const char* schemaName, const QString& table)
{
    TableShape shape;
    Statement s = prepare(db, QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?1, ?2) "
                                             "ORDER BY cid"));
    if (!s)
        return shape;
    const QByteArray name = table.toUtf8();
    sqlite3_bind_text(s.get(), 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(s.get(), 2, schemaName, -1, SQLITE_STATIC);
    QMap<int, database::KeyPart> key;
    while (sqlite3_step(s.get()) == SQLITE_ROW) {
        const auto text = [&](int column) {
            return QString::fromUtf8(
                reinterpret_cast<const char*>(sqlite3_column_text(s.get(), column)));
        };
        shape.columns << text(0);
        if (const int pk = sqlite3_column_int(s.get(), 2); pk > 0)
            key.insert(pk, {text(0), text(1)});
    }
    shape.primaryKey = key.values();
    shape.hasRowid = bool(
        prepare(db, QStringLiteral("SELECT rowid FROM \"%1\".%2 LIMIT 0")
                        .arg(QString::fromUtf8(schemaName), database::quotedIdentifier(table))));
    return shape;
}

Outcome imageOf(const QString& path, QByteArray& image)
{
    if (database::probe(path) != database::FileKind::Sqlite)
        return Outcome::failure(
            QStringLiteral("%1 is missing or not an SQLite database.").arg(path));
    QString why;
    // Read-write, so a journal left by a killed writer is rolled back first.
    Handle source = openFile(path, SQLITE_OPEN_READWRITE, &why);
    Handle copy = openFile(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE, &why);
    if (!source || !copy)
        return Outcome::failure(QStringLiteral("%1 cannot be read: %2").arg(path, why));
    sqlite3_backup* b = sqlite3_backup_init(copy.get(), "main", source.get(), "main");
    if (!b)
        return Outcome::failure(
            QStringLiteral("%1 cannot be read: %2").arg(path, errorOf(copy.get())));
    int rc = SQLITE_OK;
    // A writer holds the file only for the moment of one write; wait it out.
    for (int tries = 0; tries < 100; ++tries) {
        rc = sqlite3_backup_step(b, -1);
        if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
            break;
        QThread::msleep(50);
    }
    sqlite3_backup_finish(b);
    if (rc != SQLITE_DONE)
        return Outcome::failure(QStringLiteral("%1 cannot be read: %2")
                                    .arg(path, QString::fromUtf8(sqlite3_errstr(rc))));
    sqlite3_int64 size = 0;
    unsigned char* bytes = sqlite3_serialize(copy.get(), "main", &size, 0);
    if (!bytes)
        return Outcome::failure(QStringLiteral("%1 is too large to copy.").arg(path));
    image = QByteArray(reinterpret_cast<const char*>(bytes), qsizetype(size));
    sqlite3_free(bytes);
    return Outcome::success();
}

Handle openImage(QByteArray& image)
{
    QString why;
    Handle db = openFile(QStringLiteral(":memory:"), SQLITE_OPEN_READWRITE, &why);
    if (!db ||
        sqlite3_deserialize(db.get(), "main", reinterpret_cast<unsigned char*>(image.data()),
                            image.size(), image.size(), SQLITE_DESERIALIZE_READONLY) != SQLITE_OK)
        return nullptr;
    return db;
}

} // namespace sqliteimage
