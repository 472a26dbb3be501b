#include "companionlanguage.h"
#include "linktool.h"
#include "portfactory.h"
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
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (const Outcome chosen = companion::chooseLanguage("quorvane-link", arguments); !chosen) {
        QTextStream err(stderr);
        return commandline::usageError(err, QStringLiteral("quorvane-link"),
                                       QStringLiteral("quorvane-link: ") + chosen.description());
    }
    // Caught, so a stop lets the command release the port, record how far it
    // got and say so; a closed terminal (SIGHUP) stops it as SIGTERM does.
    struct sigaction action = {};
    action.sa_handler = onStop;
    sigemptyset(&action.sa_mask);
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP})
        sigaction(signalNumber, &action, nullptr);
    // Telling how far it got must not kill it where nobody reads any more.
    std::signal(SIGPIPE, SIG_IGN);

    QTextStream out(stdout);
    QTextStream err(stderr);
    linktool::Console console{out, err, ::isatty(STDERR_FILENO) == 1};
    const std::unique_ptr<SerialPort> port = newSerialPort();
    SleepingPauser pauser;
    linktool::Environment environment{*port, pauser, &g_stop, operatorName()};
    return linktool::run(arguments, console, environment);
}
