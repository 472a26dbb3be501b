#include "changerows.h"

#include "database.h"
#include "schema.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

// The rows of a file's change record as entries of the list.
namespace changelist {

QString cannotRead(const store::Database& path, const QString& why)
{
    return QCoreApplication::translate("changelist", "The change record in %1 cannot be read: %2")
        .arg(path.describe(), why);
}

namespace {

// The conditions of a filter on the columns of change_record, named with prefix.
struct Conditions
{
    QStringList where;
    QVariantList values;

    void match(const QString& condition, const QVariant& value)
    {
        where << condition;
        values << value;
    }
    QString clause() const
    {
        return where.isEmpty() ? QString()
                               : QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "));
    }
};

Conditions conditions(const Filter& filter, const QString& prefix)
{
    Conditions c;
    if (!filter.operatorName.isEmpty())
        c.match(prefix + QStringLiteral("operator = ?"), filter.operatorName);
    if (!filter.host.isEmpty())
        c.match(prefix + QStringLiteral("host = ?"), filter.host);
    if (filter.since.isValid())
        c.match(prefix + QStringLiteral("happened >= ?"), timeText(filter.since));
    if (filter.until.isValid())
        c.match(prefix + QStringLiteral("happened < ?"), timeText(filter.until));
    return c;
}

// Runs a query of the change record: false, with q's error, when it fails.
bool run(QSqlQuery& q, const QString& statement, const QVariantList& values)
{
    q.setForwardOnly(true);
    q.prepare(statement);
    for (const QVariant& v : values)
        q.addBindValue(v);
    return q.exec();
}

// An import's room from a row of change_room: its kind at column, then the
// room it names, the four fields before and the four after.
Entry roomFrom(const QSqlQuery& q, const Entry& import, int column)
{
    const changerecord::Kind kind = changerecord::kindOf(q.value(column).toString());
    QStringList before;
    QStringList after;
    // The room it names, then the fields.
    for (int i = column + 2; i < column + 6; ++i) {
        if (kind != changerecord::Kind::RoomAddedByImport)
            before << q.value(i).toString();
        if (kind != changerecord::Kind::RoomRemovedByImport)
            after << q.value(i + 4).toString();
    }
    return changerecord::roomEntry(import, kind, before, after);
}

QString roomColumns(const QString& prefix)
{
    return prefix + schema::changeRoomColumns().mid(2).join(QStringLiteral(", ") + prefix);
}

// The rooms of one import, newest first: the rows of change_room, or the
// text an earlier release kept in the entry.
Outcome appendRooms(const QSqlDatabase& db, const store::Database& path, const Entry& import,
                    QList<Entry>& into)
{
    QList<Entry> rooms = changerecord::roomEntries(import);
    if (import.kind == changerecord::Kind::Import && changerecord::hasRoomTable(db)) {
        QSqlQuery q(db);
        if (!run(q,
                 QStringLiteral("SELECT %1 FROM change_room WHERE entry = ? ORDER BY position")
                     .arg(roomColumns({})),
                 {import.id}))
            return Outcome::failure(cannotRead(path, database::plainError(q.lastError(), path)));
        while (q.next())
            rooms << roomFrom(q, import, 0);
    }
    for (auto it = rooms.crbegin(); it != rooms.crend(); ++it)
        into << *it;
    return Outcome::success();
}

Entry entryFrom(const QSqlQuery& q, Entry::File file)
{
    Entry e;
    e.id = q.value(0).toLongLong();
    e.at = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
    e.who = {q.value(2).toString(), q.value(3).toString(), q.value(4).toString()};
    e.kind = changerecord::kindOf(q.value(5).toString());
    if (e.kind == changerecord::Kind::Unknown)
        e.keptWord = q.value(5).toString();
    e.subject = q.value(6).toString();
    e.before = q.value(7).toString();
    e.after = q.value(8).toString();
    e.detail = q.value(9).toString();
    e.transfer = q.value(10).toLongLong();
    e.file = file;
    e.rooms = q.value(11).toString().toUtf8();
    return e;
}

const QString kEntryColumns =
    QStringLiteral("id, happened, operator, host, os_user, what, subject, "
                   "old_values, new_values, detail, transfer, rooms");

} // namespace

// The entries that pass the filter, newest first, each import followed by its
// rooms when no room is named.
Outcome select(const QSqlDatabase& db, const store::Database& path, Entry::File file,
               const Filter& filter, QList<Entry>& into)
{
    Conditions c = conditions(filter, {});
    if (!filter.room.isEmpty())
        c.match(QStringLiteral("subject = ?"), filter.room);
    QSqlQuery q(db);
    if (!run(q,
             QStringLiteral("SELECT %1 FROM change_record%2 ORDER BY happened DESC, id DESC")
                 .arg(kEntryColumns, c.clause()),
             c.values))
        return Outcome::failure(cannotRead(path, database::plainError(q.lastError(), path)));
    QList<Entry> entries;
    while (q.next())
        entries << entryFrom(q, file);
    if (q.lastError().isValid())
        return Outcome::failure(cannotRead(path, database::plainError(q.lastError(), path)));
    // An import's rooms are asked for once the entries are read: a server's
    // connection reads one statement's rows at a time.
    q.finish();
    for (const Entry& e : std::as_const(entries)) {
        into << e;
        if (!filter.room.isEmpty())
            continue;
        if (Outcome done = appendRooms(db, path, e, into); !done)
            return done;
    }
    return Outcome::success();
}

// The rooms imports that pass the filter wrote of the filter's room.
Outcome selectImported(const QSqlDatabase& db, const store::Database& path, Entry::File file,
                       const Filter& filter, QList<Entry>& into)
{
    // Imports an earlier release wrote, their rooms in their entry.
    Conditions c = conditions(filter, {});
    c.match(QStringLiteral("rooms IS NOT NULL AND subject = ?"), QStringLiteral(""));
    QSqlQuery q(db);
    if (!run(q, QStringLiteral("SELECT %1 FROM change_record%2").arg(kEntryColumns, c.clause()),
             c.values))
        return Outcome::failure(cannotRead(path, database::plainError(q.lastError(), path)));
    while (q.next()) {
        const QList<Entry> rooms = changerecord::roomEntries(entryFrom(q, file), filter.room);
        for (auto it = rooms.crbegin(); it != rooms.crend(); ++it)
            into << *it;
    }
    if (!changerecord::hasRoomTable(db))
        return Outcome::success();
    c = conditions(filter, QStringLiteral("c."));
    c.match(QStringLiteral("r.room = ?"), filter.room);
    if (!run(q,
             QStringLiteral("SELECT c.id, c.happened, c.operator, c.host, c.os_user, %1 FROM "
                            "change_room r JOIN change_record c ON c.id = r.entry%2 ORDER BY "
                            "r.entry, r.position DESC")
                 .arg(roomColumns(QStringLiteral("r.")), c.clause()),
             c.values))
        return Outcome::failure(cannotRead(path, database::plainError(q.lastError(), path)));
    while (q.next()) {
        Entry import;
        import.id = q.value(0).toLongLong();
        import.at = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
        import.who = {q.value(2).toString(), q.value(3).toString(), q.value(4).toString()};
        import.file = file;
        into << roomFrom(q, import, 5);
    }
    if (q.lastError().isValid())
        return Outcome::failure(cannotRead(path, database::plainError(q.lastError(), path)));
    return Outcome::success();
}

} // namespace changelist
