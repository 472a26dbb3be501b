#include "directorybackup.h"

#include "backupfile.h"
#include "buildingcopy.h"
#include "database.h"
#include "location.h"
#include "restoresteps.h"
#include "restorewrites.h"
#include "schema.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <unistd.h>

namespace directorybackup {

using engine::File;
using engine::Statement;
using engine::TableShape;

namespace {

// Where the tests stop a restore, as one killed there would be; -1: nowhere.
int g_stopAfterRenames = -1;

// The stamp of the kept files: two restores within a second must not share a name.
QString freeStamp(const QString& directory)
{
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
    return stamp;
}

QString text(const char* source)
{
    return QCoreApplication::translate("directorybackup", source);
}

// One restore of a folder's files from a backup. Each step fails with why it
// cannot go on.
class FolderRestore
{
public:
    FolderRestore(const QString& directory, const QString& file, const changerecord::Actor* who)
        : m_directory(directory), m_file(file), m_who(who)
    {
    }

    Outcome run(QStringList* kept)
    {
        if (Outcome loaded = load(m_file, m_images); !loaded)
            return Outcome::failure(loaded.description() + text(". Nothing was restored."));
        if (const QString left = restoresteps::pending(m_directory); !left.isEmpty())
            return Outcome::failure(left + text(" Nothing was restored."));
        m_stamp = freeStamp(m_directory);
        for (const auto step :
             {&FolderRestore::plan, &FolderRestore::writeSteps, &FolderRestore::writeFresh,
              &FolderRestore::begin, &FolderRestore::keepCurrent, &FolderRestore::copyIn,
              &FolderRestore::moveWhole, &FolderRestore::commit}) {
            if (const Outcome done = (this->*step)(); !done)
                return fail(done.description());
            if (m_stopped)
                return Outcome::failure(
                    QStringLiteral("Stopped after %1 renames.").arg(g_stopAfterRenames));
        }
        restoresteps::clear(m_directory);
        if (kept) {
            for (const Target& t : std::as_const(m_targets)) {
                if (t.inPlace || t.aside)
                    *kept << t.keptPath;
            }
        }
        return Outcome::success();
    }

private:
    struct Target
    {
        QString path;
        QString keptPath;
        bool inPlace = false;
        bool aside = false; // an unusable file to move to keptPath
        QString fresh;      // the image written beside, to be renamed into path
    };

    // Undoes what this restore made: the transaction, the files, the steps.
    Outcome fail(const QString& why)
    {
        m_transaction.reset();
        for (const QString& path : std::as_const(m_written))
            QFile::remove(path);
        if (m_stepsWritten)
            restoresteps::clear(m_directory);
        return Outcome::failure(why + text(" Nothing was restored."));
    }

    // What becomes of each file: given the rows in place, or written whole.
    Outcome plan()
    {
        for (const Part& part : parts()) {
            Target t;
            t.path = database::pathIn(m_directory, part.fileName);
            t.keptPath = t.path + QStringLiteral(".before-restore-") + m_stamp;
            if (Outcome planned = planFile(part, t); !planned)
                return planned;
            if (!t.inPlace)
                t.fresh = database::pathIn(
                    m_directory, QStringLiteral(".%1.restore-%2").arg(part.fileName, m_stamp));
            m_targets << t;
        }
        return Outcome::success();
    }

    Outcome planFile(const Part& part, Target& t)
    {
        switch (database::probe(t.path)) {
        case database::FileKind::Missing:
            // A journal of a vanished file would be taken as the new file's.
            if (QFileInfo::exists(t.path + QStringLiteral("-journal")))
                return Outcome::failure(
                    text("%1-journal is left from an unfinished write; move it away first.")
                        .arg(t.path));
            return Outcome::success();
        case database::FileKind::Unreadable:
            return Outcome::failure(text("%1 cannot be read or replaced.").arg(t.path));
        case database::FileKind::Sqlite: {
            const QString schemaName =
                m_attached == 0 ? QStringLiteral("main") : QStringLiteral("other");
            if (Outcome opened = openLive(t.path); !opened)
                return opened;
            ++m_attached;
            t.inPlace = m_live->hasTable(schemaName, part.layout);
            if (t.inPlace)
                return Outcome::success();
            if (schemaName == QLatin1String("other"))
                m_live->exec(QStringLiteral("DETACH other"));
            else
                m_live.reset();
            --m_attached;
            [[fallthrough]];
        }
        case database::FileKind::AccessJet:
        case database::FileKind::Other:
            t.aside = true;
            return Outcome::success();
        }
        return Outcome::success();
    }

