#ifndef RLAY_DLGPROPSOURCE_H
#define RLAY_DLGPROPSOURCE_H

// The property dialog of a source item: the table of the project's sources
// with their bus flags, the frames their place-create items stand for, the
// buttons that add, delete and rename sources, the item's name and its
// additional parameters (place create with a frame, or numbered within a
// group, and the frame put in front of the name).

#include "graphics/dlgpropgraphicsobjitem.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTreeWidget;

class DlgPropSource : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    explicit DlgPropSource(GraphicsScene *scene);

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    void saveObj(Obj *obj) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    // The chosen source's name and flags, and the frames of its
    // place-create items.
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    QCheckBox *chkBusR() const { return m_chkBusR; }
    QCheckBox *chkBusRB() const { return m_chkBusRB; }
    QCheckBox *chkRingBus() const { return m_chkRingBus; }
    QTreeWidget *framesTable() const { return m_framesTable; }
    QGroupBox *additionalBox() const { return m_additionalBox; }
    QButtonGroup *radioGroup() const { return m_radioGroup; }
    QLabel *groupLabel() const { return m_groupLabel; }
    QSpinBox *spinGroup() const { return m_spinGroup; }
    QSpinBox *spinFromFrame() const { return m_spinFromFrame; }
    QCheckBox *chkAddToName() const { return m_chkAddToName; }

public slots:
    // "group:" is for numbered items; "add to source name" is for place
    // create items and always on for numbered ones.
    void changeRadioBtn(int id);

protected slots:
    // An empty item name keeps the dialog open.
    void btnOkClick() override;

private:
    QCheckBox *m_chkBusR = nullptr;
    QCheckBox *m_chkBusRB = nullptr;
    QCheckBox *m_chkRingBus = nullptr;
    QTreeWidget *m_framesTable = nullptr;
    QGroupBox *m_additionalBox = nullptr;
    QButtonGroup *m_radioGroup = nullptr;
    QLabel *m_groupLabel = nullptr;
    QSpinBox *m_spinGroup = nullptr;
    QSpinBox *m_spinFromFrame = nullptr;
    QCheckBox *m_chkAddToName = nullptr;
};

DlgPropGraphicsItem *createDlgPropSource(GraphicsScene *scene);

#endif
