#ifndef RLAY_RELAYCATALOGUE_H
#define RLAY_RELAYCATALOGUE_H

// The relay catalogue: every relay type the system offers with its windings,
// the ways each winding may be connected and the contacts it carries, and the
// fourteen contact kinds. Project files keep only indices into these tables,
// so no row may ever move. Every lookup by an index takes it as untrusted
// (it may come from a file): an index out of range fails a check and gives a
// neutral result instead of reaching into the tables.

#include <QList>
#include <QString>
#include <QtGlobal>

// A contact kind, addressed by its code (the row index). The id and the label
// are translation keys of the context "Contact".
struct ContactKind
{
    const char *id;
    const char *label;
    qint32 pinCount; // pin names of a contact of this kind
};

enum { ContactKindCount = 14 };
// The fourteen kinds, then an all-zero row.
extern const ContactKind contactKinds[ContactKindCount + 1];

// One contact of a winding: its kind and exactly that kind's pinCount pin
// names; a null name is a pin without a name.
struct ContactSet
{
    qint32 kind;
    const char *const *names;
};

// One way of connecting a winding. The first 2, 4 or 3 names (by kind, see
// relayVariantPinCount) are the coil ends shown, in corner order: upper left,
// upper right, lower left, lower right. The names after them are jumpers:
// run j takes the next runs[j] names and is one jumper between those pins.
struct WindingVariant
{
    qint32 kind; // 0 to 4
    const char *const *names;
    qint32 nameCount;
    const qint32 *runs; // null without jumpers
    qint32 runCount;
};

// A winding may offer at most this many variants.
enum { MaxWindingVariants = 10 };

// One winding of a relay type.
struct RelayDescriptor
{
    qint32 pictureKind; // the coil picture
    const ContactSet *contacts;
    qint32 contactCount;
    const WindingVariant *variants;
    qint32 variantCount;
    const char *const *pins; // the winding's own pin names
    qint32 pinCount;
};

// One relay type. The name is a translation key of the context "Relay".
struct RelayType
{
    const char *name;
    const RelayDescriptor *windings;
    qint32 windingCount; // 1 or 2
    qint32 placeType;    // row of the equipment-model table
    qint32 positionCode; // the relay's Device::positionCode
};

enum { RelayTypeCount = 116 };
// The relay types in their fixed order, then an all-zero row.
extern const RelayType relayTypes[RelayTypeCount + 1];

// Checked lookups: null after a failed check when an index is out of range.
const RelayType *relayType(int type);
const RelayDescriptor *relayWinding(int type, int winding);
const WindingVariant *relayVariant(int type, int winding, int variant);
const ContactSet *relayContact(int type, int winding, int contact);
const ContactKind *contactKind(int code);

// The variant's kind (0 to 4); -1 after a failed check.
int relayVariantKind(int type, int winding, int variant);
// True when the variant's kind is 0; false after a failed check.
bool relayVariantIsPlain(int type, int winding, int variant);
// The number of coil ends shown: 4 for kinds 1 to 3, 3 for kind 4, 2
// otherwise; 0 after a failed check.
int relayVariantPinCount(int type, int winding, int variant);
// The jumper caption, e.g. "(2-4)", with line separators (U+2028) where a
// line measured in font 3 reaches maxWidth; empty without jumpers.
QString relayVariantCaption(int type, int winding, int variant, qreal maxWidth);
// The variant's distinct names in order of first appearance (the pins of a
// winding item), as the catalogue's own strings.
QList<const char *> relayVariantPins(int type, int winding, int variant);
// The contact's pin names joined by "-"; a nameless pin keeps its separator.
QString relayContactPinsText(int type, int winding, int contact);

// The id, the label (both translated) and the pin count of a contact kind;
// empty or 0 after a failed check.
QString contactKindId(int code);
QString contactKindLabel(int code);
int contactKindPinCount(int code);

// What a relay of the type answers as a device: its translated type name,
// its number of pins (winding pins and contact pins of every winding), and
// the catalogue's own string of the first pin named exactly so, searching
// each winding's pins and then its contacts' names in order (null when none).
QString relayModelName(int type);
int relayPinCount(int type);
const char *relayFindPin(int type, const QString &name);

#endif
