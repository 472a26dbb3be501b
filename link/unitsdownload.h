#pragma once

#include "doorunits.h"
#include "linkresult.h"
#include "location.h"
#include "pauser.h"
#include "serialport.h"

#include <QList>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// Sends the room directory to several door units at once: a thread for each
// port, each with its own device, pauses, cursor and record, so every unit
// keeps its own bytes and its own 2 s pauses and three units take the time
// of one. A unit whose port does not open, or fails, stops alone.
class UnitsDownload
{
public:
    struct Line
    {
        DoorUnit unit;
        QString device;
        int sent = 0;
        int total = 0;
        bool started = false;  // the first byte is on its way
        bool finished = false; // result holds how it ended
        LinkResult result;
    };

    using PortMaker = std::function<std::unique_ptr<SerialPort>(const DoorUnit&)>;
    using PauserMaker = std::function<std::unique_ptr<Pauser>(const DoorUnit&)>;

    UnitsDownload(store::Database roomFile, QList<DoorUnit> units, QString operatorName,
                  PortMaker newPort, PauserMaker newPauser);
    // Waits for every unit.
    ~UnitsDownload();
    Q_DISABLE_COPY_MOVE(UnitsDownload)

    // Called on a unit's thread after each room it sent and once it ended,
    // with the unit's place in the list.
    void setChanged(std::function<void(int)> changed) { m_changed = std::move(changed); }

    // Whether the units can all be sent to at once: a failure when two of them
    // are on ports that lead to one device that is there (compared as the
    // paths they lead to).
    static Outcome checkDevices(const QList<DoorUnit>& units);

    void start();
    void wait();
    bool finished() const { return m_running.load() == 0; }
    QList<Line> lines() const;
    bool allDone() const;

private:
    void runUnit(int index);
    void setLine(int index, const std::function<void(Line&)>& change, bool notify = true);

    store::Database m_roomFile;
    QString m_operatorName;
    PortMaker m_newPort;
    PauserMaker m_newPauser;
    std::function<void(int)> m_changed;
    mutable std::mutex m_mutex;
    QList<Line> m_lines;
    std::vector<std::thread> m_threads;
    std::atomic<int> m_running{0};
};
