#ifndef RLAY_WIRINGCONTAINERTABLE_H
#define RLAY_WIRINGCONTAINERTABLE_H

// The tables behind the wiring picture of a panel or a board: the wiring
// container kinds (the wiring kind of a panel or board type is a row of
// wiringContainerKinds), the kinds of element a slot shows, and the pin
// names of the device models a slot can show, indexed by the device's
// position code. Labels, prefixes and pin names are translated in the
// context "WPPT". Rows are referred to by number and never move.

enum { WiringContainerKindCount = 40, WiringElementKindCount = 11, WiringPinNameCount = 30 };

struct WiringElementKind
{
    int pins;
    int lines;  // pin columns of a slot
    bool flag;  // a row with "N" and the scheme page at the top of a column
    int count;  // caption rows
    const char *prefix;
};

struct WiringContainerKind
{
    const int *elements; // element kind of each slot
    int slotCount;
    int lines;
    int orientation; // side the lines are cut from: 0 left, 1 right, 2 top, 3 bottom
    int mode;        // 0, 1: slots across a line from the left or right; 2, 3: down from the top or bottom
    const char *label;
    bool header;
    // Row height, then the three cell widths of a slot column.
    double sizes[4];
    double width;
    double height;
    double dx;
    double dy;
    int reverse;
};

// One model's pin names in the order of the rows; a null name leaves its
// row empty.
struct WiringPinNames
{
    const char *const *names;
    int count;
};

extern const WiringContainerKind wiringContainerKinds[WiringContainerKindCount];
extern const WiringElementKind wiringElementKinds[WiringElementKindCount];
extern const WiringPinNames wiringPinNames[WiringPinNameCount];

#endif
