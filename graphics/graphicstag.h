#ifndef RLAY_GRAPHICSTAG_H
#define RLAY_GRAPHICSTAG_H

// The scene item of a tag (source, footnote, conductor). All items bound to
// one tag form one net: a walk or a connectivity question that reaches one
// of them goes on through all the others.

#include "graphics/graphicsobjitem.h"

class Tag;

class GraphicsTag : public GraphicsObjItem
{
public:
    GraphicsTag(GraphicsScene *scene, int bindMode, int itemFlags);

    Tag *tag() const;

    // The name the item gives its net on the documents: its tag's name,
    // else its own name. A source that numbers its name answers that.
    QString netName() const override;
    // The number of the frame the item ties its net to: only a numbered
    // source ties it; 0 for none.
    int tiedFrameNumber() const override;

    // Handed on through every item of the tag; nothing while unbound.
    void updateNetLinks(Pin *entry, QList<Pin *> &pins) override;
    // Through the tag's items; an unbound item answers true.
    bool isConnected(Pin *target, Pin *entry) override;
    // A free pin that the asking pin already reaches through the tag is
    // not offered.
    Pin *freePinAt(const QRectF &sceneRect, Pin *asking) override;
    // A tag item adds nothing to a collecting walk.
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
};

#endif
