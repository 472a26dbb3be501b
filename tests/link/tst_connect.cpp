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
#include <cmath>

using Icon = MessageSink::Icon;
Q_DECLARE_METATYPE(Qt::CheckState)

namespace {

const QString kNoEntry =
    QStringLiteral("请先在列表中选择串口（COM1 至 COM9），再按此按钮打开串口。");

// The port, pauser, link and message sink of one test, sharing one log.
struct Rig
{
    QStringList log;
    RecordingSerialPort port{&log};
    RecordingPauser pauser{&log};
    SerialLink link{port, pauser};
    RecordingMessageSink messages;
    ConnectController controller{link, messages};

    // Opened and locked on COM1, with a clean log.
    void lock()
    {
        QCOMPARE(controller.toggle(QStringLiteral("COM1")), ConnectController::Toggle::Locked);
        log.clear();
    }
};

} // namespace

class TestConnect : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void leadingNumber_data();
    void leadingNumber();
    void openTime_data();
    void openTime();
    void autoMode_data();
    void autoMode();

    void toggleOpensAndLocksThenClosesAndUnlocks();
    void toggleWithNoEntryOpensNothing_data();
    void toggleWithNoEntryOpensNothing();
    void failedOpenShowsPortErrorAndStaysUnlocked_data();
    void failedOpenShowsPortErrorAndStaysUnlocked();
    void pressWhileLockedClosesAlsoWhenClosedInBetween();
    void anotherEntryWhileOpenReopensOnIt();

    void okWhileUnlockedIsRefused();
    void okSendsSettingsSequence_data();
    void okSendsSettingsSequence();
    void okRefusesOpenTimeOutsideByte_data();
    void okRefusesOpenTimeOutsideByte();
    void okWithPortClosedByOtherMeansSendsNothing();
    void okReportsLinkFailure();

    void loadDefaultNeedsLock();
    void loadDefaultSendsOneByteEachTime();
    void loadDefaultWithPortClosedSendsNothing();
    void loadDefaultReportsLinkFailure();

private:
    QTemporaryDir m_config;
};

void TestConnect::initTestCase()
{
    QVERIFY(m_config.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvane"),
                       QStringLiteral("Quorvane"));
    settings.setValue(QStringLiteral("Ports/COM1"), QStringLiteral("/dev/ttyUSB0"));
    settings.sync();
}

void TestConnect::leadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("number");
    QTest::newRow("whole") << "2" << 2.0;
    QTest::newRow("fraction") << "2.5" << 2.5;
    QTest::newRow("blanks before") << "  \t12" << 12.0;
    QTest::newRow("blanks inside") << "1 2" << 12.0;
    QTest::newRow("stops at a letter") << "12s" << 12.0;
    QTest::newRow("stops at a comma") << "3,5" << 3.0;
    QTest::newRow("second point") << "2.5.3" << 2.5;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("blanks only") << "   " << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("two signs") << "--1" << 0.0;
    QTest::newRow("minus") << "-1" << -1.0;
    QTest::newRow("plus") << "+3" << 3.0;
    QTest::newRow("leading point") << ".5" << 0.5;
    QTest::newRow("trailing point") << "5." << 5.0;
    QTest::newRow("exponent") << "1e2" << 100.0;
    QTest::newRow("D exponent") << "15D-1" << 1.5;
    QTest::newRow("exponent without digits") << "7e" << 7.0;
    QTest::newRow("exponent sign without digits") << "7e+" << 7.0;
    QTest::newRow("full-width digit stops") << "1２" << 1.0;
    QTest::newRow("tiny") << "1e-999" << 0.0;
}

void TestConnect::leadingNumber()
{
    QFETCH(QString, text);
    QFETCH(double, number);
    QCOMPARE(connectsettings::leadingNumber(text), number);
}

