#include "operatorform.h"

#include "twips.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace operatorform {

namespace {

QRect pixels(QRect t)
{
    return twips::rect(t.x(), t.y(), t.width(), t.height());
}

QLineEdit* addField(QWidget* dialog, const char* boxName, const char* labelName, const Field& field,
                    int maxLength)
{
    auto* box = new QLineEdit(dialog);
    box->setObjectName(QString::fromLatin1(boxName));
    box->setGeometry(pixels(field.box));
    box->setMaxLength(maxLength);
    auto* label = new QLabel(field.caption, dialog);
    label->setObjectName(QString::fromLatin1(labelName));
    label->setGeometry(pixels(field.label));
    // Laid out for the old face's narrow letters: a caption that needs more
    // room takes it, up to its box.
    label->resize(std::clamp(label->minimumSizeHint().width(), label->width(),
                             std::max(label->width(), box->x() - label->x())),
                  label->height());
    label->setBuddy(box);
    return box;
}

} // namespace

Boxes addBoxes(QWidget* dialog, const Field& user, const Field& password, int maxLength)
{
    Boxes boxes;
    boxes.user = addField(dialog, "txtUserName", "Label1", user, maxLength);
    boxes.password = addField(dialog, "txtPassword", "Label2", password, maxLength);
    boxes.password->setEchoMode(QLineEdit::Password);
    boxes.password->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    return boxes;
}

QPushButton* addButton(QWidget* dialog, const char* name, const QString& text, QRect twipsRect)
{
    auto* button = new QPushButton(text, dialog);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(pixels(twipsRect));
    return button;
}

void place(QWidget* dialog, int widthTwips, int heightTwips)
{
    dialog->setFixedSize(twips::size(widthTwips, heightTwips));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), dialog->size());
        frame.moveCenter(screen->availableGeometry().center());
        dialog->move(frame.topLeft());
    }
}

} // namespace operatorform
