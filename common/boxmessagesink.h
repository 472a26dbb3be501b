#pragma once

#include "messagesink.h"

class QWidget;

// Shows messages as modal QMessageBoxes with one OK button.
class BoxMessageSink : public MessageSink
{
public:
    explicit BoxMessageSink(QWidget* parent = nullptr) : m_parent(parent) {}
    void show(const QString& text, const QString& title, Icon icon) override;
    bool ask(const QString& text, const QString& title) override;

private:
    QWidget* m_parent = nullptr;
};
