#pragma once

#include "outcome.h"
#include "schema.h"

#include <QByteArray>
#include <QString>

// What a name or PIN must be for the login box to take it: at most
// schema::kOperatorWidth as the box counts (UTF-16 units, so an emoji counts two), no control
// characters, and text that came as valid UTF-8. The companion, Add User,
// Edit User and the companion's check all ask here.
namespace operatorlimits {

enum class Field { Name, Pin };

// Whether the login box could take the text: success, or a failure saying in
// one sentence which rule it breaks. A PIN is never shown. A replacement character
// U+FFFD is what undecodable bytes became, so it counts as invalid UTF-8.
Outcome check(const QString& text, Field field);
// The same for stored or typed bytes, which must be valid UTF-8 first.
Outcome check(const QByteArray& utf8, Field field);

// Both texts together: a failure naming every rule broken, or success.
Outcome check(const QString& name, const QString& pin);

} // namespace operatorlimits
