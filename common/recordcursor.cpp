#include "recordcursor.h"

#include "database.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

namespace {

QString quoted(const QString& identifier)
{
    if (identifier == QLatin1String("rowid"))
        return identifier;
    return QLatin1Char('"') +
           QString(identifier).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

// The connection's sqlite3 handle, when the driver shares our SQLite library.
sqlite3* nativeHandle(const QSqlDatabase& db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    sqlite3* native = *static_cast<sqlite3* const*>(handle.constData());
    if (!native)
        return nullptr;
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("SELECT sqlite_version()")) || !version.next() ||
        version.value(0).toString() != QString::fromLatin1(sqlite3_libversion()))
        return nullptr;
    return native;
}

// A column as the Qt driver would give it, so a row read either way matches
// the table in the same way when it is written back.
QVariant columnValue(sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        return qlonglong(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
        return sqlite3_column_double(statement, column);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, column)),
                          sqlite3_column_bytes(statement, column));
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    default:
        return QString::fromUtf8(
            reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
            sqlite3_column_bytes(statement, column));
    }
}

} // namespace

RecordCursor::RecordCursor(TableSpec layout, QObject* parent)
    : QObject(parent), m_spec(std::move(layout))
{
}

RecordCursor::~RecordCursor()
{
    releaseConnection();
}

int RecordCursor::absolutePosition() const
{
    if (m_rows.empty())
        return kEmpty;
    if (m_current < 0)
        return kBeforeFirst;
    if (m_current >= rowCount())
        return kAfterLast;
    return m_current + 1;
}

Outcome RecordCursor::open(const QString& path)
{
    if (isOpen()) {
        if (Outcome closed = close(); !closed)
            return closed;
    }
    m_path = path;
    const Outcome outcome = load();
    if (!outcome)
        emit Error(outcome.description());
    emit MoveComplete();
    return outcome;
}

Outcome RecordCursor::refresh()
{
    if (m_path.isEmpty())
        return Outcome::failure(QStringLiteral("No database file has been opened."));
    if (isOpen()) {
        if (Outcome written = updateBatch(); !written)
            return written;
    }
    // The file at the path may have been replaced or removed since it was
    // opened: what is read must be what is there now.
    releaseConnection();
    const Outcome outcome = load();
    emit MoveComplete();
    return outcome;
}

// Opens the file at m_path and reads the table; a failure leaves no rows.
Outcome RecordCursor::load()
{
    m_stale = false;
    m_connection = database::uniqueConnectionName(QStringLiteral("cursor-") + m_spec.table);
    Outcome outcome = database::open(m_path, m_connection);
    if (!outcome) {
        m_connection.clear();
    } else {
        outcome = database::checkTable(QSqlDatabase::database(m_connection, false), m_spec, m_path);
        if (outcome)
            outcome = readSnapshot();
        if (!outcome)
            releaseConnection();
    }
    if (!outcome) {
        emit aboutToReset();
        m_rows.clear();
        m_current = -1;
        emit reset();
    }
    return outcome;
}

Outcome RecordCursor::close()
{
    if (!isOpen())
        return Outcome::success();
    if (Outcome written = updateBatch(); !written)
        return written;
    releaseConnection();
    emit aboutToReset();
    m_rows.clear();
    m_current = -1;
    emit reset();
    return Outcome::success();
}

void RecordCursor::releaseConnection()
{
    if (m_connection.isEmpty())
        return;
    database::close(m_connection);
    m_connection.clear();
}

