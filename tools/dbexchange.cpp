// The companion's room file and backup commands: import, export, backup, restore.
#include "database.h"
#include "datafolder.h"
#include "dbarguments.h"
#include "dbtool.h"
#include "directorybackup.h"
#include "roomcsv.h"
#include "roomimport.h"
#include "roomverdict.h"
#include "schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <future>
#include <variant>

namespace dbtool {

namespace {

// Import's own statuses: a file refused for its rows differs from a failure.
constexpr int kRefused = 1;
constexpr int kOtherFailure = 2;

// Says what is wrong with each row that is not in order, then the counts and
// the columns not read.
void tellVerdicts(const roomcsv::CsvFile& file, const QList<roomverdict::RowVerdict>& verdicts,
                  const roomverdict::Counts& counts, const QString& path, Console& console)
{
    for (qsizetype i = 0; i < verdicts.size(); ++i) {
        if (verdicts[i].verdict == roomverdict::Verdict::Ok)
            continue;
        say(console.out,
            //: %1 is the line of the file, %2 the verdict, %3 the reasons.
            Text::tr("line %1: %2: %3")
                .arg(file.rows[i].line)
                .arg(roomverdict::verdictName(verdicts[i].verdict),
                     verdicts[i].reasons.join(QStringLiteral("; "))));
    }
    say(console.out,
        //: %1 is a count of rooms ("12 rooms"), %2 the file, %3 to %5 counts.
        Text::tr("%1 in %2: %3 ok, %4 with warnings, %5 with errors.")
            .arg(Text::tr("%n rooms", nullptr, int(verdicts.size())), path)
            .arg(counts.ok)
            .arg(counts.warnings)
            .arg(counts.errors));
    if (!file.ignoredColumns.isEmpty())
        say(console.out,
            Text::tr("Columns not read: %1.").arg(file.ignoredColumns.join(QStringLiteral(", "))));
}

// What an import is asked to do.
struct ImportRequest
{
    store::Location directory;
    QString path;
    bool dryRun = false;
    bool replace = false;
};

// The request, or the status of a command line that makes none, said.
std::variant<ImportRequest, int> importRequest(QStringList arguments, const Building& building,
                                               Console& console)
{
    bool dryRun = false;
    bool replace = false;
    QStringList positional;
    const Outcome walked = commandline::walk(
        arguments, positional,
        [](const QString& option, bool valueAttached) -> commandline::Kind {
            if ((option == QLatin1String("--dry-run") || option == QLatin1String("--replace")) &&
                !valueAttached)
                return commandline::Takes::Nothing;
            return Text::tr("Unknown option %1.").arg(option);
        },
        [&](const QString& option, const std::optional<QString>&) {
            (option == QLatin1String("--dry-run") ? dryRun : replace) = true;
            return Outcome::success();
        });
    if (!walked)
        return usageError(console, walked.description());
    arguments = positional;
    // A building is looked for only when its directory cannot be read
    // (importFile): a server's connection takes a while to make.
    const std::optional<store::Location> directory =
        takeDirectory(arguments, 1, building, console, LookForBuilding::Later);
    if (!directory)
        return kOtherFailure;
    if (arguments.size() != 1 || arguments.first().startsWith(QStringLiteral("--")))
        return usageError(console, Text::tr("Name one room file to import."));
    return ImportRequest{*directory, arguments.first(), dryRun, replace};
}

// Once the rows are judged: says what came of the import, writing the rooms
// again when the write beside the judging gave up.
int endImport(const ImportRequest& asked, const roomverdict::Counts& counts, qsizetype judged,
              Outcome done, const QList<roomcsv::CsvRow>& rows, roomimport::Written& written,
              Console& console)
{
    if (counts.errors > 0) {
        say(console.err, Text::tr("Nothing was written: mend the rows with errors and "
                                  "import again."));
        return kRefused;
    }
    if (judged == 0) {
        say(console.err, Text::tr("%1 holds no rooms; nothing was written.").arg(asked.path));
        return kRefused;
    }
    if (asked.dryRun) {
        say(console.out, Text::tr("Dry run: nothing was written."));
        return kSuccess;
    }
    // Written beside the judging, the rooms gave up early on a lock another
    // program held (or met another failure): now judged, they are written
    // again, waiting as every write does.
    const store::Database target = asked.directory.database(schema::kDirectoryFile);
    const changerecord::Actor who = companionActor();
    if (!done)
        done = roomimport::write(target, rows, asked.replace, &written, &who);
    if (!done) {
        say(console.err, done.description());
        return kOtherFailure;
    }
    say(console.out,
        roomimport::summary(
            //: %1 is the room file read, %2 the room directory it was written into.
            Text::tr("%1 into %2").arg(asked.path, target.describe()), written, asked.replace));
    return kSuccess;
}

int importFile(const ImportRequest& asked, Console& console)
{
    const QString& path = asked.path;
    const store::Database target = asked.directory.database(schema::kDirectoryFile);
    // The directory is read on a thread of its own while the file is. A
    // building not found is told before anything wrong with the file.
    QList<RoomRecord> directoryRooms;
    Outcome seen = Outcome::success();
    std::future<Outcome> directoryRead = std::async(std::launch::async, [&] {
        Outcome read = roomimport::readDirectory(target, directoryRooms);
        // Only a read that failed costs another connection to say why.
        if (!read && asked.directory.isBuilding())
            seen = buildingSeen(asked.directory);
        return read;
    });
    const auto unseen = [&] {
        directoryRead.wait();
        if (!seen)
            say(console.err, seen.description());
        return !seen;
    };
    QByteArray bytes;
    if (Outcome read = roomcsv::readFile(path, bytes); !read) {
        if (!unseen())
            say(console.err, read.description());
        return kOtherFailure;
    }
    // The rooms go to the directory on a thread of their own as they are
    // read and while they are judged, in a transaction kept only when the
    // file is read whole and every row passes: an import waits for the
    // slowest of the three, not for all.
    roomcsv::CsvFile file;
    roomcsv::RowsSoFar soFar;
    roomimport::Written written;
    const changerecord::Actor who = companionActor();
    std::future<Outcome> writing;
    // Declared after the write it answers, so that leaving early breaks the
    // promise and the write rolls back before it is waited for.
    std::promise<bool> passed;
    if (!asked.dryRun)
        writing = std::async(std::launch::async, [&, keep = passed.get_future().share()] {
            const auto kept = [keep] {
                try {
                    return keep.get();
                } catch (const std::future_error&) {
                    return false;
                }
            };
            return roomimport::write(target, file.rows, asked.replace, &written, &who, kept,
                                     &soFar);
        });
    if (Outcome read = roomcsv::read(bytes, file, roomcsv::Values::Viewed, &soFar); !read) {
        if (!unseen())
            say(console.err, QStringLiteral("%1: %2").arg(path, read.description()));
        return kOtherFailure;
    }
    bytes = QByteArray();
    if (unseen())
        return kOtherFailure;
    if (Outcome read = directoryRead.get(); !read) {
        say(console.err, read.description());
        return kOtherFailure;
    }

    // The verdicts are said and counted, then let go.
    QList<roomverdict::RowVerdict> verdicts =
        roomverdict::judge(file.rows, directoryRooms, asked.replace);
    directoryRooms = QList<RoomRecord>();
    const roomverdict::Counts counts = roomverdict::count(verdicts);
    const qsizetype judged = verdicts.size();
    passed.set_value(counts.errors == 0 && judged > 0);
    tellVerdicts(file, verdicts, counts, path, console);
    verdicts = QList<roomverdict::RowVerdict>();
    // A write that was not kept has rolled back by the time it is done.
    Outcome done = writing.valid() ? writing.get() : Outcome::success();
    return endImport(asked, counts, judged, std::move(done), file.rows, written, console);
}

int importRooms(const QStringList& arguments, const Building& building, Console& console)
{
    const std::variant<ImportRequest, int> asked = importRequest(arguments, building, console);
    if (const int* status = std::get_if<int>(&asked))
        return *status;
    return importFile(std::get<ImportRequest>(asked), console);
}

int exportRooms(QStringList arguments, const Building& building, Console& console,
                const RoomListWriter& writeRoomList)
{
    QString pdf;
    QStringList positional;
    const Outcome walked = commandline::walk(
        arguments, positional,
        [](const QString& option, bool) -> commandline::Kind {
            if (option == QLatin1String("--pdf"))
                return commandline::Takes::Value;
            return Text::tr("Unknown option %1.").arg(option);
        },
        [&pdf](const QString&, const std::optional<QString>& value) {
            pdf = *value;
            return pdf.isEmpty() || pdf.startsWith(QStringLiteral("--"))
                       ? Outcome::failure(Text::tr("Name the PDF file after --pdf."))
                       : Outcome::success();
        });
    if (!walked)
        return usageError(console, walked.description());
    arguments = positional;
    const std::optional<store::Location> directory =
        takeDirectory(arguments, pdf.isEmpty() ? 1 : 0, building, console);
    if (!directory)
        return kFailure;
    if (!pdf.isEmpty()) {
        if (!arguments.isEmpty())
            return usageError(console, Text::tr("--pdf writes one file: name no other."));
        return writeRoomList(*directory, pdf, console);
    }
    if (!arguments.isEmpty() && arguments.first().startsWith(QStringLiteral("--")))
        return usageError(console, Text::tr("Name at most one file to export to."));
    const QString path = arguments.value(0, QStringLiteral("-"));
    const store::Database rooms = directory->database(schema::kDirectoryFile);
    if (path == QLatin1String("-")) {
        QByteArray csv;
        if (Outcome read = roomimport::exportCsv(rooms, csv); !read) {
            say(console.err, read.description());
            return kFailure;
        }
        console.out << QString::fromUtf8(csv);
        console.out.flush();
        return kSuccess;
    }
    if (Outcome done = roomimport::exportTo(rooms, path); !done) {
        say(console.err, done.description());
        return kFailure;
    }
    say(console.out, Text::tr("Exported the room directory to %1.").arg(path));
    return kSuccess;
}

int backupOrRestore(bool restoring, QStringList arguments, const Building& building,
                    Console& console)
{
    const std::optional<store::Location> found = takeDirectory(arguments, 1, building, console);
    if (!found)
        return kFailure;
    const store::Location& directory = *found;
    if (arguments.size() != 1 || arguments.first().startsWith(QStringLiteral("--")))
        return usageError(console, Text::tr("Name one backup file."));
    const QString file = arguments.first();
    if (!restoring) {
        if (Outcome done = directorybackup::backup(directory, file); !done) {
            say(console.err, done.description());
            return kFailure;
        }
        say(console.out, Text::tr("Backed up both databases of %1 to %2, and checked it.")
                             .arg(directory.describe(), file));
        return kSuccess;
    }
    QStringList kept;
    const changerecord::Actor who = companionActor();
    if (Outcome done = directorybackup::restore(directory, file, &kept, &who); !done) {
        say(console.err, done.description());
        return kFailure;
    }
    say(console.out,
        Text::tr("Restored both databases of %1 from %2.").arg(directory.describe(), file));
    for (const QString& path : std::as_const(kept))
        say(console.out, Text::tr("The file it replaced is kept as %1").arg(path));
    return kSuccess;
}

} // namespace

bool isExchangeCommand(const QString& command)
{
    return command == QLatin1String("import") || command == QLatin1String("export") ||
           command == QLatin1String("backup") || command == QLatin1String("restore");
}

int runExchange(const QString& command, const QStringList& arguments, const Building& building,
                Console& console, const RoomListWriter& writeRoomList)
{
    if (command == QLatin1String("import"))
        return importRooms(arguments, building, console);
    if (command == QLatin1String("export"))
        return exportRooms(arguments, building, console, writeRoomList);
    return backupOrRestore(command == QLatin1String("restore"), arguments, building, console);
}

} // namespace dbtool
