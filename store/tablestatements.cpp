#include "tablestatements.h"

#include "bulkstatement.h"
#include "database.h"
#include "engine/databaseengine.h"
#include "server.h"
#include "serverannouncements.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sys/stat.h>

namespace {

// The device and inode of the file at path; none when it is not there.
std::optional<std::pair<quint64, quint64>> fileIdentity(const QString& path)
{
    struct stat info
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return std::pair<quint64, quint64>(quint64(info.st_dev), quint64(info.st_ino));
}

using database::quotedIdentifier;

} // namespace

QSqlDatabase TableStatements::database() const
{
    return QSqlDatabase::database(m_connection, false);
}

Outcome TableStatements::connect(const store::Database& path)
{
    disconnect();
    m_path = path;
    if (m_spec.fields.size() > RowStore::kMaxFields)
        return Outcome::failure(
            QCoreApplication::translate("TableStatements",
                                        "The table %1 has %2 fields; at most %3 can be used.")
                .arg(m_spec.table)
                .arg(m_spec.fields.size())
                .arg(RowStore::kMaxFields));
    const QString name = database::uniqueConnectionName(QStringLiteral("cursor-") + m_spec.table);
    Outcome outcome = database::open(path, name);
    if (!outcome)
        return outcome;
    m_connection = name;
    m_busy.install(database(), path.path());
    const BusyWait::Span waits(m_busy);
    // Taken once the engine holds the file open, so it names that file.
    m_file = path.onServer() ? std::nullopt : fileIdentity(path.path());
    outcome = database::checkTable(database(), m_spec, path);
    if (!outcome)
        disconnect();
    return outcome;
}

QSqlDriver* TableStatements::listen()
{
    if (!isConnected())
        return nullptr;
    QSqlDriver* driver = database().driver();
    if (!driver || !driver->hasFeature(QSqlDriver::EventNotifications))
        return nullptr;
    m_listening = true;
    return serverannouncements::subscribe(database(), m_path) ? driver : nullptr;
}

bool TableStatements::revive()
{
    if (!isConnected() || !m_path.onServer())
        return false;
    if (!m_lost) {
        QSqlQuery alive(database());
        if (alive.exec(QStringLiteral("SELECT 1")))
            return false;
        noteFailure(alive.lastError());
    }
    reconnectIfLost();
    return !m_lost;
}

void TableStatements::noteFailure(const QSqlError& error)
{
    if (isConnected() && engine::of(database()).problemOf(error) == engine::Problem::Disconnected &&
        m_path.onServer())
        m_lost = true;
}

void TableStatements::reconnectIfLost()
{
    if (!m_lost || !isConnected())
        return;
    database::close(m_connection);
    if (!database::open(m_path, m_connection))
        return; // still away: the statement fails and says so
    m_lost = false;
    if (m_listening && serverannouncements::subscribe(database(), m_path) && m_reconnected)
        m_reconnected(database().driver());
}

store::Transaction TableStatements::beginWrite()
{
    for (int attempt = 0;; ++attempt) {
        reconnectIfLost();
        store::Transaction transaction(database());
        if (transaction.active())
            return transaction;
        noteFailure(transaction.error());
        if (attempt > 0 || !m_lost)
            return transaction;
    }
}

bool TableStatements::fileReplaced() const
{
    return isConnected() && m_file && fileIdentity(m_path.path()) != m_file;
}

void TableStatements::disconnect()
{
    if (m_connection.isEmpty())
        return;
    database::close(m_connection);
    m_connection.clear();
    m_lost = false;
    m_listening = false;
}

void TableStatements::findKey()
{
    m_keyColumns = m_spec.key.isEmpty() ? database::rowKey(database(), m_spec.table) : m_spec.key;
}

QVariantList TableStatements::keyParts(const QVariant& key) const
{
    if (m_keyColumns.size() == 1)
        return {key};
    return key.toList();
}

QString TableStatements::where(bool byKey, bool byValues) const
{
    QStringList match;
    if (byKey) {
        for (const QString& key : m_keyColumns)
            match << quotedIdentifier(key) + QStringLiteral("=?");
    }
    if (byValues) {
        for (const FieldSpec& f : m_spec.fields)
            match << quotedIdentifier(f.name) + engine::of(database()).sameAs();
    }
    return match.join(QStringLiteral(" AND "));
}

void TableStatements::bindMatch(QSqlQuery& query, const RowStore& store,
                                const RowStore::Row& row) const
{
    for (const QVariant& part : keyParts(row.key))
        query.addBindValue(part);
    for (int i = 0; i < store.fieldCount(); ++i)
        query.addBindValue(store.originalValue(row, i));
}

