// The resistor types and their nominal lists. The row order is stored in
// project files and must never change.

#include "devices/resistorcatalogue.h"

#include <QCoreApplication>

#include <array>

namespace {

#define RN(text) {QT_TRANSLATE_NOOP("Resistor", text), 0}

const ResistorNominal listRmn1[] = {RN("1,1"), RN("2,2")};
const ResistorNominal listRmr1[] = {RN("1,1")};
const ResistorNominal listRr[] = {RN("0,6"), RN("1,2"), RN("14"), RN("40"), RN("100"),
                                  RN("200"), RN("400"), RN("1,1"), RN("6")};
const ResistorNominal listRp[] = {RN("1,1"), RN("2,2"), RN("4,4")};
const ResistorNominal listRpn[] = {RN("0,11"), RN("0,135"), RN("0,165"), RN("0,195"), RN("0,235"),
                                   RN("0,28"), RN("0,34"),  RN("0,41"),  RN("0,5")};
const ResistorNominal list7156[] = {RN("2,2"), RN("6")};
const ResistorNominal list7157p[] = {RN("13,0"), RN("19,5"), RN("200")};
const ResistorNominal list7157r[] = {RN("0,6"), RN("1,2"), RN("14"), RN("40"), RN("100"), RN("400")};
const ResistorNominal listRsh[] = {RN("0,03")};
const ResistorNominal list21220[] = {RN("200")};

#undef RN

// The E24 texts by the series' rule: each mantissa (in tenths) over seven
// decades from 0,1 to 910k, spelled with a decimal comma; the first decade
// drops a trailing zero ("0,1", "0,2").
const int e24Mantissas[24] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                              33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

struct E24Text
{
    char s[8];
};

constexpr E24Text e24Text(int decade, int mantissa)
{
    E24Text t{};
    const char tens = char('0' + mantissa / 10);
    const char units = char('0' + mantissa % 10);
    int n = 0;
    switch (decade) {
    case 0:
        t.s[n++] = '0';
        t.s[n++] = ',';
        t.s[n++] = tens;
        if (units != '0')
            t.s[n++] = units;
        break;
    case 1:
    case 4:
        t.s[n++] = tens;
        t.s[n++] = ',';
        t.s[n++] = units;
        break;
    default: // 2, 3, 5, 6
        t.s[n++] = tens;
        t.s[n++] = units;
        if (decade == 3 || decade == 6)
            t.s[n++] = '0';
        break;
    }
    if (decade >= 4)
        t.s[n++] = 'k';
    return t;
}

constexpr std::array<E24Text, ResistorE24Count> buildE24Texts()
{
    std::array<E24Text, ResistorE24Count> texts{};
    for (int decade = 0; decade < 7; ++decade)
        for (int i = 0; i < 24; ++i)
            texts[decade * 24 + i] = e24Text(decade, e24Mantissas[i]);
    return texts;
}

constexpr std::array<E24Text, ResistorE24Count> e24Texts = buildE24Texts();

const char *resistorTypeText(int row)
{
    return resistorTypes[row].name;
}

int resistorNominalCount(int row)
{
    return resistorTypes[row].count;
}

const char *resistorNominalText(int row, int index)
{
    return resistorTypes[row].nominals[index].text;
}

} // namespace

// Power mark 8, in stored order: "130" and "62" came last.
const ResistorNominal resistorListS[ResistorListSCount] = {
#define S(text) {QT_TRANSLATE_NOOP("Resistor", text), 8}
    S("1,0"),  S("1,2"),  S("1,5"),  S("1,8"),  S("2,2"),  S("2,7"),  S("3,3"),  S("3,9"),  S("4,7"),  S("5,6"),
    S("6,8"),  S("8,2"),  S("10"),   S("12"),   S("15"),   S("18"),   S("22"),   S("27"),   S("33"),   S("39"),
    S("47"),   S("51"),   S("56"),   S("68"),   S("75"),   S("82"),   S("100"),  S("110"),  S("120"),  S("150"),
    S("180"),  S("195"),  S("200"),  S("220"),  S("270"),  S("330"),  S("360"),  S("390"),  S("470"),  S("560"),
    S("680"),  S("820"),  S("1,0k"), S("1,2k"), S("1,5k"), S("1,8k"), S("2,2k"), S("2,7k"), S("3,3k"), S("3,9k"),
    S("4,3k"), S("4,7k"), S("5,1k"), S("5,6k"), S("6,8k"), S("8,2k"), S("9,1k"), S("12k"),  S("130"),  S("62"),
#undef S
};

namespace {

constexpr std::array<ResistorNominal, ResistorE24Count> buildE24List(int powerMark)
{
    std::array<ResistorNominal, ResistorE24Count> list{};
    for (int i = 0; i < ResistorE24Count; ++i)
        list[i] = {e24Texts[i].s, powerMark};
    return list;
}

} // namespace

constexpr std::array<std::array<ResistorNominal, ResistorE24Count>, 5> resistorE24Lists = {
    buildE24List(2), buildE24List(3), buildE24List(4), buildE24List(5), buildE24List(6)};

#define E24(mark) resistorE24Lists[mark - 2].data(), ResistorE24Count
#define LIST(list) list, int(sizeof(list) / sizeof(list[0]))
#define RT(name, adjustable, nominals, placeType) {QT_TRANSLATE_NOOP("Resistor", name), adjustable, nominals, placeType}

const ResistorType resistorTypes[ResistorTypeCount] = {
    RT("S5-35V", 0, LIST(resistorListS), 29),
    RT("MLT-2", 0, E24(6), 65),
    RT("RMN-1", 0, LIST(listRmn1), 29),
    RT("RMR-1", 1, LIST(listRmr1), 30),
    // The same type again; a resistor keeps whichever row it was given.
    RT("RMR-1", 1, LIST(listRmr1), 30),
    RT("RR", 1, LIST(listRr), 30),
    RT("RP", 0, LIST(listRp), 29),
    RT("RPN", 0, LIST(listRpn), 29),
    RT("7156", 1, LIST(list7156), 31),
    RT("7157P", 0, LIST(list7157p), 30),
    RT("7157R", 1, LIST(list7157r), 30),
    RT("MLT-0,125", 0, E24(2), 65),
    RT("MLT-0,25", 0, E24(3), 65),
    RT("MLT-0,5", 0, E24(4), 65),
    RT("MLT-1", 0, E24(5), 65),
    RT("Rsh", 0, LIST(listRsh), 29),
    RT("21220", 0, LIST(list21220), 31),
    // The lists of rows 1 and 12.
    RT("S2-23", 0, E24(6), 142),
    RT("S2-33N", 0, E24(3), 142),
};

#undef RT
#undef LIST
#undef E24

const TwoPinCatalogue resistorCatalogue = {
    "Resistor", ResistorTypeCount, resistorTypeText, resistorNominalCount, resistorNominalText, false, false,
};
