#ifndef RLAY_RELAY_H
#define RLAY_RELAY_H

// A relay: the device behind the windings and contacts drawn on the schemes.
// Its catalogue index is a row of relayTypes; each of its windings is shown
// by at most one winding item, and the relay lives as long as one of them.

#include "model/device.h"

class Relay : public Device
{
public:
    explicit Relay(Project *project);

    // A winding item is taken only for a winding of the relay's type that
    // no bound item shows yet.
    bool canAppend(ObjItem *item) override;
    // The catalogue index read is a row of the catalogue or -1 (none);
    // anything else is a damaged record.
    void readData(DataStream &stream) override;
    bool hasModel(int index) const override;

    // The type's translated name; empty without a type.
    QString modelName() const override;
    // The type's mounting place and position code; -1 without a type.
    int placeType() const override;
    int positionCode() const override;
    // The catalogue's own string of the first winding or contact pin of
    // the type named exactly so; null when none.
    const char *pinIndex(const char *name) const override;
    // The pins of every winding and every contact of the type.
    int pinCount() const override;
    // A winding keeps a line for the address whatever it holds.
    bool itemsMeasureAddress() const override { return false; }

    // Whether a further item may show the winding: one of the type's, not
    // shown by a bound item yet.
    bool canAddWinding(int winding) const;

private:
    // The catalogue index when it is a row; -1 otherwise (a failed check
    // for anything but -1).
    int checkedType() const;
};

#endif
