#pragma once

#include "databasesetup.h"
#include "dbtool.h"

// Asking for an operator's name and PIN: given on the command line, piped in,
// or typed at a terminal with the PIN unseen and asked twice.
namespace dbtool {

using databasesetup::Operator;

// The operator given, or asked for where a part is missing; nothing after
// saying why an entry was refused by databasesetup's rules. A name in taken
// is refused.
std::optional<Operator> askOperator(const OperatorEntry& given, const QStringList& taken,
                                    Console& console);

// The terminal's echo for Console::setEcho: off (false) and on again (true).
void setTerminalEcho(bool on);
// Ctrl+C while the PIN is typed must not leave the terminal without echo.
void restoreTerminalOnSignals();

} // namespace dbtool
