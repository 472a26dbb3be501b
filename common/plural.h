#pragma once

#include <QString>

// A count in words: one is the text for 1 ("1 room"), many the text for any
// other count with %1 for it ("%1 rooms").
inline QString plural(qint64 n, const char* one, const char* many)
{
    return n == 1 ? QString::fromUtf8(one) : QString::fromUtf8(many).arg(n);
}
