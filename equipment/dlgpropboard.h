#ifndef RLAY_DLGPROPBOARD_H
#define RLAY_DLGPROPBOARD_H

// The property dialogs of boards and panels: a table of the types the user
// may choose, each with its description, GOST number and count of places.
// Ok writes the chosen type into the item, which builds its places anew.

#include "graphics/dlgpropgraphicsitem.h"

class RTreeWidget;

// What the board and the panel dialogs share: the table of types.
class DlgPropContainerType : public DlgPropGraphicsItem
{
    Q_OBJECT

public:
    RTreeWidget *typeTree() const { return m_tree; }

    // Selects the row of the item's type.
    void loadFromItem(GraphicsItem *item) override;
    // The chosen type; with no row chosen the item is left as it was.
    void saveToItem(GraphicsItem *item) override;

protected:
    DlgPropContainerType(GraphicsScene *scene, int width, const QStringList &headers);

    // One row: the type's name, its translation in the context as the
    // description, the container kind's GOST number and count of places,
    // then the further columns.
    void addTypeRow(int type, const char *name, const char *context, int containerKind,
                    const QStringList &further);
    // After the rows: the first row shown is chosen.
    void selectFirstRow();
    // The name of a type in the table, null outside it.
    virtual const char *typeName(int type) const = 0;
    // "board type" or "panel type", for the message asking for a choice.
    virtual QString choiceName() const = 0;

protected slots:
    // Stays open, with its message, while no type is chosen.
    void btnOkClick() override;

private:
    RTreeWidget *m_tree;
};

class DlgPropBoard : public DlgPropContainerType
{
    Q_OBJECT

public:
    explicit DlgPropBoard(GraphicsScene *scene);

protected:
    const char *typeName(int type) const override;
    QString choiceName() const override;
};

// The frame layout's factory of the board dialog.
DlgPropGraphicsItem *createDlgPropBoard(GraphicsScene *scene);

#endif
