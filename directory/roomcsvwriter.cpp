#include "roomcsv.h"

#include <algorithm>

// Writing room lists: the values quoted, so a spreadsheet keeps leading
// zeros and signs, and a value it would take for a formula kept as text.
namespace roomcsv {

namespace {

// The character's code, whether it comes as UTF-16 or as a byte of UTF-8.
uint code(QChar c)
{
    return c.unicode();
}
uint code(char c)
{
    return uchar(c);
}

// Whether a spreadsheet would take the value for a formula: "=" or "@"
// first, or "+" or "-" followed by anything but digits; a tab, a line break or
// a space before them is passed over, as a spreadsheet passes over them.
template <typename Text> bool formulaLike(const Text& value)
{
    qsizetype at = 0;
    while (at < value.size() && (code(value[at]) == '\t' || code(value[at]) == '\r' ||
                                 code(value[at]) == '\n' || code(value[at]) == ' '))
        ++at;
    if (at == value.size())
        return false;
    const uint first = code(value[at]);
    if (first == '=' || first == '@')
        return true;
    if ((first != '+' && first != '-') || value.size() == at + 1)
        return false;
    return !std::all_of(value.begin() + at + 1, value.end(),
                        [](auto c) { return code(c) >= '0' && code(c) <= '9'; });
}

QString doubledQuotes(const QString& value)
{
    return QLatin1Char('"') + QString(value).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// The value in double quotes, a quote inside it doubled, and a value a
// spreadsheet would take as a formula as ="...", in UTF-8, added to csv.
void appendQuoted(QByteArray& csv, const QString& value)
{
    if (value.isEmpty())
        return;
    const QString text = looksLikeFormula(value) ? QLatin1Char('=') + doubledQuotes(value) : value;
    csv += '"' + text.toUtf8().replace('"', QByteArrayLiteral("\"\"")) + '"';
}

// Whether the value is written as ASCII between quotes, without more ado.
bool plain(const QString& value)
{
    return std::all_of(value.cbegin(), value.cend(), [](QChar c) { return c.unicode() < 0x80; }) &&
           !looksLikeFormula(value);
}

// The same for a plain value, at out, which has room for twice its length
// and two: the end of what was written.
char* writeQuoted(char* out, const QString& value)
{
    if (value.isEmpty())
        return out;
    *out++ = '"';
    for (const QChar c : value) {
        *out++ = char(c.unicode());
        if (c == QLatin1Char('"'))
            *out++ = '"';
    }
    *out++ = '"';
    return out;
}

} // namespace

QByteArray header()
{
    return kBom + QByteArrayLiteral("Room,TEL1,TEL2,TEL3\r\n");
}

void appendRow(QByteArray& csv, const RoomRecord& room)
{
    const QString* values[] = {&room.Room, &room.TEL1, &room.TEL2, &room.TEL3};
    qsizetype most = 5; // the commas and the line end
    bool simple = true;
    for (const QString* value : values) {
        most += 2 * value->size() + 2;
        simple = simple && plain(*value);
    }
    if (!simple) {
        for (const QString* value : values) {
            if (value != values[0])
                csv += ',';
            appendQuoted(csv, *value);
        }
        csv += "\r\n";
        return;
    }
    // Written in place: a directory of 100,000 rooms has 400,000 values.
    const qsizetype at = csv.size();
    csv.resize(at + most);
    char* out = csv.data() + at;
    for (const QString* value : values) {
        if (value != values[0])
            *out++ = ',';
        out = writeQuoted(out, *value);
    }
    *out++ = '\r';
    *out++ = '\n';
    csv.truncate(out - csv.constData());
}

void appendRow(QByteArray& csv, const std::array<QByteArrayView, 4>& utf8)
{
    // ASCII that no spreadsheet takes for a formula is written as it is;
    // anything else as its text.
    auto simple = [](QByteArrayView value) {
        return std::all_of(value.begin(), value.end(), [](char c) { return uchar(c) < 0x80; }) &&
               !formulaLike(value);
    };
    if (!std::all_of(utf8.begin(), utf8.end(), simple)) {
        appendRow(csv, RoomRecord{QString::fromUtf8(utf8[0]), QString::fromUtf8(utf8[1]),
                                  QString::fromUtf8(utf8[2]), QString::fromUtf8(utf8[3])});
        return;
    }
    qsizetype most = 5; // the commas and the line end
    for (const QByteArrayView value : utf8)
        most += 2 * value.size() + 2;
    const qsizetype at = csv.size();
    csv.resize(at + most);
    char* out = csv.data() + at;
    for (size_t k = 0; k < utf8.size(); ++k) {
        if (k > 0)
            *out++ = ',';
        if (utf8[k].isEmpty())
            continue;
        *out++ = '"';
        for (const char c : utf8[k]) {
            *out++ = c;
            if (c == '"')
                *out++ = '"';
        }
        *out++ = '"';
    }
    *out++ = '\r';
    *out++ = '\n';
    csv.truncate(out - csv.constData());
}

QByteArray write(const QList<RoomRecord>& rooms)
{
    QByteArray csv = header();
    csv.reserve(csv.size() + rooms.size() * 48);
    for (const RoomRecord& r : rooms)
        appendRow(csv, r);
    return csv;
}

bool looksLikeFormula(const QString& value)
{
    return formulaLike(value);
}

} // namespace roomcsv
