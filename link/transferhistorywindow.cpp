#include "transferhistorywindow.h"

#include "doorunitstate.h"
#include "keeper.h"
#include "roomrecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QTableWidget* table(const QStringList& headers, QWidget* parent)
{
    auto* t = new QTableWidget(0, int(headers.size()), parent);
    t->setHorizontalHeaderLabels(headers);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->horizontalHeader()->setStretchLastSection(true);
    t->setWordWrap(false);
    return t;
}

void setRow(QTableWidget* t, int row, const QStringList& texts)
{
    for (int c = 0; c < texts.size(); ++c)
        t->setItem(row, c, new QTableWidgetItem(texts[c]));
}

} // namespace

TransferHistoryWindow::TransferHistoryWindow(store::Database databasePath, QWidget* parent)
    : QWidget(parent, Qt::Window), m_path(std::move(databasePath))
{
    setObjectName(QStringLiteral("frmTransferHistory"));
    setWindowTitle(tr("Transfer history"));
    m_records = table(recordHeaders(), this);
    m_records->setObjectName(QStringLiteral("grdTransfers"));
    m_rooms = table(doorunit::fieldNames() <<
                        //: Column of the sent rooms: how the directory now differs from each
                        tr("Now"),
                    this);
    m_rooms->setObjectName(QStringLiteral("grdSentRooms"));
    m_differences = new QCheckBox(tr("Show differences from the directory now"), this);
    m_differences->setObjectName(QStringLiteral("chkDifferences"));
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblNote"));

    auto* lower = new QWidget(this);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(m_differences);
    lowerLayout->addWidget(m_rooms);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_records);
    split->addWidget(lower);
    m_unit = new QComboBox(this);
    m_unit->setObjectName(QStringLiteral("cboUnit"));
    m_unit->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_unit, 0, Qt::AlignLeft);
    layout->addWidget(split);
    layout->addWidget(m_note);
    resize(760, 520);

    connect(m_records, &QTableWidget::itemSelectionChanged, this,
            &TransferHistoryWindow::showRooms);
    connect(m_differences, &QCheckBox::toggled, this, &TransferHistoryWindow::showRooms);
    connect(m_unit, &QComboBox::activated, this, &TransferHistoryWindow::reload);
}

QStringList TransferHistoryWindow::recordHeaders()
{
    //: Column of a transfer: what was sent (settings, a download, load default)
    return {tr("Time"), tr("Operator"), tr("What"), tr("Port"), tr("Outcome")};
}

QString TransferHistoryWindow::removedUnit(const QString& name)
{
    //: %1 is the name of a door unit the building no longer lists
    return tr("%1 (removed unit)").arg(name);
}

void TransferHistoryWindow::reload()
{
    const int selected = m_records->currentRow();
    const qint64 id = selected >= 0 && selected < m_list.size() ? m_list[selected].id : 0;
    // With several door units: a column naming each record's, and a list to show one unit's.
    const QList<DoorUnit> units = doorunits::read(m_path, true).value_or(QList<DoorUnit>{});
    const bool several = units.size() > 1;
    const qint64 chosen = m_unit->currentIndex() > 0 ? m_unit->currentData().toLongLong() : 0;
    {
        const QSignalBlocker quietList(m_unit);
        m_unit->clear();
        m_unit->addItem(tr("All door units"), 0);
        for (const DoorUnit& unit : units)
            m_unit->addItem(unit.removed ? removedUnit(unit.ownName()) : unit.shownName(), unit.id);
        m_unit->setCurrentIndex(qMax(0, m_unit->findData(chosen)));
        m_unit->setVisible(several);
    }
    const auto unitName = [&units](qint64 id) {
        for (const DoorUnit& unit : units) {
            if (unit.id == id)
                return unit.removed ? removedUnit(unit.ownName()) : unit.ownName();
        }
        //: A record of a door unit the building no longer lists
        return tr("(removed unit)");
    };
    TransferLog log(m_path);
    Expected<QList<TransferRecord>> list = log.history(0, several ? chosen : 0);
    m_list = list ? *list : QList<TransferRecord>{};
    m_note->setText(list.error());
    // What the keeper said it sends next, when one runs for the file.
    if (const Expected<std::optional<keeper::Plan>> plan = keeper::readPlan(m_path);
        list && plan && *plan && (*plan)->next.isValid())
        //: %1 the PC the keeper (quorvane-link keep) runs on, %2 a time
        m_note->setText(
            tr("The keeper on PC %1 sends next at %2.").arg((*plan)->pc, shownTime((*plan)->next)));
    const QSignalBlocker quiet(m_records);
    QStringList headers = recordHeaders();
    if (several)
        headers.insert(1, tr("Door unit"));
    m_records->setColumnCount(int(headers.size()));
    m_records->setHorizontalHeaderLabels(headers);
    m_records->setRowCount(int(m_list.size()));
    int again = -1;
    for (int row = 0; row < m_list.size(); ++row) {
        const TransferRecord& r = m_list[row];
        QStringList texts{shownTime(r.started), r.byText(), r.whatDetail(), r.portText(),
                          r.outcomeText()};
        if (several)
            texts.insert(1, unitName(r.unit));
        setRow(m_records, row, texts);
        if (r.id == id)
            again = row;
    }
    m_records->resizeColumnsToContents();
    // The newest record is shown at first, so its rooms are there at once.
    if (again < 0 && id == 0 && !m_list.isEmpty())
        again = 0;
    m_records->setCurrentCell(again, 0);
    showRooms();
}

void TransferHistoryWindow::showRooms()
{
    m_rooms->setRowCount(0);
    const int row = m_records->currentRow();
    const bool download =
        row >= 0 && row < m_list.size() && m_list[row].what == TransferRecord::What::Download;
    m_differences->setEnabled(download);
    if (!download)
        return;
    TransferLog log(m_path);
    Expected<QList<RoomRecord>> sent = log.rooms(m_list[row].id);
    if (!sent) {
        m_note->setText(sent.error());
        return;
    }
    // Compared the other way round: each sent room's mark says how the
    // directory now differs from it; the directory's own new rooms follow.
    DirectoryChanges changes;
    QList<RoomRecord> added;
    if (m_differences->isChecked()) {
        Expected<DirectoryReport> now = DirectoryReport::read(m_path, m_list[row].unit);
        if (!now) {
            m_note->setText(now.error());
        } else {
            changes = DirectoryChanges::compare(now->now, *sent);
            added = changes.removed;
        }
    }
    m_rooms->setRowCount(int(sent->size() + added.size()));
    for (int i = 0; i < sent->size(); ++i) {
        const RoomRecord& r = (*sent)[i];
        const quint8 mark = i < int(changes.marks.size()) ? changes.marks[size_t(i)] : 0;
        const QString now = mark == DirectoryChanges::Added ? tr("removed since")
                            : mark != DirectoryChanges::Same
                                //: %1 names the changed fields, such as "TEL1 and TEL2"
                                ? tr("%1 changed since").arg(DirectoryChanges::fieldNames(mark))
                                : QString();
        setRow(m_rooms, i, {r.Room, r.TEL1, r.TEL2, r.TEL3, now});
    }
    for (int i = 0; i < added.size(); ++i) {
        const RoomRecord& r = added[i];
        setRow(m_rooms, int(sent->size()) + i, {r.Room, r.TEL1, r.TEL2, r.TEL3, tr("added since")});
    }
}
