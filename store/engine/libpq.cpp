#include "libpq.h"

#include "lazylibrary.h"

namespace libpq {

Expected<const Functions*> functions()
{
    return lazylibrary::table<Functions>(QStringLiteral("pq"), 5, QStringLiteral("libpq5"),
                                         [](QLibrary& library, Functions& table, QString& missing) {
#define QUORVANE_LIBPQ_RESOLVE(name) lazylibrary::resolveInto(library, #name, table.name, missing);
                                             QUORVANE_LIBPQ_FUNCTIONS(QUORVANE_LIBPQ_RESOLVE)
#undef QUORVANE_LIBPQ_RESOLVE
                                         });
}

} // namespace libpq
