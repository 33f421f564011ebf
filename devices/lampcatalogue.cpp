// The lamp types. Rows are stored in project files by their index and must
// never move.

#include "devices/lampcatalogue.h"

#include "devices/equipmentrows.h"

#include <QCoreApplication>

namespace {

// Rows of the equipment-model table.
const int lampPlace = 107;

} // namespace

const LampType lampTypes[LampTypeCount + 1] = {
    {QT_TRANSLATE_NOOP("Lamp", "NB220-60"), lampPlace},
    {QT_TRANSLATE_NOOP("Lamp", "NB220-100"), lampPlace},
    {QT_TRANSLATE_NOOP("Lamp", "KM-24"), lampFuPlace},
    {QT_TRANSLATE_NOOP("Lamp", "NB220-25"), lampPlace},
    {nullptr, 0},
};

bool isLampType(int index)
{
    return index >= 0 && index < LampTypeCount;
}

QString lampTypeName(int index)
{
    if (!isLampType(index))
        return QString();
    return QCoreApplication::translate("Lamp", lampTypes[index].name);
}
