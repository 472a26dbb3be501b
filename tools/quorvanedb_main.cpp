#include "dbprompt.h"
#include "dbtool.h"

#include <QCoreApplication>

#include <unistd.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    dbtool::restoreTerminalOnSignals();
    dbtool::Console console{in, out, err, ::isatty(STDIN_FILENO) == 1, dbtool::setTerminalEcho};
    return dbtool::run(QCoreApplication::arguments().mid(1), console);
}
