#include "useradddialog.h"

#include "messagesink.h"
#include "operatorform.h"
#include "recordcursor.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

UserAddDialog::UserAddDialog(RecordCursor& view, MessageSink& messages, QWidget* parent)
    : QDialog(parent, operatorform::kFrame), m_adder(view), m_messages(messages)
{
    setObjectName(QStringLiteral("frmUserADD"));
    setWindowTitle(tr("User ADD"));
    setAttribute(Qt::WA_DeleteOnClose);

    // The boxes take any length; the store refuses what the login could not take.
    const auto boxes = operatorform::addBoxes(
        this, {tr("New Client(&U):"), {105, 150, 1320, 270}, {1440, 135, 2325, 345}},
        {tr("PIN(&P):"), {105, 540, 1080, 270}, {1440, 525, 2325, 345}}, 32767);
    m_user = boxes.user;
    m_password = boxes.password;

    m_okButton = operatorform::addButton(this, "cmdOK", tr("OK"), {480, 1200, 1140, 390});
    m_okButton->setDefault(true);
    m_cancelButton =
        operatorform::addButton(this, "cmdCancel", tr("Cancel"), {1920, 1200, 1140, 390});

    setTabOrder(m_user, m_password);
    setTabOrder(m_password, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);

    connect(m_okButton, &QPushButton::clicked, this, &UserAddDialog::confirm);
    connect(m_cancelButton, &QPushButton::clicked, this, &UserAddDialog::cancel);

    operatorform::place(this, 4110, 1800);
    m_user->setFocus();
}

void UserAddDialog::confirm()
{
    if (Outcome saved = m_adder.save(m_user->text(), m_password->text()); !saved) {
        m_messages.show(tr("The operator was not added.\n%1").arg(saved.description()),
                        kApplicationTitle, MessageSink::Icon::Exclamation);
        return;
    }
    m_finished = true;
    close();
}

void UserAddDialog::cancel()
{
    if (Outcome cancelled = m_adder.cancel(); !cancelled)
        m_messages.show(cancelled.description(), kApplicationTitle, MessageSink::Icon::Exclamation);
    m_finished = true;
    close();
}

void UserAddDialog::closeEvent(QCloseEvent* event)
{
    // The close box takes the new row away, as Cancel does.
    if (!m_finished) {
        m_finished = true;
        if (Outcome cancelled = m_adder.cancel(); !cancelled)
            m_messages.show(cancelled.description(), kApplicationTitle,
                            MessageSink::Icon::Exclamation);
    }
    event->accept();
}

void UserAddDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        m_cancelButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
