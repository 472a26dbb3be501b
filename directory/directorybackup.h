#pragma once

#include "changerecord.h"
#include "outcome.h"

#include <QString>
#include <QStringList>

// One file holding both of the program's databases, and putting them back.
//
// A backup is itself an SQLite file with one table,
// quorvane_backup(file, image, sha256, taken): a row for Inhabitant_telnum.mdb and one
// for user_password.mdb, each image the whole database as SQLite's online
// backup copied it, so it is consistent even while Quorvane writes. One file
// is easy to carry and to check (sqlite3 opens it), and each image is a
// complete database again once written out.
namespace directorybackup {

// Takes both databases of directory into file, then reads the file back and
// checks it. An existing file is replaced only when it is a backup itself.
Outcome backup(const store::Location& location, const QString& file);

// Checks a backup: the file's own integrity, both images present, each a
// sound database holding its table.
Outcome verify(const QString& file);

// Puts both databases of the backup in directory. A database file there is
// first kept beside itself as NAME.before-restore-YYYYMMDD-HHMMSS (its paths
// are added to kept), then given the backup's rows in place, both in one
// transaction, so a program that has it open sees the restored rows after
// Refresh and its own unwritten edits meet them as any other program's
// change. A missing file (or one that is not a usable database, which is
// moved aside under the dated name) is written whole. Refused, changing
// nothing, when the backup fails verify() or another program is writing.
// With who, each file restored then records the restore as who's.
Outcome restore(const store::Location& location, const QString& file, QStringList* kept = nullptr,
                const changerecord::Actor* who = nullptr);
// For tests: while one lives, a restore of a folder stops after that many
// renames, as a restore killed there would be, leaving what it made.
class StopAfterRenames
{
public:
    explicit StopAfterRenames(int renames);
    ~StopAfterRenames();
    StopAfterRenames(const StopAfterRenames&) = delete;
    StopAfterRenames& operator=(const StopAfterRenames&) = delete;
};

} // namespace directorybackup
