#include "serverannouncements.h"

#include "database.h"
#include "schema.h"
#include "server.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTimer>

ServerAnnouncements::ServerAnnouncements(QObject* parent)
    : QObject(parent),
      m_connection(database::uniqueConnectionName(QStringLiteral("quorvane-announcements")))
{
    listen();
    // A connection that went away hears nothing: a cheap question tells.
    m_check = new QTimer(this);
    m_check->setInterval(5000);
    connect(m_check, &QTimer::timeout, this, [this] {
        QSqlQuery alive(QSqlDatabase::database(m_connection, false));
        if (!alive.exec(QStringLiteral("SELECT 1")))
            listen();
    });
    m_check->start();
}

ServerAnnouncements::~ServerAnnouncements()
{
    database::close(m_connection);
}

void ServerAnnouncements::listen()
{
    database::close(m_connection);
    if (!server::active() ||
        database::connect(database::pathIn(server::folder(), schema::kDirectoryFile), m_connection,
                          database::Access::ReadOnly)
            .isValid())
        return;
    QSqlDriver* driver = QSqlDatabase::database(m_connection, false).driver();
    if (!driver || !driver->subscribeToNotification(server::channel()))
        return;
    connect(driver, &QSqlDriver::notification, this,
            [this](const QString&, QSqlDriver::NotificationSource, const QVariant& table) {
                emit changed(table.toString());
            });
}
