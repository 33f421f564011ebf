#ifndef RLAY_KEYSTAFFCATALOGUE_H
#define RLAY_KEYSTAFFCATALOGUE_H

// The keystaff catalogue: the four kinds of contact group a keystaff item
// can show, and the two keystaff types with their groups. Project files keep
// the row index of a keystaff's type and the kind and group number of each
// item, so no row may ever move. Kind names are translation keys of the
// context "GraphicsKeystaff", type names and pin names of "Keystaff".

#include "devices/contactgroup.h"

#include <QString>
#include <QtGlobal>

// A kind: its name and the pins of an item of the kind.
using KeystaffGroupKind = ContactGroupKind;

struct KeystaffGroup
{
    qint32 kind; // row of keystaffKinds
    const char *pins[2];
};

struct KeystaffType
{
    const char *name;
    const KeystaffGroup *groups;
    qint32 groupCount;
};

enum { KeystaffKindCount = 4, KeystaffTypeCount = 2 };

// The kinds, then an all-zero row.
extern const KeystaffGroupKind keystaffKinds[KeystaffKindCount + 1];
// The types in their fixed order, then an all-zero row.
extern const KeystaffType keystaffTypes[KeystaffTypeCount + 1];

inline bool isKeystaffKind(int kind)
{
    return kind >= 0 && kind < KeystaffKindCount;
}

inline bool isKeystaffType(int type)
{
    return type >= 0 && type < KeystaffTypeCount;
}

// The translated type name; empty after a failed check outside the table.
QString keystaffModelName(int type);

// The catalogue as the keystaff, its items and its dialog read it.
struct GroupCatalogue;
extern const GroupCatalogue keystaffCatalogue;

#endif
