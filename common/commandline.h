#pragma once

#include "outcome.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

#include <QList>

#include <functional>
#include <optional>
#include <variant>

// Long options in GNU form for the command-line tools: "--name value",
// "--name=value", and "--" ending the options; everything else is positional.
namespace commandline {

// What every command of the program returns for arguments it cannot use
// (EX_USAGE, as sysexits.h names it).
constexpr int kUsageError = 64;

// Whether an option takes a value; a text refuses the option and says why.
enum class Takes { Nothing, Value };
using Kind = std::variant<Takes, QString>;

// Which arguments are options: only those with two dashes, or also those with
// one ("-h", and the single-dash words Qt takes for itself, such as "-style").
enum class Dashes { Two, OneOrTwo };

inline bool isOption(const QString& argument, Dashes dashes)
{
    if (dashes == Dashes::Two)
        return argument.startsWith(QLatin1String("--"));
    return argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
}

// The option's name without its dashes, as the messages quote it.
inline QString bareName(const QString& option)
{
    qsizetype dashes = 0;
    while (dashes < option.size() && dashes < 2 && option[dashes] == QLatin1Char('-'))
        ++dashes;
    return option.mid(dashes);
}

// "--name=value" split at its first "=" (no value for "--name" alone).
inline std::pair<QString, std::optional<QString>> split(const QString& argument)
{
    if (const qsizetype equals = argument.indexOf(QLatin1Char('=')); equals > 0)
        return {argument.left(equals), argument.mid(equals + 1)};
    return {argument, std::nullopt};
}

// Goes through the arguments in order. kind(option, valueAttached) decides
// each option; take(option, value) receives it (no value for a flag) and
// may refuse it. The first refusal ends the walk.
inline Outcome
walk(const QStringList& arguments, QStringList& positional,
     const std::function<Kind(const QString&, bool)>& kind,
     const std::function<Outcome(const QString&, const std::optional<QString>&)>& take,
     Dashes dashes = Dashes::Two)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !isOption(argument, dashes)) {
            positional << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        auto [option, value] = split(argument);
        const Kind decided = kind(option, value.has_value());
        if (const QString* refusal = std::get_if<QString>(&decided))
            return Outcome::failure(*refusal);
        if (std::get<Takes>(decided) == Takes::Value && !value) {
            if (i + 1 >= arguments.size())
                return Outcome::failure(
                    QCoreApplication::translate("commandline", "The option %1 needs a value.")
                        .arg(option));
            value = arguments[++i];
        }
        if (Outcome taken = take(option, value); !taken)
            return taken;
    }
    return Outcome::success();
}

// Takes the options named in names, each with the value after it or after its
// "=", out of the arguments wherever they stand before "--", and leaves the
// rest in their order for the command's own walk. take(option, value) receives
// each (an empty value when none follows) and may refuse it; the first
// refusal ends the walk.
inline Outcome takeOut(QStringList& arguments, const QStringList& names,
                       const std::function<Outcome(const QString&, const QString&)>& take)
{
    QStringList kept;
    qsizetype i = 0;
    for (; i < arguments.size() && arguments[i] != QLatin1String("--"); ++i) {
        auto [option, value] = split(arguments[i]);
        if (!names.contains(option)) {
            kept << arguments[i];
            continue;
        }
        if (!value)
            value = ++i < arguments.size() ? arguments[i] : QString();
        if (Outcome taken = take(option, *value); !taken)
            return taken;
    }
    arguments = kept + arguments.mid(i);
    return Outcome::success();
}

// Says what was not understood, when there is something to say, and where the
// help is, on the error stream; returns the usage status.
inline int usageError(QTextStream& err, const QString& program, const QString& reason)
{
    if (!reason.isEmpty())
        err << reason << '\n';
    err << QCoreApplication::translate("commandline", "Try '%1 --help' for more information.")
               .arg(program)
        << '\n';
    err.flush();
    return kUsageError;
}

// One command's part of a companion's help: its forms and what it does.
struct CommandHelp
{
    QLatin1String command;
    QString text;
};

// A companion's whole help: what it is, each command's part, the options every
// command takes and the notes every command shares.
inline QString help(const QString& program, const QString& about,
                    const QList<CommandHelp>& commands, const QString& notes)
{
    QString text =
        QCoreApplication::translate("commandline", "Usage: %1 COMMAND [DIR] [OPTION]...\n")
            .arg(program) +
        about + u'\n';
    for (const CommandHelp& command : commands)
        text += command.text;
    text += QCoreApplication::translate(
        "commandline",
        "  COMMAND --help\n"
        "      Shows the help of that command alone.\n"
        "  --help     display this help and exit\n"
        "  --version  output version information and exit\n"
        "  --language CODE\n"
        "      Shows the texts in this language (en, zh_CN) instead of the locale's\n"
        "      (LANGUAGE, LC_ALL, LC_MESSAGES, LANG); with any command.\n");
    return text + notes;
}

// One command's help with the notes every command shares; the whole help for a
// command the companion does not know.
inline QString help(const QString& program, const QString& about,
                    const QList<CommandHelp>& commands, const QString& notes,
                    const QString& command)
{
    QString text;
    for (const CommandHelp& each : commands) {
        if (each.command == command)
            text += each.text;
    }
    if (text.isEmpty())
        return help(program, about, commands, notes);
    return QCoreApplication::translate("commandline", "Usage of %1 %2:\n").arg(program, command) +
           text + notes;
}

// Whether the arguments ask for help ("--help" or "-h") before "--", passing
// over the value of each option in valueOptions.
inline bool asksForHelp(const QStringList& arguments, const QStringList& valueOptions)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--"))
            return false;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h"))
            return true;
        if (valueOptions.contains(argument))
            ++i;
    }
    return false;
}

// Answers "--help", "-h" or "help" with the usage, and "--version" with the
// program's name and version; false for any other command.
inline bool answersHelpOrVersion(const QString& command, const QString& program,
                                 const QString& usage, QTextStream& out)
{
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help"))
        out << usage;
    else if (command == QLatin1String("--version"))
        out << program << QStringLiteral(" " QUORVANE_VERSION "\n");
    else
        return false;
    out.flush();
    return true;
}

} // namespace commandline
