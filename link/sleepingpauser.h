#pragma once

#include "serialport.h"

// Pauses by sleeping the calling thread, with a fine timer slack so that the
// 200 short pauses of a batch add up to its 2 s and not noticeably more.
class SleepingPauser : public Pauser
{
public:
    void pause(int milliseconds) override;
};
