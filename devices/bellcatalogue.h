#ifndef RLAY_BELLCATALOGUE_H
#define RLAY_BELLCATALOGUE_H

// The bell types. Project files keep the row of a device's
// type, so no row may ever move. Texts are translation keys of the context
// "Bell".

#include "devices/twopincatalogue.h"

enum { BellTypeCount = 4 };

// The rows, then a null entry.
extern const char *const bellTypes[BellTypeCount + 1];
extern const TwoPinCatalogue bellCatalogue;

#endif
