#ifndef RLAY_INTERRUPTER_H
#define RLAY_INTERRUPTER_H

// An interrupter (circuit breaker): a two-terminal protective switch of a
// catalogue type with a rated current chosen from the type's nominals. Each
// interrupter is shown by exactly one scene item, which owns it.

#include "devices/typeddevice.h"

class Interrupter : public TypedDevice
{
public:
    explicit Interrupter(Project *project);
    ~Interrupter() override;

    // The Device record, then the nominal's index. A type or nominal index
    // outside the catalogue is a damaged record.
    void writeData(DataStream &stream) override;
    void readData(DataStream &stream) override;
    // The equipment model "AVM".
    int placeType() const override;
    void paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *option,
                      Place *place, bool hideHelp) override;
    // The symbol with the model name below.
    void paintPicture(QPainter *painter) override;

    int nominalIndex() const { return m_nominalIndex; }
    // A nominal the type does not have is refused (false), as the reader
    // refuses it.
    bool setNominalIndex(int index);
    // The nominal followed by "A", e.g. "7,5A"; empty without a valid type
    // and nominal.
    QString nominalText() const;

private:
    // The catalogue index when it is a row; -1 otherwise (a failed check
    // for anything but -1).
    int checkedType() const;

    int m_nominalIndex = 0;
};

// The interrupter symbol in item coordinates: terminals at (0, 0) and
// (160, 0), the lever raised a little from the left terminal.
void drawInterrupterSymbol(QPainter *painter);

#endif
