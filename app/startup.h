#pragma once

#include "datafolder.h"

#include <QString>

#include <functional>

class FirstStart;
class MessageSink;
class QTextStream;

namespace startup {

// Shows the first-start offer; true once both databases were created.
using Offer = std::function<bool(FirstStart&)>;

// The whole run of the program on its data folder: the first-start offer
// when the folder holds neither database, the login gate, then the main
// window until the program ends. Returns the exit status.
int run(const datafolder::Choice& folder, MessageSink& messages, const Offer& offer);

// The same start up to the login dialog, which is loaded but not shown; says
// on out which folder is used and whether the login could begin. Returns 0
// when it could.
int check(const datafolder::Choice& folder, QTextStream& out);

} // namespace startup
