#pragma once

#include "operatoradder.h"

#include <QDialog>

class MessageSink;
class QLineEdit;
class QPushButton;
class RecordCursor;

// frmUserADD: the name and PIN of a new operator. The new row is prepared on
// the Add User view before the dialog opens; OK saves it, Cancel and the
// close box remove it. The dialog deletes itself when it closes.
class UserAddDialog : public QDialog
{
    Q_OBJECT

public:
    UserAddDialog(RecordCursor& view, MessageSink& messages, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void confirm();
    void cancel();

    OperatorAdder m_adder;
    MessageSink& m_messages;
    bool m_finished = false;

    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
