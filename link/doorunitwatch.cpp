#include "doorunitwatch.h"

#include "keeper.h"
#include "recordcursor.h"
#include "roomrecord.h"
#include "schema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QHash>
#include <QTimer>

#include <algorithm>
#include <bit>
#include <numeric>

namespace {

// A write comes as a burst of changes to the file and its journal: the
// record is read once the burst is over.
constexpr int kSettleMs = 200;
constexpr int kRoomField = 0;

qint64 idOf(const std::optional<TransferRecord>& record)
{
    return record ? record->id : 0;
}

} // namespace

DoorUnitWatch::DoorUnitWatch(store::Database databasePath, QObject* parent)
    : QObject(parent), m_path(std::move(databasePath)), m_files(new QFileSystemWatcher(this)),
      m_settle(new QTimer(this))
{
    // Another program or copy may record a transfer (or replace the file):
    // the folder is watched too, as a file replaced by a rename drops out.
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMs);
    connect(m_settle, &QTimer::timeout, this, &DoorUnitWatch::recheck);
    const auto settle = [this] { m_settle->start(); };
    connect(m_files, &QFileSystemWatcher::fileChanged, this, settle);
    connect(m_files, &QFileSystemWatcher::directoryChanged, this, settle);
    watchFile();
}

void DoorUnitWatch::watchFile()
{
    // A building's changes are announced, not seen in a file.
    const QString path = m_path.filePath();
    if (path.isEmpty())
        return;
    const QFileInfo file(path);
    if (file.exists() && !m_files->files().contains(path))
        m_files->addPath(path);
    const QString folder = file.absolutePath();
    if (QFileInfo(folder).isDir() && !m_files->directories().contains(folder))
        m_files->addPath(folder);
}

void DoorUnitWatch::readKeeperPlan()
{
    const Expected<std::optional<keeper::Plan>> plan = keeper::readPlan(m_path);
    m_keeperNext = plan && *plan ? (*plan)->next : QDateTime();
}

bool DoorUnitWatch::readLatest()
{
    m_latestRead = true;
    readKeeperPlan();
    m_error.clear();
    m_sent = SentRooms();
    m_others.clear();
    Expected<QList<DoorUnit>> units = doorunits::read(m_path);
    m_units = units && !units->isEmpty()
                  ? *units
                  : QList<DoorUnit>{{doorunits::kFirstUnit, doorunits::kFirstName, 1, false}};
    if (std::none_of(m_units.begin(), m_units.end(),
                     [this](const DoorUnit& u) { return u.id == m_unit; }))
        m_unit = m_units.first().id;
    // The download's rooms go straight into the packed index, never held twice.
    TransferLog log(m_path);
    Expected<TransferLog::Latest> latest = log.latest(TransferLog::Rooms::Checked, m_unit);
    m_error = latest.error();
    if (latest && latest->download) {
        const Outcome read = log.eachRoom(latest->download->id,
                                          [this](const RoomRecord& room) { m_sent.add(room); });
        if (!read) {
            m_error = read.description();
            latest = read;
        }
    }
    m_latest = latest ? std::move(*latest) : TransferLog::Latest{};
    if (!latest)
        m_sent = SentRooms();
    m_sent.finish();
    for (const DoorUnit& unit : m_units) {
        if (unit.id == m_unit || !m_error.isEmpty())
            continue;
        Other other{unit, {}, {}, {}};
        Expected<TransferLog::Latest> theirs = log.latest(TransferLog::Rooms::Checked, unit.id);
        Outcome read = theirs.outcome();
        if (theirs && theirs->download)
            read = log.eachRoom(theirs->download->id,
                                [&other](const RoomRecord& room) { other.sent.add(room); });
        if (!read) {
            m_error = read.description();
            break;
        }
        other.latest = std::move(*theirs);
        other.sent.finish();
        m_others.push_back(std::move(other));
    }
    m_fingerprint.clear();
    auto other = m_others.begin();
    for (const DoorUnit& unit : m_units)
        addPrint(m_fingerprint, unit,
                 unit.id == m_unit || other == m_others.end() ? m_latest : (other++)->latest);
    return m_error.isEmpty();
}

