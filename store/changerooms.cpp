#include "changerecord.h"
#include "changerecordparts.h"

#include "bulkstatement.h"
#include "engine/databaseengine.h"
#include "schema.h"

#include <QSqlDatabase>

#include <array>
#include <utility>

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

// The stored word of a room's kind.
const QString& storedText(char kind)
{
    static const QString added = storedWord(Kind::RoomAddedByImport);
    static const QString changed = storedWord(Kind::RoomChangedByImport);
    static const QString removed = storedWord(Kind::RoomRemovedByImport);
    return kind == '+' ? added : kind == '-' ? removed : changed;
}

// The same, as UTF-8.
const QByteArray& storedUtf8(char kind)
{
    static const QByteArray added = storedText('+').toUtf8();
    static const QByteArray changed = storedText('~').toUtf8();
    static const QByteArray removed = storedText('-').toUtf8();
    return kind == '+' ? added : kind == '-' ? removed : changed;
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

RoomRows::RoomRows(const QSqlDatabase& db, qint64 entry, store::Database path)
    : m_db(db), m_copy(engine::bulkCopyOf(db)), m_entry(entry), m_entryText(QString::number(entry)),
      m_path(std::move(path))
{
    if (!m_copy)
        m_insert = std::make_unique<BatchedInsert>(db, schema::kChangeRoomTable,
                                                   schema::changeRoomColumns());
}

RoomRows::~RoomRows() = default;

Outcome RoomRows::add(char kind, const RoomRecord* before, const RoomRecord* after)
{
    // An added room has no values before, a removed one none after; a side
    // the room lacks is empty text, as is a value never given.
    static const QString none = QStringLiteral("");
    const RoomRecord* was = kind == '+' ? nullptr : before;
    const RoomRecord* now = kind == '-' ? nullptr : after;
    const auto text = [](const RoomRecord* room, QString RoomRecord::*field) -> const QString& {
        return !room || (room->*field).isNull() ? none : room->*field;
    };
    using R = RoomRecord;
    if (m_copy) {
        return copy(kind, {text(kind == '-' ? was : now, &R::Room), text(was, &R::Room),
                           text(was, &R::TEL1), text(was, &R::TEL2), text(was, &R::TEL3),
                           text(now, &R::Room), text(now, &R::TEL1), text(now, &R::TEL2),
                           text(now, &R::TEL3)});
    }
    if (!m_insert->add({m_entry, m_position++, QByteArrayView(storedUtf8(kind)),
                        text(kind == '-' ? was : now, &R::Room), text(was, &R::Room),
                        text(was, &R::TEL1), text(was, &R::TEL2), text(was, &R::TEL3),
                        text(now, &R::Room), text(now, &R::TEL1), text(now, &R::TEL2),
                        text(now, &R::TEL3)}))
        return Outcome::failure(cannotRecord(m_insert->error(m_path)));
    return Outcome::success();
}

Outcome RoomRows::addLine(QByteArrayView line)
{
    std::array<QByteArrayView, 9> parts;
    size_t count = 0;
    qsizetype from = 0;
    for (qsizetype tab = line.indexOf('\t'); count < parts.size() && tab >= 0;
         tab = line.indexOf('\t', from)) {
        parts[count++] = line.sliced(from, tab - from);
        from = tab + 1;
    }
    if (count != parts.size() - 1 || parts[0].size() != 1)
        return Outcome::success();
    parts[count] = line.sliced(from);
    std::array<QByteArrayView, 8> values;
    for (size_t i = 0; i < values.size(); ++i) {
        values[i] = parts[i + 1];
        if (values[i].contains('\\'))
            values[i] = m_buffers[i] = unescaped(values[i]).toUtf8();
    }
    return write(parts[0][0], values);
}

Outcome RoomRows::write(char kind, const std::array<QByteArrayView, 8>& values)
{
    // An added room has no values before, a removed one none after.
    const auto side = [&](size_t i) {
        return (kind == '+' && i < 4) || (kind == '-' && i >= 4) ? QByteArrayView("") : values[i];
    };
    const QByteArrayView room = kind == '-' ? values[0] : values[4];
    if (m_copy) {
        std::array<QString, 9> texts{QString::fromUtf8(room)};
        for (size_t i = 0; i < values.size(); ++i)
            texts[i + 1] = QString::fromUtf8(side(i));
        std::array<QStringView, 9> views;
        std::copy(texts.cbegin(), texts.cend(), views.begin());
        return copy(kind, views);
    }
    if (!m_insert->add({m_entry, m_position++, QByteArrayView(storedUtf8(kind)), room, side(0),
                        side(1), side(2), side(3), side(4), side(5), side(6), side(7)}))
        return Outcome::failure(m_insert->error(m_path));
    return Outcome::success();
}

Outcome RoomRows::copy(char kind, const std::array<QStringView, 9>& texts)
{
    // The copy starts with the first room, not with the entry: the import
    // reads the directory between the two.
    if (!m_copying) {
        auto opened = m_copy->open(m_db, schema::kChangeRoomTable, schema::changeRoomColumns());
        if (!opened)
            return Outcome::failure(cannotRecord(opened.error()));
        m_copying = std::move(*opened);
    }
    const QString position = QString::number(m_position++);
    std::array<QStringView, 12> row{m_entryText, position, storedText(kind)};
    std::copy(texts.cbegin(), texts.cend(), row.begin() + 3);
    if (Outcome added = m_copying->add(row); !added)
        return Outcome::failure(cannotRecord(added.description()));
    return Outcome::success();
}

Outcome RoomRows::finish()
{
    if (m_insert && !m_insert->flush())
        return Outcome::failure(cannotRecord(m_insert->error(m_path)));
    if (!m_copying)
        return Outcome::success();
    const Outcome copied = std::exchange(m_copying, {})->finish();
    if (!copied)
        return Outcome::failure(cannotRecord(copied.description()));
    return Outcome::success();
}

Outcome writeRooms(const QSqlDatabase& db, qint64 entry, const QByteArray& rooms,
                   const store::Database& path)
{
    // A line at a time: the rooms of a large import are not held twice.
    RoomRows rows(db, entry, path);
    const QByteArrayView all(rooms);
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        if (Outcome written = rows.addLine(all.sliced(start, end - start)); !written)
            return written;
        start = end + 1;
    }
    return rows.finish();
}

} // namespace changerecord
