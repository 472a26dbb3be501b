#include "timetext.h"

#include <QCoreApplication>
#include <QLocale>

QString timeText(const QDateTime& utc)
{
    return utc.toUTC().toString(Qt::ISODateWithMs);
}

QString shownTime(const QDateTime& utc, TimeShown shown)
{
    if (shown == TimeShown::Second)
        return utc.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    // The month's name is the C locale's; a language without it words the date its own way.
    //: The format of a time shown (Qt date format; MMM is the month's English short name)
    return QLocale::c().toString(utc.toLocalTime(),
                                 QCoreApplication::translate("shownTime", "d MMM yyyy HH:mm"));
}
