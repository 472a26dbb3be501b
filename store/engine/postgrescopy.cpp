#include "databaseengine.h"

#include "libpq.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringEncoder>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

// Many rows to and from a building on a server in COPY's text format,
// through the libpq connection under Qt's QPSQL driver.
namespace engine {

namespace {

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

// libpq's connection under Qt's driver, when the library is loaded and the
// driver hands it out (under the name of its struct).
struct Libpq
{
    const libpq::Functions& pq;
    PGconn* connection;

    static std::optional<Libpq> of(const QSqlDatabase& db)
    {
        const QVariant handle = db.driver() ? db.driver()->handle() : QVariant();
        const Expected<const libpq::Functions*> loaded = libpq::functions();
        if (!loaded || (qstrcmp(handle.typeName(), "PGconn*") != 0 &&
                        qstrcmp(handle.typeName(), "pg_conn*") != 0))
            return std::nullopt;
        return Libpq{**loaded, *static_cast<PGconn* const*>(handle.data())};
    }
    QString errorMessage() const
    {
        return QString::fromUtf8(pq.PQerrorMessage(connection)).trimmed();
    }
    // Takes the server's answers to a statement, so the connection can be used again.
    void takeResults() const
    {
        while (PGresult* more = pq.PQgetResult(connection))
            pq.PQclear(more);
    }
    // Runs a COPY statement; a failure in the server's words.
    Outcome start(const QString& copy, ExecStatusType copying) const
    {
        PGresult* started = pq.PQexec(connection, copy.toUtf8().constData());
        const bool ok = pq.PQresultStatus(started) == copying;
        pq.PQclear(started);
        if (ok)
            return Outcome::success();
        const QString why = errorMessage();
        takeResults();
        return Outcome::failure(why);
    }
};

// COPY's text format: a tab between values, a backslash escape for what
// would end one, \N for NULL.
class LibpqCopy final : public CopyStream
{
public:
    explicit LibpqCopy(const Libpq& lib) : m_lib(lib) { m_buffer.reserve(kCopyChunk + 4096); }
    ~LibpqCopy() override
    {
        if (m_open) {
            // Abandoned: the server ends the copy with an error, which fails
            // the transaction it was part of.
            m_lib.pq.PQputCopyEnd(m_lib.connection, "the rows were not all given");
            m_lib.takeResults();
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
        const bool ended =
            m_lib.pq.PQputCopyEnd(m_lib.connection,
                                  sent ? nullptr : "the rows could not be sent") == 1;
        PGresult* result = ended && sent ? m_lib.pq.PQgetResult(m_lib.connection) : nullptr;
        const bool whole = result && m_lib.pq.PQresultStatus(result) == PGRES_COMMAND_OK;
        const QString why = whole ? QString() : m_lib.errorMessage();
        m_lib.pq.PQclear(result);
        m_lib.takeResults();
        return whole ? Outcome::success() : Outcome::failure(why);
    }

private:
    Outcome send()
    {
        const bool sent = m_lib.pq.PQputCopyData(m_lib.connection, m_buffer.constData(),
                                                 int(m_buffer.size())) == 1;
        m_buffer.truncate(0);
        return sent ? Outcome::success() : Outcome::failure(m_lib.errorMessage());
    }

    Libpq m_lib;
    QByteArray m_buffer;
    QStringEncoder m_utf8{QStringEncoder::Utf8, QStringEncoder::Flag::Stateless};
    bool m_open = true;
};

// A value of COPY's text format as its UTF-8, the server's escapes undone.
QByteArray unescapedValue(QByteArrayView text)
{
    QByteArray value;
    value.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            value += text[i];
            continue;
        }
        switch (const char c = text[++i]) {
        case 'b':
            value += '\b';
            break;
        case 'f':
            value += '\f';
            break;
        case 'n':
            value += '\n';
            break;
        case 'r':
            value += '\r';
            break;
        case 't':
            value += '\t';
            break;
        case 'v':
            value += '\v';
            break;
        default:
            // A backslash, or a character that needed none.
            value += c;
        }
    }
    return value;
}

// Hands on one line of COPY's text format as its values.
void readLine(QByteArrayView line, const BulkCopy::RowReader& row)
{
    if (line.endsWith('\n'))
        line.chop(1);
    std::vector<QByteArrayView> values;
    // Unescaped values live here until the row is handed on; their text
    // stays where it is when the list grows.
    std::vector<QByteArray> unescaped;
    for (qsizetype from = 0;;) {
        const qsizetype tab = line.indexOf('\t', from);
        const QByteArrayView field = line.sliced(from, (tab < 0 ? line.size() : tab) - from);
        if (field == "\\N") {
            values.emplace_back();
        } else if (field.contains('\\')) {
            unescaped.push_back(unescapedValue(field));
            values.emplace_back(unescaped.back());
        } else {
            values.push_back(field);
        }
        if (tab < 0)
            break;
        from = tab + 1;
    }
    row(values);
}

class PostgresCopy final : public BulkCopy
{
public:
    Expected<std::unique_ptr<CopyStream>> open(const QSqlDatabase& db, const QString& table,
                                               const QStringList& columns) const override
    {
        QStringList quoted;
        for (const QString& column : columns)
            quoted << database::quotedIdentifier(column);
        const std::optional<Libpq> lib = Libpq::of(db);
        if (!lib)
            return std::unique_ptr<CopyStream>(std::make_unique<InsertEach>(db, table, quoted));
        if (Outcome started =
                lib->start(QStringLiteral("COPY %1 (%2) FROM STDIN")
                               .arg(database::quotedIdentifier(table), quoted.join(u',')),
                           PGRES_COPY_IN);
            !started)
            return started;
        return std::unique_ptr<CopyStream>(std::make_unique<LibpqCopy>(*lib));
    }

