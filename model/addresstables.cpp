#include "model/addresstables.h"

#include <QtGlobal>

const FrameKindRow frameKindTable[frameKindCount] = {
    {QT_TRANSLATE_NOOP("Address", "Basic"), nullptr, QT_TRANSLATE_NOOP("Address", "-"), {25, 26}, 2},
    {QT_TRANSLATE_NOOP("Address", "Power PR X"), nullptr, QT_TRANSLATE_NOOP("Address", "PR "), {4}, 1},
    {QT_TRANSLATE_NOOP("Address", "Console"), nullptr, QT_TRANSLATE_NOOP("Address", "P"), {5}, 1},
    {QT_TRANSLATE_NOOP("Address", "Visual"), nullptr, QT_TRANSLATE_NOOP("Address", "T"), {6}, 1},
    {QT_TRANSLATE_NOOP("Address", "Cross"), QT_TRANSLATE_NOOP("Address", "K"), QT_TRANSLATE_NOOP("Address", "-"), {7, 23, 24}, 3},
    {QT_TRANSLATE_NOOP("Address", "RC"), nullptr, QT_TRANSLATE_NOOP("Address", "-"), {8}, 1},
    {QT_TRANSLATE_NOOP("Address", "Power PW X"), nullptr, QT_TRANSLATE_NOOP("Address", "PW "), {9}, 1},
    {QT_TRANSLATE_NOOP("Address", "Power PWP X"), nullptr, QT_TRANSLATE_NOOP("Address", "PWP "), {10}, 1},
    {QT_TRANSLATE_NOOP("Address", "Power PR K"), nullptr, QT_TRANSLATE_NOOP("Address", "PR "), {12}, 1},
    {QT_TRANSLATE_NOOP("Address", "Power PW K"), nullptr, QT_TRANSLATE_NOOP("Address", "PW "), {13}, 1},
    {QT_TRANSLATE_NOOP("Address", "Power PWP K"), nullptr, QT_TRANSLATE_NOOP("Address", "PWP "), {14}, 1},
    {QT_TRANSLATE_NOOP("Address", "Power PSPN K"), nullptr, QT_TRANSLATE_NOOP("Address", "PSPN "), {15}, 1},
    {QT_TRANSLATE_NOOP("Address", "Power PP X"), nullptr, QT_TRANSLATE_NOOP("Address", "PP "), {16}, 1},
    {QT_TRANSLATE_NOOP("Address", "Power PSTN X"), nullptr, QT_TRANSLATE_NOOP("Address", "PSTN "), {17}, 1},
    {QT_TRANSLATE_NOOP("Address", "Power SHWPU X"), nullptr, QT_TRANSLATE_NOOP("Address", "SHWPU "), {18}, 1},
    {QT_TRANSLATE_NOOP("Address", "Case HZHDA"), QT_TRANSLATE_NOOP("Address", "Sh"), QT_TRANSLATE_NOOP("Address", "-"), {19}, 1},
    {QT_TRANSLATE_NOOP("Address", "Power PRBB K"), nullptr, QT_TRANSLATE_NOOP("Address", "PRBB "), {20}, 1},
    {QT_TRANSLATE_NOOP("Address", "Power PW-60 K"), nullptr, QT_TRANSLATE_NOOP("Address", "PW-60 "), {21}, 1},
    {QT_TRANSLATE_NOOP("Address", "Power PWBB K"), nullptr, QT_TRANSLATE_NOOP("Address", "PWBB "), {22}, 1},
};

