#include "location.h"

#include "database.h"
#include "engine/databaseengine.h"

#include <QFileInfo>

namespace store {

Location Location::folder(const datafolder::Choice& choice)
{
    Location location;
    location.m_folder = choice;
    return location;
}

Location Location::folder(const QString& path)
{
    return folder(datafolder::Choice{path, datafolder::Rule::Option});
}

Location Location::building(const server::Place& place)
{
    Location location;
    location.m_place = place;
    server::use(place);
    return location;
}

Expected<std::optional<Location>> Location::chosen(const QString& database, const QString& building,
                                                   server::Settings settings)
{
    using Result = Expected<std::optional<Location>>;
    const Expected<std::optional<server::Place>> place =
        server::choose(database, building, settings);
    if (!place)
        return Result::failure(place.error());
    if (!*place)
        return Result(std::optional<Location>());
    return Result(std::optional(Location::building(**place)));
}

Expected<std::optional<Location>> Location::fromCommandLine(QStringList& arguments)
{
    QString database;
    QString building;
    if (Outcome taken = server::takeOptions(arguments, database, building); !taken)
        return taken;
    return chosen(database, building, server::Settings::Ignore);
}

Expected<std::optional<Location>> Location::fromSettings()
{
    return chosen({}, {}, server::Settings::Read);
}

Location Location::ofDirectory(const QString& directory)
{
    if (server::active() && directory == server::folder())
        return building(server::place());
    return folder(directory);
}

Location Location::ofPath(const QString& path)
{
    if (server::isServerPath(path))
        return building(server::place());
    return folder(QFileInfo(path).absolutePath());
}

datafolder::Choice Location::choice() const
{
    return m_place ? datafolder::Choice{server::folder(), datafolder::Rule::Option} : m_folder;
}

bool Location::missing(const QString& path)
{
    return !server::isServerPath(path) && database::probe(path) == database::FileKind::Missing;
}

bool Location::notDatabaseFile(const QString& path)
{
    return !server::isServerPath(path) && database::probe(path) != database::FileKind::Sqlite;
}

const server::Place& Location::place() const
{
    static const server::Place none;
    return m_place ? *m_place : none;
}

QString Location::describe() const
{
    return m_place ? m_place->describe() : m_folder.path;
}

QString Location::directory() const
{
    return m_place ? server::folder() : m_folder.path;
}

QString Location::pathOf(const QString& fileName) const
{
    return database::pathIn(directory(), fileName);
}

bool Location::lacks(const QString& fileName) const
{
    return !m_place && database::probe(pathOf(fileName)) == database::FileKind::Missing;
}

const engine::DatabaseEngine& Location::engine() const
{
    return m_place ? engine::server() : engine::fileDialect();
}

} // namespace store
