#pragma once

#include "commandline.h"
#include "language.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

// The companions speak the operator's language as the program does: the
// locale's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), or the one that
// "--language CODE" names anywhere before "--".
namespace companion {

// Takes --language out of the arguments and installs its catalogue, or the
// locale's. Refuses the option without a code; a code without a catalogue
// is told on stderr and the texts stay the program's own.
inline Outcome chooseLanguage(const char* program, QStringList& arguments)
{
    QString code;
    bool named = false;
    if (Outcome taken = commandline::takeOut(arguments, {QStringLiteral("--language")},
                                             [&](const QString&, const QString& value) {
                                                 code = value;
                                                 named = true;
                                                 return Outcome::success();
                                             });
        !taken)
        return taken;
    const QString loaded = language::install(code);
    if (named && code.isEmpty())
        return Outcome::failure(QCoreApplication::translate(
            "companion", "--language needs a code, such as en or zh_CN."));
    if (named && loaded.isEmpty())
        std::fprintf(stderr, "%s: %s\n", program,
                     qPrintable(QCoreApplication::translate(
                                    "companion", "no catalogue for the language '%1' in %2; the "
                                                 "texts stay as they are.")
                                    .arg(code, language::folders().join(QStringLiteral(" or ")))));
    return Outcome::success();
}

} // namespace companion
