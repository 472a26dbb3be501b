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

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const TableSpec kOperators = schema::operatorTable();
const TableSpec kRooms = schema::directoryTable();

// The companion's streams as strings, with the echo switches it made.
struct Session
{
    QString input;
    QString output;
    QString errors;
    QTextStream in{&input, QIODevice::ReadOnly};
    QTextStream out{&output, QIODevice::WriteOnly};
    QTextStream err{&errors, QIODevice::WriteOnly};
    QList<bool> echo;
    dbtool::Console console{in, out, err, false, [this](bool on) { echo << on; }};

    explicit Session(const QString& typed = {}, bool interactive = false) : input(typed)
    {
        console.interactive = interactive;
    }

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
        if (!db.open())
            return db.lastError().text();
        QSqlQuery query(db);
        query.prepare(statement);
        for (const QVariant& v : values)
            query.addBindValue(v);
        if (!query.exec())
            error = query.lastError().text();
        if (error.isEmpty() && query.isSelect() && query.next())
            error = QStringLiteral("=") + query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(name);
    return error;
}

QString queryValue(const QString& path, const QString& statement)
{
    const QString result = tryExec(path, statement);
    return result.startsWith(QLatin1Char('=')) ? result.mid(1)
                                               : QStringLiteral("<error %1>").arg(result);
}

unsigned modeOf(const QString& path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return 0xffff;
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

QByteArray jetHeader()
{
    QByteArray bytes("\0\1\0\0Standard Jet DB\0", 20);
    bytes.append(QByteArray(2048, '\x5a'));
    return bytes;
}

QString repeated(const char* piece, int times)
{
    return QString::fromUtf8(piece).repeated(times);
}

enum class Damage {
    MissingOperatorFile,
    AccessFile,
    GarbageFile,
    EmptyFile,
    DamagedHeader,
    DamagedPage,
    MissingTable,
    MissingField,
    LongRoomUnconstrained,
    LongPinUnconstrained,
    WorldReadable,
    GroupWritable,
    NoOperator,
};

} // namespace

Q_DECLARE_METATYPE(Damage)

