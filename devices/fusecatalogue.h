#ifndef RLAY_FUSECATALOGUE_H
#define RLAY_FUSECATALOGUE_H

// The fuse catalogue: the seven fuse classes, the 91 fuse types and the pin
// names of a fuse at each position of its place. Project files keep the row
// index of a fuse's type, so no row may ever move. The class names and the
// type texts are translation keys of the context "Fuse".

#include <QString>
#include <QtGlobal>

struct FuseType
{
    qint32 fuseClass;    // row of fuseClassNames
    const char *nominal; // the rated current: decimal comma, no zero fraction
    const char *type;    // the text shown for the type
    bool contact;        // the type has a fusion-control contact
};

enum { FuseClassCount = 7, FuseTypeCount = 91, FusePositionCount = 5 };

extern const char *const fuseClassNames[FuseClassCount];
// The types in their fixed order, then an all-zero row.
extern const FuseType fuseTypes[FuseTypeCount + 1];
// By address position: the primary item's first and second terminal, the
// fusion-control contact's first and second terminal.
extern const char *const fusePinNames[FusePositionCount][4];

// Whether the index is a row of the catalogue.
bool isFuseType(int index);
// The translated "FU".
QString fuseDesignation();
// The translated class name and type text; empty outside the tables.
QString fuseClassName(int fuseClass);
QString fuseTypeText(int index);

#endif
