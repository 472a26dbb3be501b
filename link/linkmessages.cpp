#include "linkmessages.h"

#include <QCoreApplication>

using Command = LinkResult::Command;
using Kind = LinkResult::Kind;
using Icon = MessageSink::Icon;

namespace {

// Every message of the link. The texts name their values: {port}, {code},
// {sent}, {total} and {detail}; a null title is the program's own.
struct Message
{
    Command command;
    Kind kind;
    const char* text;
    const char* title;
    Icon icon;
};

constexpr const char* kBusyChinese = QT_TRANSLATE_NOOP(
    "linkmessages", "另一个命令正在向门口机发送数据，本次未发送。\r\n请等它完成后再试。");
//: {code} is the error number and stays as it is
constexpr const char* kNoSuchPort =
    QT_TRANSLATE_NOOP("linkmessages", "无效的串口号！\r\n错误代码：{code}\r\n错误原因：缺少硬件");
constexpr const char* kOtherError = QT_TRANSLATE_NOOP("linkmessages", "其它错误。错误号:{code}");
constexpr const char* kSettingsClosed = QT_TRANSLATE_NOOP(
    "linkmessages",
    "串口 COM{port} 未打开，设置未发送。\r\n请按串口列表旁的按钮两次重新打开串口，再按 OK。");
constexpr const char* kLoadDefaultClosed =
    QT_TRANSLATE_NOOP("linkmessages", "串口 COM{port} 未打开，恢复默认设置的命令未发送。\r\n"
                                      "请在 Connect 窗口中按串口列表旁的按钮两次重新打开串口。");
constexpr const char* kNoRooms = QT_TRANSLATE_NOOP(
    "linkmessages", "The room directory holds no rooms, so nothing was sent to the door unit.");

constexpr Message kMessages[] = {
    {Command::Connect, Kind::Busy, kBusyChinese, nullptr, Icon::Exclamation},
    {Command::Settings, Kind::Busy, kBusyChinese, nullptr, Icon::Exclamation},
    {Command::LoadDefault, Kind::Busy, kBusyChinese, nullptr, Icon::Exclamation},
    {Command::Download, Kind::Busy,
     QT_TRANSLATE_NOOP("linkmessages", "Another command is still sending to the door unit, so "
                                       "nothing was sent. Try again when it "
                                       "has finished."),
     nullptr, Icon::Exclamation},

    {Command::Connect, Kind::NoEntry,
     QT_TRANSLATE_NOOP("linkmessages",
                       "请先在列表中选择串口（COM1 至 COM9），再按此按钮打开串口。"),
     nullptr, Icon::Exclamation},
    {Command::Connect, Kind::NoSuchPort, kNoSuchPort, QT_TRANSLATE_NOOP("linkmessages", "串口错误"),
     Icon::Critical},
    {Command::Connect, Kind::OpenFailed, kOtherError, QT_TRANSLATE_NOOP("linkmessages", "串口错误"),
     Icon::Critical},
    {Command::Download, Kind::NoSuchPort, kNoSuchPort,
     QT_TRANSLATE_NOOP("linkmessages", "串口错误"), Icon::Critical},
    {Command::Download, Kind::OpenFailed, kOtherError,
     QT_TRANSLATE_NOOP("linkmessages", "串口错误"), Icon::Critical},

    {Command::Settings, Kind::NotLocked, QT_TRANSLATE_NOOP("linkmessages", "串口未选择并打开"),
     QT_TRANSLATE_NOOP("linkmessages", "出错"), Icon::Exclamation},
    {Command::Settings, Kind::PortClosed, kSettingsClosed, nullptr, Icon::Exclamation},
    {Command::Settings, Kind::PortFailed, "{closed}\r\n\r\n{detail}", nullptr, Icon::Exclamation},
    {Command::Settings, Kind::BadOpenTime,
     QT_TRANSLATE_NOOP("linkmessages", "开门时间“{detail}”不在 0 至 255 秒之间，设置未发送。"),
     nullptr, Icon::Exclamation},
    {Command::Settings, Kind::LinkFailed,
     QT_TRANSLATE_NOOP("linkmessages", "设置未能完整发送到门口机：\r\n{detail}"), nullptr,
     Icon::Critical},

    {Command::LoadDefault, Kind::NotLocked, QT_TRANSLATE_NOOP("linkmessages", "串口未选择"),
     QT_TRANSLATE_NOOP("linkmessages", "出错"), Icon::Exclamation},
    {Command::LoadDefault, Kind::PortClosed, kLoadDefaultClosed, nullptr, Icon::Exclamation},
    {Command::LoadDefault, Kind::PortFailed, "{closed}\r\n\r\n{detail}", nullptr,
     Icon::Exclamation},
    {Command::LoadDefault, Kind::LinkFailed,
     QT_TRANSLATE_NOOP("linkmessages", "恢复默认设置的命令未能发送到门口机：\r\n{detail}"), nullptr,
     Icon::Critical},

    {Command::Download, Kind::NotLocked, QT_TRANSLATE_NOOP("linkmessages", "COM not selected"),
     QT_TRANSLATE_NOOP("linkmessages", "Error"), Icon::Exclamation},
    {Command::Download, Kind::Empty, kNoRooms, nullptr, Icon::Exclamation},
    {Command::Download, Kind::Unreadable,
     QT_TRANSLATE_NOOP(
         "linkmessages",
         "The room directory could not be read, so nothing was sent to the door unit:\n{detail}"),
     nullptr, Icon::Critical},
    {Command::Download, Kind::BadRows,
     QT_TRANSLATE_NOOP("linkmessages", "Nothing was sent to the door unit: {code} of the {total} "
                                       "rooms cannot be sent as they are "
                                       "and must be corrected first.\n\n{detail}"),
     nullptr, Icon::Exclamation},
    {Command::Download, Kind::LinkFailed,
     QT_TRANSLATE_NOOP("linkmessages", "The download stopped: the link to the door unit failed "
                                       "after {sent} of {total} rooms were "
                                       "sent.\n{detail}\n\nThe door unit may now hold only part of "
                                       "the directory. Check the cable "
                                       "and the port, then download again."),
     nullptr, Icon::Critical},
    {Command::Download, Kind::Changed,
     QT_TRANSLATE_NOOP("linkmessages", "The download stopped after {sent} of {total} rooms: room "
                                       "{next} changed while it was sent "
                                       "and can no longer be sent as it is."),
     nullptr, Icon::Critical},
    {Command::Download, Kind::Interrupted,
     QT_TRANSLATE_NOOP(
         "linkmessages",
         "The download stopped after {sent} of {total} rooms: the room directory could not be "
         "read.\n{detail}"),
     nullptr, Icon::Critical},
    {Command::Download, Kind::Done, QT_TRANSLATE_NOOP("linkmessages", "Data download complete"),
     QT_TRANSLATE_NOOP("linkmessages", "OK"), Icon::Information},
};

// The catalogue's text for the operator's language, the text itself without one.
QString translated(const char* text)
{
    return QCoreApplication::translate("linkmessages", text);
}

const Message* find(Command command, Kind kind)
{
    for (const Message& m : kMessages) {
        if (m.command == command && m.kind == kind)
            return &m;
    }
    return nullptr;
}

} // namespace

