#include "devices/dlgpropluminodiode.h"

#include "devices/luminodiodecatalogue.h"
#include "model/obj.h"

#include <QCoreApplication>

namespace {

const TwoPinDialogForm luminodiodeForm = {
    "DlgPropLuminodiode", QT_TRANSLATE_NOOP("DlgPropLuminodiode", "Find luminodiode:"), true, 270, 200,
    QT_TRANSLATE_NOOP("DlgPropLuminodiode", "Name:"), 80, QT_TRANSLATE_NOOP("DlgPropLuminodiode", "Color"),
    QT_TRANSLATE_NOOP("DlgPropLuminodiode", "Color:"), QT_TRANSLATE_NOOP("DlgPropLuminodiode", "N"), 30, 50,
};

} // namespace

DlgPropLuminodiode::DlgPropLuminodiode(GraphicsScene *scene)
    : DlgPropTwoPin(scene, LuminodiodeKind, luminodiodeCatalogue, luminodiodeForm)
{
}

DlgPropLuminodiode::~DlgPropLuminodiode() = default;

DlgPropGraphicsItem *createDlgPropLuminodiode(GraphicsScene *scene)
{
    return new DlgPropLuminodiode(scene);
}
