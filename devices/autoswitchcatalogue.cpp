#include "devices/autoswitchcatalogue.h"

#include "model/check.h"

#include <QCoreApplication>

const char *const autoSwitchTypes[AutoSwitchTypeCount + 1] = {
    QT_TRANSLATE_NOOP("AutoSwitch", "ADN"),
    nullptr,
};

const char *const autoSwitchPinNames[AutoSwitchPinCount] = {"SH1", "SH2", "SH3"};

QString autoSwitchModelName(int index)
{
    if (!CHECK(index >= 0 && index < AutoSwitchTypeCount))
        return QString();
    return QCoreApplication::translate("AutoSwitch", autoSwitchTypes[index]);
}
