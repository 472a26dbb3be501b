#include "roomrecord.h"

#include <QList>

namespace doorunit {

int characterCount(const QString& text)
{
    return int(text.toUcs4().size());
}

FieldFit fieldFit(const QString& value, int width)
{
    FieldFit fit;
    fit.width = width;
    // A value of no more UTF-16 units than the width has no more characters.
    if (value.size() > width)
        fit.length = characterCount(value);
    for (qsizetype i = 0; i < value.size(); ++i) {
        char32_t c = value[i].unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < value.size() && value[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(value[i], value[i + 1]);
        if (c < 0x20 || c == 0x7f)
            fit.fault = FieldFit::Fault::Control;
        else if (!isPrintable(c))
            fit.fault = FieldFit::Fault::NotAscii;
        else if (isMarker(c))
            fit.fault = FieldFit::Fault::Marker;
        else
            continue;
        fit.character = c;
        break;
    }
    return fit;
}

bool fits(const RoomRecord& room)
{
    return fieldFit(room.Room, kRoomWidth).fits() && fieldFit(room.TEL1, kTelephoneWidth).fits() &&
           fieldFit(room.TEL2, kTelephoneWidth).fits() &&
           fieldFit(room.TEL3, kTelephoneWidth).fits();
}

} // namespace doorunit
