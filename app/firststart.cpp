#include "firststart.h"

#include "databasesetup.h"
#include "schema.h"
#include "serversetup.h"

#include <QDir>
#include <QFileInfo>

bool FirstStart::due() const
{
    // A building that is not prepared, or a server without operators.
    if (m_location.isBuilding()) {
        const Expected<bool> building = serversetup::buildingExists(m_location);
        const Expected<std::optional<int>> operators = serversetup::operatorCount(m_location);
        return building && operators && (!*building || !operators->value_or(0));
    }
    for (const QString& file : {schema::kOperatorFile, schema::kDirectoryFile}) {
        if (databasesetup::entryExists(m_location.database(file).path()))
            return false;
    }
    return true;
}

Outcome FirstStart::create(const QString& name, const QString& pin, const QString& pinAgain)
{
    if (Outcome same = databasesetup::checkPinAgain(pin, pinAgain); !same)
        return same;
    if (m_location.isBuilding()) {
        if (Outcome named = databasesetup::checkName(name, {}); !named)
            return named;
        if (Outcome usable = databasesetup::checkPin(pin); !usable)
            return usable;
        const Expected<serversetup::Prepared> prepared =
            serversetup::prepare(m_location, databasesetup::Operator{name, pin});
        return prepared ? Outcome::success() : prepared.outcome();
    }
    const datafolder::Choice folder = m_location.choice();
    const bool folderWasThere = QFileInfo(folder.path).isDir();
    if (Outcome ready = datafolder::prepare(folder); !ready)
        return ready;

    QStringList problems;
    const auto report = [&problems](databasesetup::Channel channel, const QString& text) {
        if (channel == databasesetup::Channel::Problem)
            problems << text;
    };
    if (databasesetup::create(QDir(folder.path).absolutePath(),
                              databasesetup::givenOperator(name, pin), report))
        return Outcome::success();
    // A refused name leaves no empty folder made for it.
    if (!folderWasThere)
        QDir().rmdir(folder.path);
    return Outcome::failure(problems.join(QLatin1Char('\n')).trimmed());
}
