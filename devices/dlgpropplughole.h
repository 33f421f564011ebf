#ifndef RLAY_DLGPROPPLUGHOLE_H
#define RLAY_DLGPROPPLUGHOLE_H

// The property dialog of a plughole item: its name, the distance between
// its pins and whether the pins stand outside the picture.

#include "devices/dlgproptwopin.h"

class QCheckBox;

class DlgPropPlughole : public DlgPropTwoPin
{
    Q_OBJECT

public:
    explicit DlgPropPlughole(GraphicsScene *scene);
    ~DlgPropPlughole() override;

    // A plughole without a spacing yet shows the smallest one.
    void loadFromItem(GraphicsItem *item) override;
    // The layout and the spacing, then the device and the name.
    void saveToItem(GraphicsItem *item) override;

    QSpinBox *spacingSpin() const { return m_spacingSpin; }
    QCheckBox *outsideCheck() const { return m_outsideCheck; }

private:
    QSpinBox *m_spacingSpin = nullptr;
    QCheckBox *m_outsideCheck = nullptr;
};

// The dialog factory of the scheme item registry.
DlgPropGraphicsItem *createDlgPropPlughole(GraphicsScene *scene);

#endif
