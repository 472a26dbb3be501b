#include "directorytools.h"

#include "changerecordwindow.h"
#include "database.h"
#include "directorybackup.h"
#include "importpreview.h"
#include "importpreviewdialog.h"
#include "roomcsv.h"
#include "roomimport.h"
#include "roomlistdocument.h"
#include "telnumwindow.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// File dialog filters: the patterns in brackets stay as they are.
QString csvFilter()
{
    return QCoreApplication::translate("DirectoryTools", "Room lists (*.csv *.txt);;All files (*)");
}

QString backupFilter()
{
    return QCoreApplication::translate("DirectoryTools", "Quorvane backups (*.qvb);;All files (*)");
}

QString suggested(const QString& name)
{
    return QDir::home().filePath(name);
}

} // namespace

DirectoryTools::DirectoryTools(const store::Location& location, const changerecord::Actor& who,
                               MessageSink& messages, QWidget* window,
                               std::function<TelNumWindow*()> openWindow, QObject* parent)
    : QObject(parent), m_location(location), m_who(who), m_messages(messages), m_window(window),
      m_openWindow(std::move(openWindow))
{
}

store::Database DirectoryTools::directoryFile() const
{
    return m_location.database(schema::kDirectoryFile);
}

void DirectoryTools::say(const QString& text, MessageSink::Icon icon) const
{
    m_messages.show(text, kApplicationTitle, icon);
}

void DirectoryTools::refreshWindow()
{
    if (TelNumWindow* window = m_openWindow ? m_openWindow() : nullptr)
        window->refresh();
    emit directoryChanged();
}

void DirectoryTools::importRooms()
{
    const QString path =
        QFileDialog::getOpenFileName(m_window, tr("Import rooms"), QDir::homePath(), csvFilter());
    if (path.isEmpty())
        return;
    QByteArray csv;
    if (Outcome read = roomcsv::readFile(path, csv); !read) {
        say(read.description(), MessageSink::Icon::Critical);
        return;
    }
    QList<RoomRecord> directory;
    if (Outcome read = roomimport::readDirectory(directoryFile(), directory); !read) {
        say(read.description(), MessageSink::Icon::Critical);
        return;
    }
    ImportPreview preview;
    if (Outcome read = preview.load(csv, directory); !read) {
        //: %1 is the file chosen, %2 what is wrong with it
        say(tr("%1: %2").arg(path, read.description()), MessageSink::Icon::Exclamation);
        return;
    }
    ImportPreviewDialog dialog(preview, QFileInfo(path).fileName(), m_window);
    if (dialog.exec() != QDialog::Accepted || !preview.canImport())
        return;
    roomimport::Written written;
    if (Outcome done = roomimport::write(directoryFile(), preview.rooms(), preview.replace(),
                                         &written, &m_who);
        !done) {
        say(done.description(), MessageSink::Icon::Critical);
        return;
    }
    say(roomimport::summary(QFileInfo(path).fileName(), written, preview.replace()),
        MessageSink::Icon::Information);
    refreshWindow();
}

void DirectoryTools::exportRooms()
{
    const QString path = QFileDialog::getSaveFileName(
        m_window, tr("Export rooms"), suggested(QStringLiteral("rooms.csv")), csvFilter());
    if (path.isEmpty())
        return;
    if (Outcome done = roomimport::exportTo(directoryFile(), path, outputfile::Reader::Refuse);
        !done) {
        say(done.description(), MessageSink::Icon::Critical);
        return;
    }
    say(tr("Exported the room directory to %1.").arg(path), MessageSink::Icon::Information);
}

void DirectoryTools::printRooms()
{
    RoomListDocument document;
    if (Outcome read = document.load(directoryFile()); !read) {
        say(read.description(), MessageSink::Icon::Critical);
        return;
    }
    // Without a printer the list goes to a PDF, as the print dialog's own
    // "Print to File" would put it.
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        const QString path = QFileDialog::getSaveFileName(
            m_window, tr("No printer: save the room list as PDF"),
            suggested(QStringLiteral("room-list.pdf")), tr("PDF files (*.pdf);;All files (*)"));
        if (path.isEmpty())
            return;
        const Expected<int> pages = document.writePdf(path, outputfile::Reader::Refuse);
        if (!pages) {
            say(pages.error(), MessageSink::Icon::Critical);
            return;
        }
        //: %1 is the PDF file's path, %2 its number of pages
        say(tr("No printer is set up, so the room list was saved as %1 (%2 pages).")
                .arg(path)
                .arg(*pages),
            MessageSink::Icon::Information);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Room list"));
    QPrintDialog dialog(&printer, m_window);
    dialog.setWindowTitle(tr("Print room list"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!document.render(printer))
        //: %1 is the printer's name
        say(tr("The room list could not be printed on %1.").arg(printer.printerName()),
            MessageSink::Icon::Critical);
}

void DirectoryTools::backUp()
{
    const QString path = QFileDialog::getSaveFileName(
        m_window, tr("Back up"),
        suggested(QStringLiteral("quorvane-%1.qvb")
                      .arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")))),
        backupFilter());
    if (path.isEmpty())
        return;
    if (Outcome done = directorybackup::backup(m_location, path); !done) {
        say(done.description(), MessageSink::Icon::Critical);
        return;
    }
    say(tr("Both databases were backed up to %1 and the backup was checked.").arg(path),
        MessageSink::Icon::Information);
}

void DirectoryTools::restore()
{
    const QString path =
        QFileDialog::getOpenFileName(m_window, tr("Restore"), QDir::homePath(), backupFilter());
    if (path.isEmpty())
        return;
    if (Outcome checked = directorybackup::verify(path); !checked) {
        say(checked.description(), MessageSink::Icon::Critical);
        return;
    }
    if (!m_messages.ask(
            //: %1 is the backup's path; NAME.before-restore-DATE shows how the kept files are
            //: named and stays as it is
            tr("Replace the room directory and the operators with those of %1?\n\n"
               "The current files are kept beside them under a dated name "
               "(NAME.before-restore-DATE).")
                .arg(path),
            tr("Restore")))
        return;
    QStringList kept;
    if (Outcome done = directorybackup::restore(m_location, path, &kept, &m_who); !done) {
        say(done.description(), MessageSink::Icon::Critical);
        return;
    }
    QString text = tr("Both databases were restored from %1.").arg(path);
    if (!kept.isEmpty())
        text += tr("\nThe files it replaced are kept as:\n") + kept.join(QLatin1Char('\n'));
    say(text, MessageSink::Icon::Information);
    refreshWindow();
}

void DirectoryTools::showChangeRecord()
{
    if (!m_changeRecord) {
        m_changeRecord = new ChangeRecordWindow(m_location, m_messages, m_window);
        m_changeRecord->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_changeRecord->reload();
    m_changeRecord->show();
    m_changeRecord->raise();
    m_changeRecord->activateWindow();
}
