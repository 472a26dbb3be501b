#include "transferlog.h"

#include "bulkstatement.h"
#include "database.h"
#include "engine/databaseengine.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

// Reading the record back: the history, a transfer's rooms and what was
// last sent to a door unit, each checked to be one a transfer wrote.

namespace {

const QString kColumns = QStringLiteral(
    "id, started, finished, operator, port, device, what, open_time, auto_mode, sent, total, "
    "outcome, reason");

// Far more rooms than any building has; a count above it was never written
// by a transfer.
constexpr qint64 kMostRooms = 10'000'000;

// A whole number from first to last, or nothing.
std::optional<int> counted(const QVariant& value, qint64 first, qint64 last)
{
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    if (!ok || n < first || n > last || value.typeId() == QMetaType::Double)
        return std::nullopt;
    return int(n);
}

} // namespace

QString TransferLog::columns() const
{
    return kColumns + (m_hasUnit ? QStringLiteral(", COALESCE(unit, %1)").arg(doorunits::kFirstUnit)
                                 : QStringLiteral(", %1").arg(doorunits::kFirstUnit));
}

QString TransferLog::unitColumn() const
{
    return m_hasUnit ? QStringLiteral("COALESCE(unit, %1)").arg(doorunits::kFirstUnit)
                     : QString::number(doorunits::kFirstUnit);
}

QString TransferLog::knownUnits() const
{
    QStringList ids;
    for (const qint64 id : m_units)
        ids << QString::number(id);
    return ids.join(u',');
}

QString TransferLog::unitFilter() const
{
    return QStringLiteral("(? = 0 OR %1 = ?)").arg(unitColumn());
}

void TransferLog::bindUnit(QSqlQuery& q, qint64 unit)
{
    q.addBindValue(unit);
    q.addBindValue(unit);
}

Expected<bool> TransferLog::tablesPresent()
{
    if (Outcome opened = open(Use::Read); !opened)
        return opened;
    const QSqlDatabase db = TransferLog::db();
    QStringList tables;
    for (const QString& table : {QStringLiteral("transfer_log"), QStringLiteral("transfer_room")}) {
        if (!engine::tableShape(db, table).columns.isEmpty())
            tables << table;
    }
    if (tables.size() == 1)
        return Expected<bool>::failure(
            damaged(QCoreApplication::translate("TransferLog", "the table %1 is missing")
                        .arg(tables.contains(QStringLiteral("transfer_log"))
                                 ? QStringLiteral("transfer_room")
                                 : QStringLiteral("transfer_log"))));
    // The units a record may name: those of the list, removed ones too, or
    // the first alone while there is no list.
    m_units = {doorunits::kFirstUnit};
    if (tables.size() == 2 &&
        !engine::tableShape(db, QStringLiteral("door_unit")).columns.isEmpty()) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("SELECT id FROM door_unit")))
            return Outcome::failure(database::plainError(q.lastError(), m_path));
        while (q.next())
            m_units.insert(q.value(0).toLongLong());
    }
    return tables.size() == 2;
}

Expected<TransferRecord> TransferLog::checkedRecord(const QSqlQuery& q, Rooms rooms)
{
    TransferRecord r;
    r.id = q.value(0).toLongLong();
    const auto fail = [&](const QString& what) {
        return Expected<TransferRecord>::failure(damaged(
            QCoreApplication::translate("TransferLog", "record %1 %2").arg(r.id).arg(what)));
    };
    r.started = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
    if (!r.started.isValid())
        return fail(QCoreApplication::translate("TransferLog", "has no start time"));
    if (!q.value(2).isNull())
        r.finished = QDateTime::fromString(q.value(2).toString(), Qt::ISODateWithMs);
    r.operatorName = q.value(3).toString();
    r.port = q.value(4).toString();
    r.device = q.value(5).toString();
    const QString what = q.value(6).toString();
    const QString ending = q.value(11).toString();
    const std::optional<TransferRecord::What> kind = TransferRecord::whatFrom(what);
    const std::optional<TransferRecord::Ending> end = TransferRecord::endingFrom(ending);
    if (!kind || !end)
        return fail(
            QCoreApplication::translate("TransferLog", "is of no known kind (\"%1\", \"%2\")")
                .arg(what, ending));
    r.what = *kind;
    r.ending = *end;
    const std::optional<int> openTime =
        q.value(7).isNull() ? std::optional(-1) : counted(q.value(7), 0, 255);
    const std::optional<int> autoMode =
        q.value(8).isNull() ? std::optional(-1) : counted(q.value(8), 0, 3);
    const std::optional<int> total = counted(q.value(10), 0, kMostRooms);
    const std::optional<int> sent = counted(q.value(9), 0, total.value_or(0));
    if (!openTime || !autoMode)
        return fail(
            QCoreApplication::translate("TransferLog", "holds settings the door unit never takes"));
    if (!total || !sent)
        return fail(QCoreApplication::translate("TransferLog", "counts %1 of %2 rooms")
                        .arg(q.value(9).toString(), q.value(10).toString()));
    r.openTime = *openTime;
    r.autoMode = *autoMode;
    r.sent = *sent;
    r.total = *total;
    r.reason = q.value(12).toString();
    r.unit = q.value(13).toLongLong();
    if (!m_units.contains(r.unit))
        return fail(QCoreApplication::translate("TransferLog",
                                                "names door unit %1, which the file does not list")
                        .arg(q.value(13).toString()));
    if (r.what != TransferRecord::What::Download || r.ending == TransferRecord::Ending::Refused ||
        rooms == Rooms::Trusted)
        return r;
    // The rooms a download went out with, one row a position from the first on.
    QSqlQuery count(db());
    count.prepare(QStringLiteral("SELECT count(*), min(position), max(position) FROM "
                                 "transfer_room WHERE transfer = ?"));
    count.addBindValue(r.id);
    if (!count.exec() || !count.next())
        return Expected<TransferRecord>::failure(database::plainError(count.lastError(), m_path));
    const qint64 held = count.value(0).toLongLong();
    if (held != r.total ||
        (held > 0 && (count.value(1).toLongLong() != 0 || count.value(2).toLongLong() != held - 1)))
        return fail(
            QCoreApplication::translate("TransferLog", "lists %1 rooms but holds %2 in their order")
                .arg(r.total)
                .arg(held));
    return r;
}

