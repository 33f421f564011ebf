// The block types: every plug-in unit a block of a project can be, by class,
// with its pin names, the place it takes in a frame and its position code.
// Project files keep only the row index of a type, so no row may ever move
// or go; new types are appended before the closing all-zero row.

#include "devices/blockcatalogue.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstring>

namespace {

template <std::size_t N>
constexpr BlockType row(const char *name, qint32 blockClass, const char *const (&pins)[N], qint32 placeType,
                        qint32 positionCode)
{
    return {name, blockClass, pins, qint32(N), placeType, positionCode};
}

// The pin lists. A list is given, as the block's own documents name its
// pins, or derived by the numbering of its kind of block. Every name of a
// list must be one that the wiring table of the row's position code shows,
// so rows share a list only when they number their pins alike, have as many
// of them and stand at the same position, or the list fits every position
// its rows stand at (the plain numbering fits position 4 and the blocks of
// no position, the relay numbering positions 0 and 11).
//
// The numberings, in the order a row is given one:
// - A row numbered alike with as many pins at the same position as a row
//   given in full takes the given list.
// - Position 3 (the two 22-pin strips of the BMRC and GAC blocks): strip 1
//   names "11" to "122", strip 2 "21" to "222"; a list of n names takes the
//   first n / 2 (rounded down) of strip 1 and the rest from strip 2, each
//   strip passing over the name that "MI" lacks on it ("121", "214") unless
//   it must give all 22.
// - Positions 6 and 7 (the PCH transformers): "I1" to "I4", "II1" to
//   "II<n - 10>", then "N1", "K1", "N2", "K2", "K", "K.".
// - The units of position 4 (the shelf units of every class, FP-25M, FP-75M
//   and VUS-1,3) and the blocks of no position (-1): plain numbers "1" to
//   "n".
// - Every other block (positions 0 and 11): relay numbering, the supply
//   pins "1" to "s" and then whole contact groups from group 1 up ("g1",
//   "g2", "g3"). Up to 24 names s is 0, 2 or 4, whichever leaves a multiple
//   of three; from 25 to 28 names all eight groups and s = n - 24.
// - Positions 5, 8, 9, 12 and 13 and the DEK terminal have given lists only.
// Given: BVMSH. Taken by the rows numbered alike with as many pins at the same position: BVMSH-M1, BVMSH-U,
// BVMSH-I, BVV, BPSH, BPSH-M, DIM-1, DIM-1M.
const char *const blockPins0[] = {
    "11", "12", "13", "31", "32", "33", "51", "52", "53", "71", "72", "73",
};
// Derived, plain numbers "1" to "8": KB-4x4, KBM1x4, KBM2x4, KBM3x4, KBM2x4, KBM12x4, BK-4x4.
const char *const blockPins1[] = {
    "1", "2", "3", "4", "5", "6", "7", "8",
};
// Given: BDSH-20. Taken by the rows numbered alike with as many pins at the same position: BDSH-20M, GPU.
const char *const blockPins2[] = {
    "1", "2", "3", "4", "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43", "51", "52",
    "53", "61", "62", "63", "71", "72", "73", "81", "82", "83",
};
// Derived, relay numbering, 2 supply pins and 3 groups: BKSMSH-2, BKSMSH-3, BV, BV-M, FK-75, BZ-2, DIM-1U,
// PP3-8/8, PP3-8/12, PP3-9/8, PP3-9/12, PP3-11/8, PP3-11/12, PP3-14/8, PP3-14/12, PP3-15/8, PP3-15/12,
// PP3M-8/8, PP3M-8/12, PP3M-9/8, PP3M-9/12, PP3M-11/8, PP3M-11/12, PP3M-14/8, PP3M-14/12, PP3M-15/8,
// PP3M-15/12, PP4-8/8, PP4-8/12, PP4-9/8, PP4-9/12, PP4-11/8, PP4-11/12, PP4-14/8, PP4-14/12, PP4-15/8,
// PP4-15/12, BKT-2M.
const char *const blockPins3[] = {
    "1", "2", "11", "12", "13", "21", "22", "23", "31", "32", "33",
};
// Derived, relay numbering, 2 supply pins and 6 groups: BKSH-1, BKSH-1M, FPM, BVC4, BVC4L, GP4.
const char *const blockPins4[] = {
    "1", "2", "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43", "51", "52", "53", "61",
    "62", "63",
};
// Derived, relay numbering, 0 supply pins and 5 groups: BKR-76, BKR-76M, BVZ, BVZ-M, BP, PRC4, SZICN, SZICR.
const char *const blockPins5[] = {
    "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43", "51", "52", "53",
};
// Given: KB-1. Taken by the rows numbered alike with as many pins at the same position: BK-1, ZBF-1.
const char *const blockPins6[] = {
    "1", "2", "3", "4", "5", "6",
};
// Derived, plain numbers "1" to "4": KB-1x2, KB-2x2, KB-6, KBM1x2, KBM2x2, KBM3x2, KBM12x2, BK-1x2, BK-2x2,
// BK-6, VUS-1,3, FP-25M, FP-75M.
const char *const blockPins7[] = {
    "1", "2", "3", "4",
};
// Derived, plain numbers "1" and "2": KB-4x1, KBM4x1, BK-4x1.
const char *const blockPins8[] = {
    "1", "2",
};
// Derived, plain numbers "1" to "5": KBD-6.
const char *const blockPins9[] = {
    "1", "2", "3", "4", "5",
};
// Given: MI. Taken by the rows numbered alike with as many pins at the same position: MI-M, S, S-M, NMID,
// NMID-M, NSOx2, NSOx2M, NSS, NSS-M.
const char *const blockPins10[] = {
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "110", "111", "112", "113", "114", "115", "116",
    "117", "118", "119", "120", "122", "21", "22", "23", "24", "25", "26", "27", "28", "29", "210", "211",
    "212", "213", "215", "216", "217", "218", "219", "220", "221", "222",
};
// Given: VII and every GAC block. Taken by the rows numbered alike with as many pins at the same position:
// MII, MII-M, VII-M, VIII-M, VD-62, VD-M, SP-69, SP-M, P-62, P-M, PS-110A, PS-220A, PS, PST, OG1-76, OG1-M,
// VH, MPU-69, NMIIAP, NMIIAP-M, NPM-69, NPM-69-M, PS-220M.
const char *const blockPins11[] = {
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "110", "111", "112", "113", "114", "115", "116",
    "117", "118", "119", "120", "121", "122", "21", "22", "23", "24", "25", "26", "27", "28", "29", "210",
    "211", "212", "213", "214", "215", "216", "217", "218", "219", "220", "221", "222",
};
// Derived, strip numbering, 18 + 19: MIII, MIII-M.
const char *const blockPins12[] = {
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "110", "111", "112", "113", "114", "115", "116",
    "117", "118", "21", "22", "23", "24", "25", "26", "27", "28", "29", "210", "211", "212", "213", "215",
    "216", "217", "218", "219", "220",
};
// Derived, strip numbering, 20 + 20: VI, VI-M.
const char *const blockPins13[] = {
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "110", "111", "112", "113", "114", "115", "116",
    "117", "118", "119", "120", "21", "22", "23", "24", "25", "26", "27", "28", "29", "210", "211", "212",
    "213", "215", "216", "217", "218", "219", "220", "221",
};
// Derived, strip numbering, 21 + 22: VIII-65, NMI, NMI-M, NMIIP, NMIIP-M.
const char *const blockPins14[] = {
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "110", "111", "112", "113", "114", "115", "116",
    "117", "118", "119", "120", "122", "21", "22", "23", "24", "25", "26", "27", "28", "29", "210", "211",
    "212", "213", "214", "215", "216", "217", "218", "219", "220", "221", "222",
};
// Derived, strip numbering, 16 + 17: UP-65, UP-M.
const char *const blockPins15[] = {
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "110", "111", "112", "113", "114", "115", "116", "21",
    "22", "23", "24", "25", "26", "27", "28", "29", "210", "211", "212", "213", "215", "216", "217", "218",
};
// Derived, strip numbering, 16 + 16: VHD.
const char *const blockPins16[] = {
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "110", "111", "112", "113", "114", "115", "116", "21",
    "22", "23", "24", "25", "26", "27", "28", "29", "210", "211", "212", "213", "215", "216", "217",
};
// Derived, strip numbering, 17 + 18: NN, NN-M.
const char *const blockPins17[] = {
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "110", "111", "112", "113", "114", "115", "116",
    "117", "21", "22", "23", "24", "25", "26", "27", "28", "29", "210", "211", "212", "213", "215", "216",
    "217", "218", "219",
};
// Derived, strip numbering, 12 + 12: NPS.
const char *const blockPins18[] = {
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "110", "111", "112", "21", "22", "23", "24", "25",
    "26", "27", "28", "29", "210", "211", "212",
};
// Derived, strip numbering, 11 + 12: NPS-M.
const char *const blockPins19[] = {
    "11", "12", "13", "14", "15", "16", "17", "18", "19", "110", "111", "21", "22", "23", "24", "25", "26",
    "27", "28", "29", "210", "211", "212",
};
// Given: BPK.
const char *const blockPins20[] = {
    "25/1", "25/2", "25/3", "25/4", "25/5", "25/6", "25/7", "25/8", "RC2", "S", "PK3", "PK4", "50/1", "50/2",
    "50/3", "50/4", "50/5", "50/6", "50/7", "50/8", "RC1", "OS", "PK1", "PK2", "T1-N", "T1-K", "T2-N", "T2-K",
};
// Derived, relay numbering, 4 supply pins and 4 groups: BRK, BP3, BI-DA, BI-DAM, RNP, RNP-M.
const char *const blockPins21[] = {
    "1", "2", "3", "4", "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43",
};
// Derived, transformer taps, "II1" to "II6": PCH50/25-40.
const char *const blockPins22[] = {
    "I1", "I2", "I3", "I4", "II1", "II2", "II3", "II4", "II5", "II6", "N1", "K1", "N2", "K2", "K", "K.",
};
// Given: PCH50/25-100.
const char *const blockPins23[] = {
    "I1", "I2", "I3", "I4", "II1", "II2", "II3", "II4", "II5", "II6", "II7", "II8", "II9", "II10", "N1", "K1",
    "N2", "K2", "K", "K.",
};
// Derived, transformer taps, "II1" to "II3": PCH50/25-150, PCH50/25-300.
const char *const blockPins24[] = {
    "I1", "I2", "I3", "I4", "II1", "II2", "II3", "N1", "K1", "N2", "K2", "K", "K.",
};
// Derived, relay numbering, 2 supply pins and 4 groups: PPSH-3.
const char *const blockPins25[] = {
    "1", "2", "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43",
};
// Derived, plain numbers "1" to "17": RTA, RTA1.
const char *const blockPins26[] = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17",
};
// Given: VAK-13. Taken by the rows numbered alike with as many pins at the same position: VAK-14, VAK-16,
// VAK-13B, VAK-14B, VAK-16B.
const char *const blockPins27[] = {
    "110V", "127V", "220V", "S", "0", "+", "-", "1", "2", "3", "4", "5", "6",
};
// Given: the "A" and "M" variants of VAK-13, VAK-14 and VAK-16. Taken by the rows numbered alike with as many
// pins at the same position: VAK-11A.
const char *const blockPins28[] = {
    "110V", "127V", "220V", "0", "+", "-",
};
// Derived, relay numbering, 4 supply pins and 2 groups: BPS-1, BKT, FU-2M.
const char *const blockPins29[] = {
    "1", "2", "3", "4", "11", "12", "13", "21", "22", "23",
};
// Derived, relay numbering, 2 supply pins and 2 groups: KBMSH-1A, KBMSH-4, KBMSH-4A, KBMSH-5, KBMSH-5M,
// KBMSH-6, KBMSH-6M, BZ-1, RZFSH-2, PP-8/8, PP-8/12, PP-9/8, PP-9/12, PP-11/8, PP-11/12, PP-14/8, PP-14/12,
// PP-15/8, PP-15/12, PP1-8/8, PP1-8/12, PP1-9/8, PP1-9/12, PP1-11/8, PP1-11/12, PP1-14/8, PP1-14/12,
// PP1-15/8, PP1-15/12, PPM-8/8, PPM-8/12, PPM-9/8, PPM-9/12, PPM-11/8, PPM-11/12, PPM-14/8, PPM-14/12,
// PPM-15/8, PPM-15/12, PP1M-8/8, PP1M-8/12, PP1M-9/8, PP1M-9/12, PP1M-11/8, PP1M-11/12, PP1M-14/8,
// PP1M-14/12, PP1M-15/8, PP1M-15/12, PPN-8/8, PPN-8/12, PPN-9/8, PPN-9/12, PPN-11/8, PPN-11/12, PPN-15/8,
// PPN-15/12, PP1N-8/8, PP1N-8/12, PP1N-9/8, PP1N-9/12, PP1N-11/8, PP1N-11/12, PP1N-15/8, PP1N-15/12, DIV.
const char *const blockPins30[] = {
    "1", "2", "11", "12", "13", "21", "22", "23",
};
// Derived, relay numbering, 0 supply pins and 1 group: ZB-DSSH.
const char *const blockPins31[] = {
    "11", "12", "13",
};
// Derived, relay numbering, 0 supply pins and 2 groups: BK-DA, BK-DAM, PPN-14/8, PPN-14/12, PP1N-14/8,
// PP1N-14/12, RNM-3, RNM-3U.
const char *const blockPins32[] = {
    "11", "12", "13", "21", "22", "23",
};
// Given: KPTSH-515. Taken by the rows numbered alike with as many pins at the same position: KPTSH-715,
// KPTSH-815, KPTSH-915, KPTSH-1115, BKPT-5, BKPT-7, BKPTU (5), BKPTU (7), BKPTU (11), BKPTU (13).
const char *const blockPins33[] = {
    "Z1", "J1", "KJ1", "OZ1", "OJ1", "OKJ1", "Z2", "J2", "KJ2", "OZ2", "OJ2", "OKJ2", "220", "0",
};
// Given: KPTSH-1015. Taken by the rows numbered alike with as many pins at the same position: KPTSH-1315.
const char *const blockPins34[] = {
    "1", "Gen.1", "1A", "Gen.1A", "2", "Gen.2", "2A", "Gen.2A", "220", "0",
};
// Derived, relay numbering, 4 supply pins and 6 groups: BS-DA, BS-DAM.
const char *const blockPins35[] = {
    "1", "2", "3", "4", "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43", "51", "52",
    "53", "61", "62", "63",
};
// Derived, relay numbering, 2 supply pins and 7 groups: DIM-3.
const char *const blockPins36[] = {
    "1", "2", "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43", "51", "52", "53", "61",
    "62", "63", "71", "72", "73",
};
// Given: KPTSH - 515.
const char *const blockPins37[] = {
    "PKJ1", "PKJ2", "PKJ3", "PKJ4", "PKJ5", "PKJ6", "OPKJ1", "OPKJ2", "OPKJ3", "OPKJ4", "OPKJ5", "OPKJ6", "220",
    "0",
};
// Derived, relay numbering, 0 supply pins and 6 groups: PP, PP1, PPM, PP1M, PPN, PP1N, P12/14.
const char *const blockPins38[] = {
    "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43", "51", "52", "53", "61", "62", "63",
};
// Derived, relay numbering, 0 supply pins and 7 groups: PP3, PP3M, PP4.
const char *const blockPins39[] = {
    "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43", "51", "52", "53", "61", "62", "63",
    "71", "72", "73",
};
// Derived, relay numbering, 4 supply pins and 3 groups: PRC4L-4/8, PRC4L-4/12, PRC4L-5/8, PRC4L-5/12,
// PRC4L-6/8, PRC4L-6/12, PRC4-4/8, PRC4-4/12, PRC4-5/8, PRC4-5/12, PRC4-6/8, PRC4-6/12.
const char *const blockPins40[] = {
    "1", "2", "3", "4", "11", "12", "13", "21", "22", "23", "31", "32", "33",
};
// Derived, relay numbering, 4 supply pins and 1 group: FRC4.
const char *const blockPins41[] = {
    "1", "2", "3", "4", "11", "12", "13",
};
// Derived, relay numbering, 1 supply pin and 8 groups: GP.
const char *const blockPins42[] = {
    "1", "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43", "51", "52", "53", "61", "62",
    "63", "71", "72", "73", "81", "82", "83",
};
// Derived, relay numbering, 2 supply pins and 8 groups: GP3.
const char *const blockPins43[] = {
    "1", "2", "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43", "51", "52", "53", "61",
    "62", "63", "71", "72", "73", "81", "82", "83",
};
// Derived, relay numbering, 0 supply pins and 8 groups: GRC4, FPU.
const char *const blockPins44[] = {
    "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43", "51", "52", "53", "61", "62", "63",
    "71", "72", "73", "81", "82", "83",
};
// Derived, relay numbering, 4 supply pins and 5 groups: KCHF.
const char *const blockPins45[] = {
    "1", "2", "3", "4", "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43", "51", "52",
    "53",
};
// Derived, relay numbering, 2 supply pins and 1 group: RNM-1.
const char *const blockPins46[] = {
    "1", "2", "11", "12", "13",
};
// Given: URPI-1 and the other four URP blocks.
const char *const blockPins47[] = {
    "XT1-a1", "XT1-a2", "XT1-a3", "XT1-a4", "XT1-a5", "XT1-a6", "XT1-a7", "XT1-a8", "XT1-a9", "XT1-a0",
    "XT1-b1", "XT1-b2", "XT1-b3", "XT1-b4", "XT1-b5", "XT1-b6", "XT1-b7", "XT1-b8", "XT1-b9", "XT1-b0",
    "XT1-c1", "XT1-c2", "XT1-c3", "XT1-c4", "XT1-c5", "XT1-c6", "XT1-c7", "XT1-c8", "XT1-c9", "XT1-c0",
    "XT2-a1", "XT2-a2", "XT2-a3", "XT2-a4", "XT2-a5", "XT2-a6", "XT2-a7", "XT2-a8", "XT2-a9", "XT2-a0",
    "XT2-b1", "XT2-b2", "XT2-b3", "XT2-b4", "XT2-b5", "XT2-b6", "XT2-b7", "XT2-b8", "XT2-b9", "XT2-b0",
    "XT2-c1", "XT2-c2", "XT2-c3", "XT2-c4", "XT2-c5", "XT2-c6", "XT2-c7", "XT2-c8", "XT2-c9", "XT2-c0",
};
// Derived, relay numbering, 3 supply pins and 8 groups: GKSH-MA.
const char *const blockPins48[] = {
    "1", "2", "3", "11", "12", "13", "21", "22", "23", "31", "32", "33", "41", "42", "43", "51", "52", "53",
    "61", "62", "63", "71", "72", "73", "81", "82", "83",
};
// Derived, relay numbering, 0 supply pins and 3 groups: BK-75.
const char *const blockPins49[] = {
    "11", "12", "13", "21", "22", "23", "31", "32", "33",
};
// Given: 140DDI35300. Taken by the rows numbered alike with as many pins at the same position: 140DDO35300,
// 140DDI35310, 140DDO35310.
const char *const blockPins50[] = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19",
    "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "32", "33", "34", "35", "36", "37",
    "38", "39", "40",
};
// Given: DEK-OV-24DC/24DC/3.
const char *const blockPins51[] = {
    "A1+", "A2-", "13+", "14",
};
// Given: ABE-7H20. Taken by the rows numbered alike with as many pins at the same position: ABE-7S16,
// ABE-7P16; derived alike, plain numbers "1" to "20": UZA-24-10, UZAT-24-30.
const char *const blockPins52[] = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18", "19",
    "20",
};
// Given: PK5-1. Taken by the rows numbered alike with as many pins at the same position: PK5-2, PK5-3, PK5-4,
// PK5-5, PK5-6, PK5-7, PK5-8.
const char *const blockPins53[] = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16",
};
// Derived, plain numbers "1" to "9": UPDK-2.
const char *const blockPins54[] = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9",
};
// Derived, plain numbers "1" to "14": DSNP-2.
const char *const blockPins55[] = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14",
};

} // namespace

