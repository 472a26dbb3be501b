#include "connection.h"
#include "database.h"
#include "databasesetup.h"
#include "dbarguments.h"
#include "dbfiles.h"
#include "dbsql.h"
#include "operatorlimits.h"
#include "restoresteps.h"
#include "schema.h"
#include "transferlog.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <cerrno>
#include <sys/stat.h>

namespace dbtool {

namespace {

// Findings beyond these many per file are counted but not listed.
constexpr int kListedWidthFindings = 100;
constexpr int kListedIntegrityMessages = 3;

QString restoreAdvice(const QString& directory)
{
    return Text::tr("Restore the file from a backup, or move it aside and create a new one "
                    "with: %1")
        .arg(database::initCommand(directory));
}

// One finding, one line: a name read from a damaged file may hold line breaks
// or other control characters of its own.
QString flattened(const QString& text)
{
    QString line = text;
    for (QChar& c : line) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return line;
}

// The examination of one database file: facts for the summary line and
// problems, one line each.
struct FileReport
{
    QStringList facts;
    QStringList problems;
    // Said even when the file is in order.
    QStringList notes;
    int unlistedProblems = 0;
};

// A journal whose header is written, or a -wal that holds something, is a
// write that reached the file and did not finish, or one another program is
// making now. A journal whose header is still zero belongs to a write that
// never reached the file, and SQLite ignores it.
bool writePending(const QString& path)
{
    QFile journal(path + QStringLiteral("-journal"));
    char first = 0;
    if (journal.open(QIODevice::ReadOnly) && journal.getChar(&first) && first != 0)
        return true;
    return QFileInfo(path + QStringLiteral("-wal")).size() > 0;
}

// Opened read-only, SQLite cannot roll an unfinished write back and refuses
// the file. Quorvane's own open rolls it back, so check opens the file the
// same way first. Returns false when the file cannot be examined further.
bool completeUnfinishedWrite(const QString& path, FileReport& report)
{
    if (!writePending(path))
        return true;
    const QString left = databasesetup::sideFiles(path).join(QStringLiteral(", "));
    // A journal naming a super-journal that is gone belongs to a write to
    // both files that was committed: SQLite drops it and keeps the write.
    const bool finished = restoresteps::journalOf(path) == restoresteps::Journal::Finished;
    Outcome opened = Outcome::success();
    {
        const store::Connection connection(path, QStringLiteral("quorvane-db-recover"),
                                           database::Access::ReadWrite);
        opened = connection.opened();
        if (opened) {
            // The first read takes the file over and rolls the journal back.
            QSqlQuery query(connection.db());
            if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next())
                opened = Outcome::failure(query.lastError().text());
        }
    }
    if (!opened) {
        report.problems << Text::tr("a write to it did not finish (%1 remains), and it "
                                    "could not be rolled back: %2. Make the file and its "
                                    "folder writable for you and run check again; keep "
                                    "the file and %1 together.")
                               .arg(left, flattened(opened.description()));
        return false;
    }
    if (writePending(path)) {
        report.problems << Text::tr("another program is writing to it right now (%1). "
                                    "Run check again when that program has finished.")
                               .arg(left);
        return true;
    }
    if (finished) {
        report.notes << Text::tr("%1 was left by a write to both files that had finished; it "
                                 "was cleared, and the file keeps that write.")
                            .arg(left);
        return true;
    }
    report.notes << Text::tr("an unfinished write was found (%1, left by a program that "
                             "stopped in the middle of a write). It was rolled back as "
                             "Quorvane does when it opens the file, so the file holds what "
                             "it held before that write.")
                        .arg(left);
    //: One of the facts the check report lists after "ok", comma-separated.
    report.facts << Text::tr("recovered");
    return true;
}

void checkWidths(const QSqlDatabase& db, const TableSpec& layout, FileReport& report)
{
    QStringList columns;
    for (const FieldSpec& f : layout.fields)
        columns << QStringLiteral("length(%1)").arg(database::quotedIdentifier(f.name))
                << database::quotedIdentifier(f.name)
                << QStringLiteral("CAST(%1 AS BLOB)").arg(database::quotedIdentifier(f.name));
    const QString select =
        QStringLiteral("SELECT %1 FROM %2")
            .arg(columns.join(QStringLiteral(", ")), database::quotedIdentifier(layout.table));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Table order is the rowid's; a table made without one is read as it comes.
    if (!query.exec(select + QStringLiteral(" ORDER BY rowid")) && !query.exec(select)) {
        report.problems << Text::tr("the rows of %1 cannot be read: %2")
                               .arg(layout.table, query.lastError().text());
        return;
    }
    int row = 0;
    int found = 0;
    while (query.next()) {
        ++row;
        for (int i = 0; i < layout.fields.size(); ++i) {
            const FieldSpec& field = layout.fields[i];
            const QVariant length = query.value(3 * i);
            // A PIN is not shown on the screen, even an unusable one.
            const bool secret = field.name == QLatin1String("password");
            // An operator the login box could never take, by the login's own rule.
            const Outcome usable = field.loginText && !length.isNull()
                                       ? operatorlimits::check(query.value(3 * i + 2).toByteArray(),
                                                               secret ? operatorlimits::Field::Pin
                                                                      : operatorlimits::Field::Name)
                                       : Outcome::success();
            if (usable && (field.loginText || field.maxLength <= 0 || length.isNull() ||
                           length.toInt() <= field.maxLength))
                continue;
            if (++found > kListedWidthFindings) {
                ++report.unlistedProblems;
                continue;
            }
            if (!usable) {
                report.problems << QStringLiteral("%1 row %2: %3")
                                       .arg(layout.table)
                                       .arg(row)
                                       .arg(usable.description());
                continue;
            }
            const QString value =
                secret ? Text::tr("(not shown)")
                       : QLatin1Char('"') + query.value(3 * i + 1).toString() + QLatin1Char('"');
            //: %1 is the table, %2 the row number, %3 the column, %4 the value in quotes or
            //: "(not shown)" for a PIN, %5 its length, %6 the limit.
            report.problems << Text::tr("%1 row %2: %3 %4 is %5 characters, the limit is %6")
                                   .arg(layout.table)
                                   .arg(row)
                                   .arg(field.name, value)
                                   .arg(length.toInt())
                                   .arg(field.maxLength);
        }
    }
}

// SQLite's own check of the file: a fact when it passes, a problem when not.
void checkIntegrity(const QSqlDatabase& db, const QString& directory, FileReport& report)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA integrity_check"))) {
        report.problems << Text::tr("cannot be read as an SQLite database (%1). %2")
                               .arg(query.lastError().databaseText(), restoreAdvice(directory));
    } else {
        QStringList messages;
        while (query.next()) {
            for (const QString& line : query.value(0).toString().split(QLatin1Char('\n'))) {
                if (!line.trimmed().isEmpty())
                    messages << line.trimmed();
            }
        }
        if (messages == QStringList{QStringLiteral("ok")}) {
            //: One of the facts the check report lists after "ok": SQLite's integrity
            //: check passed.
            report.facts << Text::tr("integrity ok");
        } else {
            QString shown = messages.mid(0, kListedIntegrityMessages).join(QStringLiteral("; "));
            if (messages.size() > kListedIntegrityMessages)
                shown += Text::tr("; and %1 more").arg(messages.size() - kListedIntegrityMessages);
            report.problems << Text::tr("the integrity check failed: %1. %2")
                                   .arg(shown, restoreAdvice(directory));
        }
    }
}

