#include "importpreviewdialog.h"

#include "importpreview.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

ImportPreviewDialog::ImportPreviewDialog(ImportPreview& preview, const QString& fileName,
                                         QWidget* parent)
    : QDialog(parent), m_preview(preview)
{
    setObjectName(QStringLiteral("frmImportPreview"));
    //: %1 is the name of the file being imported
    setWindowTitle(tr("Import rooms from %1").arg(fileName));

    m_counts = new QLabel(this);
    m_counts->setObjectName(QStringLiteral("lblCounts"));
    QFont bold = m_counts->font();
    bold.setBold(true);
    m_counts->setFont(bold);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("grdPreview"));
    m_table->setModel(&preview);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->verticalHeader()->hide();
    // The reason is what the operator must read: it wraps rather than being cut.
    m_table->setWordWrap(true);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->resizeColumnsToContents();
    m_table->setColumnWidth(ImportPreview::Room,
                            std::max(m_table->columnWidth(ImportPreview::Room),
                                     fontMetrics().horizontalAdvance(QStringLiteral("WWWWWWW"))));

    // The last column takes its width once the dialog is laid out.
    connect(m_table->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column == ImportPreview::Reason)
            fitRows();
    });

    m_replace = new QCheckBox(tr("Replace the whole directory with this file"), this);
    m_replace->setObjectName(QStringLiteral("chkReplace"));
    m_replace->setToolTip(tr("Rooms the file does not name are removed. Without it, "
                             "the file's rooms are added or given the file's numbers "
                             "and the others stay."));
    connect(m_replace, &QCheckBox::toggled, this, [this](bool on) {
        m_preview.setReplace(on);
        showCounts();
        fitRows();
    });

    m_blocked = new QLabel(this);
    m_blocked->setObjectName(QStringLiteral("lblBlocked"));
    m_blocked->setWordWrap(true);
    m_import = new QPushButton(tr("Import"), this);
    m_import->setObjectName(QStringLiteral("cmdImport"));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    // Enter must never import by accident: Cancel is the default.
    cancel->setDefault(true);
    connect(m_import, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_blocked, 1);
    buttons->addWidget(m_import);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_counts);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_replace);
    layout->addLayout(buttons);
    resize(980, 520);
    showCounts();
    fitRows();
}

void ImportPreviewDialog::fitRows()
{
    // Measuring every row of a very long file would hold the window up;
    // there the full reason is in each cell's tooltip.
    constexpr int kMeasuredRows = 2000;
    if (m_preview.rowCount() <= kMeasuredRows)
        m_table->resizeRowsToContents();
}

bool ImportPreviewDialog::replaceDirectory() const
{
    return m_replace->isChecked();
}

void ImportPreviewDialog::showCounts()
{
    QString counts = m_preview.countsText();
    if (const QStringList ignored = m_preview.ignoredColumns(); !ignored.isEmpty())
        //: After the counts: %1 lists the file's columns that are not read, as they are named there
        counts += tr(" · columns not read: %1").arg(ignored.join(QStringLiteral(", ")));
    m_counts->setText(counts);
    m_import->setEnabled(m_preview.canImport());
    m_blocked->setText(m_preview.blockedReason());
}
