#include "roomcsv.h"

#include "prefault.h"
#include "visibletext.h"

#include <QScopeGuard>
#include <QVarLengthArray>

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace roomcsv {

namespace {

// Columns kept of a row; more are counted, not kept, so that a line of a
// million separators costs no million values.
constexpr qsizetype kMostColumns = 1024;

// A record as read: the values kept, one after another in text as UTF-8.
struct Record
{
    int line = 0;
    QByteArray text;
    QVarLengthArray<qsizetype, 8> ends; // where each kept value ends in text
    qsizetype values = 0;
    qsizetype used = 0; // values up to the last that is not empty
    bool unclosed = false;

    // Ends the value that starts at begin in text.
    void add(qsizetype begin)
    {
        const bool empty = text.size() == begin;
        if (ends.size() < kMostColumns)
            ends.append(text.size());
        else
            text.truncate(begin);
        ++values;
        if (!empty)
            used = values;
    }
    qsizetype kept() const { return ends.size(); }
    QByteArrayView field(qsizetype i) const
    {
        const qsizetype begin = i == 0 ? 0 : ends[i - 1];
        return QByteArrayView(text).sliced(begin, ends[i] - begin);
    }
    void restart(int at)
    {
        line = at;
        text.truncate(0);
        ends.clear();
        values = 0;
        used = 0;
        unclosed = false;
    }
};

// The separator the first line uses more of, quoted text not counted.
QChar detectSeparator(QByteArrayView text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == '\n' || c == '\r')
            break;
        else if (c == ',')
            ++commas;
        else if (c == ';')
            ++semicolons;
    }
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

// Hands each record of text, UTF-8, to take, at most most of them, and stops
// early when take returns false; separators, quotes and line ends are ASCII,
// so they are never part of a longer character. True when text holds more
// records than most.
template <typename Take> bool split(QByteArrayView text, char separator, qsizetype most, Take take)
{
    Record record;
    record.line = 1;
    record.text.reserve(256);
    qsizetype records = 0;
    qsizetype begin = 0; // where the value being read starts in record.text
    int line = 1;
    bool quoted = false;
    bool any = false; // the record has begun (a field or a separator seen)
    bool going = true;
    const qsizetype n = text.size();
    const char* const data = text.data();
    auto endRecord = [&] {
        if (any || record.text.size() > begin) {
            record.add(begin);
            ++records;
            going = take(std::as_const(record));
        }
        record.restart(line);
        begin = 0;
        any = false;
    };
    for (qsizetype i = 0; i < n && going; ++i) {
        if (records == most)
            return !QString::fromUtf8(text.sliced(i)).trimmed().isEmpty();
        const char c = data[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < n && data[i + 1] == '"') {
                    record.text += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                // The rest of the quoted text up to the next quote in one piece.
                const void* quote = std::memchr(data + i, '"', size_t(n - i));
                const qsizetype end = quote ? static_cast<const char*>(quote) - data : n;
                const QByteArrayView piece = text.sliced(i, end - i);
                line += int(std::count(piece.begin(), piece.end(), '\n'));
                record.text += piece;
                i = end - 1;
            }
            continue;
        }
        if (c == '"' && record.text.size() == begin) {
            quoted = true;
            any = true;
        } else if (c == separator) {
            record.add(begin);
            begin = record.text.size();
            any = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < n && data[i + 1] == '\n')
                ++i;
            ++line;
            endRecord();
        } else {
            // The rest of an unquoted value in one piece.
            qsizetype end = i + 1;
            while (end < n) {
                const char e = data[end];
                if (e == separator || e == '\r' || e == '\n')
                    break;
                ++end;
            }
            record.text += text.sliced(i, end - i);
            i = end - 1;
            any = true;
        }
    }
    if (!going)
        return false;
    if (quoted)
        record.unclosed = true;
    endRecord();
    return false;
}

// Values made from a file's UTF-8: texts of their own, or views into one
// text sized for the whole file, which is never moved.
class Texts
{
public:
    Texts(Values kind, QString& storage, qsizetype most)
    {
        if (kind == Values::Viewed) {
            storage.resize(most);
            prefault(storage.data(), size_t(most) * sizeof(QChar));
            m_at = storage.data();
            m_end = m_at + most;
        }
    }

