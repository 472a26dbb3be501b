#include "shell.h"

#include "database.h"
#include "directorydownload.h"
#include "directorytools.h"
#include "doorunitwatch.h"
#include "downloadprogress.h"
#include "elidedlabel.h"
#include "linkdialog.h"
#include "linkmessages.h"
#include "loaddefault.h"
#include "mainwindow.h"
#include "messagesink.h"
#include "operatoradder.h"
#include "operatorview.h"
#include "program.h"
#include "roomdirectoryview.h"
#include "roomgrid.h"
#include "seriallink.h"
#include "serverannouncements.h"
#include "sleepingpauser.h"
#include "telnumwindow.h"
#include "transferhistorywindow.h"
#include "transferrecorder.h"
#include "unitsdownload.h"
#include "unitsprogress.h"
#include "useradddialog.h"
#include "userchangedialog.h"

#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTimer>

Shell::Shell(Program& program, MessageSink& messages, QObject* parent)
    : QObject(parent), m_program(program), m_messages(messages), m_main(new MainWindow)
{
    connect(m_main, &MainWindow::newRequested, this, &Shell::onNew);
    connect(m_main, &MainWindow::downloadRequested, this, &Shell::onDownload);
    connect(m_main, &MainWindow::connectRequested, this, &Shell::onConnect);
    connect(m_main, &MainWindow::addUserRequested, this, &Shell::onAddUser);
    connect(m_main, &MainWindow::editUserRequested, this, &Shell::onEditUser);
    connect(m_main, &MainWindow::loadDefaultRequested, this, &Shell::onLoadDefault);

    m_tools = new DirectoryTools(
        m_program.location(), m_program.actor(), m_messages, m_main,
        [this]() -> TelNumWindow* {
            return m_telNum && !m_telNum->isUnloaded() ? m_telNum.data() : nullptr;
        },
        this);
    connect(m_main, &MainWindow::importRoomsRequested, m_tools, &DirectoryTools::importRooms);
    connect(m_main, &MainWindow::exportRoomsRequested, m_tools, &DirectoryTools::exportRooms);
    connect(m_main, &MainWindow::printRoomsRequested, m_tools, &DirectoryTools::printRooms);
    connect(m_main, &MainWindow::backupRequested, m_tools, &DirectoryTools::backUp);
    connect(m_main, &MainWindow::restoreRequested, m_tools, &DirectoryTools::restore);
    connect(m_main, &MainWindow::transferHistoryRequested, this, &Shell::onTransferHistory);
    connect(m_main, &MainWindow::changeRecordRequested, m_tools, &DirectoryTools::showChangeRecord);
    connect(m_main, &MainWindow::downloadAllRequested, this, &Shell::onDownloadAll);

    // After the panels of the status bar, one of its own: what the door unit holds.
    DoorUnitWatch& doorUnit = m_program.doorUnit();
    // Never wider than the window leaves it: the main window keeps its size,
    // and the whole text is in the tooltip.
    m_doorUnitPanel = new ElidedLabel(m_main->statusBar());
    m_doorUnitPanel->setObjectName(QStringLiteral("sbDoorUnit"));
    m_main->statusBar()->addPermanentWidget(m_doorUnitPanel);
    connect(&doorUnit, &DoorUnitWatch::changed, this, &Shell::showDoorUnit);
    // On a shared server, which building this window works on. A name longer
    // than the status bar leaves room for ends with "…" rather than being cut
    // off unseen ("Tower 7" for "Tower 7, east wing"); the tooltip names it
    // whole. The door unit's panel gives way to it, down to its own "…".
    if (const store::Location& where = m_program.location(); where.isBuilding()) {
        auto* building =
            new ElidedLabel(tr("Building: %1").arg(where.place().building), m_main->statusBar());
        building->setObjectName(QStringLiteral("sbBuilding"));
        m_doorUnitPanel->setMaximumWidth(
            m_doorUnitPanel->fontMetrics().horizontalAdvance(QStringLiteral("…")));
        building->setToolTip(tr("The directory of the %1.").arg(where.describe()));
        m_main->statusBar()->addPermanentWidget(building);
    }
    // While another PC's changes cannot be heard, the status bar says so and why.
    if (ServerAnnouncements* heard = m_program.announcements()) {
        auto* live = new ElidedLabel(m_main->statusBar());
        live->setObjectName(QStringLiteral("sbLiveUpdates"));
        m_main->statusBar()->addPermanentWidget(live);
        const auto show = [live](const QString& why) {
            const QString said =
                why.isEmpty() ? QString() : tr("Live updates are off: %1").arg(why);
            live->setVisible(!why.isEmpty());
            live->setText(said.simplified());
            live->setToolTip(said);
        };
        connect(heard, &ServerAnnouncements::liveUpdates, live, show);
        show(heard->offReason());
    }
    // An import or a restore changes the file; with the window open its
    // Refresh is seen through the cursor.
    connect(m_tools, &DirectoryTools::directoryChanged, &doorUnit, &DoorUnitWatch::reload);
    doorUnit.update();
}

