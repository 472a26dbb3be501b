#pragma once

#include <QString>

// Every message box of the program goes through this interface, so the
// windows can be driven in tests and their messages read back exactly.
class MessageSink
{
public:
    enum class Icon { None, Critical, Exclamation, Information };

    virtual ~MessageSink() = default;
    // Shows a box with one OK button and returns when it is dismissed.
    virtual void show(const QString& text, const QString& title, Icon icon) = 0;
    // Asks a yes-or-no question before something that cannot be undone;
    // true only for Yes. A sink that cannot ask shows the question and declines.
    virtual bool ask(const QString& text, const QString& title)
    {
        show(text, title, Icon::None);
        return false;
    }
};

// The caption of every message box whose title is not given otherwise.
inline const QString kApplicationTitle = QStringLiteral("Quorvane");
