#pragma once

#include "changerecord.h"
#include "outcome.h"
#include "schema.h"

#include <QStringList>

#include <functional>
#include <optional>

// Creating the two database files of a data folder with the first operator,
// for the first start of the program and for quorvane-db init alike. Each
// file is built under a temporary name, private, and moved into place only
// when complete and when nothing (not even a stale journal) stands at its name.
namespace databasesetup {

struct Operator
{
    QString name;
    QString pin;
};

// Whether a new operator's name or PIN can be taken: success, or a failure
// saying why not. A name in taken is refused: only the first operator of a
// name can log in.
Outcome checkName(const QString& name, const QStringList& taken);
Outcome checkPin(const QString& pin);
// Whether a PIN typed twice can be taken: a failure when the two differ.
Outcome checkPinAgain(const QString& pin, const QString& again);

// What the creation says: a note of what was done or found, or a problem.
enum class Channel { Note, Problem };
using Say = std::function<void(Channel, const QString&)>;
struct FirstOperator
{
    // True when a name or PIN came with the request: it is then a failure
    // that an existing operator file, which is never changed, does not get it.
    bool given = false;
    // Asked only when the operator file is to be made, before anything is
    // written; nothing after saying why there is none.
    std::function<std::optional<Operator>(const Say&)> ask;
};

// The change record's entry for the first operator of a new operator table.
changerecord::Entry firstOperatorEntry(const Operator& first);

// The given name and PIN, refused by the rules above.
FirstOperator givenOperator(const QString& name, const QString& pin);

// Creates whichever of the two files is missing in the existing directory,
// leaving a file that exists untouched. False when something failed or is
// wrong; every reason has been said.
bool create(const QString& directory, const FirstOperator& first, const Say& say);

// One file with its table, and the first operator when one is given. A
// killed creation's leftover temporary files are removed first.
Outcome createDatabase(const QString& directory, const QString& fileName, const TableSpec& layout,
                       const std::optional<Operator>& first);
// Why a database file cannot be made or used at path: a name taken by a
// directory or a link to nothing, or a journal of an unfinished write, which
// a new file beside it would take in and be damaged by. Empty when nothing
// stands in the way.
QStringList obstacles(const QString& path, const QString& directory);

// An entry exists even as a dangling symbolic link: creation must not replace it.
bool entryExists(const QString& path);
// The -journal, -wal and -shm files beside a database that exist (even as a
// dangling link). SQLite takes them as the unfinished write of that file.
QStringList sideFiles(const QString& path);
QString errnoText(int error);
// INSERT of one row holding every field of the table, bound in field order.
QString insertStatement(const TableSpec& layout);
// The operators in an existing operator file, read without changing it;
// nothing when it cannot be read as one.
std::optional<int> operatorCount(const QString& path);

} // namespace databasesetup
