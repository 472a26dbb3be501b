#include "dbtool.h"

#include "commandline.h"
#include "connection.h"
#include "database.h"
#include "databasesetup.h"
#include "datafolder.h"
#include "dbarguments.h"
#include "dbfiles.h"
#include "dbprompt.h"
#include "dbsql.h"
#include "pinhash.h"
#include "schema.h"
#include "serversetup.h"
#include "transaction.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <sys/stat.h>

namespace dbtool {

void say(QTextStream& stream, const QString& text)
{
    stream << text << '\n';
    stream.flush();
}

namespace {

void warnIfExposed(const QString& path, Console& console)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return;
    if (const QString others = exposure(st.st_mode); !others.isEmpty()) {
        say(console.err,
            //: %1 is what they may do ("read", "change", "read and change"), %2 the file, %3 its
            //: mode such as 0644, %4 the file as a shell word.
            Text::tr("Warning: other users may %1 %2 (mode %3). Make it private "
                     "with: chmod 600 %4")
                .arg(others, path, modeText(st.st_mode), database::shellQuoted(path)));
    }
}

} // namespace

namespace {

using commandline::CommandHelp;

QList<CommandHelp> commandHelp()
{
    return {
        {QLatin1String("init"),
         Text::tr("  init [DIR] [--operator NAME --pin PIN]\n"
                  "      Creates user_password.mdb with the first operator and\n"
                  "      Inhabitant_telnum.mdb with an empty room directory. Only you may\n"
                  "      read them. A file that already exists is left untouched.\n")},
        {QLatin1String("add-operator"),
         Text::tr("  add-operator [DIR] [--operator NAME --pin PIN]\n"
                  "      Adds an operator to user_password.mdb.\n")},
        {QLatin1String("check"),
         Text::tr("  check [DIR]\n"
                  "      Examines both files and reports what is wrong with them.\n")},
        {QLatin1String("import"),
         Text::tr("  import [DIR] FILE [--dry-run] [--replace]\n"
                  "      Reads a room list (CSV from a spreadsheet, comma or semicolon, a header\n"
                  "      naming Room, TEL1, TEL2, TEL3 or these four columns in order) into the\n"
                  "      room directory. Prints each row that is not ok and a summary. Nothing is\n"
                  "      written while a row has an error; otherwise all rows in one go. A room\n"
                  "      already there gets the file's numbers; --replace makes the directory\n"
                  "      exactly the file. --dry-run only judges the rows.\n"
                  "      Exit status: 0 written (or judged without errors), 1 refused because of\n"
                  "      errors in the file, 2 any other failure.\n")},
        {QLatin1String("export"),
         Text::tr(
             "  export [DIR] [FILE|-]\n"
             "      Writes the room directory as CSV (to the screen without FILE). Values are\n"
             "      quoted: tell the spreadsheet to take quoted fields as text so leading\n"
             "      zeros and \"+\" survive.\n"
             "  export [DIR] --pdf FILE\n"
             "      Writes the room list as a PDF for the building's handover file: the\n"
             "      rooms and their numbers, the date, and the last complete download.\n")},
        {QLatin1String("backup"),
         Text::tr("  backup [DIR] FILE\n"
                  "      Copies both databases into one file, safely while Quorvane runs.\n")},
        {QLatin1String("restore"),
         Text::tr(
             "  restore [DIR] FILE\n"
             "      Puts both databases of a backup back, keeping the files it replaces as\n"
             "      NAME.before-restore-DATE. Refused while another program writes to them.\n")},
        {QLatin1String("migrate"),
         Text::tr("  migrate FOLDER --database URI --building NAME\n"
                  "      Copies a data folder's rooms, operators (their PINs as digests) and\n"
                  "      transfer record into a building on a PostgreSQL server, all or nothing,\n"
                  "      and prints what it read back.\n")},
        {QLatin1String("history"),
         Text::tr("  history [DIR] [--unit NAME] [--limit N] [--json]\n"
                  "      Lists what was sent to the door unit, newest first.\n")},
        {QLatin1String("changes"),
         Text::tr("  changes [DIR] [--unit NAME] [--json]\n"
                  "      Lists the rooms that differ from the last complete download; exit\n"
                  "      status 0 when the door unit is up to date, 1 when it differs. With\n"
                  "      several door units and no --unit, each unit is reported, and the\n"
                  "      status is 1 when any of them differs.\n")},
        {QLatin1String("audit"),
         Text::tr("  audit [DIR] [--room R] [--operator NAME] [--pc HOST] [--since DATE]\n"
                  "        [--until DATE] [--csv]\n"
                  "      Lists the change record of both files, newest first: who changed\n"
                  "      what, on which PC and when, with the values before and after. DATE\n"
                  "      is YYYY-MM-DD (--until takes that whole day) or a date and time,\n"
                  "      YYYY-MM-DD HH:MM[:SS] or YYYY-MM-DDTHH:MM[:SS].\n"
                  "  audit [DIR] --prune-before DATE [--yes]\n"
                  "      Removes the entries older than DATE; the pruning is itself recorded.\n"
                  "      --yes  prune without asking (needed without a terminal)\n")},
        {QLatin1String("units"),
         Text::tr(
             "  units [DIR]\n"
             "      Lists the building's door units with their ports.\n"
             "  units [DIR] add NAME --port COMn\n"
             "  units [DIR] rename OLD NEW [--port COMn]\n"
             "  units [DIR] remove NAME\n"
             "      Names a door unit and its port, renames or moves one, or removes one\n"
             "      (its transfers stay in the history). Two units on one port are refused.\n")},
    };
}

// What every command shares: the server, the folder, the prompt, the status.
QString commonNotes()
{
    return Text::tr("\n"
                    "With --database URI (a libpq connection URI or service=NAME) and --building\n"
                    "NAME, or QUORVANE_DATABASE and QUORVANE_BUILDING, a command works on that\n"
                    "building on a PostgreSQL server instead of a folder; passwords come from\n"
                    "libpq's own places (~/.pgpass, PGPASSWORD, a service file).\n"
                    "\n"
                    "Without DIR the command works on the folder Quorvane uses, the first of:\n"
                    "the folder named by QUORVANE_DATA; the folder of this program when it holds\n"
                    "either database file; $XDG_DATA_HOME/Quorvane (~/.local/share/Quorvane),\n"
                    "which is created, private, when missing.\n"
                    "\n"
                    "Without --operator and --pin the name and PIN are asked for; the PIN is not\n"
                    "shown. Each is at most 20 characters. A PIN given on the command line can be\n"
                    "seen by other users of this computer while the command runs.\n"
                    "Exit status: 0 when all went well, 1 when something failed or is wrong,\n"
                    "64 for a command line that is not understood.\n");
}

// The options whose value follows them: a value is never taken for --help.
const QStringList& valueOptions()
{
    static const QStringList options{
        QStringLiteral("--operator"),     QStringLiteral("--pin"),   QStringLiteral("--room"),
        QStringLiteral("--pc"),           QStringLiteral("--since"), QStringLiteral("--until"),
        QStringLiteral("--prune-before"), QStringLiteral("--unit"),  QStringLiteral("--limit"),
        QStringLiteral("--port"),         QStringLiteral("--pdf"),   QStringLiteral("--database"),
        QStringLiteral("--building")};
    return options;
}

QString about()
{
    return Text::tr("Prepares, extends and examines the two database files of Quorvane.\n");
}

} // namespace

