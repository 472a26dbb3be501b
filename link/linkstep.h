#pragma once

#include <QByteArray>
#include <QList>

// One unit of a frame to the door unit: a byte, a text sent one byte per
// character, a drain (wait until the transmit queue is empty) or a pause.
struct LinkStep
{
    enum class Kind { Byte, Text, Drain, Pause };

    Kind kind = Kind::Byte;
    quint8 byte = 0;
    QByteArray text;
    int milliseconds = 0;

    static LinkStep ofByte(quint8 b) { return {Kind::Byte, b, {}, 0}; }
    static LinkStep ofText(const QByteArray& t) { return {Kind::Text, 0, t, 0}; }
    static LinkStep drain() { return {Kind::Drain, 0, {}, 0}; }
    static LinkStep pause(int ms) { return {Kind::Pause, 0, {}, ms}; }

    bool operator==(const LinkStep&) const = default;
};

using Frame = QList<LinkStep>;