    // The first live file opened, the second attached beside it.
    Outcome openLive(const QString& path)
    {
        if (!m_live) {
            Expected<std::unique_ptr<File>> opened =
                engineInUse().openFile(path, engine::FileEngine::Open::ReadWrite);
            if (!opened)
                return Outcome::failure(text("%1 cannot be opened: %2.").arg(path, opened.error()));
            m_live = std::move(*opened);
            return Outcome::success();
        }
        std::unique_ptr<Statement> s = m_live->prepare(QStringLiteral("ATTACH ? AS other"));
        const QByteArray p = QFile::encodeName(path);
        if (s)
            s->bindText(1, p);
        if (!s || s->step() != Statement::Step::Done)
            return Outcome::failure(text("%1 cannot be opened: %2").arg(path, m_live->error()));
        return Outcome::success();
    }

    // Written down before any file is made, so that a restore stopped
    // anywhere is finished or undone the next time the folder is used.
    Outcome writeSteps()
    {
        QList<restoresteps::Target> steps;
        for (qsizetype i = 0; i < m_targets.size(); ++i) {
            const Target& t = m_targets[i];
            steps << restoresteps::Target{t.inPlace ? restoresteps::Target::Kind::InPlace
                                          : t.aside ? restoresteps::Target::Kind::Aside
                                                    : restoresteps::Target::Kind::New,
                                          t.path, parts()[i].layout.table, t.keptPath, t.fresh};
        }
        if (!restoresteps::write(m_directory, steps))
            return Outcome::failure(text("%1 cannot be written to.").arg(m_directory));
        m_stepsWritten = true;
        return Outcome::success();
    }

    // The files written whole, each with the restore in its change record.
    Outcome writeFresh()
    {
        for (qsizetype i = 0; i < m_targets.size(); ++i) {
            const Target& t = m_targets[i];
            if (t.fresh.isEmpty())
                continue;
            if (!writeFile(t.fresh, m_images[i]))
                return Outcome::failure(text("%1 cannot be written.").arg(t.fresh));
            m_written << t.fresh;
            if (!m_who)
                continue;
            Expected<std::unique_ptr<File>> fresh =
                engineInUse().openFile(t.fresh, engine::FileEngine::Open::ReadWrite);
            const Outcome recorded =
                fresh ? recordRestore(**fresh, QStringLiteral("main"), parts()[i].fileName, m_file,
                                      t.aside ? t.keptPath : QString(), *m_who)
                      : fresh.outcome();
            if (!recorded)
                return notRecorded(t.path, recorded.description());
        }
        return Outcome::success();
    }

    static Outcome notRecorded(const QString& path, const QString& why)
    {
        return Outcome::failure(
            text("The restore cannot be entered in the change record of %1: %2.").arg(path, why));
    }

    // Rows go in through the live files' own transaction: both files change
    // together or not at all, and a program holding them sees the change.
    Outcome begin()
    {
        if (!m_live)
            return Outcome::success();
        for (qsizetype i = 0; i < m_targets.size(); ++i) {
            if (m_targets[i].inPlace &&
                !m_live->attachImage(QStringLiteral("image%1").arg(i), m_images[i]))
                return Outcome::failure(
                    text("The backup cannot be read: %1.").arg(m_live->error()));
        }
        m_live->setBusyWait(2000);
        m_transaction.emplace(*m_live);
        if (!m_transaction->active()) {
            m_transaction.reset();
            if (m_live->problem() == engine::Problem::Busy)
                return Outcome::failure(text("Another program is writing to the databases in %1. "
                                             "Let it finish (or close it) and restore again.")
                                            .arg(m_directory));
            return Outcome::failure(text("The databases in %1 cannot be written: %2.")
                                        .arg(m_directory, m_live->error()));
        }
        return Outcome::success();
    }

