#pragma once

#include "linktool.h"
#include "location.h"

// quorvane-link download --all: the directory to every door unit of a folder
// at once.
namespace linktool {

int sendAll(const store::Location& folder, Console& console, Environment& env);

} // namespace linktool
