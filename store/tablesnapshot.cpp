// How the cursor's table is read at open: every row, through the engine's
// own statements where it can, otherwise through Qt's driver.
#include "tablestatements.h"

#include "database.h"
#include "engine/databaseengine.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {

QString cannotRead(const QString& table, const QString& why)
{
    return QCoreApplication::translate("TableStatements", "The table %1 cannot be read: %2")
        .arg(table, why);
}

} // namespace

using database::quotedIdentifier;

Outcome TableStatements::readSnapshot(const RowStore& store, std::vector<RowStore::Row>& rows)
{
    reconnectIfLost();
    Outcome outcome = readOnce(store, rows);
    // A server connection found dead is opened again once before the read is refused.
    if (!outcome && m_lost) {
        reconnectIfLost();
        if (!m_lost)
            outcome = readOnce(store, rows);
    }
    return outcome;
}

Outcome TableStatements::readOnce(const RowStore& store, std::vector<RowStore::Row>& rows)
{
    const BusyWait::Span waits(m_busy);
    findKey();
    QStringList columns;
    for (const QString& key : m_keyColumns)
        columns << quotedIdentifier(key);
    for (const FieldSpec& f : m_spec.fields)
        columns << quotedIdentifier(f.name);
    QString select = QStringLiteral("SELECT %1 FROM %2")
                         .arg(columns.join(QLatin1Char(',')), quotedIdentifier(m_spec.table));
    if (!m_keyColumns.isEmpty())
        select += QStringLiteral(" ORDER BY ") +
                  columns.mid(0, m_keyColumns.size()).join(QLatin1Char(','));

    rows.clear();
    if (m_engine != SnapshotEngine::QtDriver) {
        if (std::optional<Outcome> outcome = readWithEngine(select, store, rows)) {
            m_used = SnapshotEngine::EngineApi;
            return *outcome;
        }
    }
    m_used = SnapshotEngine::QtDriver;
    return readWithQtDriver(select, store, rows);
}

std::optional<Outcome> TableStatements::readWithEngine(const QString& select, const RowStore& store,
                                                       std::vector<RowStore::Row>& rows)
{
    const std::unique_ptr<engine::Statement> statement = engine::prepare(database(), select);
    if (!statement)
        return std::nullopt;
    // Counted first, the rows are held in one allocation made once: grown
    // as they come, each row would be moved again and again, and the old
    // and new copies held at once.
    rows.reserve(expectedRows());
    using engine::ColumnType;
    const int k = int(m_keyColumns.size());
    const int n = store.fieldCount();
    QVariantList keyParts(k);
    std::vector<QVariant> values(static_cast<size_t>(n));
    // The common case, a row of plain ASCII text and NULLs keyed by an
    // integer, is packed straight from the engine's buffers.
    std::array<const char*, RowStore::kPackedFields> data{};
    std::array<int, RowStore::kPackedFields> sizes{};
    const bool packable = k == 1 && n <= RowStore::kPackedFields;
    auto packAscii = [&](const engine::Statement& s) {
        if (!packable || s.type(0) != ColumnType::Integer)
            return false;
        for (int i = 0; i < n; ++i) {
            const ColumnType type = s.type(i + k);
            if (type == ColumnType::Null) {
                data[size_t(i)] = nullptr;
            } else if (type == ColumnType::Text) {
                const QByteArrayView text = s.bytes(i + k);
                data[size_t(i)] = text.data();
                sizes[size_t(i)] = int(text.size());
            } else {
                return false;
            }
        }
        RowStore::Row row;
        if (!store.packAscii(row, data.data(), sizes.data()))
            return false;
        row.key = qlonglong(s.integer(0));
        rows.push_back(std::move(row));
        return true;
    };

    engine::Statement::Step step;
    while ((step = statement->step()) == engine::Statement::Step::Row) {
        if (packAscii(*statement))
            continue;
        for (int i = 0; i < k; ++i)
            keyParts[i] = statement->value(i);
        for (int i = 0; i < n; ++i)
            values[size_t(i)] = statement->value(i + k);
        RowStore::Row row;
        row.key = k == 1 ? keyParts.first() : k > 1 ? QVariant(keyParts) : QVariant();
        store.setOriginal(row, values.data());
        rows.push_back(std::move(row));
    }
    if (step != engine::Statement::Step::Done) {
        const auto [code, text] = statement->error();
        return Outcome::failure(
            cannotRead(m_spec.table, database::plainError(code, text, m_path.path())));
    }
    return Outcome::success();
}

size_t TableStatements::expectedRows()
{
    // A key of one integer, numbered from 1, is found at once in its index:
    // its largest value is the count of rows, or more where rows were
    // deleted (room that is only reserved, never touched). A count walks
    // every row, and is what is left for other keys.
    constexpr qint64 kLargestKeyTaken = 2'000'000;
    const auto first = [this](const QString& sql) -> std::optional<qint64> {
        const std::unique_ptr<engine::Statement> statement = engine::prepare(database(), sql);
        if (!statement || statement->step() != engine::Statement::Step::Row ||
            statement->type(0) != engine::ColumnType::Integer)
            return std::nullopt;
        return statement->integer(0);
    };
    const QString table = quotedIdentifier(m_spec.table);
    if (m_keyColumns.size() == 1) {
        const std::optional<qint64> largest =
            first(QStringLiteral("SELECT max(%1) FROM %2")
                      .arg(quotedIdentifier(m_keyColumns.first()), table));
        if (largest && *largest > 0 && *largest <= kLargestKeyTaken)
            return size_t(*largest);
    }
    return size_t(std::max<qint64>(
        first(QStringLiteral("SELECT count(*) FROM %1").arg(table)).value_or(0), 0));
}

Outcome TableStatements::readWithQtDriver(const QString& select, const RowStore& store,
                                          std::vector<RowStore::Row>& rows)
{
    const int k = int(m_keyColumns.size());
    const int n = store.fieldCount();
    QVariantList keyParts(k);
    std::vector<QVariant> values(static_cast<size_t>(n));
    QSqlQuery query(database());
    query.setForwardOnly(true);
    if (!query.exec(select)) {
        noteFailure(query.lastError());
        return Outcome::failure(
            cannotRead(m_spec.table, database::plainError(query.lastError(), m_path)));
    }
    while (query.next()) {
        for (int i = 0; i < k; ++i)
            keyParts[i] = query.value(i);
        for (int i = 0; i < n; ++i)
            values[size_t(i)] = query.value(i + k);
        RowStore::Row row;
        row.key = k == 1 ? keyParts.first() : k > 1 ? QVariant(keyParts) : QVariant();
        store.setOriginal(row, values.data());
        rows.push_back(std::move(row));
    }
    if (query.lastError().isValid())
        return Outcome::failure(
            cannotRead(m_spec.table, database::plainError(query.lastError(), m_path)));
    return Outcome::success();
}
