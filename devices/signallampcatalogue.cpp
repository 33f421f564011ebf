#include "devices/signallampcatalogue.h"

#include <QCoreApplication>

const char *const signallampColors[SignallampColorCount + 1] = {
    QT_TRANSLATE_NOOP("Signallamp", "K"), QT_TRANSLATE_NOOP("Signallamp", "J"), QT_TRANSLATE_NOOP("Signallamp", "Z"),
    QT_TRANSLATE_NOOP("Signallamp", "B"), QT_TRANSLATE_NOOP("Signallamp", "S"),
    nullptr,
};

namespace {

const char *signallampTypeText(int row)
{
    return signallampColors[row];
}

} // namespace

const TwoPinCatalogue signallampCatalogue = {
    "Signallamp", SignallampColorCount, signallampTypeText, nullptr, nullptr, true, true,
};
