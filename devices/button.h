#ifndef RLAY_BUTTON_H
#define RLAY_BUTTON_H

// A push button with its contact groups, shown group by group by button
// items (see GroupedDevice). Its catalogue index is a row of buttonTypes.

#include "devices/groupeddevice.h"

#include <QtGlobal>

class GraphicsButton;

class Button : public GroupedDevice
{
public:
    explicit Button(Project *project);

    // The first bound item showing the group, or null.
    GraphicsButton *itemForGroup(quint8 group) const;
};

#endif