const char *const blockClasses[BlockClassCount] = {
    QT_TRANSLATE_NOOP("Block", "Time blocks"),
    QT_TRANSLATE_NOOP("Block", "R-C blocks  "),
    QT_TRANSLATE_NOOP("Block", "BMRC blocks"),
    QT_TRANSLATE_NOOP("Block", "Rectifier bloks"),
    QT_TRANSLATE_NOOP("Block", "Shield blocks"),
    QT_TRANSLATE_NOOP("Block", "Coding blocks"),
    QT_TRANSLATE_NOOP("Block", "TRC blocks"),
    QT_TRANSLATE_NOOP("Block", "GAC blocks"),
    QT_TRANSLATE_NOOP("Block", "Other blocks"),
    QT_TRANSLATE_NOOP("Block", "CHDK blocks"),
};

const BlockType blockTypes[BlockTypeCount + 1] = {
    // Time blocks
    row(QT_TRANSLATE_NOOP("Block", "BVMSH"), 0, blockPins0, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BVMSH-M1"), 0, blockPins0, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BVMSH-U"), 0, blockPins0, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BVMSH-I"), 0, blockPins0, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BVV"), 0, blockPins0, 18, 0),
    // R-C blocks
    row(QT_TRANSLATE_NOOP("Block", "KBMSH-1A"), 1, blockPins30, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "KBMSH-4"), 1, blockPins30, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "KBMSH-4A"), 1, blockPins30, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "KBMSH-5"), 1, blockPins30, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "KBMSH-5M"), 1, blockPins30, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "KBMSH-6"), 1, blockPins30, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "KBMSH-6M"), 1, blockPins30, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BDSH-20"), 1, blockPins2, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BDSH-20M"), 1, blockPins2, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BKSMSH-2"), 1, blockPins3, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BKSMSH-3"), 1, blockPins3, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BKSH-1"), 1, blockPins4, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "BKSH-1M"), 1, blockPins4, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "BKR-76"), 1, blockPins5, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BKR-76M"), 1, blockPins5, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "KB-1"), 1, blockPins6, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KB-1x2"), 1, blockPins7, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KB-2x2"), 1, blockPins7, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KB-4x1"), 1, blockPins8, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KB-4x4"), 1, blockPins1, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KB-6"), 1, blockPins7, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KBD-6"), 1, blockPins9, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KBM4x1"), 1, blockPins8, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KBM1x4"), 1, blockPins1, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KBM2x4"), 1, blockPins1, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KBM1x2"), 1, blockPins7, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KBM2x2"), 1, blockPins7, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KBM3x4"), 1, blockPins1, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KBM2x4"), 1, blockPins1, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KBM3x2"), 1, blockPins7, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KBM12x4"), 1, blockPins1, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "KBM12x2"), 1, blockPins7, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "BK-1"), 1, blockPins6, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "BK-1x2"), 1, blockPins7, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "BK-2x2"), 1, blockPins7, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "BK-4x1"), 1, blockPins8, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "BK-4x4"), 1, blockPins1, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "BK-6"), 1, blockPins7, 31, 4),
    // BMRC blocks
    row(QT_TRANSLATE_NOOP("Block", "MI"), 2, blockPins10, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "MI-M"), 2, blockPins10, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "MII"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "MII-M"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "MIII"), 2, blockPins12, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "MIII-M"), 2, blockPins12, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "VI"), 2, blockPins13, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "VI-M"), 2, blockPins13, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "VII"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "VII-M"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "VIII-65"), 2, blockPins14, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "VIII-M"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "VD-62"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "VD-M"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "SP-69"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "SP-M"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "UP-65"), 2, blockPins15, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "UP-M"), 2, blockPins15, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "P-62"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "P-M"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "PS-110A"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "PS-220A"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "PS"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "S"), 2, blockPins10, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "S-M"), 2, blockPins10, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "PST"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "OG1-76"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "OG1-M"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "VH"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "VHD"), 2, blockPins16, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "MPU-69"), 2, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "NMI"), 2, blockPins14, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NMI-M"), 2, blockPins14, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NMID"), 2, blockPins10, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NMID-M"), 2, blockPins10, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NMIIP"), 2, blockPins14, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NMIIP-M"), 2, blockPins14, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NMIIAP"), 2, blockPins11, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NMIIAP-M"), 2, blockPins11, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NPM-69"), 2, blockPins11, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NPM-69-M"), 2, blockPins11, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NN"), 2, blockPins17, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NN-M"), 2, blockPins17, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NSOx2"), 2, blockPins10, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NSOx2M"), 2, blockPins10, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NSS"), 2, blockPins10, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NSS-M"), 2, blockPins10, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NPS"), 2, blockPins18, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "NPS-M"), 2, blockPins19, 23, 3),
    row(QT_TRANSLATE_NOOP("Block", "PS-220M"), 2, blockPins11, 22, 3),
    // Rectifier bloks
    row(QT_TRANSLATE_NOOP("Block", "BV"), 3, blockPins3, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "BV-M"), 3, blockPins3, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "BVZ"), 3, blockPins5, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "BVZ-M"), 3, blockPins5, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "BPSH"), 3, blockPins0, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BPSH-M"), 3, blockPins0, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BPK"), 3, blockPins20, 35, 12),
    row(QT_TRANSLATE_NOOP("Block", "BP"), 3, blockPins5, 35, 11),
    row(QT_TRANSLATE_NOOP("Block", "BRK"), 3, blockPins21, 35, 11),
    row(QT_TRANSLATE_NOOP("Block", "PCH50/25-40"), 3, blockPins22, 39, 6),
    row(QT_TRANSLATE_NOOP("Block", "PCH50/25-100"), 3, blockPins23, 39, 7),
    row(QT_TRANSLATE_NOOP("Block", "PCH50/25-150"), 3, blockPins24, 39, 7),
    row(QT_TRANSLATE_NOOP("Block", "PCH50/25-300"), 3, blockPins24, 39, 7),
    row(QT_TRANSLATE_NOOP("Block", "PPSH-3"), 3, blockPins25, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "RTA"), 3, blockPins26, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "RTA1"), 3, blockPins26, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "UZA-24-10"), 3, blockPins52, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "UZAT-24-30"), 3, blockPins52, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "VAK-13"), 3, blockPins27, 31, 5),
    row(QT_TRANSLATE_NOOP("Block", "VAK-14"), 3, blockPins27, 31, 5),
    row(QT_TRANSLATE_NOOP("Block", "VAK-16"), 3, blockPins27, 31, 5),
    row(QT_TRANSLATE_NOOP("Block", "VAK-11A"), 3, blockPins28, 31, 5),
    row(QT_TRANSLATE_NOOP("Block", "VAK-13A"), 3, blockPins28, 31, 5),
    row(QT_TRANSLATE_NOOP("Block", "VAK-14A"), 3, blockPins28, 31, 5),
    row(QT_TRANSLATE_NOOP("Block", "VAK-16A"), 3, blockPins28, 31, 5),
    row(QT_TRANSLATE_NOOP("Block", "VAK-13B"), 3, blockPins27, 31, 5),
    row(QT_TRANSLATE_NOOP("Block", "VAK-14B"), 3, blockPins27, 31, 5),
    row(QT_TRANSLATE_NOOP("Block", "VAK-16B"), 3, blockPins27, 31, 5),
    row(QT_TRANSLATE_NOOP("Block", "VAK-13M"), 3, blockPins28, 31, 5),
    row(QT_TRANSLATE_NOOP("Block", "VAK-14M"), 3, blockPins28, 31, 5),
    row(QT_TRANSLATE_NOOP("Block", "VAK-16M"), 3, blockPins28, 31, 5),
    row(QT_TRANSLATE_NOOP("Block", "VUS-1,3"), 3, blockPins7, 42, 4),
    row(QT_TRANSLATE_NOOP("Block", "FK-75"), 3, blockPins3, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BP3"), 3, blockPins21, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "DSNP-2"), 3, blockPins55, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "BPS-1"), 3, blockPins29, 31, 0),
    // Shield blocks
    row(QT_TRANSLATE_NOOP("Block", "BZ-1"), 4, blockPins30, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "BZ-2"), 4, blockPins3, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "ZB-DSSH"), 4, blockPins31, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "ZBF-1"), 4, blockPins6, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "RZFSH-2"), 4, blockPins30, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "FP-25M"), 4, blockPins7, 37, 4),
    row(QT_TRANSLATE_NOOP("Block", "FP-75M"), 4, blockPins7, 37, 4),
    // Coding blocks
    row(QT_TRANSLATE_NOOP("Block", "KPTSH-515"), 5, blockPins33, 31, 8),
    row(QT_TRANSLATE_NOOP("Block", "KPTSH-715"), 5, blockPins33, 31, 8),
    row(QT_TRANSLATE_NOOP("Block", "KPTSH-815"), 5, blockPins33, 31, 8),
    row(QT_TRANSLATE_NOOP("Block", "KPTSH-915"), 5, blockPins33, 31, 8),
    row(QT_TRANSLATE_NOOP("Block", "KPTSH-1115"), 5, blockPins33, 31, 8),
    row(QT_TRANSLATE_NOOP("Block", "KPTSH-1015"), 5, blockPins34, 31, 9),
    row(QT_TRANSLATE_NOOP("Block", "KPTSH-1315"), 5, blockPins34, 31, 9),
    row(QT_TRANSLATE_NOOP("Block", "BKPT-5"), 5, blockPins33, 31, 8),
    row(QT_TRANSLATE_NOOP("Block", "BKPT-7"), 5, blockPins33, 31, 8),
    row(QT_TRANSLATE_NOOP("Block", "BI-DA"), 5, blockPins21, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "BI-DAM"), 5, blockPins21, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "BS-DA"), 5, blockPins35, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "BS-DAM"), 5, blockPins35, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "BK-DA"), 5, blockPins32, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "BK-DAM"), 5, blockPins32, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "DIM-1"), 5, blockPins0, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "DIM-1M"), 5, blockPins0, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "DIM-3"), 5, blockPins36, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "BKPTU (5)"), 5, blockPins33, 31, 8),
    row(QT_TRANSLATE_NOOP("Block", "BKPTU (7)"), 5, blockPins33, 31, 8),
    row(QT_TRANSLATE_NOOP("Block", "BKPTU (11)"), 5, blockPins33, 31, 8),
    row(QT_TRANSLATE_NOOP("Block", "BKPTU (13)"), 5, blockPins33, 31, 8),
    row(QT_TRANSLATE_NOOP("Block", "DIM-1U"), 5, blockPins3, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "KPTSH - 515"), 5, blockPins37, 31, 8),
    // TRC blocks
    row(QT_TRANSLATE_NOOP("Block", "PP"), 6, blockPins38, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP-8/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP-8/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP-9/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP-9/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP-11/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP-11/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP-14/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP-14/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP-15/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP-15/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1"), 6, blockPins38, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1-8/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1-8/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1-9/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1-9/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1-11/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1-11/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1-14/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1-14/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1-15/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1-15/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPM"), 6, blockPins38, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPM-8/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPM-8/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPM-9/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPM-9/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPM-11/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPM-11/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPM-14/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPM-14/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPM-15/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPM-15/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1M"), 6, blockPins38, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1M-8/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1M-8/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1M-9/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1M-9/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1M-11/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1M-11/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1M-14/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1M-14/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1M-15/8"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1M-15/12"), 6, blockPins30, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPN"), 6, blockPins38, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPN-8/8"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPN-8/12"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPN-9/8"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPN-9/12"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPN-11/8"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPN-11/12"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPN-14/8"), 6, blockPins32, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPN-14/12"), 6, blockPins32, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPN-15/8"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PPN-15/12"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1N"), 6, blockPins38, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1N-8/8"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1N-8/12"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1N-9/8"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1N-9/12"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1N-11/8"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1N-11/12"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1N-14/8"), 6, blockPins32, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1N-14/12"), 6, blockPins32, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1N-15/8"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP1N-15/12"), 6, blockPins30, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3"), 6, blockPins39, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3-8/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3-8/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3-9/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3-9/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3-11/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3-11/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3-14/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3-14/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3-15/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3-15/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3M"), 6, blockPins39, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3M-8/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3M-8/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3M-9/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3M-9/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3M-11/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3M-11/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3M-14/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3M-14/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3M-15/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP3M-15/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP4"), 6, blockPins39, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP4-8/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP4-8/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP4-9/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP4-9/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP4-11/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP4-11/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP4-14/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP4-14/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP4-15/8"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PP4-15/12"), 6, blockPins3, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "PRC4"), 6, blockPins5, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PRC4L-4/8"), 6, blockPins40, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PRC4L-4/12"), 6, blockPins40, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PRC4L-5/8"), 6, blockPins40, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PRC4L-5/12"), 6, blockPins40, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PRC4L-6/8"), 6, blockPins40, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PRC4L-6/12"), 6, blockPins40, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PRC4-4/8"), 6, blockPins40, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PRC4-4/12"), 6, blockPins40, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PRC4-5/8"), 6, blockPins40, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PRC4-5/12"), 6, blockPins40, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PRC4-6/8"), 6, blockPins40, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "PRC4-6/12"), 6, blockPins40, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "FPM"), 6, blockPins4, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "FRC4"), 6, blockPins41, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BVC4"), 6, blockPins4, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BVC4L"), 6, blockPins4, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "P12/14"), 6, blockPins38, 20, 0),
    row(QT_TRANSLATE_NOOP("Block", "GP"), 6, blockPins42, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "GP3"), 6, blockPins43, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "GP4"), 6, blockPins4, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "GRC4"), 6, blockPins44, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "FPU"), 6, blockPins44, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "GPU"), 6, blockPins2, 21, 0),
    // GAC blocks
    row(QT_TRANSLATE_NOOP("Block", "VD"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "SPDx2"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "S"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "P"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "V"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "USP"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "M"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "PI"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "NPM"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "NM"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "MT"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "V1"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "NG"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "BP1"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "BP2"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "TG1"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "TG2"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "TG3"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "BI"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "SCHG"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "I-62"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "II-67"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "III-67"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "IV-66"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "BN-62"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "BMP-62"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "BS-62"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "SG-66"), 7, blockPins11, 22, 3),
    row(QT_TRANSLATE_NOOP("Block", "SG-76"), 7, blockPins11, 22, 3),
    // Other blocks
    row(QT_TRANSLATE_NOOP("Block", "BKT"), 8, blockPins29, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "BKT-2M"), 8, blockPins3, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "DIV"), 8, blockPins30, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "KCHF"), 8, blockPins45, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "FU-2M"), 8, blockPins29, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "RNP"), 8, blockPins21, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "RNP-M"), 8, blockPins21, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "RNM-1"), 8, blockPins46, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "RNM-3"), 8, blockPins32, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "RNM-3U"), 8, blockPins32, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "URPI-1"), 8, blockPins47, 41, 13),
    row(QT_TRANSLATE_NOOP("Block", "URPI-2"), 8, blockPins47, 41, 13),
    row(QT_TRANSLATE_NOOP("Block", "URPM1-1"), 8, blockPins47, 41, 13),
    row(QT_TRANSLATE_NOOP("Block", "URPM1-2"), 8, blockPins47, 41, 13),
    row(QT_TRANSLATE_NOOP("Block", "URPM1-3"), 8, blockPins47, 41, 13),
    row(QT_TRANSLATE_NOOP("Block", "SZICN"), 8, blockPins5, 18, 0),
    row(QT_TRANSLATE_NOOP("Block", "SZICR"), 8, blockPins5, 19, 0),
    row(QT_TRANSLATE_NOOP("Block", "GKSH-MA"), 8, blockPins48, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "BK-75"), 8, blockPins49, 21, 0),
    row(QT_TRANSLATE_NOOP("Block", "140DDI35300"), 8, blockPins50, 203, -1),
    row(QT_TRANSLATE_NOOP("Block", "140DDO35300"), 8, blockPins50, 203, -1),
    row(QT_TRANSLATE_NOOP("Block", "140DDI35310"), 8, blockPins50, 203, -1),
    row(QT_TRANSLATE_NOOP("Block", "140DDO35310"), 8, blockPins50, 203, -1),
    row(QT_TRANSLATE_NOOP("Block", "DEK-OV-24DC/24DC/3"), 8, blockPins51, 207, -1),
    row(QT_TRANSLATE_NOOP("Block", "ABE-7H20"), 8, blockPins52, 211, -1),
    row(QT_TRANSLATE_NOOP("Block", "ABE-7S16"), 8, blockPins52, 211, -1),
    row(QT_TRANSLATE_NOOP("Block", "ABE-7P16"), 8, blockPins52, 211, -1),
    // CHDK blocks
    row(QT_TRANSLATE_NOOP("Block", "PK5-1"), 9, blockPins53, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "PK5-2"), 9, blockPins53, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "PK5-3"), 9, blockPins53, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "PK5-4"), 9, blockPins53, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "PK5-5"), 9, blockPins53, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "PK5-6"), 9, blockPins53, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "PK5-7"), 9, blockPins53, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "PK5-8"), 9, blockPins53, 31, 4),
    row(QT_TRANSLATE_NOOP("Block", "UPDK-2"), 9, blockPins54, 31, 4),
    {nullptr, 0, nullptr, 0, 0, 0},
};

