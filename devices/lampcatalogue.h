#ifndef RLAY_LAMPCATALOGUE_H
#define RLAY_LAMPCATALOGUE_H

// The lamp catalogue: the lamp types with the equipment model of the place
// each one takes. Project files keep the type's row; the type texts are
// translation keys of the context "Lamp".

#include <QString>

struct LampType
{
    const char *name;
    int placeType; // a row of the equipment-model table
};

enum { LampTypeCount = 4 };

// The types, then an all-zero row.
extern const LampType lampTypes[LampTypeCount + 1];

bool isLampType(int index);
// The translated type name; empty outside the table.
QString lampTypeName(int index);

#endif
