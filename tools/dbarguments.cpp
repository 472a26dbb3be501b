#include "dbarguments.h"

#include "commandline.h"
#include "datafolder.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <sys/stat.h>

namespace dbtool {

Expected<OperatorArguments> parseOperatorArguments(const QStringList& arguments)
{
    OperatorArguments parsed;
    OperatorEntry& entry = parsed.entry;
    QStringList positional;
    const Outcome walked = commandline::walk(
        arguments, positional,
        [](const QString& option, bool) -> commandline::Kind {
            if (option == QLatin1String("--operator") || option == QLatin1String("--pin"))
                return commandline::Takes::Value;
            return Text::tr("Unknown option %1.").arg(option);
        },
        [&entry](const QString& option, const std::optional<QString>& value) {
            (option == QLatin1String("--operator") ? entry.name : entry.pin) = value;
            return Outcome::success();
        });
    if (!walked)
        return walked;
    if (positional.size() > 1)
        return Expected<OperatorArguments>::failure(Text::tr("Name at most one directory."));
    parsed.directory = positional.value(0);
    return parsed;
}

// The folder a command works on: the one named, or the program's data folder
// (the default one is created, private, when missing and writing is asked for).
namespace {

// The building named, or else the one the settings name when no folder is.
std::optional<Building> buildingFor(const QString& named, const Building& building,
                                    Console& console)
{
    if (building || !named.isEmpty())
        return building;
    const Expected<Building> fromSettings = store::Location::fromSettings();
    if (!fromSettings) {
        say(console.err, fromSettings.error());
        return std::nullopt;
    }
    return *fromSettings;
}

} // namespace

std::optional<store::Location> dataFolder(const QString& named, bool writing,
                                          const Building& building, Console& console)
{
    if (building && !named.isEmpty()) {
        say(console.err, Text::tr("Name a folder or a database server, not both."));
        return std::nullopt;
    }
    const std::optional<Building> chosen = buildingFor(named, building, console);
    if (!chosen)
        return std::nullopt;
    if (*chosen) {
        // A building mistyped, or one this login may not read, is told as such.
        if (!writing && !buildingThere(**chosen, console))
            return std::nullopt;
        return **chosen;
    }
    if (!named.isEmpty())
        return store::Location::folder(named);
    const datafolder::Choice choice = datafolder::resolve();
    if (!writing)
        return store::Location::folder(choice);
    if (Outcome ready = datafolder::prepare(choice); !ready) {
        say(console.err, ready.description());
        return std::nullopt;
    }
    return store::Location::folder(choice);
}

int usageError(Console& console, const QString& reason)
{
    return commandline::usageError(console.err, QStringLiteral("quorvane-db"),
                                   reason.isEmpty() ? reason
                                                    : QStringLiteral("quorvane-db: ") + reason);
}

// Made absolute so messages and suggested commands work from anywhere.
std::optional<store::Location> existingDirectory(const store::Location& location, Console& console)
{
    if (location.isBuilding())
        return location;
    const std::optional<QString> folder = existingDirectory(location.folderPath(), console);
    if (!folder)
        return std::nullopt;
    return store::Location::folder(datafolder::Choice{*folder, location.choice().rule});
}

std::optional<QString> existingDirectory(const QString& directory, Console& console)
{
    const QFileInfo info(directory);
    // A link that leads nowhere is no missing folder: say what it is.
    if (!info.exists() && info.isSymLink()) {
        struct stat st;
        if (::stat(QFile::encodeName(directory).constData(), &st) != 0 && errno == ELOOP)
            say(console.err, Text::tr("The directory %1 is a loop of links: each leads to "
                                      "another and none to a folder. Point the link at a "
                                      "folder, or name the folder itself.")
                                 .arg(directory));
        else
            say(console.err, Text::tr("The directory %1 is a link to nothing: it points to %2, "
                                      "which does not exist. Create that folder, point the "
                                      "link elsewhere, or name the folder itself.")
                                 .arg(directory, info.symLinkTarget()));
        return std::nullopt;
    }
    if (!info.exists()) {
        say(console.err, Text::tr("The directory %1 does not exist. Create it first, or name "
                                  "the directory that holds the quorvane program.")
                             .arg(directory));
        return std::nullopt;
    }
    if (!info.isDir()) {
        say(console.err, Text::tr("%1 is not a directory. Name the directory that holds the "
                                  "quorvane program.")
                             .arg(directory));
        return std::nullopt;
    }
    return QDir(directory).absolutePath();
}

// DIR may be left out when the first argument is not a directory: the
// databases are then those of the folder the program uses.
// With more arguments than the command's files the first must be DIR.
std::optional<store::Location> takeDirectory(QStringList& arguments, int files,
                                             const Building& building, Console& console,
                                             LookForBuilding look)
{
    const auto there = [&](const store::Location& named) -> std::optional<store::Location> {
        if (look == LookForBuilding::Later || buildingThere(named, console))
            return named;
        return std::nullopt;
    };
    if (building && arguments.size() > files) {
        say(console.err, Text::tr("Name a folder or a database server, not both."));
        return std::nullopt;
    }
    if (building)
        return there(*building);
    if (arguments.size() > files) {
        const std::optional<QString> folder = existingDirectory(arguments.takeFirst(), console);
        return folder ? std::optional(store::Location::folder(*folder)) : std::nullopt;
    }
    if (!arguments.isEmpty() && QFileInfo(arguments.first()).isDir())
        return store::Location::folder(QDir(arguments.takeFirst()).absolutePath());
    const std::optional<Building> chosen = buildingFor({}, building, console);
    if (!chosen)
        return std::nullopt;
    if (*chosen)
        return there(**chosen);
    return store::Location::folder(datafolder::resolve());
}

} // namespace dbtool
