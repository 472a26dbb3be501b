#include "doorunitdecoder.h"

#include "language.h"
#include "roomrecord.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The log is in the program's own words: a count in the English form for its number.
const char* const kRooms = QT_TRANSLATE_N_NOOP("DoorUnitDecoder", "%n rooms");

QString counted(const char* source, int n)
{
    return language::ownWords("DoorUnitDecoder", source, n);
}

constexpr char kLoadDefault = char(0x90);
constexpr char kSetOpenTime = char(0x93);
constexpr char kSettingsBegin = char(0x94);
constexpr char kDirectoryBegin = char(0x95);
constexpr char kSetAutoMode = char(0x97);
using doorunit::kRecordLength;
constexpr int kRowsPerBatch = 5;

QString hex(char byte)
{
    return QStringLiteral("0x%1").arg(quint8(byte), 2, 16, QLatin1Char('0'));
}

QString autoModeName(int mode)
{
    switch (mode) {
    case 0:
        return QStringLiteral("none");
    case 1:
        return QStringLiteral("Auto Answer");
    case 2:
        return QStringLiteral("Auto Open");
    case 3:
        return QStringLiteral("Auto Answer + Auto Open");
    default:
        return QStringLiteral("not a known mode");
    }
}

bool isCommand(char byte)
{
    return byte == kLoadDefault || byte == kSettingsBegin || byte == kDirectoryBegin;
}

// A record's text for a message: printable as is, anything else in hex.
QString shown(const QByteArray& text)
{
    QString out;
    for (char c : text)
        out += doorunit::isPrintable(char32_t(quint8(c))) ? QString(QLatin1Char(c))
                                                          : QStringLiteral("<%1>").arg(hex(c));
    return out;
}

} // namespace

QList<DoorUnitDecoder::Event> DoorUnitDecoder::feed(const QByteArray& bytes, qint64 timeMs)
{
    for (char byte : bytes)
        take(byte, timeMs);
    const QList<Event> fresh = m_events.mid(m_reported);
    m_reported = m_events.size();
    return fresh;
}

QList<DoorUnitDecoder::Event> DoorUnitDecoder::lineSettings(int baud, int dataBits, char parity,
                                                            int stopBits, qint64 timeMs)
{
    const QString parityName = parity == 'n'   ? QStringLiteral("no parity")
                               : parity == 'e' ? QStringLiteral("even parity")
                                               : QStringLiteral("odd parity");
    const QString line =
        QStringLiteral("line: %1 baud, %2 data bits, %3, %4")
            .arg(baud)
            .arg(dataBits)
            .arg(parityName,
                 counted(QT_TRANSLATE_N_NOOP("DoorUnitDecoder", "%n stop bits"), stopBits));
    if (line != m_lastLine) {
        m_lastLine = line;
        add(QStringLiteral("lineSettings"), timeMs,
            {{"baud", baud},
             {"dataBits", dataBits},
             {"parity", QString(QLatin1Char(parity))},
             {"stopBits", stopBits}},
            line);
    }
    const QList<Event> fresh = m_events.mid(m_reported);
    m_reported = m_events.size();
    return fresh;
}

QList<DoorUnitDecoder::Event> DoorUnitDecoder::finish(qint64 timeMs)
{
    if (m_state == State::Directory)
        cutDirectory(QStringLiteral("the session ended"), timeMs);
    else if (m_state != State::Idle)
        framingError(timeMs, QStringLiteral("the session ended inside the settings"));
    m_state = State::Idle;
    const QList<Event> fresh = m_events.mid(m_reported);
    m_reported = m_events.size();
    return fresh;
}

