#include "keeper.h"

#include "connection.h"
#include "database.h"
#include "engine/databaseengine.h"
#include "schema.h"
#include "server.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace keeper {

namespace {

const QString kPlanTable = QStringLiteral(
    "CREATE TABLE IF NOT EXISTS keeper_plan (id INTEGER PRIMARY KEY, pc TEXT NOT NULL, "
    "pid INTEGER NOT NULL, next_send TEXT)");

// A short-lived connection to the room file, for the plan's one row; it
// waits a moment for a file another program holds.
class PlanConnection
{
public:
    explicit PlanConnection(const store::Database& path, bool write)
        : m_connection(path, QStringLiteral("quorvane-keeper"),
                       write ? database::Access::AsFound : database::Access::ReadOnly, 250)
    {
    }
    ~PlanConnection() { query = QSqlQuery(); }
    Q_DISABLE_COPY_MOVE(PlanConnection)

    Outcome run(const QString& statement, const QVariantList& values = {})
    {
        if (!m_connection.ok())
            return m_connection.opened();
        query = QSqlQuery(m_connection.db());
        if (!database::execute(query, statement, values))
            return Outcome::failure(m_connection.why(query.lastError()));
        return Outcome::success();
    }
    bool hasTable() const
    {
        return m_connection.ok() &&
               !engine::tableShape(m_connection.db(), QStringLiteral("keeper_plan"))
                    .columns.isEmpty();
    }

    QSqlQuery query;

private:
    store::Connection m_connection;
};

QString holderText(const QString& where, qint64 pid, const QString& pc)
{
    //: %1 the folder or building, %2 a process number, %3 the PC's name
    return QCoreApplication::translate("keeper", "%1 is kept already, by process %2 on PC %3.")
        .arg(where)
        .arg(pid)
        .arg(pc);
}

} // namespace

std::optional<qint64> parseDuration(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{1,6})([smh]?)$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    const qint64 unit = m.captured(2) == QLatin1String("h")   ? 3'600'000
                        : m.captured(2) == QLatin1String("m") ? 60'000
                                                              : 1'000;
    return m.captured(1).toLongLong() * unit;
}

namespace {

// "HH:MM-HH:MM" as minutes after midnight, the span's ends.
std::optional<std::pair<int, int>> spanOf(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^([01]?\\d|2[0-3]):([0-5]\\d)-([01]?\\d|2[0-3]):([0-5]\\d)$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch())
        return std::nullopt;
    return std::pair{m.captured(1).toInt() * 60 + m.captured(2).toInt(),
                     m.captured(3).toInt() * 60 + m.captured(4).toInt()};
}

} // namespace

std::optional<Hours> Hours::parse(const QString& text)
{
    if (text.trimmed() == QLatin1String("any"))
        return Hours{};
    const std::optional<std::pair<int, int>> span = spanOf(text);
    if (!span || span->first == span->second)
        return std::nullopt;
    return Hours{false, span->first, span->second};
}

bool Hours::isEmptySpan(const QString& text)
{
    const std::optional<std::pair<int, int>> span = spanOf(text);
    return span && span->first == span->second;
}

bool Hours::contains(const QDateTime& when) const
{
    if (any)
        return true;
    const QTime t = when.toLocalTime().time();
    const int minute = t.hour() * 60 + t.minute();
    return from < to ? minute >= from && minute < to : minute >= from || minute < to;
}

QDateTime Hours::firstFrom(const QDateTime& when) const
{
    if (contains(when))
        return when;
    const QDateTime local = when.toLocalTime();
    QDateTime start(local.date(), QTime(from / 60, from % 60));
    if (start <= local)
        start = start.addDays(1);
    return start.toUTC();
}

qint64 retryWait(int failures, qint64 quietMs)
{
    qint64 wait = std::clamp<qint64>(quietMs, 1'000, 60'000);
    for (int i = 1; i < failures && wait < 3'600'000; ++i)
        wait *= 2;
    return std::min<qint64>(wait, 3'600'000);
}

Outcome writePlan(const store::Database& roomFile, const Plan& plan)
{
    PlanConnection db(roomFile, true);
    if (Outcome made = db.run(kPlanTable); !made)
        return made;
    return db.run(
        QStringLiteral("INSERT INTO keeper_plan (id, pc, pid, next_send) VALUES (1, ?, ?, "
                       "?) ON CONFLICT (id) DO UPDATE SET pc = excluded.pc, pid = "
                       "excluded.pid, next_send = excluded.next_send"),
        {plan.pc, plan.pid,
         plan.next.isValid() ? QVariant(plan.next.toUTC().toString(Qt::ISODate)) : QVariant()});
}

Outcome clearPlan(const store::Database& roomFile)
{
    PlanConnection db(roomFile, true);
    if (!db.hasTable())
        return Outcome::success();
    return db.run(QStringLiteral("DELETE FROM keeper_plan"));
}

Expected<std::optional<Plan>> readPlan(const store::Database& roomFile)
{
    PlanConnection db(roomFile, false);
    if (!db.hasTable())
        return std::optional<Plan>();
    if (Outcome read = db.run(QStringLiteral("SELECT pc, pid, next_send FROM keeper_plan")); !read)
        return read;
    if (!db.query.next())
        return std::optional<Plan>();
    Plan plan{db.query.value(0).toString(), db.query.value(1).toLongLong(),
              QDateTime::fromString(db.query.value(2).toString(), Qt::ISODate)};
    return std::optional(plan);
}

Claim::Claim(const store::Location& location)
    : m_location(location), m_claim(location, QStringLiteral("quorvane-keep"))
{
}

Outcome Claim::take()
{
    const Expected<store::Claim::Taken> taken = m_claim.take();
    if (!taken)
        return taken.outcome();
    switch (*taken) {
    case store::Claim::Taken::Yes:
        return Outcome::success();
    case store::Claim::Taken::HeldByProcess:
        return Outcome::failure(
            holderText(m_location.folderPath(), m_claim.holder().pid, m_claim.holder().pc));
    case store::Claim::Taken::LockNotMade:
        return Outcome::failure(
            //: %1 the lock file
            QCoreApplication::translate("keeper", "The keeper's lock %1 cannot be made.")
                .arg(m_claim.lockFile()));
    case store::Claim::Taken::HeldOnServer:
        break;
    }
    // The keeper that holds a building says in its plan who it is.
    const QString building = m_location.place().building;
    const Expected<std::optional<Plan>> holder =
        readPlan(m_location.database(schema::kDirectoryFile));
    if (holder && *holder)
        return Outcome::failure(holderText(building, (*holder)->pid, (*holder)->pc));
    //: %1 the building
    return Outcome::failure(
        QCoreApplication::translate("keeper", "%1 is kept already, by a keeper on another PC.")
            .arg(building));
}

FileStamp::FileStamp(QString roomFile) : m_path(std::move(roomFile)) {}

bool FileStamp::moved()
{
    struct stat st = {};
    std::array<qint64, 4> now{};
    if (::stat(QFile::encodeName(m_path).constData(), &st) == 0)
        now = {qint64(st.st_ino), qint64(st.st_size), qint64(st.st_mtim.tv_sec),
               qint64(st.st_mtim.tv_nsec)};
    const bool first = m_stamp == std::array<qint64, 4>{};
    const bool moved = !first && now != m_stamp;
    m_stamp = now;
    return moved;
}

QDateTime FileStamp::modified() const
{
    return QFileInfo(m_path).lastModified().toUTC();
}

} // namespace keeper
