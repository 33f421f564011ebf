// The relay types: the contacts, connection variants and windings of every
// type, and the type rows themselves. The row order is stored in project
// files and must never change.

#include "devices/relaycatalogue.h"

#include <QCoreApplication>

#include <cstddef>

namespace {

// Row builders that take the element counts from the arrays themselves.

template <std::size_t N>
constexpr WindingVariant variant(qint32 kind, const char *const (&names)[N])
{
    return {kind, names, qint32(N), nullptr, 0};
}

template <std::size_t N, std::size_t R>
constexpr WindingVariant variant(qint32 kind, const char *const (&names)[N], const qint32 (&runs)[R])
{
    return {kind, names, qint32(N), runs, qint32(R)};
}

template <std::size_t C, std::size_t V, std::size_t P>
constexpr RelayDescriptor winding(qint32 pictureKind, const ContactSet (&contacts)[C],
                                  const WindingVariant (&variants)[V], const char *const (&pins)[P])
{
    return {pictureKind, contacts, qint32(C), variants, qint32(V), pins, qint32(P)};
}

template <std::size_t W>
constexpr RelayType relay(const char *name, const RelayDescriptor (&windings)[W], qint32 placeType,
                         qint32 positionCode)
{
    return {name, windings, qint32(W), placeType, positionCode};
}

// Contact lists: the contacts a winding carries, each with its kind and
// pin names (nullptr: a pin without a name).

const char *const contactPins1_1[] = {"11", "12", "13"};
const char *const contactPins1_2[] = {"21", "22", "23"};
const char *const contactPins1_3[] = {"31", "32", "33"};
const char *const contactPins1_4[] = {"41", "42"};
const char *const contactPins1_5[] = {"51", "52"};
const char *const contactPins1_6[] = {"61", "62", "63"};
const char *const contactPins1_7[] = {"71", "72", "73"};
const char *const contactPins1_8[] = {"81", "82", "83"};
const ContactSet contacts1[] = {
    {7, contactPins1_1},
    {7, contactPins1_2},
    {7, contactPins1_3},
    {9, contactPins1_4},
    {9, contactPins1_5},
    {7, contactPins1_6},
    {7, contactPins1_7},
    {7, contactPins1_8},
};

const char *const contactPins2_1[] = {"31", "32", "33"};
const char *const contactPins2_2[] = {"41", "42", "43"};
const char *const contactPins2_3[] = {"51", "52", "53"};
const char *const contactPins2_4[] = {"61", "62", "63"};
const ContactSet contacts2[] = {
    {7, contactPins2_1},
    {7, contactPins2_2},
    {7, contactPins2_3},
    {7, contactPins2_4},
};

const char *const contactPins3_1[] = {"31", "32", "33"};
const char *const contactPins3_2[] = {"41", "42"};
const char *const contactPins3_3[] = {"51", "52"};
const char *const contactPins3_4[] = {"61", "62", "63"};
const ContactSet contacts3[] = {
    {7, contactPins3_1},
    {9, contactPins3_2},
    {9, contactPins3_3},
    {7, contactPins3_4},
};

const char *const contactPins4_1[] = {"21", "22"};
const char *const contactPins4_2[] = {"31", "32", "33"};
const char *const contactPins4_3[] = {"61", "62", "63"};
const char *const contactPins4_4[] = {"71", "72", "73"};
const ContactSet contacts4[] = {
    {9, contactPins4_1},
    {2, contactPins4_2},
    {2, contactPins4_3},
    {7, contactPins4_4},
};

const char *const contactPins5_1[] = {"31", "32", "33"};
const char *const contactPins5_2[] = {"41", "42"};
const char *const contactPins5_3[] = {"51", "52", "53"};
const char *const contactPins5_4[] = {"61", "62", "63"};
const ContactSet contacts5[] = {
    {7, contactPins5_1},
    {9, contactPins5_2},
    {7, contactPins5_3},
    {7, contactPins5_4},
};

const char *const contactPins6_1[] = {"11", "12"};
const char *const contactPins6_2[] = {"21", "22", "23"};
const char *const contactPins6_3[] = {"31", "32", "33"};
const char *const contactPins6_4[] = {"41", "42"};
const ContactSet contacts6[] = {
    {9, contactPins6_1},
    {7, contactPins6_2},
    {7, contactPins6_3},
    {9, contactPins6_4},
};

const char *const contactPins7_1[] = {"51", "52"};
const char *const contactPins7_2[] = {"61", "62", "63"};
const char *const contactPins7_3[] = {"71", "72", "73"};
const char *const contactPins7_4[] = {"81", "82"};
const ContactSet contacts7[] = {
    {9, contactPins7_1},
    {7, contactPins7_2},
    {7, contactPins7_3},
    {9, contactPins7_4},
};

const char *const contactPins8_1[] = {"11", "12", "13"};
const char *const contactPins8_2[] = {"21", "22", "23"};
const char *const contactPins8_3[] = {"31", "32", "33"};
const char *const contactPins8_4[] = {"41", "42", "43"};
const char *const contactPins8_5[] = {"51", "52", "53"};
const char *const contactPins8_6[] = {"61", "62", "63"};
const char *const contactPins8_7[] = {"71", "72", "73"};
const char *const contactPins8_8[] = {"81", "82", "83"};
const ContactSet contacts8[] = {
    {7, contactPins8_1},
    {7, contactPins8_2},
    {7, contactPins8_3},
    {7, contactPins8_4},
    {7, contactPins8_5},
    {7, contactPins8_6},
    {7, contactPins8_7},
    {7, contactPins8_8},
};

const char *const contactPins9_1[] = {"21", "22", "23"};
const char *const contactPins9_2[] = {"41", "42", "43"};
const char *const contactPins9_3[] = {"61", "62", "63"};
const char *const contactPins9_4[] = {"81", "82", "83"};
const ContactSet contacts9[] = {
    {7, contactPins9_1},
    {7, contactPins9_2},
    {7, contactPins9_3},
    {7, contactPins9_4},
};

const char *const contactPins10_1[] = {"11", "12", "13"};
const char *const contactPins10_2[] = {"21", "22"};
const char *const contactPins10_3[] = {"31", "32", "33"};
const char *const contactPins10_4[] = {"41", "42"};
const char *const contactPins10_5[] = {"51", "52", "53"};
const char *const contactPins10_6[] = {"61", "62"};
const char *const contactPins10_7[] = {"71", "72", "73"};
const char *const contactPins10_8[] = {"81", "82"};
const ContactSet contacts10[] = {
    {7, contactPins10_1},
    {9, contactPins10_2},
    {7, contactPins10_3},
    {9, contactPins10_4},
    {7, contactPins10_5},
    {9, contactPins10_6},
    {7, contactPins10_7},
    {9, contactPins10_8},
};

const char *const contactPins11_1[] = {"11", "12", "13"};
const char *const contactPins11_2[] = {"31", "32", "33"};
const char *const contactPins11_3[] = {"51", "52", "53"};
const char *const contactPins11_4[] = {"71", "72", "73"};
const ContactSet contacts11[] = {
    {7, contactPins11_1},
    {7, contactPins11_2},
    {7, contactPins11_3},
    {7, contactPins11_4},
};

const char *const contactPins12_1[] = {"21", "22", "23"};
const char *const contactPins12_2[] = {"41", "42"};
const char *const contactPins12_3[] = {"61", "62"};
const char *const contactPins12_4[] = {"81", "82", "83"};
const ContactSet contacts12[] = {
    {7, contactPins12_1},
    {9, contactPins12_2},
    {9, contactPins12_3},
    {7, contactPins12_4},
};

const char *const contactPins13_1[] = {"11", "12", "13"};
const char *const contactPins13_2[] = {"31", "32", "33"};
const char *const contactPins13_3[] = {"51", "53"};
const char *const contactPins13_4[] = {"71", "73"};
const ContactSet contacts13[] = {
    {7, contactPins13_1},
    {7, contactPins13_2},
    {11, contactPins13_3},
    {11, contactPins13_4},
};

const char *const contactPins14_1[] = {"31", "12", nullptr};
const char *const contactPins14_2[] = {"21", "22"};
const char *const contactPins14_3[] = {"41", "42"};
const char *const contactPins14_4[] = {"51", "72", nullptr};
const char *const contactPins14_5[] = {"61", "62"};
const char *const contactPins14_6[] = {"81", "82"};
const ContactSet contacts14[] = {
    {2, contactPins14_1},
    {9, contactPins14_2},
    {9, contactPins14_3},
    {2, contactPins14_4},
    {9, contactPins14_5},
    {9, contactPins14_6},
};

const char *const contactPins15_1[] = {"21", "22", "23"};
const char *const contactPins15_2[] = {"41", "42"};
const char *const contactPins15_3[] = {"61", "62"};
const char *const contactPins15_4[] = {"81", "82", "83"};
const ContactSet contacts15[] = {
    {1, contactPins15_1},
    {9, contactPins15_2},
    {9, contactPins15_3},
    {1, contactPins15_4},
};

const char *const contactPins16_1[] = {"33", "13"};
const char *const contactPins16_2[] = {"53", "73"};
const char *const contactPins16_3[] = {"41", "23"};
const char *const contactPins16_4[] = {"61", "83"};
const ContactSet contacts16[] = {
    {9, contactPins16_1},
    {9, contactPins16_2},
    {11, contactPins16_3},
    {11, contactPins16_4},
};

const char *const contactPins17_1[] = {"11", "12", "13"};
const char *const contactPins17_2[] = {"21", "22", "23"};
const char *const contactPins17_3[] = {"31", "32", "33"};
const char *const contactPins17_4[] = {"41", "42", "43"};
const char *const contactPins17_5[] = {"61", "62", "63"};
const char *const contactPins17_6[] = {"81", "82", "83"};
const char *const contactPins17_7[] = {"51", "52", "53", "71", "72"};
const ContactSet contacts17[] = {
    {7, contactPins17_1},
    {7, contactPins17_2},
    {7, contactPins17_3},
    {7, contactPins17_4},
    {7, contactPins17_5},
    {7, contactPins17_6},
    {10, contactPins17_7},
};

const char *const contactPins18_1[] = {"11", "12", "13"};
const char *const contactPins18_2[] = {"31", "32", "33"};
const char *const contactPins18_3[] = {"51", "52", "53", "71", "72"};
const ContactSet contacts18[] = {
    {7, contactPins18_1},
    {7, contactPins18_2},
    {10, contactPins18_3},
};

const char *const contactPins19_1[] = {"11", "12", "13"};
const char *const contactPins19_2[] = {"21", "22", "23"};
const char *const contactPins19_3[] = {"111", "112", "113"};
const char *const contactPins19_4[] = {"121", "122", "123"};
const ContactSet contacts19[] = {
    {7, contactPins19_1},
    {7, contactPins19_2},
    {8, contactPins19_3},
    {8, contactPins19_4},
};

const char *const contactPins20_1[] = {"111", "112", "113"};
const char *const contactPins20_2[] = {"141", "142", "143"};
const char *const contactPins20_3[] = {"121", "122", "123"};
const char *const contactPins20_4[] = {"131", "132", "133"};
const ContactSet contacts20[] = {
    {6, contactPins20_1},
    {6, contactPins20_2},
    {8, contactPins20_3},
    {8, contactPins20_4},
};

const char *const contactPins21_1[] = {"33", "13", "53"};
const ContactSet contacts21[] = {
    {7, contactPins21_1},
};

const char *const contactPins22_1[] = {"33", "53", "13"};
const ContactSet contacts22[] = {
    {8, contactPins22_1},
};

const char *const contactPins23_1[] = {"11", "12", "13"};
const ContactSet contacts23[] = {
    {8, contactPins23_1},
};

const char *const contactPins24_1[] = {"11", "12", "13"};
const char *const contactPins24_2[] = {"21", "22", "23"};
const char *const contactPins24_3[] = {"31", "32", "33"};
const char *const contactPins24_4[] = {"41", "42", "43"};
const ContactSet contacts24[] = {
    {8, contactPins24_1},
    {8, contactPins24_2},
    {8, contactPins24_3},
    {8, contactPins24_4},
};

const char *const contactPins25_1[] = {"111", "112", "113"};
const char *const contactPins25_2[] = {"121", "122", "123"};
const ContactSet contacts25[] = {
    {6, contactPins25_1},
    {6, contactPins25_2},
};

const char *const contactPins26_1[] = {"11", "12"};
const char *const contactPins26_2[] = {"41", "42"};
const char *const contactPins26_3[] = {"21", "22", "23"};
const char *const contactPins26_4[] = {"31", "32", "33"};
const char *const contactPins26_5[] = {"111", "112", "113"};
const char *const contactPins26_6[] = {"121", "122", "123"};
const ContactSet contacts26[] = {
    {3, contactPins26_1},
    {3, contactPins26_2},
    {7, contactPins26_3},
    {7, contactPins26_4},
    {6, contactPins26_5},
    {6, contactPins26_6},
};

const char *const contactPins27_1[] = {"11", "12", "13"};
const char *const contactPins27_2[] = {"21", "22", "23"};
const char *const contactPins27_3[] = {"31", "32", "33"};
const char *const contactPins27_4[] = {"41", "42", "43"};
const char *const contactPins27_5[] = {"111", "112", "113"};
const char *const contactPins27_6[] = {"121", "122", "123"};
const char *const contactPins27_7[] = {"131", "132", "133"};
const char *const contactPins27_8[] = {"141", "142", "143"};
const ContactSet contacts27[] = {
    {7, contactPins27_1},
    {7, contactPins27_2},
    {7, contactPins27_3},
    {7, contactPins27_4},
    {8, contactPins27_5},
    {8, contactPins27_6},
    {8, contactPins27_7},
    {8, contactPins27_8},
};

const char *const contactPins28_1[] = {"11", "13"};
const char *const contactPins28_2[] = {"21", "22", "23"};
const char *const contactPins28_3[] = {"31", "33"};
const char *const contactPins28_4[] = {"41", "42", "43"};
const char *const contactPins28_5[] = {"51", "52"};
const char *const contactPins28_6[] = {"61", "62", "63"};
const char *const contactPins28_7[] = {"71", "72"};
const char *const contactPins28_8[] = {"81", "82", "83"};
const ContactSet contacts28[] = {
    {11, contactPins28_1},
    {7, contactPins28_2},
    {11, contactPins28_3},
    {7, contactPins28_4},
    {9, contactPins28_5},
    {7, contactPins28_6},
    {9, contactPins28_7},
    {7, contactPins28_8},
};

const char *const contactPins29_1[] = {"21", "22", "23"};
const char *const contactPins29_2[] = {"41", "42", "43"};
const char *const contactPins29_3[] = {"61", "63"};
const char *const contactPins29_4[] = {"81", "83"};
const ContactSet contacts29[] = {
    {7, contactPins29_1},
    {7, contactPins29_2},
    {11, contactPins29_3},
    {11, contactPins29_4},
};

const char *const contactPins30_1[] = {"21", "22", "23"};
const ContactSet contacts30[] = {
    {7, contactPins30_1},
};

const char *const contactPins31_1[] = {"21", "22", "23"};
const char *const contactPins31_2[] = {"41", "42", "43"};
const ContactSet contacts31[] = {
    {7, contactPins31_1},
    {7, contactPins31_2},
};

const char *const contactPins32_1[] = {"11", "12", "13"};
const char *const contactPins32_2[] = {"41", "42", "43"};
const char *const contactPins32_3[] = {"61", "62", "63"};
const char *const contactPins32_4[] = {"31", "32"};
const char *const contactPins32_5[] = {"21", "23"};
const ContactSet contacts32[] = {
    {12, contactPins32_1},
    {12, contactPins32_2},
    {7, contactPins32_3},
    {9, contactPins32_4},
    {11, contactPins32_5},
};

const char *const contactPins33_1[] = {"71", "72", "73"};
const char *const contactPins33_2[] = {"51", "53"};
const char *const contactPins33_3[] = {"81", "83"};
const ContactSet contacts33[] = {
    {7, contactPins33_1},
    {11, contactPins33_2},
    {11, contactPins33_3},
};

// Connection variants: the coil ends shown (2, 4 or 3 by the kind), then the
// jumpers, run j taking the next runs[j] names.

const char *const variantNames1_1[] = {"1", "4"};
const char *const variantNames1_2[] = {"2", "3"};
const char *const variantNames1_3[] = {"1", "3", "2", "4"};
const qint32 variantRuns1_3[] = {2};
const char *const variantNames1_4[] = {"1", "4", "2", "3"};
const char *const variantNames1_5[] = {"1", "4", "2", "3"};
const char *const variantNames1_6[] = {"1", "4", "2", "3"};
const char *const variantNames1_7[] = {"1", "2", "3", "4"};
const qint32 variantRuns1_7[] = {2};
const WindingVariant variants1[] = {
    variant(0, variantNames1_1),
    variant(0, variantNames1_2),
    variant(0, variantNames1_3, variantRuns1_3),
    variant(2, variantNames1_4),
    variant(1, variantNames1_5),
    variant(3, variantNames1_6),
    variant(0, variantNames1_7, variantRuns1_7),
};

const char *const variantNames2_1[] = {"1", "2", "3", "4"};
const WindingVariant variants2[] = {
    variant(1, variantNames2_1),
};

const char *const variantNames3_1[] = {"1", "2"};
const char *const variantNames3_2[] = {"3", "4"};
const char *const variantNames3_3[] = {"1", "2", "3", "4"};
const WindingVariant variants3[] = {
    variant(0, variantNames3_1),
    variant(0, variantNames3_2),
    variant(1, variantNames3_3),
};

const char *const variantNames4_1[] = {"1", "2"};
const char *const variantNames4_2[] = {"1", "2", "4", "83"};
const char *const variantNames4_3[] = {"1", "13", "4", "83"};
const WindingVariant variants4[] = {
    variant(0, variantNames4_1),
    variant(1, variantNames4_2),
    variant(1, variantNames4_3),
};

const char *const variantNames5_1[] = {"1", "2", "71", "81"};
const qint32 variantRuns5_1[] = {2};
const char *const variantNames5_2[] = {"1", "83", "81", "83"};
const qint32 variantRuns5_2[] = {2};
const char *const variantNames5_3[] = {"3", "4"};
const char *const variantNames5_4[] = {"1", "2", "3", "4", "71", "81"};
const qint32 variantRuns5_4[] = {2};
const WindingVariant variants5[] = {
    variant(0, variantNames5_1, variantRuns5_1),
    variant(0, variantNames5_2, variantRuns5_2),
    variant(0, variantNames5_3),
    variant(1, variantNames5_4, variantRuns5_4),
};

const char *const variantNames6_1[] = {"3", "83"};
const WindingVariant variants6[] = {
    variant(0, variantNames6_1),
};

const char *const variantNames7_1[] = {"13", "43"};
const WindingVariant variants7[] = {
    variant(0, variantNames7_1),
};

const char *const variantNames8_1[] = {"53", "83"};
const WindingVariant variants8[] = {
    variant(0, variantNames8_1),
};

const char *const variantNames9_1[] = {"1", "3"};
const char *const variantNames9_2[] = {"2", "4"};
const char *const variantNames9_3[] = {"1", "4", "2", "3"};
const qint32 variantRuns9_3[] = {2};
const char *const variantNames9_4[] = {"1", "3", "2", "4"};
const char *const variantNames9_5[] = {"1", "3", "2", "4"};
const char *const variantNames9_6[] = {"1", "3", "2", "4"};
const WindingVariant variants9[] = {
    variant(0, variantNames9_1),
    variant(0, variantNames9_2),
    variant(0, variantNames9_3, variantRuns9_3),
    variant(2, variantNames9_4),
    variant(1, variantNames9_5),
    variant(3, variantNames9_6),
};

const char *const variantNames10_1[] = {"1", "3"};
const WindingVariant variants10[] = {
    variant(0, variantNames10_1),
};

const char *const variantNames11_1[] = {"21", "61"};
const char *const variantNames11_2[] = {"41", "81"};
const char *const variantNames11_3[] = {"21", "81", "41", "61"};
const qint32 variantRuns11_3[] = {2};
const char *const variantNames11_4[] = {"21", "61", "41", "81"};
const char *const variantNames11_5[] = {"21", "61", "41", "81"};
const char *const variantNames11_6[] = {"21", "61", "41", "81"};
const WindingVariant variants11[] = {
    variant(0, variantNames11_1),
    variant(0, variantNames11_2),
    variant(0, variantNames11_3, variantRuns11_3),
    variant(2, variantNames11_4),
    variant(1, variantNames11_5),
    variant(3, variantNames11_6),
};

const char *const variantNames12_1[] = {"12", "72", "1", "31", "71", "4", "11", "51"};
const qint32 variantRuns12_1[] = {3, 3};
const char *const variantNames12_2[] = {"12", "72", "1", "2", "31", "71", "3", "4", "11", "51"};
const qint32 variantRuns12_2[] = {4, 4};
const char *const variantNames12_3[] = {"12", "72", "1", "71", "2", "31", "3", "11", "4", "51"};
const qint32 variantRuns12_3[] = {2, 2, 2, 2};
const char *const variantNames12_4[] = {"12", "72", "2", "11", "51", "4", "31", "71"};
const qint32 variantRuns12_4[] = {3, 3};
const WindingVariant variants12[] = {
    variant(0, variantNames12_1, variantRuns12_1),
    variant(0, variantNames12_2, variantRuns12_2),
    variant(0, variantNames12_3, variantRuns12_3),
    variant(0, variantNames12_4, variantRuns12_4),
};

const char *const variantNames13_1[] = {"22", "82", "21", "42", "41", "61", "62", "81"};
const qint32 variantRuns13_1[] = {2, 2, 2};
const char *const variantNames13_2[] = {"22", "82", "21", "41", "42", "61", "62", "81"};
const qint32 variantRuns13_2[] = {3, 3};
const char *const variantNames13_3[] = {"22", "82", "41", "42", "61", "62"};
const qint32 variantRuns13_3[] = {2, 2};
const char *const variantNames13_4[] = {"21", "81", "22", "82", "21", "42", "41", "61", "62", "81"};
const qint32 variantRuns13_4[] = {2, 2, 2};
const WindingVariant variants13[] = {
    variant(0, variantNames13_1, variantRuns13_1),
    variant(0, variantNames13_2, variantRuns13_2),
    variant(0, variantNames13_3, variantRuns13_3),
    variant(1, variantNames13_4, variantRuns13_4),
};

const char *const variantNames14_1[] = {"4", "41", "43", "63"};
const qint32 variantRuns14_1[] = {2};
const WindingVariant variants14[] = {
    variant(0, variantNames14_1, variantRuns14_1),
};

const char *const variantNames15_1[] = {"4", "41", "2", "3"};
const qint32 variantRuns15_1[] = {2};
const WindingVariant variants15[] = {
    variant(0, variantNames15_1, variantRuns15_1),
};

const char *const variantNames16_1[] = {"4", "41"};
const char *const variantNames16_2[] = {"1", "83"};
const char *const variantNames16_3[] = {"4", "41", "1", "83"};
const char *const variantNames16_4[] = {"4", "41", "2", "3"};
const qint32 variantRuns16_4[] = {2};
const WindingVariant variants16[] = {
    variant(0, variantNames16_1),
    variant(0, variantNames16_2),
    variant(1, variantNames16_3),
    variant(0, variantNames16_4, variantRuns16_4),
};

const char *const variantNames17_1[] = {"4", "61", "3", "4", "41", "61"};
const qint32 variantRuns17_1[] = {2, 2};
const char *const variantNames17_2[] = {"4", "41", "2", "3"};
const qint32 variantRuns17_2[] = {2};
const WindingVariant variants17[] = {
    variant(0, variantNames17_1, variantRuns17_1),
    variant(0, variantNames17_2, variantRuns17_2),
};

const char *const variantNames18_1[] = {"41", "3", "1", "2", "3", "4"};
const qint32 variantRuns18_1[] = {2, 2};
const char *const variantNames18_2[] = {"4", "41", "2", "3"};
const qint32 variantRuns18_2[] = {2};
const WindingVariant variants18[] = {
    variant(0, variantNames18_1, variantRuns18_1),
    variant(0, variantNames18_2, variantRuns18_2),
};

const char *const variantNames19_1[] = {"1", "3"};
const char *const variantNames19_2[] = {"1", "4"};
const char *const variantNames19_3[] = {"1", "2"};
const char *const variantNames19_4[] = {"1", "2", "3", "4"};
const qint32 variantRuns19_4[] = {2};
const char *const variantNames19_5[] = {"1", "4", "2", "3"};
const qint32 variantRuns19_5[] = {2};
const WindingVariant variants19[] = {
    variant(0, variantNames19_1),
    variant(0, variantNames19_2),
    variant(0, variantNames19_3),
    variant(0, variantNames19_4, variantRuns19_4),
    variant(0, variantNames19_5, variantRuns19_5),
};

const char *const variantNames20_1[] = {"1", "3"};
const char *const variantNames20_2[] = {"1", "4"};
const char *const variantNames20_3[] = {"3", "4"};
const WindingVariant variants20[] = {
    variant(0, variantNames20_1),
    variant(0, variantNames20_2),
    variant(0, variantNames20_3),
};

const char *const variantNames21_1[] = {"1", "73", "2", "3", "4", "53"};
const qint32 variantRuns21_1[] = {2, 2};
const WindingVariant variants21[] = {
    variant(0, variantNames21_1, variantRuns21_1),
};

const char *const variantNames22_1[] = {"1", "3"};
const char *const variantNames22_2[] = {"1", "4"};
const char *const variantNames22_3[] = {"1", "4", "13", "73"};
const WindingVariant variants22[] = {
    variant(0, variantNames22_1),
    variant(0, variantNames22_2),
    variant(1, variantNames22_3),
};

const char *const variantNames23_1[] = {"21", "82", "41", "62"};
const qint32 variantRuns23_1[] = {2};
const char *const variantNames23_2[] = {"21", "61", "41", "62"};
const qint32 variantRuns23_2[] = {2};
const char *const variantNames23_3[] = {"21", "22", "41", "62"};
const qint32 variantRuns23_3[] = {2};
const char *const variantNames23_4[] = {"41", "62"};
const char *const variantNames23_5[] = {"21", "82", "41", "62"};
const WindingVariant variants23[] = {
    variant(0, variantNames23_1, variantRuns23_1),
    variant(0, variantNames23_2, variantRuns23_2),
    variant(0, variantNames23_3, variantRuns23_3),
    variant(0, variantNames23_4),
    variant(1, variantNames23_5),
};

const char *const variantNames24_1[] = {"21", "22", "21", "81"};
const qint32 variantRuns24_1[] = {2};
const char *const variantNames24_2[] = {"41", "22", "41", "61"};
const qint32 variantRuns24_2[] = {2};
const WindingVariant variants24[] = {
    variant(0, variantNames24_1, variantRuns24_1),
    variant(0, variantNames24_2, variantRuns24_2),
};

const char *const variantNames25_1[] = {"21", "61"};
const WindingVariant variants25[] = {
    variant(0, variantNames25_1),
};

const char *const variantNames26_1[] = {"11", "71"};
const char *const variantNames26_2[] = {"11", "71", "12", "32"};
const char *const variantNames26_3[] = {"31", "51"};
const char *const variantNames26_4[] = {"31", "51", "12", "32"};
const char *const variantNames26_5[] = {"11", "71", "12", "32", "13", "72"};
const qint32 variantRuns26_5[] = {2};
const WindingVariant variants26[] = {
    variant(0, variantNames26_1),
    variant(1, variantNames26_2),
    variant(0, variantNames26_3),
    variant(1, variantNames26_4),
    variant(1, variantNames26_5, variantRuns26_5),
};

const char *const variantNames27_1[] = {"71", "73"};
const WindingVariant variants27[] = {
    variant(0, variantNames27_1),
};

const char *const variantNames28_1[] = {"31", "51"};
const WindingVariant variants28[] = {
    variant(0, variantNames28_1),
};

const char *const variantNames29_1[] = {"1", "4"};
const WindingVariant variants29[] = {
    variant(0, variantNames29_1),
};

const char *const variantNames30_1[] = {"1", "2"};
const char *const variantNames30_2[] = {"3", "4"};
const char *const variantNames30_3[] = {"1", "4", "2", "3"};
const qint32 variantRuns30_3[] = {2};
const char *const variantNames30_4[] = {"1", "2", "3", "4"};
const char *const variantNames30_5[] = {"1", "2", "3", "4"};
const char *const variantNames30_6[] = {"1", "2", "3", "4"};
const WindingVariant variants30[] = {
    variant(0, variantNames30_1),
    variant(0, variantNames30_2),
    variant(0, variantNames30_3, variantRuns30_3),
    variant(2, variantNames30_4),
    variant(1, variantNames30_5),
    variant(3, variantNames30_6),
};

const char *const variantNames31_1[] = {"1", "2"};
const WindingVariant variants31[] = {
    variant(0, variantNames31_1),
};

const char *const variantNames32_1[] = {"+", "-", "N", "K"};
const WindingVariant variants32[] = {
    variant(1, variantNames32_1),
};

const char *const variantNames33_1[] = {"1", "3"};
const char *const variantNames33_2[] = {"1", "3", "52"};
const char *const variantNames33_3[] = {"3", "1", "52"};
const WindingVariant variants33[] = {
    variant(0, variantNames33_1),
    variant(4, variantNames33_2),
    variant(4, variantNames33_3),
};

const char *const variantNames34_1[] = {"2", "4"};
const char *const variantNames34_2[] = {"2", "4", "82"};
const char *const variantNames34_3[] = {"4", "2", "82"};
const WindingVariant variants34[] = {
    variant(0, variantNames34_1),
    variant(4, variantNames34_2),
    variant(4, variantNames34_3),
};

// The pins of a winding.

const char *const pins_1_2_3_4[] = {"1", "2", "3", "4"};
const char *const pins_1_2_3_4_13_73_83[] = {"1", "2", "3", "4", "13", "73", "83"};
const char *const pins_1_2_3_4_71_81_83[] = {"1", "2", "3", "4", "71", "81", "83"};
const char *const pins_1_2_3_4_83[] = {"1", "2", "3", "4", "83"};
const char *const pins_13_43[] = {"13", "43"};
const char *const pins_53_83[] = {"53", "83"};
const char *const pins_1_3[] = {"1", "3"};
const char *const pins_21_41_61_81[] = {"21", "41", "61", "81"};
const char *const pins_1_2_3_4_11_12_31_51_71_72[] = {"1", "2", "3", "4", "11", "12", "31", "51", "71", "72"};
const char *const pins_21_22_41_42_61_62_81_82[] = {"21", "22", "41", "42", "61", "62", "81", "82"};
const char *const pins_4_23_41_43_63_83[] = {"4", "23", "41", "43", "63", "83"};
const char *const pins_2_3_4_23_41_83[] = {"2", "3", "4", "23", "41", "83"};
const char *const pins_1_2_3_4_41_83[] = {"1", "2", "3", "4", "41", "83"};
const char *const pins_1_2_3_4_21_41_61_81[] = {"1", "2", "3", "4", "21", "41", "61", "81"};
const char *const pins_1_3_4[] = {"1", "3", "4"};
const char *const pins_1_2_3_4_53_73[] = {"1", "2", "3", "4", "53", "73"};
const char *const pins_1_3_4_13_73[] = {"1", "3", "4", "13", "73"};
const char *const pins_21_22_41_61_62_81_82[] = {"21", "22", "41", "61", "62", "81", "82"};
const char *const pins_21_22_41_42_61_62_81[] = {"21", "22", "41", "42", "61", "62", "81"};
const char *const pins_21_61[] = {"21", "61"};
const char *const pins_11_12_13_31_32_51_52_71_72[] = {"11", "12", "13", "31", "32", "51", "52", "71", "72"};
const char *const pins_11_12_13_31_32_51_71_72[] = {"11", "12", "13", "31", "32", "51", "71", "72"};
const char *const pins_71_73[] = {"71", "73"};
const char *const pins_31_51[] = {"31", "51"};
const char *const pins_1_4[] = {"1", "4"};
const char *const pins_1_2[] = {"1", "2"};
const char *const pins_plus_minus_N_K[] = {"+", "-", "N", "K"};
const char *const pins_1_2_3_4_comma_13[] = {"1", "2", "3", "4, 13"};
const char *const pins_1_3_52[] = {"1", "3", "52"};
const char *const pins_2_4_82[] = {"2", "4", "82"};

// The windings of a type (two for a two-winding relay); every type named
// above an array shares it.

// REL1-1600, REL1-400, REL1-6,8
const RelayDescriptor windingsREL1_1600[] = {
    winding(0, contacts1, variants1, pins_1_2_3_4),
};

// REL1M-600, REL1M-160, REL1M-10, REL1M-5/200
const RelayDescriptor windingsREL1M_600[] = {
    winding(3, contacts1, variants1, pins_1_2_3_4),
};

// REL2M-1000
const RelayDescriptor windingsREL2M_1000[] = {
    winding(3, contacts2, variants1, pins_1_2_3_4),
};

// REL2-2400, C2-400, C2-1000
const RelayDescriptor windingsREL2_2400[] = {
    winding(0, contacts2, variants1, pins_1_2_3_4),
};

// PLZU-2700/4500, PLZU-1450/4500, PLZU-73/1000
const RelayDescriptor windingsPLZU_2700_4500[] = {
    winding(11, contacts3, variants2, pins_1_2_3_4),
};

// PLZMU-600/1300, PLZMU-40/2200
const RelayDescriptor windingsPLZMU_600_1300[] = {
    winding(12, contacts3, variants3, pins_1_2_3_4),
};

// O2-0,7/150, O2-0,33/150
const RelayDescriptor windingsO2_0_7_150[] = {
    winding(2, contacts2, variants4, pins_1_2_3_4_13_73_83),
};

// OL2-88
const RelayDescriptor windingsOL2_88[] = {
    winding(2, contacts2, variants5, pins_1_2_3_4_71_81_83),
};

// A2-220
const RelayDescriptor windingsA2_220[] = {
    winding(2, contacts2, variants6, pins_1_2_3_4_83),
};

// C5-0,64/200
const RelayDescriptor windingsC5_0_64_200[] = {
    winding(0, contacts4, variants1, pins_1_2_3_4),
};

// C5-1200/200
const RelayDescriptor windingsC5_1200_200[] = {
    winding(0, contacts5, variants1, pins_1_2_3_4),
};

// D3-2700, D3-3,5
const RelayDescriptor windingsD3_2700[] = {
    winding(0, contacts6, variants7, pins_13_43),
    winding(0, contacts7, variants8, pins_53_83),
};

// D3M-600
const RelayDescriptor windingsD3M_600[] = {
    winding(3, contacts6, variants7, pins_13_43),
    winding(3, contacts7, variants8, pins_53_83),
};

// NMSH1-1440, NMSH1-7000, NMSH1-400
const RelayDescriptor windingsNMSH1_1440[] = {
    winding(0, contacts8, variants9, pins_1_2_3_4),
};

// NMSHM1-560, NMSHM1-11, NMSHM1-180
const RelayDescriptor windingsNMSHM1_560[] = {
    winding(3, contacts8, variants10, pins_1_2_3_4),
};

// NMSHM1-22, NMSHM1-1120, NMSHM1-1000/560, NMSHM1-360
const RelayDescriptor windingsNMSHM1_22[] = {
    winding(3, contacts8, variants9, pins_1_2_3_4),
};

// NMPSH2-400, NMPSH2-2500, NMSH2-900, NMSH2-4000, NMSH2-12000
const RelayDescriptor windingsNMPSH2_400[] = {
    winding(0, contacts9, variants9, pins_1_2_3_4),
};

// NMSHM2-3000, NMSHM2-11/1500, NMSHM2-640
const RelayDescriptor windingsNMSHM2_3000[] = {
    winding(3, contacts9, variants9, pins_1_2_3_4),
};

// NMSHM2-1500, NMSHM2-320, NMSHM2-1,5
const RelayDescriptor windingsNMSHM2_1500[] = {
    winding(3, contacts9, variants10, pins_1_3),
};

// NMSH4-2400, NMSH4-530, NMSH4-3
const RelayDescriptor windingsNMSH4_2400[] = {
    winding(0, contacts10, variants9, pins_1_2_3_4),
};

// NMSHM4-105/1000, NMSHM4-500
const RelayDescriptor windingsNMSHM4_105_1000[] = {
    winding(3, contacts10, variants9, pins_1_2_3_4),
};

// NMSHM4-250
const RelayDescriptor windingsNMSHM4_250[] = {
    winding(3, contacts10, variants10, pins_1_2_3_4),
};

// ANSH2-2, ANSH2-37, ANSH2-520, ANSH2-1230, ANSH2-310
const RelayDescriptor windingsANSH2_2[] = {
    winding(0, contacts11, variants11, pins_21_41_61_81),
};

// ANSHM2-620
const RelayDescriptor windingsANSHM2_620[] = {
    winding(3, contacts11, variants11, pins_21_41_61_81),
};

// NMSH3-460/400
const RelayDescriptor windingsNMSH3_460_400[] = {
    winding(0, contacts12, variants9, pins_1_2_3_4),
};

// ANSH5-1230
const RelayDescriptor windingsANSH5_1230[] = {
    winding(0, contacts13, variants11, pins_21_41_61_81),
};

// NMVSH2-900/900
const RelayDescriptor windingsNMVSH2_900_900[] = {
    winding(2, contacts9, variants12, pins_1_2_3_4_11_12_31_51_71_72),
};

// ANVSH2-2400
const RelayDescriptor windingsANVSH2_2400[] = {
    winding(2, contacts11, variants13, pins_21_22_41_42_61_62_81_82),
};

// NMPSH-900
const RelayDescriptor windingsNMPSH_900[] = {
    winding(0, contacts14, variants9, pins_1_2_3_4),
};

// NMPSH-0,3/90, NMPSH-1200/250
const RelayDescriptor windingsNMPSH_0_3_90[] = {
    winding(0, contacts12, variants9, pins_1_2_3_4),
};

// NMPSH3M-0,2/250
const RelayDescriptor windingsNMPSH3M_0_2_250[] = {
    winding(0, contacts15, variants9, pins_1_2_3_4),
};

// ASSH2-12
const RelayDescriptor windingsASSH2_12[] = {
    winding(2, contacts11, variants14, pins_4_23_41_43_63_83),
};

// ASSH2-110
const RelayDescriptor windingsASSH2_110[] = {
    winding(2, contacts11, variants14, pins_4_23_41_43_63_83),
};

// ASSH2-24
const RelayDescriptor windingsASSH2_24[] = {
    winding(2, contacts11, variants15, pins_2_3_4_23_41_83),
};

// ASSH2-220M
const RelayDescriptor windingsASSH2_220M[] = {
    winding(2, contacts11, variants16, pins_1_2_3_4_41_83),
};

// ASH2-12/24
const RelayDescriptor windingsASH2_12_24[] = {
    winding(2, contacts11, variants17, pins_1_2_3_4_21_41_61_81),
};

// ASH2-110/220
const RelayDescriptor windingsASH2_110_220[] = {
    winding(2, contacts11, variants18, pins_1_2_3_4_21_41_61_81),
};

// ASH2-1440
const RelayDescriptor windingsASH2_1440[] = {
    winding(0, contacts11, variants9, pins_1_2_3_4),
};

// APSH-220, APSH-110/127
const RelayDescriptor windingsAPSH_220[] = {
    winding(2, contacts16, variants19, pins_1_2_3_4),
};

// APSH-24
const RelayDescriptor windingsAPSH_24[] = {
    winding(0, contacts16, variants20, pins_1_3_4),
};

// OMSHM1
const RelayDescriptor windingsOMSHM1[] = {
    winding(2, contacts9, variants21, pins_1_2_3_4_53_73),
};

// OMSH2-46
const RelayDescriptor windingsOMSH2_46[] = {
    winding(2, contacts9, variants22, pins_1_3_4_13_73),
};

// AOSH2-180/0,45
const RelayDescriptor windingsAOSH2_180_0_45[] = {
    winding(2, contacts11, variants23, pins_21_22_41_61_62_81_82),
};

// AOSH2-1
const RelayDescriptor windingsAOSH2_1[] = {
    winding(2, contacts11, variants24, pins_21_22_41_42_61_62_81),
};

// NMSHT-1440
const RelayDescriptor windingsNMSHT_1440[] = {
    winding(1, contacts17, variants9, pins_1_2_3_4),
};

// ANSHMT-310
const RelayDescriptor windingsANSHMT_310[] = {
    winding(18, contacts18, variants25, pins_21_61),
};

// KMSH-450, KMSH-750, KMSH-3000
const RelayDescriptor windingsKMSH_450[] = {
    winding(8, contacts19, variants9, pins_1_2_3_4),
};

// PMPUSH-150/150
const RelayDescriptor windingsPMPUSH_150_150[] = {
    winding(5, contacts20, variants9, pins_1_2_3_4),
};

// IVG, IVG-M
const RelayDescriptor windingsIVG[] = {
    winding(2, contacts21, variants26, pins_11_12_13_31_32_51_52_71_72),
};

// IVG-V
const RelayDescriptor windingsIVG_V[] = {
    winding(2, contacts21, variants26, pins_11_12_13_31_32_51_71_72),
};

// IMSH1-0,3
const RelayDescriptor windingsIMSH1_0_3[] = {
    winding(5, contacts22, variants27, pins_71_73),
};

// IMSH1-2, IMSH1-1700
const RelayDescriptor windingsIMSH1_2[] = {
    winding(5, contacts22, variants28, pins_31_51),
};

// IR1-0,3
const RelayDescriptor windingsIR1_0_3[] = {
    winding(5, contacts23, variants29, pins_1_4),
};

// IR5-110, IR5-1800, IR5-3500
const RelayDescriptor windingsIR5_110[] = {
    winding(6, contacts24, variants30, pins_1_2_3_4),
};

// PPR3-5000
const RelayDescriptor windingsPPR3_5000[] = {
    winding(5, contacts25, variants31, pins_1_2),
};

// SKPR3-2800
const RelayDescriptor windingsSKPR3_2800[] = {
    winding(8, contacts26, variants32, pins_plus_minus_N_K),
};

// KSH1-40, KSH1-80, KSH1-280, KSH1-400, KSH1-600, KSH1-800
const RelayDescriptor windingsKSH1_40[] = {
    winding(8, contacts27, variants9, pins_1_2_3_4),
};

// KSH1M-100, KSH1M-400
const RelayDescriptor windingsKSH1M_100[] = {
    winding(9, contacts27, variants9, pins_1_2_3_4),
};

// DSSH2
const RelayDescriptor windingsDSSH2[] = {
    winding(15, contacts28, variants2, pins_1_2_3_4),
};

// DSSH12, DSSH13A
const RelayDescriptor windingsDSSH12[] = {
    winding(15, contacts29, variants2, pins_1_2_3_4),
};

// DSSH15
const RelayDescriptor windingsDSSH15[] = {
    winding(15, contacts30, variants2, pins_1_2_3_4_comma_13),
};

// DSSH16
const RelayDescriptor windingsDSSH16[] = {
    winding(15, contacts31, variants2, pins_1_2_3_4),
};

// TSH-65V, TSH-65V2M, TSH-2000V, TSH-2000V2M
const RelayDescriptor windingsTSH_65V[] = {
    winding(16, contacts32, variants33, pins_1_3_52),
    winding(16, contacts33, variants34, pins_2_4_82),
};

// ANSHM2-310
const RelayDescriptor windingsANSHM2_310[] = {
    winding(3, contacts11, variants25, pins_21_41_61_81),
};

} // namespace

