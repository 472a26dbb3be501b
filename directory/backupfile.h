#pragma once

#include "engine/databaseengine.h"
#include "outcome.h"
#include "schema.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// What taking a backup and restoring one share.
namespace directorybackup {

// The engine that opens the database files.
const engine::FileEngine& engineInUse();

// The two databases a backup holds, in the order of its images.
struct Part
{
    QString fileName;
    TableSpec layout;
};
const QList<Part>& parts();

// Reads and checks a backup: each part's image, in the order of parts().
Outcome load(const QString& file, QList<QByteArray>& images);

// A database file and the files SQLite keeps beside it (suffixes, the file's own first).
extern const QStringList kSideFiles;

bool moveFile(const QString& from, const QString& to);

} // namespace directorybackup
