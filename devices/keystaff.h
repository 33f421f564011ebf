#ifndef RLAY_KEYSTAFF_H
#define RLAY_KEYSTAFF_H

// A key staff (key switch) with its contact groups, shown group by group by
// keystaff items (see GroupedDevice). Its catalogue index is a row of
// keystaffTypes; a group is shown only in its own kind.

#include "devices/groupeddevice.h"

class GraphicsKeystaff;

class Keystaff : public GroupedDevice
{
public:
    explicit Keystaff(Project *project);

    // The first bound item showing group n, else null.
    GraphicsKeystaff *itemByNumber(int n) const;
};

#endif
