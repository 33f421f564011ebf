#ifndef RLAY_DISCHARGERCATALOGUE_H
#define RLAY_DISCHARGERCATALOGUE_H

// The discharger (surge arrester) types. Project files keep the row of a device's
// type, so no row may ever move. Texts are translation keys of the context
// "Discharger".

#include "devices/twopincatalogue.h"

enum { DischargerTypeCount = 5 };

// The rows, then a null entry.
extern const char *const dischargerTypes[DischargerTypeCount + 1];
extern const TwoPinCatalogue dischargerCatalogue;

#endif
