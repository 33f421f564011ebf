#include "graphics/graphicsdeviceobj.h"

#include "graphics/graphicsscene.h"
#include "graphics/itemshared.h"
#include "model/check.h"
#include "model/project.h"

GraphicsDeviceObj::GraphicsDeviceObj(GraphicsScene *scene, int bindMode, int ownKind, int itemFlags)
    : GraphicsDevice(scene, bindMode, nullptr, itemFlags)
    , Obj(scene ? scene->project() : nullptr, ownKind)
{
}

// The own object is destroyed before the item part: its bound items are
// unbound and it leaves the index while the item is still whole.
GraphicsDeviceObj::~GraphicsDeviceObj() = default;

void GraphicsDeviceObj::saveData(DataStream &stream)
{
    GraphicsDevice::saveData(stream);
    Obj::write(stream);
}

void GraphicsDeviceObj::loadData(DataStream &stream)
{
    GraphicsDevice::loadData(stream);
    Obj::read(stream);
}

Obj *GraphicsDeviceObj::makeUniqueName()
{
    Project *project = sceneProject();
    if (!CHECK_PTR(project))
        return nullptr;
    // Another object of the own kind that bears the name (never the own
    // object itself, should it be indexed already).
    auto ownTaken = [&](const QString &name) {
        Obj *found = project->findObj(kind(), name);
        return found && found != ownObj();
    };

    if (ownName() != Obj::name()) {
        Obj *accepting = GraphicsDevice::makeUniqueName();
        QString own = Obj::name();
        while (ownTaken(own))
            own += uniqueMark;
        setStoredName(own);
        return accepting;
    }

    QString shared = ownName();
    Obj *found = project->findObj(objType(), shared);
    while ((found && !takesItem(found)) || ownTaken(shared)) {
        shared += uniqueMark;
        found = project->findObj(objType(), shared);
    }
    setOwnName(shared);
    setStoredName(shared);
    return found;
}

void GraphicsDeviceObj::allPins(QList<Pin *> &pins)
{
    GraphicsDevice::allPins(pins);
    Obj::allPins(pins);
}

void GraphicsDeviceObj::pinsByName(QHash<QString, Pin *> &pins)
{
    GraphicsDevice::pinsByName(pins);
    Obj::pinsByName(pins);
}