void Shell::showDoorUnit()
{
    m_doorUnitPanel->setText(m_program.doorUnit().text());
    m_doorUnitPanel->setToolTip(m_program.doorUnit().toolTip());
    const QList<DoorUnit>& units = m_program.doorUnit().units();
    m_main->menuAction(QStringLiteral("mnuDownloadAll"))->setVisible(units.size() > 1);
    if (m_linkDialog)
        m_linkDialog->setUnits(units, m_program.unit());
    if (m_telNum && !m_telNum->isUnloaded())
        m_telNum->notesChanged();
}

void Shell::onTransferHistory()
{
    if (!m_history) {
        m_history = new TransferHistoryWindow(m_program.location().database(schema::kDirectoryFile),
                                              m_main);
        m_history->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_history->reload();
    // The history may list a transfer made elsewhere: the panel follows it.
    m_program.doorUnit().recheck();
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
}

Shell::~Shell()
{
    delete m_main;
}

void Shell::show()
{
    m_main->show();
}

void Shell::onNew()
{
    TelNumWindow* window = loadDirectoryWindow();
    // Shown once, then only brought forward with its current row.
    m_telNumFrame->show();
    window->show();
    m_main->mdiArea()->setActiveSubWindow(m_telNumFrame);
    m_telNumFrame->raise();
    // Chosen from the keyboard, the menu must not leave the focus outside it.
    window->focusGrid();
}

TelNumWindow* Shell::loadDirectoryWindow()
{
    if (m_telNum && !m_telNum->isUnloaded())
        return m_telNum;
    RoomDirectoryView& rooms = m_program.freshDirectory();
    auto* window = new TelNumWindow(rooms, m_program.location(), m_messages);
    // The cursor goes with the window that showed it, and only that cursor:
    // a closed window is deleted after the next one may have opened.
    connect(window, &TelNumWindow::released, this,
            [this, &rooms] { m_program.discardDirectory(rooms); });
    m_telNumFrame = m_main->mdiArea()->addSubWindow(window);
    m_telNumFrame->setAttribute(Qt::WA_DeleteOnClose);
    // The designed inner size, even where the main window is smaller.
    m_telNumFrame->resize(m_telNumFrame->sizeHint());
    m_telNum = window;
    window->setWaitShown([this](const QString& text) { m_main->setStatusText(text); });
    window->setNoteShown([this](const QString& text) { m_main->setStatusText(text); });
    window->setRowNotes([this](int row) { return m_program.doorUnit().rowNote(row); });
    m_program.doorUnit().watch(&rooms);
    connect(window->grid(), &RoomGrid::shown, &m_program.doorUnit(),
            &DoorUnitWatch::compareWatched);
    // The window must know when Exit closes it: the program ends regardless.
    m_main->installEventFilter(this);
    return window;
}

bool Shell::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_main && event->type() == QEvent::Close && m_telNum)
        m_telNum->setProgramEnding(true);
    return QObject::eventFilter(watched, event);
}

LinkDialog& Shell::linkDialog()
{
    if (!m_linkDialog) {
        auto* dialog = new LinkDialog(m_program.freshLink(), m_messages, m_main);
        dialog->setUnits(m_program.doorUnit().units(), m_program.unit());
        connect(dialog, &LinkDialog::unitChosen, this,
                [this](qint64 unit) { m_program.setUnit(unit); });
        connect(dialog, &LinkDialog::discarded, this, [this, dialog] {
            if (m_linkDialog == dialog)
                m_linkDialog = nullptr;
            dialog->deleteLater();
        });
        m_linkDialog = dialog;
    }
    return *m_linkDialog;
}

SerialLink& Shell::serialLink()
{
    linkDialog();
    return m_program.link();
}

