// The record encoder and its check: four fields from arbitrary bytes. A room
// that passes the check becomes exactly one well-formed record, and the door
// unit reads that record back as the same four fields.
#include "doorunitdecoder.h"
#include "frames.h"
#include "fuzzcheck.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Fields are separated by newlines; the first byte picks how they are read.
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const bool latin1 = !bytes.isEmpty() && (bytes[0] & 1);
    QList<QByteArray> parts = bytes.mid(1).split('\n');
    while (parts.size() < 4)
        parts.append(QByteArray());
    const auto text = [&](int i) {
        return latin1 ? QString::fromLatin1(parts[i]) : QString::fromUtf8(parts[i]);
    };
    const RoomRecord room{text(0), text(1), text(2), text(3)};

    const Outcome fits = frames::checkRecord(room);
    const std::optional<QByteArray> record = frames::directoryRecord(room);
    FUZZ_REQUIRE(record.has_value() == fits.ok());
    if (!record)
        return 0;

    const QByteArray& r = *record;
    FUZZ_REQUIRE(r.size() == frames::kRecordLength);
    FUZZ_REQUIRE(r[7] == '$' && r[19] == '@' && r[31] == '@' && r[43] == '#');
    for (int i = 0; i < r.size(); ++i) {
        FUZZ_REQUIRE(r[i] >= 0x20 && r[i] <= 0x7e);
        // The door unit reads these as the record's frame or the directory's end.
        if (i != 7 && i != 19 && i != 31 && i != 43)
            FUZZ_REQUIRE(!QByteArrayView(",.#@$").contains(r[i]));
    }
    FUZZ_REQUIRE(r.mid(0, 7) == room.Room.rightJustified(7, u'0').toLatin1());
    FUZZ_REQUIRE(r.mid(8, 11) == room.TEL1.leftJustified(11, u'0').toLatin1());

    DoorUnitDecoder decoder;
    decoder.feed(char(frames::kDirectoryBegin) + r + ',', 0);
    decoder.feed(".", 2000);
    decoder.finish(2000);
    const QList<DoorUnitDecoder::Event>& events = decoder.events();
    FUZZ_REQUIRE(events.size() == 5);
    FUZZ_REQUIRE(events[0].type == QLatin1String("directoryBegin"));
    FUZZ_REQUIRE(events[1].type == QLatin1String("record"));
    FUZZ_REQUIRE(events[2].type == QLatin1String("batchEnd"));
    FUZZ_REQUIRE(events[3].type == QLatin1String("batchPause"));
    FUZZ_REQUIRE(events[4].type == QLatin1String("directoryEnd"));
    const QVariantMap& f = events[1].fields;
    FUZZ_REQUIRE(f.value("room").toString().toLatin1() == r.mid(0, 7));
    FUZZ_REQUIRE(f.value("tel1").toString().toLatin1() == r.mid(8, 11));
    FUZZ_REQUIRE(f.value("tel2").toString().toLatin1() == r.mid(20, 11));
    FUZZ_REQUIRE(f.value("tel3").toString().toLatin1() == r.mid(32, 11));
    return 0;
}
