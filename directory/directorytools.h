#pragma once

#include "messagesink.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;
class TelNumWindow;

// The Tools menu's commands: the room directory in and out of files, the
// printed room list, and a backup of both databases. Each asks for its file,
// lets the core do the work and says what came of it.
class DirectoryTools : public QObject
{
    Q_OBJECT

public:
    // openWindow gives the directory window when it is open, else nullptr:
    // it reads the table again after an import or a restore.
    DirectoryTools(const QString& dataDir, MessageSink& messages, QWidget* window,
                   std::function<TelNumWindow*()> openWindow, QObject* parent = nullptr);

    void importRooms();
    void exportRooms();
    void printRooms();
    void backUp();
    void restore();

signals:
    // After an import or a restore wrote the room file.
    void directoryChanged();

private:
    QString directoryFile() const;
    void refreshWindow();
    void say(const QString& text, MessageSink::Icon icon) const;

    QString m_dataDir;
    MessageSink& m_messages;
    QWidget* m_window = nullptr;
    std::function<TelNumWindow*()> m_openWindow;
};
