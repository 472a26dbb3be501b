#include "loaddefault.h"

#include "connectcontroller.h"
#include "frames.h"
#include "messagesink.h"
#include "seriallink.h"

bool loadDefault(SerialLink& link, MessageSink& messages)
{
    if (linkBusy(link, messages, true))
        return false;
    if (!link.portLocked()) {
        messages.show(QStringLiteral("串口未选择"), QStringLiteral("出错"),
                      MessageSink::Icon::Exclamation);
        return false;
    }
    // The lock can outlive the port, when the adapter failed during a download.
    if (!link.isOpen()) {
        QString text = QStringLiteral("串口 COM%1 未打开，恢复默认设置的命令未发送。\r\n"
                                      "请在 Connect 窗口中按串口列表旁的按钮两次重新打开串口。")
                           .arg(link.portNumber());
        if (link.state() == SerialLink::State::Failed)
            text += QStringLiteral("\r\n\r\n") + link.failureDescription();
        messages.show(text, kApplicationTitle, MessageSink::Icon::Exclamation);
        return false;
    }
    SerialLink::Transfer transfer(link);
    if (!link.run(frames::loadDefault())) {
        messages.show(QStringLiteral("恢复默认设置的命令未能发送到门口机：\r\n%1")
                          .arg(link.failureDescription()),
                      kApplicationTitle, MessageSink::Icon::Critical);
        return false;
    }
    return true;
}
