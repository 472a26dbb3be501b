#pragma once

#include "prefault.h"
#include "roomcsv.h"
#include "roomrecord.h"

#include <QList>
#include <QSet>
#include <QStringView>

#include <algorithm>
#include <array>
#include <bit>
#include <limits>
#include <vector>

// What the import's verdicts look up across the whole file and directory:
// whose text came first, and which numbers a spreadsheet seems to have cut.
namespace roomverdict {

// The three telephones of a room, in their order.
inline std::array<const QString*, doorunit::kTelephones> telephones(const RoomRecord& room)
{
    return {&(room.*doorunit::kTelephoneFields[0].value),
            &(room.*doorunit::kTelephoneFields[1].value),
            &(room.*doorunit::kTelephoneFields[2].value)};
}

// A number may start with "+" (the international form a phone dials);
// anything else beside digits is worth a look.
inline bool dialable(const QString& number)
{
    const qsizetype start = number.startsWith(QLatin1Char('+')) ? 1 : 0;
    if (number.size() <= start)
        return false;
    for (qsizetype i = start; i < number.size(); ++i) {
        if (!number[i].isDigit() || number[i].unicode() > '9')
            return false;
    }
    return true;
}

inline bool allDigits(const QString& number)
{
    return !number.isEmpty() && dialable(number) && number[0] != QLatin1Char('+');
}

// A spreadsheet that reads 01234567890 as a number shows 1234567890, and
// +4912345678 as 4912345678: a number of digits only, starting with 1 to 9,
// lost one character. Such a number is taken as a loss when the same number
// with "0" or "+" before it is in the file or the directory (a room list
// exported, opened in a spreadsheet and imported again), or when it is one
// character shorter than the usual form: the commonest form (first character
// and length) of all numbers, if at least two share it and it starts with "0"
// or "+". Without such evidence nothing is guessed: ten digits are a whole
// number in some countries.
class LostPrefix
{
public:
    LostPrefix(const QList<roomcsv::CsvRow>& file, const QList<RoomRecord>& directory);

    // The prefix the number seems to have lost, or a null QChar.
    QChar of(const QString& n) const;

private:
    QSet<QString> m_numbers;
    bool m_bare = false; // a number of digits only that starts with 1 to 9
    QChar m_prefix;
    qsizetype m_length = 0;
};

// The first place of each text, where a place names a text (a row's room, a
// room's number): an open-addressing table of 4 bytes a slot, since a hash
// of 300,000 texts would cost several times the memory. Above its place, a
// slot keeps a few bits of its text's hash, so that texts which only meet
// in a slot are told apart without reading them.
class FirstPlaces
{
public:
    explicit FirstPlaces(qsizetype most)
        : m_placeBits(std::bit_width(quint64(std::max<qsizetype>(most, 1)))),
          m_placeMask(m_placeBits >= 31 ? 0x7FFFFFFF : (1u << m_placeBits) - 1)
    {
        Q_ASSERT(m_placeBits <= 31);
        const size_t size = size_t(qNextPowerOfTwo(quint64(most + most / 2 + 1)));
        m_slots.reserve(size);
        prefault(m_slots.data(), size * sizeof(qint32));
        m_slots.assign(size, -1);
    }

    // The first place of text; place itself, noted, when text is new.
    template <typename TextAt>
    qsizetype first(qsizetype place, QStringView text, const TextAt& textAt)
    {
        const size_t hash = qHash(text);
        qint32& slot = m_slots[slotOf(hash, text, textAt)];
        if (slot < 0)
            slot = qint32(tagOf(hash) | quint32(place));
        return qsizetype(slot & m_placeMask);
    }

    // The first place of text, or -1.
    template <typename TextAt> qsizetype find(QStringView text, const TextAt& textAt) const
    {
        const qint32 slot = m_slots[slotOf(qHash(text), text, textAt)];
        return slot < 0 ? qsizetype(-1) : qsizetype(slot & m_placeMask);
    }

private:
    quint32 tagOf(size_t hash) const
    {
        const int tagBits = 31 - m_placeBits;
        if (tagBits <= 0)
            return 0;
        return quint32(hash >> (std::numeric_limits<size_t>::digits - tagBits)) << m_placeBits;
    }

    template <typename TextAt>
    size_t slotOf(size_t hash, QStringView text, const TextAt& textAt) const
    {
        const size_t mask = m_slots.size() - 1;
        const quint32 tag = tagOf(hash);
        size_t i = hash & mask;
        while (m_slots[i] >= 0 && ((quint32(m_slots[i]) & ~m_placeMask) != tag ||
                                   textAt(m_slots[i] & m_placeMask) != text))
            i = (i + 1) & mask;
        return i;
    }

    std::vector<qint32> m_slots;
    int m_placeBits;
    quint32 m_placeMask;
};

} // namespace roomverdict
