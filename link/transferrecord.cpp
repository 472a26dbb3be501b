#include "transferrecord.h"

#include "changerecord.h"
#include "language.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// The names as stored: a script reading the table sees plain words.
// Kept in the record as they are; shown in the operator's language.
constexpr const char* kWhat[] = {QT_TRANSLATE_NOOP("TransferRecord", "settings"),
                                 QT_TRANSLATE_NOOP("TransferRecord", "download"),
                                 QT_TRANSLATE_NOOP("TransferRecord", "load default")};
constexpr const char* kEnding[] = {QT_TRANSLATE_NOOP("TransferRecord", "unfinished"),
                                   QT_TRANSLATE_NOOP("TransferRecord", "complete"),
                                   QT_TRANSLATE_NOOP("TransferRecord", "stopped"),
                                   QT_TRANSLATE_NOOP("TransferRecord", "refused")};

// In the order of TransferRecord::Reason.
constexpr const char* kReasons[] = {
    QT_TRANSLATE_NOOP("TransferRecord", "another command was sending"),
    QT_TRANSLATE_NOOP("TransferRecord", "no port chosen and opened in the Connect dialog"),
    //: %1 a port, COM3
    QT_TRANSLATE_NOOP("TransferRecord", "%1 was closed"),
    //: %1 a port, COM3; %2 what the system said
    QT_TRANSLATE_NOOP("TransferRecord", "%1 had failed: %2"),
    QT_TRANSLATE_NOOP("TransferRecord", "no port chosen"),
    //: %1 a port, COM3; %2 the error number
    QT_TRANSLATE_NOOP("TransferRecord", "%1 did not open (code %2)"),
    QT_TRANSLATE_NOOP("TransferRecord", "open time \"%1\" is not 0 to 255 seconds"),
    QT_TRANSLATE_NOOP("TransferRecord", "the room directory holds no rooms"),
    QT_TRANSLATE_NOOP("TransferRecord", "%1 of %2 rooms cannot be sent as they are"),
    QT_TRANSLATE_NOOP("TransferRecord", "the link failed: %1"),
    //: %1 the room's place in the download, from 1
    QT_TRANSLATE_NOOP("TransferRecord", "room %1 changed while it was sent"),
    QT_TRANSLATE_NOOP("TransferRecord", "the room directory could not be read: %1"),
    //: %1 how: Ctrl+C (SIGINT), the Stop button
    QT_TRANSLATE_NOOP("TransferRecord", "stopped by the operator with %1")};

template <typename E, size_t N>
std::optional<E> fromText(const QString& text, const char* const (&names)[N])
{
    for (size_t i = 0; i < N; ++i) {
        if (text == QLatin1String(names[i]))
            return E(i);
    }
    return std::nullopt;
}

const QString kKeeper = QStringLiteral("quorvane-keep@");

} // namespace

QString TransferRecord::keeperName(const QString& pc)
{
    return kKeeper + pc;
}

QString TransferRecord::keeperPc() const
{
    return operatorName.startsWith(kKeeper) ? operatorName.mid(kKeeper.size()) : QString();
}

QString TransferRecord::byText() const
{
    const QString pc = keeperPc();
    //: Who made a transfer; %1 the PC the keeper (quorvane-link keep) runs on
    return pc.isEmpty()
               ? operatorName
               : QCoreApplication::translate("TransferRecord", "kept by the keeper on PC %1")
                     .arg(pc);
}

QString TransferRecord::whatText(What what)
{
    return QString::fromLatin1(kWhat[int(what)]);
}

QString TransferRecord::endingText(Ending ending)
{
    return QString::fromLatin1(kEnding[int(ending)]);
}

std::optional<TransferRecord::What> TransferRecord::whatFrom(const QString& text)
{
    return fromText<What>(text, kWhat);
}

std::optional<TransferRecord::Ending> TransferRecord::endingFrom(const QString& text)
{
    return fromText<Ending>(text, kEnding);
}

QString TransferRecord::reasonWords(Reason reason)
{
    return QString::fromUtf8(kReasons[int(reason)]);
}

QString TransferRecord::shownReason(const QString& kept)
{
    return changerecord::shownWords(kept, "TransferRecord",
                                    QList<const char*>(std::begin(kReasons), std::end(kReasons)));
}

QString TransferRecord::outcomeText() const
{
    QString text = QCoreApplication::translate("TransferRecord", kEnding[int(ending)]);
    if (ending == Ending::Stopped && what == What::Download)
        //: %1 the outcome ("stopped"), %2 rooms sent of %n
        text =
            QCoreApplication::translate("TransferRecord", "%1 after %2 of %n rooms", nullptr, total)
                .arg(text)
                .arg(sent);
    if (!reason.isEmpty() && (ending == Ending::Stopped || ending == Ending::Refused))
        //: %1 the outcome, %2 why the transfer stopped or was refused
        text =
            QCoreApplication::translate("TransferRecord", "%1: %2").arg(text, shownReason(reason));
    return text;
}

QString TransferRecord::whatDetail(Words words) const
{
    const auto text = [words](const char* source) {
        return words == Words::Own ? QString::fromUtf8(source)
                                   : QCoreApplication::translate("TransferRecord", source);
    };
    const QString kind = text(kWhat[int(what)]);
    if (what == What::Settings && openTime >= 0)
        return text(
                   //: %1 "settings", %2 the door's open time in seconds, %3 the auto mode number
                   //: (0 to 3)
                   QT_TRANSLATE_NOOP("TransferRecord", "%1 (open time %2 s, auto mode %3)"))
            .arg(kind)
            .arg(openTime)
            .arg(autoMode);
    if (what == What::Download) {
        //: %1 "download", %n the count of rooms sent
        const QString counted =
            words == Words::Own
                ? language::ownWords("TransferRecord", "%1 (%n rooms)", total)
                : QCoreApplication::translate("TransferRecord", "%1 (%n rooms)", nullptr, total);
        return QString(counted).arg(kind);
    }
    return kind;
}

QString TransferRecord::portText(Words words) const
{
    if (port.isEmpty())
        return words == Words::Own ? QStringLiteral("no port")
                                   : QCoreApplication::translate("TransferRecord", "no port");
    return device.isEmpty() ? port : QStringLiteral("%1 (%2)").arg(port, device);
}