void TestConnect::openTime_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("seconds"); // -1: refused

    QTest::newRow("default") << "2" << 2;
    QTest::newRow("half to even down") << "2.5" << 2;
    QTest::newRow("half to even up") << "3.5" << 4;
    QTest::newRow("half of zero") << "0.5" << 0;
    QTest::newRow("one and a half") << "1.5" << 2;
    QTest::newRow("below half") << "2.49" << 2;
    QTest::newRow("above half") << "2.51" << 3;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("unit typed") << "7 s" << 7;
    QTest::newRow("largest") << "255" << 255;
    QTest::newRow("rounds down to largest") << "255.4" << 255;
    QTest::newRow("rounds up past largest") << "255.5" << -1;
    QTest::newRow("256") << "256" << -1;
    QTest::newRow("300") << "300" << -1;
    QTest::newRow("minus one") << "-1" << -1;
    QTest::newRow("small negative rounds to 0") << "-0.4" << 0;
    QTest::newRow("huge") << "1e999" << -1;
    QTest::newRow("many digits") << "99999999999999999999999" << -1;
}

void TestConnect::openTime()
{
    QFETCH(QString, text);
    QFETCH(int, seconds);
    const std::optional<quint8> time = connectsettings::openTime(text);
    if (seconds < 0) {
        QVERIFY(!time.has_value());
    } else {
        QVERIFY(time.has_value());
        QCOMPARE(int(*time), seconds);
    }
}

void TestConnect::autoMode_data()
{
    QTest::addColumn<Qt::CheckState>("answer");
    QTest::addColumn<Qt::CheckState>("open");
    QTest::addColumn<int>("mode");
    const Qt::CheckState off = Qt::Unchecked, on = Qt::Checked, grey = Qt::PartiallyChecked;
    QTest::newRow("none") << off << off << 0;
    QTest::newRow("answer") << on << off << 1;
    QTest::newRow("open") << off << on << 2;
    QTest::newRow("both") << on << on << 3;
    QTest::newRow("grey answer") << grey << off << 3;
    QTest::newRow("grey open") << off << grey << 3;
    QTest::newRow("grey and on") << grey << on << 3;
    QTest::newRow("on and grey") << on << grey << 3;
    QTest::newRow("both grey") << grey << grey << 3;
}

void TestConnect::autoMode()
{
    QFETCH(Qt::CheckState, answer);
    QFETCH(Qt::CheckState, open);
    QFETCH(int, mode);
    QCOMPARE(int(connectsettings::autoMode(answer, open)), mode);
}

void TestConnect::toggleOpensAndLocksThenClosesAndUnlocks()
{
    Rig rig;
    QCOMPARE(rig.controller.toggle(QStringLiteral("COM1")), ConnectController::Toggle::Locked);
    QVERIFY(rig.link.isOpen());
    QVERIFY(rig.controller.locked());
    QVERIFY(rig.link.portLocked());
    QCOMPARE(rig.log, QStringList{QStringLiteral("open /dev/ttyUSB0 38400,n,8,1")});

    QCOMPARE(rig.controller.toggle(QStringLiteral("COM1")), ConnectController::Toggle::Unlocked);
    QVERIFY(!rig.link.isOpen());
    QVERIFY(!rig.link.portLocked());
    QCOMPARE(rig.log.last(), QStringLiteral("close"));
    QVERIFY(rig.messages.messages.isEmpty());

    // The default mapping of an entry without a key.
    QCOMPARE(rig.controller.toggle(QStringLiteral("COM9")), ConnectController::Toggle::Locked);
    QCOMPARE(rig.port.lastDevice(), QStringLiteral("/dev/ttyS8"));
    QCOMPARE(rig.link.portNumber(), 9);
}

void TestConnect::toggleWithNoEntryOpensNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("no entry") << QString();
    QTest::newRow("no number") << QStringLiteral("COM");
}

