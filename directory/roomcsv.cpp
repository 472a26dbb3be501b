#include "roomcsv.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace roomcsv {

namespace {

const QByteArray kBom = QByteArrayLiteral("\xEF\xBB\xBF");

// Columns kept of a row; more are counted, not kept, so that a line of a
// million separators costs no million values.
constexpr qsizetype kMostColumns = 1024;

struct Record
{
    int line = 0;
    QStringList fields;
    qsizetype values = 0;
    qsizetype used = 0; // values up to the last that is not empty
    bool unclosed = false;

    void add(const QString& value)
    {
        if (fields.size() < kMostColumns)
            fields << value;
        ++values;
        if (!value.isEmpty())
            used = values;
    }
};

// The separator the first line uses more of, quoted text not counted.
QChar detectSeparator(const QString& text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            break;
        else if (c == QLatin1Char(','))
            ++commas;
        else if (c == QLatin1Char(';'))
            ++semicolons;
    }
    return semicolons > commas ? QLatin1Char(';') : QLatin1Char(',');
}

// The records of text, at most most of them: more is false when text holds
// no others.
QList<Record> split(const QString& text, QChar separator, qsizetype most, bool& more)
{
    QList<Record> records;
    Record record;
    record.line = 1;
    more = false;
    QString field;
    int line = 1;
    bool quoted = false;
    bool any = false; // the record has begun (a field or a separator seen)
    const qsizetype n = text.size();
    auto endRecord = [&] {
        if (any || !field.isEmpty()) {
            record.add(field);
            records << record;
        }
        field.clear();
        record = Record();
        record.line = line;
        any = false;
    };
    for (qsizetype i = 0; i < n; ++i) {
        if (records.size() == most) {
            more = !QStringView(text).mid(i).trimmed().isEmpty();
            return records;
        }
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                // The rest of the quoted text up to the next quote in one piece.
                qsizetype end = text.indexOf(QLatin1Char('"'), i);
                if (end < 0)
                    end = n;
                const QStringView piece = QStringView(text).mid(i, end - i);
                line += int(piece.count(QLatin1Char('\n')));
                field += piece;
                i = end - 1;
            }
            continue;
        }
        if (c == QLatin1Char('"') && field.isEmpty()) {
            quoted = true;
            any = true;
        } else if (c == separator) {
            record.add(field);
            field.clear();
            any = true;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            ++line;
            endRecord();
        } else {
            // The rest of an unquoted value in one piece.
            qsizetype end = i + 1;
            while (end < n) {
                const QChar e = text[end];
                if (e == separator || e == QLatin1Char('\r') || e == QLatin1Char('\n'))
                    break;
                ++end;
            }
            field += QStringView(text).mid(i, end - i);
            i = end - 1;
            any = true;
        }
    }
    if (quoted)
        record.unclosed = true;
    endRecord();
    return records;
}

QString doubledQuotes(const QString& value)
{
    return QLatin1Char('"') + QString(value).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

QString quotedValue(const QString& value)
{
    if (value.isEmpty())
        return value;
    return doubledQuotes(looksLikeFormula(value) ? QLatin1Char('=') + doubledQuotes(value) : value);
}

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

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1024 * 1024), 'f', 0);
}

} // namespace

Outcome readFile(const QString& path, QByteArray& bytes)
{
    bytes.clear();
    const QString tooLarge = QStringLiteral(
        " A room list is far smaller (100,000 rooms take about 5 MB), so nothing was read. "
        "Choose the room list saved from the spreadsheet.");
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return Outcome::failure(
            QStringLiteral("%1 cannot be read: %2").arg(path, in.errorString()));
    // A file is measured before it is read; a device or a pipe is read up to
    // one byte past the limit.
    if (!in.isSequential() && in.size() > kLargestFile)
        return Outcome::failure(QStringLiteral("%1 is larger than %2 MB (%3 bytes).")
                                    .arg(path, megabytes(kLargestFile))
                                    .arg(in.size()) +
                                tooLarge);
    if (!in.isSequential())
        bytes.reserve(in.size());
    constexpr qint64 kChunk = 1024 * 1024;
    for (qint64 got = 1; got > 0 && bytes.size() <= kLargestFile;) {
        const qsizetype before = bytes.size();
        bytes.resize(before + std::min(kChunk, kLargestFile + 1 - before));
        got = in.read(bytes.data() + before, bytes.size() - before);
        if (got < 0)
            return Outcome::failure(
                QStringLiteral("%1 cannot be read: %2").arg(path, in.errorString()));
        bytes.resize(before + got);
    }
    if (bytes.size() > kLargestFile) {
        bytes = QByteArray();
        return Outcome::failure(
            QStringLiteral("%1 gives more than %2 MB.").arg(path, megabytes(kLargestFile)) +
            tooLarge);
    }
    return Outcome::success();
}

