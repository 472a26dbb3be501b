#include "dbtoolsupport.h"

#include "database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <sys/stat.h>

namespace dbtool {

void say(QTextStream& stream, const QString& text)
{
    stream << text << '\n';
    stream.flush();
}

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Made absolute so messages and suggested commands work from anywhere.
std::optional<QString> existingDirectory(const QString& directory, Console& console)
{
    const QFileInfo info(directory);
    if (!info.exists()) {
        say(console.err, QStringLiteral("The directory %1 does not exist. Create it first, or name "
                                        "the directory that holds the quorvane program.")
                             .arg(directory));
        return std::nullopt;
    }
    if (!info.isDir()) {
        say(console.err, QStringLiteral("%1 is not a directory. Name the directory that holds the "
                                        "quorvane program.")
                             .arg(directory));
        return std::nullopt;
    }
    return QDir(directory).absolutePath();
}

QStringList sideFiles(const QString& path)
{
    QStringList found;
    for (const char* suffix : {"-journal", "-wal", "-shm"}) {
        const QString side = path + QLatin1String(suffix);
        struct stat st;
        if (::lstat(QFile::encodeName(side).constData(), &st) == 0)
            found << side;
    }
    return found;
}

QString modeText(mode_t mode)
{
    return QString::asprintf("%04o", unsigned(mode & 07777));
}

QString exposure(mode_t mode)
{
    const bool read = mode & (S_IRGRP | S_IROTH);
    const bool write = mode & (S_IWGRP | S_IWOTH);
    if (read && write)
        return QStringLiteral("read and change");
    if (read)
        return QStringLiteral("read");
    if (write)
        return QStringLiteral("change");
    return {};
}

} // namespace dbtool