void DoorUnitDecoder::take(char byte, qint64 timeMs)
{
    switch (m_state) {
    case State::Idle:
        if (byte == kSettingsBegin) {
            m_state = State::SettingsOpenTimeCommand;
        } else if (byte == kLoadDefault) {
            add(QStringLiteral("loadDefault"), timeMs, {}, QStringLiteral("load default"));
        } else if (byte == kDirectoryBegin) {
            m_state = State::Directory;
            m_record.clear();
            m_rooms = m_batches = m_inBatch = 0;
            m_batchEndAt = -1;
            add(QStringLiteral("directoryBegin"), timeMs, {}, QStringLiteral("directory begin"));
        } else {
            framingError(timeMs, QStringLiteral("unknown byte %1").arg(hex(byte)));
        }
        return;
    case State::SettingsOpenTimeCommand:
    case State::SettingsAutoModeCommand: {
        const bool openTimeNext = m_state == State::SettingsOpenTimeCommand;
        const char expected = openTimeNext ? kSetOpenTime : kSetAutoMode;
        if (byte == expected) {
            m_state = openTimeNext ? State::SettingsOpenTime : State::SettingsAutoMode;
            return;
        }
        framingError(
            timeMs,
            QStringLiteral("settings: %1 expected, %2 arrived").arg(hex(expected), hex(byte)));
        m_state = State::Idle;
        take(byte, timeMs);
        return;
    }
    case State::SettingsOpenTime:
        m_openTime = quint8(byte);
        m_openTimeAt = timeMs;
        m_state = State::SettingsAutoModeCommand;
        return;
    case State::SettingsAutoMode: {
        const int mode = quint8(byte);
        m_state = State::Idle;
        add(QStringLiteral("settings"), timeMs,
            {{"openTime", m_openTime},
             {"autoMode", mode},
             {"pauseAfterOpenTimeMs", timeMs - m_openTimeAt}},
            QStringLiteral("settings: open time %1 s, auto mode %2 (%3)")
                .arg(m_openTime)
                .arg(mode)
                .arg(autoModeName(mode)));
        return;
    }
    case State::Directory:
        takeInDirectory(byte, timeMs);
        return;
    }
}

void DoorUnitDecoder::takeInDirectory(char byte, qint64 timeMs)
{
    notePause(timeMs);
    if (byte == doorunit::kBatchEnd || byte == doorunit::kDirectoryEnd) {
        if (!m_record.isEmpty()) {
            framingError(timeMs,
                         QStringLiteral("record cut short by \"%1\": \"%2\" (%3 characters)")
                             .arg(QLatin1Char(byte))
                             .arg(shown(m_record))
                             .arg(m_record.size()));
            m_record.clear();
        }
        if (byte == doorunit::kBatchEnd) {
            if (m_inBatch == 0)
                framingError(timeMs, QStringLiteral("a batch without records"));
            ++m_batches;
            add(QStringLiteral("batchEnd"), timeMs, {{"batch", m_batches}, {"rooms", m_inBatch}},
                QStringLiteral("batch %1 end: %2").arg(m_batches).arg(counted(kRooms, m_inBatch)));
            m_inBatch = 0;
            m_batchEndAt = timeMs;
            return;
        }
        if (m_inBatch != 0)
            framingError(timeMs, QStringLiteral("the last batch has no \"%1\" before \"%2\"")
                                     .arg(doorunit::kBatchEnd)
                                     .arg(doorunit::kDirectoryEnd));
        m_state = State::Idle;
        add(QStringLiteral("directoryEnd"), timeMs, {{"rooms", m_rooms}, {"batches", m_batches}},
            QStringLiteral("directory end: %1 in %2")
                .arg(counted(kRooms, m_rooms),
                     counted(QT_TRANSLATE_N_NOOP("DoorUnitDecoder", "%n batches"), m_batches)));
        return;
    }
    if (isCommand(byte) && m_record.isEmpty()) {
        // A new command while no record is under way: the sender gave up on
        // the directory and started over.
        cutDirectory(QStringLiteral("%1 arrived").arg(hex(byte)), timeMs);
        m_state = State::Idle;
        take(byte, timeMs);
        return;
    }
    m_record += byte;
    if (byte == doorunit::kRecordEnd)
        endRecord(timeMs);
}

