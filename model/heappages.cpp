#include "model/heappages.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#ifdef __GLIBC__
#include <malloc.h>
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
