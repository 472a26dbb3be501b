#pragma once

#include "dbtool.h"

// Reading the companion's command lines.
namespace dbtool {

// Splits "[DIR] [--operator NAME] [--pin PIN]"; returns an explanation when the
// arguments do not fit.
QString parseOperatorArguments(const QStringList& arguments, QString& directory,
                               OperatorEntry& entry);
// The folder a command works on: the one named, or the program's data folder
// (the default one is created, private, when missing and writing is asked for).
std::optional<QString> dataFolder(const QString& named, bool writing, Console& console);
// The directory made absolute, or nothing after saying why it cannot be used.
std::optional<QString> existingDirectory(const QString& directory, Console& console);
// Takes DIR off the front of a room file or backup command's arguments.
std::optional<QString> takeDirectory(QStringList& arguments, int files, Console& console);
// Says the reason, when there is one, and where the help is; returns kUsage.
int usageError(Console& console, const QString& reason);

} // namespace dbtool
