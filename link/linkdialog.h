#pragma once

#include "connectcontroller.h"
#include "doorunits.h"
#include "seriallink.h"

#include <QDialog>

class MessageSink;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// frmLink: the Connect dialog on the one SerialLink, which its owner keeps.
// The operator chooses the port, opens or closes it, and sends the open time
// and the automatic modes. OK, Cancel and Esc only hide it, so the open port,
// its lock and the values typed survive; its frame's close box closes the
// port and discards the dialog (see discarded()).
class LinkDialog : public QDialog
{
    Q_OBJECT

public:
    LinkDialog(SerialLink& link, MessageSink& messages, QWidget* parent = nullptr);

    // The building's door units. With more than one, a list below the boxes
    // chooses the unit the commands go to, and the port follows it.
    void setUnits(const QList<DoorUnit>& units, qint64 chosen);

signals:
    void unitChosen(qint64 unit);

    // Closed by the frame's close box: the port is closed and unlocked, and
    // the owner deletes the dialog and lets the link go, so the next reference
    // makes a fresh dialog on a fresh link.
    void discarded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void toggle();
    void confirm();
    void showLock();
    void showDevice();
    void chooseUnit(int index);

    SerialLink& m_link;
    MessageSink& m_messages;
    ConnectController m_controller;

    QComboBox* m_port = nullptr;
    QPushButton* m_openClose = nullptr;
    QLineEdit* m_openTime = nullptr;
    QCheckBox* m_autoAnswer = nullptr;
    QCheckBox* m_autoOpen = nullptr;
    QList<DoorUnit> m_units;
    QLabel* m_unitLabel = nullptr;
    QComboBox* m_unit = nullptr;
};
