#pragma once

#include <QString>

#include <optional>

// The program's string table: texts by number, read by the caption loader.
namespace stringtable {

constexpr int kFirst = 1000;
constexpr int kLast = 1043;

// The text numbered n, or nothing for a number the table does not hold.
std::optional<QString> loadString(int number);

// A text read as a number, rounded to the nearest whole number (a half to the
// even neighbour) and within -32768..32767. Empty text, text that is not a
// number and a value outside the range give nothing.
std::optional<int> wholeNumber(const QString& text);

// The number the text starts with (blanks before it skipped, reading stops at
// the first character that cannot continue it), 0 when it starts with none,
// then rounded and range-checked as wholeNumber does.
std::optional<int> leadingNumber(const QString& text);

} // namespace stringtable
