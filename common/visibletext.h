#pragma once

#include <QString>

#include <algorithm>

// Text another program may have stored, fit for a terminal or a message: a
// control character (an escape sequence would act on the terminal, a line
// break would start a line of its own), an invisible one that reorders or
// hides what follows, and half of a broken pair each shown as <U+XXXX>;
// everything else as it is.
inline QString visibleText(const QString& text)
{
    // Printable ASCII, as nearly every value is, stays the same string.
    if (std::all_of(text.cbegin(), text.cend(),
                    [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; }))
        return text;
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            shown += c;
            shown += text[++i];
            continue;
        }
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            shown += QStringLiteral("<U+%1>").arg(
                QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
            break;
        default:
            shown += c;
        }
    }
    return shown;
}
