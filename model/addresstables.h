#ifndef RLAY_ADDRESSTABLES_H
#define RLAY_ADDRESSTABLES_H

// The vocabulary of an address: frame kinds, place kinds and suffix kinds.
// Texts are untranslated source strings of the "Address" context.

// One kind of frame (rack). The clamp-panel types are the numbers (1-26)
// of the clamp-panel sets that a frame of this kind may carry.
struct FrameKindRow
{
    const char *name;
    const char *secondPrefix; // null when the kind has none
    const char *prefix;       // trailing blanks are part of it
    int clampPanelTypes[3];
    int clampPanelTypeCount;
};

// One kind of place inside a frame. Group tells how a place number is
// split into the two place bytes (see Address::setNumber).
struct PlaceKindRow
{
    const char *name;
    const char *letter;
    bool framePrefix; // the letter follows the frame kind's prefix
    bool twoParts;    // row of places and position in that row
    int min;
    int max;
    int group; // 1, 2 or 3
};

// A text attached to field 3 or 4 of an address, before or behind it.
struct SuffixKindRow
{
    const char *text;
    int field;
    bool before;
};

constexpr int frameKindCount = 19;
constexpr int placeKindCount = 19;
constexpr int suffixKindCount = 13;

extern const FrameKindRow frameKindTable[frameKindCount];
extern const PlaceKindRow placeKindTable[placeKindCount];
extern const SuffixKindRow suffixKindTable[suffixKindCount];

#endif
