#pragma once

#include "changerecord.h"
#include "location.h"
#include "outcome.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class DoorUnitWatch;
class OperatorView;
class Pauser;
class RoomDirectoryView;
class SerialLink;
class SerialPort;
class ServerAnnouncements;

// What the running program works on, once an operator is logged in: the
// operator store Add User writes to, the room directory, the link to the door
// unit and the record of its transfers. Windows and dialogs show these; they
// are handed them and never own them.
class Program
{
public:
    // The port and pauser outlive the program: its link uses them.
    Program(const store::Location& location, SerialPort& port, Pauser& pauser);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Where the data lives: the data folder or the building.
    const store::Location& location() const { return m_location; }
    // The directory of the two databases, as the windows open them.

    // The operator logged in, whom the transfer history names.
    // The door unit's watch records what other programs changed in their name.
    void setOperatorName(const QString& name);
    // That operator on this PC: whom the change record names.
    changerecord::Actor actor() const { return changerecord::Actor::here(m_operatorName); }

    // The operator store Add User writes to: opened on first use, kept to the end.
    Outcome openOperators();
    OperatorView& operators() { return *m_operators; }

    // The room directory's cursor, while the directory window shows it. A
    // fresh one starts unopened on the first row; discarding it lets it go
    // with its connection, as the window it was shown in goes. A closed
    // window is deleted later: its cursor stays with it until then, even
    // when a fresh one has been made for the next window.
    RoomDirectoryView& freshDirectory();
    RoomDirectoryView* directory() { return m_directory.get(); }
    void discardDirectory(const RoomDirectoryView& rooms);

    // The one link to the door unit. A fresh one is closed, unlocked and on
    // its first values, recording its transfers in the directory database.
    SerialLink& freshLink();
    SerialLink& link() { return *m_link; }

    // What the door unit holds against the directory.
    DoorUnitWatch& doorUnit() { return *m_doorUnit; }
    // On a server, what hears the building's changes; null on a data folder.
    ServerAnnouncements* announcements() { return m_announcements.get(); }

    // The door unit the Connect dialog and the download go to (the first
    // unless the operator chose another); the link records it.
    qint64 unit() const;
    void setUnit(qint64 unit);
    const QString& operatorName() const { return m_operatorName; }

    // A device for each door unit when every unit is sent to at once; by
    // default a serial device.
    using PortMaker = std::function<std::unique_ptr<SerialPort>()>;
    void setPortMaker(PortMaker maker) { m_portMaker = std::move(maker); }
    std::unique_ptr<SerialPort> newPort() const;

private:
    store::Location m_location;
    SerialPort& m_port;
    Pauser& m_pauser;
    QString m_operatorName;
    std::unique_ptr<OperatorView> m_operators;
    std::unique_ptr<RoomDirectoryView> m_directory;
    std::vector<std::unique_ptr<RoomDirectoryView>> m_closingDirectories;
    std::unique_ptr<SerialLink> m_link;
    std::unique_ptr<DoorUnitWatch> m_doorUnit;
    std::unique_ptr<ServerAnnouncements> m_announcements;
    PortMaker m_portMaker;
};
