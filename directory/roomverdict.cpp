#include "roomverdict.h"

#include "schema.h"

#include <QHash>

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

// The usual form of the numbers: the prefix ("0" or "+") and length most of
// them share. A spreadsheet that reads 01234567890 as a number shows
// 1234567890, and +4912345678 as 4912345678; both lose one character. So a
// number of digits only, starting with 1 to 9 and one character shorter than
// the usual form, is taken as such a loss. A form is usual when at least two
// numbers and at least half of all numbers (the file's and the directory's)
// have it; without such evidence nothing is guessed.
struct UsualForm
{
    QChar prefix;
    int length = 0;
};

std::optional<UsualForm> usualForm(const QList<roomcsv::CsvRow>& file,
                                   const QList<RoomRecord>& directory)
{
    QHash<QPair<QChar, int>, int> forms;
    int total = 0;
    auto see = [&](const RoomRecord& r) {
        for (const QString* n : {&r.TEL1, &r.TEL2, &r.TEL3}) {
            if (n->isEmpty())
                continue;
            ++total;
            if (dialable(*n) && (n->at(0) == QLatin1Char('0') || n->at(0) == QLatin1Char('+')))
                ++forms[{n->at(0), int(n->size())}];
        }
    };
    for (const roomcsv::CsvRow& row : file)
        see(row.room);
    for (const RoomRecord& r : directory)
        see(r);
    std::optional<UsualForm> best;
    int bestCount = 0;
    for (auto it = forms.cbegin(); it != forms.cend(); ++it) {
        if (it.value() > bestCount) {
            bestCount = it.value();
            best = UsualForm{it.key().first, it.key().second};
        }
    }
    if (bestCount < 2 || bestCount * 2 < total)
        return std::nullopt;
    return best;
}

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

    const std::optional<UsualForm> usual = usualForm(file, directory);
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
            if (usual && allDigits(n) && n[0] != QLatin1Char('0') &&
                int(n.size()) == usual->length - 1)
                raise(v, Verdict::Warning,
                      usual->prefix == QLatin1Char('0')
                          ? QStringLiteral("%1 %2 looks as if a spreadsheet dropped its leading "
                                           "0 (most numbers here are %3 digits starting with 0)")
                                .arg(QLatin1String(name), n)
                                .arg(usual->length)
                          : QStringLiteral("%1 %2 looks as if a spreadsheet dropped its leading "
                                           "\"+\" (most numbers here start with \"+\")")
                                .arg(QLatin1String(name), n));
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
