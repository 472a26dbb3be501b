#include "firststartdialog.h"

#include "firststart.h"
#include "schema.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FirstStartDialog::FirstStartDialog(FirstStart& start, QWidget* parent)
    : QDialog(parent), m_start(start)
{
    setObjectName(QStringLiteral("frmFirstStart"));
    setWindowTitle(tr("Quorvane — first start"));

    auto* intro =
        new QLabel(tr("Quorvane keeps its operators and rooms in two databases in\n%1\n"
                      "(%2). Neither exists yet. Create both now, with the first operator?")
                       .arg(m_start.location().choice().path,
                            datafolder::ruleText(m_start.location().choice().rule)),
                   this);
    intro->setWordWrap(true);
    intro->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const auto box = [this](const char* name, bool secret) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(schema::kOperatorWidth);
        if (secret)
            edit->setEchoMode(QLineEdit::Password);
        return edit;
    };
    m_name = box("txtUserName", false);
    m_pin = box("txtPassword", true);
    m_again = box("txtPasswordAgain", true);
    auto* form = new QFormLayout;
    form->addRow(tr("&Operator name:"), m_name);
    form->addRow(tr("&PIN:"), m_pin);
    form->addRow(tr("PIN &again:"), m_again);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("lblProblem"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #a00000"));
    m_problem->hide();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    QPushButton* createButton = buttons->addButton(tr("&Create"), QDialogButtonBox::AcceptRole);
    createButton->setObjectName(QStringLiteral("cmdCreate"));
    createButton->setDefault(true);
    connect(createButton, &QPushButton::clicked, this, &FirstStartDialog::create);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    m_name->setFocus();
}

void FirstStartDialog::create()
{
    if (Outcome made = m_start.create(m_name->text(), m_pin->text(), m_again->text()); !made) {
        m_problem->setText(made.description());
        m_problem->show();
        if (m_pin->text() != m_again->text()) {
            m_pin->clear();
            m_again->clear();
            m_pin->setFocus();
        }
        return;
    }
    accept();
}