Outcome RecordCursor::readSnapshot()
{
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    findKey(db);
    const int k = int(m_keyColumns.size());
    QStringList columns;
    for (const QString& key : m_keyColumns)
        columns << quoted(key);
    for (const FieldSpec& f : m_spec.fields)
        columns << quoted(f.name);
    QStringList order;
    for (const QString& key : m_keyColumns)
        order << quoted(key);
    QString select = QStringLiteral("SELECT %1 FROM %2")
                         .arg(columns.join(QLatin1Char(',')), quoted(m_spec.table));
    if (k > 0)
        select += QStringLiteral(" ORDER BY ") + order.join(QLatin1Char(','));

    std::vector<Row> rows;
    const int n = fieldCount();
    std::vector<QVariant> values(static_cast<size_t>(n));
    QVariantList keyParts(k);
    auto take = [&] {
        Row row;
        row.key = k == 1 ? keyParts.first() : k > 1 ? QVariant(keyParts) : QVariant();
        setOriginal(row, values.data());
        rows.push_back(std::move(row));
    };
    // The common case, a row of plain ASCII text and NULLs, is packed
    // straight from SQLite's buffers; any other row goes through QVariants.
    auto packAscii = [&](sqlite3_stmt* statement, QByteArray& bytes, std::vector<Row>& into) {
        if (n > kPackedFields || k != 1 || sqlite3_column_type(statement, 0) != SQLITE_INTEGER)
            return false;
        bytes.clear();
        Row row;
        for (int i = 0; i < n; ++i) {
            const int type = sqlite3_column_type(statement, i + k);
            if (type == SQLITE_NULL) {
                row.nulls |= 1u << i;
            } else if (type == SQLITE_TEXT) {
                const auto* text =
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, i + k));
                const int size = sqlite3_column_bytes(statement, i + k);
                for (int k = 0; k < size; ++k) {
                    if (static_cast<unsigned char>(text[k]) >= 0x80)
                        return false;
                }
                bytes.append(text, size);
                if (bytes.size() > 0xFFFF)
                    return false;
            } else {
                return false;
            }
            row.ends[size_t(i)] = quint16(bytes.size());
        }
        row.key = qlonglong(sqlite3_column_int64(statement, 0));
        row.text = QString::fromLatin1(bytes);
        into.push_back(std::move(row));
        return true;
    };

    // Large directories open several times faster through SQLite's own
    // interface than through a QSqlQuery; that needs the connection's handle
    // to come from the same SQLite library as ours.
    sqlite3* handle = nativeHandle(db);
    if (handle) {
        sqlite3_stmt* statement = nullptr;
        const QByteArray sql = select.toUtf8();
        int rc = sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &statement, nullptr);
        if (rc == SQLITE_OK) {
            QByteArray bytes;
            while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
                if (packAscii(statement, bytes, rows))
                    continue;
                for (int i = 0; i < k; ++i)
                    keyParts[i] = columnValue(statement, i);
                for (int i = 0; i < n; ++i)
                    values[size_t(i)] = columnValue(statement, i + k);
                take();
            }
        }
        const QString why = database::plainError(sqlite3_errcode(handle),
                                                 QString::fromUtf8(sqlite3_errmsg(handle)), m_path);
        sqlite3_finalize(statement);
        if (rc != SQLITE_DONE)
            return Outcome::failure(
                QStringLiteral("The table %1 cannot be read: %2").arg(m_spec.table, why));
    } else {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(select)) {
            return Outcome::failure(
                QStringLiteral("The table %1 cannot be read: %2")
                    .arg(m_spec.table, database::plainError(query.lastError(), m_path)));
        }
        while (query.next()) {
            for (int i = 0; i < k; ++i)
                keyParts[i] = query.value(i);
            for (int i = 0; i < n; ++i)
                values[size_t(i)] = query.value(i + k);
            take();
        }
        if (query.lastError().isValid())
            return Outcome::failure(
                QStringLiteral("The table %1 cannot be read: %2")
                    .arg(m_spec.table, database::plainError(query.lastError(), m_path)));
    }

    emit aboutToReset();
    m_rows = std::move(rows);
    m_current = m_rows.empty() ? -1 : 0;
    emit reset();
    return Outcome::success();
}

// A row is addressed by the table's integer key, else by its rowid, else by
// its primary key (a table made WITHOUT ROWID); with none of them only the
// values as read find it.
void RecordCursor::findKey(const QSqlDatabase& db)
{
    m_keyColumns.clear();
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT name, upper(type), pk FROM pragma_table_info(?) "
                                 "WHERE pk > 0 ORDER BY pk"));
    query.addBindValue(m_spec.table);
    QStringList keys;
    QString keyType;
    if (query.exec()) {
        while (query.next()) {
            keys << query.value(0).toString();
            keyType = query.value(1).toString();
        }
    }
    if (keys.size() == 1 && keyType == QLatin1String("INTEGER")) {
        m_keyColumns = keys;
        return;
    }
    QSqlQuery rowid(db);
    if (rowid.exec(QStringLiteral("SELECT rowid FROM %1 LIMIT 0").arg(quoted(m_spec.table))))
        m_keyColumns = QStringList{QStringLiteral("rowid")};
    else
        m_keyColumns = keys;
}