TableStatements::Pending TableStatements::pendingOf(const RowStore& store,
                                                    const RowStore::Row& row) const
{
    Pending pending;
    for (int i = 0; i < store.fieldCount(); ++i) {
        const QVariant stored = !row.isSet(i) ? store.originalValue(row, i)
                                : m_storeAs   ? m_storeAs(i, (*row.edited)[i])
                                              : QVariant((*row.edited)[i]);
        if (row.isSet(i)) {
            pending.changed << quotedIdentifier(m_spec.fields[i].name);
            pending.values << stored;
        }
        pending.written << stored;
    }
    return pending;
}

TableStatements::Step TableStatements::insertRow(const QSqlDatabase& db,
                                                 const Pending& pending) const
{
    QSqlQuery query(db);
    const QStringList marks(pending.changed.size(), QStringLiteral("?"));
    QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                         .arg(quotedIdentifier(m_spec.table),
                              pending.changed.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    const bool returning = engine::of(db).keyByReturning() && m_keyColumns.size() == 1;
    if (returning)
        insert += QStringLiteral(" RETURNING ") + quotedIdentifier(m_keyColumns.first());
    query.prepare(insert);
    for (const QVariant& v : pending.values)
        query.addBindValue(v);
    if (!query.exec())
        return {query.lastError(), false, {}};
    return {
        {}, false, returning ? (query.next() ? query.value(0) : QVariant()) : query.lastInsertId()};
}

TableStatements::Step TableStatements::updateRow(const QSqlDatabase& db, const RowStore& store,
                                                 const RowStore::Row& row,
                                                 const Pending& pending) const
{
    QSqlQuery query(db);
    QStringList sets;
    for (const QString& c : pending.changed)
        sets << c + QStringLiteral("=?");
    query.prepare(
        QStringLiteral("UPDATE %1 SET %2 WHERE %3")
            .arg(quotedIdentifier(m_spec.table), sets.join(QLatin1Char(',')), where(true, true)));
    for (const QVariant& v : pending.values)
        query.addBindValue(v);
    bindMatch(query, store, row);
    if (!query.exec())
        return {query.lastError(), false, {}};
    return {{}, query.numRowsAffected() != 1, {}};
}

QVariantList TableStatements::keyAfter(const RowStore::Row& row, const Pending& pending,
                                       const QVariant& newKey) const
{
    // A key field may just have changed, and a new row's rowid is the one just given.
    QVariantList key = row.isNew ? QVariantList(m_keyColumns.size()) : keyParts(row.key);
    for (int k = 0; k < m_keyColumns.size(); ++k) {
        int field = -1;
        for (int i = 0; i < m_spec.fields.size() && field < 0; ++i) {
            if (m_spec.fields[i].name.compare(m_keyColumns[k], Qt::CaseInsensitive) == 0)
                field = i;
        }
        if (field >= 0)
            key[k] = pending.written[field];
        else if (row.isNew)
            key[k] = newKey;
    }
    return key;
}

Expected<QVariantList> TableStatements::readBack(const QSqlDatabase& db, const QVariantList& key,
                                                 const Pending& pending, const QString& label) const
{
    QStringList columns;
    for (const FieldSpec& f : m_spec.fields)
        columns << quotedIdentifier(f.name);
    QSqlQuery reread(db);
    reread.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 LIMIT 1")
                       .arg(columns.join(QLatin1Char(',')), quotedIdentifier(m_spec.table),
                            where(true, m_keyColumns.isEmpty())));
    for (const QVariant& v : m_keyColumns.isEmpty() ? pending.written : key)
        reread.addBindValue(v);
    if (!reread.exec() || !reread.next())
        return Expected<QVariantList>::failure(
            QCoreApplication::translate("TableStatements",
                                        "%1 was not saved: it could not be read back. %2")
                .arg(label, reread.lastError().isValid()
                                ? database::plainError(reread.lastError(), m_path)
                                : QString()));
    QVariantList stored;
    for (int i = 0; i < m_spec.fields.size(); ++i)
        stored << reread.value(i);
    return stored;
}

