#pragma once

#include <QString>

#include <sys/types.h>

// Who may read a database file.
namespace dbtool {

// Permission bits as chmod takes them, e.g. "0600".
QString modeText(mode_t mode);
// What other users may do with a file of this mode ("read", "change", "read
// and change"), or empty text when the file is private.
QString exposure(mode_t mode);

} // namespace dbtool
