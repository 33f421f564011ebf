#include "devices/dlgpropbell.h"

#include "devices/bellcatalogue.h"
#include "model/obj.h"

#include <QCoreApplication>

namespace {

const TwoPinDialogForm bellForm = {
    "DlgPropBell", QT_TRANSLATE_NOOP("DlgPropBell", "Find:"), true, 240, 200,
    QT_TRANSLATE_NOOP("DlgPropBell", "Name:"), 80, QT_TRANSLATE_NOOP("DlgPropBell", "Type"),
    QT_TRANSLATE_NOOP("DlgPropBell", "Type:"), nullptr, 0, 50,
};

} // namespace

DlgPropBell::DlgPropBell(GraphicsScene *scene)
    : DlgPropTwoPin(scene, BellKind, bellCatalogue, bellForm)
{
}

DlgPropBell::~DlgPropBell() = default;

DlgPropGraphicsItem *createDlgPropBell(GraphicsScene *scene)
{
    return new DlgPropBell(scene);
}
