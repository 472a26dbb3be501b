#include "roomverdictclues.h"

#include <algorithm>

namespace roomverdict {

LostPrefix::LostPrefix(const QList<roomcsv::CsvRow>& file, const QList<RoomRecord>& directory)
{
    // How many numbers have each form: "0", "+" or another digit first,
    // by length; longer numbers are refused anyway.
    constexpr qsizetype kLongest = 16;
    int forms[3][kLongest + 1] = {};
    auto see = [&](const RoomRecord& r) {
        for (const QString* n : telephones(r)) {
            if (n->isEmpty() || !dialable(*n))
                continue;
            const QChar first = n->at(0);
            const int kind = first == QLatin1Char('0') ? 0 : first == QLatin1Char('+') ? 1 : 2;
            m_bare = m_bare || kind == 2;
            ++forms[kind][std::min(n->size(), kLongest)];
        }
    };
    for (const roomcsv::CsvRow& row : file)
        see(row.room);
    for (const RoomRecord& r : directory)
        see(r);
    // Only a bare number can have lost its prefix, so the numbers
    // starting with "0" or "+" are kept only when there is one.
    auto keep = [&](const RoomRecord& r) {
        for (const QString* n : telephones(r)) {
            if (!n->isEmpty() && dialable(*n) &&
                (n->at(0) == QLatin1Char('0') || n->at(0) == QLatin1Char('+')))
                m_numbers.insert(*n);
        }
    };
    if (m_bare) {
        for (const roomcsv::CsvRow& row : file)
            keep(row.room);
        for (const RoomRecord& r : directory)
            keep(r);
    }
    int best = 0;
    for (int kind = 0; kind < 3; ++kind) {
        for (qsizetype length = 1; length < kLongest; ++length) {
            if (forms[kind][length] > best) {
                best = forms[kind][length];
                m_prefix = kind == 0 ? QLatin1Char('0') : kind == 1 ? QLatin1Char('+') : QChar();
                m_length = length;
            }
        }
    }
    if (best < 2)
        m_prefix = QChar();
}

QChar LostPrefix::of(const QString& n) const
{
    if (!m_bare || !allDigits(n) || n[0] == QLatin1Char('0'))
        return {};
    for (const QChar prefix : {QLatin1Char('0'), QLatin1Char('+')}) {
        if (m_numbers.contains(prefix + n))
            return prefix;
    }
    return n.size() == m_length - 1 ? m_prefix : QChar();
}

} // namespace roomverdict
