#pragma once

#include <QString>

namespace store {
class Database;
}

namespace database {

// What to do about a file or building that lacks the program's tables: the
// command that prepares one.
QString advice(const store::Database& database);

} // namespace database
