#pragma once

#include <QCoreApplication>
#include <QString>

#include <utility>

// A window whose unsaved change cannot be written refuses its first close,
// saying why; a second close discards the change, so a row that can never be
// written does not hold the window open. A further change starts over.
class ClosePolicy
{
public:
    // After a refused write: true once (keep the window open and say so),
    // false from then on (close and discard).
    bool refuse() { return !std::exchange(m_told, true); }
    void reset() { m_told = false; }

    // Told with the refusal, after what was not saved.
    static QString stayOpenText()
    {
        return QCoreApplication::translate(
            "ClosePolicy", "\nThe window stays open so the row can be corrected; close it "
                           "again to discard the change.");
    }

private:
    bool m_told = false;
};
