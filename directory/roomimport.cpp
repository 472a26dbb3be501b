#include "roomimport.h"

#include "database.h"
#include "roomcsv.h"
#include "schema.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace roomimport {

namespace {

// A connection of database::open, closed when the scope ends.
class Connection
{
public:
    explicit Connection(const QString& path)
        : m_name(database::uniqueConnectionName(QStringLiteral("roomimport")))
    {
        m_opened = database::open(path, m_name);
        if (m_opened)
            m_opened = database::checkTable(db(), schema::directoryTable(), path);
    }
    ~Connection() { database::close(m_name); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const Outcome& opened() const { return m_opened; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
    Outcome m_opened = Outcome::success();
};

const QString kSelect =
    QStringLiteral("SELECT rowid, Room, TEL1, TEL2, TEL3 FROM Room_tel ORDER BY rowid");

RoomRecord recordOf(const QSqlQuery& query)
{
    return {query.value(1).toString(), query.value(2).toString(), query.value(3).toString(),
            query.value(4).toString()};
}

} // namespace

Outcome readDirectory(const QString& path, QList<RoomRecord>& rooms)
{
    rooms.clear();
    Connection connection(path);
    if (!connection.opened())
        return connection.opened();
    QSqlQuery query(connection.db());
    query.setForwardOnly(true);
    if (!query.exec(kSelect))
        return Outcome::failure(QStringLiteral("The room directory in %1 cannot be read: %2")
                                    .arg(path, query.lastError().text()));
    while (query.next())
        rooms << recordOf(query);
    return Outcome::success();
}

Outcome write(const QString& path, const QList<RoomRecord>& rooms, bool replace, Written* written)
{
    Written counts;
    Connection connection(path);
    if (!connection.opened())
        return connection.opened();
    QSqlDatabase db = connection.db();
    QSqlQuery query(db);
    auto fail = [&](const QString& what, const QSqlQuery& failed) {
        const QString why = failed.lastError().text();
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return Outcome::failure(
            QStringLiteral("%1: %2. Nothing was written; the room directory is as it was.")
                .arg(what, why));
    };
    // IMMEDIATE takes the write lock before anything is read, so the rows
    // compared below are the rows the writes meet.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Outcome::failure(
            QStringLiteral("The room directory in %1 cannot be written now: %2. Nothing was "
                           "written.")
                .arg(path, query.lastError().text()));

    QHash<QString, QList<QPair<qint64, RoomRecord>>> stored;
    if (replace) {
        if (!query.exec(QStringLiteral("SELECT count(*) FROM Room_tel")) || !query.next())
            return fail(QStringLiteral("The room directory cannot be read"), query);
        counts.removed = query.value(0).toInt();
        if (!query.exec(QStringLiteral("DELETE FROM Room_tel")))
            return fail(QStringLiteral("The room directory cannot be emptied"), query);
    } else {
        query.setForwardOnly(true);
        if (!query.exec(kSelect))
            return fail(QStringLiteral("The room directory cannot be read"), query);
        while (query.next())
            stored[query.value(1).toString()]
                << qMakePair(query.value(0).toLongLong(), recordOf(query));
    }

    QSqlQuery insert(db);
    insert.prepare(QStringLiteral("INSERT INTO Room_tel (Room, TEL1, TEL2, TEL3) "
                                  "VALUES (?, ?, ?, ?)"));
    QSqlQuery update(db);
    update.prepare(QStringLiteral("UPDATE Room_tel SET TEL1 = ?, TEL2 = ?, TEL3 = ? "
                                  "WHERE rowid = ?"));
    for (const RoomRecord& r : rooms) {
        const auto found = stored.constFind(r.Room);
        if (found == stored.cend()) {
            for (const QString& v : {r.Room, r.TEL1, r.TEL2, r.TEL3})
                insert.addBindValue(v);
            if (!insert.exec())
                return fail(QStringLiteral("Room %1 cannot be added").arg(r.Room), insert);
            ++counts.added;
            continue;
        }
        bool changed = false;
        for (const auto& [key, old] : *found) {
            if (old == r)
                continue;
            for (const QString& v : {r.TEL1, r.TEL2, r.TEL3})
                update.addBindValue(v);
            update.addBindValue(key);
            if (!update.exec())
                return fail(QStringLiteral("Room %1 cannot be changed").arg(r.Room), update);
            changed = true;
        }
        ++(changed ? counts.changed : counts.unchanged);
    }
    if (!query.exec(QStringLiteral("COMMIT")))
        return fail(QStringLiteral("The room directory cannot be written"), query);
    if (written)
        *written = counts;
    return Outcome::success();
}

Outcome exportCsv(const QString& path, QByteArray& csv)
{
    QList<RoomRecord> rooms;
    if (Outcome read = readDirectory(path, rooms); !read)
        return read;
    csv = roomcsv::write(rooms);
    return Outcome::success();
}

} // namespace roomimport
