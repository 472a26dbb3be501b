#pragma once

#include "linktool.h"

// quorvane-link keep: keeps every door unit of a folder or building in step
// with the directory, unattended.
namespace linktool {

// The command's part of the help.
QString keepHelp();
int keep(const QStringList& arguments, Console& console, Environment& environment);

} // namespace linktool
