#include "changelist.h"
#include "changerows.h"

#include "connection.h"
#include "database.h"
#include "language.h"
#include "location.h"
#include "roomcsv.h"
#include "schema.h"
#include "transaction.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace changelist {

namespace {

struct Source
{
    QString fileName;
    Entry::File file;
};

const QList<Source>& sources()
{
    static const QList<Source> list{{schema::kDirectoryFile, Entry::File::Rooms},
                                    {schema::kOperatorFile, Entry::File::Operators}};
    return list;
}

Outcome readFile(const store::Database& path, Entry::File file, const Filter& filter,
                 QList<Entry>& into)
{
    if (path.missing())
        return Outcome::success();
    const store::Connection connection(path, QStringLiteral("change-record"),
                                       database::Access::ReadOnly);
    if (!connection.opened())
        return Outcome::failure(cannotRead(path, connection.opened().description()));
    const QSqlDatabase db = connection.db();
    if (!changerecord::hasTable(db))
        return Outcome::success();
    // On a server a login may see the operators yet not their entries:
    // unreadPart() says the list leaves them out.
    if (file == Entry::File::Operators &&
        !database::unseenTable(db, schema::kChangeRecordTable, path).isEmpty())
        return Outcome::success();
    QList<Entry> found;
    if (Outcome done = select(db, path, file, filter, found); !done)
        return done;
    // An import's rooms are its own rows: one room's are looked for there.
    if (!filter.room.isEmpty()) {
        QList<Entry> imports;
        if (Outcome done = selectImported(db, path, file, filter, imports); !done)
            return done;
        found += imports;
        std::stable_sort(found.begin(), found.end(), [](const Entry& a, const Entry& b) {
            return a.at > b.at || (a.at == b.at && a.id > b.id);
        });
    }
    into += found;
    return Outcome::success();
}

// A value in double quotes, a quote inside doubled; one a spreadsheet would
// take for a formula as ="...", which it shows as that text.
void appendQuoted(QByteArray& csv, const QString& value)
{
    QString text = value;
    if (roomcsv::looksLikeFormula(value))
        text = QStringLiteral("=\"%1\"").arg(
            QString(value).replace(QLatin1Char('"'), QStringLiteral("\"\"")));
    csv += '"' + text.toUtf8().replace('"', QByteArrayLiteral("\"\"")) + '"';
}

} // namespace

Expected<QList<Entry>> read(const store::Location& location, const Filter& filter)
{
    QList<Entry> rooms;
    QList<Entry> operators;
    // A folder with neither file is no data folder: say so rather than list nothing.
    const bool neither = std::all_of(sources().cbegin(), sources().cend(), [&](const Source& s) {
        return location.database(s.fileName).missing();
    });
    if (neither)
        return Outcome::failure(
            QCoreApplication::translate("changelist",
                                        "Neither %1 nor %2 is in %3, so it holds no change record. "
                                        "Name the data folder that holds them.")
                .arg(schema::kDirectoryFile, schema::kOperatorFile, location.describe()));
    for (const Source& source : sources()) {
        if (source.file == Entry::File::Operators && !filter.room.isEmpty())
            continue;
        if (Outcome done = readFile(location.database(source.fileName), source.file, filter,
                                    source.file == Entry::File::Rooms ? rooms : operators);
            !done)
            return done;
    }
    QList<Entry> all;
    all.reserve(rooms.size() + operators.size());
    std::merge(rooms.cbegin(), rooms.cend(), operators.cbegin(), operators.cend(),
               std::back_inserter(all), [](const Entry& a, const Entry& b) { return a.at > b.at; });
    return all;
}

QString unreadPart(const store::Location& location)
{
    // Only a server's login can be refused a table; a file's reader sees all.
    const store::Database path = location.database(schema::kOperatorFile);
    const store::Connection connection(path, QStringLiteral("change-record"),
                                       database::Access::ReadOnly);
    if (!connection.opened() ||
        database::unseenTable(connection.db(), schema::kChangeRecordTable, path).isEmpty())
        return {};
    return QCoreApplication::translate(
        "changelist", "This login may not read the operators' part of the change record: the "
                      "list holds the building's entries only.");
}

