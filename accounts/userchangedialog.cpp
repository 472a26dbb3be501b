#include "userchangedialog.h"

#include "messagesink.h"
#include "twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

} // namespace

UserChangeDialog::UserChangeDialog(const QString& appDir, MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_messages(messages), m_view(new OperatorView(this)), m_editor(*m_view)
{
    setObjectName(QStringLiteral("frmLogchg"));
    setWindowTitle(QStringLiteral("User Change"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips::size(3990, 1545));
    m_view->setObjectName(QStringLiteral("Data1"));

    m_user = new QLineEdit(this);
    m_user->setObjectName(QStringLiteral("txtUserName"));
    m_user->setGeometry(twips::rect(1560, 135, 2325, 345));
    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("txtPassword"));
    m_password->setGeometry(twips::rect(1560, 525, 2325, 345));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    m_user->setMaxLength(32767);
    m_password->setMaxLength(32767);

    auto* userLabel = new QLabel(QStringLiteral("User Name(&U):"), this);
    userLabel->setObjectName(QStringLiteral("Label1"));
    userLabel->setGeometry(twips::rect(105, 150, 1320, 270));
    userLabel->setBuddy(m_user);
    auto* passwordLabel = new QLabel(QStringLiteral("PIN(&P):"), this);
    passwordLabel->setObjectName(QStringLiteral("Label2"));
    passwordLabel->setGeometry(twips::rect(105, 540, 1080, 270));
    passwordLabel->setBuddy(m_password);

    m_nextButton =
        makeButton(this, "cmdNext", QStringLiteral("Next"), twips::rect(120, 1020, 1140, 390));
    m_nextButton->setDefault(true);
    m_deleteButton =
        makeButton(this, "cmdDelete", QStringLiteral("Delete"), twips::rect(1440, 1020, 1140, 390));
    m_changeButton =
        makeButton(this, "Command1", QStringLiteral("Change"), twips::rect(2760, 1019, 1140, 390));

    setTabOrder(m_user, m_password);
    setTabOrder(m_password, m_nextButton);
    setTabOrder(m_nextButton, m_deleteButton);
    setTabOrder(m_deleteButton, m_changeButton);

    connect(m_nextButton, &QPushButton::clicked, this, &UserChangeDialog::next);
    connect(m_deleteButton, &QPushButton::clicked, this, &UserChangeDialog::remove);
    // Change runs nothing: a typed change waits for the next move or the close box.
    connect(m_view, &RecordCursor::MoveComplete, this, &UserChangeDialog::showCurrentRow);
    // Typing while no operator is shown changes nothing; the next move shows
    // the first operator again.
    connect(m_user, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_editor.edit(OperatorView::kUser, text); });
    connect(m_password, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_editor.edit(OperatorView::kPassword, text); });

    m_load = m_view->openIn(appDir);
    showCurrentRow();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    m_user->setFocus();
}

void UserChangeDialog::showFirst()
{
    report(m_editor.first());
    showCurrentRow();
}

void UserChangeDialog::next()
{
    report(m_editor.next());
    showCurrentRow();
}

void UserChangeDialog::remove()
{
    report(m_editor.remove());
    showCurrentRow();
}

void UserChangeDialog::showCurrentRow()
{
    m_user->setText(m_view->field(OperatorView::kUser));
    m_password->setText(m_view->field(OperatorView::kPassword));
}

void UserChangeDialog::report(const Outcome& outcome)
{
    if (!outcome)
        m_messages.show(outcome.description(), kApplicationTitle, MessageSink::Icon::Exclamation);
}

void UserChangeDialog::closeEvent(QCloseEvent* event)
{
    // A change that cannot be saved keeps the dialog open with what was typed.
    if (Outcome closed = m_editor.finish(); !closed) {
        report(closed);
        event->ignore();
        return;
    }
    event->accept();
}

void UserChangeDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel)) {
        m_changeButton->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
