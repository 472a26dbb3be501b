#include "importpreview.h"

ImportPreview::ImportPreview(QObject* parent) : QAbstractTableModel(parent) {}

Outcome ImportPreview::load(const QByteArray& csv, const QList<RoomRecord>& directory)
{
    roomcsv::CsvFile file;
    if (Outcome read = roomcsv::read(csv, file); !read)
        return read;
    beginResetModel();
    m_file = std::move(file);
    m_directory = directory;
    judge();
    endResetModel();
    return Outcome::success();
}

void ImportPreview::setReplace(bool replace)
{
    if (replace == m_replace)
        return;
    m_replace = replace;
    judge();
    if (!m_verdicts.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void ImportPreview::judge()
{
    m_verdicts = roomverdict::judge(m_file.rows, m_directory, m_replace);
    m_counts = roomverdict::count(m_verdicts);
}

QString ImportPreview::countsText() const
{
    const QString errors = tr("%n errors", nullptr, m_counts.errors);
    const QString warnings = tr("%n warnings", nullptr, m_counts.warnings);
    //: The counts of the file's rows: %1 the errors, %2 the warnings, %3 the rows found good
    return tr("%1, %2, %3").arg(errors, warnings, tr("%1 ok").arg(m_counts.ok));
}

QString ImportPreview::blockedReason() const
{
    if (m_file.rows.isEmpty())
        return tr("The file holds no rooms.");
    if (m_counts.errors > 0)
        return tr("Nothing can be imported while %n row(s) have errors: mend the file and open "
                  "it again.",
                  nullptr, m_counts.errors);
    return {};
}

QList<RoomRecord> ImportPreview::rooms() const
{
    QList<RoomRecord> rooms;
    rooms.reserve(m_file.rows.size());
    for (const roomcsv::CsvRow& row : m_file.rows)
        rooms << row.room;
    return rooms;
}

QColor ImportPreview::colour(roomverdict::Verdict verdict)
{
    switch (verdict) {
    case roomverdict::Verdict::Error:
        return QColor(0xf4, 0xc7, 0xc3);
    case roomverdict::Verdict::Warning:
        return QColor(0xfc, 0xe8, 0xb2);
    case roomverdict::Verdict::Ok:
        break;
    }
    return QColor(0xd9, 0xf2, 0xd9);
}

int ImportPreview::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_verdicts.size());
}

int ImportPreview::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ImportPreview::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_verdicts.size())
        return {};
    const roomverdict::RowVerdict& verdict = m_verdicts[index.row()];
    const roomcsv::CsvRow& row = m_file.rows[index.row()];
    if (role == Qt::BackgroundRole)
        return colour(verdict.verdict);
    if (role == Qt::ForegroundRole)
        return QColor(Qt::black);
    if (role == Qt::ToolTipRole && index.column() == Reason)
        return verdict.reasons.join(QLatin1Char('\n'));
    if (role != Qt::DisplayRole)
        return {};
    switch (Column(index.column())) {
    case Line:
        return row.line;
    case Verdict:
        return roomverdict::verdictName(verdict.verdict);
    // A value of a million characters would hold the table up while it is
    // measured and drawn; its start is enough to find it in the file.
    case Room:
        return roomcsv::shown(row.room.Room);
    case Tel1:
        return roomcsv::shown(row.room.TEL1);
    case Tel2:
        return roomcsv::shown(row.room.TEL2);
    case Tel3:
        return roomcsv::shown(row.room.TEL3);
    case Reason:
        return verdict.reasons.join(QStringLiteral("; "));
    case ColumnCount:
        break;
    }
    return {};
}

QVariant ImportPreview::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    // Room and the numbers are the directory's field names, in every language.
    static const char* const kHeads[] = {QT_TR_NOOP("Line"), QT_TR_NOOP("Verdict"),
                                         QT_TR_NOOP("Reason")};
    if (section < 0 || section >= ColumnCount)
        return {};
    if (section >= Room && section <= Tel3)
        return QString::fromLatin1(doorunit::kFields[section - Room].name);
    return tr(kHeads[section < Room ? section : section - (Tel3 - Room + 1)]);
}
