#include "mainwindow.h"

#include "captionloader.h"
#include "placement.h"
#include "twips.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

namespace {

QLabel* bandLabel(QWidget* band, const char* name, const QString& text, QRect geometry, QFont font)
{
    auto* label = new QLabel(text, band);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    return label;
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quorvane"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_mdi = new QMdiArea(m_client);
    m_mdi->setObjectName(QStringLiteral("mdiArea"));
    m_mdi->setBackground(palette().brush(QPalette::Dark));
    // The directory window keeps its designed size, wider than the client
    // area at the default placement: scroll bars bring all of it into sight.
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    buildTitleBand(m_client);
    setCentralWidget(m_client);
    m_client->installEventFilter(this);

    buildMenus();
    buildStatusBar();
    LoadFormCaptions(this);
    applyPlacement();
    menuAction(QStringLiteral("mnuDownload"))->setEnabled(false);
}

QAction* MainWindow::menuAction(const QString& name) const
{
    return findChild<QAction*>(name);
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto item = [](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    auto menu = [](QMenuBar* owner, const char* name, const QString& caption) {
        QMenu* m = owner->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        m->menuAction()->setObjectName(QString::fromLatin1(name));
        return m;
    };

    QMenu* file = menu(bar, "mnufile", tr("File"));
    //: File menu: opens the room directory window
    connect(item(file, "mnuNew", tr("New")), &QAction::triggered, this, &MainWindow::onNew);
    QAction* download = item(file, "mnuDownload", tr("Down load file"));
    download->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    // Where the menus work: the main window and the directory window inside
    // it, not the modeless dialogs.
    download->setShortcutContext(Qt::WindowShortcut);
    connect(download, &QAction::triggered, this, &MainWindow::downloadRequested);
    connect(item(file, "mnuExit", tr("Exit")), &QAction::triggered, this, &MainWindow::close);

    // Nothing enables the Edit menu, so none of its items can be chosen.
    QMenu* edit = menu(bar, "mnuEdit", tr("Edit"));
    edit->menuAction()->setEnabled(false);
    edit->setEnabled(false);
    item(edit, "mnucopy", tr("Copy"))->setEnabled(false);
    item(edit, "mnuPaste", tr("Paste"))->setEnabled(false);
    //: Edit menu: deletes a room
    item(edit, "mnuDel", tr("Delete"));
    item(edit, "mnuEditR", tr("Edit Room"));

    QMenu* setting = menu(bar, "mnuSet", tr("Setting"));
    QMenu* security = setting->addMenu(tr("User Password Set"));
    security->setObjectName(QStringLiteral("mnuPCSecurity"));
    security->menuAction()->setObjectName(QStringLiteral("mnuPCSecurity"));
    connect(item(security, "mnuAddUser", tr("Add User")), &QAction::triggered, this,
            &MainWindow::addUserRequested);
    connect(item(security, "mnuEU", tr("Edit User")), &QAction::triggered, this,
            &MainWindow::editUserRequested);
    connect(item(setting, "mnuLD", tr("Load Default")), &QAction::triggered, this,
            &MainWindow::loadDefaultRequested);

    // A menu-bar command without items.
    //: Menu bar: opens the dialog that connects to the door unit
    QAction* connectItem = bar->addAction(tr("Connect"));
    connectItem->setObjectName(QStringLiteral("mnuconnect"));
    connect(connectItem, &QAction::triggered, this, &MainWindow::connectRequested);

    // Right of Connect, after everything the window had before.
    QMenu* tools = menu(bar, "mnuTools", tr("Tools"));
    connect(item(tools, "mnuTransferHistory", tr("Transfer history…")), &QAction::triggered, this,
            &MainWindow::transferHistoryRequested);
    connect(item(tools, "mnuChangeRecord", tr("Change record…")), &QAction::triggered, this,
            &MainWindow::changeRecordRequested);
    // Shown only when the building has more than one door unit.
    QAction* downloadAll = item(tools, "mnuDownloadAll", tr("Download to every door unit…"));
    downloadAll->setVisible(false);
    connect(downloadAll, &QAction::triggered, this, &MainWindow::downloadAllRequested);
    tools->addSeparator();
    connect(item(tools, "mnuImportRooms", tr("Import rooms…")), &QAction::triggered, this,
            &MainWindow::importRoomsRequested);
    connect(item(tools, "mnuExportRooms", tr("Export rooms…")), &QAction::triggered, this,
            &MainWindow::exportRoomsRequested);
    connect(item(tools, "mnuPrintRooms", tr("Print room list…")), &QAction::triggered, this,
            &MainWindow::printRoomsRequested);
    tools->addSeparator();
    connect(item(tools, "mnuBackup", tr("Back up…")), &QAction::triggered, this,
            &MainWindow::backupRequested);
    connect(item(tools, "mnuRestore", tr("Restore…")), &QAction::triggered, this,
            &MainWindow::restoreRequested);
}

void MainWindow::buildTitleBand(QWidget* client)
{
    m_band = new QWidget(client);
    m_band->setObjectName(QStringLiteral("Picture1"));
    m_band->setAutoFillBackground(true);
    QPalette band = m_band->palette();
    band.setColor(QPalette::Window, QColor(128, 128, 255));
    m_band->setPalette(band);

    // Debian has neither face: Liberation Sans has Arial's metrics, and its
    // bold is the closest there is to Arial Black.
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"));
    QFont black(QStringLiteral("Arial Black"), 24);
    black.setWeight(QFont::Black);
    bandLabel(m_band, "Label1", QStringLiteral("Teluvo"), twips::rect(1080, 2160, 4575, 675),
              black);
    bandLabel(m_band, "Label2", tr("Version %1").arg(QStringLiteral(QUORVANE_VERSION)),
              twips::rect(2520, 3000, 1905, 405), QFont(QStringLiteral("Arial"), 18));
}

void MainWindow::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    bar->setSizeGripEnabled(true);
    const int minimum = twips::toPixels(1440);
    m_status = new QLabel(bar);
    m_status->setObjectName(QStringLiteral("sbPanel1"));
    m_status->setMinimumWidth(minimum);
    setStatusText({});
    m_date = new QLabel(bar);
    m_date->setObjectName(QStringLiteral("sbPanel2"));
    m_date->setMinimumWidth(minimum);
    m_date->setAlignment(Qt::AlignCenter);
    m_time = new QLabel(bar);
    m_time->setObjectName(QStringLiteral("sbPanel3"));
    m_time->setMinimumWidth(minimum);
    m_time->setAlignment(Qt::AlignCenter);
    bar->addWidget(m_status, 1);
    bar->addPermanentWidget(m_date);
    bar->addPermanentWidget(m_time);

    auto* clock = new QTimer(this);
    clock->setObjectName(QStringLiteral("sbClock"));
    connect(clock, &QTimer::timeout, this, &MainWindow::tick);
    clock->start(1000);
    tick();
}

void MainWindow::setStatusText(const QString& text)
{
    m_status->setText(text.isEmpty() ? tr("状态") : text);
}

void MainWindow::tick()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    m_date->setText(locale.toString(now.date(), QLocale::ShortFormat));
    m_time->setText(locale.toString(now.time(), QLocale::ShortFormat));
}

