#include "devices/ammetercatalogue.h"

#include <QCoreApplication>

const char *const ammeterTypes[AmmeterTypeCount + 1] = {
    QT_TRANSLATE_NOOP("Ammeter", "E-377,5A"), QT_TRANSLATE_NOOP("Ammeter", "E-140"),
    nullptr,
};

namespace {

const char *typeText(int row)
{
    return ammeterTypes[row];
}

} // namespace

const TwoPinCatalogue ammeterCatalogue = {
    "Ammeter", AmmeterTypeCount, typeText, nullptr, nullptr, true, false,
};
