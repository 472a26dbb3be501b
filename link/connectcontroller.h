#pragma once

#include "linkresult.h"

#include <QString>
#include <QtGlobal>

class SerialLink;

// What the Connect dialog's open/close and OK buttons do, kept apart from the
// widgets. The lock lives in the SerialLink; the dialog mirrors it.
class ConnectController
{
public:
    explicit ConnectController(SerialLink& link);

    // The open/close button with the port list showing listText ("COM1"..):
    // opens and locks, or closes and unlocks. A port that did not open ends
    // closed and unlocked.
    LinkResult toggle(const QString& listText);
    // The OK button: sends the settings sequence; done when it went out and
    // the dialog may hide.
    LinkResult sendSettings(const QString& openTimeText, Qt::CheckState autoAnswer,
                            Qt::CheckState autoOpen);

    bool locked() const;

private:
    SerialLink& m_link;
};
