#include "prefault.h"

#include <cstdint>

#include <sys/mman.h>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

void prefault(void* data, std::size_t bytes)
{
    constexpr std::uintptr_t kPage = 4096;
    constexpr std::size_t kWorthIt = 1024 * 1024;
    if (!data || bytes < kWorthIt)
        return;
    // Only whole pages inside the buffer: the pages at its ends may hold
    // another allocation's data.
    const std::uintptr_t begin =
        (reinterpret_cast<std::uintptr_t>(data) + kPage - 1) & ~(kPage - 1);
    const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(data) + bytes) & ~(kPage - 1);
    if (end <= begin)
        return;
    void* const from = reinterpret_cast<void*>(begin);
    // Either may be refused (an older kernel, huge pages switched off); the
    // pages then come as they are written, as they would have.
    (void)madvise(from, end - begin, MADV_HUGEPAGE);
    (void)madvise(from, end - begin, MADV_POPULATE_WRITE);
}