QString usage()
{
    return commandline::help(QStringLiteral("quorvane-db"), about(), commandHelp(), commonNotes());
}

QString usage(const QString& command)
{
    return commandline::help(QStringLiteral("quorvane-db"), about(), commandHelp(), commonNotes(),
                             command);
}

int run(const QStringList& arguments, Console& console, const RoomListWriter& writeRoomList)
{
    if (arguments.isEmpty())
        return usageError(console, Text::tr("Name a command."));
    const QString command = arguments.first();
    QStringList rest = arguments.mid(1);
    // "help COMMAND" and "COMMAND --help" (or -h) show that command's help alone.
    if (command == QLatin1String("help") && rest.size() == 1) {
        say(console.out, usage(rest.first()).chopped(1));
        return kSuccess;
    }
    if (commandline::asksForHelp(rest, valueOptions())) {
        say(console.out, usage(command).chopped(1));
        return kSuccess;
    }
    if (commandline::answersHelpOrVersion(command, QStringLiteral("quorvane-db"), usage(),
                                          console.out))
        return kSuccess;
    if (command == QLatin1String("migrate"))
        return migrate(rest, console);
    const Expected<Building> named = store::Location::fromCommandLine(rest);
    if (!named)
        return usageError(console, named.error());
    const Building& building = *named;
    if (command == QLatin1String("init") || command == QLatin1String("add-operator")) {
        const Expected<OperatorArguments> parsed = parseOperatorArguments(rest);
        if (!parsed)
            return usageError(console, parsed.error());
        const std::optional<store::Location> folder =
            dataFolder(parsed->directory, true, building, console);
        if (!folder)
            return kFailure;
        return command == QLatin1String("init") ? init(*folder, parsed->entry, console)
                                                : addOperator(*folder, parsed->entry, console);
    }
    if (command == QLatin1String("check")) {
        if (rest.size() > 1 || (!rest.isEmpty() && rest.first().startsWith(QStringLiteral("--"))))
            return usageError(console, Text::tr("Name at most one directory."));
        const std::optional<store::Location> folder =
            dataFolder(rest.value(0), false, building, console);
        if (folder && folder->isBuilding())
            return checkBuilding(*folder, console);
        return folder ? check(folder->folderPath(), console) : int(kFailure);
    }
    if (isExchangeCommand(command))
        return runExchange(command, rest, building, console, writeRoomList);
    if (command == QLatin1String("audit")) {
        const QString dir =
            rest.value(0).startsWith(QStringLiteral("--")) ? QString() : rest.value(0);
        const std::optional<store::Location> folder = dataFolder(dir, false, building, console);
        return folder ? audit(dir.isEmpty() ? rest : rest.mid(1), *folder, console) : int(kFailure);
    }
    if (command == QLatin1String("units"))
        return units(rest, building, console);
    if (command == QLatin1String("history") || command == QLatin1String("changes")) {
        const QString dir =
            rest.value(0).startsWith(QStringLiteral("--")) ? QString() : rest.value(0);
        const std::optional<store::Location> folder = dataFolder(dir, false, building, console);
        if (!folder)
            return kFailure;
        return command == QLatin1String("history") ? history(rest, *folder, console)
                                                   : changes(rest, *folder, console);
    }
    return usageError(console, Text::tr("Unknown command %1.").arg(command));
}

