#ifndef RLAY_GRAPHICSTYPEDDEVICE_H
#define RLAY_GRAPHICSTYPEDDEVICE_H

// The scene item of a device that it owns alone and whose type comes from
// its kind's catalogue (the heating and the lamp). An item whose device was
// deleted from a dialog is drawn red with what needs no device. Its
// bounding rectangle holds its symbol and every text it paints, however
// long the names and whatever its turn and mirror.

#include "graphics/graphicsdevice.h"

class TypedDevice;

class GraphicsTypedDevice : public GraphicsDevice
{
public:
    GraphicsTypedDevice(GraphicsScene *scene, int itemFlags);
    ~GraphicsTypedDevice() override;

    // The symbol's frame joined with the room of the texts.
    QRectF boundingRect() const override;
    // The device read under the item's identity must be one of its kind
    // and the item's alone; anything else is damaged data and the fix-up
    // fails.
    bool resolveLinks() override;
    // Measures the texts again.
    void updateFromObj() override;
    // An item read without its device measures its own name.
    void loadData(DataStream &stream) override;

    // The bound device, null while unbound.
    TypedDevice *typedDevice() const;

protected:
    // The rectangle of the symbol and its fixed text rows, before the 3.5
    // margin every item keeps.
    virtual QRectF frame() const = 0;
    // A text of the picture: drawn with the symbol (only while the item
    // has its device), always, or as help.
    enum Layer { SymbolLayer, AlwaysLayer, HelpLayer };
    struct TextSlot
    {
        Layer layer;
        int font;
        QRectF rect;
        int alignment;
        QString text;
    };
    // Every text the picture may show, for the current name, type and
    // address, upright under turn and mirror.
    virtual QList<TextSlot> textSlots() = 0;
    // Draws the texts of the layer in the painter's pen; help texts go
    // green where the pen is black.
    void drawTexts(QPainter *painter, Layer layer);

private:
    QRectF m_textRoom;
};

#endif
