#include "equipment/placecatalogue.h"

#include <QCoreApplication>

// The values below are one consistent set: every size is in tenths of a
// millimetre, every place type a container lists allows the models of the
// items meant for it, and every row that a device kind answers as its place
// type is allowed by at least one place. The row numbers are stored in files
// and used by the device catalogues: rows are never moved.

namespace {

const int userType = 65536;
const int panelItem = userType + 102;
const int boardItem = userType + 103;

const int place0Models[] = {11, 157, 158, 159, 191, 192, 193, 194, 195, 196, 197, 198};
const int place1Models[] = {11, 12, 14, 155, 156, 157, 158, 159, 191, 192, 193, 194, 195, 196, 197, 198};
const int place2Models[] = {11, 12, 13, 14, 155, 156, 157, 158, 159, 191, 192, 193, 194, 195, 196, 197, 198};
const int place3Models[] = {18, 19, 20, 21, 22, 23, 31, 35};
const int place4Models[] = {15};
const int place5Models[] = {16, 28};
const int place6Models[] = {15, 11, 14};
const int place7Models[] = {
    18, 19, 20, 21, 24, 25, 26, 31, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 64, 104, 106,
    111
};
const int place8Models[] = {
    21, 18, 20, 36, 46, 47, 48, 134, 135, 137, 138, 139, 95, 96, 97, 98, 101, 102, 103, 112
};
const int place9Models[] = {20, 21, 43, 136};
const int place10Models[] = {31};
const int place11Models[] = {22, 23, 35};
const int place12Models[] = {22, 23, 35, 37, 39, 41, 42};
const int place13Models[] = {24};
const int place14Models[] = {24};
const int place15Models[] = {27};
const int place16Models[] = {29, 30, 65};
const int place17Models[] = {30, 29, 65};
const int place19Models[] = {22, 23, 35};
const int place20Models[] = {23};
const int place21Models[] = {31};
const int place22Models[] = {31};
const int place23Models[] = {42};
const int place24Models[] = {35};
const int place25Models[] = {37};
const int place26Models[] = {39, 37, 40};
const int place27Models[] = {41};
const int place28Models[] = {31, 39, 18, 19};
const int place29Models[] = {36, 40, 48, 46, 47, 44, 45};
const int place30Models[] = {
    18, 19, 20, 21, 24, 25, 26, 31, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47, 48, 64, 104, 106,
    111, 99, 55, 58, 62, 66, 68, 77, 79, 82, 84, 86, 88, 90, 92, 108, 110
};
const int place31Models[] = {26, 34};
const int place32Models[] = {34};
const int place33Models[] = {19};
const int place34Models[] = {32, 33};
const int place35Models[] = {54, 56, 57};
const int place36Models[] = {59};
const int place37Models[] = {63, 60, 61};
const int place38Models[] = {65};
const int place39Models[] = {67};
const int place40Models[] = {69, 70, 71, 72, 73, 74, 75, 76};
const int place41Models[] = {78};
const int place42Models[] = {80, 81};
const int place43Models[] = {83};
const int place44Models[] = {85};
const int place45Models[] = {87};
const int place46Models[] = {89, 94};
const int place47Models[] = {91};
const int place48Models[] = {93};
const int place49Models[] = {91};
const int place50Models[] = {83};
const int place51Models[] = {87};
const int place52Models[] = {89};
const int place53Models[] = {100};
const int place54Models[] = {59};
const int place55Models[] = {54, 56, 57};
const int place56Models[] = {53};
const int place57Models[] = {52};
const int place58Models[] = {63, 60, 61};
const int place59Models[] = {105};
const int place60Models[] = {107, 154};
const int place61Models[] = {17};
const int place62Models[] = {17};
const int place63Models[] = {17};
const int place64Models[] = {176};
const int place65Models[] = {20};
const int place66Models[] = {59, 85, 87, 91, 94, 54, 56, 57, 60, 61, 63};
const int place67Models[] = {46};
const int place68Models[] = {47};
const int place69Models[] = {16, 142, 153, 154};
const int place70Models[] = {51};
const int place71Models[] = {141};
const int place72Models[] = {142, 153, 154};
const int place73Models[] = {116};
const int place74Models[] = {117};
const int place75Models[] = {119};
const int place76Models[] = {120};
const int place77Models[] = {130, 131, 143, 144};
const int place78Models[] = {127, 128, 129, 132};
const int place79Models[] = {27, 32, 33};
const int place80Models[] = {30, 29};
const int place81Models[] = {133};
const int place82Models[] = {122};
const int place83Models[] = {125};
const int place84Models[] = {18, 19, 29, 30, 65, 27, 105, 107, 154};
const int place85Models[] = {149, 150, 151, 152, 148};
const int place86Models[] = {147};
const int place87Models[] = {15, 163, 164, 165, 183, 187, 188, 190};
const int place88Models[] = {201};
const int place89Models[] = {18, 19, 21, 29, 30, 65, 27, 32, 33, 105, 107, 154, 133};
const int place90Models[] = {202};
const int place91Models[] = {203, 211, 207};
const int place92Models[] = {206, 211, 203};
const int place93Models[] = {126};
const int place94Models[] = {207};
const int place95Models[] = {133, 16};
const int place96Models[] = {19, 25};
const int place97Models[] = {209};
const int place98Models[] = {19};
const int place99Models[] = {201, 205};
const int place100Models[] = {11, 14, 155, 156, 157, 158, 159, 191, 192, 193, 194, 195, 196, 197, 198, 208};
const int place101Models[] = {20};
const int place102Models[] = {48};
const int place103Models[] = {46};
const int place104Models[] = {18, 19, 21};
const int place105Models[] = {18};
const int place106Models[] = {21};
const int place107Models[] = {30, 29};
const int place108Models[] = {109};
const int place109Models[] = {152};
const int place110Models[] = {154};
const int place111Models[] = {154};
const int place112Models[] = {155, 156, 191, 192, 193, 194, 195, 196, 197, 198};
const int place113Models[] = {11, 12, 13, 14, 209};
const int place114Models[] = {
    11, 12, 13, 14, 155, 156, 157, 158, 159, 191, 192, 193, 194, 195, 196, 197, 198, 147
};
const int place115Models[] = {15, 11};
const int place116Models[] = {107, 154};
const int place117Models[] = {25, 18, 19};
const int place118Models[] = {23, 22};
const int place119Models[] = {23};
const int place120Models[] = {31, 37};
const int place121Models[] = {141};
const int place122Models[] = {15};
const int place123Models[] = {206, 208};
const int place124Models[] = {27};
const int place125Models[] = {209, 11};
const int place126Models[] = {11, 14, 15};
const int place127Models[] = {16, 28};
const int place128Models[] = {16};
const int place129Models[] = {20};
const int place130Models[] = {36};
const int place131Models[] = {48, 46};
const int place132Models[] = {47, 46};
const int place133Models[] = {42, 41};
const int place134Models[] = {34, 26};
const int place135Models[] = {105, 107};
const int place136Models[] = {153};
const int place137Models[] = {142};
const int place138Models[] = {32, 33, 38};
const int place139Models[] = {11, 12, 13, 14, 122};

const int kind0Places[] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 0};
const int kind1Places[] = {4, 4, 4};
const NestedContainerInfo kind1Nested[] = {{panelItem, 0}, {panelItem, 0}, {panelItem, 0}};
const int kind2Places[] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 0};
const int kind3Places[] = {4, 4};
const NestedContainerInfo kind3Nested[] = {{panelItem, 0}, {panelItem, 0}};
const int kind4Places[] = {
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3
};
const int kind5Places[] = {
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3
};
const int kind6Places[] = {6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 2, 2, 2, 2, 2, 2, 2};
const NestedContainerInfo kind6Nested[] = {
    {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0},
    {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}, {-1, -1}
};
const int kind7Places[] = {6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 2, 2, 2, 2, 2, 2, 2};
const NestedContainerInfo kind7Nested[] = {
    {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0},
    {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}, {-1, -1}
};
const int kind8Places[] = {126, 126, 126, 126, 126, 126, 126, 126, 126, 126, 126, 126, 2, 2, 2, 2, 2};
const NestedContainerInfo kind8Nested[] = {
    {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0},
    {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {-1, -1},
    {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}
};
const int kind9Places[] = {56};
const NestedContainerInfo kind9Nested[] = {{panelItem, 37}};
const int kind10Places[] = {57};
const NestedContainerInfo kind10Nested[] = {{panelItem, 36}};
const int kind11Places[] = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
const int kind12Places[] = {13, 13, 13, 13, 13, 13, 13, 13};
const NestedContainerInfo kind12Nested[] = {
    {boardItem, 1}, {boardItem, 2}, {boardItem, 2}, {boardItem, 2}, {boardItem, 2}, {boardItem, 2},
    {boardItem, 2}, {boardItem, 1}
};
const int kind13Places[] = {13, 13, 13, 13, 13};
const NestedContainerInfo kind13Nested[] = {
    {boardItem, 2}, {boardItem, 2}, {boardItem, 2}, {boardItem, 2}, {boardItem, 2}
};
const int kind14Places[] = {14, 14, 14, 14, 14, 14};
const NestedContainerInfo kind14Nested[] = {
    {boardItem, 3}, {boardItem, 3}, {boardItem, 3}, {boardItem, 3}, {boardItem, 3}, {boardItem, 3}
};
const int kind15Places[] = {14, 14, 14};
const NestedContainerInfo kind15Nested[] = {{boardItem, 3}, {boardItem, 3}, {boardItem, 3}};
const int kind16Places[] = {13, 13, 14, 14, 14, 14};
const NestedContainerInfo kind16Nested[] = {
    {boardItem, 1}, {boardItem, 1}, {boardItem, 3}, {boardItem, 3}, {boardItem, 3}, {boardItem, 3}
};
const int kind17Places[] = {13, 13, 14, 14};
const NestedContainerInfo kind17Nested[] = {{boardItem, 1}, {boardItem, 1}, {boardItem, 3}, {boardItem, 3}};
const int kind18Places[] = {13, 13, 13, 14, 14, 14};
const NestedContainerInfo kind18Nested[] = {
    {boardItem, 1}, {boardItem, 2}, {boardItem, 1}, {boardItem, 3}, {boardItem, 3}, {boardItem, 3}
};
const int kind19Places[] = {13, 13, 13, 14, 14};
const NestedContainerInfo kind19Nested[] = {
    {boardItem, 1}, {boardItem, 2}, {boardItem, 1}, {boardItem, 3}, {boardItem, 4}
};
const int kind20Places[] = {13, 13, 13, 13, 14, 14};
const NestedContainerInfo kind20Nested[] = {
    {boardItem, 1}, {boardItem, 2}, {boardItem, 2}, {boardItem, 1}, {boardItem, 3}, {boardItem, 3}
};
const int kind21Places[] = {13, 13, 13, 13, 14};
const NestedContainerInfo kind21Nested[] = {
    {boardItem, 1}, {boardItem, 2}, {boardItem, 2}, {boardItem, 1}, {boardItem, 3}
};
const int kind22Places[] = {7, 7, 7, 7, 7, 7, 7, 7};
const int kind23Places[] = {31, 31, 31, 31, 31, 31, 31, 31};
const int kind24Places[] = {30, 30, 30, 30, 30, 30, 30, 30};
// The lamp carriers: a one-row panel of fuses and resistors that the user
// puts in, and a lamp on the right or on the left.
const int kind25Places[] = {112};
const int kind26Places[] = {112, 111};
const int kind27Places[] = {110, 112};
const int kind28Places[] = {138, 138, 138, 138, 138, 138, 138, 138};
const int kind29Places[] = {13, 13, 13, 13, 13, 13, 13, 13};
const NestedContainerInfo kind29Nested[] = {
    {boardItem, 1}, {boardItem, 2}, {boardItem, 2}, {boardItem, 2}, {boardItem, 2}, {boardItem, 2},
    {boardItem, 2}, {boardItem, 0}
};
const int kind30Places[] = {28, 28, 28, 28, 28, 28, 28, 28, 28, 28};
const int kind31Places[] = {27, 27, 27, 27};
const int kind32Places[] = {8, 8, 8, 8, 8, 8, 8, 8};
const int kind33Places[] = {9, 9, 9, 9, 9, 9, 9, 9};
const int kind34Places[] = {9, 9, 9, 9, 9, 9, 9, 9, 8, 8, 8, 8, 8, 8, 8, 8};
const int kind35Places[] = {29, 29, 29, 29, 29, 29, 29, 29};
const int kind36Places[] = {10, 10, 10, 10};
const int kind37Places[] = {21, 21, 21, 21, 21, 21, 21, 21};
const int kind38Places[] = {22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22, 22};
const int kind39Places[] = {23, 23, 23, 23};
const int kind40Places[] = {24, 24, 24, 24};
const int kind41Places[] = {25, 25, 25, 25};
const int kind42Places[] = {26, 26, 26, 26};
const int kind43Places[] = {11, 11, 11};
const int kind44Places[] = {12, 12, 12, 12};
const int kind45Places[] = {19, 19, 19, 19, 19, 19};
const int kind46Places[] = {20, 20, 20};
const int kind47Places[] = {118, 118, 118, 118};
const int kind48Places[] = {119, 119, 119, 119, 119, 119};
const int kind49Places[] = {15, 15};
const int kind50Places[] = {15, 15, 15};
const int kind51Places[] = {15, 15, 15, 15};
const int kind52Places[] = {16, 16, 16, 16, 16, 16};
const int kind53Places[] = {16, 16, 16};
const int kind54Places[] = {17};
const int kind55Places[] = {17};
const int kind56Places[] = {17};
const int kind57Places[] = {17};
const int kind58Places[] = {15, 15, 15};
const int kind59Places[] = {16, 16, 16, 16, 16, 16};
const int kind60Places[] = {16, 16, 16};
const int kind61Places[] = {15, 15};
const int kind62Places[] = {33, 33};
const int kind63Places[] = {32, 32, 32, 32};
const int kind64Places[] = {34, 34, 34};
const int kind65Places[] = {66, 66, 66, 66, 66, 66};
const int kind66Places[] = {65, 66, 66, 66};
const int kind67Places[] = {67};
const int kind68Places[] = {68, 66, 66, 66};
const int kind69Places[] = {70, 70, 70};
const NestedContainerInfo kind69Nested[] = {{panelItem, 35}, {panelItem, 35}, {panelItem, 35}};
const int kind70Places[] = {70, 70, 70};
const NestedContainerInfo kind70Nested[] = {{panelItem, 35}, {panelItem, 35}, {panelItem, 35}};
const int kind71Places[] = {
    69, 69, 69, 69, 69, 69, 69, 69, 69, 69, 69, 69, 69, 69, 69, 69, 69, 69, 69, 69, 69
};
const int kind72Places[] = {62, 62, 62, 62, 62, 62, 62, 62};
const int kind73Places[] = {61, 61, 61, 61, 61, 61, 61, 61, 61, 61, 61, 61};
const int kind74Places[] = {35, 35, 35, 35};
const int kind75Places[] = {36, 36, 36, 36};
const int kind76Places[] = {37};
const int kind77Places[] = {38, 38, 38, 38, 38, 38};
const int kind78Places[] = {39, 39, 39, 39};
const int kind79Places[] = {40, 40, 40, 40};
const int kind80Places[] = {41, 41, 41, 41, 41, 41, 41, 41};
const int kind81Places[] = {42, 42};
const int kind82Places[] = {43, 43};
const int kind83Places[] = {44, 44, 44, 44};
const int kind84Places[] = {45, 45, 45, 45};
const int kind85Places[] = {46};
const int kind86Places[] = {47};
const int kind87Places[] = {48, 48};
const int kind88Places[] = {49, 49};
const int kind89Places[] = {50, 50, 50, 50};
const int kind90Places[] = {51, 51, 51, 51, 51, 51, 51, 51};
const int kind91Places[] = {52, 52, 52};
const int kind92Places[] = {53};
const int kind93Places[] = {54, 54, 54, 54, 54, 54, 54, 54};
const int kind94Places[] = {55, 55, 55, 55, 55, 55, 55, 55};
const int kind95Places[] = {58, 58, 58};
const int kind96Places[] = {59};
const int kind97Places[] = {60};
const int kind98Places[] = {108, 108, 108, 108};
const int kind99Places[] = {65, 66, 66, 66};
const int kind100Places[] = {16, 16, 16};
const int kind101Places[] = {105, 107, 107};
const int kind102Places[] = {106, 107, 107, 107};
const int kind103Places[] = {7, 7, 7, 7, 7, 7, 7, 7};
const int kind104Places[] = {139};
const int kind105Places[] = {75};
const NestedContainerInfo kind105Nested[] = {{panelItem, 40}};
const int kind106Places[] = {73};
const NestedContainerInfo kind106Nested[] = {{panelItem, 39}};
const int kind107Places[] = {74};
const int kind108Places[] = {77, 77};
const int kind109Places[] = {76};
const int kind110Places[] = {82, 82};
const NestedContainerInfo kind110Nested[] = {{panelItem, 44}, {panelItem, 42}};
const int kind111Places[] = {89, 89, 89, 89};
const int kind112Places[] = {89, 89, 89, 89, 89, 89};
const int kind113Places[] = {89, 89, 89, 89, 89, 89, 89, 89};
const int kind114Places[] = {89, 89, 89, 89, 89, 89, 89, 89, 89};
const int kind115Places[] = {82, 82};
const NestedContainerInfo kind115Nested[] = {{panelItem, 43}, {panelItem, 41}};
const int kind116Places[] = {83, 83};
const NestedContainerInfo kind116Nested[] = {{panelItem, 45}, {panelItem, 45}};
const int kind117Places[] = {93, 93, 93, 93, 93, 93, 93, 93, 93, 93, 93, 93, 93, 93, 93};
const int kind118Places[] = {79, 79, 79, 79};
const int kind119Places[] = {80, 80, 80, 80};
const int kind120Places[] = {80, 80, 80, 80};
const int kind121Places[] = {78, 78, 78, 78, 78, 78, 78, 78};
const int kind122Places[] = {78, 78, 78, 78, 78, 78, 78, 78};
const int kind123Places[] = {104, 104, 104, 104, 104, 104, 104, 104};
const int kind124Places[] = {81, 81};
const int kind125Places[] = {101, 101};
const int kind126Places[] = {101, 101, 101};
const int kind127Places[] = {102, 102};
const int kind128Places[] = {102, 102, 102};
const int kind129Places[] = {103, 103};
const int kind130Places[] = {71, 71};
const int kind131Places[] = {72, 72, 72, 72, 72, 72, 72, 72, 72, 72, 72, 72, 72, 72, 72, 72, 72, 72, 72, 72};
const int kind132Places[] = {84, 84, 84, 84, 84, 84, 84, 84, 84, 84, 84};
const int kind133Places[] = {116, 116, 116, 116, 116, 116, 116, 116, 116, 116, 116, 116};
const int kind134Places[] = {114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 1, 0};
const int kind135Places[] = {86, 86};
const NestedContainerInfo kind135Nested[] = {{panelItem, 57}, {panelItem, 57}};
const int kind136Places[] = {85, 85, 85, 85, 18};
const int kind137Places[] = {109, 109};
const int kind138Places[] = {87, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100};
const NestedContainerInfo kind138Nested[] = {
    {panelItem, 61}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}
};
const int kind139Places[] = {87, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100};
const NestedContainerInfo kind139Nested[] = {
    {panelItem, 62}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}
};
const int kind140Places[] = {87, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100};
const NestedContainerInfo kind140Nested[] = {
    {panelItem, 63}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}
};
const int kind141Places[] = {127, 127, 127, 127, 127, 127, 127, 127, 127, 127, 127, 127, 127};
const int kind142Places[] = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
const int kind143Places[] = {127, 127, 127, 127, 127, 127, 127, 127, 127, 127, 127, 127, 127, 127, 127};
const int kind144Places[] = {86, 86};
const NestedContainerInfo kind144Nested[] = {{panelItem, 57}, {panelItem, 57}};
const int kind145Places[] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 0};
const int kind146Places[] = {2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 1, 0};
const int kind147Places[] = {6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 2, 2, 2, 2, 2, 2, 2};
const NestedContainerInfo kind147Nested[] = {
    {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0},
    {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}, {-1, -1}
};
const int kind148Places[] = {115, 115, 115, 115, 115, 115, 115, 115, 115, 115, 115, 2, 2, 2, 2, 2, 2, 2};
const NestedContainerInfo kind148Nested[] = {
    {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0},
    {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}
};
const int kind149Places[] = {
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3
};
const int kind150Places[] = {
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3,
    3, 3, 3, 3
};
const int kind151Places[] = {114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 1, 0};
const int kind152Places[] = {114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 1, 0};
const int kind153Places[] = {64};
const NestedContainerInfo kind153Nested[] = {{panelItem, 64}};
const int kind154Places[] = {63, 63, 63, 63};
const int kind155Places[] = {114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 1, 0};
const int kind156Places[] = {114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 1, 0};
const int kind157Places[] = {86, 86, 86, 86, 86, 86, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 1, 0};
const NestedContainerInfo kind157Nested[] = {
    {panelItem, 57}, {panelItem, 57}, {panelItem, 57}, {panelItem, 57}, {panelItem, 57}, {panelItem, 57},
    {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}
};
const int kind158Places[] = {114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 114, 1, 0};
const int kind159Places[] = {86, 86};
const NestedContainerInfo kind159Nested[] = {{panelItem, 57}, {panelItem, 57}};
const int kind160Places[] = {87, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100};
const NestedContainerInfo kind160Nested[] = {
    {panelItem, 63}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}
};
const int kind161Places[] = {127, 127, 127, 127, 127, 127, 127, 127, 127, 127, 127, 127, 127, 127};
const int kind162Places[] = {87, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100};
const NestedContainerInfo kind162Nested[] = {
    {panelItem, 62}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}
};
const int kind163Places[] = {87, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100};
const NestedContainerInfo kind163Nested[] = {
    {panelItem, 66}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}
};
const int kind164Places[] = {87, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100};
const NestedContainerInfo kind164Nested[] = {
    {panelItem, 67}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}
};
const int kind165Places[] = {5, 5, 5, 5, 5, 5, 5, 5, 5};
const int kind166Places[] = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
const int kind167Places[] = {87, 100, 100, 100, 100, 100, 100, 100, 100, 100, 100};
const NestedContainerInfo kind167Nested[] = {
    {panelItem, 68}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}
};
const int kind168Places[] = {
    128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128,
    128, 128, 128, 128, 128, 128, 128, 128, 128, 128, 128
};
const int kind169Places[] = {88, 88, 88, 88, 88, 88, 88, 88, 88, 88, 88, 88, 88, 88, 88, 88};
const NestedContainerInfo kind169Nested[] = {
    {panelItem, 69}, {panelItem, 69}, {panelItem, 69}, {panelItem, 69}, {panelItem, 69}, {panelItem, 69},
    {panelItem, 69}, {panelItem, 69}, {panelItem, 69}, {panelItem, 69}, {panelItem, 69}, {panelItem, 69},
    {panelItem, 69}, {panelItem, 69}, {panelItem, 69}, {panelItem, 69}
};
const int kind170Places[] = {90};
const NestedContainerInfo kind170Nested[] = {{panelItem, 70}};
const int kind171Places[] = {5, 5, 5, 5, 5, 5};
const int kind172Places[] = {91, 91, 91, 91, 91, 91, 91, 91, 91, 91, 91, 91, 91, 91, 91, 91};
const int kind173Places[] = {90};
const NestedContainerInfo kind173Nested[] = {{panelItem, 71}};
const int kind174Places[] = {92, 92, 92, 92, 92, 92};
const int kind175Places[] = {94, 94, 94, 94, 94, 94, 94, 94, 94, 94};
const int kind176Places[] = {95, 95, 95, 95};
const int kind177Places[] = {122, 122, 122, 122, 122, 100, 100, 100, 100, 100, 100};
const NestedContainerInfo kind177Nested[] = {
    {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {panelItem, 0}, {-1, -1}, {-1, -1},
    {-1, -1}, {-1, -1}, {-1, -1}, {-1, -1}
};
const int kind178Places[] = {99};
const NestedContainerInfo kind178Nested[] = {{panelItem, 72}};
const int kind179Places[] = {5, 5, 5, 5, 5, 5};
const int kind180Places[] = {96, 96, 96, 96, 96, 96, 96, 96, 96, 96, 96, 96, 96, 96, 96, 96};
const int kind181Places[] = {98, 98, 98, 98, 98, 98, 98, 98, 98, 98, 98, 98, 98, 98, 98, 98};
const int kind182Places[] = {125, 125};
const int kind183Places[] = {125, 125, 125};
const int kind184Places[] = {113, 113, 113, 113, 113, 113, 113, 113, 113, 113, 113, 113, 113, 113, 113, 1, 0};
const int kind185Places[] = {
    113, 113, 113, 113, 113, 113, 113, 113, 113, 113, 113, 113, 113, 113, 113, 113, 1, 0
};

const FixedFieldInfo field3Is1 = {3, 1};

} // namespace

