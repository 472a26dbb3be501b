#include "transferlog.h"

#include "bulkstatement.h"
#include "changerecord.h"
#include "database.h"
#include "engine/databaseengine.h"
#include "location.h"
#include "schema.h"
#include "transaction.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kColumns = QStringLiteral(
    "id, started, finished, operator, port, device, what, open_time, auto_mode, sent, total, "
    "outcome, reason");

QVariant orNull(int value)
{
    return value < 0 ? QVariant() : QVariant(value);
}

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

TransferLog::TransferLog(QString path)
    : m_path(std::move(path)),
      m_connection(database::uniqueConnectionName(QStringLiteral("quorvane-transfers")))
{
}

TransferLog::~TransferLog()
{
    database::close(m_connection);
}

QString TransferLog::notRecordable(const QString& path)
{
    // On a server the connection itself tells whether a record can be written.
    if (!store::Location::ofPath(path).hasFiles())
        return {};
    switch (database::probe(path)) {
    case database::FileKind::Sqlite:
        break;
    case database::FileKind::Missing:
        return QCoreApplication::translate("TransferLog", "the room file %1 is missing").arg(path);
    case database::FileKind::Unreadable:
        return QCoreApplication::translate("TransferLog", "the room file %1 cannot be read")
            .arg(path);
    default:
        return QCoreApplication::translate("TransferLog", "%1 is not an SQLite room file")
            .arg(path);
    }
    const QFileInfo file(path);
    const QByteArray name = QFile::encodeName(path);
    if (::access(name.constData(), W_OK) != 0) {
        if (errno == EROFS)
            return QCoreApplication::translate("TransferLog",
                                               "the room file %1 lies on a read-only file system")
                .arg(path);
        struct stat st = {};
        ::stat(name.constData(), &st);
        return QCoreApplication::translate("TransferLog",
                                           "the room file %1 is read-only for you (mode %2)")
            .arg(path, QString::number(st.st_mode & 07777, 8));
    }
    // A write takes a journal beside the file.
    if (::access(QFile::encodeName(file.absolutePath()).constData(), W_OK | X_OK) != 0)
        return QCoreApplication::translate(
                   "TransferLog", "the folder %1 may not be written, so the room file in it cannot "
                                  "change")
            .arg(file.absolutePath());
    return {};
}

Outcome TransferLog::open(Use use)
{
    const bool write = use == Use::Write;
    // A server that went away and came back is met on a new connection:
    // what a download in hand sends is recorded once it is reachable.
    if (QSqlDatabase::contains(m_connection) && !store::Location::ofPath(m_path).hasFiles() &&
        !QSqlQuery(QSqlDatabase::database(m_connection, false)).exec(QStringLiteral("SELECT 1")))
        database::close(m_connection);
    if (QSqlDatabase::contains(m_connection)) {
        if (m_writable || !write)
            return Outcome::success();
        database::close(m_connection);
    }
    if (store::Location::notDatabaseFile(m_path))
        return Outcome::failure(
            QCoreApplication::translate("TransferLog",
                                        "the database file %1 is missing or not an SQLite database")
                .arg(m_path));
    {
        QString why;
        if (const QSqlError error = database::connect(
                m_path, m_connection,
                write ? database::Access::AsFound : database::Access::ReadOnly, kBusyTimeoutMs);
            error.isValid()) {
            why = database::plainError(error, m_path);
        } else {
            const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
            QSqlQuery q(db);
            for (const QString& statement :
                 write ? schema::transferRecordStatements(engine::of(db)) : QStringList()) {
                if (!q.exec(statement)) {
                    why = database::plainError(q.lastError(), m_path);
                    break;
                }
            }
            // A server once made the rooms' columns in lower case: they
            // get Room_tel's names when written, and are read as found.
            QStringList sent = engine::tableShape(db, QStringLiteral("transfer_room")).columns;
            const QStringList renames =
                write && why.isEmpty() ? schema::sentRoomRenames(sent) : QStringList();
            for (const QString& statement : renames) {
                if (!q.exec(statement)) {
                    why = database::plainError(q.lastError(), m_path);
                    break;
                }
            }
            if (!renames.isEmpty() && why.isEmpty())
                sent = schema::directoryTable().fieldNames();
            m_sentColumns = schema::sentRoomColumns();
            for (QString& column : m_sentColumns) {
                for (const QString& found : std::as_const(sent)) {
                    if (database::quotedIdentifier(found).compare(column, Qt::CaseInsensitive) == 0)
                        column = database::quotedIdentifier(found);
                }
            }
            m_hasUnit = engine::tableShape(db, QStringLiteral("transfer_log"))
                            .columns.contains(QStringLiteral("unit"), Qt::CaseInsensitive);
            if (why.isEmpty() && write && !m_hasUnit) {
                if (q.exec(schema::addUnitColumn()))
                    m_hasUnit = true;
                else
                    why = database::plainError(q.lastError(), m_path);
            }
        }
        if (why.isEmpty()) {
            m_writable = write;
            return Outcome::success();
        }
        m_error = why;
    }
    database::close(m_connection);
    return Outcome::failure(m_error);
}

