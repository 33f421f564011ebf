#ifndef RLAY_BUTTONCATALOGUE_H
#define RLAY_BUTTONCATALOGUE_H

// The button catalogue: every push-button type with its contact groups, and
// the three forms in which a button item draws a group. Project files keep
// only indices into these tables, so no row may ever move. The type names
// are translation keys of the context "Button", the form names of the
// context "GraphicsButton".

#include "devices/contactgroup.h"

#include <QString>
#include <QtGlobal>

// One button type: latchMark adds the latch mark to the stem, noCap draws
// the switch without the push cap.
struct ButtonType
{
    const char *name;
    bool latchMark;
    const ContactGroup *groups;
    qint32 groupCount;
    bool noCap;
};

enum { ButtonTypeCount = 22 };
// The types in their fixed order, then an all-zero row.
extern const ButtonType buttonTypes[ButtonTypeCount + 1];
// "ft", "f" and "t", then an all-zero row.
extern const ContactGroupKind buttonContactKinds[ContactGroupKindCount + 1];

// The row of a type index; null after a failed check outside the table.
const ButtonType *buttonType(int index);
// The translated type name; empty after a failed check.
QString buttonModelName(int index);
// Whether a group of groupKind takes a button item of itemKind.
bool isButtonGroupCompatible(int groupKind, int itemKind);

// The catalogue as the button, its items and its dialog read it.
struct GroupCatalogue;
extern const GroupCatalogue buttonCatalogue;

#endif
