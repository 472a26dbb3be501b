#pragma once

#include "changerecord.h"
#include "commandline.h"
#include "location.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <functional>
#include <optional>

// The companion quorvane-db: prepares the program's two database files,
// adds operators and examines the files. It talks through a Console, so
// tests hand in their own streams and directories.
namespace dbtool {

// The companion's texts go through the catalogue under the context "dbtool".
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(dbtool)
};

struct Console
{
    QTextStream& in;
    QTextStream& out;
    QTextStream& err;
    // True when a person types at a terminal: prompts are shown, the PIN is
    // read without echo and asked twice, and a refused entry is asked again.
    // Otherwise lines are read as they come, so scripts can pipe them.
    bool interactive = false;
    // Turns the terminal's echo off (false) and on again (true).
    std::function<void(bool)> setEcho;
};

struct OperatorEntry
{
    std::optional<QString> name;
    std::optional<QString> pin;
};

// Writes one line and flushes it, so prompts and messages keep their order.
void say(QTextStream& stream, const QString& text);

enum ExitCode { kSuccess = 0, kFailure = 1, kUsage = commandline::kUsageError };

QString usage();
// One command's help, with what every command shares; the whole help for a
// command it does not know.
QString usage(const QString& command);

// Writes the room directory of location to the file pdf as the printed room
// list and says so; the exit status. Qt Gui lays the pages out, which no
// other command needs, so the program hands the writer in: quorvane-db one
// that hands the command over to quorvane-db-pdf, which loads Qt Gui and
// hands in writeRoomListPdf.
using RoomListWriter =
    std::function<int(const store::Location& location, const QString& pdf, Console& console)>;
int writeRoomListPdf(const store::Location& location, const QString& pdf, Console& console);
// Runs the command line argv gives in quorvane-db-pdf, beside this program,
// in place of this process; returns only when it cannot, having said why.
int handOverToPdfWriter(char** argv, Console& console);

// Runs one command line (without the program name) and returns the exit status.
int run(const QStringList& arguments, Console& console, const RoomListWriter& writeRoomList);
// The whole companion as a program starts it, once its application exists:
// the console on the standard streams, the language, the command line.
int runCompanion(const char* program, const RoomListWriter& writeRoomList);

// A building named on the command line or in the environment; nothing when
// neither names one, and a folder or the settings decide.
using Building = std::optional<store::Location>;

int init(const store::Location& location, const OperatorEntry& given, Console& console);
int addOperator(const store::Location& location, const OperatorEntry& given, Console& console);
int check(const QString& directory, Console& console);
// What was sent to the door unit, newest first; how the directory differs
// from the last complete download (0 up to date, 1 differs, 2 error).
int history(const QStringList& arguments, const store::Location& location, Console& console);
int changes(const QStringList& arguments, const store::Location& location, Console& console);
// The building's door units: listed, added, renamed, removed (dbunits.cpp).
int units(const QStringList& arguments, const Building& building, Console& console);

// Who the change record names for what the companion changes: the OS user,
// on this PC.
changerecord::Actor companionActor();
// The change record of both files, filtered, newest first; or pruned.
int audit(const QStringList& arguments, const store::Location& location, Console& console);
// A building on a database server (dbserver.cpp): preparing and examining
// it, and copying a data folder into it.
int initBuilding(const store::Location& building, const OperatorEntry& given, Console& console);
int checkBuilding(const store::Location& building, Console& console);
// Whether the building is on the server and this login may read it, or why
// not; buildingThere says why.
Outcome buildingSeen(const store::Location& building);
bool buildingThere(const store::Location& building, Console& console);
int migrate(QStringList arguments, Console& console);

// Room files and backups (dbexchange.cpp).
bool isExchangeCommand(const QString& command);
int runExchange(const QString& command, const QStringList& arguments, const Building& building,
                Console& console, const RoomListWriter& writeRoomList);

} // namespace dbtool