QVariantList RecordCursor::keyParts(const QVariant& key) const
{
    if (m_keyColumns.size() == 1)
        return {key};
    return key.toList();
}

// "key = ? AND ... AND field IS ? AND ...": the row as it was read, so
// another program's change is never overwritten.
QString RecordCursor::matchClause() const
{
    QStringList match;
    for (const QString& key : m_keyColumns)
        match << quoted(key) + QStringLiteral("=?");
    for (const FieldSpec& f : m_spec.fields)
        match << quoted(f.name) + QStringLiteral(" IS ?");
    return match.join(QStringLiteral(" AND "));
}

void RecordCursor::bindMatch(QSqlQuery& query, const Row& row) const
{
    for (const QVariant& part : keyParts(row.key))
        query.addBindValue(part);
    for (int i = 0; i < fieldCount(); ++i)
        query.addBindValue(originalValue(row, i));
}

void RecordCursor::setOriginal(Row& row, const QVariant* values) const
{
    const int n = fieldCount();
    row.typed.reset();
    row.text.clear();
    row.nulls = 0;
    row.ends.fill(0);
    bool packable = n <= kPackedFields;
    qsizetype total = 0;
    for (int i = 0; i < n && packable; ++i) {
        if (values[i].isNull())
            continue;
        if (values[i].typeId() != QMetaType::QString)
            packable = false;
        else
            total += static_cast<const QString*>(values[i].constData())->size();
    }
    if (!packable || total > 0xFFFF) {
        row.typed = std::make_unique<QVariantList>(values, values + n);
        return;
    }
    row.text.reserve(total);
    for (int i = 0; i < n; ++i) {
        if (values[i].isNull())
            row.nulls |= 1u << i;
        else
            row.text += *static_cast<const QString*>(values[i].constData());
        row.ends[size_t(i)] = quint16(row.text.size());
    }
}

QString RecordCursor::originalText(const Row& row, int column) const
{
    if (row.typed)
        return row.typed->value(column).toString();
    if (column < 0 || column >= fieldCount() || (row.nulls & (1u << column)))
        return {};
    const int start = column == 0 ? 0 : row.ends[size_t(column - 1)];
    return row.text.mid(start, row.ends[size_t(column)] - start);
}

// The value as read, for matching the row in the table: NULL stays NULL.
QVariant RecordCursor::originalValue(const Row& row, int column) const
{
    if (row.typed)
        return row.typed->value(column);
    if (row.nulls & (1u << column))
        return QVariant(QMetaType::fromType<QString>());
    // A packed row of empty texts holds a null string, and the driver binds
    // a null string as NULL, which an empty text never matches.
    const QString text = originalText(row, column);
    return text.isNull() ? QStringLiteral("") : text;
}

QString RecordCursor::value(int row, int column) const
{
    const Row& r = m_rows[size_t(row)];
    if (r.modified & (1u << column))
        return r.edited[column];
    return originalText(r, column);
}

QString RecordCursor::field(int column) const
{
    if (!hasCurrent() || column < 0 || column >= fieldCount())
        return {};
    return value(m_current, column);
}

QStringList RecordCursor::currentValues() const
{
    QStringList values;
    for (int i = 0; i < fieldCount(); ++i)
        values << field(i);
    return values;
}

bool RecordCursor::isPending(int row) const
{
    const Row& r = m_rows[size_t(row)];
    return !r.deleted && r.modified != 0;
}

Outcome RecordCursor::noCurrentRow(const QString& what) const
{
    if (m_rows.empty())
        return Outcome::failure(
            QStringLiteral("%1: the table %2 holds no rows.").arg(what, m_spec.table));
    if (hasCurrent())
        return Outcome::failure(
            QStringLiteral("%1: the current row has been deleted; move to another row first.")
                .arg(what));
    return Outcome::failure(
        QStringLiteral("%1: no row is current (the cursor stands %2 the rows).")
            .arg(what, m_current < 0 ? QStringLiteral("before") : QStringLiteral("after")));
}

