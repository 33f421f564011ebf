#include "equipment/wiringcontainertable.h"

#include <QtGlobal>

#define W(text) QT_TRANSLATE_NOOP("WPPT", text)

namespace {

// Element lists: the element kind of each slot.
const int e0x8[] = {0, 0, 0, 0, 0, 0, 0, 0};
const int e8[] = {8};
const int e1x8[] = {1, 1, 1, 1, 1, 1, 1, 1};
const int e2x3[] = {2, 2, 2};
const int e2x4[] = {2, 2, 2, 2};
const int e2x6[] = {2, 2, 2, 2, 2, 2};
const int e1x6[] = {1, 1, 1, 1, 1, 1};
const int e1x5[] = {1, 1, 1, 1, 1};
const int e1x12[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
const int e3x2[] = {3, 3};
const int e3x3[] = {3, 3, 3};
const int e3x4[] = {3, 3, 3, 3};
const int e4x3[] = {4, 4, 4};
const int e4x6[] = {4, 4, 4, 4, 4, 4};
const int e5x6[] = {5, 5, 5, 5, 5, 5};
const int e6x8[] = {6, 6, 6, 6, 6, 6, 6, 6};
const int e1[] = {1};
const int e5e1[] = {5, 1};
const int e3x29[] = {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
const int e9x29[] = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};
const int e9x3[] = {9, 9, 9};
const int e5x4[] = {5, 5, 5, 5};
const int e5[] = {5};
const int e5x8[] = {5, 5, 5, 5, 5, 5, 5, 5};
const int e5x2[] = {5, 5};
const int e5x3[] = {5, 5, 5};
const int e4x2[] = {4, 4};
const int e0[] = {0};
const int e0x2[] = {0, 0};
const int e1x2[] = {1, 1};
const int e10x6[] = {10, 10, 10, 10, 10, 10};
const int e10x4[] = {10, 10, 10, 10};

// Pin names by position code: every pin of every relay, block and
// transformer row of that position has its name here, within the rows that
// a slot able to hold all of the row's pins shows (28 for a relay plug),
// save two positions that hold more names than that. Entries whose rows are
// not all quoted are completed from the models' catalogues, after the
// quoted names.
// Relay plugs of position 0: the windings, then each contact group as
// front, common and back contact. The plug's 28 rows leave none for the
// winding end "4, 13" of DSSH15.
const char *const pins0[] = {
    W("1"), W("2"), W("3"), W("4"), W("12"), W("11"), W("13"), W("22"), W("21"), W("23"), W("32"), W("31"),
    W("33"), W("42"), W("41"), W("43"), W("52"), W("51"), W("53"), W("62"), W("61"), W("63"), W("72"),
    W("71"), W("73"), W("82"), W("81"), W("83")
};
// Position 1 (SKPR3): the supply terminals, then the contact groups as in
// entry 0; a two-contact group leaves its third row empty.
const char *const pins1[] = {
    W("+"), W("-"), W("N"), W("K"), W("12"), W("11"), nullptr, W("22"), W("21"), W("23"), W("32"), W("31"),
    W("33"), W("42"), W("41"), nullptr, W("112"), W("111"), W("113"), W("122"), W("121"), W("123")
};
// Position 2 (KMSH, KSH, PPR3, PMPUSH): windings, then eight groups.
const char *const pins2[] = {
    W("1"), W("2"), W("3"), W("4"), W("12"), W("11"), W("13"), W("22"), W("21"), W("23"), W("32"), W("31"),
    W("33"), W("42"), W("41"), W("43"), W("112"), W("111"), W("113"), W("122"), W("121"), W("123"), W("132"),
    W("131"), W("133"), W("142"), W("141"), W("143")
};
// Position 3: the 44-pin DSSH plugs, from the last pin down.
const char *const pins3[] = {
    W("222"), W("221"), W("220"), W("219"), W("218"), W("217"), W("216"), W("215"), W("214"), W("213"),
    W("212"), W("211"), W("210"), W("29"), W("28"), W("27"), W("26"), W("25"), W("24"), W("23"), W("22"),
    W("21"), W("122"), W("121"), W("120"), W("119"), W("118"), W("117"), W("116"), W("115"), W("114"),
    W("113"), W("112"), W("111"), W("110"), W("19"), W("18"), W("17"), W("16"), W("15"), W("14"), W("13"),
    W("12"), W("11")
};
// Position 4: the shelf units and the other blocks with plainly numbered
// pins, up to the 20 of UZA-24-10.
const char *const pins4[] = {
    W("1"), W("2"), W("3"), W("4"), W("5"), W("6"), W("7"), W("8"), W("9"), W("10"), W("11"), W("12"),
    W("13"), W("14"), W("15"), W("16"), W("17"), W("18"), W("19"), W("20")
};
// Position 5: rectifier blocks.
const char *const pins5[] = {
    W("110V"), W("127V"), W("220V"), W("S"), W("0"), W("+"), W("-"), W("1"), W("2"), W("3"), W("4"), W("5"),
    W("6")
};
// Position 6: transformer blocks with six secondary taps.
const char *const pins6[] = {
    W("I1"), W("I2"), W("I3"), W("I4"), W("II1"), W("II2"), W("II3"), W("II4"), W("II5"), W("II6"), W("N1"),
    W("K1"), W("N2"), W("K2"), W("K"), W("K.")
};
// Position 7: transformer blocks with ten secondary taps.
const char *const pins7[] = {
    W("I1"), W("I2"), W("I3"), W("I4"), W("II1"), W("II2"), W("II3"), W("II4"), W("II5"), W("II6"), W("II7"),
    W("II8"), W("II9"), W("II10"), W("N1"), W("K1"), W("N2"), W("K2"), W("K"), W("K.")
};
// Position 8: coding blocks.
const char *const pins8[] = {
    W("Z1"), W("J1"), W("KJ1"), W("OZ1"), W("OJ1"), W("OKJ1"), W("Z2"), W("J2"), W("KJ2"), W("OZ2"),
    W("OJ2"), W("OKJ2"), W("220"), W("0"), W("PKJ1"), W("PKJ2"), W("PKJ3"), W("PKJ4"), W("PKJ5"), W("PKJ6"),
    W("OPKJ1"), W("OPKJ2"), W("OPKJ3"), W("OPKJ4"), W("OPKJ5"), W("OPKJ6")
};
// Position 9: generator blocks.
const char *const pins9[] = {
    W("1"), W("Gen.1"), W("1A"), W("Gen.1A"), W("2"), W("Gen.2"), W("2A"), W("Gen.2A"), W("220"), W("0")
};
// No model has position 10.
// Position 11: block plugs laid out as entry 0.
const char *const pins11[] = {
    W("1"), W("2"), W("3"), W("4"), W("12"), W("11"), W("13"), W("22"), W("21"), W("23"), W("32"), W("31"),
    W("33"), W("42"), W("41"), W("43"), W("52"), W("51"), W("53")
};
// Position 12.
const char *const pins12[] = {
    W("25/1"), W("25/2"), W("25/3"), W("25/4"), W("25/5"), W("25/6"), W("25/7"), W("25/8"), W("RC2"), W("S"),
    W("PK3"), W("PK4"), W("50/1"), W("50/2"), W("50/3"), W("50/4"), W("50/5"), W("50/6"), W("50/7"),
    W("50/8"), W("RC1"), W("OS"), W("PK1"), W("PK2"), W("T1-N"), W("T1-K"), W("T2-N"), W("T2-K")
};
// Position 13: the two 30-pin strips.
const char *const pins13[] = {
    W("XT1-a1"), W("XT1-a2"), W("XT1-a3"), W("XT1-a4"), W("XT1-a5"), W("XT1-a6"), W("XT1-a7"), W("XT1-a8"),
    W("XT1-a9"), W("XT1-a0"), W("XT1-b1"), W("XT1-b2"), W("XT1-b3"), W("XT1-b4"), W("XT1-b5"), W("XT1-b6"),
    W("XT1-b7"), W("XT1-b8"), W("XT1-b9"), W("XT1-b0"), W("XT1-c1"), W("XT1-c2"), W("XT1-c3"), W("XT1-c4"),
    W("XT1-c5"), W("XT1-c6"), W("XT1-c7"), W("XT1-c8"), W("XT1-c9"), W("XT1-c0"), W("XT2-a1"), W("XT2-a2"),
    W("XT2-a3"), W("XT2-a4"), W("XT2-a5"), W("XT2-a6"), W("XT2-a7"), W("XT2-a8"), W("XT2-a9"), W("XT2-a0"),
    W("XT2-b1"), W("XT2-b2"), W("XT2-b3"), W("XT2-b4"), W("XT2-b5"), W("XT2-b6"), W("XT2-b7"), W("XT2-b8"),
    W("XT2-b9"), W("XT2-b0"), W("XT2-c1"), W("XT2-c2"), W("XT2-c3"), W("XT2-c4"), W("XT2-c5"), W("XT2-c6"),
    W("XT2-c7"), W("XT2-c8"), W("XT2-c9"), W("XT2-c0")
};
// Positions 14 to 18: the fuses.
const char *const pins14[] = {
    W("1"), W("2"), W("3"), W("4")
};
// Position 19: transformers with numbered terminals.
const char *const pins19[] = {
    W("1"), W("2"), W("3"), W("4"), W("5"), W("6"), W("7"), W("8"), W("9"), W("10"), W("11"), W("12"),
    W("N"), W("K")
};
// Positions 20 and 21: the four numbered terminals, then those of the
// transformers RT-3M and RT-3, and RTE-1A, by their own names.
const char *const pins20[] = {
    W("1"), W("2"), W("3"), W("4"), W("R1"), W("R2"), W("P1"), W("P2")
};
const char *const pins21[] = {
    W("1"), W("2"), W("3"), W("4"), W("IN"), W("IK"), W("IIN"), W("IIK")
};
// Position 22: transformers with windings numbered I to V, then the
// numbered terminals of SOBS-3A. A slot of 28 rows shows all but its last
// two, "8" and "9": every other transformer of the position keeps all its
// terminals in view.
const char *const pins22[] = {
    W("I1"), W("I2"), W("I3"), W("I4"), W("II1"), W("II2"), W("II3"), W("II4"), W("II5"), W("III1"),
    W("III2"), W("III3"), W("IV1"), W("IV2"), W("IV3"), W("V1"), W("V2"), W("V3"), W("V4"), W("N"), W("K"),
    W("1"), W("2"), W("3"), W("4"), W("5"), W("6"), W("7"), W("8"), W("9")
};
// Positions 23 to 29: two-terminal devices.
const char *const pins23[] = {
    W("1"), W("2")
};

} // namespace

#define S108 70, 108, 210, 150
#define L(text) QT_TRANSLATE_NOOP("WPPT", text)

const WiringContainerKind wiringContainerKinds[WiringContainerKindCount] = {
    {e0x8, 8, 1, 2, 1, nullptr, true, {S108}, 3744, 2240, 300, 100, 0},             // 0
    {e8, 1, 1, 2, 0, nullptr, true, {70, 216, 210, 150}, 1152, 2380, 300, 100, 0},  // 1
    {e1x8, 8, 1, 2, 1, nullptr, true, {S108}, 3744, 2240, 300, 100, 0},             // 2
    {e2x3, 3, 1, 2, 1, nullptr, true, {85, 108, 283, 233}, 3744, 2210, 300, 100, 0}, // 3
    {e2x4, 4, 1, 2, 1, nullptr, true, {85, 108, 210, 150}, 3744, 2210, 300, 100, 0}, // 4
    {e2x6, 6, 1, 2, 1, nullptr, true, {85, 65, 170, 85}, 3840, 2240, 250, 100, 0},   // 5
    {e1x6, 6, 1, 2, 1, nullptr, true, {70, 108, 283, 233}, 3744, 2240, 300, 100, 0}, // 6
    {e1x5, 5, 1, 2, 1, nullptr, true, {70, 108, 283, 233}, 3120, 2240, 300, 100, 0}, // 7
    {e1x12, 12, 1, 2, 1, nullptr, true, {70, 108, 132, 72}, 3744, 2240, 300, 100, 0}, // 8
    {e3x2, 2, 1, 1, 2, L("FU1-FU2"), false, {S108}, 468, 770, 0, 0, 0},             // 9
    {e3x3, 3, 1, 1, 2, L("FU1-FU3"), false, {S108}, 468, 1120, 0, 0, 0},            // 10
    {e3x4, 4, 1, 1, 2, L("FU1-FU4"), false, {S108}, 468, 1470, 0, 0, 0},            // 11
    {e4x3, 3, 1, 1, 2, L("R1-R3"), false, {S108}, 468, 700, 0, 0, 0},               // 12
    {e4x6, 6, 1, 1, 2, L("R1-R6"), false, {S108}, 468, 1330, 0, 0, 0},              // 13
    {e5x6, 6, 1, 1, 2, L("C1-C6"), false, {70, 108, 283, 233}, 624, 1330, 0, 0, 0}, // 14
    {e6x8, 8, 1, 1, 2, L("I1-I8"), false, {S108}, 468, 1680, 0, 0, 0},              // 15
    {e1, 1, 1, 1, 2, nullptr, false, {S108}, 468, 2170, 0, 0, 0},                   // 16
    {e5e1, 2, 1, 1, 2, nullptr, false, {S108}, 468, 2380, 0, 0, 1},                 // 17
    {e1, 1, 1, 1, 2, nullptr, false, {S108}, 468, 2380, 0, 0, 1},                   // 18
    {e5e1, 2, 1, 1, 2, nullptr, false, {70, 108, 283, 233}, 624, 2380, 0, 0, 1},    // 19
    {e3x29, 29, 4, 2, 1, nullptr, true, {S108}, 3744, 2240, 300, 100, 0},           // 20
    {e9x29, 29, 4, 2, 1, nullptr, true, {S108}, 3744, 1680, 300, 100, 0},           // 21
    {e9x3, 3, 1, 1, 2, nullptr, false, {S108}, 468, 700, 0, 0, 0},                  // 22
    {e5x4, 4, 1, 1, 2, L("C1-C4"), false, {S108}, 468, 980, 0, 0, 0},               // 23
    {e5, 1, 1, 1, 2, L("C1"), false, {S108}, 468, 350, 0, 0, 0},                    // 24
    {e5x8, 8, 1, 1, 2, L("C1-C8"), false, {S108}, 468, 1820, 0, 0, 0},              // 25
    {e5x2, 2, 1, 1, 2, L("C1-C2"), false, {S108}, 468, 560, 0, 0, 0},               // 26
    {e5x3, 3, 1, 1, 2, L("C1-C3"), false, {S108}, 468, 770, 0, 0, 0},               // 27
    {e4x2, 2, 1, 1, 2, L("R1-R2"), false, {S108}, 468, 560, 0, 0, 0},               // 28
    {e5e1, 2, 1, 1, 2, nullptr, false, {S108}, 468, 2380, 0, 0, 1},                 // 29
    {e2x4, 4, 1, 2, 0, nullptr, true, {85, 108, 210, 150}, 3744, 2210, 300, 100, 0}, // 30
    {e1x8, 8, 1, 2, 0, nullptr, true, {S108}, 3744, 2240, 300, 100, 0},             // 31
    {e0, 1, 1, 2, 1, nullptr, false, {S108}, 468, 2240, 0, 0, 0},                   // 32
    {e0x2, 2, 1, 2, 1, nullptr, false, {S108}, 936, 2240, -468, 0, 0},              // 33
    {e1, 1, 1, 2, 1, nullptr, false, {S108}, 468, 2240, 0, 0, 0},                   // 34
    {e1x2, 2, 1, 2, 1, nullptr, false, {S108}, 936, 2240, -468, 0, 0},              // 35
    {e1, 1, 1, 1, 2, nullptr, false, {S108}, 468, 2240, 0, 0, 1},                   // 36
    {e10x6, 6, 1, 1, 2, nullptr, false, {S108}, 468, 1330, 0, 0, 0},                // 37
    {e10x4, 4, 1, 1, 2, nullptr, false, {S108}, 468, 910, 0, 0, 0},                 // 38
    {nullptr, 1, 0, 1, 2, nullptr, false, {0, 0, 0, 0}, 0, 0, 0, 0, 0},             // 39
};

const WiringElementKind wiringElementKinds[WiringElementKindCount] = {
    {0, 1, false, 1, nullptr},  // 0
    {28, 1, true, 2, nullptr},  // 1
    {44, 2, true, 2, nullptr},  // 2
    {4, 1, false, 1, nullptr},  // 3
    {2, 1, false, 1, L("R")},   // 4
    {2, 1, false, 1, L("C")},   // 5
    {2, 1, false, 1, L("I")},   // 6
    {21, 1, false, 1, nullptr}, // 7
    {60, 2, true, 2, nullptr},  // 8
    {2, 1, false, 1, nullptr},  // 9
    {2, 1, false, 1, nullptr},  // 10
};

const WiringPinNames wiringPinNames[WiringPinNameCount] = {
    {pins0, 28},
    {pins1, 22},
    {pins2, 28},
    {pins3, 44},
    {pins4, 20},
    {pins5, 13},
    {pins6, 16},
    {pins7, 20},
    {pins8, 26},
    {pins9, 10},
    {nullptr, 0},
    {pins11, 19},
    {pins12, 28},
    {pins13, 60},
    {pins14, 4},
    {pins14, 4},
    {pins14, 4},
    {pins14, 4},
    {pins14, 4},
    {pins19, 14},
    {pins20, 8},
    {pins21, 8},
    {pins22, 30},
    {pins23, 2},
    {pins23, 2},
    {pins23, 2},
    {pins23, 2},
    {pins23, 2},
    {pins23, 2},
    {pins23, 2},
};

#undef L
#undef S108
#undef W