// Columns: allowed models, width, height, text rows, row direction, suffix
// flag, suffix kind, has-field-5 byte, pad-with-zero byte.
const PlaceTypeInfo placeTypes[placeTypeCount] = {
    {place0Models, 12, 2360, 160, 1, 1, false, -1, 0, 1}, // 0 frame row 17: one-row panels
    {place1Models, 16, 2360, 160, 1, 1, false, -1, 0, 1}, // 1 frame row 16
    {place2Models, 17, 2360, 160, 1, 1, false, -1, 0, 1}, // 2 frame row
    {place3Models, 8, 295, 160, 3, 1, false, -1, 0, 1}, // 3 place of a block frame
    {place4Models, 1, 2360, 160, 1, 1, false, 12, 0, 1}, // 4 top panel of a frame
    {place5Models, 2, 196.667, 160, 1, 1, true, -1, 0, 1}, // 5 clamp panel of a top panel
    {place6Models, 3, 2360, 160, 1, 1, false, 5, 0, 1}, // 6 cross frame row
    {place7Models, 26, 295, 160, 3, 1, false, -1, 0, 1}, // 7 relay panel place
    {place8Models, 20, 295, 160, 3, 1, false, -1, 0, 1}, // 8 NSH place
    {place9Models, 4, 295, 160, 3, 1, false, -1, 0, 1}, // 9 DSSH place
    {place10Models, 1, 590, 160, 2, 1, false, -1, 0, 1}, // 10 shelf, four to a panel
    {place11Models, 3, 786.667, 160, 2, 1, false, -1, 0, 1}, // 11 block, three to a panel
    {place12Models, 7, 590, 160, 2, 1, false, -1, 0, 1}, // 12 block, four to a panel
    {place13Models, 1, 295, 120, 1, 1, false, -1, 0, 1}, // 13 fuse board place
    {place14Models, 1, 295, 120, 1, 1, false, -1, 0, 1}, // 14 resistor board place
    {place15Models, 1, 73.75, 120, 2, 1, false, -1, 1, 1}, // 15 fuse
    {place16Models, 3, 146.667, 40, 1, 1, false, -1, 1, 1}, // 16 resistor
    {place17Models, 3, 146.667, 120, 2, 1, false, -1, 1, 1}, // 17 variable resistor
    {nullptr, 0, 590, 120, 1, 1, false, -1, 0, 1}, // 18 module carrier rail, no device
    {place19Models, 3, 393.333, 160, 2, 1, false, -1, 0, 1}, // 19 block, six to a panel
    {place20Models, 1, 786.667, 160, 2, 1, false, -1, 0, 1}, // 20 small block, three to a panel
    {place21Models, 1, 295, 160, 3, 1, false, -1, 0, 1}, // 21 shelf, eight to a panel
    {place22Models, 1, 196.667, 160, 3, 1, false, -1, 0, 1}, // 22 shelf, twelve to a panel
    {place23Models, 1, 590, 160, 2, 1, false, -1, 0, 1}, // 23 VUS
    {place24Models, 1, 590, 160, 2, 1, false, -1, 0, 1}, // 24 block BP
    {place25Models, 1, 590, 160, 2, 1, false, -1, 0, 1}, // 25 FP
    {place26Models, 3, 590, 160, 2, 1, false, -1, 0, 1}, // 26 PCH, FP, capacitors
    {place27Models, 1, 590, 160, 2, 1, false, -1, 0, 1}, // 27 URP
    {place28Models, 4, 236, 160, 3, 1, false, -1, 0, 1}, // 28 ten to a panel
    {place29Models, 7, 295, 160, 3, 1, false, -1, 0, 1}, // 29 POBS place
    {place30Models, 42, 295, 160, 3, 1, false, -1, 0, 1}, // 30 wall place
    {place31Models, 2, 295, 160, 3, 1, false, -1, 0, 1}, // 31 IRC place
    {place32Models, 1, 73.75, 160, 2, 1, false, -1, 1, 1}, // 32 plughole
    {place33Models, 1, 147.5, 160, 3, 1, false, -1, 1, 1}, // 33 REL on a board
    {place34Models, 2, 98.333, 160, 2, 1, true, -1, 1, 1}, // 34 discharger, varistor
    {place35Models, 3, 73.75, 160, 2, 1, false, -1, 1, 1}, // 35
    {place36Models, 1, 73.75, 160, 2, 1, false, -1, 1, 1}, // 36
    {place37Models, 3, 295, 160, 2, 1, false, -1, 1, 1}, // 37
    {place38Models, 1, 49.167, 160, 2, 1, false, -1, 1, 1}, // 38 six elements
    {place39Models, 1, 73.75, 160, 2, 1, false, -1, 1, 1}, // 39
    {place40Models, 8, 73.75, 160, 2, 1, false, -1, 1, 1}, // 40
    {place41Models, 1, 36.875, 160, 2, 1, false, -1, 1, 1}, // 41
    {place42Models, 2, 147.5, 160, 2, 1, false, -1, 1, 1}, // 42
    {place43Models, 1, 147.5, 160, 2, 1, false, -1, 1, 1}, // 43
    {place44Models, 1, 73.75, 160, 2, 1, false, -1, 1, 1}, // 44
    {place45Models, 1, 73.75, 160, 2, 1, false, -1, 1, 1}, // 45
    {place46Models, 2, 295, 160, 2, 1, false, -1, 1, 1}, // 46
    {place47Models, 1, 295, 160, 2, 1, false, -1, 1, 1}, // 47
    {place48Models, 1, 147.5, 160, 2, 1, false, -1, 1, 1}, // 48
    {place49Models, 1, 147.5, 160, 2, 1, false, -1, 1, 1}, // 49
    {place50Models, 1, 73.75, 160, 2, 1, false, -1, 1, 1}, // 50
    {place51Models, 1, 36.875, 160, 2, 1, false, -1, 1, 1}, // 51
    {place52Models, 1, 98.333, 160, 2, 1, false, -1, 1, 1}, // 52
    {place53Models, 1, 295, 160, 2, 1, false, -1, 1, 1}, // 53
    {place54Models, 1, 36.875, 160, 2, 1, false, -1, 1, 1}, // 54
    {place55Models, 3, 36.875, 160, 2, 1, false, -1, 1, 1}, // 55
    {place56Models, 1, 50, 3040, 1, 1, false, -1, 0, 1}, // 56 side column of twelve
    {place57Models, 1, 50, 3040, 1, 1, false, -1, 0, 1}, // 57 side column of eight
    {place58Models, 3, 98.333, 160, 2, 1, false, -1, 1, 1}, // 58
    {place59Models, 1, 245, 160, 2, 1, false, -1, 1, 1}, // 59 bell
    {place60Models, 2, 245, 160, 2, 1, false, -1, 1, 1}, // 60 lamp
    {place61Models, 1, 50, 240, 1, 1, true, -1, 0, 1}, // 61 side clamp panel, twelve to a column
    {place62Models, 1, 50, 360, 1, 1, true, -1, 0, 1}, // 62 side clamp panel, eight to a column
    {place63Models, 1, 50, 720, 1, 1, true, -1, 0, 1}, // 63 side clamp panel, four to a column
    {place64Models, 1, 50, 3040, 1, 1, false, -1, 0, 1}, // 64 side column of four
    {place65Models, 1, 147.5, 160, 3, 1, false, -1, 1, 1}, // 65 DSSH on a board
    {place66Models, 11, 49.167, 160, 2, 1, false, -1, 1, 1}, // 66 capacitor, six to a board
    {place67Models, 1, 295, 160, 3, 1, false, -1, 1, 1}, // 67
    {place68Models, 1, 147.5, 160, 3, 1, false, -1, 1, 1}, // 68
    {place69Models, 4, 161.905, 480, 3, 1, true, -1, 0, 1}, // 69 console place
    {place70Models, 1, 3400, 480, 1, 1, false, -1, 0, 1}, // 70 console row
    {place71Models, 1, 1700, 480, 1, 1, false, -1, 0, 1}, // 71 console control panel place
    {place72Models, 3, 170, 240, 2, 1, false, -1, 0, 1}, // 72 console control place
    {place73Models, 1, 2360, 106.67, 1, 1, false, -1, 0, 1}, // 73 heating panel place
    {place74Models, 1, 2360, 106.67, 1, 1, false, -1, 0, 1}, // 74 heating
    {place75Models, 1, 590, 350, 1, 1, false, -1, 0, 1}, // 75 measuring panel place
    {place76Models, 1, 590, 350, 2, 1, false, 7, 0, 1}, // 76 measuring panel
    {place77Models, 4, 2360, 640, 1, 1, false, -1, 0, 1}, // 77 relay case column
    {place78Models, 4, 295, 600, 1, 1, false, -1, 0, 1}, // 78 relay case board place
    {place79Models, 3, 73.75, 600, 2, 1, true, -1, 1, 1}, // 79 relay case fuse and discharger
    {place80Models, 2, 73.75, 600, 2, 1, false, -1, 1, 1}, // 80 relay case resistor
    {place81Models, 1, 147.5, 600, 2, 1, false, -1, 1, 1}, // 81 relay case interrupter
    {place82Models, 1, 295, 1890, 1, 1, false, -1, 0, 1}, // 82 relay case side panel place
    {place83Models, 1, 2440, 316.667, 1, 1, false, -1, 0, 1}, // 83 relay case bottom clamp row
    {place84Models, 9, 214.545, 320, 2, 1, false, -1, 0, 1}, // 84 relay case panel place
    {place85Models, 5, 442.5, 160, 2, 1, true, -1, 0, 1}, // 85 module or DC clamp
    {place86Models, 1, 2360, 160, 1, 1, false, -1, 0, 1}, // 86 module panel place
    {place87Models, 8, 2360, 160, 1, 1, false, -1, 0, 1}, // 87 clamp row of a power frame
    {place88Models, 1, 2360, 160, 1, 1, false, -1, 0, 1}, // 88 case clamp row
    {place89Models, 13, 295, 160, 2, 1, false, -1, 0, 1}, // 89 relay case side place
    {place90Models, 1, 2360, 160, 1, 1, false, -1, 0, 1}, // 90 case block panel place
    {place91Models, 3, 147.5, 160, 2, 1, false, -1, 0, 1}, // 91 case block
    {place92Models, 3, 393.333, 160, 2, 1, false, -1, 0, 1}, // 92 case board place
    {place93Models, 1, 162.667, 316.667, 1, 1, true, -1, 0, 1}, // 93 relay case bottom clamp panel
    {place94Models, 1, 29.5, 160, 1, 1, false, -1, 1, 1}, // 94 DEK block
    {place95Models, 2, 147.5, 160, 2, 1, true, -1, 1, 1}, // 95 interrupter or clamp panel
    {place96Models, 2, 147.5, 160, 3, 1, false, -1, 0, 1}, // 96 REL panel place
    {place97Models, 1, 2360, 160, 1, 1, false, -1, 0, 1}, // 97 REL panel row
    {place98Models, 1, 147.5, 160, 3, 1, false, -1, 0, 1}, // 98 embedded REL place
    {place99Models, 2, 2360, 160, 1, 1, false, -1, 0, 1}, // 99 case second clamp row
    {place100Models, 16, 2360, 160, 1, 1, false, -1, 0, 1}, // 100 power frame row
    {place101Models, 1, 295, 160, 3, 1, false, -1, 0, 1}, // 101 DSSH in an NSH panel
    {place102Models, 1, 295, 160, 3, 1, false, -1, 0, 1}, // 102 PT in an NSH panel
    {place103Models, 1, 295, 160, 3, 1, false, -1, 0, 1}, // 103 PTM in an NSH panel
    {place104Models, 3, 295, 160, 3, 1, false, -1, 0, 1}, // 104 relay case NMSH place
    {place105Models, 1, 147.5, 160, 3, 1, false, -1, 1, 1}, // 105 NMSH on a board
    {place106Models, 1, 147.5, 160, 3, 1, false, -1, 1, 1}, // 106 NSH on a board
    {place107Models, 2, 49.167, 160, 2, 1, false, -1, 1, 1}, // 107 variable resistor on a board
    {place108Models, 1, 73.75, 160, 2, 1, false, -1, 1, 1}, // 108 stabilitron
    {place109Models, 1, 147.5, 160, 2, 1, true, -1, 1, 1}, // 109 DC clamp on a board, two to a place: position shown
    {place110Models, 1, 50, 120, 2, 1, false, 3, 1, 1}, // 110 lamp on the left
    {place111Models, 1, 50, 120, 2, 1, false, 4, 1, 1}, // 111 lamp on the right
    {place112Models, 10, 2360, 160, 1, 1, false, -1, 0, 1}, // 112 one-row panel on a lamp carrier
    {place113Models, 5, 2360, 160, 1, 1, false, -1, 0, 1}, // 113 REL frame row
    {place114Models, 18, 2360, 160, 1, 1, false, -1, 0, 1}, // 114 frame row with module panels
    {place115Models, 2, 2360, 160, 1, 1, false, 5, 0, 1}, // 115 cross frame row, eleven
    {place116Models, 2, 196.667, 320, 2, 1, false, -1, 1, 1}, // 116 lamp with socket
    {place117Models, 3, 295, 160, 3, 1, false, -1, 0, 1}, // 117 REL and NMSH panel place
    {place118Models, 2, 590, 160, 2, 1, false, -1, 0, 1}, // 118 small block, four to a panel
    {place119Models, 1, 393.333, 160, 2, 1, false, -1, 0, 1}, // 119 small block, six to a panel
    {place120Models, 2, 590, 160, 2, 1, false, -1, 0, 1}, // 120 shelf and FP
    {place121Models, 1, 2360, 160, 1, 1, false, -1, 0, 1}, // 121 console control row
    {place122Models, 1, 2360, 160, 1, 1, false, -1, 0, 1}, // 122 power clamp row, five rows
    {place123Models, 2, 590, 160, 1, 1, false, -1, 0, 1}, // 123 power board place
    {place124Models, 1, 147.5, 120, 2, 1, false, -1, 1, 1}, // 124 fuse, double
    {place125Models, 2, 2360, 160, 1, 1, false, -1, 0, 1}, // 125 REL carrier row
    {place126Models, 3, 2360, 160, 1, 1, false, 5, 0, 1}, // 126 cross frame row, twelve
    {place127Models, 2, 157.333, 160, 1, 1, true, -1, 0, 1}, // 127 clamp panel, fifteen to a panel
    {place128Models, 1, 73.75, 160, 1, 1, true, -1, 0, 1}, // 128 clamp panel, thirty-two to a panel
    {place129Models, 1, 295, 160, 3, 1, false, -1, 0, 1}, // 129 DSSH only
    {place130Models, 1, 295, 160, 3, 1, false, -1, 0, 1}, // 130 POBS only
    {place131Models, 2, 295, 160, 3, 1, false, -1, 0, 1}, // 131 transformer place
    {place132Models, 2, 295, 160, 3, 1, false, -1, 0, 1}, // 132 SKT place
    {place133Models, 2, 590, 160, 2, 1, false, -1, 0, 1}, // 133 VUS and URP
    {place134Models, 2, 295, 160, 3, 1, false, -1, 0, 1}, // 134 plughole place
    {place135Models, 2, 245, 160, 2, 1, false, -1, 0, 1}, // 135 bell or lamp
    {place136Models, 1, 80, 160, 2, 1, false, -1, 0, 1}, // 136 light diode
    {place137Models, 1, 110, 87, 1, 1, false, -1, 0, 1}, // 137 console control device
    {place138Models, 3, 98.333, 160, 2, 1, true, -1, 0, 1}, // 138 discharger or varistor panel place
    {place139Models, 5, 2360, 160, 1, 1, false, -1, 0, 1}, // 139 relay case row
};

