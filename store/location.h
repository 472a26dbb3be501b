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

class Location;

// One of the two databases of a location: a database file, or where a
// building's tables (or the server's operators) live on a server. It is
// handed to everything that opens one, and says for itself which it is.
class Database
{
public:
    Database() = default;
    // The database file at path.
    Database(const QString& path);
    // The database called fileName (schema::kDirectoryFile or kOperatorFile)
    // of a building on a server.
    Database(const server::Place& place, const QString& fileName);

    bool onServer() const { return m_place.has_value(); }
    // Whether none is named.
    bool isEmpty() const { return m_path.isEmpty(); }
    // The file's path; on a server, the database's file name.
    const QString& path() const { return m_path; }
    // The building's connection and name; empty for a file.
    const server::Place& place() const;
    // The schema on the server: the building's for the room file,
    // server::kOperatorSchema for the operator file.
    QString schema() const;
    // The file's path, or "building "Main" on host:5432/quorvane" or "the
    // operators on host:5432/quorvane": for messages.
    QString describe() const;
    // The location the database belongs to.
    Location location() const;
    // The engine it is opened with.
    const engine::DatabaseEngine& engine() const;
    // Whether it is a file that is not there; a server's database never is.
    bool missing() const;
    // Whether it is a file that is missing or not an SQLite database.
    bool notDatabaseFile() const;
    // The file's absolute path; empty on a server, where there is no file
    // to watch, name or stand beside.
    QString filePath() const;
    // Whether target may be written from this database: never a database of
    // the file's folder or one of their side files, nor anything
    // outputfile::check refuses.
    Outcome checkOutput(const QString& target) const;

private:
    QString m_path;
    std::optional<server::Place> m_place;
};

// Where the data lives: a data folder, or a building on a database server.
// The program and each companion make one at start, from the command line,
// the environment or the settings (the rule of server::choose), and hand it
// to whatever opens the room file and the operator file. What differs
// between a folder and a building is asked of it, never of a path's words.
class Location
{
public:
    using Settings = server::Settings;

    Location() = default;
    // The data folder at path, named.
    Location(const QString& folderPath);

    // A data folder (the program's, the user's or the one named), and the
    // rule that chose it; a path alone counts as named.
    static Location folder(const datafolder::Choice& choice);
    static Location folder(const QString& path);
    // A building on a server.
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

    bool isBuilding() const { return m_place.has_value(); }
    // The folder and the rule that chose it; a building stands where the
    // folder would, as named.
    datafolder::Choice choice() const;
    // The building's connection and name; empty for a folder.
    const server::Place& place() const;
    // The folder's path, or "building "Main" on host:5432/quorvane": for
    // messages and the title.
    QString describe() const;
    // The data folder's path; empty for a building, which has none.
    const QString& folderPath() const { return m_folder.path; }
    // One of its two databases (schema::kDirectoryFile, kOperatorFile).
    Database database(const QString& fileName) const;
    // Whether that database is a file that is not there; a building's never is.
    bool lacks(const QString& fileName) const;
    // Whether the database's file must be checked before it is opened; a
    // building's connection tells for itself.
    bool hasFiles() const { return !isBuilding(); }
    // Why the databases cannot be made here: a folder that is a file, one
    // you may not write in, or a missing one that cannot be made. A building
    // is made by its server, which says for itself.
    Outcome checkUsable() const;
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
