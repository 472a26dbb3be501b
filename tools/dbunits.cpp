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

int units(const QStringList& arguments, const Building& building, Console& console)
{
    QStringList rest = arguments;
    const QStringList actions{QStringLiteral("add"), QStringLiteral("rename"),
                              QStringLiteral("remove")};
    QString named;
    if (!rest.isEmpty() && !actions.contains(rest.first()) &&
        !rest.first().startsWith(QStringLiteral("--")))
        named = rest.takeFirst();
    const QString action = rest.isEmpty() ? QString() : rest.takeFirst();
    int port = 0;
    for (qsizetype i = 0; i < rest.size(); ++i) {
        QString value;
        if (rest[i] == QLatin1String("--port"))
            value = rest.value(i + 1, QStringLiteral("?"));
        else if (rest[i].startsWith(QStringLiteral("--port=")))
            value = rest[i].mid(7);
        else if (rest[i].startsWith(QStringLiteral("--")))
            return usageError(console, Text::tr("Unknown option %1.").arg(rest[i]));
        else
            continue;
        const Expected<PortChoice> chosen = choosePort(value);
        if (!chosen)
            return usageError(console, chosen.error());
        // A unit is on one of this PC's COM ports; an address names the one
        // that [Ports] leads to that device server.
        for (int n = 1; n <= 9 && !chosen->address.isEmpty() && port == 0; ++n) {
            if (NetworkSerialPort::sameServerKey(SerialLink::deviceFor(n)) ==
                NetworkSerialPort::sameServerKey(chosen->address))
                port = n;
        }
        if (!chosen->address.isEmpty() && port == 0) {
            //: %1 the address, %2 the settings file
            say(console.err, Text::tr("No COM port leads to %1. A door unit is on one of COM1 to "
                                      "COM9: add a line such as COM4=%1 under [Ports] in %2, then "
                                      "give that port.")
                                 .arg(chosen->address, settingsstore::fileName()));
            return kFailure;
        }
        if (chosen->address.isEmpty() && (port = chosen->number) == 0)
            return usageError(console,
                              Text::tr("The port \"%1\" is not one of COM1 to COM9.").arg(value));
        rest.remove(i, rest[i] == QLatin1String("--port") ? 2 : 1);
        --i;
    }
    const qsizetype wanted = action.isEmpty() ? 0 : action == QLatin1String("rename") ? 2 : 1;
    if (!action.isEmpty() && !actions.contains(action))
        return usageError(console, Text::tr("units does not know \"%1\"; it takes add, rename or "
                                            "remove.")
                                       .arg(action));
    if (rest.size() != wanted)
        return usageError(console, action.isEmpty() ? Text::tr("Name at most one directory.")
                                   : action == QLatin1String("rename")
                                       ? Text::tr("units rename needs the old and the new "
                                                  "name.")
                                       : Text::tr("units %1 needs the unit's name.").arg(action));
    if (action == QLatin1String("add") && port == 0)
        return usageError(console, Text::tr("units add needs --port COM1 to COM9."));
    if (port != 0 && action != QLatin1String("add") && action != QLatin1String("rename"))
        return usageError(console, Text::tr("Only units add and rename take --port."));

    const std::optional<store::Location> folder = dataFolder(named, false, building, console);
    if (!folder)
        return kFailure;
    const std::optional<QString> dir = existingDirectory(*folder, console);
    if (!dir)
        return kFailure;
    const QString path = database::pathIn(*dir, schema::kDirectoryFile);
    if (store::Location::missing(path)) {
        say(console.err, Text::tr("There is no room file %1; create it with: quorvane-db "
                                  "init %2")
                             .arg(path, *dir));
        return kFailure;
    }
    Outcome changed = Outcome::success();
    if (action == QLatin1String("add"))
        changed = doorunits::add(path, rest[0], port);
    else if (action == QLatin1String("rename"))
        changed = doorunits::rename(path, rest[0], rest[1], port);
    else if (action == QLatin1String("remove"))
        changed = doorunits::remove(path, rest[0]);
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

} // namespace dbtool
