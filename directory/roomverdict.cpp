#include "roomverdict.h"

#include "schema.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace roomverdict {

namespace {

// The door unit's protocol ends fields, records, batches and the directory
// with these, so a value holding one would cut the record apart.
const QString kMarkers = QStringLiteral("$@#,.");

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
    const int length = schema::characterCount(field.value);
    if (length > field.width)
        return QStringLiteral("%1 \"%2\" is %3 characters long; the door unit takes at most %4")
            .arg(QLatin1String(field.name), field.value)
            .arg(length)
            .arg(field.width);
    for (const char32_t c : field.value.toUcs4()) {
        if (c < 0x20 || c == 0x7F)
            return QStringLiteral("%1 holds a control character (U+%2), which the door unit "
                                  "cannot take")
                .arg(QLatin1String(field.name))
                .arg(uint(c), 4, 16, QLatin1Char('0'));
        if (c > 0x7E)
            return QStringLiteral("%1 holds \"%2\", which is not ASCII; the door unit takes only "
                                  "ASCII letters, digits and signs")
                .arg(QLatin1String(field.name), QString::fromUcs4(&c, 1));
        if (kMarkers.contains(QChar(c)))
            return QStringLiteral("%1 holds \"%2\", which the door unit reads as a field end "
                                  "marker")
                .arg(QLatin1String(field.name), QChar(c));
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

QString roomList(const QStringList& rooms)
{
    if (rooms.size() <= 3)
        return rooms.join(QStringLiteral(", "));
    return QStringLiteral("%1 and %2 more")
        .arg(rooms.mid(0, 3).join(QStringLiteral(", ")))
        .arg(rooms.size() - 3);
}

QString numbersOf(const RoomRecord& r)
{
    QStringList numbers;
    for (const QString* n : {&r.TEL1, &r.TEL2, &r.TEL3})
        numbers << (n->isEmpty() ? QStringLiteral("-") : *n);
    return numbers.join(QStringLiteral(", "));
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
        QHash<QPair<QChar, qsizetype>, int> forms;
        auto see = [&](const RoomRecord& r) {
            for (const QString* n : {&r.TEL1, &r.TEL2, &r.TEL3}) {
                if (n->isEmpty())
                    continue;
                m_numbers.insert(*n);
                const QChar first = n->at(0);
                const bool marked = first == QLatin1Char('0') || first == QLatin1Char('+');
                ++forms[{dialable(*n) ? (marked ? first : QLatin1Char('1')) : QLatin1Char('x'),
                         n->size()}];
            }
        };
        for (const roomcsv::CsvRow& row : file)
            see(row.room);
        for (const RoomRecord& r : directory)
            see(r);
        int best = 0;
        for (auto it = forms.cbegin(); it != forms.cend(); ++it) {
            if (it.value() > best) {
                best = it.value();
                m_prefix = it.key().first;
                m_length = it.key().second;
            }
        }
        if (best < 2 || (m_prefix != QLatin1Char('0') && m_prefix != QLatin1Char('+')))
            m_prefix = QChar();
    }

    // The prefix the number seems to have lost, or a null QChar.
    QChar of(const QString& n) const
    {
        if (!allDigits(n) || n[0] == QLatin1Char('0'))
            return {};
        for (const QChar prefix : {QLatin1Char('0'), QLatin1Char('+')}) {
            if (m_numbers.contains(prefix + n))
                return prefix;
        }
        return n.size() == m_length - 1 ? m_prefix : QChar();
    }

private:
    QSet<QString> m_numbers;
    QChar m_prefix;
    qsizetype m_length = 0;
};

} // namespace

