#include "recordcursor.h"

#include "server.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlDriver>
#include <QTimer>

#include <algorithm>

// What others change under an open cursor: another program's writes that
// Refresh meets, recorded once as changed outside Quorvane, and on a shared
// server the rows other PCs write, merged as they are announced.

QHash<QString, QStringList> RecordCursor::storedRows() const
{
    QHash<QString, QStringList> rows;
    for (int i = 0; i < rowCount(); ++i) {
        const RowStore::Row& row = m_rows[i];
        if (row.isNew || row.deleted || row.key.isNull())
            continue;
        QStringList values;
        for (int c = 0; c < fieldCount(); ++c)
            values << m_rows.originalText(row, c);
        rows.insert(row.key.toString(), values);
    }
    return rows;
}

// The rows now read against those read before: what differs and no entry
// explains was changed by another program.
Outcome RecordCursor::recordOutside(QHash<QString, QStringList> before)
{
    QList<RowChange> changes;
    for (int i = 0; i < rowCount(); ++i) {
        const RowStore::Row& row = m_rows[i];
        QStringList now;
        for (int c = 0; c < fieldCount(); ++c)
            now << m_rows.originalText(row, c);
        const auto found = before.constFind(row.key.toString());
        if (found == before.cend())
            changes << RowChange{RowChange::Kind::Added, {}, now};
        else if (*found != now)
            changes << RowChange{RowChange::Kind::Changed, *found, now};
        if (found != before.cend())
            before.erase(found);
    }
    // A row deleted and one added under the same first field is one row
    // written again (a directory replaced by an import): a change, if any.
    QHash<QString, qsizetype> added;
    for (qsizetype i = 0; i < changes.size(); ++i) {
        if (changes[i].kind == RowChange::Kind::Added)
            added.insert(changes[i].after.value(0), i);
    }
    QList<qsizetype> same;
    for (const QStringList& gone : std::as_const(before)) {
        const auto twin = added.constFind(gone.value(0));
        if (twin == added.cend()) {
            changes << RowChange{RowChange::Kind::Deleted, gone, {}};
            continue;
        }
        RowChange& change = changes[*twin];
        change.kind = RowChange::Kind::Changed;
        change.before = gone;
        if (change.after == gone)
            same << *twin;
        added.erase(twin);
    }
    std::sort(same.begin(), same.end());
    for (auto it = same.crbegin(); it != same.crend(); ++it)
        changes.removeAt(*it);
    return noticeOutside(changes, m_previousRead);
}

Outcome RecordCursor::noticeOutside(const QList<RowChange>& changes, const QDateTime& since)
{
    if (changes.isEmpty() || !m_recorder)
        return Outcome::success();
    const Expected<int> noticed = [&]() -> Expected<int> {
        Expected<int> result = 0;
        const Outcome done = m_table.inTransaction([&](const QSqlDatabase& db) {
            result = m_recorder->noticeOutside(db, changes, since);
            return result ? Outcome::success() : result.outcome();
        });
        return done ? result : Expected<int>(done);
    }();
    if (!noticed)
        return Outcome::failure(
            QCoreApplication::translate(
                "RecordCursor",
                "The table %1 was read again, but what another program changed in it "
                "cannot be recorded: %2")
                .arg(layout().table, noticed.error()));
    return Outcome::success();
}

Outcome RecordCursor::refresh()
{
    if (m_path.path().isEmpty())
        return Outcome::failure(
            QCoreApplication::translate("RecordCursor", "No database file has been opened."));
    // An edit in hand is written first, unless the file at the path is no
    // longer the one read: then it would go into the old file, and the new
    // one is read without it.
    QStringList unwritten;
    if (isOpen() && m_table.fileReplaced()) {
        for (int i = 0; i < rowCount(); ++i) {
            if (isPending(i))
                unwritten << rowLabel(i);
        }
    } else if (isOpen()) {
        if (Outcome written = updateBatch(); !written)
            return written;
    }
    // The file at the path may have been replaced or removed since it was
    // opened: what is read must be what is there now.
    QHash<QString, QStringList> before;
    if (m_recorder && isOpen())
        before = storedRows();
    const bool compare = m_recorder && isOpen();
    m_previousRead = m_readAt;
    m_table.disconnect();
    Outcome outcome = load();
    // The table was read: that the record could not say so is a note, not a failure.
    if (outcome && compare) {
        if (Outcome recorded = recordOutside(std::move(before)); !recorded)
            emit note(recorded.description());
    }
    emit MoveComplete();
    if (unwritten.isEmpty())
        return outcome;
    constexpr int kNamed = 3;
    if (unwritten.size() > kNamed)
        unwritten = unwritten.mid(0, kNamed) << QCoreApplication::translate(
                        "RecordCursor", "%n more rows", nullptr, int(unwritten.size() - kNamed));
    const QString lost =
        QCoreApplication::translate(
            "RecordCursor",
            "The database file %1 was replaced or removed by another program after it "
            "was read, so the change to %2 was not saved: it would have gone into the "
            "old file. The rows shown are those of the file now at that path; type the "
            "change again if it is still wanted.")
            .arg(m_path.describe(), unwritten.join(QStringLiteral(", ")));
    return Outcome::failure(outcome ? lost : lost + u'\n' + outcome.description());
}

