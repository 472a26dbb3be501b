#include "dbtool.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    // Qt Core only: the room list's PDF, the one command that lays out text,
    // is handed over to quorvane-db-pdf, so no other command loads Qt Gui.
    QCoreApplication app(argc, argv);
    return dbtool::runCompanion(
        "quorvane-db", [argv](const store::Location&, const QString&, dbtool::Console& console) {
            return dbtool::handOverToPdfWriter(argv, console);
        });
}
