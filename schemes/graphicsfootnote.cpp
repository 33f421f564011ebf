#include "schemes/graphicsfootnote.h"

#include "graphics/font.h"
#include "model/check.h"
#include "schemes/footnote.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <algorithm>

namespace {

const double footnoteLineY = 40;
const QChar helpMark = QLatin1Char('_');

} // namespace

GraphicsFootnote::GraphicsFootnote(GraphicsScene *scene)
    : GraphicsTag(scene, BindShared, CanRotate | CanMirrorHorizontal)
{
    createPins(1);
    if (Pin *own = pin(0))
        own->moveCenter(QPointF(0, footnoteLineY));
    updateFromObj();
}

void GraphicsFootnote::createPins(int count)
{
    prepareGeometryChange();
    allocatePins<Pin>(count);
}

Footnote *GraphicsFootnote::footnote() const
{
    return dynamic_cast<Footnote *>(obj());
}

QString GraphicsFootnote::topPart() const
{
    const int at = ownName().indexOf(helpMark);
    return at < 0 ? ownName() : ownName().left(at);
}

QString GraphicsFootnote::bottomPart() const
{
    const int at = ownName().indexOf(helpMark);
    return at < 0 ? QString() : ownName().mid(at + 1);
}

void GraphicsFootnote::collectNetPins(Pin *entry, QList<Pin *> &pins)
{
    if (Footnote *bound = footnote())
        bound->collectClewPins(entry, pins);
}

void GraphicsFootnote::collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n)
{
    if (Footnote *bound = footnote())
        bound->collectClew(entry, pins, items, n);
}

void GraphicsFootnote::updateFromObj()
{
    double measured = 0;
    if (hasFontSet()) {
        measured = std::max(textAdvance(font(3), topPart()),
                            textAdvance(font(2), bottomPart()));
    }
    prepareGeometryChange();
    setTextWidth(40.0 * divideRoundUp(int(measured), 40));
    update();
}

void GraphicsFootnote::setOwnName(const QString &name)
{
    GraphicsTag::setOwnName(name);
    updateFromObj();
}

QRectF GraphicsFootnote::boundingRect() const
{
    return QRectF(-7, 13, 14 + textWidth(), 47).adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsFootnote::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const bool selected = option && (option->state & QStyle::State_Selected);
    const double width = textWidth();
    const QPen &pen = selected ? penBlue : (obj() ? penBlack : penRed);
    painter->setPen(pen);
    painter->drawLine(QPointF(0, footnoteLineY), QPointF(width, footnoteLineY));
    if (hasFontSet()) {
        painter->setFont(font(3));
        drawTextInRect(this, painter, QRectF(0, 2, width, 40), Qt::AlignRight | Qt::AlignVCenter, topPart(), false);
    }
    if (hideHelp)
        return;
    const QString help = bottomPart();
    if (!help.isEmpty() && hasFontSet()) {
        painter->setFont(font(2));
        painter->setPen(&pen == &penBlack ? penGreen : pen);
        drawTextInRect(this, painter, QRectF(0, 32, width, 40), Qt::AlignRight | Qt::AlignVCenter, help, false);
    }
    drawPins(painter, hideHelp);
    drawSelection(painter, option, nullptr);
}

GraphicsItem *createGraphicsFootnote(GraphicsScene *scene)
{
    return new GraphicsFootnote(scene);
}