Outcome RecordCursor::setField(int column, const QString& text)
{
    if (!hasCurrent() || m_rows[size_t(m_current)].deleted)
        return noCurrentRow(QStringLiteral("The value cannot be changed"));
    if (column < 0 || column >= fieldCount())
        return Outcome::failure(QStringLiteral("The table %1 has no field number %2.")
                                    .arg(m_spec.table)
                                    .arg(column + 1));
    Row& row = m_rows[size_t(m_current)];
    if (!row.isNew && value(m_current, column) == text && !(row.modified & (1u << column)))
        return Outcome::success();
    emit WillChangeRecord();
    if (row.edited.isEmpty()) {
        for (int i = 0; i < fieldCount(); ++i)
            row.edited << originalText(row, i);
    }
    // An empty value is stored as empty text, not NULL: the driver binds a
    // null QString as NULL.
    row.edited[column] = text.isNull() ? QStringLiteral("") : text;
    row.modified |= 1u << column;
    emit rowChanged(m_current);
    return Outcome::success();
}

Outcome RecordCursor::checkWidths(const Row& row) const
{
    for (int i = 0; i < fieldCount(); ++i) {
        const int limit = m_spec.fields[i].maxLength;
        if (limit <= 0 || !(row.modified & (1u << i)))
            continue;
        const int length = schema::characterCount(row.edited[i]);
        if (length > limit) {
            return Outcome::failure(
                QStringLiteral("%1 may hold at most %2 characters, but \"%3\" has %4. The row was "
                               "not saved; shorten the value.")
                    .arg(m_spec.fields[i].name)
                    .arg(limit)
                    .arg(row.edited[i])
                    .arg(length));
        }
    }
    return Outcome::success();
}

QString RecordCursor::rowLabel(int index) const
{
    const Row& row = m_rows[size_t(index)];
    if (row.isNew)
        return QStringLiteral("The new row of %1").arg(m_spec.table);
    return QStringLiteral("Row %1 of %2 (%3 \"%4\")")
        .arg(index + 1)
        .arg(m_spec.table, m_spec.fields.first().name, originalText(row, 0));
}

Outcome RecordCursor::writeRow(int index)
{
    m_stale = false;
    Row& row = m_rows[size_t(index)];
    if (row.deleted || row.modified == 0)
        return Outcome::success();
    if (!isOpen())
        return Outcome::failure(
            QStringLiteral("%1 cannot be saved: the database file %2 is not open.")
                .arg(rowLabel(index), m_path));
    if (Outcome widths = checkWidths(row); !widths)
        return widths;

    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    QSqlQuery query(db);
    const auto refused = [&](const QSqlError& error) {
        return QStringLiteral("%1 was not saved: %2 Your values are kept.")
            .arg(rowLabel(index), database::plainError(error, m_path));
    };
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Outcome::failure(refused(query.lastError()));
    auto rollback = [&](const QString& description) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        return Outcome::failure(description);
    };

    QStringList changed;
    QVariantList values;
    QVariantList written; // every field as it now stands in the table
    for (int i = 0; i < fieldCount(); ++i) {
        const bool set = row.modified & (1u << i);
        if (set) {
            changed << quoted(m_spec.fields[i].name);
            values << row.edited[i];
        }
        written << (set ? QVariant(row.edited[i]) : originalValue(row, i));
    }

    if (row.isNew) {
        QStringList marks(changed.size(), QStringLiteral("?"));
        query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(quoted(m_spec.table), changed.join(QLatin1Char(',')),
                               marks.join(QLatin1Char(','))));
        for (const QVariant& v : values)
            query.addBindValue(v);
        if (!query.exec())
            return rollback(refused(query.lastError()));
    } else {
        QStringList sets;
        for (const QString& c : changed)
            sets << c + QStringLiteral("=?");
        query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
                          .arg(quoted(m_spec.table), sets.join(QLatin1Char(',')), matchClause()));
        for (const QVariant& v : values)
            query.addBindValue(v);
        bindMatch(query, row);
        if (!query.exec())
            return rollback(refused(query.lastError()));
        if (query.numRowsAffected() != 1) {
            m_stale = true;
            return rollback(
                QStringLiteral("%1 was not saved: another program changed or deleted it "
                               "after it was read. Your values are kept.")
                    .arg(rowLabel(index)));
        }
    }

    // The key as it now stands: a key field may just have changed, and a new
    // row's rowid is the one just given.
    QVariantList key = row.isNew ? QVariantList(m_keyColumns.size()) : keyParts(row.key);
    for (int k = 0; k < m_keyColumns.size(); ++k) {
        int field = -1;
        for (int i = 0; i < fieldCount() && field < 0; ++i) {
            if (m_spec.fields[i].name.compare(m_keyColumns[k], Qt::CaseInsensitive) == 0)
                field = i;
        }
        if (field >= 0)
            key[k] = written[field];
        else if (row.isNew)
            key[k] = query.lastInsertId();
    }

    // Read the row back, so the next write matches what the table really holds.
    QStringList columns;
    for (const FieldSpec& f : m_spec.fields)
        columns << quoted(f.name);
    QStringList match;
    for (const QString& k : m_keyColumns)
        match << quoted(k) + QStringLiteral("=?");
    if (m_keyColumns.isEmpty()) {
        for (const FieldSpec& f : m_spec.fields)
            match << quoted(f.name) + QStringLiteral(" IS ?");
    }
    QSqlQuery reread(db);
    reread.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 LIMIT 1")
                       .arg(columns.join(QLatin1Char(',')), quoted(m_spec.table),
                            match.join(QStringLiteral(" AND "))));
    for (const QVariant& v : m_keyColumns.isEmpty() ? written : key)
        reread.addBindValue(v);
    if (!reread.exec() || !reread.next())
        return rollback(
            QStringLiteral("%1 was not saved: it could not be read back. %2")
                .arg(rowLabel(index), reread.lastError().isValid()
                                          ? database::plainError(reread.lastError(), m_path)
                                          : QString()));
    QVariantList stored;
    for (int i = 0; i < fieldCount(); ++i)
        stored << reread.value(i);
    reread.finish();

    if (!query.exec(QStringLiteral("COMMIT")))
        return rollback(refused(query.lastError()));

    row.key = key.size() == 1 ? key.first() : key.isEmpty() ? QVariant() : QVariant(key);
    setOriginal(row, stored.constData());
    row.edited.clear();
    row.modified = 0;
    row.isNew = false;
    emit rowChanged(index);
    return Outcome::success();
}

