#pragma once

#include "location.h"
#include "recordcursor.h"

// An operator view: a record cursor over user_pin (user, password) in table
// order; on a database server over the view that shows no PIN's digest.
class OperatorView : public RecordCursor
{
    Q_OBJECT

public:
    static constexpr int kUser = 0;
    static constexpr int kPassword = 1;

    // The operators where the data lives: a building's are the server's.
    explicit OperatorView(const store::Location& location, QObject* parent = nullptr);
    // Opens user_pin in the location's operator database.
    Outcome openIn();
    const store::Location& location() const { return m_location; }
    // Every write is recorded in the operator file's change record as who's.
    void recordAs(const changerecord::Actor& who);
    // The current operator's PIN as a window shows it: on a shared server
    // only a digest is stored, so nothing unless a new PIN was typed.
    QString shownPin() const;

private:
    store::Location m_location;
};
