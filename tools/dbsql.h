#pragma once

#include "schema.h"

#include <QSqlDatabase>
#include <QStringList>

#include <optional>

// The companion's own statements on the operator and room tables.
namespace dbtool {

// INSERT of one row holding every field of the table, bound in field order.
QString insertStatement(const TableSpec& layout);
// The names in the operator table as the login reads them: NULL as empty text.
QStringList operatorNames(const QSqlDatabase& db, const TableSpec& layout);
// The operators in an existing operator file, read without changing it;
// nothing when it cannot be read as one.
std::optional<int> operatorCount(const QString& path);

} // namespace dbtool
