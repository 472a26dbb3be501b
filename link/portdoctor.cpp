#include "portdoctor.h"

#include "networkserialport.h"
#include "seriallink.h"
#include "settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace portdoctor {

namespace {

// UNIX98 pseudo-terminal devices.
constexpr unsigned kFirstPtyMajor = 136;
constexpr unsigned kLastPtyMajor = 143;
// /dev/tty, /dev/console and /dev/ptmx; tty0..tty63 (ttyS0 on is 4:64).
constexpr unsigned kTerminalMajor = 5;
constexpr unsigned kConsoleMajor = 4;
constexpr unsigned kFirstSerialMinor = 64;
// How far above a tty's device in sysfs its USB device may lie (interface,
// port, device).
constexpr int kUsbLevels = 4;

QString readLine(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readLine()).trimmed();
}

// A /dev path of the settings as it lies under the given root.
QString underRoot(const QString& path, const QString& root)
{
    if (root == QLatin1String("/dev") || !path.startsWith(QStringLiteral("/dev/")))
        return path;
    return root + path.mid(4);
}

QString userName(uid_t uid)
{
    if (const passwd* p = ::getpwuid(uid))
        return QString::fromLocal8Bit(p->pw_name);
    return QStringLiteral("uid %1").arg(uid);
}

QString groupName(gid_t gid)
{
    if (const group* g = ::getgrgid(gid))
        return QString::fromLocal8Bit(g->gr_name);
    return QStringLiteral("gid %1").arg(gid);
}

bool listedMember(gid_t gid, const QString& user)
{
    const group* g = ::getgrgid(gid);
    for (char** member = g ? g->gr_mem : nullptr; member && *member; ++member) {
        if (QString::fromLocal8Bit(*member) == user)
            return true;
    }
    return false;
}

void judgeAccess(Device& d, const struct stat& st, const Identity& who)
{
    const QByteArray node = QFile::encodeName(d.node);
    if (who.real) {
        d.mayOpen = ::faccessat(AT_FDCWD, node.constData(), R_OK | W_OK, AT_EACCESS) == 0;
    } else if (who.uid == 0) {
        d.mayOpen = true;
    } else {
        // The bits that apply to this user, moved to the owner's place.
        const mode_t bits = st.st_uid == who.uid             ? st.st_mode
                            : who.groups.contains(st.st_gid) ? (st.st_mode & 070) << 3
                                                             : (st.st_mode & 07) << 6;
        d.mayOpen = (bits & (S_IRUSR | S_IWUSR)) == (S_IRUSR | S_IWUSR);
    }
    if (d.mayOpen) {
        d.access = QCoreApplication::translate("portdoctor", "you may open it");
        return;
    }
    const QString group = groupName(st.st_gid);
    const QString mode = QString::number(st.st_mode & 07777, 8);
    if ((st.st_mode & 060) != 060 && (st.st_mode & 0600) == 0600)
        d.access =
            QCoreApplication::translate(
                "portdoctor", "you may not open it: only its owner %1 may (mode %2); run the "
                              "program as %1, or have the device given to a group to join")
                .arg(userName(st.st_uid), mode);
    else if ((st.st_mode & 060) != 060 || st.st_gid == 0)
        d.access = QCoreApplication::translate("portdoctor",
                                               "you may not open it (mode %1, owner %2, group %3)")
                       .arg(mode, userName(st.st_uid), group);
    else if (listedMember(st.st_gid, who.name) && !who.groups.contains(st.st_gid))
        d.access = QCoreApplication::translate(
                       "portdoctor", "you may not open it yet: you were added to the group %1, but "
                                     "this login started before; log out and in again")
                       .arg(group);
    else
        d.access = QCoreApplication::translate(
                       "portdoctor", "you may not open it: join the group %1 (sudo usermod -aG %1 "
                                     "%2), then log out and in again")
                       .arg(group, who.name.isEmpty() ? QStringLiteral("$USER") : who.name);
}

