#include "useradddialog.h"

#include "messagesink.h"
#include "recordcursor.h"
#include "twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

UserAddDialog::UserAddDialog(RecordCursor& view, MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_adder(view), m_messages(messages)
{
    setObjectName(QStringLiteral("frmUserADD"));
    setWindowTitle(QStringLiteral("User ADD"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips::size(4110, 1800));

    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("txtUserName"));
    m_user->setGeometry(twips::rect(1440, 135, 2325, 345));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("txtPassword"));
    m_password->setGeometry(twips::rect(1440, 525, 2325, 345));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    // The boxes take any length; the store refuses what the login could not take.
    m_user->setMaxLength(32767);
    m_password->setMaxLength(32767);

    auto* userLabel = new QLabel(QStringLiteral("New Client(&U):"), this);
    userLabel->setObjectName(QStringLiteral("Label1"));
    userLabel->setGeometry(twips::rect(105, 150, 1320, 270));
    userLabel->setBuddy(m_user);
    auto* passwordLabel = new QLabel(QStringLiteral("PIN(&P):"), this);
    passwordLabel->setObjectName(QStringLiteral("Label2"));
    passwordLabel->setGeometry(twips::rect(105, 540, 1080, 270));
    passwordLabel->setBuddy(m_password);

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("cmdOK"));
    m_okButton->setGeometry(twips::rect(480, 1200, 1140, 390));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    m_cancelButton->setGeometry(twips::rect(1920, 1200, 1140, 390));

    setTabOrder(m_user, m_password);
    setTabOrder(m_password, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);

    connect(m_okButton, &QPushButton::clicked, this, &UserAddDialog::confirm);
    connect(m_cancelButton, &QPushButton::clicked, this, &UserAddDialog::cancel);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    m_user->setFocus();
}

void UserAddDialog::confirm()
{
    if (Outcome saved = m_adder.save(m_user->text(), m_password->text()); !saved) {
        m_messages.show(QStringLiteral("The operator was not added.\n%1").arg(saved.description()),
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
