#ifndef RLAY_BLOCKCATALOGUE_H
#define RLAY_BLOCKCATALOGUE_H

// The block catalogue: every type of plug-in block (time, rectifier, coding
// blocks and the like) in ten classes, each with the names of its pins, the
// mounting place it takes in a frame and its position code. Project files
// keep only a type's row index, so no row may ever move. Names of types,
// classes and pins are translation keys of the context "Block".
//
// The lookups here never report: an index outside the table gives a neutral
// answer, so that painters may use them. The block model guards the indices
// it is handed with the check routines.

#include <QList>
#include <QString>
#include <QtGlobal>

struct BlockType
{
    const char *name;
    qint32 blockClass;       // row of blockClasses
    const char *const *pins; // pin names in catalogue order
    qint32 pinCount;
    qint32 placeType;    // row of the equipment-model table
    qint32 positionCode; // the block's Device::positionCode
};

enum { BlockTypeCount = 348, BlockClassCount = 10 };

// The types in their fixed order, then an all-zero row.
extern const BlockType blockTypes[BlockTypeCount + 1];
extern const char *const blockClasses[BlockClassCount];

// The row, or null outside the table.
const BlockType *blockTypeAt(int index);
// The translated type name; empty outside the table.
QString blockTypeName(int index);
// The translated class name; empty outside the table.
QString blockClassName(int blockClass);
// A pin name as the user sees it.
QString blockPinText(const char *pin);
// The catalogue's own string of the type's pin named exactly so (byte for
// byte); null when the type has none or the index is outside the table.
const char *blockFindPin(int index, const char *name);
// The catalogue's own string of the type's pin whose translated name equals
// the label; null when none.
const char *blockPinByLabel(int index, const QString &label);
// The rows of one class, in catalogue order.
QList<int> blockTypesOfClass(int blockClass);

#endif
