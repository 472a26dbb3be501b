#pragma once

#include "closepolicy.h"
#include "operatoreditor.h"
#include "operatorview.h"

#include <QDialog>

class MessageSink;
class QLineEdit;
class QPushButton;

// frmLogchg: shows the operators one at a time in two boxes bound to its own
// view Data1. A change is saved when the view moves and when the close box
// closes the dialog; the dialog deletes itself once closed.
class UserChangeDialog : public QDialog
{
    Q_OBJECT

public:
    // Opens Data1 on the operator database where the data lives;
    // loadOutcome() tells whether that worked.
    // Its changes are recorded as who's.
    UserChangeDialog(const store::Location& location, const changerecord::Actor& who,
                     MessageSink& messages, QWidget* parent = nullptr);

    const Outcome& loadOutcome() const { return m_load; }
    // Moves to the first operator, saving a pending change first.
    void showFirst();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void next();
    void remove();
    void showCurrentRow();
    void report(const Outcome& outcome);

    MessageSink& m_messages;
    OperatorView* m_view = nullptr;
    OperatorEditor m_editor;
    Outcome m_load = Outcome::success();
    ClosePolicy m_closePolicy;

    QLineEdit* m_user = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_nextButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_changeButton = nullptr;
};
