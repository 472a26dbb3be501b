#include "directorybackup.h"
#include "firststart.h"
#include "recordingmessagesink.h"
#include "startup.h"
#include "testdatabase.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <unistd.h>

// Acts on the first visible window of that name as soon as it appears.
static void whenShown(const QString& name, const std::function<void(QWidget*)>& act)
{
    QTimer::singleShot(10, [=] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible())
                return act(w);
        whenShown(name, act);
    });
}

// The whole start of the program: the gate in front of the main window.
class TestStartup : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_settings;

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }

    void unusableOperatorFileEndsWithAClearMessage_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        // Only the room file: no offer to create anything beside it.
        QTest::newRow("missing") << QByteArray() << "does not exist";
        QTest::newRow("access file") << QByteArray("\0\1\0\0Standard Jet DB\0", 20) << "Access";
        QTest::newRow("no operator") << QByteArray("empty") << "quorvane-db add-operator";
        QTest::newRow("no table") << QByteArray("other") << "has no table user_pin";
    }

    void unusableOperatorFileEndsWithAClearMessage()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        const QDir folder(m_dir.filePath(QTest::currentDataTag()));
        const QString operatorFile = folder.filePath(schema::kOperatorFile);
        const QString roomFile = folder.filePath(schema::kDirectoryFile);
        QVERIFY(folder.mkpath(QStringLiteral(".")));
        QFile f(content.isEmpty() ? roomFile : operatorFile);
        if (content == "empty")
            testdb::create(operatorFile, schema::operatorTable());
        else if (content == "other")
            testdb::exec(operatorFile, QStringLiteral("CREATE TABLE users (name)"));
        else
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(content) >= 0 && f.flush());
        RecordingMessageSink messages;
        QCOMPARE(startup::run(store::Location::folder(folder.path()), messages, {}), 1);
        QCOMPARE(messages.messages.size(), 1);
        const auto& m = messages.messages.first();
        QVERIFY2(m.text.contains(expected) && m.text.contains(operatorFile) &&
                     m.title == QStringLiteral("Quorvane") && m.icon == MessageSink::Icon::Critical,
                 qPrintable(m.text));
        // Nothing was created beside the file that is there.
        QVERIFY(QFile::exists(operatorFile) != QFile::exists(roomFile));
    }

    // What --check-data and the start say before offering to create the
    // files: a folder that cannot hold them, or a restore stopped halfway.
    void startSaysWhatIsWrongWithTheFolder_data()
    {
        QTest::addColumn<QString>("expected");
        QTest::newRow("a file") << "is not a folder but a file";
        QTest::newRow("a link loop") << "leads round in a loop";
        QTest::newRow("read-only") << "you may not write in";
        QTest::newRow("a restore stopped halfway") << ".Inhabitant_telnum.mdb.restore-";
    }
    void startSaysWhatIsWrongWithTheFolder()
    {
        QFETCH(QString, expected);
        const QString tag = QTest::currentDataTag();
        const QString path = m_dir.filePath(tag);
        if (tag == "a file") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
        } else if (tag == "a link loop") {
            QVERIFY(QFile::link(path, path));
        } else if (tag == "read-only") {
            if (::geteuid() == 0)
                QSKIP("root may write in any folder");
            QVERIFY(QDir().mkpath(path) &&
                    QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
        } else {
            QVERIFY(QDir().mkpath(path));
            testdb::create(path + "/" + schema::kOperatorFile, schema::operatorTable(),
                           testdb::operators({{"admin", "1"}}));
            testdb::create(path + "/" + schema::kDirectoryFile, schema::directoryTable());
            QVERIFY(directorybackup::backup(path, path + ".qvb").ok());
            QFile damaged(path + "/" + schema::kDirectoryFile);
            QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("junk") == 4);
            damaged.close();
            const directorybackup::StopAfterRenames stop(1);
            QVERIFY(!directorybackup::restore(path, path + ".qvb"));
        }
        const store::Location folder = store::Location::folder(path);
        QString said;
        QTextStream out(&said);
        QCOMPARE(startup::check(folder, out), 1);
        out.flush();
        QVERIFY2(said.contains(expected) && !said.contains("ready") && !said.contains("will offer"),
                 qPrintable(said));

        bool offered = false;
        const auto offer = [&](FirstStart&) { return offered = true; };
        RecordingMessageSink messages;
        if (tag == "a restore stopped halfway")
            whenShown(QStringLiteral("frmLogin"),
                      [](QWidget* login) { QTest::keyClick(login, Qt::Key_Escape); });
        startup::run(folder, messages, offer);
        QVERIFY(!offered);
        QCOMPARE(messages.messages.size(), 1);
        const QString shown = messages.messages.first().text;
        QVERIFY2(shown.contains(tag == "a restore stopped halfway" ? "it was undone" : expected),
                 qPrintable(shown));
    }

    // A folder holding neither file: the offer; Cancel creates nothing, and
    // the companion's rules hold for what is typed. Once both were created
    // the login comes up on the new operator, and its OK opens the main
    // window while its Cancel ends the program.
    void firstStartCreatesBothOrNothing_data()
    {
        QTest::addColumn<QStringList>("typed"); // name, PIN, PIN again; empty: Cancel
        QTest::addColumn<QString>("refusal");
        QTest::newRow("cancel") << QStringList() << QString();
        QTest::newRow("PINs differ") << QStringList{"Admin", "1", "2"} << "The two PINs differ";
        QTest::newRow("empty name") << QStringList{"", "1", "1"} << "must not be empty";
        QTest::newRow("login cancelled") << QStringList{"Admin", "1", "1"} << QString();
        QTest::newRow("logged in") << QStringList{"Admin", "1", "1"} << QString();
    }

    void firstStartCreatesBothOrNothing()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, refusal);
        const bool logIn = QTest::currentDataTag() == QByteArray("logged in");
        const QString folder = m_dir.filePath(QStringLiteral("new/Quorvane"));
        QString said;
        const auto offer = [&](FirstStart& first) {
            const Outcome made = typed.isEmpty() ? Outcome::failure(QString())
                                                 : first.create(typed[0], typed[1], typed[2]);
            said = made.description();
            return bool(made);
        };
        const bool created = typed.size() == 3 && refusal.isEmpty();
        QString mainTitle;
        if (created)
            whenShown(QStringLiteral("frmLogin"), [=](QWidget* login) {
                if (!logIn)
                    return QTest::keyClick(login, Qt::Key_Escape);
                login->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(typed[1]);
                QTest::keyClick(login, Qt::Key_Return);
            });
        if (logIn)
            whenShown(QStringLiteral("frmMain"), [&](QWidget* main) {
                mainTitle = main->windowTitle();
                main->close();
            });
        RecordingMessageSink messages;
        QCOMPARE(startup::run(store::Location::folder({folder, datafolder::Rule::UserData}),
                              messages, offer),
                 0);
        QVERIFY2(said.contains(refusal), qPrintable(said));
        QCOMPARE(QFileInfo::exists(folder), created);
        QCOMPARE(QFile::exists(folder + "/" + schema::kOperatorFile) &&
                     QFile::exists(folder + "/" + schema::kDirectoryFile),
                 created);
        QVERIFY(messages.messages.isEmpty());
        QCOMPARE(mainTitle, logIn ? QStringLiteral("Quorvane") : QString());
        QVERIFY(!created || !(QFile(folder).permissions() & 0x0077)); // the folder is private
        QDir(m_dir.filePath(QStringLiteral("new"))).removeRecursively();
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