void Shell::onDownload()
{
    SerialLink& link = serialLink();
    // Refused before the directory window is even loaded, and recorded as
    // every refusal is.
    if (std::optional<LinkResult> refused = refusal(link, LinkResult::Command::Download)) {
        showLinkResult(TransferRecorder(link, TransferRecord::What::Download).refused(*refused),
                       m_messages);
        return;
    }
    loadDirectoryWindow();
    RoomDirectoryView& rooms = *m_program.directory();

    // Modal, so the windows the download reads cannot be closed under it.
    std::unique_ptr<DownloadProgress> progress;
    const auto showProgress = [&](const DirectoryDownload::Progress& p) {
        if (p.finished) {
            // Gone, not hidden, before the message: a hidden progress dialog
            // can show itself again inside the message's loop, over it.
            progress.reset();
            return;
        }
        if (!progress) {
            progress = std::make_unique<DownloadProgress>(link.lineSettings().baud, m_main);
            progress->show();
        }
        progress->setRooms(p.sent, p.total);
    };
    showLinkResult(DirectoryDownload(
                       link, rooms, [&rooms] { return rooms.currentRoom(); }, showProgress)
                       .run(),
                   m_messages);
}

void Shell::onDownloadAll()
{
    const store::Database roomFile = m_program.location().database(schema::kDirectoryFile);
    const Expected<QList<DoorUnit>> units = doorunits::read(roomFile);
    if (!units) {
        m_messages.show(units.error(), kApplicationTitle, MessageSink::Icon::Critical);
        return;
    }
    if (const Outcome apart = UnitsDownload::checkDevices(*units); !apart) {
        m_messages.show(apart.description(), kApplicationTitle, MessageSink::Icon::Exclamation);
        return;
    }
    // The rooms go out as the file holds them: what the window holds is written first.
    if (m_telNum && !m_telNum->isUnloaded() && m_program.directory()) {
        if (Outcome saved = m_program.directory()->updateAll(); !saved) {
            m_messages.show(saved.description(), kApplicationTitle, MessageSink::Icon::Exclamation);
            return;
        }
    }
    // The Connect dialog's port is let go meanwhile: its unit is among those sent to.
    SerialLink* link = m_linkDialog ? &m_program.link() : nullptr;
    if (link && link->busy()) {
        showLinkResult(LinkResult::of(LinkResult::Command::Download, LinkResult::Kind::Busy),
                       m_messages);
        return;
    }
    const bool reopen = link && link->isOpen();
    if (reopen)
        link->close();
    UnitsDownload download(
        roomFile, *units, m_program.operatorName(),
        [this](const DoorUnit&) { return m_program.newPort(); },
        [](const DoorUnit&) -> std::unique_ptr<Pauser> {
            return std::make_unique<SleepingPauser>();
        });
    auto* window = new UnitsProgress(*units, m_main);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    // The units send on threads of their own; the window follows them here.
    QEventLoop loop;
    QTimer follow;
    follow.setInterval(250);
    connect(&follow, &QTimer::timeout, &loop, [&] {
        window->showLines(download.lines(), false);
        if (download.finished())
            loop.quit();
    });
    download.start();
    follow.start();
    loop.exec();
    download.wait();
    window->showLines(download.lines(), true);
    if (reopen)
        link->open();
    for (const UnitsDownload::Line& line : download.lines()) {
        if (!line.result.recordFailure.isEmpty()) {
            LinkResult unrecorded = LinkResult::of(LinkResult::Command::Connect);
            unrecorded.recordFailure = line.result.recordFailure;
            showLinkResult(unrecorded, m_messages);
            break;
        }
    }
    m_program.doorUnit().reload();
}

void Shell::onConnect()
{
    LinkDialog& dialog = linkDialog();
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

void Shell::onAddUser()
{
    // One new row at a time: an open dialog is only brought forward.
    if (m_addUser && m_addUser->isVisible()) {
        m_addUser->raise();
        m_addUser->activateWindow();
        return;
    }
    if (Outcome opened = m_program.openOperators(); !opened) {
        m_messages.show(opened.description(), kApplicationTitle, MessageSink::Icon::Critical);
        return;
    }
    if (Outcome begun = OperatorAdder(m_program.operators()).begin(); !begun) {
        m_messages.show(begun.description(), kApplicationTitle, MessageSink::Icon::Exclamation);
        return;
    }
    m_addUser = new UserAddDialog(m_program.operators(), m_messages, m_main);
    m_addUser->show();
}

void Shell::onEditUser()
{
    // A closed dialog is deleted once control returns to the event loop.
    if (!m_editUser || !m_editUser->isVisible()) {
        auto* dialog =
            new UserChangeDialog(m_program.location(), m_program.actor(), m_messages, m_main);
        if (!dialog->loadOutcome()) {
            m_messages.show(dialog->loadOutcome().description(), kApplicationTitle,
                            MessageSink::Icon::Critical);
            delete dialog;
            return;
        }
        m_editUser = dialog;
        dialog->show();
    } else {
        m_editUser->raise();
        m_editUser->activateWindow();
    }
    m_editUser->showFirst();
}

void Shell::onLoadDefault()
{
    showLinkResult(loadDefault(serialLink()), m_messages);
}
