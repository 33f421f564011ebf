#ifndef RLAY_SIGNALLAMPCATALOGUE_H
#define RLAY_SIGNALLAMPCATALOGUE_H

// The signal lamp colours. Project files keep the row of a device's
// colour, so no row may ever move. Texts are translation keys of the context
// "Signallamp".

#include "devices/twopincatalogue.h"

enum { SignallampColorCount = 5 };

// The rows, then a null entry.
extern const char *const signallampColors[SignallampColorCount + 1];
extern const TwoPinCatalogue signallampCatalogue;

#endif
