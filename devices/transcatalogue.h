#ifndef RLAY_TRANSCATALOGUE_H
#define RLAY_TRANSCATALOGUE_H

// The transformer catalogue: the six transformer classes, the 67 types and
// the sets of terminal names the types draw from. Project files keep the
// row index of a transformer's type, so no row may ever move. Class, type
// and terminal names are translation keys of the context "Trans"; the
// terminal strings themselves are what the pins of transformer items carry.

#include <QString>
#include <QtGlobal>

struct TransType
{
    const char *name;
    qint32 transClass;          // row of transClassNames
    qint32 coreKind;            // 0 no core, 1 solid line, 2 dashed line
    const char *const *terminals; // the type's terminal names, in order
    qint32 terminalCount;
    qint32 placeType;           // row of the equipment-model table
    qint32 positionCode;
};

enum { TransClassCount = 6, TransTypeCount = 67, TransTerminalSetCount = 21 };

extern const char *const transClassNames[TransClassCount];
// The types in their fixed order, then an all-zero row.
extern const TransType transTypes[TransTypeCount + 1];

struct TransTerminalSet
{
    const char *const *names;
    qint32 count;
};
// The distinct terminal-name sets the types share.
extern const TransTerminalSet transTerminalSets[TransTerminalSetCount];

// Whether the index is a row of the catalogue.
bool isTransType(int index);
// The translated class name and type name; empty outside the tables.
QString transClassName(int transClass);
QString transTypeName(int index);
// A catalogue string translated in the context "Trans"; empty for null.
QString transText(const char *text);

#endif