const BlockType *blockTypeAt(int index)
{
    if (index < 0 || index >= BlockTypeCount)
        return nullptr;
    return &blockTypes[index];
}

QString blockTypeName(int index)
{
    const BlockType *type = blockTypeAt(index);
    return type ? QCoreApplication::translate("Block", type->name) : QString();
}

QString blockClassName(int blockClass)
{
    if (blockClass < 0 || blockClass >= BlockClassCount)
        return QString();
    return QCoreApplication::translate("Block", blockClasses[blockClass]);
}

QString blockPinText(const char *pin)
{
    return pin ? QCoreApplication::translate("Block", pin) : QString();
}

const char *blockFindPin(int index, const char *name)
{
    const BlockType *type = blockTypeAt(index);
    if (!type || !name)
        return nullptr;
    for (int i = 0; i < type->pinCount; ++i) {
        if (std::strcmp(type->pins[i], name) == 0)
            return type->pins[i];
    }
    return nullptr;
}

const char *blockPinByLabel(int index, const QString &label)
{
    const BlockType *type = blockTypeAt(index);
    if (!type)
        return nullptr;
    for (int i = 0; i < type->pinCount; ++i) {
        if (blockPinText(type->pins[i]) == label)
            return type->pins[i];
    }
    return nullptr;
}

QList<int> blockTypesOfClass(int blockClass)
{
    QList<int> rows;
    for (int i = 0; i < BlockTypeCount; ++i) {
        if (blockTypes[i].blockClass == blockClass)
            rows.append(i);
    }
    return rows;
}