// The table's shape, its rows and their widths, and beside the rooms the
// transfer record.
void checkTable(const QSqlDatabase& db, const QString& path, const QString& directory,
                const TableSpec& layout, bool needsRows, FileReport& report)
{
    QSqlQuery query(db);
    if (Outcome table = database::checkTable(db, layout, path); !table) {
        report.problems << flattened(table.description());
    } else {
        //: A fact of the check report: %1 is the table, %2 its column names.
        report.facts << Text::tr("table %1 with %2")
                            .arg(layout.table, layout.fieldNames().join(QStringLiteral(", ")));
        query.prepare(QStringLiteral("SELECT count(*) FROM %1")
                          .arg(database::quotedIdentifier(layout.table)));
        const int rows = query.exec() && query.next() ? query.value(0).toInt() : 0;
        report.facts << Text::tr("%n rows", nullptr, rows);
        if (needsRows && rows == 0) {
            report.problems << Text::tr("the table %1 holds no operator, so nobody can log "
                                        "in. Add one with: %2")
                                   .arg(layout.table, database::addOperatorCommand(directory));
        }
        checkWidths(db, layout, report);
        if (layout.table == schema::directoryTable().table) {
            TransferLog log(path);
            log.setDamageAdvice(Text::tr("The rooms are not affected."));
            if (const auto history = log.history(0); !history)
                report.problems << history.error();
        }
    }
}