void DoorUnitDecoder::endRecord(qint64 timeMs)
{
    const QByteArray r = m_record;
    m_record.clear();
    QStringList wrong;
    if (r.size() != kRecordLength)
        wrong << QStringLiteral("%1 characters instead of %2").arg(r.size()).arg(kRecordLength);
    else {
        if (r[doorunit::kRoomWidth] != doorunit::kRoomEnd)
            wrong << QStringLiteral("no \"%1\" after the room").arg(doorunit::kRoomEnd);
        if (r[doorunit::telephoneOffset(1) - 1] != doorunit::kTelephoneEnd ||
            r[doorunit::telephoneOffset(2) - 1] != doorunit::kTelephoneEnd)
            wrong << QStringLiteral("no \"%1\" after a telephone number")
                         .arg(doorunit::kTelephoneEnd);
    }
    for (char c : r) {
        if (!doorunit::isPrintable(char32_t(quint8(c)))) {
            wrong << QStringLiteral("byte %1 is not printable").arg(hex(c));
            break;
        }
    }
    if (!wrong.isEmpty()) {
        framingError(timeMs, QStringLiteral("bad record \"%1\": %2")
                                 .arg(shown(r), wrong.join(QStringLiteral(", "))));
        return;
    }
    ++m_rooms;
    ++m_inBatch;
    const QString room = QString::fromLatin1(r.mid(0, doorunit::kRoomWidth));
    const auto telephone = [&r](int i) {
        return QString::fromLatin1(r.mid(doorunit::telephoneOffset(i), doorunit::kTelephoneWidth));
    };
    const QString tel1 = telephone(0);
    const QString tel2 = telephone(1);
    const QString tel3 = telephone(2);
    add(QStringLiteral("record"), timeMs,
        {{"index", m_rooms},
         {"batch", m_batches + 1},
         {"room", room},
         {"tel1", tel1},
         {"tel2", tel2},
         {"tel3", tel3}},
        QStringLiteral("record %1: room %2  TEL1 %3  TEL2 %4  TEL3 %5")
            .arg(m_rooms)
            .arg(room, tel1, tel2, tel3));
    if (m_inBatch > kRowsPerBatch)
        framingError(timeMs, QStringLiteral("batch %1 holds %2 records; the door unit takes %3")
                                 .arg(m_batches + 1)
                                 .arg(m_inBatch)
                                 .arg(kRowsPerBatch));
}

void DoorUnitDecoder::notePause(qint64 timeMs)
{
    if (m_batchEndAt < 0)
        return;
    const qint64 pause = timeMs - m_batchEndAt;
    m_batchEndAt = -1;
    add(QStringLiteral("batchPause"), timeMs, {{"batch", m_batches}, {"pauseMs", pause}},
        QStringLiteral("pause after batch %1: %2 ms").arg(m_batches).arg(pause));
}

void DoorUnitDecoder::cutDirectory(const QString& why, qint64 timeMs)
{
    QString text =
        QStringLiteral("directory cut off after %1: %2").arg(counted(kRooms, m_rooms), why);
    if (!m_record.isEmpty())
        text += QStringLiteral(", inside the record \"%1\"").arg(shown(m_record));
    m_record.clear();
    framingError(timeMs, text);
}

void DoorUnitDecoder::add(const QString& type, qint64 timeMs, const QVariantMap& fields,
                          const QString& text)
{
    m_events.append({type, timeMs, fields, text});
}

void DoorUnitDecoder::framingError(qint64 timeMs, const QString& text)
{
    add(QStringLiteral("framingError"), timeMs, {{"message", text}},
        QStringLiteral("framing error: ") + text);
}

QByteArray DoorUnitDecoder::toJson() const
{
    QJsonArray list;
    for (const Event& e : m_events) {
        QJsonObject o = QJsonObject::fromVariantMap(e.fields);
        o.insert(QStringLiteral("type"), e.type);
        o.insert(QStringLiteral("timeMs"), e.timeMs);
        o.insert(QStringLiteral("text"), e.text);
        list.append(o);
    }
    return QJsonDocument(QJsonObject{{QStringLiteral("events"), list}}).toJson();
}

QString DoorUnitDecoder::timestamped(const Event& event)
{
    return QStringLiteral("[%1.%2 s] %3")
        .arg(event.timeMs / 1000, 4)
        .arg(event.timeMs % 1000, 3, 10, QLatin1Char('0'))
        .arg(event.text);
}
