#include "libpq.h"

#include <QCoreApplication>
#include <QLibrary>

namespace libpq {

namespace {

Expected<const Functions*> load()
{
    static QLibrary library(QStringLiteral("pq"), 5);
    if (!library.load())
        return Expected<const Functions*>::failure(
            QCoreApplication::translate("server",
                                        "The PostgreSQL client library cannot be loaded (%1). "
                                        "Install the package libpq5.")
                .arg(library.errorString()));
    static Functions loaded;
    QString missing;
#define QUORVANE_LIBPQ_RESOLVE(name)                                                               \
    loaded.name = reinterpret_cast<decltype(&::name)>(library.resolve(#name));                     \
    if (!loaded.name && missing.isEmpty())                                                         \
        missing = QStringLiteral(#name);
    QUORVANE_LIBPQ_FUNCTIONS(QUORVANE_LIBPQ_RESOLVE)
#undef QUORVANE_LIBPQ_RESOLVE
    if (!missing.isEmpty())
        return Expected<const Functions*>::failure(
            QCoreApplication::translate("server",
                                        "The PostgreSQL client library %1 has no %2: it is "
                                        "older than this program needs. Update the package "
                                        "libpq5.")
                .arg(library.fileName(), missing));
    return &loaded;
}

} // namespace

Expected<const Functions*> functions()
{
    static const Expected<const Functions*> loaded = load();
    return loaded;
}

} // namespace libpq
