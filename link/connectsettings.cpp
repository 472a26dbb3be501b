#include "connectsettings.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace connectsettings {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

double leadingDecimal(const QString& text)
{
    // Collect the number's characters, leaving out blanks, then read them
    // with from_chars, which no locale's decimal comma can change.
    std::string number;
    bool sign = false, digits = false, point = false, exponent = false, exponentSign = false;
    bool exponentDigits = false;
    for (const QChar c : text) {
        if (isBlank(c))
            continue;
        if (isDigit(c)) {
            number += char(c.unicode());
            (exponent ? exponentDigits : digits) = true;
            continue;
        }
        if ((c == u'+' || c == u'-') && !exponent && !sign && !digits && !point) {
            sign = true;
            if (c == u'-')
                number += '-';
            continue;
        }
        if ((c == u'+' || c == u'-') && exponent && !exponentSign && !exponentDigits) {
            exponentSign = true;
            number += char(c.unicode());
            continue;
        }
        if (c == u'.' && !point && !exponent) {
            point = true;
            number += '.';
            continue;
        }
        if ((c == u'e' || c == u'E' || c == u'd' || c == u'D') && digits && !exponent) {
            exponent = true;
            number += 'e';
            continue;
        }
        break;
    }
    if (!digits)
        return 0.0;
    // An exponent without digits does not belong to the number.
    if (exponent && !exponentDigits)
        number.erase(number.find('e'));
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    Q_UNUSED(end);
    if (error == std::errc::result_out_of_range) {
        // Too large for a double (a tiny value is 0 and reads as such).
        const bool huge = number.find('-', 1) == std::string::npos;
        if (!huge)
            return 0.0;
        return number.front() == '-' ? -std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::infinity();
    }
    return value;
}

std::optional<quint8> openTime(const QString& text)
{
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    const double seconds = std::nearbyint(leadingDecimal(text));
    if (!(seconds >= 0.0 && seconds <= 255.0))
        return std::nullopt;
    return quint8(seconds);
}

quint8 autoMode(Qt::CheckState autoAnswer, Qt::CheckState autoOpen)
{
    if (autoAnswer == Qt::Unchecked && autoOpen == Qt::Unchecked)
        return 0;
    if (autoAnswer == Qt::Checked && autoOpen == Qt::Unchecked)
        return 1;
    if (autoAnswer == Qt::Unchecked && autoOpen == Qt::Checked)
        return 2;
    return 3;
}

} // namespace connectsettings
