#include "databaseengine.h"

#include "libpq.h"

#include "location.h"
#include "server.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMap>
#include <QRegularExpression>

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <poll.h>

// A building on a PostgreSQL server through Qt's QPSQL driver. libpq finds
// the password itself (~/.pgpass, PGPASSWORD, a service file) unless the
// connection string holds one; none is ever written anywhere by us.
namespace engine {

namespace {

Problem problemOfState(const QString& state, QSqlError::ErrorType type)
{
    // Refused at the door: no such login or password (28000, 28P01), no such
    // database (3D000), no right to connect to it (42501).
    if (type == QSqlError::ConnectionError &&
        (state.startsWith(QLatin1String("28")) || state == QLatin1String("3D000") ||
         state == QLatin1String("42501")))
        return Problem::Refused;
    if (state.isEmpty() || state.startsWith(QLatin1String("08")) ||
        state.startsWith(QLatin1String("57P")))
        return Problem::Disconnected;
    if (state == QLatin1String("42501") || state == QLatin1String("25006"))
        return Problem::ReadOnly;
    if (state == QLatin1String("40001") || state == QLatin1String("40P01") ||
        state == QLatin1String("55P03") || state == QLatin1String("57014"))
        return Problem::Busy;
    if (state == QLatin1String("42P01"))
        return Problem::NoSuchTable;
    if (state.startsWith(QLatin1String("23")))
        return Problem::Constraint;
    if (state == QLatin1String("53100"))
        return Problem::Full;
    if (state.startsWith(QLatin1String("XX")))
        return Problem::Corrupt;
    if (state.startsWith(QLatin1String("58")))
        return Problem::InputOutput;
    return Problem::Other;
}

// The SQLSTATE the server gave when it refused a connection to the place
// in use, asked of libpq on a connection of its own whose error words are
// only the code; empty when no server answered within two seconds.
QString refusalState(const server::Place& place)
{
    const Expected<const libpq::Functions*> loaded = libpq::functions();
    if (!loaded)
        return {};
    const libpq::Functions& pq = **loaded;
    const server::ConnectParams params(place.options);
    PGconn* connection = pq.PQconnectStartParams(params.keywords(), params.values(), 0);
    if (!connection)
        return {};
    pq.PQsetErrorVerbosity(connection, PQERRORS_SQLSTATE);
    const QDeadlineTimer deadline(2000);
    PostgresPollingStatusType polled = PGRES_POLLING_WRITING;
    while (polled != PGRES_POLLING_OK && polled != PGRES_POLLING_FAILED &&
           pq.PQsocket(connection) >= 0) {
        pollfd wait{pq.PQsocket(connection),
                    short(polled == PGRES_POLLING_READING ? POLLIN : POLLOUT), 0};
        if (::poll(&wait, 1, int(deadline.remainingTime())) <= 0)
            break;
        polled = pq.PQconnectPoll(connection);
    }
    // With SQLSTATE verbosity the server's part of the message is its
    // severity and the code, nothing else.
    QString state;
    if (polled == PGRES_POLLING_FAILED || pq.PQstatus(connection) == CONNECTION_BAD) {
        const QStringList words =
            QString::fromUtf8(pq.PQerrorMessage(connection))
                .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        static const QRegularExpression code(QStringLiteral("^[0-9A-Z]{5}$"));
        if (!words.isEmpty() && code.match(words.last()).hasMatch())
            state = words.last();
    }
    pq.PQfinish(connection);
    return state;
}

class PostgresEngine final : public DatabaseEngine
{
public:
    QString driverName() const override { return QStringLiteral("QPSQL"); }

    QStringList configure(QSqlDatabase& db, const store::Database& database,
                          database::Access access, int busyWaitMs) const override
    {
        server::Place place = database.place();
        bool timeout = false;
        for (const auto& option : place.options)
            timeout = timeout || option.first == QLatin1String("connect_timeout");
        // An unreachable server is told at once rather than after minutes.
        if (!timeout)
            place.options.append({QStringLiteral("connect_timeout"), QStringLiteral("5")});
        bool named = false;
        for (const auto& option : place.options)
            named = named || option.first == QLatin1String("application_name");
        if (!named)
            place.options.append({QStringLiteral("application_name"), QStringLiteral("quorvane")});
        // What QSqlDatabase has setters for goes through them: the driver
        // turns every ';' of its connect options into a space, a password's too.
        db.setHostName(place.option(QStringLiteral("host")));
        db.setDatabaseName(place.option(QStringLiteral("dbname")));
        db.setUserName(place.option(QStringLiteral("user")));
        db.setPassword(place.option(QStringLiteral("password")));
        bool onePort = false;
        const int port = place.option(QStringLiteral("port")).toInt(&onePort);
        if (onePort)
            db.setPort(port);
        db.setConnectOptions(server::connectOptions(place));
        QStringList statements{
            QStringLiteral("SET search_path TO %1")
                .arg(database::quotedIdentifier(database.schema())),
            QStringLiteral("SET lock_timeout = %1").arg(busyWaitMs),
            // The server's notices ("already exists, skipping") are not the operator's business.
            QStringLiteral("SET client_min_messages = warning")};
        if (access == database::Access::ReadOnly)
            statements << QStringLiteral("SET default_transaction_read_only = on");
        return statements;
    }

    Problem problemOf(const QSqlError& error) const override
    {
        return problemOfState(error.nativeErrorCode(), error.type());
    }

    QSqlError openError(const QSqlDatabase& db, const store::Database& database) const override
    {
        // Qt's driver keeps no SQLSTATE of a failed connection: libpq is asked once more.
        const QSqlError error = db.lastError();
        return QSqlError(error.driverText(), error.databaseText(), QSqlError::ConnectionError,
                         refusalState(database.place()));
    }

    QStringList beginWrite(const QString& lockedTable = {}) const override
    {
        if (lockedTable.isEmpty())
            return {QStringLiteral("BEGIN")};
        return {QStringLiteral("BEGIN"), QStringLiteral("LOCK TABLE %1 IN SHARE ROW EXCLUSIVE MODE")
                                             .arg(database::quotedIdentifier(lockedTable))};
    }
    QString waitAtMost(int ms) const override
    {
        return QStringLiteral("SET lock_timeout = %1").arg(ms);
    }
    QString beginSnapshot() const override
    {
        return QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY");
    }
    QString sameAs() const override { return QStringLiteral(" IS NOT DISTINCT FROM ?"); }
    bool keyByReturning() const override { return true; }
    QString holdsInteger(const QString& column) const override
    {
        return QStringLiteral("%1 IS NOT NULL").arg(column);
    }
    bool hasRowid(const QSqlDatabase&, const QString&) const override { return false; }
    QString catalogueProbe() const override { return QStringLiteral("SELECT 1"); }

    QString numberedKey(const QString& column) const override
    {
        return column + QStringLiteral(" integer GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY");
    }
    // A name or PIN may hold no control character; the server says so in its own words.
    QString controlFree(const QString& column) const override
    {
        return QStringLiteral("CHECK (%1 !~ '[\\x01-\\x1f\\x7f-\\x9f]')").arg(column);
    }
    QString ownKeyEnd() const override { return {}; }
};

} // namespace

const DatabaseEngine& server()
{
    static const PostgresEngine postgres;
    return postgres;
}

} // namespace engine
