#include "changelist.h"
#include "database.h"
#include "directorybackup.h"
#include "importpreview.h"
#include "language.h"
#include "recordcursor.h"
#include "roomcsv.h"
#include "roomimport.h"
#include "roomlistdocument.h"
#include "roomverdict.h"
#include "testdatabase.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const TableSpec kRooms = schema::directoryTable();

QList<RoomRecord> roomsOf(const QString& text)
{
    QList<RoomRecord> rooms;
    for (const QString& row : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList f = row.split(QLatin1Char('|'));
        rooms << RoomRecord{f.value(0), f.value(1), f.value(2), f.value(3)};
    }
    return rooms;
}

QList<QVariantList> tableRows(const QString& text)
{
    QList<QVariantList> rows;
    for (const RoomRecord& r : roomsOf(text))
        rows << QVariantList{r.Room, r.TEL1, r.TEL2, r.TEL3};
    return rows;
}

} // namespace

class TestRoomExchange : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    QByteArray exported()
    {
        QByteArray csv;
        const Outcome done = roomimport::exportCsv(m_path, csv);
        [&] { QVERIFY2(done.ok(), qPrintable(done.description())); }();
        return csv;
    }
    Outcome import(const QByteArray& csv, bool replace)
    {
        roomcsv::CsvFile file;
        if (Outcome read = roomcsv::read(csv, file); !read)
            return read;
        QList<RoomRecord> rooms;
        for (const roomcsv::CsvRow& row : std::as_const(file.rows))
            rooms << row.room;
        return roomimport::write(m_path, rooms, replace);
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_path = database::pathIn(m_dir.path(), schema::kDirectoryFile);
        QFile::remove(m_path);
        testdb::create(m_path, kRooms,
                       tableRows("101|01234567890|+4412345678|;A\"7|0099|;3|||;102|1||"));
    }

    void exportThenImportIsByteIdentical()
    {
        // What a spreadsheet would take as a formula goes out as the text ="...".
        testdb::exec(m_path, "INSERT INTO Room_tel (Room, TEL1, TEL2, TEL3) VALUES "
                             "('=1+2', '+1+1', '-2+3', '@A\"1'), ('4', '+4930123', '-5', '')");
        const QByteArray first = exported();
        QVERIFY(first.startsWith("\xEF\xBB\xBFRoom,TEL1,TEL2,TEL3\r\n\"101\",\"01234567890\""));
        QVERIFY2(first.endsWith("\"=\"\"=1+2\"\"\",\"=\"\"+1+1\"\"\",\"=\"\"-2+3\"\"\","
                                "\"=\"\"@A\"\"\"\"1\"\"\"\r\n\"4\",\"+4930123\",\"-5\",\r\n"),
                 first.constData());
        QFile::remove(m_path);
        testdb::create(m_path, kRooms, tableRows("999|5||"));
        QVERIFY(import(first, true).ok());
        QCOMPARE(exported(), first);
        // A tab or a line break before the sign hides it from nobody.
        testdb::exec(m_path, "INSERT INTO Room_tel (Room, TEL1, TEL2) VALUES ('5', char(9) || "
                             "'=1+1', char(13) || '@A1')");
        QVERIFY2(exported().endsWith("\"5\",\"=\"\"\t=1+1\"\"\",\"=\"\"\r@A1\"\"\",\r\n"),
                 exported().constData());
    }

    // Each row of the file as Room|TEL1|TEL2|TEL3=verdict, and what the
    // reasons of the last row must say.
    void verdicts_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("reason");
        // What spreadsheets do to a room list.
        QTest::newRow("BOM, semicolons, CRLF, header in another order")
            << QByteArray("\xEF\xBB\xBFtel2;ROOM;Tel1\r\n;201;\"0223\"\r\n\"+1\";202;0\r\n")
            << "201|0223||=ok 202|0|+1|=ok" << QString();
        QTest::newRow("quoted comma and doubled quotes, no header")
            << QByteArray("\"2,1\",\"0\"\"1\"\n") << "2,1|0\"1||=error"
            << "Room holds \",\"";
        QTest::newRow("leading zero dropped")
            << QByteArray("201,02345678901\n202,02345678902\n203,2345678903\n")
            << "201|02345678901||=ok 202|02345678902||=ok 203|2345678903||=warning"
            << "dropped its leading \"0\"";
        QTest::newRow("zero dropped from a number in the directory")
            << QByteArray("101,1234567890\n") << "101|1234567890||=warning"
            << "dropped its leading \"0\"";
        QTest::newRow("plus dropped")
            << QByteArray("201,+4912345678\n202,+4912345679\n203,4912345670\n")
            << "201|+4912345678||=ok 202|+4912345679||=ok 203|4912345670||=warning"
            << "dropped its leading \"+\"";
        // Each verdict once.
        QTest::newRow("room too long") << QByteArray("12345678,1\n") << "12345678|1||=error"
                                       << "at most 7";
        QTest::newRow("number too long")
            << QByteArray("201,,012345678901\n") << "201||012345678901|=error"
            << "at most 11";
        QTest::newRow("marker") << QByteArray("20#1\n") << "20#1|||=error"
                                << "\"#\"";
        QTest::newRow("not ASCII") << QByteArray("2\xC3\xA9\n") << "2\u00e9|||=error"
                                   << "not ASCII";
        QTest::newRow("control character") << QByteArray("\"2\t\"\n") << "2\t|||=error"
                                           << "control character";
        // A value too long that also holds what the door unit cannot take: both are named.
        QTest::newRow("too long and not ASCII")
            << QByteArray("1234567\xC3\xA9,1\n") << "1234567\u00e9|1||=error"
            << "at most 7; Room holds \"\u00e9\", which is not ASCII";
        QTest::newRow("empty room") << QByteArray(",1\n") << "|1||=error"
                                    << "room is empty";
        QTest::newRow("room twice") << QByteArray("201,1\n201,2\n") << "201|1||=error 201|2||=error"
                                    << "also on line 1";
        QTest::newRow("room twice after a quoted line break")
            << QByteArray("\"1\n2\",1\n201,1\n201,2\n")
            << "1\n2|1||=error 201|1||=error 201|2||=error"
            << "also on line 3";
        QTest::newRow("not digits") << QByteArray("201,12-34\n") << "201|12-34||=warning"
                                    << "other than digits";
        QTest::newRow("number in two rooms")
            << QByteArray("201,5\n202,,,5\n") << "201|5||=warning 202|||5=warning"
            << "also a number of room 201";
        QTest::newRow("number of a stored room") << QByteArray("201,0099\n") << "201|0099||=warning"
                                                 << "also a number of room A\"7";
        QTest::newRow("number a stored room gives up")
            << QByteArray("102,2\n201,1\n") << "102|2||=warning 201|1||=ok"
            << "";
        QTest::newRow("replaces a room")
            << QByteArray("101,01234567890\n") << "101|01234567890||=warning"
            << "replaces room 101";
        // Rooms the door unit fills to the same 7 characters, and blanks it keeps.
        QTest::newRow("one room padded two ways")
            << QByteArray("0201,1\n201,2\n") << "0201|1||=error 201|2||=error"
            << "room 201 is also on line 1 as 0201; the door unit fills each to 0000201";
        QTest::newRow("a stored room padded another way")
            << QByteArray("0101,01234567890,+4412345678\n")
            << "0101|01234567890|+4412345678|=warning"
            << "room 0101 is room 101 of the directory to the door unit";
        QTest::newRow("blanks around a room and a number")
            << QByteArray("201 ,1\n202,\" 2\"\n") << "201 |1||=warning 202| 2||=warning"
            << "TEL1 \" 2\" has blanks around it";
        QTest::newRow("formulas")
            << QByteArray("201,+4930123\n-1A,=1+2,+1+1,-2+3\n")
            << "201|+4930123||=ok -1A|=1+2|+1+1|-2+3=warning"
            << "Room \"-1A\" starts with \"-\", so a spreadsheet would take it for a formula";
        QTest::newRow("a spreadsheet's =\"...\" read as its text")
            << QByteArray("=\"201\",\"=\"\"=1\"\"\"\n") << "201|=1||=warning"
            << "\"=1\" starts with";
        QTest::newRow("a line of 100,000 characters")
            << QByteArray(100000, '7') + "\n"
            << QString(100000, u'7') + "|||=error"
            << "Room \"7777777777777777777777777777777777777777\u2026\" is 100000 characters long";
        // A file's escape sequence would act on the terminal the message goes to.
        QTest::newRow("an escape sequence and a quoted line break")
            << QByteArray("\"1\n2\",7\n20\x1b[2K01,7\n") << "1\n2|7||=error 20\x1b[2K01|7||=error"
            << "Room \"20<U+001B>[2K01\" is 8 characters long; the door unit takes at most 7; Room "
               "holds a control character (U+001b), which the door unit cannot take; TEL1 7 is "
               "also "
               "a number of room 1<U+000A>2";
        QTest::newRow("not UTF-8") << QByteArray("201,\xE9\n") << QString() << "not UTF-8";
        QByteArray bigEndian, littleEndian;
        for (const char c : QByteArray("201,5\n")) {
            bigEndian += QByteArray(1, '\0') + c;
            littleEndian += c + QByteArray(1, '\0');
        }
        QTest::newRow("UTF-16 without its mark") << bigEndian << QString() << "not UTF-8";
        QTest::newRow("UTF-16, little end first") << littleEndian << QString() << "not UTF-8";
        QTest::newRow("a header of other columns")
            << QByteArray("Room No,Phone\n201,5\n") << QString()
            << "The first line (Room No,Phone) is a header, but names none of the columns "
               "understood: Room, TEL1, TEL2 and TEL3.";
        QTest::newRow("letters in a room and a number of a first row")
            << QByteArray("A1,5B\n") << "A1|5B||=warning"
            << "";
    }
    void verdicts()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, expected);
        QFETCH(QString, reason);
        QList<RoomRecord> directory;
        QVERIFY(roomimport::readDirectory(m_path, directory).ok());
        roomcsv::CsvFile file;
        const Outcome read = roomcsv::read(csv, file);
        if (expected.isEmpty()) {
            QVERIFY(read.description().contains(reason));
            return;
        }
        const QList<roomverdict::RowVerdict> verdicts =
            roomverdict::judge(file.rows, directory, false);
        QStringList got;
        for (qsizetype i = 0; i < verdicts.size(); ++i) {
            const RoomRecord& r = file.rows[i].room;
            got << QStringLiteral("%1|%2|%3|%4=%5")
                       .arg(r.Room, r.TEL1, r.TEL2, r.TEL3,
                            roomverdict::verdictName(verdicts[i].verdict));
        }
        QCOMPARE(got.join(QLatin1Char(' ')), expected);
        const QString reasons = verdicts.last().reasons.join(QStringLiteral("; "));
        QVERIFY2(reasons.contains(reason), qPrintable(reasons));
        for (const QString& one : verdicts.last().reasons)
            QVERIFY2(one.size() < 200, qPrintable(one.left(200)));
    }

    // The directory holds 101, 3 and 102; the rows' tints, the counts, and
    // whether Import is offered.
    void preview_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QString>("tints");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<bool>("canImport");
        QTest::newRow("clean") << QByteArray("201,7\n202,8\n") << false << "ok ok"
                               << "0 errors, 0 warnings, 2 ok" << true;
        QTest::newRow("one error blocks the rest")
            << QByteArray("201,1\n201,2\n203,12-3\n") << false << "error error warning"
            << "2 errors, 1 warning, 0 ok" << false;
        QTest::newRow("a number shared with 102 only while 102 is kept")
            << QByteArray("201,1\n") << true << "ok"
            << "0 errors, 0 warnings, 1 ok" << true;
        QTest::newRow("no rooms") << QByteArray("Room,TEL1\n") << false << ""
                                  << "0 errors, 0 warnings, 0 ok" << false;
    }
    void preview()
    {
        QFETCH(QByteArray, csv);
        QFETCH(bool, replace);
        QList<RoomRecord> directory;
        QVERIFY(roomimport::readDirectory(m_path, directory).ok());
        ImportPreview model;
        QVERIFY(model.load(csv, directory).ok());
        model.setReplace(replace);
        const QHash<QRgb, QString> tint{
            {ImportPreview::colour(roomverdict::Verdict::Ok).rgb(), "ok"},
            {ImportPreview::colour(roomverdict::Verdict::Warning).rgb(), "warning"},
            {ImportPreview::colour(roomverdict::Verdict::Error).rgb(), "error"}};
        QCOMPARE(tint.size(), 3);
        QStringList got;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QColor c = model.index(row, 0).data(Qt::BackgroundRole).value<QColor>();
            QVERIFY(c.lightness() > 180); // black text stays readable
            got << tint.value(c.rgb());
        }
        QFETCH(QString, tints);
        QCOMPARE(got.join(' '), tints);
        QFETCH(QString, counts);
        QCOMPARE(model.countsText(), counts);
        QFETCH(bool, canImport);
        QCOMPARE(model.canImport(), canImport);
        QCOMPARE(model.blockedReason().isEmpty(), canImport);
    }

    // A full page, and one room more, on the page size the PDF uses; the
    // last complete download is read from the transfer history.
    void roomListPages()
    {
        RoomListDocument document;
        QVERIFY(document.load(m_path).ok());
        QVERIFY(!document.lastDownload().isValid());
        testdb::exec(m_path, "CREATE TABLE transfer_log (what TEXT, outcome TEXT, finished TEXT)");
        testdb::exec(m_path, "INSERT INTO transfer_log VALUES ('download', 'complete', "
                             "'2026-12-01T14:02:00.000Z'), ('download', 'stopped', "
                             "'2026-12-02T09:00:00.000Z')");
        QVERIFY(document.load(m_path).ok());
        QCOMPARE(document.lastDownload(), QDateTime(QDate(2026, 12, 1), QTime(14, 2), Qt::UTC));

        QPdfWriter probe(m_dir.filePath("probe.pdf"));
        probe.setPageLayout(RoomListDocument::pdfLayout());
        const int perPage = document.rowsPerPage(probe);
        QVERIFY(perPage > 20);
        for (const auto& [rooms, pages] : {std::pair{0, 1}, {perPage, 1}, {2 * perPage + 1, 3}}) {
            document.setRooms(QList<RoomRecord>(rooms, RoomRecord{"101", "0123", "", ""}));
            const QString pdf = m_dir.filePath("rooms.pdf");
            const Expected<int> written = document.writePdf(pdf);
            QVERIFY(written.ok());
            QFile file(pdf);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            QVERIFY(bytes.startsWith("%PDF"));
            QCOMPARE(bytes.count("/Type /Page") - bytes.count("/Type /Pages"), pages);
            QCOMPARE(*written, pages);
        }
    }

    // The preview's texts, an import's summary and the room list's headings
    // in each catalogue; with none they are the source texts.
    void languages_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("texts");
        const QStringList english{
            "Verdict",
            "warning",
            "TEL1 \"12-3\" holds characters other than digits",
            "2 errors, 1 warning, 0 ok",
            "Nothing can be imported while 2 rows have errors: mend the file and open it again.",
            "Imported a.csv: 1 room added, 2 changed, 3 unchanged, 4 removed.",
            "Room list of Inhabitant_telnum.mdb",
            "Page 1 of 2",
            "download (6 rooms) on COM1 (/dev/ttyS0)"};
        QTest::newRow("none") << QString() << english;
        QTest::newRow("en") << "en" << english;
        QTest::newRow("zh_CN") << "zh_CN"
                               << QStringList{"结果",
                                              "警告",
                                              "TEL1“12-3”含有数字以外的字符",
                                              "2 个错误，1 个警告，0 行正常",
                                              "有 2 行出错，无法导入：请修改文件后重新打开。",
                                              "已导入 a.csv：添加 1 个房间，修改 2 个，3 个不变，"
                                              "删除 4 个。",
                                              "Inhabitant_telnum.mdb 的房间列表",
                                              "第 1 页，共 2 页",
                                              "下载（6 个房间），端口 COM1 (/dev/ttyS0)"};
    }
    void languages()
    {
        QFETCH(QString, code);
        QVERIFY(code.isEmpty() || !language::install(code).isEmpty());
        ImportPreview model;
        QVERIFY(model.load("201,1\n201,2\n203,12-3\n", {}).ok());
        RoomListDocument document;
        QVERIFY(document.load(m_path).ok());
        const QStringList page = document.pageTexts(0, 2);
        const QStringList shown{
            model.headerData(ImportPreview::Verdict, Qt::Horizontal, Qt::DisplayRole).toString(),
            model.index(2, ImportPreview::Verdict).data().toString(),
            model.index(2, ImportPreview::Reason).data().toString(), model.countsText(),
            model.blockedReason(), roomimport::summary(QStringLiteral("a.csv"), {1, 2, 3, 4}, true),
            page.value(0), page.value(4),
            // A change record's entry, kept in the program's own words.
            changelist::shownDetail("download (6 rooms) on COM1 (/dev/ttyS0)")};
        language::uninstall();
        QTEST(shown, "texts");
    }

    // A merge gives the stored rooms the door unit takes as the file's its
    // numbers, rather than adding a second record for the same room; each
    // row written is named and counted.
    void mergeUpdatesTheRoomTheDoorUnitSees()
    {
        testdb::exec(m_path, "UPDATE Room_tel SET Room = '0101' WHERE Room = '101'");
        testdb::exec(m_path, "INSERT INTO Room_tel (Room, TEL1) VALUES ('00101', '777')");
        QList<RoomRecord> directory;
        QVERIFY(roomimport::readDirectory(m_path, directory).ok());
        roomcsv::CsvFile file;
        QVERIFY(roomcsv::read("101,555\n", file).ok());
        const QList<roomverdict::RowVerdict> verdicts =
            roomverdict::judge(file.rows, directory, false);
        QCOMPARE(verdicts.first().verdict, roomverdict::Verdict::Warning);
        QCOMPARE(verdicts.first().reasons.join("; "),
                 "room 101 is room 0101 of the directory to the door unit (it fills both to "
                 "0000101), so the import gives 0101 this row's numbers; the numbers of 0101 are "
                 "01234567890, +4412345678, -; room 101 is room 00101 of the directory to the "
                 "door unit (it fills both to 0000101), so the import gives 00101 this row's "
                 "numbers; the numbers of 00101 are 777, -, -");
        roomimport::Written written;
        QVERIFY(roomimport::write(m_path, roomsOf("101|555"), false, &written).ok());
        QCOMPARE(written.changed, 2);
        QCOMPARE(written.added, 0);
        QCOMPARE(roomimport::summary("x.csv", written, false),
                 "Imported x.csv: 0 rooms added, 2 changed, 0 unchanged.");
        QCOMPARE(testdb::rows(m_path, kRooms).first(), (QStringList{"0101", "555", "", ""}));
        QCOMPARE(testdb::rows(m_path, kRooms).last(), (QStringList{"00101", "555", "", ""}));
        QCOMPARE(testdb::rows(m_path, kRooms).size(), 5);
        // Replacing, the two rows the door unit takes as room 101 become one.
        QVERIFY(roomimport::write(m_path, roomsOf("101|555;3"), true, &written).ok());
        QCOMPARE(roomimport::summary("x.csv", written, true),
                 "Imported x.csv: 0 rooms added, 1 changed, 1 unchanged, 3 removed.");
        QCOMPARE(testdb::rows(m_path, kRooms).size(), 2);
    }

    // An import records its counts and each room it changed in its own
    // transaction; a view open meanwhile takes none of it for another program's.
    void importsAreRecordedRoomByRoom_data()
    {
        QTest::addColumn<bool>("replace");
        QTest::addColumn<QStringList>("entries"); // what and subject, in any order
        QTest::addColumn<QString>("counts");      // the entry's, then the summary's
        const QStringList merged{"room changed by import 101", "room added by import 201",
                                 "import "};
        QTest::newRow("merged") << false << merged
                                << "1 added, 1 changed, 1 unchanged|Imported a.csv: 1 room "
                                   "added, 1 changed, 1 unchanged.";
        // Replacing counts as the record tells, not every row as new.
        QTest::newRow("replaced") << true << QStringList{"room changed by import 101",
                                                         "room added by import 201",
                                                         "room removed by import A\"7",
                                                         "room removed by import 102",
                                                         "room removed by import T\t1",
                                                         "import "}
                                  << "1 added, 1 changed, 1 unchanged, 3 removed (the whole "
                                     "directory replaced)|Imported a.csv: 1 room added, 1 "
                                     "changed, 1 unchanged, 3 removed.";
    }
    void importsAreRecordedRoomByRoom()
    {
        QFETCH(bool, replace);
        QFETCH(QStringList, entries);
        QFETCH(QString, counts);
        // A room another program stored with a tab and a backslash.
        testdb::exec(m_path, "INSERT INTO Room_tel (Room, TEL1) VALUES (?, ?)", {"T\t1", "x\\y"});
        RecordCursor view(kRooms);
        view.setChangeRecorder(std::make_shared<changerecord::RowRecorder>(
            changerecord::RowRecorder::Table::Rooms, changerecord::Actor{"ann", "pc", "os"},
            kRooms.fieldNames()));
        QVERIFY(view.open(m_path));
        const changerecord::Actor who{"bob", "pc2", "os2"};
        roomimport::Written written;
        QVERIFY(roomimport::write(m_path, roomsOf("101|555;3;201|1"), replace, &written, &who));
        QVERIFY(view.refresh());
        QCOMPARE(testdb::rows(m_path, testdb::changeRecord()).size(), 1);
        QStringList listed;
        const QList<changerecord::Entry> read = changelist::read(m_dir.path(), {}).value();
        for (const changerecord::Entry& e : read) {
            listed << changerecord::storedWord(e) + ' ' + e.subject;
            if (e.kind == changerecord::Kind::Import)
                QCOMPARE(e.detail + '|' + roomimport::summary("a.csv", written, replace), counts);
            if (e.subject == "T\t1")
                QCOMPARE(e.before,
                         QStringLiteral("Room \"T\t1\", TEL1 \"x\\y\", TEL2 \"\", TEL3 \"\""));
            QCOMPARE(e.who.operatorName + e.who.host + e.who.osUser, QStringLiteral("bobpc2os2"));
        }
        std::sort(listed.begin(), listed.end());
        std::sort(entries.begin(), entries.end());
        QCOMPARE(listed, entries);
    }

    // Rooms are written many to a statement; the one refused is still named,
    // wherever it stands, and the directory and its record stay as they were.
    void failureHalfwayChangesNothing_data()
    {
        QTest::addColumn<int>("rooms");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("said");
        QTest::newRow("few rooms") << 5 << "Room_tel"
                                   << "Room 203 cannot be added: the table";
        QTest::newRow("in a full batch") << 300 << "Room_tel"
                                         << "Room 203 cannot be added: the table";
        QTest::newRow("record, in a full batch")
            << 300 << "change_room"
            << "its entry in the change record cannot be written: the table";
    }
    void failureHalfwayChangesNothing()
    {
        QFETCH(int, rooms);
        QFETCH(QString, table);
        QFETCH(QString, said);
        QStringList listed{"101|7"};
        for (int room = 201; room < 200 + rooms; ++room)
            listed << QStringLiteral("%1|%2").arg(room).arg(room % 100);
        const QList<RoomRecord> imported = roomsOf(listed.join(';'));
        const changerecord::Actor who{"bob", "pc2", "os2"};
        QVERIFY(roomimport::write(m_path, roomsOf("900|9"), false, nullptr, &who));
        const QList<QStringList> before = testdb::rows(m_path, kRooms);
        const QList<QStringList> record = testdb::rows(m_path, testdb::changeRecord());
        testdb::exec(m_path, QStringLiteral("CREATE TRIGGER boom BEFORE INSERT ON %1 WHEN "
                                            "NEW.%2 = '203' BEGIN SELECT RAISE(ABORT, "
                                            "'injected'); END")
                                 .arg(table, table == "Room_tel" ? "Room" : "room"));
        for (bool replace : {false, true}) {
            const Outcome done = roomimport::write(m_path, imported, replace, nullptr, &who);
            QVERIFY2(done.description().contains(said), qPrintable(done.description()));
            QVERIFY(done.description().contains("(injected)"));
            QVERIFY2(!done.description().contains(".."), qPrintable(done.description()));
            QCOMPARE(testdb::rows(m_path, kRooms), before);
            QCOMPARE(testdb::rows(m_path, testdb::changeRecord()), record);
        }
    }

    void cursorRefusesAnEditTheImportOvertook()
    {
        RecordCursor cursor(kRooms);
        QVERIFY(cursor.open(m_path).ok());
        QVERIFY(cursor.setField(1, "555").ok());
        QVERIFY(roomimport::write(m_path, roomsOf("101|777;201|1"), false).ok());
        QVERIFY(cursor.updateBatch().description().contains("another program changed"));
        QCOMPARE(cursor.field(1), QStringLiteral("555")); // the typed value is kept
        cursor.cancelBatch();
        QVERIFY(cursor.refresh().ok());
        QCOMPARE(cursor.rowCount(), 5);
        QCOMPARE(cursor.field(1), QStringLiteral("777"));
    }

    // Room tables other programs make: every command reads them in their key
    // order and writes them, and a restore keeps every column the backup and
    // the file share or refuses before anything is lost.
    void everyCommandWorksOnEveryRoomTable_data()
    {
        // Room_tel's columns and options when backed up, and when restored
        // (empty: the same).
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("restoredInto");
        QTest::addColumn<QString>("refusal");
        const QString fields("Room TEXT, TEL1 TEXT, TEL2 TEXT, TEL3 TEXT");
        QTest::newRow("WITHOUT ROWID, keyed on Room")
            << "Room TEXT PRIMARY KEY, TEL1 TEXT, TEL2 TEXT, TEL3 TEXT) WITHOUT ROWID"
            << ""
            << "";
        QTest::newRow("WITHOUT ROWID, two-field key")
            << fields + ", PRIMARY KEY (Room, TEL1)) WITHOUT ROWID"
            << ""
            << "";
        QTest::newRow("another program's column") << fields + ", Name TEXT)"
                                                  << ""
                                                  << "";
        QTest::newRow("a column the file lacks") << fields + ", Name TEXT)" << fields + ")"
                                                 << "has the column Name";
    }
    void everyCommandWorksOnEveryRoomTable()
    {
        QFETCH(QString, columns);
        QFETCH(QString, restoredInto);
        QFETCH(QString, refusal);
        const QDir dir(m_dir.filePath(QTest::currentDataTag()));
        QVERIFY(dir.mkpath("."));
        const QString rooms = dir.filePath(schema::kDirectoryFile);
        testdb::create(dir.filePath(schema::kOperatorFile), schema::operatorTable(),
                       testdb::operators({{"admin", "1"}}));
        const auto make = [&](const QString& table) {
            testdb::exec(rooms, "DROP TABLE IF EXISTS Room_tel");
            testdb::exec(rooms, "CREATE TABLE Room_tel (" + table);
        };
        make(columns);
        testdb::exec(rooms, "INSERT INTO Room_tel (Room, TEL1) VALUES ('102', '2'), ('101', '1')");
        if (columns.contains("Name"))
            testdb::exec(rooms, "UPDATE Room_tel SET Name = 'Zhang' WHERE Room = '101'");

        QList<RoomRecord> read;
        QVERIFY(roomimport::write(rooms, roomsOf("101|9;103|3"), false).ok());
        QVERIFY(roomimport::readDirectory(rooms, read).ok());
        QStringList order;
        for (const RoomRecord& r : std::as_const(read))
            order << r.Room + "|" + r.TEL1;
        QCOMPARE(order.join(' '),
                 columns.contains("ROWID") ? "101|9 102|2 103|3" : "102|2 101|9 103|3");
        QByteArray csv;
        QVERIFY(roomimport::exportCsv(rooms, csv).ok());
        QVERIFY(RoomListDocument().load(rooms).ok());

        const auto all = [&] {
            QStringList got;
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "all");
            db.setDatabaseName(rooms);
            QSqlQuery q(db);
            if (db.open() && q.exec("SELECT * FROM Room_tel ORDER BY Room")) {
                while (q.next()) {
                    QStringList row;
                    for (int i = 0; i < q.record().count(); ++i)
                        row << q.value(i).toString();
                    got << row.join('|');
                }
            }
            q = QSqlQuery();
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase("all");
            return got.join(' ');
        };
        const QString saved = all();
        const QString file = m_dir.filePath(QTest::currentDataTag() + QStringLiteral(".qvb"));
        QVERIFY(directorybackup::backup(dir.path(), file).ok());
        if (!restoredInto.isEmpty())
            make(restoredInto);
        testdb::exec(rooms, "DELETE FROM Room_tel");
        const Outcome restored = directorybackup::restore(dir.path(), file);
        QVERIFY2(restored.ok() == refusal.isEmpty() && restored.description().contains(refusal),
                 qPrintable(restored.description()));
        QCOMPARE(all(), refusal.isEmpty() ? saved : QString());
    }

    // A backup that fails leaves nothing it made and removes nothing it did
    // not make, and names a damaged room file rather than the medium.
    void backupLeavesOnlyWhatItMade_data()
    {
        QTest::addColumn<QString>("refusal");
        QTest::newRow("another program's .partial") << "";
        QTest::newRow("a damaged room file") << "quorvane-db check";
        QTest::newRow("a full disk") << "cannot be written";
    }
    void backupLeavesOnlyWhatItMade()
    {
        QFETCH(QString, refusal);
        const QString tag = QTest::currentDataTag();
        const QDir dir(m_dir.filePath(tag));
        QVERIFY(dir.mkpath("."));
        const QString rooms = dir.filePath(schema::kDirectoryFile);
        testdb::create(dir.filePath(schema::kOperatorFile), schema::operatorTable(),
                       testdb::operators({{"admin", "1"}}));
        testdb::create(rooms, kRooms);
        testdb::exec(rooms, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                            "WHERE i < 3000) INSERT INTO Room_tel (Room, TEL1) SELECT i, "
                            "'13912345678' FROM n");
        const QString file = dir.filePath("rooms.qvb");
        QFile other(file + ".partial");
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write("theirs") == 6);
        other.close();
        if (tag == "a damaged room file") {
            QFile damaged(rooms);
            QVERIFY(damaged.open(QIODevice::ReadWrite) && damaged.seek(4096 + 8));
            QVERIFY(damaged.write(QByteArray(64, '\xff')) == 64);
        }
        const QStringList before = dir.entryList(QDir::AllEntries | QDir::Hidden);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        if (tag == "a full disk") {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit tight = limit;
            tight.rlim_cur = 64 * 1024;
            ::setrlimit(RLIMIT_FSIZE, &tight);
        }
        const Outcome done = directorybackup::backup(dir.path(), file);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        QVERIFY2(done.ok() == refusal.isEmpty() && done.description().contains(refusal),
                 qPrintable(done.description()));
        if (!refusal.isEmpty()) {
            QVERIFY2(done.description().contains(rooms) == (tag == "a damaged room file"),
                     qPrintable(done.description()));
            QCOMPARE(dir.entryList(QDir::AllEntries | QDir::Hidden), before);
        }
        QVERIFY(other.open(QIODevice::ReadOnly) && other.readAll() == "theirs");
    }

    void restoreChecksFirstAndRefusesWhileWritten()
    {
        const QString operators = database::pathIn(m_dir.path(), schema::kOperatorFile);
        QFile::remove(operators);
        testdb::create(operators, schema::operatorTable(), testdb::operators({{"admin", "1"}}));
        const QString file = m_dir.filePath("backup.qvb");
        QFile::remove(file);
        QVERIFY(directorybackup::backup(m_dir.path(), file).ok());
        const QList<QStringList> saved = testdb::rows(m_path, kRooms);
        testdb::exec(m_path, "DELETE FROM Room_tel");

        // A byte changed inside the copy of the operator file.
        QFile damaged(m_dir.filePath("damaged.qvb"));
        QVERIFY(QFile::copy(file, damaged.fileName()) && damaged.open(QIODevice::ReadWrite));
        QByteArray bytes = damaged.readAll();
        const qsizetype image = bytes.indexOf("SQLite format 3", 1);
        bytes[image + 120] = char(bytes[image + 120] ^ 0x55);
        damaged.seek(0);
        damaged.write(bytes);
        damaged.close();
        const QStringList before = QDir(m_dir.path()).entryList(QDir::Files);
        QVERIFY(directorybackup::restore(m_dir.path(), damaged.fileName())
                    .description()
                    .contains("is damaged"));

        {
            QSqlDatabase writer = QSqlDatabase::addDatabase("QSQLITE", "writer");
            writer.setDatabaseName(operators);
            QVERIFY(writer.open());
            QVERIFY(QSqlQuery(writer).exec("BEGIN IMMEDIATE"));
            QVERIFY(directorybackup::restore(m_dir.path(), file)
                        .description()
                        .contains("Another program is writing"));
            writer.close();
        }
        QSqlDatabase::removeDatabase("writer");
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files), before);
        QVERIFY(testdb::rows(m_path, kRooms).isEmpty());

        QStringList kept;
        QVERIFY(directorybackup::restore(m_dir.path(), file, &kept).ok());
        QCOMPARE(testdb::rows(m_path, kRooms), saved);
        QCOMPARE(kept.size(), 2);
    }
};

QTEST_MAIN(TestRoomExchange)
#include "tst_roomexchange.moc"
