#include "devices/dlgpropvaristor.h"

#include "devices/varistorcatalogue.h"
#include "model/obj.h"

#include <QCoreApplication>

namespace {

const TwoPinDialogForm varistorForm = {
    "DlgPropVaristor", QT_TRANSLATE_NOOP("DlgPropVaristor", "Find Varistor:"), false, 230, 200,
    QT_TRANSLATE_NOOP("DlgPropVaristor", "Name:"), 80, QT_TRANSLATE_NOOP("DlgPropVaristor", "Type"),
    QT_TRANSLATE_NOOP("DlgPropVaristor", "Type:"), nullptr, 0, 50,
};

} // namespace

DlgPropVaristor::DlgPropVaristor(GraphicsScene *scene)
    : DlgPropTwoPin(scene, VaristorKind, varistorCatalogue, varistorForm)
{
}

DlgPropVaristor::~DlgPropVaristor() = default;

DlgPropGraphicsItem *createDlgPropVaristor(GraphicsScene *scene)
{
    return new DlgPropVaristor(scene);
}
