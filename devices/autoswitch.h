#ifndef RLAY_AUTOSWITCH_H
#define RLAY_AUTOSWITCH_H

// An automatic switch. Every autoswitch item owns its autoswitch: the
// device is shown by exactly one item and goes with it.

#include "devices/typeddevice.h"

class AutoSwitch : public TypedDevice
{
public:
    explicit AutoSwitch(Project *project);
    ~AutoSwitch() override;

    // Its first autoswitch item only: a second item, or an item of another
    // kind, is refused, as the reader refuses it.
    bool canAppend(ObjItem *item) override;

    // The catalogue index read is a row of the catalogue or -1 (none);
    // anything else is a damaged record.
    void readData(DataStream &stream) override;

    // "Console Control".
    int placeType() const override;
    // Three terminals.
    int pinCount() const override;
};

#endif
