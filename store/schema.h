#pragma once

#include "roomrecord.h"

#include <QList>
#include <QString>
#include <QStringList>

// A text field of a table and the widest value the program stores in it
// (0: no limit). A login text (an operator's name or PIN) must also be free
// of control characters.
namespace engine {
class DatabaseEngine;
}

struct FieldSpec
{
    QString name;
    int maxLength = 0;
    bool loginText = false;
};

struct TableSpec
{
    QString table;
    QList<FieldSpec> fields;
    // The columns a row is found by, for a view, which cannot tell; empty:
    // the table's own key.
    QStringList key = {};

    QStringList fieldNames() const;
};

namespace schema {

inline const QString kOperatorFile = QStringLiteral("user_password.mdb");
inline const QString kDirectoryFile = QStringLiteral("Inhabitant_telnum.mdb");

// The login boxes take 20 characters, so a longer name or PIN could never log in.
constexpr int kOperatorWidth = 20;
// The widths of the door unit's directory record.
constexpr int kRoomWidth = doorunit::kRoomWidth;
constexpr int kTelephoneWidth = doorunit::kTelephoneWidth;

TableSpec operatorTable();
// The operators as a database server shows them to every login: the view
// "operators" beside user_pin, whose password column holds a fingerprint of
// each PIN's digest (it changes with the PIN), never the digest. Operators
// are added, changed and deleted through it.
TableSpec serverOperatorView();
TableSpec directoryTable();

// A column of a table the program keeps beside the rooms, and the table:
// one description each, which every engine words in its own dialect.
struct Column
{
    enum class Type { Numbered, Text, Integer };
    QString name;
    Type type = Type::Text;
    bool notNull = false;
    // The value a row added without it gets, if any.
    QString byDefault = {};
    int maxLength = 0;
    bool loginText = false;
};
struct Index
{
    QString name;
    QStringList columns;
};
struct Table
{
    QString name;
    QList<Column> columns;
    // The columns that key a row; empty: a numbered key of its own.
    QStringList ownKey = {};
    QList<Index> indexes = {};
};
// The statements that make the table and its indexes where missing.
QStringList createStatements(const Table& table, const engine::DatabaseEngine& dialect);

// Whether createStatement replaces nothing or keeps a table already there.
enum class Making { New, IfMissing };
// The statement that creates the table with its hidden key and width
// checks, in the dialect's words; inSchema qualifies the table's name.
QString createStatement(const TableSpec& layout, const engine::DatabaseEngine& dialect,
                        Making making = Making::New, const QString& inSchema = {});
// The operators as a server keeps them, in its operators' schema: the PIN
// column holds digests, so only the name keeps the login box's width.
TableSpec serverOperatorTable();
// The transfer record's tables beside Room_tel in the room file: what was
// sent to the door unit, when and by whom, and the rooms of each download.
QStringList transferRecordStatements(const engine::DatabaseEngine& dialect);
// The columns of a download's rooms, named and quoted as Room_tel's, so
// both engines keep their case.
QStringList sentRoomColumns();
// Renames the room columns of a transfer_room found (columns as the table
// has them) whose case differs from Room_tel's, as a server once made them.
QStringList sentRoomRenames(const QStringList& found);
// The change record, in each file beside the table it records: who changed
// what, when, on which PC, with the values before and after. Made by the
// first entry, as the transfer record's tables are.
QStringList changeRecordStatements(const engine::DatabaseEngine& dialect);
inline const QString kChangeRecordTable = QStringLiteral("change_record");
// The columns of change_room, an import's rooms beside its one entry: the
// entry's id, the room's place among them, its kind of change, the room it
// names, then Room_tel's four fields before and after.
QStringList changeRoomColumns();
inline const QString kChangeRoomTable = QStringLiteral("change_room");
// The column of each entry's values as values (a JSON object), and the
// statement that gives it to a change record made before it.
inline const QString kChangeValuesColumn = QStringLiteral("change_values");
QString addChangeValuesColumn();
// The building's door units beside the transfer record: a name and a port
// each, kept once a unit is named; a removed unit stays, marked, so its
// transfers still name it.
QStringList doorUnitStatements(const engine::DatabaseEngine& dialect);
// Gives a transfer record made before there were several units its unit
// column (a row without a unit is the first unit's).
QString addUnitColumn();

// Characters as SQLite's length() counts them (code points), so a check made
// before writing agrees with the table's width constraints.
using doorunit::characterCount;

} // namespace schema