// The USB device above a tty's device in sysfs: the adapter's own names.
QString usbAdapter(const QString& deviceDir, const QString& sysRoot, const QString& driver)
{
    QDir dir(deviceDir);
    for (int level = 0; level <= kUsbLevels && dir.absolutePath().startsWith(sysRoot); ++level) {
        if (dir.exists(QStringLiteral("idVendor"))) {
            const auto field = [&](const char* name) {
                return readLine(dir.filePath(QLatin1String(name)));
            };
            QString text =
                QCoreApplication::translate("portdoctor", "USB serial adapter %1 %2 (%3:%4)")
                    .arg(field("manufacturer"), field("product"), field("idVendor"),
                         field("idProduct"))
                    .simplified();
            if (const QString serial = field("serial"); !serial.isEmpty())
                text += QCoreApplication::translate("portdoctor", ", serial number %1").arg(serial);
            if (!driver.isEmpty())
                text += QCoreApplication::translate("portdoctor", ", driver %1").arg(driver);
            return text;
        }
        if (!dir.cdUp())
            break;
    }
    return {};
}

void identify(Device& d, const struct stat& st, const Roots& roots)
{
    const QString name = QFileInfo(d.node).fileName();
    const QString tty = roots.sys + QStringLiteral("/class/tty/") + name;
    const QFileInfo deviceLink(tty + QStringLiteral("/device"));
    bool numbered = false;
    name.toUInt(&numbered);
    const bool pty = (S_ISCHR(st.st_mode) && major(st.st_rdev) >= kFirstPtyMajor &&
                      major(st.st_rdev) <= kLastPtyMajor) ||
                     (numbered && d.node.startsWith(roots.dev + QStringLiteral("/pts/")));
    // The controlling terminal, the console, the pseudo-terminal multiplexer
    // and the virtual consoles, known by number where sysfs cannot be read.
    const bool console =
        S_ISCHR(st.st_mode) &&
        (major(st.st_rdev) == kTerminalMajor ||
         (major(st.st_rdev) == kConsoleMajor && minor(st.st_rdev) < kFirstSerialMinor));
    d.serialLine = true;
    if (pty) {
        d.what = QCoreApplication::translate(
            "portdoctor", "a pseudo-terminal: a program such as quorvane-doorsim plays the "
                          "door unit on it");
    } else if (console) {
        d.what = QCoreApplication::translate("portdoctor", "a virtual terminal, not a serial port");
        d.serialLine = false;
    } else if (deviceLink.exists()) {
        const QString driver =
            QFileInfo(QFileInfo(tty + QStringLiteral("/device/driver")).canonicalFilePath())
                .fileName();
        d.what = usbAdapter(deviceLink.canonicalFilePath(), roots.sys, driver);
        if (d.what.isEmpty() && name.startsWith(QStringLiteral("ttyS")) &&
            readLine(tty + QStringLiteral("/type")) == QLatin1String("0")) {
            d.noHardware = true;
            d.what = QCoreApplication::translate(
                "portdoctor", "a serial port the kernel lists, but no hardware answers "
                              "behind it");
        } else if (d.what.isEmpty()) {
            d.what =
                QCoreApplication::translate("portdoctor", "a built-in serial port (driver %1)")
                    .arg(driver.isEmpty() ? QCoreApplication::translate("portdoctor", "unknown")
                                          : driver);
        }
    } else if (QFileInfo::exists(tty)) {
        d.what = QCoreApplication::translate("portdoctor", "a virtual terminal, not a serial port");
        d.serialLine = false;
    } else {
        d.what = S_ISCHR(st.st_mode)
                     ? QCoreApplication::translate("portdoctor",
                                                   "a character device the system does not "
                                                   "list as a serial port")
                     : QCoreApplication::translate("portdoctor", "not a device");
        // Without a readable list of terminals a character device may yet be one.
        d.serialLine =
            S_ISCHR(st.st_mode) && !QFileInfo(roots.sys + QStringLiteral("/class/tty")).isDir();
    }
    const QDir byId(roots.dev + QStringLiteral("/serial/by-id"));
    for (const QFileInfo& link : byId.entryInfoList(QDir::System | QDir::Files)) {
        if (link.canonicalFilePath() == d.node)
            d.byId = link.absoluteFilePath();
    }
}

