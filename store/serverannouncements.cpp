#include "serverannouncements.h"

#include "database.h"
#include "schema.h"
#include "server.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QTimer>

namespace serverannouncements {

Outcome subscribe(const QSqlDatabase& db, const store::Database& database)
{
    QSqlQuery current(db);
    if (!current.exec(server::announceFunctionIsCurrent()) || !current.next())
        return Outcome::failure(database::plainError(current.lastError(), database));
    if (!current.value(0).toBool())
        return Outcome::failure(
            QCoreApplication::translate("serverannouncements",
                                        "the building still announces its changes the way an "
                                        "older Quorvane did. Prepare it again with:\n%1")
                .arg(database::initCommand(database.location())));
    // The channel is one fixed name, so nothing of a building's name is part of the LISTEN.
    QSqlDriver* driver = db.driver();
    if (!driver || !driver->subscribeToNotification(server::channel()))
        return Outcome::failure(
            database::plainError(driver ? driver->lastError() : QSqlError(), database));
    return Outcome::success();
}

} // namespace serverannouncements

ServerAnnouncements::ServerAnnouncements(const store::Location& location, QObject* parent)
    : QObject(parent), m_location(location),
      m_connection(database::uniqueConnectionName(QStringLiteral("quorvane-announcements")))
{
    listen();
    // A connection that went away hears nothing: a cheap question tells.
    m_check = new QTimer(this);
    m_check->setInterval(3000);
    connect(m_check, &QTimer::timeout, this, &ServerAnnouncements::check);
    m_check->start();
}

std::unique_ptr<ServerAnnouncements> ServerAnnouncements::of(const store::Location& location)
{
    if (!location.isBuilding())
        return nullptr;
    return std::make_unique<ServerAnnouncements>(location);
}

ServerAnnouncements::~ServerAnnouncements()
{
    database::close(m_connection);
}

void ServerAnnouncements::check()
{
    if (m_off.isEmpty()) {
        QSqlQuery alive(QSqlDatabase::database(m_connection, false));
        if (alive.exec(QStringLiteral("SELECT 1")))
            return;
        m_missed = m_heard;
    }
    listen();
}

void ServerAnnouncements::listen()
{
    database::close(m_connection);
    if (!m_location.isBuilding())
        return;
    const store::Database rooms = m_location.database(schema::kDirectoryFile);
    if (const QSqlError error = database::connect(rooms, m_connection, database::Access::ReadOnly);
        error.isValid()) {
        setOff(database::plainError(error, rooms));
        return;
    }
    const QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (const Outcome subscribed = serverannouncements::subscribe(db, rooms); !subscribed) {
        setOff(subscribed.description());
        return;
    }
    connect(db.driver(), &QSqlDriver::notification, this,
            [this](const QString&, QSqlDriver::NotificationSource, const QVariant& payload) {
                if (const QString table =
                        server::announcedTable(payload.toString(), m_location.place().building);
                    !table.isEmpty())
                    emit changed(table);
            });
    const bool missed = m_missed || (m_heard && !m_off.isEmpty());
    m_heard = true;
    m_missed = false;
    setOff({});
    // Whatever changed while nothing was heard is read again.
    if (missed) {
        emit changed(schema::directoryTable().table);
        emit changed(QStringLiteral("transfer_log"));
    }
}

void ServerAnnouncements::setOff(const QString& why)
{
    if (why == m_off)
        return;
    m_off = why;
    emit liveUpdates(why);
}