std::optional<QDateTime> parseDate(const QString& text, bool endOfDay)
{
    // Read field by field: Qt's own readers take an hour of 24 or more as a
    // later day, so a typo would quietly become another time.
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(?:[T ](\\d{2}):(\\d{2})(?::(\\d{2})"
                       "(?:\\.(\\d{1,3}))?)?(Z|[+-]\\d{2}:\\d{2})?)?$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const auto number = [&m](int field) { return m.captured(field).toInt(); };
    const QDate day(number(1), number(2), number(3));
    if (!day.isValid())
        return std::nullopt;
    if (!m.hasCaptured(4))
        return QDateTime(endOfDay ? day.addDays(1) : day, QTime(0, 0)).toUTC();
    const QString fraction = m.captured(7);
    const QTime time(number(4), number(5), number(6),
                     fraction.isEmpty() ? 0 : fraction.leftJustified(3, u'0').toInt());
    if (!time.isValid())
        return std::nullopt;
    const QString zone = m.captured(8);
    if (zone.isEmpty())
        return QDateTime(day, time).toUTC();
    if (zone == QLatin1String("Z"))
        return QDateTime(day, time, Qt::UTC);
    const int hours = zone.mid(1, 2).toInt();
    const int minutes = zone.mid(4, 2).toInt();
    if (hours > 14 || minutes > 59)
        return std::nullopt;
    const int offset = (hours * 3600 + minutes * 60) * (zone.startsWith(u'-') ? -1 : 1);
    return QDateTime(day, time, Qt::OffsetFromUTC, offset).toUTC();
}

QString shownDetail(const QString& kept)
{
    // What the program writes as an entry's detail, with its values as %1...
    static const QList<const char*> details{
        //: A transfer's entry: %1 the count of rooms sent, %2 the port and its device
        QT_TRANSLATE_NOOP("changelist", "download (%1 rooms) on %2"),
        //: A transfer's entry of one room: %1 is 1, %2 the port and its device
        QT_TRANSLATE_NOOP("changelist", "download (%1 room) on %2"),
        //: %1 the door's open time in seconds, %2 the auto mode (0 to 3), %3 the port
        QT_TRANSLATE_NOOP("changelist", "settings (open time %1 s, auto mode %2) on %3"),
        QT_TRANSLATE_NOOP("changelist", "load default on %1"),
        QT_TRANSLATE_NOOP("changelist", "%1 added, %2 changed, %3 unchanged, %4 removed (the "
                                        "whole directory replaced)"),
        //: An import's entry; the numbers count rooms
        QT_TRANSLATE_NOOP("changelist", "%1 added, %2 changed, %3 unchanged"),
        //: What another program did to a room, %1 the operator and %2 the PC that saw it
        QT_TRANSLATE_NOOP("changelist", "added; seen by %1 on %2"),
        QT_TRANSLATE_NOOP("changelist", "deleted; seen by %1 on %2"),
        QT_TRANSLATE_NOOP("changelist", "changed; seen by %1 on %2"),
        //: %1 the file restored, %2 the backup, %3 where the file before is kept
        QT_TRANSLATE_NOOP("changelist", "%1 restored from %2; the file before is kept as %3"),
        QT_TRANSLATE_NOOP("changelist", "%1 restored from %2")};
    return changerecord::shownWords(kept, "changelist", details);
}

QString fileText(Entry::File file)
{
    return file == Entry::File::Rooms ? QStringLiteral("rooms") : QStringLiteral("operators");
}

QByteArray csv(const QList<Entry>& entries)
{
    QByteArray text =
        roomcsv::kBom +
        QByteArrayLiteral("time,operator,host,os_user,what,subject,before,after,detail,transfer,"
                          "file\r\n");
    for (const Entry& e : entries) {
        const QStringList values{shownTime(e.at, TimeShown::Second),
                                 e.who.operatorName,
                                 e.who.host,
                                 e.who.osUser,
                                 changerecord::storedWord(e),
                                 e.subject,
                                 e.before,
                                 e.after,
                                 e.detail,
                                 e.transfer > 0 ? QString::number(e.transfer) : QString(),
                                 fileText(e.file)};
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (i > 0)
                text += ',';
            appendQuoted(text, values[i]);
        }
        text += "\r\n";
    }
    return text;
}

Outcome exportTo(const store::Location& location, const QList<Entry>& entries,
                 const QString& target, outputfile::Reader reader)
{
    if (Outcome usable = location.database(schema::kDirectoryFile).checkOutput(target); !usable)
        return usable;
    return outputfile::write(target, csv(entries), reader);
}

namespace {

// The entries a prune leaves whatever date it is given: the last days', and
// those that record a prune, so no pruning can hide itself or another.
constexpr int kKeptDays = 30;
const QString kPrunable = QStringLiteral("happened < ? AND what <> ?");

} // namespace

Outcome pruneAllowed(const QDateTime& before)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QDateTime latest = now.addDays(-kKeptDays);
    if (before <= latest)
        return Outcome::success();
    // %1 is the date given; %2 the latest date a prune takes.
    const QString refusal =
        before > now
            ? QCoreApplication::translate("changelist",
                                          "%1 lies in the future: pruning before it would remove "
                                          "every entry. Nothing was removed. The last 30 days are "
                                          "always kept; name a date before %2.")
            : QCoreApplication::translate("changelist",
                                          "%1 lies within the last 30 days, which are always kept. "
                                          "Nothing was removed; name a date before %2.");
    return Outcome::failure(
        refusal.arg(shownTime(before, TimeShown::Second), shownTime(latest, TimeShown::Second)));
}

