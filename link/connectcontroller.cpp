#include "connectcontroller.h"

#include "connectsettings.h"
#include "frames.h"
#include "messagesink.h"
#include "seriallink.h"

namespace {

const QString kPortErrorTitle = QStringLiteral("串口错误");

// The number of the list entry ("COM3" gives 3); 0 when none is chosen.
int portNumberOf(const QString& listText)
{
    if (listText.isEmpty())
        return 0;
    const QChar last = listText.back();
    return last >= u'1' && last <= u'9' ? last.unicode() - u'0' : 0;
}

} // namespace

bool openPort(SerialLink& link, MessageSink& messages)
{
    if (link.isOpen())
        return true;
    const int code = link.open();
    if (code == 0)
        return true;
    if (code == SerialPort::kNoSuchPort)
        messages.show(
            QStringLiteral("无效的串口号！\r\n错误代码：%1\r\n错误原因：缺少硬件").arg(code),
            kPortErrorTitle, MessageSink::Icon::Critical);
    else
        messages.show(QStringLiteral("其它错误。错误号:%1").arg(code), kPortErrorTitle,
                      MessageSink::Icon::Critical);
    return false;
}

bool linkBusy(const SerialLink& link, MessageSink& messages, bool chinese)
{
    if (!link.busy())
        return false;
    messages.show(chinese ? QStringLiteral("另一个命令正在向门口机发送数据，本次未发送。\r\n"
                                           "请等它完成后再试。")
                          : QStringLiteral("Another command is still sending to the door unit, so "
                                           "nothing was sent. Try again when it has finished."),
                  kApplicationTitle, MessageSink::Icon::Exclamation);
    return true;
}

ConnectController::ConnectController(SerialLink& link, MessageSink& messages)
    : m_link(link), m_messages(messages)
{
}

bool ConnectController::locked() const
{
    return m_link.portLocked();
}

ConnectController::Toggle ConnectController::toggle(const QString& listText)
{
    if (linkBusy(m_link, m_messages, true))
        return Toggle::Busy;
    const int number = portNumberOf(listText);
    if (number == 0) {
        m_messages.show(
            QStringLiteral("请先在列表中选择串口（COM1 至 COM9），再按此按钮打开串口。"),
            kApplicationTitle, MessageSink::Icon::Exclamation);
        return Toggle::NoPort;
    }

    if (!m_link.isOpen()) {
        m_link.configure(number);
    } else if (m_link.portNumber() != number) {
        m_link.close();
        m_link.configure(number);
    }

    if (!openPort(m_link, m_messages)) {
        m_link.setPortLocked(false);
        return Toggle::Failed;
    }
    if (!m_link.portLocked()) {
        m_link.setPortLocked(true);
        return Toggle::Locked;
    }
    // A press while locked always ends with the port closed.
    m_link.setPortLocked(false);
    m_link.close();
    return Toggle::Unlocked;
}

bool ConnectController::sendSettings(const QString& openTimeText, Qt::CheckState autoAnswer,
                                     Qt::CheckState autoOpen)
{
    if (linkBusy(m_link, m_messages, true))
        return false;
    if (!m_link.portLocked()) {
        m_messages.show(QStringLiteral("串口未选择并打开"), QStringLiteral("出错"),
                        MessageSink::Icon::Exclamation);
        return false;
    }
    // The open time is one byte on the wire: a value that does not fit is
    // refused rather than sent as another time.
    const std::optional<quint8> openTime = connectsettings::openTime(openTimeText);
    if (!openTime) {
        m_messages.show(QStringLiteral("开门时间“%1”不在 0 至 255 秒之间，设置未发送。")
                            .arg(openTimeText.trimmed()),
                        kApplicationTitle, MessageSink::Icon::Exclamation);
        return false;
    }
    // The lock can outlive the port, when the adapter failed during a download.
    if (!m_link.isOpen()) {
        QString text = QStringLiteral("串口 COM%1 未打开，设置未发送。\r\n"
                                      "请按串口列表旁的按钮两次重新打开串口，再按 OK。")
                           .arg(m_link.portNumber());
        if (m_link.state() == SerialLink::State::Failed)
            text += QStringLiteral("\r\n\r\n") + m_link.failureDescription();
        m_messages.show(text, kApplicationTitle, MessageSink::Icon::Exclamation);
        return false;
    }
    const quint8 mode = connectsettings::autoMode(autoAnswer, autoOpen);
    SerialLink::Transfer transfer(m_link);
    if (!m_link.run(frames::settingsSequence(*openTime, mode))) {
        m_messages.show(
            QStringLiteral("设置未能完整发送到门口机：\r\n%1").arg(m_link.failureDescription()),
            kApplicationTitle, MessageSink::Icon::Critical);
        return false;
    }
    return true;
}