void TestConnect::toggleWithNoEntryOpensNothing()
{
    QFETCH(QString, text);
    Rig rig;
    QCOMPARE(rig.controller.toggle(text), ConnectController::Toggle::NoPort);
    QVERIFY(rig.log.isEmpty());
    QVERIFY(!rig.link.portLocked());
    QCOMPARE(rig.messages.messages.size(), 1);
    QCOMPARE(rig.messages.messages[0].text, kNoEntry);
    QCOMPARE(rig.messages.messages[0].title, kApplicationTitle);
    QCOMPARE(rig.messages.messages[0].icon, Icon::Exclamation);
}

void TestConnect::failedOpenShowsPortErrorAndStaysUnlocked_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("no such port") << 8002
                                  << QStringLiteral(
                                         "无效的串口号！\r\n错误代码：8002\r\n错误原因：缺少硬件");
    QTest::newRow("not permitted") << EACCES << QStringLiteral("其它错误。错误号:13");
    QTest::newRow("busy") << EBUSY << QStringLiteral("其它错误。错误号:16");
}

void TestConnect::failedOpenShowsPortErrorAndStaysUnlocked()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    Rig rig;
    rig.port.setOpenResult(code);
    QCOMPARE(rig.controller.toggle(QStringLiteral("COM1")), ConnectController::Toggle::Failed);
    QVERIFY(!rig.link.isOpen());
    QVERIFY(!rig.link.portLocked());
    QCOMPARE(rig.messages.messages.size(), 1);
    QCOMPARE(rig.messages.messages[0].text, text);
    QCOMPARE(rig.messages.messages[0].title, QStringLiteral("串口错误"));
    QCOMPARE(rig.messages.messages[0].icon, Icon::Critical);

    // The next try, with the device there, locks.
    rig.port.setOpenResult(0);
    QCOMPARE(rig.controller.toggle(QStringLiteral("COM1")), ConnectController::Toggle::Locked);
}

void TestConnect::pressWhileLockedClosesAlsoWhenClosedInBetween()
{
    Rig rig;
    rig.lock();
    rig.link.close();
    rig.log.clear();
    QCOMPARE(rig.controller.toggle(QStringLiteral("COM1")), ConnectController::Toggle::Unlocked);
    QCOMPARE(rig.log, (QStringList{QStringLiteral("open /dev/ttyUSB0 38400,n,8,1"),
                                   QStringLiteral("close")}));
    QVERIFY(!rig.link.isOpen());
    QVERIFY(!rig.link.portLocked());
}

void TestConnect::anotherEntryWhileOpenReopensOnIt()
{
    Rig rig;
    rig.lock();
    QCOMPARE(rig.controller.toggle(QStringLiteral("COM3")), ConnectController::Toggle::Unlocked);
    QCOMPARE(rig.log,
             (QStringList{QStringLiteral("close"), QStringLiteral("open /dev/ttyS2 38400,n,8,1"),
                          QStringLiteral("close")}));
    QCOMPARE(rig.link.portNumber(), 3);
}

void TestConnect::okWhileUnlockedIsRefused()
{
    Rig rig;
    QVERIFY(!rig.controller.sendSettings(QStringLiteral("2"), Qt::Checked, Qt::Checked));
    QVERIFY(rig.log.isEmpty());
    QCOMPARE(rig.messages.messages.size(), 1);
    QCOMPARE(rig.messages.messages[0].text, QStringLiteral("串口未选择并打开"));
    QCOMPARE(rig.messages.messages[0].title, QStringLiteral("出错"));
    QCOMPARE(rig.messages.messages[0].icon, Icon::Exclamation);
}

