#include "support/schemetestitems.h"

namespace schemetest {

TestDevice::TestDevice(GraphicsScene *scene, int type)
    : boundtest::TestDeviceItem(scene, type, GraphicsObjItem::BindOwned, ResistorKind)
{
    pin(1)->moveCenter(QPointF(80, 0));
}

TestClamp::TestClamp(GraphicsScene *scene, int type)
    : GraphicsPins(scene, nullptr, 3)
    , m_type(type)
{
    createPins(1);
    pin(0)->moveCenter(QPointF(0, 0));
}

DeviceScheme::DeviceScheme(Project *project)
    : Scheme(project)
{
    setSheetFormat(PaperA3, true, 1);
}

GraphicsItem *DeviceScheme::createItem(int type)
{
    if (type == DeviceType)
        return new TestDevice(this);
    if (type == ClampType || type == PassageType)
        return new TestClamp(this, type);
    return Scheme::createItem(type);
}

void DeviceScheme::notifyItem(GraphicsItem *item)
{
    notified.append(item);
    Scheme::notifyItem(item);
}

TestDevice *device(GraphicsScene &scene, const QPointF &pos)
{
    return put(scene, new TestDevice(&scene), pos);
}

GraphicsNet *net(GraphicsScene &scene, const QPointF &a, const QPointF &b)
{
    auto *wire = put(scene, new GraphicsNet(&scene), a);
    wire->moveEnds(wire->pin(0), QPointF(0, 0), wire->pin(1), b - a);
    return wire;
}

GraphicsNet *straightNet(GraphicsScene &scene, const QPointF &a, const QPointF &b)
{
    auto *wire = put(scene, new GraphicsNet(&scene), QPointF(0, 0));
    wire->moveEnds(wire->pin(0), a, wire->pin(1), b);
    return wire;
}

QPointF end(GraphicsNet *net, int index)
{
    return net->mapToScene(net->pin(index)->center());
}

QList<GraphicsNet *> nets(GraphicsScene &scene)
{
    QList<GraphicsNet *> result;
    for (GraphicsItem *item : scene.graphicsItems()) {
        if (GraphicsNet *wire = graphicsNetCast(item))
            result.append(wire);
    }
    return result;
}

int countOf(GraphicsScene &scene, int type)
{
    int count = 0;
    for (GraphicsItem *item : scene.graphicsItems())
        count += item->type() == type ? 1 : 0;
    return count;
}

QList<Pin *> clew(Pin *pin)
{
    QList<Pin *> pins;
    pin->collectNetPinsAcross(pins);
    return pins;
}

bool soldered(Pin *a, Pin *b)
{
    return a && b && a->partner() == b && b->partner() == a;
}

} // namespace schemetest
