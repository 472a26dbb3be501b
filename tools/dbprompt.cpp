#include "dbprompt.h"

#include "schema.h"

#include <csignal>
#include <termios.h>
#include <unistd.h>

namespace dbtool {

namespace {

std::optional<QString> readLine(Console& console)
{
    QString line;
    if (!console.in.readLineInto(&line))
        return std::nullopt;
    // A line piped from a file written on Windows would otherwise keep its
    // carriage return as part of the name or PIN.
    if (!console.interactive && line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

// Prompts go with the messages to the error stream, so they reach the person
// at the terminal even when the report is redirected.
void prompt(Console& console, const QString& text)
{
    if (!console.interactive)
        return;
    console.err << text;
    console.err.flush();
}

// Reads a PIN with the terminal's echo off, turning it on again however the
// read ends.
std::optional<QString> readSecret(Console& console, const QString& question)
{
    prompt(console, question);
    if (!console.interactive || !console.setEcho)
        return readLine(console);
    console.setEcho(false);
    std::optional<QString> line = readLine(console);
    console.setEcho(true);
    // The Enter key was not echoed either.
    say(console.err, QString());
    return line;
}

std::optional<QString> askName(const OperatorEntry& given, const QStringList& taken,
                               Console& console)
{
    if (given.name) {
        if (const Outcome named = databasesetup::checkName(*given.name, taken); !named) {
            say(console.err, named.description());
            return std::nullopt;
        }
        return given.name;
    }
    for (;;) {
        prompt(console,
               Text::tr("Operator name (at most %1 characters): ").arg(schema::kOperatorWidth));
        const std::optional<QString> name = readLine(console);
        if (!name) {
            say(console.err, Text::tr("No operator name was given."));
            return std::nullopt;
        }
        const Outcome named = databasesetup::checkName(*name, taken);
        if (named)
            return name;
        say(console.err, named.description());
        if (!console.interactive)
            return std::nullopt;
    }
}

std::optional<QString> askPin(const OperatorEntry& given, Console& console)
{
    if (given.pin) {
        if (const Outcome usable = databasesetup::checkPin(*given.pin); !usable) {
            say(console.err, usable.description());
            return std::nullopt;
        }
        return given.pin;
    }
    for (;;) {
        const std::optional<QString> pin = readSecret(
            console,
            Text::tr("PIN (at most %1 characters, not shown): ").arg(schema::kOperatorWidth));
        if (!pin) {
            say(console.err, Text::tr("No PIN was given."));
            return std::nullopt;
        }
        if (const Outcome usable = databasesetup::checkPin(*pin); !usable) {
            say(console.err, usable.description());
            if (!console.interactive)
                return std::nullopt;
            continue;
        }
        if (!console.interactive)
            return pin;
        // Typed unseen, a slip would lock the operator out: ask once more.
        const std::optional<QString> again = readSecret(console, Text::tr("PIN again: "));
        if (!again) {
            say(console.err, Text::tr("No PIN was given."));
            return std::nullopt;
        }
        const Outcome same = databasesetup::checkPinAgain(*pin, *again);
        if (same)
            return pin;
        say(console.err, same.description());
    }
}

termios g_savedTerminal;
volatile std::sig_atomic_t g_echoOff = 0;

void restoreTerminalAndStop(int signalNumber)
{
    if (g_echoOff)
        ::tcsetattr(STDIN_FILENO, TCSANOW, &g_savedTerminal);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

} // namespace

std::optional<Operator> askOperator(const OperatorEntry& given, const QStringList& taken,
                                    Console& console)
{
    const std::optional<QString> name = askName(given, taken, console);
    if (!name)
        return std::nullopt;
    const std::optional<QString> pin = askPin(given, console);
    if (!pin)
        return std::nullopt;
    return Operator{*name, *pin};
}

void setTerminalEcho(bool on)
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

void restoreTerminalOnSignals()
{
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
        std::signal(signalNumber, restoreTerminalAndStop);
}

} // namespace dbtool