    // Every file is kept before any is changed: reading one the transaction
    // has already written to would wait for a lock this restore holds.
    Outcome keepCurrent()
    {
        for (const Target& t : std::as_const(m_targets)) {
            if (!t.inPlace)
                continue;
            const Expected<QByteArray> current = engineInUse().imageOf(t.path);
            if (!current)
                return current.outcome();
            if (!writeFile(t.keptPath, *current))
                return Outcome::failure(text("%1 cannot be written.").arg(t.keptPath));
            m_written << t.keptPath;
        }
        return Outcome::success();
    }

    Outcome copyIn()
    {
        int schemaIndex = 0;
        for (qsizetype i = 0; i < m_targets.size(); ++i) {
            const Target& t = m_targets[i];
            if (!t.inPlace)
                continue;
            const QString schemaName =
                schemaIndex++ == 0 ? QStringLiteral("main") : QStringLiteral("other");
            if (Outcome copied = copyRows(*m_live, schemaName, QStringLiteral("image%1").arg(i),
                                          parts()[i].layout.table, t.path);
                !copied)
                return copied;
            if (!m_who)
                continue;
            if (const Outcome recorded = recordRestore(*m_live, schemaName, parts()[i].fileName,
                                                       m_file, t.keptPath, *m_who);
                !recorded)
                return notRecorded(t.path, recorded.description());
        }
        return Outcome::success();
    }

    void undoMoves()
    {
        for (auto it = m_moves.crbegin(); it != m_moves.crend(); ++it)
            moveFile(it->second, it->first);
    }

    bool moved(const QString& from, const QString& to)
    {
        if (!moveFile(from, to)) {
            undoMoves();
            return false;
        }
        m_moves << qMakePair(from, to);
        return true;
    }

    // Whole files last: moved in just before the commit, moved back if it fails.
    Outcome moveWhole()
    {
        for (const Target& t : std::as_const(m_targets)) {
            if (t.aside) {
                if (!moved(t.path, t.keptPath))
                    return Outcome::failure(text("%1 cannot be moved aside.").arg(t.path));
                if ((m_stopped = m_moves.size() == g_stopAfterRenames))
                    return Outcome::success();
            }
            if (!t.fresh.isEmpty() && !moved(t.fresh, t.path))
                return Outcome::failure(text("%1 cannot be put in place.").arg(t.path));
            if ((m_stopped = m_moves.size() == g_stopAfterRenames))
                return Outcome::success();
        }
        return Outcome::success();
    }

    Outcome commit()
    {
        if (!m_transaction)
            return Outcome::success();
        if (const Outcome committed = m_transaction->commit(); !committed) {
            undoMoves();
            return Outcome::failure(
                text("The databases cannot be written: %1.").arg(committed.description()));
        }
        m_transaction.reset();
        return Outcome::success();
    }

    const QString& m_directory;
    const QString& m_file;
    const changerecord::Actor* m_who;
    QList<QByteArray> m_images;
    QString m_stamp;
    QList<Target> m_targets;
    QStringList m_written; // files this restore made, removed again if it fails
    bool m_stepsWritten = false;
    std::unique_ptr<File> m_live;
    // Declared after the file: rolled back before the file closes.
    std::optional<engine::FileTransaction> m_transaction;
    int m_attached = 0;
    bool m_stopped = false;
    QList<QPair<QString, QString>> m_moves;
};

} // namespace

Outcome restore(const store::Location& location, const QString& file, QStringList* kept,
                const changerecord::Actor* who)
{
    if (location.isBuilding()) {
        const Expected<QString> restored = buildingcopy::restoreBuilding(location, file, who);
        if (!restored)
            return restored.outcome();
        if (kept && !restored->isEmpty())
            kept->append(
                QCoreApplication::translate("directorybackup", "the schema %1 on the server")
                    .arg(database::quotedIdentifier(*restored)));
        return Outcome::success();
    }
    return FolderRestore(location.folderPath(), file, who).run(kept);
}

StopAfterRenames::StopAfterRenames(int renames)
{
    g_stopAfterRenames = renames;
}

StopAfterRenames::~StopAfterRenames()
{
    g_stopAfterRenames = -1;
}

} // namespace directorybackup
