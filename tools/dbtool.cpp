#include "dbtool.h"

#include "database.h"
#include "datafolder.h"
#include "dbtoolsupport.h"
#include "schema.h"
#include "transferlog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace dbtool {

namespace {

struct Operator
{
    QString name;
    QString pin;
};

QString insertStatement(const TableSpec& layout)
{
    QStringList columns;
    QStringList marks;
    for (const FieldSpec& f : layout.fields) {
        columns << quotedName(f.name);
        marks << QStringLiteral("?");
    }
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(quotedName(layout.table), columns.join(QStringLiteral(", ")),
             marks.join(QStringLiteral(", ")));
}

// An entry exists even as a dangling symbolic link: init must not replace it.
bool entryExists(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

QString nameRefusal(const QString& name, const QStringList& taken)
{
    if (name.isEmpty())
        return QStringLiteral("The operator name must not be empty.");
    // At login the first operator of a name decides which PIN is accepted, so
    // a second one of the same name could never log in.
    if (taken.contains(name))
        return QStringLiteral("An operator named \"%1\" already exists, and only the first "
                              "operator of a name can log in. Choose another name, or change that "
                              "operator's PIN in Quorvane under Setting, User Password Set, Edit "
                              "User.")
            .arg(name);
    const int length = schema::characterCount(name);
    if (length > schema::kOperatorWidth)
        return QStringLiteral("The name \"%1\" is %2 characters long; the login box takes at "
                              "most %3.")
            .arg(name)
            .arg(length)
            .arg(schema::kOperatorWidth);
    return {};
}

QString pinRefusal(const QString& pin)
{
    const int length = schema::characterCount(pin);
    if (length > schema::kOperatorWidth)
        return QStringLiteral("The PIN is %1 characters long; the login box takes at most %2.")
            .arg(length)
            .arg(schema::kOperatorWidth);
    return {};
}

std::optional<QString> readLine(Console& console)
{
    QString line;
    if (!console.in.readLineInto(&line))
        return std::nullopt;
    // A line piped from a file written on Windows would otherwise keep its
    // carriage return as part of the name or PIN.
    if (!console.interactive && line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

// Prompts go with the messages to the error stream, so they reach the person
// at the terminal even when the report is redirected.
void prompt(Console& console, const QString& text)
{
    if (!console.interactive)
        return;
    console.err << text;
    console.err.flush();
}

// Reads a PIN with the terminal's echo off, turning it on again however the
// read ends.
std::optional<QString> readSecret(Console& console, const QString& question)
{
    prompt(console, question);
    if (!console.interactive || !console.setEcho)
        return readLine(console);
    console.setEcho(false);
    std::optional<QString> line = readLine(console);
    console.setEcho(true);
    // The Enter key was not echoed either.
    say(console.err, QString());
    return line;
}

std::optional<QString> askName(const OperatorEntry& given, const QStringList& taken,
                               Console& console)
{
    if (given.name) {
        if (const QString refusal = nameRefusal(*given.name, taken); !refusal.isEmpty()) {
            say(console.err, refusal);
            return std::nullopt;
        }
        return given.name;
    }
    for (;;) {
        prompt(
            console,
            QStringLiteral("Operator name (at most %1 characters): ").arg(schema::kOperatorWidth));
        const std::optional<QString> name = readLine(console);
        if (!name) {
            say(console.err, QStringLiteral("No operator name was given."));
            return std::nullopt;
        }
        const QString refusal = nameRefusal(*name, taken);
        if (refusal.isEmpty())
            return name;
        say(console.err, refusal);
        if (!console.interactive)
            return std::nullopt;
    }
}

std::optional<QString> askPin(const OperatorEntry& given, Console& console)
{
    if (given.pin) {
        if (const QString refusal = pinRefusal(*given.pin); !refusal.isEmpty()) {
            say(console.err, refusal);
            return std::nullopt;
        }
        return given.pin;
    }
    for (;;) {
        const std::optional<QString> pin = readSecret(
            console,
            QStringLiteral("PIN (at most %1 characters, not shown): ").arg(schema::kOperatorWidth));
        if (!pin) {
            say(console.err, QStringLiteral("No PIN was given."));
            return std::nullopt;
        }
        if (const QString refusal = pinRefusal(*pin); !refusal.isEmpty()) {
            say(console.err, refusal);
            if (!console.interactive)
                return std::nullopt;
            continue;
        }
        if (!console.interactive)
            return pin;
        // Typed unseen, a slip would lock the operator out: ask once more.
        const std::optional<QString> again = readSecret(console, QStringLiteral("PIN again: "));
        if (!again) {
            say(console.err, QStringLiteral("No PIN was given."));
            return std::nullopt;
        }
        if (*again == *pin)
            return pin;
        say(console.err, QStringLiteral("The two PINs differ; please type them again."));
    }
}

std::optional<Operator> askOperator(const OperatorEntry& given, const QStringList& taken,
                                    Console& console)
{
    const std::optional<QString> name = askName(given, taken, console);
    if (!name)
        return std::nullopt;
    const std::optional<QString> pin = askPin(given, console);
    if (!pin)
        return std::nullopt;
    return Operator{*name, *pin};
}

// The names in the operator table as the login reads them: NULL as empty text.
QStringList operatorNames(const QSqlDatabase& db, const TableSpec& layout)
{
    QStringList names;
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("SELECT %1 FROM %2")
                       .arg(quotedName(layout.fields.first().name), quotedName(layout.table)))) {
        while (query.next())
            names << query.value(0).toString();
    }
    return names;
}

// The temporary files init builds its databases in: "." + name + "." and six
// characters from mkstemp. Their maker holds a lock on each while it lives.
QString temporaryPattern(const QString& fileName)
{
    return QLatin1Char('.') + fileName + QStringLiteral(".??????");
}

// Removes the temporary files of an init that was killed: those no living
// init holds a lock on, and journals an older companion left beside them.
void removeStaleTemporaries(const QString& directory, const QString& fileName)
{
    const QDir dir(directory);
    const QStringList found =
        dir.entryList({temporaryPattern(fileName)}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : found) {
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
            ::unlink(path.constData());
        ::close(fd);
    }
    for (const QString& name : dir.entryList({temporaryPattern(fileName) + "-journal"},
                                             QDir::Files | QDir::Hidden | QDir::System)) {
        if (!dir.exists(name.chopped(8)))
            ::unlink(QFile::encodeName(dir.filePath(name)).constData());
    }
}

// Moves the finished file to its name unless an entry of that name exists.
// Returns 0 or the errno of the failure.
int placeWithoutOverwrite(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system that cannot rename without replacing still refuses a hard
    // link over an existing name.
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    ::unlink(from.constData());
    return 0;
}

void syncDirectory(const QString& directory)
{
    const int fd = ::open(QFile::encodeName(directory).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

Outcome fillDatabase(const QString& path, const TableSpec& layout,
                     const std::optional<Operator>& first)
{
    const QString connection = database::uniqueConnectionName(QStringLiteral("quorvane-db-create"));
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(path);
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            QSqlQuery query(db);
            const auto run = [&](const QString& statement, const QVariantList& values = {}) {
                if (!failure.isEmpty())
                    return;
                query.prepare(statement);
                for (const QVariant& value : values)
                    query.addBindValue(value);
                if (!query.exec())
                    failure = query.lastError().text();
            };
            // The journal stays in memory: a file that is not finished is
            // thrown away, so a killed init leaves no journal to clean up.
            run(QStringLiteral("PRAGMA journal_mode=MEMORY"));
            run(QStringLiteral("PRAGMA synchronous=FULL"));
            run(QStringLiteral("BEGIN"));
            run(schema::createStatement(layout));
            // The room file also keeps the history of what was sent from it.
            if (layout.table == schema::directoryTable().table) {
                for (const QString& statement : TransferLog::createStatements())
                    run(statement);
            }
            if (first)
                run(insertStatement(layout), {first->name, first->pin});
            run(QStringLiteral("COMMIT"));
            query = QSqlQuery();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!failure.isEmpty())
        return Outcome::failure(failure);
    return Outcome::success();
}

// Builds the file under a temporary name beside its final one and moves it
// into place only when complete, so a failure leaves no half-made file. The
// temporary file is made with mode 0600, so the PINs are never readable by
// others, not even while the file is being written. It stays locked while it
// is built, so the next init can tell a killed one's leftovers from a live one.
Outcome createDatabase(const QString& directory, const QString& fileName, const TableSpec& layout,
                       const std::optional<Operator>& first)
{
    removeStaleTemporaries(directory, fileName);
    const QString finalPath = database::pathIn(directory, fileName);
    QByteArray temporary =
        QFile::encodeName(database::pathIn(directory, QLatin1Char('.') + fileName + ".XXXXXX"));
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return Outcome::failure(
            QStringLiteral("Cannot create a file in %1: %2").arg(directory, errnoText(errno)));
    }
    const auto fail = [&](const QString& description) {
        ::unlink(temporary.constData());
        ::close(fd);
        return Outcome::failure(description);
    };
    ::flock(fd, LOCK_EX);
    // mkstemp honours the umask, which could leave even the owner unable to write.
    if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0)
        return fail(QStringLiteral("Cannot make a new file in %1 private: %2")
                        .arg(directory, errnoText(errno)));

    if (Outcome filled = fillDatabase(QFile::decodeName(temporary), layout, first); !filled)
        return fail(QStringLiteral("Cannot write %1: %2").arg(finalPath, filled.description()));
    // SQLite would roll a journal left by another file's write into this one.
    if (const QStringList left = sideFiles(finalPath); !left.isEmpty())
        return fail(QStringLiteral("%1 appeared while %2 was being prepared; nothing was put in "
                                   "its place.")
                        .arg(left.join(QStringLiteral(", ")), finalPath));
    if (const int error = placeWithoutOverwrite(temporary, QFile::encodeName(finalPath))) {
        if (error == EEXIST)
            return fail(
                QStringLiteral("%1 appeared while it was being prepared; it was left untouched.")
                    .arg(finalPath));
        return fail(QStringLiteral("Cannot put %1 in place: %2").arg(finalPath, errnoText(error)));
    }
    ::close(fd);
    syncDirectory(directory);
    return Outcome::success();
}

// Why init cannot make or use the file at path: a name taken by a directory
// or a link to nothing, or a journal of an unfinished write, which a new
// file beside it would take in and be damaged by. Empty when nothing stands
// in the way.
QStringList obstacles(const QString& path, const QString& directory)
{
    QStringList found;
    const QByteArray name = QFile::encodeName(path);
    struct stat st;
    const bool present = ::lstat(name.constData(), &st) == 0;
    if (present && ::stat(name.constData(), &st) != 0) {
        found << QStringLiteral("%1 is a symbolic link to %2, which does not exist, so Quorvane "
                                "could not open it. Point the link at the database file, or "
                                "remove it and run init again.")
                     .arg(path, QFileInfo(path).symLinkTarget());
    } else if (present && !S_ISREG(st.st_mode)) {
        found << QStringLiteral("%1 is %2, not a database file, so Quorvane could not open it. "
                                "Move it aside and run init again.")
                     .arg(path, S_ISDIR(st.st_mode) ? QStringLiteral("a directory")
                                                    : QStringLiteral("not a regular file"));
    }
    const QStringList left = sideFiles(path);
    if (left.isEmpty())
        return found;
    const QString files = left.join(QStringLiteral(", "));
    if (present) {
        found << QStringLiteral("%1 is left from a write to %2 that did not finish (or another "
                                "program is writing to it now). Complete the recovery with: %3")
                     .arg(files, path, checkCommand(directory));
    } else {
        found << QStringLiteral("%1 is left from a write that did not finish, to a database file "
                                "that is no longer at %2; a new file beside it would take that "
                                "write in and be damaged. Put the database file back and run: "
                                "%3. Or move %1 aside together with the file it belongs to.")
                     .arg(files, path, checkCommand(directory));
    }
    return found;
}

// The operators in an existing operator file, read without changing it;
// nothing when it cannot be read as one.
std::optional<int> operatorCount(const QString& path)
{
    const QString connection = database::uniqueConnectionName(QStringLiteral("quorvane-db-count"));
    std::optional<int> count;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(
            QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=ro"));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY"));
        if (database::probe(path) == database::FileKind::Sqlite && db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("SELECT count(*) FROM %1")
                               .arg(quotedName(schema::operatorTable().table))) &&
                query.next())
                count = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    return count;
}

