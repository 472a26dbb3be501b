#include "captionloader.h"

#include "stringtable.h"

#include <QAbstractButton>
#include <QAction>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTabBar>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QWidget>

#include <optional>

namespace {

using stringtable::leadingNumber;
using stringtable::loadString;
using stringtable::wholeNumber;

QString tagOf(const QObject* object)
{
    return object->property("tag").toString();
}

// The string numbered by the whole conversion of text, or nothing.
std::optional<QString> stringFor(const QString& text)
{
    const std::optional<int> number = wholeNumber(text);
    if (!number)
        return std::nullopt;
    return loadString(*number);
}

// The string numbered by the leading number of text when that is above 0.
std::optional<QString> stringForLeading(const QString& text)
{
    const int number = leadingNumber(text).value_or(0);
    if (number <= 0)
        return std::nullopt;
    return loadString(number);
}

bool isMenuItem(const QAction* action)
{
    for (const QObject* owner : action->associatedObjects()) {
        if (qobject_cast<const QMenu*>(owner) || qobject_cast<const QMenuBar*>(owner))
            return true;
    }
    return false;
}

// A toolbar's buttons are handled through the toolbar's actions.
bool isToolBarButton(const QWidget* widget)
{
    const auto* button = qobject_cast<const QToolButton*>(widget);
    return button && button->defaultAction() && qobject_cast<const QToolBar*>(widget->parent());
}

// Every control of the window in its own order: each widget followed by its
// children, with the items of a menu or menu bar right after it.
void collect(QObject* parent, QList<QObject*>& controls, QSet<QObject*>& seen)
{
    auto add = [&](QObject* object) {
        if (seen.contains(object))
            return false;
        seen.insert(object);
        controls.append(object);
        return true;
    };
    for (QObject* child : parent->children()) {
        if (auto* action = qobject_cast<QAction*>(child)) {
            if (isMenuItem(action))
                add(action);
            continue;
        }
        auto* widget = qobject_cast<QWidget*>(child);
        // Another window parented to this one (a dialog) has controls of its own.
        const bool otherWindow = widget && widget->isWindow() && !qobject_cast<QMenu*>(widget);
        if (!widget || otherWindow || isToolBarButton(widget) || !add(widget))
            continue;
        QList<QAction*> items;
        if (auto* menu = qobject_cast<QMenu*>(widget))
            items = menu->actions();
        else if (auto* bar = qobject_cast<QMenuBar*>(widget))
            items = bar->actions();
        for (QAction* item : items) {
            if (!item->isSeparator())
                add(item);
        }
        collect(widget, controls, seen);
    }
}

void loadMenuItem(QAction* item)
{
    if (const auto text = stringFor(item->text()))
        item->setText(*text);
}

void loadTabs(QTabBar* tabs)
{
    for (int i = 0; i < tabs->count(); ++i) {
        if (const auto text = stringFor(tabs->tabData(i).toString()))
            tabs->setTabText(i, *text);
        if (const auto tip = stringFor(tabs->tabToolTip(i)))
            tabs->setTabToolTip(i, *tip);
    }
}

void loadToolBar(QToolBar* bar)
{
    for (QAction* button : bar->actions()) {
        if (button->isSeparator())
            continue;
        if (const auto tip = stringFor(button->toolTip()))
            button->setToolTip(*tip);
    }
}

void loadHeaders(QAbstractItemModel* model)
{
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString tag = model->headerData(column, Qt::Horizontal, Qt::UserRole).toString();
        if (const auto text = stringFor(tag))
            model->setHeaderData(column, Qt::Horizontal, *text, Qt::DisplayRole);
    }
}

// A caption where the control has one; false where it has none.
bool setCaption(QWidget* widget, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* group = qobject_cast<QGroupBox*>(widget))
        group->setTitle(text);
    else if (qobject_cast<QMdiSubWindow*>(widget) || qobject_cast<QDockWidget*>(widget))
        widget->setWindowTitle(text);
    else
        return false;
    return true;
}

void loadOther(QWidget* widget)
{
    if (const auto text = stringForLeading(tagOf(widget)))
        setCaption(widget, *text);
    if (const auto tip = stringForLeading(widget->toolTip()))
        widget->setToolTip(*tip);
}

void loadControl(QObject* control)
{
    if (auto* item = qobject_cast<QAction*>(control)) {
        loadMenuItem(item);
        return;
    }
    auto* widget = static_cast<QWidget*>(control);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (const auto text = stringFor(tagOf(label)))
            label->setText(*text);
    } else if (auto* tabs = qobject_cast<QTabBar*>(widget)) {
        loadTabs(tabs);
    } else if (auto* bar = qobject_cast<QToolBar*>(widget)) {
        loadToolBar(bar);
    } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
        loadHeaders(tree->model());
    } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
        loadHeaders(table->model());
    } else {
        loadOther(widget);
    }
}

} // namespace

void LoadFormCaptions(QWidget* window)
{
    if (!window)
        return;
    if (const auto caption = stringFor(tagOf(window)))
        window->setWindowTitle(*caption);

    // The window's font: name from string 20, size from string 21, given to
    // every control. A multiple-document frame has no font of its own, so its
    // controls keep their designed fonts.
    QFont font = window->font();
    const bool ownFont = !(qobject_cast<QMainWindow*>(window) && window->findChild<QMdiArea*>());
    if (const auto name = loadString(20))
        font.setFamily(*name);
    if (const auto size = loadString(21)) {
        if (const auto points = wholeNumber(*size); points && *points > 0)
            font.setPointSize(*points);
    }
    if (ownFont)
        window->setFont(font);

    QList<QObject*> controls;
    QSet<QObject*> seen;
    collect(window, controls, seen);
    for (QObject* control : controls) {
        if (ownFont) {
            if (auto* widget = qobject_cast<QWidget*>(control))
                widget->setFont(font);
        }
        loadControl(control);
    }
}
