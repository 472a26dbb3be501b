#include "gensiolibrary.h"

#include "lazylibrary.h"

namespace libgensio {

Expected<const Functions*> functions()
{
    // libgensio brings libgensioosh, whose functions are found through it.
    return lazylibrary::table<Functions>(QStringLiteral("gensio"), 4, QStringLiteral("libgensio4"),
                                         [](QLibrary& library, Functions& table, QString& missing) {
#define QUORVANE_GENSIO_RESOLVE(name) lazylibrary::resolveInto(library, #name, table.name, missing);
                                             QUORVANE_GENSIO_FUNCTIONS(QUORVANE_GENSIO_RESOLVE)
#undef QUORVANE_GENSIO_RESOLVE
                                         });
}

} // namespace libgensio
