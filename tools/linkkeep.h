#pragma once

#include "linktool.h"
#include "location.h"

#include <optional>

// quorvane-link keep: keeps every door unit of a folder or building in step
// with the directory, unattended.
namespace linktool {

// The command's part of the help.
QString keepHelp();
// building: the one the command line or the environment named, if any.
int keep(const QStringList& arguments, const std::optional<store::Location>& building,
         Console& console, Environment& environment);

} // namespace linktool
