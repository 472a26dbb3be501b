#include "roomverdict.h"

#include "roomverdictclues.h"

#include "prefault.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <vector>

namespace roomverdict {

namespace {

void raise(RowVerdict& row, Verdict verdict, const QString& reason)
{
    row.verdict = std::max(row.verdict, verdict);
    row.reasons << reason;
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
    for (const QString* n : telephones(r))
        numbers << (n->isEmpty() ? QStringLiteral("-") : roomcsv::shown(*n));
    return numbers.join(QStringLiteral(", "));
}

bool sameNumbers(const RoomRecord& a, const RoomRecord& b)
{
    return a.TEL1 == b.TEL1 && a.TEL2 == b.TEL2 && a.TEL3 == b.TEL3;
}

using roomcsv::shown;

// Each row of a room, or each room of a number, names at most three others.
constexpr qsizetype kNamed = 3;

// A room as the door unit sees it, and as it is written.
using NamedRoom = std::pair<QStringView, QStringView>;

// The rooms that share a number, each once.
struct Sharing
{
    QList<NamedRoom> rooms;
    QSet<QStringView> keys;
};

// One judging of a file against the directory. Rooms are compared as the
// door unit sees them, so "101" and "0101" are one room. The hashes hold
// views of the keys and of the file's own texts, which outlive them.
class Judge
{
public:
    Judge(const QList<roomcsv::CsvRow>& file, const QList<RoomRecord>& directory, bool replace)
        : m_file(file), m_directory(directory), m_replace(replace), m_firstRowOf(file.size())
    {
        m_verdicts.reserve(file.size());
        prefault(m_verdicts.data(), size_t(file.size()) * sizeof(RowVerdict));
        m_verdicts.resize(file.size());
    }

    QList<RowVerdict> verdicts()
    {
        judgeFields();
        judgeRepeatedRooms();
        noteDirectory();
        noteSharedNumbers();
        const LostPrefix prefixes(m_file, m_directory);
        for (int i = 0; i < m_file.size(); ++i) {
            judgeNumbers(i, prefixes);
            judgeReplaced(i);
        }
        return m_verdicts;
    }

private:
    // Rooms are keyed by views of their own texts, found when asked: a key
    // made or kept for each of 100,000 rows would cost as much as the rows.
    QStringView keyAt(qsizetype row) const { return unitRoomText(m_file[row].room.Room); }
    QStringView directoryKeyAt(qsizetype i) const { return unitRoomText(m_directory[i].Room); }
    auto keyOfRow() const
    {
        return [this](qsizetype row) { return keyAt(row); };
    }

    // What each field holds, row by row; the first row of each room is noted.
    void judgeFields()
    {
        for (int i = 0; i < m_file.size(); ++i) {
            const roomcsv::CsvRow& row = m_file[i];
            RowVerdict& v = m_verdicts[i];
            if (!row.problem.isEmpty())
                raise(v, Verdict::Error, row.problem);
            if (row.room.Room.isEmpty())
                raise(v, Verdict::Error,
                      QCoreApplication::translate("roomverdict", "the room is empty"));
            else if (m_firstRowOf.first(i, keyAt(i), keyOfRow()) != i)
                m_rowsOfRoom[keyAt(i)] << i;
            for (const doorunit::Field& f : doorunit::kFields)
                judgeField(v, f, row.room.*f.value);
        }
    }

    static void judgeField(RowVerdict& v, const doorunit::Field& f, const QString& value)
    {
        const bool room = f.value == &RoomRecord::Room;
        if (const QStringList why = doorunit::fieldProblems(f, value, shown(value));
            !why.isEmpty()) {
            for (const QString& reason : why)
                raise(v, Verdict::Error, reason);
            return;
        }
        if (value.startsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char(' ')))
            raise(v, Verdict::Warning,
                  (room ? QCoreApplication::translate(
                              "roomverdict", "%1 \"%2\" has blanks around it, which the door "
                                             "unit gets as part of the room")
                        : QCoreApplication::translate(
                              "roomverdict", "%1 \"%2\" has blanks around it, which the door "
                                             "unit gets as part of the number"))
                      .arg(QLatin1String(f.name), shown(value)));
        if (roomcsv::looksLikeFormula(value))
            raise(v, Verdict::Warning,
                  QCoreApplication::translate(
                      "roomverdict", "%1 \"%2\" starts with \"%3\", so a spreadsheet would "
                                     "take it for a formula and change it; export keeps it text")
                      .arg(QLatin1String(f.name), shown(value), value.left(1)));
        else if (!room && !value.isEmpty() && !dialable(value.trimmed()))
            raise(v, Verdict::Warning,
                  QCoreApplication::translate("roomverdict",
                                              "%1 \"%2\" holds characters other than digits")
                      .arg(QLatin1String(f.name), shown(value)));
    }

