#ifndef RLAY_PANELCATALOGUE_H
#define RLAY_PANELCATALOGUE_H

// The panel types a frame layout knows. A panel type names the container
// kind that lays out its places, the wiring container of its wiring page,
// whether it may carry a power bus, and its container level: 3 for a panel
// with a wiring page of its own, 2 for a carrier whose nested panels get the
// pages. Files keep the row numbers, so no row may move. Types that are not
// listed are valid all the same: the property dialog only does not offer
// them. Names are translated in the context "Panel".

struct PanelTypeInfo
{
    const char *name;
    int containerKind; // a row of the container-kind table
    int wiringKind;    // the wiring container drawn for it, -1 for none
    bool powerBus;     // may carry a power bus
    bool listed;       // offered by the property dialog
    int level;
};

constexpr int panelTypeCount = 78;

extern const PanelTypeInfo panelTypes[panelTypeCount];

// Null outside the table.
const PanelTypeInfo *panelTypeInfo(int type);

#endif
