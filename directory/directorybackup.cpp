#include "directorybackup.h"

#include "backupfile.h"
#include "buildingcopy.h"
#include "location.h"

#include "database.h"
#include "datafolder.h"
#include "engine/databaseengine.h"
#include "restoresteps.h"
#include "schema.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace directorybackup {

using engine::File;
using engine::Statement;
using engine::TableShape;

const engine::FileEngine& engineInUse()
{
    return engine::files();
}

const QList<Part>& parts()
{
    static const QList<Part> list{{schema::kDirectoryFile, schema::directoryTable()},
                                  {schema::kOperatorFile, schema::operatorTable()}};
    return list;
}

Outcome load(const QString& file, QList<QByteArray>& images)
{
    auto refuse = [&](const QString& why) {
        return Outcome::failure(
            QCoreApplication::translate("directorybackup", "%1 is not a usable backup: %2")
                .arg(file, why));
    };
    if (database::probe(file) != database::FileKind::Sqlite)
        return refuse(
            QCoreApplication::translate("directorybackup", "it is missing or not an SQLite file"));
    Expected<std::unique_ptr<File>> opened =
        engineInUse().openFile(file, engine::FileEngine::Open::ReadOnly);
    if (!opened)
        return refuse(opened.error());
    File& db = **opened;
    if (const QString state = db.integrity(QStringLiteral("main")); state != QLatin1String("ok"))
        return refuse(
            QCoreApplication::translate("directorybackup", "it is damaged (%1)").arg(state));
    images.clear();
    for (const Part& part : parts()) {
        std::unique_ptr<Statement> s =
            db.prepare(QStringLiteral("SELECT image, sha256 FROM quorvane_backup WHERE file = ?"));
        if (!s)
            return refuse(
                QCoreApplication::translate("directorybackup", "it holds no Quorvane backup"));
        const QByteArray name = part.fileName.toUtf8();
        s->bindText(1, name);
        if (s->step() != Statement::Step::Row)
            return refuse(QCoreApplication::translate("directorybackup", "it holds no copy of %1")
                              .arg(part.fileName));
        QByteArray image = s->bytes(0).toByteArray();
        // A changed byte in an image may sit where integrity_check never looks.
        if (QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex() !=
            QByteArray(s->bytes(1).toByteArray().constData()))
            return refuse(
                QCoreApplication::translate("directorybackup", "its copy of %1 is damaged")
                    .arg(part.fileName));
        std::unique_ptr<File> copy = engineInUse().openImage(image);
        if (!copy || copy->integrity(QStringLiteral("main")) != QLatin1String("ok"))
            return refuse(
                QCoreApplication::translate("directorybackup", "its copy of %1 is damaged")
                    .arg(part.fileName));
        if (!copy->hasTable(QStringLiteral("main"), part.layout))
            return refuse(
                QCoreApplication::translate("directorybackup", "its copy of %1 holds no table %2")
                    .arg(part.fileName, part.layout.table));
        copy.reset();
        images << image;
    }
    return Outcome::success();
}

const QStringList kSideFiles{QString(), QStringLiteral("-journal"), QStringLiteral("-wal"),
                             QStringLiteral("-shm")};