    // A room on several lines is an error on each; a room on many lines costs
    // as much as the lines.
    void judgeRepeatedRooms()
    {
        for (auto it = m_rowsOfRoom.begin(); it != m_rowsOfRoom.end(); ++it) {
            QList<int>& rows = it.value();
            rows.prepend(int(m_firstRowOf.find(it.key(), keyOfRow())));
            const QString& text = m_file[rows.first()].room.Room;
            const bool padded = std::any_of(rows.cbegin(), rows.cend(),
                                            [&](int j) { return m_file[j].room.Room != text; });
            for (int i : std::as_const(rows)) {
                QStringList others;
                for (qsizetype k = 0; k < rows.size() && others.size() < kNamed; ++k) {
                    const int j = rows[k];
                    if (j == i)
                        continue;
                    others << (m_file[j].room.Room == m_file[i].room.Room
                                   ? QString::number(m_file[j].line)
                                   //: A line of the file and the room as written there
                                   : QCoreApplication::translate("roomverdict", "%1 as %2")
                                         .arg(QString::number(m_file[j].line),
                                              shown(m_file[j].room.Room)));
                }
                //: %2 lists the other lines of the file
                QString reason =
                    QCoreApplication::translate("roomverdict", "room %1 is also on line %2")
                        .arg(shown(m_file[i].room.Room), listed(others, rows.size() - 1));
                if (padded)
                    reason += QCoreApplication::translate("roomverdict",
                                                          "; the door unit fills each to %1 and "
                                                          "takes them as one room")
                                  .arg(shown(doorUnitRoomKey(text)));
                raise(m_verdicts[i], Verdict::Error, reason);
            }
        }
    }

    // The stored rows the door unit takes as each room, in table order: the
    // import writes every one of them, so each is named. The first of a room
    // is held apart from the rest, which are rare.
    void noteDirectory()
    {
        m_presentAs.reserve(m_directory.size());
        for (qsizetype i = 0; i < m_directory.size(); ++i) {
            if (!m_presentAs.contains(directoryKeyAt(i)))
                m_presentAs.insert(directoryKeyAt(i), &m_directory[i]);
            else
                m_alsoAs[directoryKeyAt(i)] << &m_directory[i];
        }
    }

    // Rooms are numbered in one sequence: the file's rows, then the
    // directory's, so that the hash of 300,000 numbers holds an index each.
    NamedRoom named(qsizetype at) const
    {
        return at < m_file.size() ? NamedRoom(keyAt(at), m_file[at].room.Room)
                                  : NamedRoom(directoryKeyAt(at - m_file.size()),
                                              m_directory[at - m_file.size()].Room);
    }
    const RoomRecord& recordAt(qsizetype at) const
    {
        return at < m_file.size() ? m_file[at].room : m_directory[at - m_file.size()];
    }

