#ifndef RLAY_BENCH_FLOORTABLE_H
#define RLAY_BENCH_FLOORTABLE_H

// A benchmark's figures, each beside its floor (what the same work takes
// done by plain means), printed one to a line with their ratio.

#include <algorithm>
#include <cstdio>
#include <initializer_list>

struct FloorRow
{
    const char *name;
    double ms;
    const char *floorName;
    double floor;
};

inline void printFloorTable(std::initializer_list<FloorRow> rows, int decimals)
{
    std::printf("  %-22s %9s   %-28s %9s %9s\n", "", "ms", "floor", "ms", "x floor");
    for (const FloorRow &row : rows) {
        std::printf("  %-22s %9.*f   %-28s %9.*f %9.1f\n", row.name, decimals, row.ms, row.floorName, decimals,
                    row.floor, row.ms / std::max(row.floor, 1e-6));
    }
}

#endif
