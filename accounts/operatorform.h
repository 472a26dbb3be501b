#pragma once

#include <QRect>
#include <QString>
#include <Qt>

class QLineEdit;
class QPushButton;
class QWidget;

// What the three operator dialogs (login, Add User, Edit User) have in
// common: a fixed frame with a close box only, centred on the screen, and a
// name box and a masked PIN box, each with a label whose access key reaches it.
namespace operatorform {

constexpr Qt::WindowFlags kFrame = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

struct Field
{
    QString caption; // the label's text, "&" before its access key
    QRect label;     // in twips
    QRect box;       // in twips
};

struct Boxes
{
    QLineEdit* user = nullptr;
    QLineEdit* password = nullptr;
};

// Builds txtUserName and txtPassword (every character shown as "*") with the
// labels Label1 and Label2.
Boxes addBoxes(QWidget* dialog, const Field& user, const Field& password, int maxLength);

QPushButton* addButton(QWidget* dialog, const char* name, const QString& text, QRect twipsRect);

// Gives the dialog its fixed client size and centres it on the screen.
void place(QWidget* dialog, int widthTwips, int heightTwips);

} // namespace operatorform
