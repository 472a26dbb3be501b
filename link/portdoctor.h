#pragma once

#include <QList>
#include <QString>

#include <sys/types.h>

// What stands behind COM1..COM9 and the serial devices of this computer:
// whether a device exists, what it is, whether the user may open it and who
// holds it. Read from the system's own sources (sysfs, /dev/serial/by-id,
// /proc); the roots are given so that a test can lay out a tree of its own.
namespace portdoctor {

struct Roots
{
    QString sys = QStringLiteral("/sys");
    QString dev = QStringLiteral("/dev");
    QString proc = QStringLiteral("/proc");
};

// Whose access is judged. For the running user the system decides (ACLs
// included); for any other, the mode bits against the uid and groups.
struct Identity
{
    uid_t uid = 0;
    QList<gid_t> groups; // the login's groups, the primary one included
    QString name;
    bool real = false;

    static Identity current();
};

struct Holder
{
    qint64 pid = 0;
    QString command;
    bool locked = false; // holds the device's lock, as Quorvane does while it sends
};

struct Device
{
    QString path; // as named in the settings or found in /dev
    QString node; // where links lead; empty when missing
    bool exists = false;
    bool noHardware = false; // listed by the kernel, but nothing answers behind it
    bool serialLine = false; // a serial port or a pseudo-terminal, not a console or a file
    QString what;
    QString byId; // the stable /dev/serial/by-id name
    bool mayOpen = false;
    QString access; // why not, and what to do
    QList<Holder> holders;
    bool exclusive = false; // opening it was refused as busy
    QString openError;

    bool usable() const { return exists && !noHardware; }
};

struct ComEntry
{
    int number = 0;
    bool fromSettings = false;
    Device device;
};

struct Report
{
    QString settingsFile;
    QList<ComEntry> entries;
    QList<Device> unmapped;
    // The first COM entry with nothing usable behind it, for a device to be
    // mapped; 0 when every entry is taken.
    int freeEntry = 0;
};

// probe: also open the device for a moment to see whether another program
// holds it exclusively (it raises the modem lines, so only for devices meant
// for the door unit).
Device describe(const QString& path, const Roots& roots, const Identity& identity, bool probe);
Report examine(const Roots& roots, const Identity& identity);
// The same for a network address (tcp://HOST:PORT, rfc2217://HOST:PORT).
Device describeNetwork(const QString& path, bool probe);

// What the device at path is when it is no serial line to send to (a virtual
// terminal, a character device not listed as a serial port, a file); empty
// for a serial port or a pseudo-terminal, and when it cannot be examined (an
// open tells why then).
QString notSerialLine(const QString& path, const Roots& roots = {});

// What the device is, whether it may be opened and who holds it, a line each.
QString summary(const Device& device);
QString reportText(const Report& report);

} // namespace portdoctor
