#ifndef RLAY_DLGPROPNET_H
#define RLAY_DLGPROPNET_H

// The property dialog of a net: the table of wire sections with their
// designations; the selected row becomes the net's section. A double click
// on a row acts as Ok.

#include "graphics/dlgpropgraphicsitem.h"

class RTreeWidget;

class DlgPropNet : public DlgPropGraphicsItem
{
    Q_OBJECT

public:
    explicit DlgPropNet(GraphicsScene *scene);

    void loadFromItem(GraphicsItem *item) override;
    // With no row selected the user is told so and the net stays as it is.
    void saveToItem(GraphicsItem *item) override;

    RTreeWidget *tree() const { return m_tree; }

private:
    RTreeWidget *m_tree;
};

#endif