// Processes with the device open (those of other users only with root), and
// the holder of its lock from /proc/locks, which everybody may read.
void findHolders(Device& d, const struct stat& st, const Roots& roots)
{
    QSet<qint64> seen;
    const auto add = [&](qint64 pid, bool locked) {
        if (seen.contains(pid)) {
            for (Holder& h : d.holders)
                h.locked = h.locked || (h.pid == pid && locked);
            return;
        }
        seen.insert(pid);
        // The program's name in full; comm is cut at 15 characters.
        QFile cmdline(roots.proc + QStringLiteral("/%1/cmdline").arg(pid));
        QString command;
        if (cmdline.open(QIODevice::ReadOnly))
            command = QFileInfo(QString::fromLocal8Bit(cmdline.readAll().split('\0').value(0)))
                          .fileName();
        if (command.isEmpty())
            command = readLine(roots.proc + QStringLiteral("/%1/comm").arg(pid));
        if (pid == ::getpid())
            command += QCoreApplication::translate("portdoctor", ", this program");
        d.holders << Holder{pid, command, locked};
    };
    const QByteArray node = QFile::encodeName(d.node);
    const QDir proc(roots.proc);
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (!number)
            continue;
        const QDir fds(proc.filePath(entry + QStringLiteral("/fd")));
        for (const QString& fd : fds.entryList(QDir::System | QDir::Files | QDir::NoDotAndDotDot)) {
            char target[4096];
            const ssize_t n =
                ::readlink(QFile::encodeName(fds.filePath(fd)).constData(), target, sizeof target);
            if (n > 0 && QByteArray(target, n) == node) {
                add(pid, false);
                break;
            }
        }
    }
    // "1: FLOCK  ADVISORY  WRITE 1234 00:05:88 0 EOF": the pid, then the
    // device of the file system and the inode, in hexadecimal and decimal.
    const QString inode = QStringLiteral("%1:%2:%3")
                              .arg(major(st.st_dev), 2, 16, QLatin1Char('0'))
                              .arg(minor(st.st_dev), 2, 16, QLatin1Char('0'))
                              .arg(st.st_ino);
    QFile locks(roots.proc + QStringLiteral("/locks"));
    if (locks.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : locks.readAll().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() >= 6 && fields[1] == "FLOCK" &&
                QString::fromLatin1(fields[5]) == inode)
                add(fields[4].toLongLong(), true);
        }
    }
}

void probeExclusive(Device& d)
{
    const int fd =
        ::open(QFile::encodeName(d.node).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd >= 0) {
        ::close(fd);
        return;
    }
    if (errno == EBUSY)
        d.exclusive = true;
    else
        d.openError = qt_error_string(errno);
}

} // namespace

Identity Identity::current()
{
    Identity who;
    who.uid = ::geteuid();
    who.real = true;
    QList<gid_t> groups(qMax(::getgroups(0, nullptr), 0));
    groups.resize(qMax(::getgroups(int(groups.size()), groups.data()), 0));
    who.groups = groups;
    who.groups << ::getegid();
    if (const passwd* entry = ::getpwuid(who.uid))
        who.name = QString::fromLocal8Bit(entry->pw_name);
    return who;
}

namespace {

// The first folder on the way to path that the user may not enter.
QString closedFolder(const QString& path)
{
    QStringList parts = QFileInfo(path).absolutePath().split(u'/', Qt::SkipEmptyParts);
    QString folder;
    for (const QString& part : parts) {
        folder += u'/' + part;
        if (::access(QFile::encodeName(folder).constData(), X_OK) != 0)
            return folder;
    }
    return QFileInfo(path).absolutePath();
}

} // namespace

