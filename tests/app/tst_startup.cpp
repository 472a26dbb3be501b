#include "firststart.h"
#include "recordingmessagesink.h"
#include "startup.h"
#include "testdatabase.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

QWidget* topLevel(const QString& name)
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible())
            return w;
    }
    return nullptr;
}

// Acts on the first visible window of that name as soon as it appears.
void whenShown(const QString& name, std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        if (QWidget* w = topLevel(name)) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start(10);
}

} // namespace

// The whole start of the program: the gate in front of the main window.
class TestStartup : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_settings;

    QString operatorFile() const { return m_dir.filePath(schema::kOperatorFile); }

    // The start as from --data, declining a first-start offer.
    int start(
        MessageSink& messages, const startup::Offer& offer = [](FirstStart&) { return false; })
    {
        return startup::run({m_dir.path(), datafolder::Rule::Option}, messages, offer);
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }

    void init() { QFile::remove(operatorFile()); }

    void unusableOperatorFileEndsWithAClearMessage_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        // Only the room file: no offer to create anything beside it.
        QTest::newRow("missing") << QByteArray() << QStringLiteral("does not exist");
        QTest::newRow("access file")
            << QByteArray("\0\1\0\0Standard Jet DB\0", 20) << QStringLiteral("Access");
        QTest::newRow("no operator")
            << QByteArray("empty") << QStringLiteral("quorvane-db add-operator");
        QTest::newRow("no table") << QByteArray("other") << QStringLiteral("has no table user_pin");
    }

    void unusableOperatorFileEndsWithAClearMessage()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        if (content == "empty") {
            testdb::create(operatorFile(), schema::operatorTable());
        } else if (content == "other") {
            testdb::exec(operatorFile(), QStringLiteral("CREATE TABLE users (name)"));
        } else {
            QFile f(content.isEmpty() ? m_dir.filePath(schema::kDirectoryFile) : operatorFile());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        RecordingMessageSink messages;
        QCOMPARE(start(messages, {}), 1);
        QCOMPARE(messages.messages.size(), 1);
        const auto& m = messages.messages.first();
        QVERIFY2(m.text.contains(expected), qPrintable(m.text));
        QVERIFY(m.text.contains(operatorFile()));
        QCOMPARE(m.title, QStringLiteral("Quorvane"));
        QCOMPARE(m.icon, MessageSink::Icon::Critical);
        QCOMPARE(QFile::exists(operatorFile()), !content.isEmpty());
        QCOMPARE(QFile::exists(m_dir.filePath(schema::kDirectoryFile)), content.isEmpty());
        QFile::remove(m_dir.filePath(schema::kDirectoryFile));
    }

    // A folder holding neither file: the offer; Cancel creates nothing, and
    // the companion's rules hold for what is typed.
    void firstStartCreatesBothOrNothing_data()
    {
        QTest::addColumn<QStringList>("typed"); // name, PIN, PIN again; empty: Cancel
        QTest::addColumn<QString>("refusal");
        QTest::newRow("cancel") << QStringList() << QString();
        QTest::newRow("PINs differ")
            << QStringList{"Admin", "1", "2"} << QStringLiteral("The two PINs differ");
        QTest::newRow("empty name")
            << QStringList{"", "1", "1"} << QStringLiteral("must not be empty");
        QTest::newRow("created") << QStringList{"Admin", "1", "1"} << QString();
    }

    void firstStartCreatesBothOrNothing()
    {
        QFETCH(QStringList, typed);
        QFETCH(QString, refusal);
        const QString folder = m_dir.filePath(QStringLiteral("new/Quorvane"));
        QString said;
        int offers = 0;
        const auto offer = [&](FirstStart& first) {
            ++offers;
            if (typed.isEmpty())
                return false;
            const Outcome made = first.create(typed[0], typed[1], typed[2]);
            said = made.description();
            return bool(made);
        };
        const bool created = typed.size() == 3 && refusal.isEmpty();
        // The login comes up on the new operator once both were created.
        if (created)
            whenShown(QStringLiteral("frmLogin"),
                      [](QWidget* login) { QTest::keyClick(login, Qt::Key_Escape); });
        RecordingMessageSink messages;
        QCOMPARE(startup::run({folder, datafolder::Rule::UserData}, messages, offer), 0);
        QCOMPARE(offers, 1);
        QVERIFY2(said.contains(refusal), qPrintable(said));
        QCOMPARE(QFile::exists(folder + "/" + schema::kOperatorFile), created);
        QCOMPARE(QFile::exists(folder + "/" + schema::kDirectoryFile), created);
        QCOMPARE(QFileInfo::exists(folder), created);
        QVERIFY(messages.messages.isEmpty());
        if (created)
            QCOMPARE(QFile(folder).permissions() & 0x0077, QFileDevice::Permissions());
        QDir(m_dir.filePath(QStringLiteral("new"))).removeRecursively();
    }

    void cancelEndsWithoutMainWindow()
    {
        testdb::create(operatorFile(), schema::operatorTable(),
                       testdb::operators({{"Admin", "1"}}));
        bool mainSeen = false;
        auto* watch = new QTimer(this);
        connect(watch, &QTimer::timeout, this,
                [&] { mainSeen = mainSeen || topLevel(QStringLiteral("frmMain")); });
        watch->start(5);
        // Esc leaves the focus in the name box, so no name lookup runs.
        whenShown(QStringLiteral("frmLogin"),
                  [](QWidget* login) { QTest::keyClick(login, Qt::Key_Escape); });
        RecordingMessageSink messages;
        QCOMPARE(start(messages), 0);
        delete watch;
        QVERIFY(!mainSeen);
        QVERIFY(messages.messages.isEmpty());
    }

    void acceptedPinOpensTheMainWindowUntilExit()
    {
        testdb::create(operatorFile(), schema::operatorTable(),
                       testdb::operators({{"Admin", "1"}, {"Bob", "2"}}));
        bool wrongPinSeen = false;
        QString mainTitle;
        RecordingMessageSink messages;
        messages.onShow = [&](const RecordingMessageSink::Message& m) {
            wrongPinSeen = m.title == QStringLiteral("登录");
        };
        // The first operator's PIN: accepted whether or not the dialog was
        // active in time for a name lookup to run.
        whenShown(QStringLiteral("frmLogin"), [&](QWidget* login) {
            auto* pin = login->findChild<QLineEdit*>(QStringLiteral("txtPassword"));
            auto* ok = login->findChild<QPushButton*>(QStringLiteral("cmdOK"));
            login->findChild<QLineEdit*>(QStringLiteral("txtUserName"))
                ->setText(QStringLiteral("Admin"));
            pin->setText(QStringLiteral("9"));
            ok->click();
            QVERIFY(login->isVisible());
            pin->setText(QStringLiteral("1"));
            ok->click();
        });
        whenShown(QStringLiteral("frmMain"), [&](QWidget* main) {
            mainTitle = main->windowTitle();
            main->close();
        });
        QCOMPARE(start(messages), 0);
        QVERIFY(wrongPinSeen);
        QCOMPARE(mainTitle, QStringLiteral("Quorvane"));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
