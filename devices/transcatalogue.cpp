// The transformer classes, terminal-name sets and types. The row order is
// stored in project files and must never change.

#include "devices/transcatalogue.h"

#include <QCoreApplication>

#include <iterator>

#define TN(text) QT_TRANSLATE_NOOP("Trans", text)

const char *const transClassNames[TransClassCount] = {
    TN("PT"), TN("POBS"), TN("SOBS"), TN("ST"), TN("ROBS"), TN("Other"),
};

namespace {

const char *const set1[] = {TN("I1"), TN("I4"), TN("II1"), TN("II2"), TN("II3"), TN("III1"), TN("III2"),
                            TN("III3"), TN("N"), TN("K")};
const char *const set2[] = {TN("I1"),   TN("I2"),   TN("I3"),   TN("I4"), TN("II1"), TN("II2"),
                            TN("II3"),  TN("III1"), TN("III2"), TN("III3"), TN("N"), TN("K")};
const char *const set3[] = {TN("I1"),  TN("I3"),  TN("II1"), TN("II2"), TN("III1"), TN("III2"), TN("IV1"),
                            TN("IV2"), TN("IV3"), TN("V1"),  TN("V2"),  TN("V3"),   TN("N"),    TN("K")};
const char *const set4[] = {TN("1"), TN("2"), TN("3"), TN("4"), TN("5"), TN("6"), TN("7"), TN("8"), TN("N"), TN("K")};
const char *const set5[] = {TN("I1"),   TN("I4"),   TN("II1"),  TN("II2"), TN("II3"), TN("II4"),
                            TN("III1"), TN("III2"), TN("III3"), TN("N"),   TN("K")};
const char *const set6[] = {TN("I1"),  TN("I4"),  TN("II1"), TN("II2"), TN("III1"), TN("III2"), TN("IV1"),
                            TN("IV2"), TN("IV3"), TN("V1"),  TN("V2"),  TN("V3"),   TN("N"),    TN("K")};
const char *const set7[] = {TN("I1"),  TN("I2"),   TN("I3"),   TN("I4"),   TN("II1"), TN("II2"), TN("II3"),
                            TN("II4"), TN("III1"), TN("III2"), TN("III3"), TN("N"),   TN("K")};
const char *const set8[] = {TN("I1"),   TN("I2"),  TN("I3"),  TN("I4"),  TN("II1"), TN("II2"), TN("III1"), TN("III2"),
                            TN("IV1"),  TN("IV2"), TN("IV3"), TN("V1"),  TN("V2"),  TN("V3"),  TN("N"),    TN("K")};
const char *const set9[] = {TN("I1"), TN("I4"), TN("II1"), TN("II2"), TN("III1"), TN("III2"),
                            TN("V1"), TN("V2"), TN("V3"),  TN("V4"),  TN("N"),    TN("K")};
const char *const set10[] = {TN("I1"),   TN("I2"),  TN("I3"),  TN("I4"),  TN("II1"), TN("II2"),
                             TN("III1"), TN("III2"), TN("IV1"), TN("IV2"), TN("IV3"), TN("V1"),
                             TN("V2"),   TN("V3"),  TN("V4"),  TN("N"),   TN("K")};
const char *const set11[] = {TN("I1"),  TN("I2"),  TN("I3"),  TN("I4"), TN("II1"), TN("II2"),
                             TN("II3"), TN("II4"), TN("II5"), TN("N"),  TN("K")};
const char *const set12[] = {TN("1"), TN("2"), TN("3"), TN("4"), TN("5"), TN("6"),
                             TN("7"), TN("8"), TN("9"), TN("N"), TN("K")};
const char *const set13[] = {TN("1"), TN("4"),  TN("5"),  TN("6"),  TN("7"), TN("8"),
                             TN("9"), TN("10"), TN("11"), TN("12"), TN("N"), TN("K")};
const char *const set14[] = {TN("1"), TN("2"), TN("3"), TN("4"), TN("5"), TN("6"), TN("7"), TN("N"), TN("K")};
const char *const set15[] = {TN("1"), TN("2")};
const char *const set16[] = {TN("I1"), TN("I2"), TN("I3"), TN("I4"), TN("II1"), TN("II2"), TN("II3"), TN("II4"),
                             TN("N"),  TN("K")};
const char *const set17[] = {TN("R1"), TN("R2"), TN("P1"), TN("P2")};
const char *const set18[] = {TN("IN"), TN("IK"), TN("IIN"), TN("IIK")};
const char *const set19[] = {TN("1"), TN("2"), TN("3"), TN("4"),  TN("5"), TN("6"),
                             TN("7"), TN("8"), TN("9"), TN("10"), TN("N"), TN("K")};
const char *const set20[] = {TN("1"), TN("2"), TN("3"), TN("4")};
const char *const set21[] = {TN("1"), TN("2"), TN("3"), TN("4"), TN("5"), TN("6"), TN("7"), TN("8")};

} // namespace

#define TS(set) {set, qint32(std::size(set))}

const TransTerminalSet transTerminalSets[TransTerminalSetCount] = {
    TS(set1),  TS(set2),  TS(set3),  TS(set4),  TS(set5),  TS(set6),  TS(set7),
    TS(set8),  TS(set9),  TS(set10), TS(set11), TS(set12), TS(set13), TS(set14),
    TS(set15), TS(set16), TS(set17), TS(set18), TS(set19), TS(set20), TS(set21),
};

