#include "model/heappages.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef __linux__
#include <sched.h>
#include <sys/mman.h>
#include <unistd.h>
#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif
#endif

namespace {

const char tunable[] = "glibc.malloc.hugetlb";

// "always" or "madvise" between brackets: a heap that asks gets them.
bool systemAllowsHugePages()
{
    std::ifstream in("/sys/kernel/mm/transparent_hugepage/enabled");
    std::string modes;
    std::getline(in, modes);
    return modes.find("[always]") != std::string::npos || modes.find("[madvise]") != std::string::npos;
}

// The value the environment gives the tunable, the last one named holding
// as glibc reads them; empty when none is named.
std::string tunableValue()
{
    const char *current = std::getenv("GLIBC_TUNABLES");
    std::string value;
    if (!current)
        return value;
    const std::string all = current;
    const std::string name = std::string(tunable) + "=";
    for (size_t start = 0; start <= all.size();) {
        size_t end = all.find(':', start);
        if (end == std::string::npos)
            end = all.size();
        if (all.compare(start, name.size(), name) == 0)
            value = all.substr(start + name.size(), end - start - name.size());
        start = end + 1;
    }
    return value;
}

} // namespace

bool heapOnHugePages()
{
#if defined(__linux__) && defined(__GLIBC__)
    return tunableValue() == "1" && systemAllowsHugePages();
#else
    return false;
#endif
}

void setUpHeap()
{
#ifdef __GLIBC__
    mallopt(M_ARENA_MAX, 1);
#endif
}

// The heap is grown in blocks the allocator takes from its own pages
// (below the size it maps apart), kept apart by one block left held above
// them until the reserve ends: freed, the blocks make one free range that
// the allocator neither gives back to the system nor hands to anything but
// what asks for memory. Mapping a page ahead leaves its bytes as they are,
// so the thread may run beside the load writing into the same range.
struct HeapReserve::Private
{
    std::vector<void *> fences;
    std::vector<std::thread> mappers;
    std::atomic<bool> stop{false};
    qint64 total = 0;
};

HeapReserve::HeapReserve()
    : d(new Private)
{
}

HeapReserve::~HeapReserve()
{
    d->stop = true;
    for (std::thread &mapper : d->mappers)
        mapper.join();
    // The room left above what the load took goes back with the fence
    // (the allocator trims a large free top).
    for (auto it = d->fences.rbegin(); it != d->fences.rend(); ++it)
        std::free(*it);
    delete d;
}

void HeapReserve::add(qint64 bytes)
{
#if defined(__linux__) && defined(__GLIBC__)
    // Below the smallest size the allocator maps on its own.
    const size_t block = 120 * 1024;
    // Sizes come from the files' records: whatever a damaged one claims,
    // no more than a quarter of the machine's memory is taken ahead.
    const qint64 limit = qint64(sysconf(_SC_PHYS_PAGES)) * sysconf(_SC_PAGESIZE) / 4;
    bytes = std::min(bytes, limit - d->total);
    if (bytes < qint64(4 * block))
        return;
    d->total += bytes;
    std::vector<char *> blocks;
    blocks.reserve(size_t(bytes) / block + 1);
    for (qint64 taken = 0; taken < bytes; taken += qint64(block)) {
        auto *piece = static_cast<char *>(std::malloc(block));
        if (!piece)
            break;
        blocks.push_back(piece);
    }
    void *fence = std::malloc(block);
    if (fence)
        d->fences.push_back(fence);
    // The ranges the blocks cover, neighbours joined: mostly one. Only
    // memory of the heap's own segment is mapped ahead, which stays the
    // heap's while the fence is held (a block the allocator mapped apart,
    // were it told to, goes back to the system when freed).
    const auto *heapEnd = static_cast<const char *>(sbrk(0));
    std::vector<std::pair<char *, char *>> ranges;
    std::sort(blocks.begin(), blocks.end());
    for (char *piece : blocks) {
        char *end = piece + malloc_usable_size(piece);
        if (end > heapEnd)
            continue;
        if (!ranges.empty() && piece - ranges.back().second <= 64)
            ranges.back().second = end;
        else
            ranges.emplace_back(piece, end);
    }
    for (char *piece : blocks)
        std::free(piece);
    if (!fence)
        return;
    const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
    try {
        d->mappers.emplace_back([ranges = std::move(ranges), page, stop = &d->stop] {
            // On a processor the load leaves idle only: the thread never
            // takes one from the load or its file reader.
            sched_param idle{};
            sched_setscheduler(0, SCHED_IDLE, &idle);
            // A step at a time, lowest first as the load takes them: the
            // memory map stays free for the load in between.
            const uintptr_t step = 256 << 10;
            for (const auto &range : ranges) {
                uintptr_t from = (uintptr_t(range.first) + page - 1) & ~(page - 1);
                const uintptr_t to = uintptr_t(range.second) & ~(page - 1);
                for (; from < to && !*stop; from += step) {
                    if (madvise(reinterpret_cast<void *>(from), size_t(std::min(step, to - from)),
                                MADV_POPULATE_WRITE) != 0)
                        return;
                }
            }
        });
    } catch (const std::system_error &) {
    }
#else
    Q_UNUSED(bytes);
#endif
}
