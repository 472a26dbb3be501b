#pragma once

#include "linkresult.h"
#include "roomrecord.h"

#include <QList>

#include <functional>

class RecordCursor;
class SerialLink;
class TransferRecorder;

// Sends the whole room directory to the door unit: byte 95, the rooms in
// batches of five, each batch followed by "," and 2 s, then ".". It walks the
// directory window's cursor and reads each room where the window shows it.
class DirectoryDownload
{
public:
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
                      ProgressCallback progress = {});

    // Refused as refusal() says; a closed or failed port is opened again.
    LinkResult run();

    // How long sending the rest takes once `sent` rooms went out: a 2 s pause
    // for every batch not yet ended, plus the line time of the records left.
    static int millisecondsLeft(int sent, int total, int baud);

private:
    LinkResult check();
    LinkResult send();
    LinkResult result(LinkResult::Kind kind, const QString& detail = {}) const;
    LinkResult stop(LinkResult::Kind kind, const QString& detail);
    void report(bool finished);

    SerialLink& m_link;
    RecordCursor& m_cursor;
    RoomReader m_readRoom;
    ProgressCallback m_progress;
    int m_total = 0;
    int m_sent = 0;
    bool m_started = false;
    // The rooms as checked; the history records them as they go out.
    QList<RoomRecord> m_rooms;
    TransferRecorder* m_recorder = nullptr;
};