const RelayType relayTypes[RelayTypeCount + 1] = {
    relay(QT_TRANSLATE_NOOP("Relay", "REL1-1600"), windingsREL1_1600, 19, 0), // 0
    relay(QT_TRANSLATE_NOOP("Relay", "REL1-400"), windingsREL1_1600, 19, 0), // 1
    relay(QT_TRANSLATE_NOOP("Relay", "REL1-6,8"), windingsREL1_1600, 19, 0), // 2
    relay(QT_TRANSLATE_NOOP("Relay", "REL1M-600"), windingsREL1M_600, 19, 0), // 3
    relay(QT_TRANSLATE_NOOP("Relay", "REL1M-160"), windingsREL1M_600, 19, 0), // 4
    relay(QT_TRANSLATE_NOOP("Relay", "REL1M-10"), windingsREL1M_600, 19, 0), // 5
    relay(QT_TRANSLATE_NOOP("Relay", "REL1M-5/200"), windingsREL1M_600, 19, 0), // 6
    relay(QT_TRANSLATE_NOOP("Relay", "REL2M-1000"), windingsREL2M_1000, 19, 0), // 7
    relay(QT_TRANSLATE_NOOP("Relay", "REL2-2400"), windingsREL2_2400, 19, 0), // 8
    relay(QT_TRANSLATE_NOOP("Relay", "C2-400"), windingsREL2_2400, 19, 0), // 9
    relay(QT_TRANSLATE_NOOP("Relay", "C2-1000"), windingsREL2_2400, 19, 0), // 10
    relay(QT_TRANSLATE_NOOP("Relay", "PLZU-2700/4500"), windingsPLZU_2700_4500, 19, 0), // 11
    relay(QT_TRANSLATE_NOOP("Relay", "PLZU-1450/4500"), windingsPLZU_2700_4500, 19, 0), // 12
    relay(QT_TRANSLATE_NOOP("Relay", "PLZU-73/1000"), windingsPLZU_2700_4500, 19, 0), // 13
    relay(QT_TRANSLATE_NOOP("Relay", "PLZMU-600/1300"), windingsPLZMU_600_1300, 19, 0), // 14
    relay(QT_TRANSLATE_NOOP("Relay", "PLZMU-40/2200"), windingsPLZMU_600_1300, 19, 0), // 15
    relay(QT_TRANSLATE_NOOP("Relay", "O2-0,7/150"), windingsO2_0_7_150, 19, 0), // 16
    relay(QT_TRANSLATE_NOOP("Relay", "O2-0,33/150"), windingsO2_0_7_150, 19, 0), // 17
    relay(QT_TRANSLATE_NOOP("Relay", "OL2-88"), windingsOL2_88, 19, 0), // 18
    relay(QT_TRANSLATE_NOOP("Relay", "A2-220"), windingsA2_220, 19, 0), // 19
    relay(QT_TRANSLATE_NOOP("Relay", "C5-0,64/200"), windingsC5_0_64_200, 19, 0), // 20
    relay(QT_TRANSLATE_NOOP("Relay", "C5-1200/200"), windingsC5_1200_200, 19, 0), // 21
    relay(QT_TRANSLATE_NOOP("Relay", "D3-2700"), windingsD3_2700, 19, 0), // 22
    relay(QT_TRANSLATE_NOOP("Relay", "D3-3,5"), windingsD3_2700, 19, 0), // 23
    relay(QT_TRANSLATE_NOOP("Relay", "D3M-600"), windingsD3M_600, 19, 0), // 24
    relay(QT_TRANSLATE_NOOP("Relay", "NMSH1-1440"), windingsNMSH1_1440, 18, 0), // 25
    relay(QT_TRANSLATE_NOOP("Relay", "NMSH1-7000"), windingsNMSH1_1440, 18, 0), // 26
    relay(QT_TRANSLATE_NOOP("Relay", "NMSH1-400"), windingsNMSH1_1440, 18, 0), // 27
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM1-560"), windingsNMSHM1_560, 18, 0), // 28
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM1-11"), windingsNMSHM1_560, 18, 0), // 29
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM1-22"), windingsNMSHM1_22, 18, 0), // 30
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM1-180"), windingsNMSHM1_560, 18, 0), // 31
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM1-1120"), windingsNMSHM1_22, 18, 0), // 32
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM1-1000/560"), windingsNMSHM1_22, 18, 0), // 33
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM1-360"), windingsNMSHM1_22, 18, 0), // 34
    relay(QT_TRANSLATE_NOOP("Relay", "NMPSH2-400"), windingsNMPSH2_400, 18, 0), // 35
    relay(QT_TRANSLATE_NOOP("Relay", "NMPSH2-2500"), windingsNMPSH2_400, 18, 0), // 36
    relay(QT_TRANSLATE_NOOP("Relay", "NMSH2-900"), windingsNMPSH2_400, 18, 0), // 37
    relay(QT_TRANSLATE_NOOP("Relay", "NMSH2-4000"), windingsNMPSH2_400, 18, 0), // 38
    relay(QT_TRANSLATE_NOOP("Relay", "NMSH2-12000"), windingsNMPSH2_400, 18, 0), // 39
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM2-3000"), windingsNMSHM2_3000, 18, 0), // 40
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM2-11/1500"), windingsNMSHM2_3000, 18, 0), // 41
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM2-640"), windingsNMSHM2_3000, 18, 0), // 42
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM2-1500"), windingsNMSHM2_1500, 18, 0), // 43
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM2-320"), windingsNMSHM2_1500, 18, 0), // 44
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM2-1,5"), windingsNMSHM2_1500, 18, 0), // 45
    relay(QT_TRANSLATE_NOOP("Relay", "NMSH4-2400"), windingsNMSH4_2400, 18, 0), // 46
    relay(QT_TRANSLATE_NOOP("Relay", "NMSH4-530"), windingsNMSH4_2400, 18, 0), // 47
    relay(QT_TRANSLATE_NOOP("Relay", "NMSH4-3"), windingsNMSH4_2400, 18, 0), // 48
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM4-105/1000"), windingsNMSHM4_105_1000, 18, 0), // 49
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM4-500"), windingsNMSHM4_105_1000, 18, 0), // 50
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHM4-250"), windingsNMSHM4_250, 18, 0), // 51
    relay(QT_TRANSLATE_NOOP("Relay", "ANSH2-2"), windingsANSH2_2, 18, 0), // 52
    relay(QT_TRANSLATE_NOOP("Relay", "ANSH2-37"), windingsANSH2_2, 18, 0), // 53
    relay(QT_TRANSLATE_NOOP("Relay", "ANSH2-520"), windingsANSH2_2, 18, 0), // 54
    relay(QT_TRANSLATE_NOOP("Relay", "ANSH2-1230"), windingsANSH2_2, 18, 0), // 55
    relay(QT_TRANSLATE_NOOP("Relay", "ANSHM2-620"), windingsANSHM2_620, 18, 0), // 56
    relay(QT_TRANSLATE_NOOP("Relay", "ANSH2-310"), windingsANSH2_2, 18, 0), // 57
    relay(QT_TRANSLATE_NOOP("Relay", "NMSH3-460/400"), windingsNMSH3_460_400, 18, 0), // 58
    relay(QT_TRANSLATE_NOOP("Relay", "ANSH5-1230"), windingsANSH5_1230, 18, 0), // 59
    relay(QT_TRANSLATE_NOOP("Relay", "NMVSH2-900/900"), windingsNMVSH2_900_900, 18, 0), // 60
    relay(QT_TRANSLATE_NOOP("Relay", "ANVSH2-2400"), windingsANVSH2_2400, 18, 0), // 61
    relay(QT_TRANSLATE_NOOP("Relay", "NMPSH-900"), windingsNMPSH_900, 18, 0), // 62
    relay(QT_TRANSLATE_NOOP("Relay", "NMPSH-0,3/90"), windingsNMPSH_0_3_90, 18, 0), // 63
    relay(QT_TRANSLATE_NOOP("Relay", "NMPSH-1200/250"), windingsNMPSH_0_3_90, 18, 0), // 64
    relay(QT_TRANSLATE_NOOP("Relay", "NMPSH3M-0,2/250"), windingsNMPSH3M_0_2_250, 18, 0), // 65
    relay(QT_TRANSLATE_NOOP("Relay", "ASSH2-12"), windingsASSH2_12, 18, 0), // 66
    relay(QT_TRANSLATE_NOOP("Relay", "ASSH2-24"), windingsASSH2_24, 18, 0), // 67
    relay(QT_TRANSLATE_NOOP("Relay", "ASSH2-110"), windingsASSH2_110, 18, 0), // 68
    relay(QT_TRANSLATE_NOOP("Relay", "ASSH2-220M"), windingsASSH2_220M, 18, 0), // 69
    relay(QT_TRANSLATE_NOOP("Relay", "ASH2-12/24"), windingsASH2_12_24, 18, 0), // 70
    relay(QT_TRANSLATE_NOOP("Relay", "ASH2-110/220"), windingsASH2_110_220, 18, 0), // 71
    relay(QT_TRANSLATE_NOOP("Relay", "ASH2-1440"), windingsASH2_1440, 18, 0), // 72
    relay(QT_TRANSLATE_NOOP("Relay", "APSH-220"), windingsAPSH_220, 18, 0), // 73
    relay(QT_TRANSLATE_NOOP("Relay", "APSH-110/127"), windingsAPSH_220, 18, 0), // 74
    relay(QT_TRANSLATE_NOOP("Relay", "APSH-24"), windingsAPSH_24, 18, 0), // 75
    relay(QT_TRANSLATE_NOOP("Relay", "OMSHM1"), windingsOMSHM1, 18, 0), // 76
    relay(QT_TRANSLATE_NOOP("Relay", "OMSH2-46"), windingsOMSH2_46, 18, 0), // 77
    relay(QT_TRANSLATE_NOOP("Relay", "AOSH2-180/0,45"), windingsAOSH2_180_0_45, 18, 0), // 78
    relay(QT_TRANSLATE_NOOP("Relay", "AOSH2-1"), windingsAOSH2_1, 18, 0), // 79
    relay(QT_TRANSLATE_NOOP("Relay", "NMSHT-1440"), windingsNMSHT_1440, 18, 0), // 80
    relay(QT_TRANSLATE_NOOP("Relay", "ANSHMT-310"), windingsANSHMT_310, 18, 0), // 81
    relay(QT_TRANSLATE_NOOP("Relay", "KMSH-450"), windingsKMSH_450, 18, 2), // 82
    relay(QT_TRANSLATE_NOOP("Relay", "KMSH-750"), windingsKMSH_450, 18, 2), // 83
    relay(QT_TRANSLATE_NOOP("Relay", "KMSH-3000"), windingsKMSH_450, 18, 2), // 84
    relay(QT_TRANSLATE_NOOP("Relay", "PMPUSH-150/150"), windingsPMPUSH_150_150, 18, 2), // 85
    relay(QT_TRANSLATE_NOOP("Relay", "IVG"), windingsIVG, 18, 0), // 86
    relay(QT_TRANSLATE_NOOP("Relay", "IVG-M"), windingsIVG, 18, 0), // 87
    relay(QT_TRANSLATE_NOOP("Relay", "IVG-V"), windingsIVG_V, 18, 0), // 88
    relay(QT_TRANSLATE_NOOP("Relay", "IMSH1-0,3"), windingsIMSH1_0_3, 18, 0), // 89
    relay(QT_TRANSLATE_NOOP("Relay", "IMSH1-2"), windingsIMSH1_2, 18, 0), // 90
    relay(QT_TRANSLATE_NOOP("Relay", "IMSH1-1700"), windingsIMSH1_2, 18, 0), // 91
    relay(QT_TRANSLATE_NOOP("Relay", "IR1-0,3"), windingsIR1_0_3, 31, 0), // 92
    relay(QT_TRANSLATE_NOOP("Relay", "IR5-110"), windingsIR5_110, 31, 0), // 93
    relay(QT_TRANSLATE_NOOP("Relay", "IR5-1800"), windingsIR5_110, 31, 0), // 94
    relay(QT_TRANSLATE_NOOP("Relay", "IR5-3500"), windingsIR5_110, 31, 0), // 95
    relay(QT_TRANSLATE_NOOP("Relay", "PPR3-5000"), windingsPPR3_5000, 31, 2), // 96
    relay(QT_TRANSLATE_NOOP("Relay", "SKPR3-2800"), windingsSKPR3_2800, 31, 1), // 97
    relay(QT_TRANSLATE_NOOP("Relay", "KSH1-40"), windingsKSH1_40, 21, 2), // 98
    relay(QT_TRANSLATE_NOOP("Relay", "KSH1-80"), windingsKSH1_40, 21, 2), // 99
    relay(QT_TRANSLATE_NOOP("Relay", "KSH1-280"), windingsKSH1_40, 21, 2), // 100
    relay(QT_TRANSLATE_NOOP("Relay", "KSH1-400"), windingsKSH1_40, 21, 2), // 101
    relay(QT_TRANSLATE_NOOP("Relay", "KSH1-600"), windingsKSH1_40, 21, 2), // 102
    relay(QT_TRANSLATE_NOOP("Relay", "KSH1-800"), windingsKSH1_40, 21, 2), // 103
    relay(QT_TRANSLATE_NOOP("Relay", "KSH1M-100"), windingsKSH1M_100, 21, 2), // 104
    relay(QT_TRANSLATE_NOOP("Relay", "KSH1M-400"), windingsKSH1M_100, 21, 2), // 105
    relay(QT_TRANSLATE_NOOP("Relay", "DSSH2"), windingsDSSH2, 20, 0), // 106
    relay(QT_TRANSLATE_NOOP("Relay", "DSSH12"), windingsDSSH12, 20, 0), // 107
    relay(QT_TRANSLATE_NOOP("Relay", "DSSH13A"), windingsDSSH12, 20, 0), // 108
    relay(QT_TRANSLATE_NOOP("Relay", "DSSH15"), windingsDSSH15, 20, 0), // 109
    relay(QT_TRANSLATE_NOOP("Relay", "DSSH16"), windingsDSSH16, 20, 0), // 110
    relay(QT_TRANSLATE_NOOP("Relay", "TSH-65V"), windingsTSH_65V, 21, 0), // 111
    relay(QT_TRANSLATE_NOOP("Relay", "TSH-65V2M"), windingsTSH_65V, 21, 0), // 112
    relay(QT_TRANSLATE_NOOP("Relay", "TSH-2000V"), windingsTSH_65V, 21, 0), // 113
    relay(QT_TRANSLATE_NOOP("Relay", "TSH-2000V2M"), windingsTSH_65V, 21, 0), // 114
    relay(QT_TRANSLATE_NOOP("Relay", "ANSHM2-310"), windingsANSHM2_310, 18, 0), // 115
    {nullptr, nullptr, 0, 0, 0},
};
