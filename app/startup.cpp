#include "startup.h"

#include "changerecord.h"
#include "database.h"
#include "firststart.h"
#include "logindialog.h"
#include "mainwindow.h"
#include "messagesink.h"
#include "operatorview.h"
#include "portfactory.h"
#include "program.h"
#include "restoresteps.h"
#include "serversetup.h"
#include "shell.h"
#include "uipauser.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QStatusBar>
#include <QTextStream>

namespace startup {

namespace {

// Prints what would be shown in boxes.
class StreamMessageSink : public MessageSink
{
public:
    explicit StreamMessageSink(QTextStream& out) : m_out(out) {}
    void show(const QString& text, const QString&, Icon) override { m_out << text << '\n'; }

private:
    QTextStream& m_out;
};

// Whether the operator view the login would use is open and holds an
// operator; a message names what is wrong.
bool gateReady(const Outcome& load, const OperatorView& view, const store::Location& location,
               MessageSink& messages)
{
    // Without a usable operator table nobody could log in: say what to run
    // and end, changing nothing.
    if (!load) {
        messages.show(load.description(), kApplicationTitle, MessageSink::Icon::Critical);
        return false;
    }
    if (view.rowCount() == 0) {
        const QString path = location.database(schema::kOperatorFile).describe();
        messages.show(QCoreApplication::translate(
                          "startup", "The operator table user_pin in %1 holds no "
                                     "operator, so nobody can log in. Add one with:\n%2")
                          .arg(path, database::addOperatorCommand(location)),
                      kApplicationTitle, MessageSink::Icon::Critical);
        return false;
    }
    return true;
}

} // namespace

int run(const store::Location& location, MessageSink& messages, const Offer& offer)
{
    // A login that may only read the building opens it read-only, as itself.
    if (const QString viewing = location.isBuilding() ? serversetup::viewOnly(location) : QString();
        !viewing.isEmpty()) {
        const std::unique_ptr<SerialPort> port = newSerialPort();
        UiPauser pauser;
        Program program(location, *port, pauser);
        const QString login = location.place().option(QStringLiteral("user"));
        program.setOperatorName(login.isEmpty() ? changerecord::Actor::osUserName() : login);
        Shell shell(program, messages);
        QStatusBar* bar = shell.mainWindow().statusBar();
        auto* readOnly = new QLabel(QCoreApplication::translate("startup", "Read only"), bar);
        readOnly->setObjectName(QStringLiteral("sbReadOnly"));
        readOnly->setToolTip(viewing);
        bar->addPermanentWidget(readOnly);
        shell.mainWindow().setStatusText(viewing);
        shell.show();
        return QApplication::exec();
    }
    // An unreachable server is told once, naming it, and ends the program.
    if (location.isBuilding()) {
        if (const Expected<std::optional<int>> reached = serversetup::operatorCount(location);
            !reached) {
            messages.show(reached.error(), kApplicationTitle, MessageSink::Icon::Critical);
            return 1;
        }
        // A server prepared by an older Quorvane gets what this one needs;
        // where this login may not renew it, the status bar says live updates
        // are off, and the login dialog says what to run.
        static_cast<void>(serversetup::renew(location));
    }
    // A restore stopped halfway is finished or undone before any file is read.
    const Expected<QString> recovered = restoresteps::recover(location.folderPath());
    if (!recovered) {
        messages.show(recovered.error(), kApplicationTitle, MessageSink::Icon::Critical);
        return 1;
    }
    if (!recovered->isEmpty())
        messages.show(*recovered, kApplicationTitle, MessageSink::Icon::Information);
    FirstStart first(location);
    // Offering to create files where they cannot be made would only fail.
    if (offer && first.due()) {
        if (const Outcome usable = location.checkUsable(); !usable) {
            messages.show(usable.description(), kApplicationTitle, MessageSink::Icon::Critical);
            return 1;
        }
        // Cancel ends the program with nothing created.
        if (!offer(first))
            return 0;
    }

    LoginDialog login(location, messages);
    if (!gateReady(login.loadOutcome(), login.view(), location, messages))
        return 1;

    login.exec();
    if (!login.OK())
        return 0;

    // Declared before the program, so they outlive its link; the program
    // before the shell that shows it.
    const std::unique_ptr<SerialPort> port = newSerialPort();
    UiPauser pauser;
    Program program(location, *port, pauser);
    program.setOperatorName(login.view().field(OperatorView::kUser));
    Shell shell(program, messages);
    shell.show();
    return QApplication::exec();
}

int check(const store::Location& location, QTextStream& out)
{
    const datafolder::Choice folder = location.choice();
    if (location.isBuilding()) {
        out << "Data: the " << location.describe() << '\n';
        if (const QString viewing = serversetup::viewOnly(location); !viewing.isEmpty()) {
            out << viewing << '\n';
            return 0;
        }
        if (const Expected<std::optional<int>> reached = serversetup::operatorCount(location);
            !reached) {
            out << reached.error() << '\n';
            return 1;
        }
    } else {
        out << "Data folder: " << folder.path << " (" << datafolder::ruleText(folder.rule) << ")\n";
    }
    if (const QString left = restoresteps::pending(location.folderPath()); !left.isEmpty()) {
        out << left << '\n';
        return 1;
    }
    if (FirstStart(location).due()) {
        if (const Outcome usable = location.checkUsable(); !usable) {
            out << usable.description() << '\n';
            return 1;
        }
        out << (location.isBuilding()
                    ? "The building is not prepared, or the server has no operator; "
                      "Quorvane will offer to prepare it.\n"
                    : "It holds neither database; Quorvane will offer to create both.\n");
        return 1;
    }
    // The same view the login dialog opens, without the dialog: the check
    // runs on a console with no display.
    StreamMessageSink messages(out);
    OperatorView view(location);
    if (!gateReady(view.openIn(), view, folder.path, messages))
        return 1;
    out << "The login dialog is ready: " << view.rowCount() << " operator(s).\n";
    return 0;
}

} // namespace startup