void warnIfExposed(const QString& path, Console& console)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return;
    if (const QString others = exposure(st.st_mode); !others.isEmpty()) {
        say(console.err, QStringLiteral("Warning: other users may %1 %2 (mode %3). Make it private "
                                        "with: chmod 600 %4")
                             .arg(others, path, modeText(st.st_mode), database::shellQuoted(path)));
    }
}

// Splits "[DIR] [--operator NAME] [--pin PIN]"; returns an explanation when the
// arguments do not fit.
QString parseOperatorArguments(const QStringList& arguments, QString& directory,
                               OperatorEntry& entry)
{
    QStringList positional;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QStringLiteral("--"))) {
            positional << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        QString option = argument;
        std::optional<QString> value;
        if (const qsizetype equals = argument.indexOf(QLatin1Char('=')); equals > 0) {
            option = argument.left(equals);
            value = argument.mid(equals + 1);
        }
        std::optional<QString>* target = nullptr;
        if (option == QLatin1String("--operator"))
            target = &entry.name;
        else if (option == QLatin1String("--pin"))
            target = &entry.pin;
        else
            return QStringLiteral("Unknown option %1.").arg(option);
        if (!value) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("The option %1 needs a value.").arg(option);
            value = arguments[++i];
        }
        *target = value;
    }
    if (positional.size() > 1)
        return QStringLiteral("Name at most one directory.");
    directory = positional.value(0);
    return {};
}

