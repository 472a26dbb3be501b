#include "roomverdict.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <vector>

namespace roomverdict {

namespace {

struct Field
{
    const char* name;
    const QString& value;
    int width;
};

void raise(RowVerdict& row, Verdict verdict, const QString& reason)
{
    row.verdict = std::max(row.verdict, verdict);
    row.reasons << reason;
}

// Why the door unit cannot take the value, or empty text when it can.
QString refusal(const Field& field)
{
    using Fault = doorunit::FieldFit::Fault;
    const doorunit::FieldFit fit = doorunit::fieldFit(field.value, field.width);
    if (fit.tooLong())
        //: %1 is the field (Room, TEL1...), %2 its value, %3 its length, %4 the most it may have
        return QCoreApplication::translate(
                   "roomverdict", "%1 \"%2\" is %3 characters long; the door unit takes at most %4")
            .arg(QLatin1String(field.name), roomcsv::shown(field.value),
                 QString::number(fit.length), QString::number(field.width));
    switch (fit.fault) {
    case Fault::None:
        break;
    case Fault::Control:
        //: %1 is the field, %2 the character's code in hexadecimal
        return QCoreApplication::translate("roomverdict",
                                           "%1 holds a control character (U+%2), which the door "
                                           "unit cannot take")
            .arg(QLatin1String(field.name))
            .arg(uint(fit.character), 4, 16, QLatin1Char('0'));
    case Fault::NotAscii:
        return QCoreApplication::translate("roomverdict",
                                           "%1 holds \"%2\", which is not ASCII; the door unit "
                                           "takes only ASCII letters, digits and signs")
            .arg(QLatin1String(field.name), QString::fromUcs4(&fit.character, 1));
    case Fault::Marker:
        return QCoreApplication::translate("roomverdict",
                                           "%1 holds \"%2\", which the door unit reads as a field "
                                           "end marker")
            .arg(QLatin1String(field.name), QString::fromUcs4(&fit.character, 1));
    }
    return {};
}

// A number may start with "+" (the international form a phone dials);
// anything else beside digits is worth a look.
bool dialable(const QString& number)
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

bool allDigits(const QString& number)
{
    return !number.isEmpty() && dialable(number) && number[0] != QLatin1Char('+');
}

// The first items of a list of total, and how many more there are.
QString listed(const QStringList& first, qsizetype total)
{
    if (total <= first.size())
        return first.join(QStringLiteral(", "));
    //: %1 lists the first few, %2 counts the others
    return QCoreApplication::translate("roomverdict", "%1 and %2 more")
        .arg(first.join(QStringLiteral(", ")))
        .arg(total - first.size());
}

QString numbersOf(const RoomRecord& r)
{
    QStringList numbers;
    for (const QString* n : {&r.TEL1, &r.TEL2, &r.TEL3})
        numbers << (n->isEmpty() ? QStringLiteral("-") : roomcsv::shown(*n));
    return numbers.join(QStringLiteral(", "));
}

bool sameNumbers(const RoomRecord& a, const RoomRecord& b)
{
    return a.TEL1 == b.TEL1 && a.TEL2 == b.TEL2 && a.TEL3 == b.TEL3;
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
    LostPrefix(const QList<roomcsv::CsvRow>& file, const QList<RoomRecord>& directory)
    {
        // How many numbers have each form: "0", "+" or another digit first,
        // by length; longer numbers are refused anyway.
        constexpr qsizetype kLongest = 16;
        int forms[3][kLongest + 1] = {};
        auto see = [&](const RoomRecord& r) {
            for (const QString* n : {&r.TEL1, &r.TEL2, &r.TEL3}) {
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
            for (const QString* n : {&r.TEL1, &r.TEL2, &r.TEL3}) {
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
                    m_prefix = kind == 0   ? QLatin1Char('0')
                               : kind == 1 ? QLatin1Char('+')
                                           : QChar();
                    m_length = length;
                }
            }
        }
        if (best < 2)
            m_prefix = QChar();
    }

    // The prefix the number seems to have lost, or a null QChar.
    QChar of(const QString& n) const
    {
        if (!m_bare || !allDigits(n) || n[0] == QLatin1Char('0'))
            return {};
        for (const QChar prefix : {QLatin1Char('0'), QLatin1Char('+')}) {
            if (m_numbers.contains(prefix + n))
                return prefix;
        }
        return n.size() == m_length - 1 ? m_prefix : QChar();
    }

private:
    QSet<QString> m_numbers;
    bool m_bare = false; // a number of digits only that starts with 1 to 9
    QChar m_prefix;
    qsizetype m_length = 0;
};

// The first place of each text, where a place names a text (a row's room, a
// room's number): an open-addressing table of 4 bytes a slot, since a hash
// of 300,000 texts would cost several times the memory.
class FirstPlaces
{
public:
    explicit FirstPlaces(qsizetype most)
        : m_slots(size_t(qNextPowerOfTwo(quint64(most + most / 2 + 1))), -1)
    {
    }

