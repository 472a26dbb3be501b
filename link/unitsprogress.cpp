#include "unitsprogress.h"

#include "directorydownload.h"
#include "linkmessages.h"
#include "messagesink.h"
#include "seriallink.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

UnitsProgress::UnitsProgress(const QList<DoorUnit>& units, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("unitsProgress"));
    setWindowTitle(kApplicationTitle);
    setWindowModality(Qt::ApplicationModal);
    setMinimumWidth(460);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Sending the room directory to every door unit."), this));
    for (int i = 0; i < units.size(); ++i) {
        auto* line = new QLabel(this);
        line->setObjectName(QStringLiteral("unitLine%1").arg(i + 1));
        line->setWordWrap(true);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(line);
        m_lines << line;
        UnitsDownload::Line waiting;
        waiting.unit = units[i];
        line->setText(lineText(waiting));
    }
    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("cmdClose"));
    m_close->setEnabled(false);
    layout->addWidget(m_close, 0, Qt::AlignRight);
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
}

QString UnitsProgress::lineText(const UnitsDownload::Line& line)
{
    const QString unit = line.unit.shownName();
    if (!line.finished && !line.started)
        //: %1 is the door unit's name and port
        return tr("%1: opening the port").arg(unit);
    if (!line.finished)
        //: %1 the door unit, %2 rooms sent of %3, %4 seconds left
        return tr("%1: %2 of %3 rooms sent, about %4 s left")
            .arg(unit)
            .arg(line.sent)
            .arg(line.total)
            .arg((DirectoryDownload::millisecondsLeft(line.sent, line.total,
                                                      SerialLink::kDoorUnitSettings.baud) +
                  999) /
                 1000);
    const LinkResult& r = line.result;
    if (r.done())
        return tr("%1: complete, %2 rooms sent").arg(unit).arg(r.total);
    // The program's own words for the failure, on one line.
    QString why = linkResultText(r).replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    why.replace(u'\n', u' ');
    if (why.isEmpty())
        why = r.detail;
    else if (const std::optional<LinkMessage> m = linkMessage(r);
             m && !m->namesDetail && !r.detail.isEmpty())
        why += u' ' + r.detail;
    if (r.sent == 0)
        //: %1 the door unit, %2 why nothing was sent
        return tr("%1: nothing sent: %2").arg(unit, why.simplified());
    //: %1 the door unit, %2 rooms sent of %3, %4 why it failed
    return tr("%1: failed after %2 of %3 rooms: %4")
        .arg(unit)
        .arg(r.sent)
        .arg(r.total)
        .arg(why.simplified());
}

void UnitsProgress::showLines(const QList<UnitsDownload::Line>& lines, bool finished)
{
    for (int i = 0; i < lines.size() && i < m_lines.size(); ++i)
        m_lines[i]->setText(lineText(lines[i]));
    // A failure's reason wraps onto more lines: the window grows to show them whole.
    layout()->activate();
    if (const int needed = layout()->totalHeightForWidth(width()); needed > height())
        resize(width(), needed);
    m_finished = finished;
    m_close->setEnabled(finished);
    if (finished)
        m_close->setFocus();
}

void UnitsProgress::closeEvent(QCloseEvent* event)
{
    if (!m_finished)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void UnitsProgress::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !m_finished) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
