#include "connectcontroller.h"
#include "connectsettings.h"
#include "loaddefault.h"
#include "recordingmessagesink.h"
#include "recordingserialport.h"
#include "seriallink.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using Icon = MessageSink::Icon;
using Toggle = ConnectController::Toggle;
Q_DECLARE_METATYPE(Qt::CheckState)

namespace {

const QString kOpened = QStringLiteral("open /dev/ttyUSB0 38400,n,8,1");

// The port, pauser, link and message sink of one test, sharing one log.
struct Rig : RecordedLink
{
    RecordingMessageSink messages;
    ConnectController controller{link, messages};

    // Opened and locked on COM1, with a clean log; with `closed`, the port is
    // then closed by other means while the lock stays.
    void lock(bool closed = false)
    {
        QCOMPARE(controller.toggle(QStringLiteral("COM1")), Toggle::Locked);
        if (closed)
            link.close();
        log.clear();
    }
    // The one message shown, as "text|title|icon".
    QString message() const
    {
        if (messages.messages.size() != 1)
            return QStringLiteral("%1 messages").arg(messages.messages.size());
        const auto& m = messages.messages[0];
        return m.text + u'|' + m.title + u'|' + QString::number(int(m.icon));
    }
};

QString shown(const QString& text, const QString& title, Icon icon)
{
    return text + u'|' + title + u'|' + QString::number(int(icon));
}

} // namespace

class TestConnect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void okSendsOpenTime_data();
    void okSendsOpenTime();
    void toggleOpensAndLocksThenClosesAndUnlocks();
    void toggleRefused_data();
    void toggleRefused();
    void okRefusedWithoutAnOpenPort();
    void okReportsLinkFailure();
    void loadDefault();

private:
    QTemporaryDir m_config;
};

void TestConnect::initTestCase()
{
    QVERIFY(m_config.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
        .setValue("Ports/COM1", "/dev/ttyUSB0");
}

void TestConnect::okSendsOpenTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Qt::CheckState>("answer");
    QTest::addColumn<Qt::CheckState>("open");
    QTest::addColumn<QString>("sent"); // the open time and mode bytes; empty: refused
    const Qt::CheckState off = Qt::Unchecked, on = Qt::Checked, grey = Qt::PartiallyChecked;
    QTest::newRow("default, both") << "2" << on << on << "02 03";
    QTest::newRow("half to even down, none") << "2.5" << off << off << "02 00";
    QTest::newRow("half to even up, answer") << "3.5" << on << off << "04 01";
    QTest::newRow("half of zero, open") << ".5" << off << on << "00 02";
    QTest::newRow("letters, grey answer") << "abc" << grey << off << "00 03";
    QTest::newRow("empty, grey open") << "" << off << grey << "00 03";
    QTest::newRow("unit typed") << "7 s" << on << on << "07 03";
    QTest::newRow("stops at a comma") << "3,5" << on << on << "03 03";
    QTest::newRow("D exponent") << "15D-1" << on << on << "02 03";
    QTest::newRow("largest") << "255" << on << on << "ff 03";
    QTest::newRow("rounds past largest") << "255.5" << on << on << "";
    QTest::newRow("300") << "300" << on << on << "";
    QTest::newRow("minus one") << " -1 " << on << on << "";
}

void TestConnect::okSendsOpenTime()
{
    QFETCH(QString, text);
    QFETCH(Qt::CheckState, answer);
    QFETCH(Qt::CheckState, open);
    QFETCH(QString, sent);
    Rig rig;
    rig.lock();
    QCOMPARE(rig.controller.sendSettings(text, answer, open), !sent.isEmpty());
    QVERIFY(rig.link.portLocked());
    if (sent.isEmpty()) {
        QVERIFY(rig.log.isEmpty());
        QCOMPARE(rig.message(),
                 shown(QStringLiteral("开门时间“%1”不在 0 至 255 秒之间，设置未发送。")
                           .arg(text.trimmed()),
                       kApplicationTitle, Icon::Exclamation));
        return;
    }
    QCOMPARE(rig.log,
             (QStringList{"write 94", "drain", "write 93", "drain", "write " + sent.left(2),
                          "pause 300", "write 97", "write " + sent.mid(3)}));
    QVERIFY(rig.messages.messages.isEmpty());
}

void TestConnect::toggleOpensAndLocksThenClosesAndUnlocks()
{
    Rig rig;
    QCOMPARE(rig.controller.toggle(QStringLiteral("COM1")), Toggle::Locked);
    QVERIFY(rig.link.isOpen() && rig.link.portLocked());
    QCOMPARE(rig.log, QStringList{kOpened});
    QCOMPARE(rig.controller.toggle(QStringLiteral("COM1")), Toggle::Unlocked);
    QVERIFY(!rig.link.isOpen() && !rig.link.portLocked());
    QCOMPARE(rig.log, (QStringList{kOpened, "close"}));
    QVERIFY(rig.messages.messages.isEmpty());

    // A press while locked, with the port closed by other means in between, ends closed.
    rig.lock(true);
    QCOMPARE(rig.controller.toggle(QStringLiteral("COM1")), Toggle::Unlocked);
    QCOMPARE(rig.log, (QStringList{kOpened, "close"}));
    QVERIFY(!rig.link.isOpen() && !rig.link.portLocked());

    // An entry without a key maps to its default device.
    QCOMPARE(rig.controller.toggle(QStringLiteral("COM9")), Toggle::Locked);
    QCOMPARE(rig.port.lastDevice(), QStringLiteral("/dev/ttyS8"));
}

