#ifndef HEAPPAGES_H
#define HEAPPAGES_H

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

#endif // HEAPPAGES_H
