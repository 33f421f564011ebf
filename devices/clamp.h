#ifndef RLAY_CLAMP_H
#define RLAY_CLAMP_H

// A clamp panel: the terminal strip through which a frame's wires leave it.
// Its name is its address text, so one panel stands for one mounting place;
// its model (the device's catalogue index) says where it is mounted and its
// strip type which clamps it has. Each clamp used on a scheme is a clamp
// item bound to the panel; the bottom panel of a cross frame is drawn by a
// bottom item, which owns it.

#include "model/device.h"

class GraphicsBottom;
class GraphicsClamp;

class ClampPanel : public Device
{
public:
    explicit ClampPanel(Project *project);
    // Leaves its bottom first.
    ~ClampPanel() override;

    // Only clamp items, each clamp name of the strip once.
    bool canAppend(ObjItem *item) override;
    // A row of the model table: the setter refuses any other index.
    bool hasModel(int index) const override;
    // The strip type as one byte after the device fields; 255 is none. A
    // model or strip type outside the tables is a damaged record.
    void writeData(DataStream &stream) override;
    void readData(DataStream &stream) override;
    // The name from the model's place text on (the frame is dropped).
    QString baseName() const override;
    // Its pictures in a place of a frame and on the wiring layouts.
    GraphicsPlaceItemDevice *createPlaceItem(GraphicsScene *scene, GraphicsItem *parent = nullptr) override;
    GraphicsWiringItemDevice *createWiringItem(GraphicsScene *scene, GraphicsItem *parent = nullptr) override;
    // The strip type's name: what the tables show as the panel's type.
    QString modelName() const override;
    int placeType() const override;
    int addressSuffix() const override;

    // -1 while none is chosen.
    int stripType() const { return m_stripType; }
    // Both indices must lie in their tables; false (after a failed check)
    // otherwise, and nothing changes.
    bool setModelAndStripType(int model, int stripType);
    // The number of clamps of the strip; 0 without a strip type.
    int clampCount() const;

    // The bottom item that owns the panel, or null. Set only by the bottom.
    GraphicsBottom *bottom() const { return m_bottom; }
    void setBottom(GraphicsBottom *bottom) { m_bottom = bottom; }

    // The place of a clamp name in the strip, compared as text; -1 after a
    // failed check when it is not there.
    int clampPosition(const char *clampName) const;
    // The bound clamp item of that clamp name; null when none.
    GraphicsClamp *clampItem(const char *clampName) const;
    GraphicsClamp *clampItemAt(int position) const;
    // The clamp paired with a bound clamp item: first with second, third
    // with fourth and so on by strip position; null when that clamp is not
    // used or the item's clamp is not on the strip.
    GraphicsClamp *pairedClamp(GraphicsClamp *item) const;
    // The strip position of a clamp name; -1 when not listed, without a
    // check (for painters and walks).
    int positionOf(const char *clampName) const;

private:
    bool hasStripType() const { return m_stripType >= 0 && m_stripType < 10; }

    int m_stripType = -1;
    GraphicsBottom *m_bottom = nullptr;
};

#endif
