#include "devices/modulecatalogue.h"

#include "model/check.h"

#include <QCoreApplication>

namespace {

#define M(text) QT_TRANSLATE_NOOP("Module", text)

const char *const signalsTS[] = {M("0"), M("1"), M("2"), M("1/2"), M("2/1"), M("2D"), M("D")};
const char *const signalsTU[] = {M("z"),  M("r"),   M("zP"),  M("zM"), M("rP"),  M("rM"),
                                 M("zF"), M("zfP"), M("zfM"), M("rF"), M("rfP"), M("rfM")};
// "rM" comes before "rP" here, unlike the "TU" list.
const char *const signalsTV[] = {M("z"),  M("r"),   M("zP"),  M("zM"), M("rM"),  M("rP"),
                                 M("zF"), M("zfP"), M("zfM"), M("rF"), M("rfP"), M("rfM")};

} // namespace

const ModuleType moduleTypes[ModuleTypeCount + 1] = {
    {M("TS"), 48, signalsTS, 7, 149, 2, 12, M("TeleSign"), M("TS.2408"), {M("C1"), M("C2")}, 1},
    {M("TU"), 32, signalsTU, 12, 150, 2, 8, M("TeleCont"), M("TU.2406"), {M("Y1"), M("Y2")}, 2},
    {M("TV"), 12, signalsTV, 12, 151, 4, 6, M("TeleCont"), M("TV.2412"), {M("+"), M("-")}, 0},
    {nullptr, 0, nullptr, 0, 0, 0, 0, nullptr, nullptr, {nullptr, nullptr}, 0},
};

#undef M

const char *const terminalNames[ModuleTerminalCount + 1] = {
    "01", "02", "03", "04", "05", "06", "07", "08",
    "09", "10", "11", "12", "13", "14", "15", "16",
    "17", "18", "19", "20", "21", "22", "23", "24",
    "25", "26", "27", "28", "29", "30", "31", "32",
    "33", "34", "35", "36", "37", "38", "39", "40",
    "41", "42", "43", "44", "45", "46", "47", "48",
    "49", "50", "51", "52", "53", "54", "55", "56",
    "57", "58", "59", "60", "61", "62", "63", "64",
    nullptr,
};

const qint32 commandKindModuleTypes[CommandKindCount] = {0, 1, 1, 2};

const CommandGroup commandGroups[CommandGroupCount + 1] = {
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross"), 0}, // 0
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage"), 0}, // 1
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Approach"), 0}, // 2
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Road"), 0}, // 3
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path"), 0}, // 4
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork"), 0}, // 5
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight"), 0}, // 6
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight"), 0}, // 7
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight"), 0}, // 8
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ShuntLight"), 0}, // 9
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight"), 0}, // 10
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route"), 0}, // 11
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery"), 0}, // 12
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Control"), 0}, // 13
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK"), 0}, // 14
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB"), 0}, // 15
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Signalization"), 0}, // 16
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk"), 0}, // 17
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage"), 1}, // 18
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route"), 1}, // 19
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Light"), 1}, // 20
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control"), 1}, // 21
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork"), 1}, // 22
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU MK"), 1}, // 23
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB"), 1}, // 24
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Energy"), 1}, // 25
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Signalization"), 1}, // 26
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross"), 2}, // 27
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork"), 2}, // 28
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Path"), 1}, // 29
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross"), 1}, // 30
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Light"), 2}, // 31
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Stage"), 2}, // 32
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV MK"), 2}, // 33
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OtherLight"), 0}, // 34
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties"), 0}, // 35
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Ties"), 2}, // 36
    {nullptr, 0},
};

