// The main window's placement from four arbitrary stored texts and a few
// screens: the result is a real window that some screen shows, or the default.
#include "fuzzcheck.h"
#include "placement.h"

#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    QList<QRect> screens;
    const int count = in.ConsumeIntegralInRange<int>(0, 3);
    for (int i = 0; i < count; ++i) {
        screens << QRect(in.ConsumeIntegralInRange<int>(-8000, 8000),
                         in.ConsumeIntegralInRange<int>(-8000, 8000),
                         in.ConsumeIntegralInRange<int>(1, 8000),
                         in.ConsumeIntegralInRange<int>(1, 8000));
    }
    const auto text = [&] {
        const std::string s = in.ConsumeRandomLengthString(24);
        return QString::fromUtf8(s.data(), qsizetype(s.size()));
    };
    placement::Values values;
    values.left = text();
    values.top = text();
    values.width = text();
    values.height = text();

    const QRect fallback = placement::resolve(placement::Values{}, screens);
    const QRect frame = placement::resolve(values, screens);
    FUZZ_REQUIRE(frame == placement::resolve(values, screens));
    FUZZ_REQUIRE(frame.width() > 0 && frame.height() > 0);
    // Far beyond any screen, and the sums of its corners stay in range.
    constexpr int kFar = 1000000;
    FUZZ_REQUIRE(qAbs(frame.left()) < kFar && qAbs(frame.top()) < kFar);
    FUZZ_REQUIRE(frame.width() < kFar && frame.height() < kFar);
    if (frame != fallback && !screens.isEmpty()) {
        bool shown = false;
        for (const QRect& screen : screens)
            shown = shown || screen.intersects(frame);
        FUZZ_REQUIRE(shown);
    }
    return 0;
}
