#pragma once

#include "location.h"
#include "outcome.h"
#include "outputfile.h"
#include "roomrecord.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;

// The room list for the building's handover file: a title naming the room
// database and the date, the rooms with their numbers in a table, page
// numbers, and when the door unit last took the whole directory. It draws on
// any paged device, a printer or a PDF file alike.
class RoomListDocument
{
    Q_DECLARE_TR_FUNCTIONS(RoomListDocument)

public:
    // Reads the rooms in table order and, when the file keeps a transfer
    // history, the end of the last complete download. Nothing is written.
    Outcome load(const store::Database& directoryFile);

    void setRooms(const QList<RoomRecord>& rooms) { m_rooms = rooms; }
    void setPrinted(const QDateTime& when) { m_printed = when; }
    const QList<RoomRecord>& rooms() const { return m_rooms; }
    const QDateTime& lastDownload() const { return m_lastDownload; }

    // Rooms that fit on one page of device, and the pages all of them take.
    int rowsPerPage(const QPagedPaintDevice& device) const;
    int pageCount(const QPagedPaintDevice& device) const;

    // The texts of page number (from 0) of pages, in the operator's language:
    // the title, the folder, the printing date with the count of rooms, the
    // last complete download (empty when none is known) and the page number.
    QStringList pageTexts(int number, int pages) const;
    // Draws every page; false when the device could not be painted on.
    bool render(QPagedPaintDevice& device) const;
    // A4 with margins for a binder's holes.
    static QPageLayout pdfLayout();
    // A PDF on pdfLayout() through Qt's own writer, put in file by
    // outputfile::write; refused when file lands on a database beside the
    // room file loaded. The pages written.
    Expected<int> writePdf(const QString& file,
                           outputfile::Reader reader = outputfile::Reader::Wait) const;

private:
    // The room database loaded, and its file's path: empty for a building,
    // which the heading names.
    store::Database m_database;
    QString m_path;
    QString m_source;
    QList<RoomRecord> m_rooms;
    QDateTime m_lastDownload;
    QDateTime m_printed = QDateTime::currentDateTime();
};
