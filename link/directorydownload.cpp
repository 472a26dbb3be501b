#include "directorydownload.h"

#include "frames.h"
#include "recordcursor.h"
#include "seriallink.h"
#include "transferrecorder.h"

#include <QCoreApplication>
#include <QStringList>

#include <memory>

using Kind = LinkResult::Kind;

namespace {

// Enough to find the rows in the grid; the rest are counted.
constexpr int kListedProblems = 10;

} // namespace

DirectoryDownload::DirectoryDownload(SerialLink& link, RecordCursor& cursor, RoomReader readRoom,
                                     ProgressCallback progress)
    : m_link(link), m_cursor(cursor), m_readRoom(std::move(readRoom)),
      m_progress(std::move(progress))
{
}

int DirectoryDownload::millisecondsLeft(int sent, int total, int baud)
{
    // A batch has ended once the row after it went out: its pause lies between.
    const int batchesEnded = sent > 0 ? (sent - 1) / frames::kRowsPerBatch : 0;
    const int batchesLeft =
        (total + frames::kRowsPerBatch - 1) / frames::kRowsPerBatch - batchesEnded;
    const qint64 bytesLeft = qint64(total - sent) * (frames::kRecordLength + 1);
    return batchesLeft * frames::kBatchPauseMs +
           int(bytesLeft * SerialPort::kBitsPerByte * 1000 / qMax(baud, 1));
}

LinkResult DirectoryDownload::result(Kind kind, const QString& detail) const
{
    LinkResult r = LinkResult::of(LinkResult::Command::Download, kind, detail);
    r.sent = m_sent;
    r.total = m_total;
    return r;
}

LinkResult DirectoryDownload::run()
{
    m_total = 0;
    m_sent = 0;
    m_started = false;
    m_rooms.clear();
    TransferRecorder recorder(m_link, TransferRecord::What::Download);
    if (std::optional<LinkResult> refused = refusal(m_link, LinkResult::Command::Download))
        return recorder.refused(*refused);
    // Another PC's change announced in a batch pause is merged once the last
    // room is out: the rooms sent are the rooms checked.
    m_cursor.holdMerges();
    const std::unique_ptr<RecordCursor, void (*)(RecordCursor*)> held(
        &m_cursor, [](RecordCursor* cursor) { cursor->releaseMerges(); });
    SerialLink::Transfer transfer(m_link);
    if (const LinkResult checked = check(); !checked.done())
        return recorder.refused(checked);

    m_link.discardInput();
    // Nothing goes out on a port that did not open.
    if (std::optional<LinkResult> failed = openLink(m_link, LinkResult::Command::Download))
        return recorder.refused(*failed);
    recorder.record().device = m_link.device();
    recorder.record().total = m_total;
    recorder.record().rooms = std::move(m_rooms);
    // Written before the first byte and after the last, never between them.
    recorder.start();
    m_recorder = &recorder;
    const LinkResult sent = send();
    m_recorder = nullptr;
    return recorder.finish(sent);
}

// Every row is read before the first byte, so that one bad row cannot leave
// the door unit holding part of a directory.
LinkResult DirectoryDownload::check()
{
    // A directory whose file could not be read is not an empty one.
    if (!m_cursor.isOpen())
        return result(Kind::Unreadable, QCoreApplication::translate(
                                            "DirectoryDownload",
                                            "%1 could not be opened. Put the file back, then press "
                                            "Refresh in the directory window.")
                                            .arg(m_cursor.path().describe()));
    if (m_cursor.rowCount() == 0)
        return result(Kind::Empty);
    if (Outcome first = m_cursor.moveFirst(); !first)
        return result(Kind::Unreadable, first.description());
    QStringList problems;
    int bad = 0;
    while (!m_cursor.eof()) {
        const RoomRecord room = m_readRoom();
        m_rooms.append(room);
        ++m_total;
        if (const Outcome record = frames::checkRecord(room); !record) {
            if (++bad <= kListedProblems)
                problems << QCoreApplication::translate("DirectoryDownload",
                                                        "Row %1, room \"%2\": %3")
                                .arg(m_total)
                                .arg(room.Room, record.description());
        }
        if (Outcome next = m_cursor.moveNext(); !next)
            return result(Kind::Unreadable, next.description());
    }
    if (m_total == 0)
        return result(Kind::Empty);
    if (bad > 0) {
        if (bad > kListedProblems)
            problems << QCoreApplication::translate("DirectoryDownload", "... and %1 more.")
                            .arg(bad - kListedProblems);
        LinkResult r = result(Kind::BadRows, problems.join(u'\n'));
        r.code = bad;
        return r;
    }
    if (Outcome first = m_cursor.moveFirst(); !first)
        return result(Kind::Unreadable, first.description());
    return result(Kind::Done);
}

LinkResult DirectoryDownload::send()
{
    const auto failed = [this] {
        if (!m_link.stopRequest().isEmpty())
            return stop(Kind::Stopped, m_link.stopRequest());
        return stop(Kind::LinkFailed, m_link.failureDescription());
    };

    m_started = true;
    report(false);
    frames::DirectorySequence sequence;
    if (!m_link.run(sequence.begin()))
        return failed();
    while (!m_cursor.eof()) {
        do {
            const RoomRecord room = m_readRoom();
            const std::optional<QByteArray> record = frames::directoryRecord(room);
            if (!record) // changed since the check; nothing of it goes out
                return stop(Kind::Changed, {});
            if (m_recorder && room != m_recorder->record().rooms.value(m_sent))
                m_recorder->correct(m_sent, room);
            if (!m_link.run(sequence.row(*record)))
                return failed();
            ++m_sent;
            report(false);
            if (Outcome next = m_cursor.moveNext(); !next)
                return stop(Kind::Interrupted, next.description());
        } while (!sequence.batchFull() && !m_cursor.eof());
        if (!m_link.run(sequence.endBatch()))
            return failed();
    }
    // The last "." is drained too: complete means every byte has left.
    if (!m_link.run(sequence.end()) || !m_link.waitUntilSent())
        return failed();

    report(true);
    return result(Kind::Done);
}

LinkResult DirectoryDownload::stop(Kind kind, const QString& detail)
{
    report(true);
    return result(kind, detail);
}

void DirectoryDownload::report(bool finished)
{
    if (m_progress && m_started)
        m_progress({m_sent, m_total, finished});
}
