// The keystaff kinds and types. The row order is stored in project files and
// must never change.

#include "devices/keystaffcatalogue.h"

#include "devices/groupcatalogue.h"
#include "graphics/font.h"
#include "model/check.h"

#include <QCoreApplication>

const KeystaffGroupKind keystaffKinds[KeystaffKindCount + 1] = {
    {QT_TRANSLATE_NOOP("GraphicsKeystaff", "Stand closed"), 2},
    {QT_TRANSLATE_NOOP("GraphicsKeystaff", "Stand opened"), 2},
    {QT_TRANSLATE_NOOP("GraphicsKeystaff", "Contact t"), 2},
    {QT_TRANSLATE_NOOP("GraphicsKeystaff", "Resistor"), 2},
    {nullptr, 0},
};

namespace {

const KeystaffGroup standGroups[] = {
    {0, {"1", "2"}},
    {1, {"3", "4"}},
};

const KeystaffGroup lockGroups[] = {
    {1, {"1", "2"}},
    {0, {"3", "4"}},
    {2, {"11", "13"}},
    {2, {"21", "23"}},
    {3, {"1z", "2z"}},
};

} // namespace

const KeystaffType keystaffTypes[KeystaffTypeCount + 1] = {
    {QT_TRANSLATE_NOOP("Keystaff", "Stand."), standGroups, qint32(sizeof(standGroups) / sizeof(standGroups[0]))},
    {QT_TRANSLATE_NOOP("Keystaff", "With electrical lock"), lockGroups,
     qint32(sizeof(lockGroups) / sizeof(lockGroups[0]))},
    {nullptr, nullptr, 0},
};

QString keystaffModelName(int type)
{
    if (!CHECK(isKeystaffType(type)))
        return QString();
    return QCoreApplication::translate("Keystaff", keystaffTypes[type].name);
}

namespace {

int groupCount(int type)
{
    return keystaffTypes[type].groupCount;
}

int groupKind(int type, int group)
{
    return keystaffTypes[type].groups[group].kind;
}

// The two pin names, each translated, joined.
QString groupText(int type, int group)
{
    const KeystaffGroup &shown = keystaffTypes[type].groups[group];
    return QCoreApplication::translate("Keystaff", shown.pins[0]) + nameSeparator
        + QCoreApplication::translate("Keystaff", shown.pins[1]);
}

// Every kind has the two pins of its group.
void pinNames(int type, int group, int, const char *names[3])
{
    names[0] = keystaffTypes[type].groups[group].pins[0];
    names[1] = keystaffTypes[type].groups[group].pins[1];
}

// A group is shown only in its own kind.
bool sameKind(int groupKind, int itemKind)
{
    return groupKind == itemKind;
}

} // namespace

const GroupCatalogue keystaffCatalogue = {
    KeystaffTypeCount, keystaffModelName, groupCount, groupKind, groupText, pinNames,
    sameKind, keystaffKinds, KeystaffKindCount, "GraphicsKeystaff",
};