    // The numbers of more than one room in the directory as it will be: the
    // file's rooms, and when merging the rooms the file does not name.
    void noteSharedNumbers()
    {
        const auto numberAt = [this](qsizetype place) -> const QString& {
            return *telephones(recordAt(place / 3))[size_t(place % 3)];
        };
        // Merging, the directory's rooms the file does not name keep their
        // numbers. The table of the file's rooms is not asked again after
        // that, so it goes before the larger one of the numbers is made.
        std::vector<bool> kept(m_replace ? 0 : size_t(m_directory.size()));
        for (size_t i = 0; i < kept.size(); ++i)
            kept[i] = m_firstRowOf.find(directoryKeyAt(qsizetype(i)), keyOfRow()) < 0;
        m_firstRowOf = FirstPlaces(0);
        FirstPlaces firstPlaces(3 * (m_file.size() + (m_replace ? 0 : m_directory.size())));
        const auto noteNumbers = [&](qsizetype at) {
            const NamedRoom room = named(at);
            const auto numbers = telephones(recordAt(at));
            for (qsizetype k = 0; k < 3; ++k) {
                const QString* n = numbers[size_t(k)];
                if (n->isEmpty())
                    continue;
                const qsizetype first = firstPlaces.first(3 * at + k, *n, numberAt);
                if (first == 3 * at + k)
                    continue;
                const NamedRoom earlier = named(first / 3);
                if (earlier.first == room.first)
                    continue;
                Sharing& shared = m_roomsOfNumber[*n];
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
        for (qsizetype i = 0; i < m_file.size(); ++i)
            noteNumbers(i);
        for (size_t i = 0; i < kept.size(); ++i) {
            if (kept[i])
                noteNumbers(m_file.size() + qsizetype(i));
        }
    }

    // A number another room has too, or one that seems to have lost its prefix.
    void judgeNumbers(int i, const LostPrefix& prefixes)
    {
        const QStringView key = keyAt(i);
        RowVerdict& v = m_verdicts[i];
        const auto numbers = telephones(m_file[i].room);
        for (size_t k = 0; k < numbers.size(); ++k) {
            const QString& n = *numbers[k];
            if (n.isEmpty())
                continue;
            const QLatin1String name(doorunit::kTelephoneFields[k].name);
            if (const auto shared = m_roomsOfNumber.constFind(n);
                shared != m_roomsOfNumber.cend()) {
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
                              .arg(name, shown(n), listed(others, count)));
            }
            if (const QChar lost = prefixes.of(n); !lost.isNull())
                raise(
                    v, Verdict::Warning,
                    QCoreApplication::translate(
                        "roomverdict", "%1 %2 looks as if a spreadsheet dropped its leading \"%3\"")
                        .arg(name, shown(n), lost));
        }
    }

    // The rooms of the directory the row takes the place of.
    void judgeReplaced(int i)
    {
        const RoomRecord& r = m_file[i].room;
        const QStringView key = keyAt(i);
        RowVerdict& v = m_verdicts[i];
        const RoomRecord* first = m_presentAs.value(key);
        const QList<const RoomRecord*> more =
            first ? m_alsoAs.value(key) : QList<const RoomRecord*>();
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
            raise(v, Verdict::Warning,
                  (m_replace ? QCoreApplication::translate(
                                   "roomverdict",
                                   "room %1 is room %2 of the directory to the door unit (it fills "
                                   "both to %3), so this row replaces it; the numbers of %2 are %4")
                             : QCoreApplication::translate(
                                   "roomverdict",
                                   "room %1 is room %2 of the directory to the door unit (it fills "
                                   "both to %3), so the import gives %2 this row's numbers; the "
                                   "numbers of %2 are %4"))
                      .arg(shown(r.Room), shown(old->Room), shown(doorUnitRoomKey(r.Room)),
                           numbersOf(*old)));
        }
    }

    const QList<roomcsv::CsvRow>& m_file;
    const QList<RoomRecord>& m_directory;
    const bool m_replace;
    QList<RowVerdict> m_verdicts;
    FirstPlaces m_firstRowOf;
    // Rows of each room: the first in one table, more only when there are
    // any, since a file of 100,000 rooms should not cost 100,000 lists.
    QHash<QStringView, QList<int>> m_rowsOfRoom;
    QHash<QStringView, const RoomRecord*> m_presentAs;
    QHash<QStringView, QList<const RoomRecord*>> m_alsoAs;
    QHash<QStringView, Sharing> m_roomsOfNumber;
};

} // namespace

QList<RowVerdict> judge(const QList<roomcsv::CsvRow>& file, const QList<RoomRecord>& directory,
                        bool replace)
{
    return Judge(file, directory, replace).verdicts();
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