QString TransferLog::damaged(const QString& what) const
{
    return QCoreApplication::translate(
               "TransferLog", "The transfer record in %1 is damaged: %2. What was sent to the door "
                              "unit cannot be told from it. %3")
        .arg(m_path, what,
             !m_advice.isEmpty()
                 ? m_advice
                 : QCoreApplication::translate("TransferLog", "Examine the file with: %1")
                       .arg(database::checkCommand(store::Location::ofPath(m_path).directory())));
}

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
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
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

Expected<TransferRecord> TransferLog::checkedRecord(const QSqlQuery& q)
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
    if (r.what != TransferRecord::What::Download || r.ending == TransferRecord::Ending::Refused)
        return r;
    // The rooms a download went out with, one row a position from the first on.
    QSqlQuery rooms(QSqlDatabase::database(m_connection, false));
    rooms.prepare(QStringLiteral("SELECT count(*), min(position), max(position) FROM "
                                 "transfer_room WHERE transfer = ?"));
    rooms.addBindValue(r.id);
    if (!rooms.exec() || !rooms.next())
        return Expected<TransferRecord>::failure(database::plainError(rooms.lastError(), m_path));
    const qint64 held = rooms.value(0).toLongLong();
    if (held != r.total ||
        (held > 0 && (rooms.value(1).toLongLong() != 0 || rooms.value(2).toLongLong() != held - 1)))
        return fail(
            QCoreApplication::translate("TransferLog", "lists %1 rooms but holds %2 in their order")
                .arg(r.total)
                .arg(held));
    return r;
}