// Columns: name, x, y, width, height, own size.
const EquipmentModelInfo equipmentModels[equipmentModelCount] = {
    {nullptr, 300, 580, 2440, 2720, false}, // 0
    {nullptr, 300, 100, 2520, 480, false}, // 1
    {nullptr, 300, 420, 2520, 2880, false}, // 2
    {nullptr, 300, 100, 2520, 320, false}, // 3
    {nullptr, 300, 580, 2520, 2720, false}, // 4
    {nullptr, 300, 420, 2520, 2880, false}, // 5
    {nullptr, 300, 580, 2520, 2720, false}, // 6
    {nullptr, 300, 580, 2520, 2720, false}, // 7
    {nullptr, 300, 580, 2520, 2720, false}, // 8
    {nullptr, 250, 260, 50, 3040, false}, // 9
    {nullptr, 250, 260, 50, 3040, false}, // 10
    {QT_TRANSLATE_NOOP("Place", "Panel 1Row"), 0, 0, 2360, 160, false}, // 11
    {QT_TRANSLATE_NOOP("Place", "Panel 2Row"), 0, -320, 2360, 320, false}, // 12
    {QT_TRANSLATE_NOOP("Place", "Panel 3Row"), 0, -480, 2360, 480, false}, // 13
    {QT_TRANSLATE_NOOP("Place", "Panel Block"), 0, 0, 2360, 160, false}, // 14
    {QT_TRANSLATE_NOOP("Place", "Panel Top"), 0, 0, 2360, 160, false}, // 15
    {QT_TRANSLATE_NOOP("Place", "Clamp Top"), 0, 0, 196.667, 160, false}, // 16
    {QT_TRANSLATE_NOOP("Place", "S"), 0, 0, 50, 240, false}, // 17
    {QT_TRANSLATE_NOOP("Place", "NMSH"), 0, 0, 295, 160, false}, // 18
    {QT_TRANSLATE_NOOP("Place", "REL"), 0, 0, 147.5, 160, false}, // 19
    {QT_TRANSLATE_NOOP("Place", "DSSH"), 0, 0, 295, 160, false}, // 20
    {QT_TRANSLATE_NOOP("Place", "NSH"), 0, 0, 295, 160, false}, // 21
    {QT_TRANSLATE_NOOP("Place", "Block Big"), 0, -160, 786.667, 160, false}, // 22
    {QT_TRANSLATE_NOOP("Place", "Block Small"), 0, -160, 590, 160, false}, // 23
    {QT_TRANSLATE_NOOP("Place", "Board FU-RR-R"), 0, -120, 196.667, 120, false}, // 24
    {QT_TRANSLATE_NOOP("Place", "Board-REL-NMSH"), 0, 0, 295, 160, false}, // 25
    {QT_TRANSLATE_NOOP("Place", "Board-IRC"), 0, 0, 295, 160, false}, // 26
    {QT_TRANSLATE_NOOP("Place", "FU"), 0, 0, 73.75, 120, false}, // 27
    {QT_TRANSLATE_NOOP("Place", "Clamp Commut"), 0, 0, 196.667, 160, false}, // 28
    {QT_TRANSLATE_NOOP("Place", "R"), 0, 0, 146.667, 40, false}, // 29
    {QT_TRANSLATE_NOOP("Place", "RR"), 0, 0, 146.667, 40, false}, // 30
    {QT_TRANSLATE_NOOP("Place", "Shelf"), 0, -160, 590, 160, false}, // 31
    {QT_TRANSLATE_NOOP("Place", "FV"), 0, 0, 98.333, 160, false}, // 32
    {QT_TRANSLATE_NOOP("Place", "RV"), 0, 0, 98.333, 160, false}, // 33
    {QT_TRANSLATE_NOOP("Place", "IRC"), 0, 0, 73.75, 160, false}, // 34
    {QT_TRANSLATE_NOOP("Place", "Block BP"), 0, -160, 590, 160, false}, // 35
    {QT_TRANSLATE_NOOP("Place", "POBS"), 0, 0, 295, 160, false}, // 36
    {QT_TRANSLATE_NOOP("Place", "FP"), 0, -160, 590, 160, false}, // 37
    {QT_TRANSLATE_NOOP("Place", "Board-FV-RV-3"), 0, 0, 295, 160, false}, // 38
    {QT_TRANSLATE_NOOP("Place", "PCH-50-25"), 0, -160, 590, 160, false}, // 39
    {QT_TRANSLATE_NOOP("Place", "Board-C-6"), 0, 0, 295, 160, false}, // 40
    {QT_TRANSLATE_NOOP("Place", "URP"), 0, -160, 590, 160, false}, // 41
    {QT_TRANSLATE_NOOP("Place", "VUS-1,3"), 0, -160, 590, 160, false}, // 42
    {QT_TRANSLATE_NOOP("Place", "Board-DSSH-C"), 0, 0, 295, 320, true}, // 43
    {QT_TRANSLATE_NOOP("Place", "Board-PTM-ST-ROBS"), 0, 0, 295, 160, false}, // 44
    {QT_TRANSLATE_NOOP("Place", "Board-SKT-C"), 0, 0, 295, 160, false}, // 45
    {QT_TRANSLATE_NOOP("Place", "PTM-ST-ROBS"), 0, 0, 295, 160, false}, // 46
    {QT_TRANSLATE_NOOP("Place", "SKT-1"), 0, 0, 147.5, 160, false}, // 47
    {QT_TRANSLATE_NOOP("Place", "PT-PRT-SOBS"), 0, 0, 295, 160, false}, // 48
    {nullptr, 300, 150, 3570, 1440, false}, // 49
    {nullptr, 300, 150, 3570, 1440, false}, // 50
    {QT_TRANSLATE_NOOP("Place", "Panel Console"), 0, 0, 3400, 480, false}, // 51
    {QT_TRANSLATE_NOOP("Place", "Panel Side 8"), 0, 0, 50, 3040, false}, // 52
    {QT_TRANSLATE_NOOP("Place", "Panel Side 12"), 0, 0, 50, 3040, false}, // 53
    {QT_TRANSLATE_NOOP("Place", "K50-16-50V-500mkf "), 0, 0, 73.75, 160, false}, // 54
    {QT_TRANSLATE_NOOP("Place", "Board-4xK50-16-50V"), 0, 0, 295, 160, false}, // 55
    {QT_TRANSLATE_NOOP("Place", "K50-16-50-200mkf"), 0, 0, 73.75, 160, false}, // 56
    {QT_TRANSLATE_NOOP("Place", "K50-16-50-1000mkf"), 0, 0, 73.75, 160, false}, // 57
    {QT_TRANSLATE_NOOP("Place", "Board-4xK73P-2-1000-1"), 0, 0, 295, 160, false}, // 58
    {QT_TRANSLATE_NOOP("Place", "K73P-2-1000-1mkf"), 0, 0, 73.75, 160, false}, // 59
    {QT_TRANSLATE_NOOP("Place", "K73P-2-630-4mkf"), 0, 0, 295, 160, false}, // 60
    {QT_TRANSLATE_NOOP("Place", "K73P-2-4000-2mkf"), 0, 0, 295, 160, false}, // 61
    {QT_TRANSLATE_NOOP("Place", "Board-K73P-2-1000-4"), 0, 0, 295, 160, false}, // 62
    {QT_TRANSLATE_NOOP("Place", "K73P-2-1000-4mkf"), 0, 0, 295, 160, false}, // 63
    {QT_TRANSLATE_NOOP("Place", "Board-MLT-6"), 0, 0, 295, 160, false}, // 64
    {QT_TRANSLATE_NOOP("Place", "6 elements"), 0, 0, 49.167, 160, false}, // 65
    {QT_TRANSLATE_NOOP("Place", "Board-4xMBGP-2-400-2"), 0, 0, 295, 160, false}, // 66
    {QT_TRANSLATE_NOOP("Place", "MBGP-2-400-2mkf"), 0, 0, 73.75, 160, false}, // 67
    {QT_TRANSLATE_NOOP("Place", "Board-4xMBGCH-1-2A"), 0, 0, 295, 160, false}, // 68
    {QT_TRANSLATE_NOOP("Place", "MBGCH-1-500-2mkf"), 0, 0, 73.75, 160, false}, // 69
    {QT_TRANSLATE_NOOP("Place", "MBGCH-1-1000-1mkf"), 0, 0, 73.75, 160, false}, // 70
    {QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-500-0,5mkf"), 0, 0, 73.75, 160, false}, // 71
    {QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-500-1mkf"), 0, 0, 73.75, 160, false}, // 72
    {QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-250-0,5mkf"), 0, 0, 73.75, 160, false}, // 73
    {QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-250-1mkf"), 0, 0, 73.75, 160, false}, // 74
    {QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-250-2mkf"), 0, 0, 73.75, 160, false}, // 75
    {QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-250-4mkf"), 0, 0, 73.75, 160, false}, // 76
    {QT_TRANSLATE_NOOP("Place", "Board-8xMBGCH-1-250-0,25"), 0, 0, 295, 160, false}, // 77
    {QT_TRANSLATE_NOOP("Place", "MBGCH-1-2A-500-0,25mkf"), 0, 0, 36.875, 160, false}, // 78
    {QT_TRANSLATE_NOOP("Place", "Board-K42-19"), 0, 0, 295, 160, false}, // 79
    {QT_TRANSLATE_NOOP("Place", "K42-19-500-2"), 0, 0, 147.5, 160, false}, // 80
    {QT_TRANSLATE_NOOP("Place", "K42-19-250-10"), 0, 0, 147.5, 160, false}, // 81
    {QT_TRANSLATE_NOOP("Place", "Board-2xK42-19-500-3,9"), 0, 0, 295, 160, false}, // 82
    {QT_TRANSLATE_NOOP("Place", "K42-19-500-3,9"), 0, 0, 147.5, 160, false}, // 83
    {QT_TRANSLATE_NOOP("Place", "Board-4xK75-24-630-2,2"), 0, 0, 295, 160, false}, // 84
    {QT_TRANSLATE_NOOP("Place", "K75-24-630-2,2"), 0, 0, 73.75, 160, false}, // 85
    {QT_TRANSLATE_NOOP("Place", "Board-4xK75-24-1000-1"), 0, 0, 295, 160, false}, // 86
    {QT_TRANSLATE_NOOP("Place", "K75-24-1000-1"), 0, 0, 73.75, 160, false}, // 87
    {QT_TRANSLATE_NOOP("Place", "Board-K75-24-1000-4"), 0, 0, 295, 160, false}, // 88
    {QT_TRANSLATE_NOOP("Place", "K75-24-1000-4"), 0, 0, 295, 160, false}, // 89
    {QT_TRANSLATE_NOOP("Place", "Board-K75-24-1000-4"), 0, 0, 295, 160, false}, // 90
    {QT_TRANSLATE_NOOP("Place", "K75-10-1000-1"), 0, 0, 295, 160, false}, // 91
    {QT_TRANSLATE_NOOP("Place", "Board-2xK75-24-400-10"), 0, 0, 295, 160, false}, // 92
    {QT_TRANSLATE_NOOP("Place", "K75-24-400-10"), 0, 0, 147.5, 160, false}, // 93
    {QT_TRANSLATE_NOOP("Place", "K75-24-630-4"), 0, 0, 295, 160, false}, // 94
    {QT_TRANSLATE_NOOP("Place", "Board-NSH-2xK75-10-1000-1"), 0, 0, 295, 160, false}, // 95
    {QT_TRANSLATE_NOOP("Place", "Board-NSH-4xK42-19-500-3,9"), 0, 0, 295, 160, false}, // 96
    {QT_TRANSLATE_NOOP("Place", "Board-NSH-8xK75-24-1000-1"), 0, 0, 295, 160, false}, // 97
    {QT_TRANSLATE_NOOP("Place", "Board-NSH-3xK75-24-1000-4"), 0, 0, 295, 160, false}, // 98
    {QT_TRANSLATE_NOOP("Place", "Board-MBGCH-2-250-10"), 0, 0, 295, 160, false}, // 99
    {QT_TRANSLATE_NOOP("Place", "MBGCH-2-250-10mkf"), 0, 0, 295, 160, false}, // 100
    {QT_TRANSLATE_NOOP("Place", "Board-NSH-8xK73P-2-1000-1"), 0, 0, 295, 160, false}, // 101
    {QT_TRANSLATE_NOOP("Place", "Board-NSH-8xK50-16-50"), 0, 0, 295, 160, false}, // 102
    {QT_TRANSLATE_NOOP("Place", "Board-NSH-3xK73P-2-1000-4"), 0, 0, 295, 160, false}, // 103
    {QT_TRANSLATE_NOOP("Place", "Board-Bell"), 0, 0, 295, 160, false}, // 104
    {QT_TRANSLATE_NOOP("Place", "Bell"), 0, 0, 245, 160, false}, // 105
    {QT_TRANSLATE_NOOP("Place", "Board-Lamp"), 0, 0, 295, 160, false}, // 106
    {QT_TRANSLATE_NOOP("Place", "Lamp"), 0, 0, 245, 160, false}, // 107
    {QT_TRANSLATE_NOOP("Place", "Board-4xD815"), 0, 0, 295, 160, false}, // 108
    {QT_TRANSLATE_NOOP("Place", "D815"), 0, 0, 73.75, 160, false}, // 109
    {QT_TRANSLATE_NOOP("Place", "Board-R-3-1-8"), 0, 0, 146.667, 120, false}, // 110
    {QT_TRANSLATE_NOOP("Place", "Board-NMSH-2-RR"), 0, 0, 245.834, 160, true}, // 111
    {QT_TRANSLATE_NOOP("Place", "Board-NSH-3-RR"), 0, 0, 295, 160, false}, // 112
    {nullptr, 995, 2380, 2360, 160, false}, // 113
    {nullptr, 3500, 2100, 590, 350, false}, // 114
    {nullptr, 995, 2240, 2360, 106.67, false}, // 115
    {QT_TRANSLATE_NOOP("Place", "Panel Heating"), 0, 0, 2360, 106.67, false}, // 116
    {QT_TRANSLATE_NOOP("Place", "Heating"), 0, 0, 2360, 106.67, false}, // 117
    {nullptr, 995, 150, 2360, 1280, false}, // 118
    {QT_TRANSLATE_NOOP("Place", "Panel IP"), 0, 0, 590, 350, false}, // 119
    {QT_TRANSLATE_NOOP("Place", "IP"), 0, 0, 140, 216, false}, // 120
    {nullptr, 260, 150, 590, 1900, false}, // 121
    {QT_TRANSLATE_NOOP("Place", "Panel RC Side"), 0, 0, 295, 1890, false}, // 122
    {nullptr, 3500, 150, 590, 1900, false}, // 123
    {nullptr, 995, 1590, 2440, 633.333, false}, // 124
    {QT_TRANSLATE_NOOP("Place", "Panel Clamp Bottom"), 0, 0, 2440, 316.667, false}, // 125
    {QT_TRANSLATE_NOOP("Place", "Clamp Bottom"), 0, 0, 162.667, 316.667, false}, // 126
    {QT_TRANSLATE_NOOP("Place", "Board-RC-4-FU-FV-RV"), 0, 0, 295, 600, false}, // 127
    {QT_TRANSLATE_NOOP("Place", "Board-RC-4-RR"), 0, 0, 295, 600, false}, // 128
    {QT_TRANSLATE_NOOP("Place", "Board-RC-4-RR-190"), 0, 0, 295, 600, false}, // 129
    {QT_TRANSLATE_NOOP("Place", "Panel RC-8-RR"), 0, 0, 2360, 640, false}, // 130
    {QT_TRANSLATE_NOOP("Place", "Panel NMSH RC"), 0, 0, 2360, 640, false}, // 131
    {QT_TRANSLATE_NOOP("Place", "Board-RC-2-AVM"), 0, 0, 295, 600, false}, // 132
    {QT_TRANSLATE_NOOP("Place", "AVM"), 0, 0, 147.5, 160, false}, // 133
    // The panels spanning NSH rows stand on their place and reach up over
    // the rows above, where their numbering goes on.
    {QT_TRANSLATE_NOOP("Place", "Panel DSSH in 2NSH"), 0, -320, 295, 320, true}, // 134
    {QT_TRANSLATE_NOOP("Place", "Panel DSSH in 3NSH"), 0, -480, 295, 480, true}, // 135
    {QT_TRANSLATE_NOOP("Place", "Board DSSH C Reduction"), 0, 0, 295, 160, false}, // 136
    {QT_TRANSLATE_NOOP("Place", "Panel PT-PRT-SOBS in 2NSH"), 0, -320, 295, 320, true}, // 137
    {QT_TRANSLATE_NOOP("Place", "Panel PT-PRT-SOBS in 3NSH"), 0, -480, 295, 480, true}, // 138
    {QT_TRANSLATE_NOOP("Place", "Panel-PTM-ST-ROBS in 2NSH"), 0, -320, 295, 320, true}, // 139
    {nullptr, 300, 1640, 3570, 480, false}, // 140
    {QT_TRANSLATE_NOOP("Place", "Panel Console Control"), 0, 0, 1700, 480, false}, // 141
    {QT_TRANSLATE_NOOP("Place", "Console Control"), 0, 0, 110, 87, false}, // 142
    {QT_TRANSLATE_NOOP("Place", "Panel RC-11"), 0, 0, 2360, 640, false}, // 143
    {QT_TRANSLATE_NOOP("Place", "Panel RC-12"), 0, 0, 2360, 640, false}, // 144
    {nullptr, 300, 3000, 2520, 320, false}, // 145
    {nullptr, 300, 200, 2520, 1760, false}, // 146
    {QT_TRANSLATE_NOOP("Place", "Panel LP Varnel"), 0, 0, 2360, 160, false}, // 147
    {QT_TRANSLATE_NOOP("Place", "Board LP Varnel"), 0, 0, 295, 160, false}, // 148
    {QT_TRANSLATE_NOOP("Place", "LP MTS"), 0, 0, 442.5, 160, false}, // 149
    {QT_TRANSLATE_NOOP("Place", "LP MTU"), 0, 0, 442.5, 160, false}, // 150
    {QT_TRANSLATE_NOOP("Place", "LP MTV"), 0, 0, 442.5, 160, false}, // 151
    {QT_TRANSLATE_NOOP("Place", "LP Clamp"), 0, 0, 442.5, 160, false}, // 152
    {QT_TRANSLATE_NOOP("Place", "Light_Diode_Panel"), 0, 0, 80, 160, false}, // 153
    {QT_TRANSLATE_NOOP("Place", "Lamp FU"), 0, 0, 50, 160, false}, // 154
    {QT_TRANSLATE_NOOP("Place", "Panel-FU-30"), 0, 0, 2360, 160, false}, // 155
    {QT_TRANSLATE_NOOP("Place", "Panel-FU-20"), 0, 0, 2360, 160, false}, // 156
    {QT_TRANSLATE_NOOP("Place", "Panel-PROP-FU-R"), -80, -160, 2440, 160, false}, // 157
    {QT_TRANSLATE_NOOP("Place", "Panel-PROP-FU-R-LAMP-R"), 0, -160, 2440, 160, false}, // 158
    {QT_TRANSLATE_NOOP("Place", "Panel-PROP-FU-R-LAMP-L"), -80, -160, 2440, 160, false}, // 159
    {nullptr, 300, 200, 2520, 1760, false}, // 160
    {nullptr, 300, 200, 2520, 1760, false}, // 161
    {nullptr, 250, 260, 50, 3040, false}, // 162
    {QT_TRANSLATE_NOOP("Place", "Panel Top1-13"), 0, 0, 2360, 160, false}, // 163
    {QT_TRANSLATE_NOOP("Place", "Panel Top1-10"), 0, 0, 2360, 160, false}, // 164
    {QT_TRANSLATE_NOOP("Place", "Panel Top1-15"), 0, 0, 2360, 160, false}, // 165
    {nullptr, 300, 420, 2520, 2880, false}, // 166
    {nullptr, 300, 200, 2520, 1760, false}, // 167
    {nullptr, 300, 200, 2520, 1760, false}, // 168
    {nullptr, 300, 200, 2520, 1760, false}, // 169
    {nullptr, 300, 200, 2520, 1760, false}, // 170
    {nullptr, 300, 100, 2520, 2560, false}, // 171
    {nullptr, 300, 2700, 2520, 160, false}, // 172
    {nullptr, 300, 2880, 2520, 160, false}, // 173
    {nullptr, 300, 200, 2520, 1760, false}, // 174
    {nullptr, 300, 3060, 2520, 160, false}, // 175
    {QT_TRANSLATE_NOOP("Place", "Panel Side 4"), 0, 0, 50, 3040, false}, // 176
    {nullptr, 0, 0, 0, 0, false}, // 177
    {nullptr, 0, 0, 0, 0, false}, // 178
    {nullptr, 0, 0, 0, 0, false}, // 179
    {nullptr, 0, 0, 0, 0, false}, // 180
    {nullptr, 0, 0, 0, 0, false}, // 181
    {nullptr, 0, 0, 0, 0, false}, // 182
    {QT_TRANSLATE_NOOP("Place", "Panel Top1-14"), 0, 0, 2360, 160, false}, // 183
    {nullptr, 0, 0, 0, 0, false}, // 184
    {nullptr, 0, 0, 0, 0, false}, // 185
    {nullptr, 0, 0, 0, 0, false}, // 186
    {QT_TRANSLATE_NOOP("Place", "Panel Top1-9"), 0, 0, 2360, 160, false}, // 187
    {QT_TRANSLATE_NOOP("Place", "Panel Top1-11"), 0, 0, 2360, 160, false}, // 188
    {nullptr, 0, 0, 0, 0, false}, // 189
    {QT_TRANSLATE_NOOP("Place", "Panel Top1-32"), 0, 0, 2360, 160, false}, // 190
    {QT_TRANSLATE_NOOP("Place", "Panel-R-36"), 0, 0, 2360, 160, false}, // 191
    {QT_TRANSLATE_NOOP("Place", "Panel-RR-18"), 0, 0, 2360, 160, false}, // 192
    {QT_TRANSLATE_NOOP("Place", "Panel-FU-6-PE-24"), 0, 0, 2360, 160, false}, // 193
    {QT_TRANSLATE_NOOP("Place", "Panel-FU-6-RR-12"), 0, 0, 2360, 160, false}, // 194
    {QT_TRANSLATE_NOOP("Place", "Panel-FU-10-PE-18"), 0, 0, 2360, 160, false}, // 195
    {QT_TRANSLATE_NOOP("Place", "Panel-FU-10-RR-9"), 0, 0, 2360, 160, false}, // 196
    {QT_TRANSLATE_NOOP("Place", "Panel-FU-14-PE-12"), 0, 0, 2360, 160, false}, // 197
    {QT_TRANSLATE_NOOP("Place", "Panel-FU-14-RR-6"), 0, 0, 2360, 160, false}, // 198
    {nullptr, 0, 0, 0, 0, false}, // 199
    {nullptr, 0, 0, 0, 0, false}, // 200
    {QT_TRANSLATE_NOOP("Place", "Panel Top 6 HZHDA"), 0, 0, 2360, 160, false}, // 201
    {QT_TRANSLATE_NOOP("Place", "Panel 16 HZHDA"), 0, 0, 2360, 160, false}, // 202
    {QT_TRANSLATE_NOOP("Place", "Block 140DD"), 0, 0, 147.5, 160, false}, // 203
    {nullptr, 0, 0, 2360, 160, false}, // 204
    {QT_TRANSLATE_NOOP("Place", "Panel 6-10-HZHDA"), 0, 0, 2360, 160, false}, // 205
    {QT_TRANSLATE_NOOP("Place", "Board-10DEK"), 0, 0, 295, 160, false}, // 206
    {QT_TRANSLATE_NOOP("Place", "Block DEK"), 0, 0, 29.5, 160, false}, // 207
    {QT_TRANSLATE_NOOP("Place", "Board-Clamp-Top-1-AVM"), 0, 0, 590, 160, false}, // 208
    {nullptr, 0, 0, 2360, 160, false}, // 209
    {nullptr, 0, 0, 0, 0, false}, // 210
    {QT_TRANSLATE_NOOP("Place", "Block ABE"), 0, 0, 147.5, 160, false}, // 211
};

// Columns: model; caption 1, its font and vertical flag; first margin side,
// size and apply flag; second margin side and size; caption 2, its font and
// vertical flag; place types and their count; nested containers; line
// side, place side, line count, indent side and size; cross mode, number
// note and number font; width, height; first number, number step,
// numbering-continues flag; suffix kind; pad-with-zero byte; fixed field;
// raised flag; outline flag. Sides: 0 left, 1 right, 2 top, 3 bottom.
// The first numbers are derived so that no two places of a frame give one
// address. Clamp rows keep the numbers their clamp panels' names take and
// may share them with other rows: a clamp panel tells its place apart by its
// place kind, an empty clamp place by the suffix kind handed down to it (a
// frame's top rows "V" from their place type, a cross frame's bottom rows
// "N"; the side columns' panels "KL", a relay case's bottom clamp panels and
// an HZHDA case's clamp panels "N"). Other rows are numbered apart:
// - the parts of a relay case (kinds 104 to 116): 1 the panel row, where a
//   carrier numbers its rows 1 to 3, 4 and 5 the columns, 6 the heating, 7
//   the measuring panel, 8 and 9 the left side, 10 and 11 the right side;
//   the bottom clamp rows keep 1 and 2;
// - the control row of a console or visual frame (130): 4 and 5, after the
//   three console rows;
// - the module-panel parts of the LP Varnel frames (135, 144, 159): rows 17
//   and 18, after a body of sixteen rows at most;
// - the HZHDA case: the board row (173) row 2, after the block row, and the
//   second clamp row (178) row 17, after the sixteen clamp rows;
// - the REL carriers (182, 183) go on from the frame row they stand in, one
//   row per place; a panel spanning NSH rows (125 to 129) goes on from the
//   place it stands in, eight further for each row above.
const ContainerKindInfo containerKinds[containerKindCount] = {
    // 0 basic frame body
    {0, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind0Places, 17, nullptr, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2720, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 1 three top panels
    {1, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind1Places, 3, kind1Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 480, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 2 basic frame body, eighteen rows
    {2, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind2Places, 18, nullptr, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2880, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 3 two top panels
    {3, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind3Places, 2, kind3Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 320, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 4 block frame body
    {4, nullptr, -1, 0, 1, 80, 1, 0, 80, nullptr, -1, 0,
     kind4Places, 136, nullptr, 3, 0, 17, 2, 0, 0, nullptr, -1,
     2520, 2720, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 5 block frame body, eighteen rows
    {5, nullptr, -1, 0, 1, 80, 1, 0, 80, nullptr, -1, 0,
     kind5Places, 144, nullptr, 3, 0, 18, 2, 0, 0, nullptr, -1,
     2520, 2880, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 6 cross frame body
    {6, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind6Places, 17, kind6Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2720, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 7 cross frame body
    {7, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind7Places, 17, kind7Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2720, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 8 cross frame body, twelve
    {8, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind8Places, 17, kind8Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2720, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 9 side column of twelve
    {9, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind9Places, 1, kind9Nested, 2, 0, 1, 2, 0, 0, nullptr, -1,
     50, 3040, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 10 side column of eight
    {10, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind10Places, 1, kind10Nested, 2, 0, 1, 2, 0, 0, nullptr, -1,
     50, 3040, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 11 Panel Top
    {15, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind11Places, 12, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 12 Panel FU-30
    {155, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind12Places, 8, kind12Nested, 2, 0, 1, 2, 40, 0, nullptr, 0,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 13 Panel FU-20
    {156, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind13Places, 5, kind13Nested, 2, 0, 1, 2, 40, 0, nullptr, 0,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 14 Panel PE-36
    {191, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind14Places, 6, kind14Nested, 2, 0, 1, 2, 40, 0, nullptr, 0,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 15 Panel R-18
    {192, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind15Places, 3, kind15Nested, 2, 0, 1, 2, 40, 0, nullptr, 0,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 16 Panel FU-6-R-24
    {193, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind16Places, 6, kind16Nested, 2, 0, 1, 2, 40, 0, nullptr, 0,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 17 Panel FU-6-R-12
    {194, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind17Places, 4, kind17Nested, 2, 0, 1, 2, 40, 0, nullptr, 0,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 18 Panel FU-10-R-18
    {195, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind18Places, 6, kind18Nested, 2, 0, 1, 2, 40, 0, nullptr, 0,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 19 Panel FU-10-R-9
    {196, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind19Places, 5, kind19Nested, 2, 0, 1, 2, 40, 0, nullptr, 0,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 20 Panel FU-14-R-12
    {197, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind20Places, 6, kind20Nested, 2, 0, 1, 2, 40, 0, nullptr, 0,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 21 Panel FU-14-R-6
    {198, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind21Places, 5, kind21Nested, 2, 0, 1, 2, 40, 0, nullptr, 0,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 22 Panel NMSH
    {11, "15846-66-00", 0, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind22Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 23 Panel IRC
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind23Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 24 Panel WALL
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind24Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 25 Panel PROP
    {157, nullptr, -1, 0, 0, 80, 1, 0, 0, nullptr, -1, 0,
     kind25Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2440, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 26 Panel PROP
    {158, nullptr, -1, 0, 1, 30, 1, 0, 0, nullptr, -1, 0,
     kind26Places, 2, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2440, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 27 Panel PROP
    {159, nullptr, -1, 0, 0, 30, 1, 0, 0, nullptr, -1, 0,
     kind27Places, 2, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2440, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 28 Panel FV-RV
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind28Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 29 Panel FU-29
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind29Places, 8, kind29Nested, 2, 0, 1, 2, 40, 0, nullptr, 0,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 30 Panel 10CP
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind30Places, 10, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 31 Panel URP
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind31Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 32 Panel NSH
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind32Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 33 Panel DSSH
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind33Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 34 Panel DSSH-NSH
    {12, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind34Places, 16, nullptr, 2, 0, 2, 2, 0, 0, nullptr, -1,
     2360, 320, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 35 Panel POBS-C
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind35Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 36 Panel SHELF4
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind36Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 37 Panel SHELF8
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind37Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 38 Panel SHELF12
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind38Places, 12, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 39 Panel VUS-1,3
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind39Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 40 Panel BP-BPK-BRK
    {14, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind40Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 41 Panel FP
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind41Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 42 Panel PCH-50-25-FP-C
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind42Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 43 Panel BLOCK3
    {14, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind43Places, 3, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 44 Panel BLOCK4
    {14, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind44Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 45 Panel BLOCK6
    {14, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind45Places, 6, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 46 Panel BLOCK3_1U
    {14, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind46Places, 3, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 47 Panel BLOCK4_1U
    {14, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind47Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 48 Panel BLOCK6_1U
    {14, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind48Places, 6, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 49 Board-FU-2
    {24, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind49Places, 2, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     147.5, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 50 Board-FU-3
    {24, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind50Places, 3, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     221.25, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 51 Board-FU-4
    {24, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind51Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 52 Board-R-6-1-6
    {24, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind52Places, 6, nullptr, 0, 3, 2, 2, 0, 0, nullptr, -1,
     293.334, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 53 Board-R-3-1-12
    {24, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind53Places, 3, nullptr, 0, 3, 1, 2, 0, 0, nullptr, -1,
     146.667, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 54 Board-RR-1-6
    {24, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind54Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     146.667, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 55 Board-RR-1-12
    {24, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind55Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     146.667, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 56 Board-RR-1-5
    {24, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind56Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     146.667, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 57 Board-RR-1-10
    {24, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind57Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     146.667, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 58 Board-FU-3-1-10
    {24, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind58Places, 3, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     221.25, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 59 Board-R-6-1-5
    {24, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind59Places, 6, nullptr, 0, 3, 2, 2, 0, 0, nullptr, -1,
     293.334, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 60 Board-R-3-1-10
    {24, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind60Places, 3, nullptr, 0, 3, 1, 2, 0, 0, nullptr, -1,
     146.667, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 61 Board-FU-2-1-10
    {24, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind61Places, 2, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     147.5, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 62 Board-REL-NMSH
    {25, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind62Places, 2, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 63 Board-IRC
    {26, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind63Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 64 Board-FV-RV-3
    {38, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind64Places, 3, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 65 Board-C-6
    {40, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind65Places, 6, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 66 Board-DSSH-C
    {43, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind66Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 320, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 67 Board-PTM-ST-ROBS
    {44, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind67Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 68 Board-SKT-C
    {45, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind68Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 69 console body
    {49, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind69Places, 3, kind69Nested, 0, 2, 1, 0, 170, 0, nullptr, 5,
     3570, 1440, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 70 visual control body
    {50, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind70Places, 3, kind70Nested, 0, 2, 1, 0, 170, 0, nullptr, 5,
     3570, 1440, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 71 Panel Console
    {51, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind71Places, 21, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     3400, 480, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 72 Panel Side 8
    {52, nullptr, -1, 0, 2, 160, 1, 0, 0, nullptr, -1, 0,
     kind72Places, 8, nullptr, 0, 2, 1, 2, 0, 0, nullptr, -1,
     50, 3040, 1, 1, 0, 9, 1, &field3Is1, 0, 0},
    // 73 Panel Side 12
    {53, nullptr, -1, 0, 2, 160, 1, 0, 0, nullptr, -1, 0,
     kind73Places, 12, nullptr, 0, 2, 1, 2, 0, 0, nullptr, -1,
     50, 3040, 1, 1, 0, 9, 1, &field3Is1, 0, 0},
    // 74 Board-4xK50-16
    {55, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind74Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 75 Board-4xK73P-2-1000-1
    {58, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind75Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 76 Board-K73P-2-1000-4
    {62, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind76Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 77 Board-MLT-6
    {64, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind77Places, 6, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 78 Board-4xMBGP-2-4000
    {66, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind78Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 79 Board-4xMBGCH-1
    {68, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind79Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 80 Board-8xMBGCH-1-0,25
    {77, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind80Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 81 Board-K42-19
    {79, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind81Places, 2, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 82 Board-2xK42-19-500-3,9
    {82, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind82Places, 2, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 83 Board-4xK75-24-630-2,2
    {84, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind83Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 84 Board-4xK75-24-1000-1
    {86, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind84Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 85 Board-K75-24-1000-4
    {88, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind85Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 86 Board-K75-10-1000-1
    {90, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind86Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 87 Board-2xK75-24-400-10
    {92, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind87Places, 2, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 88 Board-NSH-2xK75-10-1000-1
    {95, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind88Places, 2, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 89 Board-NSH-4xK42-19-500-3,9
    {96, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind89Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 90 Board-NSH-8xK75-24-1000-1
    {97, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind90Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 91 Board-NSH-3xK75-24-1000-4
    {98, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind91Places, 3, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 92 Board-MBGCH-2-250-10
    {99, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind92Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 93 Board-NSH-8xK73P-2-1000-1
    {101, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind93Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 94 Board-NSH-8xK50-16-50
    {102, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind94Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 95 Board-NSH-3xK73P-2-1000-4
    {103, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind95Places, 3, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 96 Board-Bell
    {104, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind96Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 97 Board-Lamp
    {106, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind97Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 98 Board-4xD815
    {108, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind98Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 99 Board-DSSH-C-Reduction
    {136, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind99Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 100 Board-R-3-1-8
    {110, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind100Places, 3, nullptr, 0, 3, 1, 2, 0, 0, nullptr, -1,
     146.667, 120, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 101 Board-NMSH-2-RR
    {111, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind101Places, 3, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 102 Board-NSH-3-RR
    {112, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind102Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 103 Panel NMSH Empty
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind103Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 104 relay case, panel row
    {113, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind104Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 105 relay case, measuring panel
    {114, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind105Places, 1, kind105Nested, 2, 0, 1, 2, 0, 0, nullptr, -1,
     590, 350, 7, 1, 0, -1, 1, nullptr, 0, 1},
    // 106 relay case, heating
    {115, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind106Places, 1, kind106Nested, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 106.67, 6, 1, 0, -1, 1, nullptr, 0, 1},
    // 107 Panel Heating
    {116, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind107Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 106.67, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 108 relay case, columns
    {118, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind108Places, 2, nullptr, 0, 3, 1, 2, 0, 0, nullptr, -1,
     2360, 1280, 4, 1, 0, -1, 1, nullptr, 0, 1},
    // 109 Panel IP
    {119, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind109Places, 1, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     590, 350, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 110 relay case, left side
    {121, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind110Places, 2, kind110Nested, 2, 0, 1, 2, 0, 0, nullptr, -1,
     590, 1900, 8, 1, 0, -1, 1, nullptr, 0, 1},
    // 111 Panel RC Side 30
    {122, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind111Places, 4, nullptr, 0, 2, 1, 2, 50, 0, nullptr, -1,
     295, 1890, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 112 Panel RC Side 40
    {122, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind112Places, 6, nullptr, 0, 2, 1, 2, 50, 0, nullptr, -1,
     295, 1890, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 113 Panel RC Side 50
    {122, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind113Places, 8, nullptr, 0, 2, 1, 2, 50, 0, nullptr, -1,
     295, 1890, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 114 Panel RC Side 60
    {122, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind114Places, 9, nullptr, 0, 2, 1, 2, 50, 0, nullptr, -1,
     295, 1890, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 115 relay case, right side
    {123, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind115Places, 2, kind115Nested, 2, 0, 1, 2, 0, 0, nullptr, -1,
     590, 1900, 10, 1, 0, -1, 1, nullptr, 0, 1},
    // 116 relay case, bottom clamps
    {124, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind116Places, 2, kind116Nested, 0, 2, 1, 2, 0, 0, nullptr, -1,
     2440, 633.333, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 117 Panel RC Clamp Bottom
    {125, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind117Places, 15, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2440, 316.667, 1, 1, 0, 5, 1, nullptr, 0, 0},
    // 118 Board-RC-4-FU-FV-RV
    {127, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind118Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 600, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 119 Board-RC-4-RR-110
    {128, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind119Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 600, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 120 Board-RC-4-RR-190
    {129, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind120Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 600, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 121 Panel RC-8-RR-110-1-8
    {130, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind121Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 640, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 122 Panel RC-8-RR-110-9-16
    {130, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind122Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 640, 9, 1, 0, -1, 1, nullptr, 0, 0},
    // 123 Panel NMSH RC
    {131, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind123Places, 8, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 640, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 124 Board-RC-2-AVM
    {132, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind124Places, 2, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 600, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 125 Panel DSSH in 2NSH
    {134, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind125Places, 2, nullptr, 0, 3, 1, 2, 0, 0, nullptr, -1,
     295, 320, 1, 8, 1, -1, 1, nullptr, 0, 0},
    // 126 Panel DSSH in 3NSH
    {135, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind126Places, 3, nullptr, 0, 3, 1, 2, 0, 0, nullptr, -1,
     295, 480, 1, 8, 1, -1, 1, nullptr, 0, 0},
    // 127 Panel PT-PRT-SOBS in 2NSH
    {137, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind127Places, 2, nullptr, 0, 3, 1, 2, 0, 0, nullptr, -1,
     295, 320, 1, 8, 1, -1, 1, nullptr, 0, 0},
    // 128 Panel PT-PRT-SOBS in 3NSH
    {138, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind128Places, 3, nullptr, 0, 3, 1, 2, 0, 0, nullptr, -1,
     295, 480, 1, 8, 1, -1, 1, nullptr, 0, 0},
    // 129 Panel PTM-ST-ROBS in 2NMSH
    {139, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind129Places, 2, nullptr, 0, 3, 1, 2, 0, 0, nullptr, -1,
     295, 320, 1, 8, 1, -1, 1, nullptr, 0, 0},
    // 130 console control row
    {140, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind130Places, 2, nullptr, 2, 0, 1, 0, 170, 0, nullptr, 5,
     3570, 480, 4, 1, 0, -1, 1, nullptr, 0, 1},
    // 131 Panel Console Control
    {141, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind131Places, 20, nullptr, 2, 0, 2, 2, 0, 0, nullptr, -1,
     1700, 480, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 132 Panel RC-11
    {143, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind132Places, 11, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 640, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 133 Panel RC-12
    {144, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind133Places, 12, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 640, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 134 basic frame body with module panels
    {0, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind134Places, 15, nullptr, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2400, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 135 module panels, DC clamps
    {145, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind135Places, 2, kind135Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 320, 17, 1, 0, -1, 1, nullptr, 0, 1},
    // 136 Panel LP Varnel
    {147, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind136Places, 5, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 137 Board LP Varnel
    {148, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind137Places, 2, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 138 power frame
    {146, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind138Places, 11, kind138Nested, 0, 2, 1, 0, 80, 0, nullptr, 5,
     2520, 1760, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 139 power frame
    {160, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind139Places, 11, kind139Nested, 0, 2, 1, 0, 80, 0, nullptr, 5,
     2520, 1760, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 140 power frame
    {161, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind140Places, 11, kind140Nested, 0, 2, 1, 0, 80, 0, nullptr, 5,
     2520, 1760, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 141 Panel Top1-13
    {163, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind141Places, 13, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, &field3Is1, 0, 0},
    // 142 Panel Top1-10
    {164, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind142Places, 10, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, &field3Is1, 0, 0},
    // 143 Panel Top1-15
    {165, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind143Places, 15, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, &field3Is1, 0, 0},
    // 144 module panels, DC clamps
    {145, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind144Places, 2, kind144Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 320, 17, 1, 0, -1, 1, nullptr, 0, 1},
    // 145 SRKMU frame body
    {0, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind145Places, 17, nullptr, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2720, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 146 SRKMU frame body, eighteen rows
    {2, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind146Places, 18, nullptr, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2880, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 147 SK-ECI frame body
    {6, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind147Places, 17, kind147Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2720, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 148 SK-ECI frame body, eighteen rows
    {2, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind148Places, 18, kind148Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2880, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 149 SRBKMU frame body
    {4, nullptr, -1, 0, 1, 80, 1, 0, 80, nullptr, -1, 0,
     kind149Places, 136, nullptr, 3, 0, 17, 2, 0, 0, nullptr, -1,
     2520, 2720, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 150 SRBKMU frame body, eighteen rows
    {5, nullptr, -1, 0, 1, 80, 1, 0, 80, nullptr, -1, 0,
     kind150Places, 144, nullptr, 3, 0, 18, 2, 0, 0, nullptr, -1,
     2520, 2880, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 151 frame body with module panels
    {0, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind151Places, 15, nullptr, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2400, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 152 frame body with module panels, sixteen rows
    {2, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind152Places, 16, nullptr, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2560, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 153 side column of four
    {162, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind153Places, 1, kind153Nested, 2, 0, 1, 2, 0, 0, nullptr, -1,
     50, 3040, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 154 Panel Side 4
    {176, nullptr, -1, 0, 2, 160, 1, 0, 0, nullptr, -1, 0,
     kind154Places, 4, nullptr, 0, 2, 1, 2, 0, 0, nullptr, -1,
     50, 3040, 1, 1, 0, 9, 1, &field3Is1, 0, 0},
    // 155 frame body with module panels, sixteen rows
    {2, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind155Places, 16, nullptr, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2560, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 156 SRKMU frame body with module panels
    {2, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind156Places, 16, nullptr, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2560, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 157 frame body of module panels
    {166, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind157Places, 18, kind157Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2880, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 158 SRKMU frame body with module panels
    {0, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind158Places, 15, nullptr, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2400, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 159 module panels, DC clamps
    {145, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind159Places, 2, kind159Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 320, 17, 1, 0, -1, 1, nullptr, 0, 1},
    // 160 power frame
    {161, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind160Places, 11, kind160Nested, 0, 2, 1, 0, 80, 0, nullptr, 5,
     2520, 1760, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 161 Panel Top1-14
    {183, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind161Places, 14, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, &field3Is1, 0, 0},
    // 162 power frame
    {167, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind162Places, 11, kind162Nested, 0, 2, 1, 0, 80, 0, nullptr, 5,
     2520, 1760, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 163 power frame
    {168, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind163Places, 11, kind163Nested, 0, 2, 1, 0, 80, 0, nullptr, 5,
     2520, 1760, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 164 power frame
    {169, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind164Places, 11, kind164Nested, 0, 2, 1, 0, 80, 0, nullptr, 5,
     2520, 1760, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 165 Panel Top1-9
    {187, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind165Places, 9, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, &field3Is1, 0, 0},
    // 166 Panel Top1-11
    {188, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind166Places, 11, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, &field3Is1, 0, 0},
    // 167 power frame
    {170, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind167Places, 11, kind167Nested, 0, 2, 1, 0, 80, 0, nullptr, 5,
     2520, 1760, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 168 Panel Top1-32
    {190, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind168Places, 32, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, &field3Is1, 0, 0},
    // 169 case, clamp rows
    {171, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind169Places, 16, kind169Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2560, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 170 case, block row
    {172, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind170Places, 1, kind170Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 160, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 171 Panel Top 6 HZHDA
    {201, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind171Places, 6, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, 5, 1, nullptr, 0, 0},
    // 172 Panel 16 HZHDA
    {202, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind172Places, 16, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 173 case, board row
    {173, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind173Places, 1, kind173Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 160, 2, 1, 0, -1, 1, nullptr, 0, 1},
    // 174 Panel 6-10-HZHDA
    {205, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind174Places, 6, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 175 Board-10-DEK
    {206, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind175Places, 10, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     295, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 176 Board-Clamp-Top-1-AVM
    {208, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind176Places, 4, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     590, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 177 power frame
    {174, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind177Places, 11, kind177Nested, 0, 2, 1, 0, 80, 0, nullptr, 5,
     2520, 1760, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 178 case, second clamp row
    {175, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind178Places, 1, kind178Nested, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 160, 17, 1, 0, -1, 1, nullptr, 0, 1},
    // 179 Panel Top 6 HZHDA_2
    {204, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind179Places, 6, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, 5, 1, nullptr, 0, 0},
    // 180 Panel REL row 1
    {11, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind180Places, 16, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 181 Panel REL Emb
    {209, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind181Places, 16, nullptr, 2, 0, 1, 2, 0, 0, nullptr, -1,
     2360, 160, 1, 1, 0, -1, 1, nullptr, 0, 0},
    // 182 Panel REL row 2
    {12, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind182Places, 2, nullptr, 2, 3, 1, 2, 0, 0, nullptr, -1,
     2360, 320, 1, 1, 1, -1, 1, nullptr, 1, 0},
    // 183 Panel REL row 3
    {13, nullptr, -1, 0, 1, 0, 1, 0, 0, nullptr, -1, 0,
     kind183Places, 3, nullptr, 2, 3, 1, 2, 0, 0, nullptr, -1,
     2360, 480, 1, 1, 1, -1, 1, nullptr, 1, 0},
    // 184 REL frame body
    {0, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind184Places, 17, nullptr, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2720, 1, 1, 0, -1, 1, nullptr, 0, 1},
    // 185 REL frame body, eighteen rows
    {2, nullptr, -1, 0, 1, 80, 1, 0, 0, nullptr, -1, 0,
     kind185Places, 18, nullptr, 0, 3, 1, 0, 80, 0, nullptr, 5,
     2520, 2880, 1, 1, 0, -1, 1, nullptr, 0, 1},
};

const PlaceTypeInfo *placeTypeInfo(int type)
{
    return type >= 0 && type < placeTypeCount ? &placeTypes[type] : nullptr;
}

const EquipmentModelInfo *equipmentModelInfo(int model)
{
    return model >= 0 && model < equipmentModelCount ? &equipmentModels[model] : nullptr;
}

const ContainerKindInfo *containerKindInfo(int kind)
{
    return kind >= 0 && kind < containerKindCount ? &containerKinds[kind] : nullptr;
}

QString equipmentModelName(int model)
{
    const EquipmentModelInfo *row = equipmentModelInfo(model);
    if (!row || !row->name)
        return QString();
    return QCoreApplication::translate("Place", row->name);
}

bool placeTypeAllowsModel(int type, int model)
{
    const PlaceTypeInfo *row = placeTypeInfo(type);
    if (!row)
        return false;
    for (int i = 0; i < row->modelCount; ++i) {
        if (row->models[i] == model)
            return true;
    }
    return false;
}

bool equipmentModelHasOffset(int model)
{
    const EquipmentModelInfo *row = equipmentModelInfo(model);
    return row && (row->x != 0 || row->y != 0);
}
