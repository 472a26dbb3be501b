// The string table and the number readers (the caption loader's and the
// Connect dialog's): every result is in its range, and the readers agree with
// each other where they read the same text.
#include "connectsettings.h"
#include "fuzzcheck.h"
#include "stringtable.h"

#include <cmath>

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const int number = in.ConsumeIntegral<int>();
    const std::optional<QString> text = stringtable::loadString(number);
    FUZZ_REQUIRE(text.has_value() ==
                 (number >= stringtable::kFirst && number <= stringtable::kLast));
    FUZZ_REQUIRE(!text || !text->isEmpty());

    const std::string rest = in.ConsumeRemainingBytesAsString();
    const QString t = QString::fromUtf8(rest.data(), qsizetype(rest.size()));

    const std::optional<int> whole = stringtable::wholeNumber(t);
    const std::optional<int> leading = stringtable::leadingNumber(t);
    for (const std::optional<int>& v : {whole, leading})
        FUZZ_REQUIRE(!v || (*v >= -32768 && *v <= 32767));
    // A text that is a number as a whole starts with that number.
    if (whole)
        FUZZ_REQUIRE(leading == whole);
    // Blanks around a number do not change it; a letter after one does not either.
    FUZZ_REQUIRE(stringtable::wholeNumber(QStringLiteral(" \t") + t + QStringLiteral("\r\n")) ==
                 whole);
    FUZZ_REQUIRE(stringtable::leadingNumber(t + QStringLiteral("x")) == leading);

    const double seconds = connectsettings::leadingDecimal(t);
    FUZZ_REQUIRE(!std::isnan(seconds));
    const std::optional<quint8> openTime = connectsettings::openTime(t);
    const double roundedSeconds = std::nearbyint(seconds);
    FUZZ_REQUIRE(openTime.has_value() == (roundedSeconds >= 0 && roundedSeconds <= 255));
    FUZZ_REQUIRE(!openTime || *openTime == roundedSeconds);
    // Without blanks inside or a "d" exponent both readers take the same
    // characters, so where both give a whole number it is the same one.
    bool plain = true;
    for (const QChar c : t)
        plain = plain && QStringLiteral("0123456789+-.eE").contains(c);
    if (plain && leading && openTime)
        FUZZ_REQUIRE(*leading == *openTime);
    return 0;
}
