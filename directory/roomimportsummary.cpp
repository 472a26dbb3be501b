#include "roomimport.h"

#include <QCoreApplication>

namespace roomimport {

QString summary(const QString& what, const Written& written, bool replaced)
{
    const QString changed = QString::number(written.changed);
    const QString unchanged = QString::number(written.unchanged);
    return replaced
               //: %1 is the name of the file imported; %n and the other numbers count rooms
               ? QCoreApplication::translate("roomimport",
                                             "Imported %1: %n room(s) added, %2 changed, %3 "
                                             "unchanged, %4 removed.",
                                             nullptr, written.added)
                     .arg(what, changed, unchanged, QString::number(written.removed))
               //: %1 is the name of the file imported; %n and the other numbers count rooms
               : QCoreApplication::translate(
                     "roomimport", "Imported %1: %n room(s) added, %2 changed, %3 unchanged.",
                     nullptr, written.added)
                     .arg(what, changed, unchanged);
}

} // namespace roomimport
