#include "directorybackup.h"

#include "backupfile.h"
#include "buildingcopy.h"
#include "database.h"
#include "restoresteps.h"
#include "schema.h"
#include "server.h"

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

namespace {

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

QString quotedList(const QStringList& names)
{
    QStringList quoted;
    for (const QString& name : names)
        quoted << database::quotedIdentifier(name);
    return quoted.join(QStringLiteral(", "));
}

// Replaces the rows of table in schema into with those of the image in from:
// every column both have, and the rowid where both have one, so the rows
// keep their order. A column only the image has would lose its values, so
// that is refused. Empty on success, otherwise why not.
QString copyRows(File& db, const QString& into, const QString& from, const QString& table,
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
        return QCoreApplication::translate(
                   "directorybackup",
                   "The backup's table %1 has the column(s) %2, which the table in %3 "
                   "lacks: their values would be lost. Move %3 aside and restore "
                   "again to get the backup's file whole.")
            .arg(table, lost.join(QStringLiteral(", ")), path);
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
        return QCoreApplication::translate("directorybackup", "%1 cannot be restored: %2.")
            .arg(path, db.error());
    return {};
}

// The restore's entry in one file's change record, through the engine's
// connection that restores it, so it lands with the restored rows or not at
// all. schemaName is that file's schema on the connection.
QString recordRestore(File& db, const QString& schemaName, const QString& fileName,
                      const QString& backup, const QString& keptPath,
                      const changerecord::Actor& who)
{
    for (QString statement : schema::changeRecordStatements()) {
        statement.replace(QStringLiteral("IF NOT EXISTS "),
                          QStringLiteral("IF NOT EXISTS %1.").arg(schemaName));
        if (!db.exec(statement))
            return db.error();
    }
    std::unique_ptr<Statement> s = db.prepare(
        QStringLiteral("INSERT INTO %1.change_record (happened, operator, host, os_user, what, "
                       "subject, detail) VALUES (?, ?, ?, ?, ?, ?, ?)")
            .arg(schemaName));
    if (!s)
        return db.error();
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
    return s->step() == Statement::Step::Done ? QString() : db.error();
}

} // namespace

Outcome restore(const QString& directory, const QString& file, QStringList* kept,
                const changerecord::Actor* who)
{
    if (server::isServerPath(database::pathIn(directory, schema::kDirectoryFile))) {
        const Expected<QString> restored = buildingcopy::restoreBuilding(file, who);
        if (!restored)
            return restored.outcome();
        if (kept && !restored->isEmpty())
            kept->append(
                QCoreApplication::translate("directorybackup", "the schema %1 on the server")
                    .arg(database::quotedIdentifier(*restored)));
        return Outcome::success();
    }
    return restoreStoppingAfter(directory, file, kept, -1, who);
}

