#include "lazylibrary.h"

#include <QCoreApplication>

namespace lazylibrary {

Outcome load(QLibrary& library, const QString& package,
             const std::function<void(QString& missing)>& resolve)
{
    if (!library.load())
        return Outcome::failure(QCoreApplication::translate(
                                    "lazylibrary",
                                    "A library this program needs cannot be loaded (%1). Install "
                                    "the package %2.")
                                    .arg(library.errorString(), package));
    QString missing;
    resolve(missing);
    if (!missing.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate("lazylibrary",
                                        "The library %1 has no %2: it is older than this "
                                        "program needs. Update the package %3.")
                .arg(library.fileName(), missing, package));
    return Outcome::success();
}

} // namespace lazylibrary
