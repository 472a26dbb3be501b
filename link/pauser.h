#pragma once

#include <QtGlobal>

// Blocking pauses, replaceable in tests; the program's own keeps its windows
// painted while it waits.
class Pauser
{
public:
    virtual ~Pauser() = default;
    virtual void pause(int milliseconds) = 0;
    // Pauses of one length back to back, as a batch pause is 200 of 10 ms:
    // by default each in turn, so that a pauser that looks up between them
    // (a stop asked for, a countdown shown) still can; one with nothing to
    // do between them waits them out at once.
    virtual void pauseRounds(int rounds, int milliseconds)
    {
        for (int i = 0; i < rounds; ++i)
            pause(milliseconds);
    }
    // Something other than a pause has happened since the last one: the next
    // pause is measured from when it is asked for, not laid end to end with
    // the last one.
    virtual void startAfresh() {}

protected:
    // Where a pause asked for at nowNs starts: back-to-back pauses (a batch
    // pause is 200 of 10 ms) are laid end to end, so each one's lateness in
    // waking up does not add up; lastEndNs < 0 when there is no pause to join.
    static qint64 startNs(qint64 lastEndNs, qint64 nowNs)
    {
        constexpr qint64 kJoinNs = 5'000'000;
        const bool continues = lastEndNs >= 0 && nowNs >= lastEndNs && nowNs - lastEndNs < kJoinNs;
        return continues ? lastEndNs : nowNs;
    }
};
