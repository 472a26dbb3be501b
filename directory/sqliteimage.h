#pragma once

#include "database.h"
#include "outcome.h"
#include "schema.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sqlite3.h>

#include <memory>

// Whole databases as bytes, and the few calls of SQLite's own interface that
// backup and restore need beyond Qt's driver: the online backup, images
// opened in memory, integrity checks.
namespace sqliteimage {

struct Closer
{
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Handle = std::unique_ptr<sqlite3, Closer>;

struct Finalizer
{
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalizer>;

QString errorOf(sqlite3* db);
// Opens path with SQLite's flags, waiting up to 5 s for a busy file; null
// with why set when it cannot.
Handle openFile(const QString& path, int flags, QString* why);
Statement prepare(sqlite3* db, const QString& sql);
bool exec(sqlite3* db, const QString& sql);
// "ok", or what PRAGMA integrity_check found.
QString integrity(sqlite3* db, const char* schemaName);
// Whether the schema's database holds the table with all its fields.
bool hasTable(sqlite3* db, const char* schemaName, const TableSpec& layout);
// What a table is made of: its columns in order, its primary key, and
// whether it has a rowid (a table made WITHOUT ROWID has none).
struct TableShape
{
    QStringList columns;
    QList<database::KeyPart> primaryKey;
    bool hasRowid = false;
};
TableShape shapeOf(sqlite3* db, const char* schemaName, const QString& table);
// The whole database at path as SQLite's online backup copies it.
Outcome imageOf(const QString& path, QByteArray& image);
// Opens an image as a read-only database in memory; the bytes must outlive it.
Handle openImage(QByteArray& image);

} // namespace sqliteimage
