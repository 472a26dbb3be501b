#pragma once

#include "location.h"
#include "outcome.h"

#include <QString>

// The first start of an installed copy: a data folder that holds neither
// database file, or a building not yet prepared. The program offers to
// create both with a first operator, as quorvane-db init does.
class FirstStart
{
public:
    explicit FirstStart(const store::Location& location) : m_location(location) {}

    // True when the folder holds neither file, so creating both is safe.
    // A folder holding one of them, damaged or not, is left to the messages
    // that name the command which mends it.
    bool due() const;
    const store::Location& location() const { return m_location; }

    // Creates both files with the first operator. The PIN is typed twice;
    // the name and PIN follow the rules for a new operator. On failure nothing is
    // left behind and the description says what to change.
    Outcome create(const QString& name, const QString& pin, const QString& pinAgain);

private:
    store::Location m_location;
};
