#include "doorunitdecoder.h"
#include "frames.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

QStringList texts(const QList<DoorUnitDecoder::Event>& events)
{
    QStringList out;
    for (const auto& e : events)
        out << e.text;
    return out;
}

QStringList ofType(const QList<DoorUnitDecoder::Event>& events, const QString& type)
{
    QStringList out;
    for (const auto& e : events) {
        if (e.type == type)
            out << e.text;
    }
    return out;
}

// The bytes of a frame as the wire carries them.
QByteArray wire(const Frame& frame)
{
    QByteArray out;
    for (const LinkStep& s : frame) {
        if (s.kind == LinkStep::Kind::Byte)
            out += char(s.byte);
        else if (s.kind == LinkStep::Kind::Text)
            out += s.text;
    }
    return out;
}

QList<QByteArray> rooms(int count)
{
    QList<QByteArray> records;
    for (int i = 1; i <= count; ++i)
        records << *frames::directoryRecord({QString::number(100 + i),
                                             QStringLiteral("139%1").arg(i),
                                             QStringLiteral("8765432"),
                                             {}});
    return records;
}

const QByteArray kRecord("0000101$12345678901@00000000000@00000000000#");

} // namespace

class TestDoorUnitDecoder : public QObject
{
    Q_OBJECT

private slots:
    void settings_data();
    void settings();
    void directoryByteByByte_data();
    void directoryByteByByte();
    void measuresBatchPauses();
    void framingErrors_data();
    void framingErrors();
    void lineSettingsOnlyWhenChanged();
    void sessionAsJson();
};

void TestDoorUnitDecoder::settings_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << "none";
    QTest::newRow("1") << 1 << "Auto Answer";
    QTest::newRow("2") << 2 << "Auto Open";
    QTest::newRow("3") << 3 << "Auto Answer + Auto Open";
    QTest::newRow("9") << 9 << "not a known mode";
}

void TestDoorUnitDecoder::settings()
{
    QFETCH(int, mode);
    QFETCH(QString, name);
    DoorUnitDecoder d;
    QVERIFY(d.feed("\x94\x93\x02", 10).isEmpty());
    const auto events = d.feed(QByteArray("\x97") + char(mode), 311);
    QCOMPARE(events.size(), 1);
    QCOMPARE(events[0].type, QStringLiteral("settings"));
    QCOMPARE(events[0].text,
             QStringLiteral("settings: open time 2 s, auto mode %1 (%2)").arg(mode).arg(name));
    QCOMPARE(events[0].fields.value("pauseAfterOpenTimeMs").toLongLong(), 301);
    QCOMPARE(events[0].timeMs, 311);
}

void TestDoorUnitDecoder::directoryByteByByte_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QStringList>("batches");
    QTest::newRow("1") << 1 << QStringList{"batch 1 end: 1 room"};
    QTest::newRow("5") << 5 << QStringList{"batch 1 end: 5 rooms"};
    QTest::newRow("6") << 6 << QStringList{"batch 1 end: 5 rooms", "batch 2 end: 1 room"};
    QTest::newRow("11") << 11
                        << QStringList{"batch 1 end: 5 rooms", "batch 2 end: 5 rooms",
                                       "batch 3 end: 1 room"};
}

void TestDoorUnitDecoder::directoryByteByByte()
{
    QFETCH(int, count);
    QFETCH(QStringList, batches);
    const QByteArray bytes = wire(frames::directoryDownload(rooms(count)));
    DoorUnitDecoder whole;
    DoorUnitDecoder single;
    whole.feed(bytes, 0);
    for (char b : bytes)
        single.feed(QByteArray(1, b), 0);
    QCOMPARE(texts(single.events()), texts(whole.events()));
    const auto& events = single.events();
    QCOMPARE(ofType(events, "framingError"), QStringList());
    QCOMPARE(ofType(events, "batchEnd"), batches);
    const QStringList records = ofType(events, "record");
    QCOMPARE(records.size(), count);
    QCOMPARE(records.first(),
             QStringLiteral("record 1: room 0000101  TEL1 13910000000  TEL2 87654320000  TEL3 "
                            "00000000000"));
    QCOMPARE(events.first().text, QStringLiteral("directory begin"));
    QCOMPARE(events.last().text, QStringLiteral("directory end: %1 room%2 in %3 batch%4")
                                     .arg(count)
                                     .arg(count == 1 ? "" : "s")
                                     .arg(batches.size())
                                     .arg(batches.size() == 1 ? "" : "es"));
    int record = 0;
    for (const auto& e : events) {
        if (e.type != QLatin1String("record"))
            continue;
        QCOMPARE(e.fields.value("batch").toInt(), record / 5 + 1);
        QCOMPARE(e.fields.value("room").toString(), QStringLiteral("0000%1").arg(101 + record));
        ++record;
    }
}

void TestDoorUnitDecoder::measuresBatchPauses()
{
    DoorUnitDecoder d;
    d.feed("\x95", 0);
    d.feed(kRecord + ",", 12);
    d.feed(kRecord, 2015);
    d.feed(",", 2030);
    d.feed(".", 4031);
    QCOMPARE(ofType(d.events(), "batchPause"),
             (QStringList{"pause after batch 1: 2003 ms", "pause after batch 2: 2001 ms"}));
    QCOMPARE(ofType(d.events(), "framingError"), QStringList());
}

