#include "changerecord.h"
#include "changerecordparts.h"

#include "bulkstatement.h"
#include "schema.h"

#include <QSqlDatabase>

// An import's rooms, as its one entry keeps them.
namespace changerecord {

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

} // namespace

QList<RoomLine> roomLines(const QByteArray& rooms, const QString& only)
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

Kind lineKind(char kind)
{
    return kind == '+'   ? Kind::RoomAddedByImport
           : kind == '-' ? Kind::RoomRemovedByImport
                         : Kind::RoomChangedByImport;
}

Entry roomEntry(const Entry& import, Kind kind, const QStringList& before, const QStringList& after)
{
    Entry e;
    e.id = import.id;
    e.at = import.at;
    e.who = import.who;
    e.file = import.file;
    e.kind = kind;
    e.subject = after.isEmpty() ? before.value(0) : after.value(0);
    if (!before.isEmpty()) {
        e.before = valuesText(roomFields(), before);
        e.beforeValues = valuesOf(roomFields(), before);
    }
    if (!after.isEmpty()) {
        e.after = valuesText(roomFields(), after);
        e.afterValues = valuesOf(roomFields(), after);
    }
    return e;
}

QList<Entry> roomEntries(const Entry& import, const QString& room)
{
    QList<Entry> entries;
    for (const RoomLine& line : roomLines(import.rooms, room)) {
        Entry e = roomEntry(import, lineKind(line.kind), line.before, line.after);
        if (room.isNull() || e.subject == room)
            entries << e;
    }
    return entries;
}

Outcome writeRooms(const QSqlDatabase& db, qint64 entry, const QByteArray& rooms,
                   const store::Database& path)
{
    const QStringList columns = schema::changeRoomColumns();
    BulkStatement insert(
        db, QStringLiteral("INSERT INTO change_room (%1) VALUES (%2)")
                .arg(columns.join(QStringLiteral(", ")),
                     QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", "))));
    // A line at a time: the rooms of a large import are not held twice.
    qint64 position = 0;
    for (qsizetype start = 0; start < rooms.size();) {
        qsizetype end = rooms.indexOf('\n', start);
        if (end < 0)
            end = rooms.size();
        RoomLine line = roomLine(QByteArrayView(rooms).sliced(start, end - start));
        start = end + 1;
        if (!line.kind)
            continue;
        const QString what = storedWord(lineKind(line.kind));
        const QString room = (line.after.isEmpty() ? line.before : line.after).value(0, {});
        const QString none = QStringLiteral("");
        line.before.resize(4, none);
        line.after.resize(4, none);
        const QStringList& b = line.before;
        const QStringList& a = line.after;
        if (!insert.run({entry, position++, what, room.isNull() ? none : room, b[0], b[1], b[2],
                         b[3], a[0], a[1], a[2], a[3]}))
            return Outcome::failure(insert.error(path));
    }
    return Outcome::success();
}

} // namespace changerecord
