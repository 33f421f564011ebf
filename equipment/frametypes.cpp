#include "equipment/frametypes.h"

#include <QtGlobal>

namespace {

const int type0Parts[] = {3, 0, 10};
const int type1Parts[] = {4, 1, 10};
const int type2Parts[] = {3, 0, 10};
const int type3Parts[] = {7, 2, 11};
const int type4Parts[] = {8, 2, 11};
const int type5Parts[] = {9, 2, 11};
const int type6Parts[] = {5, 0, 10};
const int type7Parts[] = {6, 1, 10};
const int type8Parts[] = {12, 21};
const int type9Parts[] = {13, 21};
const int type10Parts[] = {15, 17, 20, 16, 18, 19, 14};
const int type11Parts[] = {22, 0, 10, 23};
const int type12Parts[] = {24};
const int type13Parts[] = {25};
const int type14Parts[] = {26};
const int type15Parts[] = {29, 0, 11};
const int type16Parts[] = {30, 1, 11};
const int type17Parts[] = {31, 2, 37};
const int type18Parts[] = {32, 27, 37};
const int type19Parts[] = {33, 0, 11};
const int type20Parts[] = {34, 1, 11};
const int type21Parts[] = {35, 0, 10, 28};
const int type22Parts[] = {36, 1, 10, 28};
const int type23Parts[] = {38, 1, 10, 23};
const int type24Parts[] = {41, 0, 11, 42};
const int type25Parts[] = {39, 1, 11, 42};
const int type26Parts[] = {1, 11, 40};
const int type27Parts[] = {43};
const int type28Parts[] = {44};
const int type29Parts[] = {45};
const int type30Parts[] = {46};
const int type31Parts[] = {47};
const int type32Parts[] = {48};
const int type33Parts[] = {49};
const int type34Parts[] = {50, 51, 52, 56};
const int type35Parts[] = {53};
const int type36Parts[] = {54};
const int type37Parts[] = {55};
const int type38Parts[] = {57, 0, 11};
const int type39Parts[] = {58, 1, 11};

} // namespace

// Columns: name, frame kind, parts, module pages, short title block,
// landscape.
const FrameTypeInfo frameTypes[frameTypeCount] = {
    {QT_TRANSLATE_NOOP("Frame", "SRKM-75-17"), 0, type0Parts, 3, -1, false, false}, // 0
    {QT_TRANSLATE_NOOP("Frame", "SRKM-75-18"), 0, type1Parts, 3, -1, false, false}, // 1
    {QT_TRANSLATE_NOOP("Frame", "SRZKM-74"), 0, type2Parts, 3, -1, false, false}, // 2
    {QT_TRANSLATE_NOOP("Frame", "SKKMU-75"), 4, type3Parts, 3, 2, false, false}, // 3
    {QT_TRANSLATE_NOOP("Frame", "SKKM-75"), 4, type4Parts, 3, 2, false, false}, // 4
    {QT_TRANSLATE_NOOP("Frame", "SKKM-75-12"), 4, type5Parts, 3, 2, false, false}, // 5
    {QT_TRANSLATE_NOOP("Frame", "SRBKM-18-75-6"), 0, type6Parts, 3, -1, false, false}, // 6
    {QT_TRANSLATE_NOOP("Frame", "SRBKM-18-75-7"), 0, type7Parts, 3, -1, false, false}, // 7
    {QT_TRANSLATE_NOOP("Frame", "Console"), 2, type8Parts, 2, 1, true, true}, // 8
    {QT_TRANSLATE_NOOP("Frame", "VisualControl"), 3, type9Parts, 2, 1, true, true}, // 9
    {QT_TRANSLATE_NOOP("Frame", "Relay case SHRU-M"), 5, type10Parts, 7, -1, true, true}, // 10
    {QT_TRANSLATE_NOOP("Frame", "SRKM-75-6+LP Varnel "), 0, type11Parts, 4, 0, false, false}, // 11
    {QT_TRANSLATE_NOOP("Frame", "PVP X"), 7, type12Parts, 1, -1, false, true}, // 12
    {QT_TRANSLATE_NOOP("Frame", "PR X"), 1, type13Parts, 1, -1, false, true}, // 13
    {QT_TRANSLATE_NOOP("Frame", "PV X"), 6, type14Parts, 1, -1, false, true}, // 14
    {QT_TRANSLATE_NOOP("Frame", "SRKMU-2500-14"), 0, type15Parts, 3, -1, false, false}, // 15
    {QT_TRANSLATE_NOOP("Frame", "SRKMU-2500-15"), 0, type16Parts, 3, -1, false, false}, // 16
    {QT_TRANSLATE_NOOP("Frame", "SK-ECI-2580-8"), 4, type17Parts, 3, 2, false, false}, // 17
    {QT_TRANSLATE_NOOP("Frame", "SK-ECI-2580-11"), 4, type18Parts, 3, 2, false, false}, // 18
    {QT_TRANSLATE_NOOP("Frame", "SRBKMU-2500-5"), 0, type19Parts, 3, -1, false, false}, // 19
    {QT_TRANSLATE_NOOP("Frame", "SRBKMU-2500-6"), 0, type20Parts, 3, -1, false, false}, // 20
    {QT_TRANSLATE_NOOP("Frame", "SRKM-75-2+LP Varnel-B"), 0, type21Parts, 4, 0, false, false}, // 21
    {QT_TRANSLATE_NOOP("Frame", "SRKM-75-3+LP Varnel-B"), 0, type22Parts, 4, 0, false, false}, // 22
    {QT_TRANSLATE_NOOP("Frame", "SRKM-75-7+LP Varnel"), 0, type23Parts, 4, 0, false, false}, // 23
    {QT_TRANSLATE_NOOP("Frame", "SRKMU-2500-3+LP Varnel"), 0, type24Parts, 4, 0, false, false}, // 24
    {QT_TRANSLATE_NOOP("Frame", "SRKMU-2500-4+LP Varnel"), 0, type25Parts, 4, 0, false, false}, // 25
    {QT_TRANSLATE_NOOP("Frame", "SRKMU-2500+LP Varnel-B"), 0, type26Parts, 3, 0, false, false}, // 26
    {QT_TRANSLATE_NOOP("Frame", "PVP K"), 10, type27Parts, 1, -1, false, true}, // 27
    {QT_TRANSLATE_NOOP("Frame", "PR K"), 8, type28Parts, 1, -1, false, true}, // 28
    {QT_TRANSLATE_NOOP("Frame", "PV K"), 9, type29Parts, 1, -1, false, true}, // 29
    {QT_TRANSLATE_NOOP("Frame", "PSPN K"), 11, type30Parts, 1, -1, false, true}, // 30
    {QT_TRANSLATE_NOOP("Frame", "PP X"), 12, type31Parts, 1, -1, false, true}, // 31
    {QT_TRANSLATE_NOOP("Frame", "PSTN X"), 13, type32Parts, 1, -1, false, true}, // 32
    {QT_TRANSLATE_NOOP("Frame", "SHVPU X"), 14, type33Parts, 1, -1, false, true}, // 33
    {QT_TRANSLATE_NOOP("Frame", "HZHDA"), 15, type34Parts, 4, -1, false, false}, // 34
    {QT_TRANSLATE_NOOP("Frame", "PRBB"), 16, type35Parts, 1, -1, false, true}, // 35
    {QT_TRANSLATE_NOOP("Frame", "PV-60"), 17, type36Parts, 1, -1, false, true}, // 36
    {QT_TRANSLATE_NOOP("Frame", "PVBB"), 18, type37Parts, 1, -1, false, true}, // 37
    {QT_TRANSLATE_NOOP("Frame", "SRKMU-2500-REL-21"), 0, type38Parts, 3, -1, true, false}, // 38
    {QT_TRANSLATE_NOOP("Frame", "SRKMU-2500-REL-22"), 0, type39Parts, 3, -1, true, false}, // 39
};

