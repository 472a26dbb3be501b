#pragma once

#include "connectcontroller.h"

#include <QDialog>

class MessageSink;
class Pauser;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class SerialLink;

// frmLink: the Connect dialog. The operator chooses the port, opens or closes
// it, and sends the open time and the automatic modes. It is only ever
// hidden, so the open port, its lock and the values typed survive.
class LinkDialog : public QDialog
{
    Q_OBJECT

public:
    LinkDialog(SerialLink& link, MessageSink& messages, Pauser& pauser, QWidget* parent = nullptr);

    // The port list's text colour while the operator can choose, and while the
    // chosen port is open and locked.
    static QColor unlockedColour();
    static QColor lockedColour();

private:
    void toggle();
    void confirm();
    void showLock();
    void showDevice();

    ConnectController m_controller;

    QComboBox* m_port = nullptr;
    QPushButton* m_openClose = nullptr;
    QLineEdit* m_openTime = nullptr;
    QCheckBox* m_autoAnswer = nullptr;
    QCheckBox* m_autoOpen = nullptr;
};
