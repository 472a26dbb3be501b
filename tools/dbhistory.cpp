// The companion's history and changes commands: what was sent to the door
// unit from the room file, and how the directory differs from it now.
#include "database.h"
#include "dbarguments.h"
#include "dbtool.h"
#include "doorunits.h"
#include "doorunitstate.h"
#include "schema.h"
#include "transferlog.h"
#include "visibletext.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace dbtool {

namespace {

QJsonObject roomJson(const RoomRecord& room)
{
    QJsonObject object;
    for (const doorunit::Field& field : doorunit::kFields)
        object.insert(QLatin1String(field.name), room.*field.value);
    return object;
}

QJsonObject recordJson(const TransferRecord& r)
{
    QJsonObject o{
        {"id", r.id},
        {"started", timeText(r.started)},
        {"finished", r.finished.isValid() ? QJsonValue(timeText(r.finished)) : QJsonValue()},
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

Outcome parse(const QStringList& arguments, QString& directory, bool& json, int* limit,
              QString& unit)
{
    QStringList positional;
    const Outcome walked = commandline::walk(
        arguments, positional,
        [limit](const QString& option, bool) -> commandline::Kind {
            if (option == QLatin1String("--json"))
                return commandline::Takes::Nothing;
            if (option == QLatin1String("--unit") || (limit && option == QLatin1String("--limit")))
                return commandline::Takes::Value;
            return Text::tr("Unknown option %1.").arg(option);
        },
        [&](const QString& option, const std::optional<QString>& value) -> Outcome {
            bool ok = false;
            if (!value)
                json = true;
            else if (option == QLatin1String("--unit") && (unit = *value).isEmpty())
                return Outcome::failure(Text::tr("--unit needs the name of a door unit "
                                                 "(quorvane-db units lists them)."));
            else if (option == QLatin1String("--limit") &&
                     ((*limit = value->toInt(&ok)), !ok || *limit < 1))
                return Outcome::failure(Text::tr("--limit needs a number of records, 1 or more."));
            return Outcome::success();
        });
    if (walked && positional.size() > 1)
        return Outcome::failure(Text::tr("Name at most one directory."));
    directory = positional.value(0);
    return walked;
}

// The units of the room file, and the one named, when one was.
struct Units
{
    QList<DoorUnit> all; // removed ones too
    QList<DoorUnit> live;
    std::optional<DoorUnit> named;
    bool several() const { return all.size() > 1; }
    // In the reader's words, or in the program's own for --json.
    QString nameOf(qint64 id, bool own = false) const
    {
        const auto said = [own](const char* source) {
            return own ? QString::fromUtf8(source) : Text::tr(source);
        };
        for (const DoorUnit& unit : all) {
            if (unit.id == id)
                return unit.removed ? said(QT_TRANSLATE_NOOP("dbtool", "%1 (removed unit)"))
                                          .arg(unit.ownName())
                                    : unit.ownName();
        }
        return said(QT_TRANSLATE_NOOP("dbtool", "unit %1 (removed unit)")).arg(id);
    }
};

// A removed unit is named too when asked for (history lists its kept
// records); a live unit of the name goes first.
std::optional<Units> readUnits(const store::Database& path, const QString& name, Console& console,
                               bool removedToo = false)
{
    Units units;
    Expected<QList<DoorUnit>> all = doorunits::read(path, true);
    if (!all) {
        say(console.err, all.error());
        return std::nullopt;
    }
    units.all = *all;
    for (const DoorUnit& unit : units.all) {
        if (!unit.removed)
            units.live << unit;
    }
    if (!name.isEmpty()) {
        Expected<DoorUnit> unit = doorunits::find(units.live, name);
        if (!unit && removedToo) {
            // The one removed last, when several of the name were.
            QList<DoorUnit> removed;
            for (const DoorUnit& u : units.all) {
                if (u.removed)
                    removed.prepend(u);
            }
            if (const Expected<DoorUnit> gone = doorunits::find(removed, name))
                unit = gone;
        }
        if (!unit) {
            say(console.err, unit.error());
            return std::nullopt;
        }
        units.named = *unit;
    }
    return units;
}

// One unit's differences: the lines, or the JSON object; true when it is behind.
bool reportChanges(const DirectoryReport& report, bool json, QJsonObject& o, QStringList& lines)
{
    const DirectoryChanges& c = report.changes;
    const bool differs = report.state.kind != DoorUnitState::Kind::UpToDate;
    if (json) {
        QJsonArray added, changed, removed;
        for (int i = 0; i < report.now.size(); ++i) {
            const quint8 mark = c.marks[size_t(i)];
            if (mark == DirectoryChanges::Added) {
                added.append(roomJson(report.now[i]));
            } else if (mark != DirectoryChanges::Same) {
                QJsonObject room = roomJson(report.now[i]);
                room.insert("changed", QJsonArray::fromStringList(
                                           DirectoryChanges::fieldNames(mark).split(", ")));
                changed.append(room);
            }
        }
        for (const RoomRecord& room : c.removed)
            removed.append(roomJson(room));
        o = QJsonObject{
            {"state", report.state.text(DoorUnitState::Words::Own)},
            {"up_to_date", !differs},
            {"last_download", report.latest.download
                                  ? QJsonValue(timeText(report.latest.download->started))
                                  : QJsonValue()},
            {"added", added},
            {"changed", changed},
            {"removed", removed}};
        return differs;
    }
    lines << report.state.text();
    for (int i = 0; i < report.now.size(); ++i) {
        const quint8 mark = c.marks[size_t(i)];
        const RoomRecord& room = report.now[i];
        if (mark == DirectoryChanges::Added)
            //: A line of the changes report, the room after the padded word; the words line up
            //: in a column.
            lines << Text::tr("added    %1").arg(room.Room);
        else if (mark != DirectoryChanges::Same)
            lines << Text::tr("changed  %1: %2").arg(room.Room, DirectoryChanges::fieldNames(mark));
    }
    for (const RoomRecord& room : c.removed)
        lines << Text::tr("removed  %1").arg(room.Room);
    return differs;
}

} // namespace

int history(const QStringList& arguments, const store::Location& folder, Console& console)
{
    QString directory;
    bool json = false;
    int limit = 0;
    QString unitName;
    if (const Outcome parsed = parse(arguments, directory, json, &limit, unitName); !parsed)
        return usageError(console, parsed.description());
    const store::Database path = folder.database(schema::kDirectoryFile);
    const std::optional<Units> units = readUnits(path, unitName, console, true);
    if (!units)
        return kFailure;
    TransferLog log(path);
    const Expected<QList<TransferRecord>> records =
        log.history(limit, units->named ? units->named->id : 0);
    if (!records) {
        say(console.err, records.error());
        return kFailure;
    }
    if (json) {
        QJsonArray all;
        for (TransferRecord r : *records) {
            QJsonObject o = recordJson(r);
            if (units->several())
                o.insert("unit", units->nameOf(r.unit, true));
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
        say(console.out, units->named ? Text::tr("Nothing has been sent to %1 from %2.")
                                            .arg(units->named->name, log.path().describe())
                                      : Text::tr("Nothing has been sent to the door unit "
                                                 "from %1.")
                                            .arg(log.path().describe()));
    for (const TransferRecord& r : *records) {
        // With several units each line names its unit after the time.
        QString line = recordLine(r);
        if (units->several())
            line.insert(shownTime(r.started).size(), QStringLiteral("  ") + units->nameOf(r.unit));
        say(console.out, visibleText(line));
    }
    return kSuccess;
}

int changes(const QStringList& arguments, const store::Location& folder, Console& console)
{
    QString directory, unitName;
    bool json = false;
    if (const Outcome parsed = parse(arguments, directory, json, nullptr, unitName); !parsed)
        return usageError(console, parsed.description());
    const store::Database path = folder.database(schema::kDirectoryFile);
    const std::optional<Units> units = readUnits(path, unitName, console);
    if (!units)
        return kUsage;
    // One unit named, or the only one: reported as it always was.
    const QList<DoorUnit> reported = units->named ? QList<DoorUnit>{*units->named} : units->live;
    const bool each = reported.size() > 1;
    bool behind = false;
    QJsonArray all;
    QJsonObject o;
    for (const DoorUnit& unit : reported) {
        const Expected<DirectoryReport> report = DirectoryReport::read(path, unit.id);
        if (!report) {
            say(console.err, report.error());
            return kUsage;
        }
        QStringList lines;
        behind = reportChanges(*report, json, o, lines) || behind;
        if (json && each) {
            o.insert("unit", unit.name);
            o.insert("port", QStringLiteral("COM%1").arg(unit.port));
            all.append(o);
        }
        if (!lines.isEmpty() && each) {
            lines[0] =
                QStringLiteral("%1: %2").arg(unit.shownName(), DoorUnitState::afterUnit(lines[0]));
            for (qsizetype i = 1; i < lines.size(); ++i)
                lines[i].prepend(QStringLiteral("  "));
        }
        // Names and numbers another program stored are shown, never acted on by the terminal.
        for (const QString& line : lines)
            say(console.out, visibleText(line));
    }
    if (json) {
        if (each)
            o = QJsonObject{{"up_to_date", !behind}, {"units", all}};
        console.out << QJsonDocument(o).toJson();
        console.out.flush();
    }
    return behind ? kFailure : kSuccess;
}

} // namespace dbtool
