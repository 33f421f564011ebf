#ifndef RLAY_INTERRUPTERCATALOGUE_H
#define RLAY_INTERRUPTERCATALOGUE_H

// The interrupter catalogue: the types with their rated currents. Project
// files keep the row index of an interrupter's type and the index of its
// nominal, so no entry may ever move. Names and nominals are translation
// keys of the context "Interrupter".

#include <QString>
#include <QtGlobal>

struct InterrupterType
{
    const char *name;
    const char *const *nominals;
    qint32 count;
};

enum { InterrupterTypeCount = 1 };

// The types in their fixed order, then an all-zero row.
extern const InterrupterType interrupterTypes[InterrupterTypeCount + 1];

inline bool isInterrupterType(int type)
{
    return type >= 0 && type < InterrupterTypeCount;
}

// The translated name of a type; empty outside the table.
QString interrupterTypeName(int type);

inline bool isInterrupterNominal(int type, int nominal)
{
    return isInterrupterType(type) && nominal >= 0 && nominal < interrupterTypes[type].count;
}

#endif
