#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantMap>

// What the door unit would make of the bytes it receives: the settings, the
// directory records with their batches and the pauses between them, load
// default, and anything that does not fit the protocol.
class DoorUnitDecoder
{
public:
    struct Event
    {
        // "settings", "directoryBegin", "record", "batchEnd", "batchPause",
        // "directoryEnd", "loadDefault", "lineSettings", "framingError".
        QString type;
        // Milliseconds since the session began, when the bytes arrived.
        qint64 timeMs = 0;
        QVariantMap fields;
        // The event as one readable line, without the time.
        QString text;
    };

    // Bytes that arrived together at timeMs; returns the events they complete.
    QList<Event> feed(const QByteArray& bytes, qint64 timeMs);
    // The line settings as the device reports them, recorded when they
    // differ from the last ones reported.
    QList<Event> lineSettings(int baud, int dataBits, char parity, int stopBits, qint64 timeMs);
    // The session is over: whatever was left half-sent is flagged.
    QList<Event> finish(qint64 timeMs);

    const QList<Event>& events() const { return m_events; }
    // The whole session for a file: {"events": [{"type", "timeMs", fields...}]}.
    QByteArray toJson() const;
    static QString timestamped(const Event& event);

private:
    enum class State {
        Idle,
        SettingsOpenTimeCommand,
        SettingsOpenTime,
        SettingsAutoModeCommand,
        SettingsAutoMode,
        Directory
    };

    void take(char byte, qint64 timeMs);
    void takeInDirectory(char byte, qint64 timeMs);
    void endRecord(qint64 timeMs);
    void notePause(qint64 timeMs);
    void cutDirectory(const QString& why, qint64 timeMs);
    void add(const QString& type, qint64 timeMs, const QVariantMap& fields, const QString& text);
    void framingError(qint64 timeMs, const QString& text);

    QList<Event> m_events;
    qsizetype m_reported = 0;
    State m_state = State::Idle;
    int m_openTime = 0;
    qint64 m_openTimeAt = 0;
    QByteArray m_record;
    int m_rooms = 0;
    int m_batches = 0;
    int m_inBatch = 0;
    // When the last "," arrived, while its pause is not measured yet.
    qint64 m_batchEndAt = -1;
    QString m_lastLine;
};
