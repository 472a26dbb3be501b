#include "boxmessagesink.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setOrganizationName(QStringLiteral("Quorvane"));
    // The dialogs stay hidden rather than closed; only the end of the main
    // window ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    BoxMessageSink messages;
    return startup::run(QCoreApplication::applicationDirPath(), messages);
}
