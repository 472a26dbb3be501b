#pragma once

#include "connectcontroller.h"
#include "seriallink.h"

#include <QDialog>

class MessageSink;
class Pauser;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class SerialPort;

// frmLink: the Connect dialog, holding the one SerialLink. The operator
// chooses the port, opens or closes it, and sends the open time and the
// automatic modes. OK, Cancel and Esc only hide it, so the open port, its lock
// and the values typed survive; its frame's close box discards it with its
// link (see discarded()).
class LinkDialog : public QDialog
{
    Q_OBJECT

public:
    LinkDialog(SerialPort& port, MessageSink& messages, Pauser& pauser, QWidget* parent = nullptr);

    SerialLink& link() { return m_link; }

signals:
    // Closed by the frame's close box: the port is closed and the owner
    // deletes the dialog, so the next reference makes a fresh one.
    void discarded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void toggle();
    void confirm();
    void showLock();
    void showDevice();

    SerialLink m_link;
    MessageSink& m_messages;
    ConnectController m_controller;

    QComboBox* m_port = nullptr;
    QPushButton* m_openClose = nullptr;
    QLineEdit* m_openTime = nullptr;
    QCheckBox* m_autoAnswer = nullptr;
    QCheckBox* m_autoOpen = nullptr;
};