Expected<QList<TransferRecord>> TransferLog::history(int limit, qint64 unit)
{
    const Expected<bool> present = tablesPresent();
    if (!present)
        return present.outcome();
    if (!*present)
        return QList<TransferRecord>{};
    // Not forward only: each record's rooms are counted by another query
    // while this one is read, and a server's driver keeps one forward result.
    QSqlQuery q(db());
    q.prepare(
        QStringLiteral("SELECT %1 FROM transfer_log WHERE %2 ORDER BY started DESC, id DESC%3")
            .arg(columns(), unitFilter(),
                 limit > 0 ? QStringLiteral(" LIMIT %1").arg(limit) : QString()));
    bindUnit(q, unit);
    if (!q.exec())
        return Outcome::failure(database::plainError(q.lastError(), m_path));
    QList<TransferRecord> records;
    while (q.next()) {
        Expected<TransferRecord> r = checkedRecord(q);
        if (!r)
            return r.outcome();
        records << *r;
    }
    return records;
}

Outcome TransferLog::eachRoom(qint64 id, const std::function<void(const RoomRecord&)>& room)
{
    const Expected<bool> present = tablesPresent();
    if (!present)
        return present.outcome();
    if (!*present)
        return Outcome::success();
    BulkStatement q(db(), QStringLiteral("SELECT %1 FROM transfer_room WHERE transfer = ? "
                                         "ORDER BY position")
                              .arg(m_sentColumns.join(QStringLiteral(", "))));
    if (q.run({id})) {
        while (q.next())
            room(q.record(0));
    }
    if (q.failed())
        return Outcome::failure(q.error(m_path));
    return Outcome::success();
}

Expected<QList<RoomRecord>> TransferLog::rooms(qint64 id)
{
    QList<RoomRecord> rooms;
    if (Outcome read = eachRoom(id, [&rooms](const RoomRecord& room) { rooms.append(room); });
        !read)
        return read;
    return rooms;
}

Expected<TransferLog::Latest> TransferLog::latest(Rooms rooms, qint64 unit)
{
    const Expected<bool> present = tablesPresent();
    if (!present)
        return present.outcome();
    if (!*present)
        return Latest{};
    // Not forward only, as in history().
    QSqlQuery q(db());
    const auto fail = [&] {
        return Expected<Latest>::failure(database::plainError(q.lastError(), m_path));
    };
    // Only some records are read below; any other that cannot be one a
    // transfer wrote makes the rest untrustworthy too.
    const engine::DatabaseEngine& dialect = engine::of(db());
    if (!q.exec(QStringLiteral("SELECT %1 FROM transfer_log WHERE what NOT IN ('settings', "
                               "'download', 'load default') OR outcome NOT IN ('unfinished', "
                               "'complete', 'stopped', 'refused') OR NOT (%3) OR NOT (%4) OR "
                               "sent < 0 OR sent > total OR total > %2 OR %5 NOT IN (%6)")
                    .arg(columns())
                    .arg(kMostRooms)
                    .arg(dialect.holdsInteger(QStringLiteral("sent")),
                         dialect.holdsInteger(QStringLiteral("total")), unitColumn(),
                         knownUnits())))
        return fail();
    while (q.next()) {
        if (Expected<TransferRecord> r = checkedRecord(q); !r)
            return r.outcome();
    }
    Latest latest;
    q.prepare(QStringLiteral("SELECT %1 FROM transfer_log WHERE what = 'download' AND outcome = "
                             "'complete' AND %2 ORDER BY started DESC, id DESC LIMIT 1")
                  .arg(columns(), unitFilter()));
    bindUnit(q, unit);
    if (!q.exec())
        return fail();
    // Before every time, when there is no complete download.
    QString started = QStringLiteral("0");
    qint64 id = 0;
    if (q.next()) {
        Expected<TransferRecord> r = checkedRecord(q, rooms);
        if (!r)
            return r.outcome();
        latest.download = std::move(*r);
        started = q.value(1).toString();
        id = latest.download->id;
    }
    // What may have changed the door unit since: a download that did not
    // complete, or a request to load its defaults that went out.
    q.prepare(QStringLiteral("SELECT %1 FROM transfer_log WHERE (started, id) > (?, ?) AND "
                             "((what = 'download' AND outcome IN ('stopped', 'unfinished')) OR "
                             "(what = 'load default' AND outcome = 'complete')) AND %2 "
                             "ORDER BY started DESC, id DESC LIMIT 1")
                  .arg(columns(), unitFilter()));
    q.addBindValue(started);
    q.addBindValue(id);
    bindUnit(q, unit);
    if (!q.exec())
        return fail();
    if (q.next()) {
        Expected<TransferRecord> r = checkedRecord(q, rooms);
        if (!r)
            return r.outcome();
        latest.after = std::move(*r);
    }
    if (latest.download && rooms == Rooms::Read) {
        Expected<QList<RoomRecord>> sent = TransferLog::rooms(id);
        if (!sent)
            return sent.outcome();
        latest.download->rooms = *sent;
    }
    return latest;
}
