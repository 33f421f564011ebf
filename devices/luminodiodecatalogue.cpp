#include "devices/luminodiodecatalogue.h"

#include <QCoreApplication>

const char *const luminodiodeColors[LuminodiodeColorCount + 1] = {
    QT_TRANSLATE_NOOP("Luminodiode", "K"), QT_TRANSLATE_NOOP("Luminodiode", "J"), QT_TRANSLATE_NOOP("Luminodiode", "Z"),
    nullptr,
};

namespace {

const char *luminodiodeTypeText(int row)
{
    return luminodiodeColors[row];
}

} // namespace

const TwoPinCatalogue luminodiodeCatalogue = {
    "Luminodiode", LuminodiodeColorCount, luminodiodeTypeText, nullptr, nullptr, true, true,
};
