#pragma once

#include "changerecord.h"
#include "location.h"
#include "outcome.h"
#include "rowstore.h"
#include "schema.h"
#include "tablestatements.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <memory>

// A cursor over one table: a snapshot of the rows read at open, one current
// row (or a place before the first or after the last row), and rows written
// back one at a time when the cursor leaves them.
class QSqlDriver;
class QTimer;

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

    // How the rows are read at open; Automatic unless a test asks for one.
    void setSnapshotEngine(SnapshotEngine engine) { m_table.setEngine(engine); }
    SnapshotEngine usedSnapshotEngine() const { return m_table.usedEngine(); }
    void setStoreAs(TableStatements::StoreAs storeAs) { m_table.setStoreAs(std::move(storeAs)); }

    // Who is told while a write or read waits for a file another program
    // holds (it must outlive the cursor), and how long such a wait lasts.
    void setBusyWatcher(BusyWatcher* watcher) { m_table.setBusyWatcher(watcher); }
    void setBusyLimit(int ms) { m_table.setBusyLimit(ms); }

    // Records every write, and on Refresh every row another program changed,
    // in the file's change record, each in the transaction of its write.
    void setChangeRecorder(std::shared_ptr<const changerecord::RowRecorder> recorder);
    // Rows this cursor's table holds otherwise than as last seen (by whoever
    // compares them): those no entry since `since` explains are recorded
    // once as changed outside Quorvane, in one transaction.
    Outcome noticeOutside(const QList<RowChange>& changes, const QDateTime& since);

    // Reads the table of the database file at path; the first row becomes
    // current. A failure leaves the cursor empty; the caller shows it.
    Outcome open(const store::Database& path);
    // Writes an unwritten edit, then opens the file at the path again and
    // reads the table; the first row becomes current. A refused write keeps
    // the edit and reads nothing; a file or table that cannot be read leaves
    // the cursor empty and closed (reported to the caller only). When another
    // program replaced the file, the edit is not written into the old one:
    // the new file is read and the failure names what was not saved.
    Outcome refresh();
    // Writes what is unwritten and lets the file go. A refused write keeps the
    // cursor open so that nothing typed is lost.
    Outcome close();
    bool isOpen() const { return m_table.isConnected(); }
    const store::Database& path() const { return m_path; }
    const TableSpec& layout() const { return m_table.layout(); }

    int fieldCount() const { return m_rows.fieldCount(); }
    int rowCount() const { return m_rows.size(); }
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
    QString value(int row, int column) const { return m_rows.value(row, column); }
    // The same without a copy, for reading every row; see RowStore::view.
    QStringView view(int row, int column, QString& scratch) const
    {
        return m_rows.view(row, column, scratch);
    }
    // The same as the table holds it: a value typed and not written is left out.
    QStringView storedView(int row, int column, QString& scratch) const
    {
        return m_rows.storedView(row, column, scratch);
    }
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

    bool isNew(int row) const { return m_rows[row].isNew; }
    bool isDeleted(int row) const { return m_rows[row].deleted; }
    bool isPending(int row) const { return m_rows.isPending(row); }
    bool currentPending() const { return hasCurrent() && isPending(m_current); }
    // Whether the current row's field holds a typed value other than the one read.
    bool fieldChanged(int column) const;
    // The last write or delete was refused because another program changed
    // or deleted the row, or replaced the file, after it was read: only
    // reading the table again helps.
    bool refusedAsStale() const { return m_stale; }

    // Reads the table again without writing, keeping each row that holds
    // unwritten values as typed: one whose stored values another program
    // changed (or deleted) meanwhile is marked, and its write is refused as
    // stale like any other. The current row stays current. On a shared
    // server this runs by itself when another PC changes the table.
    Outcome merge();
    bool changedElsewhere(int row) const;
    // While a command walks the rows (a download), merges wait: the rows it
    // read first are the rows it goes on to read. The last release runs the
    // merge that waited, if one did.
    void holdMerges() { ++m_mergeHolds; }
    void releaseMerges();

signals:
    // Before every move, so a view can hand over a value still being typed:
    // it then belongs to the row the move writes.
    void WillMove();
    void MoveComplete();
    void WillChangeRecord();
    // A refusal of a move the operator made, when no command is running to
    // report it.
    void error(const QString& description);

    // For views that show every row.
    void aboutToReset();
    void reset();
    void rowAboutToBeAppended(int row);
    void rowAppended(int row);
    void rowAboutToBeRemoved(int row);
    void rowRemoved(int row);
    void rowChanged(int row);
    // A remark on a read that worked, for a status bar rather than a box:
    // what another program changed was read but could not be recorded.
    void note(const QString& text);
    // Another connection changed a table of the same database (on a server
    // that announces changes); table names it.
    void changedOnServer(const QString& table);

private:
    enum class Move { First, Next, Previous, Last, To };

    Outcome move(Move kind, int index);
    // Whether the move can be made, live rows being left once the current
    // one is left; the failure says why not.
    Outcome canMove(Move kind, int index, int live) const;
    // The row the move lands on, from the row left (dropped or not).
    int moveTarget(Move kind, int index, int from, bool dropped) const;
    Outcome load();
    Expected<bool> leaveCurrent();
    Outcome writeRow(int index);
    enum class Write { Save, Delete };
    Outcome replaced(int index, Write write);
    Outcome checkWidths(const RowStore::Row& row) const;
    QString rowLabel(int index) const;
    // The rows as read, by key, for telling what another program changed.
    QHash<QString, QStringList> storedRows() const;
    Outcome recordOutside(QHash<QString, QStringList> before);
    Outcome noCurrentRow(const QString& what) const;
    void clearRows();
    // On a shared server: merge when another PC changes the table.
    void listen();
    void follow(QSqlDriver* driver);
    void scheduleMerge();

    TableStatements m_table;
    RowStore m_rows;
    store::Database m_path;
    int m_current = -1;
    bool m_stale = false;
    std::shared_ptr<const changerecord::RowRecorder> m_recorder;
    QDateTime m_readAt;
    QDateTime m_previousRead;
    // The keys of rows held with unwritten values that another program changed.
    QSet<QString> m_elsewhere;
    bool m_mergeDue = false;
    QTimer* m_alive = nullptr;
    int m_mergeHolds = 0;
    bool m_mergeWaits = false;
};