// The folder a command works on: the one named, or the program's data folder
// (the default one is created, private, when missing and writing is asked for).
std::optional<QString> dataFolder(const QString& named, bool writing, Console& console)
{
    if (!named.isEmpty())
        return named;
    const datafolder::Choice choice = datafolder::resolve();
    if (!writing)
        return choice.path;
    if (Outcome ready = datafolder::prepare(choice); !ready) {
        say(console.err, ready.description());
        return std::nullopt;
    }
    return choice.path;
}

int usageError(Console& console, const QString& reason)
{
    if (!reason.isEmpty())
        say(console.err, reason);
    console.err << usage();
    console.err.flush();
    return kUsage;
}

} // namespace

QString usage()
{
    return QStringLiteral(
        "Usage: quorvane-db COMMAND [DIR] [OPTION]...\n"
        "Prepares, extends and examines the two database files of Quorvane.\n"
        "\n"
        "  init [DIR] [--operator NAME --pin PIN]\n"
        "      Creates user_password.mdb with the first operator and\n"
        "      Inhabitant_telnum.mdb with an empty room directory. Only you may\n"
        "      read them. A file that already exists is left untouched.\n"
        "  add-operator [DIR] [--operator NAME --pin PIN]\n"
        "      Adds an operator to user_password.mdb.\n"
        "  check [DIR]\n"
        "      Examines both files and reports what is wrong with them.\n"
        "  history [DIR] [--limit N] [--json]\n"
        "      Lists what was sent to the door unit, newest first.\n"
        "  changes [DIR] [--json]\n"
        "      Lists the rooms that differ from the last complete download; exit\n"
        "      status 0 when the door unit is up to date, 1 when it differs.\n"
        "  --help     display this help and exit\n"
        "  --version  output version information and exit\n"
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
        "2 for a command line that is not understood.\n");
}