bool moveFile(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

Outcome verify(const QString& file)
{
    QList<QByteArray> images;
    return load(file, images);
}

namespace {

// A name of its own beside the file, made here: whatever else is there
// (another program's file, a journal that would be taken in) is left alone.
// Empty when no such name can be made.
QString makePartial(const QString& file)
{
    QString partial;
    for (int n = 1; partial.isEmpty() && n < 100; ++n) {
        const QString name =
            file + (n == 1 ? QStringLiteral(".partial") : QStringLiteral(".partial-%1").arg(n));
        if (std::none_of(kSideFiles.cbegin(), kSideFiles.cend(),
                         [&](const QString& side) {
                             return QFileInfo(name + side).exists() ||
                                    QFileInfo(name + side).isSymLink();
                         }) &&
            QFile(name).open(QIODevice::WriteOnly | QIODevice::NewOnly,
                             QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            partial = name;
    }
    return partial;
}

// What this backup made, and only that, goes again when it fails.
void removePartial(const QString& partial)
{
    for (const QString& side : kSideFiles)
        QFile::remove(partial + side);
}

// Copies one file of the directory into the backup, checked first.
Outcome copyPart(File& out, const Part& part, const QString& directory, const QString& file,
                 const QByteArray& taken)
{
    const QString source = database::pathIn(directory, part.fileName);
    Expected<QByteArray> read = engineInUse().imageOf(source);
    QByteArray image = read ? *read : QByteArray();
    Outcome copied = read.outcome();
    if (copied) {
        std::unique_ptr<File> copy = engineInUse().openImage(image);
        if (const QString state =
                copy ? copy->integrity(QStringLiteral("main"))
                     : QCoreApplication::translate("directorybackup", "it cannot be opened");
            state != QLatin1String("ok"))
            copied = Outcome::failure(
                QCoreApplication::translate("directorybackup",
                                            "%1 is damaged (%2). See what is wrong with: %3")
                    .arg(source, state, database::checkCommand(directory)));
    }
    std::unique_ptr<Statement> s =
        out.prepare(QStringLiteral("INSERT INTO quorvane_backup VALUES (?, ?, ?, ?)"));
    const QByteArray name = part.fileName.toUtf8();
    if (copied && s) {
        s->bindText(1, name);
        s->bindBlob(2, image);
        const QByteArray sum = QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex();
        s->bindText(3, sum);
        s->bindText(4, taken);
        if (s->step() != Statement::Step::Done)
            copied = Outcome::failure(
                QCoreApplication::translate("directorybackup", "%1 cannot be written: %2")
                    .arg(file, out.error()));
    }
    return copied;
}

// Writes the directory's files into the partial file; it is removed when that fails.
Outcome writePartial(const QString& directory, const QString& file, const QString& partial)
{
    Expected<std::unique_ptr<File>> opened =
        engineInUse().openFile(partial, engine::FileEngine::Open::ReadWrite);
    if (!opened) {
        removePartial(partial);
        return Outcome::failure(
            QCoreApplication::translate("directorybackup", "%1 cannot be written: %2")
                .arg(file, opened.error()));
    }
    std::unique_ptr<File> out = std::move(*opened);
    QFile::setPermissions(partial, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (!out->exec(
            QStringLiteral("CREATE TABLE quorvane_backup (file TEXT PRIMARY KEY, "
                           "image BLOB NOT NULL, sha256 TEXT NOT NULL, taken TEXT NOT NULL)"))) {
        const QString why = out->error();
        out.reset();
        removePartial(partial);
        return Outcome::failure(
            QCoreApplication::translate("directorybackup", "%1 cannot be written: %2")
                .arg(file, why));
    }
    const QByteArray taken = QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8();
    for (const Part& part : parts()) {
        if (Outcome copied = copyPart(*out, part, directory, file, taken); !copied) {
            out.reset();
            removePartial(partial);
            return Outcome::failure(
                copied.description() +
                QCoreApplication::translate("directorybackup", " No backup was written."));
        }
    }
    return Outcome::success();
}

} // namespace

Outcome backup(const store::Location& location, const QString& file)
{
    if (location.isBuilding())
        return buildingcopy::backupBuilding(location, file);
    const QString& directory = location.folderPath();
    if (Outcome free = datafolder::refuseDatabaseFile(directory, file); !free)
        return free;
    if (QFileInfo::exists(file) && !verify(file))
        return Outcome::failure(
            QCoreApplication::translate(
                "directorybackup",
                "%1 exists and is not a Quorvane backup; it was left as it is. Name "
                "another file.")
                .arg(file));
    const QString partial = makePartial(file);
    if (partial.isEmpty())
        return Outcome::failure(QCoreApplication::translate(
                                    "directorybackup", "%1 cannot be written: no file can be made "
                                                       "beside it.")
                                    .arg(file));
    if (Outcome written = writePartial(directory, file, partial); !written)
        return written;
    if (Outcome checked = verify(partial); !checked) {
        removePartial(partial);
        return Outcome::failure(
            QCoreApplication::translate("directorybackup",
                                        "The backup did not read back whole (%1); it was "
                                        "not kept.")
                .arg(checked.description()));
    }
    if (!moveFile(partial, file)) {
        removePartial(partial);
        return Outcome::failure(
            QCoreApplication::translate("directorybackup", "%1 cannot be written.").arg(file));
    }
    return Outcome::success();
}

} // namespace directorybackup
