#include "directorydownload.h"

#include "connectcontroller.h"
#include "frames.h"
#include "messagesink.h"
#include "recordcursor.h"
#include "seriallink.h"

#include <QStringList>

namespace {

// Enough to find the rows in the grid; the rest are counted.
constexpr int kListedProblems = 10;
constexpr int kBatchPauseMs = 2000;
constexpr int kBitsPerByte = 10;

} // namespace

DirectoryDownload::DirectoryDownload(SerialLink& link, RecordCursor& cursor, RoomReader readRoom,
                                     MessageSink& messages, ProgressCallback progress)
    : m_link(link), m_cursor(cursor), m_readRoom(std::move(readRoom)), m_messages(messages),
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
    return batchesLeft * kBatchPauseMs + int(bytesLeft * kBitsPerByte * 1000 / qMax(baud, 1));
}

bool DirectoryDownload::checkLinkReady(SerialLink& link, MessageSink& messages)
{
    if (linkBusy(link, messages, false))
        return false;
    if (link.portLocked())
        return true;
    messages.show(QStringLiteral("COM not selected"), QStringLiteral("Error"),
                  MessageSink::Icon::Exclamation);
    return false;
}

DirectoryDownload::Result DirectoryDownload::run()
{
    m_total = 0;
    m_sent = 0;
    m_started = false;
    if (!checkLinkReady(m_link, m_messages))
        return Result::NotLocked;
    SerialLink::Transfer transfer(m_link);
    if (const Result checked = check(); checked != Result::Complete)
        return checked;

    m_link.discardInput();
    // Nothing goes out on a port that did not open; openPort has said why.
    if (!openPort(m_link, m_messages))
        return Result::OpenFailed;
    return send();
}

// Every row is read before the first byte, so that one bad row cannot leave
// the door unit holding part of a directory.
DirectoryDownload::Result DirectoryDownload::check()
{
    if (!m_cursor.isOpen() || m_cursor.rowCount() == 0) {
        m_messages.show(QStringLiteral("The room directory holds no rooms, so nothing was sent to "
                                       "the door unit."),
                        kApplicationTitle, MessageSink::Icon::Exclamation);
        return Result::Empty;
    }
    const auto unreadable = [this](const Outcome& outcome) {
        m_messages.show(QStringLiteral("The room directory could not be read, so nothing was sent "
                                       "to the door unit:\n%1")
                            .arg(outcome.description()),
                        kApplicationTitle, MessageSink::Icon::Critical);
        return Result::Unreadable;
    };

    if (Outcome first = m_cursor.moveFirst(); !first)
        return unreadable(first);
    QStringList problems;
    int bad = 0;
    while (!m_cursor.eof()) {
        const RoomRecord room = m_readRoom();
        ++m_total;
        if (const QString problem = frames::recordProblem(room); !problem.isEmpty()) {
            if (++bad <= kListedProblems)
                problems << QStringLiteral("Row %1, room \"%2\": %3")
                                .arg(m_total)
                                .arg(room.Room, problem);
        }
        if (Outcome next = m_cursor.moveNext(); !next)
            return unreadable(next);
    }
    if (m_total == 0) {
        m_messages.show(QStringLiteral("The room directory holds no rooms, so nothing was sent to "
                                       "the door unit."),
                        kApplicationTitle, MessageSink::Icon::Exclamation);
        return Result::Empty;
    }
    if (bad > 0) {
        if (bad > kListedProblems)
            problems << QStringLiteral("... and %1 more.").arg(bad - kListedProblems);
        m_messages.show(
            QStringLiteral("Nothing was sent to the door unit: %1 of the %2 rooms "
                           "cannot be sent as they are and must be corrected first.\n\n%3")
                .arg(bad)
                .arg(m_total)
                .arg(problems.join(u'\n')),
            kApplicationTitle, MessageSink::Icon::Exclamation);
        return Result::BadRows;
    }
    if (Outcome first = m_cursor.moveFirst(); !first)
        return unreadable(first);
    return Result::Complete;
}

DirectoryDownload::Result DirectoryDownload::send()
{
    const auto failed = [this] {
        return stop(Result::LinkFailed,
                    QStringLiteral("The download stopped: the link to the door unit failed after "
                                   "%1 of %2 rooms were sent.\n%3\n\nThe door unit may now hold "
                                   "only part of the directory. Check the cable and the port, "
                                   "then download again.")
                        .arg(m_sent)
                        .arg(m_total)
                        .arg(m_link.failureDescription()));
    };

    m_started = true;
    report(false);
    frames::DirectorySequence sequence;
    if (!m_link.run(sequence.begin()))
        return failed();
    while (!m_cursor.eof()) {
        do {
            const std::optional<QByteArray> record = frames::directoryRecord(m_readRoom());
            if (!record) // changed since the check; nothing of it goes out
                return stop(Result::BadRows,
                            QStringLiteral("The download stopped after %1 of %2 rooms: room %3 "
                                           "changed while it was sent and can no longer be sent "
                                           "as it is.")
                                .arg(m_sent)
                                .arg(m_total)
                                .arg(m_sent + 1));
            if (!m_link.run(sequence.row(*record)))
                return failed();
            ++m_sent;
            report(false);
            if (Outcome next = m_cursor.moveNext(); !next)
                return stop(Result::Unreadable,
                            QStringLiteral("The download stopped after %1 of %2 rooms: the room "
                                           "directory could not be read.\n%3")
                                .arg(m_sent)
                                .arg(m_total)
                                .arg(next.description()));
        } while (!sequence.batchFull() && !m_cursor.eof());
        if (!m_link.run(sequence.endBatch()))
            return failed();
    }
    // The last "." is drained too: complete means every byte has left.
    if (!m_link.run(sequence.end()) || !m_link.waitUntilSent())
        return failed();

    report(true);
    m_messages.show(QStringLiteral("Data download complete"), QStringLiteral("OK"),
                    MessageSink::Icon::Information);
    return Result::Complete;
}

DirectoryDownload::Result DirectoryDownload::stop(Result result, const QString& text)
{
    report(true);
    m_messages.show(text, kApplicationTitle, MessageSink::Icon::Critical);
    return result;
}

void DirectoryDownload::report(bool finished)
{
    if (m_progress && m_started)
        m_progress({m_sent, m_total, finished});
}