// Name, class, terminal set, place type, position code; every type draws
// its core as a solid line.
#define TT(name, transClass, set, placeType, positionCode) \
    {TN(name), transClass, 1, set, qint32(std::size(set)), placeType, positionCode}

const TransType transTypes[TransTypeCount + 1] = {
    TT("PT-25M-1",      0, set1, 48, 22), // 0
    TT("PT-25M-2",      0, set1, 48, 22), // 1
    TT("PT-25A",        0, set2, 48, 22), // 2
    TT("PT-25G-1",      0, set1, 48, 22), // 3
    TT("PT-25G-2",      0, set1, 48, 22), // 4
    TT("PT-25MP-1",     0, set1, 48, 22), // 5
    TT("PT-25MP-2",     0, set1, 48, 22), // 6
    TT("PT-25A",        0, set2, 48, 22), // 7
    TT("PT-25A-I",      0, set2, 48, 22), // 8
    TT("PT-25A-II",     0, set2, 48, 22), // 9
    TT("PTI-UZ",        0, set3, 18, 22), // 10
    TT("PTM-M",         0, set4, 46, 19), // 11
    TT("PTM-G",         0, set4, 46, 19), // 12
    TT("PTM-A",         0, set4, 46, 19), // 13
    TT("PRT-M",         0, set1, 48, 22), // 14
    TT("PRT-A",         0, set2, 48, 22), // 15
    TT("PRT-G",         0, set1, 48, 22), // 16
    TT("PRT-MP-1",      0, set1, 48, 22), // 17
    TT("PRT-MP-2",      0, set1, 48, 22), // 18
    TT("POBS-2M",       1, set5, 36, 22), // 19
    TT("POBS-3M",       1, set5, 36, 22), // 20
    TT("POBS-5M",       1, set6, 36, 22), // 21
    TT("POBS-2G",       1, set5, 36, 22), // 22
    TT("POBS-3G",       1, set5, 36, 22), // 23
    TT("POBS-5G",       1, set6, 36, 22), // 24
    TT("POBS-2MP",      1, set5, 36, 22), // 25
    TT("POBS-3MP",      1, set5, 36, 22), // 26
    TT("POBS-5MP",      1, set6, 36, 22), // 27
    TT("POBS-2A",       1, set7, 36, 22), // 28
    TT("POBS-3A",       1, set7, 36, 22), // 29
    TT("POBS-5A",       1, set8, 36, 22), // 30
    TT("SOBS-2M",       2, set9, 48, 22), // 31
    TT("SOBS-2A",       2, set10, 48, 22), // 32
    TT("SOBS-2G",       2, set9, 48, 22), // 33
    TT("SOBS-2MP",      2, set9, 48, 22), // 34
    TT("SOBS-2",        2, set11, 48, 22), // 35
    TT("SOBS-3A",       2, set12, 48, 22), // 36
    TT("SOBS-2AUZ",     2, set9, 48, 22), // 37
    TT("SOBS-3AUZ",     2, set9, 48, 22), // 38
    TT("ST-3M",         3, set13, 46, 19), // 39
    TT("ST-4M",         3, set14, 46, 19), // 40
    TT("ST-5M",         3, set14, 46, 19), // 41
    TT("ST-4G",         3, set14, 46, 19), // 42
    TT("ST-5G",         3, set14, 46, 19), // 43
    TT("ST-4",          3, set12, 46, 19), // 44
    TT("ST-5",          3, set12, 46, 19), // 45
    TT("ST-5MP",        3, set14, 46, 19), // 46
    TT("ST-6",          3, set12, 46, 19), // 47
    TT("ROBS-1G",       4, set15, 46, 19), // 48
    TT("ROBS-3G",       4, set15, 46, 19), // 49
    TT("ROBS-4G",       4, set15, 46, 19), // 50
    TT("ROBS-1A",       4, set15, 46, 19), // 51
    TT("ROBS-3A",       4, set15, 46, 19), // 52
    TT("ROBS-4A",       4, set15, 46, 19), // 53
    TT("SKT-1",         5, set16, 47, 22), // 54
    TT("RT-3M",         5, set17, 48, 20), // 55
    TT("RT-3",          5, set17, 48, 20), // 56
    TT("RTE-1A",        5, set18, 46, 21), // 57
    TT("UT3",           5, set19, 18, 19), // 58
    TT("DD",            5, set15, 18, 19), // 59
    TT("644.10.55",     5, set20, 18, 19), // 60
    TT("PRT-A-1-1",     0, set1, 48, 22), // 61
    TT("PRT-A-1-2",     0, set2, 48, 22), // 62
    TT("ST-5A-1",       3, set12, 46, 19), // 63
    TT("SOBS-2A-1-1",   2, set10, 48, 22), // 64
    TT("SOBS-2A-1-2",   2, set9, 48, 22), // 65
    TT("644.11.61",     5, set21, 18, 19), // 66
    {nullptr, 0, 0, nullptr, 0, 0, 0},
};

bool isTransType(int index)
{
    return index >= 0 && index < TransTypeCount;
}

QString transText(const char *text)
{
    return text ? QCoreApplication::translate("Trans", text) : QString();
}

QString transClassName(int transClass)
{
    if (transClass < 0 || transClass >= TransClassCount)
        return QString();
    return transText(transClassNames[transClass]);
}

QString transTypeName(int index)
{
    return isTransType(index) ? transText(transTypes[index].name) : QString();
}

#undef TT
#undef TS
#undef TN
