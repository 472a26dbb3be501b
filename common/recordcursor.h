#pragma once

#include "outcome.h"
#include "schema.h"

#include <QObject>
#include <QString>
#include <QVariant>

class QSqlDatabase;
class QSqlQuery;

#include <array>
#include <memory>
#include <vector>

// A cursor over one table: a snapshot of the rows read at open, one current
// row (or a place before the first or after the last row), and rows written
// back one at a time when the cursor leaves them.
//
// Writes are optimistic: a row is written only where the table still holds
// exactly what was read, so another program's change is never overwritten.
class RecordCursor : public QObject
{
    Q_OBJECT

public:
    // Position codes besides 1..N.
    static constexpr int kEmpty = -1;
    static constexpr int kBeforeFirst = -2;
    static constexpr int kAfterLast = -3;

    explicit RecordCursor(TableSpec layout, QObject* parent = nullptr);
    ~RecordCursor() override;

    // Reads the table of the database file at path; the first row becomes
    // current. A failure leaves the cursor empty and is also raised as Error.
    Outcome open(const QString& path);
    // Writes an unwritten edit, then opens the file at the path again and
    // reads the table; the first row becomes current. A refused write keeps
    // the edit and reads nothing; a file or table that cannot be read leaves
    // the cursor empty and closed (reported to the caller only).
    Outcome refresh();
    // Writes what is unwritten and lets the file go. A refused write keeps the
    // cursor open so that nothing typed is lost.
    Outcome close();
    bool isOpen() const { return !m_connection.isEmpty(); }
    const QString& path() const { return m_path; }
    const TableSpec& layout() const { return m_spec; }

    int fieldCount() const { return int(m_spec.fields.size()); }
    int rowCount() const { return int(m_rows.size()); }
    // Index of the current row; -1 before the first row, rowCount() after the last.
    int currentIndex() const { return m_current; }
    bool hasCurrent() const { return m_current >= 0 && m_current < rowCount(); }
    bool eof() const { return m_rows.empty() || m_current >= rowCount(); }
    bool bof() const { return m_rows.empty() || m_current < 0; }
    int absolutePosition() const;

    Outcome moveFirst();
    Outcome moveNext();
    Outcome movePrevious();
    Outcome moveLast();
    // Makes row index current (the grid's way of moving).
    Outcome moveTo(int index);

    // The current row's field; empty text when no row is current.
    QString field(int column) const;
    QStringList currentValues() const;
    // Any row's field as the cursor holds it (typed values included).
    QString value(int row, int column) const;
    Outcome setField(int column, const QString& value);

    // Appends an empty row and makes it current. It is written when it is
    // left, but only if a field was set on it.
    Outcome addNew();
    // Removes the current row from the table at once; it stays current, as a
    // deleted row, until the cursor moves.
    Outcome deleteCurrent();
    // Writes every row that holds unwritten values.
    Outcome updateBatch();
    // Drops every value not yet written, and the new rows never written: the
    // way out for a change that can no longer be written.
    void cancelBatch();

    bool isNew(int row) const { return m_rows[size_t(row)].isNew; }
    bool isDeleted(int row) const { return m_rows[size_t(row)].deleted; }
    bool isPending(int row) const;
    bool currentPending() const { return hasCurrent() && isPending(m_current); }
    // The last write or delete was refused because another program changed
    // or deleted the row after it was read: only reading the table again helps.
    bool refusedAsStale() const { return m_stale; }

signals:
    // Before every move, so a view can hand over a value still being typed:
    // it then belongs to the row the move writes.
    void WillMove();
    void MoveComplete();
    void WillChangeRecord();
    void Error(const QString& description);

    // For views that show every row.
    void aboutToReset();
    void reset();
    void rowAboutToBeAppended(int row);
    void rowAppended(int row);
    void rowAboutToBeRemoved(int row);
    void rowRemoved(int row);
    void rowChanged(int row);

private:
    // A table of 100,000 rows is held whole, so a row keeps the text it read
    // in one string: one allocation a row instead of one a value.
    static constexpr int kPackedFields = 8;
    struct Row
    {
        QVariant key; // one value, a list for a key of several fields, null for a new row
        QString text; // the values as read, one after another
        std::array<quint16, kPackedFields> ends{}; // where each value ends in text
        quint32 nulls = 0;                         // one bit per value read as NULL
        // The values as read when one is not text (or they do not fit the
        // packing): writes must match them exactly.
        std::unique_ptr<QVariantList> typed;
        QStringList edited;   // empty unless a field was set
        quint32 modified = 0; // one bit per field set
        bool isNew = false;
        bool deleted = false;
    };

    enum class Move { First, Next, Previous, Last, To };

    Outcome move(Move kind, int index);
    void setOriginal(Row& row, const QVariant* values) const;
    QVariant originalValue(const Row& row, int column) const;
    QString originalText(const Row& row, int column) const;
    Outcome load();
    Outcome readSnapshot();
    void findKey(const QSqlDatabase& db);
    QVariantList keyParts(const QVariant& key) const;
    QString matchClause() const;
    void bindMatch(QSqlQuery& query, const Row& row) const;
    Outcome leaveCurrent(bool* dropped);
    Outcome writeRow(int index);
    Outcome checkWidths(const Row& row) const;
    QString rowLabel(int index) const;
    Outcome noCurrentRow(const QString& what) const;
    void releaseConnection();

    TableSpec m_spec;
    QString m_path;
    QString m_connection;
    QStringList m_keyColumns;
    std::vector<Row> m_rows;
    int m_current = -1;
    bool m_stale = false;
};
