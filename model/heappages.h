#ifndef HEAPPAGES_H
#define HEAPPAGES_H

// How the program sets up its heap for large projects, first thing in
// main(), before anything is allocated.
//
// A large project is millions of small blocks. On 4 KiB pages each fresh
// page of the heap costs a fault, and on some virtual machines every page
// left untouched for a while costs a slow fault again when it is next
// touched, so that freeing a project after printing took longer than
// loading it. glibc puts its heap on transparent huge pages when asked
// through its tunables, which it reads only as a process starts: the
// program starts itself once more with that asked for, unless the heap is
// on huge pages already, the system has them switched off, or the restart
// cannot be made (the program then goes on as it is).
//
// All threads share one heap: a load reads its files on a thread of its
// own, and the main thread frees them once parsed; a heap of that thread's
// own would be given back to the system after every load and faulted in
// again by the next one.
void setUpHeap(char **argv);

// Whether this process asked glibc for its heap on huge pages and the
// system allows them.
bool heapOnHugePages();

#endif // HEAPPAGES_H
