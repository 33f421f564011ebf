#include "graphics/graphicstag.h"

#include "graphics/clewindex.h"
#include "model/tag.h"

GraphicsTag::GraphicsTag(GraphicsScene *scene, int bindMode, int itemFlags)
    : GraphicsObjItem(scene, bindMode, nullptr, itemFlags)
{
}

Tag *GraphicsTag::tag() const
{
    return dynamic_cast<Tag *>(obj());
}

QString GraphicsTag::netName() const
{
    return name();
}

int GraphicsTag::tiedFrameNumber() const
{
    return 0;
}

void GraphicsTag::updateNetLinks(Pin *entry, QList<Pin *> &pins)
{
    if (Tag *bound = tag())
        bound->updateNetLinks(entry, pins);
}

bool GraphicsTag::isConnected(Pin *target, Pin *entry)
{
    Tag *bound = tag();
    return bound ? bound->isConnected(target, entry) : true;
}

Pin *GraphicsTag::freePinAt(const QRectF &sceneRect, Pin *asking)
{
    Pin *free = GraphicsObjItem::freePinAt(sceneRect, asking);
    if (free && ClewIndex::isConnected(this, asking, free))
        return nullptr;
    return free;
}

void GraphicsTag::collectNet(Pin *, QList<Pin *> &, QList<GraphicsUnite *> *, int)
{
}
