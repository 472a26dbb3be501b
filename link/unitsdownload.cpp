#include "unitsdownload.h"

#include "connectcontroller.h"
#include "directorydownload.h"
#include "networkserialport.h"
#include "recordcursor.h"
#include "schema.h"
#include "seriallink.h"
#include "settingsstore.h"
#include "transferlog.h"
#include "transferrecorder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>

UnitsDownload::UnitsDownload(store::Database roomFile, QList<DoorUnit> units, QString operatorName,
                             PortMaker newPort, PauserMaker newPauser)
    : m_roomFile(std::move(roomFile)), m_operatorName(std::move(operatorName)),
      m_newPort(std::move(newPort)), m_newPauser(std::move(newPauser))
{
    for (const DoorUnit& unit : units)
        m_lines.append(Line{unit, {}, 0, 0, false, false, {}});
}

UnitsDownload::~UnitsDownload()
{
    wait();
}

Outcome UnitsDownload::checkDevices(const QList<DoorUnit>& units)
{
    QMap<QString, DoorUnit> byDevice;
    for (const DoorUnit& unit : units) {
        // An entry naming no device, or one that is not there, is told as
        // that port's own failure. A device server is one however its
        // address is written.
        const QString device = SerialLink::deviceFor(unit.port);
        const QString server = NetworkSerialPort::sameServerKey(device);
        const QString path = server.isEmpty() ? QFileInfo(device).canonicalFilePath() : device;
        const QString key = server.isEmpty() ? path : server;
        if (path.isEmpty())
            continue;
        const auto seen = byDevice.constFind(key);
        if (seen == byDevice.constEnd()) {
            byDevice.insert(key, unit);
            continue;
        }
        //: %1 and %2 the units with their ports, %3 the device, %4 the settings file
        return Outcome::failure(
            QCoreApplication::translate(
                "UnitsDownload",
                "%1 and %2 both lead to the device %3 ([Ports] in %4); one device reaches "
                "one door unit. Give each port its own device.")
                .arg(seen->shownName(), unit.shownName(), path, settingsstore::fileName()));
    }
    return Outcome::success();
}

void UnitsDownload::start()
{
    // The record gains its unit column here, once, rather than by each thread at once.
    // Should it fail, each unit's own record meets the failure again and tells it.
    if (TransferLog::checkRecordable(m_roomFile))
        static_cast<void>(TransferLog(m_roomFile).open());
    // Units that share a port (the list refuses it) would take turns on it.
    QMap<int, std::vector<int>> byPort;
    for (int i = 0; i < m_lines.size(); ++i)
        byPort[m_lines[i].unit.port].push_back(i);
    m_running = int(byPort.size());
    for (const std::vector<int>& indices : byPort) {
        m_threads.emplace_back([this, indices] {
            for (const int i : indices)
                runUnit(i);
            --m_running;
        });
    }
}

void UnitsDownload::wait()
{
    for (std::thread& thread : m_threads) {
        if (thread.joinable())
            thread.join();
    }
    m_threads.clear();
}

QList<UnitsDownload::Line> UnitsDownload::lines() const
{
    const std::lock_guard lock(m_mutex);
    return m_lines;
}

bool UnitsDownload::allDone() const
{
    const std::lock_guard lock(m_mutex);
    return std::all_of(m_lines.begin(), m_lines.end(),
                       [](const Line& line) { return line.finished && line.result.done(); });
}

void UnitsDownload::setLine(int index, const std::function<void(Line&)>& change, bool notify)
{
    {
        const std::lock_guard lock(m_mutex);
        change(m_lines[index]);
    }
    if (m_changed && notify)
        m_changed(index);
}

void UnitsDownload::runUnit(int index)
{
    const DoorUnit unit = lines().at(index).unit;
    const std::unique_ptr<SerialPort> port = m_newPort(unit);
    const std::unique_ptr<Pauser> pauser = m_newPauser(unit);
    SerialLink link(*port, *pauser);
    link.setRecording({m_roomFile, m_operatorName, {}, unit.id});
    const auto end = [&](LinkResult result) {
        result.port = unit.port;
        link.close();
        setLine(index, [&](Line& line) {
            line.device = link.device();
            line.finished = true;
            line.result = result;
        });
    };
    const LinkResult opened =
        ConnectController(link).toggle(QStringLiteral("COM%1").arg(unit.port));
    if (!opened.done()) {
        LinkResult refused = opened;
        refused.command = LinkResult::Command::Download;
        return end(TransferRecorder(link, TransferRecord::What::Download).refused(refused));
    }
    // Each thread reads the rooms through a connection of its own.
    RecordCursor rooms(schema::directoryTable());
    if (Outcome opened = rooms.open(m_roomFile); !opened) {
        return end(
            TransferRecorder(link, TransferRecord::What::Download)
                .refused(LinkResult::of(LinkResult::Command::Download, LinkResult::Kind::Unreadable,
                                        opened.description())));
    }
    const auto progress = [&](const DirectoryDownload::Progress& p) {
        setLine(
            index,
            [&](Line& line) {
                line.device = link.device();
                line.started = true;
                line.sent = p.sent;
                line.total = p.total;
            },
            !p.finished); // the end is told once, with how it ended
    };
    const LinkResult result =
        DirectoryDownload(
            link, rooms,
            [&rooms] {
                return RoomRecord{rooms.field(0), rooms.field(1), rooms.field(2), rooms.field(3)};
            },
            progress)
            .run();
    // The rooms were only read: closing has nothing to write.
    static_cast<void>(rooms.close());
    end(result);
}
