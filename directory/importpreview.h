#pragma once

#include "outcome.h"
#include "roomcsv.h"
#include "roomverdict.h"

#include <QAbstractTableModel>
#include <QColor>

// The rows of a room file with their verdicts, as the import preview shows
// them: what may be imported, and why not.
class ImportPreview : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Line, Verdict, Room, Tel1, Tel2, Tel3, Reason, ColumnCount };

    explicit ImportPreview(QObject* parent = nullptr);

    // Reads the file's text and judges its rows against directory.
    Outcome load(const QByteArray& csv, const QList<RoomRecord>& directory);
    // Replacing the directory judges the rows again: a room the file names
    // then replaces nothing that is kept.
    void setReplace(bool replace);
    bool replace() const { return m_replace; }

    roomverdict::Counts counts() const { return m_counts; }
    // "3 errors, 2 warnings, 40 ok"
    QString countsText() const;
    // Nothing is written while any row has an error, nor from an empty file.
    bool canImport() const { return m_counts.errors == 0 && !m_file.rows.isEmpty(); }
    // Why Import is disabled; empty when it is not.
    QString blockedReason() const;
    // Header columns the file has but the directory does not.
    QStringList ignoredColumns() const { return m_file.ignoredColumns; }
    QList<RoomRecord> rooms() const;

    // Light tints, so black text stays readable on every row.
    static QColor colour(roomverdict::Verdict verdict);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void judge();

    roomcsv::CsvFile m_file;
    QList<RoomRecord> m_directory;
    QList<roomverdict::RowVerdict> m_verdicts;
    roomverdict::Counts m_counts;
    bool m_replace = false;
};
