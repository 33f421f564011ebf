#ifndef RLAY_TRANS_H
#define RLAY_TRANS_H

// A transformer. Its catalogue index is a row of transTypes. On schemes it
// is shown by any number of transformer items, each drawing some of the
// type's terminals; the items share the terminal names out between them,
// first come first served: a terminal name is carried by one item at most.

#include "model/device.h"

#include <QString>

class GraphicsTrans;
struct TransType;

class Trans : public Device
{
public:
    explicit Trans(Project *project);
    ~Trans() override;

    // The leaving item gives up its terminal names, which the items that
    // stay may then take.
    bool removeItem(ObjItem *item) override;
    // A row of the catalogue: the setter refuses any other index.
    bool hasModel(int index) const override;
    // The catalogue index read is a row of the catalogue or -1 (none);
    // anything else is a damaged record.
    void readData(DataStream &stream) override;

    // The type's translated name; empty without a type.
    QString modelName() const override;
    // The type's equipment model; -1 without a type.
    int placeType() const override;
    // The type's position code, wherever the device stands; -1 without a
    // type.
    int positionCode() const override;
    // The catalogue's own string of the type's terminal of that name, or
    // null.
    const char *pinIndex(const char *name) const override;
    // The type's terminal count; 0 without a type.
    int pinCount() const override;

    // The type's row; null without a type (a failed check for an index
    // outside the catalogue).
    const TransType *transType() const;
    // The catalogue's string of the first terminal of the type whose
    // translated name is the text; null when none.
    const char *catalogTerminalName(const QString &text) const;
    // Whether a bound item other than except carries the terminal.
    bool isTerminalTaken(const QString &text, const GraphicsTrans *except) const;
    // The first bound item that carries the terminal, or null.
    GraphicsTrans *itemWithTerminal(const QString &text) const;
    // Every bound item takes its terminal names afresh, in binding order.
    void updateItemsPinNames();
    // Sets another type; the items rename their pins and follow it.
    void changeModelIndex(int index);
};

#endif