void DoorUnitWatch::addPrint(QList<qint64>& print, const DoorUnit& unit,
                             const TransferLog::Latest& latest)
{
    const std::optional<TransferRecord>& after = latest.after;
    print << unit.id << unit.port << qHash(unit.name) << idOf(latest.download) << idOf(after)
          << (after ? int(after->ending) : -1) << (after ? after->sent : -1);
}

bool DoorUnitWatch::recordMoved()
{
    if (!m_latestRead || !m_error.isEmpty())
        return true;
    // Only the records are read: the rooms of a download never change, and
    // were checked when it was read.
    const Expected<QList<DoorUnit>> units = doorunits::read(m_path);
    if (!units || *units != m_units)
        return true;
    TransferLog log(m_path);
    QList<qint64> now;
    for (const DoorUnit& unit : *units) {
        const Expected<TransferLog::Latest> latest =
            log.latest(TransferLog::Rooms::Trusted, unit.id);
        if (!latest)
            return true;
        addPrint(now, unit, *latest);
    }
    return now != m_fingerprint;
}

void DoorUnitWatch::setUnit(qint64 unit)
{
    if (unit == m_unit)
        return;
    m_unit = unit;
    reload();
}

void DoorUnitWatch::recordAs(const changerecord::Actor& who)
{
    m_recorder = std::make_shared<changerecord::RowRecorder>(
        changerecord::RowRecorder::Table::Rooms, who, schema::directoryTable().fieldNames());
}

void DoorUnitWatch::noticeOutside(RecordCursor& file, const std::vector<int>& rowOf)
{
    if (!m_recorder || !m_latest.download || !m_error.isEmpty())
        return;
    QList<RowChange> changes;
    QStringList keys;
    const auto look = [&](RowChange change) {
        const QStringList& values = change.after.isEmpty() ? change.before : change.after;
        QString key = QString::number(int(change.kind)) + values.join(QChar(0x1f));
        if (!m_noticed.contains(key)) {
            keys << std::move(key);
            changes << std::move(change);
        }
    };
    const auto fields = [](const auto& room) {
        QStringList values;
        for (const auto field : room)
            values << field.toString();
        return values;
    };
    std::array<QString, 4> scratch;
    SentRooms::Room now;
    for (size_t i = 0; i < m_changes.marks.size() && i < rowOf.size(); ++i) {
        const quint8 mark = m_changes.marks[i];
        if (mark == DirectoryChanges::Same)
            continue;
        readRoom(file, rowOf[i], now, scratch);
        if (mark == DirectoryChanges::Added)
            look({RowChange::Kind::Added, {}, fields(now)});
        else
            look({RowChange::Kind::Changed, fields(m_sent.at(m_changes.sentOf[i])), fields(now)});
    }
    for (const RoomRecord& gone : m_changes.removed)
        look({RowChange::Kind::Deleted, {gone.Room, gone.TEL1, gone.TEL2, gone.TEL3}, {}});
    if (changes.isEmpty())
        return;
    file.setChangeRecorder(m_recorder);
    // A file that cannot take an entry cannot take a transfer's record either,
    // which the panel already says; the rooms are not looked up again.
    (void)file.noticeOutside(changes, m_latest.download->started);
    for (QString& key : keys)
        m_noticed.insert(std::move(key));
}

void DoorUnitWatch::reload()
{
    m_latestRead = false;
    m_noticed.clear();
    update();
}

void DoorUnitWatch::recheck()
{
    watchFile();
    readKeeperPlan();
    if (recordMoved())
        reload();
    else if (!m_cursor || !m_cursor->isOpen())
        update(); // the rooms compared are the file's
}

void DoorUnitWatch::watch(RecordCursor* cursor)
{
    if (m_cursor == cursor)
        return;
    if (m_cursor)
        disconnect(m_cursor, nullptr, this, nullptr);
    m_cursor = cursor;
    forgetMarks();
    if (!cursor) {
        compareWatched();
        return;
    }
    // Row writes, deletes, appends and Refresh: each may change what differs.
    connect(cursor, &RecordCursor::rowChanged, this, &DoorUnitWatch::updateRow);
    for (auto signal : {&RecordCursor::rowAppended, &RecordCursor::rowRemoved})
        connect(cursor, signal, this, &DoorUnitWatch::update);
    // Refresh reads the table again: the record is looked at again too.
    connect(cursor, &RecordCursor::reset, this, &DoorUnitWatch::compareWatched);
    // Gone with its window: the file is read instead, once the window's
    // close has run to its end (and never while the program comes down).
    connect(cursor, &QObject::destroyed, this, [this] {
        forgetMarks();
        QTimer::singleShot(0, this, &DoorUnitWatch::update);
    });
    // The rows just read are what the file holds, which the panel has
    // compared already; they are marked once the window has shown them.
}

