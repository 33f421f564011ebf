#ifndef RLAY_BENCH_COLDCACHES_H
#define RLAY_BENCH_COLDCACHES_H

// With --cold a benchmark empties the processor's caches of its data before
// each timing: a buffer four times the largest cache is walked first. A
// small project then no longer runs wholly from the cache while a large one
// runs from memory, and the growth per ten times shows the work alone.

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <vector>

inline bool &coldCaches()
{
    static bool cold = false;
    return cold;
}

inline void sweepCaches()
{
    if (!coldCaches())
        return;
    static std::vector<char> sweep(size_t(4) * size_t(std::max<long>(sysconf(_SC_LEVEL3_CACHE_SIZE), 32L << 20)));
    for (size_t i = 0; i < sweep.size(); i += 64)
        ++sweep[i];
}

#endif
