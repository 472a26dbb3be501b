#include "changerecord.h"

#include "changerecordparts.h"
#include "database.h"
#include "engine/databaseengine.h"
#include "schema.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>

#include <algorithm>

#include <pwd.h>
#include <unistd.h>

namespace changerecord {

bool hasTable(const QSqlDatabase& db)
{
    return !engine::tableShape(db, schema::kChangeRecordTable).columns.isEmpty();
}

bool hasRoomTable(const QSqlDatabase& db)
{
    return !engine::tableShape(db, schema::kChangeRoomTable).columns.isEmpty();
}

namespace {

// An entry as this release writes it; rooms is left to entries written before.
const QString kInsert = QStringLiteral(
    "INSERT INTO change_record (happened, operator, host, os_user, what, subject, old_values, "
    "new_values, detail, transfer%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?%2)");

QVariant orNull(const QString& text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

// A text the table requires: a null QString would bind as NULL.
QVariant required(const QString& text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

// Makes the tables in db when missing; a failure gives the error in words.
Outcome makeTable(const QSqlDatabase& db, const store::Database& path)
{
    if (hasTable(db) && hasRoomTable(db))
        return Outcome::success();
    QSqlQuery q(db);
    for (const QString& statement : schema::changeRecordStatements(engine::of(db))) {
        if (!q.exec(statement))
            return Outcome::failure(database::plainError(q.lastError(), path));
    }
    return Outcome::success();
}

} // namespace

QString cannotRecord(const QString& why)
{
    return QCoreApplication::translate("changerecord",
                                       "its entry in the change record cannot be written: %1")
        .arg(why);
}

QString Actor::osUserName()
{
    if (const passwd* entry = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

Actor Actor::here(const QString& operatorName)
{
    return {operatorName, QSysInfo::machineHostName(), osUserName()};
}

namespace {

// Appends entry; gives its id when wanted (an import's, whose rooms follow).
Expected<qint64> appendOne(const QSqlDatabase& db, const Entry& entry, const store::Database& path,
                           bool wantId)
{
    if (const Outcome made = makeTable(db, path); !made)
        return Outcome::failure(cannotRecord(made.description()));
    // A record an earlier release made, which this login may not give the
    // values column, is written as that release wrote it.
    const bool values = hasValues(db);
    const bool returning = engine::of(db).keyByReturning();
    QSqlQuery q(db);
    q.prepare(kInsert.arg(values ? QStringLiteral(", change_values") : QString(),
                          values ? QStringLiteral(", ?") : QString()) +
              (returning && wantId ? QStringLiteral(" RETURNING id") : QString()));
    q.addBindValue(timeText(entry.at.isValid() ? entry.at : QDateTime::currentDateTimeUtc()));
    q.addBindValue(required(entry.who.operatorName));
    q.addBindValue(required(entry.who.host));
    q.addBindValue(required(entry.who.osUser));
    q.addBindValue(required(storedWord(entry)));
    q.addBindValue(required(entry.subject));
    q.addBindValue(orNull(entry.before));
    q.addBindValue(orNull(entry.after));
    q.addBindValue(orNull(entry.detail));
    q.addBindValue(entry.transfer > 0 ? QVariant(entry.transfer) : QVariant());
    if (values)
        q.addBindValue(valuesJson(entry));
    if (!q.exec())
        return Outcome::failure(cannotRecord(database::plainError(q.lastError(), path)));
    if (!wantId)
        return qint64(0);
    return returning ? (q.next() ? q.value(0).toLongLong() : 0) : q.lastInsertId().toLongLong();
}

} // namespace

Outcome append(const QSqlDatabase& db, const Entry& entry, const store::Database& path)
{
    const Expected<qint64> id = appendOne(db, entry, path, !entry.rooms.isEmpty());
    if (!id || entry.rooms.isEmpty())
        return id.outcome();
    if (Outcome written = writeRooms(db, *id, entry.rooms, path); !written)
        return Outcome::failure(cannotRecord(written.description()));
    return Outcome::success();
}

Expected<qint64> appendEntry(const QSqlDatabase& db, const Entry& entry,
                             const store::Database& path)
{
    return appendOne(db, entry, path, true);
}

Outcome setDetail(const QSqlDatabase& db, qint64 id, const QString& detail,
                  const store::Database& path)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE change_record SET detail = ? WHERE id = ?"));
    q.addBindValue(orNull(detail));
    q.addBindValue(id);
    if (!q.exec())
        return Outcome::failure(cannotRecord(database::plainError(q.lastError(), path)));
    return Outcome::success();
}

RowRecorder::RowRecorder(Table table, Actor who, QStringList fieldNames)
    : m_table(table), m_who(std::move(who)), m_names(std::move(fieldNames))
{
}

QString RowRecorder::shown(const QStringList& values) const
{
    // An operator's PIN never enters the record: only its name does.
    if (m_table == Table::Operators)
        return valuesText(m_names.mid(0, 1), values.mid(0, 1));
    return valuesText(m_names, values);
}

QJsonObject RowRecorder::kept(const QStringList& values) const
{
    if (values.isEmpty())
        return {};
    if (m_table == Table::Operators)
        return valuesOf(m_names.mid(0, 1), values.mid(0, 1));
    return valuesOf(m_names, values);
}

std::optional<Entry> RowRecorder::entryFor(const RowChange& change) const
{
    const bool rooms = m_table == Table::Rooms;
    Entry entry;
    entry.who = m_who;
    entry.file = rooms ? Entry::File::Rooms : Entry::File::Operators;
    switch (change.kind) {
    case RowChange::Kind::Added:
        entry.kind = rooms ? Kind::RoomAdded : Kind::OperatorAdded;
        entry.subject = change.after.value(0);
        entry.after = shown(change.after);
        entry.afterValues = kept(change.after);
        return entry;
    case RowChange::Kind::Deleted:
        entry.kind = rooms ? Kind::RoomDeleted : Kind::OperatorDeleted;
        entry.subject = change.before.value(0);
        entry.before = shown(change.before);
        entry.beforeValues = kept(change.before);
        return entry;
    case RowChange::Kind::Changed:
        break;
    }
    QStringList changed;
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        if (change.before.value(i) != change.after.value(i))
            changed << m_names[i];
    }
    if (changed.isEmpty())
        return std::nullopt;
    entry.subject = change.after.value(0);
    entry.before = shown(change.before);
    entry.after = shown(change.after);
    entry.beforeValues = kept(change.before);
    entry.afterValues = kept(change.after);
    if (rooms) {
        entry.kind = Kind::RoomChanged;
        entry.detail = changed.join(QStringLiteral(", "));
        return entry;
    }
    const bool renamed = changed.contains(m_names.value(0));
    const bool newPin = changed.size() > (renamed ? 1 : 0);
    entry.kind = renamed && newPin ? Kind::OperatorRenamedNewPin
                 : renamed         ? Kind::OperatorRenamed
                                   : Kind::OperatorNewPin;
    return entry;
}

Outcome RowRecorder::operator()(const QSqlDatabase& db, const RowChange& change) const
{
    const std::optional<Entry> entry = entryFor(change);
    return entry ? append(db, *entry, database::shownName(db)) : Outcome::success();
}

namespace {

QString readFailure(const QSqlQuery& q, const QSqlDatabase& db)
{
    return cannotRecord(database::plainError(q.lastError(), database::shownName(db)));
}

} // namespace

Expected<RowRecorder::Since> RowRecorder::sinceRead(const QSqlDatabase& db,
                                                    const QString& time) const
{
    Since since;
    since.time = time;
    const bool values = hasValues(db);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT what, rooms, %1, old_values FROM change_record WHERE "
                             "happened >= ? ORDER BY id")
                  .arg(values ? schema::kChangeValuesColumn : QStringLiteral("NULL")));
    q.addBindValue(time);
    if (!q.exec())
        return Outcome::failure(readFailure(q, db));
    while (q.next() && !since.restored) {
        since.restored = kindOf(q.value(0).toString()) == Kind::Restore;
        if (!q.value(3).isNull() || !q.value(2).isNull())
            since.before.insert(storedBefore(q.value(2), q.value(3)));
        // Rooms an earlier release kept in its import's entry.
        for (const RoomLine& line : roomLines(q.value(1).toString().toUtf8()))
            noteImported(since, line.before, line.after);
    }
    if (q.lastError().isValid())
        return Outcome::failure(readFailure(q, db));
    if (since.restored || !hasRoomTable(db))
        return since;
    q.prepare(QStringLiteral("SELECT r.what, r.%1 FROM change_room r JOIN change_record c ON "
                             "c.id = r.entry WHERE c.happened >= ? ORDER BY r.entry, r.position")
                  .arg(schema::changeRoomColumns().mid(4).join(QStringLiteral(", r."))));
    q.addBindValue(time);
    if (!q.exec())
        return Outcome::failure(readFailure(q, db));
    while (q.next()) {
        const Kind kind = kindOf(q.value(0).toString());
        QStringList before;
        QStringList after;
        for (int i = 1; i <= 4; ++i) {
            if (kind != Kind::RoomAddedByImport)
                before << q.value(i).toString();
            if (kind != Kind::RoomRemovedByImport)
                after << q.value(i + 4).toString();
        }
        noteImported(since, before, after);
    }
    if (q.lastError().isValid())
        return Outcome::failure(readFailure(q, db));
    return since;
}

void RowRecorder::noteImported(Since& since, const QStringList& before,
                               const QStringList& after) const
{
    if (!before.isEmpty())
        since.before.insert(kept(before));
    if (!after.isEmpty())
        since.importedAfter.insert(after.value(0), kept(after));
}

Expected<int> RowRecorder::noticeOutside(const QSqlDatabase& db, const QList<RowChange>& changes,
                                         const QDateTime& readAt) const
{
    if (changes.isEmpty())
        return 0;
    if (const Outcome made = makeTable(db, database::shownName(db)); !made)
        return Outcome::failure(cannotRecord(made.description()));
    const Expected<Since> since = sinceRead(db, timeText(readAt));
    if (!since)
        return since.outcome();
    if (since->restored)
        return 0;
    const QString values = hasValues(db) ? schema::kChangeValuesColumn : QStringLiteral("NULL");
    QSqlQuery newest(db);
    newest.prepare(QStringLiteral("SELECT %1, new_values, happened >= ? FROM change_record WHERE "
                                  "subject = ? ORDER BY happened DESC, id DESC")
                       .arg(values));
    int recorded = 0;
    for (const RowChange& change : changes) {
        const bool deleted = change.kind == RowChange::Kind::Deleted;
        const QString subject = deleted ? change.before.value(0) : change.after.value(0);
        const QJsonObject after = kept(change.after);
        // An import's, told without a query a room (an import may hold them all);
        // a row gone since it was read may live on under another name (an
        // import gave a stored "0101" the name "101").
        if (deleted ? since->before.contains(kept(change.before))
                    : since->importedAfter.contains(subject) &&
                          since->importedAfter.value(subject) == after)
            continue;
        newest.addBindValue(since->time);
        newest.addBindValue(subject);
        if (!newest.exec())
            return Outcome::failure(readFailure(newest, db));
        // Written by this program (here or on another PC), or already seen:
        // the room's newest entry, or any since, leaves it so (two rows may
        // share a room).
        bool explained = false;
        for (bool first = true; !explained && newest.next(); first = false) {
            if (!first && !newest.value(2).toBool())
                break;
            explained = storedAfter(newest.value(0), newest.value(1)) == after;
        }
        newest.finish();
        if (explained)
            continue;
        if (Outcome added = append(db, outsideEntry(change), database::shownName(db)); !added)
            return added;
        ++recorded;
    }
    return recorded;
}

Entry RowRecorder::outsideEntry(const RowChange& change) const
{
    Entry entry;
    entry.kind = Kind::Outside;
    entry.subject =
        change.kind == RowChange::Kind::Deleted ? change.before.value(0) : change.after.value(0);
    entry.before = change.before.isEmpty() ? QString() : shown(change.before);
    entry.after = change.after.isEmpty() ? QString() : shown(change.after);
    entry.beforeValues = kept(change.before);
    entry.afterValues = kept(change.after);
    entry.detail = QStringLiteral("%1; seen by %2 on %3")
                       .arg(change.kind == RowChange::Kind::Added     ? QStringLiteral("added")
                            : change.kind == RowChange::Kind::Deleted ? QStringLiteral("deleted")
                                                                      : QStringLiteral("changed"),
                            m_who.operatorName, m_who.host);
    return entry;
}

} // namespace changerecord
