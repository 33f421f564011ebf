#ifndef HEAPPAGES_H
#define HEAPPAGES_H

#include <QtGlobal>

// How the program sets up its heap, first thing in main(), before anything
// is allocated.
//
// All threads share one heap: a load reads its files on a thread of its
// own, and the main thread frees them once parsed; a heap of that thread's
// own would be given back to the system after every load and faulted in
// again by the next one.
//
// The heap stays on the pages the system gives. glibc puts it on
// transparent huge pages only when asked as the process starts
// (GLIBC_TUNABLES=glibc.malloc.hugetlb=1); the program does not start
// itself again to ask: that second start cost every start more than it
// saved a load, and where the system compacts memory to make huge pages, a
// fresh heap on them is slower to fill. A user may still ask for them.
void setUpHeap();

// Whether this process was started with glibc asked for its heap on huge
// pages (the tunable's last value is 1) and the system allows them.
bool heapOnHugePages();

// Room a load of known size takes from the system in one go, before the
// load allocates it piece by piece. Each piece of a growing heap is a page
// fault on first touch, a few tens of thousands for a large project; here
// the heap grows at once by the room asked for and a thread of its own has
// the system map that room while the load goes on, so that the load finds
// its pages there. The room is free heap memory all the while: the load
// takes it as any other. Whatever the load left of it goes back to the
// system when the reserve ends. Where the system cannot map memory ahead,
// the heap still grows at once and the load faults its pages as before.
class HeapReserve
{
public:
    HeapReserve();
    ~HeapReserve();
    HeapReserve(const HeapReserve &) = delete;
    HeapReserve &operator=(const HeapReserve &) = delete;

    // Makes room for about that many more bytes of the heap.
    void add(qint64 bytes);

private:
    struct Private;
    Private *d;
};

// While a whole project, or every page of a frame, is freed: glibc's fast
// bins would keep every small block freed and merge them all later, in
// passes over memory long gone from the cache (a third of a close, or the
// first pages built after others were dropped); without them each block
// is merged with its free neighbours as it is freed. They come back with
// their default size when the outermost one ends.
class FreeingMany
{
public:
    FreeingMany();
    ~FreeingMany();
    FreeingMany(const FreeingMany &) = delete;
    FreeingMany &operator=(const FreeingMany &) = delete;

private:
    static int s_depth;
};

#endif // HEAPPAGES_H
