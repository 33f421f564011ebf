#ifndef RLAY_CONTACTGROUP_H
#define RLAY_CONTACTGROUP_H

// The contact groups of the switching devices shown group by group (buttons
// and commutators). A group has one of three forms: "ft" (a changeover
// contact: common terminal, front or upper contact, back or lower contact),
// "f" (common terminal and front contact) and "t" (common terminal and back
// contact). A scene item draws one group in a form of its own: an "ft" group
// may be drawn whole or as either half, an "f" or "t" group only as itself.
//
// Each item of such a device keeps the index of the group it shows. The
// device takes an item only on a free group that suits the item's form,
// moving it to the first such group when its own does not; indices read
// from files or the clipboard are checked against the same rules.

#include <QString>
#include <QtGlobal>

enum ContactGroupKindCode { GroupKindFT = 0, GroupKindF = 1, GroupKindT = 2, ContactGroupKindCount = 3 };

// One form: its name (a translation key of the kind's context) and the
// number of pins of an item drawn in it. The keystaff's forms are rows of
// the same shape.
struct ContactGroupKind
{
    const char *name;
    qint32 pinCount;
};

// One group of a device type: its form and exactly that form's pin count
// of pin names, common terminal first.
struct ContactGroup
{
    qint32 kind;
    const char *const *names;
};

// The number of groups of a device's table.
template <int N>
constexpr qint32 countOf(const ContactGroup (&)[N])
{
    return N;
}

// Pin names of two-contact groups that buttons and commutators share.
inline const char *const n21_22[] = {"21", "22"};
inline const char *const n31_32[] = {"31", "32"};

bool isContactGroupKind(int kind);
// 3 for "ft", 2 for "f" and "t"; 0 for anything else.
int contactGroupPinCount(int kind);
// Whether an item of the form has the front (upper) or the back (lower)
// contact.
bool groupKindHasFront(int kind);
bool groupKindHasBack(int kind);
// Whether a group of groupKind may be drawn by an item of itemKind: the
// same form, or any form of an "ft" group.
bool isGroupCompatible(int groupKind, int itemKind);

// The group's pin names joined by "-".
QString contactGroupText(const ContactGroup &group);
// The name of each pin of an item of itemKind drawing the group: the
// common terminal's, the front contact's (the second name) and the back
// contact's (the group's last name), as far as the item has them. Null
// names when the group cannot be drawn in that form.
void contactGroupPinNames(const ContactGroup &group, int itemKind, const char *names[3]);

// The group functions of a GroupCatalogue for a table of types whose rows
// list their contact groups (fields groups and groupCount).
template <class Type, const Type *types>
struct ContactGroupRows
{
    static int count(int type) { return types[type].groupCount; }
    static int kind(int type, int group) { return types[type].groups[group].kind; }
    static QString text(int type, int group) { return contactGroupText(types[type].groups[group]); }
    static void pinNames(int type, int group, int itemKind, const char *names[3])
    {
        contactGroupPinNames(types[type].groups[group], itemKind, names);
    }
};

#endif
