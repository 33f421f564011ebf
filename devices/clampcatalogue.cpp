#include "devices/clampcatalogue.h"

#include "model/address.h"
#include "model/check.h"

#include <QCoreApplication>

namespace {

// Clamp-strip types by index: 0 "2", 1 "3", 2 "8", 3 "PK-8-69", 4 "20",
// 5 "14", 6 "64", 7 "6", 8 "50", 9 "30".
const int stripsTop[] = {1, 0, 2, 4, 9};       // 3, 2, 8, 20, 30
const int stripsSide[] = {2, 3, 4};            // 8, PK-8-69, 20
const int stripsBottom[] = {3};                // PK-8-69
const int strips3_14_20[] = {1, 5, 4};         // 3, 14, 20
const int stripsConsole[] = {1, 0, 2, 4, 8};   // 3, 2, 8, 20, 50
const int strips14[] = {5};                    // 14
const int strips2_3_14_20[] = {0, 1, 5, 4};    // 2, 3, 14, 20
const int strips64[] = {6};                    // 64
const int strips3_6_20[] = {1, 7, 4};          // 3, 6, 20
const int strips2_14[] = {0, 5};               // 2, 14
const int strips20[] = {4};                    // 20

template <int N>
constexpr int countOf(const int (&)[N])
{
    return N;
}

#define STRIPS(list) list, countOf(list)

} // namespace

const ClampPanelModel clampPanelModels[clampPanelModelCount] = {
    {0, 0, STRIPS(stripsTop), 16, nullptr},
    {0, 1, STRIPS(stripsSide), 17, nullptr},
    {4, 2, STRIPS(stripsBottom), 28, nullptr},
    {1, 6, STRIPS(strips3_14_20), 16, nullptr},
    {2, 3, STRIPS(stripsConsole), 16, nullptr},
    {3, 4, STRIPS(stripsConsole), 16, nullptr},
    {4, 0, STRIPS(stripsTop), 16, nullptr},
    {5, 5, STRIPS(strips14), 126, QT_TRANSLATE_NOOP("Clamp", "RC")},
    {6, 7, STRIPS(strips3_14_20), 16, nullptr},
    {7, 8, STRIPS(strips2_3_14_20), 16, nullptr},
    {0, 9, STRIPS(strips64), 152, nullptr},
    {8, 10, STRIPS(strips2_3_14_20), 16, nullptr},
    {9, 10, STRIPS(strips2_3_14_20), 16, nullptr},
    {10, 10, STRIPS(strips2_3_14_20), 16, nullptr},
    {11, 11, STRIPS(strips2_3_14_20), 16, nullptr},
    {12, 12, STRIPS(strips3_14_20), 16, nullptr},
    {13, 13, STRIPS(strips3_6_20), 16, nullptr},
    {14, 14, STRIPS(strips2_14), 16, nullptr},
    {15, 15, STRIPS(strips20), 16, nullptr},
    {0, 16, STRIPS(stripsTop), 16, nullptr},
    {4, 17, STRIPS(strips20), 16, nullptr},
    {16, 18, STRIPS(strips3_6_20), 16, nullptr},
    {17, 18, STRIPS(strips3_6_20), 16, nullptr},
    {18, 18, STRIPS(strips3_6_20), 16, nullptr},
};

#undef STRIPS

const ClampPanelType clampPanelTypes[clampPanelTypeCount] = {
    {{}, 0},
    {{0, 19}, 2}, // 1
    {{1}, 1},
    {{20, 2}, 2},
    {{3}, 1},
    {{4}, 1}, // 5
    {{5}, 1},
    {{6}, 1},
    {{7}, 1},
    {{8}, 1},
    {{9}, 1}, // 10
    {{10}, 1},
    {{11}, 1},
    {{12}, 1},
    {{13}, 1},
    {{14}, 1}, // 15
    {{15}, 1},
    {{16}, 1},
    {{17}, 1},
    {{18}, 1},
    {{21}, 1}, // 20
    {{22}, 1},
    {{23}, 1},
    {{20}, 1},
    {{6, 20}, 2},
    {{0}, 1}, // 25
    {{19}, 1},
};

QString clampPanelModelText(int model)
{
    if (!CHECK(model >= 0 && model < clampPanelModelCount))
        return QString();
    const ClampPanelModel &row = clampPanelModels[model];
    QString text = Address::frameKindSecondPrefix(row.frameKind)
            + Address::placeKindText(row.frameKind, row.placeKind);
    if (row.note)
        text += QLatin1Char(' ') + QCoreApplication::translate("Clamp", row.note);
    return text;
}
