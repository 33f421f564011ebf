#include "devices/varistorcatalogue.h"

#include <QCoreApplication>

#define VT(name, placeType) {QT_TRANSLATE_NOOP("Varistor", name), placeType}

const VaristorType varistorTypes[VaristorTypeCount] = {
    VT("VOTSN-110", 32),  VT("VOTSN-220", 32),  VT("VOTSN-380", 32), VT("VOTSN-24", 32),   VT("VOTSN-36", 32),
    VT("VOTSSH-110", 32), VT("VOTSSH-220", 32), VT("VOTSSH-380", 32), VT("VK-10", 32),     VT("VK-20", 32),
    VT("RVNSH-250", 32),  VT("RM-2", 32),       VT("SN1-2-2-27", 65),
};

#undef VT

namespace {

const char *varistorTypeText(int row)
{
    return varistorTypes[row].name;
}

} // namespace

const TwoPinCatalogue varistorCatalogue = {
    "Varistor", VaristorTypeCount, varistorTypeText, nullptr, nullptr, false, false,
};
