#ifndef RLAY_LUMINODIODECATALOGUE_H
#define RLAY_LUMINODIODECATALOGUE_H

// The luminodiode colours. Project files keep the row of a device's
// colour, so no row may ever move. Texts are translation keys of the context
// "Luminodiode".

#include "devices/twopincatalogue.h"

enum { LuminodiodeColorCount = 3 };

// The rows, then a null entry.
extern const char *const luminodiodeColors[LuminodiodeColorCount + 1];
extern const TwoPinCatalogue luminodiodeCatalogue;

#endif
