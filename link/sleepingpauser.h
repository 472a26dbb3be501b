#pragma once

#include "serialport.h"

#include <ctime>

// Pauses by sleeping the calling thread. Back-to-back pauses (a batch pause
// is 200 of 10 ms) are laid end to end on the clock, so each one's lateness in
// waking up does not add up to a batch pause noticeably over its 2 s.
class SleepingPauser : public Pauser
{
public:
    void pause(int milliseconds) override;
    void startAfresh() override { m_haveLastEnd = false; }

private:
    timespec m_lastEnd{};
    bool m_haveLastEnd = false;
};
