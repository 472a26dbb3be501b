#include "frames.h"

#include <QTest>

// A frame as one line: "94 | drain | t:0000101$...# | pause 300"; runs of
// equal pauses are folded into "pause 10 x200".
static QString describe(const Frame& frame)
{
    QStringList parts;
    for (qsizetype i = 0; i < frame.size(); ++i) {
        const LinkStep& s = frame[i];
        switch (s.kind) {
        case LinkStep::Kind::Byte:
            parts << QString::number(s.byte, 16).rightJustified(2, u'0');
            break;
        case LinkStep::Kind::Text:
            parts << QStringLiteral("t:") + QString::fromLatin1(s.text);
            break;
        case LinkStep::Kind::Drain:
            parts << QStringLiteral("drain");
            break;
        case LinkStep::Kind::Pause: {
            qsizetype run = 1;
            while (i + run < frame.size() && frame[i + run] == s)
                ++run;
            parts << (run == 1 ? QStringLiteral("pause %1").arg(s.milliseconds)
                               : QStringLiteral("pause %1 x%2").arg(s.milliseconds).arg(run));
            i += run - 1;
            break;
        }
        }
    }
    return parts.join(QStringLiteral(" | "));
}

static QByteArray recordFor(int i)
{
    return *frames::directoryRecord(
        {QString::number(100 + i), QStringLiteral("1390000%1").arg(i), {}, {}});
}

class TestFrames : public QObject
{
    Q_OBJECT

private slots:
    void settingsSequence_data();
    void settingsSequence();
    void loadDefault();
    void directoryRecord_data();
    void directoryRecord();
    void unencodableRow_data();
    void unencodableRow();
    void twoRowExample();
    void batches_data();
    void batches();
    void emptyDirectoryGivesNothing();
};