    // The first place of text; place itself, noted, when text is new.
    template <typename TextAt>
    qsizetype first(qsizetype place, QStringView text, const TextAt& textAt)
    {
        qint32& slot = m_slots[slotOf(text, textAt)];
        if (slot < 0)
            slot = qint32(place);
        return slot;
    }

    // The first place of text, or -1.
    template <typename TextAt> qsizetype find(QStringView text, const TextAt& textAt) const
    {
        return m_slots[slotOf(text, textAt)];
    }

private:
    template <typename TextAt> size_t slotOf(QStringView text, const TextAt& textAt) const
    {
        const size_t mask = m_slots.size() - 1;
        size_t i = qHash(text) & mask;
        while (m_slots[i] >= 0 && textAt(m_slots[i]) != text)
            i = (i + 1) & mask;
        return i;
    }

    std::vector<qint32> m_slots;
};

} // namespace

QList<RowVerdict> judge(const QList<roomcsv::CsvRow>& file, const QList<RoomRecord>& directory,
                        bool replace)
{
    using roomcsv::shown;
    QList<RowVerdict> verdicts(file.size());
    // Rooms are compared as the door unit sees them, so "101" and "0101"
    // are one room. The hashes below hold views of these keys and of the
    // file's own texts, which outlive them.
    QList<QString> keys;
    keys.reserve(file.size());
    for (const roomcsv::CsvRow& row : file)
        keys << doorUnitRoomKey(row.room.Room);
    // Rows of each room: the first in one hash, more only when there are any,
    // since a file of 100,000 rooms should not cost 100,000 lists.
    auto keyAt = [&](qsizetype row) -> const QString& { return keys[row]; };
    FirstPlaces firstRowOf(file.size());
    QHash<QStringView, QList<int>> rowsOfRoom;
    for (int i = 0; i < file.size(); ++i) {
        const roomcsv::CsvRow& row = file[i];
        RowVerdict& v = verdicts[i];
        if (!row.problem.isEmpty())
            raise(v, Verdict::Error, row.problem);
        if (row.room.Room.isEmpty())
            raise(v, Verdict::Error,
                  QCoreApplication::translate("roomverdict", "the room is empty"));
        else if (firstRowOf.first(i, keys[i], keyAt) != i)
            rowsOfRoom[keys[i]] << i;
        const Field fields[] = {{"Room", row.room.Room, doorunit::kRoomWidth},
                                {"TEL1", row.room.TEL1, doorunit::kTelephoneWidth},
                                {"TEL2", row.room.TEL2, doorunit::kTelephoneWidth},
                                {"TEL3", row.room.TEL3, doorunit::kTelephoneWidth}};
        for (const Field& f : fields) {
            if (const QString why = refusal(f); !why.isEmpty()) {
                raise(v, Verdict::Error, why);
                continue;
            }
            if (f.value.startsWith(QLatin1Char(' ')) || f.value.endsWith(QLatin1Char(' ')))
                raise(v, Verdict::Warning,
                      (&f == &fields[0]
                           ? QCoreApplication::translate(
                                 "roomverdict", "%1 \"%2\" has blanks around it, which the door "
                                                "unit gets as part of the room")
                           : QCoreApplication::translate(
                                 "roomverdict", "%1 \"%2\" has blanks around it, which the door "
                                                "unit gets as part of the number"))
                          .arg(QLatin1String(f.name), shown(f.value)));
            if (roomcsv::looksLikeFormula(f.value))
                raise(v, Verdict::Warning,
                      QCoreApplication::translate(
                          "roomverdict",
                          "%1 \"%2\" starts with \"%3\", so a spreadsheet would "
                          "take it for a formula and change it; export keeps it text")
                          .arg(QLatin1String(f.name), shown(f.value), f.value.left(1)));
            else if (&f != &fields[0] && !f.value.isEmpty() && !dialable(f.value.trimmed()))
                raise(v, Verdict::Warning,
                      QCoreApplication::translate("roomverdict",
                                                  "%1 \"%2\" holds characters other than digits")
                          .arg(QLatin1String(f.name), shown(f.value)));
        }
    }

    // Each row of a room names at most three others, so a room on many lines
    // costs as much as the lines.
    constexpr qsizetype kNamed = 3;
    for (auto it = rowsOfRoom.begin(); it != rowsOfRoom.end(); ++it) {
        QList<int>& rows = it.value();
        rows.prepend(int(firstRowOf.find(it.key(), keyAt)));
        const QString& text = file[rows.first()].room.Room;
        const bool padded = std::any_of(rows.cbegin(), rows.cend(),
                                        [&](int j) { return file[j].room.Room != text; });
        for (int i : std::as_const(rows)) {
            QStringList others;
            for (qsizetype k = 0; k < rows.size() && others.size() < kNamed; ++k) {
                const int j = rows[k];
                if (j == i)
                    continue;
                others << (file[j].room.Room == file[i].room.Room
                               ? QString::number(file[j].line)
                               //: A line of the file and the room as written there
                               : QCoreApplication::translate("roomverdict", "%1 as %2")
                                     .arg(QString::number(file[j].line), shown(file[j].room.Room)));
            }
            //: %2 lists the other lines of the file
            QString reason =
                QCoreApplication::translate("roomverdict", "room %1 is also on line %2")
                    .arg(shown(file[i].room.Room), listed(others, rows.size() - 1));
            if (padded)
                reason += QCoreApplication::translate("roomverdict",
                                                      "; the door unit fills each to %1 and takes "
                                                      "them as one room")
                              .arg(shown(it.key().toString()));
            raise(verdicts[i], Verdict::Error, reason);
        }
    }

    // The directory as it will be: the file's rooms, and when merging the
    // rooms the file does not name.
    QList<QString> directoryKeys;
    directoryKeys.reserve(directory.size());
    for (const RoomRecord& r : directory)
        directoryKeys << doorUnitRoomKey(r.Room);
    // The stored rows the door unit takes as each room, in table order: the
    // import writes every one of them, so each is named. The first of a room
    // is held apart from the rest, which are rare.
    QHash<QStringView, const RoomRecord*> presentAs;
    QHash<QStringView, QList<const RoomRecord*>> alsoAs;
    presentAs.reserve(directory.size());
    for (qsizetype i = 0; i < directory.size(); ++i) {
        if (!presentAs.contains(directoryKeys[i]))
            presentAs.insert(directoryKeys[i], &directory[i]);
        else
            alsoAs[directoryKeys[i]] << &directory[i];
    }
    // A room as the door unit sees it, and as it is written.
    using NamedRoom = std::pair<QStringView, QStringView>;
    struct Sharing
    {
        QList<NamedRoom> rooms;
        QSet<QStringView> keys;
    };
    // Rooms are numbered in one sequence: the file's rows, then the
    // directory's, so that the hash of 300,000 numbers holds an index each.
    auto named = [&](qsizetype at) {
        return at < file.size()
                   ? NamedRoom(keys[at], file[at].room.Room)
                   : NamedRoom(directoryKeys[at - file.size()], directory[at - file.size()].Room);
    };
    auto recordAt = [&](qsizetype at) -> const RoomRecord& {
        return at < file.size() ? file[at].room : directory[at - file.size()];
    };
    auto numberAt = [&](qsizetype place) -> const QString& {
        const RoomRecord& r = recordAt(place / 3);
        return place % 3 == 0 ? r.TEL1 : place % 3 == 1 ? r.TEL2 : r.TEL3;
    };
    FirstPlaces firstPlaces(3 * (file.size() + (replace ? 0 : directory.size())));
    QHash<QStringView, Sharing> roomsOfNumber; // numbers of more than one room only
    auto noteNumbers = [&](qsizetype at) {
        const RoomRecord& r = recordAt(at);
        const NamedRoom room = named(at);
        const QString* numbers[] = {&r.TEL1, &r.TEL2, &r.TEL3};
        for (qsizetype k = 0; k < 3; ++k) {
            const QString* n = numbers[k];
            if (n->isEmpty())
                continue;
            const qsizetype first = firstPlaces.first(3 * at + k, *n, numberAt);
            if (first == 3 * at + k)
                continue;
            const NamedRoom earlier = named(first / 3);
            if (earlier.first == room.first)
                continue;
            Sharing& shared = roomsOfNumber[*n];
            if (shared.rooms.isEmpty()) {
                shared.rooms << earlier;
                shared.keys.insert(earlier.first);
            }
            if (!shared.keys.contains(room.first)) {
                shared.rooms << room;
                shared.keys.insert(room.first);
            }
        }
    };
    for (qsizetype i = 0; i < file.size(); ++i)
        noteNumbers(i);
    if (!replace) {
        for (qsizetype i = 0; i < directory.size(); ++i) {
            if (firstRowOf.find(directoryKeys[i], keyAt) < 0)
                noteNumbers(file.size() + i);
        }
    }
    // Neither is asked again; the checks below need the room of shared
    // numbers only.
    firstPlaces = FirstPlaces(0);
    firstRowOf = FirstPlaces(0);

    const LostPrefix prefixes(file, directory);
    for (int i = 0; i < file.size(); ++i) {
        const RoomRecord& r = file[i].room;
        const QStringView key = keys[i];
        RowVerdict& v = verdicts[i];
        const QString* numbers[] = {&r.TEL1, &r.TEL2, &r.TEL3};
        for (int k = 0; k < 3; ++k) {
            const QString& n = *numbers[k];
            if (n.isEmpty())
                continue;
            const char* name = k == 0 ? "TEL1" : k == 1 ? "TEL2" : "TEL3";
            if (const auto shared = roomsOfNumber.constFind(n); shared != roomsOfNumber.cend()) {
                const qsizetype count = shared->rooms.size() - (shared->keys.contains(key) ? 1 : 0);
                QStringList others;
                for (qsizetype j = 0; j < shared->rooms.size() && others.size() < kNamed; ++j) {
                    if (shared->rooms[j].first != key)
                        others << shown(shared->rooms[j].second.toString());
                }
                if (count > 0)
                    raise(v, Verdict::Warning,
                          QCoreApplication::translate("roomverdict",
                                                      "%1 %2 is also a number of room %3")
                              .arg(QLatin1String(name), shown(n), listed(others, count)));
            }
            if (const QChar lost = prefixes.of(n); !lost.isNull())
                raise(
                    v, Verdict::Warning,
                    QCoreApplication::translate(
                        "roomverdict", "%1 %2 looks as if a spreadsheet dropped its leading \"%3\"")
                        .arg(QLatin1String(name), shown(n), lost));
        }
        const RoomRecord* first = presentAs.value(key);
        const QList<const RoomRecord*> more =
            first ? alsoAs.value(key) : QList<const RoomRecord*>();
        for (qsizetype m = first ? -1 : 0; m < more.size(); ++m) {
            const RoomRecord* old = m < 0 ? first : more[m];
            if (old->Room == r.Room) {
                if (!sameNumbers(*old, r))
                    raise(v, Verdict::Warning,
                          QCoreApplication::translate(
                              "roomverdict",
                              "replaces room %1 of the directory, whose numbers are %2")
                              .arg(shown(r.Room), numbersOf(*old)));
                continue;
            }
            raise(
                v, Verdict::Warning,
                (replace ? QCoreApplication::translate(
                               "roomverdict",
                               "room %1 is room %2 of the directory to the door unit (it fills "
                               "both to %3), so this row replaces it; the numbers of %2 are %4")
                         : QCoreApplication::translate(
                               "roomverdict",
                               "room %1 is room %2 of the directory to the door unit (it fills "
                               "both to %3), so the import gives %2 this row's numbers; the "
                               "numbers of %2 are %4"))
                    .arg(shown(r.Room), shown(old->Room), shown(key.toString()), numbersOf(*old)));
        }
    }
    return verdicts;
}

Counts count(const QList<RowVerdict>& verdicts)
{
    Counts c;
    for (const RowVerdict& v : verdicts) {
        switch (v.verdict) {
        case Verdict::Ok:
            ++c.ok;
            break;
        case Verdict::Warning:
            ++c.warnings;
            break;
        case Verdict::Error:
            ++c.errors;
            break;
        }
    }
    return c;
}

QString verdictName(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Ok:
        return QCoreApplication::translate("roomverdict", "ok");
    case Verdict::Warning:
        return QCoreApplication::translate("roomverdict", "warning");
    case Verdict::Error:
        break;
    }
    return QCoreApplication::translate("roomverdict", "error");
}

} // namespace roomverdict
