#include "doorunitstate.h"

#include "recordcursor.h"
#include "schema.h"

#include <QHash>
#include <QLocale>

DirectoryChanges DirectoryChanges::compare(const QList<RoomRecord>& sent,
                                           const QList<RoomRecord>& now)
{
    DirectoryChanges changes;
    changes.marks.assign(size_t(now.size()), Added);
    // Each number's first sent room not yet matched, and after each sent room
    // the next of the same number: one lookup a room of the directory.
    QHash<QString, int> first;
    first.reserve(sent.size());
    std::vector<int> nextSame(size_t(sent.size()), -1);
    for (int i = int(sent.size()) - 1; i >= 0; --i) {
        const auto head = first.find(sent[i].Room);
        if (head == first.end()) {
            first.insert(sent[i].Room, i);
        } else {
            nextSame[size_t(i)] = *head;
            *head = i;
        }
    }
    std::vector<bool> matched(size_t(sent.size()), false);
    for (int i = 0; i < now.size(); ++i) {
        const RoomRecord& room = now[i];
        const auto found = first.find(room.Room);
        if (found == first.end() || *found < 0)
            continue;
        const int at = *found;
        *found = nextSame[size_t(at)];
        matched[size_t(at)] = true;
        const RoomRecord& old = sent[at];
        changes.marks[size_t(i)] =
            quint8((old.TEL1 != room.TEL1 ? Tel1 : 0) | (old.TEL2 != room.TEL2 ? Tel2 : 0) |
                   (old.TEL3 != room.TEL3 ? Tel3 : 0));
    }
    for (const quint8 mark : changes.marks) {
        if (mark == Added)
            ++changes.added;
        else if (mark != Same)
            ++changes.changed;
    }
    for (int i = 0; i < sent.size(); ++i) {
        if (!matched[size_t(i)])
            changes.removed.append(sent[i]);
    }
    return changes;
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
        return QStringLiteral("not yet on the door unit");
    QString fields = fieldNames(mark);
    if (const qsizetype comma = fields.lastIndexOf(QStringLiteral(", ")); comma >= 0)
        fields.replace(comma, 2, QStringLiteral(" and "));
    return QStringLiteral("%1 changed since the download of %2").arg(fields, shownTime(downloaded));
}

QString shownTime(const QDateTime& utc)
{
    return QLocale::c().toString(utc.toLocalTime(), QStringLiteral("d MMM yyyy HH:mm"));
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

QString DoorUnitState::text() const
{
    switch (kind) {
    case Kind::NeverLoaded:
        return QStringLiteral("Door unit: never loaded from this PC");
    case Kind::UpToDate:
        return QStringLiteral("Door unit: up to date");
    case Kind::ChangesNotSent:
        return QStringLiteral("Door unit: %1 not sent (last download %2)")
            .arg(changes == 1 ? QStringLiteral("1 change")
                              : QStringLiteral("%1 changes").arg(changes),
                 shownTime(downloaded));
    case Kind::PartDirectory:
        if (unfinished)
            return QStringLiteral("Door unit: may hold part of a directory (the download of %1 "
                                  "did not finish)")
                .arg(shownTime(when));
        return QStringLiteral("Door unit: may hold part of a directory (download stopped after %1 "
                              "of %2 rooms)")
            .arg(sent)
            .arg(total);
    case Kind::DefaultsLoaded:
        return QStringLiteral("Door unit: asked to load its defaults at %1").arg(shownTime(when));
    }
    return {};
}

std::optional<DirectoryReport> DirectoryReport::read(const QString& path, QString* error)
{
    DirectoryReport report;
    {
        TransferLog log(path);
        std::optional<TransferLog::Latest> latest = log.latest(error);
        if (!latest)
            return std::nullopt;
        report.latest = std::move(*latest);
    }
    RecordCursor cursor(schema::directoryTable());
    if (Outcome opened = cursor.open(path); !opened) {
        if (error)
            *error = opened.description();
        return std::nullopt;
    }
    report.now.reserve(cursor.rowCount());
    for (int row = 0; row < cursor.rowCount(); ++row)
        report.now.append({cursor.value(row, 0), cursor.value(row, 1), cursor.value(row, 2),
                           cursor.value(row, 3)});
    cursor.close();
    report.changes = DirectoryChanges::compare(
        report.latest.download ? report.latest.download->rooms : QList<RoomRecord>{}, report.now);
    report.state = DoorUnitState::of(report.latest, report.changes);
    return report;
}
