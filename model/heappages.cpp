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

int FreeingMany::s_depth = 0;

FreeingMany::FreeingMany()
{
#ifdef __GLIBC__
    if (s_depth++ == 0)
        mallopt(M_MXFAST, 0);
#endif
}

FreeingMany::~FreeingMany()
{
#ifdef __GLIBC__
    if (--s_depth == 0)
        mallopt(M_MXFAST, int(64 * sizeof(size_t) / 4));
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
    // The page-aligned ranges still to map, lowest first; the thread
    // mapping them moves the first one's start on as it goes.
    std::vector<std::pair<uintptr_t, uintptr_t>> ranges;
    std::thread mapper;
    std::atomic<bool> stop{false};
    qint64 total = 0;

    // Stops the thread after the step it is in: the heap grows only while
    // no step holds the memory map.
    void pause()
    {
        if (!mapper.joinable())
            return;
        stop = true;
        mapper.join();
        stop = false;
    }
    void run();
};

void HeapReserve::Private::run()
{
#if defined(__linux__) && defined(__GLIBC__)
    // On a processor the load leaves idle only: the thread never takes one
    // from the load or its file reader.
    sched_param idle{};
    sched_setscheduler(0, SCHED_IDLE, &idle);
    // A step at a time, lowest first as the load takes them: the memory
    // map stays free for the load in between.
    const uintptr_t step = 256 << 10;
    while (!ranges.empty() && !stop) {
        auto &range = ranges.front();
        const uintptr_t to = std::min(range.second, range.first + step);
        if (madvise(reinterpret_cast<void *>(range.first), size_t(to - range.first), MADV_POPULATE_WRITE) != 0) {
            ranges.clear();
            return;
        }
        range.first = to;
        if (range.first >= range.second)
            ranges.erase(ranges.begin());
    }
#endif
}

HeapReserve::HeapReserve()
    : d(new Private)
{
}

HeapReserve::~HeapReserve()
{
    d->pause();
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
    // What the heap holds free already counts: a heap that held a large
    // project before grows only by what that leaves wanting, and leaves
    // less to give back once the load is done.
    bytes = std::min(bytes, limit - d->total) - qint64(mallinfo2().fordblks);
    if (bytes < qint64(4 * block))
        return;
    d->total += bytes;
    d->pause();
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
    const auto heapEnd = uintptr_t(sbrk(0));
    const uintptr_t page = uintptr_t(sysconf(_SC_PAGESIZE));
    std::vector<std::pair<uintptr_t, uintptr_t>> ranges;
    std::sort(blocks.begin(), blocks.end());
    for (char *piece : blocks) {
        const auto from = uintptr_t(piece);
        const uintptr_t end = from + malloc_usable_size(piece);
        if (end > heapEnd)
            continue;
        if (!ranges.empty() && from - ranges.back().second <= 64)
            ranges.back().second = end;
        else
            ranges.emplace_back(from, end);
    }
    for (char *piece : blocks)
        std::free(piece);
    if (!fence)
        return;
    for (const auto &range : ranges) {
        const uintptr_t from = (range.first + page - 1) & ~(page - 1);
        const uintptr_t to = range.second & ~(page - 1);
        if (from < to)
            d->ranges.emplace_back(from, to);
    }
    try {
        d->mapper = std::thread([p = d] { p->run(); });
    } catch (const std::system_error &) {
    }
#else
    Q_UNUSED(bytes);
#endif
}
