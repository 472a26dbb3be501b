// The companion's history and changes commands: what was sent to the door
// unit from the room file, and how the directory differs from it now.
#include "database.h"
#include "dbarguments.h"
#include "dbtool.h"
#include "doorunitstate.h"
#include "schema.h"
#include "transferlog.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace dbtool {

namespace {

QJsonObject roomJson(const RoomRecord& room)
{
    return {{"Room", room.Room}, {"TEL1", room.TEL1}, {"TEL2", room.TEL2}, {"TEL3", room.TEL3}};
}

QJsonObject recordJson(const TransferRecord& r)
{
    QJsonObject o{{"id", r.id},
                  {"started", TransferLog::timeText(r.started)},
                  {"finished", r.finished.isValid() ? QJsonValue(TransferLog::timeText(r.finished))
                                                    : QJsonValue()},
                  {"operator", r.operatorName},
                  {"port", r.port},
                  {"device", r.device},
                  {"what", TransferRecord::whatText(r.what)},
                  {"outcome", TransferRecord::endingText(r.ending)},
                  {"reason", r.reason}};
    if (r.what == TransferRecord::What::Settings) {
        o.insert("open_time", r.openTime < 0 ? QJsonValue() : QJsonValue(r.openTime));
        o.insert("auto_mode", r.autoMode < 0 ? QJsonValue() : QJsonValue(r.autoMode));
    }
    if (r.what == TransferRecord::What::Download) {
        o.insert("sent", r.sent);
        o.insert("total", r.total);
    }
    return o;
}

QString recordLine(const TransferRecord& r)
{
    return QStringLiteral("%1  %2  %3  %4  %5")
        .arg(shownTime(r.started), r.operatorName.isEmpty() ? QStringLiteral("-") : r.operatorName,
             r.whatDetail(), r.portText(), r.outcomeText());
}

bool parse(const QStringList& arguments, QString& directory, bool& json, int* limit,
           QString& problem)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == QLatin1String("--json")) {
            json = true;
        } else if (limit && a == QLatin1String("--limit")) {
            bool ok = false;
            *limit = arguments.value(++i).toInt(&ok);
            if (!ok || *limit < 1) {
                problem = QStringLiteral("--limit needs a number of records, 1 or more.");
                return false;
            }
        } else if (a.startsWith(QStringLiteral("--")) || !directory.isEmpty()) {
            problem = a.startsWith(QStringLiteral("--"))
                          ? QStringLiteral("Unknown option %1.").arg(a)
                          : QStringLiteral("Name at most one directory.");
            return false;
        } else {
            directory = a;
        }
    }
    return true;
}

} // namespace

int history(const QStringList& arguments, const QString& folder, Console& console)
{
    QString directory;
    bool json = false;
    int limit = 0;
    QString problem;
    if (!parse(arguments, directory, json, &limit, problem)) {
        say(console.err, problem);
        return kUsage;
    }
    TransferLog log(database::pathIn(folder, schema::kDirectoryFile));
    QString error;
    const std::optional<QList<TransferRecord>> records = log.history(limit, &error);
    if (!records) {
        say(console.err, error);
        return kFailure;
    }
    if (json) {
        QJsonArray all;
        for (TransferRecord r : *records) {
            QJsonObject o = recordJson(r);
            if (r.what == TransferRecord::What::Download) {
                QJsonArray rooms;
                for (const RoomRecord& room : log.rooms(r.id).value_or(QList<RoomRecord>{}))
                    rooms.append(roomJson(room));
                o.insert("rooms", rooms);
            }
            all.append(o);
        }
        console.out << QJsonDocument(all).toJson();
        console.out.flush();
        return kSuccess;
    }
    if (records->isEmpty())
        say(console.out,
            QStringLiteral("Nothing has been sent to the door unit from %1.").arg(log.path()));
    for (const TransferRecord& r : *records)
        say(console.out, recordLine(r));
    return kSuccess;
}

int changes(const QStringList& arguments, const QString& folder, Console& console)
{
    QString directory;
    bool json = false;
    QString problem;
    if (!parse(arguments, directory, json, nullptr, problem)) {
        say(console.err, problem);
        return kUsage;
    }
    QString error;
    const std::optional<DirectoryReport> report =
        DirectoryReport::read(database::pathIn(folder, schema::kDirectoryFile), &error);
    if (!report) {
        say(console.err, error);
        return kUsage;
    }
    const DirectoryChanges& c = report->changes;
    const bool differs = report->state.kind != DoorUnitState::Kind::UpToDate;
    if (json) {
        QJsonArray added, changed, removed;
        for (int i = 0; i < report->now.size(); ++i) {
            const quint8 mark = c.marks[size_t(i)];
            if (mark == DirectoryChanges::Added) {
                added.append(roomJson(report->now[i]));
            } else if (mark != DirectoryChanges::Same) {
                QJsonObject o = roomJson(report->now[i]);
                o.insert("changed", QJsonArray::fromStringList(
                                        DirectoryChanges::fieldNames(mark).split(", ")));
                changed.append(o);
            }
        }
        for (const RoomRecord& room : c.removed)
            removed.append(roomJson(room));
        const QJsonObject o{{"state", report->state.text()},
                            {"up_to_date", !differs},
                            {"last_download", report->latest.download
                                                  ? QJsonValue(TransferLog::timeText(
                                                        report->latest.download->started))
                                                  : QJsonValue()},
                            {"added", added},
                            {"changed", changed},
                            {"removed", removed}};
        console.out << QJsonDocument(o).toJson();
        console.out.flush();
        return differs ? kFailure : kSuccess;
    }
    say(console.out, report->state.text());
    for (int i = 0; i < report->now.size(); ++i) {
        const quint8 mark = c.marks[size_t(i)];
        const RoomRecord& room = report->now[i];
        if (mark == DirectoryChanges::Added)
            say(console.out, QStringLiteral("added    %1").arg(room.Room));
        else if (mark != DirectoryChanges::Same)
            say(console.out, QStringLiteral("changed  %1: %2")
                                 .arg(room.Room, DirectoryChanges::fieldNames(mark)));
    }
    for (const RoomRecord& room : c.removed)
        say(console.out, QStringLiteral("removed  %1").arg(room.Room));
    return differs ? kFailure : kSuccess;
}

} // namespace dbtool