void DoorUnitWatch::compareWatched()
{
    if (recordMoved())
        m_latestRead = false;
    update();
}

void DoorUnitWatch::forgetMarks()
{
    m_rowMarks.clear();
    m_comparedOf.clear();
    m_sameOf.clear();
    m_sameGroups.clear();
    m_keyHashes.clear();
}

void DoorUnitWatch::update()
{
    if (!m_latestRead)
        readLatest();
    m_problem = m_error;
    m_notRecorded = TransferLog::checkRecordable(m_path).description();
    // The rooms compared are read in place from the window's cursor while
    // it is open, as the file holds them, otherwise from the file.
    RecordCursor file(schema::directoryTable());
    const RecordCursor* rooms = nullptr;
    std::vector<int> rowOf; // the cursor row of each room compared
    if (m_cursor && m_cursor->isOpen()) {
        rooms = m_cursor;
        rowOf.reserve(size_t(rooms->rowCount()));
        for (int row = 0; row < rooms->rowCount(); ++row) {
            // A deleted row, and a new row not yet written, are no rooms.
            if (!rooms->isDeleted(row) && !rooms->isNew(row))
                rowOf.push_back(row);
        }
    } else if (Outcome opened = file.open(m_path); !opened) {
        m_problem = opened.description();
    } else {
        rooms = &file;
        rowOf.resize(size_t(file.rowCount()));
        std::iota(rowOf.begin(), rowOf.end(), 0);
    }
    std::array<QString, 4> scratch;
    m_changes = m_sent.compare(int(rowOf.size()), [&](int i, SentRooms::Room& room) {
        readRoom(*rooms, rowOf[size_t(i)], room, scratch);
    });
    findSameRooms(rooms ? *rooms : file, rooms ? rowOf : std::vector<int>{});
    if (rooms == &file)
        noticeOutside(file, rowOf);
    m_state = DoorUnitState::of(m_latest, m_changes);
    // The other units are compared with the same rows, so the file closes after them.
    for (Other& other : m_others) {
        other.state = DoorUnitState::of(
            other.latest, other.sent.compare(int(rowOf.size()), [&](int i, SentRooms::Room& room) {
                readRoom(*rooms, rowOf[size_t(i)], room, scratch);
            }));
    }
    // The file was only read: closing has nothing to write and cannot be refused.
    static_cast<void>(file.close());
    m_rowMarks.assign(m_cursor ? size_t(m_cursor->rowCount()) : 0, DirectoryChanges::Same);
    m_comparedOf.assign(m_rowMarks.size(), -1);
    if (rooms == m_cursor) {
        for (size_t i = 0; i < rowOf.size(); ++i)
            m_comparedOf[size_t(rowOf[i])] = int(i);
        // Never loaded: every room would read "not yet on the door unit",
        // which the panel says once.
        for (size_t i = 0; m_latest.download && i < rowOf.size(); ++i)
            m_rowMarks[size_t(rowOf[i])] = m_changes.marks[i];
    }
    emit changed();
}

