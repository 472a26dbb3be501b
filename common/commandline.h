#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTextStream>

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

// Goes through the arguments in order. kind(option, valueAttached) decides
// each option; take(option, value) receives it (no value for a flag) and
// returns a refusal or an empty text. The first refusal ends the walk.
inline QString
walk(const QStringList& arguments, QStringList& positional,
     const std::function<Kind(const QString&, bool)>& kind,
     const std::function<QString(const QString&, const std::optional<QString>&)>& take,
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
        QString option = argument;
        std::optional<QString> value;
        if (const qsizetype equals = argument.indexOf(QLatin1Char('=')); equals > 0) {
            option = argument.left(equals);
            value = argument.mid(equals + 1);
        }
        const Kind decided = kind(option, value.has_value());
        if (const QString* refusal = std::get_if<QString>(&decided))
            return *refusal;
        if (std::get<Takes>(decided) == Takes::Value && !value) {
            if (i + 1 >= arguments.size())
                return QCoreApplication::translate("commandline", "The option %1 needs a value.")
                    .arg(option);
            value = arguments[++i];
        }
        if (const QString refusal = take(option, value); !refusal.isEmpty())
            return refusal;
    }
    return {};
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
