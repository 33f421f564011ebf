#include "model/heappages.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#if defined(__linux__) && defined(__GLIBC__)
#include <unistd.h>
#define HEAP_PAGES_TUNABLE 1
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

bool tunableAsked()
{
    const char *current = std::getenv("GLIBC_TUNABLES");
    return current && std::strstr(current, tunable);
}

void restartWithHeapOnHugePages(char **argv)
{
#ifdef HEAP_PAGES_TUNABLE
    // Set already, by an earlier start or by the user: their choice holds.
    if (!argv || !argv[0] || tunableAsked() || !systemAllowsHugePages())
        return;
    const char *current = std::getenv("GLIBC_TUNABLES");
    const std::string before = current ? current : "";
    const std::string asked = std::string(tunable) + "=1";
    const std::string value = before.empty() ? asked : before + ":" + asked;
    if (setenv("GLIBC_TUNABLES", value.c_str(), 1) != 0)
        return;
    // By its own path, not /proc/self/exe, so that the process keeps its
    // name.
    char self[4096];
    const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        self[length] = '\0';
        execv(self, argv);
    }
    // Not restarted: the environment goes back as it was, so that the
    // programs this one starts see what it was given.
    if (current)
        setenv("GLIBC_TUNABLES", before.c_str(), 1);
    else
        unsetenv("GLIBC_TUNABLES");
#else
    (void)argv;
#endif
}

} // namespace

bool heapOnHugePages()
{
#ifdef HEAP_PAGES_TUNABLE
    return tunableAsked() && systemAllowsHugePages();
#else
    return false;
#endif
}

void setUpHeap(char **argv)
{
    restartWithHeapOnHugePages(argv);
#ifdef __GLIBC__
    mallopt(M_ARENA_MAX, 1);
#endif
}
