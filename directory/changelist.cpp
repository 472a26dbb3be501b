#include "changelist.h"

#include "database.h"
#include "engine/databaseengine.h"
#include "plural.h"
#include "roomcsv.h"
#include "schema.h"
#include "server.h"

#include <QCoreApplication>
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

// A connection closed when the scope ends.
class Connection
{
public:
    Connection(const QString& path, bool write)
        : m_name(database::uniqueConnectionName(QStringLiteral("change-record")))
    {
        if (write) {
            m_opened = database::open(path, m_name);
        } else if (const QSqlError error =
                       database::connect(path, m_name, database::Access::ReadOnly);
                   error.isValid()) {
            m_opened = Outcome::failure(database::plainError(error, path));
        }
    }
    ~Connection() { database::close(m_name); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const Outcome& opened() const { return m_opened; }
    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

private:
    QString m_name;
    Outcome m_opened = Outcome::success();
};

QString cannotRead(const QString& path, const QString& why)
{
    return QCoreApplication::translate("changelist", "The change record in %1 cannot be read: %2")
        .arg(path, why);
}

Outcome select(const QSqlDatabase& db, const QString& path, Entry::File file, const Filter& filter,
               bool imports, QList<Entry>& into);

Outcome readFile(const QString& path, Entry::File file, const Filter& filter, QList<Entry>& into)
{
    if (!server::isServerPath(path) && database::probe(path) == database::FileKind::Missing)
        return Outcome::success();
    const Connection connection(path, false);
    if (!connection.opened())
        return Outcome::failure(cannotRead(path, connection.opened().description()));
    const QSqlDatabase db = connection.db();
    if (!changerecord::hasTable(db))
        return Outcome::success();
    QList<Entry> found;
    if (Outcome done = select(db, path, file, filter, false, found); !done)
        return done;
    // An import keeps its rooms in its one entry: one room's are looked for there.
    if (!filter.room.isEmpty()) {
        QList<Entry> imports;
        if (Outcome done = select(db, path, file, filter, true, imports); !done)
            return done;
        found += imports;
        std::stable_sort(found.begin(), found.end(), [](const Entry& a, const Entry& b) {
            return a.at > b.at || (a.at == b.at && a.id > b.id);
        });
    }
    into += found;
    return Outcome::success();
}

// The entries that pass the filter, newest first, each import followed by its
// rooms; imports gives only imports' rooms of the filter's room.
Outcome select(const QSqlDatabase& db, const QString& path, Entry::File file, const Filter& filter,
               bool imports, QList<Entry>& into)
{
    QStringList where;
    QVariantList values;
    const auto match = [&](const QString& condition, const QVariant& value) {
        where << condition;
        values << value;
    };
    if (imports) {
        match(QStringLiteral("subject = ?"), QStringLiteral(""));
        match(QStringLiteral("rooms LIKE ? ESCAPE '\\'"),
              QString::fromUtf8(changerecord::roomPattern(filter.room)));
    } else if (!filter.room.isEmpty()) {
        match(QStringLiteral("subject = ?"), filter.room);
    }
    if (!filter.operatorName.isEmpty())
        match(QStringLiteral("operator = ?"), filter.operatorName);
    if (!filter.host.isEmpty())
        match(QStringLiteral("host = ?"), filter.host);
    if (filter.since.isValid())
        match(QStringLiteral("happened >= ?"), changerecord::timeText(filter.since));
    if (filter.until.isValid())
        match(QStringLiteral("happened < ?"), changerecord::timeText(filter.until));
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT id, happened, operator, host, os_user, what, subject, "
                             "old_values, new_values, detail, transfer, rooms FROM change_record%1 "
                             "ORDER BY happened DESC, id DESC")
                  .arg(where.isEmpty()
                           ? QString()
                           : QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND "))));
    for (const QVariant& v : std::as_const(values))
        q.addBindValue(v);
    if (!q.exec())
        return Outcome::failure(cannotRead(path, database::plainError(q.lastError(), path)));
    while (q.next()) {
        Entry e;
        e.id = q.value(0).toLongLong();
        e.at = QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs);
        e.who = {q.value(2).toString(), q.value(3).toString(), q.value(4).toString()};
        e.what = q.value(5).toString();
        e.subject = q.value(6).toString();
        e.before = q.value(7).toString();
        e.after = q.value(8).toString();
        e.detail = q.value(9).toString();
        e.transfer = q.value(10).toLongLong();
        e.file = file;
        e.rooms = q.value(11).toString().toUtf8();
        if (!imports)
            into << e;
        if (e.rooms.isEmpty())
            continue;
        const QList<Entry> rooms = changerecord::roomEntries(e, imports ? filter.room : QString());
        for (auto it = rooms.crbegin(); it != rooms.crend(); ++it)
            into << *it;
    }
    if (q.lastError().isValid())
        return Outcome::failure(cannotRead(path, database::plainError(q.lastError(), path)));
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

Expected<QList<Entry>> read(const QString& directory, const Filter& filter)
{
    QList<Entry> rooms;
    QList<Entry> operators;
    // A folder with neither file is no data folder: say so rather than list nothing.
    const bool neither = std::all_of(sources().cbegin(), sources().cend(), [&](const Source& s) {
        const QString path = database::pathIn(directory, s.fileName);
        return !server::isServerPath(path) && database::probe(path) == database::FileKind::Missing;
    });
    if (neither)
        return Outcome::failure(
            QCoreApplication::translate("changelist",
                                        "Neither %1 nor %2 is in %3, so it holds no change record. "
                                        "Name the data folder that holds them.")
                .arg(schema::kDirectoryFile, schema::kOperatorFile, directory));
    for (const Source& source : sources()) {
        if (source.file == Entry::File::Operators && !filter.room.isEmpty())
            continue;
        if (Outcome done = readFile(database::pathIn(directory, source.fileName), source.file,
                                    filter, source.file == Entry::File::Rooms ? rooms : operators);
            !done)
            return done;
    }
    QList<Entry> all;
    all.reserve(rooms.size() + operators.size());
    std::merge(rooms.cbegin(), rooms.cend(), operators.cbegin(), operators.cend(),
               std::back_inserter(all), [](const Entry& a, const Entry& b) { return a.at > b.at; });
    return all;
}

std::optional<QDateTime> parseDate(const QString& text, bool endOfDay)
{
    const QDate day = QDate::fromString(text, Qt::ISODate);
    if (day.isValid())
        return QDateTime(endOfDay ? day.addDays(1) : day, QTime(0, 0)).toUTC();
    QDateTime moment = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!moment.isValid())
        moment = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!moment.isValid())
        moment = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm"));
    if (!moment.isValid())
        return std::nullopt;
    return moment.toUTC();
}

