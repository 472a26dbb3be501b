// A room list as a spreadsheet might save it: whatever the bytes, every row
// gets a verdict, every row the import would let through is one the door
// unit's download takes, and the rooms let through come back the same when
// exported and read again.
#include "frames.h"
#include "fuzzcheck.h"
#include "roomcsv.h"
#include "roomverdict.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    roomcsv::CsvFile file;
    if (!roomcsv::read(bytes, file))
        return 0;
    // A directory that shares a room and a number with many files.
    const QList<RoomRecord> directory{{QStringLiteral("101"), QStringLiteral("0123"), {}, {}}};
    for (const bool replace : {false, true}) {
        const QList<roomverdict::RowVerdict> verdicts =
            roomverdict::judge(file.rows, directory, replace);
        FUZZ_REQUIRE(verdicts.size() == file.rows.size());
        QList<RoomRecord> through;
        for (qsizetype i = 0; i < verdicts.size(); ++i) {
            FUZZ_REQUIRE((verdicts[i].verdict == roomverdict::Verdict::Ok) ==
                         verdicts[i].reasons.isEmpty());
            if (verdicts[i].verdict == roomverdict::Verdict::Error)
                continue;
            FUZZ_REQUIRE(frames::checkRecord(file.rows[i].room).ok());
            through << file.rows[i].room;
        }
        roomcsv::CsvFile again;
        FUZZ_REQUIRE(roomcsv::read(roomcsv::write(through), again));
        FUZZ_REQUIRE(again.rows.size() == through.size());
        for (qsizetype i = 0; i < through.size(); ++i)
            FUZZ_REQUIRE(again.rows[i].room == through[i] && again.rows[i].problem.isEmpty());
    }
    return 0;
}