const CommandTemplate commandTemplates[CommandTemplateCount + 1] = {
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross    1"), 0}, // 0
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross    2"), 0}, // 1
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross    3"), 0}, // 2
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross    4"), 0}, // 3
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross    5"), 0}, // 4
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross    6"), 0}, // 5
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross    7"), 0}, // 6
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross    8"), 0}, // 7
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross    9"), 0}, // 8
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   10"), 0}, // 9
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   11"), 0}, // 10
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   12"), 0}, // 11
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   13"), 0}, // 12
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   14"), 0}, // 13
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   15"), 0}, // 14
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   16"), 0}, // 15
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   17"), 0}, // 16
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   18"), 0}, // 17
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   19"), 0}, // 18
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   20"), 0}, // 19
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   21"), 0}, // 20
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   22"), 0}, // 21
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  23"), 1}, // 22
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  24"), 1}, // 23
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  25"), 1}, // 24
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  26"), 1}, // 25
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  27"), 1}, // 26
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  28"), 1}, // 27
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  29"), 1}, // 28
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  30"), 1}, // 29
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  31"), 1}, // 30
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  32"), 1}, // 31
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  33"), 1}, // 32
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  34"), 1}, // 33
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  35"), 1}, // 34
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  36"), 1}, // 35
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  37"), 1}, // 36
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  38"), 1}, // 37
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  39"), 1}, // 38
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  40"), 1}, // 39
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  41"), 1}, // 40
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  42"), 1}, // 41
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  43"), 1}, // 42
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  44"), 1}, // 43
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  45"), 1}, // 44
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  46"), 1}, // 45
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  47"), 1}, // 46
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  48"), 1}, // 47
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  49"), 1}, // 48
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  50"), 1}, // 49
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  51"), 1}, // 50
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  52"), 1}, // 51
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  53"), 1}, // 52
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  54"), 1}, // 53
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  55"), 1}, // 54
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Approach  56"), 2}, // 55
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Approach  57"), 2}, // 56
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Approach  58"), 2}, // 57
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Approach  59"), 2}, // 58
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Road  60"), 3}, // 59
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Road  61"), 3}, // 60
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Road  62"), 3}, // 61
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Road  63"), 3}, // 62
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Road  64"), 3}, // 63
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Road  65"), 3}, // 64
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Road  66"), 3}, // 65
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path  67"), 4}, // 66
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path  68"), 4}, // 67
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path  69"), 4}, // 68
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path  70"), 4}, // 69
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path  71"), 4}, // 70
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path  72"), 4}, // 71
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path  73"), 4}, // 72
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path  74"), 4}, // 73
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path  75"), 4}, // 74
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  76"), 5}, // 75
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  77"), 5}, // 76
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  78"), 5}, // 77
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  79"), 5}, // 78
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  80"), 5}, // 79
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  81"), 5}, // 80
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  82"), 5}, // 81
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  83"), 5}, // 82
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  84"), 5}, // 83
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  85"), 5}, // 84
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  86"), 5}, // 85
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  87"), 5}, // 86
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  88"), 5}, // 87
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  89"), 5}, // 88
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  90"), 5}, // 89
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  91"), 5}, // 90
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  92"), 5}, // 91
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  93"), 5}, // 92
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  94"), 5}, // 93
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  95"), 5}, // 94
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  96"), 5}, // 95
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  97"), 5}, // 96
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  98"), 5}, // 97
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  99"), 5}, // 98
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork 100"), 5}, // 99
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork 101"), 5}, // 100
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork 102"), 5}, // 101
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork 103"), 5}, // 102
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork 104"), 5}, // 103
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 105"), 6}, // 104
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 106"), 6}, // 105
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 107"), 6}, // 106
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 108"), 6}, // 107
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 109"), 6}, // 108
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 110"), 6}, // 109
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 111"), 6}, // 110
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 112"), 6}, // 111
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 113"), 6}, // 112
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 114"), 6}, // 113
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 115"), 6}, // 114
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 116"), 6}, // 115
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 117"), 6}, // 116
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 118"), 6}, // 117
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 119"), 7}, // 118
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 120"), 7}, // 119
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 121"), 7}, // 120
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 122"), 7}, // 121
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 123"), 7}, // 122
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 124"), 7}, // 123
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 125"), 7}, // 124
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 126"), 7}, // 125
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 127"), 7}, // 126
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 128"), 7}, // 127
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 129"), 7}, // 128
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 130"), 7}, // 129
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 131"), 7}, // 130
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 132"), 7}, // 131
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 133"), 7}, // 132
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 134"), 7}, // 133
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 135"), 7}, // 134
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 136"), 7}, // 135
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 137"), 7}, // 136
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 138"), 7}, // 137
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 139"), 8}, // 138
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 140"), 8}, // 139
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 141"), 8}, // 140
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 142"), 8}, // 141
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 143"), 8}, // 142
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 144"), 8}, // 143
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 145"), 8}, // 144
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 146"), 8}, // 145
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 147"), 8}, // 146
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 148"), 8}, // 147
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 149"), 8}, // 148
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 150"), 8}, // 149
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 151"), 8}, // 150
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 152"), 8}, // 151
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 153"), 8}, // 152
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 154"), 8}, // 153
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 155"), 8}, // 154
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 156"), 8}, // 155
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 157"), 8}, // 156
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 158"), 8}, // 157
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 159"), 8}, // 158
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ShuntLight 160"), 9}, // 159
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ShuntLight 161"), 9}, // 160
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ShuntLight 162"), 9}, // 161
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ShuntLight 163"), 9}, // 162
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ShuntLight 164"), 9}, // 163
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ShuntLight 165"), 9}, // 164
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ShuntLight 166"), 9}, // 165
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ShuntLight 167"), 9}, // 166
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ShuntLight 168"), 9}, // 167
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 169"), 34}, // 168
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 170"), 34}, // 169
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 171"), 34}, // 170
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 172"), 34}, // 171
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 173"), 34}, // 172
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 174"), 10}, // 173
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 175"), 10}, // 174
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 176"), 10}, // 175
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 177"), 10}, // 176
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 178"), 10}, // 177
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 179"), 10}, // 178
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 180"), 10}, // 179
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 181"), 10}, // 180
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 182"), 10}, // 181
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 183"), 10}, // 182
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 184"), 10}, // 183
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 185"), 10}, // 184
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 186"), 10}, // 185
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 187"), 10}, // 186
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 188"), 10}, // 187
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 189"), 10}, // 188
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 190"), 10}, // 189
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 191"), 10}, // 190
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 192"), 11}, // 191
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 193"), 11}, // 192
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 194"), 11}, // 193
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 195"), 11}, // 194
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 196"), 11}, // 195
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 197"), 11}, // 196
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 198"), 11}, // 197
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 199"), 11}, // 198
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 200"), 11}, // 199
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 201"), 11}, // 200
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 202"), 11}, // 201
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 203"), 11}, // 202
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 204"), 11}, // 203
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 205"), 11}, // 204
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 206"), 11}, // 205
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 207"), 11}, // 206
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 208"), 11}, // 207
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 209"), 11}, // 208
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 210"), 11}, // 209
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 211"), 11}, // 210
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 212"), 11}, // 211
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 213"), 11}, // 212
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 214"), 11}, // 213
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 215"), 11}, // 214
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 216"), 11}, // 215
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 217"), 11}, // 216
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 218"), 11}, // 217
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 219"), 11}, // 218
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 220"), 11}, // 219
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 221"), 11}, // 220
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 222"), 11}, // 221
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 223"), 11}, // 222
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 224"), 12}, // 223
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 225"), 12}, // 224
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 226"), 12}, // 225
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 227"), 12}, // 226
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 228"), 12}, // 227
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 229"), 12}, // 228
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 230"), 12}, // 229
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 231"), 12}, // 230
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 232"), 12}, // 231
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 233"), 12}, // 232
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 234"), 12}, // 233
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 235"), 12}, // 234
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 236"), 12}, // 235
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 237"), 12}, // 236
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 238"), 12}, // 237
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 239"), 12}, // 238
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 240"), 12}, // 239
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 241"), 12}, // 240
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 242"), 12}, // 241
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 243"), 12}, // 242
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 244"), 12}, // 243
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 245"), 12}, // 244
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 246"), 12}, // 245
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 247"), 12}, // 246
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 248"), 12}, // 247
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Control 249"), 13}, // 248
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Control 250"), 13}, // 249
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Control 251"), 13}, // 250
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Control 252"), 13}, // 251
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Control 253"), 13}, // 252
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Control 254"), 13}, // 253
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Control 255"), 13}, // 254
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Control 256"), 13}, // 255
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Control 257"), 13}, // 256
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Control 258"), 13}, // 257
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Control 259"), 13}, // 258
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 260"), 14}, // 259
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 261"), 14}, // 260
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 262"), 14}, // 261
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 263"), 14}, // 262
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 264"), 14}, // 263
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 265"), 14}, // 264
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 266"), 14}, // 265
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 267"), 14}, // 266
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 268"), 14}, // 267
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 269"), 14}, // 268
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 270"), 14}, // 269
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 271"), 14}, // 270
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 272"), 14}, // 271
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 273"), 14}, // 272
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 274"), 14}, // 273
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 275"), 14}, // 274
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 276"), 14}, // 275
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 277"), 15}, // 276
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 278"), 15}, // 277
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 279"), 15}, // 278
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 280"), 15}, // 279
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 281"), 15}, // 280
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 282"), 15}, // 281
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 283"), 15}, // 282
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 284"), 15}, // 283
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 285"), 15}, // 284
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 286"), 15}, // 285
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 287"), 15}, // 286
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 288"), 15}, // 287
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 289"), 15}, // 288
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 290"), 15}, // 289
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 291"), 15}, // 290
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 292"), 15}, // 291
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 293"), 15}, // 292
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 294"), 15}, // 293
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 295"), 15}, // 294
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 296"), 15}, // 295
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 297"), 15}, // 296
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 298"), 15}, // 297
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 299"), 15}, // 298
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 300"), 15}, // 299
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 301"), 15}, // 300
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 302"), 15}, // 301
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 303"), 15}, // 302
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 304"), 15}, // 303
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 305"), 15}, // 304
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 306"), 15}, // 305
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 307"), 15}, // 306
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 308"), 15}, // 307
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 309"), 15}, // 308
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Signalization 310"), 16}, // 309
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Signalization 311"), 16}, // 310
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Signalization 312"), 16}, // 311
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Signalization 313"), 16}, // 312
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Signalization 314"), 16}, // 313
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Signalization 315"), 16}, // 314
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 316"), 17}, // 315
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 317"), 17}, // 316
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 318"), 17}, // 317
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 319"), 17}, // 318
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 320"), 17}, // 319
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 321"), 17}, // 320
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 322"), 17}, // 321
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 323"), 17}, // 322
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 324"), 17}, // 323
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 325"), 17}, // 324
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 326"), 17}, // 325
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 327"), 17}, // 326
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 328"), 17}, // 327
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 329"), 17}, // 328
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 330"), 18}, // 329
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 331"), 18}, // 330
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 332"), 18}, // 331
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 333"), 18}, // 332
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 334"), 18}, // 333
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 335"), 18}, // 334
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 336"), 18}, // 335
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 337"), 18}, // 336
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 338"), 18}, // 337
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 339"), 18}, // 338
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 340"), 18}, // 339
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 341"), 18}, // 340
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 342"), 18}, // 341
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 343"), 18}, // 342
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 344"), 18}, // 343
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 345"), 18}, // 344
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 346"), 19}, // 345
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 347"), 19}, // 346
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 348"), 19}, // 347
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 349"), 19}, // 348
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 350"), 19}, // 349
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 351"), 19}, // 350
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 352"), 19}, // 351
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 353"), 19}, // 352
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 354"), 19}, // 353
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 355"), 19}, // 354
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 356"), 19}, // 355
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 357"), 19}, // 356
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 358"), 19}, // 357
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 359"), 19}, // 358
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 360"), 19}, // 359
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Light 361"), 20}, // 360
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Light 362"), 20}, // 361
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Light 363"), 20}, // 362
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Light 364"), 20}, // 363
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Light 365"), 20}, // 364
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Light 366"), 20}, // 365
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control 367"), 21}, // 366
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control 368"), 21}, // 367
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control 369"), 21}, // 368
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control 370"), 21}, // 369
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control 371"), 21}, // 370
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control 372"), 21}, // 371
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control 373"), 21}, // 372
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control 374"), 21}, // 373
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control 375"), 21}, // 374
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control 376"), 21}, // 375
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control 377"), 21}, // 376
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control 378"), 21}, // 377
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Control 379"), 21}, // 378
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 380"), 22}, // 379
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 381"), 22}, // 380
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 382"), 22}, // 381
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 383"), 22}, // 382
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 384"), 22}, // 383
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 385"), 22}, // 384
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 386"), 22}, // 385
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 387"), 22}, // 386
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 388"), 22}, // 387
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 389"), 22}, // 388
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 390"), 22}, // 389
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 391"), 22}, // 390
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 392"), 22}, // 391
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 393"), 22}, // 392
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 394"), 22}, // 393
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 395"), 22}, // 394
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 396"), 22}, // 395
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 397"), 22}, // 396
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 398"), 22}, // 397
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 399"), 22}, // 398
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU MK 400"), 23}, // 399
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU MK 401"), 23}, // 400
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU MK 402"), 23}, // 401
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU MK 403"), 23}, // 402
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU MK 404"), 23}, // 403
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU MK 405"), 23}, // 404
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU MK 406"), 23}, // 405
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB 407"), 24}, // 406
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB 408"), 24}, // 407
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB 409"), 24}, // 408
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB 410"), 24}, // 409
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB 411"), 24}, // 410
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB 412"), 24}, // 411
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB 413"), 24}, // 412
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB 414"), 24}, // 413
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB 415"), 24}, // 414
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB 416"), 24}, // 415
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB 417"), 24}, // 416
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB 418"), 24}, // 417
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Energy 419"), 25}, // 418
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Energy 420"), 25}, // 419
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Energy 421"), 25}, // 420
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Energy 422"), 25}, // 421
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Signalization 423"), 26}, // 422
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Signalization 424"), 26}, // 423
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 425"), 27}, // 424
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 426"), 27}, // 425
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 427"), 27}, // 426
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 428"), 27}, // 427
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 429"), 27}, // 428
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 430"), 27}, // 429
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 431"), 27}, // 430
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 432"), 27}, // 431
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 433"), 27}, // 432
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 434"), 27}, // 433
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 435"), 27}, // 434
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 436"), 27}, // 435
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 437"), 27}, // 436
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 438"), 27}, // 437
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 439"), 27}, // 438
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 440"), 28}, // 439
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 441"), 28}, // 440
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 442"), 28}, // 441
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 443"), 28}, // 442
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 444"), 28}, // 443
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 445"), 28}, // 444
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 446"), 28}, // 445
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 447"), 28}, // 446
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 448"), 28}, // 447
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 384"), 28}, // 448
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 385"), 28}, // 449
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   18a"), 0}, // 450
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  27a"), 1}, // 451
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  27b"), 1}, // 452
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  29a"), 1}, // 453
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  29b"), 1}, // 454
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path  72a"), 4}, // 455
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path  73a"), 4}, // 456
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  95a"), 5}, // 457
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 105a"), 6}, // 458
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 107a"), 6}, // 459
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 110a"), 6}, // 460
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 227a"), 12}, // 461
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 228a"), 12}, // 462
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 230a"), 12}, // 463
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 245a"), 12}, // 464
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 245b"), 12}, // 465
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 245c"), 12}, // 466
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 263a"), 14}, // 467
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 264a"), 14}, // 468
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 266a"), 14}, // 469
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 272a"), 14}, // 470
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 278a"), 15}, // 471
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 169a"), 34}, // 472
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 109a"), 6}, // 473
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 276a"), 14}, // 474
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 276b"), 14}, // 475
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Disk 329a"), 17}, // 476
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  45a"), 1}, // 477
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  45b"), 1}, // 478
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  47b"), 1}, // 479
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  45c"), 1}, // 480
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  48a"), 1}, // 481
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  45d"), 1}, // 482
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork 104a"), 5}, // 483
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  94a"), 5}, // 484
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork  94b"), 5}, // 485
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Stage  54a"), 1}, // 486
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross    7a"), 0}, // 487
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   10a"), 0}, // 488
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Cross   14a"), 0}, // 489
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 175a"), 10}, // 490
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ErrorsLight 176a"), 10}, // 491
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 196a"), 11}, // 492
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 197a"), 11}, // 493
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 198a"), 11}, // 494
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 213a"), 11}, // 495
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 214a"), 11}, // 496
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 213b"), 11}, // 497
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 214b"), 11}, // 498
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 213c"), 11}, // 499
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 214c"), 11}, // 500
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 226a"), 12}, // 501
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 237a"), 12}, // 502
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 238a"), 12}, // 503
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 237b"), 12}, // 504
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 238b"), 12}, // 505
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Control 249a"), 13}, // 506
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 260a"), 14}, // 507
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 262a"), 14}, // 508
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 262b"), 14}, // 509
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path  74a"), 4}, // 510
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Path  74b"), 4}, // 511
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 300a"), 15}, // 512
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 305a"), 15}, // 513
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 306a"), 15}, // 514
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Stage 341a"), 18}, // 515
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 357a"), 19}, // 516
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 358a"), 19}, // 517
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 357b"), 19}, // 518
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 358b"), 19}, // 519
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 357c"), 19}, // 520
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Light 361a"), 20}, // 521
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU STCB 418a"), 24}, // 522
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 395a"), 22}, // 523
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 399b"), 22}, // 524
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 399c"), 22}, // 525
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Path 600"), 29}, // 526
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Path 601"), 29}, // 527
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU MK 400a"), 23}, // 528
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 700"), 30}, // 529
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 701"), 30}, // 530
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 425a"), 27}, // 531
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 434a"), 27}, // 532
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Cross 435a"), 27}, // 533
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 440a"), 28}, // 534
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 440b"), 28}, // 535
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 440c"), 28}, // 536
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Light 800"), 31}, // 537
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Light 801"), 31}, // 538
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Light 802"), 31}, // 539
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Stage 900"), 32}, // 540
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Stage 901"), 32}, // 541
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Stage 902"), 32}, // 542
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Stage 903"), 32}, // 543
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV MK 1000"), 33}, // 544
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Road  1001"), 3}, // 545
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 1002"), 11}, // 546
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Route 1003"), 11}, // 547
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 1004"), 15}, // 548
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1005"), 30}, // 549
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1006"), 30}, // 550
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1007"), 30}, // 551
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1008"), 30}, // 552
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1009"), 30}, // 553
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1010"), 30}, // 554
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1011"), 30}, // 555
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1012"), 30}, // 556
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1013"), 30}, // 557
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1014"), 30}, // 558
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1015"), 30}, // 559
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1016"), 30}, // 560
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1017"), 30}, // 561
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1018"), 30}, // 562
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1019"), 30}, // 563
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Cross 1020"), 30}, // 564
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Battery 1021"), 12}, // 565
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 1022"), 14}, // 566
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 1023"), 14}, // 567
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 1024"), 14}, // 568
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 1025"), 14}, // 569
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS MK 1026"), 14}, // 570
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OtherLight 1027"), 34}, // 571
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OtherLight 1028"), 34}, // 572
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS InLight 1029"), 6}, // 573
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS OutLight 1030"), 7}, // 574
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS RouteLight 1031"), 8}, // 575
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 1032"), 15}, // 576
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS STCB 1033"), 15}, // 577
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork 1034"), 5}, // 578
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1035"), 35}, // 579
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1036"), 35}, // 580
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1037"), 35}, // 581
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1038"), 35}, // 582
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 1039"), 28}, // 583
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Fork 1040"), 28}, // 584
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 1041"), 22}, // 585
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 1042"), 22}, // 586
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Fork 1043"), 22}, // 587
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU OtherLight 1044"), 34}, // 588
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU OtherLight 1045"), 34}, // 589
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU OtherLight 1046"), 34}, // 590
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU OtherLight 1047"), 34}, // 591
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1048"), 35}, // 592
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1049"), 35}, // 593
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1050"), 35}, // 594
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1051"), 35}, // 595
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1052"), 35}, // 596
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1053"), 35}, // 597
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1054"), 35}, // 598
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1055"), 35}, // 599
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1056"), 35}, // 600
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1057"), 35}, // 601
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1058"), 35}, // 602
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1059"), 35}, // 603
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1060"), 35}, // 604
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1061"), 35}, // 605
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1062"), 35}, // 606
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1063"), 35}, // 607
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1064"), 35}, // 608
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 1065"), 19}, // 609
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 1066"), 19}, // 610
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 1067"), 19}, // 611
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 1068"), 19}, // 612
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TV Ties 1069"), 36}, // 613
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork 1070"), 5}, // 614
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Fork 1071"), 5}, // 615
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS ShuntLight 1072"), 9}, // 616
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU OtherLight 1073"), 34}, // 617
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TS Ties 1074"), 35}, // 618
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 1075"), 19}, // 619
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 1076"), 19}, // 620
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 1077"), 19}, // 621
    {QT_TRANSLATE_NOOP("GraphicsCommand", "TU Route 1078"), 19}, // 622
    {nullptr, 0},
};

bool isCommandKind(int kind)
{
    return kind >= 0 && kind < CommandKindCount;
}

int moduleTypeOfKind(int kind)
{
    return isCommandKind(kind) ? commandKindModuleTypes[kind] : -1;
}

int commandKindModuleType(int kind)
{
    if (!CHECK(isCommandKind(kind)))
        return -1;
    return commandKindModuleTypes[kind];
}

QString commandTemplateName(int index)
{
    if (!CHECK(index >= 0 && index < CommandTemplateCount))
        return QString();
    return QCoreApplication::translate("GraphicsCommand", commandTemplates[index].name);
}

int commandTemplateGroup(int index)
{
    if (!CHECK(index >= 0 && index < CommandTemplateCount))
        return -1;
    return commandTemplates[index].group;
}

QString commandGroupName(int group)
{
    if (!CHECK(group >= 0 && group < CommandGroupCount))
        return QString();
    return QCoreApplication::translate("GraphicsCommand", commandGroups[group].name);
}
