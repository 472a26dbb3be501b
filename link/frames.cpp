#include "frames.h"

#include "visibletext.h"

#include <QCoreApplication>

namespace frames {

namespace {

constexpr int kOpenTimePauseMs = 300;

// Why one field cannot fill its place in a record; empty when it can.
QString fieldProblem(const char* name, const QString& value, int width)
{
    using Fault = doorunit::FieldFit::Fault;
    const doorunit::FieldFit fit = doorunit::fieldFit(value, width);
    const QString shown = visibleText(value);
    QStringList problems;
    if (fit.tooLong())
        problems << QCoreApplication::translate("frames",
                                                "%1 \"%2\" has %3 characters; at most %4 fit")
                        .arg(QLatin1String(name), shown)
                        .arg(fit.length)
                        .arg(width);
    const QString character = QString::fromUcs4(&fit.character, 1);
    if (fit.fault == Fault::Control || fit.fault == Fault::NotAscii) {
        problems << QCoreApplication::translate(
                        "frames", "%1 \"%2\" holds \"%3\", which is not a printable ASCII "
                                  "character")
                        .arg(QLatin1String(name), shown, visibleText(character));
    } else if (fit.fault == Fault::Marker) {
        problems << QCoreApplication::translate(
                        "frames", "%1 \"%2\" holds \"%3\", which the door unit reads as a "
                                  "marker, not as part of a value")
                        .arg(QLatin1String(name), shown, character);
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
    for (const QString& p : {fieldProblem("Room", room.Room, doorunit::kRoomWidth),
                             fieldProblem("TEL1", room.TEL1, doorunit::kTelephoneWidth),
                             fieldProblem("TEL2", room.TEL2, doorunit::kTelephoneWidth),
                             fieldProblem("TEL3", room.TEL3, doorunit::kTelephoneWidth)}) {
        if (!p.isEmpty())
            problems << p;
    }
    return problems.join(QStringLiteral("; "));
}

std::optional<QByteArray> directoryRecord(const RoomRecord& room)
{
    if (!doorunit::fits(room))
        return std::nullopt;
    QByteArray record = doorUnitRoomKey(room.Room).toLatin1() + doorunit::kRoomEnd;
    record.reserve(doorunit::kRecordLength);
    const QString* telephones[] = {&room.TEL1, &room.TEL2, &room.TEL3};
    for (int i = 0; i < doorunit::kTelephones; ++i)
        record += telephones[i]->leftJustified(doorunit::kTelephoneWidth, u'0').toLatin1() +
                  (i + 1 < doorunit::kTelephones ? doorunit::kTelephoneEnd : doorunit::kRecordEnd);
    return record;
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
    Frame frame{LinkStep::drain(), LinkStep::ofText(QByteArray(1, doorunit::kBatchEnd))};
    for (int i = 0; i < kBatchPauseRounds; ++i)
        frame.append(LinkStep::pause(kBatchPauseStepMs));
    return frame;
}

Frame DirectorySequence::end() const
{
    return {LinkStep::ofText(QByteArray(1, doorunit::kDirectoryEnd))};
}

} // namespace frames
