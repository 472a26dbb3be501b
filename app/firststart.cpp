#include "firststart.h"

#include "database.h"
#include "dbtool.h"
#include "schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <sys/stat.h>

namespace {

bool entryExists(const QString& path)
{
    struct stat st;
    return ::lstat(QFile::encodeName(path).constData(), &st) == 0;
}

} // namespace

bool FirstStart::due() const
{
    for (const QString& file : {schema::kOperatorFile, schema::kDirectoryFile}) {
        if (entryExists(database::pathIn(m_folder.path, file)))
            return false;
    }
    return true;
}

Outcome FirstStart::create(const QString& name, const QString& pin, const QString& pinAgain)
{
    if (pin != pinAgain)
        return Outcome::failure(QStringLiteral("The two PINs differ; please type them again."));
    const bool folderWasThere = QFileInfo(m_folder.path).isDir();
    if (Outcome ready = datafolder::prepare(m_folder); !ready)
        return ready;

    QString input;
    QString output;
    QString errors;
    QTextStream in(&input, QIODevice::ReadOnly);
    QTextStream out(&output, QIODevice::WriteOnly);
    QTextStream err(&errors, QIODevice::WriteOnly);
    dbtool::Console console{in, out, err, false, {}};
    if (dbtool::init(m_folder.path, {name, pin}, console) == dbtool::kSuccess)
        return Outcome::success();
    // A refused name leaves no empty folder made for it.
    if (!folderWasThere)
        QDir().rmdir(m_folder.path);
    return Outcome::failure(errors.trimmed());
}
