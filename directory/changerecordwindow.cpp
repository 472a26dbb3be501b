#include "changerecordwindow.h"

#include "messagesink.h"

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

ChangeRecordWindow::ChangeRecordWindow(store::Location location, MessageSink& messages,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), m_location(std::move(location)), m_messages(messages)
{
    setObjectName(QStringLiteral("frmChangeRecord"));
    setWindowTitle(tr("Change record"));
    m_room = box("txtRoom", tr("any room"), this);
    m_operator = box("txtOperator", tr("any operator"), this);
    m_host = box("txtPc", tr("any PC"), this);
    //: The form a date is typed in; the list starts on that day
    m_since = box("txtSince", tr("YYYY-MM-DD"), this);
    m_until = box("txtUntil", tr("YYYY-MM-DD, that day included"), this);
    auto* filters = new QFormLayout;
    filters->addRow(tr("&Room:"), m_room);
    filters->addRow(tr("&Operator:"), m_operator);
    //: The computer a change was made on
    filters->addRow(tr("&PC:"), m_host);
    filters->addRow(tr("&From:"), m_since);
    filters->addRow(tr("&Until:"), m_until);

    //: Column heads: "OS user" is the account logged in to the computer; "What" the kind of
    //: change; "Transfer" the number of the download the change went out with
    const QStringList headers{tr("Time"),   tr("Operator"),         tr("PC"),     tr("OS user"),
                              tr("What"),   tr("Room or operator"), tr("Before"), tr("After"),
                              tr("Detail"), tr("Transfer")};
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

    auto* show = new QPushButton(tr("&Show"), this);
    show->setObjectName(QStringLiteral("cmdShow"));
    show->setDefault(true);
    auto* exportButton = new QPushButton(tr("&Export CSV…"), this);
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
            m_messages.show(tr("\"%1\" is not a date: type it as YYYY-MM-DD, for "
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
    Expected<QList<changerecord::Entry>> read = changelist::read(m_location, *f);
    m_entries = read ? *read : QList<changerecord::Entry>{};
    const qsizetype count = m_entries.size();
    const QString unread = read ? changelist::unreadPart(m_location) : QString();
    m_note->setText(!read ? read.error() : tr("%n entries", nullptr, int(count)));
    if (!unread.isEmpty())
        m_note->setText(m_note->text() + QStringLiteral(" ") + unread);
    m_list->setRowCount(int(m_entries.size()));
    for (int row = 0; row < m_entries.size(); ++row) {
        const changerecord::Entry& e = m_entries[row];
        const QStringList texts{shownTime(e.at, TimeShown::Second),
                                e.who.operatorName,
                                e.who.host,
                                e.who.osUser,
                                changerecord::shownWord(e),
                                e.subject,
                                e.before,
                                e.after,
                                changelist::shownDetail(e.detail),
                                e.transfer > 0 ? QString::number(e.transfer) : QString()};
        for (int c = 0; c < texts.size(); ++c)
            m_list->setItem(row, c, new QTableWidgetItem(texts[c]));
    }
    m_list->resizeColumnsToContents();
}

void ChangeRecordWindow::exportList()
{
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Export the change record"),
                                     QDir::home().filePath(QStringLiteral("change-record.csv")),
                                     tr("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    if (Outcome done =
            changelist::exportTo(m_location, m_entries, path, outputfile::Reader::Refuse);
        !done) {
        m_messages.show(done.description(), kApplicationTitle, MessageSink::Icon::Critical);
        return;
    }
    const QString done = tr("Exported %n entries to %1.", nullptr, int(m_entries.size())).arg(path);
    m_messages.show(done, kApplicationTitle, MessageSink::Icon::Information);
}
