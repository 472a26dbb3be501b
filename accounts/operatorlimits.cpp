#include "operatorlimits.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringList>

namespace operatorlimits {

namespace {

QString who(Field field)
{
    return field == Field::Pin ? QCoreApplication::translate("operatorlimits", "The PIN")
                               : QCoreApplication::translate("operatorlimits", "The name");
}

QString subject(const QString& text, Field field)
{
    return field == Field::Pin
               ? QCoreApplication::translate("operatorlimits", "The PIN")
               : QCoreApplication::translate("operatorlimits", "The name \"%1\"").arg(text);
}

} // namespace

Outcome check(const QString& text, Field field)
{
    if (text.contains(QChar::ReplacementCharacter))
        return Outcome::failure(
            QCoreApplication::translate("operatorlimits", "%1 is not valid UTF-8 text.")
                .arg(who(field)));
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return Outcome::failure(
                QCoreApplication::translate(
                    "operatorlimits",
                    "%1 holds a control character (U+%2), which the login box cannot take.")
                    .arg(who(field))
                    .arg(QString::number(c.unicode(), 16)
                             .toUpper()
                             .rightJustified(4, QLatin1Char('0'))));
    }
    // The login box counts UTF-16 units, as the text's own size does.
    if (const auto length = text.size(); length > schema::kOperatorWidth)
        return Outcome::failure(
            QCoreApplication::translate(
                "operatorlimits", "%1 is %2 characters long; the login box takes at most %3%4.")
                .arg(subject(text, field))
                .arg(length)
                .arg(schema::kOperatorWidth)
                .arg(int(text.toUcs4().size()) < length
                         ? QCoreApplication::translate(
                               "operatorlimits",
                               " (an emoji or other character beyond U+FFFF counts as two)")
                         : QString()));
    return Outcome::success();
}

Outcome check(const QByteArray& utf8, Field field)
{
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decode(utf8);
    if (decode.hasError())
        return check(QString(QChar::ReplacementCharacter), field);
    return check(text, field);
}

Outcome check(const QString& name, const QString& pin)
{
    QStringList problems;
    for (const Outcome& problem : {check(name, Field::Name), check(pin, Field::Pin)}) {
        if (!problem)
            problems << problem.description();
    }
    if (problems.isEmpty())
        return Outcome::success();
    problems << QCoreApplication::translate(
        "operatorlimits",
        "Such an operator could never log in. Nothing was saved; change it and try "
        "again.");
    return Outcome::failure(problems.join(QLatin1Char('\n')));
}

} // namespace operatorlimits
