#include "roomcsv.h"

#include "prefault.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

// Reading a room list's file, and handing its rows on as they are read.
namespace roomcsv {

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024 * 1024), 'f', 0);
}

} // namespace

Outcome readFile(const QString& path, QByteArray& bytes)
{
    bytes.clear();
    const QString tooLarge = QCoreApplication::translate(
        "roomcsv",
        " A room list is far smaller (100,000 rooms take about 5 MB), so nothing was read. "
        "Choose the room list saved from the spreadsheet.");
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Outcome::failure(QCoreApplication::translate("roomcsv", "%1 cannot be read: %2")
                                    .arg(path, in.errorString()));
    // A file is measured before it is read; a device or a pipe is read up to
    // one byte past the limit.
    if (!in.isSequential() && in.size() > kLargestFile)
        return Outcome::failure(
            QCoreApplication::translate("roomcsv", "%1 is larger than %2 MB (%3 bytes).")
                .arg(path, megabytes(kLargestFile))
                .arg(in.size()) +
            tooLarge);
    // A file is read into room for its size and one byte more, which finds
    // its end without growing the buffer (a copy of the whole file).
    if (!in.isSequential()) {
        bytes.reserve(in.size() + 1);
        prefault(bytes.data(), size_t(bytes.capacity()));
    }
    constexpr qint64 kChunk = 1024 * 1024;
    for (qint64 got = 1; got > 0 && bytes.size() <= kLargestFile;) {
        const qsizetype before = bytes.size();
        const qsizetype spare = bytes.capacity() - before;
        bytes.resize(before + std::min(spare > 0 ? spare : kChunk, kLargestFile + 1 - before));
        got = in.read(bytes.data() + before, bytes.size() - before);
        if (got < 0)
            return Outcome::failure(QCoreApplication::translate("roomcsv", "%1 cannot be read: %2")
                                        .arg(path, in.errorString()));
        bytes.resize(before + got);
    }
    if (bytes.size() > kLargestFile) {
        bytes = QByteArray();
        return Outcome::failure(QCoreApplication::translate("roomcsv", "%1 gives more than %2 MB.")
                                    .arg(path, megabytes(kLargestFile)) +
                                tooLarge);
    }
    return Outcome::success();
}

void RowsSoFar::add(qsizetype rows)
{
    {
        const std::lock_guard lock(m_mutex);
        m_rows = rows;
    }
    m_more.notify_all();
}

void RowsSoFar::end(qsizetype rows, bool whole)
{
    {
        const std::lock_guard lock(m_mutex);
        m_rows = rows;
        m_ended = true;
        m_whole = whole;
    }
    m_more.notify_all();
}

qsizetype RowsSoFar::waitBeyond(qsizetype have)
{
    std::unique_lock lock(m_mutex);
    m_more.wait(lock, [&] { return m_rows > have || m_ended; });
    return m_rows;
}

bool RowsSoFar::whole()
{
    const std::lock_guard lock(m_mutex);
    return m_ended && m_whole;
}

} // namespace roomcsv
