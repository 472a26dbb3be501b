// The program's databases kept in SQLite, as the dialect's words; the file
// work is sqlitefiles.cpp.
#include "databaseengine.h"

#include "busywait.h"
#include "location.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace engine {

namespace {

class SqliteEngine final : public DatabaseEngine
{
public:
    QString driverName() const override { return QStringLiteral("QSQLITE"); }

    QStringList configure(QSqlDatabase& db, const store::Database& file, database::Access access,
                          int busyWaitMs) const override
    {
        using database::Access;
        const char* mode = access == Access::ReadOnly ? "ro"
                           : access == Access::Create ? "rwc"
                                                      : "rw";
        QString options =
            QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(busyWaitMs);
        QStringList pragmas;
        switch (access) {
        case Access::ReadWrite:
            pragmas = {QStringLiteral("PRAGMA journal_mode=DELETE"),
                       QStringLiteral("PRAGMA synchronous=FULL"),
                       QStringLiteral("PRAGMA busy_timeout=%1").arg(database::kStatementWaitMs)};
            break;
        case Access::ReadOnly:
            options += QStringLiteral(";QSQLITE_OPEN_READONLY");
            break;
        case Access::Create:
            pragmas = {QStringLiteral("PRAGMA journal_mode=MEMORY"),
                       QStringLiteral("PRAGMA synchronous=FULL")};
            break;
        case Access::AsFound:
            break;
        }
        // mode=rw opens an existing file only: the program never creates a database.
        db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(file.path()).absoluteFilePath())
                               .toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=") + QLatin1String(mode));
        db.setConnectOptions(options);
        return pragmas;
    }

    Problem problemOf(const QSqlError& error) const override
    {
        return files().problemOf(error.nativeErrorCode().toInt());
    }
    QSqlError openError(const QSqlDatabase& db, const store::Database&) const override
    {
        return db.lastError();
    }

    // IMMEDIATE takes the write lock of the whole file at once.
    QStringList beginWrite(const QString& = {}) const override
    {
        return {QStringLiteral("BEGIN IMMEDIATE")};
    }
    QString waitAtMost(int ms) const override
    {
        return QStringLiteral("PRAGMA busy_timeout=%1").arg(ms);
    }
    // The read lock taken at the first read is held to the end.
    QString beginSnapshot() const override { return QStringLiteral("BEGIN"); }
    QString sameAs() const override { return QStringLiteral(" IS ?"); }
    QString holdsInteger(const QString& column) const override
    {
        return QStringLiteral("typeof(%1) = 'integer'").arg(column);
    }
    bool keyByReturning() const override { return false; }
    bool hasRowid(const QSqlDatabase& db, const QString& table) const override
    {
        return QSqlQuery(db).exec(
            QStringLiteral("SELECT rowid FROM %1 LIMIT 0").arg(database::quotedIdentifier(table)));
    }
    QString catalogueProbe() const override
    {
        return QStringLiteral("SELECT 1 FROM sqlite_master LIMIT 1");
    }

    QString numberedKey(const QString& column) const override
    {
        return column + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    }
    // SQLite counts code points, not the login box's UTF-16 units, and
    // cannot tell invalid UTF-8: the companion and the program check those.
    QString controlFree(const QString& column) const override
    {
        return QStringLiteral("CHECK (%1 NOT GLOB '*[' || char(1) || '-' || char(31) || "
                              "char(127) || '-' || char(159) || ']*')")
            .arg(column);
    }
    // The key is the row's place in the file: no rowid beside it.
    QString ownKeyEnd() const override { return QStringLiteral(" WITHOUT ROWID"); }
};

} // namespace

const DatabaseEngine& fileDialect()
{
    static const SqliteEngine sqlite;
    return sqlite;
}

} // namespace engine
