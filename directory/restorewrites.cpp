#include "restorewrites.h"

#include "database.h"
#include "schema.h"
#include "timetext.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <unistd.h>

namespace directorybackup {

using engine::File;
using engine::Statement;
using engine::TableShape;

using database::quotedList;

// Writes bytes to a new file and flushes them to the disk.
bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    // The operator file holds PINs: only the owner may read what is written.
    out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const bool ok = out.write(bytes) == bytes.size() && out.flush() && ::fsync(out.handle()) == 0;
    out.close();
    if (!ok)
        QFile::remove(path);
    return ok;
}

// Replaces the rows of table in schema into with those of the image in from:
// every column both have, and the rowid where both have one, so the rows
// keep their order. A column only the image has would lose its values, so
// that is refused: the failure says why.
Outcome copyRows(File& db, const QString& into, const QString& from, const QString& table,
                 const QString& path)
{
    const TableShape target = db.shapeOf(into, table);
    const TableShape source = db.shapeOf(from, table);
    QStringList shared;
    QStringList lost;
    for (const QString& column : source.columns) {
        const auto found =
            std::find_if(target.columns.cbegin(), target.columns.cend(), [&](const QString& c) {
                return c.compare(column, Qt::CaseInsensitive) == 0;
            });
        if (found == target.columns.cend())
            lost << column;
        else
            shared << *found;
    }
    if (!lost.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate(
                "directorybackup",
                "The backup's table %1 has the column(s) %2, which the table in %3 "
                "lacks: their values would be lost. Move %3 aside and restore "
                "again to get the backup's file whole.",
                nullptr, int(lost.size()))
                .arg(table, lost.join(QStringLiteral(", ")), path));
    QStringList intoColumns = shared;
    QStringList fromColumns = shared;
    const QStringList targetKey = database::rowKey(target.primaryKey, target.hasRowid);
    const QStringList sourceKey = database::rowKey(source.primaryKey, source.hasRowid);
    if (target.hasRowid && source.hasRowid &&
        !shared.contains(targetKey.value(0), Qt::CaseInsensitive)) {
        intoColumns << targetKey.value(0);
        fromColumns << sourceKey.value(0);
    }
    QString select = QStringLiteral("SELECT %1 FROM %2.%3")
                         .arg(quotedList(fromColumns), from, database::quotedIdentifier(table));
    if (!sourceKey.isEmpty())
        select += QStringLiteral(" ORDER BY ") + quotedList(sourceKey);
    const QString name = QStringLiteral("%1.%2").arg(into, database::quotedIdentifier(table));
    if (!db.exec(QStringLiteral("DELETE FROM %1").arg(name)) ||
        !db.exec(
            QStringLiteral("INSERT INTO %1 (%2) %3").arg(name, quotedList(intoColumns), select)))
        return Outcome::failure(
            QCoreApplication::translate("directorybackup", "%1 cannot be restored: %2.")
                .arg(path, db.error()));
    return Outcome::success();
}

// The restore's entry in one file's change record, through the engine's
// connection that restores it, so it lands with the restored rows or not at
// all. schemaName is that file's schema on the connection.
Outcome recordRestore(File& db, const QString& schemaName, const QString& fileName,
                      const QString& backup, const QString& keptPath,
                      const changerecord::Actor& who)
{
    for (QString statement : schema::changeRecordStatements(engine::fileDialect())) {
        statement.replace(QStringLiteral("IF NOT EXISTS "),
                          QStringLiteral("IF NOT EXISTS %1.").arg(schemaName));
        if (!db.exec(statement))
            return Outcome::failure(db.error());
    }
    std::unique_ptr<Statement> s = db.prepare(
        QStringLiteral("INSERT INTO %1.change_record (happened, operator, host, os_user, what, "
                       "subject, detail) VALUES (?, ?, ?, ?, ?, ?, ?)")
            .arg(schemaName));
    if (!s)
        return Outcome::failure(db.error());
    QString detail = QStringLiteral("%1 restored from %2").arg(fileName, backup);
    if (!keptPath.isEmpty())
        detail += QStringLiteral("; the file before is kept as %1").arg(keptPath);
    const QList<QByteArray> values{timeText(QDateTime::currentDateTimeUtc()).toUtf8(),
                                   who.operatorName.toUtf8(),
                                   who.host.toUtf8(),
                                   who.osUser.toUtf8(),
                                   changerecord::storedWord(changerecord::Kind::Restore).toUtf8(),
                                   QFileInfo(backup).fileName().toUtf8(),
                                   detail.toUtf8()};
    for (int i = 0; i < values.size(); ++i)
        s->bindText(i + 1, values[i]);
    return s->step() == Statement::Step::Done ? Outcome::success() : Outcome::failure(db.error());
}

} // namespace directorybackup
