#ifndef RLAY_GRAPHICSCLAMP_H
#define RLAY_GRAPHICSCLAMP_H

// One clamp of a clamp panel on a scheme: a dot with its label, bound to the
// panel whose name is the item's name (the panel's address text). The clamp
// name is kept as a position in the common clamp-name list and names pin 0.
// Its four pins lie at the dot and are one conductor; wires of the wiring
// documents are counted on pin 0.
//
// A clamp stands free on the sheet, in the table of a passage (it then
// moves with the table and walks through it reach the passage), or as a row
// of a bottom item, which is its parent.

#include "graphics/graphicsdevice.h"

class ClampPanel;
class GraphicsPassage;

class GraphicsClamp : public GraphicsDevice
{
public:
    enum { Type = QGraphicsItem::UserType + 402 };

    explicit GraphicsClamp(GraphicsScene *scene, GraphicsItem *parent = nullptr);
    // Leaves its passage.
    ~GraphicsClamp() override;

    QRectF boundingRect() const override;
    int type() const override { return Type; }
    int objType() const override { return ClampPanelKind; }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // The bound-item record, then the clamp index, the passage's identity
    // (0 for none) and the two view flags (the second from format 2 on).
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // The panel's fields travel along but are not used: a pasted clamp
    // binds only to a panel of its name that has the clamp free, else it
    // stays unbound.
    void loadClipboardData(DataStream &stream) override;
    // Then an unbound clamp's pin names and label width as well.
    void loadGeometry(DataStream &stream) override;
    // The panel, then the passage read under its identity.
    bool resolveLinks() override;
    // All four pins are one point of the net.
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    // A free pin, unless the asking pin is already joined to this clamp.
    Pin *freePinAt(const QRectF &sceneRect, Pin *asking) override;
    bool isConnected(Pin *target, Pin *entry) override;
    PinOwner *linkedItem() override;
    // A bottom's row changes sides with the mirror.
    void mirror(bool withHalfTurn) override;
    void updatePinNames() override;
    // Clamps bind to the panel of their address and invent no names.
    Obj *makeUniqueName() override;
    // Binds to the panel of the name when it has a strip type and takes
    // the clamp; pin 0 then takes as many wires as a clamp of the strip.
    bool bindByName() override;
    void updateFromObj() override;

    ClampPanel *clampPanel() const;
    quint8 clampIndex() const { return m_clampIndex; }
    // The clamp name of the index, or null for an index past the list.
    const char *clampName() const;
    // Sets the clamp and the panel's name. A panel's only clamp renamed to
    // a free address renames the panel; any other bound clamp whose clamp
    // or name changes is bound anew, so that a panel never shows a clamp
    // twice.
    void setClamp(quint8 index, const QString &panelName);
    // "panel-clamp", as find and replace and the passage dialog give it:
    // the panel part in its normal form, clamp "1" when the clamp part
    // names nothing.
    void setClampName(const QString &text);
    // With full: panel name, separator, clamp name. Without: the panel
    // name from its frame-kind prefix on, with the clamp name.
    QString clampText(bool full) const;

    GraphicsPassage *passage() const { return m_passage; }
    // A clamp of a passage is shown selected with its passage.
    GraphicsItem *standsIn() const override;
    // Called by the passage as it takes or releases the clamp.
    void setPassage(GraphicsPassage *passage);
    bool symmetryView() const { return m_symmetryView; }
    void setSymmetryView(bool on);
    bool showExternalPart() const { return m_showExternalPart; }
    void setShowExternalPart(bool on);

    // Read from the clipboard: a passage that was not pasted along is
    // none (a pasted clamp of a bottom).
    void markPasted() { m_passageOptional = true; }

    // False for the side and bottom panels of the frames.
    bool isOutsideSideAndBottomPanels() const;
    // Whether the clamp's row of a bottom is drawn to the right of it.
    bool rowToTheRight() const;

protected:
    // A clamp of a bottom opens the bottom's dialog.
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;

private:
    // The model the panel takes when it follows its clamp to a new name,
    // or -1 when it stays: it follows when the clamp is its only one, no
    // panel has the name, and the name's model, not the bottom's, takes the
    // panel's strip with the clamp on it.
    int renamedPanelModel(quint8 index, const QString &panelName) const;
    void drawFree(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp);
    void drawBottomRow(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp);
    void setWireCapacity();

    quint8 m_clampIndex = 0;
    GraphicsPassage *m_passage = nullptr;
    qint32 m_pendingPassage = 0;
    bool m_symmetryView = true;
    bool m_showExternalPart = true;
    // Read from the clipboard: binds by name, not by identity.
    bool m_pasted = false;
    bool m_passageOptional = false;
};

// The item as a clamp, or null.
GraphicsClamp *graphicsClampCast(GraphicsItem *item);
// The clamp paired with a clamp on its panel (for the conductors' walk).
GraphicsPins *pairedClampOf(GraphicsPins *clamp);

GraphicsItem *createGraphicsClamp(GraphicsScene *scene);

#endif
