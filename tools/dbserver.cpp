#include "dbtool.h"

#include "buildingcopy.h"
#include "connection.h"
#include "database.h"
#include "dbarguments.h"
#include "dbprompt.h"
#include "schema.h"
#include "serversetup.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace dbtool {

namespace {

using database::quotedIdentifier;

// What the command's connections are named after.
const QString kConnection = QStringLiteral("quorvane-db-server");

int count(QSqlDatabase db, const QString& table)
{
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT count(*) FROM %1").arg(table)) && query.next()
               ? query.value(0).toInt()
               : -1;
}

} // namespace

int initBuilding(const store::Location& building, const OperatorEntry& given, Console& console)
{
    const Expected<std::optional<int>> operators = serversetup::operatorCount(building);
    if (!operators) {
        say(console.err, operators.error());
        return kFailure;
    }
    std::optional<databasesetup::Operator> first;
    if (!operators->value_or(0)) {
        first = askOperator(given, {}, console);
        if (!first) {
            say(console.err, Text::tr("No operator was given, so nothing was prepared."));
            return kFailure;
        }
    }
    const Expected<serversetup::Prepared> done = serversetup::prepare(building, first);
    if (!done) {
        say(console.err, done.error());
        return kFailure;
    }
    say(console.out,
        done->madeBuilding
            //: %1 names the building and its server ("building North on db.example.org").
            ? Text::tr("Prepared the %1 with an empty room directory.").arg(building.describe())
            : Text::tr("The %1 is already prepared; it was left as it was.")
                  .arg(building.describe()));
    say(console.out,
        //: %2 is a count of operators, such as "3 operators".
        (first ? Text::tr("The operators on %1 are %2, the first just added.")
               : Text::tr("The operators on %1 are %2."))
            .arg(building.place().where(),
                 Text::tr("%n operators", nullptr, int(done->operators))));
    if (operators->value_or(0) && (given.name || given.pin)) {
        say(console.err, Text::tr("The operator given was not added: the server already has "
                                  "operators. Add one with:\n%1")
                             .arg(database::addOperatorCommand(building)));
        return kFailure;
    }
    return kSuccess;
}

Outcome buildingSeen(const store::Location& building)
{
    const store::Database path = building.database(schema::kDirectoryFile);
    const store::Connection connection(path, kConnection, database::Access::ReadOnly);
    if (!connection.ok())
        return Outcome::failure(Text::tr("The %1 cannot be opened: %2")
                                    .arg(building.describe(), connection.opened().description()));
    const QString unseen =
        database::unseenTable(connection.db(), schema::directoryTable().table, path);
    return unseen.isEmpty() ? Outcome::success() : Outcome::failure(unseen);
}

bool buildingThere(const store::Location& building, Console& console)
{
    const Outcome seen = buildingSeen(building);
    if (!seen)
        say(console.err, seen.description());
    return seen.ok();
}

int checkBuilding(const store::Location& building, Console& console)
{
    int status = kSuccess;
    for (const auto& [file, layout] : {std::pair{schema::kDirectoryFile, schema::directoryTable()},
                                       std::pair{schema::kOperatorFile, schema::operatorTable()}}) {
        const store::Database path = building.database(file);
        const store::Connection connection(path, kConnection, database::Access::ReadOnly);
        if (!connection.ok()) {
            say(console.err, Text::tr("The %1 cannot be opened: %2")
                                 .arg(building.describe(), connection.opened().description()));
            return kFailure;
        }
        if (Outcome table = database::checkTable(connection.db(), layout, path); !table) {
            say(console.err, table.description());
            status = kFailure;
            continue;
        }
        const int rows = count(connection.db(), quotedIdentifier(layout.table));
        say(console.out,
            file == schema::kDirectoryFile
                //: %1 names the building and its server ("building North on db.example.org"), %2 is
                //: a count of rooms.
                ? Text::tr("The %1: %2.")
                      .arg(building.describe(), Text::tr("%n rooms", nullptr, rows))
                : Text::tr("The operators on %1: %2.")
                      .arg(building.place().where(), Text::tr("%n operators", nullptr, rows)));
        if (rows == 0 && file == schema::kOperatorFile) {
            say(console.err, Text::tr("Nobody can log in. Add an operator with:\n%1")
                                 .arg(database::addOperatorCommand(building)));
            status = kFailure;
        }
    }
    return status;
}

int migrate(QStringList arguments, Console& console)
{
    const Expected<Building> named = store::Location::fromCommandLine(arguments);
    if (!named)
        return usageError(console, named.error());
    if (!*named)
        return usageError(console, Text::tr("migrate copies into a building on a database "
                                            "server: give --database and --building."));
    const store::Location& building = **named;
    if (arguments.size() != 1 || arguments.first().startsWith(QStringLiteral("--")))
        return usageError(console, Text::tr("Name the one data folder to copy."));
    const std::optional<QString> folder = existingDirectory(arguments.first(), console);
    if (!folder)
        return kFailure;
    // Everything is read before the server is touched.
    const Expected<buildingcopy::Contents> contents = buildingcopy::readFolder(*folder);
    if (!contents) {
        say(console.err, Text::tr("Nothing was copied: %1").arg(contents.error()));
        return kFailure;
    }
    // Rows the building would refuse are named before anything is made.
    if (Outcome sound = buildingcopy::checkRooms(*contents); !sound) {
        say(console.err, sound.description());
        return kFailure;
    }
    const Expected<serversetup::Prepared> prepared = serversetup::prepare(building, std::nullopt);
    if (!prepared) {
        say(console.err, prepared.error());
        return kFailure;
    }
    const Expected<buildingcopy::Counts> copied =
        buildingcopy::writeBuilding(building, *contents, false);
    if (!copied) {
        // A building made for the copy goes again: a refused copy leaves nothing.
        if (prepared->madeBuilding)
            serversetup::dropBuilding(building);
        say(console.err, copied.error());
        return kFailure;
    }
    say(console.out,
        Text::tr("Copied %1 into the %2. Read back: %3, %4 on the server (%5 added, %6 "
                 "already there kept their PINs), %7.")
            .arg(*folder, building.describe(), Text::tr("%n rooms", nullptr, int(copied->rooms)),
                 Text::tr("%n operators", nullptr, int(copied->operators)))
            .arg(copied->operatorsAdded)
            .arg(copied->operatorsKept)
            .arg(Text::tr("%n transfer records", nullptr, int(copied->transfers))));
    say(console.out,
        Text::tr("Also copied: %n door units and %1.", nullptr, copied->units)
            .arg(Text::tr("%n change record entries", nullptr,
                          int(contents->changes.size() + contents->operatorChanges.size()))));
    return kSuccess;
}

} // namespace dbtool