    QString operator()(QByteArrayView utf8)
    {
        if (utf8.isEmpty())
            return {};
        if (!m_at)
            return QString::fromUtf8(utf8);
        QChar* const start = m_at;
        if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return uchar(c) < 0x80; })) {
            for (const char c : utf8)
                *m_at++ = QLatin1Char(c);
        } else {
            const QString text = QString::fromUtf8(utf8);
            m_at = std::copy(text.cbegin(), text.cend(), m_at);
        }
        Q_ASSERT(m_at <= m_end);
        return QString::fromRawData(start, m_at - start);
    }

private:
    QChar* m_at = nullptr;
    QChar* m_end = nullptr;
};

// The text inside ="...", or the value itself when it is not of that form.
QString formulaText(const QString& value)
{
    if (value.size() < 3 || !value.startsWith(QStringLiteral("=\"")) ||
        !value.endsWith(QLatin1Char('"')))
        return value;
    QString text;
    const qsizetype end = value.size() - 1;
    for (qsizetype i = 2; i < end; ++i) {
        if (value[i] == QLatin1Char('"')) {
            if (i + 1 >= end || value[i + 1] != QLatin1Char('"'))
                return value;
            ++i;
        }
        text += value[i];
    }
    return text;
}

// The names a header gives Room, TEL1, TEL2, TEL3, in that order.
std::array<QString, 4> columnNames()
{
    return {QStringLiteral("room"), QStringLiteral("tel1"), QStringLiteral("tel2"),
            QStringLiteral("tel3")};
}

// A header names at least one of the columns understood.
bool namesAColumn(const QStringList& fields)
{
    const std::array<QString, 4> names = columnNames();
    bool header = false;
    for (const QString& f : fields)
        header =
            header || std::find(names.begin(), names.end(), f.trimmed().toLower()) != names.end();
    return header;
}

// Which value of a record goes to Room, TEL1, TEL2, TEL3, as the header names them.
Outcome headerColumns(const QStringList& fields, CsvFile& file, std::array<int, 4>& columnOf)
{
    const std::array<QString, 4> names = columnNames();
    columnOf.fill(-1);
    for (int i = 0; i < fields.size(); ++i) {
        const QString name = fields[i].trimmed().toLower();
        const auto known = std::find(names.begin(), names.end(), name);
        if (known == names.end()) {
            if (!name.isEmpty())
                file.ignoredColumns << shown(fields[i].trimmed());
            continue;
        }
        int& column = columnOf[size_t(known - names.begin())];
        if (column >= 0)
            return Outcome::failure(
                QCoreApplication::translate("roomcsv", "The header row names the column %1 twice.")
                    .arg(shown(fields[i].trimmed())));
        column = i;
    }
    if (columnOf[0] < 0)
        return Outcome::failure(QCoreApplication::translate(
            "roomcsv", "The header row names no Room column. Name the columns Room, TEL1, "
                       "TEL2 and TEL3, or leave the header out and keep them in that order."));
    return Outcome::success();
}

// A first line naming none of the columns understood is refused, not taken as a room.
Outcome notOtherHeader(const QStringList& fields, QChar separator)
{
    // Letters where the room and every number stand (more of them than
    // digits): a header naming other columns, not a room.
    const auto hasLetter = [](const QString& f) {
        return std::count_if(f.cbegin(), f.cend(), [](QChar c) { return c.isLetter(); }) >
               std::count_if(f.cbegin(), f.cend(), [](QChar c) { return c.isDigit(); });
    };
    const bool numbers =
        std::any_of(fields.cbegin() + std::min<qsizetype>(1, fields.size()), fields.cend(),
                    [](const QString& f) { return !f.trimmed().isEmpty(); });
    if (numbers && std::all_of(fields.cbegin(), fields.cend(), [&](const QString& f) {
            return f.trimmed().isEmpty() ? &f != &fields.first() : hasLetter(f);
        }))
        return Outcome::failure(
            QCoreApplication::translate(
                "roomcsv", "The first line (%1) is a header, but names none of the columns "
                           "understood: Room, TEL1, TEL2 and TEL3. Name the columns so, or leave "
                           "the header out and keep them in that order.")
                .arg(shown(fields.join(separator))));
    return Outcome::success();
}

} // namespace

