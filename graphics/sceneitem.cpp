#include "graphics/sceneitem.h"

#include "graphics/graphicsscene.h"
#include "model/check.h"
#include "model/project.h"

SceneItem::SceneItem(GraphicsScene *scene, ProjectItemBase *parent)
    : ProjectItemOwner<GraphicsScene>(scene, parent)
{
}

void SceneItem::doubleClicked()
{
    GraphicsScene *scene = owner();
    if (!CHECK_PTR(scene) || !CHECK_PTR(scene->project()))
        return;
    scene->project()->emitShowGraphicsScene(*scene, nullptr);
}

void SceneItem::setChanged()
{
    ProjectItemOwner<GraphicsScene>::setChanged();
    if (GraphicsScene *scene = owner())
        scene->setModified(true);
}
