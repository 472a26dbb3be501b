#pragma once

#include "linkresult.h"

class MessageSink;

// Shows what a link command did as the operator's message box; a done
// command shows nothing, but for a complete download.
void showLinkResult(const LinkResult& result, MessageSink& messages);
