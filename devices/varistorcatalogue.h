#ifndef RLAY_VARISTORCATALOGUE_H
#define RLAY_VARISTORCATALOGUE_H

// The varistor types, each with the place it takes in a frame. Project
// files keep the row of a varistor's type, so no row may ever move. Names
// are translation keys of the context "Varistor".

#include "devices/twopincatalogue.h"

struct VaristorType
{
    const char *name;
    // The row of the equipment-model table.
    int placeType;
};

enum { VaristorTypeCount = 13 };

extern const VaristorType varistorTypes[VaristorTypeCount];
extern const TwoPinCatalogue varistorCatalogue;

#endif
