#pragma once

#include "logingate.h"
#include "operatorview.h"

#include <QDialog>

class MessageSink;
class QLineEdit;
class QPushButton;

// frmLogin: asks for an operator's name and PIN. The start-up reads OK()
// once the dialog is hidden.
class LoginDialog : public QDialog
{
    Q_OBJECT

public:
    // Opens the operator view where the data lives; loadOutcome()
    // tells whether that worked.
    LoginDialog(const store::Location& location, MessageSink& messages, QWidget* parent = nullptr);

    bool OK() const { return m_ok; }
    const Outcome& loadOutcome() const { return m_load; }
    OperatorView& view() { return m_view; }

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void lookUpName(bool duringPress);
    void showNameRefused();
    void confirm();
    void showCurrentRow();

    MessageSink& m_messages;
    OperatorView m_view;
    LoginGate m_gate{m_view};
    Outcome m_load = Outcome::success();
    bool m_ok = false;
    bool m_nameMessagePending = false;

    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_seek = nullptr;
    QLineEdit* m_find = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
