#include "devices/bellcatalogue.h"

#include <QCoreApplication>

const char *const bellTypes[BellTypeCount + 1] = {
    QT_TRANSLATE_NOOP("Bell", "ZPT-12"), QT_TRANSLATE_NOOP("Bell", "ZPT-24"), QT_TRANSLATE_NOOP("Bell", "ZPT-80"),
    QT_TRANSLATE_NOOP("Bell", "S-03-12V"),
    nullptr,
};

namespace {

const char *bellTypeText(int row)
{
    return bellTypes[row];
}

} // namespace

const TwoPinCatalogue bellCatalogue = {
    "Bell", BellTypeCount, bellTypeText, nullptr, nullptr, false, false,
};
