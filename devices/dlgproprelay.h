#ifndef RLAY_DLGPROPRELAY_H
#define RLAY_DLGPROPRELAY_H

// The property dialog of a relay winding item. The user names the relay and
// the winding, picks the relay type, one of its windings and one connection
// variant from the picture buttons, and may invert the lower coil ends. The
// dialog can take over a relay of the project from its table, which also
// shows the windings of that relay that are placed already. On OK the
// entries are validated; the relay of the entered name is found or created,
// the item is bound to it and the winding's contacts are bound again.

#include "graphics/dlgpropgraphicsobjitem.h"

class PushButtonRelayWinding;
class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class RLineEdit;

class DlgPropRelay : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    using DlgPropGraphicsObjItem::btnChoiseClick;

    enum { ButtonCount = 10 };

    explicit DlgPropRelay(GraphicsScene *scene);
    ~DlgPropRelay() override;

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    // Lists the winding items of the chosen relay.
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    QTreeWidget *windingsTable() const { return m_windingsTable; }
    RLineEdit *edFindType() const { return m_edFindType; }
    QTreeWidget *typeTree() const { return m_typeTree; }
    QLineEdit *edWindingName() const { return m_edWindingName; }
    QTreeWidget *windingTree() const { return m_windingTree; }
    QCheckBox *chkDiagonal() const { return m_chkDiagonal; }
    QButtonGroup *buttonGroup() const { return m_buttons; }
    PushButtonRelayWinding *pictureButton(int i) const;

public slots:
    // The chosen relay's name and type go into the fields.
    bool btnChoiseClick(QTreeWidgetItem *row) override;
    void changeRelayType();
    void changeWinding();
    void findRelayType(const QString &text);

protected slots:
    void btnOkClick() override;

private:
    // The selected type and winding, and the checked variant; -1 each
    // when none.
    int selectedType() const;
    int selectedWinding() const;
    int selectedVariant() const;

    QTreeWidget *m_windingsTable = nullptr;
    RLineEdit *m_edFindType = nullptr;
    QTreeWidget *m_typeTree = nullptr;
    QLineEdit *m_edWindingName = nullptr;
    QTreeWidget *m_windingTree = nullptr;
    QCheckBox *m_chkDiagonal = nullptr;
    QButtonGroup *m_buttons = nullptr;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropRelay(GraphicsScene *scene);

#endif