// Columns: container kind, clamp-panel type, places per band, bands per page.
const FramePartKindInfo framePartKinds[framePartKindCount] = {
    {1, 1, 4, 2}, // 0
    {3, 1, 4, 2}, // 1
    {1, 7, 4, 2}, // 2
    {0, 0, 0, 0}, // 3
    {2, 0, 0, 0}, // 4
    {4, 0, 0, 0}, // 5
    {5, 0, 0, 0}, // 6
    {6, 3, 5, 2}, // 7
    {7, 3, 5, 2}, // 8
    {8, 3, 5, 2}, // 9
    {9, 2, 4, 2}, // 10
    {10, 2, 4, 2}, // 11
    {69, 5, 4, 2}, // 12
    {70, 6, 4, 2}, // 13
    {104, 0, 0, 0}, // 14
    {105, 0, 0, 0}, // 15
    {106, 0, 0, 0}, // 16
    {108, 0, 0, 0}, // 17
    {110, 0, 0, 0}, // 18
    {115, 0, 0, 0}, // 19
    {116, 8, 0, 0}, // 20
    {130, 0, 0, 0}, // 21
    {134, 0, 0, 0}, // 22
    {135, 11, 0, 0}, // 23
    {138, 10, 4, 2}, // 24
    {139, 4, 4, 2}, // 25
    {140, 9, 4, 2}, // 26
    {3, 7, 4, 2}, // 27
    {144, 11, 0, 0}, // 28
    {145, 0, 0, 0}, // 29
    {146, 0, 0, 0}, // 30
    {147, 3, 5, 2}, // 31
    {148, 3, 5, 2}, // 32
    {149, 0, 0, 0}, // 33
    {150, 0, 0, 0}, // 34
    {151, 0, 0, 0}, // 35
    {152, 0, 0, 0}, // 36
    {153, 2, 4, 2}, // 37
    {155, 0, 0, 0}, // 38
    {156, 0, 0, 0}, // 39
    {157, 11, 0, 0}, // 40
    {158, 0, 0, 0}, // 41
    {159, 11, 0, 0}, // 42
    {160, 14, 4, 2}, // 43
    {140, 12, 4, 2}, // 44
    {160, 13, 4, 2}, // 45
    {162, 15, 4, 2}, // 46
    {163, 16, 4, 2}, // 47
    {164, 17, 4, 2}, // 48
    {167, 18, 4, 2}, // 49
    {169, 19, 6, 2}, // 50
    {170, 0, 0, 0}, // 51
    {173, 0, 0, 0}, // 52
    {177, 20, 6, 2}, // 53
    {177, 21, 6, 2}, // 54
    {177, 22, 6, 2}, // 55
    {178, 0, 0, 0}, // 56
    {184, 0, 0, 0}, // 57
    {185, 0, 0, 0}, // 58
};
