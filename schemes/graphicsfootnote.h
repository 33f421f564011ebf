#ifndef RLAY_GRAPHICSFOOTNOTE_H
#define RLAY_GRAPHICSFOOTNOTE_H

// The scene item of a footnote: a name over a line with one pin at the
// line's start. The name is split at its first "_": the part before it is
// always drawn above the line, the part after it is help, drawn in green
// below the line while help is shown. A bound item passes the walks on to
// every other item of its footnote; an unbound one passes nothing on.

#include "graphics/graphicstag.h"

class Footnote;

class GraphicsFootnote : public GraphicsTag
{
public:
    enum { Type = QGraphicsItem::UserType + 203 };

    explicit GraphicsFootnote(GraphicsScene *scene);

    int type() const override { return Type; }
    int objType() const override { return FootnoteKind; }
    QRectF boundingRect() const override;
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    // Plain pins.
    void createPins(int count) override;

    // Through the footnote's other items; nothing while unbound.
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override;
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;

    // The label width from the two name parts.
    void updateFromObj() override;
    // A renamed footnote renames its items: their labels follow.
    void setOwnName(const QString &name) override;

    Footnote *footnote() const;
    // The own name before its first "_" (all of it without one), and the
    // text after it (empty without one).
    QString topPart() const;
    QString bottomPart() const;
};

GraphicsItem *createGraphicsFootnote(GraphicsScene *scene);

#endif
