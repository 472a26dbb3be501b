#pragma once

#include "datafolder.h"
#include "outcome.h"
#include "server.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace engine {
class DatabaseEngine;
}

namespace store {

// Where the data lives: a data folder, or a building on a database server.
// The program and each companion make one at start, from the command line,
// the environment or the settings (the rule of server::choose), and hand it
// to whatever opens the room file and the operator file. What differs
// between a folder and a building is asked of it, never of a path's words.
class Location
{
public:
    using Settings = server::Settings;

    // A data folder (the program's, the user's or the one named), and the
    // rule that chose it; a path alone counts as named.
    static Location folder(const datafolder::Choice& choice);
    static Location folder(const QString& path);
    // A building on a server. The database seam opens the building's
    // databases with this connection from then on: one server for the process.
    static Location building(const server::Place& place);

    // A building named by --database and --building (taken off arguments
    // wherever they stand) or by the environment; nothing when neither
    // names one. A failure for one named badly or without the other.
    static Expected<std::optional<Location>> fromCommandLine(QStringList& arguments);
    // The building the command line, the environment or (unless
    // Settings::Ignore, or a folder in QUORVANE_DATA) the settings file name.
    static Expected<std::optional<Location>>
    chosen(const QString& database, const QString& building, server::Settings settings);
    // The building the settings file names, for a companion whose command
    // line named no folder; nothing when it names none.
    static Expected<std::optional<Location>> fromSettings();

    // The location a directory given to the database seam stands for, and
    // the one a database's path (pathOf) leads into.
    static Location ofDirectory(const QString& directory);
    static Location ofPath(const QString& path);
    // Whether the database at path (as pathOf gives it) is a file that is
    // not there; a building's database never is.
    static bool missing(const QString& path);
    // Whether it is a file that is missing or not an SQLite database.
    static bool notDatabaseFile(const QString& path);

    bool isBuilding() const { return m_place.has_value(); }
    // The folder and the rule that chose it; a building stands where the
    // folder would, as named.
    datafolder::Choice choice() const;
    // The building's connection and name; empty for a folder.
    const server::Place& place() const;
    // The folder's path, or "building "Main" on host:5432/quorvane": for
    // messages and the title.
    QString describe() const;
    // What the database seam takes as the directory of the two databases.
    QString directory() const;
    // Where the seam opens one of them (schema::kDirectoryFile, kOperatorFile).
    QString pathOf(const QString& fileName) const;
    // Whether that database is a file that is not there; a building's never is.
    bool lacks(const QString& fileName) const;
    // Whether the database's file must be checked before it is opened; a
    // building's connection tells for itself.
    bool hasFiles() const { return !isBuilding(); }
    // Whether a PIN is checked by the server, which keeps only its digest
    // and lets no login read it, rather than compared with the stored one.
    bool serverChecksPins() const { return isBuilding(); }
    // The engine the two databases are opened with.
    const engine::DatabaseEngine& engine() const;

private:
    datafolder::Choice m_folder;
    std::optional<server::Place> m_place;
};

} // namespace store
