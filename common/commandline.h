#pragma once

#include <QStringList>

#include <functional>
#include <optional>
#include <variant>

// Long options in GNU form for the command-line tools: "--name value",
// "--name=value", and "--" ending the options; everything else is positional.
namespace commandline {

// Whether an option takes a value; a text refuses the option and says why.
enum class Takes { Nothing, Value };
using Kind = std::variant<Takes, QString>;

// Goes through the arguments in order. kind(option, valueAttached) decides
// each option; take(option, value) receives it (no value for a flag) and
// returns a refusal or an empty text. The first refusal ends the walk.
inline QString
walk(const QStringList& arguments, QStringList& positional,
     const std::function<Kind(const QString&, bool)>& kind,
     const std::function<QString(const QString&, const std::optional<QString>&)>& take)
{
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QStringLiteral("--"))) {
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
                return QStringLiteral("The option %1 needs a value.").arg(option);
            value = arguments[++i];
        }
        if (const QString refusal = take(option, value); !refusal.isEmpty())
            return refusal;
    }
    return {};
}

} // namespace commandline
