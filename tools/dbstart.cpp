#include "dbtool.h"

#include "companionlanguage.h"
#include "dbarguments.h"
#include "dbprompt.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <unistd.h>

namespace dbtool {

int handOverToPdfWriter(char** argv, Console& console)
{
    const QString writer = QDir::cleanPath(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(QUORVANE_PDF_WRITER)));
    console.out.flush();
    console.err.flush();
    ::execv(QFile::encodeName(writer).constData(), argv);
    //: %1 is the program that writes the room list's PDF, %2 why it cannot be run
    say(console.err, Text::tr("The room list's PDF is written by %1, which cannot be run (%2). "
                              "Install Quorvane again.")
                         .arg(writer, qt_error_string(errno)));
    return kFailure;
}

int runCompanion(const char* program, const RoomListWriter& writeRoomList)
{
    QTextStream in(stdin);
    QTextStream out(stdout);
    QTextStream err(stderr);
    restoreTerminalOnSignals();
    Console console{in, out, err, ::isatty(STDIN_FILENO) == 1, setTerminalEcho};
    QStringList arguments = QCoreApplication::arguments().mid(1);
    if (const Outcome chosen = companion::chooseLanguage(program, arguments); !chosen)
        return usageError(console, chosen.description());
    return run(arguments, console, writeRoomList);
}

} // namespace dbtool