    Outcome copyOut(const QSqlDatabase& db, const QString& query,
                    const RowReader& row) const override
    {
        const std::optional<Libpq> lib = Libpq::of(db);
        if (!lib)
            return readEach(db, query, row);
        if (Outcome started =
                lib->start(QStringLiteral("COPY (%1) TO STDOUT").arg(query), PGRES_COPY_OUT);
            !started)
            return started;
        char* line = nullptr;
        int size = 0;
        while ((size = lib->pq.PQgetCopyData(lib->connection, &line, 0)) > 0) {
            readLine(QByteArrayView(line, size), row);
            lib->pq.PQfreemem(line);
        }
        // -1 ends the rows; the statement's own result says whether all came.
        PGresult* ended = size == -1 ? lib->pq.PQgetResult(lib->connection) : nullptr;
        const bool whole = ended && lib->pq.PQresultStatus(ended) == PGRES_COMMAND_OK;
        const QString why = whole ? QString() : lib->errorMessage();
        lib->pq.PQclear(ended);
        lib->takeResults();
        return whole ? Outcome::success() : Outcome::failure(why);
    }

private:
    // Where Qt's driver hands out no libpq connection: the rows through it.
    static Outcome readEach(const QSqlDatabase& db, const QString& query, const RowReader& row)
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(query))
            return Outcome::failure(q.lastError().databaseText());
        std::vector<QByteArray> texts;
        std::vector<QByteArrayView> values;
        while (q.next()) {
            texts.clear();
            values.clear();
            for (int i = 0; i < q.record().count(); ++i)
                texts.push_back(q.value(i).isNull() ? QByteArray()
                                                    : q.value(i).toString().toUtf8());
            for (const QByteArray& text : texts)
                values.emplace_back(text);
            row(values);
        }
        return q.lastError().isValid() ? Outcome::failure(q.lastError().databaseText())
                                       : Outcome::success();
    }
};

} // namespace

const BulkCopy* bulkCopyOf(const QSqlDatabase& db)
{
    static const PostgresCopy copy;
    return db.driver() && db.driver()->dbmsType() == QSqlDriver::PostgreSQL ? &copy : nullptr;
}

} // namespace engine
