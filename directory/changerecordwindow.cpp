#include "changerecordwindow.h"

#include "messagesink.h"
#include "plural.h"

#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QLineEdit* box(const char* name, const QString& hint, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setPlaceholderText(hint);
    edit->setClearButtonEnabled(true);
    return edit;
}

} // namespace

ChangeRecordWindow::ChangeRecordWindow(QString dataDir, MessageSink& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), m_dataDir(std::move(dataDir)), m_messages(messages)
{
    setObjectName(QStringLiteral("frmChangeRecord"));
    setWindowTitle(QStringLiteral("Change record"));
    m_room = box("txtRoom", QStringLiteral("any room"), this);
    m_operator = box("txtOperator", QStringLiteral("any operator"), this);
    m_host = box("txtPc", QStringLiteral("any PC"), this);
    m_since = box("txtSince", QStringLiteral("YYYY-MM-DD"), this);
    m_until = box("txtUntil", QStringLiteral("YYYY-MM-DD, that day included"), this);
    auto* filters = new QFormLayout;
    filters->addRow(QStringLiteral("&Room:"), m_room);
    filters->addRow(QStringLiteral("&Operator:"), m_operator);
    filters->addRow(QStringLiteral("&PC:"), m_host);
    filters->addRow(QStringLiteral("&From:"), m_since);
    filters->addRow(QStringLiteral("&Until:"), m_until);

    const QStringList headers{QStringLiteral("Time"),   QStringLiteral("Operator"),
                              QStringLiteral("PC"),     QStringLiteral("OS user"),
                              QStringLiteral("What"),   QStringLiteral("Room or operator"),
                              QStringLiteral("Before"), QStringLiteral("After"),
                              QStringLiteral("Detail"), QStringLiteral("Transfer")};
    m_list = new QTableWidget(0, int(headers.size()), this);
    m_list->setObjectName(QStringLiteral("grdChanges"));
    m_list->setHorizontalHeaderLabels(headers);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->setWordWrap(false);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblNote"));

    auto* show = new QPushButton(QStringLiteral("&Show"), this);
    show->setObjectName(QStringLiteral("cmdShow"));
    show->setDefault(true);
    auto* exportButton = new QPushButton(QStringLiteral("&Export CSV…"), this);
    exportButton->setObjectName(QStringLiteral("cmdExport"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(show);
    buttons->addWidget(exportButton);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addLayout(buttons);
    layout->addWidget(m_list);
    layout->addWidget(m_note);
    resize(900, 560);

    connect(show, &QPushButton::clicked, this, &ChangeRecordWindow::reload);
    for (QLineEdit* edit : {m_room, m_operator, m_host, m_since, m_until})
        connect(edit, &QLineEdit::returnPressed, this, &ChangeRecordWindow::reload);
    connect(exportButton, &QPushButton::clicked, this, &ChangeRecordWindow::exportList);
}

std::optional<changelist::Filter> ChangeRecordWindow::filter()
{
    changelist::Filter f{
        m_room->text().trimmed(), m_operator->text().trimmed(), m_host->text().trimmed(), {}, {}};
    for (const auto& [edit, until] : {std::pair{m_since, false}, std::pair{m_until, true}}) {
        const QString text = edit->text().trimmed();
        if (text.isEmpty())
            continue;
        const std::optional<QDateTime> when = changelist::parseDate(text, until);
        if (!when) {
            m_messages.show(QStringLiteral("\"%1\" is not a date: type it as YYYY-MM-DD, for "
                                           "example 2026-12-07.")
                                .arg(text),
                            kApplicationTitle, MessageSink::Icon::Exclamation);
            return std::nullopt;
        }
        (until ? f.until : f.since) = *when;
    }
    return f;
}

void ChangeRecordWindow::reload()
{
    const std::optional<changelist::Filter> f = filter();
    if (!f)
        return;
    Expected<QList<changerecord::Entry>> read = changelist::read(m_dataDir, *f);
    m_entries = read ? *read : QList<changerecord::Entry>{};
    m_note->setText(read ? plural(m_entries.size(), "1 entry", "%1 entries") : read.error());
    m_list->setRowCount(int(m_entries.size()));
    for (int row = 0; row < m_entries.size(); ++row) {
        const changerecord::Entry& e = m_entries[row];
        const QStringList texts{changelist::shownTime(e.at),
                                e.who.operatorName,
                                e.who.host,
                                e.who.osUser,
                                e.what,
                                e.subject,
                                e.before,
                                e.after,
                                e.detail,
                                e.transfer > 0 ? QString::number(e.transfer) : QString()};
        for (int c = 0; c < texts.size(); ++c)
            m_list->setItem(row, c, new QTableWidgetItem(texts[c]));
    }
    m_list->resizeColumnsToContents();
}

void ChangeRecordWindow::exportList()
{
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Export the change record"),
                                     QDir::home().filePath(QStringLiteral("change-record.csv")),
                                     QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (Outcome done = changelist::exportTo(m_dataDir, m_entries, path, outputfile::Reader::Refuse);
        !done) {
        m_messages.show(done.description(), kApplicationTitle, MessageSink::Icon::Critical);
        return;
    }
    m_messages.show(QStringLiteral("Exported %1 to %2.")
                        .arg(plural(m_entries.size(), "1 entry", "%1 entries"), path),
                    kApplicationTitle, MessageSink::Icon::Information);
}
