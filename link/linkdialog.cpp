#include "linkdialog.h"

#include "linkmessages.h"
#include "portdoctor.h"
#include "songtifont.h"
#include "twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// The dialog pauses this long as it loads, before it is shown: the timing operators know.
constexpr int kLoadPauseMs = 100;

QFont labelFont()
{
    return songtiFont(10.5);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setFont(labelFont());
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

QCheckBox* makeCheck(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

// The boxes were laid out for 宋体's half-width letters; where a face or a
// language needs more room, the text's box grows right up to the next control
// (a label then wraps onto the free lines below), never the dialog.
void fitText(QWidget* widget, int right)
{
    const QSize needed = widget->minimumSizeHint();
    QRect box = widget->geometry();
    box.setWidth(std::clamp(needed.width(), box.width(), std::max(box.width(), right - box.x())));
    auto* label = qobject_cast<QLabel*>(widget);
    if (label && needed.width() > box.width()) {
        label->setWordWrap(true);
        box.setHeight(std::max(box.height(), label->heightForWidth(box.width())));
    } else {
        box.setHeight(std::max(box.height(), needed.height()));
    }
    widget->setGeometry(box);
}

QColor unlockedColour()
{
    return QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText);
}

// Qt has no caption colours (the window manager draws title bars), and the
// inactive Highlight is a selection colour that would make the list look
// chosen. So: the inactive caption of the classic Windows scheme the dialog
// was laid out on.
QColor lockedColour()
{
    return QColor(128, 128, 128);
}

} // namespace

LinkDialog::LinkDialog(SerialLink& link, MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_link(link), m_messages(messages), m_controller(m_link)
{
    setObjectName(QStringLiteral("frmLink"));
    setWindowTitle(tr("Linking"));
    setModal(false);
    setFixedSize(twips::size(4680, 3090));
    // The controls other than the labels keep the system's dialog font of the
    // Chinese desktop the layout was made for.
    setFont(songtiFont(9));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(255, 224, 192));
    setPalette(background);

    //: The serial port list
    makeLabel(this, "Label3", tr("PORT"), twips::rect(600, 240, 420, 210));
    m_port = new QComboBox(this);
    m_port->setObjectName(QStringLiteral("Combo1"));
    m_port->setGeometry(twips::rect(1080, 240, 735, 300));
    for (int n = 1; n <= 9; ++n)
        m_port->addItem(QStringLiteral("COM%1").arg(n));
    m_port->setCurrentIndex(-1);
    m_openClose = makeButton(this, "Command3", QString(), twips::rect(1920, 240, 255, 255));
    m_openClose->setAutoDefault(false);

    //: How long the door stays open, in seconds
    makeLabel(this, "Label4", tr("Open Time"), twips::rect(3000, 240, 495, 255));
    m_openTime = new QLineEdit(QStringLiteral("2"), this);
    m_openTime->setObjectName(QStringLiteral("Text1"));
    m_openTime->setGeometry(twips::rect(3480, 240, 375, 270));
    //: Seconds, after the open time; the leading blank is kept
    makeLabel(this, "Label5", tr(" S"), twips::rect(3840, 240, 255, 255));

    m_autoAnswer = makeCheck(this, "Check1", tr("Auto Answer"), twips::rect(720, 960, 1290, 255));
    m_autoOpen = makeCheck(this, "Check2", tr("Auto Open"), twips::rect(2520, 960, 1215, 255));

    // Shown but never driven.
    auto* bar = new QProgressBar(this);
    bar->setObjectName(QStringLiteral("ProgressBar1"));
    bar->setGeometry(twips::rect(720, 1800, 3015, 375));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);

    fitText(findChild<QLabel*>(QStringLiteral("Label3")), m_port->x());
    fitText(findChild<QLabel*>(QStringLiteral("Label4")), m_openTime->x());
    fitText(findChild<QLabel*>(QStringLiteral("Label5")), width());
    fitText(m_autoAnswer, m_autoOpen->x());
    fitText(m_autoOpen, width());

    QPushButton* ok = makeButton(this, "Command1", tr("OK"), twips::rect(600, 2520, 1335, 375));
    ok->setDefault(true);
    QPushButton* cancel =
        makeButton(this, "Command2", tr("Cancel"), twips::rect(2280, 2520, 1215, 375));
    cancel->setAutoDefault(false);

    connect(m_openClose, &QPushButton::clicked, this, &LinkDialog::toggle);
    connect(ok, &QPushButton::clicked, this, &LinkDialog::confirm);
    // Cancel and Esc only hide the dialog.
    connect(cancel, &QPushButton::clicked, this, &LinkDialog::reject);
    connect(m_port, &QComboBox::currentIndexChanged, this, &LinkDialog::showDevice);

    showLock();
    showDevice();
    m_link.pause(kLoadPauseMs);
}

