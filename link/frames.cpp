#include "frames.h"

#include "visibletext.h"

#include <QCoreApplication>

namespace frames {

namespace {

constexpr int kOpenTimePauseMs = 300;

} // namespace

Frame settingsSequence(quint8 openTime, quint8 autoMode)
{
    return {LinkStep::ofByte(kSettingsBegin), LinkStep::drain(),
            LinkStep::ofByte(kSetOpenTime),   LinkStep::drain(),
            LinkStep::ofByte(openTime),       LinkStep::pause(kOpenTimePauseMs),
            LinkStep::ofByte(kSetAutoMode),   LinkStep::ofByte(autoMode)};
}

Frame loadDefault()
{
    return {LinkStep::ofByte(kLoadDefault), LinkStep::drain()};
}

Outcome checkRecord(const RoomRecord& room)
{
    QStringList problems;
    for (const doorunit::Field& field : doorunit::kFields) {
        const QString& value = room.*field.value;
        problems << doorunit::fieldProblems(field, value, visibleText(value));
    }
    if (problems.isEmpty())
        return Outcome::success();
    return Outcome::failure(problems.join(QStringLiteral("; ")));
}

std::optional<QByteArray> directoryRecord(const RoomRecord& room)
{
    if (!doorunit::fits(room))
        return std::nullopt;
    QByteArray record = doorUnitRoomKey(room.Room).toLatin1() + doorunit::kRoomEnd;
    record.reserve(doorunit::kRecordLength);
    const QString* telephones[] = {&room.TEL1, &room.TEL2, &room.TEL3};
    for (int i = 0; i < doorunit::kTelephones; ++i)
        record += telephones[i]->leftJustified(doorunit::kTelephoneWidth, u'0').toLatin1() +
                  (i + 1 < doorunit::kTelephones ? doorunit::kTelephoneEnd : doorunit::kRecordEnd);
    return record;
}

Frame DirectorySequence::begin() const
{
    return {LinkStep::ofByte(kDirectoryBegin), LinkStep::drain()};
}

Frame DirectorySequence::row(const QByteArray& record)
{
    ++m_inBatch;
    return {LinkStep::drain(), LinkStep::ofText(record)};
}

Frame DirectorySequence::endBatch()
{
    m_inBatch = 0;
    Frame frame{LinkStep::drain(), LinkStep::ofText(QByteArray(1, doorunit::kBatchEnd))};
    for (int i = 0; i < kBatchPauseRounds; ++i)
        frame.append(LinkStep::pause(kBatchPauseStepMs));
    return frame;
}

Frame DirectorySequence::end() const
{
    return {LinkStep::ofText(QByteArray(1, doorunit::kDirectoryEnd))};
}

} // namespace frames
