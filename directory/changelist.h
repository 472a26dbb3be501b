#pragma once

#include "changerecord.h"
#include "outcome.h"
#include "outputfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The change records of a data folder's two files read as one list, newest
// first, for the Change record window and the companion's audit command.
namespace changelist {

using changerecord::Entry;

// Empty texts and invalid times leave a filter out. A room names only the
// room file's entries.
struct Filter
{
    QString room;
    QString operatorName;
    QString host;
    QDateTime since; // from this time on
    QDateTime until; // before this time
};

// Both files' entries that pass the filter, newest first. A file that is
// missing, or holds no record yet, adds none; reading never writes.
Expected<QList<Entry>> read(const store::Location& location, const Filter& filter);

// On a server, what the list lacks because this login may not read the
// operators' part of the change record; empty when nothing is left out.
QString unreadPart(const store::Location& location);

// A date the operator typed: YYYY-MM-DD (local midnight, or the midnight
// after that day when endOfDay) or a date and time, YYYY-MM-DD HH:MM[:SS[.mmm]]
// with T or a space between them, local time unless Z or +HH:MM follows;
// nothing when it is neither or names a day or time that does not exist.
std::optional<QDateTime> parseDate(const QString& text, bool endOfDay);

// An entry's detail, kept in the program's own words, in the reader's.
QString shownDetail(const QString& kept);
// "rooms" or "operators".
QString fileText(Entry::File file);

// The entries as CSV in UTF-8, one line each with a header; a value a
// spreadsheet would take for a formula is kept as text.
QByteArray csv(const QList<Entry>& entries);
// The same written to target, refused when target lands on a database of the
// folder or a file SQLite keeps for one.
Outcome exportTo(const store::Location& location, const QList<Entry>& entries,
                 const QString& target, outputfile::Reader reader = outputfile::Reader::Wait);

// Refuses a prune date in the future or within the last 30 days, which are
// always kept.
Outcome pruneAllowed(const QDateTime& before);
// How many entries a prune before that time would remove from both files.
Expected<int> prunable(const store::Location& location, const QDateTime& before);
// Removes the entries before a time from both files, each file in one
// transaction that also records the pruning as who's; an entry recording an
// earlier prune stays. A date pruneAllowed refuses removes nothing. Returns
// how many went.
Expected<int> prune(const store::Location& location, const QDateTime& before,
                    const changerecord::Actor& who);

} // namespace changelist