TableStatements::Written TableStatements::writeRow(RowStore& store, int index, const QString& label)
{
    const BusyWait::Span waits(m_busy);
    RowStore::Row& row = store[index];
    const auto refused = [&](const QSqlError& error) {
        noteFailure(error);
        return QCoreApplication::translate("TableStatements",
                                           "%1 was not saved: %2 Your values are kept.")
            .arg(label, database::plainError(error, m_path));
    };
    store::Transaction transaction = beginWrite();
    if (!transaction.active())
        return {Outcome::failure(refused(transaction.error()))};
    QSqlDatabase db = database();
    const Pending pending = pendingOf(store, row);
    const Step step = row.isNew ? insertRow(db, pending) : updateRow(db, store, row, pending);
    if (step.error.isValid())
        return {Outcome::failure(refused(step.error))};
    if (step.stale)
        //: %1 names the row, e.g. Row 2 of Room_tel (Room "101").
        return {Outcome::failure(QCoreApplication::translate(
                                     "TableStatements",
                                     "%1 was not saved: another program changed or deleted "
                                     "it after it was read. Your values are kept.")
                                     .arg(label)),
                true};

    // Read the row back, so the next write matches what the table really holds.
    const QVariantList key = keyAfter(row, pending, step.newKey);
    const Expected<QVariantList> stored = readBack(db, key, pending, label);
    if (!stored)
        return {Outcome::failure(stored.error())};

    if (m_hook) {
        RowChange change{row.isNew ? RowChange::Kind::Added : RowChange::Kind::Changed, {}, {}};
        for (int i = 0; i < store.fieldCount(); ++i) {
            if (!row.isNew)
                change.before << store.originalText(row, i);
            change.after << (*stored)[i].toString();
        }
        if (Outcome added = m_hook(db, change); !added)
            return {Outcome::failure(
                QCoreApplication::translate("TableStatements",
                                            "%1 was not saved: %2 Your values are kept.")
                    .arg(label, added.description()))};
    }

    if (!transaction.commit())
        return {Outcome::failure(refused(transaction.error()))};

    row.key = key.size() == 1 ? key.first() : key.isEmpty() ? QVariant() : QVariant(key);
    store.setOriginal(row, stored->constData());
    row.edited.reset();
    row.modified = 0;
    row.isNew = false;
    return {};
}

TableStatements::Written TableStatements::deleteRow(const RowStore& store, int index,
                                                    const QString& label)
{
    const BusyWait::Span waits(m_busy);
    store::Transaction transaction = beginWrite();
    if (!transaction.active())
        return {Outcome::failure(
            QCoreApplication::translate("TableStatements", "%1 was not deleted: %2")
                .arg(label, database::plainError(transaction.error(), m_path)))};
    QSqlDatabase db = database();
    QSqlQuery query(db);
    const auto refused = [&](const QSqlError& error) {
        noteFailure(error);
        return QCoreApplication::translate("TableStatements", "%1 was not deleted: %2")
            .arg(label, database::plainError(error, m_path));
    };
    query.prepare(QStringLiteral("DELETE FROM %1 WHERE %2")
                      .arg(quotedIdentifier(m_spec.table), where(true, true)));
    bindMatch(query, store, store[index]);
    QString failure;
    bool stale = false;
    if (!query.exec()) {
        failure = refused(query.lastError());
    } else if (query.numRowsAffected() != 1) {
        stale = true;
        failure = QCoreApplication::translate(
                      "TableStatements",
                      "%1 was not deleted: another program changed or deleted it after "
                      "it was read.")
                      .arg(label);
    } else if (Outcome added = m_hook ? deleted(db, store, store[index]) : Outcome::success();
               !added) {
        failure = QCoreApplication::translate("TableStatements", "%1 was not deleted: %2")
                      .arg(label, added.description());
    } else if (!transaction.commit()) {
        failure = refused(transaction.error());
    }
    if (!failure.isEmpty())
        return {Outcome::failure(failure), stale};
    return {};
}

Outcome TableStatements::deleted(const QSqlDatabase& db, const RowStore& store,
                                 const RowStore::Row& row) const
{
    RowChange change{RowChange::Kind::Deleted, {}, {}};
    for (int i = 0; i < store.fieldCount(); ++i)
        change.before << store.originalText(row, i);
    return m_hook(db, change);
}

Outcome TableStatements::inTransaction(const std::function<Outcome(const QSqlDatabase&)>& work)
{
    const BusyWait::Span waits(m_busy);
    store::Transaction transaction = beginWrite();
    if (!transaction.active())
        return Outcome::failure(database::plainError(transaction.error(), m_path));
    QSqlDatabase db = database();
    Outcome outcome = work(db);
    if (outcome && !transaction.commit())
        outcome = Outcome::failure(database::plainError(transaction.error(), m_path));
    return outcome;
}
