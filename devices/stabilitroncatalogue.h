#ifndef RLAY_STABILITRONCATALOGUE_H
#define RLAY_STABILITRONCATALOGUE_H

// The stabilitron (zener diode) types. Project files keep the row of a device's
// type, so no row may ever move. Texts are translation keys of the context
// "Stabilitron".

#include "devices/twopincatalogue.h"

enum { StabilitronTypeCount = 4 };

// The rows, then a null entry.
extern const char *const stabilitronTypes[StabilitronTypeCount + 1];
extern const TwoPinCatalogue stabilitronCatalogue;

#endif
