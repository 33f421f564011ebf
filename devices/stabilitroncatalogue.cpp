#include "devices/stabilitroncatalogue.h"

#include <QCoreApplication>

const char *const stabilitronTypes[StabilitronTypeCount + 1] = {
    QT_TRANSLATE_NOOP("Stabilitron", "D815"), QT_TRANSLATE_NOOP("Stabilitron", "D815A"),
    QT_TRANSLATE_NOOP("Stabilitron", "D815D"), QT_TRANSLATE_NOOP("Stabilitron", "D815G"),
    nullptr,
};

namespace {

const char *stabilitronTypeText(int row)
{
    return stabilitronTypes[row];
}

} // namespace

const TwoPinCatalogue stabilitronCatalogue = {
    "Stabilitron", StabilitronTypeCount, stabilitronTypeText, nullptr, nullptr, false, false,
};
