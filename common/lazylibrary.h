#pragma once

#include "outcome.h"

#include <QLibrary>
#include <QString>

#include <functional>

// Libraries only some commands need (the PostgreSQL client for a building on
// a server, gensio for a port behind a device server), loaded the first time
// they are needed rather than mapped, with all they bring, at every start of
// every program.
namespace lazylibrary {

// Loads library, then has resolve look up each function through resolveInto.
// A failure says what could not be loaded and which package brings it.
[[nodiscard]] Outcome load(QLibrary& library, const QString& package,
                           const std::function<void(QString& missing)>& resolve);

// Sets slot to library's function name; the first name not found is kept in missing.
template <typename Function>
void resolveInto(QLibrary& library, const char* name, Function& slot, QString& missing)
{
    slot = reinterpret_cast<Function>(library.resolve(name));
    if (!slot && missing.isEmpty())
        missing = QString::fromLatin1(name);
}

// The table of functions of library name (its major version given), loaded
// and looked up on the first call and kept: resolve fills the table through
// resolveInto. One table per type, so each library has a type of its own.
template <typename Table>
Expected<const Table*> table(const QString& name, int version, const QString& package,
                             void (*resolve)(QLibrary& library, Table& table, QString& missing))
{
    static QLibrary library(name, version);
    static Table loaded;
    static const Expected<const Table*> result = [&]() -> Expected<const Table*> {
        const Outcome outcome =
            load(library, package, [&](QString& missing) { resolve(library, loaded, missing); });
        if (!outcome)
            return outcome;
        return &loaded;
    }();
    return result;
}

} // namespace lazylibrary
