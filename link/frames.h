#pragma once

#include "linkstep.h"
#include "outcome.h"
#include "roomrecord.h"
#include "schema.h"

#include <QString>

#include <optional>

// The frames of the door unit's one-way protocol, built without a port.
namespace frames {

constexpr quint8 kLoadDefault = 0x90;
constexpr quint8 kSetOpenTime = 0x93;
constexpr quint8 kSettingsBegin = 0x94;
constexpr quint8 kDirectoryBegin = 0x95;
constexpr quint8 kSetAutoMode = 0x97;

constexpr int kRecordLength = doorunit::kRecordLength;
constexpr int kRowsPerBatch = 5;
// After each batch's end: the door unit stores a batch before it takes the next.
constexpr int kBatchPauseRounds = 200;
constexpr int kBatchPauseStepMs = 10;
constexpr int kBatchPauseMs = kBatchPauseRounds * kBatchPauseStepMs;

Frame settingsSequence(quint8 openTime, quint8 autoMode);
Frame loadDefault();

// The record of a room, or nothing when the room cannot become one (a value
// too long, or a character outside printable ASCII or a marker).
std::optional<QByteArray> directoryRecord(const RoomRecord& room);
// Whether a room can become a record; the failure says why not.
Outcome checkRecord(const RoomRecord& room);

// The directory download sequence, fed one row at a time by the caller that
// walks the directory.
class DirectorySequence
{
public:
    // byte 95, drain.
    Frame begin() const;
    // drain, the record text. Call endBatch() after the fifth row of a batch
    // and after the last row.
    Frame row(const QByteArray& record);
    bool batchFull() const { return m_inBatch == kRowsPerBatch; }
    // drain, the batch's end, then 200 pauses of 10 ms.
    Frame endBatch();
    // The directory's end.
    Frame end() const;

private:
    int m_inBatch = 0;
};

} // namespace frames
