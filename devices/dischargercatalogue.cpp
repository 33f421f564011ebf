#include "devices/dischargercatalogue.h"

#include <QCoreApplication>

const char *const dischargerTypes[DischargerTypeCount + 1] = {
    QT_TRANSLATE_NOOP("Discharger", "RKN-600"), QT_TRANSLATE_NOOP("Discharger", "RKN-900"),
    QT_TRANSLATE_NOOP("Discharger", "RVNSH-250"), QT_TRANSLATE_NOOP("Discharger", "RVNN-250"),
    QT_TRANSLATE_NOOP("Discharger", "RKVN-250"),
    nullptr,
};

namespace {

const char *dischargerTypeText(int row)
{
    return dischargerTypes[row];
}

} // namespace

const TwoPinCatalogue dischargerCatalogue = {
    "Discharger", DischargerTypeCount, dischargerTypeText, nullptr, nullptr, false, false,
};
