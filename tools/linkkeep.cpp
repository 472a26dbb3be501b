#include "linkkeep.h"

#include "linkconsole.h"

#include "commandline.h"
#include "database.h"
#include "datafolder.h"
#include "doorunits.h"
#include "doorunitstate.h"
#include "keeper.h"
#include "linkmessages.h"
#include "portfactory.h"
#include "schema.h"
#include "server.h"
#include "serverannouncements.h"
#include "sleepingpauser.h"
#include "transferrecord.h"
#include "unitsdownload.h"

#include <QEventLoop>
#include <QHash>
#include <QSysInfo>
#include <QTimer>

#include <unistd.h>

namespace linktool {

namespace {

struct KeepOptions
{
    QString directory;
    qint64 quietMs = 10 * 60'000;
    keeper::Hours hours{false, 22 * 60, 6 * 60};
    bool once = false;
};

Expected<KeepOptions> parseKeep(const QStringList& arguments)
{
    KeepOptions options;
    QStringList positional;
    const Outcome walked = commandline::walk(
        arguments, positional,
        [&](const QString& option, bool valueAttached) -> commandline::Kind {
            if (option == QLatin1String("--once") && !valueAttached)
                return commandline::Takes::Nothing;
            if (option == QLatin1String("--quiet") || option == QLatin1String("--hours"))
                return commandline::Takes::Value;
            return Text::tr("%1 does not take the option %2.").arg(QStringLiteral("keep"), option);
        },
        [&](const QString& option, const std::optional<QString>& value) {
            if (!value) {
                options.once = true;
            } else if (option == QLatin1String("--quiet")) {
                const std::optional<qint64> ms = keeper::parseDuration(*value);
                if (!ms)
                    return Outcome::failure(Text::tr("The quiet time \"%1\" is not a duration "
                                                     "such as 0, 30s, 10m or 1h.")
                                                .arg(*value));
                options.quietMs = *ms;
            } else {
                const std::optional<keeper::Hours> hours = keeper::Hours::parse(*value);
                if (!hours)
                    return Outcome::failure(
                        (keeper::Hours::isEmptySpan(*value)
                             ? Text::tr("The hours \"%1\" end where they begin, so nothing "
                                        "would ever be sent; give a span such as 22:00-06:00, "
                                        "or any.")
                             : Text::tr("The hours \"%1\" are neither FROM-TO, such as "
                                        "22:00-06:00, nor any."))
                            .arg(*value));
                options.hours = *hours;
            }
            return Outcome::success();
        });
    if (!walked)
        return walked;
    if (positional.size() > 1)
        return Expected<KeepOptions>::failure(Text::tr("Name at most one data folder."));
    options.directory = positional.value(0);
    return options;
}

// One line an event, after the local time.
void logLine(Console& console, const QString& text)
{
    say(console.out,
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")) + text);
}

// The unit's failure in one line.
QString failureText(const LinkResult& r)
{
    const std::optional<LinkMessage> message = linkMessage(r);
    QString text = message ? message->text : r.detail;
    if (message && !message->namesDetail && !r.detail.isEmpty())
        text += u' ' + r.detail;
    return text.replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(u'\n', u' ');
}

class Keeper
{
public:
    Keeper(const store::Location& location, const KeepOptions& options, Console& console,
           Environment& env)
        : m_location(location), m_roomFile(location.database(schema::kDirectoryFile)),
          m_options(options), m_console(console), m_env(env), m_stamp(m_roomFile.filePath())
    {
    }

    int once()
    {
        if (!m_options.hours.contains(QDateTime::currentDateTimeUtc())) {
            logLine(m_console, Text::tr("Outside the hours it sends in: nothing was sent."));
            return kComplete;
        }
        return round();
    }

    int run()
    {
        const std::unique_ptr<ServerAnnouncements> heard = ServerAnnouncements::of(m_location);
        if (heard) {
            QObject::connect(heard.get(), &ServerAnnouncements::changed,
                             [this](const QString& table) {
                                 // Its own transfers are no change of the directory.
                                 static const QStringList own{QStringLiteral("transfer_log"),
                                                              QStringLiteral("transfer_room"),
                                                              QStringLiteral("change_record")};
                                 if (!own.contains(table, Qt::CaseInsensitive))
                                     m_announced = true;
                             });
            QObject::connect(heard.get(), &ServerAnnouncements::liveUpdates,
                             [this](const QString& why) {
                                 if (!why.isEmpty())
                                     logLine(m_console, why);
                             });
        }
        static_cast<void>(m_stamp.moved());
        // A change made before it started counts from when it was made.
        m_lastChange = heard ? QDateTime::currentDateTimeUtc() : m_stamp.modified();
        m_pending = true;
        while (!stopAsked(m_env)) {
            QEventLoop wait;
            QTimer::singleShot(1000, &wait, &QEventLoop::quit);
            wait.exec();
            if (stopAsked(m_env))
                break;
            const QDateTime now = QDateTime::currentDateTimeUtc();
            if (m_stamp.moved() || std::exchange(m_announced, false)) {
                if (!m_pending)
                    logLine(m_console, Text::tr("The directory changed."));
                m_lastChange = now;
                m_pending = true;
            }
            const QDateTime due = nextSend(now);
            if (due.isValid() && due <= now) {
                m_pending = false;
                static_cast<void>(round());
                m_planned = {};
                // Its own record moved the room file's stamp, so a change
                // made while it sent is told by the units instead.
                static_cast<void>(m_stamp.moved());
                tellPlan(now);
                if (!stopAsked(m_env) && unitsBehind()) {
                    logLine(m_console, Text::tr("The directory changed."));
                    m_lastChange = QDateTime::currentDateTimeUtc();
                    m_pending = true;
                }
            } else if (due != m_planned) {
                m_planned = due;
                tellPlan(now);
            }
        }
        static_cast<void>(keeper::clearPlan(m_roomFile));
        logLine(m_console, Text::tr("Stopped by %1.").arg(signalName(*m_env.stop)));
        return m_stoppedMidway ? kStopped : kComplete;
    }

private:
    // When it sends next: once a change has been quiet long enough, or a
    // failed unit's wait is over, within the hours.
    QDateTime nextSend(const QDateTime& now) const
    {
        const QDateTime quietEnd = m_lastChange.addMSecs(m_options.quietMs);
        std::optional<QDateTime> due;
        if (m_pending)
            due = quietEnd;
        for (const Failure& f : m_failures) {
            const QDateTime retry = std::max(f.retryAt, quietEnd);
            due = due ? std::min(*due, retry) : retry;
        }
        if (!due)
            return {};
        return m_options.hours.firstFrom(std::max(*due, now));
    }

    // Tells the log and the room file when it sends next.
    void tellPlan(const QDateTime& now)
    {
        // A change made since it last looked is not taken for its own write.
        if (m_stamp.moved()) {
            m_lastChange = now;
            m_pending = true;
        }
        const QDateTime next = nextSend(now);
        if (next.isValid() && next > now)
            logLine(m_console,
                    //: %1 a time
                    Text::tr("Sends next at %1.")
                        .arg(next.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))));
        if (Outcome written =
                keeper::writePlan(m_roomFile, {QSysInfo::machineHostName(), qint64(::getpid()),
                                               next > now ? next : QDateTime()});
            !written)
            logLine(
                m_console,
                Text::tr("When it sends next could not be written: %1").arg(written.description()));
        // Its own write is no change of the directory.
        static_cast<void>(m_stamp.moved());
    }

