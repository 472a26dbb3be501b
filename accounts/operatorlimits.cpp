#include "operatorlimits.h"

#include "schema.h"

namespace operatorlimits {

Outcome explain(const Outcome& refused, const QString& name, const QString& pin)
{
    if (refused)
        return refused;
    const int limit = schema::kOperatorWidth;
    QStringList problems;
    if (const int n = schema::characterCount(name); n > limit)
        problems << QStringLiteral("The name \"%1\" has %2 characters; a name may have at most %3.")
                        .arg(name)
                        .arg(n)
                        .arg(limit);
    if (const int n = schema::characterCount(pin); n > limit)
        problems << QStringLiteral("The PIN has %1 characters; a PIN may have at most %2.")
                        .arg(n)
                        .arg(limit);
    if (problems.isEmpty())
        return refused;
    problems << QStringLiteral("The login boxes take no more, so such an operator could never log "
                               "in. Nothing was saved; shorten it and try again.");
    return Outcome::failure(problems.join(QLatin1Char('\n')));
}

} // namespace operatorlimits
