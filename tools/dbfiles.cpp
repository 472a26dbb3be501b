#include "dbfiles.h"

#include "dbtool.h"

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
        //: What other users may do to a file, put in "other users may %1 ...".
        return Text::tr("read and change");
    if (read)
        return Text::tr("read");
    if (write)
        return Text::tr("change");
    return {};
}

} // namespace dbtool