void TestConnect::okSendsSettingsSequence_data()
{
    QTest::addColumn<QString>("openTime");
    QTest::addColumn<Qt::CheckState>("answer");
    QTest::addColumn<Qt::CheckState>("open");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("both") << "2" << Qt::Checked << Qt::Checked << QByteArray::fromHex("9493029703");
    QTest::newRow("none") << "2" << Qt::Unchecked << Qt::Unchecked
                          << QByteArray::fromHex("9493029700");
    QTest::newRow("open only, 3.5 s")
        << "3.5" << Qt::Unchecked << Qt::Checked << QByteArray::fromHex("9493049702");
    QTest::newRow("answer only, letters")
        << "x" << Qt::Checked << Qt::Unchecked << QByteArray::fromHex("9493009701");
    QTest::newRow("255") << "255" << Qt::Unchecked << Qt::Unchecked
                         << QByteArray::fromHex("9493ff9700");
}

void TestConnect::okSendsSettingsSequence()
{
    QFETCH(QString, openTime);
    QFETCH(Qt::CheckState, answer);
    QFETCH(Qt::CheckState, open);
    QFETCH(QByteArray, bytes);
    Rig rig;
    rig.lock();
    QVERIFY(rig.controller.sendSettings(openTime, answer, open));
    QCOMPARE(rig.port.written(), bytes);
    const auto hex = [&](int i) { return QString::fromLatin1(bytes.mid(i, 1).toHex()); };
    QCOMPARE(rig.log,
             (QStringList{"write " + hex(0), "drain", "write " + hex(1), "drain", "write " + hex(2),
                          "pause 300", "write " + hex(3), "write " + hex(4)}));
    QVERIFY(rig.messages.messages.isEmpty());
    QVERIFY(rig.link.isOpen());
    QVERIFY(rig.link.portLocked());
}

void TestConnect::okRefusesOpenTimeOutsideByte_data()
{
    QTest::addColumn<QString>("openTime");
    QTest::addColumn<QString>("shown");
    QTest::newRow("300") << "300"
                         << "300";
    QTest::newRow("-1") << " -1 "
                        << "-1";
    QTest::newRow("255.5") << "255.5"
                           << "255.5";
}

void TestConnect::okRefusesOpenTimeOutsideByte()
{
    QFETCH(QString, openTime);
    QFETCH(QString, shown);
    Rig rig;
    rig.lock();
    QVERIFY(!rig.controller.sendSettings(openTime, Qt::Checked, Qt::Checked));
    QVERIFY(rig.log.isEmpty());
    QCOMPARE(rig.messages.messages.size(), 1);
    QCOMPARE(rig.messages.messages[0].text,
             QStringLiteral("开门时间“%1”不在 0 至 255 秒之间，设置未发送。").arg(shown));
    QCOMPARE(rig.messages.messages[0].title, kApplicationTitle);
    QCOMPARE(rig.messages.messages[0].icon, Icon::Exclamation);
    QVERIFY(rig.link.portLocked());
}

void TestConnect::okWithPortClosedByOtherMeansSendsNothing()
{
    Rig rig;
    rig.lock();
    rig.link.close();
    rig.log.clear();
    QVERIFY(!rig.controller.sendSettings(QStringLiteral("2"), Qt::Checked, Qt::Checked));
    QVERIFY(rig.log.isEmpty());
    QVERIFY(rig.port.written().isEmpty());
    QCOMPARE(rig.messages.messages.size(), 1);
    QCOMPARE(rig.messages.messages[0].text,
             QStringLiteral("串口 COM1 未打开，设置未发送。\r\n"
                            "请按串口列表旁的按钮两次重新打开串口，再按 OK。"));
    QCOMPARE(rig.messages.messages[0].title, kApplicationTitle);
    QCOMPARE(rig.messages.messages[0].icon, Icon::Exclamation);
}

