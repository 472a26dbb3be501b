#pragma once

#include "claim.h"
#include "location.h"
#include "outcome.h"

#include <QDateTime>
#include <QString>

#include <array>
#include <memory>
#include <optional>

// What the keeper (quorvane-link keep) needs beside the download to every
// unit: its times, the claim that makes it the only keeper of a building or
// folder, the row where it says when it next sends (read by the program's
// door unit panel) and the watch on the directory.
namespace keeper {

// "0", "30s", "10m", "1h" (a bare number is seconds) as milliseconds; nothing
// for any other text.
std::optional<qint64> parseDuration(const QString& text);

// The hours the keeper may send in, such as 22:00-06:00 (across midnight), or
// every hour.
struct Hours
{
    bool any = true;
    int from = 0; // minutes after midnight, local time
    int to = 0;

    // "HH:MM-HH:MM" or "any"; a span that ends where it begins is none.
    static std::optional<Hours> parse(const QString& text);
    // "HH:MM-HH:MM" with both ends the same time.
    static bool isEmptySpan(const QString& text);
    bool contains(const QDateTime& when) const;
    // The first moment at or after when that lies within the hours.
    QDateTime firstFrom(const QDateTime& when) const;
};

// How long a unit that failed failures times waits before it is tried again:
// a minute (the quiet time when that is shorter, at least a second), doubled
// with each failure, at most an hour.
qint64 retryWait(int failures, qint64 quietMs);

// What a keeper leaves for others to read in the room file: who it is and
// when it next sends (invalid when nothing waits).
struct Plan
{
    QString pc;
    qint64 pid = 0;
    QDateTime next; // UTC
};

Outcome writePlan(const store::Database& roomFile, const Plan& plan);
Outcome clearPlan(const store::Database& roomFile);
// Nothing when no keeper runs (or never ran) for the file.
Expected<std::optional<Plan>> readPlan(const store::Database& roomFile);

// The keeper's place for a building or a folder: an advisory lock on the
// server, held by a connection of its own, or a lock file in the folder.
// Released when destroyed.
class Claim
{
public:
    explicit Claim(const store::Location& location);
    Q_DISABLE_COPY_MOVE(Claim)

    // Taken, or refused naming the keeper that holds it.
    [[nodiscard]] Outcome take();

private:
    store::Location m_location;
    store::Claim m_claim;
};

// Whether the directory may have changed since last asked: the room file's
// time, size and inode for a folder. A server's building, which has no file
// (an empty path), never moves: it is heard through its announcements
// instead (see ServerAnnouncements).
class FileStamp
{
public:
    explicit FileStamp(QString roomFile);
    // True when the file is not as it was last time (the first call takes it as it is).
    bool moved();
    // When the file was last written, as far as the file system says.
    QDateTime modified() const;

private:
    QString m_path;
    std::array<qint64, 4> m_stamp{};
};

} // namespace keeper
