#include "startup.h"

#include "database.h"
#include "logindialog.h"
#include "messagesink.h"
#include "shell.h"

#include <QApplication>
#include <QDir>

namespace startup {

int run(const QString& appDir, MessageSink& messages)
{
    LoginDialog login(appDir, messages);
    // Without a usable operator table nobody could log in: say what to run
    // and end, changing nothing.
    if (!login.loadOutcome()) {
        messages.show(login.loadOutcome().description(), kApplicationTitle,
                      MessageSink::Icon::Critical);
        return 1;
    }
    if (login.view().rowCount() == 0) {
        const QString path = database::pathIn(appDir, schema::kOperatorFile);
        messages.show(
            QStringLiteral("The operator table user_pin in %1 holds no operator, so nobody "
                           "can log in. Add one with:\n%2")
                .arg(path, database::addOperatorCommand(QDir(appDir).absolutePath())),
            kApplicationTitle, MessageSink::Icon::Critical);
        return 1;
    }

    login.exec();
    if (!login.OK())
        return 0;

    Shell shell(appDir, messages);
    shell.show();
    return QApplication::exec();
}

} // namespace startup
