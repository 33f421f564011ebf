#ifndef RLAY_COMMUTATORCATALOGUE_H
#define RLAY_COMMUTATORCATALOGUE_H

// The commutator catalogue: every key and switch type with its contact
// groups, and the three forms in which a commutator item draws a group.
// Project files keep only indices into these tables, so no row may ever
// move. The type names are translation keys of the context "Commutator",
// the form names of the context "GraphicsCommutator".

#include "devices/contactgroup.h"

#include <QString>
#include <QtGlobal>

struct CommutatorType
{
    const char *name;
    const ContactGroup *groups;
    qint32 groupCount;
};

enum { CommutatorTypeCount = 10 };
// The type whose pin names are long and whose item is drawn wider.
enum { CommutatorTypeP2G = 9 };
// The types in their fixed order, then an all-zero row.
extern const CommutatorType commutatorTypes[CommutatorTypeCount + 1];
// "ft", "f" and "t", then an all-zero row.
extern const ContactGroupKind commutatorContactKinds[ContactGroupKindCount + 1];

// The row of a type index; null after a failed check outside the table.
const CommutatorType *commutatorType(int index);
// The translated type name; empty after a failed check.
QString commutatorModelName(int index);

// The catalogue as the commutator, its items and its dialog read it.
struct GroupCatalogue;
extern const GroupCatalogue commutatorCatalogue;

#endif
