#pragma once

#include "outcome.h"

#include <QString>

namespace operatorlimits {

// A refused save of an operator told in the operator's words: which box is
// too long and by how much, without showing the PIN. Other refusals are
// passed on as they are.
Outcome explain(const Outcome& refused, const QString& name, const QString& pin);

} // namespace operatorlimits
