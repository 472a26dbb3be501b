#include "doorunitwatch.h"

#include "recordcursor.h"
#include "schema.h"

#include <QTimer>

#include <numeric>

DoorUnitWatch::DoorUnitWatch(QString databasePath, QObject* parent)
    : QObject(parent), m_path(std::move(databasePath))
{
}

bool DoorUnitWatch::readLatest()
{
    m_latestRead = true;
    m_error.clear();
    m_sent = SentRooms();
    // The download's rooms go straight into the packed index, never held twice.
    TransferLog log(m_path);
    std::optional<TransferLog::Latest> latest = log.latest(&m_error, false);
    if (latest && latest->download &&
        !log.eachRoom(
            latest->download->id, [this](const RoomRecord& room) { m_sent.add(room); }, &m_error))
        latest.reset();
    m_latest = latest ? std::move(*latest) : TransferLog::Latest{};
    if (!latest)
        m_sent = SentRooms();
    m_sent.finish();
    return bool(latest);
}

void DoorUnitWatch::reload()
{
    m_latestRead = false;
    update();
}

void DoorUnitWatch::watch(RecordCursor* cursor)
{
    if (m_cursor == cursor)
        return;
    if (m_cursor)
        disconnect(m_cursor, nullptr, this, nullptr);
    m_cursor = cursor;
    if (cursor) {
        // Row writes, deletes, appends and Refresh: each may change what differs.
        connect(cursor, &RecordCursor::rowChanged, this, &DoorUnitWatch::updateRow);
        for (auto signal : {&RecordCursor::rowAppended, &RecordCursor::rowRemoved})
            connect(cursor, signal, this, &DoorUnitWatch::update);
        connect(cursor, &RecordCursor::reset, this, &DoorUnitWatch::update);
        // Gone with its window: the file is read instead, once the window's
        // close has run to its end (and never while the program comes down).
        connect(cursor, &QObject::destroyed, this, [this] {
            m_rowMarks.clear();
            QTimer::singleShot(0, this, &DoorUnitWatch::update);
        });
    }
    update();
}

void DoorUnitWatch::update()
{
    if (!m_latestRead)
        readLatest();
    m_problem = m_error;
    m_notRecorded = TransferLog::notRecordable(m_path);
    // The rooms compared are read in place from the window's cursor while
    // it is open (rows typed but not written count), otherwise from the file.
    RecordCursor file(schema::directoryTable());
    const RecordCursor* rooms = nullptr;
    std::vector<int> rowOf; // the cursor row of each room compared
    if (m_cursor && m_cursor->isOpen()) {
        rooms = m_cursor;
        rowOf.reserve(size_t(rooms->rowCount()));
        for (int row = 0; row < rooms->rowCount(); ++row) {
            // A deleted row, and a new row nothing was typed into, are no rooms.
            if (!rooms->isDeleted(row) && (!rooms->isNew(row) || rooms->isPending(row)))
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
    file.close();
    m_state = DoorUnitState::of(m_latest, m_changes);
    m_rowMarks.assign(m_cursor ? size_t(m_cursor->rowCount()) : 0, DirectoryChanges::Same);
    m_comparedOf.assign(m_rowMarks.size(), -1);
    // Never loaded: every room would read "not yet on the door unit", which
    // the panel says once.
    if (m_latest.download && rooms == m_cursor) {
        for (size_t i = 0; i < rowOf.size(); ++i) {
            m_rowMarks[size_t(rowOf[i])] = m_changes.marks[i];
            m_comparedOf[size_t(rowOf[i])] = int(i);
        }
    }
    emit changed();
}

void DoorUnitWatch::readRoom(const RecordCursor& cursor, int row, SentRooms::Room& room,
                             std::array<QString, 4>& scratch)
{
    for (int field = 0; field < 4; ++field)
        room[size_t(field)] = cursor.view(row, field, scratch[size_t(field)]);
}

void DoorUnitWatch::updateRow(int row)
{
    // A row that keeps the number it was matched by changes only its own
    // mark, and a room the door unit never held stays added: one row is
    // compared instead of the whole directory on each write.
    // Never loaded: nothing the panel or the rows show depends on the rooms.
    if (m_latestRead && !m_latest.download && m_error.isEmpty())
        return;
    if (!m_cursor || !m_cursor->isOpen() || m_cursor->isDeleted(row) ||
        size_t(m_cursor->rowCount()) != m_comparedOf.size() || m_comparedOf[size_t(row)] < 0) {
        update();
        return;
    }
    const size_t i = size_t(m_comparedOf[size_t(row)]);
    std::array<QString, 4> scratch;
    SentRooms::Room room;
    readRoom(*m_cursor, row, room, scratch);
    const int sent = m_changes.sentOf[i];
    if (sent < 0) {
        if (m_sent.find(room[0]) >= 0)
            update();
        return;
    }
    if (m_sent.at(sent)[0] != room[0]) {
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

QString DoorUnitWatch::text() const
{
    const QString shown =
        m_problem.isEmpty() ? m_state.text() : QStringLiteral("Door unit: cannot be compared");
    // Said here once, rather than after each command.
    if (!m_notRecorded.isEmpty())
        return shown + QStringLiteral(" · transfers not recorded");
    return shown;
}

QString DoorUnitWatch::toolTip() const
{
    const QString unrecorded =
        m_notRecorded.isEmpty()
            ? QString()
            : QStringLiteral("\nTransfers to the door unit are not being recorded: %1.")
                  .arg(m_notRecorded);
    // The panel may be cut short in a narrow window: the tooltip says it whole.
    if (!m_problem.isEmpty())
        return m_problem + unrecorded;
    const QList<RoomRecord>& removed = m_changes.removed;
    if (removed.isEmpty() || !m_latest.download)
        return text() + unrecorded;
    QStringList rooms;
    for (int i = 0; i < removed.size() && i < 20; ++i)
        rooms << removed[i].Room;
    if (removed.size() > 20)
        rooms << QStringLiteral("…");
    return text() +
           QStringLiteral("\n%1 removed since the last download: %2")
               .arg(removed.size() == 1 ? QStringLiteral("1 room")
                                        : QStringLiteral("%1 rooms").arg(removed.size()),
                    rooms.join(QStringLiteral(", "))) +
           unrecorded;
}

QString DoorUnitWatch::rowNote(int row) const
{
    if (row < 0 || size_t(row) >= m_rowMarks.size() || !m_latest.download)
        return {};
    return DirectoryChanges::markText(m_rowMarks[size_t(row)], m_latest.download->started);
}
