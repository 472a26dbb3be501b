#pragma once

#include "changelist.h"

#include <QWidget>

class MessageSink;
class QLabel;
class QLineEdit;
class QTableWidget;

// Tools → Change record…: who changed what, where and when, newest first,
// from both files, filtered by room, operator, PC and dates, and the list
// shown exported as CSV.
class ChangeRecordWindow : public QWidget
{
    Q_OBJECT

public:
    ChangeRecordWindow(store::Location location, MessageSink& messages, QWidget* parent = nullptr);

    // Reads the record again with the filter as typed.
    void reload();
    // Asks for a file and writes the list shown to it.
    void exportList();
    // The list as shown, for the export and for tests.
    const QList<changerecord::Entry>& entries() const { return m_entries; }

private:
    // The filter as typed; nothing after saying what is wrong with a date.
    std::optional<changelist::Filter> filter();

    store::Location m_location;
    MessageSink& m_messages;
    QList<changerecord::Entry> m_entries;
    QLineEdit* m_room = nullptr;
    QLineEdit* m_operator = nullptr;
    QLineEdit* m_host = nullptr;
    QLineEdit* m_since = nullptr;
    QLineEdit* m_until = nullptr;
    QTableWidget* m_list = nullptr;
    QLabel* m_note = nullptr;
};
