#pragma once

#include <QList>
#include <QRect>
#include <QString>

// Where the main window opens: four texts in twips from the settings store,
// section Settings, each falling back to its default.
namespace placement {

inline const QString kSection = QStringLiteral("Settings");

struct Values
{
    QString left = QStringLiteral("1000");
    QString top = QStringLiteral("1000");
    QString width = QStringLiteral("6500");
    QString height = QStringLiteral("6500");
};

// Reads MainLeft, MainTop, MainWidth and MainHeight, in this order.
Values read();

// The smallest outer size taken from the store, in pixels.
inline constexpr QSize kMinimum{160, 120};

// The outer frame in pixels. A value that is not a number falls back to its
// default; a window smaller than kMinimum, or one that would not lie at least
// half on one screen, falls back to the default placement.
QRect resolve(const Values& values, const QList<QRect>& screens);

} // namespace placement
