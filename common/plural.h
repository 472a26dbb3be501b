#pragma once

#include <QString>

// A count in words for what is kept in the program's own words and never
// shown through the catalogue (the change record's details, the door unit
// monitor's log): one is the text for 1 ("1 room"), many the text for any
// other count with %1 for it ("%1 rooms"). A count shown to the operator
// goes through the catalogue's plural forms instead: tr("%n rooms", nullptr, n).
inline QString plural(qint64 n, const char* one, const char* many)
{
    return n == 1 ? QString::fromUtf8(one) : QString::fromUtf8(many).arg(n);
}
