#pragma once

class MessageSink;
class SerialLink;

// Setting → Load Default: sends the load-default byte over the port chosen and
// opened in the Connect dialog. True when it went out.
bool loadDefault(SerialLink& link, MessageSink& messages);