Outcome TransferLog::insert(TransferRecord& record, bool withRooms)
{
    if (Outcome opened = open(); !opened)
        return opened;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    const auto fail = [&](const QSqlError& failed) {
        m_error = database::plainError(failed, m_path);
        return Outcome::failure(m_error);
    };
    // Immediate: the write lock is taken at once or not at all, so the rows
    // never wait half written.
    store::Transaction transaction(db);
    if (!transaction.active())
        return fail(transaction.error());
    q.prepare(QStringLiteral("INSERT INTO transfer_log (started, finished, operator, port, "
                             "device, what, open_time, auto_mode, sent, total, outcome, reason, "
                             "unit) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)") +
              (engine::of(db).keyByReturning() ? QStringLiteral(" RETURNING id") : QString()));
    q.addBindValue(timeText(record.started));
    q.addBindValue(record.finished.isValid() ? QVariant(timeText(record.finished)) : QVariant());
    q.addBindValue(record.operatorName);
    q.addBindValue(record.port);
    q.addBindValue(record.device);
    q.addBindValue(TransferRecord::whatText(record.what));
    q.addBindValue(orNull(record.openTime));
    q.addBindValue(orNull(record.autoMode));
    q.addBindValue(record.sent);
    q.addBindValue(record.total);
    q.addBindValue(TransferRecord::endingText(record.ending));
    q.addBindValue(record.reason.isEmpty() ? QVariant() : QVariant(record.reason));
    q.addBindValue(record.unit);
    if (!q.exec())
        return fail(q.lastError());
    record.id = engine::of(db).keyByReturning() ? (q.next() ? q.value(0).toLongLong() : 0)
                                                : q.lastInsertId().toLongLong();
    q.finish();
    // What went out to the door unit is in the change record too, naming
    // this record; a refused transfer changed nothing.
    if (record.ending != TransferRecord::Ending::Refused) {
        changerecord::Entry entry;
        entry.who = changerecord::Actor::here(record.operatorName);
        entry.kind =
            record.what == TransferRecord::What::Settings   ? changerecord::Kind::SettingsSent
            : record.what == TransferRecord::What::Download ? changerecord::Kind::Download
                                                            : changerecord::Kind::LoadDefault;
        // Kept in the program's own words, shown in the reader's (changelist::shownDetail).
        entry.detail = QStringLiteral("%1 on %2")
                           .arg(record.whatDetail(TransferRecord::Words::Own),
                                record.portText(TransferRecord::Words::Own));
        entry.transfer = record.id;
        if (Outcome added = changerecord::append(db, entry, m_path); !added) {
            m_error = added.description();
            return Outcome::failure(m_error);
        }
    }
    if (withRooms && !record.rooms.isEmpty()) {
        BulkStatement rooms(db,
                            QStringLiteral("INSERT INTO transfer_room VALUES (?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < record.rooms.size(); ++i) {
            const RoomRecord& room = record.rooms[i];
            if (!rooms.run({record.id, i, room.Room, room.TEL1, room.TEL2, room.TEL3})) {
                m_error = rooms.error(m_path);
                return Outcome::failure(m_error);
            }
        }
    }
    if (!transaction.commit())
        return fail(transaction.error());
    return Outcome::success();
}

Outcome TransferLog::start(TransferRecord& record)
{
    record.ending = TransferRecord::Ending::Unfinished;
    record.finished = {};
    return insert(record, true);
}

Outcome TransferLog::refused(TransferRecord& record)
{
    record.ending = TransferRecord::Ending::Refused;
    if (!record.finished.isValid())
        record.finished = record.started;
    return insert(record, false);
}

Outcome TransferLog::finish(TransferRecord& record)
{
    if (record.id == 0)
        return insert(record, true);
    if (Outcome opened = open(); !opened)
        return opened;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.prepare(QStringLiteral("UPDATE transfer_log SET finished = ?, sent = ?, outcome = ?, "
                             "reason = ? WHERE id = ?"));
    q.addBindValue(timeText(record.finished));
    q.addBindValue(record.sent);
    q.addBindValue(TransferRecord::endingText(record.ending));
    q.addBindValue(record.reason.isEmpty() ? QVariant() : QVariant(record.reason));
    q.addBindValue(record.id);
    if (!q.exec())
        return Outcome::failure(m_error = database::plainError(q.lastError(), m_path));
    return Outcome::success();
}

Outcome TransferLog::correctRooms(qint64 id, const std::vector<std::pair<int, RoomRecord>>& rooms)
{
    if (rooms.empty())
        return Outcome::success();
    if (Outcome opened = open(); !opened)
        return opened;
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    QStringList set;
    for (const QString& column : std::as_const(m_sentColumns))
        set << QStringLiteral("%1 = excluded.%1").arg(column);
    q.prepare(QStringLiteral("INSERT INTO transfer_room VALUES (?, ?, ?, ?, ?, ?) "
                             "ON CONFLICT (transfer, position) DO UPDATE SET %1")
                  .arg(set.join(QStringLiteral(", "))));
    for (const auto& [position, room] : rooms) {
        for (const QVariant& v :
             QVariantList{id, position, room.Room, room.TEL1, room.TEL2, room.TEL3})
            q.addBindValue(v);
        if (!q.exec())
            return Outcome::failure(m_error = database::plainError(q.lastError(), m_path));
    }
    return Outcome::success();
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
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
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
    BulkStatement q(QSqlDatabase::database(m_connection, false),
                    QStringLiteral("SELECT %1 FROM transfer_room WHERE transfer = ? "
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

Expected<TransferLog::Latest> TransferLog::latest(bool withRooms, qint64 unit)
{
    const Expected<bool> present = tablesPresent();
    if (!present)
        return present.outcome();
    if (!*present)
        return Latest{};
    // Not forward only, as in history().
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    const auto fail = [&] {
        return Expected<Latest>::failure(database::plainError(q.lastError(), m_path));
    };
    // Only some records are read below; any other that cannot be one a
    // transfer wrote makes the rest untrustworthy too.
    const engine::DatabaseEngine& dialect = engine::of(QSqlDatabase::database(m_connection, false));
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
        Expected<TransferRecord> r = checkedRecord(q);
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
        Expected<TransferRecord> r = checkedRecord(q);
        if (!r)
            return r.outcome();
        latest.after = std::move(*r);
    }
    if (latest.download && withRooms) {
        Expected<QList<RoomRecord>> sent = rooms(id);
        if (!sent)
            return sent.outcome();
        latest.download->rooms = *sent;
    }
    return latest;
}
