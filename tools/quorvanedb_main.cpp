#include "companionlanguage.h"
#include "dbarguments.h"
#include "dbprompt.h"
#include "dbtool.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <memory>
#include <string_view>
#include <unistd.h>

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
    dbtool::restoreTerminalOnSignals();
    dbtool::Console console{in, out, err, ::isatty(STDIN_FILENO) == 1, dbtool::setTerminalEcho};
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (const Outcome chosen = companion::chooseLanguage("quorvane-db", arguments); !chosen)
        return dbtool::usageError(console, chosen.description());
    return dbtool::run(arguments, console);
}