Outcome restoreStoppingAfter(const QString& directory, const QString& file, QStringList* kept,
                             int renames, const changerecord::Actor* who)
{
    QList<QByteArray> images;
    if (Outcome loaded = load(file, images); !loaded)
        return Outcome::failure(
            loaded.description() +
            QCoreApplication::translate("directorybackup", ". Nothing was restored."));
    if (const QString left = restoresteps::pending(directory); !left.isEmpty())
        return Outcome::failure(
            left + QCoreApplication::translate("directorybackup", " Nothing was restored."));

    // Two restores within a second must not share the name of a kept file.
    const QString second = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString stamp = second;
    for (int n = 2;
         std::any_of(parts().cbegin(), parts().cend(),
                     [&](const Part& part) {
                         return QFileInfo::exists(database::pathIn(directory, part.fileName) +
                                                  QStringLiteral(".before-restore-") + stamp);
                     });
         ++n)
        stamp = QStringLiteral("%1-%2").arg(second).arg(n);
    struct Target
    {
        QString path;
        QString keptPath;
        bool inPlace = false;
        bool aside = false; // an unusable file to move to keptPath
        QString fresh;      // the image written beside, to be renamed into path
    };
    QList<Target> targets;
    QStringList written; // files this restore made, removed again if it fails
    bool stepsWritten = false;
    auto refuse = [&](const QString& why) {
        for (const QString& path : std::as_const(written))
            QFile::remove(path);
        if (stepsWritten)
            restoresteps::clear(directory);
        return Outcome::failure(
            why + QCoreApplication::translate("directorybackup", " Nothing was restored."));
    };

    std::unique_ptr<File> live;
    int attached = 0;
    for (qsizetype i = 0; i < parts().size(); ++i) {
        const Part& part = parts()[i];
        Target t;
        t.path = database::pathIn(directory, part.fileName);
        t.keptPath = t.path + QStringLiteral(".before-restore-") + stamp;
        switch (database::probe(t.path)) {
        case database::FileKind::Missing:
            // A journal of a vanished file would be taken as the new file's.
            if (QFileInfo::exists(t.path + QStringLiteral("-journal")))
                return refuse(
                    QCoreApplication::translate("directorybackup",
                                                "%1-journal is left from an unfinished write; move "
                                                "it away first.")
                        .arg(t.path));
            break;
        case database::FileKind::Unreadable:
            return refuse(
                QCoreApplication::translate("directorybackup", "%1 cannot be read or replaced.")
                    .arg(t.path));
        case database::FileKind::Sqlite: {
            const QString schemaName =
                attached == 0 ? QStringLiteral("main") : QStringLiteral("other");
            if (!live) {
                Expected<std::unique_ptr<File>> opened =
                    engineInUse().openFile(t.path, engine::DatabaseEngine::Open::ReadWrite);
                if (!opened)
                    return refuse(
                        QCoreApplication::translate("directorybackup", "%1 cannot be opened: %2.")
                            .arg(t.path, opened.error()));
                live = std::move(*opened);
            } else {
                std::unique_ptr<Statement> s = live->prepare(QStringLiteral("ATTACH ? AS other"));
                const QByteArray p = QFile::encodeName(t.path);
                if (s)
                    s->bindText(1, p);
                if (!s || s->step() != Statement::Step::Done)
                    return refuse(
                        QCoreApplication::translate("directorybackup", "%1 cannot be opened: %2")
                            .arg(t.path, live->error()));
            }
            ++attached;
            t.inPlace = live->hasTable(schemaName, part.layout);
            if (t.inPlace)
                break;
            if (schemaName == QLatin1String("other"))
                live->exec(QStringLiteral("DETACH other"));
            else
                live.reset();
            --attached;
            [[fallthrough]];
        }
        case database::FileKind::AccessJet:
        case database::FileKind::Other:
            t.aside = true;
            break;
        }
        if (!t.inPlace)
            t.fresh = database::pathIn(directory,
                                       QStringLiteral(".%1.restore-%2").arg(part.fileName, stamp));
        targets << t;
    }

    // Written down before any file is made, so that a restore stopped
    // anywhere is finished or undone the next time the folder is used.
    QList<restoresteps::Target> steps;
    for (qsizetype i = 0; i < targets.size(); ++i) {
        const Target& t = targets[i];
        steps << restoresteps::Target{t.inPlace ? restoresteps::Target::Kind::InPlace
                                      : t.aside ? restoresteps::Target::Kind::Aside
                                                : restoresteps::Target::Kind::New,
                                      t.path, parts()[i].layout.table, t.keptPath, t.fresh};
    }
    if (!restoresteps::write(directory, steps))
        return refuse(QCoreApplication::translate("directorybackup", "%1 cannot be written to.")
                          .arg(directory));
    stepsWritten = true;
    for (qsizetype i = 0; i < targets.size(); ++i) {
        if (targets[i].fresh.isEmpty())
            continue;
        if (!writeFile(targets[i].fresh, images[i]))
            return refuse(QCoreApplication::translate("directorybackup", "%1 cannot be written.")
                              .arg(targets[i].fresh));
        written << targets[i].fresh;
        if (who) {
            Expected<std::unique_ptr<File>> fresh =
                engineInUse().openFile(targets[i].fresh, engine::DatabaseEngine::Open::ReadWrite);
            const QString why =
                fresh ? recordRestore(**fresh, QStringLiteral("main"), parts()[i].fileName, file,
                                      targets[i].aside ? targets[i].keptPath : QString(), *who)
                      : fresh.error();
            if (!why.isEmpty())
                return refuse(QCoreApplication::translate(
                                  "directorybackup",
                                  "The restore cannot be entered in the change record "
                                  "of %1: %2.")
                                  .arg(targets[i].path, why));
        }
    }

    // Rows go in through the live files' own transaction: both files change
    // together or not at all, and a program holding them sees the change.
    if (live) {
        for (qsizetype i = 0; i < targets.size(); ++i) {
            if (!targets[i].inPlace)
                continue;
            const QString alias = QStringLiteral("image%1").arg(i);
            if (!live->attachImage(alias, images[i]))
                return refuse(
                    QCoreApplication::translate("directorybackup", "The backup cannot be read: %1.")
                        .arg(live->error()));
        }
        live->setBusyWait(2000);
        if (!live->exec(QStringLiteral("BEGIN IMMEDIATE"))) {
            if (live->problem() == engine::Problem::Busy)
                return refuse(QCoreApplication::translate(
                                  "directorybackup",
                                  "Another program is writing to the databases in %1. "
                                  "Let it finish (or close it) and restore again.")
                                  .arg(directory));
            return refuse(QCoreApplication::translate("directorybackup",
                                                      "The databases in %1 cannot be written: %2.")
                              .arg(directory, live->error()));
        }
    }
    auto rollBack = [&](const QString& why) {
        if (live)
            live->exec(QStringLiteral("ROLLBACK"));
        return refuse(why);
    };

    // Every file is kept before any is changed: reading one the transaction
    // has already written to would wait for a lock this restore holds.
    for (Target& t : targets) {
        if (!t.inPlace)
            continue;
        const Expected<QByteArray> current = engineInUse().imageOf(t.path);
        if (!current)
            return rollBack(current.error());
        if (!writeFile(t.keptPath, *current))
            return rollBack(QCoreApplication::translate("directorybackup", "%1 cannot be written.")
                                .arg(t.keptPath));
        written << t.keptPath;
    }
    int schemaIndex = 0;
    for (qsizetype i = 0; i < targets.size(); ++i) {
        if (!targets[i].inPlace)
            continue;
        const QString schemaName =
            schemaIndex++ == 0 ? QStringLiteral("main") : QStringLiteral("other");
        const QString table = parts()[i].layout.table;
        if (const QString why = copyRows(*live, schemaName, QStringLiteral("image%1").arg(i), table,
                                         targets[i].path);
            !why.isEmpty())
            return rollBack(why);
        if (!who)
            continue;
        if (const QString why = recordRestore(*live, schemaName, parts()[i].fileName, file,
                                              targets[i].keptPath, *who);
            !why.isEmpty())
            return rollBack(
                QCoreApplication::translate("directorybackup",
                                            "The restore cannot be entered in the change record "
                                            "of %1: %2.")
                    .arg(targets[i].path, why));
    }

    // Whole files last: moved in just before the commit, moved back if it fails.
    QList<QPair<QString, QString>> moves;
    auto undoMoves = [&] {
        for (auto it = moves.crbegin(); it != moves.crend(); ++it)
            moveFile(it->second, it->first);
    };
    for (Target& t : targets) {
        if (t.aside) {
            if (!moveFile(t.path, t.keptPath)) {
                undoMoves();
                return rollBack(
                    QCoreApplication::translate("directorybackup", "%1 cannot be moved aside.")
                        .arg(t.path));
            }
            moves << qMakePair(t.path, t.keptPath);
            if (moves.size() == renames)
                return Outcome::failure(QStringLiteral("Stopped after %1 renames.").arg(renames));
        }
        if (!t.fresh.isEmpty()) {
            if (!moveFile(t.fresh, t.path)) {
                undoMoves();
                return rollBack(
                    QCoreApplication::translate("directorybackup", "%1 cannot be put in place.")
                        .arg(t.path));
            }
            moves << qMakePair(t.fresh, t.path);
        }
        if (moves.size() == renames)
            return Outcome::failure(QStringLiteral("Stopped after %1 renames.").arg(renames));
    }
    if (live && !live->exec(QStringLiteral("COMMIT"))) {
        const QString failed = live->error();
        undoMoves();
        return rollBack(
            QCoreApplication::translate("directorybackup", "The databases cannot be written: %1.")
                .arg(failed));
    }
    restoresteps::clear(directory);
    if (kept) {
        for (const Target& t : targets) {
            if (t.inPlace || t.aside)
                *kept << t.keptPath;
        }
    }
    return Outcome::success();
}

} // namespace directorybackup
