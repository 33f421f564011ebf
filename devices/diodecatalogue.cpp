#include "devices/diodecatalogue.h"

#include <QCoreApplication>

const char *const diodeTypes[DiodeTypeCount + 1] = {
    QT_TRANSLATE_NOOP("Diode", "KD205A"), QT_TRANSLATE_NOOP("Diode", "D105A"), QT_TRANSLATE_NOOP("Diode", "D226B"),
    QT_TRANSLATE_NOOP("Diode", "KD105B"), QT_TRANSLATE_NOOP("Diode", "KD103B"),
    nullptr,
};

namespace {

const char *diodeTypeText(int row)
{
    return diodeTypes[row];
}

} // namespace

const TwoPinCatalogue diodeCatalogue = {
    "Diode", DiodeTypeCount, diodeTypeText, nullptr, nullptr, false, false,
};
