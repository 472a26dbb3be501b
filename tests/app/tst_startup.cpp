#include "recordingmessagesink.h"
#include "startup.h"
#include "testdatabase.h"

#include <QApplication>
#include <QFile>
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
        } else if (!content.isEmpty()) {
            QFile f(operatorFile());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        RecordingMessageSink messages;
        QCOMPARE(startup::run(m_dir.path(), messages), 1);
        QCOMPARE(messages.messages.size(), 1);
        const auto& m = messages.messages.first();
        QVERIFY2(m.text.contains(expected), qPrintable(m.text));
        QVERIFY(m.text.contains(operatorFile()));
        QCOMPARE(m.title, QStringLiteral("Quorvane"));
        QCOMPARE(m.icon, MessageSink::Icon::Critical);
        QCOMPARE(QFile::exists(operatorFile()), !content.isEmpty());
        QVERIFY(!QFile::exists(m_dir.filePath(schema::kDirectoryFile)));
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
        QCOMPARE(startup::run(m_dir.path(), messages), 0);
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
        QCOMPARE(startup::run(m_dir.path(), messages), 0);
        QVERIFY(wrongPinSeen);
        QCOMPARE(mainTitle, QStringLiteral("Quorvane"));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