int run(const QStringList& arguments, Console& console)
{
    if (arguments.isEmpty())
        return usageError(console, QString());
    const QString command = arguments.first();
    const QStringList rest = arguments.mid(1);
    if (command == QLatin1String("--help") || command == QLatin1String("-h") ||
        command == QLatin1String("help")) {
        console.out << usage();
        console.out.flush();
        return kSuccess;
    }
    if (command == QLatin1String("--version")) {
        say(console.out, QStringLiteral("quorvane-db " QUORVANE_VERSION));
        return kSuccess;
    }
    if (command == QLatin1String("init") || command == QLatin1String("add-operator")) {
        QString directory;
        OperatorEntry entry;
        if (const QString problem = parseOperatorArguments(rest, directory, entry);
            !problem.isEmpty())
            return usageError(console, problem);
        const std::optional<QString> folder = dataFolder(directory, true, console);
        if (!folder)
            return kFailure;
        return command == QLatin1String("init") ? init(*folder, entry, console)
                                                : addOperator(*folder, entry, console);
    }
    if (command == QLatin1String("check")) {
        if (rest.size() > 1 || (!rest.isEmpty() && rest.first().startsWith(QStringLiteral("--"))))
            return usageError(console, QStringLiteral("Name at most one directory."));
        const std::optional<QString> folder = dataFolder(rest.value(0), false, console);
        return folder ? check(*folder, console) : int(kFailure);
    }
    if (command == QLatin1String("history") || command == QLatin1String("changes")) {
        const QString named =
            rest.value(0).startsWith(QStringLiteral("--")) ? QString() : rest.value(0);
        const std::optional<QString> folder = dataFolder(named, false, console);
        if (!folder)
            return kUsage;
        return command == QLatin1String("history") ? history(rest, *folder, console)
                                                   : changes(rest, *folder, console);
    }
    return usageError(console, QStringLiteral("Unknown command %1.").arg(command));
}

