#pragma once

#include "busywait.h"

#include <functional>

// What the operator sees while the room file is held by another program: a
// busy cursor, a line for the status bar, and windows that go on painting
// (typing and clicks wait until the file is free or the wait gives up).
class BusyIndicator : public BusyWatcher
{
public:
    // Shows a line in the status bar; an empty line gives the bar back.
    using Show = std::function<void(const QString&)>;

    void setShow(Show show) { m_show = std::move(show); }
    bool waiting() const { return m_waiting; }

    void waitBegins(const QString& path) override;
    void stillWaiting() override;
    void waitEnds() override;

private:
    Show m_show;
    bool m_waiting = false;
};