Outcome RecordCursor::updateBatch()
{
    for (int i = 0; i < rowCount(); ++i) {
        if (Outcome written = writeRow(i); !written)
            return written;
    }
    return Outcome::success();
}

void RecordCursor::cancelBatch()
{
    const int before = m_current;
    bool currentRemoved = false;
    for (int i = rowCount() - 1; i >= 0; --i) {
        Row& row = m_rows[size_t(i)];
        if (row.isNew) {
            currentRemoved = currentRemoved || i == m_current;
            emit rowAboutToBeRemoved(i);
            m_rows.erase(m_rows.begin() + i);
            if (m_current > i)
                --m_current;
            emit rowRemoved(i);
        } else if (row.modified != 0) {
            row.edited.clear();
            row.modified = 0;
            emit rowChanged(i);
        }
    }
    if (currentRemoved || m_current != before)
        emit MoveComplete();
}

Outcome RecordCursor::deleteCurrent()
{
    m_stale = false;
    if (!hasCurrent() || m_rows[size_t(m_current)].deleted)
        return noCurrentRow(QStringLiteral("The row cannot be deleted"));
    Row& row = m_rows[size_t(m_current)];
    emit WillChangeRecord();
    if (!row.isNew) {
        if (!isOpen())
            return Outcome::failure(
                QStringLiteral("%1 cannot be deleted: the database file %2 is not open.")
                    .arg(rowLabel(m_current), m_path));
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        QSqlQuery query(db);
        const auto refused = [&] {
            return QStringLiteral("%1 was not deleted: %2")
                .arg(rowLabel(m_current), database::plainError(query.lastError(), m_path));
        };
        if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
            return Outcome::failure(refused());
        query.prepare(
            QStringLiteral("DELETE FROM %1 WHERE %2").arg(quoted(m_spec.table), matchClause()));
        bindMatch(query, row);
        QString failure;
        if (!query.exec()) {
            failure = refused();
        } else if (query.numRowsAffected() != 1) {
            m_stale = true;
            failure =
                QStringLiteral("%1 was not deleted: another program changed or deleted it after "
                               "it was read.")
                    .arg(rowLabel(m_current));
        } else if (!query.exec(QStringLiteral("COMMIT"))) {
            failure = refused();
        }
        if (!failure.isEmpty()) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return Outcome::failure(failure);
        }
    }
    row.deleted = true;
    row.edited.clear();
    row.modified = 0;
    emit rowChanged(m_current);
    return Outcome::success();
}

