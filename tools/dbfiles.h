#pragma once

#include <QStringList>

#include <sys/types.h>

// What lies at a database's path: the entry itself, the files SQLite keeps
// beside it, and who may read it.
namespace dbtool {

// An entry exists even as a dangling symbolic link: init must not replace it.
bool entryExists(const QString& path);
// The -journal, -wal and -shm files beside a database that exist (even as a
// dangling link). SQLite takes them as the unfinished write of that file.
QStringList sideFiles(const QString& path);
// Permission bits as chmod takes them, e.g. "0600".
QString modeText(mode_t mode);
// What other users may do with a file of this mode ("read", "change", "read
// and change"), or empty text when the file is private.
QString exposure(mode_t mode);
QString errnoText(int error);

} // namespace dbtool
