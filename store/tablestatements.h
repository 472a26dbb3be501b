#pragma once

#include "busywait.h"
#include "database.h"
#include "outcome.h"
#include "rowstore.h"
#include "schema.h"
#include "transaction.h"

#include <QSqlError>
#include <QVariant>

#include <functional>
#include <optional>
#include <utility>

class QSqlDatabase;
class QSqlDriver;
class QSqlQuery;

// How a table's rows are read at open. The engine's own interface reads
// large tables several times faster, but only works when Qt's driver uses
// the same engine library as the program; Automatic takes it when it can.
enum class SnapshotEngine { Automatic, EngineApi, QtDriver };

// A row as one write changed it: the fields as read and as now stored
// (empty lists for the side a new or deleted row lacks).
struct RowChange
{
    enum class Kind { Added, Changed, Deleted };
    Kind kind = Kind::Changed;
    QStringList before;
    QStringList after;
};

// One table of one database file as the cursor reads and writes it: the
// connection, the key a row is found by, the snapshot reader and the
// statements that write a row back.
//
// Writes are optimistic: a row is written only where the table still holds
// exactly what was read, so another program's change is never overwritten.
class TableStatements
{
public:
    explicit TableStatements(TableSpec layout) : m_spec(std::move(layout)) {}
    ~TableStatements() { disconnect(); }

    const TableSpec& layout() const { return m_spec; }
    bool isConnected() const { return !m_connection.isEmpty(); }

    // Opens the file and checks that it holds the table and its fields.
    Outcome connect(const store::Database& path);
    void disconnect();
    // The driver of the connection, subscribed to a server's announcements;
    // null where the driver announces nothing or the subscription failed.
    QSqlDriver* listen();
    // A server connection is asked whether it is still there; a dead one is
    // opened again (and subscribed again, the reconnected callback told).
    // True when it was opened again.
    bool revive();
    // Told of the new driver when a lost server connection is opened again.
    void setReconnected(std::function<void(QSqlDriver*)> told) { m_reconnected = std::move(told); }
    // True when the file at the path is no longer the one the connection
    // opened: another program replaced it (by a rename) or removed it, and a
    // write would go into a file nobody reads.
    bool fileReplaced() const;

    // Who is told while a statement waits for a file another program holds,
    // and how long it waits.
    void setBusyWatcher(BusyWatcher* watcher) { m_busy.setWatcher(watcher); }
    void setBusyLimit(int ms) { m_busy.setLimit(ms); }

    void setEngine(SnapshotEngine engine) { m_engine = engine; }
    // What a typed value is stored as (a PIN as its digest, say); the row
    // read back then holds the stored form.
    using StoreAs = std::function<QVariant(int column, const QVariant& typed)>;
    void setStoreAs(StoreAs storeAs) { m_storeAs = std::move(storeAs); }
    // The engine that read the last snapshot.
    SnapshotEngine usedEngine() const { return m_used; }
    // Every row of the table, in key order where it has one.
    Outcome readSnapshot(const RowStore& store, std::vector<RowStore::Row>& rows);

    // What a write of a row came to; stale tells that another program
    // changed or deleted the row since it was read.
    struct Written
    {
        Outcome outcome = Outcome::success();
        bool stale = false;
    };
    // Writes a row's typed values (an INSERT for a new row) and reads the row
    // back, so the next write matches what the table holds.
    Written writeRow(RowStore& store, int index, const QString& label);
    Written deleteRow(const RowStore& store, int index, const QString& label);

    // Run inside each write's transaction before it commits: a refusal
    // rolls the write back, so a change never lands without what it adds.
    using ChangeHook = std::function<Outcome(const QSqlDatabase&, const RowChange&)>;
    void setChangeHook(ChangeHook hook) { m_hook = std::move(hook); }
    bool hasChangeHook() const { return bool(m_hook); }
    // Runs work in one transaction of the connection, committed when it succeeds.
    Outcome inTransaction(const std::function<Outcome(const QSqlDatabase&)>& work);

private:
    QSqlDatabase database() const;
    void findKey();
    QVariantList keyParts(const QVariant& key) const;
    // "key=? AND ... AND field IS ? AND ...": byKey names the key columns,
    // byValues every field as read.
    QString where(bool byKey, bool byValues) const;
    void bindMatch(QSqlQuery& query, const RowStore& store, const RowStore::Row& row) const;
    Outcome deleted(const QSqlDatabase& db, const RowStore& store, const RowStore::Row& row) const;
    Outcome readOnce(const RowStore& store, std::vector<RowStore::Row>& rows);
    // How many rows to make room for before they are read.
    size_t expectedRows();
    // Nothing when the engine's own interface cannot be used.
    std::optional<Outcome> readWithEngine(const QString& select, const RowStore& store,
                                          std::vector<RowStore::Row>& rows);
    Outcome readWithQtDriver(const QString& select, const RowStore& store,
                             std::vector<RowStore::Row>& rows);

    // What a write of a row stores: the columns set and their values, and
    // every field as it then stands.
    struct Pending
    {
        QStringList changed;
        QVariantList values;
        QVariantList written;
    };
    // The INSERT or UPDATE of a write: why it failed, or whether it met a
    // row another program changed, and a new row's key.
    struct Step
    {
        QSqlError error;
        bool stale = false;
        QVariant newKey;
    };
    Pending pendingOf(const RowStore& store, const RowStore::Row& row) const;
    Step insertRow(const QSqlDatabase& db, const Pending& pending) const;
    Step updateRow(const QSqlDatabase& db, const RowStore& store, const RowStore::Row& row,
                   const Pending& pending) const;
    // The key of the row as it now stands.
    QVariantList keyAfter(const RowStore::Row& row, const Pending& pending,
                          const QVariant& newKey) const;
    // The row as the table now holds it.
    Expected<QVariantList> readBack(const QSqlDatabase& db, const QVariantList& key,
                                    const Pending& pending, const QString& label) const;

    TableSpec m_spec;
    store::Database m_path;
    QString m_connection;
    // The device and inode of the file opened.
    std::optional<std::pair<quint64, quint64>> m_file;
    QStringList m_keyColumns;
    BusyWait m_busy{database::kStatementWaitMs};
    SnapshotEngine m_engine = SnapshotEngine::Automatic;
    SnapshotEngine m_used = SnapshotEngine::Automatic;
    ChangeHook m_hook;
    StoreAs m_storeAs;
    // A server connection that failed: opened again before the next statement.
    bool m_lost = false;
    bool m_listening = false;
    std::function<void(QSqlDriver*)> m_reconnected;
    void reconnectIfLost();
    void noteFailure(const QSqlError& error);
    // Begins a write; a server connection found dead is opened again once
    // first. Not active when the last try failed; its error says why.
    store::Transaction beginWrite();
};
