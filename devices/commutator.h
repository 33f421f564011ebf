#ifndef RLAY_COMMUTATOR_H
#define RLAY_COMMUTATOR_H

// A commutator (a key or a switch) with its contact groups. Its catalogue
// index is a row of commutatorTypes; each group of the type is shown by at
// most one commutator item, possibly on several schemes, all bound to the
// one commutator.

#include "model/device.h"

#include <QtGlobal>

class GraphicsCommutator;
struct CommutatorType;

class Commutator : public Device
{
public:
    explicit Commutator(Project *project);
    ~Commutator() override;

    // Takes a commutator item on a free group that suits its form: its own
    // group when it can, else the first such group, which the item then
    // shows. Refuses it when none is left.
    bool canAppend(ObjItem *item) override;
    // The group an item of the form asking for the wanted group would get,
    // the leaving item (one this device shows now) not counted; -1 when the
    // device would refuse it.
    int groupFor(int contactKind, int wanted, const ObjItem *leaving = nullptr) const;
    // The catalogue index read is a row of the catalogue or -1 (none);
    // anything else is a damaged record.
    void readData(DataStream &stream) override;
    bool hasModel(int index) const override;

    // The type's translated name; empty without a type.
    QString modelName() const override;
    // "Console Control".
    int placeType() const override;

    // The first bound item showing the group, or null.
    GraphicsCommutator *itemForGroup(quint8 group) const;
    // Whether the item may show the group in the form: one of the type's,
    // suiting the form and shown by no bound item but the given one. What
    // a bound item stands for in a file is read back only when it fits.
    bool fitsGroup(int contactKind, int group, const GraphicsCommutator *item) const;
    bool fitsGroup(const GraphicsCommutator *item) const;
    // The type's row; null without a type (a failed check for an index
    // outside the catalogue).
    const CommutatorType *commutatorType() const;

protected:
    // Another type: every item is given a group of the new type that suits
    // its form, or is left unbound when none is free.
    void modelIndexChanged() override;
};

#endif
