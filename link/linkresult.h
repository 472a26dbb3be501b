#pragma once

#include <QString>

#include <optional>

class SerialLink;

// What a link command did and how far it got. The commands only return it;
// linkmessages.h puts it in words for the program and the command line alike.
struct [[nodiscard]] LinkResult
{
    enum class Command { Connect, Settings, LoadDefault, Download };
    enum class Kind {
        Done,
        Busy,        // another command is sending: nothing sent
        NotLocked,   // no port chosen and opened in the Connect dialog
        PortClosed,  // locked, but the port is closed
        PortFailed,  // locked, but the port failed (detail: why)
        NoEntry,     // no port chosen in the list
        NoSuchPort,  // the port did not open (code: 8002)
        OpenFailed,  // the port did not open (code: the errno)
        BadOpenTime, // detail: the open time as typed
        Empty,       // no rooms
        Unreadable,  // the rooms could not be read before the first byte (detail: why)
        BadRows,     // code rooms of total cannot be sent (detail: the list)
        LinkFailed,  // stopped after `sent` rooms (detail: the link's failure)
        Changed,     // room sent + 1 changed during the download
        Interrupted, // the rooms could not be read after `sent` rooms (detail: why)
        Stopped,     // stopped on request after `sent` rooms (detail: how it was asked)
    };

    Command command = Command::Connect;
    Kind kind = Kind::Done;
    int code = 0;
    int port = 0;
    // A device server's address, named in place of COM{port} when the port is one.
    QString address;
    int sent = 0;
    int total = 0;
    QString detail;
    // Why the transfer history could not record this command; empty when it did.
    QString recordFailure;
    // Why the history records no command at all (a missing or read-only room
    // file): the door-unit panel tells it once, not after each command.
    QString notRecorded;

    static LinkResult of(Command command, Kind kind = Kind::Done, const QString& detail = {})
    {
        LinkResult result;
        result.command = command;
        result.kind = kind;
        result.detail = detail;
        return result;
    }
    bool done() const { return kind == Kind::Done; }
};

// The one check before a command sends: nothing when it may. A download
// opens a closed or failed port itself; the other commands refuse it.
std::optional<LinkResult> refusal(const SerialLink& link, LinkResult::Command command);

// Opens the link unless it is open; nothing when it is open afterwards.
std::optional<LinkResult> openLink(SerialLink& link, LinkResult::Command command);