int init(const QString& directory, const OperatorEntry& given, Console& console)
{
    const std::optional<QString> dir = existingDirectory(directory, console);
    if (!dir)
        return kFailure;

    const QString operatorPath = database::pathIn(*dir, schema::kOperatorFile);
    const QString directoryPath = database::pathIn(*dir, schema::kDirectoryFile);
    const QStringList blocked = obstacles(operatorPath, *dir) + obstacles(directoryPath, *dir);
    if (!blocked.isEmpty()) {
        for (const QString& obstacle : blocked)
            say(console.err, obstacle);
        say(console.err, QStringLiteral("Nothing was created."));
        return kFailure;
    }
    const bool operatorExists = entryExists(operatorPath);
    const bool directoryExists = entryExists(directoryPath);
    for (const auto& [path, exists] :
         {std::pair{operatorPath, operatorExists}, std::pair{directoryPath, directoryExists}}) {
        if (exists)
            say(console.out, QStringLiteral("%1 already exists; it was left untouched.").arg(path));
    }
    if (operatorExists && directoryExists) {
        say(console.err, QStringLiteral("Both database files already exist; refusing to overwrite "
                                        "them, so nothing was created. To examine them run: "
                                        "%1 check %2")
                             .arg(datafolder::companionCommand(), database::shellQuoted(*dir)));
        return kFailure;
    }
    // An existing operator file is never changed by init, so an operator
    // given is not added: say so, and fail, since a script would otherwise
    // take it that this operator can log in.
    int status = kSuccess;
    if (operatorExists) {
        const std::optional<int> count = operatorCount(operatorPath);
        if (given.name || given.pin) {
            say(console.err, QStringLiteral("No operator was added, since %1 already existed; to "
                                            "add one run: %2")
                                 .arg(operatorPath, database::addOperatorCommand(*dir)));
            status = kFailure;
        } else if (!count) {
            say(console.err, QStringLiteral("%1 cannot be read as an operator file. To examine it "
                                            "run: %2")
                                 .arg(operatorPath, checkCommand(*dir)));
            status = kFailure;
        } else if (*count == 0) {
            say(console.err, QStringLiteral("%1 holds no operator, so nobody can log in. Add one "
                                            "with: %2")
                                 .arg(operatorPath, database::addOperatorCommand(*dir)));
            status = kFailure;
        } else {
            say(console.out,
                QStringLiteral("%1 holds %2, so no operator was asked for.")
                    .arg(operatorPath, *count == 1 ? QStringLiteral("1 operator")
                                                   : QStringLiteral("%1 operators").arg(*count)));
        }
    }

    // The operator is asked for before anything is written, so giving up
    // leaves the directory as it was.
    std::optional<Operator> first;
    if (!operatorExists) {
        first = askOperator(given, {}, console);
        if (!first) {
            say(console.err, QStringLiteral("Nothing was created."));
            return kFailure;
        }
        if (Outcome made =
                createDatabase(*dir, schema::kOperatorFile, schema::operatorTable(), first);
            !made) {
            say(console.err, made.description());
            say(console.err, QStringLiteral("Nothing was created."));
            return kFailure;
        }
        say(console.out,
            QStringLiteral("Created %1 with the operator \"%2\".").arg(operatorPath, first->name));
    }
    if (!directoryExists) {
        if (Outcome made = createDatabase(*dir, schema::kDirectoryFile, schema::directoryTable(),
                                          std::nullopt);
            !made) {
            say(console.err, made.description());
            return kFailure;
        }
        say(console.out,
            QStringLiteral("Created %1 with an empty room directory.").arg(directoryPath));
    }
    return status;
}

