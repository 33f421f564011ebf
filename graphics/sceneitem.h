#ifndef RLAY_SCENEITEM_H
#define RLAY_SCENEITEM_H

// The project-tree row of a document sheet: a double click opens the sheet,
// and a change below marks the sheet modified.

#include "model/projectitemowner.h"

class GraphicsScene;

class SceneItem : public ProjectItemOwner<GraphicsScene>
{
public:
    explicit SceneItem(GraphicsScene *scene, ProjectItemBase *parent = nullptr);

    // The project asks for the sheet to be shown.
    void doubleClicked() override;
    // Passed up first, then the sheet becomes modified.
    void setChanged() override;
};

#endif
