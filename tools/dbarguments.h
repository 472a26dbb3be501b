#pragma once

#include "dbtool.h"

// Reading the companion's command lines.
namespace dbtool {

// What "[DIR] [--operator NAME] [--pin PIN]" names.
struct OperatorArguments
{
    QString directory;
    OperatorEntry entry;
};
// Splits the arguments, or says why they do not fit.
Expected<OperatorArguments> parseOperatorArguments(const QStringList& arguments);
// Where a command works: the building named, the folder named, the building
// the settings name, or the program's data folder (the default one is
// created, private, when missing and writing is asked for).
std::optional<store::Location> dataFolder(const QString& named, bool writing,
                                          const Building& building, Console& console);
// The directory made absolute, or nothing after saying why it cannot be used.
std::optional<QString> existingDirectory(const QString& directory, Console& console);
// The same for a location: a folder made absolute, a building as it is.
std::optional<store::Location> existingDirectory(const store::Location& location, Console& console);
// Takes DIR off the front of a room file or backup command's arguments; gives
// where the two databases are, a building when one is named. A building is
// looked for on its server unless the command does so itself (buildingSeen).
enum class LookForBuilding { Now, Later };
std::optional<store::Location> takeDirectory(QStringList& arguments, int files,
                                             const Building& building, Console& console,
                                             LookForBuilding look = LookForBuilding::Now);
// Says the reason, when there is one, and where the help is; returns kUsage.
int usageError(Console& console, const QString& reason);

} // namespace dbtool
