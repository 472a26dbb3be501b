#include "linktool.h"

#include "linkall.h"
#include "linkconsole.h"
#include "linkkeep.h"

#include "commandline.h"
#include "connectcontroller.h"
#include "connectsettings.h"
#include "database.h"
#include "datafolder.h"
#include "directorydownload.h"
#include "doorunits.h"
#include "linkmessages.h"
#include "loaddefault.h"
#include "location.h"
#include "networkserialport.h"
#include "portdoctor.h"
#include "portfactory.h"
#include "roomdirectoryview.h"
#include "seriallink.h"
#include "settingsstore.h"
#include "transferrecorder.h"

#include <QFileInfo>
#include <QSettings>

#include <optional>

namespace linktool {

namespace {

using Command = LinkResult::Command;
using Kind = LinkResult::Kind;

struct Options
{
    QString directory;
    // The building named on the command line or in the environment.
    std::optional<store::Location> building;
    int port = 0;
    QString address; // a device server named directly, in place of a COM port
    std::optional<QString> openTime;
    bool autoAnswer = false;
    bool autoOpen = false;
    QString unit;     // a download to the door unit of that name
    bool all = false; // a download to every door unit at once
};

// "0" to "255" and nothing else: no sign, fraction, exponent or word.
bool wholeSeconds(const QString& text)
{
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 3)
        return false;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return digits.toInt() <= 255;
}

Expected<Options> parse(const QString& command, const QStringList& arguments)
{
    Options options;
    const bool settings = command == QLatin1String("send-settings");
    const bool download = command == QLatin1String("download");
    QStringList positional;
    const auto isFlag = [&](const QString& option) {
        return ((option == QLatin1String("--auto-answer") ||
                 option == QLatin1String("--auto-open")) &&
                settings) ||
               (option == QLatin1String("--all") && download);
    };
    const Outcome walked = commandline::walk(
        arguments, positional,
        [&](const QString& option, bool valueAttached) -> commandline::Kind {
            if (isFlag(option) && !valueAttached)
                return commandline::Takes::Nothing;
            if (option != QLatin1String("--port") &&
                !(settings && option == QLatin1String("--open-time")) &&
                !(download && option == QLatin1String("--unit")))
                return Text::tr("%1 does not take the option %2.").arg(command, option);
            return commandline::Takes::Value;
        },
        [&](const QString& option, const std::optional<QString>& value) {
            if (!value && option == QLatin1String("--all")) {
                options.all = true;
            } else if (!value) {
                (option == QLatin1String("--auto-answer") ? options.autoAnswer : options.autoOpen) =
                    true;
            } else if (option == QLatin1String("--unit")) {
                options.unit = *value;
            } else if (option == QLatin1String("--open-time")) {
                options.openTime = value;
            } else if (const Expected<PortChoice> chosen = choosePort(*value); !chosen) {
                return chosen.outcome();
            } else if (options.port = chosen->number, options.address = chosen->address;
                       options.port == 0 && options.address.isEmpty()) {
                return Outcome::failure(
                    Text::tr("The port \"%1\" is not one of COM1 to COM9.").arg(*value));
            }
            return Outcome::success();
        });
    if (!walked)
        return walked;
    const auto refused = [](const QString& why) { return Expected<Options>::failure(why); };
    if (positional.size() > 1)
        return refused(Text::tr("Name at most one data folder."));
    options.directory = positional.value(0);
    const bool portGiven = options.port != 0 || !options.address.isEmpty();
    if (download && int(portGiven) + int(!options.unit.isEmpty()) + int(options.all) > 1)
        return refused(Text::tr("download takes one of --port, --unit and --all."));
    if (download && !portGiven && options.unit.isEmpty() && !options.all)
        return refused(Text::tr("download needs --port COM1 to COM9, --unit NAME or --all."));
    if (!portGiven && !download)
        return refused(Text::tr("%1 needs --port COM1 to COM9.").arg(command));
    if (settings && !options.openTime)
        return refused(Text::tr("send-settings needs --open-time SECONDS."));
    return options;
}

int usageError(Console& console, const QString& reason)
{
    return commandline::usageError(console.err, QStringLiteral("quorvane-link"),
                                   reason.isEmpty() ? reason
                                                    : QStringLiteral("quorvane-link: ") + reason);
}

TransferRecord::What whatOf(Command command)
{
    return command == Command::Settings      ? TransferRecord::What::Settings
           : command == Command::LoadDefault ? TransferRecord::What::LoadDefault
                                             : TransferRecord::What::Download;
}

// The door unit named, or the one on the port given (the first when none is);
// the port becomes the named unit's.
Expected<qint64> chosenUnit(Options& options, const store::Database& roomFile, bool recorded)
{
    qint64 unit = doorunits::kFirstUnit;
    if (!recorded && options.unit.isEmpty())
        return unit;
    const Expected<QList<DoorUnit>> units = doorunits::read(roomFile);
    if (!units)
        return units.outcome();
    if (!options.unit.isEmpty()) {
        const Expected<DoorUnit> named = doorunits::find(*units, options.unit);
        if (!named)
            return named.outcome();
        options.port = named->port;
        unit = named->id;
    }
    for (const DoorUnit& u : *units) {
        if (options.unit.isEmpty() && u.port == options.port)
            unit = u.id;
        // An address is the unit whose port leads to that device server.
        if (!options.address.isEmpty() &&
            NetworkSerialPort::sameServerKey(SerialLink::deviceFor(u.port)) ==
                NetworkSerialPort::sameServerKey(options.address))
            unit = u.id;
    }
    return unit;
}

int stopped(Console& console, const Environment& env, const LinkResult& result,
            const QString& where, qint64 written)
{
    complain(console, written == 0
                          ? Text::tr("Stopped by %1 before anything was sent; %2 is released.")
                                .arg(signalName(*env.stop), where)
                          : Text::tr("Stopped by %1 with %2 of %n rooms sent; %3 is "
                                     "released. The door unit holds only part of the directory: "
                                     "download again to send it whole.",
                                     nullptr, result.total)
                                .arg(signalName(*env.stop))
                                .arg(result.sent)
                                .arg(where));
    return kStopped;
}

QString doneText(Command command, const Options& options, const LinkResult& result,
                 const QString& where)
{
    switch (command) {
    case Command::Download:
        //: %1 is the result in the program's words, %2 the port and its device, such as
        //: "COM1 (/dev/ttyS0)".
        return Text::tr("%1: %n rooms sent to %2.", nullptr, result.total)
            .arg(linkResultText(result), where);
    case Command::Settings:
        return Text::tr("Settings sent to %1: open time %2 s, auto mode %3.")
            .arg(where)
            .arg(*connectsettings::openTime(*options.openTime))
            .arg(connectsettings::autoMode(options.autoAnswer ? Qt::Checked : Qt::Unchecked,
                                           options.autoOpen ? Qt::Checked : Qt::Unchecked));
    default:
        return Text::tr("Load Default sent to %1.").arg(where);
    }
}

// The room directory sent, its progress shown; a stop asked for ends it before its next room.
LinkResult download(SerialLink& link, StoppablePort& port, StoppablePauser& pauser,
                    RoomDirectoryView& rooms, Console& console)
{
    port.armed = pauser.armed = true;
    ProgressPrinter progress(console, link.lineSettings().baud);
    pauser.tick = [&] { progress.tick(); };
    LinkResult result = DirectoryDownload(
                            link, rooms, [&] { return rooms.currentRoom(); },
                            [&](const DirectoryDownload::Progress& p) { progress.update(p); })
                            .run();
    progress.finish();
    return result;
}

// The building or folder named, else the building the settings name, else
// the data folder.
Expected<store::Location> chosenLocation(std::optional<store::Location> building,
                                         const QString& directory)
{
    if (directory.isEmpty() && !building) {
        const Expected<std::optional<store::Location>> named = store::Location::fromSettings();
        if (!named)
            return named.outcome();
        building = *named;
    }
    return building              ? *building
           : directory.isEmpty() ? store::Location::folder(datafolder::resolve())
                                 : store::Location::folder(directory);
}

int sendCommand(Command command, Options options, Console& console, Environment& env)
{
    const Expected<store::Location> location = chosenLocation(options.building, options.directory);
    if (!location)
        return usageError(console, location.error());
    if (options.all)
        return sendAll(*location, console, env);
    const store::Database roomFile = location->database(schema::kDirectoryFile);
    const bool recorded = !location->lacks(schema::kDirectoryFile);
    const Expected<qint64> unit = chosenUnit(options, roomFile, recorded);
    if (!unit) {
        complain(console, Text::tr("Nothing was sent: %1").arg(unit.error()));
        return kRefused;
    }
    StoppablePort port(env.port, env);
    StoppablePauser pauser(env.pauser, env);
    SerialLink link(port, pauser);
    // Recorded as the program records it, in the folder's room file when there is one.
    if (recorded)
        link.setRecording({roomFile, env.operatorName, {}, *unit});
    // Refusals are recorded as the program records them.
    const auto refuse = [&](const LinkResult& refused, const QString& text) {
        const LinkResult recorded = TransferRecorder(link, whatOf(command)).refused(refused);
        complain(console, text);
        noteRecord(console, recorded);
        return kRefused;
    };
    // The program reads what the open time box begins with; a command line is
    // held to a whole number of seconds, so a slip ("nan", "2.5") never goes
    // out as another time.
    if (options.openTime && !wholeSeconds(*options.openTime)) {
        LinkResult bad = LinkResult::of(command, Kind::BadOpenTime, options.openTime->trimmed());
        return refuse(bad, describe(bad, {}, {}));
    }
    RoomDirectoryView rooms;
    if (command == Command::Download) {
        if (Outcome opened = rooms.openIn(*location); !opened) {
            complain(console, Text::tr("Nothing was sent: %1").arg(opened.description()));
            return kRefused;
        }
    }
    if (stopAsked(env))
        return stoppedBeforeSending(console, env);

    ConnectController controller(link);
    const LinkResult opened = controller.toggle(
        options.address.isEmpty() ? QStringLiteral("COM%1").arg(options.port) : options.address);
    if (!opened.done())
        return refuse(opened, describe(opened, link.device(), {}));
    const QString where = options.address.isEmpty()
                              ? QStringLiteral("COM%1 (%2)").arg(options.port).arg(link.device())
                              : options.address;

    LinkResult result =
        command == Command::Download ? download(link, port, pauser, rooms, console)
        : command == Command::Settings
            ? controller.sendSettings(*options.openTime,
                                      options.autoAnswer ? Qt::Checked : Qt::Unchecked,
                                      options.autoOpen ? Qt::Checked : Qt::Unchecked)
            : loadDefault(link);
    result.port = options.port;
    result.address = options.address;
    noteRecord(console, result);
    // Gives the device back with its earlier settings and without our hold.
    link.close();
    // The rooms were only read: closing has nothing to write.
    static_cast<void>(rooms.close());

    if (port.stoppedHere)
        return stopped(console, env, result, where, port.written);
    if (!result.done()) {
        complain(console, describe(result, link.device(), rooms.path().describe()));
        return exitFor(result);
    }
    say(console.err, doneText(command, options, result, where));
    return kComplete;
}

} // namespace

