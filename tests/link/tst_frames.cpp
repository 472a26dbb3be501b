#include "frames.h"

#include <QTest>

// A frame as one line: "94 drain t:0000101$...# pause 300"; the batch pause
// shows as "pause 10x200".
static QString describe(const Frame& frame)
{
    QStringList parts;
    for (const LinkStep& s : frame)
        parts << (s.kind == LinkStep::Kind::Byte   ? QString::number(s.byte, 16)
                  : s.kind == LinkStep::Kind::Text ? "t:" + QString::fromLatin1(s.text)
                  : s.kind == LinkStep::Kind::Drain
                      ? QStringLiteral("drain")
                      : QStringLiteral("pause %1").arg(s.milliseconds));
    return parts.join(u' ').replace(QStringLiteral(" pause 10").repeated(200), " pause 10x200");
}

class TestFrames : public QObject
{
    Q_OBJECT

private slots:
    void commands()
    {
        QCOMPARE(describe(frames::settingsSequence(2, 3)), "94 drain 93 drain 2 pause 300 97 3");
        // An open time equal to a command byte is still only a value.
        QCOMPARE(describe(frames::settingsSequence(0x95, 1)),
                 "94 drain 93 drain 95 pause 300 97 1");
        QCOMPARE(describe(frames::loadDefault()), "90 drain");
    }

    // An empty problem means the row encodes to the expected record.
    void record_data()
    {
        QTest::addColumn<RoomRecord>("row");
        QTest::addColumn<QString>("expected"); // the record, or the problem
        QTest::newRow("short number filled on the right")
            << RoomRecord{"2", "8765432", "", ""} << "0000002$87654320000@00000000000@00000000000#";
        QTest::newRow("exact widths")
            << RoomRecord{"1234567", "13912345678", "02187654321", "75512345678"}
            << "1234567$13912345678@02187654321@75512345678#";
        QTest::newRow("no trimming, zeros kept") << RoomRecord{" 12 ", " 5", "+8613", "010"}
                                                 << "000 12 $ 5000000000@+8613000000@01000000000#";
        // The download words a fault as the import does.
        QTest::newRow("two too long")
            << RoomRecord{"12345678", "", "", "123456789012"}
            << "Room \"12345678\" is 8 characters long; the door unit takes at most 7; TEL3 "
               "\"123456789012\" is 12 characters long; the door unit takes at most 11";
        QTest::newRow("Chinese") << RoomRecord{"房101", "", "", ""}
                                 << "Room holds \"房\", which is not ASCII; the door unit takes "
                                    "only ASCII letters, digits and signs";
        // Counted as the import counts it: one character, not two UTF-16 units.
        QTest::newRow("beyond the BMP")
            << RoomRecord{QStringLiteral("1234567\U0001F600"), "", "", ""}
            << QStringLiteral("Room \"1234567\U0001F600\" is 8 characters long; the door unit "
                              "takes at most 7; Room holds \"\U0001F600\", which is not ASCII; "
                              "the door unit takes only ASCII letters, digits and signs");
        QTest::newRow("DEL") << RoomRecord{"1", "", QStringLiteral("1\x7f"), ""}
                             << "TEL2 holds a control character (U+007f), which the door unit "
                                "cannot take";
        for (const char* marker : {"$", "@", "#", ",", "."})
            QTest::newRow(marker) << RoomRecord{"1", QStringLiteral("13%1").arg(marker), "", ""}
                                  << QStringLiteral("TEL1 holds \"%1\", which the door unit "
                                                    "reads as a field end marker")
                                         .arg(marker);
    }

    void record()
    {
        QFETCH(RoomRecord, row);
        QFETCH(QString, expected);
        const Outcome fits = frames::checkRecord(row);
        const auto record = frames::directoryRecord(row);
        QCOMPARE(record ? QString::fromLatin1(*record) : fits.description(), expected);
        QCOMPARE(record.has_value(), fits.ok());
    }

    // 5 rooms are one batch, 11 are three (5, 5, 1); fed one row at a time
    // as the download walks the directory.
    void batches()
    {
        for (int rows : {5, 11}) {
            frames::DirectorySequence sequence;
            Frame walked = sequence.begin();
            QString expected = "95 drain";
            for (int i = 0; i < rows; ++i) {
                const QByteArray record =
                    *frames::directoryRecord({QString::number(100 + i), "139", {}, {}});
                walked += sequence.row(record);
                expected += " drain t:" + QString::fromLatin1(record);
                QCOMPARE(sequence.batchFull(), (i + 1) % 5 == 0);
                if ((i + 1) % 5 == 0 || i == rows - 1) {
                    walked += sequence.endBatch();
                    expected += " drain t:, pause 10x200";
                }
            }
            walked += sequence.end();
            QCOMPARE(describe(walked), expected + " t:.");
        }
    }
};

QTEST_GUILESS_MAIN(TestFrames)
#include "tst_frames.moc"
