#include "frames.h"

namespace frames {

namespace {

constexpr int kRoomWidth = schema::kRoomWidth;
constexpr int kTelWidth = schema::kTelephoneWidth;
constexpr int kOpenTimePauseMs = 300;

// Why one field cannot fill its place in a record; empty when it can.
QString fieldProblem(const char* name, const QString& value, int width)
{
    QStringList problems;
    if (value.size() > width)
        problems << QStringLiteral("%1 \"%2\" has %3 characters; at most %4 fit")
                        .arg(QLatin1String(name), value)
                        .arg(value.size())
                        .arg(width);
    for (const QChar c : value) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e) {
            const QString shown =
                c.isPrint() ? QString(c)
                            : QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            problems << QStringLiteral("%1 \"%2\" holds \"%3\", which is not a printable ASCII "
                                       "character")
                            .arg(QLatin1String(name), value, shown);
            break;
        }
        // The door unit ends a field, record, batch or the whole directory at
        // these, so one inside a value would cut the directory short there.
        if (QStringView(u"$@#,.").contains(c)) {
            problems << QStringLiteral("%1 \"%2\" holds \"%3\", which the door unit reads as a "
                                       "marker, not as part of a value")
                            .arg(QLatin1String(name), value, QString(c));
            break;
        }
    }
    return problems.join(QStringLiteral("; "));
}

} // namespace

Frame settingsSequence(quint8 openTime, quint8 autoMode)
{
    return {LinkStep::ofByte(kSettingsBegin), LinkStep::drain(),
            LinkStep::ofByte(kSetOpenTime),   LinkStep::drain(),
            LinkStep::ofByte(openTime),       LinkStep::pause(kOpenTimePauseMs),
            LinkStep::ofByte(kSetAutoMode),   LinkStep::ofByte(autoMode)};
}

Frame loadDefault()
{
    return {LinkStep::ofByte(kLoadDefault), LinkStep::drain()};
}

QString recordProblem(const RoomRecord& room)
{
    QStringList problems;
    for (const QString& p :
         {fieldProblem("Room", room.Room, kRoomWidth), fieldProblem("TEL1", room.TEL1, kTelWidth),
          fieldProblem("TEL2", room.TEL2, kTelWidth), fieldProblem("TEL3", room.TEL3, kTelWidth)}) {
        if (!p.isEmpty())
            problems << p;
    }
    return problems.join(QStringLiteral("; "));
}

std::optional<QByteArray> directoryRecord(const RoomRecord& room)
{
    if (!recordProblem(room).isEmpty())
        return std::nullopt;
    const QChar zero(u'0');
    const QString text = doorUnitRoomKey(room.Room) + u'$' +
                         room.TEL1.leftJustified(kTelWidth, zero) + u'@' +
                         room.TEL2.leftJustified(kTelWidth, zero) + u'@' +
                         room.TEL3.leftJustified(kTelWidth, zero) + u'#';
    return text.toLatin1();
}

Frame DirectorySequence::begin() const
{
    return {LinkStep::ofByte(kDirectoryBegin), LinkStep::drain()};
}

Frame DirectorySequence::row(const QByteArray& record)
{
    ++m_inBatch;
    return {LinkStep::drain(), LinkStep::ofText(record)};
}

Frame DirectorySequence::endBatch()
{
    m_inBatch = 0;
    Frame frame{LinkStep::drain(), LinkStep::ofText(QByteArrayLiteral(","))};
    for (int i = 0; i < kBatchPauseRounds; ++i)
        frame.append(LinkStep::pause(kBatchPauseStepMs));
    return frame;
}

Frame DirectorySequence::end() const
{
    return {LinkStep::ofText(QByteArrayLiteral("."))};
}

} // namespace frames
