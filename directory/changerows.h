#pragma once

#include "changelist.h"

#include <QSqlDatabase>

// Reading a file's change record for the list: what changelist.cpp's
// readers share.
namespace changelist {

// "The change record in <path> cannot be read: <why>".
QString cannotRead(const store::Database& path, const QString& why);

// The entries of one file that pass the filter, newest first, each import
// followed by its rooms when the filter names no room.
Outcome select(const QSqlDatabase& db, const store::Database& path, Entry::File file,
               const Filter& filter, QList<Entry>& into);
// The rooms that imports passing the filter wrote of the filter's room.
Outcome selectImported(const QSqlDatabase& db, const store::Database& path, Entry::File file,
                       const Filter& filter, QList<Entry>& into);

} // namespace changelist
