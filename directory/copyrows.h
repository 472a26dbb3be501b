#pragma once

#include "buildingcopy.h"
#include "connection.h"
#include "roomrecord.h"
#include "schema.h"

#include <QHash>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The rows a copy between a folder and a building moves: the columns it
// takes of each table, reading them, and the statements that write them.
namespace buildingcopy {

inline const QStringList kLogColumns{"id",     "started", "finished",  "operator",  "port",
                                     "device", "what",    "open_time", "auto_mode", "sent",
                                     "total",  "outcome", "reason",    "unit"};
inline const QStringList kRoomColumns = doorunit::fieldNames();
inline const QStringList kSentColumns =
    QStringList{"transfer", "position"} + doorunit::fieldNames();
inline const QStringList kOperatorColumns{"user", "password"};
inline const QStringList kUnitColumns{"id", "name", "port", "removed"};
// The change record's columns, its key first; transfer names a transfer_log
// id. An entry of an earlier release keeps an import's rooms in rooms.
inline const QStringList kChangeColumns{
    "id",         "happened",   "operator", "host",     "os_user", "what",         "subject",
    "old_values", "new_values", "detail",   "transfer", "rooms",   "change_values"};
// An import's rooms; entry names a change_record id.
inline const QStringList kChangeRoomColumns = schema::changeRoomColumns();

// The columns of a table as the connection sees them; none when there is no such table.
QStringList columnsOf(const store::Connection& c, const QString& table);

// The rows of table, its columns named as the table spells them (a server
// once made some in lower case); a column the table lacks reads as NULL.
Expected<QList<QVariantList>> readAll(const store::Connection& from, const QString& table,
                                      const QStringList& columns);

// Whether the copy takes every column of the table: anything beyond them is
// refused, as a folder's restore refuses it, rather than lost without a word.
Outcome checkColumns(const store::Connection& from, const QString& table,
                     const QStringList& columns, const QString& path);

// Runs statements in order until one fails; remembers why.
struct Runner
{
    explicit Runner(const store::Connection& c) : connection(c), query(c.db()) {}
    const store::Connection& connection;
    QSqlQuery query;
    QString failure;

    bool operator()(const QString& statement, const QVariantList& values = {});
    int count(const QString& table);
    // Makes the tables a copy writes beside the rooms, where missing.
    void makeTables();
    // A change record an earlier release made gets the column of the values.
    void giveChangeValues();
    void insert(const QString& table, const QStringList& columns, const QVariantList& values);
    // Copies the rooms, the door units (keeping their ids, which the
    // transfers name), the transfer record (renumbering the transfers) and
    // the change record of the rooms.
    void copy(const Contents& contents);
    // Copies entries of the change record, renumbered; returns each one's
    // new id by its old. An entry an earlier release wrote lands as this
    // release writes it: its values as values, its rooms as rows.
    QHash<qint64, qint64> copyChanges(const QList<QVariantList>& changes,
                                      const QHash<qint64, qint64>& ids = {});
};

} // namespace buildingcopy
