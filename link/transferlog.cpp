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

QVariant orNull(int value)
{
    return value < 0 ? QVariant() : QVariant(value);
}

} // namespace

TransferLog::TransferLog(store::Database path) : m_path(std::move(path)) {}

TransferLog::~TransferLog() = default;

QSqlDatabase TransferLog::db() const
{
    return m_connection ? m_connection->db() : QSqlDatabase();
}

Outcome TransferLog::checkRecordable(const store::Database& database)
{
    // On a server the connection itself tells whether a record can be written.
    if (database.onServer())
        return Outcome::success();
    const QString& path = database.path();
    switch (database::probe(path)) {
    case database::FileKind::Sqlite:
        break;
    case database::FileKind::Missing:
        return Outcome::failure(
            QCoreApplication::translate("TransferLog", "the room file %1 is missing").arg(path));
    case database::FileKind::Unreadable:
        return Outcome::failure(
            QCoreApplication::translate("TransferLog", "the room file %1 cannot be read")
                .arg(path));
    default:
        return Outcome::failure(
            QCoreApplication::translate("TransferLog", "%1 is not an SQLite room file").arg(path));
    }
    const QFileInfo file(path);
    const QByteArray name = QFile::encodeName(path);
    if (::access(name.constData(), W_OK) != 0) {
        if (errno == EROFS)
            return Outcome::failure(
                QCoreApplication::translate("TransferLog",
                                            "the room file %1 lies on a read-only file system")
                    .arg(path));
        struct stat st = {};
        ::stat(name.constData(), &st);
        return Outcome::failure(
            QCoreApplication::translate("TransferLog",
                                        "the room file %1 is read-only for you (mode %2)")
                .arg(path, QString::number(st.st_mode & 07777, 8)));
    }
    // A write takes a journal beside the file.
    if (::access(QFile::encodeName(file.absolutePath()).constData(), W_OK | X_OK) != 0)
        return Outcome::failure(
            QCoreApplication::translate(
                "TransferLog", "the folder %1 may not be written, so the room file in it cannot "
                               "change")
                .arg(file.absolutePath()));
    return Outcome::success();
}

Outcome TransferLog::open(Use use)
{
    const bool write = use == Use::Write;
    // A server that went away and came back is met on a new connection:
    // what a download in hand sends is recorded once it is reachable. (A
    // file's connection always answers.)
    if (m_connection && !QSqlQuery(db()).exec(QStringLiteral("SELECT 1")))
        m_connection.reset();
    if (m_connection) {
        if (m_writable || !write)
            return Outcome::success();
        m_connection.reset();
    }
    if (m_path.notDatabaseFile())
        return Outcome::failure(
            QCoreApplication::translate("TransferLog",
                                        "the database file %1 is missing or not an SQLite database")
                .arg(m_path.describe()));
    {
        QString why;
        m_connection = std::make_unique<store::Connection>(
            m_path, QStringLiteral("quorvane-transfers"),
            write ? database::Access::AsFound : database::Access::ReadOnly, kBusyTimeoutMs);
        if (!m_connection->ok()) {
            why = m_connection->opened().description();
        } else {
            const QSqlDatabase db = TransferLog::db();
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
    m_connection.reset();
    return Outcome::failure(m_error);
}

QString TransferLog::damaged(const QString& what) const
{
    return QCoreApplication::translate(
               "TransferLog", "The transfer record in %1 is damaged: %2. What was sent to the door "
                              "unit cannot be told from it. %3")
        .arg(m_path.describe(), what,
             !m_advice.isEmpty()
                 ? m_advice
                 : QCoreApplication::translate("TransferLog", "Examine the file with: %1")
                       .arg(database::checkCommand(m_path.location())));
}

Outcome TransferLog::insert(TransferRecord& record, bool withRooms)
{
    if (Outcome opened = open(); !opened)
        return opened;
    QSqlDatabase db = TransferLog::db();
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
    QSqlQuery q(db());
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
    QSqlQuery q(db());
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