void MainWindow::applyPlacement()
{
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    m_placement = placement::resolve(placement::read(), screens);
    // The stored size is the outer size; the frame is known once shown.
    move(m_placement.topLeft());
    resize(m_placement.size());
    m_placementPending = true;
}

bool MainWindow::event(QEvent* event)
{
    const bool handled = QMainWindow::event(event);
    // A window manager adds its frame after the window is shown; the stored
    // size is the outer one, so the client size is set again, once, when the
    // frame is first known.
    const QEvent::Type type = event->type();
    if (m_placementPending && isVisible() &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)) {
        const QSize frameExtra = frameGeometry().size() - size();
        if (!frameExtra.isNull()) {
            m_placementPending = false;
            resize((m_placement.size() - frameExtra).expandedTo(QSize(1, 1)));
            move(m_placement.topLeft());
        }
    }
    return handled;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        layOutClient();
    return QMainWindow::eventFilter(watched, event);
}

// The band is aligned to the top of the client area at its full height; the
// child windows get what is left below it, all of it once the band is hidden.
void MainWindow::layOutClient()
{
    const QRect area = m_client->rect();
    const int bandHeight = m_band->isHidden() ? 0 : twips::toPixels(10575);
    m_band->setGeometry(0, 0, area.width(), twips::toPixels(10575));
    m_mdi->setGeometry(0, bandHeight, area.width(), std::max(0, area.height() - bandHeight));
}

void MainWindow::onNew()
{
    m_band->hide();
    layOutClient();
    emit newRequested();
    menuAction(QStringLiteral("mnuDownload"))->setEnabled(true);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Each child window runs its own close step; then the program ends at once,
    // discarding any dialog that is still open.
    m_mdi->closeAllSubWindows();
    event->accept();
    QMetaObject::invokeMethod(
        qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}
