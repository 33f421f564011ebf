#ifndef RLAY_GRAPHICSPOWERBUS_H
#define RLAY_GRAPHICSPOWERBUS_H

// The 31-terminal supply bus of a panel of the equipment layout: terminals
// "1" to "30" tapped off a common bar, and terminal "I" at the bar's end
// with a second lead. It is not drawn on schemes: the panel that owns it
// keeps it on the project's scratch scheme, the wire links of the wiring
// pages end at its terminals, and each terminal is labelled with the pins
// wired to it. For the walks it is an end that collects nothing.
//
// The bus has no record of its own and no property dialog: the panel saves
// the labelling object and makes the bus again after loading.

#include "graphics/graphicspins.h"
#include "model/address.h"

#include <QCoreApplication>

class Obj;
class Project;
class WiringPin;

class GraphicsPowerBus : public GraphicsPins
{
    Q_DECLARE_TR_FUNCTIONS(GraphicsPowerBus)

public:
    enum { Type = QGraphicsItem::UserType + 500 };
    enum { TerminalCount = 31, LeadTerminal = 30 };

    // The panel's frame and place (address bytes 0 to 3) and flag bytes,
    // with the suffix kind "SH"; neither the panel nor the object is
    // owned.
    GraphicsPowerBus(GraphicsScene *scene, GraphicsItem *panel, const Address &panelAddress, Obj *obj);

    int type() const override { return Type; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The bus's own address: the wiring documents name its terminals
    // through it.
    Address *address() override { return &m_address; }
    // Wiring pins with two link slots each.
    void createPins(int count) override;
    WiringPin *wiringPin(int index);

    // The bus ends every walk and collects nothing.
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override;
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    void updateNetLinks(Pin *entry, QList<Pin *> &pins) override;

    GraphicsItem *panel() const { return m_panel; }
    Obj *obj() const { return m_obj; }

    // The caption beside the bar: the place number, the suffix name and,
    // on a second line, the object's name.
    QString caption() const;
    // The label of a terminal's link slot n (0 or 1): the linked pin as
    // seen from the bus, with terminal "I" followed by the mark of its wire
    // section; empty when the slot is empty.
    QString terminalLabel(int terminal, int n);

private:
    GraphicsItem *m_panel;
    Obj *m_obj;
    Address m_address;
};

// Where the frame panel of the equipment layout makes its bus: on the
// project's scratch scheme, for the panel at that address, labelled by the
// object. The panel checks that its type carries a bus and that it has
// none yet; a project without a scratch scheme is a failed check (null).
GraphicsPowerBus *createPanelPowerBus(Project *project, GraphicsItem *panel, const Address &panelAddress, Obj *obj);

#endif
