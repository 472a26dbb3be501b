#pragma once

#include "commandline.h"
#include "linkresult.h"
#include "pauser.h"
#include "serialport.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <csignal>
#include <functional>
#include <memory>

// The companion quorvane-link: sends the settings, the room directory and
// Load Default from the command line, through the program's own link
// commands, and examines the serial ports. The serial device, the pauses
// and the streams are handed in, so tests run it over a pseudo-terminal
// with recorded pauses.
namespace linktool {

// The companion's texts go through the catalogue under the context "linktool".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(linktool)
};

enum ExitCode { kComplete = 0, kRefused = 1, kStopped = 2, kUsage = commandline::kUsageError };

struct Console
{
    QTextStream& out;
    QTextStream& err;
    // The error stream is a terminal: progress is one bar redrawn in place;
    // otherwise it is plain lines, one a batch.
    bool terminal = false;
};

struct Environment
{
    SerialPort& port;
    Pauser& pauser;
    // Set by SIGINT, SIGTERM or SIGHUP (the signal number): the download stops before
    // its next record, the pause under way cut short.
    const volatile std::sig_atomic_t* stop = nullptr;
    // Whom the transfer record in the folder's room file names (the
    // operating-system user).
    QString operatorName;
    // A device and pauses for each door unit (given its COM number) when
    // several are sent to at once; by default a serial device and sleeping pauses.
    std::function<std::unique_ptr<SerialPort>(int)> newPort = {};
    std::function<std::unique_ptr<Pauser>(int)> newPauser = {};
};

QString usage();
// One command's help, with what every command shares; the whole help for a
// command it does not know.
QString usage(const QString& command);

// Runs one command line (without the program name) and returns the exit status.
int run(const QStringList& arguments, Console& console, Environment& environment);

} // namespace linktool
