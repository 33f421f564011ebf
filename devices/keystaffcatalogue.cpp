// The keystaff kinds and types. The row order is stored in project files and
// must never change.

#include "devices/keystaffcatalogue.h"

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
