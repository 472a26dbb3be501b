#include "companionenvironment.h"
#include "database.h"
#include "dbtool.h"
#include "directorybackup.h"
#include "language.h"
#include "restoresteps.h"
#include "testdatabase.h"
#include "transferlog.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

const TableSpec kOperators = schema::operatorTable();

// The companion's streams as strings.
struct Session
{
    QString input, output, errors;
    QTextStream in{&input, QIODevice::ReadOnly};
    QTextStream out{&output, QIODevice::WriteOnly};
    QTextStream err{&errors, QIODevice::WriteOnly};
    dbtool::Console console{in, out, err, false, [](bool) {}};

    explicit Session(const QString& typed = {}) : input(typed) {}

    int run(const QStringList& arguments)
    {
        return dbtool::run(arguments, console, dbtool::writeRoomListPdf);
    }
};

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() &&
            file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
}

// A writer killed in the middle of a transaction: enough rows that its cache
// spills into the file, so the file is changed and the journal is hot.
void leaveHotJournal(const QString& path)
{
    const pid_t child = ::fork();
    if (child == 0) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "tst-killed");
        db.setDatabaseName(path);
        QSqlQuery query(db);
        if (db.open() && query.exec("PRAGMA cache_size=1") && query.exec("BEGIN") &&
            query.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                       "5000) INSERT INTO Room_tel (Room, TEL1) SELECT i, '13912345678' FROM n"))
            ::raise(SIGKILL);
        ::_exit(1);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL &&
            QFileInfo(path + "-journal").size() > 0);
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Everything written into the FIFO at path until stop() is called.
class FifoReader
{
public:
    explicit FifoReader(const QString& path)
    {
        m_read = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
        // A writer of our own keeps the reader from seeing the end too early.
        m_keep = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
        ::fcntl(m_read, F_SETFL, 0);
        m_thread = std::thread([this] {
            char buffer[4096];
            for (ssize_t n; (n = ::read(m_read, buffer, sizeof buffer)) > 0;)
                m_bytes.append(buffer, n);
        });
    }
    ~FifoReader()
    {
        if (m_thread.joinable())
            stop();
    }
    QByteArray stop()
    {
        ::close(m_keep);
        m_thread.join();
        ::close(m_read);
        return m_bytes;
    }

private:
    int m_read = -1;
    int m_keep = -1;
    QByteArray m_bytes;
    std::thread m_thread;
};

} // namespace

class TestQuorvaneDb : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_operators, m_rooms;

    QString dir() const { return m_dir->path(); }
    QStringList entries() const
    {
        return QDir(dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                     QDir::NoDotAndDotDot);
    }
    void initWith(const QString& name, const QString& pin)
    {
        QCOMPARE(Session().run({"init", dir(), "--operator", name, "--pin", pin}), 0);
    }

