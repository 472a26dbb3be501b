// The door unit decoder on arbitrary bytes in arbitrary chunks and times:
// what it reports while fed is what it keeps, every event is one it knows,
// records hold fields of their fixed widths and the counts add up.
#include "doorunitdecoder.h"
#include "fuzzcheck.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    DoorUnitDecoder decoder;
    QList<DoorUnitDecoder::Event> reported;
    qint64 now = 0;
    while (in.remaining_bytes() > 0) {
        now += in.ConsumeIntegralInRange<int>(0, 3000);
        if (in.ConsumeIntegralInRange<int>(0, 15) == 0) {
            reported += decoder.lineSettings(
                in.PickValueInArray({1200, 9600, 115200}), in.ConsumeIntegralInRange<int>(5, 8),
                in.PickValueInArray({'n', 'e', 'o'}), in.ConsumeIntegralInRange<int>(1, 2), now);
            continue;
        }
        const std::string chunk = in.ConsumeBytesAsString(in.ConsumeIntegralInRange<size_t>(1, 64));
        reported += decoder.feed(QByteArray(chunk.data(), qsizetype(chunk.size())), now);
    }
    reported += decoder.finish(now);

    const QList<DoorUnitDecoder::Event>& events = decoder.events();
    FUZZ_REQUIRE(reported.size() == events.size());
    static const QStringList kTypes = {"settings",    "directoryBegin", "record",
                                       "batchEnd",    "batchPause",     "directoryEnd",
                                       "loadDefault", "lineSettings",   "framingError"};
    qint64 last = 0;
    int rooms = 0;
    bool inDirectory = false;
    for (qsizetype i = 0; i < events.size(); ++i) {
        const DoorUnitDecoder::Event& e = events[i];
        FUZZ_REQUIRE(e.type == reported[i].type && e.text == reported[i].text);
        FUZZ_REQUIRE(kTypes.contains(e.type));
        FUZZ_REQUIRE(!e.text.isEmpty());
        FUZZ_REQUIRE(e.timeMs >= last && e.timeMs <= now);
        last = e.timeMs;
        FUZZ_REQUIRE(!DoorUnitDecoder::timestamped(e).isEmpty());
        if (e.type == QLatin1String("directoryBegin")) {
            inDirectory = true;
            rooms = 0;
        } else if (e.type == QLatin1String("record")) {
            FUZZ_REQUIRE(inDirectory);
            FUZZ_REQUIRE(e.fields.value("index").toInt() == ++rooms);
            FUZZ_REQUIRE(e.fields.value("room").toString().size() == 7);
            for (const char* tel : {"tel1", "tel2", "tel3"})
                FUZZ_REQUIRE(e.fields.value(tel).toString().size() == 11);
        } else if (e.type == QLatin1String("directoryEnd")) {
            FUZZ_REQUIRE(inDirectory);
            FUZZ_REQUIRE(e.fields.value("rooms").toInt() == rooms);
            inDirectory = false;
        } else if (e.text.startsWith(QLatin1String("framing error: directory cut off"))) {
            FUZZ_REQUIRE(inDirectory);
            inDirectory = false;
        } else if (e.type == QLatin1String("batchPause")) {
            FUZZ_REQUIRE(e.fields.value("pauseMs").toLongLong() >= 0);
        } else if (e.type == QLatin1String("settings")) {
            FUZZ_REQUIRE(!inDirectory);
            FUZZ_REQUIRE(e.fields.value("autoMode").toInt() >= 0 &&
                         e.fields.value("autoMode").toInt() <= 255);
        }
    }

    QJsonParseError error;
    const QJsonDocument json = QJsonDocument::fromJson(decoder.toJson(), &error);
    FUZZ_REQUIRE(error.error == QJsonParseError::NoError);
    FUZZ_REQUIRE(json.object().value("events").toArray().size() == events.size());
    return 0;
}
