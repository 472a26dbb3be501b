// The companion's units command: the building's door units, each with a name
// and a port, as the program and quorvane-link use them.
#include "database.h"
#include "dbarguments.h"
#include "dbtool.h"
#include "doorunits.h"
#include "location.h"
#include "networkserialport.h"
#include "portfactory.h"
#include "schema.h"
#include "seriallink.h"
#include "server.h"
#include "settingsstore.h"

#include <QFileInfo>

namespace dbtool {

namespace {

const QStringList& actions()
{
    static const QStringList words{QStringLiteral("add"), QStringLiteral("rename"),
                                   QStringLiteral("remove")};
    return words;
}

// The COM port of this PC that [Ports] leads to the device server at
// address; 0 when none does.
int portLeadingTo(const QString& address)
{
    for (int n = 1; n <= 9; ++n) {
        if (NetworkSerialPort::sameServerKey(SerialLink::deviceFor(n)) ==
            NetworkSerialPort::sameServerKey(address))
            return n;
    }
    return 0;
}

// Whether the action, the names after it and the port fit together.
Outcome fits(const QString& action, const QStringList& names, int port)
{
    const qsizetype wanted = action.isEmpty() ? 0 : action == QLatin1String("rename") ? 2 : 1;
    if (!action.isEmpty() && !actions().contains(action))
        return Outcome::failure(Text::tr("units does not know \"%1\"; it takes add, rename or "
                                         "remove.")
                                    .arg(action));
    if (names.size() != wanted)
        return Outcome::failure(action.isEmpty() ? Text::tr("Name at most one directory.")
                                : action == QLatin1String("rename")
                                    ? Text::tr("units rename needs the old and the new "
                                               "name.")
                                    : Text::tr("units %1 needs the unit's name.").arg(action));
    if (action == QLatin1String("add") && port == 0)
        return Outcome::failure(Text::tr("units add needs --port COM1 to COM9."));
    if (port != 0 && action != QLatin1String("add") && action != QLatin1String("rename"))
        return Outcome::failure(Text::tr("Only units add and rename take --port."));
    return Outcome::success();
}

// Makes the change asked for, if any, in the room file at path, then lists
// the units as they are.
int changeAndList(const store::Database& path, const QString& action, const QStringList& names,
                  int port, Console& console)
{
    Outcome changed = Outcome::success();
    if (action == QLatin1String("add"))
        changed = doorunits::add(path, names[0], port);
    else if (action == QLatin1String("rename"))
        changed = doorunits::rename(path, names[0], names[1], port);
    else if (action == QLatin1String("remove"))
        changed = doorunits::remove(path, names[0]);
    if (!changed) {
        say(console.err, changed.description());
        return kFailure;
    }
    const Expected<QList<DoorUnit>> list = doorunits::read(path);
    if (!list) {
        say(console.err, list.error());
        return kFailure;
    }
    for (const DoorUnit& unit : *list)
        say(console.out, QStringLiteral("COM%1  %2").arg(unit.port).arg(unit.ownName()));
    return kSuccess;
}

} // namespace

int units(const QStringList& arguments, const Building& building, Console& console)
{
    int port = 0;
    QString address;
    QStringList rest;
    const Outcome walked = commandline::walk(
        arguments, rest,
        [](const QString& option, bool) -> commandline::Kind {
            if (option == QLatin1String("--port"))
                return commandline::Takes::Value;
            return Text::tr("Unknown option %1.").arg(option);
        },
        [&port, &address](const QString&, const std::optional<QString>& value) {
            const Expected<PortChoice> chosen = choosePort(*value);
            if (!chosen)
                return chosen.outcome();
            port = chosen->number;
            address = chosen->address;
            if (port == 0 && address.isEmpty())
                return Outcome::failure(
                    Text::tr("The port \"%1\" is not one of COM1 to COM9.").arg(*value));
            return Outcome::success();
        });
    if (!walked)
        return usageError(console, walked.description());
    QString named;
    if (!rest.isEmpty() && !actions().contains(rest.first()))
        named = rest.takeFirst();
    const QString action = rest.isEmpty() ? QString() : rest.takeFirst();
    // A unit is on one of this PC's COM ports; an address names the one that
    // [Ports] leads to that device server.
    if (!address.isEmpty() && port == 0)
        port = portLeadingTo(address);
    if (!address.isEmpty() && port == 0) {
        //: %1 the address, %2 the settings file
        say(console.err, Text::tr("No COM port leads to %1. A door unit is on one of COM1 to "
                                  "COM9: add a line such as COM4=%1 under [Ports] in %2, then "
                                  "give that port.")
                             .arg(address, settingsstore::fileName()));
        return kFailure;
    }
    if (const Outcome fit = fits(action, rest, port); !fit)
        return usageError(console, fit.description());

    const std::optional<store::Location> folder = dataFolder(named, false, building, console);
    if (!folder)
        return kFailure;
    const std::optional<store::Location> dir = existingDirectory(*folder, console);
    if (!dir)
        return kFailure;
    const store::Database path = dir->database(schema::kDirectoryFile);
    if (path.missing()) {
        say(console.err, Text::tr("There is no room file %1; create it with: quorvane-db "
                                  "init %2")
                             .arg(path.path(), dir->folderPath()));
        return kFailure;
    }
    return changeAndList(path, action, rest, port, console);
}

} // namespace dbtool
