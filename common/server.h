#pragma once

#include "outcome.h"

#include <QList>
#include <QPair>
#include <QString>

// A directory kept on a PostgreSQL server instead of in a data folder: the
// connection (a libpq URI or key=value string, "service=NAME" included) and
// the building, a schema of its own. Operators are one table for the whole
// server, in the schema kOperatorSchema.
//
// Whoever chooses the server calls use() once at start; from then on the
// paths of the two databases (pathIn on folder()) name the server, and the
// database seam opens them there. A password is kept only in memory and
// never appears in a name, a message or a settings file.
namespace server {

inline const QString kOperatorSchema = QStringLiteral("quorvane");
constexpr int kMaxBuildingLength = 40;

struct Place
{
    // The connection's keywords as libpq parsed them, password included.
    QList<QPair<QString, QString>> options;
    QString building;

    QString option(const QString& keyword) const;
    // "host:port/database" as libpq will reach it, without the password.
    QString where() const;
};

// Why a building name cannot be a schema: empty, too long, a control
// character, or a name the server keeps for itself.
QString buildingRefusal(const QString& building);

// Parses a URI or key=value string with libpq's own parser.
Expected<Place> parse(const QString& connection, const QString& building);

// Where the data is, one rule for the program and every companion; the
// first of these that names a place is used:
//  1. the command line: --database and --building, or a data folder;
//  2. the environment: QUORVANE_DATABASE and QUORVANE_BUILDING, or QUORVANE_DATA;
//  3. the settings file's [Database] group (the same two keys);
//  4. the data folder's own rules (the program's folder, then the user's).
// choose gives the server of steps 1 to 3 (the options given are empty when
// not). Settings::Ignore leaves step 3 out, as a folder named on the command
// line does; QUORVANE_DATA does too. Nothing (no value, no error) when none
// names a server; a failure when one is named without the other or cannot
// be parsed.
enum class Settings { Read, Ignore };
Expected<std::optional<Place>> choose(const QString& database, const QString& building,
                                      Settings settings = Settings::Read);

// For a companion that found no folder on its command line: uses the server
// the settings file names (step 3), unless a server is in use already or
// QUORVANE_DATA names a folder. A refusal when the settings name one badly.
QString useFromSettings();

// Takes --database and --building (with their values, or as --name=value)
// out of a command line wherever they stand; a refusal when one lacks its value.
QString takeOptions(QStringList& arguments, QString& database, QString& building);

// For a companion: takes the options, chooses and uses the server. A refusal
// for a command line that names one badly.
QString useFromCommandLine(QStringList& arguments);

void use(const Place& place);
bool active();
const Place& place();

// The pseudo folder whose two database paths lead to the server: it names
// the building and the server without the password.
QString folder();
bool isServerPath(const QString& path);
// What pathIn gives for a database file on the server: its words for messages,
// "building "Main" on host:5432/quorvane" or "the operators on host:5432/quorvane".
QString pathOf(const QString& fileName);
// The schema the database at a server path lives in: the building's for the
// room file, kOperatorSchema for the operator file.
QString schemaOf(const QString& path);

// The channel the building's changes are announced on.
QString channel();

// The key=value string libpq takes, every value quoted.
QString connectionString(const Place& place);

// "building "Main" on host:5432/quorvane", for messages and the title.
QString describe();

} // namespace server
