#ifndef RLAY_HEATINGCATALOGUE_H
#define RLAY_HEATINGCATALOGUE_H

// The heating catalogue: its one type and its twelve terminals. Project
// files keep the type's row; the type texts are translation keys of the
// context "Heating".

#include <QString>

struct HeatingPin
{
    const char *name; // the terminal's name, e.g. "SH.R.2-1"
    double x, y;      // its anchor on the wiring picture
    bool up;          // the link rows stack upwards from the anchor
    bool left;        // the stub and the link texts lie left of the anchor
};

enum { HeatingTypeCount = 1, HeatingPinCount = 12 };

// The type names, then a null entry.
extern const char *const heatingTypes[HeatingTypeCount + 1];
// One row per pin, in pin order.
extern const HeatingPin heatingPins[HeatingPinCount];

bool isHeatingType(int index);
// The translated type name; empty outside the table.
QString heatingTypeName(int index);

#endif
