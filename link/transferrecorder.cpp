#include "transferrecorder.h"

#include "seriallink.h"

#include <QCoreApplication>
#include <QLocale>

using Kind = LinkResult::Kind;
using Ending = TransferRecord::Ending;

TransferRecorder::TransferRecorder(const SerialLink& link, TransferRecord::What what)
    : m_port(link.portName()),
      m_device(link.device().isEmpty() ? link.deviceToOpen() : link.device())
{
    const TransferTarget& target = link.recording();
    if (!target.databasePath.isEmpty())
        m_notRecordable = TransferLog::checkRecordable(target.databasePath).description();
    if (!target.databasePath.isEmpty() && m_notRecordable.isEmpty())
        m_log = std::make_unique<TransferLog>(target.databasePath);
    m_recorded = target.recorded;
    m_record.started = QDateTime::currentDateTimeUtc();
    m_record.operatorName = target.operatorName;
    m_record.what = what;
    m_record.unit = target.unit;
    // A port is named only when one was chosen and opened for the command.
    if (link.portLocked()) {
        m_record.port = m_port;
        m_record.device = m_device;
    }
}

TransferRecorder::~TransferRecorder() = default;

void TransferRecorder::note(const Outcome& outcome)
{
    if (!outcome && m_failure.isEmpty())
        m_failure = outcome.description();
}

LinkResult TransferRecorder::refused(LinkResult result)
{
    result.notRecorded = m_notRecordable;
    if (!m_log)
        return result;
    // A port that did not open was in use all the same.
    if (result.kind == Kind::NoSuchPort || result.kind == Kind::OpenFailed) {
        m_record.port = m_port;
        m_record.device = m_device;
    }
    m_record.reason = reason(result);
    m_record.finished = QDateTime::currentDateTimeUtc();
    note(m_log->refused(m_record));
    result.recordFailure = m_failure;
    if (m_recorded)
        m_recorded();
    return result;
}

void TransferRecorder::start()
{
    if (!m_log)
        return;
    m_record.started = QDateTime::currentDateTimeUtc();
    note(m_log->start(m_record));
}

void TransferRecorder::correct(int position, const RoomRecord& room)
{
    if (m_log)
        m_corrections.emplace_back(position, room);
}

LinkResult TransferRecorder::finish(LinkResult result)
{
    result.notRecorded = m_notRecordable;
    if (!m_log)
        return result;
    m_record.finished = QDateTime::currentDateTimeUtc();
    m_record.ending = result.done() ? Ending::Complete : Ending::Stopped;
    m_record.sent = result.sent;
    m_record.reason = result.done() ? QString() : reason(result);
    // A start that was not written is written whole now, rooms and all.
    const bool started = m_record.id != 0;
    for (const auto& [position, room] : m_corrections)
        m_record.rooms[position] = room;
    const Outcome ended = m_log->finish(m_record);
    note(ended);
    if (started && ended)
        note(m_log->correctRooms(m_record.id, m_corrections));
    // The end could not be written: say what the history shows instead.
    if (!ended)
        m_failure += QLatin1Char('\n') + unwritten(started);
    result.recordFailure = m_failure;
    if (m_recorded)
        m_recorded();
    return result;
}

QString TransferRecorder::unwritten(bool started) const
{
    const bool download = m_record.what == TransferRecord::What::Download;
    if (!started)
        return download ? QCoreApplication::translate(
                              "TransferRecorder",
                              "The transfer history will not show this download at all, though "
                              "%n room(s) went out.",
                              nullptr, m_record.sent)
                        : QCoreApplication::translate(
                              "TransferRecorder",
                              "The transfer history will not show this transfer at all.");
    const QString at = QLocale().toString(m_record.started.toLocalTime(), QLocale::ShortFormat);
    return (download ? QCoreApplication::translate(
                           "TransferRecorder",
                           "The transfer history will go on showing this download as unfinished, "
                           "started %1, though %n room(s) went out.",
                           nullptr, m_record.sent)
                     : QCoreApplication::translate(
                           "TransferRecorder",
                           "The transfer history will go on showing this transfer as unfinished, "
                           "started %1."))
        .arg(at);
}

QString TransferRecorder::reason(const LinkResult& r)
{
    const QString port = r.address.isEmpty() ? QStringLiteral("COM%1").arg(r.port) : r.address;
    switch (r.kind) {
    case Kind::Done:
        return {};
    case Kind::Busy:
        return TransferRecord::reasonWords(TransferRecord::Reason::Busy);
    case Kind::NotLocked:
        return TransferRecord::reasonWords(TransferRecord::Reason::NotLocked);
    case Kind::PortClosed:
        return TransferRecord::reasonWords(TransferRecord::Reason::PortClosed).arg(port);
    case Kind::PortFailed:
        return TransferRecord::reasonWords(TransferRecord::Reason::PortFailed).arg(port, r.detail);
    case Kind::NoEntry:
        return TransferRecord::reasonWords(TransferRecord::Reason::NoEntry);
    case Kind::NoSuchPort:
    case Kind::OpenFailed:
        return TransferRecord::reasonWords(TransferRecord::Reason::DidNotOpen)
            .arg(port)
            .arg(r.code);
    case Kind::BadOpenTime:
        return TransferRecord::reasonWords(TransferRecord::Reason::BadOpenTime).arg(r.detail);
    case Kind::Empty:
        return TransferRecord::reasonWords(TransferRecord::Reason::Empty);
    case Kind::BadRows:
        return TransferRecord::reasonWords(TransferRecord::Reason::BadRows)
            .arg(r.code)
            .arg(r.total);
    case Kind::LinkFailed:
        return TransferRecord::reasonWords(TransferRecord::Reason::LinkFailed).arg(r.detail);
    case Kind::Changed:
        return TransferRecord::reasonWords(TransferRecord::Reason::Changed).arg(r.sent + 1);
    case Kind::Unreadable:
    case Kind::Interrupted:
        return TransferRecord::reasonWords(TransferRecord::Reason::Unreadable).arg(r.detail);
    case Kind::Stopped:
        return TransferRecord::reasonWords(TransferRecord::Reason::Stopped).arg(r.detail);
    }
    return {};
}
