#ifndef RLAY_CAPACITORCATALOGUE_H
#define RLAY_CAPACITORCATALOGUE_H

// The capacitor catalogue: 22 types, each with its nominal capacities; the
// place a capacitor takes in a frame follows its nominal. Project files
// keep the row of a capacitor's type and the index of its nominal, so no
// row and no entry may ever move. Texts are translation keys of the
// context "Capacitor".

#include "devices/twopincatalogue.h"

struct CapacitorNominal
{
    const char *text;
    // The row of the equipment-model table; -1: the capacitor has no place.
    int placeType;
};

struct CapacitorType
{
    const char *name;
    const CapacitorNominal *nominals;
    int count;
};

enum { CapacitorTypeCount = 22 };

extern const CapacitorType capacitorTypes[CapacitorTypeCount];
extern const TwoPinCatalogue capacitorCatalogue;

#endif
