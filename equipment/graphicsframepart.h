#ifndef RLAY_GRAPHICSFRAMEPART_H
#define RLAY_GRAPHICSFRAMEPART_H

// One part of a frame layout as its frame type prescribes it: the frame
// body, a strip of top panels, a clamp column. Its part kind gives its
// container kind and the clamp-panel type of the panels mounted on it. It
// stands fixed on the sheet: neither movable nor selectable.

#include "equipment/graphicsplacecontainer.h"

class CheckLog;
class WiringLayout;

class GraphicsFramePart : public GraphicsPlaceContainer
{
public:
    enum { Type = UserType + 104 };

    GraphicsFramePart(GraphicsScene *scene, int partKind);
    // The part's wiring pages go with it.
    ~GraphicsFramePart() override;

    int type() const override { return Type; }
    int partKind() const { return m_partKind; }
    int level() const override { return 2; }
    // A part has no panel or board type: asking is a fault.
    int containerType() const override;
    bool setContainerType(int type) override;
    // The number centred in its band.
    void drawPlaceText(QPainter *painter, const QRectF &rect, int flags, Place *place, const char *note) override;

    // The clamp-panel type of the part kind; 0 for none.
    int clampPanelType() const;
    // The clamp-panel model of the part: the first of its type, or the
    // frame's own choice when this is the frame's clamp part; -1 without a
    // type.
    int clampPanelModel() const;
    bool hasClampPanelModel(int model) const;
    bool hasNoClampPanelType() const { return clampPanelType() == 0; }

    // Builds the wiring pages of a part read from a file as a top-level
    // part: its panels' own pages, or pages of its clamp panels and devices
    // in bands. Always true; a broken element is skipped and logged.
    bool createPartWiringLayouts(CheckLog &log);
    // Deletes the part's pages; its panels let go of theirs.
    void clearWiringLayouts(CheckLog &log);
    // The part's pages, in the order they were made.
    QList<WiringLayout *> &wiringPages() { return m_wiringPages; }

protected:
    // A part is placed by code: its position is never snapped.
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    int m_partKind;
    QList<WiringLayout *> m_wiringPages;
};

#endif
