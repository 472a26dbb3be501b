#pragma once

#include "changerecord.h"
#include "location.h"
#include "outcome.h"

#include <QList>
#include <QString>
#include <QVariantList>

// Copying a directory between a data folder's files and a building on a
// database server, so a folder moves onto a server and a building's
// backup has the format of a folder's: rooms, the transfer record, and
// (from a folder) operators, whose PINs the server keeps only as digests.
namespace buildingcopy {

struct Contents
{
    QList<QVariantList> rooms;     // Room, TEL1, TEL2, TEL3 in table order
    QList<QVariantList> operators; // user, password (as the folder keeps it)
    QList<QVariantList> transfers; // the transfer_log columns, id first
    QList<QVariantList> sent;      // the transfer_room columns
    QList<QVariantList> units;     // the door_unit columns, id first
    // The change record of the rooms and of the operators, their keys first,
    // and the rows of the rooms' imports.
    QList<QVariantList> changes;
    QList<QVariantList> operatorChanges;
    QList<QVariantList> changeRooms;
};

struct Counts
{
    int rooms = 0;
    int operators = 0;
    int operatorsAdded = 0;
    int operatorsKept = 0;
    int transfers = 0;
    int units = 0;
    int changes = 0;
    // The schema that keeps the rows a restore replaced; empty when none.
    QString kept;
};

// Everything of a folder's two database files, read without changing them.
Expected<Contents> readFolder(const QString& folder);

// Whether every room may go into a building, judged as an import judges
// them; a refusal names the rooms that may not.
Outcome checkRooms(const Contents& contents);

// Writes contents into the building in one transaction and counts what it
// then holds. Without replace a building that holds rooms, door units or a
// transfer record is refused; with it they are replaced, and what was
// there is kept in a schema of its own, named in the counts. Operators
// already on the server keep their PINs.
// entry, when given, goes in the building's change record in the same transaction.
Expected<Counts> writeBuilding(const store::Location& building, const Contents& contents,
                               bool replace, const changerecord::Entry* entry = nullptr);

// A building's backup: its rooms and transfer record in a backup file of
// the folder format, with no operators (a restore into a folder asks for them
// anew rather than inventing PINs). Restoring puts a backup's rooms and
// transfer record in the building, and adds the operators it holds.
Outcome backupBuilding(const store::Location& building, const QString& file);
// Gives the schema that keeps what the restore replaced (empty when the
// building held nothing).
Expected<QString> restoreBuilding(const store::Location& building, const QString& file,
                                  const changerecord::Actor* who = nullptr);

} // namespace buildingcopy
