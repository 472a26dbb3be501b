#include "database.h"
#include "dbtool.h"
#include "testdatabase.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const TableSpec kOperators = schema::operatorTable();

// The companion's streams as strings.
struct Session
{
    QString input;
    QString output;
    QString errors;
    QTextStream in{&input, QIODevice::ReadOnly};
    QTextStream out{&output, QIODevice::WriteOnly};
    QTextStream err{&errors, QIODevice::WriteOnly};
    dbtool::Console console{in, out, err, false, [](bool) {}};

    explicit Session(const QString& typed = {}) : input(typed) {}

    int run(const QStringList& arguments) { return dbtool::run(arguments, console); }
};

// Runs a statement through a connection of its own; returns the error, or
// an empty text when the statement succeeded.
QString tryExec(const QString& path, const QString& statement, const QVariantList& values = {})
{
    const QString name = database::uniqueConnectionName(QStringLiteral("tst-try"));
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        query.prepare(statement);
        for (const QVariant& v : values)
            query.addBindValue(v);
        if (!query.exec())
            error = query.lastError().text();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

unsigned modeOf(const QString& path)
{
    struct stat st
    {
    };
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes, unsigned mode = 0600)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);
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
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    QVERIFY(QFileInfo(path + "-journal").size() > 0);
}

} // namespace

