#ifndef RLAY_DLGPROPBOX_H
#define RLAY_DLGPROPBOX_H

// The property dialog of a box item. On the left the boxes of the project
// with the number of items of each and the fields that add, delete or
// rename a box; on the right the item: the box it shows, its width, its
// rows, whether its border is drawn, and the table of its pins, a label and
// a number of cores on each side.

#include "model/dlgpropgraphicsobjitem.h"

class QCheckBox;
class QSpinBox;
class QTableWidget;

class DlgPropBox : public DlgPropGraphicsObjItem
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

    QSpinBox *widthSpin() const { return m_widthSpin; }
    QSpinBox *rowsSpin() const { return m_rowsSpin; }
    QCheckBox *borderCheck() const { return m_borderCheck; }
    QTableWidget *pinTable() const { return m_pinTable; }

    // The cores a cell's text gives: a decimal number kept in 8 bits, 1
    // when that is 0 or the text is no number.
    static quint8 coresFromText(const QString &text);

public slots:
    // Shows the first n rows of the pin table.
    void spinChange(int n);

private:
    QSpinBox *m_widthSpin = nullptr;
    QSpinBox *m_rowsSpin = nullptr;
    QCheckBox *m_borderCheck = nullptr;
    QTableWidget *m_pinTable = nullptr;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropBox(GraphicsScene *scene);

#endif
