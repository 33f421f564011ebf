#ifndef RLAY_DLGPROPBOX_H
#define RLAY_DLGPROPBOX_H

// The property dialog of a box item (see DlgPropPinRows). On the left the
// boxes of the project with the number of items of each and the fields that
// add, delete or rename a box; on the right the item: the box it shows, its
// width, its rows, whether its border is drawn, and the table of its pins, a
// label and a number of cores on each side.

#include "devices/dlgproppinrows.h"

class QCheckBox;

class DlgPropBox : public DlgPropPinRows
{
    Q_OBJECT

public:
    // The columns of the pin table.
    enum { LeftLabel = 0, LeftCores = 1, RightCores = 2, RightLabel = 3 };

    explicit DlgPropBox(GraphicsScene *scene);
    ~DlgPropBox() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    QCheckBox *borderCheck() const { return m_borderCheck; }

    // The cores a cell's text gives: a decimal number kept in 8 bits, 1
    // when that is 0 or the text is no number.
    static quint8 coresFromText(const QString &text);

private:
    QCheckBox *m_borderCheck = nullptr;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropBox(GraphicsScene *scene);

#endif
