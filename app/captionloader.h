#pragma once

class QWidget;

// Replaces the texts of a window and its controls by strings of the string
// table, each chosen by a number the control carries. Every step that fails
// (no number, a number the table does not hold, a text the control cannot
// show) is skipped silently.
//
// Where the numbers are held:
// - a widget's or action's tag: the dynamic property "tag" (text);
// - a menu item: its own text;
// - a tab of a QTabBar (a QTabWidget's tabs included): the tab's data
//   (QTabBar::tabData) is its tag, its tooltip its tooltip;
// - a toolbar button: the tooltip of its action;
// - a column header of a QTreeWidget or QTableWidget: the header's
//   Qt::UserRole data is its tag.
void LoadFormCaptions(QWidget* window);
