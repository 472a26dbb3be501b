#include "roomrecord.h"

#include "visibletext.h"

#include <QCoreApplication>
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
    for (const Field& field : kFields) {
        if (!fieldFit(room.*field.value, field.width).fits())
            return false;
    }
    return true;
}

QStringList fieldNames()
{
    QStringList names;
    for (const Field& field : kFields)
        names << QLatin1String(field.name);
    return names;
}

QStringList fieldProblems(const Field& field, const QString& value, const QString& shown)
{
    const FieldFit fit = fieldFit(value, field.width);
    const QLatin1String name(field.name);
    QStringList problems;
    if (fit.tooLong())
        //: %1 is the field (Room, TEL1...), %2 its value, %3 its length, %4 the most it may have
        problems << QCoreApplication::translate(
                        "roomrecord",
                        "%1 \"%2\" is %3 characters long; the door unit takes at most %4")
                        .arg(name, shown, QString::number(fit.length),
                             QString::number(field.width));
    // Made only for a fault: a room list judges 400,000 values that have none.
    const auto character = [&fit] { return QString::fromUcs4(&fit.character, 1); };
    switch (fit.fault) {
    case FieldFit::Fault::None:
        break;
    case FieldFit::Fault::Control:
        //: %1 is the field, %2 the character's code in hexadecimal
        problems << QCoreApplication::translate("roomrecord",
                                                "%1 holds a control character (U+%2), which the "
                                                "door unit cannot take")
                        .arg(name)
                        .arg(uint(fit.character), 4, 16, QLatin1Char('0'));
        break;
    case FieldFit::Fault::NotAscii:
        problems << QCoreApplication::translate("roomrecord",
                                                "%1 holds \"%2\", which is not ASCII; the door "
                                                "unit takes only ASCII letters, digits and signs")
                        .arg(name, visibleText(character()));
        break;
    case FieldFit::Fault::Marker:
        problems << QCoreApplication::translate("roomrecord",
                                                "%1 holds \"%2\", which the door unit reads as a "
                                                "field end marker")
                        .arg(name, character());
        break;
    }
    return problems;
}

} // namespace doorunit
