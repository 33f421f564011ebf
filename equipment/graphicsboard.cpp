#include "equipment/graphicsboard.h"

#include "equipment/boardcatalogue.h"
#include "model/check.h"

GraphicsBoard::GraphicsBoard(GraphicsScene *scene)
    : GraphicsPlaceContainer(scene, nullptr, ItemIsMovable | ItemIsSelectable)
{
    setZValue(2);
}

bool GraphicsBoard::setContainerType(int type)
{
    if (type == m_boardType)
        return boardTypeInfo(type) != nullptr;
    if (!CHECK(!staysInPlace()))
        return false;
    m_boardType = type;
    const BoardTypeInfo *row = boardTypeInfo(type);
    if (!CHECK(row != nullptr))
        return false;
    setContainerKind(row->containerKind);
    return true;
}

GraphicsItem *createGraphicsBoard(GraphicsScene *scene)
{
    return new GraphicsBoard(scene);
}
