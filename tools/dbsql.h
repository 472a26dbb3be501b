#pragma once

#include "schema.h"

#include <QSqlDatabase>
#include <QStringList>

// The companion's own statements on the operator and room tables.
namespace dbtool {

// The names in the operator table as the login reads them: NULL as empty text.
QStringList operatorNames(const QSqlDatabase& db, const TableSpec& layout);

} // namespace dbtool