    // Whether a unit not waiting after a failure lacks the directory.
    bool unitsBehind() const
    {
        const Expected<QList<DoorUnit>> units = doorunits::read(m_roomFile);
        if (!units)
            return false;
        for (const DoorUnit& unit : *units) {
            if (m_failures.contains(unit.id))
                continue;
            const Expected<DirectoryReport> report = DirectoryReport::read(m_roomFile, unit.id);
            if (report && report->state.kind != DoorUnitState::Kind::UpToDate)
                return true;
        }
        return false;
    }

    // Sends to every unit that is behind, but those still waiting after a failure.
    int round()
    {
        const Expected<QList<DoorUnit>> units = doorunits::read(m_roomFile);
        if (!units) {
            logLine(m_console, Text::tr("Nothing was sent: %1").arg(units.error()));
            return kRefused;
        }
        const QDateTime now = QDateTime::currentDateTimeUtc();
        QList<DoorUnit> behind;
        for (const DoorUnit& unit : *units) {
            if (m_failures.contains(unit.id) && m_failures[unit.id].retryAt > now)
                continue;
            const Expected<DirectoryReport> report = DirectoryReport::read(m_roomFile, unit.id);
            if (!report) {
                logLine(m_console, Text::tr("Nothing was sent: %1").arg(report.error()));
                return kRefused;
            }
            if (report->state.kind != DoorUnitState::Kind::UpToDate)
                behind << unit;
        }
        if (behind.isEmpty()) {
            logLine(m_console, Text::tr("Every door unit holds the directory; nothing to send."));
            return kComplete;
        }
        if (const Outcome apart = UnitsDownload::checkDevices(behind); !apart) {
            logLine(m_console, Text::tr("Nothing was sent: %1").arg(apart.description()));
            return kRefused;
        }
        QStringList names;
        for (const DoorUnit& unit : behind)
            names << unit.shownName();
        logLine(m_console, Text::tr("Sending to %n door unit(s): %1.", nullptr, int(behind.size()))
                               .arg(names.join(QStringLiteral(", "))));
        UnitsDownload download(
            m_roomFile, behind, TransferRecord::keeperName(QSysInfo::machineHostName()),
            [this](const DoorUnit& unit) -> std::unique_ptr<SerialPort> {
                auto port = std::make_unique<StoppablePort>(
                    m_env.newPort ? m_env.newPort(unit.port) : newSerialPort(), m_env);
                port->armed = true;
                return port;
            },
            [this](const DoorUnit& unit) -> std::unique_ptr<Pauser> {
                auto pauser = std::make_unique<StoppablePauser>(
                    m_env.newPauser ? m_env.newPauser(unit.port)
                                    : std::make_unique<SleepingPauser>(),
                    m_env);
                pauser->armed = true;
                return pauser;
            });
        download.start();
        download.wait();
        return told(download.lines());
    }

