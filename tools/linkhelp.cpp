// The help of quorvane-link: each command's part and what every command shares.
#include "linkconsole.h"
#include "linkkeep.h"

namespace linktool {

namespace {

using commandline::CommandHelp;

QList<CommandHelp> commandHelp()
{
    return {
        {QLatin1String("send-settings"),
         Text::tr("  send-settings [DIR] --port PORT --open-time SECONDS [--auto-answer] "
                  "[--auto-open]\n"
                  "      Sends the door-open time (0 to 255 seconds) and the automatic modes.\n")},
        {QLatin1String("download"),
         Text::tr("  download [DIR] --port PORT | --unit NAME | --all\n"
                  "      Sends the whole room directory of DIR. Every room is checked first;\n"
                  "      when one cannot be sent, nothing is. --unit sends to the door unit of\n"
                  "      that name on its port (quorvane-db units lists them); --all to every\n"
                  "      door unit at once, a line of progress for each, and the status is 0\n"
                  "      only when every unit got the whole directory.\n")},
        {QLatin1String("load-default"),
         Text::tr("  load-default [DIR] --port PORT\n"
                  "      Tells the door unit to load its default settings.\n")},
        {QLatin1String("keep"), keepHelp()},
        {QLatin1String("ports"),
         Text::tr("  ports\n"
                  "      Shows COM1 to COM9 with the device each maps to, whether it exists,\n"
                  "      what it is, whether you may open it and who holds it; and the serial\n"
                  "      devices not mapped yet, with the line to add to the settings file.\n")},
    };
}

// What every command shares: the ports, the folder, signals, the server, the status.
QString commonNotes()
{
    return Text::tr(
        "\n"
        "PORT is COM1 to COM9, or a serial device server's address, tcp://HOST:PORT\n"
        "or rfc2217://HOST:PORT (an IPv6 address in brackets).\n"
        "COMn is mapped to a device as in Quorvane: [Ports] COMn in the settings file\n"
        "(~/.config/Quorvane/Quorvane.conf), else /dev/ttyS(n-1). The port is held\n"
        "exclusively while the command runs and given back as it was.\n"
        "Without DIR the data folder is the one Quorvane uses, the first of: the\n"
        "folder named by QUORVANE_DATA; the folder of this program when it holds\n"
        "either database file; $XDG_DATA_HOME/Quorvane (~/.local/share/Quorvane).\n"
        "\n"
        "Ctrl+C, SIGTERM or a closed terminal (SIGHUP) stops a download before its\n"
        "next room and releases the port; the settings and Load Default take under\n"
        "a second and go out whole.\n"
        "\n"
        "With --database URI and --building NAME (or QUORVANE_DATABASE and\n"
        "QUORVANE_BUILDING) the rooms are read from, and the transfer recorded in,\n"
        "that building on a PostgreSQL server.\n"
        "\n"
        "Exit status:\n"
        " 0  complete\n"
        " 1  refused: nothing was sent (no such port, a room that cannot be sent, ...)\n"
        " 2  stopped part-way, by a failure of the link or by a signal\n"
        " 64 the command line is not understood\n");
}

// The options whose value follows them: a value is never taken for --help.
} // namespace

const QStringList& valueOptions()
{
    static const QStringList options{QStringLiteral("--port"),     QStringLiteral("--open-time"),
                                     QStringLiteral("--unit"),     QStringLiteral("--database"),
                                     QStringLiteral("--building"), QStringLiteral("--quiet"),
                                     QStringLiteral("--hours")};
    return options;
}

namespace {

QString about()
{
    return Text::tr("Sends to the door unit what Quorvane sends, and examines the serial ports.\n");
}

} // namespace

QString usage()
{
    return commandline::help(QStringLiteral("quorvane-link"), about(), commandHelp(),
                             commonNotes());
}

QString usage(const QString& command)
{
    return commandline::help(QStringLiteral("quorvane-link"), about(), commandHelp(), commonNotes(),
                             command);
}

} // namespace linktool
