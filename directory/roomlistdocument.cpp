#include "roomlistdocument.h"

#include "connection.h"
#include "database.h"
#include "roomimport.h"
#include "roomrecord.h"

#include <QBuffer>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

const QString kFamily = QStringLiteral("Liberation Sans");
constexpr int kTitlePoints = 14;
constexpr int kTextPoints = 10;
// Title (1.5), folder, date, last download, a gap; then the column heads.
constexpr double kHeaderLines = 5;
constexpr double kFooterLines = 2;
// Room, TEL1, TEL2, TEL3 as shares of the width: rooms are shorter.
constexpr double kColumns[] = {0.16, 0.28, 0.28, 0.28};

QFont font(int points, bool bold = false)
{
    QFont f(kFamily, points);
    f.setBold(bold);
    return f;
}

// The time the last complete download ended, read without making the
// history's tables in a file that has none.
QDateTime lastCompleteDownload(const store::Database& path)
{
    QDateTime when;
    const store::Connection connection(path, QStringLiteral("roomlist"), database::Access::ReadOnly,
                                       2000);
    if (connection.ok()) {
        QSqlDatabase db = connection.db();
        if (db.tables().contains(QStringLiteral("transfer_log"))) {
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT MAX(finished) FROM transfer_log WHERE what = "
                                      "'download' AND outcome = 'complete'")) &&
                q.next())
                when = QDateTime::fromString(q.value(0).toString(), Qt::ISODateWithMs);
        }
    }
    return when.toLocalTime();
}

struct Metrics
{
    QRect page;
    int line = 0;
    int rows = 0;
};

Metrics metrics(const QPagedPaintDevice& device)
{
    Metrics m;
    m.page = device.pageLayout().paintRectPixels(device.logicalDpiY());
    // Line heights from the font as the device measures it.
    m.line = QFontMetrics(font(kTextPoints), &device).height() * 14 / 10;
    const int body = m.page.height() - int((kHeaderLines + 1 + kFooterLines) * m.line);
    m.rows = std::max(1, body / std::max(1, m.line));
    return m;
}

} // namespace

Outcome RoomListDocument::load(const store::Database& directoryFile)
{
    QList<RoomRecord> rooms;
    if (Outcome read = roomimport::readDirectory(directoryFile, rooms); !read)
        return read;
    m_database = directoryFile;
    m_path = directoryFile.filePath();
    m_source = m_path.isEmpty() ? directoryFile.describe() : QFileInfo(m_path).fileName();
    m_rooms = std::move(rooms);
    m_lastDownload = lastCompleteDownload(directoryFile);
    return Outcome::success();
}

int RoomListDocument::rowsPerPage(const QPagedPaintDevice& device) const
{
    return metrics(device).rows;
}

int RoomListDocument::pageCount(const QPagedPaintDevice& device) const
{
    const int rows = rowsPerPage(device);
    return std::max(1, int((m_rooms.size() + rows - 1) / rows));
}

QStringList RoomListDocument::pageTexts(int number, int pages) const
{
    const QLocale locale;
    const QString day = locale.toString(m_printed.date(), QLocale::LongFormat);
    //: %1 is the day the list was printed, %n the count of rooms
    const QString printed = tr("Printed %1 · %n rooms", nullptr, int(m_rooms.size())).arg(day);
    const QString download = m_lastDownload.isValid()
                                 ? tr("Last complete download to the door unit: %1")
                                       .arg(locale.toString(m_lastDownload, QLocale::ShortFormat))
                                 : QString();
    //: %1 is the name of the room database file
    return {tr("Room list of %1").arg(m_source),
            m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath(), printed, download,
            tr("Page %1 of %2").arg(number + 1).arg(pages)};
}

bool RoomListDocument::render(QPagedPaintDevice& device) const
{
    QPainter p;
    if (!p.begin(&device))
        return false;
    const Metrics m = metrics(device);
    const int pages = pageCount(device);
    // The directory's field names, in every language.
    const QStringList heads = doorunit::fieldNames();
    const QRect& page = m.page;
    // Painting starts at the paint rectangle's corner, margins already applied.
    const int left = 0;
    const int width = page.width();
    auto drawRow = [&](int y, const QStringList& cells) {
        double x = left;
        for (int c = 0; c < 4; ++c) {
            const int w = int(width * kColumns[c]);
            p.drawText(QRect(int(x) + m.line / 4, y, w - m.line / 4, m.line),
                       Qt::AlignLeft | Qt::AlignVCenter, cells.value(c));
            x += w;
        }
    };

    for (int number = 0; number < pages; ++number) {
        if (number > 0)
            device.newPage();
        const QStringList texts = pageTexts(number, pages);
        int y = 0;
        p.setFont(font(kTitlePoints, true));
        p.drawText(QRect(left, y, width, m.line * 3 / 2), Qt::AlignLeft | Qt::AlignVCenter,
                   texts[0]);
        y += m.line * 3 / 2;
        p.setFont(font(kTextPoints));
        for (int i = 1; i <= 3; ++i) {
            p.drawText(QRect(left, y, width, m.line), Qt::AlignLeft | Qt::AlignVCenter, texts[i]);
            y += m.line;
        }
        y += int((kHeaderLines - 4.5) * m.line);

        p.setFont(font(kTextPoints, true));
        p.fillRect(QRect(left, y, width, m.line), QColor(0xe6, 0xe6, 0xe6));
        drawRow(y, heads);
        y += m.line;
        p.setFont(font(kTextPoints));
        const qsizetype first = qsizetype(number) * m.rows;
        const qsizetype last = std::min<qsizetype>(m_rooms.size(), first + m.rows);
        for (qsizetype i = first; i < last; ++i) {
            const RoomRecord& r = m_rooms[i];
            p.setPen(QColor(0xcc, 0xcc, 0xcc));
            p.drawLine(left, y + m.line, left + width, y + m.line);
            p.setPen(Qt::black);
            drawRow(y, {r.Room, r.TEL1, r.TEL2, r.TEL3});
            y += m.line;
        }
        p.drawText(QRect(left, page.height() - m.line, width, m.line), Qt::AlignCenter, texts[4]);
    }
    return p.end();
}

QPageLayout RoomListDocument::pdfLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 15, 15, 15),
                       QPageLayout::Millimeter);
}

Expected<int> RoomListDocument::writePdf(const QString& file, outputfile::Reader reader) const
{
    if (Outcome usable = m_database.checkOutput(file); !usable)
        return usable;
    int pages = 0;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&out);
        writer.setTitle(tr("Room list of %1").arg(m_path.isEmpty() ? m_source : m_path));
        writer.setCreator(QStringLiteral("Quorvane"));
        writer.setPageLayout(pdfLayout());
        if (!render(writer))
            return Outcome::failure(tr("%1 cannot be written.").arg(file));
        pages = pageCount(writer);
    }
    if (Outcome written = outputfile::write(file, out.data(), reader); !written)
        return written;
    return pages;
}
