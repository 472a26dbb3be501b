#include "placement.h"

#include "settingsstore.h"
#include "twips.h"

#include <cmath>

namespace placement {

namespace {

float number(const QString& text, const QString& fallback)
{
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    return ok && std::isfinite(value) ? value : fallback.toFloat();
}

QRect toRect(float left, float top, float width, float height)
{
    return twips::rect(left, top, width, height);
}

} // namespace

Values read()
{
    const Values defaults;
    Values v;
    v.left = settingsstore::read(kSection, QStringLiteral("MainLeft"), defaults.left);
    v.top = settingsstore::read(kSection, QStringLiteral("MainTop"), defaults.top);
    v.width = settingsstore::read(kSection, QStringLiteral("MainWidth"), defaults.width);
    v.height = settingsstore::read(kSection, QStringLiteral("MainHeight"), defaults.height);
    return v;
}

QRect resolve(const Values& values, const QList<QRect>& screens)
{
    const Values d;
    const QRect fallback =
        toRect(d.left.toFloat(), d.top.toFloat(), d.width.toFloat(), d.height.toFloat());
    // Beyond what any screen could show; also keeps the pixel sums in range.
    constexpr float kLimit = 1.0e7f;
    const float left = number(values.left, d.left);
    const float top = number(values.top, d.top);
    const float width = number(values.width, d.width);
    const float height = number(values.height, d.height);
    for (float v : {left, top, width, height}) {
        if (v > kLimit || v < -kLimit)
            return fallback;
    }
    if (width <= 0 || height <= 0)
        return fallback;
    const QRect frame = toRect(left, top, width, height);
    // Smaller than this, the menu bar and the status bar leave nothing usable.
    if (frame.width() < kMinimum.width() || frame.height() < kMinimum.height())
        return fallback;
    // A window mostly off screen could not be reached to be moved back.
    const qint64 area = qint64(frame.width()) * frame.height();
    for (const QRect& screen : screens) {
        const QRect shown = screen.intersected(frame);
        if (2 * qint64(shown.width()) * shown.height() >= area)
            return frame;
    }
    return screens.isEmpty() ? frame : fallback;
}

} // namespace placement