namespace {

// Rows are handed on this many at a time: a lock and a wake-up each.
constexpr qsizetype kHandedTogether = 1024;

Outcome readRows(const QByteArray& bytes, CsvFile& file, Values kind, RowsSoFar* soFar)
{
    file = CsvFile();
    QByteArrayView body(bytes);
    // A second mark after the first is dropped as well, as a decoder does.
    for (int k = 0; k < 2 && body.startsWith(kBom); ++k)
        body = body.sliced(kBom.size());
    // UTF-16 without its mark is valid UTF-8 to the letter, a zero byte beside
    // every character; no room list holds a zero byte.
    if (!body.isValidUtf8() || body.contains('\0'))
        return Outcome::failure(QCoreApplication::translate(
            "roomcsv", "The file is not UTF-8 text. Save it from the spreadsheet as "
                       "\"CSV UTF-8\" and try again."));
    file.separator = detectSeparator(body);
    // A value has no more UTF-16 units than bytes, so the whole file fits.
    Texts value(kind, file.storage, body.size());
    const qsizetype lines = std::count(body.begin(), body.end(), '\n') + 1;
    file.rows.reserve(std::min<qsizetype>(lines, kMostRows + 1));
    prefault(file.rows.data(), size_t(file.rows.capacity()) * sizeof(CsvRow));
    // Rows are handed on as they are read only when they can neither be more
    // than the room made for them nor too many, so none moves or goes.
    const bool handOn = soFar && lines <= kMostRows;

    // Which value of a record goes to Room, TEL1, TEL2, TEL3.
    std::array<int, 4> columnOf{0, 1, 2, 3};
    int width = 4;
    bool first = true;
    Outcome refused = Outcome::success();
    auto take = [&](const Record& record) {
        if (std::exchange(first, false)) {
            QStringList fields;
            for (qsizetype i = 0; i < record.kept(); ++i)
                fields << QString::fromUtf8(record.field(i));
            if (namesAColumn(fields)) {
                refused = headerColumns(fields, file, columnOf);
                if (!refused)
                    return false;
                width = int(record.values);
                file.hasHeader = true;
                return true;
            }
            refused = notOtherHeader(fields, file.separator);
            if (!refused)
                return false;
        }
        if (record.used == 0)
            return true;
        CsvRow& row = file.rows.emplace_back();
        row.line = record.line;
        QString* targets[4] = {&row.room.Room, &row.room.TEL1, &row.room.TEL2, &row.room.TEL3};
        for (size_t k = 0; k < 4; ++k) {
            if (columnOf[k] >= 0 && columnOf[k] < record.kept())
                *targets[k] = formulaText(value(record.field(columnOf[k])));
        }
        if (record.unclosed)
            row.problem = QCoreApplication::translate("roomcsv", "a quoted value is never closed");
        else if (record.used > width)
            row.problem = QCoreApplication::translate(
                              "roomcsv", "it has %1 values; a row holds Room, TEL1, TEL2 and TEL3")
                              .arg(record.used);
        if (handOn && file.rows.size() % kHandedTogether == 0)
            soFar->add(file.rows.size());
        return true;
    };
    // One record more than the rows taken: the header, if there is one.
    const bool more = split(body, char(file.separator.unicode()), kMostRows + 1, take);
    if (!refused) {
        file.rows.clear();
        return refused;
    }
    if (more || file.rows.size() > kMostRows) {
        file = CsvFile();
        return Outcome::failure(
            QCoreApplication::translate(
                "roomcsv", "The file holds more than %1 rows. A room list is far shorter, so "
                           "nothing was imported. Choose the room list saved from the "
                           "spreadsheet.")
                .arg(kMostRows));
    }
    return Outcome::success();
}

} // namespace

Outcome read(const QByteArray& bytes, CsvFile& file, Values kind, RowsSoFar* soFar)
{
    // Whatever the reading comes to, the taker hears its end, also when it
    // is cut short; a failure hands on no rows.
    auto cutShort = qScopeGuard([soFar] {
        if (soFar)
            soFar->end(0, false);
    });
    Outcome outcome = readRows(bytes, file, kind, soFar);
    cutShort.dismiss();
    if (soFar)
        soFar->end(outcome ? file.rows.size() : 0, outcome.ok());
    return outcome;
}

QString shown(const QString& value)
{
    constexpr qsizetype kShown = 40;
    if (value.size() <= kShown)
        return visibleText(value);
    qsizetype cut = kShown;
    if (value[cut - 1].isHighSurrogate())
        --cut;
    return visibleText(value.left(cut)) + QChar(0x2026);
}

} // namespace roomcsv