void checkContents(const QString& path, const QString& directory, const TableSpec& layout,
                   bool needsRows, FileReport& report)
{
    const QString connection = database::uniqueConnectionName(QStringLiteral("quorvane-db-check"));
    // A file in WAL mode makes even a read-only reader create its -wal and
    // -shm; those left behind would make init refuse, so the ones this check
    // made are removed again when they hold nothing.
    const QString wal = path + QStringLiteral("-wal");
    const QString shm = path + QStringLiteral("-shm");
    const bool hadWal = QFileInfo::exists(wal);
    const bool hadShm = QFileInfo::exists(shm);
    {
        // Read-only: examining a file must not change it, not even its journal mode.
        const QSqlError error = database::connect(path, connection, database::Access::ReadOnly);
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        if (error.isValid()) {
            report.problems << Text::tr("cannot be opened: %1").arg(error.text());
        } else {
            checkIntegrity(db, directory, report);
            if (report.problems.isEmpty())
                checkTable(db, path, directory, layout, needsRows, report);
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
    if (!hadWal && QFileInfo(wal).isFile() && QFileInfo(wal).size() == 0) {
        QFile::remove(wal);
        if (!hadShm)
            QFile::remove(shm);
    }
}

FileReport examine(const QString& directory, const QString& fileName, const TableSpec& layout,
                   bool needsRows)
{
    FileReport report;
    const QString path = database::pathIn(directory, fileName);
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        const QStringList left = databasesetup::sideFiles(path);
        if (errno == ENOENT && !left.isEmpty()) {
            // A new file beside that journal would take it in and be damaged.
            report.problems << Text::tr("missing, but %1 of a write to it that did not "
                                        "finish remains. Put the database file back at %2 "
                                        "and run check again, which completes the "
                                        "recovery; a new file beside %1 would be damaged "
                                        "by it.")
                                   .arg(left.join(QStringLiteral(", ")), path);
        } else if (errno == ENOENT && QFileInfo(path).isSymLink()) {
            report.problems << Text::tr("%1 is a symbolic link to %2, which does not exist. "
                                        "Point it at the database file, or remove the link "
                                        "and create the file with: %3")
                                   .arg(path, QFileInfo(path).symLinkTarget(),
                                        database::initCommand(directory));
        } else if (errno == ENOENT) {
            report.problems << Text::tr("missing: %1 does not exist. Create it with: %2")
                                   .arg(path, database::initCommand(directory));
        } else {
            report.problems
                << Text::tr("cannot be examined: %1").arg(databasesetup::errnoText(errno));
        }
        return report;
    }
    if (!S_ISREG(st.st_mode)) {
        //: %2 is "a directory" or "not a regular file"; %3 is the command that creates the
        //: file.
        report.problems << Text::tr("%1 is %2, not a database file. Move it aside, then "
                                    "create the file with: %3")
                               .arg(path,
                                    S_ISDIR(st.st_mode) ? Text::tr("a directory")
                                                        : Text::tr("not a regular file"),
                                    database::initCommand(directory));
        return report;
    }

    switch (database::probe(path)) {
    case database::FileKind::Missing:
    case database::FileKind::Unreadable:
        report.problems
            << Text::tr("cannot be read: check that %1 is a file you may read.").arg(path);
        break;
    case database::FileKind::AccessJet:
        report.problems << Text::tr("an Access/Jet database from an older system, not an SQLite "
                                    "database. Move it aside and create a new one with: %1")
                               .arg(database::initCommand(directory));
        break;
    case database::FileKind::Other:
        report.problems << Text::tr("not an SQLite database. Move it aside and create a new "
                                    "one with: %1")
                               .arg(database::initCommand(directory));
        break;
    case database::FileKind::Sqlite:
        report.facts << QStringLiteral("SQLite");
        if (completeUnfinishedWrite(path, report) && report.problems.isEmpty())
            checkContents(path, directory, layout, needsRows, report);
        break;
    }

    //: A fact of the check report: the file's permission bits, such as 0600.
    report.facts << Text::tr("mode %1").arg(modeText(st.st_mode));
    if (const QString others = exposure(st.st_mode); !others.isEmpty()) {
        //: %1 is what they may do ("read", "change", "read and change"), %2 the mode such as
        //: 0644, %3 the file as a shell word.
        report.problems << Text::tr("other users may %1 this file (mode %2). Make it private "
                                    "with: chmod 600 %3")
                               .arg(others, modeText(st.st_mode), database::shellQuoted(path));
    }
    return report;
}

} // namespace

