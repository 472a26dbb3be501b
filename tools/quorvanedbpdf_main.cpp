#include "dbtool.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    // quorvane-db's commands with the room list's PDF, which lays out text
    // and so needs fonts and Qt Gui, never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return dbtool::runCompanion("quorvane-db", dbtool::writeRoomListPdf);
}
