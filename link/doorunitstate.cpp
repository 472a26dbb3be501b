#include "doorunitstate.h"

#include "language.h"
#include "recordcursor.h"
#include "schema.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QStringEncoder>
#include <QVarLengthArray>

#include <algorithm>
#include <numeric>

namespace {

// Appends text as UTF-8 to a byte buffer (a QByteArray or a QVarLengthArray).
template <typename Bytes> void appendUtf8(Bytes& bytes, QStringView text)
{
    QStringEncoder utf8(QStringEncoder::Utf8, QStringEncoder::Flag::Stateless);
    const qsizetype at = bytes.size();
    bytes.resize(at + utf8.requiredSpace(text.size()));
    bytes.resize(utf8.appendToBuffer(bytes.data() + at, text) - bytes.data());
}

} // namespace

SentRooms::SentRooms(const QList<RoomRecord>& sent)
{
    for (const RoomRecord& room : sent)
        add(room);
    finish();
}

void SentRooms::add(const RoomRecord& room)
{
    Q_ASSERT(m_byNumber.empty());
    std::array<quint32, 4> ends{};
    int field = 0;
    for (const QString* text : {&room.Room, &room.TEL1, &room.TEL2, &room.TEL3}) {
        appendUtf8(m_text, *text);
        ends[size_t(field++)] = quint32(m_text.size());
    }
    m_ends.push_back(ends);
}

void SentRooms::finish()
{
    m_text.squeeze();
    m_ends.shrink_to_fit();
    // The rooms sorted by number, those of one number in the order sent: a
    // number's rooms then stand together, the first sent first. An index of
    // integers is a tenth of the size of a hash of the numbers.
    std::vector<int> sorted(m_ends.size());
    std::iota(sorted.begin(), sorted.end(), 0);
    const auto number = [this](int i) { return QByteArrayView(at(i)[0]); };
    std::sort(sorted.begin(), sorted.end(), [&number](int a, int b) {
        const int order = number(a).compare(number(b));
        return order != 0 ? order < 0 : a < b;
    });
    m_nextSame.assign(m_ends.size(), -1);
    m_unique.assign(m_ends.size(), false);
    m_byNumber.clear();
    for (size_t k = 0; k < sorted.size();) {
        size_t end = k + 1;
        while (end < sorted.size() && number(sorted[end]) == number(sorted[k]))
            ++end;
        m_byNumber.push_back(sorted[k]);
        m_unique[size_t(sorted[k])] = end == k + 1;
        for (size_t same = k; same + 1 < end; ++same)
            m_nextSame[size_t(sorted[same])] = sorted[same + 1];
        k = end;
    }
    m_byNumber.shrink_to_fit();
}

SentRooms::Sent SentRooms::at(int i) const
{
    const std::array<quint32, 4>& ends = m_ends[size_t(i)];
    const quint32 start = i == 0 ? 0 : m_ends[size_t(i - 1)][3];
    const QUtf8StringView text(m_text.constData(), m_text.size());
    return {text.sliced(start, ends[0] - start), text.sliced(ends[0], ends[1] - ends[0]),
            text.sliced(ends[1], ends[2] - ends[1]), text.sliced(ends[2], ends[3] - ends[2])};
}

int SentRooms::find(QStringView number) const
{
    // Looked for by its UTF-8 bytes, the order the index is sorted in.
    QVarLengthArray<char, 64> utf8;
    appendUtf8(utf8, number);
    const QByteArrayView wanted(utf8.constData(), utf8.size());
    const auto found = std::lower_bound(m_byNumber.begin(), m_byNumber.end(), wanted,
                                        [this](int sent, QByteArrayView key) {
                                            return QByteArrayView(at(sent)[0]).compare(key) < 0;
                                        });
    return found != m_byNumber.end() && QByteArrayView(at(*found)[0]) == wanted ? *found : -1;
}

