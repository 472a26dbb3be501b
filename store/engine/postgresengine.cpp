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
#include <QStringEncoder>

#include <algorithm>
#include <poll.h>
#include <utility>

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

// Sent to the server a chunk at a time, small enough that the server works
// on one while the next is made.
constexpr qsizetype kCopyChunk = 128 * 1024;

// A value in COPY's text format, its UTF-8 given.
QByteArray escaped(QByteArrayView utf8)
{
    QByteArray text;
    for (const char c : utf8) {
        switch (c) {
        case '\\':
            text += "\\\\";
            break;
        case '\t':
            text += "\\t";
            break;
        case '\n':
            text += "\\n";
            break;
        case '\r':
            text += "\\r";
            break;
        default:
            text += c;
        }
    }
    return text;
}

// Where Qt's driver hands out no libpq connection: one INSERT a row.
class InsertEach final : public CopyStream
{
public:
    InsertEach(const QSqlDatabase& db, const QString& table, const QStringList& quoted)
        : m_insert(db)
    {
        m_prepared =
            m_insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                 .arg(database::quotedIdentifier(table), quoted.join(u','),
                                      QStringList(quoted.size(), QStringLiteral("?")).join(u',')));
    }

    Outcome add(std::span<const QStringView> values) override
    {
        for (const QStringView value : values)
            m_insert.addBindValue(value.isNull() ? QString() : value.toString());
        if (!m_prepared || !m_insert.exec())
            return Outcome::failure(m_insert.lastError().databaseText());
        return Outcome::success();
    }
    Outcome finish() override { return Outcome::success(); }

private:
    QSqlQuery m_insert;
    bool m_prepared = false;
};

// COPY's text format: a tab between values, a backslash escape for what
// would end one, \N for NULL.
class LibpqCopy final : public CopyStream
{
public:
    LibpqCopy(const libpq::Functions& pq, PGconn* connection) : m_pq(pq), m_connection(connection)
    {
        m_buffer.reserve(kCopyChunk + 4096);
    }
    ~LibpqCopy() override
    {
        if (m_open) {
            // Abandoned: the server ends the copy with an error, which fails
            // the transaction it was part of.
            m_pq.PQputCopyEnd(m_connection, "the rows were not all given");
            takeResults(nullptr);
        }
    }

    Outcome add(std::span<const QStringView> values) override
    {
        bool first = true;
        for (const QStringView value : values) {
            if (!std::exchange(first, false))
                m_buffer += '\t';
            if (value.isNull()) {
                m_buffer += "\\N";
                continue;
            }
            const qsizetype at = m_buffer.size();
            m_buffer.resize(at + m_utf8.requiredSpace(value.size()));
            m_buffer.truncate(m_utf8.appendToBuffer(m_buffer.data() + at, value) -
                              m_buffer.constData());
            if (std::any_of(value.cbegin(), value.cend(), [](QChar c) {
                    return c == u'\\' || c == u'\t' || c == u'\n' || c == u'\r';
                })) {
                const QByteArray text = escaped(m_buffer.sliced(at));
                m_buffer.truncate(at);
                m_buffer += text;
            }
        }
        m_buffer += '\n';
        return m_buffer.size() < kCopyChunk ? Outcome::success() : send();
    }

    Outcome finish() override
    {
        const Outcome sent = m_buffer.isEmpty() ? Outcome::success() : send();
        m_open = false;
        if (m_pq.PQputCopyEnd(m_connection, sent ? nullptr : "the rows could not be sent") != 1 ||
            !sent)
            return failed(nullptr);
        PGresult* ended = m_pq.PQgetResult(m_connection);
        if (m_pq.PQresultStatus(ended) != PGRES_COMMAND_OK)
            return failed(ended);
        takeResults(ended);
        return Outcome::success();
    }

private:
    Outcome send()
    {
        const bool sent =
            m_pq.PQputCopyData(m_connection, m_buffer.constData(), int(m_buffer.size())) == 1;
        m_buffer.truncate(0);
        return sent ? Outcome::success() : Outcome::failure(errorMessage());
    }
    QString errorMessage() const
    {
        return QString::fromUtf8(m_pq.PQerrorMessage(m_connection)).trimmed();
    }
    // Takes the server's answers to the copy, so the connection can be used again.
    void takeResults(PGresult* result)
    {
        m_pq.PQclear(result);
        while (PGresult* more = m_pq.PQgetResult(m_connection))
            m_pq.PQclear(more);
    }
    Outcome failed(PGresult* result)
    {
        const QString why = errorMessage();
        takeResults(result);
        return Outcome::failure(why);
    }

    const libpq::Functions& m_pq;
    PGconn* m_connection;
    QByteArray m_buffer;
    QStringEncoder m_utf8{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    bool m_open = true;
};

class PostgresCopy final : public BulkCopy
{
public:
    Expected<std::unique_ptr<CopyStream>> open(const QSqlDatabase& db, const QString& table,
                                               const QStringList& columns) const override
    {
        const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
        QStringList quoted;
        for (const QString& column : columns)
            quoted << database::quotedIdentifier(column);
        // Qt hands libpq's connection out under the name of its struct.
        const Expected<const libpq::Functions*> loaded = libpq::functions();
        if (!loaded || (qstrcmp(handle.typeName(), "PGconn*") != 0 &&
                        qstrcmp(handle.typeName(), "pg_conn*") != 0))
            return std::unique_ptr<CopyStream>(std::make_unique<InsertEach>(db, table, quoted));
        const libpq::Functions& pq = **loaded;
        PGconn* connection = *static_cast<PGconn* const*>(handle.data());
        const QByteArray copy = QStringLiteral("COPY %1 (%2) FROM STDIN")
                                    .arg(database::quotedIdentifier(table), quoted.join(u','))
                                    .toUtf8();
        PGresult* started = pq.PQexec(connection, copy.constData());
        const bool copying = pq.PQresultStatus(started) == PGRES_COPY_IN;
        pq.PQclear(started);
        if (!copying) {
            const QString why = QString::fromUtf8(pq.PQerrorMessage(connection)).trimmed();
            while (PGresult* more = pq.PQgetResult(connection))
                pq.PQclear(more);
            return Expected<std::unique_ptr<CopyStream>>::failure(why);
        }
        return std::unique_ptr<CopyStream>(std::make_unique<LibpqCopy>(pq, connection));
    }
};

} // namespace

const DatabaseEngine& server()
{
    static const PostgresEngine postgres;
    return postgres;
}

const BulkCopy* bulkCopyOf(const QSqlDatabase& db)
{
    static const PostgresCopy copy;
    return db.driver() && db.driver()->dbmsType() == QSqlDriver::PostgreSQL ? &copy : nullptr;
}

} // namespace engine
