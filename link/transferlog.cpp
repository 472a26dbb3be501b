#include "transferlog.h"

#include "bulkstatement.h"
#include "database.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QVariantList>

namespace {

// The names as stored: a script reading the table sees plain words.
constexpr const char* kWhat[] = {"settings", "download", "load default"};
constexpr const char* kEnding[] = {"unfinished", "complete", "stopped", "refused"};

template <typename E, size_t N> E fromText(const QString& text, const char* const (&names)[N])
{
    for (size_t i = 0; i < N; ++i) {
        if (text == QLatin1String(names[i]))
            return E(i);
    }
    return E(0);
}

const QString kColumns = QStringLiteral(
    "id, started, finished, operator, port, device, what, open_time, auto_mode, sent, total, "
    "outcome, reason");

QVariant orNull(int value)
{
    return value < 0 ? QVariant() : QVariant(value);
}

TransferRecord readRecord(const QSqlQuery& q)
{
    TransferRecord r;
    r.id = q.value(0).toLongLong();
    r.started = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
    if (!q.value(2).isNull())
        r.finished = QDateTime::fromString(q.value(2).toString(), Qt::ISODateWithMs);
    r.operatorName = q.value(3).toString();
    r.port = q.value(4).toString();
    r.device = q.value(5).toString();
    r.what = fromText<TransferRecord::What>(q.value(6).toString(), kWhat);
    r.openTime = q.value(7).isNull() ? -1 : q.value(7).toInt();
    r.autoMode = q.value(8).isNull() ? -1 : q.value(8).toInt();
    r.sent = q.value(9).toInt();
    r.total = q.value(10).toInt();
    r.ending = fromText<TransferRecord::Ending>(q.value(11).toString(), kEnding);
    r.reason = q.value(12).toString();
    return r;
}

} // namespace

QString TransferRecord::whatText(What what)
{
    return QString::fromLatin1(kWhat[int(what)]);
}

QString TransferRecord::endingText(Ending ending)
{
    return QString::fromLatin1(kEnding[int(ending)]);
}

QString TransferRecord::outcomeText() const
{
    QString text = endingText(ending);
    if (ending == Ending::Stopped && what == What::Download)
        text += QStringLiteral(" after %1 of %2 rooms").arg(sent).arg(total);
    if (!reason.isEmpty() && (ending == Ending::Stopped || ending == Ending::Refused))
        text += QStringLiteral(": ") + reason;
    return text;
}

QString TransferRecord::whatDetail() const
{
    QString text = whatText(what);
    if (what == What::Settings && openTime >= 0)
        text += QStringLiteral(" (open time %1 s, auto mode %2)").arg(openTime).arg(autoMode);
    if (what == What::Download)
        text += QStringLiteral(" (%1 rooms)").arg(total);
    return text;
}

TransferLog::TransferLog(QString path)
    : m_path(std::move(path)),
      m_connection(database::uniqueConnectionName(QStringLiteral("quorvane-transfers")))
{
}

TransferLog::~TransferLog()
{
    database::close(m_connection);
}

QString TransferLog::timeText(const QDateTime& utc)
{
    return utc.toUTC().toString(Qt::ISODateWithMs);
}

QStringList TransferLog::createStatements()
{
    return {QStringLiteral("CREATE TABLE IF NOT EXISTS transfer_log ("
                           "id INTEGER PRIMARY KEY AUTOINCREMENT, "
                           "started TEXT NOT NULL, finished TEXT, operator TEXT, port TEXT, "
                           "device TEXT, what TEXT NOT NULL, open_time INTEGER, auto_mode INTEGER, "
                           "sent INTEGER NOT NULL DEFAULT 0, total INTEGER NOT NULL DEFAULT 0, "
                           "outcome TEXT NOT NULL, reason TEXT)"),
            QStringLiteral("CREATE INDEX IF NOT EXISTS transfer_log_time "
                           "ON transfer_log (started, id)"),
            QStringLiteral("CREATE TABLE IF NOT EXISTS transfer_room ("
                           "transfer INTEGER NOT NULL, position INTEGER NOT NULL, "
                           "Room TEXT, TEL1 TEXT, TEL2 TEXT, TEL3 TEXT, "
                           "PRIMARY KEY (transfer, position)) WITHOUT ROWID")};
}

Outcome TransferLog::failure(const QString& what) const
{
    return Outcome::failure(QStringLiteral("%1: %2").arg(what, m_error));
}