bool SentRooms::same(QUtf8StringView sent, QStringView now)
{
    return QAnyStringView::equal(sent, now);
}

quint8 SentRooms::mark(const Sent& sent, const Room& now)
{
    return quint8((same(sent[1], now[1]) ? 0 : DirectoryChanges::Tel1) |
                  (same(sent[2], now[2]) ? 0 : DirectoryChanges::Tel2) |
                  (same(sent[3], now[3]) ? 0 : DirectoryChanges::Tel3));
}

DirectoryChanges SentRooms::compare(int count, const RoomReader& read) const
{
    DirectoryChanges changes;
    changes.marks.assign(size_t(count), DirectoryChanges::Added);
    changes.sentOf.assign(size_t(count), -1);
    // A number's next sent room not yet matched, kept at its first sent
    // room: -2 until the number is first met, -1 once all are matched.
    std::vector<int> next(m_ends.size(), -2);
    std::vector<bool> matched(m_ends.size(), false);
    Room room;
    int guess = 0; // the directory is mostly in the order it was sent
    for (int i = 0; i < count; ++i) {
        read(i, room);
        int found = -1;
        if (guess < size() && m_unique[size_t(guess)] && next[size_t(guess)] == -2 &&
            same(at(guess)[0], room[0])) {
            found = guess;
            next[size_t(found)] = -1;
        } else {
            const int first = find(room[0]);
            if (first < 0)
                continue;
            int& head = next[size_t(first)];
            found = head == -2 ? first : head;
            if (found < 0)
                continue;
            head = m_nextSame[size_t(found)];
        }
        guess = found + 1;
        matched[size_t(found)] = true;
        changes.sentOf[size_t(i)] = found;
        changes.marks[size_t(i)] = mark(at(found), room);
    }
    for (const quint8 mark : changes.marks) {
        if (mark == DirectoryChanges::Added)
            ++changes.added;
        else if (mark != DirectoryChanges::Same)
            ++changes.changed;
    }
    for (int i = 0; i < size(); ++i) {
        if (!matched[size_t(i)]) {
            const Sent r = at(i);
            changes.removed.append(
                {r[0].toString(), r[1].toString(), r[2].toString(), r[3].toString()});
        }
    }
    return changes;
}

DirectoryChanges DirectoryChanges::compare(const QList<RoomRecord>& sent,
                                           const QList<RoomRecord>& now)
{
    return SentRooms(sent).compare(int(now.size()), [&now](int i, SentRooms::Room& room) {
        const RoomRecord& r = now[i];
        room = {r.Room, r.TEL1, r.TEL2, r.TEL3};
    });
}

QString DirectoryChanges::fieldNames(quint8 mark)
{
    QStringList names;
    for (int field = 0; field < 3; ++field) {
        if (mark & (1 << field))
            names << QStringLiteral("TEL%1").arg(field + 1);
    }
    return names.join(QStringLiteral(", "));
}

QString DirectoryChanges::markText(quint8 mark, const QDateTime& downloaded)
{
    if (mark == Same)
        return {};
    if (mark & Added)
        return QCoreApplication::translate("DirectoryChanges", "not yet on the door unit");
    QString fields = fieldNames(mark);
    if (const qsizetype comma = fields.lastIndexOf(QStringLiteral(", ")); comma >= 0)
        //: Joins the last two changed fields: "TEL1, TEL2 and TEL3"
        fields = QCoreApplication::translate("DirectoryChanges", "%1 and %2")
                     .arg(fields.left(comma), fields.mid(comma + 2));
    //: %1 the changed fields ("TEL1 and TEL2"), %2 the time of the download
    return QCoreApplication::translate("DirectoryChanges", "%1 changed since the download of %2")
        .arg(fields, shownTime(downloaded));
}

