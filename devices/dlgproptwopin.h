#ifndef RLAY_DLGPROPTWOPIN_H
#define RLAY_DLGPROPTWOPIN_H

// The property dialog of the two-terminal components and the indicators:
// the devices of the kind with their type, nominal or number and document
// in a table with a find field; the name, the type (or colour) and, where
// the kind has them, the nominal or the number of the item's own device.
// Each kind's dialog gives its form and its catalogue.

#include "graphics/dlgpropgraphicsobjitem.h"

class QGridLayout;
class QSpinBox;
class RComboBox;
class TwoPinDevice;
struct TwoPinCatalogue;

// A kind's labels and table. The texts are translated in the dialog's
// context.
struct TwoPinDialogForm
{
    // The dialog's class name.
    const char *context;
    const char *findLabel;
    // The table beside the fields (indicators) or above them.
    bool sideBySide;
    int tableWidth;
    int tableHeight;
    const char *nameLabel;
    int nameWidth;
    // "Type" or "Color"; null for a kind without types.
    const char *typeColumn;
    const char *typeLabel;
    // "Nom." or "N" for the kinds with nominals or numbers.
    const char *extraColumn;
    int extraWidth;
    int schemeWidth;
};

class DlgPropTwoPin : public DlgPropGraphicsObjItem
{
    Q_OBJECT

public:
    DlgPropTwoPin(GraphicsScene *scene, int kind, const TwoPinCatalogue &catalogue, const TwoPinDialogForm &form);
    ~DlgPropTwoPin() override;

    // The fields show the item's device. A stored type that the catalogue
    // does not have is said and kept: no type is shown, and Ok leaves the
    // type (and nominal) alone unless another one is chosen.
    void loadFromItem(GraphicsItem *item) override;
    void saveToItem(GraphicsItem *item) override;
    // The chosen type, nominal and number go into the device.
    void saveObj(Obj *obj) override;
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override;

    RComboBox *typeCombo() const { return m_typeCombo; }
    RComboBox *nominalCombo() const { return m_nominalCombo; }
    QSpinBox *numberSpin() const { return m_numberSpin; }

protected:
    // Lists the nominals of the type chosen at that entry.
    void changeType(int index);
    QString label(const char *text) const;
    QGridLayout *grid() const { return m_grid; }

private:
    const TwoPinCatalogue &m_catalogue;
    const TwoPinDialogForm &m_form;
    QGridLayout *m_grid = nullptr;
    RComboBox *m_typeCombo = nullptr;
    RComboBox *m_nominalCombo = nullptr;
    QSpinBox *m_numberSpin = nullptr;
};

#endif