void TestFrames::settingsSequence_data()
{
    QTest::addColumn<int>("openTime");
    QTest::addColumn<int>("autoMode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("2 s, both modes")
        << 2 << 3 << "94 | drain | 93 | drain | 02 | pause 300 | 97 | 03";
    QTest::newRow("0 s, none") << 0 << 0 << "94 | drain | 93 | drain | 00 | pause 300 | 97 | 00";
    QTest::newRow("255 s, auto open")
        << 255 << 2 << "94 | drain | 93 | drain | ff | pause 300 | 97 | 02";
    // An open time equal to a command byte is still only a value.
    QTest::newRow("open time 0x95")
        << 0x95 << 1 << "94 | drain | 93 | drain | 95 | pause 300 | 97 | 01";
}

void TestFrames::settingsSequence()
{
    QFETCH(int, openTime);
    QFETCH(int, autoMode);
    QFETCH(QString, expected);
    QCOMPARE(describe(frames::settingsSequence(quint8(openTime), quint8(autoMode))), expected);
}

void TestFrames::loadDefault()
{
    QCOMPARE(describe(frames::loadDefault()), QStringLiteral("90 | drain"));
}

void TestFrames::directoryRecord_data()
{
    QTest::addColumn<QString>("room");
    QTest::addColumn<QString>("tel1");
    QTest::addColumn<QString>("tel2");
    QTest::addColumn<QString>("tel3");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("room 101, one number")
        << "101"
        << "12345678901"
        << ""
        << "" << QByteArray("0000101$12345678901@00000000000@00000000000#");
    QTest::newRow("short number filled on the right")
        << "2"
        << "8765432"
        << ""
        << "" << QByteArray("0000002$87654320000@00000000000@00000000000#");
    QTest::newRow("all empty") << ""
                               << ""
                               << ""
                               << "" << QByteArray("0000000$00000000000@00000000000@00000000000#");
    QTest::newRow("exact widths") << "1234567"
                                  << "13912345678"
                                  << "02187654321"
                                  << "75512345678"
                                  << QByteArray("1234567$13912345678@02187654321@75512345678#");
    QTest::newRow("leading zeros kept")
        << "007"
        << "0"
        << "00"
        << "010" << QByteArray("0000007$00000000000@00000000000@01000000000#");
    QTest::newRow("no trimming") << " 12 "
                                 << " 5"
                                 << "+8613"
                                 << "1 2"
                                 << QByteArray("000 12 $ 5000000000@+8613000000@1 200000000#");
    QTest::newRow("one short of the widths")
        << "123456"
        << "1234567890"
        << "2"
        << "3" << QByteArray("0123456$12345678900@20000000000@30000000000#");
}

void TestFrames::directoryRecord()
{
    QFETCH(QString, room);
    QFETCH(QString, tel1);
    QFETCH(QString, tel2);
    QFETCH(QString, tel3);
    QFETCH(QByteArray, expected);
    const RoomRecord r{room, tel1, tel2, tel3};
    QCOMPARE(frames::recordProblem(r), QString());
    const auto record = frames::directoryRecord(r);
    QVERIFY(record.has_value());
    QCOMPARE(record->size(), frames::kRecordLength);
    QCOMPARE(*record, expected);
}

void TestFrames::unencodableRow_data()
{
    QTest::addColumn<QString>("room");
    QTest::addColumn<QString>("tel1");
    QTest::addColumn<QString>("tel2");
    QTest::addColumn<QString>("tel3");
    QTest::addColumn<QString>("problem");
    QTest::newRow("room of 8") << "12345678"
                               << ""
                               << ""
                               << ""
                               << "Room \"12345678\" has 8 characters; at most 7 fit";
    QTest::newRow("TEL2 of 12") << "1"
                                << ""
                                << "123456789012"
                                << ""
                                << "TEL2 \"123456789012\" has 12 characters; at most 11 fit";
    QTest::newRow("Chinese room") << "房101"
                                  << ""
                                  << ""
                                  << ""
                                  << "Room \"房101\" holds \"房\", which is not a printable ASCII "
                                     "character";
    QTest::newRow("tab in TEL3") << "1"
                                 << ""
                                 << ""
                                 << "12\t3"
                                 << "TEL3 \"12\t3\" holds \"U+0009\", which is not a printable "
                                    "ASCII character";
    QTest::newRow("DEL in TEL1") << "1" << QStringLiteral("1\x7f") << ""
                                 << ""
                                 << QStringLiteral("TEL1 \"1\x7f\" holds \"U+007f\", which is not "
                                                   "a printable ASCII character");
    QTest::newRow("accented TEL3")
        << "1"
        << ""
        << ""
        << "café12"
        << "TEL3 \"café12\" holds \"é\", which is not a printable ASCII character";
    QTest::newRow("two fields") << "12345678"
                                << ""
                                << ""
                                << "123456789012"
                                << "Room \"12345678\" has 8 characters; at most 7 fit; TEL3 "
                                   "\"123456789012\" has 12 characters; at most 11 fit";
}

void TestFrames::unencodableRow()
{
    QFETCH(QString, room);
    QFETCH(QString, tel1);
    QFETCH(QString, tel2);
    QFETCH(QString, tel3);
    QFETCH(QString, problem);
    const RoomRecord r{room, tel1, tel2, tel3};
    QCOMPARE(frames::recordProblem(r), problem);
    QVERIFY(!frames::directoryRecord(r).has_value());
}

void TestFrames::twoRowExample()
{
    const auto first = frames::directoryRecord({"101", "12345678901", "", ""});
    const auto second = frames::directoryRecord({"2", "8765432", "", ""});
    QVERIFY(first && second);
    QCOMPARE(describe(frames::directoryDownload({*first, *second})),
             QStringLiteral("95 | drain | drain | t:0000101$12345678901@00000000000@00000000000# | "
                            "drain | t:0000002$87654320000@00000000000@00000000000# | drain | t:, "
                            "| pause 10 x200 | t:."));
}

void TestFrames::batches_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QList<int>>("batchSizes");
    QTest::newRow("1") << 1 << QList<int>{1};
    QTest::newRow("4") << 4 << QList<int>{4};
    QTest::newRow("5") << 5 << QList<int>{5};
    QTest::newRow("6") << 6 << QList<int>{5, 1};
    QTest::newRow("10") << 10 << QList<int>{5, 5};
    QTest::newRow("11") << 11 << QList<int>{5, 5, 1};
}

// Fed one row at a time as the download walks the directory, the sequence
// matches the whole-list form, and both have the expected batch shape.
void TestFrames::batches()
{
    QFETCH(int, rows);
    QFETCH(QList<int>, batchSizes);
    QList<QByteArray> records;
    for (int i = 0; i < rows; ++i)
        records << recordFor(i);

    frames::DirectorySequence sequence;
    Frame walked = sequence.begin();
    for (int i = 0; i < rows; ++i) {
        walked += sequence.row(records[i]);
        if (sequence.batchFull() || i == rows - 1) {
            QCOMPARE(sequence.batchFull(), (i + 1) % 5 == 0);
            walked += sequence.endBatch();
            QVERIFY(!sequence.batchFull());
        }
    }
    walked += sequence.end();
    QCOMPARE(walked, frames::directoryDownload(records));

    QStringList expected{QStringLiteral("95 | drain")};
    int next = 0;
    for (int size : batchSizes) {
        for (int i = 0; i < size; ++i, ++next)
            expected << QStringLiteral("drain | t:") + QString::fromLatin1(records[next]);
        expected << QStringLiteral("drain | t:, | pause 10 x200");
    }
    expected << QStringLiteral("t:.");
    QCOMPARE(describe(walked), expected.join(QStringLiteral(" | ")));
}

void TestFrames::emptyDirectoryGivesNothing()
{
    QVERIFY(frames::directoryDownload({}).isEmpty());
}

QTEST_GUILESS_MAIN(TestFrames)
#include "tst_frames.moc"