class TestQuorvaneDb : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_operators;
    QString m_rooms;

    QString dir() const { return m_dir->path(); }
    QStringList entries() const
    {
        return QDir(dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                     QDir::NoDotAndDotDot);
    }

    void initWith(const QString& name, const QString& pin)
    {
        Session session;
        QCOMPARE(session.run({"init", dir(), "--operator", name, "--pin", pin}), 0);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_operators = m_dir->filePath(schema::kOperatorFile);
        m_rooms = m_dir->filePath(schema::kDirectoryFile);
    }

    // The built program, given its first operator through a pipe.
    void initCreatesPrivateFilesThatPassCheck()
    {
        const QString program = QStringLiteral(QUORVANE_DB_EXECUTABLE);
        // Left by an init that was killed.
        writeBytes(m_dir->filePath(".user_password.mdb.Ab12Cd"), "SQLite format 3");
        writeBytes(m_dir->filePath(".user_password.mdb.Ab12Cd-journal"), "x");
        QProcess init;
        init.start(program, {"init", dir()});
        init.write("zoe\n2468\n");
        init.closeWriteChannel();
        QVERIFY(init.waitForFinished());
        QCOMPARE(init.exitStatus(), QProcess::NormalExit);
        QCOMPARE(init.exitCode(), 0);
        const QString output = QString::fromUtf8(init.readAllStandardOutput());
        // Nothing else is left behind in the directory, hidden files included.
        QCOMPARE(entries(), (QStringList{schema::kDirectoryFile, schema::kOperatorFile}));
        for (const QString& path : {m_operators, m_rooms}) {
            QVERIFY(output.contains("Created " + path));
            QCOMPARE(modeOf(path), 0600u);
        }
        QCOMPARE(testdb::rows(m_operators, kOperators), (QList<QStringList>{{"zoe", "2468"}}));
        QCOMPARE(testdb::rows(m_rooms, schema::directoryTable()), QList<QStringList>());

        // A file another tool left in WAL mode: reading it leaves nothing beside it.
        QCOMPARE(tryExec(m_rooms, "PRAGMA journal_mode=WAL"), QString());
        QProcess check;
        check.start(program, {"check", dir()});
        QVERIFY(check.waitForFinished());
        QCOMPARE(check.exitCode(), 0);
        QCOMPARE(check.readAllStandardOutput(),
                 "user_password.mdb: ok (SQLite, integrity ok, table user_pin with user, "
                 "password, 1 row, mode 0600)\n"
                 "Inhabitant_telnum.mdb: ok (SQLite, integrity ok, table Room_tel with "
                 "Room, TEL1, TEL2, TEL3, 0 rows, mode 0600)\n"
                 "Both files are in order.\n");
        QCOMPARE(entries(), (QStringList{schema::kDirectoryFile, schema::kOperatorFile}));
    }

    void initTablesEnforceWidths_data()
    {
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<bool>("accepted");

        QTest::newRow("room of 7") << QVariantList{"1234567", "", "", ""} << true;
        QTest::newRow("room of 8") << QVariantList{"12345678", "", "", ""} << false;
        QTest::newRow("TEL1 of 11") << QVariantList{"1", "12345678901", "", ""} << true;
        QTest::newRow("TEL2 of 12") << QVariantList{"1", "", "123456789012", ""} << false;
        QTest::newRow("TEL3 of 12") << QVariantList{"1", "", "", "123456789012"} << false;
        QTest::newRow("nulls") << QVariantList{"1", QVariant(), QVariant(), QVariant()} << true;
        QTest::newRow("user of 20") << QVariantList{QString(20, u'u'), "1"} << true;
        QTest::newRow("user of 21") << QVariantList{QString(21, u'u'), "1"} << false;
        QTest::newRow("password of 21") << QVariantList{"u", QString(21, u'9')} << false;
        QTest::newRow("20 Chinese characters") << QVariantList{QString(20, u'门'), "1"} << true;
    }

    void initTablesEnforceWidths()
    {
        QFETCH(QVariantList, values);
        QFETCH(bool, accepted);

        initWith("anna", "1234");
        const bool user = values.size() == 2;
        const QString error = tryExec(user ? m_operators : m_rooms,
                                      user ? "INSERT INTO user_pin VALUES (NULL, ?, ?)"
                                           : "INSERT INTO Room_tel VALUES (NULL, ?, ?, ?, ?)",
                                      values);
        if (accepted)
            QCOMPARE(error, QString());
        else
            QVERIFY2(error.contains("CHECK constraint failed"), qPrintable(error));
    }

    void initNeverOverwrites_data()
    {
        QTest::addColumn<bool>("operatorExists");
        QTest::addColumn<bool>("roomsExist");
        QTest::addColumn<int>("status");

        // The operator given cannot be added to a file init leaves untouched.
        QTest::newRow("operator file exists") << true << false << 1;
        QTest::newRow("room file exists") << false << true << 0;
        QTest::newRow("both exist") << true << true << 1;
    }

    void initNeverOverwrites()
    {
        QFETCH(bool, operatorExists);
        QFETCH(bool, roomsExist);
        QFETCH(int, status);

        const QByteArray kept("not to be touched\n");
        const QList<std::pair<QString, bool>> files{{m_operators, operatorExists},
                                                    {m_rooms, roomsExist}};
        for (const auto& [path, exists] : files) {
            if (exists)
                writeBytes(path, kept, 0644);
        }
        Session session;
        QCOMPARE(session.run({"init", dir(), "--operator", "anna", "--pin", "1"}), status);
        for (const auto& [path, existed] : files) {
            QCOMPARE(bytesOf(path) == kept, existed);
            QCOMPARE(modeOf(path), existed ? 0644u : 0600u);
            QCOMPARE(session.output.contains(path + " already exists; it was left untouched."),
                     existed);
        }
        QCOMPARE(session.errors.contains("refusing to overwrite"), roomsExist && operatorExists);
        QCOMPARE(session.errors.contains("No operator was added, since " + m_operators),
                 operatorExists && !roomsExist);
    }

    // An empty expectation: refused with the message, and nothing created.
    void initTakesFirstOperator_data()
    {
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("message");

        QTest::newRow("flags") << QStringList{"--operator", "Chen Wei", "--pin", "0042"}
                               << QString() << QStringList{"Chen Wei", "0042"} << QString();
        QTest::newRow("flags with =") << QStringList{"--operator=bo", "--pin="} << QString()
                                      << QStringList{"bo", ""} << QString();
        QTest::newRow("piped, blanks kept") << QStringList() << QString(" eve \n 43 \n")
                                            << QStringList{" eve ", " 43 "} << QString();
        QTest::newRow("piped from Windows") << QStringList() << QString("eve\r\n4321\r\n")
                                            << QStringList{"eve", "4321"} << QString();
        QTest::newRow("name flag, piped PIN") << QStringList{"--operator", "eve"} << QString("99\n")
                                              << QStringList{"eve", "99"} << QString();
        QTest::newRow("20 characters")
            << QStringList() << QString(20, u'门') + "\n" + QString(20, u'9')
            << QStringList{QString(20, u'门'), QString(20, u'9')} << QString();
        QTest::newRow("name flag of 21")
            << QStringList{"--operator", QString(21, u'n'), "--pin", "1"} << QString()
            << QStringList() << "is 21 characters long";
        QTest::newRow("PIN flag of 21")
            << QStringList{"--operator", "n", "--pin", QString(21, u'9')} << QString()
            << QStringList() << "The PIN is 21 characters long";
        QTest::newRow("name piped of 21") << QStringList() << QString(21, u'门') + "\n1\n"
                                          << QStringList() << "is 21 characters long";
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
        QVERIFY2(session.errors.contains(message), qPrintable(session.errors));
        QVERIFY(session.errors.contains("Nothing was created."));
        // The operator is asked for first, so the directory stays empty.
        QCOMPARE(entries(), QStringList());
    }

    // Following check's advice never buries the journal of an unfinished write.
    void checkCompletesAnUnfinishedWrite()
    {
        initWith("anna", "1234");
        testdb::exec(m_rooms, "INSERT INTO Room_tel (Room, TEL1) VALUES ('101', '555')");
        leaveHotJournal(m_rooms);
        const QString journal = m_rooms + "-journal";

        QVERIFY(QFile::rename(m_rooms, m_rooms + ".aside"));
        Session missing;
        QCOMPARE(missing.run({"check", dir()}), 1);
        QVERIFY2(missing.output.contains(journal) && !missing.output.contains(" init "),
                 qPrintable(missing.output));
        Session init;
        QCOMPARE(init.run({"init", dir()}), 1);
        QVERIFY2(init.errors.contains(journal), qPrintable(init.errors));
        QVERIFY(!QFileInfo::exists(m_rooms));

        QVERIFY(QFile::rename(m_rooms + ".aside", m_rooms));
        Session check;
        QCOMPARE(check.run({"check", dir()}), 0);
        QVERIFY2(check.output.contains("Inhabitant_telnum.mdb: an unfinished write") &&
                     !check.output.contains(" init "),
                 qPrintable(check.output));
        QVERIFY(!QFileInfo::exists(journal));
        QCOMPARE(testdb::rows(m_rooms, schema::directoryTable()),
                 (QList<QStringList>{{"101", "555", "<NULL>", "<NULL>"}}));
    }

    // Each leaves a setup the program could not use, or a new file that a
    // stale journal would damage.
    void initRefusesWhatCannotBeUsed_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("checkSays");

        QTest::newRow("directory") << schema::kOperatorFile << "is a directory, not a database";
        QTest::newRow("dangling link") << schema::kDirectoryFile << "which does not exist";
        QTest::newRow("journal") << schema::kDirectoryFile + "-journal"
                                 << "missing, but";
        QTest::newRow("wal") << schema::kOperatorFile + "-wal"
                             << "missing, but";
        QTest::newRow("shm") << schema::kDirectoryFile + "-shm"
                             << "missing, but";
    }

    void initRefusesWhatCannotBeUsed()
    {
        QFETCH(QString, entry);
        QFETCH(QString, checkSays);

        const QString path = m_dir->filePath(entry);
        if (QTest::currentDataTag() == QLatin1String("directory"))
            QVERIFY(QDir().mkdir(path));
        else if (QTest::currentDataTag() == QLatin1String("dangling link"))
            QVERIFY(QFile::link(m_dir->filePath("gone"), path));
        else
            writeBytes(path, "left over");
        Session init;
        QCOMPARE(init.run({"init", dir(), "--operator", "anna", "--pin", "1"}), 1);
        QVERIFY2(init.errors.contains(path) && init.errors.endsWith("Nothing was created.\n"),
                 qPrintable(init.errors));
        QCOMPARE(entries(), QStringList{entry});
        Session check;
        QCOMPARE(check.run({"check", dir()}), 1);
        QVERIFY2(check.output.contains(checkSays) && !check.output.contains("chmod"),
                 qPrintable(check.output));
    }

    void addOperatorAppendsInTableOrder()
    {
        initWith("alice", "1");
        Session bob;
        QCOMPARE(bob.run({"add-operator", dir(), "--operator", "bob", "--pin", "2"}), 0);
        QCOMPARE(bob.output,
                 "Added the operator \"bob\" to " + m_operators + "; it now holds 2 operators.\n");
        Session carol("Carol\n3\n");
        QCOMPARE(carol.run({"add-operator", dir()}), 0);
        QCOMPARE(testdb::rows(m_operators, kOperators),
                 (QList<QStringList>{{"alice", "1"}, {"bob", "2"}, {"Carol", "3"}}));
        QCOMPARE(modeOf(m_operators), 0600u);
    }

    // Statements rebuild the file as another program would, without the
    // companion's key and width checks; mode 0 removes the file.
    void importStatusesTellWrittenRefusedAndFailed()
    {
        initWith("admin", "1");
        const QString csv = m_dir->filePath("rooms.csv");
        writeBytes(csv, "Room;TEL1\n101;0123\n");
        QCOMPARE(Session().run({"import", dir(), csv}), 0);
        writeBytes(csv, "101$,0123\n");
        QCOMPARE(Session().run({"import", dir(), csv, "--dry-run"}), 1);
        QCOMPARE(Session().run({"import", dir(), m_dir->filePath("none.csv")}), 2);
        QCOMPARE(Session().run({"backup", dir(), csv}), 1); // not a backup: left alone
        QCOMPARE(testdb::rows(m_rooms, schema::directoryTable()).size(), 1);
    }

    void checkNamesWhatIsWrong_data()
    {
        QTest::addColumn<bool>("rooms");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("finding");

        QTest::newRow("missing file")
            << false << QByteArray() << QStringList() << 0
            << "user_password.mdb: missing: %1/user_password.mdb does not exist. Create it with: "
               "quorvane-db init '%1'";
        QTest::newRow("Access file")
            << true << QByteArray("\0\1\0\0Standard Jet DB\0", 20) + QByteArray(2048, 'Z')
            << QStringList() << 0600
            << "Inhabitant_telnum.mdb: an Access/Jet database from an older system, not an "
               "SQLite database.";
        QTest::newRow("garbage") << true << QByteArray(4096, '\x13') << QStringList() << 0600
                                 << "Inhabitant_telnum.mdb: not an SQLite database.";
        QTest::newRow("missing table")
            << true << QByteArray() << QStringList{"CREATE TABLE rooms (Room TEXT)"} << 0600
            << "Inhabitant_telnum.mdb: The database file %1/Inhabitant_telnum.mdb has no table "
               "Room_tel.";
        QTest::newRow("long values")
            << true << QByteArray()
            << QStringList{"CREATE TABLE Room_tel (Room TEXT, TEL1, TEL2, TEL3)",
                           "INSERT INTO Room_tel VALUES ('1', '2', '3', '4'), ('1234567', NULL, "
                           "NULL, '12345678901'), ('12345678', '1', NULL, '123456789012')"}
            << 0600
            << "Inhabitant_telnum.mdb: Room_tel row 3: Room \"12345678\" is 8 characters, the "
               "limit is 7\nInhabitant_telnum.mdb: Room_tel row 3: TEL3 \"123456789012\" is 12 "
               "characters, the limit is 11\n";
        QTest::newRow("world-readable")
            << false << QByteArray() << QStringList() << 0644
            << "user_password.mdb: other users may read this file (mode 0644). Make it private "
               "with: chmod 600 '%1/user_password.mdb'";
        QTest::newRow("no operator")
            << false << QByteArray() << QStringList{"DELETE FROM user_pin"} << 0600
            << "user_password.mdb: the table user_pin holds no operator, so nobody can log in. "
               "Add one with: quorvane-db add-operator '%1'";
    }

    void checkNamesWhatIsWrong()
    {
        QFETCH(bool, rooms);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, statements);
        QFETCH(int, mode);
        QFETCH(QString, finding);

        initWith("anna", "1234");
        const QString path = rooms ? m_rooms : m_operators;
        if (statements.value(0).startsWith("CREATE"))
            QVERIFY(QFile::remove(path));
        for (const QString& statement : statements)
            QCOMPARE(tryExec(path, statement), QString());
        if (!bytes.isNull())
            writeBytes(path, bytes);
        if (mode == 0)
            QVERIFY(QFile::remove(path));
        else
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);

        Session session;
        QCOMPARE(session.run({"check", dir()}), 1);
        const QString expected = QString(finding).replace("%1", QDir(dir()).absolutePath());
        QVERIFY2(session.output.contains(expected), qPrintable(session.output));
        QVERIFY(session.output.contains(QRegularExpression("^\\d+ problems? found\\.\\n\\z",
                                                           QRegularExpression::MultilineOption)));
    }
};

QTEST_GUILESS_MAIN(TestQuorvaneDb)
#include "tst_quorvanedb.moc"
