#pragma once

#include "linkresult.h"
#include "pauser.h"
#include "serialport.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

#include <csignal>

// The companion quorvane-link: sends the settings, the room directory and
// Load Default from the command line, through the program's own link
// commands, and examines the serial ports. The serial device, the pauses
// and the streams are handed in, so tests run it over a pseudo-terminal
// with recorded pauses.
namespace linktool {

enum ExitCode { kComplete = 0, kRefused = 1, kStopped = 2, kUsage = 64 };

// Where a transfer's start and end are written down (the transfer record in
// the room file), with the operating-system user as the operator. Nothing is
// written without one.
class TransferRecorder
{
public:
    virtual ~TransferRecorder() = default;
    // Just before the first byte.
    virtual void started(LinkResult::Command command, int port, const QString& dataFolder,
                         const QString& operatorName) = 0;
    // After the last byte, or where the transfer stopped.
    virtual void ended(const LinkResult& result) = 0;
};

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
    // Set by SIGINT or SIGTERM (the signal number): the download stops before
    // its next record, the pause under way cut short.
    const volatile std::sig_atomic_t* stop = nullptr;
    TransferRecorder* recorder = nullptr;
    QString operatorName;
};

QString usage();

// Runs one command line (without the program name) and returns the exit status.
int run(const QStringList& arguments, Console& console, Environment& environment);

} // namespace linktool
