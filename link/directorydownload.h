#pragma once

#include "roomrecord.h"

#include <functional>

class MessageSink;
class RecordCursor;
class SerialLink;

// Sends the whole room directory to the door unit: byte 95, the rooms in
// batches of five, each batch followed by "," and 2 s, then ".". It walks the
// directory window's cursor and reads each room where the window shows it.
class DirectoryDownload
{
public:
    enum class Result {
        NotLocked,  // no port chosen and opened in the Connect dialog, or busy
        Empty,      // no rooms
        Unreadable, // the cursor could not move over the rooms
        BadRows,    // some room cannot become a record
        OpenFailed, // the port did not open
        LinkFailed, // stopped part-way
        Complete,
    };

    struct Progress
    {
        int sent = 0;
        int total = 0;
        // Set once, before the final message.
        bool finished = false;
    };

    // The current row's room, as the window's fields show it.
    using RoomReader = std::function<RoomRecord()>;
    using ProgressCallback = std::function<void(const Progress&)>;

    DirectoryDownload(SerialLink& link, RecordCursor& cursor, RoomReader readRoom,
                      MessageSink& messages, ProgressCallback progress = {});

    Result run();
    // False, once the operator has been told, while another command is sending
    // or unless the port was chosen and opened in the Connect dialog ("COM not
    // selected").
    static bool checkLinkReady(SerialLink& link, MessageSink& messages);
    int roomsSent() const { return m_sent; }

    // How long sending the rest takes once `sent` rooms went out: a 2 s pause
    // for every batch not yet ended, plus the line time of the records left.
    static int millisecondsLeft(int sent, int total, int baud);

private:
    Result check();
    Result send();
    Result stop(Result result, const QString& text);
    void report(bool finished);

    SerialLink& m_link;
    RecordCursor& m_cursor;
    RoomReader m_readRoom;
    MessageSink& m_messages;
    ProgressCallback m_progress;
    int m_total = 0;
    int m_sent = 0;
    bool m_started = false;
};
