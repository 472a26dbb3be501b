#include "doorunitwatch.h"

#include "recordcursor.h"
#include "roomrecord.h"

#include <algorithm>

// What the panel says: its line, its tooltip and the notes on a row.

namespace {

// The Room field, first of a directory record.
constexpr int kRoomField = 0;

} // namespace

QList<std::pair<DoorUnit, DoorUnitState>> DoorUnitWatch::unitStates() const
{
    QList<std::pair<DoorUnit, DoorUnitState>> states;
    auto other = m_others.begin();
    for (const DoorUnit& unit : m_units) {
        if (unit.id == m_unit)
            states.append({unit, m_state});
        else if (other != m_others.end())
            states.append({unit, (other++)->state});
    }
    return states;
}

QString DoorUnitWatch::text() const
{
    QString shown = m_problem.isEmpty() ? m_state.text() : tr("Door unit: cannot be compared");
    if (m_problem.isEmpty() && m_units.size() > 1) {
        const QList<std::pair<DoorUnit, DoorUnitState>> states = unitStates();
        const auto upToDate = std::count_if(states.begin(), states.end(), [](const auto& s) {
            return s.second.kind == DoorUnitState::Kind::UpToDate;
        });
        //: %1 door units of %2 hold the directory as it is now
        shown = tr("Door units: %1 of %2 up to date").arg(upToDate).arg(states.size());
    }
    if (m_problem.isEmpty() && m_latest.download && !m_latest.download->keeperPc().isEmpty())
        //: %1 the panel's text, %2 who made the last download ("kept by the keeper on PC office-2")
        shown = tr("%1 · %2").arg(shown, m_latest.download->byText());
    if (m_keeperNext.isValid())
        //: %1 the panel's text, %2 the time the keeper (quorvane-link keep) will send
        shown = tr("%1 · the keeper sends next at %2").arg(shown, shownTime(m_keeperNext));
    // Said here once, rather than after each command.
    if (!m_notRecorded.isEmpty())
        //: %1 the panel's text; the transfer history cannot be written
        return tr("%1 · transfers not recorded").arg(shown);
    return shown;
}

QString DoorUnitWatch::toolTip() const
{
    const QString unrecorded =
        m_notRecorded.isEmpty()
            ? QString()
            //: %1 why the transfer history cannot be written
            : QLatin1Char('\n') +
                  tr("Transfers to the door unit are not being recorded: %1.").arg(m_notRecorded);
    // The panel may be cut short in a narrow window: the tooltip says it whole.
    if (!m_problem.isEmpty())
        return m_problem + unrecorded;
    QString tip = text();
    if (m_units.size() > 1) {
        for (const auto& [unit, state] : unitStates()) {
            //: One door unit's line of the panel's tooltip: its name and port, its state
            tip += QLatin1Char('\n') +
                   tr("%1: %2").arg(unit.shownName(), DoorUnitState::afterUnit(state.text()));
        }
    }
    const QList<RoomRecord>& removed = m_changes.removed;
    if (!removed.isEmpty() && m_latest.download) {
        QStringList rooms;
        for (int i = 0; i < removed.size() && i < 20; ++i)
            rooms << removed[i].Room;
        if (removed.size() > 20)
            rooms << QStringLiteral("…");
        //: %n the count of rooms, %1 their numbers
        tip += QLatin1Char('\n') +
               tr("%n rooms removed since the last download: %1", nullptr, int(removed.size()))
                   .arg(rooms.join(QStringLiteral(", ")));
    }
    if (m_samePairs > 0)
        //: %n the count of pairs of rows, %1 the room number's width
        tip += QLatin1Char('\n') + tr("%n pairs of rows reach the door unit as the same room (its "
                                      "number padded with zeros to %1 characters)",
                                      nullptr, m_samePairs)
                                       .arg(doorunit::kRoomWidth);
    return tip + unrecorded;
}

QString DoorUnitWatch::sameRoomNote(int row) const
{
    if (row < 0 || size_t(row) >= m_sameOf.size() || m_sameOf[size_t(row)] < 0 || !m_cursor)
        return {};
    constexpr int kNamed = 3;
    QStringList others;
    int more = 0;
    QString scratch;
    for (const int other : m_sameGroups[size_t(m_sameOf[size_t(row)])]) {
        if (other == row)
            continue;
        if (others.size() == kNamed) {
            ++more;
            continue;
        }
        //: %1 a row of the directory, %2 what its Room field holds
        others << tr("row %1 (Room \"%2\")")
                      .arg(other + 1)
                      .arg(m_cursor->storedView(other, kRoomField, scratch));
    }
    if (more > 0)
        //: %1 the count of further rows
        others << tr("%1 more").arg(more);
    //: %1 the room number as the door unit reads it, %2 the other rows ("row 3 (Room "3")")
    return tr("the door unit takes it for the same room, %1, as %2")
        .arg(keyOf(row), others.join(QStringLiteral(", ")));
}

QString DoorUnitWatch::rowNote(int row) const
{
    QStringList notes;
    notes << sameRoomNote(row);
    if (row >= 0 && size_t(row) < m_rowMarks.size() && m_latest.download)
        notes << DirectoryChanges::markText(m_rowMarks[size_t(row)], m_latest.download->started);
    // Marked, never counted: the panel compares what the file holds.
    if (m_cursor && row >= 0 && row < m_cursor->rowCount() && m_cursor->isPending(row))
        notes << tr("typed here, not saved yet");
    notes.removeAll(QString());
    return notes.join(u'\n');
}
