#ifndef RLAY_CLAMPCATALOGUE_H
#define RLAY_CLAMPCATALOGUE_H

// Catalogues of clamp panels: the panel models (where a panel is mounted)
// and the clamp-panel types (the sets of panels a frame carries).

#include <QString>

// A clamp panel mounted at one kind of place of one kind of frame.
struct ClampPanelModel
{
    int frameKind;         // row of the address frame-kind table
    int placeKind;         // row of the address place-kind table
    const int *stripTypes; // allowed clamp-strip types, in offer order
    int stripTypeCount;
    int placeType; // equipment-model row the panel's place must allow
    const char *note; // null or an extra word of the "Clamp" context
};

// The set of panel models that a frame of one clamp-panel type carries.
struct ClampPanelType
{
    int models[2];
    int count;
};

constexpr int clampPanelModelCount = 24;
// Indexed 1 to 26; entry 0 is empty.
constexpr int clampPanelTypeCount = 27;

extern const ClampPanelModel clampPanelModels[clampPanelModelCount];
extern const ClampPanelType clampPanelTypes[clampPanelTypeCount];

// The text that names a panel model in combo boxes: the frame kind's
// second prefix and the place text, then a blank and the note.
QString clampPanelModelText(int model);

#endif
