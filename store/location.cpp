#include "location.h"

#include "database.h"
#include "engine/databaseengine.h"
#include "outputfile.h"
#include "schema.h"

#include <QCoreApplication>
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

Location::Location(const QString& folderPath)
    : m_folder(datafolder::Choice{folderPath, datafolder::Rule::Option})
{
}

Location Location::building(const server::Place& place)
{
    Location location;
    location.m_place = place;
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

datafolder::Choice Location::choice() const
{
    return m_place ? datafolder::Choice{m_place->describe(), datafolder::Rule::Option} : m_folder;
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

Database Location::database(const QString& fileName) const
{
    if (m_place)
        return Database(*m_place, fileName);
    return Database(database::pathIn(m_folder.path, fileName));
}

bool Location::lacks(const QString& fileName) const
{
    return database(fileName).missing();
}

Outcome Location::checkUsable() const
{
    return m_place ? Outcome::success() : datafolder::checkUsable(m_folder);
}

const engine::DatabaseEngine& Location::engine() const
{
    return m_place ? engine::server() : engine::fileDialect();
}

Database::Database(const QString& path) : m_path(path) {}

Database::Database(const server::Place& place, const QString& fileName)
    : m_path(fileName), m_place(place)
{
}

const server::Place& Database::place() const
{
    static const server::Place none;
    return m_place ? *m_place : none;
}

QString Database::schema() const
{
    if (!m_place)
        return {};
    return m_path == schema::kOperatorFile ? server::kOperatorSchema : m_place->building;
}

QString Database::describe() const
{
    if (!m_place)
        return m_path;
    if (m_path == schema::kOperatorFile)
        return QCoreApplication::translate("server", "the operators on %1").arg(m_place->where());
    return m_place->describe();
}

Location Database::location() const
{
    return m_place ? Location::building(*m_place)
                   : Location::folder(QFileInfo(m_path).absolutePath());
}

const engine::DatabaseEngine& Database::engine() const
{
    return m_place ? engine::server() : engine::fileDialect();
}

bool Database::missing() const
{
    return !m_place && database::probe(m_path) == database::FileKind::Missing;
}

bool Database::notDatabaseFile() const
{
    return !m_place && database::probe(m_path) != database::FileKind::Sqlite;
}

QString Database::filePath() const
{
    return m_place ? QString() : QFileInfo(m_path).absoluteFilePath();
}

Outcome Database::checkOutput(const QString& target) const
{
    return m_place ? outputfile::check(target) : outputfile::checkBeside(m_path, target);
}

} // namespace store
