#pragma once

#include "changerecord.h"
#include "messagesink.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class ChangeRecordWindow;
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
    // it reads the table again after an import or a restore. Imports and
    // restores are recorded as who's.
    DirectoryTools(const store::Location& location, const changerecord::Actor& who,
                   MessageSink& messages, QWidget* window,
                   std::function<TelNumWindow*()> openWindow, QObject* parent = nullptr);

    void importRooms();
    void exportRooms();
    void printRooms();
    void backUp();
    void restore();
    // The change record of both files, newest first, to filter and export.
    void showChangeRecord();

signals:
    // After an import or a restore wrote the room file.
    void directoryChanged();

private:
    store::Database directoryFile() const;
    void refreshWindow();
    void say(const QString& text, MessageSink::Icon icon) const;

    store::Location m_location;
    changerecord::Actor m_who;
    MessageSink& m_messages;
    QWidget* m_window = nullptr;
    std::function<TelNumWindow*()> m_openWindow;
    QPointer<ChangeRecordWindow> m_changeRecord;
};
