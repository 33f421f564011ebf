#include "devices/dlgpropplughole.h"

#include "devices/graphicsplughole.h"
#include "devices/plughole.h"
#include "model/check.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

namespace {

const TwoPinDialogForm plugholeForm = {
    "DlgPropPlughole", QT_TRANSLATE_NOOP("DlgPropPlughole", "Find Plughole:"), false, 200, 200,
    QT_TRANSLATE_NOOP("DlgPropPlughole", "Plughole name:"), 100, nullptr, nullptr, nullptr, 0, 60,
};

// The spacings offered, in tens of scene units.
const int minSpacing = 4;

} // namespace

DlgPropPlughole::DlgPropPlughole(GraphicsScene *scene)
    : DlgPropTwoPin(scene, PlugholeKind, plugholeCatalogue, plugholeForm)
{
    grid()->addWidget(new QLabel(tr("Width between pins:"), this), 1, 0);
    m_spacingSpin = new QSpinBox(this);
    m_spacingSpin->setRange(minSpacing, plugholeMaxSpacing);
    m_spacingSpin->setSingleStep(minSpacing);
    grid()->addWidget(m_spacingSpin, 1, 1);
    m_outsideCheck = new QCheckBox(tr("pins outside graphics"), this);
    grid()->addWidget(m_outsideCheck, 2, 0, 1, 2);
}

DlgPropPlughole::~DlgPropPlughole() = default;

void DlgPropPlughole::loadFromItem(GraphicsItem *graphics)
{
    if (auto *item = dynamic_cast<GraphicsPlughole *>(graphics)) {
        m_outsideCheck->setChecked(item->pinsOutside());
        m_spacingSpin->setValue(item->pinSpacing());
    }
    DlgPropTwoPin::loadFromItem(graphics);
}

void DlgPropPlughole::saveToItem(GraphicsItem *graphics)
{
    auto *item = dynamic_cast<GraphicsPlughole *>(graphics);
    if (!CHECK_PTR(item))
        return;
    item->setPinsOutside(m_outsideCheck->isChecked());
    item->setPinSpacing(m_spacingSpin->value());
    DlgPropTwoPin::saveToItem(graphics);
}

DlgPropGraphicsItem *createDlgPropPlughole(GraphicsScene *scene)
{
    return new DlgPropPlughole(scene);
}
