#include "linkdialog.h"
#include "recordingmessagesink.h"
#include "recordingserialport.h"
#include "seriallink.h"
#include "twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using Icon = MessageSink::Icon;

namespace {

struct Rig
{
    QStringList log;
    RecordingSerialPort port{&log};
    RecordingPauser pauser{&log};
    SerialLink link{port, pauser};
    RecordingMessageSink messages;
    LinkDialog dialog{link, messages, pauser};

    template <typename T> T* child(const char* name)
    {
        T* widget = dialog.findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QComboBox* list() { return child<QComboBox>("Combo1"); }
    void choose(const QString& entry) { list()->setCurrentText(entry); }
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
    void initTestCase();
    void layout_data();
    void layout();
    void initialValuesAndLook();
    void loadingPauses100ms();
    void tooltipNamesTheDevice();
    void openCloseButtonMirrorsTheLock();
    void failedOpenLeavesListChangeable();
    void noEntryChosenOpensNothing();
    void okSendsAndHides();
    void okRefusedKeepsDialogShown();
    void cancelKeepsValuesAndSendsNothing();
    void closeBoxKeepsPortAndLock();

private:
    QTemporaryDir m_config;
};

void TestLinkDialog::initTestCase()
{
    QVERIFY(m_config.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Quorvane"),
                       QStringLiteral("Quorvane"));
    settings.setValue(QStringLiteral("Ports/COM2"), QStringLiteral("/dev/ttyUSB1"));
    settings.sync();
}

void TestLinkDialog::layout_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("twipRect");
    const auto row = [](const char* name, const char* cls, const char* caption, int l, int t, int w,
                        int h) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(cls)
                            << QString::fromUtf8(caption) << QRect(l, t, w, h);
    };
    row("Label3", "QLabel", "PORT", 600, 240, 420, 210);
    row("Combo1", "QComboBox", "", 1080, 240, 735, 300);
    row("Command3", "QPushButton", "", 1920, 240, 255, 255);
    row("Label4", "QLabel", "Open Time", 3000, 240, 495, 255);
    row("Text1", "QLineEdit", "2", 3480, 240, 375, 270);
    row("Label5", "QLabel", " S", 3840, 240, 255, 255);
    row("Check1", "QCheckBox", "Auto Answer", 720, 960, 1290, 255);
    row("Check2", "QCheckBox", "Auto Open", 2520, 960, 1215, 255);
    row("ProgressBar1", "QProgressBar", "", 720, 1800, 3015, 375);
    row("Command1", "QPushButton", "OK", 600, 2520, 1335, 375);
    row("Command2", "QPushButton", "Cancel", 2280, 2520, 1215, 375);
}

void TestLinkDialog::layout()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, caption);
    QFETCH(QRect, twipRect);
    Rig rig;
    auto* widget = rig.dialog.findChild<QWidget*>(name);
    QVERIFY(widget);
    QVERIFY(widget->inherits(className.toLatin1()));
    QCOMPARE(widget->geometry(),
             twips::rect(twipRect.x(), twipRect.y(), twipRect.width(), twipRect.height()));
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->font().families().value(0), QStringLiteral("宋体"));
        QCOMPARE(label->font().pointSizeF(), 10.5);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QCOMPARE(button->text(), caption);
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        QCOMPARE(edit->text(), caption);
    }
}

