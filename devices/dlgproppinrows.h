#ifndef RLAY_DLGPROPPINROWS_H
#define RLAY_DLGPROPPINROWS_H

// The property dialog of an item whose pins stand in rows along its sides
// (block, box). On the left the devices of the kind with the fields that
// add, delete or rename one; on the right the item: the device it shows,
// its width, its number of rows and the table of its pin labels, of which
// only the item's rows are shown. Each kind lays its own fields in with the
// builders here.

#include "graphics/dlgpropgraphicsobjitem.h"

class QSpinBox;
class QTableWidget;
class QVBoxLayout;

class DlgPropPinRows : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    DlgPropPinRows(GraphicsScene *scene, int kind);

    QSpinBox *widthSpin() const { return m_widthSpin; }
    QSpinBox *rowsSpin() const { return m_rowsSpin; }
    QTableWidget *pinTable() const { return m_pinTable; }

public slots:
    // Shows the first n rows of the pin table.
    void spinChange(int n);

protected:
    // The left column's grid: "Name:" with the device name field, of the
    // width, in row 0 across columns 1 and 2.
    QGridLayout *createNameGrid(int nameWidth);
    // The left column: the grid with the object buttons in the row, the
    // find row and the table of the kind's devices with its columns.
    QVBoxLayout *createDeviceColumn(QGridLayout *grid, int buttonsRow, const QString &findLabel, int tableWidth,
                                    const QStringList &columns, const QList<int> &widths);
    // The right column's top: the item's device name with the choose
    // button, then the width (from minWidth to 200 in steps) and the rows
    // (1 to maxRows).
    QVBoxLayout *createItemColumn(const QString &nameLabel, const QString &widthLabel, int minWidth, int widthStep,
                                  int maxRows);
    // The pin table under the column, one row per possible row of the item
    // with an empty cell in each column, then the Ok and Cancel row; the
    // sizes of a new item (width 20, 8 rows) are shown.
    void addPinTable(QVBoxLayout *column, int width, const QStringList &headers, const QList<int> &widths);
    // The item's width, rows and device (its own name while unbound), whose
    // row the device table selects.
    void showItem(int width, int rows, Obj *device, const QString &ownName);
    // The trimmed text of a cell of the item's rows; empty for none.
    QString cellText(int row, int column) const;

private:
    QSpinBox *m_widthSpin = nullptr;
    QSpinBox *m_rowsSpin = nullptr;
    QTableWidget *m_pinTable = nullptr;
};

#endif
