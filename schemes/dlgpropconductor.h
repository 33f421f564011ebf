#ifndef RLAY_DLGPROPCONDUCTOR_H
#define RLAY_DLGPROPCONDUCTOR_H

// The property dialog of a conductor item: the table of the project's
// conductors with their data and the sheets of their main graphic and
// solder-with-bottom duplicate; the conductor's data (count, cable, ring,
// twisted pair, polarity) with the buttons that add, delete and rename
// conductors; the item's name and whether it is a duplicate graphic, and of
// which sort.

#include "graphics/dlgpropgraphicsobjitem.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QRadioButton;
class QSpinBox;

class DlgPropConductor : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    explicit DlgPropConductor(GraphicsScene *scene);

    void loadFromItem(GraphicsItem *item) override;
    // The item's sort and name; an item whose new sort its conductor
    // already has elsewhere leaves the conductor.
    void saveToItem(GraphicsItem *item) override;
    void saveObj(Obj *obj) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    QSpinBox *spinCount() const { return m_spinCount; }
    QLineEdit *edCableName() const { return m_edCableName; }
    QCheckBox *chkRing() const { return m_chkRing; }
    QCheckBox *chkTwistedPair() const { return m_chkTwistedPair; }
    QGroupBox *polarityBox() const { return m_polarityBox; }
    QRadioButton *rbPK() const { return m_rbPK; }
    QRadioButton *rbRK() const { return m_rbRK; }
    QGroupBox *duplicateBox() const { return m_duplicateBox; }
    QButtonGroup *duplicateGroup() const { return m_duplicateGroup; }

protected slots:
    // An empty item name keeps the dialog open.
    void btnOkClick() override;

private:
    QSpinBox *m_spinCount = nullptr;
    QLineEdit *m_edCableName = nullptr;
    QCheckBox *m_chkRing = nullptr;
    QCheckBox *m_chkTwistedPair = nullptr;
    QGroupBox *m_polarityBox = nullptr;
    QRadioButton *m_rbPK = nullptr;
    QRadioButton *m_rbRK = nullptr;
    QGroupBox *m_duplicateBox = nullptr;
    QButtonGroup *m_duplicateGroup = nullptr;
};

DlgPropGraphicsItem *createDlgPropConductor(GraphicsScene *scene);

#endif
