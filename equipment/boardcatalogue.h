#ifndef RLAY_BOARDCATALOGUE_H
#define RLAY_BOARDCATALOGUE_H

// The board types a frame layout knows. A board type names the container
// kind that lays out its places and the wiring container that the wiring
// pages draw for it. Files keep the row numbers, so no row may move. Types
// that are not listed are valid all the same: the property dialog only does
// not offer them. Names are translated in the context "Board".

struct BoardTypeInfo
{
    const char *name;
    int containerKind; // a row of the container-kind table
    int wiringKind;    // the wiring container drawn for it, -1 for none
    bool listed;       // offered by the property dialog
};

constexpr int boardTypeCount = 56;

extern const BoardTypeInfo boardTypes[boardTypeCount];

// Null outside the table.
const BoardTypeInfo *boardTypeInfo(int type);

#endif
