#ifndef RLAY_GRAPHICSWIRINGPICTURE_H
#define RLAY_GRAPHICSWIRINGPICTURE_H

// A device's own picture on a wiring page (the heating, the measuring panel
// and the lamp), in place of the generic frame of a two-terminal device. It
// shows the device's scheme terminals with the wires that leave them. The
// device knows the item from its making on and tells it when it goes. A
// picture whose device is gone, or whose terminals cannot be told, draws
// what it can without a word: painting never asks the user anything.

#include "equipment/graphicswiringitemdevice.h"

class GraphicsDevice;

class GraphicsWiringPicture : public GraphicsWiringItemDevice
{
public:
    // Without an address of its own: the picture asks the device.
    GraphicsWiringPicture(GraphicsScene *scene, GraphicsItem *parent, Device *device);
    ~GraphicsWiringPicture() override;

    // The picture's frame joined with the room of its wire links.
    QRectF boundingRect() const override;

protected:
    // The frame of the picture, before the 3.5 margin every item keeps.
    virtual QRectF frame() const = 0;
    // The device's one scheme item; null without a device, or when the
    // device is shown by no item or by several.
    GraphicsDevice *soleItem() const;
    // The language of the project of the item's page.
    int language() const;
    // Joins the room that drawPinLinks takes for a pin with that many link
    // slots at the anchor to the picture's room.
    void addLinkRoom(const QPointF &anchor, bool left, bool up, int linkSlots, double rowStep, double stub);

private:
    QRectF m_room;
};

#endif
