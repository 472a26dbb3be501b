#pragma once

#include "location.h"
#include "outcome.h"

#include <QObject>
#include <QString>

#include <memory>

class QSqlDatabase;
class QTimer;

namespace serverannouncements {

// Subscribes the connection (to the database given) to the announcements
// of every building, after checking that the building's tables announce the
// way this program listens. A failure says why in the operator's words.
[[nodiscard]] Outcome subscribe(const QSqlDatabase& db, const store::Database& database);

} // namespace serverannouncements

// Hears a building's change announcements on a connection of its own, for
// what follows the building without holding its rows (the door unit panel
// following another PC's download, say) and for telling whether live updates
// reach this PC at all. A connection the server dropped is opened again
// within a few seconds, and what changed meanwhile is announced as changed.
class ServerAnnouncements : public QObject
{
    Q_OBJECT

public:
    // Listens for the changes of the building at location.
    explicit ServerAnnouncements(const store::Location& location, QObject* parent = nullptr);
    ~ServerAnnouncements() override;
    // What listens at location: nothing for a data folder, whose changes
    // are seen in its files, not announced.
    static std::unique_ptr<ServerAnnouncements> of(const store::Location& location);

    // Why live updates are off; empty while the building is heard.
    QString offReason() const { return m_off; }
    // Asks the connection whether it is still there and listens again if not.
    void check();

signals:
    // A table of the building was changed; table names it.
    void changed(const QString& table);
    // Live updates were turned off (why says why) or on again (why is empty).
    void liveUpdates(const QString& why);

private:
    void listen();
    void setOff(const QString& why);
    store::Location m_location;
    QString m_connection;
    QTimer* m_check = nullptr;
    QString m_off;
    // Heard once; lost since, so what was missed must be read again.
    bool m_heard = false;
    bool m_missed = false;
};
