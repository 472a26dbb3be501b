#pragma once

#include "schema.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// Database files for tests, made the way the companion makes them.
namespace testdb {

// Creates a database file holding the table of layout (with its key and
// width checks) and the given rows; a null QVariant in a row stores NULL.
void create(const QString& path, const TableSpec& layout, const QList<QVariantList>& rows = {});
// Runs one statement on the file through a connection of its own, as
// another program would.
void exec(const QString& path, const QString& statement, const QVariantList& values = {});
// Reads every row of the table in key order, fields as text ("<NULL>" for NULL).
QList<QStringList> rows(const QString& path, const TableSpec& layout);

// The change record's columns a test reads: what, subject, old_values,
// new_values, operator, host, os_user, detail.
TableSpec changeRecord();

QList<QVariantList> operators(std::initializer_list<std::pair<const char*, const char*>> pairs);

} // namespace testdb