void TestConnect::toggleRefused_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("openResult");
    QTest::addColumn<QString>("shown");
    const QString noEntry =
        shown(QStringLiteral("请先在列表中选择串口（COM1 至 COM9），再按此按钮打开串口。"),
              kApplicationTitle, Icon::Exclamation);
    const auto portError = [](const char* text) {
        return shown(QString::fromUtf8(text), QStringLiteral("串口错误"), Icon::Critical);
    };
    QTest::newRow("no entry") << "" << 0 << noEntry;
    QTest::newRow("no number") << "COM" << 0 << noEntry;
    QTest::newRow("no such port") << "COM1" << 8002
                                  << portError(
                                         "无效的串口号！\r\n错误代码：8002\r\n错误原因：缺少硬件");
    QTest::newRow("not permitted") << "COM1" << EACCES << portError("其它错误。错误号:13");
}

void TestConnect::toggleRefused()
{
    QFETCH(QString, entry);
    QFETCH(int, openResult);
    QFETCH(QString, shown);
    Rig rig;
    rig.port.setOpenResult(openResult);
    QCOMPARE(rig.controller.toggle(entry), openResult ? Toggle::Failed : Toggle::NoPort);
    QCOMPARE(rig.log.filter("open").size(), openResult ? 1 : 0);
    QVERIFY(!rig.link.isOpen() && !rig.link.portLocked());
    QCOMPARE(rig.message(), shown);
}

void TestConnect::okRefusedWithoutAnOpenPort()
{
    Rig rig;
    QVERIFY(!rig.controller.sendSettings(QStringLiteral("2"), Qt::Checked, Qt::Checked));
    QVERIFY(rig.log.isEmpty());
    QCOMPARE(rig.message(),
             shown(QStringLiteral("串口未选择并打开"), QStringLiteral("出错"), Icon::Exclamation));

    rig.messages.messages.clear();
    rig.lock(true);
    QVERIFY(!rig.controller.sendSettings(QStringLiteral("2"), Qt::Checked, Qt::Checked));
    QVERIFY(rig.log.isEmpty());
    QCOMPARE(rig.message(), shown(QStringLiteral("串口 COM1 未打开，设置未发送。\r\n"
                                                 "请按串口列表旁的按钮两次重新打开串口，再按 OK。"),
                                  kApplicationTitle, Icon::Exclamation));
}

void TestConnect::okReportsLinkFailure()
{
    Rig rig;
    rig.lock();
    rig.port.failWritesAfter(2);
    QVERIFY(!rig.controller.sendSettings(QStringLiteral("2"), Qt::Checked, Qt::Checked));
    QCOMPARE(rig.port.written(), QByteArray::fromHex("9493"));
    const auto& m = rig.messages.messages.value(0);
    QVERIFY(m.text.startsWith(QStringLiteral("设置未能完整发送到门口机：\r\n")));
    QVERIFY(m.text.contains(QStringLiteral("Input/output error")));
    QCOMPARE(m.icon, Icon::Critical);

    // Once the adapter has failed, OK says the port is not open and sends nothing.
    rig.log.clear();
    QVERIFY(!rig.controller.sendSettings(QStringLiteral("2"), Qt::Checked, Qt::Checked));
    QVERIFY(rig.log.isEmpty());
    QVERIFY(rig.messages.messages.last().text.startsWith(QStringLiteral("串口 COM1 未打开")));
}

void TestConnect::loadDefault()
{
    Rig rig;
    QVERIFY(!::loadDefault(rig.link, rig.messages));
    QVERIFY(rig.log.isEmpty());
    QCOMPARE(rig.message(),
             shown(QStringLiteral("串口未选择"), QStringLiteral("出错"), Icon::Exclamation));

    // Exactly one byte each time.
    rig.messages.messages.clear();
    rig.lock();
    QVERIFY(::loadDefault(rig.link, rig.messages));
    QCOMPARE(rig.log, (QStringList{"write 90", "drain"}));
    QVERIFY(::loadDefault(rig.link, rig.messages));
    QCOMPARE(rig.port.written(), QByteArray::fromHex("9090"));
    QVERIFY(rig.messages.messages.isEmpty());

    // A drain that fails is reported.
    rig.port.setDrainFails(true);
    QVERIFY(!::loadDefault(rig.link, rig.messages));
    QVERIFY(rig.messages.messages.value(0).text.startsWith(
        QStringLiteral("恢复默认设置的命令未能发送到门口机：\r\n")));

    // Unlocked by the open/close button: refused again; locked with the port
    // closed by other means: nothing sent, the port not reopened.
    rig.port.setDrainFails(false);
    rig.controller.toggle(QStringLiteral("COM1"));
    QVERIFY(!::loadDefault(rig.link, rig.messages));
    rig.messages.messages.clear();
    rig.lock(true);
    QVERIFY(!::loadDefault(rig.link, rig.messages));
    QVERIFY(rig.log.isEmpty());
    QCOMPARE(rig.port.written(), QByteArray::fromHex("909090")); // the third failed to drain
    QVERIFY(!rig.link.isOpen());
    QCOMPARE(rig.message(),
             shown(QStringLiteral("串口 COM1 未打开，恢复默认设置的命令未发送。\r\n"
                                  "请在 Connect 窗口中按串口列表旁的按钮两次重新打开串口。"),
                   kApplicationTitle, Icon::Exclamation));
}

QTEST_GUILESS_MAIN(TestConnect)
#include "tst_connect.moc"
