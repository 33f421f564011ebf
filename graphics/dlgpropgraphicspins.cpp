#include "graphics/dlgpropgraphicspins.h"

#include "graphics/graphicspins.h"
#include "graphics/graphicsscene.h"
#include "model/check.h"

#include <QtGlobal>

#include <cmath>

namespace {

double lengthFromEndPins(GraphicsPins *net)
{
    Pin *first = net ? net->pin(0) : nullptr;
    Pin *second = net ? net->pin(1) : nullptr;
    if (!first || !second)
        return 0;
    const QPointF a = net->mapToScene(first->center());
    const QPointF b = net->mapToScene(second->center());
    return qMax(std::fabs(b.x() - a.x()), std::fabs(b.y() - a.y()));
}

DlgPropGraphicsPins::NetLengthFunction netLengthFunction = nullptr;

bool hasFreePin(GraphicsPins *item)
{
    for (int i = 0; i < item->pinCount(); ++i) {
        Pin *p = item->pin(i);
        if (p && p->isFree())
            return true;
    }
    return false;
}

} // namespace

DlgPropGraphicsPins::DlgPropGraphicsPins(GraphicsScene *scene)
    : DlgPropGraphicsItem(scene)
{
}

void DlgPropGraphicsPins::saveToItem(GraphicsItem *item)
{
    GraphicsPins *pinned = toNonPrimitiveItem(item);
    if (CHECK_PTR(pinned))
        pinned->joinAllPins();
    removeShortFreeNets(m_scene);
}

double DlgPropGraphicsPins::netLength(GraphicsPins *net)
{
    return netLengthFunction ? netLengthFunction(net) : lengthFromEndPins(net);
}

void DlgPropGraphicsPins::setNetLengthFunction(NetLengthFunction function)
{
    netLengthFunction = function;
}

void DlgPropGraphicsPins::removeShortFreeNets(GraphicsScene *scene)
{
    if (!scene)
        return;
    const QList<GraphicsItem *> items = scene->graphicsItems();
    for (GraphicsItem *item : items) {
        if (!item || item->type() != NetType || item->isSelected())
            continue;
        auto *net = dynamic_cast<GraphicsPins *>(item);
        if (net && netLength(net) < ShortNetLength && hasFreePin(net))
            scene->removeGraphicsItem(net);
    }
}
