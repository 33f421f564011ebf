#include "devices/ammetercatalogue.h"

#include <QCoreApplication>

const char *const ammeterTypes[AmmeterTypeCount + 1] = {
    QT_TRANSLATE_NOOP("Ammeter", "E-377,5A"), QT_TRANSLATE_NOOP("Ammeter", "E-140"),
    nullptr,
};

namespace {

const char *ammeterTypeText(int row)
{
    return ammeterTypes[row];
}

} // namespace

const TwoPinCatalogue ammeterCatalogue = {
    "Ammeter", AmmeterTypeCount, ammeterTypeText, nullptr, nullptr, true, false,
};