Outcome RecordCursor::addNew()
{
    if (!isOpen())
        return Outcome::failure(
            QStringLiteral("No row can be added: the database file %1 is not open.").arg(m_path));
    bool dropped = false;
    if (Outcome left = leaveCurrent(&dropped); !left)
        return left;
    emit WillChangeRecord();
    Row row;
    row.isNew = true;
    const std::vector<QVariant> nothing(static_cast<size_t>(fieldCount()));
    setOriginal(row, nothing.data());
    const int index = rowCount();
    emit rowAboutToBeAppended(index);
    m_rows.push_back(std::move(row));
    m_current = index;
    emit rowAppended(index);
    emit MoveComplete();
    return Outcome::success();
}

// Writes the current row before the cursor leaves it. A deleted row, and a
// new row nobody typed into, are dropped from the snapshot instead; dropped
// tells the caller that the rows after the current one moved up by one.
Outcome RecordCursor::leaveCurrent(bool* dropped)
{
    *dropped = false;
    if (!hasCurrent())
        return Outcome::success();
    if (Outcome written = writeRow(m_current); !written)
        return written;
    const Row& row = m_rows[size_t(m_current)];
    if (row.deleted || (row.isNew && row.modified == 0)) {
        emit rowAboutToBeRemoved(m_current);
        m_rows.erase(m_rows.begin() + m_current);
        emit rowRemoved(m_current);
        *dropped = true;
    }
    return Outcome::success();
}

Outcome RecordCursor::moveFirst()
{
    return move(Move::First, 0);
}

Outcome RecordCursor::moveNext()
{
    return move(Move::Next, 0);
}

Outcome RecordCursor::movePrevious()
{
    return move(Move::Previous, 0);
}

Outcome RecordCursor::moveLast()
{
    return move(Move::Last, 0);
}

Outcome RecordCursor::moveTo(int index)
{
    return move(Move::To, index);
}

Outcome RecordCursor::move(Move kind, int index)
{
    emit WillMove();
    const bool leavingDropped =
        hasCurrent() &&
        (m_rows[size_t(m_current)].deleted ||
         (m_rows[size_t(m_current)].isNew && m_rows[size_t(m_current)].modified == 0));
    const int live = rowCount() - (leavingDropped ? 1 : 0);
    switch (kind) {
    case Move::First:
    case Move::Last:
        if (live == 0)
            return Outcome::failure(
                QStringLiteral("There is no %1 row: the table %2 holds no rows.")
                    .arg(kind == Move::First ? QStringLiteral("first") : QStringLiteral("last"),
                         m_spec.table));
        break;
    case Move::Next:
        if (eof())
            return Outcome::failure(
                m_rows.empty() ? QStringLiteral("There is no next row: the table %1 holds no rows.")
                                     .arg(m_spec.table)
                               : QStringLiteral("There is no next row: the cursor already "
                                                "stands after the last row."));
        break;
    case Move::Previous:
        if (bof())
            return Outcome::failure(
                m_rows.empty() ? QStringLiteral("There is no previous row: the table %1 holds "
                                                "no rows.")
                                     .arg(m_spec.table)
                               : QStringLiteral("There is no previous row: the cursor already "
                                                "stands before the first row."));
        break;
    case Move::To:
        if (index < 0 || index >= rowCount())
            return Outcome::failure(QStringLiteral("There is no row %1 in the table %2.")
                                        .arg(index + 1)
                                        .arg(m_spec.table));
        if (index == m_current) {
            emit MoveComplete();
            return Outcome::success();
        }
        break;
    }

    const int from = m_current;
    bool dropped = false;
    if (Outcome left = leaveCurrent(&dropped); !left)
        return left;

    int target = 0;
    switch (kind) {
    case Move::First:
        target = 0;
        break;
    case Move::Last:
        target = rowCount() - 1;
        break;
    case Move::Next:
        target = dropped ? from : from + 1;
        break;
    case Move::Previous:
        target = from - 1;
        break;
    case Move::To:
        target = dropped && index > from ? index - 1 : index;
        break;
    }
    m_current = target;
    emit MoveComplete();
    return Outcome::success();
}
