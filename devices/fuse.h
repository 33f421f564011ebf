#ifndef RLAY_FUSE_H
#define RLAY_FUSE_H

// A fuse. Its catalogue index is a row of fuseTypes. On schemes it is shown
// by up to three items, one per role: the fuse itself (the primary item),
// the reservation duplicate standing for the primary item's second terminal,
// and, for the types with a fusion-control contact, that contact. The pins
// of every item are named from the position of the fuse's place.

#include "model/device.h"

class GraphicsFuse;

class Fuse : public Device
{
public:
    explicit Fuse(Project *project);
    ~Fuse() override;

    // At most three items, no two in the same role, and a fusion control
    // only for a type with the contact.
    bool canAppend(ObjItem *item) override;
    // Whether the fuse would take an item in the role (a duplicate in
    // reservation or fusion control), the leaving item (one it shows now)
    // not counted.
    bool acceptsRole(bool duplicate, bool reservation, const ObjItem *leaving = nullptr) const;
    // The catalogue index read is a row of the catalogue or -1 (none);
    // anything else is a damaged record.
    void readData(DataStream &stream) override;
    bool hasModel(int index) const override;

    // "FU-" and the nominal, e.g. "FU-0,3".
    QString modelName() const override;
    // The equipment model "FU".
    int placeType() const override;
    // The document of the primary item; empty without one.
    QString sceneName() const override;
    // 14 plus the position of the address; 14 without an address.
    int positionCode() const override;
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
    // The fuse body on a line, with the model name below.
    void paintPicture(QPainter *painter) override;
    // The base name on the left and the nominal on the right.
    void paintCaption(QPainter *painter, const QRectF &rect) override;
    // Four with the fusion-control contact, else two.
    int pinCount() const override;

    // The type's nominal; empty without a type.
    QString nominal() const;
    // Whether the type has the fusion-control contact; false without one.
    bool hasContact() const;
    // The first bound item that is not a duplicate.
    GraphicsFuse *primaryItem() const;

private:
    // The catalogue index when it is a row; -1 otherwise (a failed check
    // for anything but -1).
    int checkedType() const;
};

#endif
