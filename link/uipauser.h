#pragma once

#include "pauser.h"

#include <QElapsedTimer>

// Waits in a local event loop, so the windows keep painting and the desktop
// never sees the program as not responding. The operator's input waits until
// the pause is over, so no command can start in the middle of another.
class UiPauser : public Pauser
{
public:
    void pause(int milliseconds) override;
    // The windows paint between rounds as during one long pause, and the
    // operator's input waits either way: the program wakes once for them,
    // not once a round.
    void pauseRounds(int rounds, int milliseconds) override { pause(rounds * milliseconds); }
    void startAfresh() override { m_lastEndNs = -1; }

private:
    QElapsedTimer m_clock;
    qint64 m_lastEndNs = -1;
};