Outcome TransferLog::open()
{
    if (QSqlDatabase::contains(m_connection))
        return Outcome::success();
    if (database::probe(m_path) != database::FileKind::Sqlite)
        return Outcome::failure(
            QStringLiteral("the database file %1 is missing or not an SQLite database")
                .arg(m_path));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(
            QUrl::fromLocalFile(QFileInfo(m_path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=rw"));
        db.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
        QString why;
        if (!db.open()) {
            why = database::plainError(db.lastError(), m_path);
        } else {
            QSqlQuery q(db);
            for (const QString& statement : createStatements()) {
                if (!q.exec(statement)) {
                    why = database::plainError(q.lastError(), m_path);
                    break;
                }
            }
        }
        if (why.isEmpty())
            return Outcome::success();
        m_error = why;
    }
    database::close(m_connection);
    return Outcome::failure(m_error);
}

Outcome TransferLog::insert(TransferRecord& record, bool withRooms)
{
    if (Outcome opened = open(); !opened)
        return opened;
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery q(db);
    const auto fail = [&](QSqlQuery& failed) {
        m_error = database::plainError(failed.lastError(), m_path);
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return Outcome::failure(m_error);
    };
    // Immediate: the write lock is taken at once or not at all, so the rows
    // never wait half written.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Outcome::failure(m_error = database::plainError(q.lastError(), m_path));
    q.prepare(QStringLiteral("INSERT INTO transfer_log (started, finished, operator, port, "
                             "device, what, open_time, auto_mode, sent, total, outcome, reason) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
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
    if (!q.exec())
        return fail(q);
    record.id = q.lastInsertId().toLongLong();
    if (withRooms && !record.rooms.isEmpty()) {
        BulkStatement rooms(db,
                            QStringLiteral("INSERT INTO transfer_room VALUES (?, ?, ?, ?, ?, ?)"));
        for (int i = 0; i < record.rooms.size(); ++i) {
            const RoomRecord& room = record.rooms[i];
            if (!rooms.run({record.id, i, room.Room, room.TEL1, room.TEL2, room.TEL3})) {
                m_error = rooms.error(m_path);
                QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
                return Outcome::failure(m_error);
            }
        }
    }
    if (!q.exec(QStringLiteral("COMMIT")))
        return fail(q);
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
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO transfer_room VALUES (?, ?, ?, ?, ?, ?)"));
    for (const auto& [position, room] : rooms) {
        for (const QVariant& v :
             QVariantList{id, position, room.Room, room.TEL1, room.TEL2, room.TEL3})
            q.addBindValue(v);
        if (!q.exec())
            return Outcome::failure(m_error = database::plainError(q.lastError(), m_path));
    }
    return Outcome::success();
}

std::optional<QList<TransferRecord>> TransferLog::history(int limit, QString* error)
{
    if (Outcome opened = open(); !opened) {
        if (error)
            *error = opened.description();
        return std::nullopt;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    if (!q.exec(
            QStringLiteral("SELECT %1 FROM transfer_log ORDER BY started DESC, id DESC%2")
                .arg(kColumns, limit > 0 ? QStringLiteral(" LIMIT %1").arg(limit) : QString()))) {
        if (error)
            *error = database::plainError(q.lastError(), m_path);
        return std::nullopt;
    }
    QList<TransferRecord> records;
    while (q.next())
        records << readRecord(q);
    return records;
}

bool TransferLog::eachRoom(qint64 id, const std::function<void(const RoomRecord&)>& room,
                           QString* error)
{
    if (Outcome opened = open(); !opened) {
        if (error)
            *error = opened.description();
        return false;
    }
    BulkStatement q(QSqlDatabase::database(m_connection, false),
                    QStringLiteral("SELECT Room, TEL1, TEL2, TEL3 FROM transfer_room "
                                   "WHERE transfer = ? ORDER BY position"));
    if (q.run({id})) {
        while (q.next())
            room(q.record(0));
    }
    if (q.failed()) {
        if (error)
            *error = q.error(m_path);
        return false;
    }
    return true;
}

std::optional<QList<RoomRecord>> TransferLog::rooms(qint64 id, QString* error)
{
    QList<RoomRecord> rooms;
    if (!eachRoom(
            id, [&rooms](const RoomRecord& room) { rooms.append(room); }, error))
        return std::nullopt;
    return rooms;
}

std::optional<TransferLog::Latest> TransferLog::latest(QString* error, bool withRooms)
{
    if (Outcome opened = open(); !opened) {
        if (error)
            *error = opened.description();
        return std::nullopt;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection, false));
    q.setForwardOnly(true);
    const auto fail = [&] {
        if (error)
            *error = database::plainError(q.lastError(), m_path);
        return std::nullopt;
    };
    Latest latest;
    if (!q.exec(QStringLiteral("SELECT %1 FROM transfer_log WHERE what = 'download' AND outcome = "
                               "'complete' ORDER BY started DESC, id DESC LIMIT 1")
                    .arg(kColumns)))
        return fail();
    // Before every time, when there is no complete download.
    QString started = QStringLiteral("0");
    qint64 id = 0;
    if (q.next()) {
        latest.download = readRecord(q);
        started = q.value(1).toString();
        id = latest.download->id;
    }
    // What may have changed the door unit since: a download that did not
    // complete, or a request to load its defaults that went out.
    q.prepare(QStringLiteral("SELECT %1 FROM transfer_log WHERE (started, id) > (?, ?) AND "
                             "((what = 'download' AND outcome IN ('stopped', 'unfinished')) OR "
                             "(what = 'load default' AND outcome = 'complete')) "
                             "ORDER BY started DESC, id DESC LIMIT 1")
                  .arg(kColumns));
    q.addBindValue(started);
    q.addBindValue(id);
    if (!q.exec())
        return fail();
    if (q.next())
        latest.after = readRecord(q);
    if (latest.download && withRooms) {
        std::optional<QList<RoomRecord>> sent = rooms(id, error);
        if (!sent)
            return std::nullopt;
        latest.download->rooms = *sent;
    }
    return latest;
}
