#include "dbfiles.h"

#include <sys/stat.h>

namespace dbtool {

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