int init(const store::Location& location, const OperatorEntry& given, Console& console)
{
    if (location.isBuilding())
        return initBuilding(location, given, console);
    const std::optional<store::Location> dir = existingDirectory(location, console);
    if (!dir)
        return kFailure;
    const databasesetup::FirstOperator first{
        given.name || given.pin,
        [&](const databasesetup::Say&) { return askOperator(given, {}, console); }};
    const auto report = [&console](databasesetup::Channel channel, const QString& text) {
        say(channel == databasesetup::Channel::Note ? console.out : console.err, text);
    };
    return databasesetup::create(dir->folderPath(), first, report) ? kSuccess : kFailure;
}

int addOperator(const store::Location& location, const OperatorEntry& given, Console& console)
{
    const std::optional<store::Location> dir = existingDirectory(location, console);
    if (!dir)
        return kFailure;
    const store::Database path = dir->database(schema::kOperatorFile);
    const QString shown = path.describe();
    // A server's logins add operators through the view that shows no digest.
    const TableSpec layout =
        location.serverChecksPins() ? schema::serverOperatorView() : schema::operatorTable();
    const store::Connection connection(path, QStringLiteral("quorvane-db-add"),
                                       database::Access::ReadWrite);
    if (!connection.ok()) {
        say(console.err, connection.opened().description());
        return kFailure;
    }

    int status = kFailure;
    {
        QSqlDatabase db = connection.db();
        if (Outcome table = database::checkTable(db, layout, path); !table) {
            say(console.err, table.description());
        } else if (const std::optional<Operator> added =
                       askOperator(given, operatorNames(db, layout), console);
                   !added) {
            say(console.err, Text::tr("No operator was added."));
        } else {
            QSqlQuery query(db);
            // The operator and its entry in the change record land together.
            changerecord::Entry entry;
            entry.who = companionActor();
            entry.kind = changerecord::Kind::OperatorAdded;
            entry.subject = added->name;
            entry.after = changerecord::valuesText({layout.fields.first().name}, {added->name});
            entry.afterValues = changerecord::valuesOf({layout.fields.first().name}, {added->name});
            store::Transaction transaction(db);
            Outcome done = transaction.active()
                               ? Outcome::success()
                               : Outcome::failure(database::plainError(transaction.error(), path));
            if (done) {
                query.prepare(databasesetup::insertStatement(layout));
                query.addBindValue(added->name);
                // A shared server keeps only a digest of the PIN.
                query.addBindValue(location.serverChecksPins() ? pinhash::digest(added->pin)
                                                               : added->pin);
                done = query.exec()
                           ? changerecord::append(db, entry, path)
                           : Outcome::failure(database::plainError(query.lastError(), path));
            }
            if (done && !transaction.commit())
                done = Outcome::failure(database::plainError(transaction.error(), path));
            if (!done) {
                transaction.rollback();
                say(console.err,
                    Text::tr("Cannot add the operator to %1: %2").arg(shown, done.description()));
            } else {
                query.prepare(QStringLiteral("SELECT count(*) FROM %1")
                                  .arg(database::quotedIdentifier(layout.table)));
                const int count = query.exec() && query.next() ? query.value(0).toInt() : 0;
                say(console.out,
                    Text::tr("Added the operator \"%1\" to %2; it now holds %3.")
                        .arg(added->name, shown, Text::tr("%n operators", nullptr, count)));
                status = kSuccess;
            }
        }
    }
    if (status == kSuccess && dir->hasFiles())
        warnIfExposed(path.path(), console);
    return status;
}

} // namespace dbtool
