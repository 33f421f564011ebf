// The interrupter types. The order of the rows and of each row's nominals
// is stored in project files and must never change.

#include "devices/interruptercatalogue.h"

#include <QCoreApplication>

namespace {

const char *const avm2Nominals[] = {
    QT_TRANSLATE_NOOP("Interrupter", "3"),  QT_TRANSLATE_NOOP("Interrupter", "5"),
    QT_TRANSLATE_NOOP("Interrupter", "7,5"), QT_TRANSLATE_NOOP("Interrupter", "10"),
    QT_TRANSLATE_NOOP("Interrupter", "15"),
};

} // namespace

const InterrupterType interrupterTypes[InterrupterTypeCount + 1] = {
    {QT_TRANSLATE_NOOP("Interrupter", "AVM-2"), avm2Nominals, qint32(sizeof(avm2Nominals) / sizeof(avm2Nominals[0]))},
    {nullptr, nullptr, 0},
};

QString interrupterTypeName(int type)
{
    if (!isInterrupterType(type))
        return QString();
    return QCoreApplication::translate("Interrupter", interrupterTypes[type].name);
}
