#pragma once

#include "pauser.h"

#include <ctime>

// Pauses by sleeping the calling thread, back-to-back pauses laid end to end
// on the clock.
class SleepingPauser : public Pauser
{
public:
    void pause(int milliseconds) override;
    void startAfresh() override { m_haveLastEnd = false; }

private:
    timespec m_lastEnd{};
    bool m_haveLastEnd = false;
};
