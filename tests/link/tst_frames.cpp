#include "frames.h"

#include <QTest>

// A frame as one line: "94 | drain | t:0000101$...# | pause 300"; runs of
// equal pauses are folded into "pause 10 x200".
static QString describe(const Frame& frame)
{
    QStringList parts;
    for (qsizetype i = 0; i < frame.size(); ++i) {
        const LinkStep& s = frame[i];
        if (s.kind == LinkStep::Kind::Byte)
            parts << QString::number(s.byte, 16).rightJustified(2, u'0');
        else if (s.kind == LinkStep::Kind::Text)
            parts << QStringLiteral("t:") + QString::fromLatin1(s.text);
        else if (s.kind == LinkStep::Kind::Drain)
            parts << QStringLiteral("drain");
        else {
            qsizetype run = 1;
            while (i + run < frame.size() && frame[i + run] == s)
                ++run;
            parts << QStringLiteral("pause %1").arg(s.milliseconds) +
                         (run == 1 ? QString() : QStringLiteral(" x%1").arg(run));
            i += run - 1;
        }
    }
    return parts.join(QStringLiteral(" | "));
}

class TestFrames : public QObject
{
    Q_OBJECT

private slots:
    void commands()
    {
        QCOMPARE(describe(frames::settingsSequence(2, 3)),
                 QStringLiteral("94 | drain | 93 | drain | 02 | pause 300 | 97 | 03"));
        // An open time equal to a command byte is still only a value.
        QCOMPARE(describe(frames::settingsSequence(0x95, 1)),
                 QStringLiteral("94 | drain | 93 | drain | 95 | pause 300 | 97 | 01"));
        QCOMPARE(describe(frames::loadDefault()), QStringLiteral("90 | drain"));
    }

    // An empty problem means the row encodes to the expected record.
    void record_data()
    {
        QTest::addColumn<RoomRecord>("row");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QString>("problem");
        const auto ok = [](const char* name, RoomRecord r, const char* record) {
            QTest::newRow(name) << r << QByteArray(record) << QString();
        };
        const auto bad = [](const char* name, RoomRecord r, const QString& problem) {
            QTest::newRow(name) << r << QByteArray() << problem;
        };
        ok("short number filled on the right", {"2", "8765432", "", ""},
           "0000002$87654320000@00000000000@00000000000#");
        ok("exact widths", {"1234567", "13912345678", "02187654321", "75512345678"},
           "1234567$13912345678@02187654321@75512345678#");
        ok("no trimming, zeros kept", {" 12 ", " 5", "+8613", "010"},
           "000 12 $ 5000000000@+8613000000@01000000000#");
        bad("room of 8", {"12345678", "", "", ""},
            "Room \"12345678\" has 8 characters; at most 7 fit");
        bad("TEL2 of 12", {"1", "", "123456789012", ""},
            "TEL2 \"123456789012\" has 12 characters; at most 11 fit");
        bad("Chinese room", {"房101", "", "", ""},
            "Room \"房101\" holds \"房\", which is not a printable ASCII character");
        bad("DEL in TEL3", {"1", "", "", QStringLiteral("1\x7f")},
            QStringLiteral(
                "TEL3 \"1\x7f\" holds \"U+007f\", which is not a printable ASCII character"));
        for (const char* marker : {"$", "@", "#", ",", "."})
            bad(marker, {"1", QStringLiteral("13%1").arg(marker), "", ""},
                QStringLiteral("TEL1 \"13%1\" holds \"%1\", which the door unit reads as a "
                               "marker, not as part of a value")
                    .arg(marker));
        bad("two fields", {"12345678", "", "", "123456789012"},
            "Room \"12345678\" has 8 characters; at most 7 fit; TEL3 \"123456789012\" has 12 "
            "characters; at most 11 fit");
    }

    void record()
    {
        QFETCH(RoomRecord, row);
        QFETCH(QByteArray, expected);
        QFETCH(QString, problem);
        QCOMPARE(frames::recordProblem(row), problem);
        const auto record = frames::directoryRecord(row);
        QCOMPARE(record.has_value(), problem.isEmpty());
        if (record)
            QCOMPARE(*record, expected);
    }

    void batches_data()
    {
        QTest::addColumn<QList<int>>("batchSizes");
        QTest::newRow("5") << QList<int>{5};
        QTest::newRow("11") << QList<int>{5, 5, 1};
    }

    // Fed one row at a time as the download walks the directory.
    void batches()
    {
        QFETCH(QList<int>, batchSizes);
        const int rows = std::accumulate(batchSizes.begin(), batchSizes.end(), 0);
        QList<QByteArray> records;
        for (int i = 0; i < rows; ++i)
            records << *frames::directoryRecord({QString::number(100 + i), "139", {}, {}});

        frames::DirectorySequence sequence;
        Frame walked = sequence.begin();
        for (int i = 0; i < rows; ++i) {
            walked += sequence.row(records[i]);
            QCOMPARE(sequence.batchFull(), (i + 1) % 5 == 0);
            if (sequence.batchFull() || i == rows - 1)
                walked += sequence.endBatch();
        }
        walked += sequence.end();

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
};

QTEST_GUILESS_MAIN(TestFrames)
#include "tst_frames.moc"