QList<RowVerdict> judge(const QList<roomcsv::CsvRow>& file, const QList<RoomRecord>& directory,
                        bool replace)
{
    QList<RowVerdict> verdicts(file.size());
    QHash<QString, QList<int>> rowsOfRoom;
    for (int i = 0; i < file.size(); ++i) {
        const roomcsv::CsvRow& row = file[i];
        RowVerdict& v = verdicts[i];
        if (!row.problem.isEmpty())
            raise(v, Verdict::Error, row.problem);
        if (row.room.Room.isEmpty())
            raise(v, Verdict::Error, QStringLiteral("the room is empty"));
        else
            rowsOfRoom[row.room.Room] << i;
        const Field fields[] = {{"Room", row.room.Room, schema::kRoomWidth},
                                {"TEL1", row.room.TEL1, schema::kTelephoneWidth},
                                {"TEL2", row.room.TEL2, schema::kTelephoneWidth},
                                {"TEL3", row.room.TEL3, schema::kTelephoneWidth}};
        for (const Field& f : fields) {
            if (const QString why = refusal(f); !why.isEmpty())
                raise(v, Verdict::Error, why);
            else if (&f != &fields[0] && !f.value.isEmpty() && !dialable(f.value))
                raise(v, Verdict::Warning,
                      QStringLiteral("%1 \"%2\" holds characters other than digits")
                          .arg(QLatin1String(f.name), f.value));
        }
    }

    for (auto it = rowsOfRoom.cbegin(); it != rowsOfRoom.cend(); ++it) {
        if (it.value().size() < 2)
            continue;
        for (int i : it.value()) {
            QStringList others;
            for (int j : it.value()) {
                if (j != i)
                    others << QString::number(file[j].line);
            }
            raise(verdicts[i], Verdict::Error,
                  QStringLiteral("room %1 is also on line %2")
                      .arg(it.key(), others.join(QStringLiteral(", "))));
        }
    }

    // The directory as it will be: the file's rooms, and when merging the
    // rooms the file does not name.
    QHash<QString, const RoomRecord*> present;
    for (const RoomRecord& r : directory)
        present.insert(r.Room, &r); // a room stored twice: the last one counts
    QHash<QString, QStringList> roomsOfNumber;
    auto noteNumbers = [&](const RoomRecord& r) {
        for (const QString* n : {&r.TEL1, &r.TEL2, &r.TEL3}) {
            if (n->isEmpty())
                continue;
            QStringList& rooms = roomsOfNumber[*n];
            if (rooms.isEmpty() || rooms.last() != r.Room)
                rooms << r.Room;
        }
    };
    for (const roomcsv::CsvRow& row : file)
        noteNumbers(row.room);
    if (!replace) {
        for (const RoomRecord& r : directory) {
            if (!rowsOfRoom.contains(r.Room))
                noteNumbers(r);
        }
    }

    const LostPrefix prefixes(file, directory);
    for (int i = 0; i < file.size(); ++i) {
        const RoomRecord& r = file[i].room;
        RowVerdict& v = verdicts[i];
        const QString* numbers[] = {&r.TEL1, &r.TEL2, &r.TEL3};
        for (int k = 0; k < 3; ++k) {
            const QString& n = *numbers[k];
            if (n.isEmpty())
                continue;
            const char* name = k == 0 ? "TEL1" : k == 1 ? "TEL2" : "TEL3";
            QStringList others = roomsOfNumber.value(n);
            others.removeAll(r.Room);
            if (!others.isEmpty())
                raise(v, Verdict::Warning,
                      QStringLiteral("%1 %2 is also a number of room %3")
                          .arg(QLatin1String(name), n, roomList(others)));
            if (const QChar lost = prefixes.of(n); !lost.isNull())
                raise(v, Verdict::Warning,
                      QStringLiteral("%1 %2 looks as if a spreadsheet dropped its leading \"%3\"")
                          .arg(QLatin1String(name), n, lost));
        }
        if (const RoomRecord* old = present.value(r.Room); old && *old != r)
            raise(v, Verdict::Warning,
                  QStringLiteral("replaces room %1 of the directory, whose numbers are %2")
                      .arg(r.Room, numbersOf(*old)));
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
        return QStringLiteral("ok");
    case Verdict::Warning:
        return QStringLiteral("warning");
    case Verdict::Error:
        break;
    }
    return QStringLiteral("error");
}

} // namespace roomverdict
