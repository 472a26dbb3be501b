// What both engines share: a table's shape as Qt's driver reads it, and
// which of the engines' interfaces a connection has.
#include "databaseengine.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>

namespace engine {

namespace {

bool onServer(const QSqlDatabase& db)
{
    return db.driver() && db.driver()->dbmsType() == QSqlDriver::PostgreSQL;
}

} // namespace

FileTransaction::FileTransaction(File& file) : m_file(file)
{
    // A file is always the file engine's.
    for (const QString& statement : fileDialect().beginWrite()) {
        if (!m_file.exec(statement)) {
            rollback();
            return;
        }
        m_active = true;
    }
}

FileTransaction::~FileTransaction()
{
    rollback();
}

Outcome FileTransaction::commit()
{
    if (!m_active || !m_file.exec(DatabaseEngine::commit()))
        return Outcome::failure(m_file.error());
    m_active = false;
    return Outcome::success();
}

void FileTransaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    m_file.exec(DatabaseEngine::rollback());
}

const DatabaseEngine& of(const QSqlDatabase& db)
{
    return onServer(db) ? server() : fileDialect();
}

TableShape tableShape(const QSqlDatabase& db, const QString& table)
{
    TableShape shape;
    const QSqlDriver* driver = db.driver();
    if (!driver)
        return shape;
    // Quoted, so the driver takes the name as it is written.
    const QString name = driver->escapeIdentifier(table, QSqlDriver::TableName);
    const QSqlRecord record = driver->record(name);
    for (int i = 0; i < record.count(); ++i)
        shape.columns << record.fieldName(i);
    if (shape.columns.isEmpty()) {
        // The driver tells no failure: a catalogue that cannot be read is
        // told apart from a table that is not there.
        QSqlQuery probe(db);
        if (!probe.exec(of(db).catalogueProbe()))
            shape.readError = probe.lastError();
        return shape;
    }
    // Qt marks the one key column that numbers the rows itself.
    const QSqlIndex key = driver->primaryIndex(name);
    for (int i = 0; i < key.count(); ++i)
        shape.primaryKey << database::KeyPart{key.fieldName(i), key.field(i).isAutoValue()};
    shape.hasRowid = of(db).hasRowid(db, table);
    return shape;
}

const FileEngine* filesOf(const QSqlDatabase& db)
{
    return onServer(db) ? nullptr : &files();
}

std::unique_ptr<Statement> prepare(const QSqlDatabase& db, const QString& sql)
{
    const FileEngine* engine = filesOf(db);
    return engine ? engine->prepare(db, sql) : nullptr;
}

void takeOverWaits(const QSqlDatabase& db, BusyWait& wait)
{
    if (const FileEngine* engine = filesOf(db))
        engine->takeOverWaits(db, wait);
}

} // namespace engine
