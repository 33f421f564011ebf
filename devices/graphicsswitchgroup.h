#ifndef RLAY_GRAPHICSSWITCHGROUP_H
#define RLAY_GRAPHICSSWITCHGROUP_H

// The scene item of one contact group of a button or a commutator: the group
// drawn in one of the three forms ("ft", "f" or "t"), under current or not,
// with the item's name centred above the symbol. Each kind draws its own
// symbol; they differ in where the contacts' pins stand and how high the
// name row is.

#include "devices/graphicsgroupeddevice.h"

#include <QPointF>
#include <QRectF>

class GraphicsSwitchGroup : public GraphicsGroupedDevice
{
public:
    // The name row stands raise above y = -10; the front and back pins are
    // centred at the given points, the common one at (0, 0).
    GraphicsSwitchGroup(GraphicsScene *scene, const GroupCatalogue &catalogue, double raise, QPointF frontPin,
                        QPointF backPin);
    ~GraphicsSwitchGroup() override;

    QRectF boundingRect() const override;
    // The form's low byte, the under-current flag and the contact number,
    // then the bound-item record. A form read outside the three (other than
    // unset) is a damaged record.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // The extent around the symbol and the name.
    void updateFromObj() override;

    bool underCurrent() const { return m_underCurrent; }
    void setUnderCurrent(bool underCurrent) { m_underCurrent = underCurrent; }
    double extentWidth() const { return m_width; }
    double extentHeight() const { return m_height; }

protected:
    void placePins() override;
    // The room added on each side of the symbol, as the geometry update
    // finds it; none in the base.
    virtual double sideMargin() const;
    // The pins' names in the painter's font: the common pin's right-aligned
    // and the front pin's left-aligned below their anchors, the back pin's
    // left-aligned above its anchor, as far as the form has those pins.
    void drawPinNames(QPainter *painter, const QPointF &common, const QPointF &front, const QPointF &back);

private:
    double m_raise;
    QPointF m_frontPin;
    QPointF m_backPin;
    bool m_underCurrent = false;
    // Pin size plus symbol width; three rows of 40 and half a pin.
    double m_width = 174;
    double m_height = 127;
    double m_margin = 0;
    // Where the name is drawn, in item coordinates.
    QRectF m_titleRect;
};

#endif