const PlaceKindRow placeKindTable[placeKindCount] = {
    {QT_TRANSLATE_NOOP("Address", "Top"), QT_TRANSLATE_NOOP("Address", "V"), false, true, 11, 312, 1},
    {QT_TRANSLATE_NOOP("Address", "Side"), QT_TRANSLATE_NOOP("Address", "B"), false, false, 1, 12, 2},
    {QT_TRANSLATE_NOOP("Address", "Bottom"), QT_TRANSLATE_NOOP("Address", "N"), false, true, 11, 1010, 3},
    {QT_TRANSLATE_NOOP("Address", "Console"), QT_TRANSLATE_NOOP("Address", "P"), false, true, 11, 321, 1},
    {QT_TRANSLATE_NOOP("Address", "Visual"), QT_TRANSLATE_NOOP("Address", "T"), false, true, 11, 321, 1},
    {QT_TRANSLATE_NOOP("Address", "Bottom RC"), QT_TRANSLATE_NOOP("Address", "N"), false, true, 11, 215, 1},
    {QT_TRANSLATE_NOOP("Address", "PowerPR"), QT_TRANSLATE_NOOP("Address", "X"), true, false, 1, 10, 2},
    {QT_TRANSLATE_NOOP("Address", "PowerPW"), QT_TRANSLATE_NOOP("Address", "X"), true, false, 1, 15, 2},
    {QT_TRANSLATE_NOOP("Address", "PowerPWP"), QT_TRANSLATE_NOOP("Address", "X"), true, false, 1, 13, 2},
    {QT_TRANSLATE_NOOP("Address", "DC clamp"), QT_TRANSLATE_NOOP("Address", "DCK"), false, true, 11, 64, 1},
    {QT_TRANSLATE_NOOP("Address", "Power K"), QT_TRANSLATE_NOOP("Address", "K"), true, false, 1, 15, 2},
    {QT_TRANSLATE_NOOP("Address", "Power PSPN K"), QT_TRANSLATE_NOOP("Address", "K"), true, false, 1, 10, 2},
    {QT_TRANSLATE_NOOP("Address", "Power PP X"), QT_TRANSLATE_NOOP("Address", "X"), true, false, 1, 9, 2},
    {QT_TRANSLATE_NOOP("Address", "Power PSTN X"), QT_TRANSLATE_NOOP("Address", "X"), true, false, 1, 11, 2},
    {QT_TRANSLATE_NOOP("Address", "Power SHWPU X"), QT_TRANSLATE_NOOP("Address", "X"), true, false, 1, 32, 2},
    {QT_TRANSLATE_NOOP("Address", "Case HZHDA N"), QT_TRANSLATE_NOOP("Address", "N"), false, true, 11, 166, 1},
    {QT_TRANSLATE_NOOP("Address", "Top N"), QT_TRANSLATE_NOOP("Address", "-N"), false, true, 11, 312, 1},
    {QT_TRANSLATE_NOOP("Address", "Bottom Top"), QT_TRANSLATE_NOOP("Address", "-N"), false, true, 11, 1010, 3},
    {QT_TRANSLATE_NOOP("Address", "Power PRBB PW-60 PWBB K"), QT_TRANSLATE_NOOP("Address", "K"), true, true, 11, 512, 1},
};

const SuffixKindRow suffixKindTable[suffixKindCount] = {
    {QT_TRANSLATE_NOOP("Address", "R"), 4, true},
    {QT_TRANSLATE_NOOP("Address", "V"), 4, true},
    {QT_TRANSLATE_NOOP("Address", "SH"), 4, true},
    {QT_TRANSLATE_NOOP("Address", "SL"), 4, true},
    {QT_TRANSLATE_NOOP("Address", "SR"), 4, true},
    {QT_TRANSLATE_NOOP("Address", "N"), 3, true},
    {QT_TRANSLATE_NOOP("Address", "_R"), 4, true},
    {QT_TRANSLATE_NOOP("Address", "IP"), 3, true},
    {QT_TRANSLATE_NOOP("Address", "1"), 3, true},
    {QT_TRANSLATE_NOOP("Address", "KL"), 3, false},
    {"", 3, false},
    {QT_TRANSLATE_NOOP("Address", "DCK"), 3, true},
    {QT_TRANSLATE_NOOP("Address", "V"), 3, true},
};
