#pragma once

#include "dbtool.h"

#include <sys/types.h>

// Helpers the companion's commands share.
namespace dbtool {

// Writes one line and flushes it, so prompts and messages keep their order.
void say(QTextStream& stream, const QString& text);
QString errnoText(int error);
// The directory made absolute, or nothing after saying why it cannot be used.
std::optional<QString> existingDirectory(const QString& directory, Console& console);
// The -journal, -wal and -shm files beside a database that exist (even as a
// dangling link). SQLite takes them as the unfinished write of that file.
QStringList sideFiles(const QString& path);
// Permission bits as chmod takes them, e.g. "0600".
QString modeText(mode_t mode);
// What other users may do with a file of this mode ("read", "change", "read
// and change"), or empty text when the file is private.
QString exposure(mode_t mode);

} // namespace dbtool
