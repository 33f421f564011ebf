#ifndef RLAY_DLGPROPMEASURINGPANEL_H
#define RLAY_DLGPROPMEASURINGPANEL_H

// The property dialog of a measuring terminal: the measuring panels of the
// project ("Add", "Del" and "Repl" act on them at once) with the documents
// of the chosen panel's eighteen terminals, the panel the item binds to by
// name, its terminal number and the source it measures. Ok refuses a
// number that another terminal of the panel carries.

#include "graphics/dlgpropgraphicsobjitem.h"

class QSpinBox;
class QTreeWidget;
class QTreeWidgetItem;

class DlgPropMeasuringPanel : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    explicit DlgPropMeasuringPanel(GraphicsScene *scene);
    ~DlgPropMeasuringPanel() override;

    void loadFromItem(GraphicsItem *item) override;
    // The number and the source name, then the item binds by its name.
    void saveToItem(GraphicsItem *item) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    // The panel's name and the documents of its terminals.
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    QTreeWidget *pinsTable() const { return m_pinsTable; }
    QSpinBox *numberSpin() const { return m_numberSpin; }
    QLineEdit *edSource() const { return m_edSource; }

public slots:
    // Chooses the selected panel with the row's terminal number and
    // accepts, as a double click in the panels' table does.
    void doubleClickOfTablePins(QTreeWidgetItem *row);

protected slots:
    // The item needs a name, and its number must be free on that panel.
    void btnOkClick() override;

private:
    QTreeWidget *m_pinsTable = nullptr;
    QSpinBox *m_numberSpin = nullptr;
    QLineEdit *m_edSource = nullptr;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropMeasuringPanel(GraphicsScene *scene);

#endif
