#ifndef RLAY_DLGPROPCLAMP_H
#define RLAY_DLGPROPCLAMP_H

// The property dialog of a clamp item. The left part lists the clamp panels
// of the project with how many of their clamps are used, and makes, deletes
// and renames panels from their address (frame number, model, place number)
// and strip type; the middle lists the clamps of the panel chosen and the
// documents that use them; the right part chooses the item's panel and
// clamp and how it is drawn. A double click on a clamp takes it and closes
// the dialog. The panel model chosen last is remembered.
//
// The row builders and the widget helpers below are shared with the
// passage, bottom and frame-distance dialogs.

#include "graphics/dlgpropgraphicsobjitem.h"
#include "model/address.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QSpinBox;
class RComboBox;

class DlgPropClamp : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    explicit DlgPropClamp(GraphicsScene *scene);
    // Remembers the panel model chosen.
    ~DlgPropClamp() override;

    // The remembered index of the panel model combo (its sorted entries).
    static int defaultClampPanelIndex();

    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    // The panel model and strip type chosen go into the panel.
    void saveObj(Obj *obj) override;
    // Name, and used clamps of the strip's clamps.
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;
    // The panel's clamps and its fields.
    void objSelected(Obj *obj, QTreeWidgetItem *row) override;

    QTreeWidget *clampTree() const { return m_clampTree; }
    QSpinBox *panelFrameSpin() const { return m_panelFrame; }
    RComboBox *panelModelCombo() const { return m_panelModel; }
    QSpinBox *panelPlaceSpin() const { return m_panelPlace; }
    RComboBox *stripTypeCombo() const { return m_panelStrip; }
    QSpinBox *frameSpin() const { return m_frame; }
    QSpinBox *placeSpin() const { return m_place; }
    RComboBox *modelCombo() const { return m_model; }
    RComboBox *nameCombo() const { return m_name; }
    QCheckBox *symmetryBox() const { return m_symmetry; }
    QCheckBox *externalPartBox() const { return m_external; }

public slots:
    void changeClampType(int index);
    void changeClampPanelType(int index);
    void btnClampClick(QTreeWidgetItem *row);
    // A panel named by its address; an address that does not fit its
    // place kind is refused.
    void btnAddObjClick() override;
    void btnDelObjClick() override;
    void btnReplObjClick() override;

private:
    // The panel address of the panel-side fields, or false.
    bool panelAddress(Address &address);
    // A selected panel of a bottom (or, unless ownedOnly, of the bottom
    // model) is refused with a message: true then.
    bool refuseBottomPanel(bool ownedOnly);

    QTreeWidget *m_clampTree = nullptr;
    QSpinBox *m_panelFrame = nullptr;
    RComboBox *m_panelModel = nullptr;
    QSpinBox *m_panelPlace = nullptr;
    RComboBox *m_panelStrip = nullptr;
    QSpinBox *m_frame = nullptr;
    QSpinBox *m_place = nullptr;
    RComboBox *m_model = nullptr;
    RComboBox *m_name = nullptr;
    QCheckBox *m_symmetry = nullptr;
    QCheckBox *m_external = nullptr;
};

// Rows of a grid: the label in column 0, the widget in column 1.
// "Frame num:", 1 to 999.
QSpinBox *addFrameNumRow(QWidget *parent, QGridLayout *grid, int row);
// "Place num:", from 1.
QSpinBox *addPlaceNumRow(QWidget *parent, QGridLayout *grid, int row);
// "Name:", the clamp names.
RComboBox *addNameRow(QWidget *parent, QGridLayout *grid, int row);
// "Names:", the strip types.
RComboBox *addStripTypeRow(QWidget *parent, QGridLayout *grid, int row);
// "Frame type:", the frame kinds with the kind as data.
RComboBox *addFrameTypeRow(QWidget *parent, QGridLayout *grid, int row);
// "Clamp type:", the panel models sorted by text with the model as data:
// every model but the given one, or with only that one alone.
RComboBox *addClampPanelModelRow(QWidget *parent, QGridLayout *grid, int row, int model, bool only);

// The panel address of a model and two numbers; ok only when both numbers
// fit and the place number is at least 1.
Address clampAddressFromWidgets(QComboBox *model, QSpinBox *frame, QSpinBox *place, bool *ok);
// The catalogue clamp name of the fields, with the panel's address; null
// when a field is not valid.
const char *clampNameFromWidgets(QSpinBox *frame, QSpinBox *place, QComboBox *model, QComboBox *name,
                                 Address &address);
// Shows a panel name and a clamp name (or none) in the fields; false, the
// fields left, when no address is read from the name.
bool setClampPanelWidgets(const QString &panelName, const char *clampName, QSpinBox *frame, QSpinBox *place,
                          QComboBox *model, QComboBox *name);
// Shows a panel's name and strip type in the panel fields.
void setClampPanelObjWidgets(const QString &panelName, int stripType, QComboBox *model, QSpinBox *frame,
                             QSpinBox *place, QComboBox *strip);
// The model's strip types (or its clamp names, each once), in table order;
// the place spin box's maximum becomes that of the model's place kind.
void fillStripTypeCombo(int model, QComboBox *combo, QSpinBox *place);
void fillClampNameCombo(int model, QComboBox *combo, QSpinBox *place);
// The model of the combo's current entry; -1 when none.
int clampPanelModelOf(QComboBox *combo);

DlgPropGraphicsItem *createDlgPropClamp(GraphicsScene *scene);

#endif
