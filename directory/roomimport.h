#pragma once

#include "changerecord.h"
#include "outcome.h"
#include "outputfile.h"
#include "roomcsv.h"
#include "roomrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// Reads and writes the room directory as a whole, through a connection of its
// own: the directory window's record cursor sees the result after Refresh,
// and an edit it had not written to a row changed here is refused as any
// write that meets another program's change.
namespace roomimport {

// Rows of the directory: a room stored twice and given new numbers is two changed.
struct Written
{
    int added = 0;
    int changed = 0;
    int unchanged = 0;
    int removed = 0;
};

// What an import wrote, in the words the program and the companion both use:
// "Imported WHAT: 2 rooms added, 1 changed, 0 unchanged[, 3 removed]."
QString summary(const QString& what, const Written& written, bool replaced);

// Every room of the directory file at path in table order.
Outcome readDirectory(const store::Database& path, QList<RoomRecord>& rooms);

// Writes rooms in one transaction. Merging gives a room already present the
// numbers of rooms (every row of it, should it be stored twice; "101" finds a
// stored "0101", the same room to the door unit) and adds the others at the
// end in their order; replacing makes the table exactly rooms.
// A failure leaves the directory as it was. The caller has judged the rows:
// the rooms must be distinct and fit the door unit's record. With who, the
// same transaction records the import with its counts and each room it
// added, changed or removed in the change record.
Outcome write(const store::Database& path, const QList<RoomRecord>& rooms, bool replace,
              Written* written = nullptr, const changerecord::Actor* who = nullptr);
// The same for the rows of a room file as read, which spares a copy of them.
// With keep, the rows may be written while they are still being judged: it
// is asked once all are written, before they are committed, and when it
// answers false everything is rolled back, the directory and its record left
// as they were, and write succeeds having written nothing. The rows must
// then be any a file may hold, not only judged ones, and a lock another
// program holds is waited for only briefly before write fails: the caller
// writes the rows again once they are judged. With soFar, they are
// taken as they are read, and a reading that does not end whole is rolled
// back the same way.
Outcome write(const store::Database& path, const QList<roomcsv::CsvRow>& rows, bool replace,
              Written* written = nullptr, const changerecord::Actor* who = nullptr,
              const std::function<bool()>& keep = {}, roomcsv::RowsSoFar* soFar = nullptr);

// The directory as roomcsv::write puts it.
Outcome exportCsv(const store::Database& path, QByteArray& csv);

// The same written to target by outputfile::write; refused before anything
// is read when target lands on a database beside path or a file SQLite keeps
// for one.
Outcome exportTo(const store::Database& path, const QString& target,
                 outputfile::Reader reader = outputfile::Reader::Wait);

} // namespace roomimport
