#ifndef RLAY_RESISTORCATALOGUE_H
#define RLAY_RESISTORCATALOGUE_H

// The resistor catalogue: 19 types, each with its list of nominal values.
// Project files keep the row of a resistor's type and the index of its
// nominal in the type's list, so no row and no list entry may ever move.
// Texts are translation keys of the context "Resistor".

#include "devices/twopincatalogue.h"

#include <array>

struct ResistorNominal
{
    const char *text;
    // The power mark drawn inside the resistor body (0: none).
    int powerMark;
};

struct ResistorType
{
    const char *name;
    int adjustable;
    const ResistorNominal *nominals;
    int count;
    // The row of the equipment-model table the type takes in a frame.
    int placeType;
};

enum {
    ResistorTypeCount = 19,
    ResistorListSCount = 60,
    // The 24 E24 mantissas over seven decades.
    ResistorE24Count = 168,
    ResistorPowerMarkCount = 9
};

extern const ResistorType resistorTypes[ResistorTypeCount];
extern const ResistorNominal resistorListS[ResistorListSCount];
// The E24 lists of power marks 2 to 6: the same values, each list with its
// own mark.
extern const std::array<std::array<ResistorNominal, ResistorE24Count>, 5> resistorE24Lists;
extern const TwoPinCatalogue resistorCatalogue;

#endif
