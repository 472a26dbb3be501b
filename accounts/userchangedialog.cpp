#include "userchangedialog.h"

#include "messagesink.h"
#include "operatorform.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

UserChangeDialog::UserChangeDialog(const store::Location& location, const changerecord::Actor& who,
                                   MessageSink& messages, QWidget* parent)
    : QDialog(parent, operatorform::kFrame), m_messages(messages),
      m_view(new OperatorView(location, this)), m_editor(*m_view)
{
    setObjectName(QStringLiteral("frmLogchg"));
    setWindowTitle(tr("User Change"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_view->setObjectName(QStringLiteral("Data1"));

    // The boxes take any length; the store refuses what the login could not take.
    const auto boxes = operatorform::addBoxes(
        this, {tr("User Name(&U):"), {105, 150, 1320, 270}, {1560, 135, 2325, 345}},
        {tr("PIN(&P):"), {105, 540, 1080, 270}, {1560, 525, 2325, 345}}, 32767);
    m_user = boxes.user;
    m_password = boxes.password;

    m_nextButton = operatorform::addButton(this, "cmdNext", tr("Next"), {120, 1020, 1140, 390});
    m_nextButton->setDefault(true);
    //: Deletes the operator shown
    m_deleteButton =
        operatorform::addButton(this, "cmdDelete", tr("Delete"), {1440, 1020, 1140, 390});
    //: Closes the dialog, keeping the change typed
    m_changeButton =
        operatorform::addButton(this, "Command1", tr("Change"), {2760, 1019, 1140, 390});

    setTabOrder(m_user, m_password);
    setTabOrder(m_password, m_nextButton);
    setTabOrder(m_nextButton, m_deleteButton);
    setTabOrder(m_deleteButton, m_changeButton);

    connect(m_nextButton, &QPushButton::clicked, this, &UserChangeDialog::next);
    connect(m_deleteButton, &QPushButton::clicked, this, &UserChangeDialog::remove);
    // Change runs nothing: a typed change waits for the next move or the close box.
    connect(m_view, &RecordCursor::MoveComplete, this, &UserChangeDialog::showCurrentRow);
    connect(m_view, &RecordCursor::WillChangeRecord, this, [this] { m_closePolicy.reset(); });
    // Typing while no operator is shown changes nothing; the next move shows
    // the first operator again.
    connect(m_user, &QLineEdit::textEdited, this, [this](const QString& text) {
        static_cast<void>(m_editor.edit(OperatorView::kUser, text));
    });
    connect(m_password, &QLineEdit::textEdited, this, [this](const QString& text) {
        static_cast<void>(m_editor.edit(OperatorView::kPassword, text));
    });

    m_view->recordAs(who);
    m_load = m_view->openIn();
    showCurrentRow();

    operatorform::place(this, 3990, 1545);
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
    m_password->setText(m_view->shownPin());
}

void UserChangeDialog::report(const Outcome& outcome)
{
    if (!outcome)
        m_messages.show(outcome.description(), kApplicationTitle, MessageSink::Icon::Exclamation);
}

void UserChangeDialog::closeEvent(QCloseEvent* event)
{
    // A change that cannot be saved keeps the dialog open with what was
    // typed; closing again discards it.
    if (Outcome closed = m_editor.finish(); !closed) {
        if (m_closePolicy.refuse()) {
            m_messages.show(tr("The change was not saved:\n%1%2")
                                .arg(closed.description(), ClosePolicy::stayOpenText()),
                            kApplicationTitle, MessageSink::Icon::Exclamation);
            event->ignore();
            return;
        }
        m_editor.discard();
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
