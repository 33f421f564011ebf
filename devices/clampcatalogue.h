#ifndef RLAY_CLAMPCATALOGUE_H
#define RLAY_CLAMPCATALOGUE_H

// Catalogues of clamp panels: the panel models (where a panel is mounted),
// the clamp-strip types with their clamp names, the common list of clamp
// names and the clamp-panel types (the sets of panels a frame carries).
// Every lookup checks its index and answers an empty value for a bad one.

#include "model/address.h"

#include <QString>
#include <QtGlobal>

class QComboBox;

// A clamp panel mounted at one kind of place of one kind of frame.
struct ClampPanelModel
{
    int frameKind;         // row of the address frame-kind table
    int placeKind;         // row of the address place-kind table
    const int *stripTypes; // allowed clamp-strip types, in offer order
    int stripTypeCount;
    int placeType; // equipment-model row the panel's place must allow
    const char *note; // null or an extra word of the "Clamp" context
};

// The set of panel models that a frame of one clamp-panel type carries.
struct ClampPanelType
{
    int models[2];
    int count;
};

// One kind of clamp strip. Its clamps are named by entries of the common
// clamp-name list, in strip order.
struct ClampStripType
{
    const char *name; // in the context "Clamp"
    int maxWires;     // wires one clamp takes
    const quint8 *clampNames; // indices into clampNameList
    int clampCount;
};

constexpr int clampPanelModelCount = 24;
constexpr int clampStripTypeCount = 10;
constexpr int clampNameCount = 73;
// The model of the bottom panel of a cross frame (drawn by its bottom item).
constexpr int bottomClampPanelModel = 2;
// Indexed 1 to 26; entry 0 is empty.
constexpr int clampPanelTypeCount = 27;

extern const ClampPanelModel clampPanelModels[clampPanelModelCount];
extern const ClampPanelType clampPanelTypes[clampPanelTypeCount];
extern const ClampStripType clampStripTypes[clampStripTypeCount];
// "1" to "20", "01" to "09", "21" to "64": a clamp item stores its clamp
// name as a position in this list, so the order is part of the files.
extern const char *const clampNameList[clampNameCount];

// The strip type's name, translated; empty for an index outside the table.
QString clampStripTypeName(int stripType);
// The clamp name at a position of a strip; null outside the strip.
const char *clampStripClampName(int stripType, int position);
// The place text of a model (the place kind inside its frame kind).
QString clampPanelModelPlaceText(int model);

// The text that names a panel model in combo boxes: the frame kind's
// second prefix and the place text, then a blank and the note.
QString clampPanelModelText(int model);

// The catalogue's clamp name equal to the text, looked for through the
// model's strip types in their order; null when none matches.
const char *clampNameOf(int model, const QString &text);
// The first strip type of the model whose name equals the text; -1 when
// none does.
int clampStripTypeFromText(int model, const QString &text);
// The position of a catalogue name in clampNameList (compared as text); -1
// when it is not there.
int clampNameIndex(const char *name);
// The list entry; null for an index past the list.
const char *clampNameAt(quint8 index);
// The address a panel name stands for, with the model found by trying the
// models in table order (only those of the frame kind when one is given):
// the first whose frame and place kind parse the name wins.
Address parseClampPanelName(const QString &name, const int *frameKind, bool *ok, int *model);
// Whether a clamp-panel type (1 to 26) carries the model.
bool clampPanelTypeHasModel(int type, int model);
// The first model of a clamp-panel type; -1 for a bad or empty type.
int defaultClampPanelModel(int type);
// One item per clamp-panel type of the frame kind: the texts of its panel
// models joined by ", ", with the index in the kind's list as data.
void fillClampPanelModelCombo(int frameKind, QComboBox *combo);

#endif