Expected<int> prunable(const store::Location& location, const QDateTime& before)
{
    int count = 0;
    for (const Source& source : sources()) {
        const store::Database path = location.database(source.fileName);
        if (path.missing())
            continue;
        const store::Connection connection(path, QStringLiteral("change-record"),
                                           database::Access::ReadOnly);
        if (!connection.opened())
            return Outcome::failure(cannotRead(path, connection.opened().description()));
        const QSqlDatabase db = connection.db();
        if (!changerecord::hasTable(db))
            continue;
        QSqlQuery q(db);
        q.prepare(QStringLiteral("SELECT count(*) FROM change_record WHERE ") + kPrunable);
        q.addBindValue(timeText(before));
        q.addBindValue(changerecord::storedWord(changerecord::Kind::Pruned));
        if (!q.exec() || !q.next())
            return Outcome::failure(cannotRead(path, database::plainError(q.lastError(), path)));
        count += q.value(0).toInt();
    }
    return count;
}

Expected<int> prune(const store::Location& location, const QDateTime& before,
                    const changerecord::Actor& who)
{
    if (Outcome allowed = pruneAllowed(before); !allowed)
        return allowed;
    int removed = 0;
    for (const Source& source : sources()) {
        const store::Database path = location.database(source.fileName);
        if (path.missing())
            continue;
        const store::Connection connection(path, QStringLiteral("change-record"),
                                           database::Access::ReadWrite);
        if (!connection.opened())
            return connection.opened();
        QSqlDatabase db = connection.db();
        if (!changerecord::hasTable(db))
            continue;
        QSqlQuery q(db);
        const auto failed = [&](const QString& why) {
            return Expected<int>::failure(
                QCoreApplication::translate("changelist",
                                            "The change record in %1 was not pruned: %2")
                    .arg(path.describe(), why));
        };
        store::Transaction transaction(db);
        if (!transaction.active())
            return failed(database::plainError(transaction.error(), path));
        // An import's rooms go with its entry.
        if (changerecord::hasRoomTable(db)) {
            q.prepare(QStringLiteral("DELETE FROM change_room WHERE entry IN (SELECT id FROM "
                                     "change_record WHERE ") +
                      kPrunable + QLatin1Char(')'));
            q.addBindValue(timeText(before));
            q.addBindValue(changerecord::storedWord(changerecord::Kind::Pruned));
            if (!q.exec())
                return failed(database::plainError(q.lastError(), path));
        }
        q.prepare(QStringLiteral("DELETE FROM change_record WHERE ") + kPrunable);
        q.addBindValue(timeText(before));
        q.addBindValue(changerecord::storedWord(changerecord::Kind::Pruned));
        if (!q.exec())
            return failed(database::plainError(q.lastError(), path));
        const int count = q.numRowsAffected();
        Entry entry;
        entry.who = who;
        entry.kind = changerecord::Kind::Pruned;
        entry.detail =
            QStringLiteral("%1 before %2 removed")
                .arg(language::ownWords("changelist",
                                        QT_TRANSLATE_N_NOOP("changelist", "%n entries"), count),
                     shownTime(before, TimeShown::Second));
        if (Outcome added = changerecord::append(db, entry, path); !added)
            return failed(added.description());
        if (!transaction.commit())
            return failed(database::plainError(transaction.error(), path));
        removed += count;
    }
    return removed;
}

} // namespace changelist
