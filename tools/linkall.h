#pragma once

#include "linktool.h"

// quorvane-link download --all: the directory to every door unit of a folder
// at once.
namespace linktool {

int sendAll(const QString& folder, Console& console, Environment& env);

} // namespace linktool
