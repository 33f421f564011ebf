// Linked into every test: before the process's last exit handlers run, waits
// (a few seconds at most) until the main thread is the only one left.
//
// Qt's pool threads are told to stop as the application object goes, but a
// stopped thread may still be on its way out when the exit handlers run. The
// leak check the sanitizer build runs last at exit stops every thread and
// reads its stack: one half gone can fault it, failing a test that passed.
// This object is made before main, so its destructor runs after every Qt
// global is gone and before that check.

#include <dirent.h>
#include <unistd.h>

namespace {

int threadCount()
{
    DIR *tasks = opendir("/proc/self/task");
    if (!tasks)
        return 1;
    int count = 0;
    while (const dirent *entry = readdir(tasks))
        if (entry->d_name[0] != '.')
            ++count;
    closedir(tasks);
    return count;
}

struct ThreadsGoneAtExit
{
    ~ThreadsGoneAtExit()
    {
        for (int wait = 0; wait < 1000 && threadCount() > 1; ++wait)
            usleep(3000);
    }
} threadsGoneAtExit;

} // namespace