class TestQuorvaneDb : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_operators;
    QString m_rooms;

    QString dir() const { return m_dir->path(); }

    void initWith(const QString& name, const QString& pin)
    {
        Session session;
        QCOMPARE(session.run({"init", dir(), "--operator", name, "--pin", pin}), 0);
    }

    // Replaces a file with one made by other means: the table as given,
    // without the companion's key and width checks.
    void makeUnconstrained(const QString& path, const QString& create, const QString& insert,
                           const QList<QVariantList>& rows)
    {
        QFile::remove(path);
        QCOMPARE(tryExec(path, create), QString());
        for (const QVariantList& row : rows)
            QCOMPARE(tryExec(path, insert, row), QString());
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0600), 0);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_operators = m_dir->filePath(schema::kOperatorFile);
        m_rooms = m_dir->filePath(schema::kDirectoryFile);
    }

    void initCreatesPrivateFilesWithKeyAndTables()
    {
        Session session;
        QCOMPARE(session.run({"init", dir(), "--operator", "anna", "--pin", "1234"}), 0);
        QCOMPARE(session.errors, QString());
        QVERIFY(session.output.contains("Created " + m_operators));
        QVERIFY(session.output.contains("Created " + m_rooms));

        // Nothing else is left behind in the directory, hidden files included.
        QCOMPARE(QDir(dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 (QStringList{schema::kDirectoryFile, schema::kOperatorFile}));
        for (const QString& path : {m_operators, m_rooms}) {
            QCOMPARE(modeOf(path), 0600u);
            QCOMPARE(database::probe(path), database::FileKind::Sqlite);
            QCOMPARE(queryValue(path, "PRAGMA journal_mode"), QString("delete"));
            QCOMPARE(queryValue(path, "SELECT group_concat(name || ':' || type || ':' || pk, ' ') "
                                      "FROM pragma_table_info('" +
                                          QString(path == m_operators ? "user_pin" : "Room_tel") +
                                          "')"),
                     path == m_operators
                         ? QString("id:INTEGER:1 user:TEXT:0 password:TEXT:0")
                         : QString("id:INTEGER:1 Room:TEXT:0 TEL1:TEXT:0 TEL2:TEXT:0 TEL3:TEXT:0"));
        }
        QCOMPARE(testdb::rows(m_operators, kOperators), (QList<QStringList>{{"anna", "1234"}}));
        QCOMPARE(testdb::rows(m_rooms, kRooms), QList<QStringList>());
    }

    void initTablesEnforceWidths_data()
    {
        QTest::addColumn<bool>("operatorFile");
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QVariantList>("values");
        QTest::addColumn<bool>("accepted");

        const QString room = "INSERT INTO Room_tel (Room, TEL1, TEL2, TEL3) VALUES (?, ?, ?, ?)";
        const QString user = "INSERT INTO user_pin (user, password) VALUES (?, ?)";
        QTest::newRow("room of 7") << false << room << QVariantList{"1234567", "", "", ""} << true;
        QTest::newRow("room of 8")
            << false << room << QVariantList{"12345678", "", "", ""} << false;
        QTest::newRow("TEL1 of 11")
            << false << room << QVariantList{"1", "12345678901", "", ""} << true;
        QTest::newRow("TEL2 of 12")
            << false << room << QVariantList{"1", "", "123456789012", ""} << false;
        QTest::newRow("TEL3 of 12")
            << false << room << QVariantList{"1", "", "", "123456789012"} << false;
        QTest::newRow("nulls") << false << room
                               << QVariantList{"1", QVariant(), QVariant(), QVariant()} << true;
        QTest::newRow("user of 20") << true << user << QVariantList{repeated("u", 20), "1"} << true;
        QTest::newRow("user of 21")
            << true << user << QVariantList{repeated("u", 21), "1"} << false;
        QTest::newRow("password of 21")
            << true << user << QVariantList{"u", repeated("9", 21)} << false;
        QTest::newRow("20 Chinese characters")
            << true << user << QVariantList{repeated("门", 20), "1"} << true;
    }

    void initTablesEnforceWidths()
    {
        QFETCH(bool, operatorFile);
        QFETCH(QString, statement);
        QFETCH(QVariantList, values);
        QFETCH(bool, accepted);

        initWith("anna", "1234");
        const QString path = operatorFile ? m_operators : m_rooms;
        const QString error = tryExec(path, statement, values);
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

        QTest::newRow("operator file exists") << true << false << 0;
        QTest::newRow("room file exists") << false << true << 0;
        QTest::newRow("both exist") << true << true << 1;
    }

    void initNeverOverwrites()
    {
        QFETCH(bool, operatorExists);
        QFETCH(bool, roomsExist);
        QFETCH(int, status);

        const QByteArray kept("not to be touched\n");
        if (operatorExists)
            writeBytes(m_operators, kept, 0644);
        if (roomsExist)
            writeBytes(m_rooms, kept, 0644);

        // With no input an operator prompt would fail: an existing operator
        // file must not be asked for.
        Session session;
        QCOMPARE(session.run({"init", dir(), "--operator", "anna", "--pin", "1"}), status);
        for (const auto& [path, existed] :
             {std::pair{m_operators, operatorExists}, std::pair{m_rooms, roomsExist}}) {
            if (existed) {
                QCOMPARE(bytesOf(path), kept);
                QCOMPARE(modeOf(path), 0644u);
                QVERIFY(session.output.contains(path + " already exists; it was left untouched."));
            } else {
                QCOMPARE(database::probe(path), database::FileKind::Sqlite);
                QCOMPARE(modeOf(path), 0600u);
            }
        }
        if (status != 0)
            QVERIFY(session.errors.contains("refusing to overwrite"));
        if (operatorExists && !roomsExist)
            QVERIFY(session.output.contains("The operator given was not added"));
    }

    void initTreatsDanglingLinkAsExisting()
    {
        QCOMPARE(::symlink("nowhere", QFile::encodeName(m_rooms).constData()), 0);
        Session session;
        QCOMPARE(session.run({"init", dir(), "--operator", "anna", "--pin", "1"}), 0);
        QVERIFY(QFileInfo(m_rooms).isSymLink());
        QVERIFY(!QFileInfo::exists(m_dir->filePath("nowhere")));
    }

    void initTakesFirstOperator_data()
    {
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("flags") << QStringList{"--operator", "Chen Wei", "--pin", "0042"}
                               << QString() << QStringList{"Chen Wei", "0042"};
        QTest::newRow("flags with =")
            << QStringList{"--operator=bo", "--pin="} << QString() << QStringList{"bo", ""};
        QTest::newRow("piped") << QStringList() << QString("eve\n4321\n")
                               << QStringList{"eve", "4321"};
        QTest::newRow("piped, blanks kept")
            << QStringList() << QString(" eve \n 43 \n") << QStringList{" eve ", " 43 "};
        QTest::newRow("piped from Windows")
            << QStringList() << QString("eve\r\n4321\r\n") << QStringList{"eve", "4321"};
        QTest::newRow("name flag, piped PIN")
            << QStringList{"--operator", "eve"} << QString("99\n") << QStringList{"eve", "99"};
        QTest::newRow("20 characters")
            << QStringList() << repeated("门", 20) + "\n" + repeated("9", 20)
            << QStringList{repeated("门", 20), repeated("9", 20)};
    }

    void initTakesFirstOperator()
    {
        QFETCH(QStringList, flags);
        QFETCH(QString, typed);
        QFETCH(QStringList, expected);

        Session session(typed);
        QCOMPARE(session.run(QStringList{"init", dir()} + flags), 0);
        QCOMPARE(testdb::rows(m_operators, kOperators), QList<QStringList>{expected});
        QVERIFY(session.echo.isEmpty());
    }

    void initRefusesUnusableOperator_data()
    {
        QTest::addColumn<QStringList>("flags");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");

        QTest::newRow("long name flag")
            << QStringList{"--operator", repeated("n", 21), "--pin", "1"} << QString()
            << "is 21 characters long";
        QTest::newRow("long PIN flag") << QStringList{"--operator", "n", "--pin", repeated("9", 21)}
                                       << QString() << "The PIN is 21 characters long";
        QTest::newRow("long name piped") << QStringList() << repeated("门", 21) + "\n1\n"
                                         << "is 21 characters long";
        QTest::newRow("empty name piped")
            << QStringList() << QString("\n1\n") << "must not be empty";
        QTest::newRow("no input") << QStringList() << QString() << "No operator name was given.";
        QTest::newRow("no PIN") << QStringList() << QString("eve\n") << "No PIN was given.";
    }

    void initRefusesUnusableOperator()
    {
        QFETCH(QStringList, flags);
        QFETCH(QString, typed);
        QFETCH(QString, message);

        Session session(typed);
        QCOMPARE(session.run(QStringList{"init", dir()} + flags), 1);
        QVERIFY2(session.errors.contains(message), qPrintable(session.errors));
        QVERIFY(session.errors.contains("Nothing was created."));
        // The operator is asked for first, so the directory stays empty.
        QCOMPARE(QDir(dir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    }

    void initAsksAgainAtTerminal()
    {
        // An empty name, an over-long name, then two PINs that differ.
        Session session("\n" + repeated("n", 21) + "\nbob\n11\n12\n" + repeated("9", 21) +
                            "\nab!cd\nab!cd\n",
                        true);
        QCOMPARE(session.run({"init", dir()}), 0);
        QCOMPARE(testdb::rows(m_operators, kOperators), (QList<QStringList>{{"bob", "ab!cd"}}));
        QCOMPARE(session.errors.count("Operator name (at most 20 characters): "), 3);
        QCOMPARE(session.errors.count("PIN (at most 20 characters, not shown): "), 3);
        QCOMPARE(session.errors.count("PIN again: "), 2);
        QVERIFY(session.errors.contains("The two PINs differ"));
        QVERIFY(!(session.output + session.errors).contains("ab!cd"));
        // Echo goes off for every PIN read and comes back after each.
        QCOMPARE(session.echo,
                 (QList<bool>{false, true, false, true, false, true, false, true, false, true}));
    }

    void initNeedsDirectory_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("init") << "init";
        QTest::newRow("add-operator") << "add-operator";
        QTest::newRow("check") << "check";
    }

    void initNeedsDirectory()
    {
        QFETCH(QString, command);
        const QString missing = m_dir->filePath("no such dir");
        Session session("eve\n1\n");
        QCOMPARE(session.run({command, missing}), 1);
        QCOMPARE(session.errors, "The directory " + missing +
                                     " does not exist. Create it first, or name the directory "
                                     "that holds the quorvane program.\n");

        const QString file = m_dir->filePath("plain");
        writeBytes(file, "x");
        Session second("eve\n1\n");
        QCOMPARE(second.run({command, file}), 1);
        QVERIFY(second.errors.contains(file + " is not a directory."));
    }

    void initReportsDirectoryThatTakesNoFiles()
    {
        // No file can be made here, not even by root.
        Session session;
        QCOMPARE(session.run({"init", "/proc/self", "--operator", "a", "--pin", "1"}), 1);
        QVERIFY2(session.errors.startsWith("Cannot create a file in /proc/self: "),
                 qPrintable(session.errors));
        QVERIFY(session.errors.endsWith("Nothing was created.\n"));
    }

    void addOperatorAppendsInTableOrder()
    {
        initWith("alice", "1");
        Session bob;
        QCOMPARE(bob.run({"add-operator", dir(), "--operator", "bob", "--pin", "2"}), 0);
        QCOMPARE(bob.output,
                 "Added the operator \"bob\" to " + m_operators + "; it now holds 2 operators.\n");
        Session carol("carol\n3\n");
        QCOMPARE(carol.run({"add-operator", dir()}), 0);
        Session otherCase("Carol\n4\n");
        QCOMPARE(otherCase.run({"add-operator", dir()}), 0);
        QCOMPARE(
            testdb::rows(m_operators, kOperators),
            (QList<QStringList>{{"alice", "1"}, {"bob", "2"}, {"carol", "3"}, {"Carol", "4"}}));
        QCOMPARE(modeOf(m_operators), 0600u);
    }

    void addOperatorRefusesNameTaken()
    {
        // Only the first operator of a name can log in: a second "alice"
        // would be refused at every login.
        initWith("alice", "1");
        Session flags;
        QCOMPARE(flags.run({"add-operator", dir(), "--operator", "alice", "--pin", "2"}), 1);
        QVERIFY(flags.errors.contains("An operator named \"alice\" already exists"));
        QVERIFY(flags.errors.contains("No operator was added."));

        Session terminal("alice\nalice \n3\n3\n", true);
        QCOMPARE(terminal.run({"add-operator", dir()}), 0);
        QCOMPARE(testdb::rows(m_operators, kOperators),
                 (QList<QStringList>{{"alice", "1"}, {"alice ", "3"}}));
    }

    void addOperatorToTableMadeElsewhere()
    {
        // No key column and no width checks; the 21-character refusal must
        // still hold, and the new row still comes last.
        makeUnconstrained(m_operators, "CREATE TABLE user_pin (user TEXT, password TEXT)",
                          "INSERT INTO user_pin VALUES (?, ?)", {{"old", "0"}});
        Session tooLong;
        QCOMPARE(
            tooLong.run({"add-operator", dir(), "--operator", repeated("x", 21), "--pin", "1"}), 1);
        QVERIFY(tooLong.errors.contains("No operator was added."));
        Session session;
        QCOMPARE(session.run({"add-operator", dir(), "--operator", "new", "--pin", "1"}), 0);
        QCOMPARE(testdb::rows(m_operators, kOperators),
                 (QList<QStringList>{{"old", "0"}, {"new", "1"}}));
    }

    void addOperatorWarnsAboutReadableFile()
    {
        initWith("alice", "1");
        QCOMPARE(::chmod(QFile::encodeName(m_operators).constData(), 0644), 0);
        Session session;
        QCOMPARE(session.run({"add-operator", dir(), "--operator", "bob", "--pin", "2"}), 0);
        QVERIFY(session.errors.contains("Warning: other users may read " + m_operators));
        QVERIFY(session.errors.contains("chmod 600 '" + m_operators + "'"));
    }

    void addOperatorRefusesUnusableFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");

        QTest::newRow("missing") << QByteArray() << "does not exist. Prepare it with:";
        QTest::newRow("Access") << jetHeader() << "is an Access database from an older system";
        QTest::newRow("garbage") << QByteArray("this is no database at all")
                                 << "is not an SQLite database";
        QTest::newRow("no table") << QByteArray("table") << "has no table user_pin";
    }

    void addOperatorRefusesUnusableFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);

        if (content == "table")
            makeUnconstrained(m_operators, "CREATE TABLE other (x TEXT)", {}, {});
        else if (!content.isEmpty())
            writeBytes(m_operators, content);
        const QByteArray before = bytesOf(m_operators);

        Session session("eve\n1\n");
        QCOMPARE(session.run({"add-operator", dir()}), 1);
        QVERIFY2(session.errors.contains(message), qPrintable(session.errors));
        QVERIFY(session.errors.contains(m_operators));
        QCOMPARE(session.output, QString());
        if (!content.isEmpty())
            QCOMPARE(bytesOf(m_operators), before);
        else
            QVERIFY(!QFileInfo::exists(m_operators));
    }

    void checkPassesOnSoundFiles_data()
    {
        QTest::addColumn<bool>("madeElsewhere");
        QTest::newRow("fresh") << false;
        QTest::newRow("made elsewhere, with nulls") << true;
    }

    void checkPassesOnSoundFiles()
    {
        QFETCH(bool, madeElsewhere);
        initWith("anna", "1234");
        if (madeElsewhere) {
            makeUnconstrained(m_rooms, "CREATE TABLE Room_tel (Room TEXT, TEL1, TEL2, TEL3)",
                              "INSERT INTO Room_tel VALUES (?, ?, ?, ?)",
                              {{"1234567", "12345678901", QVariant(), QVariant()},
                               {QVariant(), QVariant(), QVariant(), QVariant()}});
        }
        const QByteArray before = bytesOf(m_rooms);

        Session session;
        QCOMPARE(session.run({"check", dir()}), 0);
        QCOMPARE(session.output,
                 QString("user_password.mdb: ok (SQLite, integrity ok, table user_pin with user, "
                         "password, 1 row, mode 0600)\n"
                         "Inhabitant_telnum.mdb: ok (SQLite, integrity ok, table Room_tel with "
                         "Room, TEL1, TEL2, TEL3, %1 rows, mode 0600)\n"
                         "Both files are in order.\n")
                     .arg(madeElsewhere ? 2 : 0));
        QCOMPARE(bytesOf(m_rooms), before);
    }

    void checkNamesWhatIsWrong_data()
    {
        QTest::addColumn<Damage>("damage");
        QTest::addColumn<QString>("finding");

        QTest::newRow("missing file")
            << Damage::MissingOperatorFile
            << "user_password.mdb: missing: " + QString("%1/user_password.mdb") +
                   " does not exist. Create it with: quorvane-db init '%1'";
        QTest::newRow("Access file")
            << Damage::AccessFile
            << QString("Inhabitant_telnum.mdb: an Access/Jet database from "
                       "an older system, not an SQLite database.");
        QTest::newRow("garbage") << Damage::GarbageFile
                                 << QString("Inhabitant_telnum.mdb: not an SQLite database.");
        QTest::newRow("empty file")
            << Damage::EmptyFile << QString("user_password.mdb: not an SQLite database.");
        QTest::newRow("damaged header")
            << Damage::DamagedHeader
            << QString("user_password.mdb: cannot be read as an SQLite database (file is not a "
                       "database). Restore the file from a backup");
        QTest::newRow("damaged page")
            << Damage::DamagedPage
            << QString("Inhabitant_telnum.mdb: the integrity check failed: *** in database main "
                       "***; On tree page");
        QTest::newRow("missing table")
            << Damage::MissingTable
            << QString("Inhabitant_telnum.mdb: The database file %1/Inhabitant_telnum.mdb has no "
                       "table Room_tel.");
        QTest::newRow("missing field")
            << Damage::MissingField << QString("lacks the field(s) TEL3.");
        QTest::newRow("long room")
            << Damage::LongRoomUnconstrained
            << QString("Inhabitant_telnum.mdb: Room_tel row 3: Room \"12345678\" is 8 characters, "
                       "the limit is 7\n"
                       "Inhabitant_telnum.mdb: Room_tel row 3: TEL3 \"123456789012\" is 12 "
                       "characters, the limit is 11\n");
        QTest::newRow("long PIN") << Damage::LongPinUnconstrained
                                  << QString("user_password.mdb: user_pin row 2: password (not "
                                             "shown) is 21 characters, the limit is 20\n");
        QTest::newRow("world-readable")
            << Damage::WorldReadable
            << QString("user_password.mdb: other users may read this file (mode 0644). Make it "
                       "private with: chmod 600 '%1/user_password.mdb'");
        QTest::newRow("group-writable")
            << Damage::GroupWritable
            << QString("Inhabitant_telnum.mdb: other users may change this file (mode 0620).");
        QTest::newRow("no operator")
            << Damage::NoOperator
            << QString("user_password.mdb: the table user_pin holds no operator, so nobody can log "
                       "in. Add one with: quorvane-db add-operator '%1'");
    }

    void checkNamesWhatIsWrong()
    {
        QFETCH(Damage, damage);
        QFETCH(QString, finding);

        initWith("anna", "1234");
        switch (damage) {
        case Damage::MissingOperatorFile:
            QVERIFY(QFile::remove(m_operators));
            break;
        case Damage::AccessFile:
            writeBytes(m_rooms, jetHeader());
            break;
        case Damage::GarbageFile:
            writeBytes(m_rooms, QByteArray(4096, '\x13'));
            break;
        case Damage::EmptyFile:
            writeBytes(m_operators, QByteArray());
            break;
        case Damage::DamagedHeader:
            writeBytes(m_operators, QByteArray("SQLite format 3\0", 16) + QByteArray(1024, '\x07'));
            break;
        case Damage::DamagedPage: {
            for (const char* r : {"101", "102", "103"})
                testdb::exec(m_rooms, "INSERT INTO Room_tel (Room) VALUES (?)", {r});
            // The table's page claims far more cells than it holds.
            const int root = queryValue(m_rooms, "SELECT rootpage FROM sqlite_master WHERE name = "
                                                 "'Room_tel'")
                                 .toInt();
            const int pageSize = queryValue(m_rooms, "PRAGMA page_size").toInt();
            QVERIFY(root > 1 && pageSize > 0);
            QFile file(m_rooms);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(qint64(root - 1) * pageSize + 3));
            file.write(QByteArray("\0\x50", 2));
            break;
        }
        case Damage::MissingTable:
            makeUnconstrained(m_rooms, "CREATE TABLE rooms (Room TEXT)", {}, {});
            break;
        case Damage::MissingField:
            makeUnconstrained(m_rooms, "CREATE TABLE Room_tel (Room, TEL1, TEL2)", {}, {});
            break;
        case Damage::LongRoomUnconstrained:
            makeUnconstrained(m_rooms, "CREATE TABLE Room_tel (Room TEXT, TEL1, TEL2, TEL3)",
                              "INSERT INTO Room_tel VALUES (?, ?, ?, ?)",
                              {{"1", "2", "3", "4"},
                               {"1234567", QVariant(), QVariant(), "12345678901"},
                               {"12345678", "1", QVariant(), "123456789012"}});
            break;
        case Damage::LongPinUnconstrained:
            makeUnconstrained(m_operators, "CREATE TABLE user_pin (user, password)",
                              "INSERT INTO user_pin VALUES (?, ?)",
                              {{"anna", repeated("5", 20)}, {"bob", repeated("6", 21)}});
            break;
        case Damage::WorldReadable:
            QCOMPARE(::chmod(QFile::encodeName(m_operators).constData(), 0644), 0);
            break;
        case Damage::GroupWritable:
            QCOMPARE(::chmod(QFile::encodeName(m_rooms).constData(), 0620), 0);
            break;
        case Damage::NoOperator:
            testdb::exec(m_operators, "DELETE FROM user_pin");
            break;
        }

        Session session;
        QCOMPARE(session.run({"check", dir()}), 1);
        const QString absolute = QDir(dir()).absolutePath();
        const QString expected = QString(finding).replace("%1", absolute);
        QVERIFY2(session.output.contains(expected), qPrintable(session.output));
        QVERIFY(session.output.contains(QRegularExpression("^\\d+ problems? found\\.\\n\\z",
                                                           QRegularExpression::MultilineOption)));
        // A PIN is never printed.
        QVERIFY(!session.output.contains(repeated("6", 21)));
    }

    void checkListsOnlySoManyValues()
    {
        initWith("anna", "1234");
        makeUnconstrained(m_rooms, "CREATE TABLE Room_tel (Room, TEL1, TEL2, TEL3)", {}, {});
        QCOMPARE(tryExec(m_rooms, "WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n "
                                  "WHERE x < 150) INSERT INTO Room_tel SELECT '12345678', '1', "
                                  "'2', '3' FROM n"),
                 QString());
        Session session;
        QCOMPARE(session.run({"check", dir()}), 1);
        QVERIFY(session.output.contains("Room_tel row 100: Room"));
        QVERIFY(!session.output.contains("Room_tel row 101: Room"));
        QVERIFY(session.output.contains("Inhabitant_telnum.mdb: and 50 more values over their "
                                        "limits\n150 problems found.\n"));
    }

    void commandLineErrorsShowUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");

        QTest::newRow("nothing") << QStringList() << QString();
        QTest::newRow("unknown command") << QStringList{"create", "x"} << "Unknown command create.";
        QTest::newRow("no directory") << QStringList{"init"} << "Name one directory.";
        QTest::newRow("two directories") << QStringList{"check", "a", "b"} << "Name one directory.";
        QTest::newRow("no PIN value")
            << QStringList{"init", "d", "--pin"} << "The option --pin needs a value.";
        QTest::newRow("unknown option")
            << QStringList{"add-operator", "d", "--user", "x"} << "Unknown option --user.";
    }

    void commandLineErrorsShowUsage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);

        Session session;
        QCOMPARE(session.run(arguments), 2);
        QCOMPARE(session.errors, (reason.isEmpty() ? QString() : reason + "\n") + dbtool::usage());
        QCOMPARE(session.output, QString());
        QVERIFY(QDir(dir()).isEmpty());
    }

    void helpGoesToOutput()
    {
        Session session;
        QCOMPARE(session.run({"--help"}), 0);
        QCOMPARE(session.output, dbtool::usage());
        QVERIFY(dbtool::usage().startsWith(
            "Usage:\n  quorvane-db init DIR [--operator NAME --pin PIN]\n"));
    }

    void executableRunsEndToEnd()
    {
        const QString program = QStringLiteral(QUORVANE_DB_EXECUTABLE);
        QProcess init;
        init.start(program, {"init", dir()});
        QVERIFY(init.waitForStarted());
        init.write("zoe\n2468\n");
        init.closeWriteChannel();
        QVERIFY(init.waitForFinished());
        QCOMPARE(init.exitStatus(), QProcess::NormalExit);
        QCOMPARE(init.exitCode(), 0);
        QVERIFY(init.readAllStandardOutput().contains("Created"));
        QCOMPARE(testdb::rows(m_operators, kOperators), (QList<QStringList>{{"zoe", "2468"}}));

        QProcess check;
        check.start(program, {"check", dir()});
        QVERIFY(check.waitForFinished());
        QCOMPARE(check.exitCode(), 0);
        QVERIFY(check.readAllStandardOutput().endsWith("Both files are in order.\n"));

        QProcess again;
        again.start(program, {"init", dir()});
        again.closeWriteChannel();
        QVERIFY(again.waitForFinished());
        QCOMPARE(again.exitCode(), 1);
        QVERIFY(again.readAllStandardError().contains("refusing to overwrite"));

        QProcess bare;
        bare.start(program, {});
        QVERIFY(bare.waitForFinished());
        QCOMPARE(bare.exitCode(), 2);
        QVERIFY(bare.readAllStandardError().startsWith("Usage:\n"));
    }
};

QTEST_GUILESS_MAIN(TestQuorvaneDb)
#include "tst_quorvanedb.moc"
