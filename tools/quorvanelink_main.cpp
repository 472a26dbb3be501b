#include "linktool.h"
#include "posixserialport.h"
#include "sleepingpauser.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <pwd.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_stop = 0;

void onStop(int signalNumber)
{
    g_stop = signalNumber;
}

QString operatorName()
{
    if (const passwd* entry = ::getpwuid(::geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Caught, so a stop lets the command release the port and say how far it got.
    struct sigaction action = {};
    action.sa_handler = onStop;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : {SIGINT, SIGTERM})
        sigaction(signalNumber, &action, nullptr);

    QTextStream out(stdout);
    QTextStream err(stderr);
    linktool::Console console{out, err, ::isatty(STDERR_FILENO) == 1};
    PosixSerialPort port;
    SleepingPauser pauser;
    linktool::Environment environment{port, pauser, &g_stop, operatorName()};
    return linktool::run(QCoreApplication::arguments().mid(1), console, environment);
}
