#pragma once

#include <QString>
#include <QtGlobal>

class MessageSink;
class SerialLink;

// Opens the link when it is closed. A failure is shown to the operator (the
// port error messages) and gives false.
bool openPort(SerialLink& link, MessageSink& messages);

// True, once the operator has been told, while another command is sending over
// the link: the caller then sends nothing. The text is Chinese where the
// caller's other link messages are.
bool linkBusy(const SerialLink& link, MessageSink& messages, bool chinese);

// What the Connect dialog's open/close and OK buttons do, kept apart from the
// widgets. The lock lives in the SerialLink; the dialog mirrors it.
class ConnectController
{
public:
    enum class Toggle {
        Busy,     // another command is sending: nothing changed
        NoPort,   // no list entry chosen: nothing opened
        Failed,   // the port did not open: unlocked and closed
        Locked,   // opened and locked
        Unlocked, // closed and unlocked
    };

    ConnectController(SerialLink& link, MessageSink& messages);

    // The open/close button with the port list showing listText ("COM1"..).
    Toggle toggle(const QString& listText);
    // The OK button: sends the settings sequence. True when it went out and
    // the dialog may hide.
    bool sendSettings(const QString& openTimeText, Qt::CheckState autoAnswer,
                      Qt::CheckState autoOpen);

    bool locked() const;

private:
    SerialLink& m_link;
    MessageSink& m_messages;
};
