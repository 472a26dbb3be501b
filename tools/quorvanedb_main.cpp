#include "dbtool.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <csignal>
#include <cstdio>
#include <memory>
#include <string_view>
#include <termios.h>
#include <unistd.h>

namespace {

termios g_savedTerminal;
volatile std::sig_atomic_t g_echoOff = 0;

// Ctrl+C while the PIN is typed must not leave the terminal without echo.
void restoreTerminalAndStop(int signalNumber)
{
    if (g_echoOff)
        ::tcsetattr(STDIN_FILENO, TCSANOW, &g_savedTerminal);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void setEcho(bool on)
{
    if (!on) {
        if (::tcgetattr(STDIN_FILENO, &g_savedTerminal) != 0)
            return;
        termios quiet = g_savedTerminal;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        g_echoOff = 1;
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    } else if (g_echoOff) {
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_savedTerminal);
        g_echoOff = 0;
    }
}

} // namespace

int main(int argc, char** argv)
{
    // The room list's PDF lays out text, which needs fonts and so Qt Gui,
    // never a display: the other commands keep to Qt Core.
    bool pdf = false;
    for (int i = 1; i < argc; ++i)
        pdf = pdf || std::string_view(argv[i]) == "--pdf";
    if (pdf)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        pdf ? std::make_unique<QGuiApplication>(argc, argv)
            : std::make_unique<QCoreApplication>(argc, argv);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        std::signal(signalNumber, restoreTerminalAndStop);
    dbtool::Console console{in, out, err, ::isatty(STDIN_FILENO) == 1, setEcho};
    return dbtool::run(QCoreApplication::arguments().mid(1), console);
}
