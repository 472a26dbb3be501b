#include "logindialog.h"

#include "messagesink.h"
#include "twips.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int kBoxLength = 20;

QLineEdit* makeBox(QWidget* parent, const char* name, QRect geometry)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    box->setMaxLength(kBoxLength);
    return box;
}

} // namespace

LoginDialog::LoginDialog(const QString& appDir, MessageSink& messages, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_messages(messages)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(QStringLiteral("User log in"));
    setProperty("tag", QStringLiteral("1037"));
    setFixedSize(twips::size(3750, 1470));
    // The labels are 72 pixels wide: the classic 8-point dialog face fits them.
    QFont face = font();
    face.setPointSize(8);
    setFont(face);

    m_user = makeBox(this, "txtUserName", twips::rect(1305, 135, 2325, 270));
    m_password = makeBox(this, "txtPassword", twips::rect(1320, 525, 2325, 270));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));

    auto* userLabel = new QLabel(QStringLiteral("User(&U):"), this);
    userLabel->setObjectName(QStringLiteral("lblLabels0"));
    userLabel->setGeometry(twips::rect(105, 150, 1080, 248));
    userLabel->setBuddy(m_user);
    userLabel->setProperty("tag", QStringLiteral("1038"));
    auto* passwordLabel = new QLabel(QStringLiteral("Password(&P):"), this);
    passwordLabel->setObjectName(QStringLiteral("lblLabels1"));
    passwordLabel->setGeometry(twips::rect(105, 540, 1080, 248));
    passwordLabel->setBuddy(m_password);
    passwordLabel->setProperty("tag", QStringLiteral("1039"));

    m_okButton = new QPushButton(QStringLiteral("OK"), this);
    m_okButton->setObjectName(QStringLiteral("cmdOK"));
    m_okButton->setGeometry(twips::rect(480, 1020, 1140, 360));
    m_okButton->setDefault(true);
    m_okButton->setProperty("tag", QStringLiteral("1040"));
    m_cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    m_cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    m_cancelButton->setGeometry(twips::rect(2100, 1020, 1140, 360));
    m_cancelButton->setAutoDefault(false);
    m_cancelButton->setProperty("tag", QStringLiteral("1041"));

    // The current row's fields, never shown.
    m_seek = new QLineEdit(this);
    m_seek->setObjectName(QStringLiteral("data_seek_txt"));
    m_seek->hide();
    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("data_find_txt2"));
    m_find->hide();

    setTabOrder(m_user, m_password);
    setTabOrder(m_password, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);

    connect(m_okButton, &QPushButton::clicked, this, &LoginDialog::confirm);
    connect(m_cancelButton, &QPushButton::clicked, this, &LoginDialog::reject);
    connect(&m_view, &RecordCursor::MoveComplete, this, &LoginDialog::showCurrentRow);
    m_user->installEventFilter(this);

    m_load = m_view.openIn(appDir);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    m_user->setFocus();
    m_user->setCursorPosition(0);
}

bool LoginDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_user && event->type() == QEvent::FocusOut) {
        // The name is looked up when the operator moves on inside the dialog,
        // not when another window (a message box among them) takes the focus.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            lookUpName();
    }
    return QDialog::eventFilter(watched, event);
}

void LoginDialog::lookUpName()
{
    if (!m_gate.lookUp(m_user->text()))
        m_messages.show(QStringLiteral("用户名不存在,请重新输入"), QStringLiteral("输入用户出错"),
                        MessageSink::Icon::None);
}

void LoginDialog::confirm()
{
    if (m_gate.acceptsPin(m_password->text())) {
        m_ok = true;
        hide();
        done(QDialog::Accepted);
        return;
    }
    m_messages.show(QStringLiteral("密码错误，再试一次！"), QStringLiteral("登录"),
                    MessageSink::Icon::None);
    m_password->setFocus();
    m_password->setSelection(0, int(m_password->text().size()));
}

void LoginDialog::reject()
{
    m_ok = false;
    QDialog::reject();
}

void LoginDialog::showCurrentRow()
{
    m_seek->setText(m_view.field(OperatorView::kUser));
    m_find->setText(m_view.field(OperatorView::kPassword));
}
