#include "changerecord.h"

#include "database.h"
#include "engine/databaseengine.h"
#include "schema.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
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

namespace {

const QString kInsert = QStringLiteral(
    "INSERT INTO change_record (happened, operator, host, os_user, what, subject, old_values, "
    "new_values, detail, transfer, rooms) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");

QVariant orNull(const QString& text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

// A text the table requires: a null QString would bind as NULL.
QVariant required(const QString& text)
{
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

// Makes the table in db when missing; the error in words, empty when done.
QString makeTable(const QSqlDatabase& db, const QString& path)
{
    if (hasTable(db))
        return {};
    QSqlQuery q(db);
    for (const QString& statement : schema::changeRecordStatements(engine::of(db))) {
        if (!q.exec(statement))
            return database::plainError(q.lastError(), path);
    }
    return {};
}

QString cannotRecord(const QString& why)
{
    return QCoreApplication::translate("changerecord",
                                       "its entry in the change record cannot be written: %1")
        .arg(why);
}

} // namespace

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

QString shownWords(const QString& kept, const char* context, QList<const char*> words)
{
    // Each text as a pattern, its values caught in their order.
    static const QRegularExpression value(QStringLiteral("\\\\%(\\d)"));
    for (const char* text : words) {
        QString pattern = QRegularExpression::escape(QString::fromUtf8(text));
        QList<int> order;
        for (auto it = value.globalMatch(pattern); it.hasNext();)
            order << it.next().captured(1).toInt();
        pattern.replace(value, QStringLiteral("(.*?)"));
        const QRegularExpressionMatch match =
            QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$')).match(kept);
        if (!match.hasMatch())
            continue;
        QList<std::pair<int, QString>> values;
        for (qsizetype i = 0; i < order.size(); ++i)
            values.append({order[i], match.captured(int(i) + 1)});
        std::sort(values.begin(), values.end());
        QString shown = QCoreApplication::translate(context, text);
        for (const auto& [number, found] : values)
            shown = shown.arg(found);
        return shown;
    }
    return kept;
}

QString timeText(const QDateTime& utc)
{
    return utc.toUTC().toString(Qt::ISODateWithMs);
}

QString valuesText(const QStringList& names, const QStringList& values)
{
    QStringList parts;
    for (qsizetype i = 0; i < names.size() && i < values.size(); ++i) {
        QString value = values[i];
        value.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        parts << QStringLiteral("%1 \"%2\"").arg(names[i], value);
    }
    return parts.join(QStringLiteral(", "));
}

Outcome append(const QSqlDatabase& db, const Entry& entry, const QString& path)
{
    if (const QString why = makeTable(db, path); !why.isEmpty())
        return Outcome::failure(cannotRecord(why));
    const QString at = timeText(entry.at.isValid() ? entry.at : QDateTime::currentDateTimeUtc());
    // An import's rooms go straight through the engine, with no copy of them.
    if (!entry.rooms.isEmpty()) {
        if (const auto s = engine::prepare(db, kInsert)) {
            const QList<QByteArray> texts{at.toUtf8(),
                                          entry.who.operatorName.toUtf8(),
                                          entry.who.host.toUtf8(),
                                          entry.who.osUser.toUtf8(),
                                          entry.what.toUtf8(),
                                          entry.subject.toUtf8(),
                                          entry.before.toUtf8(),
                                          entry.after.toUtf8(),
                                          entry.detail.toUtf8()};
            // A parameter left unbound is NULL: the values an entry lacks.
            for (int i = 0; i < texts.size(); ++i) {
                if (i < 6 || !texts[i].isEmpty())
                    s->bindText(i + 1, texts[i]);
            }
            if (entry.transfer > 0)
                s->bindInteger(10, entry.transfer);
            s->bindText(11, entry.rooms);
            if (s->step() == engine::Statement::Step::Done)
                return Outcome::success();
            const auto [code, text] = s->error();
            return Outcome::failure(cannotRecord(database::plainError(code, text, path)));
        }
    }
    QSqlQuery q(db);
    q.prepare(kInsert);
    q.addBindValue(at);
    q.addBindValue(required(entry.who.operatorName));
    q.addBindValue(required(entry.who.host));
    q.addBindValue(required(entry.who.osUser));
    q.addBindValue(required(entry.what));
    q.addBindValue(required(entry.subject));
    q.addBindValue(orNull(entry.before));
    q.addBindValue(orNull(entry.after));
    q.addBindValue(orNull(entry.detail));
    q.addBindValue(entry.transfer > 0 ? QVariant(entry.transfer) : QVariant());
    q.addBindValue(entry.rooms.isEmpty() ? QVariant() : QVariant(QString::fromUtf8(entry.rooms)));
    if (!q.exec())
        return Outcome::failure(cannotRecord(database::plainError(q.lastError(), path)));
    return Outcome::success();
}

namespace {

const QStringList& roomFields()
{
    static const QStringList names = schema::directoryTable().fieldNames();
    return names;
}

QByteArray escaped(const QString& value)
{
    QByteArray utf8 = value.toUtf8();
    if (utf8.contains('\t') || utf8.contains('\n') || utf8.contains('\\'))
        utf8 = utf8.replace('\\', "\\\\").replace('\t', "\\t").replace('\n', "\\n");
    return utf8;
}

QString unescaped(QByteArrayView value)
{
    if (!value.contains('\\'))
        return QString::fromUtf8(value);
    QByteArray text;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        const char next = value[++i];
        text += next == 't' ? '\t' : next == 'n' ? '\n' : next;
    }
    return QString::fromUtf8(text);
}

struct RoomLine
{
    char kind = 0;
    QStringList before; // four fields, or none for a room added
    QStringList after;  // four fields, or none for a room removed
};

// One line of an import's rooms; kind 0 for a line that is none.
RoomLine roomLine(QByteArrayView line)
{
    RoomLine room;
    qsizetype from = 0;
    QList<QByteArrayView> parts;
    for (qsizetype tab = line.indexOf('\t'); tab >= 0; tab = line.indexOf('\t', from)) {
        parts << line.sliced(from, tab - from);
        from = tab + 1;
    }
    parts << line.sliced(from);
    if (parts.size() != 9 || parts[0].size() != 1)
        return room;
    room.kind = parts[0][0];
    if (room.kind != '+') {
        for (int i = 1; i <= 4; ++i)
            room.before << unescaped(parts[i]);
    }
    if (room.kind != '-') {
        for (int i = 5; i <= 8; ++i)
            room.after << unescaped(parts[i]);
    }
    return room;
}

// Every line, or those naming the room given (before or after) when there is one.
QList<RoomLine> roomLines(const QByteArray& rooms, const QString& only = {})
{
    QList<RoomLine> lines;
    const auto add = [&](qsizetype start) {
        qsizetype end = rooms.indexOf('\n', start);
        if (end < 0)
            end = rooms.size();
        if (RoomLine line = roomLine(QByteArrayView(rooms).sliced(start, end - start)); line.kind)
            lines << line;
        return end + 1;
    };
    if (only.isNull()) {
        for (qsizetype start = 0; start < rooms.size();)
            start = add(start);
        return lines;
    }
    // Only the lines where the room stands as a whole field are read.
    const QByteArray field = '\t' + escaped(only) + '\t';
    qsizetype last = -1;
    for (qsizetype hit = rooms.indexOf(field); hit >= 0; hit = rooms.indexOf(field, hit + 1)) {
        const qsizetype start = rooms.lastIndexOf('\n', hit) + 1;
        if (start > last)
            add(start);
        last = start;
    }
    return lines;
}

} // namespace

void appendRoomLine(QByteArray& rooms, char kind, const RoomRecord* before, const RoomRecord* after)
{
    rooms += kind;
    for (const RoomRecord* room : {before, after}) {
        if (!room) {
            rooms += "\t\t\t\t";
            continue;
        }
        for (const QString* value : {&room->Room, &room->TEL1, &room->TEL2, &room->TEL3}) {
            rooms += '\t';
            rooms += escaped(*value);
        }
    }
    rooms += '\n';
}

QList<Entry> roomEntries(const Entry& import, const QString& room)
{
    QList<Entry> entries;
    for (const RoomLine& line : roomLines(import.rooms, room)) {
        Entry e;
        e.id = import.id;
        e.at = import.at;
        e.who = import.who;
        e.file = import.file;
        e.what = line.kind == '+'   ? QStringLiteral("room added by import")
                 : line.kind == '-' ? QStringLiteral("room removed by import")
                                    : QStringLiteral("room changed by import");
        e.subject = line.after.isEmpty() ? line.before.value(0) : line.after.value(0);
        if (!line.before.isEmpty())
            e.before = valuesText(roomFields(), line.before);
        if (!line.after.isEmpty())
            e.after = valuesText(roomFields(), line.after);
        if (room.isNull() || e.subject == room)
            entries << e;
    }
    return entries;
}

QByteArray roomPattern(const QString& room)
{
    QByteArray pattern = escaped(room);
    pattern.replace('\\', "\\\\").replace('%', "\\%").replace('_', "\\_");
    return "%\t" + pattern + "\t%";
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

std::optional<Entry> RowRecorder::entryFor(const RowChange& change) const
{
    const QString thing =
        m_table == Table::Rooms ? QStringLiteral("room") : QStringLiteral("operator");
    Entry entry;
    entry.who = m_who;
    entry.file = m_table == Table::Rooms ? Entry::File::Rooms : Entry::File::Operators;
    switch (change.kind) {
    case RowChange::Kind::Added:
        entry.what = thing + QStringLiteral(" added");
        entry.subject = change.after.value(0);
        entry.after = shown(change.after);
        return entry;
    case RowChange::Kind::Deleted:
        entry.what = thing + QStringLiteral(" deleted");
        entry.subject = change.before.value(0);
        entry.before = shown(change.before);
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
    if (m_table == Table::Rooms) {
        entry.what = QStringLiteral("room changed");
        entry.detail = changed.join(QStringLiteral(", "));
        return entry;
    }
    const bool renamed = changed.contains(m_names.value(0));
    const bool newPin = changed.size() > (renamed ? 1 : 0);
    entry.what = renamed && newPin ? QStringLiteral("operator renamed and given a new PIN")
                 : renamed         ? QStringLiteral("operator renamed")
                                   : QStringLiteral("operator given a new PIN");
    return entry;
}

Outcome RowRecorder::operator()(const QSqlDatabase& db, const RowChange& change) const
{
    const std::optional<Entry> entry = entryFor(change);
    return entry ? append(db, *entry, database::shownName(db)) : Outcome::success();
}

Expected<int> RowRecorder::noticeOutside(const QSqlDatabase& db, const QList<RowChange>& changes,
                                         const QDateTime& readAt) const
{
    if (changes.isEmpty())
        return 0;
    if (const QString why = makeTable(db, database::shownName(db)); !why.isEmpty())
        return Outcome::failure(cannotRecord(why));
    QSqlQuery restored(db);
    restored.prepare(
        QStringLiteral("SELECT 1 FROM change_record WHERE what = ? AND happened >= ? LIMIT 1"));
    restored.addBindValue(kRestore);
    restored.addBindValue(timeText(readAt));
    if (!restored.exec())
        return Outcome::failure(
            cannotRecord(database::plainError(restored.lastError(), database::shownName(db))));
    if (restored.next())
        return 0;
    restored.finish();
    // The rooms imports wrote since: theirs, not another program's.
    QHash<QString, QString> importedAfter;
    QSet<QString> importedBefore;
    restored.prepare(QStringLiteral("SELECT rooms FROM change_record WHERE subject = ? AND "
                                    "happened >= ? AND rooms IS NOT NULL ORDER BY id"));
    restored.addBindValue(QStringLiteral(""));
    restored.addBindValue(timeText(readAt));
    if (!restored.exec())
        return Outcome::failure(
            cannotRecord(database::plainError(restored.lastError(), database::shownName(db))));
    while (restored.next()) {
        for (const RoomLine& line : roomLines(restored.value(0).toString().toUtf8())) {
            if (!line.before.isEmpty())
                importedBefore.insert(shown(line.before));
            if (!line.after.isEmpty())
                importedAfter.insert(line.after.value(0), shown(line.after));
        }
    }
    QSqlQuery newest(db);
    newest.prepare(
        QStringLiteral("SELECT coalesce(new_values, ''), happened >= ? FROM "
                       "change_record WHERE subject = ? ORDER BY happened DESC, id DESC"));
    const QString since = timeText(readAt);
    int recorded = 0;
    for (const RowChange& change : changes) {
        const QString subject = change.kind == RowChange::Kind::Deleted ? change.before.value(0)
                                                                        : change.after.value(0);
        const QString after = change.after.isEmpty() ? QString() : shown(change.after);
        // An import's, told without a query a room (an import may hold them all).
        if (change.kind == RowChange::Kind::Deleted
                ? importedBefore.contains(shown(change.before))
                : importedAfter.value(subject) == after && importedAfter.contains(subject))
            continue;
        newest.addBindValue(since);
        newest.addBindValue(subject);
        if (!newest.exec())
            return Outcome::failure(
                cannotRecord(database::plainError(newest.lastError(), database::shownName(db))));
        // Written by this program (here or on another PC), or already seen:
        // the room's newest entry, or any since, leaves it so (two rows may
        // share a room).
        bool explained = false;
        for (bool first = true; !explained && newest.next(); first = false) {
            if (!first && !newest.value(1).toBool())
                break;
            explained = newest.value(0).toString() == after;
        }
        newest.finish();
        if (explained)
            continue;
        // A row gone since it was read may live on under another name (an
        // import gave a stored "0101" the name "101").
        if (change.kind == RowChange::Kind::Deleted) {
            QSqlQuery moved(db);
            moved.prepare(QStringLiteral("SELECT 1 FROM change_record WHERE happened >= ? AND "
                                         "old_values = ? LIMIT 1"));
            moved.addBindValue(timeText(readAt));
            moved.addBindValue(shown(change.before));
            if (!moved.exec())
                return Outcome::failure(
                    cannotRecord(database::plainError(moved.lastError(), database::shownName(db))));
            if (moved.next())
                continue;
        }
        Entry entry;
        entry.what = kOutside;
        entry.subject = subject;
        entry.before = change.before.isEmpty() ? QString() : shown(change.before);
        entry.after = after;
        entry.detail =
            QStringLiteral("%1; seen by %2 on %3")
                .arg(change.kind == RowChange::Kind::Added     ? QStringLiteral("added")
                     : change.kind == RowChange::Kind::Deleted ? QStringLiteral("deleted")
                                                               : QStringLiteral("changed"),
                     m_who.operatorName, m_who.host);
        if (Outcome added = append(db, entry, database::shownName(db)); !added)
            return added;
        ++recorded;
    }
    return recorded;
}

} // namespace changerecord
