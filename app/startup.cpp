#include "startup.h"

#include "database.h"
#include "logindialog.h"
#include "messagesink.h"
#include "posixserialport.h"
#include "shell.h"
#include "uipauser.h"

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

    // Declared before the shell, so they outlive its link.
    PosixSerialPort port;
    UiPauser pauser;
    Shell shell(appDir, messages, port, pauser);
    shell.show();
    return QApplication::exec();
}

} // namespace startup
