// The capacitor types and their nominals. The row order is stored in
// project files and must never change.

#include "devices/capacitorcatalogue.h"

#include <QCoreApplication>

namespace {

#define CN(text, placeType) {QT_TRANSLATE_NOOP("Capacitor", text), placeType}

const CapacitorNominal c0[] = {CN("4 mkf", 89), CN("1 mkf", 87)};
const CapacitorNominal c1[] = {CN("1 mkf", -1)};
const CapacitorNominal c2[] = {CN("2,2 mkf", 85), CN("4 mkf", 94)};
const CapacitorNominal c3[] = {CN("10 mkf", 93)};
const CapacitorNominal c4[] = {CN("1 mkf", 91)};
const CapacitorNominal c5[] = {CN("470 mkf", -1), CN("1000 mkf", -1)};
const CapacitorNominal c6[] = {CN("2 mkf", 69)};
const CapacitorNominal c7[] = {CN("1 mkf", 70)};
const CapacitorNominal c8[] = {CN("2 mkf", 80), CN("3,9 mkf", 83)};
const CapacitorNominal c9[] = {CN("10 mkf", 81)};
const CapacitorNominal c10[] = {CN("6 mkf", -1)};
const CapacitorNominal c11[] = {CN("4 mkf", -1)};
const CapacitorNominal c12[] = {CN("4 mkf", 63), CN("1 mkf", 59)};
const CapacitorNominal c13[] = {CN("4 mkf", 60)};
const CapacitorNominal c14[] = {CN("2 mkf", 61)};
const CapacitorNominal c15[] = {CN("200 mkf", 56), CN("500 mkf", 54), CN("1000 mkf", 57)};
const CapacitorNominal c16[] = {CN("2 mkf", 67)};
const CapacitorNominal c17[] = {CN("6 mkf", -1), CN("4 mkf", -1)};
const CapacitorNominal c18[] = {CN("0,25 mkf", 78), CN("0,5 mkf", 71), CN("1 mkf", 72)};
const CapacitorNominal c19[] = {CN("0,5 mkf", 73), CN("1 mkf", 74), CN("2 mkf", 75), CN("4 mkf", 76)};
const CapacitorNominal c20[] = {CN("10 mkf", 100)};
// The one nominal of the plate has no text.
const CapacitorNominal c21[] = {{"", 39}};

#undef CN

const char *capacitorTypeText(int row)
{
    return capacitorTypes[row].name;
}

int capacitorNominalCount(int row)
{
    return capacitorTypes[row].count;
}

const char *capacitorNominalText(int row, int index)
{
    return capacitorTypes[row].nominals[index].text;
}

} // namespace

#define CT(name, list) {QT_TRANSLATE_NOOP("Capacitor", name), list, int(sizeof(list) / sizeof(list[0]))}

const CapacitorType capacitorTypes[CapacitorTypeCount] = {
    CT("K75-24-1000V", c0),    CT("K75-24-1600V", c1),     CT("K75-24-630V", c2),      CT("K75-24-400V", c3),
    CT("K75-10-1000V", c4),    CT("K50-35-25V", c5),       CT("MBGCH-1-500V", c6),     CT("MBGCH-1-1000V", c7),
    CT("K42-19-500V", c8),     CT("K42-19-250V", c9),      CT("KLN-2-600V", c10),      CT("KBN-2-600V", c11),
    CT("K73P-2-1000V", c12),   CT("K73P-2-630V", c13),     CT("K73P-2-4000V", c14),    CT("K50-16-50V", c15),
    CT("MBGP-2-400V", c16),    CT("KBG-MI-2-600V", c17),   CT("MBGCH-1-2A-500V", c18), CT("MBGCH-1-2A-250V", c19),
    CT("MBGCH-2-250V", c20),   CT("PCH50/25", c21),
};

#undef CT

const TwoPinCatalogue capacitorCatalogue = {
    "Capacitor", CapacitorTypeCount, capacitorTypeText, capacitorNominalCount, capacitorNominalText, false, false,
};
