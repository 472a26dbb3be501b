#pragma once

#include "doorunits.h"
#include "roomrecord.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// One transfer to the door unit as the transfer history keeps it.
struct TransferRecord
{
    enum class What { Settings, Download, LoadDefault };
    // Unfinished: started and never finished (the program was killed or crashed).
    enum class Ending { Unfinished, Complete, Stopped, Refused };

    qint64 id = 0;
    QDateTime started; // UTC
    QDateTime finished;
    QString operatorName;
    QString port;   // the COM entry, "COM3"
    QString device; // what it mapped to, "/dev/ttyS2"
    What what = What::Settings;
    int openTime = -1; // settings
    int autoMode = -1;
    int sent = 0; // download: rooms sent of total
    int total = 0;
    Ending ending = Ending::Unfinished;
    QString reason;                      // why it stopped or was refused
    qint64 unit = doorunits::kFirstUnit; // the door unit it went to
    // A download's rooms in the order they went out (read on request).
    QList<RoomRecord> rooms;

    // Why a transfer stopped or was refused. The record keeps the reason in
    // these words whatever the language (values in place of %1, %2), and
    // outcomeText shows it in the operator's.
    enum class Reason {
        Busy,
        NotLocked,
        PortClosed,
        PortFailed,
        NoEntry,
        DidNotOpen,
        BadOpenTime,
        Empty,
        BadRows,
        LinkFailed,
        Changed,
        Unreadable,
        Stopped
    };
    static QString reasonWords(Reason reason);
    // A kept reason in the operator's language, its values as they were.
    static QString shownReason(const QString& kept);

    // The operator a keeper's transfers name: "quorvane-keep@office-2".
    static QString keeperName(const QString& pc);
    // The PC of the keeper that made the transfer; empty for an operator's.
    QString keeperPc() const;
    // Who made it: the operator's name, or "kept by the keeper on PC office-2".
    QString byText() const;

    static QString whatText(What what);
    static QString endingText(Ending ending);
    // The kind and the ending from the words the record keeps; nothing for others.
    static std::optional<What> whatFrom(const QString& text);
    static std::optional<Ending> endingFrom(const QString& text);
    // "complete", "stopped after 12 of 40 rooms: ...", "refused: ..."
    QString outcomeText() const;
    // In the operator's language, or in the program's own words, as the
    // change record keeps them.
    enum class Words { Shown, Own };
    // "download (40 rooms)", "settings (open time 5 s, auto mode 1)"
    QString whatDetail(Words words = Words::Shown) const;
    // "COM3 (/dev/ttyS2)", "COM3" when it named no device, or "no port"
    // when none was in use.
    QString portText(Words words = Words::Shown) const;
};
