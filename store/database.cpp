#include "database.h"

#include "changerecord.h"
#include "databaseadvice.h"
#include "datafolder.h"
#include "engine/databaseengine.h"
#include "location.h"
#include "server.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

namespace database {

namespace {

// What each connection connect() made was opened on, so a message about it
// names the file or the building; connections are opened on several threads.
QHash<QString, store::Database>& opened()
{
    static QHash<QString, store::Database> databases;
    return databases;
}

QMutex& openedMutex()
{
    static QMutex mutex;
    return mutex;
}

// The options that name the server and building, for a command shown in a
// message: the connection as libpq parsed it, without its password.
QString serverOptions(const server::Place& shown)
{
    QStringList pairs;
    for (const auto& [key, value] : shown.options) {
        if (key != QLatin1String("password"))
            pairs << key + QLatin1Char('=') + value;
    }
    return QStringLiteral(" --database %1 --building %2")
        .arg(shellQuoted(pairs.join(QLatin1Char(' '))), shellQuoted(shown.building));
}

QString companion(const QString& command, const store::Location& location)
{
    if (location.isBuilding())
        return datafolder::companionCommand() + QLatin1Char(' ') + command +
               serverOptions(location.place());
    return datafolder::companionCommand() + QLatin1Char(' ') + command + QLatin1Char(' ') +
           shellQuoted(location.folderPath());
}

QString serverError(const QSqlError& error, const server::Place& place)
{
    const QString where = place.where();
    const QString building = place.building;
    QString text = error.databaseText().trimmed();
    if (text.isEmpty())
        text = error.driverText().trimmed();
    // libpq's words may quote the connection; its password is never shown.
    if (const QString password = place.option(QStringLiteral("password")); !password.isEmpty())
        text.replace(password, QStringLiteral("********"));
    switch (engine::server().problemOf(error)) {
    case engine::Problem::Refused:
        // The server answered, but not to this login or for this database.
        return QCoreApplication::translate("database",
                                           "the database server %1 refused the connection (%2).")
            .arg(where, text);
    case engine::Problem::Disconnected:
        // Nothing came from the server: libpq may tell that a setting failed.
        if (error.nativeErrorCode().isEmpty()) {
            if (const QString setting = server::settingAtFault(place); !setting.isEmpty())
                return setting;
        }
        //: %1 is host:port/database; %2 is empty or the server's reason in brackets.
        return QCoreApplication::translate(
                   "database", "the database server %1 cannot be reached%2. Try again once "
                               "the server is back.")
            .arg(where, text.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(text));
    case engine::Problem::ReadOnly:
        return QCoreApplication::translate(
                   "database", "the database server %1 lets this login only read building "
                               "\"%2\", so nothing can be saved. Ask whoever runs the server for "
                               "the right to change it.")
            .arg(where, building);
    case engine::Problem::Busy:
        return QCoreApplication::translate(
                   "database", "another PC is holding the same rows of building \"%1\" on %2. "
                               "Try again in a moment.")
            .arg(building, where);
    case engine::Problem::Constraint:
        return QCoreApplication::translate(
                   "database", "the table of building \"%1\" on %2 refused the value (%3).")
            .arg(building, where, text);
    case engine::Problem::Full:
        return QCoreApplication::translate("database",
                                           "the disk of the database server %1 is full.")
            .arg(where);
    default:
        break;
    }
    return QCoreApplication::translate("database", "the database server %1 refused it (%2).")
        .arg(where,
             text.isEmpty() ? QCoreApplication::translate("database", "no reason given") : text);
}

} // namespace

QString advice(const store::Database& database)
{
    const store::Location location = database.location();
    if (database.onServer())
        return QCoreApplication::translate("database", "Prepare the building with:\n%1")
            .arg(initCommand(location));
    return QCoreApplication::translate("database",
                                       "Move the file aside and prepare a new one with:\n%1")
        .arg(initCommand(location));
}

FileKind probe(const QString& path)
{
    QFileInfo info(path);
    if (!info.exists())
        return FileKind::Missing;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return FileKind::Unreadable;
    const QByteArray head = file.read(32);
    if (head.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return FileKind::Sqlite;
    // Access and Jet files carry their engine's name from the fifth byte on.
    const QByteArray engine = head.mid(4, 15);
    if (engine == "Standard Jet DB" || engine == "Standard ACE DB")
        return FileKind::AccessJet;
    return FileKind::Other;
}

QString pathIn(const QString& directory, const QString& fileName)
{
    return QDir(directory).filePath(fileName);
}

store::Database databaseOf(const QSqlDatabase& db)
{
    {
        const QMutexLocker lock(&openedMutex());
        if (const auto found = opened().constFind(db.connectionName()); found != opened().cend())
            return *found;
    }
    const QString name = db.databaseName();
    // A file is opened by its file: address, which carries how it is opened.
    if (name.startsWith(QStringLiteral("file:")))
        return store::Database(QUrl(name).toLocalFile());
    return store::Database(name);
}

QString shownName(const QSqlDatabase& db)
{
    return databaseOf(db).describe();
}

QString quotedIdentifier(const QString& identifier)
{
    return QLatin1Char('"') +
           QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString quotedList(const QStringList& names)
{
    QStringList quoted;
    for (const QString& name : names)
        quoted << quotedIdentifier(name);
    return quoted.join(QStringLiteral(", "));
}

QString shellQuoted(const QString& text)
{
    QString quoted = text;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

QString initCommand(const store::Location& location)
{
    return companion(QStringLiteral("init"), location);
}

QString addOperatorCommand(const store::Location& location)
{
    return companion(QStringLiteral("add-operator"), location);
}

QString checkCommand(const store::Location& location)
{
    return companion(QStringLiteral("check"), location);
}

QString initCommand(const QString& folder)
{
    return initCommand(store::Location::folder(folder));
}

QString addOperatorCommand(const QString& folder)
{
    return addOperatorCommand(store::Location::folder(folder));
}

QString checkCommand(const QString& folder)
{
    return checkCommand(store::Location::folder(folder));
}

QString plainError(int nativeCode, const QString& engineText, const QString& path)
{
    switch (engine::files().problemOf(nativeCode)) {
    case engine::Problem::ReadOnly:
        return QCoreApplication::translate(
                   "database", "the database file %1 is read-only, so nothing can be saved to it. "
                               "Let this user write the file and its folder, then try again.")
            .arg(path);
    case engine::Problem::Busy:
        return QCoreApplication::translate(
                   "database", "another program is holding the database file %1. Try again in a "
                               "moment.")
            .arg(path);
    case engine::Problem::Corrupt:
        return QCoreApplication::translate(
                   "database", "the database file %1 is damaged. Find out what can be saved of it "
                               "with:\n%2")
            .arg(path, checkCommand(QFileInfo(path).absolutePath()));
    case engine::Problem::Full:
        return QCoreApplication::translate("database",
                                           "the disk that holds the database file %1 is full.")
            .arg(path);
    case engine::Problem::InputOutput:
        return QCoreApplication::translate(
                   "database", "the database file %1 could not be read or written: the disk or "
                               "the file system failed.")
            .arg(path);
    case engine::Problem::CannotOpen:
        return QCoreApplication::translate(
                   "database", "the database file %1 cannot be opened: check that it is a file "
                               "and that you may read and write it and its folder.")
            .arg(path);
    case engine::Problem::Constraint:
        return QCoreApplication::translate("database", "the table in %1 refused the value (%2).")
            .arg(path, engineText);
    case engine::Problem::Disconnected:
    case engine::Problem::Refused:
    case engine::Problem::NoSuchTable:
    case engine::Problem::Other:
        break;
    }
    //: %2 is the database engine's own reason, or "no reason given".
    return QCoreApplication::translate("database", "the database file %1 could not be used (%2).")
        .arg(path, engineText.isEmpty() ? QCoreApplication::translate("database", "no reason given")
                                        : engineText);
}

QString plainError(const QSqlError& error, const store::Database& database)
{
    if (database.onServer())
        return serverError(error, database.place());
    return plainError(error.nativeErrorCode().toInt(), error.databaseText(), database.path());
}

QSqlError connect(const store::Database& database, const QString& connectionName, Access access,
                  int busyWaitMs)
{
    // The companion's own files wait 5 s for a busy file.
    static constexpr int kOpenWaitMs = 15000;
    static constexpr int kCompanionWaitMs = 5000;
    if (busyWaitMs == 0)
        busyWaitMs = access == Access::ReadWrite ? kOpenWaitMs : kCompanionWaitMs;
    const engine::DatabaseEngine& chosen = database.engine();
    QSqlError error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(chosen.driverName(), connectionName);
        const QStringList pragmas = chosen.configure(db, database, access, busyWaitMs);
        if (!db.open()) {
            error = chosen.openError(db, database);
        } else {
            QSqlQuery pragma(db);
            for (const QString& statement : pragmas) {
                if (!pragma.exec(statement)) {
                    error = pragma.lastError();
                    break;
                }
            }
            if (error.isValid()) {
                pragma = QSqlQuery();
                db.close();
            }
        }
    }
    if (error.isValid()) {
        QSqlDatabase::removeDatabase(connectionName);
    } else {
        const QMutexLocker lock(&openedMutex());
        opened().insert(connectionName, database);
    }
    return error;
}

Outcome open(const store::Database& database, const QString& connectionName)
{
    const QString& path = database.path();
    if (database.onServer()) {
        if (const QSqlError error = connect(database, connectionName, Access::ReadWrite);
            error.isValid())
            return Outcome::failure(
                QCoreApplication::translate("database", "The database cannot be opened: %1")
                    .arg(plainError(error, database)));
        static_cast<void>(
            changerecord::upgrade(QSqlDatabase::database(connectionName, false), database));
        return Outcome::success();
    }
    const QString dir = QFileInfo(path).absolutePath();
    switch (probe(path)) {
    case FileKind::Missing:
        return Outcome::failure(
            QCoreApplication::translate("database",
                                        "The database file %1 does not exist. Prepare it with:\n%2")
                .arg(path, initCommand(dir)));
    case FileKind::Unreadable:
        return Outcome::failure(
            QCoreApplication::translate(
                "database", "The database file %1 cannot be read: check that it is a file and "
                            "that you may read and write it.")
                .arg(path));
    case FileKind::AccessJet:
        return Outcome::failure(
            QCoreApplication::translate(
                "database", "The database file %1 is an Access database from an older system; "
                            "this program keeps its data in SQLite databases. %2")
                .arg(path, advice(path)));
    case FileKind::Other:
        return Outcome::failure(
            QCoreApplication::translate("database",
                                        "The database file %1 is not an SQLite database. %2")
                .arg(path, advice(path)));
    case FileKind::Sqlite:
        break;
    }

    if (const QSqlError error = connect(database, connectionName, Access::ReadWrite);
        error.isValid())
        return Outcome::failure(
            QCoreApplication::translate("database", "The database cannot be opened: %1")
                .arg(plainError(error, database)));
    // A change record an earlier release wrote gets its values as values; one
    // this login may not alter keeps being read from its text.
    static_cast<void>(
        changerecord::upgrade(QSqlDatabase::database(connectionName, false), database));
    return Outcome::success();
}

bool execute(QSqlQuery& query, const QString& statement, const QVariantList& values)
{
    if (values.isEmpty())
        return query.exec(statement);
    query.prepare(statement);
    for (const QVariant& value : values)
        query.addBindValue(value);
    return query.exec();
}

void close(const QString& connectionName)
{
    {
        const QMutexLocker lock(&openedMutex());
        opened().remove(connectionName);
    }
    if (!QSqlDatabase::contains(connectionName))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

QString uniqueConnectionName(const QString& prefix)
{
    static std::atomic<int> counter{0};
    return QStringLiteral("%1-%2").arg(prefix).arg(++counter);
}

} // namespace database