// The door unit pads a room with zeros, so "101" and "0101" become one
// record there; the directory keeps both as typed, and each is marked.
void DoorUnitWatch::findSameRooms(const RecordCursor& rooms, const std::vector<int>& rowOf)
{
    const bool marked = &rooms == m_cursor.data();
    m_samePairs = 0;
    m_sameGroups.clear();
    m_sameOf.assign(marked ? size_t(rooms.rowCount()) : 0, -1);
    // Each room's key is looked at in place, in the cursor's rows; only its
    // hash is kept, to tell later whether a write moved the row's key.
    m_keyHashes.resize(rowOf.size());
    // A key's first room in a table of integers (open addressing), a tenth
    // of the size of a hash of the keys; the first room's group once a
    // second room has its key.
    const size_t mask = std::bit_ceil(rowOf.size() * 2 + 1) - 1;
    std::vector<int> firstOf(mask + 1, -1);
    std::vector<int> groupOf(rowOf.size(), -1);
    QString scratch;
    QString firstScratch;
    for (size_t i = 0; i < rowOf.size(); ++i) {
        const UnitRoomKey key(rooms.storedView(rowOf[i], kRoomField, scratch));
        const size_t hash = key.hash();
        m_keyHashes[i] = hash;
        size_t slot = hash & mask;
        for (; firstOf[slot] >= 0; slot = (slot + 1) & mask) {
            const size_t first = size_t(firstOf[slot]);
            if (m_keyHashes[first] == hash &&
                UnitRoomKey(rooms.storedView(rowOf[first], kRoomField, firstScratch)) == key)
                break;
        }
        if (firstOf[slot] < 0) {
            firstOf[slot] = int(i);
            continue;
        }
        int& group = groupOf[size_t(firstOf[slot])];
        if (group < 0) {
            group = int(m_sameGroups.size());
            m_sameGroups.push_back({rowOf[size_t(firstOf[slot])]});
        }
        std::vector<int>& rows = m_sameGroups[size_t(group)];
        m_samePairs += int(rows.size());
        rows.push_back(rowOf[i]);
    }
    if (!marked) {
        m_sameGroups.clear();
        m_keyHashes.clear();
    }
    for (size_t g = 0; g < m_sameGroups.size(); ++g) {
        for (const int row : m_sameGroups[g])
            m_sameOf[size_t(row)] = int(g);
    }
}

QString DoorUnitWatch::keyOf(int row) const
{
    if (!m_cursor || row < 0 || row >= m_cursor->rowCount())
        return {};
    QString scratch;
    return doorUnitRoomKey(m_cursor->storedView(row, kRoomField, scratch).toString());
}

void DoorUnitWatch::readRoom(const RecordCursor& cursor, int row, SentRooms::Room& room,
                             std::array<QString, 4>& scratch)
{
    for (int field = 0; field < 4; ++field)
        room[size_t(field)] = cursor.storedView(row, field, scratch[size_t(field)]);
}

void DoorUnitWatch::updateRow(int row)
{
    // A row that keeps the number it was matched by changes only its own
    // mark, and a room the door unit never held stays added: one row is
    // compared instead of the whole directory on each write.
    if (!m_cursor || !m_cursor->isOpen() || row >= m_cursor->rowCount())
        return update();
    // A row not yet written holds nothing the door unit is compared with.
    if (m_cursor->isNew(row) && !m_cursor->isDeleted(row))
        return;
    // Every unit's count may change with the row.
    if (!m_others.empty() || m_cursor->isDeleted(row) ||
        size_t(m_cursor->rowCount()) != m_comparedOf.size() || m_comparedOf[size_t(row)] < 0)
        return update();
    std::array<QString, 4> scratch;
    SentRooms::Room room;
    readRoom(*m_cursor, row, room, scratch);
    const size_t i = size_t(m_comparedOf[size_t(row)]);
    if (i >= m_keyHashes.size() || UnitRoomKey(room[0]).hash() != m_keyHashes[i])
        return update();
    // Never loaded: nothing else the panel or the rows show depends on the rooms.
    if (m_latestRead && !m_latest.download && m_error.isEmpty())
        return;
    const int sent = m_changes.sentOf[i];
    if (sent < 0) {
        if (m_sent.find(room[0]) >= 0)
            update();
        return;
    }
    if (!SentRooms::same(m_sent.at(sent)[0], room[0])) {
        update();
        return;
    }
    const quint8 mark = SentRooms::mark(m_sent.at(sent), room);
    if (mark == m_changes.marks[i])
        return;
    m_changes.changed +=
        int(mark != DirectoryChanges::Same) - int(m_changes.marks[i] != DirectoryChanges::Same);
    m_changes.marks[i] = mark;
    m_rowMarks[size_t(row)] = mark;
    m_state = DoorUnitState::of(m_latest, m_changes);
    emit changed();
}
