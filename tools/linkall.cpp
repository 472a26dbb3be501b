#include "linkall.h"

#include "linkconsole.h"

#include "database.h"
#include "doorunits.h"
#include "frames.h"
#include "linkmessages.h"
#include "portfactory.h"
#include "roomdirectoryview.h"
#include "seriallink.h"
#include "sleepingpauser.h"
#include "unitsdownload.h"

#include <mutex>

namespace linktool {

namespace {

using Kind = LinkResult::Kind;

// Each unit's end, a line each; the status is complete only when every unit is.
int reportAll(const QList<UnitsDownload::Line>& lines, const QString& roomFile, Console& console,
              const Environment& env)
{
    int status = kComplete;
    for (const UnitsDownload::Line& line : lines) {
        const LinkResult& r = line.result;
        const QString where = QStringLiteral("COM%1 (%2)").arg(line.unit.port).arg(line.device);
        noteRecord(console, r);
        if (r.done()) {
            say(console.err,
                //: %1 is the door unit, %2 the result in the program's words, %3 the port and its
                //: device.
                Text::tr("%1: %2: %n rooms sent to %3.", nullptr, r.total)
                    .arg(line.unit.ownName(), linkResultText(r), where));
            continue;
        }
        const int exit = r.kind == Kind::Stopped && stopAsked(env) ? int(kStopped) : exitFor(r);
        status = status == kStopped ? status : exit;
        complain(console,
                 QStringLiteral("%1: %2").arg(
                     line.unit.ownName(), r.kind == Kind::Stopped
                                              ? Text::tr("Stopped by %1 with %2 of %n rooms sent; "
                                                         "%3 is released.",
                                                         nullptr, r.total)
                                                    .arg(shownStop(r.detail))
                                                    .arg(r.sent)
                                                    .arg(where)
                                              : describe(r, line.device, roomFile)));
    }
    return status;
}

} // namespace

// Every door unit at once, a line of progress for each as its batches end.
int sendAll(const store::Location& folder, Console& console, Environment& env)
{
    const store::Database roomFile = folder.database(schema::kDirectoryFile);
    {
        RoomDirectoryView rooms;
        if (Outcome opened = rooms.openIn(folder); !opened) {
            complain(console, Text::tr("Nothing was sent: %1").arg(opened.description()));
            return kRefused;
        }
    }
    const Expected<QList<DoorUnit>> units = doorunits::read(roomFile);
    if (!units) {
        complain(console, Text::tr("Nothing was sent: %1").arg(units.error()));
        return kRefused;
    }
    if (const Outcome apart = UnitsDownload::checkDevices(*units); !apart) {
        complain(console, Text::tr("Nothing was sent: %1").arg(apart.description()));
        return kRefused;
    }
    if (stopAsked(env))
        return stoppedBeforeSending(console, env);
    std::mutex printing;
    UnitsDownload download(
        roomFile, *units, env.operatorName,
        [&](const DoorUnit& unit) -> std::unique_ptr<SerialPort> {
            auto port = std::make_unique<StoppablePort>(
                env.newPort ? env.newPort(unit.port) : newSerialPort(), env);
            port->armed = true;
            return port;
        },
        [&](const DoorUnit& unit) -> std::unique_ptr<Pauser> {
            auto pauser = std::make_unique<StoppablePauser>(
                env.newPauser ? env.newPauser(unit.port) : std::make_unique<SleepingPauser>(), env);
            pauser->armed = true;
            return pauser;
        });
    download.setChanged([&](int index) {
        const UnitsDownload::Line line = download.lines().at(index);
        const std::lock_guard lock(printing);
        if (line.finished || !line.started)
            return;
        const int left = DirectoryDownload::millisecondsLeft(line.sent, line.total,
                                                             SerialLink::kDoorUnitSettings.baud);
        if (line.sent == 0)
            say(console.err, Text::tr("%1: sending %n rooms, about %2.", nullptr, line.total)
                                 .arg(line.unit.shownName(), duration(left)));
        else if (line.sent % frames::kRowsPerBatch == 0 || line.sent == line.total)
            say(console.err,
                Text::tr("%1: %2 of %n rooms sent, about %3 left.", nullptr, line.total)
                    .arg(line.unit.shownName())
                    .arg(line.sent)
                    .arg(duration(left)));
    });
    download.start();
    download.wait();

    return reportAll(download.lines(), roomFile.describe(), console, env);
}

} // namespace linktool