void TestLinkDialog::initialValuesAndLook()
{
    Rig rig;
    QCOMPARE(rig.dialog.objectName(), QStringLiteral("frmLink"));
    QCOMPARE(rig.dialog.windowTitle(), QStringLiteral("Linking"));
    QVERIFY(!rig.dialog.isModal());
    QCOMPARE(rig.dialog.size(), twips::size(4680, 3090));
    QCOMPARE(rig.dialog.palette().color(QPalette::Window), QColor(255, 224, 192));
    QVERIFY(rig.dialog.autoFillBackground());

    QComboBox* list = rig.list();
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    QCOMPARE(entries,
             (QStringList{"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9"}));
    QCOMPARE(list->currentIndex(), -1);
    QVERIFY(!list->isEditable());
    QVERIFY(list->isEnabled());
    QCOMPARE(list->palette().color(QPalette::ButtonText), LinkDialog::unlockedColour());

    QCOMPARE(rig.child<QCheckBox>("Check1")->checkState(), Qt::Unchecked);
    QCOMPARE(rig.child<QCheckBox>("Check2")->checkState(), Qt::Unchecked);
    auto* bar = rig.child<QProgressBar>("ProgressBar1");
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 100);
    QCOMPARE(bar->value(), 0);
    QVERIFY(rig.child<QPushButton>("Command1")->isDefault());
    QVERIFY(rig.log.filter(QStringLiteral("open")).isEmpty());
}

void TestLinkDialog::loadingPauses100ms()
{
    Rig rig;
    QCOMPARE(rig.pauser.pauses(), QList<int>{100});
    QCOMPARE(rig.log, QStringList{QStringLiteral("pause 100")});
}

void TestLinkDialog::tooltipNamesTheDevice()
{
    Rig rig;
    rig.choose(QStringLiteral("COM2"));
    QCOMPARE(rig.list()->toolTip(), QStringLiteral("COM2 is /dev/ttyUSB1"));
    rig.choose(QStringLiteral("COM5"));
    QCOMPARE(rig.list()->toolTip(), QStringLiteral("COM5 is /dev/ttyS4"));
}

void TestLinkDialog::openCloseButtonMirrorsTheLock()
{
    Rig rig;
    rig.dialog.show();
    QVERIFY(LinkDialog::lockedColour() != LinkDialog::unlockedColour());
    rig.choose(QStringLiteral("COM2"));
    rig.log.clear();

    rig.click("Command3");
    QCOMPARE(rig.log, QStringList{QStringLiteral("open /dev/ttyUSB1 38400,n,8,1")});
    QVERIFY(rig.link.isOpen());
    QVERIFY(rig.link.portLocked());
    QVERIFY(!rig.list()->isEnabled());
    QCOMPARE(rig.list()->palette().color(QPalette::ButtonText), LinkDialog::lockedColour());
    QCOMPARE(rig.list()->palette().color(QPalette::Text), LinkDialog::lockedColour());

    rig.click("Command3");
    QCOMPARE(rig.log.last(), QStringLiteral("close"));
    QVERIFY(!rig.link.isOpen());
    QVERIFY(!rig.link.portLocked());
    QVERIFY(rig.list()->isEnabled());
    QCOMPARE(rig.list()->palette().color(QPalette::ButtonText), LinkDialog::unlockedColour());
    QCOMPARE(rig.list()->currentText(), QStringLiteral("COM2"));
    QVERIFY(rig.messages.messages.isEmpty());
}

void TestLinkDialog::failedOpenLeavesListChangeable()
{
    Rig rig;
    rig.port.setOpenResult(SerialPort::kNoSuchPort);
    rig.choose(QStringLiteral("COM3"));
    rig.click("Command3");
    QCOMPARE(rig.messages.messages.size(), 1);
    QCOMPARE(rig.messages.messages[0].text,
             QStringLiteral("无效的串口号！\r\n错误代码：8002\r\n错误原因：缺少硬件"));
    QCOMPARE(rig.messages.messages[0].title, QStringLiteral("串口错误"));
    QCOMPARE(rig.messages.messages[0].icon, Icon::Critical);
    QVERIFY(!rig.link.isOpen());
    QVERIFY(rig.list()->isEnabled());
    QCOMPARE(rig.list()->palette().color(QPalette::ButtonText), LinkDialog::unlockedColour());
}

void TestLinkDialog::noEntryChosenOpensNothing()
{
    Rig rig;
    rig.log.clear();
    rig.click("Command3");
    QVERIFY(rig.log.isEmpty());
    QCOMPARE(rig.messages.messages.size(), 1);
    QCOMPARE(rig.messages.messages[0].title, kApplicationTitle);
    QVERIFY(rig.list()->isEnabled());
}