private slots:
    // As the companion under the C locale: the source texts, counts in their form.
    void initTestCase() { language::install(QStringLiteral("C")); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_operators = m_dir->filePath(schema::kOperatorFile);
        m_rooms = m_dir->filePath(schema::kDirectoryFile);
    }

    // The built program, given its first operator through a pipe, beside the
    // leftovers of an init that was killed; then check on what it made.
    void initCreatesPrivateFilesThatPassCheck()
    {
        writeBytes(m_dir->filePath(".user_password.mdb.Ab12Cd"), "SQLite format 3");
        writeBytes(m_dir->filePath(".user_password.mdb.Ab12Cd-journal"), "x");
        QProcess init;
        init.setProcessEnvironment(companionEnvironment());
        init.start(QStringLiteral(QUORVANE_DB_EXECUTABLE), {"init", dir()});
        init.write("zoe\n2468\n");
        init.closeWriteChannel();
        QVERIFY(init.waitForFinished() && init.exitCode() == 0);
        const QStringList made{schema::kDirectoryFile, schema::kOperatorFile};
        QCOMPARE(entries(), made);
        const auto privateMode =
            QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
        QCOMPARE(QFile::permissions(m_operators) | QFile::permissions(m_rooms), privateMode);
        QCOMPARE(testdb::rows(m_operators, kOperators), (QList<QStringList>{{"zoe", "2468"}}));

        // A writer killed mid-write: check completes the recovery as an open
        // does, and never advises init, which would bury the journal.
        testdb::exec(m_rooms, "INSERT INTO Room_tel (Room, TEL1) VALUES ('101', '555')");
        leaveHotJournal(m_rooms);
        Session recovered;
        QCOMPARE(recovered.run({"check", dir()}), 0);
        QVERIFY2(recovered.output.contains("Inhabitant_telnum.mdb: an unfinished write") &&
                     !recovered.output.contains(" init "),
                 qPrintable(recovered.output));
        QCOMPARE(testdb::rows(m_rooms, schema::directoryTable()),
                 (QList<QStringList>{{"101", "555", "<NULL>", "<NULL>"}}));
        // A file another tool left in WAL mode: reading it leaves nothing beside it.
        testdb::exec(m_rooms, "PRAGMA journal_mode=WAL");
        QCOMPARE(Session().run({"check", dir()}), 0);
        QCOMPARE(entries(), made);
    }

    // A restore killed among its renames, with a damaged room file to move
    // aside: check undoes it while the operator file's rows were not
    // committed, and finishes it when no file was restored in place. One
    // restoring both files in place, killed at its first flush (its
    // super-journal written, no journal yet) or after its commit point (the
    // super-journal gone, both journals left), is undone or finished in one
    // story and leaves nothing behind.
    void checkFinishesOrUndoesAStoppedRestore_data()
    {
        QTest::addColumn<bool>("operatorsThere");
        QTest::addColumn<int>("renames");
        QTest::addColumn<QString>("said");
        QTest::addColumn<QString>("killed");
        QTest::newRow("between a file's two renames") << true << 1 << "it was undone"
                                                      << "";
        QTest::newRow("after the renames, before the commit") << true << 2 << "it was undone"
                                                              << "";
        QTest::newRow("nothing restored in place") << false << 1 << "it was finished"
                                                   << "";
        QTest::newRow("at its first flush") << true << 0 << "it was undone"
                                            << "flush";
        QTest::newRow("after its commit point") << true << 0 << "it was finished"
                                                << "commit";
    }
    void checkFinishesOrUndoesAStoppedRestore()
    {
        QFETCH(bool, operatorsThere);
        QFETCH(int, renames);
        QFETCH(QString, said);
        QFETCH(QString, killed);
        initWith("admin", "1");
        testdb::exec(m_rooms, "INSERT INTO Room_tel (Room, TEL1) VALUES ('101', '555')");
        const QString file = m_dir->filePath("rooms.qvb");
        QCOMPARE(Session().run({"backup", dir(), file}), 0);
        if (!killed.isEmpty()) {
            testdb::exec(m_operators, "UPDATE user_pin SET password = '2'");
            testdb::exec(m_rooms, "INSERT INTO Room_tel (Room, TEL1) VALUES ('102', '666')");
            const QStringList before = entries();
            QList<restoresteps::Target> steps;
            for (const auto& [path, table] :
                 {std::pair{m_rooms, "Room_tel"}, std::pair{m_operators, "user_pin"}}) {
                const QString kept = path + ".before-restore-20261207-120000";
                QVERIFY(QFile::copy(path, kept));
                steps << restoresteps::Target{
                    restoresteps::Target::Kind::InPlace, path, table, kept, {}};
            }
            QVERIFY(restoresteps::write(dir(), steps));
            const QByteArray super = QFile::encodeName(m_rooms) + "-mj0A1B2C9D3";
            const QByteArray magic("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);
            const auto word = [](quint32 n) {
                const char bytes[] = {char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
                return QByteArray(bytes, 4);
            };
            quint32 sum = 0;
            for (const char c : super)
                sum += quint32(qint32(c));
            if (killed == "commit") { // the backup's rows are in both files
                testdb::exec(m_rooms, "DELETE FROM Room_tel WHERE Room = '102'");
                testdb::exec(m_operators, "UPDATE user_pin SET password = '1'");
            } else {
                writeBytes(super, QFile::encodeName(m_rooms) + "-journal" + '\0' +
                                      QFile::encodeName(m_operators) + "-journal" + '\0');
            }
            for (const QString& path : {m_rooms, m_operators}) {
                // Unwritten at the first flush; after the commit point a header and
                // the name of the super-journal, which is gone.
                writeBytes(path + "-journal",
                           killed == "flush" ? QByteArray(512, 0)
                                             : magic + QByteArray(504, 0) + word(1) + super +
                                                   word(quint32(super.size())) + word(sum) + magic);
            }
            Session checked;
            QCOMPARE(checked.run({"check", dir()}), 0);
            QVERIFY2(checked.output.contains(said) && !checked.output.contains("rolled back"),
                     qPrintable(checked.output));
            QCOMPARE(entries().filter("-journal").size() + entries().filter("-mj").size(), 0);
            if (killed == "flush")
                QCOMPARE(entries(), before);
            QCOMPARE(testdb::rows(m_operators, kOperators),
                     (QList<QStringList>{{"admin", killed == "flush" ? "2" : "1"}}));
            return;
        }
        writeBytes(m_rooms, "not a database");
        if (operatorsThere)
            testdb::exec(m_operators, "UPDATE user_pin SET password = '2'");
        else
            QVERIFY(QFile::remove(m_operators));
        const QStringList before = entries();
        {
            const directorybackup::StopAfterRenames stop(renames);
            QVERIFY(!directorybackup::restore(dir(), file).ok());
        }
        QVERIFY(!QFile::exists(m_rooms) || renames > 1);

        Session checked;
        checked.run({"check", dir()});
        QVERIFY2(checked.output.contains(said), qPrintable(checked.output));
        if (operatorsThere) {
            QCOMPARE(entries(), before);
            QCOMPARE(testdb::rows(m_operators, kOperators), (QList<QStringList>{{"admin", "2"}}));
            QFile rooms(m_rooms);
            QVERIFY(rooms.open(QIODevice::ReadOnly) && rooms.readAll() == "not a database");
        } else {
            QCOMPARE(testdb::rows(m_operators, kOperators), (QList<QStringList>{{"admin", "1"}}));
            QCOMPARE(testdb::rows(m_rooms, schema::directoryTable()),
                     (QList<QStringList>{{"101", "555", "<NULL>", "<NULL>"}}));
            QVERIFY(checked.output.contains("Both files are in order."));
        }
    }

    // An empty expectation: refused with the message, and nothing created.
    void initTakesFirstOperator_data()
    {
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* tag, const QStringList& flags, const QString& typed,
                            const QStringList& expected, const char* message = "") {
            QTest::newRow(tag) << flags << typed << expected << QString(message);
        };
        row("flags with =", {"--operator=bo", "--pin="}, {}, {"bo", ""});
        const QString most(20, u'门');
        row("piped from Windows, 20 characters, blanks kept", {}, most + "\r\n 43 \r\n",
            {most, " 43 "});
        row("empty name", {"--operator=", "--pin=1"}, {}, {}, "must not be empty");
        row("name of 21", {"--operator", most + "n", "--pin=1"}, {}, {}, "is 21 characters");
        row("PIN of 21", {"--operator=n", "--pin", most + "9"}, {}, {}, "The PIN is 21");
    }

    void initTakesFirstOperator()
    {
        QFETCH(QStringList, flags);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);
        QFETCH(QString, message);
        Session session(typed);
        QCOMPARE(session.run(QStringList{"init", dir()} + flags), expected.isEmpty() ? 1 : 0);
        if (!expected.isEmpty()) {
            QCOMPARE(testdb::rows(m_operators, kOperators), QList<QStringList>{expected});
            return;
        }
        QVERIFY2(session.errors.contains(message) &&
                     session.errors.contains("Nothing was created."),
                 qPrintable(session.errors));
        QCOMPARE(entries(), QStringList());
    }

    // What stands at a database's name before init: a directory or a link to
    // nothing would leave a setup the program cannot use, a stale journal
    // would damage a new file beside it, and a file there is never replaced
    // ("dir:" a directory, "link:" a dangling link, otherwise a file; "file:"
    // the file is named as the folder).
    void initRefusesWhatCannotBeUsed_data()
    {
        const QString ops = schema::kOperatorFile;
        const QString rooms = schema::kDirectoryFile;
        QTest::addColumn<QStringList>("placed");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("initSays");
        QTest::addColumn<QString>("checkSays");
        const auto row = [](const char* tag, const QStringList& placed, int status,
                            const char* initSays, const char* checkSays) {
            QTest::newRow(tag) << placed << status << QString(initSays) << QString(checkSays);
        };
        row("directory", {"dir:" + ops}, 1, "is a directory", "is a directory, not a database");
        row("dangling link", {"link:" + rooms}, 1, "which does not exist", "which does not exist");
        row("journal", {rooms + "-journal"}, 1, "did not finish", "missing, but");
        row("shm", {rooms + "-shm"}, 1, "did not finish", "missing, but");
        // The operator given cannot be added to a file init never changes.
        row("operator file", {ops}, 1, "No operator was added, since", "not an SQLite");
        row("room file", {rooms}, 0, "", "not an SQLite");
        row("both files", {ops, rooms}, 1, "refusing to overwrite", "not an SQLite");
        // The folder named is a link (data:LINK>TARGET): to nothing, or to itself.
        row("folder a link to nothing", {"data:d>gone"}, 1, "is a link to nothing: it points to",
            "is a link to nothing");
        row("folder a loop of links", {"data:d>d"}, 1, "is a loop of links", "is a loop of links");
        row("folder a file", {"file:d"}, 1, "d is not a directory", "d is not a directory");
    }

    void initRefusesWhatCannotBeUsed()
    {
        QFETCH(QStringList, placed);
        QFETCH(int, status);
        QFETCH(QString, initSays);
        QFETCH(QString, checkSays);
        QStringList names;
        QString folder = dir();
        for (const QString& entry : placed) {
            names << entry.section(':', -1);
            const QString path = m_dir->filePath(names.last());
            if (entry.startsWith("data:")) {
                folder = m_dir->filePath(names.last().section('>', 0, 0));
                QVERIFY(QFile::link(m_dir->filePath(names.last().section('>', 1)), folder));
            } else if (entry.startsWith("dir:"))
                QVERIFY(QDir().mkdir(path));
            else if (entry.startsWith("link:"))
                QVERIFY(QFile::link(m_dir->filePath("gone"), path));
            else
                writeBytes(path, "left over");
            if (entry.startsWith("file:"))
                folder = path;
        }
        Session init;
        QCOMPARE(init.run({"init", folder, "--operator", "anna", "--pin", "1"}), status);
        QVERIFY2(init.errors.contains(initSays), qPrintable(init.errors));
        if (init.errors.contains("Nothing was created."))
            QCOMPARE(entries(), names);
        Session check;
        QCOMPARE(check.run({"check", folder}), 1);
        const QString said = check.output + check.errors;
        QVERIFY2(said.contains(checkSays) && !said.contains("chmod") &&
                     !said.contains("does not exist. Create it first"),
                 qPrintable(said));
    }

    void addOperatorAndImportTellWhatHappened()
    {
        initWith("alice", "1");
        QCOMPARE(Session().run({"add-operator", dir(), "--operator", "bob", "--pin", "2"}), 0);
        QCOMPARE(Session("Carol\n3\n").run({"add-operator", dir()}), 0);
        // Only the first operator of a name could log in.
        QCOMPARE(Session().run({"add-operator", dir(), "--operator", "bob", "--pin", "9"}), 1);
        QCOMPARE(testdb::rows(m_operators, kOperators),
                 (QList<QStringList>{{"alice", "1"}, {"bob", "2"}, {"Carol", "3"}}));

        const QString csv = m_dir->filePath("rooms.csv");
        writeBytes(csv, "Room;TEL1\n101;0123\n");
        QCOMPARE(Session().run({"import", dir(), csv}), 0);
        // Another program's write under way: the import waits for it to end.
        sqlite3* other = nullptr;
        QVERIFY(sqlite3_open(qPrintable(m_rooms), &other) == SQLITE_OK &&
                sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK);
        std::thread ends([other] {
            std::this_thread::sleep_for(std::chrono::milliseconds(300));
            sqlite3_close(other);
        });
        writeBytes(csv, "103,0789\n");
        const int waited = Session().run({"import", dir(), csv});
        ends.join();
        QCOMPARE(waited, 0);
        // Refused while another program writes, the import is told without
        // waiting for the other's write to end.
        QVERIFY(sqlite3_open(qPrintable(m_rooms), &other) == SQLITE_OK &&
                sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK);
        writeBytes(csv, "104,0999\n10$,0123\n");
        QCOMPARE(Session().run({"import", dir(), csv}), 1);
        sqlite3_close(other);
        writeBytes(csv, "102,0456\n");
        const QByteArray wet = contents(m_rooms);
        Session dry;
        QCOMPARE(dry.run({"import", dir(), csv, "--dry-run"}), 0);
        QVERIFY2(dry.output.endsWith("Dry run: nothing was written.\n"), qPrintable(dry.output));
        QVERIFY(contents(m_rooms) == wet);
        writeBytes(csv, "101$,0123\n");
        QCOMPARE(Session().run({"import", dir(), csv, "--dry-run"}), 1);
        QCOMPARE(Session().run({"import", dir(), m_dir->filePath("none.csv")}), 2);
        // Refused, the rows written while they were judged are rolled back,
        // the change record's with them: the file is as it was, byte for byte.
        const QByteArray before = contents(m_rooms);
        const QStringList files = entries();
        writeBytes(csv, "104,0999\n101$,0123\n");
        QCOMPARE(Session().run({"import", dir(), csv}), 1);
        QVERIFY(contents(m_rooms) == before);
        QCOMPARE(entries(), files);
        QCOMPARE(Session().run({"backup", dir(), csv}), 1); // not a backup: left alone
        QCOMPARE(testdb::rows(m_rooms, schema::directoryTable()).size(), 2);
        // Rooms written as they are read, many hands of them: every one, in order.
        QByteArray many = "Room,TEL1\n";
        for (int room = 1000; room < 6000; ++room)
            many += QByteArray::number(room) + ",0" + QByteArray::number(room) + "\n";
        writeBytes(csv, many);
        QCOMPARE(Session().run({"import", dir(), csv}), 0);
        const QList<QStringList> rooms = testdb::rows(m_rooms, schema::directoryTable());
        QCOMPARE(rooms.size(), 5002);
        QCOMPARE(rooms.last(), (QStringList{"5999", "05999", "", ""}));
    }

    // A file too large to be a room list is refused before it is read whole,
    // and a value quoted in a message is cut short ("sparse:" a file of that
    // many bytes that takes no disk, "line:" one line of that many
    // characters, "rows:" that many rooms).
    void importReadsABoundedFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString largest = QString::number(100 * 1024 * 1024 + 1);
        QTest::newRow("past 100 MB")
            << "sparse:" + largest << 2 << "is larger than 100 MB (" + largest + " bytes)";
        QTest::newRow("a device without end") << "/dev/zero" << 2 << "gives more than 100 MB";
        QTest::newRow("a line of 10 MB") << "line:10000000" << 1 << "is 10000000 characters long";
        QTest::newRow("a row past 200000") << "rows:200001" << 2 << "holds more than 200000 rows";
        // Refused by the reading while the writing has begun.
        QTest::newRow("Latin-1") << "latin1:3000" << 2 << "The file is not UTF-8 text.";
    }

    void importReadsABoundedFile()
    {
        QFETCH(QString, file);
        QFETCH(int, status);
        QFETCH(QString, message);
        initWith("anna", "1");
        QString path = file;
        if (file.contains(':')) {
            path = m_dir->filePath("rooms.csv");
            const qint64 size = file.section(':', 1).toLongLong();
            if (file.startsWith("sparse:")) {
                QFile sparse(path);
                QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(size));
            } else if (file.startsWith("latin1:")) {
                QByteArray rows;
                for (qint64 room = 1; room <= size; ++room)
                    rows += QByteArray::number(room) + ",0123\n";
                writeBytes(path, rows + "1\xe9,0123\n");
            } else if (file.startsWith("rows:")) {
                QByteArray rows;
                for (qint64 room = 1; room <= size; ++room)
                    rows += QByteArray::number(room) + '\n';
                writeBytes(path, rows);
            } else {
                writeBytes(path, QByteArray(size, '7') + '\n');
            }
        }
        Session session;
        QCOMPARE(session.run({"import", dir(), path}), status);
        const QString said = session.output + session.errors;
        QVERIFY2(said.contains(message) && said.size() < 1000, qPrintable(said.left(1000)));
        QVERIFY(testdb::rows(m_rooms, schema::directoryTable()).isEmpty());
    }

    // Files named to write to: a database (however named) or a file SQLite
    // keeps beside one is refused, a folder too; a FIFO or the standard
    // output is written into and stays what it is. "%1" is the data folder; placed is "NAME>TARGET"
    // for a link, "NAME=TARGET" for a hard link, "NAME|" for a FIFO, "NAME/" for a folder (of
    // another data folder), "NAME~" for a copy of the operator database, "NAME#" for a file
    // there already, on a disk that takes no more than 16 bytes of a file.
    void writersLeaveTheDatabasesAlone_data()
    {
        const QString rooms = schema::kDirectoryFile;
        const QString ops = schema::kOperatorFile;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("placed");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        const auto row = [](const char* tag, const QStringList& arguments, const QString& placed,
                            int status, const QString& says) {
            QTest::newRow(tag) << arguments << placed << status << says;
        };
        const QString roomsSaid = "is (or leads to) the room database " + rooms + " in ";
        row("room file", {"export", "%1", "%1/" + rooms}, {}, 1, roomsSaid);
        row("./ form", {"export", "%1", "%1/./" + rooms}, {}, 1, roomsSaid);
        row("symbolic link", {"export", "%1", "%1/rooms.csv"}, "rooms.csv>" + rooms, 1, roomsSaid);
        row("hard link", {"export", "%1", "%1/rooms.csv"}, "rooms.csv=" + ops, 1,
            "the operator database " + ops);
        row("journal", {"export", "%1", "%1/" + rooms + "-journal"}, {}, 1,
            "the -journal file SQLite keeps for the room database " + rooms);
        row("link to the WAL", {"export", "%1", "%1/out.csv"}, "out.csv>" + ops + "-wal", 1,
            "the -wal file SQLite keeps for the operator database " + ops);
        row("PDF onto operators", {"export", "%1", "--pdf", "%1/" + ops}, {}, 1,
            "the operator database " + ops);
        row("backup onto the journal", {"backup", "%1", "%1/" + ops + "-journal"}, {}, 1,
            "the -journal file SQLite keeps for the operator");
        row("folder", {"export", "%1", "%1"}, {}, 1, "%1 is a folder. Name a file");
        row("another folder's rooms", {"export", "%1", "%1/d2/" + rooms}, "d2/", 1,
            "bears the name " + rooms);
        row("PDF onto another folder's WAL", {"export", "%1", "--pdf", "%1/d2/" + ops + "-wal"},
            "d2/", 1, "bears the name " + ops + "-wal");
        row("full disk", {"export", "%1", "%1/old.csv"}, "old.csv#", 1,
            "%1/old.csv cannot be written: File too large");
        row("PDF on a full disk", {"export", "%1", "--pdf", "%1/old.csv"}, "old.csv#", 1,
            "%1/old.csv cannot be written: File too large");
        row("a database by another name", {"export", "%1", "%1/copy.csv"}, "copy.csv~", 1,
            "holds a database; writing there would destroy it. Nothing was written");
        row("FIFO", {"export", "%1", "%1/pipe"}, "pipe|", 0, "Exported the room directory to");
        row("standard output", {"export", "%1", "/dev/stdout"}, {}, 0,
            "\xEF\xBB\xBFRoom,TEL1,TEL2,TEL3\r\n\"101\",\"555\",,\r\nExported the room "
            "directory to /dev/stdout.");
        row("PDF into a FIFO", {"export", "%1", "--pdf", "%1/pipe"}, "pipe|", 0,
            "Wrote the room list of 1 room");
    }

    void writersLeaveTheDatabasesAlone()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, placed);
        QFETCH(int, status);
        QFETCH(QString, says);
        initWith("anna", "1234");
        testdb::exec(m_rooms, "INSERT INTO Room_tel (Room, TEL1) VALUES ('101', '555')");
        const QString name = placed.section(QRegularExpression("[>=|]"), 0, 0);
        const QString target = m_dir->filePath(placed.section(QRegularExpression("[>=|]"), 1));
        if (placed.contains('>'))
            QVERIFY(QFile::link(target, m_dir->filePath(name)));
        if (placed.contains('='))
            QCOMPARE(::link(qPrintable(target), qPrintable(m_dir->filePath(name))), 0);
        if (placed.contains('|'))
            QCOMPARE(::mkfifo(qPrintable(m_dir->filePath(name)), 0600), 0);
        if (placed.endsWith('/'))
            QVERIFY(QDir(dir()).mkdir(name));
        if (placed.endsWith('~'))
            QVERIFY(QFile::copy(m_operators, m_dir->filePath(name.chopped(1))));
        if (placed.endsWith('#'))
            writeBytes(m_dir->filePath(name.chopped(1)), "Room\r\n");
        const QByteArray rooms = contents(m_rooms);
        const QByteArray operators = contents(m_operators);
        const QStringList before = entries();
        std::unique_ptr<FifoReader> reader;
        if (placed.contains('|'))
            reader = std::make_unique<FifoReader>(m_dir->filePath(name));

        // The built companion: the PDF needs its fonts, /dev/stdout its pipe.
        QProcess companion;
        companion.setProcessChannelMode(QProcess::MergedChannels);
        companion.setProcessEnvironment(companionEnvironment());
        if (placed.endsWith('#'))
            companion.setChildProcessModifier([] {
                const rlimit limit{16, 16};
                ::setrlimit(RLIMIT_FSIZE, &limit);
                ::signal(SIGXFSZ, SIG_IGN);
            });
        companion.start(QStringLiteral(QUORVANE_DB_EXECUTABLE),
                        arguments.replaceInStrings("%1", dir()));
        QVERIFY(companion.waitForFinished());
        QCOMPARE(companion.exitCode(), status);
        const QString said = QString::fromUtf8(companion.readAll());
        QVERIFY2(said.contains(QString(says).replace("%1", dir())), qPrintable(said));
        QVERIFY(contents(m_rooms) == rooms && contents(m_operators) == operators);
        QCOMPARE(entries(), before);
        if (placed.endsWith('/'))
            QVERIFY(QDir(m_dir->filePath(name)).isEmpty());
        if (placed.endsWith('~'))
            QCOMPARE(contents(m_dir->filePath(name.chopped(1))), operators);
        if (placed.endsWith('#'))
            QCOMPARE(contents(m_dir->filePath(name.chopped(1))), "Room\r\n");
        if (reader) {
            const QByteArray arrived = reader->stop();
            QVERIFY2(arrived.startsWith(arguments.contains("--pdf") ? "%PDF" : "\xEF\xBB\xBFRoom,"),
                     arrived.left(40).constData());
            struct stat st;
            QVERIFY(::stat(qPrintable(m_dir->filePath(name)), &st) == 0 && S_ISFIFO(st.st_mode));
        }
    }

    // Copied away from the program that writes the PDF, the companion says
    // what is missing and writes nothing; its other commands still work.
    void pdfWithoutItsWriter()
    {
        initWith("anna", "1234");
        QTemporaryDir elsewhere;
        const QString lonely = elsewhere.filePath("quorvane-db");
        QVERIFY(QFile::copy(QStringLiteral(QUORVANE_DB_EXECUTABLE), lonely));
        const auto run = [&](const QStringList& arguments) {
            QProcess companion;
            companion.setProcessChannelMode(QProcess::MergedChannels);
            companion.setProcessEnvironment(companionEnvironment());
            companion.start(lonely, arguments);
            const bool finished = companion.waitForFinished();
            return std::pair(finished ? companion.exitCode() : -1,
                             QString::fromUtf8(companion.readAll()));
        };
        const auto [status, said] = run({"export", dir(), "--pdf", dir() + "/list.pdf"});
        QCOMPARE(status, 1);
        QVERIFY2(said.contains("/quorvane-db-pdf, which cannot be run (No such file or "
                               "directory). Install Quorvane again."),
                 qPrintable(said));
        QVERIFY(!QFile::exists(dir() + "/list.pdf"));
        QCOMPARE(run({"export", dir(), dir() + "/list.csv"}).first, 0);
    }

    // The built companion speaks the locale's language, or the one --language
    // names: the C locale keeps the source texts, English gives them in
    // English, Chinese in Chinese, placeholders filled in either.
    void speaksTheChosenLanguage_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        const QString nothing = "Nothing has been sent to the door unit from %1.";
        QTest::newRow("C") << "C.UTF-8" << QStringList{"history", "%1"} << 0 << nothing;
        QTest::newRow("English") << "en_US.UTF-8" << QStringList{"history", "%1"} << 0 << nothing;
        QTest::newRow("Chinese") << "zh_CN.UTF-8" << QStringList{"history", "%1"} << 0
                                 << "尚未从 %1 向门口机发送任何数据。";
        QTest::newRow("--language en under Chinese")
            << "zh_CN.UTF-8" << QStringList{"history", "%1", "--language", "en"} << 0 << nothing;
        // A refusal is its reason and where the help is, not the whole help.
        QTest::newRow("refusal, C")
            << "C.UTF-8" << QStringList{"history", "%1", "--recent"} << int(dbtool::kUsage)
            << "quorvane-db: Unknown option --recent.\n"
               "Try 'quorvane-db --help' for more information.\n";
        QTest::newRow("unknown command, C")
            << "C.UTF-8" << QStringList{"frobnicate"} << int(dbtool::kUsage)
            << "quorvane-db: Unknown command frobnicate.\n"
               "Try 'quorvane-db --help' for more information.\n";
        QTest::newRow("refusal, --language=zh_CN")
            << "C.UTF-8" << QStringList{"history", "--language=zh_CN", "%1", "--recent"}
            << int(dbtool::kUsage)
            << "quorvane-db: 未知选项 --recent。\n请运行“quorvane-db --help”了解更多信息。\n";
        // The record keeps its own words; the list shows them in the operator's.
        QTest::newRow("audit, C") << "C.UTF-8" << QStringList{"audit", "%1"} << 0
                                  << "…  operator added  ana  by";
        QTest::newRow("audit, Chinese")
            << "zh_CN.UTF-8" << QStringList{"audit", "%1"} << 0 << "…  添加操作员  ana  ";
        // The name the program gives the first unit is its own text.
        QTest::newRow("units, Chinese")
            << "zh_CN.UTF-8" << QStringList{"units", "%1"} << 0 << "COM1  门口机";
        // A count of one reads right without a catalogue for the language.
        QTest::newRow("one page, C")
            << "C.UTF-8" << QStringList{"export", "%1", "--pdf", "%1/list.pdf"} << 0
            << "…: 1 page.";
        // Each command answers --help with its own help.
        QTest::newRow("audit --help") << "C.UTF-8" << QStringList{"audit", "%1", "--help"} << 0
                                      << "Usage of quorvane-db audit:";
        QTest::newRow("audit -h, Chinese")
            << "zh_CN.UTF-8" << QStringList{"audit", "-h"} << 0 << "quorvane-db audit 的用法：";
        QTest::newRow("no 25th hour")
            << "C.UTF-8" << QStringList{"audit", "%1", "--since", "2026-12-07T25:00"}
            << int(dbtool::kUsage)
            << "quorvane-db: --since needs a date as YYYY-MM-DD or a date and time as "
               "YYYY-MM-DDTHH:MM or "
               "YYYY-MM-DD HH:MM:SS, a day the month has and an hour 00 to 23; not "
               "\"2026-12-07T25:00\".";
        // What scripts read stays in the program's own words.
        QTest::newRow("changes --json, Chinese")
            << "zh_CN.UTF-8" << QStringList{"changes", "%1", "--json"} << 1
            << "…\"state\": \"Door unit: never loaded from this PC\"";
    }
    void speaksTheChosenLanguage()
    {
        QFETCH(QString, lang);
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, says);
        initWith("ana", "1234");
        QProcess companion;
        companion.setProcessEnvironment(companionEnvironment(lang));
        companion.start(QStringLiteral(QUORVANE_DB_EXECUTABLE),
                        arguments.replaceInStrings("%1", dir()));
        QVERIFY(companion.waitForFinished());
        QCOMPARE(companion.exitCode(), status);
        const QByteArray out = companion.readAllStandardOutput();
        const QString said =
            QString::fromUtf8(out.isEmpty() ? companion.readAllStandardError() : out);
        const QString line = said.section('\n', 0, 0);
        if (says.startsWith(u'…'))
            QVERIFY2(said.contains(says.mid(1)), qPrintable(said));
        else if (says.endsWith(u'\n'))
            QCOMPARE(said, says);
        else
            QCOMPARE(line, QString(says).replace("%1", m_rooms));
    }

    // A room file that never recorded a transfer, as an older program left
    // it: history and changes read it and leave it byte for byte, also when
    // the user may only read it.
    void readingCommandsWriteNothing_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        const QString nothing = "Nothing has been sent to the door unit from ";
        const QString never = "Door unit: never loaded";
        QTest::newRow("history") << "history" << false << 0 << nothing;
        QTest::newRow("history, read-only") << "history" << true << 0 << nothing;
        QTest::newRow("changes") << "changes" << false << 1 << never;
        QTest::newRow("changes, read-only") << "changes" << true << 1 << never;
        QTest::newRow("audit, read-only") << "audit" << true << 0 << "The change record of ";
        QTest::newRow("units") << "units" << false << 0 << "COM1  Door unit\n";
    }

    void readingCommandsWriteNothing()
    {
        QFETCH(QString, command);
        QFETCH(bool, readOnly);
        QFETCH(int, status);
        QFETCH(QString, said);
        // A room another program stored with an escape sequence in it.
        testdb::create(m_rooms, schema::directoryTable(),
                       {{"101", "138", {}, {}}, {"1\x1b[2J", "139", {}, {}}});
        if (readOnly)
            QCOMPARE(::chmod(QFile::encodeName(m_rooms).constData(), 0444), 0);
        QFile file(m_rooms);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        const QStringList entriesBefore = entries();
        Session session;
        QCOMPARE(session.run({command, dir()}), status);
        QVERIFY2(session.output.startsWith(said), qPrintable(session.output + session.errors));
        QVERIFY(!(session.output + session.errors).contains(QChar(0x1b)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        QCOMPARE(entries(), entriesBefore);
    }

    // What the companion changes is recorded as the OS user's on this PC;
    // audit lists both files' entries newest first, filtered, and prunes
    // entries aged past 30 days: asked at a terminal (typed), confirmed by
    // --yes otherwise, never a prune's own entry.
    // A file's change record as the release before wrote it: an import's
    // rooms a text in its entry, the values text alone.
    static void asReleaseBefore(const QString& file)
    {
        const QString kind = "CASE what WHEN 'room added by import' THEN '+' WHEN 'room removed by "
                             "import' THEN '-' ELSE '~' END";
        QStringList fields;
        for (const char* side : {"old", "new"})
            for (const char* field : {"room", "tel1", "tel2", "tel3"})
                fields << QStringLiteral("coalesce(%1_%2, '')").arg(side, field);
        const QString line = kind + " || char(9) || " + fields.join(" || char(9) || ");
        for (const QString& statement :
             {QStringLiteral("ALTER TABLE change_record RENAME TO newer"),
              QStringLiteral("CREATE TABLE change_record (id INTEGER PRIMARY KEY AUTOINCREMENT, "
                             "happened TEXT NOT NULL, operator TEXT NOT NULL, host TEXT NOT NULL, "
                             "os_user TEXT NOT NULL, what TEXT NOT NULL, subject TEXT NOT NULL, "
                             "old_values TEXT, new_values TEXT, detail TEXT, transfer INTEGER, "
                             "rooms TEXT)"),
              QStringLiteral("INSERT INTO change_record SELECT id, happened, operator, host, "
                             "os_user, what, subject, old_values, new_values, detail, transfer, "
                             "(SELECT group_concat(line, '') FROM (SELECT %1 || char(10) AS line "
                             "FROM change_room WHERE entry = newer.id ORDER BY position)) FROM "
                             "newer")
                  .arg(line),
              QStringLiteral("DROP TABLE newer"), QStringLiteral("DROP TABLE change_room")})
            testdb::exec(file, statement);
    }

    void auditListsTheChangeRecord_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("heads"); // what and subject of each entry listed
        QTest::addColumn<QString>("typed");     // at a terminal when not null
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said"); // by the prune
        const QStringList all{"import",
                              "room removed by import  102",
                              "room changed by import  101",
                              "import",
                              "room added by import  102",
                              "room added by import  101",
                              "operator added  bob",
                              "restore  all.qvb",
                              "restore  all.qvb",
                              "operator added  alice"};
        const QString user = changerecord::Actor::osUserName();
        const QString today = QDate::currentDate().toString(Qt::ISODate);
        const auto row = [](const char* tag, const QStringList& arguments, const QStringList& heads,
                            const QString& typed = {}, int status = 0, const QString& said = {}) {
            QTest::newRow(tag) << arguments << heads << typed << status << said;
        };
        row("all", {}, all);
        row("one room", {"--room", "101"}, {all[2], all[5]});
        row("operator", {"--operator", user}, all);
        row("another operator", {"--operator", "nobody"}, {});
        row("PC", {"--pc", QSysInfo::machineHostName()}, all);
        row("today", {"--since", today, "--until", today}, all);
        row("until yesterday", {"--until", QDate::currentDate().addDays(-1).toString(Qt::ISODate)},
            {});
        // An entry another program stored, escape sequences and all, is shown escaped.
        row("control characters", {"--operator", "mallory"}, {"room changed  1<U+001B>[2J"});
        // Files the release before wrote read as they did, then as they are opened.
        row("release before", {}, all);
        row("release before, one room", {"--room", "101"}, {all[2], all[5]});
        const QStringList pruned{"record pruned", "record pruned"};
        const QStringList prune{"--prune-before", "2021-01-01"};
        row("pruned", prune + QStringList{"--yes"}, pruned, {}, 0, "Removed 6 entries");
        row("pruned twice", prune + QStringList{"--yes"}, pruned + pruned, {}, 0,
            "Removed 0 entries");
        row("prune asked", prune, pruned, "y\n", 0, "Pruning removes 6 entr");
        row("prune declined", prune, all, "\n", 1, "Remove them? (y/N) Nothing was removed.");
        row("prune unconfirmed", prune, all, {}, 1, "Nothing was removed: add --yes");
        row("prune into the future", {"--prune-before", "2099-01-01", "--yes"}, all, {}, 1,
            "2099-01-01 00:00:00 lies in the future");
        row("prune of last week",
            {"--prune-before", QDate::currentDate().addDays(-7).toString(Qt::ISODate), "--yes"},
            all, {}, 1, "within the last 30 days, which are always kept");
    }
    void auditListsTheChangeRecord()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, heads);
        QFETCH(QString, typed);
        QFETCH(int, status);
        QFETCH(QString, said);
        initWith("alice", "1111");
        const QString backup = m_dir->filePath("all.qvb");
        QCOMPARE(Session().run({"backup", dir(), backup}), 0);
        QCOMPARE(Session().run({"restore", dir(), backup}), 0);
        QCOMPARE(Session().run({"add-operator", dir(), "--operator", "bob", "--pin", "2222"}), 0);
        const QString csv = m_dir->filePath("rooms.csv");
        writeBytes(csv, "Room,TEL1\n101,555\n102,666\n");
        QCOMPARE(Session().run({"import", dir(), csv}), 0);
        writeBytes(csv, "Room,TEL1\n101,557\n");
        QCOMPARE(Session().run({"import", dir(), csv, "--replace"}), 0);
        if (QTest::currentDataTag() == QLatin1String("control characters"))
            testdb::exec(m_rooms,
                         "INSERT INTO change_record (happened, operator, host, os_user, what, "
                         "subject, old_values) VALUES (?, 'mallory', 'pc\x1b]0;x\x07', 'm', "
                         "'room changed', '1\x1b[2J', 'Room \"1\x1b[2J\"')",
                         {timeText(QDateTime::currentDateTimeUtc())});
        const bool before = QByteArray(QTest::currentDataTag()).startsWith("release before");
        for (const QString& file : before ? QStringList{m_rooms, m_operators} : QStringList{})
            asReleaseBefore(file);
        if (arguments.contains("--prune-before")) {
            const auto age = [this] {
                for (const QString& file : {m_rooms, m_operators})
                    testdb::exec(file, "UPDATE change_record SET happened = "
                                       "'2020' || substr(happened, 5)");
            };
            age();
            if (QTest::currentDataTag() == QLatin1String("pruned twice")) {
                QCOMPARE(Session().run(QStringList{"audit", dir()} + arguments), 0);
                age();
            }
            Session prune(typed);
            prune.console.interactive = !typed.isNull();
            QCOMPARE(prune.run(QStringList{"audit", dir()} + arguments), status);
            QVERIFY2((prune.errors + prune.output).contains(said),
                     qPrintable(prune.errors + prune.output));
            arguments.clear();
        }
        Session session;
        QCOMPARE(session.run(QStringList{"audit", dir()} + arguments), 0);
        QStringList listed;
        for (const QString& line : session.output.split('\n', Qt::SkipEmptyParts)) {
            if (!line.startsWith(' ') && !line.startsWith("The change record"))
                listed << line.mid(21).section("  by ", 0, 0).section("  (by", 0, 0);
        }
        QCOMPARE(listed, heads);
        QVERIFY(!session.output.contains(QChar(0x1b)) && !session.output.contains(QChar(0x07)));
        if (before) {
            for (const QString& file : {m_rooms, m_operators}) {
                const QString name = database::uniqueConnectionName("release-before");
                QVERIFY(database::open(file, name));
                {
                    QSqlQuery q(QSqlDatabase::database(name));
                    QVERIFY(q.exec("SELECT count(*), (SELECT count(rooms) FROM change_record) "
                                   "FROM change_room") &&
                            q.next());
                    QCOMPARE(q.value(0).toInt(), file == m_rooms ? 4 : 0);
                    QCOMPARE(q.value(1).toInt(), 0);
                }
                database::close(name);
            }
            Session opened;
            QCOMPARE(opened.run(QStringList{"audit", dir()} + arguments), 0);
            QCOMPARE(opened.output, session.output);
        }
        if (QTest::currentDataTag() == QLatin1String("one room")) {
            QVERIFY(session.output.contains("    before: Room \"101\", TEL1 \"555\", TEL2 \"\""));
            QVERIFY(session.output.contains(
                QStringLiteral("by %1 on ").arg(changerecord::Actor::osUserName())));
            QVERIFY(!session.output.contains("1111") && !session.output.contains("2222"));
            Session csvOut;
            QCOMPARE(csvOut.run({"audit", dir(), "--room", "101", "--csv"}), 0);
            QCOMPARE(csvOut.output.count("\r\n"), 3);
        }
        Session wrong;
        QCOMPARE(wrong.run({"audit", dir(), "--since", "yesterday"}), int(dbtool::kUsage));
        QVERIFY(wrong.errors.contains("--since needs a date as YYYY-MM-DD"));
        Session nowhere;
        QCOMPARE(nowhere.run({"audit", dir() + "/missing"}), 1);
        QVERIFY2(nowhere.errors.startsWith("Neither Inhabitant_telnum.mdb nor user_password.mdb "
                                           "is in "),
                 qPrintable(nowhere.errors));
    }

    // A restore's entry lands with the restored rows or not at all.
    void restoreAndItsEntryLandTogether()
    {
        initWith("alice", "1111");
        const QString backup = m_dir->filePath("before.qvb");
        QCOMPARE(Session().run({"backup", dir(), backup}), 0);
        const QString csv = m_dir->filePath("rooms.csv");
        writeBytes(csv, "Room,TEL1\n101,555\n");
        QCOMPARE(Session().run({"import", dir(), csv}), 0);
        testdb::exec(m_rooms, "CREATE TRIGGER refuse BEFORE INSERT ON change_record WHEN "
                              "NEW.what = 'restore' BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        Session refused;
        QVERIFY(refused.run({"restore", dir(), backup}) != 0);
        QVERIFY2(refused.errors.contains("change record"), qPrintable(refused.errors));
        QCOMPARE(testdb::rows(m_rooms, schema::directoryTable()).size(), 1);
    }

    void units_data()
    {
        QTest::addColumn<QStringList>("steps"); // each a command line, its words split by |
        QTest::addColumn<int>("status");        // of the last step
        QTest::addColumn<QString>("said");      // what the last step printed
        const QString east = "units|DIR|add|East|--port|COM2";
        QTest::newRow("added") << QStringList{east} << 0 << "COM1  Door unit\nCOM2  East\n";
        QTest::newRow("two units on one port")
            << QStringList{east, "units|DIR|add|West|--port=com2"} << 1
            << "\"East\" and \"West\" would both be on COM2; one port reaches one door unit. "
               "Give one of them another port.\n";
        QTest::newRow("renamed and moved")
            << QStringList{"units|DIR|rename|Door unit|Main gate|--port|COM3"} << 0
            << "COM3  Main gate\n";
        QTest::newRow("the only unit stays") << QStringList{"units|DIR|remove|Door unit"} << 1
                                             << "\"Door unit\" is the building's only door unit "
                                                "and stays; add another before removing it.\n";
        QTest::newRow("add without a port")
            << QStringList{"units|DIR|add|East"} << int(dbtool::kUsage)
            << "units add needs --port COM1 to COM9.\n";
        QTest::newRow("a network address written wrong")
            << QStringList{"units|DIR|add|East|--port|rfc2217://fd00::7:2001"}
            << int(dbtool::kUsage)
            << "\"rfc2217://fd00::7:2001\" is not a network address: write tcp://HOST:PORT or "
               "rfc2217://HOST:PORT, with PORT from 1 to 65535 and an IPv6 address in brackets";
        QTest::newRow("a network address no port leads to")
            << QStringList{"units|DIR|add|East|--port|tcp://door-7.invalid:2001"} << 1
            << "No COM port leads to tcp://door-7.invalid:2001. A door unit is on one of COM1 to "
               "COM9: add a line such as COM4=tcp://door-7.invalid:2001 under [Ports] in ";
        // One unit up to date, one never loaded: changes reports both and exits 1.
        QTest::newRow("changes, a unit behind")
            << QStringList{east, "changes|DIR"} << 1
            << "Door unit (COM1): up to date\nEast (COM2): never loaded from this PC\n";
        QTest::newRow("changes of one unit")
            << QStringList{east, "changes|DIR|--unit|door unit"} << 0 << "Door unit: up to date\n";
        QTest::newRow("history of one unit") << QStringList{east, "history|DIR|--unit|East"} << 0
                                             << "Nothing has been sent to East from ";
        QTest::newRow("history names a removed unit")
            << QStringList{east, "units|DIR|remove|Door unit", "history|DIR"} << 0
            << "  Door unit (removed unit)  -  download (1 room)";
        QTest::newRow("history of a removed unit")
            << QStringList{east, "units|DIR|remove|Door unit", "history|DIR|--unit|Door unit"} << 0
            << "  Door unit (removed unit)  -  download (1 room)";
        // One name, one unit: alike after normalisation and case folding, or
        // the first unit's name as another language shows it.
        QTest::newRow("another unit's shown name")
            << QStringList{"units|DIR|add|门口机|--port|COM9"} << 1
            << "\"门口机\" is how the door unit \"Door unit\" is shown in another language; "
               "choose another name.\n";
        QTest::newRow("one name in two spellings")
            << QStringList{"units|DIR|add|Caf\u00e9|--port|COM2",
                           "units|DIR|add|CAFE\u0301|--port|COM3"}
            << 1 << "There is already a door unit named \"Caf\u00e9\".\n";
        QTest::newRow("a line break") << QStringList{"units|DIR|add|East\nGate|--port|COM2"} << 1
                                      << "A door unit's name may not hold control characters "
                                         "(here U+000A).\n";
    }

    // The door units of a room file whose one unit got the rooms as they are.
    void units()
    {
        QFETCH(QStringList, steps);
        QFETCH(int, status);
        QFETCH(QString, said);
        testdb::create(m_rooms, schema::directoryTable(), {{"101", "138", {}, {}}});
        TransferLog log(m_rooms);
        TransferRecord sent;
        sent.started = sent.finished = QDateTime::currentDateTimeUtc();
        sent.what = TransferRecord::What::Download;
        sent.rooms = {{"101", "138", "", ""}};
        sent.total = sent.sent = 1;
        QVERIFY(log.start(sent));
        sent.ending = TransferRecord::Ending::Complete;
        QVERIFY(log.finish(sent));
        for (const QString& step : steps) {
            Session session;
            const int got = session.run(step.split('|').replaceInStrings("DIR", dir()));
            if (&step == &steps.last()) {
                QCOMPARE(got, status);
                QVERIFY2((session.output + session.errors).contains(said),
                         qPrintable(session.output + session.errors));
            }
        }
    }

    // Statements rebuild the file as another program would, without the
    // companion's width checks.
    void checkNamesWhatIsWrong_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("finding");
        const QString ops = schema::kOperatorFile;
        const QString rooms = schema::kDirectoryFile;
        const auto row = [](const char* tag, const QString& file, const QStringList& statements,
                            const char* finding) {
            QTest::newRow(tag) << file << statements << QString(finding);
        };
        row("missing file", ops, {},
            "user_password.mdb: missing: %1/user_password.mdb does not exist. Create it with: "
            "quorvane-db init '%1'");
        row("long values", rooms,
            {"CREATE TABLE Room_tel (Room TEXT, TEL1, TEL2, TEL3)",
             "INSERT INTO Room_tel VALUES ('1', '2', '3', '4'), ('1234567', NULL, NULL, "
             "'12345678901'), ('12345678', '1', NULL, '123456789012')"},
            "row 3: Room \"12345678\" is 8 characters, the limit is 7\n"
            "Inhabitant_telnum.mdb: Room_tel row 3: TEL3 \"123456789012\" is 12 characters");
        row("world-readable", ops, {},
            "other users may read this file (mode 0644). Make it private with: chmod 600 "
            "'%1/user_password.mdb'");
        // The index's copy of a room number changed on the disk, the table's not.
        row("damaged index", rooms,
            {"INSERT INTO Room_tel (Room) VALUES ('4242')",
             "CREATE INDEX rooms_by_number ON Room_tel (Room)"},
            "Inhabitant_telnum.mdb: the integrity check failed: ");
        row("damaged transfer record", rooms,
            {"INSERT INTO transfer_log (started, what, outcome, sent, total) VALUES "
             "('2026-01-01T00:00:00.000Z', 'download', 'complete', 99999999999, 99999999999)"},
            "Inhabitant_telnum.mdb: The transfer record in %1/Inhabitant_telnum.mdb is damaged: "
            "record 1 counts 99999999999 of 99999999999 rooms. What was sent to the door unit "
            "cannot be told from it. The rooms are not affected.");
        row("no operator", ops, {"DELETE FROM user_pin"},
            "holds no operator, so nobody can log in. Add one with: quorvane-db add-operator '%1'");
    }

    void checkNamesWhatIsWrong()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, statements);
        QFETCH(QString, finding);
        initWith("anna", "1234");
        const QString path = m_dir->filePath(file);
        const QByteArray tag = QTest::currentDataTag();
        if (statements.value(0).startsWith("CREATE") || tag == "missing file")
            QVERIFY(QFile::remove(path));
        for (const QString& statement : statements)
            testdb::exec(path, statement);
        if (tag == "world-readable")
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0644), 0);
        if (tag == "damaged index") {
            QFile damaged(path);
            QVERIFY(damaged.open(QIODevice::ReadWrite));
            QByteArray bytes = damaged.readAll();
            const qsizetype inIndex = bytes.lastIndexOf("4242"); // the index's page comes last
            QVERIFY(inIndex > bytes.indexOf("4242"));
            bytes[inIndex + 3] = '3';
            QVERIFY(damaged.seek(0) && damaged.write(bytes) == bytes.size());
        }
        Session session;
        QCOMPARE(session.run({"check", dir()}), 1);
        const QString expected = QString(finding).replace("%1", QDir(dir()).absolutePath());
        QVERIFY2(session.output.contains(expected), qPrintable(session.output));
    }
};

QTEST_GUILESS_MAIN(TestQuorvaneDb)
#include "tst_quorvanedb.moc"
