#ifndef RLAY_GRAPHICSFRAMEPANEL_H
#define RLAY_GRAPHICSFRAMEPANEL_H

// A panel of a frame layout: a container that the user puts into a place of
// a frame part, or that a frame part's kind builds in. Its panel type
// chooses the container kind and with it the panel's places, which take
// boards, further panels or devices. A panel of level 3 gets a wiring page
// of its own; a carrier of level 2 leaves the pages to the panels in its
// places. A panel whose type allows it may carry a power bus, kept on the
// project's scratch scheme and labelled by a project object.

#include "equipment/graphicsplacecontainer.h"

#include <QMetaObject>

class CheckLog;
class GraphicsPowerBus;
class Obj;

class GraphicsFramePanel : public GraphicsPlaceContainer
{
public:
    enum { Type = UserType + 102 };

    explicit GraphicsFramePanel(GraphicsScene *scene);
    // The wiring page (see releaseWiring) and the bus go first.
    ~GraphicsFramePanel() override;

    int type() const override { return Type; }
    // A row of the panel table; -1 until one is chosen.
    int containerType() const override { return m_panelType; }
    // A new type lets go of the wiring page and drops the bus, then builds
    // the places of its container kind; false (after the check box) for a
    // type outside the table, which is kept but gives no places.
    bool setContainerType(int type) override;
    void keepContainerType(int type) override;
    // The level of the type's row: 3, or 2 for a carrier.
    int level() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;

    // The container's record, then whether a bus is carried and its
    // object's identity. Files before format 10 hold no bus fields for a
    // nested panel.
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // The bus's pin records, then the container's geometry.
    void saveGeometry(DataStream &stream) override;
    void loadGeometry(DataStream &stream) override;
    // Into its place, then the bus of the saved object is made again.
    bool updatePlacePointer(const PlaceIndex &places) override;

    // Whether the panel gets a wiring page of its own (not a carrier).
    bool isWiredPanel() const;
    // The name of the bus's object, centred at the bottom of the rectangle.
    void drawBusName(QPainter *painter, const QRectF &rect);

    GraphicsPowerBus *powerBus() const { return m_powerBus; }
    // Makes the bus labelled by the object; only for a type that carries
    // one and a panel without one (a check box otherwise).
    bool createPowerBus(Obj *obj);

    // The wiring page built for the panel; the panel owns it.
    GraphicsScene *wiringPage() const { return m_wiringPage; }
    void setWiringPage(GraphicsScene *page);
    // Hands the wiring page to the caller, who owns it from then on.
    GraphicsScene *takeWiringPage();
    // Lets go of the wiring page, whose drawings the layout keeps for the
    // next save (see FrameLayout::keepLeftPage): for this panel when it
    // stays with another type, for none when it goes. Drops the bus.
    void releaseWiring(bool staying);
    // The frame's wiring generation asks a panel under a part that carries
    // the flag for its page: a panel of level 3 builds its own, a carrier
    // passes the request to the panels in its places. Failed checks go to
    // the log.
    void buildWiring(CheckLog &log);
    // The panel's own wiring page with its container, varistor or lamp
    // rows and bus; nothing when it has one already.
    void buildWiringPage(CheckLog &log);

private:
    void deleteWiringPage();
    void deletePowerBus();
    // The frame's blocks of the last save name the bus and its pins.
    void forgetFrameRecord();

    int m_panelType = -1;
    GraphicsScene *m_wiringPage = nullptr;
    GraphicsPowerBus *m_powerBus = nullptr;
    // Drops the bus when its object leaves the project.
    QMetaObject::Connection m_busWatch;
    // While loading: the saved identity of the bus's object.
    qint32 m_pendingBus = 0;
};

// The frame layout's factory of panels.
GraphicsItem *createGraphicsFramePanel(GraphicsScene *scene);

#endif