Device describe(const QString& path, const Roots& roots, const Identity& identity, bool probe)
{
    Device d;
    d.path = path;
    if (path.isEmpty()) {
        d.what = QCoreApplication::translate("portdoctor", "names no device");
        return d;
    }
    if (NetworkSerialPort::isNetworkDevice(path))
        return describeNetwork(path, probe);
    const QFileInfo info(underRoot(path, roots.dev));
    struct stat st;
    const QByteArray name = QFile::encodeName(info.filePath());
    d.exists = ::stat(name.constData(), &st) == 0;
    if (!d.exists) {
        const int error = errno;
        if (error == ELOOP)
            d.what = QCoreApplication::translate(
                         "portdoctor", "cannot be reached: it is a link that leads round in a loop "
                                       "(%1 leads to %2); point it at the device")
                         .arg(info.filePath(), info.symLinkTarget());
        else if (error == EACCES)
            d.what = QCoreApplication::translate(
                         "portdoctor", "cannot be examined: you may not enter the folder %1 that "
                                       "leads to it")
                         .arg(closedFolder(info.filePath()));
        else if (error != ENOENT)
            d.what = QCoreApplication::translate("portdoctor", "cannot be examined: %1")
                         .arg(qt_error_string(error));
        else if (info.isSymLink())
            d.what = QCoreApplication::translate("portdoctor",
                                                 "does not exist: it is a link to %1, which is "
                                                 "gone (a replugged adapter, or a stopped monitor)")
                         .arg(info.symLinkTarget());
        else
            d.what = QCoreApplication::translate("portdoctor", "does not exist");
        return d;
    }
    d.node = info.canonicalFilePath();
    identify(d, st, roots);
    judgeAccess(d, st, identity);
    findHolders(d, st, roots);
    if (probe && identity.real && d.mayOpen && S_ISCHR(st.st_mode))
        probeExclusive(d);
    return d;
}

QString notSerialLine(const QString& path, const Roots& roots)
{
    Device d;
    d.path = path;
    struct stat st;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    d.node = QFileInfo(path).canonicalFilePath();
    identify(d, st, roots);
    return d.serialLine ? QString() : d.what;
}

Report examine(const Roots& roots, const Identity& identity)
{
    Report report;
    report.settingsFile = settingsstore::fileName();
    QSet<QString> mapped;
    for (int n = 1; n <= 9; ++n) {
        const QString key = QStringLiteral("COM%1").arg(n);
        const QString unset = QStringLiteral("\x01");
        ComEntry entry{n, settingsstore::read(QStringLiteral("Ports"), key, unset) != unset,
                       describe(SerialLink::deviceFor(n), roots, identity, true)};
        if (entry.device.path.isEmpty())
            entry.device.what = SerialLink::emptyEntry(n);
        if (!entry.device.node.isEmpty())
            mapped.insert(entry.device.node);
        if (!report.freeEntry && !entry.device.usable())
            report.freeEntry = n;
        report.entries << entry;
    }
    // Adapters under their stable names first, so each is listed by that name.
    const QDir dev(roots.dev);
    QStringList candidates;
    for (const QFileInfo& link : QDir(dev.filePath(QStringLiteral("serial/by-id")))
                                     .entryInfoList(QDir::System | QDir::Files))
        candidates << link.absoluteFilePath();
    for (const QString& name : dev.entryList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")},
                                             QDir::System | QDir::Files))
        candidates << dev.filePath(name);
    for (const QString& candidate : candidates) {
        const QString node = QFileInfo(candidate).canonicalFilePath();
        if (node.isEmpty() || mapped.contains(node))
            continue;
        mapped.insert(node);
        report.unmapped << describe(candidate, roots, identity, false);
    }
    return report;
}

} // namespace portdoctor
