#pragma once

#include "messagesink.h"

#include <QList>

#include <functional>

// Keeps every message instead of showing it, so tests can read the exact
// text, title and icon.
class RecordingMessageSink : public MessageSink
{
public:
    struct Message
    {
        QString text;
        QString title;
        Icon icon = Icon::None;
    };

    void show(const QString& text, const QString& title, Icon icon) override
    {
        messages.append({text, title, icon});
        if (onShow)
            onShow(messages.last());
    }

    QList<Message> messages;
    // Runs while the "box" is up, as an operator would act at that moment.
    std::function<void(const Message&)> onShow;
};
