#include "roomtablemodel.h"

#include "roomdirectoryview.h"

#include <QPainter>
#include <QPixmap>

RoomTableModel::RoomTableModel(RoomDirectoryView& cursor, QObject* parent)
    : QAbstractTableModel(parent), m_cursor(cursor)
{
    connect(&cursor, &RecordCursor::aboutToReset, this, [this] {
        if (!m_resetting) {
            m_resetting = true;
            m_changing = true;
            beginResetModel();
        }
    });
    connect(&cursor, &RecordCursor::reset, this, [this] {
        if (!m_resetting)
            beginResetModel();
        m_resetting = false;
        endResetModel();
        m_changing = false;
    });
    // A row is always appended where the new-row line stands: that line turns
    // into the row and a fresh line opens below it, so a cell being edited on
    // the line stays with the row it started.
    connect(&cursor, &RecordCursor::rowAboutToBeAppended, this, [this](int row) {
        m_changing = true;
        beginInsertRows({}, row + 1, row + 1);
    });
    connect(&cursor, &RecordCursor::rowAppended, this, [this] {
        endInsertRows();
        m_changing = false;
    });
    connect(&cursor, &RecordCursor::rowAboutToBeRemoved, this, [this](int row) {
        m_changing = true;
        beginRemoveRows({}, row, row);
    });
    connect(&cursor, &RecordCursor::rowRemoved, this, [this] {
        endRemoveRows();
        m_changing = false;
    });
    connect(&cursor, &RecordCursor::rowChanged, this, [this](int row) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        emit headerDataChanged(Qt::Vertical, row, row);
    });
}

int RoomTableModel::newRowLine() const
{
    return m_cursor.rowCount();
}

int RoomTableModel::rowCount(const QModelIndex& parent) const
{
    // A table that could not be read has no rows and takes none.
    if (parent.isValid() || !m_cursor.isOpen())
        return 0;
    return m_cursor.rowCount() + 1;
}

int RoomTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cursor.fieldCount();
}

QVariant RoomTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= newRowLine())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_cursor.value(index.row(), index.column());
    return {};
}

void RoomTableModel::setRowNotes(std::function<QString(int)> notes)
{
    m_notes = std::move(notes);
    notesChanged();
}

void RoomTableModel::notesChanged()
{
    if (rowCount() > 0)
        emit headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

QString RoomTableModel::noteFor(int row) const
{
    QString note = m_notes ? m_notes(row) : QString();
    if (m_cursor.changedElsewhere(row))
        note = tr("Changed on another PC after it was read: saving it would overwrite "
                  "that change, so it is refused. Refresh to see the other change.") +
               (note.isEmpty() ? QString() : QLatin1Char('\n') + note);
    return note;
}

QVariant RoomTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    const bool noted = orientation == Qt::Vertical && section < newRowLine();
    if (noted && role == Qt::ToolTipRole)
        return noteFor(section);
    if (noted && role == Qt::DecorationRole && !noteFor(section).isEmpty()) {
        // A small dot: a selector just wide enough for its number stays so.
        static const QPixmap dot = [] {
            QPixmap p(6, 6);
            p.fill(Qt::transparent);
            QPainter painter(&p);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(230, 120, 0));
            painter.drawEllipse(p.rect());
            return p;
        }();
        return dot;
    }
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return m_cursor.layout().fields.value(section).name;
    if (section == newRowLine())
        return QStringLiteral("*");
    return m_cursor.isPending(section) ? QStringLiteral("\u270e") : QString::number(section + 1);
}

Qt::ItemFlags RoomTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.row() < newRowLine() && m_cursor.isDeleted(index.row()))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool RoomTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    const QString text = value.toString();
    if (index.row() == newRowLine()) {
        // Only a typed value makes a room: an editor left empty creates nothing.
        if (text.isEmpty())
            return false;
        return m_cursor.operatorAddRow(index.column(), text);
    }
    if (index.row() != m_cursor.currentIndex() || !m_cursor.hasCurrent()) {
        // A late hand-over for a row the cursor has already left: the row
        // holds this value already, or it can no longer take it.
        return index.row() < newRowLine() && m_cursor.value(index.row(), index.column()) == text;
    }
    return m_cursor.setField(index.column(), text).ok();
}
