#include "restoresteps.h"

#include "connection.h"
#include "database.h"
#include "schema.h"
#include "transaction.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>

#include <QCoreApplication>
#include <cstdio>
#include <memory>
#include <unistd.h>
#include <vector>

namespace restoresteps {

namespace {

const QString kStepsFile = QStringLiteral(".quorvane-restore");

QString stepsPath(const QString& directory)
{
    return database::pathIn(directory, kStepsFile);
}

const char* kindName(Target::Kind kind)
{
    switch (kind) {
    case Target::Kind::InPlace:
        return "in place";
    case Target::Kind::Aside:
        return "aside";
    case Target::Kind::New:
        return "new";
    }
    return "";
}

bool read(const QString& directory, QList<Target>& targets)
{
    QFile file(stepsPath(directory));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonArray list = QJsonDocument::fromJson(file.readAll()).array();
    for (const QJsonValue& value : list) {
        const QJsonObject o = value.toObject();
        Target t;
        const QString kind = o.value(QLatin1String("kind")).toString();
        t.kind = kind == QLatin1String(kindName(Target::Kind::InPlace)) ? Target::Kind::InPlace
                 : kind == QLatin1String(kindName(Target::Kind::Aside)) ? Target::Kind::Aside
                                                                        : Target::Kind::New;
        t.path = o.value(QLatin1String("path")).toString();
        t.table = o.value(QLatin1String("table")).toString();
        t.kept = o.value(QLatin1String("kept")).toString();
        t.fresh = o.value(QLatin1String("fresh")).toString();
        targets << t;
    }
    return !targets.isEmpty();
}

bool exists(const QString& path)
{
    return !path.isEmpty() && QFileInfo(path).exists();
}

bool move(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// Whether the file's rows differ from those of its copy taken before the
// restore began: then its transaction was committed. Opening the file rolls
// back a transaction that was not.
bool rowsChanged(const Target& t)
{
    if (!exists(t.kept))
        return false;
    bool changed = false;
    const store::Connection connection(t.path, QStringLiteral("restoresteps"),
                                       database::Access::ReadWrite);
    if (connection.ok()) {
        QSqlQuery q(connection.db());
        const QString table = database::quotedIdentifier(t.table);
        q.prepare(QStringLiteral("ATTACH ? AS kept"));
        q.addBindValue(t.kept);
        changed =
            q.exec() &&
            q.exec(QStringLiteral("SELECT (SELECT count(*) FROM main.%1) <> (SELECT count(*) "
                                  "FROM kept.%1) OR EXISTS (SELECT * FROM main.%1 EXCEPT SELECT "
                                  "* FROM kept.%1)")
                       .arg(table)) &&
            q.next() && q.value(0).toBool();
        q.finish();
        q.exec(QStringLiteral("DETACH kept"));
    }
    return changed;
}

// The super-journal a journal names at its end, as SQLite writes it there
// once the write reaches several files: the name, its length and checksum,
// and the journal's magic number. Empty for none.
QString superJournalOf(const QString& journal)
{
    static constexpr unsigned char kMagic[] = {0xd9, 0xd5, 0x05, 0xf9, 0x20, 0xa1, 0x63, 0xd7};
    QFile file(journal);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return {};
    const auto word = [&](qint64 at) {
        file.seek(at);
        const QByteArray b = file.read(4);
        return b.size() == 4 ? quint32(quint8(b[0])) << 24 | quint32(quint8(b[1])) << 16 |
                                   quint32(quint8(b[2])) << 8 | quint32(quint8(b[3]))
                             : 0u;
    };
    const qint64 size = file.size();
    const quint32 length = word(size - 16);
    quint32 sum = word(size - 12);
    file.seek(size - 8);
    if (file.read(8) != QByteArray(reinterpret_cast<const char*>(kMagic), 8) || length == 0 ||
        length > size - 16 || !file.seek(size - 16 - length))
        return {};
    const QByteArray name = file.read(length);
    for (const char c : name)
        sum -= quint32(qint32(c));
    return sum == 0 && name.size() == qsizetype(length) ? QFile::decodeName(name) : QString();
}

// A journal SQLite passes over: its header was never written.
bool headerless(const QString& journal)
{
    QFile file(journal);
    char first = 0;
    return file.open(QIODevice::ReadOnly) && (!file.getChar(&first) || first == 0);
}

QString what(const QList<Target>& targets)
{
    QStringList left;
    for (const Target& t : targets) {
        for (const QString& path : {t.fresh, t.kept}) {
            if (exists(path))
                left << path;
        }
        if (!exists(t.path))
            left << QCoreApplication::translate("restoresteps", "%1 is missing").arg(t.path);
    }
    return left.join(QStringLiteral(", "));
}

} // namespace

bool write(const QString& directory, const QList<Target>& targets)
{
    QJsonArray list;
    for (const Target& t : targets)
        list << QJsonObject{{QLatin1String("kind"), QLatin1String(kindName(t.kind))},
                            {QLatin1String("path"), t.path},
                            {QLatin1String("table"), t.table},
                            {QLatin1String("kept"), t.kept},
                            {QLatin1String("fresh"), t.fresh}};
    QFile file(stepsPath(directory));
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const QByteArray bytes = QJsonDocument(list).toJson();
    const bool ok =
        file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
    file.close();
    if (!ok)
        QFile::remove(file.fileName());
    return ok;
}

void clear(const QString& directory)
{
    QFile::remove(stepsPath(directory));
}

QString pending(const QString& directory)
{
    QList<Target> targets;
    if (directory.isEmpty() || !QFileInfo::exists(stepsPath(directory)))
        return {};
    read(directory, targets);
    //: %1 is the data folder, %2 lists the files left, %3 the steps file, %4 a command to run
    return QCoreApplication::translate(
               "restoresteps",
               "A restore into %1 stopped halfway and left %2 (its steps are in %3). "
               "Quorvane finishes or undoes it when it starts, and so does: %4")
        .arg(directory, what(targets), stepsPath(directory), database::checkCommand(directory));
}

Expected<QString> recover(const QString& directory)
{
    if (directory.isEmpty() || !QFileInfo::exists(stepsPath(directory)))
        return QString();
    QList<Target> targets;
    if (!read(directory, targets))
        return Outcome::failure(QCoreApplication::translate(
                                    "restoresteps", "%1 cannot be read. Move it away after putting "
                                                    "the database files in %2 in order.")
                                    .arg(stepsPath(directory), directory));
    // Files are renamed only after every image is written whole, so one
    // renamed file means the restore got that far.
    bool moved = false;
    bool inPlace = false;
    bool committed = false;
    for (const Target& t : std::as_const(targets)) {
        if (t.kind == Target::Kind::Aside)
            moved = moved || exists(t.kept);
        else if (t.kind == Target::Kind::New)
            moved = moved || (exists(t.path) && !exists(t.fresh));
        else {
            inPlace = true;
            // Each file is opened, so SQLite settles each one's journal.
            committed = rowsChanged(t) || committed;
        }
    }
    const bool finish = committed || (moved && !inPlace);
    bool ok = true;
    if (finish) {
        for (const Target& t : std::as_const(targets)) {
            if (t.kind == Target::Kind::Aside && exists(t.path) && exists(t.fresh) &&
                !exists(t.kept))
                ok = move(t.path, t.kept) && ok;
            if (t.kind != Target::Kind::InPlace && !exists(t.path) && exists(t.fresh))
                ok = move(t.fresh, t.path) && ok;
        }
    } else {
        for (auto it = targets.crbegin(); it != targets.crend(); ++it) {
            const Target& t = *it;
            if (t.kind == Target::Kind::InPlace) {
                QFile::remove(t.kept);
                continue;
            }
            if (exists(t.path) && !exists(t.fresh) &&
                (t.kind == Target::Kind::New || exists(t.kept)))
                ok = move(t.path, t.fresh) && ok;
            if (t.kind == Target::Kind::Aside && !exists(t.path) && exists(t.kept))
                ok = move(t.kept, t.path) && ok;
            if (ok)
                QFile::remove(t.fresh);
        }
    }
    if (!ok)
        return Outcome::failure(pending(directory));
    clear(directory);
    const QStringList removed = clearStoppedWrite(directory);
    const QString leftovers =
        removed.isEmpty()
            ? QString()
            : QLatin1Char(' ') +
                  QCoreApplication::translate("restoresteps",
                                              "What its write to both files had begun (%1) was "
                                              "removed.")
                      .arg(removed.join(QStringLiteral(", ")));
    return (finish
                ? QCoreApplication::translate(
                      "restoresteps", "A restore into %1 had stopped halfway; it was finished, so "
                                      "both files now hold the backup.")
                      .arg(directory)
                : QCoreApplication::translate(
                      "restoresteps", "A restore into %1 had stopped halfway; it was undone, so "
                                      "both files are as they were before it. Restore again.")
                      .arg(directory)) +
           leftovers;
}

Journal journalOf(const QString& path)
{
    const QString journal = path + QStringLiteral("-journal");
    if (!QFileInfo::exists(journal) || headerless(journal))
        return Journal::None;
    const QString super = superJournalOf(journal);
    return !super.isEmpty() && !QFileInfo::exists(super) ? Journal::Finished : Journal::Unfinished;
}

QStringList clearStoppedWrite(const QString& directory)
{
    static const QRegularExpression superName(
        QStringLiteral("^(%1|%2)-mj[0-9A-F]{6}9[0-9A-F]{2}$")
            .arg(QRegularExpression::escape(schema::kDirectoryFile),
                 QRegularExpression::escape(schema::kOperatorFile)));
    QStringList named; // the super-journals a journal still needs
    for (const QString& file : {schema::kDirectoryFile, schema::kOperatorFile}) {
        const QString journal = database::pathIn(directory, file) + QStringLiteral("-journal");
        if (!headerless(journal))
            named << QFileInfo(superJournalOf(journal)).fileName();
    }
    QStringList removed;
    const QStringList found =
        QDir(directory).entryList(QDir::Files | QDir::Hidden | QDir::System).filter(superName);
    for (const QString& name : found) {
        if (named.contains(name))
            continue;
        const QString super = database::pathIn(directory, name);
        QFile file(super);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> children = file.readAll().split('\0');
        file.close();
        // Every file of the write held, so no program is making it now; each
        // lock is rolled back before its connection closes.
        std::vector<std::unique_ptr<store::Connection>> held;
        std::vector<store::Transaction> locks;
        bool free = true;
        QStringList journals;
        for (const QByteArray& child : children) {
            const QString journal = QFile::decodeName(child);
            if (!journal.endsWith(QStringLiteral("-journal")) || !QFileInfo::exists(journal))
                continue;
            journals << journal;
            if (!free)
                continue;
            held.push_back(std::make_unique<store::Connection>(journal.chopped(8),
                                                               QStringLiteral("restoresteps-held"),
                                                               database::Access::ReadWrite));
            free = held.back()->ok() && locks.emplace_back(held.back()->db()).active();
        }
        if (free) {
            for (const QString& journal : std::as_const(journals)) {
                if (headerless(journal) && QFile::remove(journal))
                    removed << journal;
            }
            if (QFile::remove(super))
                removed << super;
        }
    }
    return removed;
}

} // namespace restoresteps
