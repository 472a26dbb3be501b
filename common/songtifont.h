#pragma once

#include <QFont>

// 宋体 at the given size, the face the windows are designed in; where it is not
// installed, a CJK face whose Latin letters are half an em wide as in 宋体, so
// captions and cells fit their boxes as designed.
inline QFont songtiFont(double points)
{
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                      QStringLiteral("WenQuanYi Zen Hei Mono"),
                      QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPointSizeF(points);
    return font;
}
