#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QWidget>

// Every text a window shows a person: its title, labels, buttons, group
// titles, placeholders, tooltips, actions, combo items, tabs and the headers
// of its item views. Tests compare them against a catalogue.
inline QStringList windowTexts(const QWidget* window)
{
    QStringList texts;
    const auto add = [&texts](const QString& text) {
        if (!text.trimmed().isEmpty())
            texts << text;
    };
    add(window->windowTitle());
    QList<const QWidget*> widgets{window};
    for (const QWidget* child : window->findChildren<QWidget*>())
        widgets << child;
    for (const QWidget* widget : widgets) {
        add(widget->toolTip());
        add(widget->statusTip());
        if (const auto* label = qobject_cast<const QLabel*>(widget))
            add(label->text());
        else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
            add(button->text());
        else if (const auto* group = qobject_cast<const QGroupBox*>(widget))
            add(group->title());
        else if (const auto* line = qobject_cast<const QLineEdit*>(widget))
            add(line->placeholderText());
        else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            for (int i = 0; i < combo->count(); ++i)
                add(combo->itemText(i));
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        } else if (const auto* menu = qobject_cast<const QMenu*>(widget))
            add(menu->title());
        else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
            if (const QAbstractItemModel* model = view->model()) {
                for (int c = 0; c < model->columnCount(); ++c)
                    add(model->headerData(c, Qt::Horizontal).toString());
            }
        }
        for (const QAction* action : widget->actions()) {
            add(action->text());
            add(action->toolTip() == QString(action->text()).remove(QLatin1Char('&'))
                    ? QString()
                    : action->toolTip());
        }
    }
    return texts;
}

// The texts among these with a Chinese character (or Chinese punctuation) in
// them: none may remain in English.
inline QStringList chineseTexts(const QStringList& texts)
{
    QStringList found;
    for (const QString& text : texts) {
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3000 && u <= 0x303F) ||
                (u >= 0xFF00 && u <= 0xFFEF)) {
                found << text;
                break;
            }
        }
    }
    return found;
}

// The texts among these with an English word in them (three letters or more,
// not one of the names kept in every language): none may remain in Chinese.
inline QStringList englishTexts(const QStringList& texts, const QStringList& names = {})
{
    static const QStringList kept{"Quorvane",   "CSV",      "PDF",  "PIN",  "COM",  "SQLite",
                                  "PostgreSQL", "Room_tel", "Room", "TEL1", "TEL2", "TEL3"};
    QStringList found;
    // A path is the operator's own, and an option or environment variable
    // (--data, QUORVANE_DATA) is typed as it is, in any language.
    static const QRegularExpression path(QStringLiteral("[^\\s（）()\"“”]*/[^\\s（）()\"“”]*"));
    static const QRegularExpression typed(QStringLiteral("--[a-z][a-z-]*|\\b[A-Z]+_[A-Z_]+\\b"));
    for (const QString& shown : texts) {
        const QString text = QString(shown).remove(path).remove(typed);
        QString word;
        bool english = false;
        for (const QChar c : text + QLatin1Char(' ')) {
            if (c.isLetterOrNumber() && c.unicode() < 0x80) {
                word += c;
                continue;
            }
            const bool letters =
                std::any_of(word.cbegin(), word.cend(), [](QChar w) { return w.isLetter(); });
            if (word.size() >= 3 && letters && !kept.contains(word) && !names.contains(word))
                english = true;
            word.clear();
        }
        if (english)
            found << shown;
    }
    return found;
}

// The visible labels and buttons of a shown window whose text does not fit
// the room the layout gave them: each would be cut short on the screen.
inline QStringList clippedTexts(const QWidget* window)
{
    QStringList clipped;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        QSize needed;
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            if (label->text().isEmpty() || label->pixmap().isNull() == false)
                continue;
            text = label->text();
            needed = label->wordWrap()
                         ? QSize(label->width(), label->heightForWidth(label->width()))
                         : label->minimumSizeHint();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            if (button->text().isEmpty())
                continue;
            // A style's button is wider than its text needs; the text itself
            // must fit, with a little room at each side.
            text = button->text();
            const QString shown = QString(text).remove(QLatin1Char('&'));
            needed = QSize(button->fontMetrics().horizontalAdvance(shown) + 6,
                           button->fontMetrics().height());
            if (qobject_cast<const QCheckBox*>(button) || qobject_cast<const QRadioButton*>(button))
                needed = button->minimumSizeHint();
        } else {
            continue;
        }
        if (widget->size().expandedTo(needed) != widget->size())
            clipped << text;
    }
    return clipped;
}
