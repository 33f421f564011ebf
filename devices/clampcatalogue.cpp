#include "devices/clampcatalogue.h"

#include "model/address.h"
#include "model/addresstables.h"
#include "model/check.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QStringList>

#include <cstring>

namespace {

// The position in clampNameList of the clamp numbered n; with twoDigits the
// numbers below 10 are those written with a leading zero.
constexpr quint8 nameIndexOf(int n, bool twoDigits)
{
    return quint8(twoDigits && n < 10 ? 19 + n : n <= 20 ? n - 1 : n + 8);
}

// The clamps numbered 1 to N of a strip, as positions in clampNameList.
template <int N, bool TwoDigits = false>
struct Numbered
{
    quint8 names[N];
    constexpr Numbered()
        : names()
    {
        for (int i = 0; i < N; ++i)
            names[i] = nameIndexOf(i + 1, TwoDigits);
    }
};

// The strip "2" has the clamps "1" and "3".
const quint8 clamps2[] = {0, 2};
constexpr Numbered<3> clamps3;
constexpr Numbered<8> clamps8;
constexpr Numbered<16> clamps16;
constexpr Numbered<20> clamps20;
constexpr Numbered<14> clamps14;
constexpr Numbered<64, true> clamps64;
constexpr Numbered<6> clamps6;
constexpr Numbered<50> clamps50;
constexpr Numbered<30> clamps30;

#define NAMES(list) list.names, int(sizeof(list.names))

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

const ClampStripType clampStripTypes[clampStripTypeCount] = {
    {QT_TRANSLATE_NOOP("Clamp", "2"), 6, clamps2, 2},
    {QT_TRANSLATE_NOOP("Clamp", "3"), 6, NAMES(clamps3)},
    {QT_TRANSLATE_NOOP("Clamp", "8"), 6, NAMES(clamps8)},
    {QT_TRANSLATE_NOOP("Clamp", "PK-8-69"), 4, NAMES(clamps16)},
    {QT_TRANSLATE_NOOP("Clamp", "20"), 4, NAMES(clamps20)},
    {QT_TRANSLATE_NOOP("Clamp", "14"), 4, NAMES(clamps14)},
    {QT_TRANSLATE_NOOP("Clamp", "64"), 4, NAMES(clamps64)},
    {QT_TRANSLATE_NOOP("Clamp", "6"), 4, NAMES(clamps6)},
    {QT_TRANSLATE_NOOP("Clamp", "50"), 4, NAMES(clamps50)},
    {QT_TRANSLATE_NOOP("Clamp", "30"), 4, NAMES(clamps30)},
};

#undef NAMES

const char *const clampNameList[clampNameCount] = {
    "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "13", "14", "15",
    "16", "17", "18", "19", "20", "01", "02", "03", "04", "05", "06", "07", "08", "09", "21",
    "22", "23", "24", "25", "26", "27", "28", "29", "30", "31", "32", "33", "34", "35", "36",
    "37", "38", "39", "40", "41", "42", "43", "44", "45", "46", "47", "48", "49", "50", "51",
    "52", "53", "54", "55", "56", "57", "58", "59", "60", "61", "62", "63", "64",
};

QString clampStripTypeName(int stripType)
{
    if (!CHECK(stripType >= 0 && stripType < clampStripTypeCount))
        return QString();
    return QCoreApplication::translate("Clamp", clampStripTypes[stripType].name);
}

const char *clampStripClampName(int stripType, int position)
{
    if (!CHECK(stripType >= 0 && stripType < clampStripTypeCount))
        return nullptr;
    const ClampStripType &strip = clampStripTypes[stripType];
    if (position < 0 || position >= strip.clampCount)
        return nullptr;
    return clampNameList[strip.clampNames[position]];
}

QString clampPanelModelPlaceText(int model)
{
    if (!CHECK(model >= 0 && model < clampPanelModelCount))
        return QString();
    const ClampPanelModel &row = clampPanelModels[model];
    return Address::placeKindText(row.frameKind, row.placeKind);
}

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

const char *clampNameOf(int model, const QString &text)
{
    if (!CHECK(model >= 0 && model < clampPanelModelCount))
        return nullptr;
    const QByteArray wanted = text.toLatin1();
    const ClampPanelModel &row = clampPanelModels[model];
    for (int s = 0; s < row.stripTypeCount; ++s) {
        const ClampStripType &strip = clampStripTypes[row.stripTypes[s]];
        for (int i = 0; i < strip.clampCount; ++i) {
            const char *name = clampNameList[strip.clampNames[i]];
            if (wanted == name)
                return name;
        }
    }
    return nullptr;
}

int clampStripTypeFromText(int model, const QString &text)
{
    if (!CHECK(model >= 0 && model < clampPanelModelCount))
        return -1;
    const ClampPanelModel &row = clampPanelModels[model];
    for (int s = 0; s < row.stripTypeCount; ++s) {
        if (clampStripTypeName(row.stripTypes[s]) == text)
            return row.stripTypes[s];
    }
    return -1;
}

int clampNameIndex(const char *name)
{
    if (name) {
        for (int i = 0; i < clampNameCount; ++i) {
            if (std::strcmp(clampNameList[i], name) == 0)
                return i;
        }
    }
    CHECK(false);
    return -1;
}

const char *clampNameAt(quint8 index)
{
    return index < clampNameCount ? clampNameList[index] : nullptr;
}

Address parseClampPanelName(const QString &name, const int *frameKind, bool *ok, int *model)
{
    if (ok)
        *ok = false;
    if (model)
        *model = -1;
    if (name.isEmpty())
        return Address();
    for (int m = 0; m < clampPanelModelCount; ++m) {
        const ClampPanelModel &row = clampPanelModels[m];
        if (frameKind && row.frameKind != *frameKind)
            continue;
        bool parsed = false;
        const Address address = Address::fromText(row.frameKind, row.placeKind, name, &parsed);
        if (!parsed)
            continue;
        if (ok)
            *ok = true;
        if (model)
            *model = m;
        return address;
    }
    return Address();
}

bool clampPanelTypeHasModel(int type, int model)
{
    if (!CHECK(type >= 1 && type < clampPanelTypeCount))
        return false;
    const ClampPanelType &row = clampPanelTypes[type];
    for (int i = 0; i < row.count; ++i) {
        if (row.models[i] == model)
            return true;
    }
    return false;
}

int defaultClampPanelModel(int type)
{
    if (!CHECK(type >= 1 && type < clampPanelTypeCount && clampPanelTypes[type].count > 0))
        return -1;
    return clampPanelTypes[type].models[0];
}

void fillClampPanelModelCombo(int frameKind, QComboBox *combo)
{
    if (!CHECK(frameKind >= 0 && frameKind < frameKindCount) || !CHECK_PTR(combo))
        return;
    const FrameKindRow &row = frameKindTable[frameKind];
    for (int i = 0; i < row.clampPanelTypeCount; ++i) {
        const int type = row.clampPanelTypes[i];
        if (!CHECK(type >= 1 && type < clampPanelTypeCount))
            continue;
        QStringList texts;
        const ClampPanelType &set = clampPanelTypes[type];
        for (int k = 0; k < set.count; ++k) {
            const int model = set.models[k];
            if (!CHECK(model >= 0 && model < clampPanelModelCount))
                continue;
            texts << clampPanelModelText(model);
        }
        combo->addItem(texts.join(QLatin1String(", ")), i);
    }
}