QString shownTime(const QDateTime& utc)
{
    return utc.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

namespace {

// The kinds of change the record keeps.
constexpr const char* kKinds[] = {
    QT_TRANSLATE_NOOP("changelist", "room added"),
    QT_TRANSLATE_NOOP("changelist", "room deleted"),
    QT_TRANSLATE_NOOP("changelist", "room changed"),
    QT_TRANSLATE_NOOP("changelist", "operator added"),
    QT_TRANSLATE_NOOP("changelist", "operator deleted"),
    QT_TRANSLATE_NOOP("changelist", "operator renamed"),
    QT_TRANSLATE_NOOP("changelist", "operator given a new PIN"),
    QT_TRANSLATE_NOOP("changelist", "operator renamed and given a new PIN"),
    QT_TRANSLATE_NOOP("changelist", "room added by import"),
    QT_TRANSLATE_NOOP("changelist", "room removed by import"),
    QT_TRANSLATE_NOOP("changelist", "room changed by import"),
    QT_TRANSLATE_NOOP("changelist", "import"),
    QT_TRANSLATE_NOOP("changelist", "restore"),
    QT_TRANSLATE_NOOP("changelist", "record pruned"),
    QT_TRANSLATE_NOOP("changelist", "changed outside Quorvane"),
    QT_TRANSLATE_NOOP("changelist", "settings sent"),
    QT_TRANSLATE_NOOP("changelist", "download"),
    QT_TRANSLATE_NOOP("changelist", "load default"),
};

} // namespace

QString shownKind(const QString& kept)
{
    for (const char* kind : kKinds) {
        if (kept == QLatin1String(kind))
            return QCoreApplication::translate("changelist", kind);
    }
    return kept;
}

QString shownDetail(const QString& kept)
{
    // What the program writes as an entry's detail, with its values as %1...
    static const QList<const char*> details{
        //: A transfer's entry: %1 the count of rooms sent, %2 the port and its device
        QT_TRANSLATE_NOOP("changelist", "download (%1 rooms) on %2"),
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
        const QStringList values{
            shownTime(e.at), e.who.operatorName,
            e.who.host,      e.who.osUser,
            e.what,          e.subject,
            e.before,        e.after,
            e.detail,        e.transfer > 0 ? QString::number(e.transfer) : QString(),
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

Outcome exportTo(const QString& directory, const QList<Entry>& entries, const QString& target,
                 outputfile::Reader reader)
{
    if (Outcome usable =
            outputfile::checkBeside(database::pathIn(directory, schema::kDirectoryFile), target);
        !usable)
        return usable;
    return outputfile::write(target, csv(entries), reader);
}

Expected<int> prune(const QString& directory, const QDateTime& before,
                    const changerecord::Actor& who)
{
    int removed = 0;
    for (const Source& source : sources()) {
        const QString path = database::pathIn(directory, source.fileName);
        if (!server::isServerPath(path) && database::probe(path) == database::FileKind::Missing)
            continue;
        const Connection connection(path, true);
        if (!connection.opened())
            return connection.opened();
        QSqlDatabase db = connection.db();
        if (!changerecord::hasTable(db))
            continue;
        QSqlQuery q(db);
        const auto failed = [&](const QString& why) {
            QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
            return Expected<int>::failure(
                QCoreApplication::translate("changelist",
                                            "The change record in %1 was not pruned: %2")
                    .arg(path, why));
        };
        if (!q.exec(engine::of(db).beginWrite()))
            return failed(database::plainError(q.lastError(), path));
        q.prepare(QStringLiteral("DELETE FROM change_record WHERE happened < ?"));
        q.addBindValue(changerecord::timeText(before));
        if (!q.exec())
            return failed(database::plainError(q.lastError(), path));
        const int count = q.numRowsAffected();
        Entry entry;
        entry.who = who;
        entry.what = QStringLiteral("record pruned");
        entry.detail = QStringLiteral("%1 before %2 removed")
                           .arg(plural(count, "1 entry", "%1 entries"), shownTime(before));
        if (Outcome added = changerecord::append(db, entry, path); !added)
            return failed(added.description());
        if (!q.exec(QStringLiteral("COMMIT")))
            return failed(database::plainError(q.lastError(), path));
        removed += count;
    }
    return removed;
}

} // namespace changelist
