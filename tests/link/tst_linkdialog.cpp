#include "linkdialog.h"
#include "recordingmessagesink.h"
#include "recordingserialport.h"
#include "seriallink.h"
#include "twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The dialog shown over a recording port; with `locked`, COM1 is chosen and
// opened, and the log is clean.
struct Rig
{
    QStringList log;
    RecordingSerialPort port{&log};
    RecordingPauser pauser{&log};
    RecordingMessageSink messages;
    LinkDialog dialog{port, messages, pauser};
    SerialLink& link = dialog.link();

    explicit Rig(bool locked = false)
    {
        dialog.show();
        if (locked) {
            list()->setCurrentText(QStringLiteral("COM1"));
            click("Command3");
        }
        log.clear();
    }
    template <typename T = QWidget> T* child(const char* name)
    {
        T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QComboBox* list() { return child<QComboBox>("Combo1"); }
    QColor listColour() { return list()->palette().color(QPalette::ButtonText); }
    void click(const char* button)
    {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
};

} // namespace

class TestLinkDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Quorvane", "Quorvane")
            .setValue("Ports/COM2", "/dev/ttyUSB1");
    }
    void layoutAndStart();
    void tooltipAndLock();
    void openThatFailsOrHasNoEntryLeavesListChangeable();
    void okSendsAndHidesOrIsRefusedAndStays();
    void cancelAndEscKeepValuesPortAndLock();

private:
    QTemporaryDir m_config;
};

void TestLinkDialog::layoutAndStart()
{
    Rig rig;
    QCOMPARE(rig.pauser.pauses(), QList<int>{100}); // loading pauses, opens nothing
    QVERIFY(!rig.link.isOpen());
    QCOMPARE(rig.dialog.windowTitle(), QStringLiteral("Linking"));
    QCOMPARE(rig.dialog.size(), twips::size(4680, 3090));
    const struct
    {
        const char* name;
        const char* caption;
        int left, top, width, height;
    } controls[] = {
        {"Label3", "PORT", 600, 240, 420, 210},
        {"Combo1", nullptr, 1080, 240, 735, 300},
        {"Command3", nullptr, 1920, 240, 255, 255},
        {"Label4", "Open Time", 3000, 240, 495, 255},
        {"Text1", "2", 3480, 240, 375, 270},
        {"Label5", " S", 3840, 240, 255, 255},
        {"Check1", "Auto Answer", 720, 960, 1290, 255},
        {"Check2", "Auto Open", 2520, 960, 1215, 255},
        {"ProgressBar1", nullptr, 720, 1800, 3015, 375},
        {"Command1", "OK", 600, 2520, 1335, 375},
        {"Command2", "Cancel", 2280, 2520, 1215, 375},
    };
    for (const auto& c : controls) {
        QWidget* widget = rig.child(c.name);
        QCOMPARE(widget->geometry(), twips::rect(c.left, c.top, c.width, c.height));
        if (c.caption)
            QCOMPARE(widget->property("text").toString(), QString::fromUtf8(c.caption));
    }
    QCOMPARE(rig.list()->count(), 9);
    QCOMPARE(rig.list()->itemText(8), QStringLiteral("COM9"));
    QCOMPARE(rig.list()->currentIndex(), -1);
    QVERIFY(rig.child<QPushButton>("Command1")->isDefault());
}

void TestLinkDialog::tooltipAndLock()
{
    Rig rig;
    QVERIFY(LinkDialog::lockedColour() != LinkDialog::unlockedColour());
    QCOMPARE(rig.listColour(), LinkDialog::unlockedColour());
    rig.list()->setCurrentText(QStringLiteral("COM5"));
    QCOMPARE(rig.list()->toolTip(), QStringLiteral("COM5 is /dev/ttyS4"));
    rig.list()->setCurrentText(QStringLiteral("COM2"));
    QCOMPARE(rig.list()->toolTip(), QStringLiteral("COM2 is /dev/ttyUSB1"));
    rig.click("Command3");
    QVERIFY(rig.link.portLocked());
    QVERIFY(!rig.list()->isEnabled());
    QCOMPARE(rig.listColour(), LinkDialog::lockedColour());
    QCOMPARE(rig.list()->palette().color(QPalette::Text), LinkDialog::lockedColour());
    QCOMPARE(LinkDialog::lockedColour(), QColor(128, 128, 128)); // the inactive caption

    rig.click("Command3");
    QVERIFY(!rig.link.isOpen() && !rig.link.portLocked());
    QVERIFY(rig.list()->isEnabled());
    QCOMPARE(rig.listColour(), LinkDialog::unlockedColour());
    QCOMPARE(rig.list()->currentText(), QStringLiteral("COM2"));
}

void TestLinkDialog::openThatFailsOrHasNoEntryLeavesListChangeable()
{
    Rig rig;
    rig.click("Command3"); // no entry chosen
    QVERIFY(rig.log.isEmpty());
    rig.port.setOpenResult(SerialPort::kNoSuchPort);
    rig.list()->setCurrentText(QStringLiteral("COM3"));
    rig.click("Command3");
    QCOMPARE(rig.messages.messages.size(), 2);
    QVERIFY(!rig.link.isOpen());
    QVERIFY(rig.list()->isEnabled());
    QCOMPARE(rig.listColour(), LinkDialog::unlockedColour());
}

void TestLinkDialog::okSendsAndHidesOrIsRefusedAndStays()
{
    Rig rig;
    rig.click("Command1"); // not locked
    QCOMPARE(rig.messages.messages.size(), 1);
    QVERIFY(rig.dialog.isVisible());

    rig.list()->setCurrentText(QStringLiteral("COM1"));
    rig.click("Command3");
    rig.child<QLineEdit>("Text1")->setText(QStringLiteral("300"));
    rig.click("Command1");
    QCOMPARE(rig.messages.messages.size(), 2);
    QVERIFY(rig.port.written().isEmpty());
    QVERIFY(rig.dialog.isVisible());

    rig.child<QLineEdit>("Text1")->setText(QStringLiteral("2"));
    rig.child<QCheckBox>("Check1")->setChecked(true);
    rig.child<QCheckBox>("Check2")->setChecked(true);
    rig.click("Command1");
    QCOMPARE(rig.port.written(), QByteArray::fromHex("9493029703"));
    QVERIFY(rig.dialog.isHidden());
    QVERIFY(rig.link.portLocked());
}

void TestLinkDialog::cancelAndEscKeepValuesPortAndLock()
{
    Rig rig(true);
    rig.child<QCheckBox>("Check2")->setChecked(true);
    rig.child<QLineEdit>("Text1")->setText(QStringLiteral("9"));

    rig.click("Command2");
    QVERIFY(rig.dialog.isHidden());
    rig.dialog.show();
    QTest::keyClick(&rig.dialog, Qt::Key_Escape);
    QVERIFY(rig.dialog.isHidden());

    QVERIFY(rig.log.isEmpty());
    QVERIFY(rig.link.isOpen() && rig.link.portLocked());
    rig.dialog.show();
    QCOMPARE(rig.child<QCheckBox>("Check2")->checkState(), Qt::Checked);
    QCOMPARE(rig.child<QLineEdit>("Text1")->text(), QStringLiteral("9"));
    QCOMPARE(rig.list()->currentText(), QStringLiteral("COM1"));
    QVERIFY(!rig.list()->isEnabled());
}

QTEST_MAIN(TestLinkDialog)
#include "tst_linkdialog.moc"