Outcome read(const QByteArray& bytes, CsvFile& file)
{
    file = CsvFile();
    const QByteArrayView body =
        QByteArrayView(bytes).sliced(bytes.startsWith(kBom) ? kBom.size() : 0);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(body);
    if (decoder.hasError())
        return Outcome::failure(
            QStringLiteral("The file is not UTF-8 text. Save it from the spreadsheet as "
                           "\"CSV UTF-8\" and try again."));
    file.separator = detectSeparator(text);
    // One record more than the rows taken: the header, if there is one.
    bool more = false;
    QList<Record> records = split(text, file.separator, kMostRows + 1, more);

    // Which value of a record goes to Room, TEL1, TEL2, TEL3.
    const std::array<QString, 4> names{QStringLiteral("room"), QStringLiteral("tel1"),
                                       QStringLiteral("tel2"), QStringLiteral("tel3")};
    std::array<int, 4> columnOf{0, 1, 2, 3};
    int width = 4;
    if (!records.isEmpty()) {
        const QStringList& first = records.first().fields;
        bool header = false;
        for (const QString& f : first)
            header = header ||
                     std::find(names.begin(), names.end(), f.trimmed().toLower()) != names.end();
        if (header) {
            columnOf.fill(-1);
            for (int i = 0; i < first.size(); ++i) {
                const QString name = first[i].trimmed().toLower();
                const auto known = std::find(names.begin(), names.end(), name);
                if (known == names.end()) {
                    if (!name.isEmpty())
                        file.ignoredColumns << shown(first[i].trimmed());
                    continue;
                }
                int& column = columnOf[size_t(known - names.begin())];
                if (column >= 0)
                    return Outcome::failure(
                        QStringLiteral("The header row names the column %1 twice.")
                            .arg(shown(first[i].trimmed())));
                column = i;
            }
            if (columnOf[0] < 0)
                return Outcome::failure(QStringLiteral(
                    "The header row names no Room column. Name the columns Room, TEL1, "
                    "TEL2 and TEL3, or leave the header out and keep them in that order."));
            width = int(records.first().values);
            file.hasHeader = true;
            records.removeFirst();
        }
    }

    for (const Record& record : std::as_const(records)) {
        if (record.used == 0)
            continue;
        CsvRow row;
        row.line = record.line;
        QString* targets[4] = {&row.room.Room, &row.room.TEL1, &row.room.TEL2, &row.room.TEL3};
        for (size_t k = 0; k < 4; ++k) {
            if (columnOf[k] >= 0 && columnOf[k] < record.fields.size())
                *targets[k] = formulaText(record.fields[columnOf[k]]);
        }
        if (record.unclosed)
            row.problem = QStringLiteral("a quoted value is never closed");
        else if (record.used > width)
            row.problem = QStringLiteral("it has %1 values; a row holds Room, TEL1, TEL2 and TEL3")
                              .arg(record.used);
        file.rows << row;
    }
    if (more || file.rows.size() > kMostRows) {
        file = CsvFile();
        return Outcome::failure(
            QStringLiteral("The file holds more than %1 rows. A room list is far shorter, so "
                           "nothing was imported. Choose the room list saved from the "
                           "spreadsheet.")
                .arg(kMostRows));
    }
    return Outcome::success();
}

QByteArray write(const QList<RoomRecord>& rooms)
{
    QString text = QStringLiteral("Room,TEL1,TEL2,TEL3\r\n");
    text.reserve(text.size() + rooms.size() * 48);
    for (const RoomRecord& r : rooms) {
        text += quotedValue(r.Room) + QLatin1Char(',') + quotedValue(r.TEL1) + QLatin1Char(',') +
                quotedValue(r.TEL2) + QLatin1Char(',') + quotedValue(r.TEL3) +
                QStringLiteral("\r\n");
    }
    return kBom + text.toUtf8();
}

bool looksLikeFormula(const QString& value)
{
    if (value.isEmpty())
        return false;
    const QChar first = value[0];
    if (first == QLatin1Char('=') || first == QLatin1Char('@'))
        return true;
    if ((first != QLatin1Char('+') && first != QLatin1Char('-')) || value.size() == 1)
        return false;
    for (qsizetype i = 1; i < value.size(); ++i) {
        if (value[i] < QLatin1Char('0') || value[i] > QLatin1Char('9'))
            return true;
    }
    return false;
}

QString shown(const QString& value)
{
    constexpr qsizetype kShown = 40;
    if (value.size() <= kShown)
        return value;
    qsizetype cut = kShown;
    if (value[cut - 1].isHighSurrogate())
        --cut;
    return value.left(cut) + QChar(0x2026);
}

} // namespace roomcsv