void TestLinkDialog::okSendsAndHides()
{
    Rig rig;
    rig.dialog.show();
    rig.choose(QStringLiteral("COM1"));
    rig.click("Command3");
    rig.child<QCheckBox>("Check1")->setChecked(true);
    rig.child<QCheckBox>("Check2")->setChecked(true);
    rig.log.clear();

    rig.click("Command1");
    QCOMPARE(rig.port.written(), QByteArray::fromHex("9493029703"));
    QCOMPARE(rig.log, (QStringList{"write 94", "drain", "write 93", "drain", "write 02",
                                   "pause 300", "write 97", "write 03"}));
    QVERIFY(rig.dialog.isHidden());
    QVERIFY(rig.link.isOpen());
    QVERIFY(rig.link.portLocked());
    QVERIFY(!rig.list()->isEnabled());
}

void TestLinkDialog::okRefusedKeepsDialogShown()
{
    Rig rig;
    rig.dialog.show();
    rig.click("Command1");
    QCOMPARE(rig.messages.messages.size(), 1);
    QCOMPARE(rig.messages.messages[0].text, QStringLiteral("串口未选择并打开"));
    QCOMPARE(rig.messages.messages[0].title, QStringLiteral("出错"));
    QCOMPARE(rig.messages.messages[0].icon, Icon::Exclamation);
    QVERIFY(rig.dialog.isVisible());

    rig.choose(QStringLiteral("COM1"));
    rig.click("Command3");
    rig.child<QLineEdit>("Text1")->setText(QStringLiteral("300"));
    rig.port.clearLog();
    rig.click("Command1");
    QVERIFY(rig.port.written().isEmpty());
    QCOMPARE(rig.messages.messages.size(), 2);
    QVERIFY(rig.dialog.isVisible());
}

void TestLinkDialog::cancelKeepsValuesAndSendsNothing()
{
    Rig rig;
    rig.dialog.show();
    rig.choose(QStringLiteral("COM1"));
    rig.click("Command3");
    rig.child<QCheckBox>("Check2")->setChecked(true);
    rig.child<QLineEdit>("Text1")->setText(QStringLiteral("9"));
    rig.log.clear();

    rig.click("Command2");
    QVERIFY(rig.dialog.isHidden());
    QVERIFY(rig.log.isEmpty());
    QVERIFY(rig.link.isOpen());
    QVERIFY(rig.link.portLocked());

    rig.dialog.show();
    QCOMPARE(rig.child<QCheckBox>("Check2")->checkState(), Qt::Checked);
    QCOMPARE(rig.child<QLineEdit>("Text1")->text(), QStringLiteral("9"));
    QCOMPARE(rig.list()->currentText(), QStringLiteral("COM1"));
    QVERIFY(!rig.list()->isEnabled());
}

void TestLinkDialog::closeBoxKeepsPortAndLock()
{
    Rig rig;
    rig.dialog.show();
    rig.choose(QStringLiteral("COM1"));
    rig.click("Command3");
    rig.child<QCheckBox>("Check1")->setChecked(true);
    rig.log.clear();
    QPointer<LinkDialog> alive(&rig.dialog);

    QVERIFY(rig.dialog.close());
    QVERIFY(rig.dialog.isHidden());
    QVERIFY(alive);
    QVERIFY(rig.log.isEmpty());
    QVERIFY(rig.link.isOpen());
    QVERIFY(rig.link.portLocked());

    // Esc does the same.
    rig.dialog.show();
    QTest::keyClick(&rig.dialog, Qt::Key_Escape);
    QVERIFY(rig.dialog.isHidden());
    QVERIFY(rig.link.portLocked());
    QCOMPARE(rig.child<QCheckBox>("Check1")->checkState(), Qt::Checked);
}

QTEST_MAIN(TestLinkDialog)
#include "tst_linkdialog.moc"