int run(const QStringList& arguments, Console& console, Environment& environment)
{
    if (arguments.isEmpty())
        return usageError(console, Text::tr("Name a command."));
    const QString command = arguments.first();
    QStringList rest = arguments.mid(1);
    // "help COMMAND" and "COMMAND --help" (or -h) show that command's help alone.
    if ((command == QLatin1String("help") && rest.size() == 1) ||
        commandline::asksForHelp(rest, valueOptions())) {
        console.out << usage(command == QLatin1String("help") ? rest.first() : command);
        console.out.flush();
        return kComplete;
    }
    if (commandline::answersHelpOrVersion(command, QStringLiteral("quorvane-link"), usage(),
                                          console.out))
        return kComplete;
    // Transfers are recorded in a building on a server when one is named.
    const Expected<std::optional<store::Location>> building =
        store::Location::fromCommandLine(rest);
    if (!building)
        return usageError(console, building.error());
    if (command == QLatin1String("ports")) {
        if (!rest.isEmpty())
            return usageError(console, Text::tr("ports takes no arguments."));
        console.out << portdoctor::reportText(
            portdoctor::examine(portdoctor::Roots{}, portdoctor::Identity::current()));
        console.out.flush();
        return kComplete;
    }
    if (command == QLatin1String("keep"))
        return keep(rest, *building, console, environment);
    const std::optional<Command> chosen =
        command == QLatin1String("send-settings")  ? std::optional(Command::Settings)
        : command == QLatin1String("download")     ? std::optional(Command::Download)
        : command == QLatin1String("load-default") ? std::optional(Command::LoadDefault)
                                                   : std::nullopt;
    if (!chosen)
        return usageError(console, Text::tr("Unknown command %1.").arg(command));
    Expected<Options> options = parse(command, rest);
    if (!options)
        return usageError(console, options.error());
    options->building = *building;
    return sendCommand(*chosen, *options, console, environment);
}

} // namespace linktool
