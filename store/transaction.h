#pragma once

#include "outcome.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

namespace store {

// A transaction on one connection, begun the way its engine begins a write
// (taking the write lock at once where the engine can). It is rolled back
// when it ends unless it was committed, so every way out of a write that
// fails leaves the database as it was.
class Transaction
{
public:
    // Begins a write transaction; active() says whether it began.
    explicit Transaction(const QSqlDatabase& db);
    // Begins with a statement of the caller's, for a transaction that is
    // not a write (a snapshot read, say).
    Transaction(const QSqlDatabase& db, const QString& begin);
    // Begins with the statements given, in order (a write that locks a
    // table as well, say).
    Transaction(const QSqlDatabase& db, const QStringList& begin);
    // Begins a transaction that only reads, seeing the database as it stood
    // at one moment; ending it, committed or not, changes nothing.
    static Transaction snapshot(const QSqlDatabase& db);
    Transaction(Transaction&& other) noexcept;
    Transaction& operator=(Transaction&&) = delete;
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();

    // Begun, and neither committed nor rolled back.
    bool active() const { return m_active; }
    // Why beginning or committing failed; invalid when neither did.
    const QSqlError& error() const { return m_error; }

    // Makes the transaction's work last; on failure it stays to be rolled
    // back, and error() says why.
    [[nodiscard]] Outcome commit();
    // Ends the transaction now, undoing its work.
    void rollback();

private:
    QSqlDatabase m_db;
    bool m_active = false;
    QSqlError m_error;
};

} // namespace store
