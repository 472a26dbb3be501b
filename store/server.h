#pragma once

#include "outcome.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <vector>

// A directory kept on a PostgreSQL server instead of in a data folder: the
// connection (a libpq URI or key=value string, "service=NAME" included) and
// the building, a schema of its own. Operators are one table for the whole
// server, in the schema kOperatorSchema.
//
// store::Location holds where the data lives, and hands a Place to whatever
// opens the building's databases. A password is kept only in memory and
// never appears in a name, a message or a settings file.
namespace server {

inline const QString kOperatorSchema = QStringLiteral("quorvane");
// What the server keeps of a name: longer ones it cuts, so two buildings
// could become one schema.
constexpr int kMaxBuildingBytes = 63;

struct Place
{
    // The connection's keywords as libpq parsed them, password included.
    QList<QPair<QString, QString>> options;
    QString building;

    QString option(const QString& keyword) const;
    // "host:port/database" as libpq will reach it, without the password.
    QString where() const;
    // "building "Main" on host:5432/quorvane", for messages and the title.
    QString describe() const;
};

// Refuses a building name that cannot be a schema: empty, longer than the
// server keeps, a control character, or a name the server keeps for itself.
Outcome checkBuilding(const QString& building);

// Parses a URI or key=value string with libpq's own parser, and checks the
// values libpq would only refuse while connecting (port, connect_timeout,
// sslmode). A refusal never quotes the text given: it may hold a password.
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

// Takes --database and --building (with their values, or as --name=value)
// out of a command line wherever they stand; a refusal when one lacks its value.
Outcome takeOptions(QStringList& arguments, QString& database, QString& building);

// The channel every building's changes are announced on: one fixed name,
// so no building name ever becomes part of a LISTEN. Each announcement names
// its schema and table; see announcedTable.
QString channel();
// The table an announcement's payload names when it is of the building;
// empty for another building's, or for a payload that is not one.
QString announcedTable(const QString& payload, const QString& building);
// The trigger function every building's tables announce their changes
// through (kOperatorSchema.announce_change), made or replaced.
QString announceFunction();
// A query answering true when the server's announce_change is the one
// announceFunction makes.
QString announceFunctionIsCurrent();

// The key=value string libpq takes for the options QSqlDatabase has no
// setter for (all but host, a single port, dbname, user and password), every
// value quoted.
QString connectOptions(const Place& place);

// The options as libpq's arrays of keywords and of values, each ended by a
// null, for as long as this lives.
class ConnectParams
{
public:
    explicit ConnectParams(const QList<QPair<QString, QString>>& options);
    const char* const* keywords() const { return m_keywords.data(); }
    const char* const* values() const { return m_values.data(); }

private:
    QList<QByteArray> m_texts;
    std::vector<const char*> m_keywords;
    std::vector<const char*> m_values;
};

// Why a connection that failed before the server said anything failed, when
// libpq can tell it was a setting: the server answers, but not with the SSL
// the connection demands. Empty otherwise.
QString settingAtFault(const Place& place);

} // namespace server