int addOperator(const QString& directory, const OperatorEntry& given, Console& console)
{
    const std::optional<QString> dir = existingDirectory(directory, console);
    if (!dir)
        return kFailure;
    const QString path = database::pathIn(*dir, schema::kOperatorFile);
    const TableSpec layout = schema::operatorTable();
    const QString connection = database::uniqueConnectionName(QStringLiteral("quorvane-db-add"));
    if (Outcome opened = database::open(path, connection); !opened) {
        say(console.err, opened.description());
        return kFailure;
    }

    int status = kFailure;
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        if (Outcome table = database::checkTable(db, layout, path); !table) {
            say(console.err, table.description());
        } else if (const std::optional<Operator> added =
                       askOperator(given, operatorNames(db, layout), console);
                   !added) {
            say(console.err, QStringLiteral("No operator was added."));
        } else {
            QSqlQuery query(db);
            query.prepare(insertStatement(layout));
            query.addBindValue(added->name);
            query.addBindValue(added->pin);
            if (!query.exec()) {
                say(console.err, QStringLiteral("Cannot add the operator to %1: %2")
                                     .arg(path, query.lastError().text()));
            } else {
                query.prepare(
                    QStringLiteral("SELECT count(*) FROM %1").arg(quotedName(layout.table)));
                const int count = query.exec() && query.next() ? query.value(0).toInt() : 0;
                say(console.out, QStringLiteral("Added the operator \"%1\" to %2; it now holds %3.")
                                     .arg(added->name, path,
                                          count == 1 ? QStringLiteral("1 operator")
                                                     : QStringLiteral("%1 operators").arg(count)));
                status = kSuccess;
            }
        }
    }
    database::close(connection);
    if (status == kSuccess)
        warnIfExposed(path, console);
    return status;
}

} // namespace dbtool
