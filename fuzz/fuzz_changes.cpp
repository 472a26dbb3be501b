// The comparison behind the change marks, against the plainest reading of
// its rule: each room of the directory, in order, is matched with the first
// room of its number sent and not yet matched. Few numbers and short texts,
// so repeated numbers, reordered rooms and edits are the common case.
#include "doorunitstate.h"
#include "fuzzcheck.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

QList<RoomRecord> rooms(FuzzedDataProvider& in)
{
    QList<RoomRecord> list;
    const int count = in.ConsumeIntegralInRange(0, 12);
    const auto text = [&in](int kinds) {
        const int k = in.ConsumeIntegralInRange(0, kinds);
        return k == 0 ? QString() : QString::number(k);
    };
    for (int i = 0; i < count; ++i)
        list.append({text(4), text(2), text(2), text(2)});
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QList<RoomRecord> sent = rooms(in);
    const QList<RoomRecord> now = rooms(in);
    const DirectoryChanges changes = DirectoryChanges::compare(sent, now);

    std::vector<bool> matched(size_t(sent.size()), false);
    int added = 0;
    int changed = 0;
    FUZZ_REQUIRE(changes.marks.size() == size_t(now.size()));
    for (qsizetype i = 0; i < now.size(); ++i) {
        quint8 mark = DirectoryChanges::Added;
        for (qsizetype j = 0; j < sent.size(); ++j) {
            if (matched[size_t(j)] || sent[j].Room != now[i].Room)
                continue;
            matched[size_t(j)] = true;
            mark = quint8((sent[j].TEL1 != now[i].TEL1 ? DirectoryChanges::Tel1 : 0) |
                          (sent[j].TEL2 != now[i].TEL2 ? DirectoryChanges::Tel2 : 0) |
                          (sent[j].TEL3 != now[i].TEL3 ? DirectoryChanges::Tel3 : 0));
            FUZZ_REQUIRE(changes.sentOf[size_t(i)] == j);
            break;
        }
        FUZZ_REQUIRE(changes.marks[size_t(i)] == mark);
        added += mark == DirectoryChanges::Added;
        changed += mark != DirectoryChanges::Added && mark != DirectoryChanges::Same;
    }
    QList<RoomRecord> removed;
    for (qsizetype j = 0; j < sent.size(); ++j) {
        if (!matched[size_t(j)])
            removed.append(sent[j]);
    }
    FUZZ_REQUIRE(changes.added == added && changes.changed == changed);
    FUZZ_REQUIRE(changes.removed == removed);
    return 0;
}
