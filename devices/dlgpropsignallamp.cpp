#include "devices/dlgpropsignallamp.h"

#include "devices/signallampcatalogue.h"
#include "model/obj.h"

#include <QCoreApplication>

namespace {

const TwoPinDialogForm signallampForm = {
    "DlgPropSignallamp", QT_TRANSLATE_NOOP("DlgPropSignallamp", "Find signallamp:"), true, 270, 200,
    QT_TRANSLATE_NOOP("DlgPropSignallamp", "Name:"), 80, QT_TRANSLATE_NOOP("DlgPropSignallamp", "Color"),
    QT_TRANSLATE_NOOP("DlgPropSignallamp", "Color:"), QT_TRANSLATE_NOOP("DlgPropSignallamp", "N"), 30, 50,
};

} // namespace

DlgPropSignallamp::DlgPropSignallamp(GraphicsScene *scene)
    : DlgPropTwoPin(scene, SignallampKind, signallampCatalogue, signallampForm)
{
}

DlgPropSignallamp::~DlgPropSignallamp() = default;

DlgPropGraphicsItem *createDlgPropSignallamp(GraphicsScene *scene)
{
    return new DlgPropSignallamp(scene);
}
