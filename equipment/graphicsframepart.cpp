#include "equipment/graphicsframepart.h"

#include "devices/clampcatalogue.h"
#include "equipment/frame.h"
#include "equipment/framelayout.h"
#include "equipment/frametypes.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/panelcatalogue.h"
#include "equipment/place.h"
#include "model/check.h"

GraphicsFramePart::GraphicsFramePart(GraphicsScene *scene, int partKind)
    : GraphicsPlaceContainer(scene, nullptr)
    , m_partKind(partKind)
{
    // Stacked at 0 and neither movable nor selectable, as the base leaves
    // it.
}

int GraphicsFramePart::containerType() const
{
    CHECK(false);
    return -1;
}

bool GraphicsFramePart::setContainerType(int)
{
    CHECK(false);
    return false;
}

void GraphicsFramePart::drawPlaceText(QPainter *painter, const QRectF &rect, int, Place *place, const char *note)
{
    GraphicsPlaceContainer::drawPlaceText(painter, rect, Qt::AlignCenter, place, note);
    // The band of a panel's place names the panel's bus, or the buses of
    // the panels a carrier holds, one above the other.
    auto *panel = place ? dynamic_cast<GraphicsFramePanel *>(place->item()) : nullptr;
    if (!panel || !panelTypeInfo(panel->containerType()))
        return;
    if (panel->isWiredPanel()) {
        panel->drawBusName(painter, rect);
        return;
    }
    QRectF band = rect;
    for (Place *inner : panel->places()) {
        if (auto *held = dynamic_cast<GraphicsFramePanel *>(inner->item())) {
            held->drawBusName(painter, band);
            band.translate(0, -160);
        }
    }
}

int GraphicsFramePart::clampPanelType() const
{
    if (!CHECK(m_partKind >= 0 && m_partKind < framePartKindCount))
        return 0;
    return framePartKinds[m_partKind].clampPanelType;
}

bool GraphicsFramePart::hasClampPanelModel(int model) const
{
    const int type = clampPanelType();
    return type != 0 && clampPanelTypeHasModel(type, model);
}

int GraphicsFramePart::clampPanelModel() const
{
    const int type = clampPanelType();
    if (type == 0)
        return -1;
    if (!CHECK(type > 0 && type < clampPanelTypeCount))
        return -1;
    const ClampPanelType &row = clampPanelTypes[type];
    if (row.count > 1) {
        auto *layout = qobject_cast<FrameLayout *>(graphicsScene());
        Frame *frame = layout ? layout->frame() : nullptr;
        const int chosen = frame ? frame->defaultClampPanelModel() : -1;
        if (chosen != -1 && layout->partForClampPanelModel(chosen) == this && hasClampPanelModel(chosen))
            return chosen;
    }
    return defaultClampPanelModel(type);
}

QVariant GraphicsFramePart::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemPositionChange)
        return value;
    return GraphicsPlaceContainer::itemChange(change, value);
}
