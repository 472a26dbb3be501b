#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The Connect dialog's values as the door unit takes them.
namespace connectsettings {

// The number a text begins with: blanks are skipped, an optional sign, digits,
// a decimal point and an exponent are read, and reading stops at the first
// character that cannot continue the number. 0 when the text does not begin
// with a number.
double leadingDecimal(const QString& text);

// The open time in whole seconds: the leading number, a half going to the even
// neighbour. Nothing when it falls outside the byte the door unit takes (0..255).
std::optional<quint8> openTime(const QString& text);

// 0 neither box, 1 "Auto Answer" only, 2 "Auto Open" only, 3 anything else
// (both, or a box in the grey state).
quint8 autoMode(Qt::CheckState autoAnswer, Qt::CheckState autoOpen);

} // namespace connectsettings
