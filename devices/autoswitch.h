#ifndef RLAY_AUTOSWITCH_H
#define RLAY_AUTOSWITCH_H

// An automatic switch. Every autoswitch item owns its autoswitch: the
// device is shown by exactly one item and goes with it.

#include "model/device.h"

class AutoSwitch : public Device
{
public:
    explicit AutoSwitch(Project *project);
    ~AutoSwitch() override;

    // Shown by one scene item only.
    bool canAppend(ObjItem *item) override;
    // The catalogue index read is a row of the catalogue or -1 (none);
    // anything else is a damaged record.
    void readData(DataStream &stream) override;
    bool hasModel(int index) const override;

    // The type's translated name; empty without a type.
    QString modelName() const override;
    // "Console Control".
    int placeType() const override;
    // Three terminals.
    int pinCount() const override;
};

#endif
