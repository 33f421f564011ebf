#ifndef RLAY_KEYSTAFF_H
#define RLAY_KEYSTAFF_H

// A key staff (key switch) with its contact groups. Its catalogue index is a
// row of keystaffTypes; each group of the type is shown by at most one scene
// item, of the group's kind, and the keystaff gives an item the first free
// group of its kind when the item's own number does not fit.

#include "model/device.h"

class GraphicsKeystaff;

class Keystaff : public Device
{
public:
    explicit Keystaff(Project *project);
    ~Keystaff() override;

    // Takes a keystaff item for a free group of the item's kind, keeping its
    // number when that group fits; a keystaff without type takes none, nor
    // does any keystaff take an item of another kind.
    bool canAppend(ObjItem *item) override;
    // The group an item of the kind asking for the wanted group would get,
    // the leaving item (one this keystaff shows now) not counted; -1 when
    // the keystaff would refuse it.
    int groupFor(int kind, int wanted, const ObjItem *leaving = nullptr) const;
    // The catalogue index read is a row of the catalogue or -1 (none);
    // anything else is a damaged record.
    void readData(DataStream &stream) override;
    bool hasModel(int index) const override;
    // The type's translated name; empty without a type.
    QString modelName() const override;
    // The equipment model "Console Control".
    int placeType() const override;

    // The first bound item showing group n, else null.
    GraphicsKeystaff *itemByNumber(int n) const;
    // The number of groups of the type; 0 without a type.
    int groupCount() const;
    // Whether the item may show group n in the kind: one of the type's, of
    // that kind and shown by no bound item but the given one.
    bool fitsGroup(int kind, int n, const GraphicsKeystaff *item) const;

protected:
    // Another type: every item is given a group of its kind in the new
    // type, or is left unbound when none is free.
    void modelIndexChanged() override;

private:
    // The catalogue index when it is a row; -1 otherwise (a failed check
    // for anything but -1).
    int checkedType() const;
};

#endif