    // Logs how each unit's download ended, and when a failed one is tried
    // again; gives the round's status.
    int told(const QList<UnitsDownload::Line>& lines)
    {
        int status = kComplete;
        for (const UnitsDownload::Line& line : lines) {
            const LinkResult& r = line.result;
            if (r.done()) {
                m_failures.remove(line.unit.id);
                logLine(
                    m_console,
                    Text::tr("%1: %n rooms sent.", nullptr, r.total).arg(line.unit.shownName()));
            } else if (r.kind == LinkResult::Kind::Stopped && stopAsked(m_env)) {
                status = kStopped;
                m_stoppedMidway = true;
                logLine(m_console,
                        Text::tr("%1: stopped by %2 with %3 of %n rooms sent.", nullptr, r.total)
                            .arg(line.unit.shownName(), shownStop(r.detail))
                            .arg(r.sent));
            } else {
                status = status == kComplete ? (r.sent == 0 ? kRefused : kStopped) : status;
                Failure& f = m_failures[line.unit.id];
                ++f.count;
                const qint64 wait = keeper::retryWait(f.count, m_options.quietMs);
                f.retryAt = QDateTime::currentDateTimeUtc().addMSecs(wait);
                //: %1 the door unit, %2 what went wrong, %3 a duration such as "2 min 00 s"
                logLine(m_console,
                        Text::tr("%1: %2 Tried again after %3 at the earliest.")
                            .arg(line.unit.shownName(), failureText(r), duration(int(wait))));
            }
            if (!r.recordFailure.isEmpty())
                logLine(m_console,
                        Text::tr("The transfer was not recorded: %1").arg(r.recordFailure));
        }
        return status;
    }

    struct Failure
    {
        int count = 0;
        QDateTime retryAt;
    };

    const store::Location& m_location;
    store::Database m_roomFile;
    KeepOptions m_options;
    Console& m_console;
    Environment& m_env;
    keeper::FileStamp m_stamp;
    QDateTime m_lastChange;
    QDateTime m_planned;
    bool m_pending = false;
    bool m_announced = false;
    bool m_stoppedMidway = false;
    QHash<qint64, Failure> m_failures;
};

} // namespace

QString keepHelp()
{
    return Text::tr("  keep [DIR] [--quiet DURATION] [--hours FROM-TO|any] [--once]\n"
                    "      Keeps every door unit in step: once the directory has changed and\n"
                    "      stayed quiet for DURATION (10m; 0, 30s, 1h...), within the hours\n"
                    "      (22:00-06:00, local time), downloads to every unit that is behind, as\n"
                    "      download --all does, recorded as kept by the keeper on this PC. A unit\n"
                    "      that fails is tried again with a growing wait. One keeper a folder or\n"
                    "      building: a second refuses. --once sends once and exits (for cron);\n"
                    "      otherwise it runs until SIGTERM, a line an event on standard output.\n");
}

int keep(const QStringList& arguments, const std::optional<store::Location>& building,
         Console& console, Environment& env)
{
    const Expected<KeepOptions> parsed = parseKeep(arguments);
    if (!parsed)
        return commandline::usageError(console.err, QStringLiteral("quorvane-link"),
                                       QStringLiteral("quorvane-link: ") + parsed.error());
    const KeepOptions& options = *parsed;
    std::optional<store::Location> named = building;
    if (!named && options.directory.isEmpty()) {
        Expected<std::optional<store::Location>> fromSettings = store::Location::fromSettings();
        if (!fromSettings) {
            complain(console, fromSettings.error());
            return kUsage;
        }
        named = *fromSettings;
    }
    const store::Location location = named ? *named
                                     : options.directory.isEmpty()
                                         ? store::Location::folder(datafolder::resolve())
                                         : store::Location::folder(options.directory);
    const store::Database roomFile = location.database(schema::kDirectoryFile);
    if (const Expected<QList<DoorUnit>> units = doorunits::read(roomFile); !units) {
        complain(console, Text::tr("Nothing was sent: %1").arg(units.error()));
        return kRefused;
    }
    keeper::Claim claim(location);
    if (Outcome taken = claim.take(); !taken) {
        complain(console, taken.description());
        return kRefused;
    }
    Keeper keeper(location, options, console, env);
    return options.once ? keeper.once() : keeper.run();
}

} // namespace linktool
