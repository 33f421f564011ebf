#ifndef RLAY_AMMETERCATALOGUE_H
#define RLAY_AMMETERCATALOGUE_H

// The ammeter types. Project files keep the row of a device's
// type, so no row may ever move. Texts are translation keys of the context
// "Ammeter".

#include "devices/twopincatalogue.h"

enum { AmmeterTypeCount = 2 };

// The rows, then a null entry.
extern const char *const ammeterTypes[AmmeterTypeCount + 1];
extern const TwoPinCatalogue ammeterCatalogue;

#endif
