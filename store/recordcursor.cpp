#include "recordcursor.h"

#include <QCoreApplication>

#include <algorithm>

RecordCursor::RecordCursor(TableSpec layout, QObject* parent)
    : QObject(parent), m_table(std::move(layout)), m_rows(int(m_table.layout().fields.size()))
{
}

RecordCursor::~RecordCursor() = default;

void RecordCursor::setChangeRecorder(std::shared_ptr<const changerecord::RowRecorder> recorder)
{
    m_recorder = std::move(recorder);
    if (!m_recorder) {
        m_table.setChangeHook({});
        return;
    }
    m_table.setChangeHook([r = m_recorder](const QSqlDatabase& db, const RowChange& change) {
        return (*r)(db, change);
    });
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

Outcome RecordCursor::open(const store::Database& path)
{
    if (isOpen()) {
        if (Outcome closed = close(); !closed)
            return closed;
    }
    m_path = path;
    const Outcome outcome = load();
    emit MoveComplete();
    return outcome;
}

// Opens the file at m_path and reads the table; a failure leaves no rows.
Outcome RecordCursor::load()
{
    m_stale = false;
    m_readAt = QDateTime::currentDateTimeUtc();
    Outcome outcome = m_table.connect(m_path);
    std::vector<RowStore::Row> rows;
    if (outcome) {
        outcome = m_table.readSnapshot(m_rows, rows);
        if (!outcome)
            m_table.disconnect();
    }
    if (!outcome) {
        clearRows();
        return outcome;
    }
    emit aboutToReset();
    m_rows.assign(std::move(rows));
    m_current = m_rows.empty() ? -1 : 0;
    m_elsewhere.clear();
    emit reset();
    listen();
    return outcome;
}

Outcome RecordCursor::close()
{
    if (!isOpen())
        return Outcome::success();
    if (Outcome written = updateBatch(); !written)
        return written;
    m_table.disconnect();
    clearRows();
    return Outcome::success();
}

void RecordCursor::clearRows()
{
    emit aboutToReset();
    m_rows.clear();
    m_current = -1;
    emit reset();
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

Outcome RecordCursor::noCurrentRow(const QString& what) const
{
    if (m_rows.empty())
        return Outcome::failure(
            //: %1 is what failed, e.g. "The row cannot be deleted"; %2 the table.
            QCoreApplication::translate("RecordCursor", "%1: the table %2 holds no rows.")
                .arg(what, layout().table));
    if (hasCurrent())
        return Outcome::failure(
            QCoreApplication::translate(
                "RecordCursor", "%1: the current row has been deleted; move to another row first.")
                .arg(what));
    return Outcome::failure(
        (m_current < 0
             ? QCoreApplication::translate(
                   "RecordCursor", "%1: no row is current (the cursor stands before the rows).")
             : QCoreApplication::translate(
                   "RecordCursor", "%1: no row is current (the cursor stands after the rows)."))
            .arg(what));
}

Outcome RecordCursor::setField(int column, const QString& text)
{
    if (!hasCurrent() || m_rows[m_current].deleted)
        return noCurrentRow(
            QCoreApplication::translate("RecordCursor", "The value cannot be changed"));
    if (column < 0 || column >= fieldCount())
        return Outcome::failure(
            QCoreApplication::translate("RecordCursor", "The table %1 has no field number %2.")
                .arg(layout().table)
                .arg(column + 1));
    const RowStore::Row& row = m_rows[m_current];
    // The value the row holds already, typed or read, changes nothing: the
    // grid handing it over again (Refresh after a refused write) must not
    // count as a new change.
    if (!row.isNew && value(m_current, column) == text)
        return Outcome::success();
    emit WillChangeRecord();
    m_rows.edit(m_current, column, text);
    emit rowChanged(m_current);
    return Outcome::success();
}

Outcome RecordCursor::checkWidths(const RowStore::Row& row) const
{
    for (int i = 0; i < fieldCount(); ++i) {
        const int limit = layout().fields[i].maxLength;
        if (limit <= 0 || !row.isSet(i))
            continue;
        const int length = schema::characterCount((*row.edited)[i]);
        if (length > limit) {
            return Outcome::failure(
                //: %1 is the field (Room, TEL1...), %3 the value typed, %4 its length.
                QCoreApplication::translate(
                    "RecordCursor",
                    "%1 may hold at most %2 characters, but \"%3\" has %4. The row was "
                    "not saved; shorten the value.")
                    .arg(layout().fields[i].name)
                    .arg(limit)
                    .arg((*row.edited)[i])
                    .arg(length));
        }
    }
    return Outcome::success();
}

QString RecordCursor::rowLabel(int index) const
{
    const RowStore::Row& row = m_rows[index];
    if (row.isNew)
        return QCoreApplication::translate("RecordCursor", "The new row of %1").arg(layout().table);
    //: A row named in a message: %1 its number, %2 the table, %3 its first field, %4 that field's
    //: value.
    return QCoreApplication::translate("RecordCursor", "Row %1 of %2 (%3 \"%4\")")
        .arg(index + 1)
        .arg(layout().table, layout().fields.first().name, m_rows.originalText(row, 0));
}

// A row of a file another program replaced can never be written, as a row
// another program changed: only reading the file again helps.
Outcome RecordCursor::replaced(int index, Write write)
{
    m_stale = true;
    return Outcome::failure(
        (write == Write::Save
             ? QCoreApplication::translate(
                   "RecordCursor",
                   "%1 was not saved: the database file %2 was replaced or removed by "
                   "another program after it was read, so the change would go into "
                   "the old file.")
             : QCoreApplication::translate(
                   "RecordCursor",
                   "%1 was not deleted: the database file %2 was replaced or removed "
                   "by another program after it was read, so the change would go "
                   "into the old file."))
            .arg(rowLabel(index), m_path.describe()));
}

Outcome RecordCursor::writeRow(int index)
{
    m_stale = false;
    const RowStore::Row& row = m_rows[index];
    if (row.deleted || row.modified == 0)
        return Outcome::success();
    if (!isOpen())
        return Outcome::failure(
            QCoreApplication::translate("RecordCursor",
                                        "%1 cannot be saved: the database file %2 is not open.")
                .arg(rowLabel(index), m_path.describe()));
    if (Outcome widths = checkWidths(row); !widths)
        return widths;
    if (m_table.fileReplaced())
        return replaced(index, Write::Save);
    const TableStatements::Written written = m_table.writeRow(m_rows, index, rowLabel(index));
    m_stale = written.stale;
    if (!written.outcome)
        return written.outcome;
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
        if (m_rows[i].isNew) {
            currentRemoved = currentRemoved || i == m_current;
            emit rowAboutToBeRemoved(i);
            m_rows.erase(i);
            if (m_current > i)
                --m_current;
            emit rowRemoved(i);
        } else if (m_rows[i].modified != 0) {
            m_rows.dropEdits(i);
            emit rowChanged(i);
        }
    }
    if (currentRemoved || m_current != before)
        emit MoveComplete();
}

Outcome RecordCursor::deleteCurrent()
{
    m_stale = false;
    if (!hasCurrent() || m_rows[m_current].deleted)
        return noCurrentRow(
            QCoreApplication::translate("RecordCursor", "The row cannot be deleted"));
    emit WillChangeRecord();
    if (!m_rows[m_current].isNew) {
        if (!isOpen())
            return Outcome::failure(
                QCoreApplication::translate(
                    "RecordCursor", "%1 cannot be deleted: the database file %2 is not open.")
                    .arg(rowLabel(m_current), m_path.describe()));
        if (m_table.fileReplaced())
            return replaced(m_current, Write::Delete);
        const TableStatements::Written deleted =
            m_table.deleteRow(m_rows, m_current, rowLabel(m_current));
        m_stale = deleted.stale;
        if (!deleted.outcome)
            return deleted.outcome;
    }
    m_rows.dropEdits(m_current);
    m_rows[m_current].deleted = true;
    emit rowChanged(m_current);
    return Outcome::success();
}

Outcome RecordCursor::addNew()
{
    if (!isOpen())
        return Outcome::failure(
            QCoreApplication::translate("RecordCursor",
                                        "No row can be added: the database file %1 is not open.")
                .arg(m_path.describe()));
    if (const Expected<bool> left = leaveCurrent(); !left)
        return left.outcome();
    emit WillChangeRecord();
    RowStore::Row row;
    row.isNew = true;
    const std::vector<QVariant> nothing(static_cast<size_t>(fieldCount()));
    m_rows.setOriginal(row, nothing.data());
    const int index = rowCount();
    emit rowAboutToBeAppended(index);
    m_rows.append(std::move(row));
    m_current = index;
    emit rowAppended(index);
    emit MoveComplete();
    return Outcome::success();
}

// Writes the current row before the cursor leaves it. A deleted row, and a
// new row nobody typed into, are dropped from the snapshot instead; true
// tells the caller that the rows after the current one moved up by one.
Expected<bool> RecordCursor::leaveCurrent()
{
    if (!hasCurrent())
        return false;
    if (Outcome written = writeRow(m_current); !written)
        return written;
    if (m_rows[m_current].dropsWhenLeft()) {
        emit rowAboutToBeRemoved(m_current);
        m_rows.erase(m_current);
        emit rowRemoved(m_current);
        return true;
    }
    return false;
}

bool RecordCursor::fieldChanged(int column) const
{
    if (!hasCurrent())
        return false;
    const RowStore::Row& row = m_rows[m_current];
    return row.isNew || (row.isSet(column) &&
                         m_rows.value(m_current, column) != m_rows.originalText(row, column));
}
