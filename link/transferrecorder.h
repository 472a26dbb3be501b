#pragma once

#include "linkresult.h"
#include "transferlog.h"

#include <memory>
#include <vector>

class SerialLink;

// Records one command's transfer in the history, if the link has a target:
// a refusal as one finished record, otherwise a start before the first byte
// and an end after the last. A record that cannot be written leaves the
// transfer as it is; the result carries why (LinkResult::recordFailure), or
// why nothing can be recorded to that file at all (LinkResult::notRecorded).
class TransferRecorder
{
public:
    TransferRecorder(const SerialLink& link, TransferRecord::What what);
    ~TransferRecorder();
    Q_DISABLE_COPY_MOVE(TransferRecorder)

    TransferRecord& record() { return m_record; }

    LinkResult refused(LinkResult result);
    void start();
    // Rooms that went out otherwise than the start recorded them.
    void correct(int position, const RoomRecord& room);
    LinkResult finish(LinkResult result);

    // Why the command ended as it did, in a few words for the history.
    static QString reason(const LinkResult& result);

private:
    void note(const Outcome& outcome);
    // What the history shows of a transfer whose end could not be written.
    QString unwritten(bool started) const;

    QString m_port;
    QString m_device;
    QString m_notRecordable;
    std::unique_ptr<TransferLog> m_log;
    TransferRecord m_record;
    std::vector<std::pair<int, RoomRecord>> m_corrections;
    QString m_failure;
    std::function<void()> m_recorded;
};
