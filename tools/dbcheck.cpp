#include "database.h"
#include "dbtoolsupport.h"
#include "operatorlimits.h"
#include "schema.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <cerrno>
#include <sys/stat.h>

namespace dbtool {

namespace {

// Findings beyond these many per file are counted but not listed.
constexpr int kListedWidthFindings = 100;
constexpr int kListedIntegrityMessages = 3;

QString restoreAdvice(const QString& directory)
{
    return QStringLiteral("Restore the file from a backup, or move it aside and create a new one "
                          "with: %1")
        .arg(database::initCommand(directory));
}

QString flattened(const QString& text)
{
    return QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
}

// The examination of one database file: facts for the summary line and
// problems, one line each.
struct FileReport
{
    QStringList facts;
    QStringList problems;
    int unlistedProblems = 0;
};

void checkWidths(const QSqlDatabase& db, const TableSpec& layout, FileReport& report)
{
    QStringList columns;
    for (const FieldSpec& f : layout.fields)
        columns << QStringLiteral("length(%1)").arg(quotedName(f.name)) << quotedName(f.name)
                << QStringLiteral("CAST(%1 AS BLOB)").arg(quotedName(f.name));
    const QString select = QStringLiteral("SELECT %1 FROM %2")
                               .arg(columns.join(QStringLiteral(", ")), quotedName(layout.table));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    // Table order is the rowid's; a table made without one is read as it comes.
    if (!query.exec(select + QStringLiteral(" ORDER BY rowid")) && !query.exec(select)) {
        report.problems << QStringLiteral("the rows of %1 cannot be read: %2")
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
            const QString refusal =
                field.loginText && !length.isNull()
                    ? operatorlimits::refusal(query.value(3 * i + 2).toByteArray(),
                                              secret ? operatorlimits::Field::Pin
                                                     : operatorlimits::Field::Name)
                    : QString();
            if (refusal.isEmpty() && (field.loginText || field.maxLength <= 0 || length.isNull() ||
                                      length.toInt() <= field.maxLength))
                continue;
            if (++found > kListedWidthFindings) {
                ++report.unlistedProblems;
                continue;
            }
            if (!refusal.isEmpty()) {
                report.problems
                    << QStringLiteral("%1 row %2: %3").arg(layout.table).arg(row).arg(refusal);
                continue;
            }
            const QString value =
                secret ? QStringLiteral("(not shown)")
                       : QLatin1Char('"') + query.value(3 * i + 1).toString() + QLatin1Char('"');
            report.problems << QStringLiteral("%1 row %2: %3 %4 is %5 characters, the limit is %6")
                                   .arg(layout.table)
                                   .arg(row)
                                   .arg(field.name, value)
                                   .arg(length.toInt())
                                   .arg(field.maxLength);
        }
    }
}

void checkContents(const QString& path, const QString& directory, const TableSpec& layout,
                   bool needsRows, FileReport& report)
{
    const QString connection = database::uniqueConnectionName(QStringLiteral("quorvane-db-check"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        // Read-only: examining a file must not change it, not even its journal mode.
        db.setDatabaseName(
            QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
            QStringLiteral("?mode=ro"));
        db.setConnectOptions(
            QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            report.problems << QStringLiteral("cannot be opened: %1").arg(db.lastError().text());
        } else {
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral("PRAGMA integrity_check"))) {
                report.problems << QStringLiteral("cannot be read as an SQLite database (%1). %2")
                                       .arg(query.lastError().databaseText(),
                                            restoreAdvice(directory));
            } else {
                QStringList messages;
                while (query.next()) {
                    for (const QString& line : query.value(0).toString().split(QLatin1Char('\n'))) {
                        if (!line.trimmed().isEmpty())
                            messages << line.trimmed();
                    }
                }
                if (messages == QStringList{QStringLiteral("ok")}) {
                    report.facts << QStringLiteral("integrity ok");
                } else {
                    QString shown =
                        messages.mid(0, kListedIntegrityMessages).join(QStringLiteral("; "));
                    if (messages.size() > kListedIntegrityMessages)
                        shown += QStringLiteral("; and %1 more")
                                     .arg(messages.size() - kListedIntegrityMessages);
                    report.problems << QStringLiteral("the integrity check failed: %1. %2")
                                           .arg(shown, restoreAdvice(directory));
                }
            }
            if (report.problems.isEmpty()) {
                if (Outcome table = database::checkTable(db, layout, path); !table) {
                    report.problems << flattened(table.description());
                } else {
                    report.facts << QStringLiteral("table %1 with %2")
                                        .arg(layout.table,
                                             layout.fieldNames().join(QStringLiteral(", ")));
                    query.prepare(
                        QStringLiteral("SELECT count(*) FROM %1").arg(quotedName(layout.table)));
                    const int rows = query.exec() && query.next() ? query.value(0).toInt() : 0;
                    report.facts << (rows == 1 ? QStringLiteral("1 row")
                                               : QStringLiteral("%1 rows").arg(rows));
                    if (needsRows && rows == 0) {
                        report.problems
                            << QStringLiteral("the table %1 holds no operator, so nobody can log "
                                              "in. Add one with: %2")
                                   .arg(layout.table, database::addOperatorCommand(directory));
                    }
                    checkWidths(db, layout, report);
                }
            }
            query = QSqlQuery();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);
}

FileReport examine(const QString& directory, const QString& fileName, const TableSpec& layout,
                   bool needsRows)
{
    FileReport report;
    const QString path = database::pathIn(directory, fileName);
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT) {
            report.problems << QStringLiteral("missing: %1 does not exist. Create it with: %2")
                                   .arg(path, database::initCommand(directory));
        } else {
            report.problems << QStringLiteral("cannot be examined: %1").arg(errnoText(errno));
        }
        return report;
    }

    switch (database::probe(path)) {
    case database::FileKind::Missing:
    case database::FileKind::Unreadable:
        report.problems
            << QStringLiteral("cannot be read: check that %1 is a file you may read.").arg(path);
        break;
    case database::FileKind::AccessJet:
        report.problems << QStringLiteral(
                               "an Access/Jet database from an older system, not an SQLite "
                               "database. Move it aside and create a new one with: %1")
                               .arg(database::initCommand(directory));
        break;
    case database::FileKind::Other:
        report.problems << QStringLiteral("not an SQLite database. Move it aside and create a new "
                                          "one with: %1")
                               .arg(database::initCommand(directory));
        break;
    case database::FileKind::Sqlite:
        report.facts << QStringLiteral("SQLite");
        checkContents(path, directory, layout, needsRows, report);
        break;
    }

    report.facts << QStringLiteral("mode %1").arg(modeText(st.st_mode));
    if (const QString others = exposure(st.st_mode); !others.isEmpty()) {
        report.problems << QStringLiteral("other users may %1 this file (mode %2). Make it private "
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
        if (report.problems.isEmpty()) {
            say(console.out, QStringLiteral("%1: ok (%2)").arg(file.fileName, facts));
            continue;
        }
        say(console.out, facts.isEmpty()
                             ? QStringLiteral("%1: not ok").arg(file.fileName)
                             : QStringLiteral("%1: not ok (%2)").arg(file.fileName, facts));
        for (const QString& problem : report.problems)
            say(console.out, QStringLiteral("%1: %2").arg(file.fileName, problem));
        if (report.unlistedProblems > 0) {
            say(console.out, QStringLiteral("%1: and %2 more values over their limits")
                                 .arg(file.fileName)
                                 .arg(report.unlistedProblems));
        }
        problems += int(report.problems.size()) + report.unlistedProblems;
    }
    if (problems == 0) {
        say(console.out, QStringLiteral("Both files are in order."));
        return kSuccess;
    }
    say(console.out, problems == 1 ? QStringLiteral("1 problem found.")
                                   : QStringLiteral("%1 problems found.").arg(problems));
    return kFailure;
}

} // namespace dbtool
