#pragma once

#include "outcome.h"

#include <QList>
#include <QString>
#include <QStringList>

// The steps of a restore, written down in its folder before the first file
// is made, so that a restore stopped halfway (killed, the power lost between
// two renames) is finished or undone the next time the folder is used
// rather than leaving a database file missing beside its hidden copy.
namespace restoresteps {

struct Target
{
    enum class Kind {
        InPlace, // rows copied in the file's own transaction; kept is a copy of it
        Aside,   // the file is moved to kept, then fresh takes its place
        New,     // there was no file; fresh takes its place
    };
    Kind kind = Kind::New;
    QString path;
    QString table;
    QString kept;
    QString fresh; // the backup's image, hidden beside path
};

// Written and flushed to the disk; false when it cannot be.
bool write(const QString& directory, const QList<Target>& targets);
// Once the restore has finished, or has undone what it did.
void clear(const QString& directory);

// Empty when no restore in directory stopped halfway; otherwise what it left,
// naming the hidden files and the command that finishes or undoes it. A
// building (no folder) keeps no steps: its server ends its own transactions.
QString pending(const QString& directory);

// Finishes a restore that stopped halfway once its rows were written, and
// undoes one that stopped before, and tells which (empty when nothing was
// pending). A failure names what is left and what to run.
Expected<QString> recover(const QString& directory);

// What a database's -journal says of the write that left it.
enum class Journal {
    None,       // none, or one whose header was never written, which SQLite passes over
    Unfinished, // opening the file rolls that write back
    Finished,   // a write to both files that had been committed: SQLite drops the journal
};
Journal journalOf(const QString& path);

// Removes what a write to both files left when it was stopped before it
// changed either: the super-journal that no journal names any more, and the
// journals whose header was never written. Only while both files can be
// held, so no program is making that write now. The files removed.
QStringList clearStoppedWrite(const QString& directory);

} // namespace restoresteps
