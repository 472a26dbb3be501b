#include "firststart.h"

#include "database.h"
#include "databasesetup.h"
#include "schema.h"

#include <QDir>
#include <QFileInfo>

bool FirstStart::due() const
{
    for (const QString& file : {schema::kOperatorFile, schema::kDirectoryFile}) {
        if (databasesetup::entryExists(database::pathIn(m_folder.path, file)))
            return false;
    }
    return true;
}

Outcome FirstStart::create(const QString& name, const QString& pin, const QString& pinAgain)
{
    if (const QString refusal = databasesetup::pinAgainRefusal(pin, pinAgain); !refusal.isEmpty())
        return Outcome::failure(refusal);
    const bool folderWasThere = QFileInfo(m_folder.path).isDir();
    if (Outcome ready = datafolder::prepare(m_folder); !ready)
        return ready;

    QStringList problems;
    const auto report = [&problems](databasesetup::Channel channel, const QString& text) {
        if (channel == databasesetup::Channel::Problem)
            problems << text;
    };
    if (databasesetup::create(QDir(m_folder.path).absolutePath(),
                              databasesetup::givenOperator(name, pin), report))
        return Outcome::success();
    // A refused name leaves no empty folder made for it.
    if (!folderWasThere)
        QDir().rmdir(m_folder.path);
    return Outcome::failure(problems.join(QLatin1Char('\n')).trimmed());
}
