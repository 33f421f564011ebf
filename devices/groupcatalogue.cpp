#include "devices/groupcatalogue.h"

#include "model/check.h"

#include <QCoreApplication>

QString GroupCatalogue::kindName(int kind) const
{
    if (!CHECK(isKind(kind)))
        return QString();
    return QCoreApplication::translate(kindContext, kinds[kind].name);
}
