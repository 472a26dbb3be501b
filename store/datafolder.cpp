#include "datafolder.h"

#include "schema.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace datafolder {

namespace {

const QString kEnvironment = QStringLiteral("QUORVANE_DATA");
const QString kCompanion = QStringLiteral("quorvane-db");

QString absolute(const QString& path)
{
    return QDir::cleanPath(QDir(path).absolutePath());
}

// Counted even as a dangling link or a directory, so a damaged setup beside
// the program is reported rather than passed over.
bool entryExists(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

QString executableDir()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

// The file a write to path creates or replaces: links followed as far as
// they lead (a dangling one to the name it would create), folders canonical.
QString landingPath(const QString& path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop < 40; ++hop) {
        const QFileInfo info(current);
        const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
        if (!folder.isEmpty())
            current = QDir(folder).filePath(info.fileName());
        const QByteArray name = QFile::encodeName(current);
        struct stat st;
        if (::lstat(name.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            break;
        char target[PATH_MAX];
        const ssize_t n = ::readlink(name.constData(), target, sizeof target);
        if (n <= 0)
            break;
        current = QFileInfo(QDir(QFileInfo(current).absolutePath())
                                .filePath(QFile::decodeName(QByteArray(target, n))))
                      .absoluteFilePath();
    }
    return current;
}

bool sameFile(const QString& a, const struct stat& b)
{
    struct stat st;
    return ::stat(QFile::encodeName(a).constData(), &st) == 0 && st.st_dev == b.st_dev &&
           st.st_ino == b.st_ino;
}

} // namespace

QString databaseFileAt(const QString& folder, const QString& path)
{
    const QString target = landingPath(path);
    struct stat st;
    const bool exists = ::stat(QFile::encodeName(target).constData(), &st) == 0;
    const QList<QPair<QString, QString>> databases{
        {schema::kDirectoryFile, QCoreApplication::translate("datafolder", "the room database")},
        {schema::kOperatorFile,
         QCoreApplication::translate("datafolder", "the operator database")}};
    for (const auto& [name, what] : databases) {
        const QString named = QDir(folder).filePath(name);
        // SQLite puts the side files beside the file a link leads to.
        for (const QString& base : {named, landingPath(named)}) {
            for (const QString& suffix : {QString(), QStringLiteral("-journal"),
                                          QStringLiteral("-wal"), QStringLiteral("-shm")}) {
                const QString candidate = landingPath(base + suffix);
                if (candidate != target && !(exists && sameFile(candidate, st)))
                    continue;
                if (suffix.isEmpty())
                    return QStringLiteral("%1 %2").arg(what, name);
                //: %1 is "-journal", "-wal" or "-shm"; %2 "the room database" or "the operator
                //: database"; %3 its file name.
                return QCoreApplication::translate("datafolder",
                                                   "the %1 file SQLite keeps for %2 %3")
                    .arg(suffix, what, name);
            }
        }
    }
    return {};
}

Outcome refuseDatabaseFile(const QString& folder, const QString& path)
{
    const QString found = databaseFileAt(folder, path);
    if (found.isEmpty())
        return Outcome::success();
    return Outcome::failure(
        //: %1 is the file named; %2 a database such as "the room database Inhabitant_telnum.mdb";
        //: %3 the data folder.
        QCoreApplication::translate(
            "datafolder", "%1 is (or leads to) %2 in %3; writing there would destroy it. Nothing "
                          "was written: name another file.")
            .arg(path, found, QDir::toNativeSeparators(absolute(folder))));
}

QString userDataFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    // A relative value is invalid and to be ignored.
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return absolute(base + QStringLiteral("/Quorvane"));
}

Choice resolve(const QString& option, const QString& exeDir)
{
    if (!option.isEmpty())
        return {absolute(option), Rule::Option};
    if (const QString named = qEnvironmentVariable(kEnvironment.toLatin1().constData());
        !named.isEmpty())
        return {absolute(named), Rule::Environment};
    if (!exeDir.isEmpty() && (entryExists(QDir(exeDir).filePath(schema::kOperatorFile)) ||
                              entryExists(QDir(exeDir).filePath(schema::kDirectoryFile))))
        return {absolute(exeDir), Rule::BesideProgram};
    return {userDataFolder(), Rule::UserData};
}

Choice resolve(const QString& option)
{
    return resolve(option, executableDir());
}

QString ruleText(Rule rule)
{
    switch (rule) {
    case Rule::Option:
        return QCoreApplication::translate("datafolder", "named by --data");
    case Rule::Environment:
        return QCoreApplication::translate("datafolder", "named by QUORVANE_DATA");
    case Rule::BesideProgram:
        return QCoreApplication::translate("datafolder",
                                           "the program's own folder, which holds the databases");
    case Rule::UserData:
        return QCoreApplication::translate("datafolder", "the default folder");
    }
    return {};
}

Outcome checkUsable(const Choice& choice)
{
    const QByteArray path = QFile::encodeName(choice.path);
    struct stat st;
    if (::stat(path.constData(), &st) != 0) {
        const int error = errno;
        if (error == ELOOP)
            return Outcome::failure(
                QCoreApplication::translate(
                    "datafolder", "The data folder %1 is a symbolic link that leads round in a "
                                  "loop. Point it at a folder, or name another with --data.")
                    .arg(choice.path));
        if (error != ENOENT)
            return Outcome::failure(
                QCoreApplication::translate("datafolder", "The data folder %1 cannot be used: %2.")
                    .arg(choice.path, qt_error_string(error)));
        if (QFileInfo(choice.path).isSymLink())
            return Outcome::failure(
                QCoreApplication::translate(
                    "datafolder", "The data folder %1 is a symbolic link to %2, which does not "
                                  "exist. Create that folder, or name another with --data.")
                    .arg(choice.path, QFileInfo(choice.path).symLinkTarget()));
        if (choice.rule != Rule::UserData)
            //: %2 says how the folder was chosen, e.g. "named by --data".
            return Outcome::failure(
                QCoreApplication::translate(
                    "datafolder", "The data folder %1 (%2) does not exist. Create it first.")
                    .arg(choice.path, ruleText(choice.rule)));
        // The folder is made with its parents: the nearest that exists decides.
        QString parent = QFileInfo(choice.path).absolutePath();
        while (!QFileInfo::exists(parent) && parent != QFileInfo(parent).absolutePath())
            parent = QFileInfo(parent).absolutePath();
        if (!QFileInfo(parent).isDir())
            return Outcome::failure(
                QCoreApplication::translate(
                    "datafolder", "The data folder %1 cannot be created: %2 is not a folder.")
                    .arg(choice.path, parent));
        if (::access(QFile::encodeName(parent).constData(), W_OK | X_OK) != 0)
            return Outcome::failure(
                QCoreApplication::translate(
                    "datafolder", "The data folder %1 cannot be created: you may not write in %2.")
                    .arg(choice.path, parent));
        return Outcome::success();
    }
    if (!S_ISDIR(st.st_mode))
        return Outcome::failure(
            QCoreApplication::translate(
                "datafolder", "The data folder %1 is not a folder but a file. Move it aside, or "
                              "name another folder with --data.")
                .arg(choice.path));
    if (::access(path.constData(), W_OK | X_OK) != 0)
        return Outcome::failure(QCoreApplication::translate(
                                    "datafolder",
                                    "The data folder %1 is a folder you may not write in, so the "
                                    "database files cannot be created there. Make it writable for "
                                    "you, or name another with --data.")
                                    .arg(choice.path));
    return Outcome::success();
}

Outcome prepare(const Choice& choice)
{
    const QFileInfo info(choice.path);
    if (info.isDir())
        return Outcome::success();
    if (info.exists() || choice.rule != Rule::UserData)
        return Outcome::failure(
            info.exists()
                ? QCoreApplication::translate("datafolder", "The data folder %1 is not a folder.")
                      .arg(choice.path)
                : QCoreApplication::translate(
                      "datafolder", "The data folder %1 (%2) does not exist. Create it first.")
                      .arg(choice.path, ruleText(choice.rule)));
    // The parents as usual, the folder itself private: it holds the PINs.
    if (!QDir().mkpath(info.absolutePath()) ||
        (::mkdir(QFile::encodeName(choice.path).constData(), 0700) != 0 && errno != EEXIST))
        return Outcome::failure(
            QCoreApplication::translate("datafolder", "Cannot create the data folder %1: %2")
                .arg(choice.path, qt_error_string(errno)));
    return Outcome::success();
}

QString companionCommand()
{
    const QString dir = executableDir();
    if (dir.isEmpty())
        return kCompanion;
    const QFileInfo beside(QDir(dir).filePath(kCompanion));
    if (!beside.isExecutable())
        return kCompanion;
    const QString onPath = QStandardPaths::findExecutable(kCompanion);
    if (!onPath.isEmpty() && QFileInfo(onPath).canonicalFilePath() == beside.canonicalFilePath())
        return kCompanion;
    const QString path = beside.absoluteFilePath();
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+-]+$"));
    if (plain.match(path).hasMatch())
        return path;
    QString quoted = path;
    quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}

} // namespace datafolder
