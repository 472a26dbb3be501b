#include "logindialog.h"

#include "messagesink.h"
#include "operatorform.h"
#include "schema.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LoginDialog::LoginDialog(const store::Location& location, MessageSink& messages, QWidget* parent)
    : QDialog(parent, operatorform::kFrame), m_messages(messages), m_view(location)
{
    setObjectName(QStringLiteral("frmLogin"));
    setWindowTitle(tr("User log in"));
    setProperty("tag", QStringLiteral("1037"));
    // The labels are 72 pixels wide: the classic 8-point dialog face fits them.
    QFont face = font();
    face.setPointSize(8);
    setFont(face);

    const auto boxes = operatorform::addBoxes(
        this, {tr("User(&U):"), {105, 150, 1080, 248}, {1305, 135, 2325, 270}},
        {tr("Password(&P):"), {105, 540, 1080, 248}, {1320, 525, 2325, 270}},
        schema::kOperatorWidth);
    m_user = boxes.user;
    m_password = boxes.password;
    findChild<QLabel*>(QStringLiteral("Label1"))->setProperty("tag", QStringLiteral("1038"));
    findChild<QLabel*>(QStringLiteral("Label2"))->setProperty("tag", QStringLiteral("1039"));

    m_okButton = operatorform::addButton(this, "cmdOK", tr("OK"), {480, 1020, 1140, 360});
    m_okButton->setDefault(true);
    m_okButton->setProperty("tag", QStringLiteral("1040"));
    m_cancelButton =
        operatorform::addButton(this, "cmdCancel", tr("Cancel"), {2100, 1020, 1140, 360});
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

    m_load = m_view.openIn();

    operatorform::place(this, 3750, 1470);
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
            lookUpName(reason == Qt::MouseFocusReason &&
                       QGuiApplication::mouseButtons() != Qt::NoButton);
    } else if (m_nameMessagePending && event->type() == QEvent::MouseButtonRelease &&
               watched->isWidgetType()) {
        // The press that took the focus ends without a click: the name was
        // refused, and a button must not stay drawn down under the message.
        m_nameMessagePending = false;
        qApp->removeEventFilter(this);
        if (auto* button = qobject_cast<QAbstractButton*>(watched))
            button->setDown(false);
        QMetaObject::invokeMethod(this, &LoginDialog::showNameRefused, Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void LoginDialog::lookUpName(bool duringPress)
{
    if (m_gate.lookUp(m_user->text()))
        return;
    // A message box opened inside a mouse press would keep the press: it is
    // shown once the press has ended.
    if (duringPress) {
        m_nameMessagePending = true;
        qApp->installEventFilter(this);
        return;
    }
    showNameRefused();
}

void LoginDialog::showNameRefused()
{
    //: The typed operator name is not in the operator table.
    m_messages.show(tr("用户名不存在,请重新输入"), tr("输入用户出错"), MessageSink::Icon::None);
}

void LoginDialog::confirm()
{
    if (m_gate.acceptsPin(m_password->text())) {
        m_ok = true;
        hide();
        done(QDialog::Accepted);
        return;
    }
    //: The PIN does not match the operator's; the title is the dialog's name, "log in".
    m_messages.show(tr("密码错误，再试一次！"), tr("登录"), MessageSink::Icon::None);
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
