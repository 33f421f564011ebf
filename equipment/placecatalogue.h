#ifndef RLAY_PLACECATALOGUE_H
#define RLAY_PLACECATALOGUE_H

// The three catalogues that lay out a frame layout. A container kind (a
// frame part, a panel or a board) lists its place types and how its places
// are cut out of its rectangle; a place type gives a place's size and the
// equipment models it accepts; an equipment model is what a place item
// shows (a device kind's place type, a panel, a board), with its position
// when it is a frame part and its size. Files and the device catalogues keep
// row numbers of these tables, so no row may ever move. Sizes are in tenths
// of a millimetre. Names and captions are translated in the context "Place".

#include <QString>
#include <QtGlobal>

struct PlaceTypeInfo
{
    const int *models; // equipment-model rows the place accepts
    int modelCount;
    double width;
    double height;
    int rows;         // text rows of a device drawn in the place
    int rowDirection; // 1: horizontal bands, otherwise vertical columns
    // The place's address takes the address suffix of the item put into it.
    bool suffixFlag;
    int suffixKind; // -1 or an address suffix kind the place always takes
    quint8 hasField5;
    quint8 padWithZero;
};

struct EquipmentModelInfo
{
    const char *name; // null for a row without a name
    // The position of a frame part; for a place item the offset at which it
    // hangs from its place when either is not 0.
    double x;
    double y;
    double width;
    double height;
    // The item keeps this size in a place instead of taking the place's.
    bool ownSize;
};

// A container the builder puts into a place of a new container: item type id
// (panel or board) and its panel or board type; -1 for none.
struct NestedContainerInfo
{
    int itemType;
    int type;
};

// An address field the container's address always takes.
struct FixedFieldInfo
{
    int field;
    int value;
};

struct ContainerKindInfo
{
    int model;
    const char *caption1;
    int caption1Font;
    quint8 caption1Vertical;
    int margin1Side;
    double margin1Size;
    quint8 margin1Apply;
    int margin2Side;
    double margin2Size;
    const char *caption2;
    int caption2Font;
    quint8 caption2Vertical;
    const int *placeTypes; // -1 entries make no place but keep their number
    int placeCount;
    const NestedContainerInfo *nested; // null, or one entry per place type
    int lineSide;
    int placeSide;
    int lineCount;
    int indentSide;
    double indentSize; // the number band of each place
    int crossMode;     // 0 crosses the number band, 1 the place itself
    const char *numberNote;
    int numberFont; // -1: no number band drawn
    double width;
    double height;
    quint8 firstNumber;
    quint8 numberStep;
    // The places continue the number in the container's own address field.
    quint8 numberingContinues;
    int suffixKind; // -1 keeps the suffix kind handed down
    quint8 padWithZero;
    const FixedFieldInfo *fixedField;
    quint8 raised;  // lies above other panels; its places are fixed last
    quint8 outline; // the outline is drawn black, not as help
};

constexpr int placeTypeCount = 140;
constexpr int equipmentModelCount = 212;
constexpr int containerKindCount = 186;

extern const PlaceTypeInfo placeTypes[placeTypeCount];
extern const EquipmentModelInfo equipmentModels[equipmentModelCount];
extern const ContainerKindInfo containerKinds[containerKindCount];

// Row lookups that take the row as untrusted: null outside the table.
const PlaceTypeInfo *placeTypeInfo(int type);
const EquipmentModelInfo *equipmentModelInfo(int model);
const ContainerKindInfo *containerKindInfo(int kind);

// The translated name of an equipment model; empty for a row without a name
// or out of range.
QString equipmentModelName(int model);
// Whether the place type accepts the model.
bool placeTypeAllowsModel(int type, int model);
// Whether the model hangs from its place at an offset.
bool equipmentModelHasOffset(int model);

#endif