void TestConnect::okReportsLinkFailure()
{
    Rig rig;
    rig.lock();
    rig.port.failWritesAfter(2);
    QVERIFY(!rig.controller.sendSettings(QStringLiteral("2"), Qt::Checked, Qt::Checked));
    QCOMPARE(rig.port.written(), QByteArray::fromHex("9493"));
    QCOMPARE(rig.messages.messages.size(), 1);
    QVERIFY(
        rig.messages.messages[0].text.startsWith(QStringLiteral("设置未能完整发送到门口机：\r\n")));
    QVERIFY(rig.messages.messages[0].text.contains(QStringLiteral("Input/output error")));
    QCOMPARE(rig.messages.messages[0].icon, Icon::Critical);

    // Once the adapter has failed, OK says the port is not open and sends nothing.
    rig.messages.messages.clear();
    rig.log.clear();
    QVERIFY(!rig.controller.sendSettings(QStringLiteral("2"), Qt::Checked, Qt::Checked));
    QVERIFY(rig.log.isEmpty());
    QVERIFY(rig.messages.messages[0].text.startsWith(QStringLiteral("串口 COM1 未打开")));
    QVERIFY(rig.messages.messages[0].text.contains(QStringLiteral("Input/output error")));
}

void TestConnect::loadDefaultNeedsLock()
{
    Rig rig;
    QVERIFY(!loadDefault(rig.link, rig.messages));
    QVERIFY(rig.log.isEmpty());
    QCOMPARE(rig.messages.messages.size(), 1);
    QCOMPARE(rig.messages.messages[0].text, QStringLiteral("串口未选择"));
    QCOMPARE(rig.messages.messages[0].title, QStringLiteral("出错"));
    QCOMPARE(rig.messages.messages[0].icon, Icon::Exclamation);

    // Locked and unlocked again by the open/close button: refused again.
    rig.lock();
    rig.controller.toggle(QStringLiteral("COM1"));
    rig.log.clear();
    QVERIFY(!loadDefault(rig.link, rig.messages));
    QVERIFY(rig.log.isEmpty());
    QCOMPARE(rig.messages.messages.size(), 2);
    QCOMPARE(rig.messages.messages[1].text, QStringLiteral("串口未选择"));
}

void TestConnect::loadDefaultSendsOneByteEachTime()
{
    Rig rig;
    rig.lock();
    QVERIFY(loadDefault(rig.link, rig.messages));
    QCOMPARE(rig.log, (QStringList{QStringLiteral("write 90"), QStringLiteral("drain")}));
    QVERIFY(loadDefault(rig.link, rig.messages));
    QCOMPARE(rig.port.written(), QByteArray::fromHex("9090"));
    QVERIFY(rig.messages.messages.isEmpty());
    QVERIFY(rig.link.isOpen());
    QVERIFY(rig.link.portLocked());
}

void TestConnect::loadDefaultWithPortClosedSendsNothing()
{
    Rig rig;
    rig.lock();
    rig.link.close();
    rig.log.clear();
    QVERIFY(!loadDefault(rig.link, rig.messages));
    QVERIFY(rig.log.isEmpty());
    QCOMPARE(rig.messages.messages.size(), 1);
    QCOMPARE(rig.messages.messages[0].text,
             QStringLiteral("串口 COM1 未打开，恢复默认设置的命令未发送。\r\n"
                            "请在 Connect 窗口中按串口列表旁的按钮两次重新打开串口。"));
    QCOMPARE(rig.messages.messages[0].title, kApplicationTitle);
    QCOMPARE(rig.messages.messages[0].icon, Icon::Exclamation);
    QVERIFY(!rig.link.isOpen()); // not opened behind the operator's back
}

void TestConnect::loadDefaultReportsLinkFailure()
{
    Rig rig;
    rig.lock();
    rig.port.setDrainFails(true);
    QVERIFY(!loadDefault(rig.link, rig.messages));
    QCOMPARE(rig.messages.messages.size(), 1);
    QVERIFY(rig.messages.messages[0].text.startsWith(
        QStringLiteral("恢复默认设置的命令未能发送到门口机：\r\n")));
    QCOMPARE(rig.messages.messages[0].icon, Icon::Critical);
}

QTEST_GUILESS_MAIN(TestConnect)
#include "tst_connect.moc"
