#ifndef RLAY_BLOCK_H
#define RLAY_BLOCK_H

// A block: a plug-in unit of the installation (time, rectifier, coding
// blocks and the like) of one type of the block catalogue. One block may be
// drawn by several block items on several schemes, each showing the pins
// its sheet needs; a pin label that names a pin of the block's type becomes
// that pin, and each pin of the type is held by one item at a time.

#include "model/device.h"

#include <QString>

class GraphicsBlock;

class Block : public Device
{
public:
    explicit Block(Project *project);

    // The items left name their pins anew: a pin freed by the removed item
    // can now be claimed by another.
    bool removeItem(ObjItem *item) override;
    // The catalogue index read is a row of the catalogue or -1 (none);
    // anything else is a damaged record.
    void readData(DataStream &stream) override;
    bool hasModel(int index) const override;

    // The type's translated name; empty without a type.
    QString modelName() const override;
    // The type's mounting place and position code; -1 without a type.
    int placeType() const override;
    int positionCode() const override;
    // The base name and the type name, in the large font whatever the frame.
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option, Place *place,
                      bool hideHelp) override;
    // The base name over the type name.
    void paintCaption(QPainter *painter, const QRectF &rect) override;
    // The catalogue's own string of the type's pin named exactly so; null
    // when there is none.
    const char *pinIndex(const char *name) const override;
    // The number of pins of the type; 0 without a type.
    int pinCount() const override;

    // The type's class; -1 without a type.
    int blockClass() const;
    // The catalogue's own string of the type's pin whose translated name is
    // the label; null when none.
    const char *modelPinByLabel(const QString &label) const;
    // Whether a bound item other than the given one holds the type's pin of
    // that label.
    bool isPinUsedByOtherItem(const QString &label, const ObjItem *item) const;
    // The first bound item that holds the pin of that label, or null.
    GraphicsBlock *itemWithPin(const QString &label) const;
    // Every bound item names its pins anew, in binding order.
    void updateItemsPinNames();

private:
    // The catalogue index when it is a row; -1 for none, quietly, and -1
    // after a failed check for anything else.
    int checkedType() const;
};

#endif
