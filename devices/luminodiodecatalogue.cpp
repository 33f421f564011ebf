#include "devices/luminodiodecatalogue.h"

#include <QCoreApplication>

const char *const luminodiodeColors[LuminodiodeColorCount + 1] = {
    QT_TRANSLATE_NOOP("Luminodiode", "K"), QT_TRANSLATE_NOOP("Luminodiode", "J"), QT_TRANSLATE_NOOP("Luminodiode", "Z"),
    nullptr,
};

namespace {

const char *typeText(int row)
{
    return luminodiodeColors[row];
}

} // namespace

const TwoPinCatalogue luminodiodeCatalogue = {
    "Luminodiode", LuminodiodeColorCount, typeText, nullptr, nullptr, true, true,
};
