#pragma once

#include "location.h"

#include <QString>

#include <functional>

class FirstStart;
class MessageSink;
class QTextStream;

namespace startup {

// Shows the first-start offer; true once both databases were created.
using Offer = std::function<bool(FirstStart&)>;

// The whole run of the program where its data lives: the first-start offer
// when the folder holds neither database (or the building is not prepared),
// the login gate, then the main window until the program ends. Returns the
// exit status.
int run(const store::Location& location, MessageSink& messages, const Offer& offer);

// The same start up to the login dialog, which is loaded but not shown; says
// on out which folder or building is used and whether the login could
// begin. Returns 0 when it could.
int check(const store::Location& location, QTextStream& out);

} // namespace startup
