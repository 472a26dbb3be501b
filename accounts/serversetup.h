#pragma once

#include "databasesetup.h"
#include "location.h"
#include "outcome.h"

#include <optional>

// Preparing a building on a database server: its schema with the
// room table and the transfer record, the server-wide operators table, and
// the triggers that tell every open window of the building about a change.
// Everything is made in one transaction, and only what is missing.
namespace serversetup {

struct Prepared
{
    bool madeBuilding = false;
    bool madeOperators = false;
    int operators = 0;
};

// Makes what is missing; the first operator is added (its PIN as a digest)
// when the operators table holds nobody.
Expected<Prepared> prepare(const store::Location& building,
                           const std::optional<databasesetup::Operator>& first);

// Removes the building with all it holds: for a building a refused
// copy has just made, so the copy leaves nothing behind.
void dropBuilding(const store::Location& building);

// A login that may read the building but not the operators (as the
// README's read-only login) cannot log in as an operator: the building is
// then opened read-only without the login, and this says so. Empty for any
// other login, and when the server cannot be reached.
QString viewOnly(const store::Location& building);
// Renews what every building on the server shares when an older Quorvane
// made it: the function the triggers announce changes through, and what keeps
// the PIN digests from the logins (see prepare). The program does so when it
// opens a building. A login that may not renew them is refused; its windows
// then say that live updates are off, and its login is refused with advice.
Outcome renew(const store::Location& building);

// Whether pin is the PIN of the first operator called name, as the server
// checks it: no login reads a digest, and each recent failure makes the
// next answer slower.
Expected<bool> pinAccepted(const store::Location& building, const QString& name,
                           const QString& pin);

// Whether the building's room table exists.
Expected<bool> buildingExists(const store::Location& building);
// The operators on the server; nothing when there is no operators table yet.
Expected<std::optional<int>> operatorCount(const store::Location& building);

} // namespace serversetup
