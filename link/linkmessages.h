#pragma once

#include "linkresult.h"
#include "messagesink.h"

#include <optional>

// What a link command did, in the words the program shows and the command
// line prints alike.
struct LinkMessage
{
    QString text;
    QString title;
    MessageSink::Icon icon = MessageSink::Icon::None;
    // Whether the text already tells the result's detail.
    bool namesDetail = false;
};

// The message of a result; nothing when the program shows none (a done
// command, but for a complete download).
std::optional<LinkMessage> linkMessage(const LinkResult& result);
// The message's text alone; empty when there is none.
QString linkResultText(const LinkResult& result);

// Shows what a link command did as the operator's message box, then why the
// transfer history could not record it, if it could not.
void showLinkResult(const LinkResult& result, MessageSink& messages);
