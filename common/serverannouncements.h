#pragma once

#include <QObject>
#include <QString>

class QSqlDriver;
class QTimer;

// Hears a building's change announcements on a connection of its own, for
// what follows the building without holding its rows (the door unit panel
// following another PC's download, say). A connection the server dropped is
// opened again within a few seconds.
class ServerAnnouncements : public QObject
{
    Q_OBJECT

public:
    explicit ServerAnnouncements(QObject* parent = nullptr);
    ~ServerAnnouncements() override;

signals:
    // A table of the building was changed; table names it.
    void changed(const QString& table);

private:
    void listen();
    QString m_connection;
    QTimer* m_check = nullptr;
};
