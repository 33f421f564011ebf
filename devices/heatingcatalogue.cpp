// The heating types and terminals. Rows are stored in project files by
// their index and must never move.

#include "devices/heatingcatalogue.h"

#include <QCoreApplication>

const char *const heatingTypes[HeatingTypeCount + 1] = {
    QT_TRANSLATE_NOOP("Heating", "DTKB-49"),
    nullptr,
};

const HeatingPin heatingPins[HeatingPinCount] = {
    {"V1-2", 80, 90, false, false},         {"V2-2", 80, 310, false, false},
    {"L1-1", 2400, 30, true, true},         {"L2-1", 2400, 250, true, true},
    {"SH.R.2-2", 1000, 310, false, true},   {"SH.R.2-1", 1000, 250, true, true},
    {"SH.R.1-2", 1000, 90, false, true},    {"SH.R.1-1", 1000, 30, true, true},
    {"OB-1", 1650, 30, true, true},         {"OB-2", 1650, 90, false, true},
    {"TD-2", 1650, 310, false, true},       {"TD-1", 1650, 250, true, true},
};

bool isHeatingType(int index)
{
    return index >= 0 && index < HeatingTypeCount;
}

QString heatingTypeName(int index)
{
    if (!isHeatingType(index))
        return QString();
    return QCoreApplication::translate("Heating", heatingTypes[index]);
}