void TestDoorUnitDecoder::framingErrors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("errors");
    QByteArray noDollar = kRecord;
    noDollar[7] = '0';
    QByteArray noAt = kRecord;
    noAt[31] = '0';
    QByteArray controlChar = kRecord;
    controlChar[3] = '\n';
    QTest::newRow("short record") << QByteArray("\x95"
                                                "0000101$1@2@3#,.")
                                  << QStringList{"framing error: bad record \"0000101$1@2@3#\": 14 "
                                                 "characters instead of 44",
                                                 "framing error: a batch without records"};
    QTest::newRow("long record") << QByteArray("\x95") + "0" + kRecord + ",."
                                 << QStringList{"framing error: bad record \"0" + kRecord +
                                                    "\": 45 characters instead of 44",
                                                "framing error: a batch without records"};
    QTest::newRow("no $") << QByteArray("\x95") + noDollar + ",."
                          << QStringList{"framing error: bad record \"" + noDollar +
                                             "\": no \"$\" after the room",
                                         "framing error: a batch without records"};
    QTest::newRow("no @") << QByteArray("\x95") + noAt + ",."
                          << QStringList{"framing error: bad record \"" + noAt +
                                             "\": no \"@\" after a telephone number",
                                         "framing error: a batch without records"};
    QTest::newRow("control character")
        << QByteArray("\x95") + controlChar + ",."
        << QStringList{"framing error: bad record \"000<0x0a>101$12345678901@00000000000@"
                       "00000000000#\": byte 0x0a is not printable",
                       "framing error: a batch without records"};
    QTest::newRow("unknown byte") << QByteArray("\x42\x90")
                                  << QStringList{"framing error: unknown byte 0x42"};
    QTest::newRow("broken settings")
        << QByteArray("\x94\x90")
        << QStringList{"framing error: settings: 0x93 expected, 0x90 arrived"};
    QTest::newRow("record cut by ,") << QByteArray("\x95"
                                                   "0000101$123,.")
                                     << QStringList{"framing error: record cut short by \",\": "
                                                    "\"0000101$123\" (11 characters)",
                                                    "framing error: a batch without records"};
    QTest::newRow("six in a batch")
        << QByteArray("\x95") + kRecord.repeated(6) + ",."
        << QStringList{"framing error: batch 1 holds 6 records; the door unit takes 5"};
    QTest::newRow("no , before .") << QByteArray("\x95") + kRecord + "."
                                   << QStringList{"framing error: the last batch has no \",\" "
                                                  "before \".\""};
    QTest::newRow("directory started over")
        << QByteArray("\x95") + kRecord + "\x95" + kRecord + ",."
        << QStringList{"framing error: directory cut off after 1 room: 0x95 arrived"};
    QTest::newRow("session ends mid-record")
        << QByteArray("\x95") + kRecord + "0000102$"
        << QStringList{"framing error: directory cut off after 1 room: the session ended, inside "
                       "the record \"0000102$\""};
    QTest::newRow("session ends in settings")
        << QByteArray("\x94\x93")
        << QStringList{"framing error: the session ended inside the settings"};
}

void TestDoorUnitDecoder::framingErrors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, errors);
    DoorUnitDecoder d;
    d.feed(bytes, 0);
    d.finish(1);
    QCOMPARE(ofType(d.events(), "framingError"), errors);
}

void TestDoorUnitDecoder::lineSettingsOnlyWhenChanged()
{
    DoorUnitDecoder d;
    QCOMPARE(texts(d.lineSettings(9600, 8, 'n', 1, 0)),
             QStringList{"line: 9600 baud, 8 data bits, no parity, 1 stop bit"});
    QVERIFY(d.lineSettings(9600, 8, 'n', 1, 5).isEmpty());
    QCOMPARE(texts(d.lineSettings(38400, 7, 'e', 2, 9)),
             QStringList{"line: 38400 baud, 7 data bits, even parity, 2 stop bits"});
}

void TestDoorUnitDecoder::sessionAsJson()
{
    DoorUnitDecoder d;
    d.lineSettings(38400, 8, 'n', 1, 0);
    d.feed(wire(frames::settingsSequence(2, 3)), 1);
    d.feed(wire(frames::directoryDownload({kRecord})), 20);
    d.feed(wire(frames::loadDefault()), 30);
    const QJsonArray events =
        QJsonDocument::fromJson(d.toJson()).object().value("events").toArray();
    QStringList types;
    for (const auto& e : events)
        types << e.toObject().value("type").toString();
    QCOMPARE(types, (QStringList{"lineSettings", "settings", "directoryBegin", "record", "batchEnd",
                                 "batchPause", "directoryEnd", "loadDefault"}));
    const QJsonObject record = events[3].toObject();
    QCOMPARE(record.value("room").toString(), QStringLiteral("0000101"));
    QCOMPARE(record.value("tel1").toString(), QStringLiteral("12345678901"));
    QCOMPARE(record.value("tel3").toString(), QStringLiteral("00000000000"));
    QCOMPARE(record.value("timeMs").toInt(), 20);
    QCOMPARE(events[0].toObject().value("baud").toInt(), 38400);
    QCOMPARE(DoorUnitDecoder::timestamped(d.events().last()),
             QStringLiteral("[   0.030 s] load default"));
}

QTEST_GUILESS_MAIN(TestDoorUnitDecoder)
#include "tst_doorunitdecoder.moc"
