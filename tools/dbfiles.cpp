#include "dbfiles.h"

#include <QFile>

#include <cstring>
#include <sys/stat.h>

namespace dbtool {

bool entryExists(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
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

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace dbtool
