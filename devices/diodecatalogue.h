#ifndef RLAY_DIODECATALOGUE_H
#define RLAY_DIODECATALOGUE_H

// The diode types. Project files keep the row of a device's
// type, so no row may ever move. Texts are translation keys of the context
// "Diode".

#include "devices/twopincatalogue.h"

enum { DiodeTypeCount = 5 };

// The rows, then a null entry.
extern const char *const diodeTypes[DiodeTypeCount + 1];
extern const TwoPinCatalogue diodeCatalogue;

#endif