int check(const QString& directory, Console& console)
{
    const std::optional<QString> dir = existingDirectory(directory, console);
    if (!dir)
        return kFailure;
    int problems = 0;
    // A restore stopped halfway leaves a file missing or half restored:
    // finish or undo it first, as the program does when it starts.
    if (const Expected<QString> recovered = restoresteps::recover(*dir); !recovered) {
        say(console.out, recovered.error());
        ++problems;
    } else if (!recovered->isEmpty()) {
        say(console.out, *recovered);
    }
    const struct
    {
        QString fileName;
        TableSpec layout;
        bool needsRows;
    } files[] = {{schema::kOperatorFile, schema::operatorTable(), true},
                 {schema::kDirectoryFile, schema::directoryTable(), false}};
    for (const auto& file : files) {
        const FileReport report = examine(*dir, file.fileName, file.layout, file.needsRows);
        const QString facts = report.facts.join(QStringLiteral(", "));
        for (const QString& note : report.notes)
            say(console.out, QStringLiteral("%1: %2").arg(file.fileName, flattened(note)));
        if (report.problems.isEmpty()) {
            say(console.out,
                //: %1 is the file name, %2 the facts found, such as "SQLite, mode 0600, integrity
                //: ok".
                Text::tr("%1: ok (%2)").arg(file.fileName, facts));
            continue;
        }
        say(console.out, facts.isEmpty() ? Text::tr("%1: not ok").arg(file.fileName)
                                         : Text::tr("%1: not ok (%2)").arg(file.fileName, facts));
        for (const QString& problem : report.problems)
            say(console.out, QStringLiteral("%1: %2").arg(file.fileName, flattened(problem)));
        if (report.unlistedProblems > 0) {
            say(console.out, Text::tr("%1: and %2 more values over their limits")
                                 .arg(file.fileName)
                                 .arg(report.unlistedProblems));
        }
        problems += int(report.problems.size()) + report.unlistedProblems;
    }
    if (problems == 0) {
        say(console.out, Text::tr("Both files are in order."));
        return kSuccess;
    }
    say(console.out, Text::tr("%n problems found.", nullptr, problems));
    return kFailure;
}

} // namespace dbtool
