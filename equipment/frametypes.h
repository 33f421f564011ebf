#ifndef RLAY_FRAMETYPES_H
#define RLAY_FRAMETYPES_H

// The catalogued frame types and the kinds of frame part their layouts are
// built from. A frame stores its frame type as a row of frameTypes; the row
// gives the frame kind of its address, the parts of its layout in order and
// its sheet. Rows are never moved.

struct FrameTypeInfo
{
    const char *name; // translated in the context "Frame"
    int frameKind;
    const int *parts; // rows of framePartKinds, in layout order
    int partCount;
    // 0: the wiring documents get the DC pages of the frame's modules.
    int modulePages;
    bool shortTitleBlock;
    bool landscape;
};

struct FramePartKindInfo
{
    int containerKind;
    int clampPanelType; // 0 none, else a clamp-panel type 1 to 26
    // Places per band and bands per page of the part's wiring pages.
    int placesPerBand;
    int bandsPerPage;
};

constexpr int frameTypeCount = 40;
constexpr int framePartKindCount = 59;

extern const FrameTypeInfo frameTypes[frameTypeCount];
extern const FramePartKindInfo framePartKinds[framePartKindCount];

#endif