void RecordCursor::listen()
{
    if (!m_path.onServer())
        return;
    m_table.setReconnected([this](QSqlDriver* again) {
        follow(again);
        // What changed while the connection was away is read now.
        scheduleMerge();
    });
    // An idle window would never learn that the server went away and came
    // back: the connection is asked every few seconds.
    if (!m_alive) {
        m_alive = new QTimer(this);
        m_alive->setInterval(3000);
        connect(m_alive, &QTimer::timeout, this, [this] {
            if (isOpen())
                m_table.revive();
        });
    }
    m_alive->start();
    if (QSqlDriver* driver = m_table.listen())
        follow(driver);
}

void RecordCursor::scheduleMerge()
{
    if (m_mergeDue)
        return;
    // A burst of changes is read once.
    m_mergeDue = true;
    QTimer::singleShot(50, this, [this] {
        m_mergeDue = false;
        // Nothing else waits on this merge: a failure is told as a move's would be.
        if (!isOpen())
            return;
        if (const Outcome merged = merge(); !merged)
            emit error(merged.description());
    });
}

void RecordCursor::follow(QSqlDriver* driver)
{
    connect(driver, &QSqlDriver::notification, this,
            [this](const QString&, QSqlDriver::NotificationSource source, const QVariant& payload) {
                if (source == QSqlDriver::SelfSource)
                    return;
                const QString table =
                    server::announcedTable(payload.toString(), m_path.place().building);
                if (table.isEmpty())
                    return;
                emit changedOnServer(table);
                if (table == m_table.layout().table)
                    scheduleMerge();
            });
}

namespace {

QString keyText(const QVariant& key)
{
    return key.typeId() == QMetaType::QVariantList ? key.toStringList().join(QChar(0x1f))
                                                   : key.toString();
}

} // namespace

bool RecordCursor::changedElsewhere(int row) const
{
    return !m_elsewhere.isEmpty() && row >= 0 && row < rowCount() && !m_rows[row].isNew &&
           m_elsewhere.contains(keyText(m_rows[row].key));
}

void RecordCursor::releaseMerges()
{
    if (m_mergeHolds > 0 && --m_mergeHolds == 0 && m_mergeWaits) {
        m_mergeWaits = false;
        // Nobody waits on this merge either: a failure is told as a move's would be.
        if (const Outcome merged = merge(); !merged)
            emit error(merged.description());
    }
}

Outcome RecordCursor::merge()
{
    if (!isOpen())
        return Outcome::success();
    if (m_mergeHolds > 0) {
        m_mergeWaits = true;
        return Outcome::success();
    }
    // A value still being typed is handed over first, so it is kept too.
    emit WillMove();
    // What another program (not a copy of Quorvane, whose changes have their
    // entries) changed is recorded, as a Refresh would.
    QHash<QString, QStringList> before;
    if (m_recorder)
        before = storedRows();
    const QDateTime readAt = QDateTime::currentDateTimeUtc();
    std::vector<RowStore::Row> fresh;
    if (Outcome read = m_table.readSnapshot(m_rows, fresh); !read)
        return read;
    QHash<QString, size_t> at;
    for (size_t i = 0; i < fresh.size(); ++i)
        at.insert(keyText(fresh[i].key), i);
    const QString currentKey = hasCurrent() ? keyText(m_rows[m_current].key) : QString();
    const bool currentNew = hasCurrent() && m_rows[m_current].isNew;
    int newCurrent = -1;
    std::vector<RowStore::Row> added;
    for (int i = 0; i < rowCount(); ++i) {
        RowStore::Row& row = m_rows[i];
        if (!isPending(i))
            continue;
        if (row.isNew) {
            if (i == m_current)
                newCurrent = int(fresh.size() + added.size());
            added.push_back(std::move(row));
            continue;
        }
        const QString key = keyText(row.key);
        const auto found = at.constFind(key);
        bool same = found != at.cend();
        for (int c = 0; same && c < fieldCount(); ++c)
            same = m_rows.originalValue(fresh[*found], c) == m_rows.originalValue(row, c);
        if (!same)
            m_elsewhere.insert(key);
        if (found != at.cend())
            fresh[*found] = std::move(row);
        else
            added.push_back(std::move(row));
    }
    for (RowStore::Row& row : added) {
        if (!row.isNew)
            at.insert(keyText(row.key), fresh.size());
        fresh.push_back(std::move(row));
    }
    emit aboutToReset();
    m_rows.assign(std::move(fresh));
    if (currentNew)
        m_current = newCurrent;
    else if (const auto found = at.constFind(currentKey);
             found != at.cend() && !currentKey.isEmpty())
        m_current = int(*found);
    else
        m_current = std::min(m_current, rowCount() - 1);
    emit reset();
    Outcome recorded = Outcome::success();
    if (m_recorder) {
        m_previousRead = m_readAt;
        m_readAt = readAt;
        recorded = recordOutside(std::move(before));
    }
    emit MoveComplete();
    if (!recorded)
        emit note(recorded.description());
    return recorded;
}