std::optional<LinkMessage> linkMessage(const LinkResult& result)
{
    const Message* message = find(result.command, result.kind);
    if (!message)
        return std::nullopt;
    QString text = translated(message->text);
    // A failed port says what a closed one says, and why it failed.
    if (const Message* closed = find(result.command, Kind::PortClosed);
        closed && result.kind == Kind::PortFailed)
        text.replace(QStringLiteral("{closed}"), translated(closed->text));
    const bool namesDetail = text.contains(QStringLiteral("{detail}"));
    if (!result.address.isEmpty())
        text.replace(QStringLiteral("COM{port}"), result.address);
    text.replace(QStringLiteral("{port}"), QString::number(result.port))
        .replace(QStringLiteral("{code}"), QString::number(result.code))
        .replace(QStringLiteral("{sent}"), QString::number(result.sent))
        .replace(QStringLiteral("{total}"), QString::number(result.total))
        .replace(QStringLiteral("{next}"), QString::number(result.sent + 1))
        // Last, so braces in the detail are left as they are.
        .replace(QStringLiteral("{detail}"), result.detail);
    return LinkMessage{text, message->title ? translated(message->title) : kApplicationTitle,
                       message->icon, namesDetail};
}

QString linkResultText(const LinkResult& result)
{
    const std::optional<LinkMessage> message = linkMessage(result);
    return message ? message->text : QString();
}

void showLinkResult(const LinkResult& result, MessageSink& messages)
{
    if (const std::optional<LinkMessage> message = linkMessage(result))
        messages.show(message->text, message->title, message->icon);
    // After the transfer's own message: the transfer stands either way.
    if (!result.recordFailure.isEmpty())
        messages.show(QCoreApplication::translate("linkmessages",
                                                  "The transfer history could not record this "
                                                  "transfer to the door unit:\n%1\n\nWhat was sent "
                                                  "is not affected.")
                          .arg(result.recordFailure),
                      kApplicationTitle, Icon::Exclamation);
}