void LinkDialog::closeEvent(QCloseEvent* event)
{
    // The link must outlive a command that is sending over it.
    if (m_link.busy()) {
        showLinkResult(LinkResult::of(LinkResult::Command::Connect, LinkResult::Kind::Busy),
                       m_messages);
        event->ignore();
        return;
    }
    m_link.setPortLocked(false);
    if (m_link.state() != SerialLink::State::Closed)
        m_link.close();
    QDialog::closeEvent(event);
    emit discarded();
}

void LinkDialog::toggle()
{
    showLinkResult(m_controller.toggle(m_port->currentText()), m_messages);
    showLock();
}

void LinkDialog::confirm()
{
    const LinkResult result = m_controller.sendSettings(
        m_openTime->text(), m_autoAnswer->checkState(), m_autoOpen->checkState());
    showLinkResult(result, m_messages);
    if (result.done())
        hide();
}

// The list's colour mirrors the lock: greyed and fixed while the port is locked.
void LinkDialog::showLock()
{
    const bool locked = m_controller.locked();
    const QColor colour = locked ? lockedColour() : unlockedColour();
    QPalette palette = m_port->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        palette.setColor(role, colour);
    m_port->setPalette(palette);
    m_port->setEnabled(!locked);
    // The unit is the port's: it changes only with the port closed.
    if (m_unit)
        m_unit->setEnabled(!locked);
}

void LinkDialog::setUnits(const QList<DoorUnit>& units, qint64 chosen)
{
    // Told again after every change the panel shows: the port the operator
    // chose stays unless the units or the unit chosen changed.
    if (m_unit && units == m_units && m_unit->currentIndex() >= 0 &&
        m_units.value(m_unit->currentIndex()).id == chosen)
        return;
    m_units = units;
    if (units.size() < 2) {
        if (m_unit) {
            m_unit->hide();
            m_unitLabel->hide();
        }
        return;
    }
    if (!m_unit) {
        m_unitLabel = makeLabel(this, "lblUnit", tr("Door unit"), twips::rect(600, 1380, 900, 255));
        m_unit = new QComboBox(this);
        m_unit->setObjectName(QStringLiteral("cboUnit"));
        m_unit->setGeometry(twips::rect(1560, 1380, 2175, 300));
        fitText(m_unitLabel, m_unit->x());
        connect(m_unit, &QComboBox::activated, this, &LinkDialog::chooseUnit);
    }
    const QSignalBlocker quiet(m_unit);
    m_unit->clear();
    int index = 0;
    for (int i = 0; i < units.size(); ++i) {
        m_unit->addItem(units[i].shownName());
        if (units[i].id == chosen)
            index = i;
    }
    m_unit->setCurrentIndex(index);
    m_unitLabel->show();
    m_unit->show();
    if (!m_controller.locked())
        m_port->setCurrentIndex(units[index].port - 1);
    showLock();
}

void LinkDialog::chooseUnit(int index)
{
    if (index < 0 || index >= m_units.size())
        return;
    m_port->setCurrentIndex(m_units[index].port - 1);
    emit unitChosen(m_units[index].id);
}

void LinkDialog::showDevice()
{
    const int index = m_port->currentIndex();
    m_port->setToolTip(index < 0
                           ? tr("Choose the port the door unit is connected to")
                           : tr("%1 is %2", "a port and its device file")
                                 .arg(m_port->currentText(), SerialLink::deviceFor(index + 1)));
    // What the device is, whether it may be opened and who holds it.
    if (index >= 0)
        m_port->setToolTip(
            m_port->toolTip() + u'\n' +
            portdoctor::summary(portdoctor::describe(SerialLink::deviceFor(index + 1), {},
                                                     portdoctor::Identity::current(), false)));
}
