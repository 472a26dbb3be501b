#pragma once

#include <QString>

class MessageSink;

namespace startup {

// The whole run of the program: the login gate, then the main window until
// the program ends. Returns the exit status.
int run(const QString& appDir, MessageSink& messages);

} // namespace startup
