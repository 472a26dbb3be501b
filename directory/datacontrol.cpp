#include "datacontrol.h"

#include <QLabel>
#include <QResizeEvent>
#include <QToolButton>

namespace {

QToolButton* navButton(QWidget* parent, const char* name, Qt::ArrowType arrow, const QString& text)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolTip(text);
    button->setArrowType(arrow);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

DataControl::DataControl(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("datPrimaryRS"));
    m_first = navButton(this, "cmdFirst", Qt::NoArrow, QStringLiteral("|<"));
    m_previous = navButton(this, "cmdPrevious", Qt::LeftArrow, QStringLiteral("<"));
    m_next = navButton(this, "cmdNext", Qt::RightArrow, QStringLiteral(">"));
    m_last = navButton(this, "cmdLast", Qt::NoArrow, QStringLiteral(">|"));
    m_caption = new QLabel(tr("Data Controler"), this);
    m_caption->setObjectName(QStringLiteral("caption"));
    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setFrameShape(QFrame::Panel);
    m_caption->setFrameShadow(QFrame::Sunken);
    connect(m_first, &QToolButton::clicked, this, &DataControl::firstClicked);
    connect(m_previous, &QToolButton::clicked, this, &DataControl::previousClicked);
    connect(m_next, &QToolButton::clicked, this, &DataControl::nextClicked);
    connect(m_last, &QToolButton::clicked, this, &DataControl::lastClicked);
}

QString DataControl::caption() const
{
    return m_caption->text();
}

void DataControl::setCaption(const QString& text)
{
    m_caption->setText(text);
}

void DataControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int h = event->size().height();
    const int w = event->size().width();
    const int b = h; // square buttons
    m_first->setGeometry(0, 0, b, h);
    m_previous->setGeometry(b, 0, b, h);
    m_next->setGeometry(std::max(2 * b, w - 2 * b), 0, b, h);
    m_last->setGeometry(std::max(3 * b, w - b), 0, b, h);
    m_caption->setGeometry(2 * b, 0, std::max(0, w - 4 * b), h);
}
