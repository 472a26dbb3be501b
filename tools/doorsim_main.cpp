// quorvane-doorsim: a door unit monitor on a pseudo-terminal, so that the
// program can be tried and tested without a door unit.
#include "commandline.h"
#include "companionlanguage.h"
#include "doorunitdecoder.h"
#include "outputfile.h"
#include "posixserialport.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cerrno>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The monitor's own texts go through the catalogue under the context
// "doorsim"; the decoded lines stay as the JSON file keeps them.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(doorsim)
};

volatile std::sig_atomic_t g_stop = 0;

void onSignal(int)
{
    g_stop = 1;
}

void complain(const QString& text)
{
    std::fprintf(stderr, "quorvane-doorsim: %s\n", qPrintable(text));
}

void print(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

// A program that held the device exclusively and was killed leaves the
// exclusive flag on a device we keep alive; nobody holding its lock means
// nobody owns it, so the flag is cleared for the next run.
void clearStaleExclusive(int slave)
{
    int exclusive = 0;
    if (ioctl(slave, TIOCGEXCL, &exclusive) != 0 || !exclusive)
        return;
    if (flock(slave, LOCK_EX | LOCK_NB) != 0)
        return;
    ioctl(slave, TIOCNXCL);
    flock(slave, LOCK_UN);
}

// The link may only take the place of an earlier link or of nothing: any
// other file at that name (a database, say) is someone's data.
bool mayTakeLinkName(const QByteArray& path)
{
    struct stat st;
    if (::lstat(path.constData(), &st) != 0)
        return errno == ENOENT;
    return S_ISLNK(st.st_mode);
}

// True while path is still the link to device that this run made.
bool isOurLink(const QByteArray& path, const QByteArray& device)
{
    char target[4096];
    const ssize_t n = ::readlink(path.constData(), target, sizeof target);
    return n >= 0 && QByteArray(target, n) == device;
}

// A day: longer is surely a slip, and a whole number of milliseconds still.
constexpr double kMostIdleSeconds = 86400;

void writeJson(const QString& path, const DoorUnitDecoder& decoder)
{
    if (Outcome written = outputfile::write(path, decoder.toJson()); !written)
        std::fprintf(stderr, "quorvane-doorsim: %s\n", qPrintable(written.description()));
}

const char* const kHelp = QT_TRANSLATE_NOOP(
    "doorsim",
    "Usage: %1 [options]\n"
    "A door unit monitor: opens a pseudo-terminal, prints the device to map a COM entry to,\n"
    "and shows what arrives from the program as readable lines (settings, directory records\n"
    "with their batches and pauses, load default, framing errors). Ctrl+C ends it.\n"
    "It is for trying Quorvane without a door unit.\n"
    "\n"
    "Options:\n"
    "  -h, --help             Displays help on commandline options.\n"
    "  --help-all             Displays help including Qt specific options.\n"
    "  -v, --version          Displays version information.\n"
    "  --json <file>          Write the decoded session to <file> as JSON.\n"
    "  --link <path>          Also make <path> a symbolic link to the device, a name\n"
    "                         that stays the same between runs.\n"
    "  --exit-after-end       End after the first directory end.\n"
    "  --idle-exit <seconds>  End when nothing has arrived for <seconds>, counted\n"
    "                         from the start and from each byte.\n"
    "  --language <code>      Show the texts in this language (en, zh_CN) instead of\n"
    "                         the locale's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).\n");

struct Options
{
    bool help = false;
    bool helpAll = false;
    bool version = false;
    bool exitAfterEnd = false;
    QString json;
    QString link;
    std::optional<QString> idle;
};

// Long options with two dashes; -h and -v alone take one.
Outcome parse(const QStringList& arguments, Options& options)
{
    static const QStringList flags{"help", "help-all", "version", "exit-after-end"};
    static const QStringList valued{"json", "link", "idle-exit"};
    QStringList positional;
    return commandline::walk(
        arguments, positional,
        [](const QString& option, bool) -> commandline::Kind {
            const QString name = commandline::bareName(option);
            const bool twoDashes = option.startsWith(QLatin1String("--"));
            if (valued.contains(name) && twoDashes)
                return commandline::Takes::Value;
            if ((flags.contains(name) && twoDashes) || name == QLatin1String("h") ||
                name == QLatin1String("v"))
                return commandline::Takes::Nothing;
            return Text::tr("Unknown option '%1'.").arg(name);
        },
        [&options](const QString& option, const std::optional<QString>& value) {
            const QString name = commandline::bareName(option);
            if (name == QLatin1String("json"))
                options.json = *value;
            else if (name == QLatin1String("link"))
                options.link = *value;
            else if (name == QLatin1String("idle-exit"))
                options.idle = *value;
            else if (value)
                return Outcome::failure(Text::tr("Unexpected value after '%1'.").arg(option));
            else if (name == QLatin1String("v") || name == QLatin1String("version"))
                options.version = true;
            else if (name == QLatin1String("exit-after-end"))
                options.exitAfterEnd = true;
            else if (name == QLatin1String("help-all"))
                options.helpAll = true;
            else
                options.help = true;
            return Outcome::success();
        },
        commandline::Dashes::OneOrTwo);
}

// Reads the options; the exit status when the run ends here (a refusal,
// the version or the help).
std::optional<int> readOptions(QStringList& arguments, Options& options)
{
    Outcome read = companion::chooseLanguage("quorvane-doorsim", arguments);
    if (read)
        read = parse(arguments.mid(1), options);
    if (!read) {
        QTextStream err(stderr);
        return commandline::usageError(err, QStringLiteral("quorvane-doorsim"),
                                       QStringLiteral("quorvane-doorsim: ") + read.description());
    }
    if (options.version) {
        print(QStringLiteral("quorvane-doorsim " QUORVANE_VERSION));
        return 0;
    }
    if (options.help || options.helpAll) {
        print(Text::tr(kHelp).arg(arguments.value(0)).chopped(1));
        if (!options.help)
            print(Text::tr("Qt's own option, -qmljsdebugger=port:<port>[,block], is passed "
                           "to Qt."));
        return 0;
    }
    return std::nullopt;
}

// The seconds --idle-exit gives; nothing (after saying why) when they are not usable.
std::optional<double> idleSecondsOf(const Options& options)
{
    bool idleOk = true;
    const double idleSeconds = options.idle ? options.idle->toDouble(&idleOk) : 0;
    if (!idleOk) {
        complain(Text::tr("--idle-exit needs a number of seconds"));
        return std::nullopt;
    }
    if (!std::isfinite(idleSeconds) || idleSeconds < 0 || idleSeconds > kMostIdleSeconds) {
        complain(Text::tr("--idle-exit takes 0 to %1 seconds (0: never end for lack of data), "
                          "not %2")
                     .arg(kMostIdleSeconds, 0, 'f', 0)
                     .arg(options.idle.value_or(QString())));
        return std::nullopt;
    }
    return idleSeconds;
}

// The pseudo-terminal the monitor listens on.
struct Terminal
{
    int master = -1;
    int slave = -1;
    QString device;
};

// Opens the pseudo-terminal, its device side raw; nothing (after saying why) when it cannot.
std::optional<Terminal> openTerminal()
{
    Terminal t;
    t.master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (t.master < 0 || grantpt(t.master) != 0 || unlockpt(t.master) != 0) {
        const int error = errno;
        complain(Text::tr("cannot open a pseudo-terminal: %1").arg(qt_error_string(error)));
        return std::nullopt;
    }
    t.device = QString::fromLocal8Bit(ptsname(t.master));
    // Holding the device side ourselves keeps the line up between runs of
    // the program; without it each close would hang up the master.
    t.slave = ::open(ptsname(t.master), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    if (t.slave < 0 || tcgetattr(t.slave, &raw) != 0) {
        const int error = errno;
        complain(Text::tr("cannot open the device side: %1").arg(qt_error_string(error)));
        return std::nullopt;
    }
    cfmakeraw(&raw);
    tcsetattr(t.slave, TCSANOW, &raw);
    return t;
}

// Points the --link name at the device; false (after saying why) when it cannot.
bool makeLink(const QString& linkPath, const QByteArray& linkName, const QByteArray& deviceName)
{
    // Checked again just before: only a link is ever replaced.
    const bool made = mayTakeLinkName(linkName) &&
                      (::unlink(linkName.constData()) == 0 || errno == ENOENT) &&
                      ::symlink(deviceName.constData(), linkName.constData()) == 0;
    if (!made) {
        const int error = errno;
        complain(Text::tr("cannot make the link %1: %2").arg(linkPath, qt_error_string(error)));
        return false;
    }
    return true;
}

// Decodes what the program sends until a signal, the directory's end (with
// --exit-after-end) or too long without data.
void monitor(const Terminal& terminal, const Options& options, double idleSeconds, bool jsonWhole,
             DoorUnitDecoder& decoder)
{
    const QString& jsonPath = options.json;
    const bool exitAfterEnd = options.exitAfterEnd;
    QElapsedTimer clock;
    clock.start();
    // Idle time counts from the start too, so a program that never sends ends the run.
    qint64 lastData = 0;
    qint64 lastCheck = 0;
    bool ended = false;
    const auto report = [&](const QList<DoorUnitDecoder::Event>& events) {
        for (const DoorUnitDecoder::Event& e : events) {
            print(DoorUnitDecoder::timestamped(e));
            if (e.type == QLatin1String("directoryEnd"))
                ended = true;
        }
        if (!events.isEmpty() && jsonWhole)
            writeJson(jsonPath, decoder);
    };

    while (!g_stop && !(exitAfterEnd && ended)) {
        pollfd p{terminal.master, POLLIN, 0};
        const int ready = poll(&p, 1, 100);
        const qint64 now = clock.elapsed();
        if (ready > 0 && (p.revents & POLLIN)) {
            char buffer[4096];
            const ssize_t n = ::read(terminal.master, buffer, sizeof buffer);
            if (n > 0) {
                SerialPort::LineSettings line;
                if (PosixSerialPort::readSettings(terminal.slave, line))
                    report(decoder.lineSettings(line.baud, line.dataBits, line.parity,
                                                line.stopBits, now));
                report(decoder.feed(QByteArray(buffer, n), now));
                lastData = now;
            }
        }
        if (ready == 0 && now - lastCheck > 1000) {
            clearStaleExclusive(terminal.slave);
            lastCheck = now;
        }
        if (idleSeconds > 0 && now - lastData > qint64(idleSeconds * 1000))
            break;
    }
    report(decoder.finish(clock.elapsed()));
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorvane-doorsim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));

    QStringList arguments = QCoreApplication::arguments();
    Options options;
    if (const std::optional<int> status = readOptions(arguments, options))
        return *status;

    const QString jsonPath = options.json;
    const std::optional<double> idleSeconds = idleSecondsOf(options);
    if (!idleSeconds)
        return commandline::kUsageError;
    if (Outcome usable = outputfile::check(jsonPath); !jsonPath.isEmpty() && !usable) {
        std::fprintf(stderr, "quorvane-doorsim: --json: %s\n", qPrintable(usable.description()));
        return 1;
    }
    // A FIFO or a terminal takes every write as more: it gets the session once, at the end.
    const bool jsonWhole = !jsonPath.isEmpty() && !outputfile::isStream(jsonPath);

    const QString linkPath = options.link;
    const QByteArray linkName = QFile::encodeName(linkPath);
    if (!linkPath.isEmpty() && !mayTakeLinkName(linkName)) {
        complain(Text::tr("%1 exists and is not a symbolic link; it is left as it is. Give "
                          "--link a name that is free or holds an earlier link.")
                     .arg(linkPath));
        return 1;
    }

    const std::optional<Terminal> terminal = openTerminal();
    if (!terminal)
        return 1;
    const QString device = terminal->device;
    const QByteArray deviceName = QFile::encodeName(device);
    if (!linkPath.isEmpty() && !makeLink(linkPath, linkName, deviceName))
        return 1;

    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);

    const QString shown = linkPath.isEmpty() ? device : linkPath;
    print(Text::tr("Door unit monitor listening on %1 — map a COM entry to it: [Ports] "
                   "COM1=%1")
              .arg(shown));
    print(Text::tr("(settings file: %1)").arg(settingsstore::fileName()));

    DoorUnitDecoder decoder;
    monitor(*terminal, options, *idleSeconds, jsonWhole, decoder);
    if (!jsonPath.isEmpty())
        writeJson(jsonPath, decoder);
    // Whatever took the name meanwhile is not ours to remove.
    if (!linkPath.isEmpty() && isOurLink(linkName, deviceName))
        ::unlink(linkName.constData());
    ::close(terminal->slave);
    ::close(terminal->master);
    for (const DoorUnitDecoder::Event& e : decoder.events()) {
        if (e.type == QLatin1String("framingError"))
            return 2;
    }
    return 0;
}
