#ifndef RLAY_GROUPCATALOGUE_H
#define RLAY_GROUPCATALOGUE_H

// What the kinds shown group by group (button, commutator, keystaff) tell
// about their catalogues: the types with their groups of contacts, and the
// forms in which an item draws a group. The model, the scene item and the
// property dialog of each such kind read their catalogue through it.

#include "devices/contactgroup.h"

#include <QString>

struct GroupCatalogue
{
    int typeCount;
    // A type's translated name; empty after a failed check outside the
    // table.
    QString (*typeName)(int type);
    // Of a type (a row of the table): the number of its groups, and of
    // each group its form, its pins as the dialog lists them and the name
    // of each pin of an item of itemKind showing it, as far as the item has
    // pins (null names where the group has none for that form).
    int (*groupCount)(int type);
    int (*groupKind)(int type, int group);
    QString (*groupText)(int type, int group);
    void (*pinNames)(int type, int group, int itemKind, const char *names[3]);
    // Whether a group of groupKind may be shown by an item of itemKind.
    bool (*takes)(int groupKind, int itemKind);
    // The forms of the items, then an all-zero row; their names are keys
    // of the context kindContext.
    const ContactGroupKind *kinds;
    int kindCount;
    const char *kindContext;

    bool isType(int type) const { return type >= 0 && type < typeCount; }
    bool isKind(int kind) const { return kind >= 0 && kind < kindCount; }
    // The translated name of a form; empty after a failed check outside the
    // table.
    QString kindName(int kind) const;
};

#endif