DoorUnitState DoorUnitState::of(const TransferLog::Latest& latest, const DirectoryChanges& changes)
{
    DoorUnitState state;
    if (latest.download) {
        state.downloaded = latest.download->started;
        state.changes = changes.count();
        state.kind = state.changes == 0 ? Kind::UpToDate : Kind::ChangesNotSent;
    }
    if (const std::optional<TransferRecord>& after = latest.after) {
        state.when = after->started;
        state.sent = after->sent;
        state.total = after->total;
        state.unfinished = after->ending == TransferRecord::Ending::Unfinished;
        state.kind = after->what == TransferRecord::What::LoadDefault ? Kind::DefaultsLoaded
                                                                      : Kind::PartDirectory;
    }
    return state;
}

QString DoorUnitState::text(Words words) const
{
    const bool own = words == Words::Own;
    const auto said = [own](const char* source, int n = -1) {
        return own ? language::ownWords("DoorUnitState", source, n)
                   : QCoreApplication::translate("DoorUnitState", source, nullptr, n);
    };
    const auto time = [own](const QDateTime& utc) {
        return own ? QLocale::c().toString(utc.toLocalTime(), QStringLiteral("d MMM yyyy HH:mm"))
                   : shownTime(utc);
    };
    switch (kind) {
    case Kind::NeverLoaded:
        return said(QT_TRANSLATE_NOOP("DoorUnitState", "Door unit: never loaded from this PC"));
    case Kind::UpToDate:
        return said(QT_TRANSLATE_NOOP("DoorUnitState", "Door unit: up to date"));
    case Kind::ChangesNotSent:
        //: %n the count of changes, %1 the time of the last download
        return said(QT_TRANSLATE_N_NOOP("DoorUnitState",
                                        "Door unit: %n changes not sent (last download %1)"),
                    changes)
            .arg(time(downloaded));
    case Kind::PartDirectory:
        if (unfinished)
            //: %1 the time the download began
            return said(QT_TRANSLATE_NOOP("DoorUnitState",
                                          "Door unit: may hold part of a directory (the "
                                          "download of %1 did not finish)"))
                .arg(time(when));
        //: %1 the rooms sent of %n
        return said(QT_TRANSLATE_N_NOOP("DoorUnitState",
                                        "Door unit: may hold part of a directory (download "
                                        "stopped after %1 of %n rooms)"),
                    total)
            .arg(sent);
    case Kind::DefaultsLoaded:
        //: %1 the time the command was sent
        return said(QT_TRANSLATE_NOOP("DoorUnitState",
                                      "Door unit: asked to load its defaults at %1"))
            .arg(time(when));
    }
    return {};
}

Expected<DirectoryReport> DirectoryReport::read(const store::Database& path, qint64 unit)
{
    DirectoryReport report;
    {
        TransferLog log(path);
        Expected<TransferLog::Latest> latest = log.latest(TransferLog::Rooms::Read, unit);
        if (!latest)
            return latest.outcome();
        report.latest = std::move(*latest);
    }
    RecordCursor cursor(schema::directoryTable());
    if (Outcome opened = cursor.open(path); !opened)
        return opened;
    report.now.reserve(cursor.rowCount());
    for (int row = 0; row < cursor.rowCount(); ++row)
        report.now.append({cursor.value(row, 0), cursor.value(row, 1), cursor.value(row, 2),
                           cursor.value(row, 3)});
    if (Outcome closed = cursor.close(); !closed)
        return closed;
    report.changes = DirectoryChanges::compare(
        report.latest.download ? report.latest.download->rooms : QList<RoomRecord>{}, report.now);
    report.state = DoorUnitState::of(report.latest, report.changes);
    return report;
}

QString DoorUnitState::afterUnit(const QString& said)
{
    //: What every state of the door unit panel begins with; %1 is the state
    const QString prefix =
        QCoreApplication::translate("DoorUnitState", "Door unit: %1").arg(QString());
    return said.startsWith(prefix) ? said.mid(prefix.size()) : said;
}
