#include "devices/graphicsblock.h"

#include "devices/block.h"
#include "devices/blockcatalogue.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/displayflags.h"
#include "model/pin.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

namespace {

// Pin rows are 40 apart; the first lies under the three caption bands.
const double blockRowStep = 40;
const double blockFirstRow = 4;
// The body starts 40 right of the left pins; the pin leads are 80 long.
const double blockBodyLeft = 40;
const double blockLeadLength = 80;
const double blockLabelWidth = 160;
// The mounting place of the blocks whose pins a plain walk leaves out.
const int abePlaceType = 211;

double rowY(int row)
{
    return blockRowStep * (row + blockFirstRow);
}

} // namespace

GraphicsBlock::GraphicsBlock(GraphicsScene *scene)
    : GraphicsDevice(scene, BindShared, nullptr, CanRotate | CanMirrorHorizontal)
{
}

GraphicsBlock::~GraphicsBlock() = default;

Block *GraphicsBlock::block() const
{
    return dynamic_cast<Block *>(obj());
}

void GraphicsBlock::setBlockWidth(quint8 width)
{
    if (width == m_width)
        return;
    prepareGeometryChange();
    m_width = width;
    // The right column's labels move with the body's side.
    updateLabelExtent();
}

void GraphicsBlock::setPinRows(const QList<BlockPinRow> &rows)
{
    m_pinRows = rows;
    updateLabelExtent();
}

void GraphicsBlock::setRows(quint8 rows)
{
    if (rows == m_rows)
        return;
    prepareGeometryChange();
    m_rows = rows;
}

double GraphicsBlock::centreColumnX() const
{
    return ((m_width >> 3) + 1) * blockRowStep;
}

QRectF GraphicsBlock::boundingRect() const
{
    const double w = pinSize.width();
    const QRectF body(-w / 2, 0, w + 10.0 * m_width + blockLeadLength, blockRowStep * (m_rows + blockFirstRow));
    return body.united(m_labelExtent).adjusted(-3.5, -3.5, 3.5, 3.5);
}

QRectF GraphicsBlock::labelRect(const BlockPinRow &record, int *alignment) const
{
    const double y = rowY(record.row);
    *alignment = Qt::AlignRight | Qt::AlignVCenter;
    switch (record.side) {
    case BlockPinRow::Left:
        *alignment = Qt::AlignLeft | Qt::AlignVCenter;
        return QRectF(45, y - blockRowStep, blockLabelWidth, blockRowStep);
    case BlockPinRow::Centre:
        return QRectF(centreColumnX() - 175, y - blockRowStep, blockLabelWidth, blockRowStep);
    case BlockPinRow::Right:
        return QRectF(10.0 * m_width + blockBodyLeft - 165, y - blockRowStep, blockLabelWidth, blockRowStep);
    default:
        return QRectF();
    }
}

void GraphicsBlock::updateLabelExtent()
{
    QRectF extent;
    if (hasFontSet()) {
        for (const BlockPinRow &record : std::as_const(m_pinRows)) {
            int alignment = 0;
            const QRectF rect = labelRect(record, &alignment);
            // Mirrored, the text keeps the same room (drawTextInRect).
            if (!rect.isNull())
                extent |= textBoundingRect(font(3), rect, alignment, record.label);
        }
    }
    if (extent == m_labelExtent)
        return;
    prepareGeometryChange();
    m_labelExtent = extent;
}

void GraphicsBlock::layoutPins()
{
    createPins(int(m_pinRows.size()));
    if (pinCount() != m_pinRows.size())
        return;
    const double right = 10.0 * m_width + blockLeadLength;
    for (int i = 0; i < pinCount(); ++i) {
        const BlockPinRow &record = m_pinRows[i];
        double x = 0;
        if (record.side == BlockPinRow::Centre)
            x = centreColumnX();
        else if (record.side == BlockPinRow::Right)
            x = right;
        pin(i)->moveCenter(QPointF(x, rowY(record.row)));
    }
}

bool GraphicsBlock::hasPinLabel(const QString &label) const
{
    auto *self = const_cast<GraphicsBlock *>(this);
    for (int i = 0; i < pinCount(); ++i) {
        WiringPin *p = self->wiringPin(i);
        if (p && p->name() && blockPinText(p->name()) == label)
            return true;
    }
    return false;
}

void GraphicsBlock::updatePinNames()
{
    Block *bound = block();
    for (int i = 0; i < pinCount(); ++i) {
        WiringPin *p = wiringPin(i);
        if (!p)
            continue;
        if (!bound || i >= m_pinRows.size()) {
            p->setName(nullptr);
            continue;
        }
        const QString &label = m_pinRows[i].label;
        const char *name = bound->modelPinByLabel(label);
        if (name && bound->isPinUsedByOtherItem(label, this))
            name = nullptr;
        for (int j = 0; name && j < i; ++j) {
            WiringPin *earlier = wiringPin(j);
            if (earlier && earlier->name() && blockPinText(earlier->name()) == label)
                name = nullptr;
        }
        p->setName(name);
    }
    updateInViews();
}

void GraphicsBlock::collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n)
{
    if (n == 0) {
        const Block *bound = block();
        const BlockType *row = bound ? blockTypeAt(bound->modelIndex()) : nullptr;
        if (row && row->placeType == abePlaceType)
            return;
    }
    GraphicsDevice::collectNet(entry, pins, items, n);
}

void GraphicsBlock::saveData(DataStream &stream)
{
    stream << m_width << m_rows << qint32(m_pinRows.size());
    for (const BlockPinRow &record : std::as_const(m_pinRows))
        stream << record.label << quint8(record.side) << record.row;
    GraphicsDevice::saveData(stream);
}

void GraphicsBlock::loadData(DataStream &stream)
{
    quint8 width = 0;
    quint8 rows = 0;
    qint32 count = 0;
    stream >> width >> rows >> count;
    if (stream.status() != QDataStream::Ok)
        return;
    if (count < 0 || count > MaxRows * SideCount) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    QList<BlockPinRow> records;
    records.reserve(count);
    for (int i = 0; i < count; ++i) {
        BlockPinRow record;
        quint8 side = 0;
        stream >> record.label >> side >> record.row;
        if (stream.status() != QDataStream::Ok)
            return;
        if (side >= SideCount || record.row >= MaxRows || record.row >= rows) {
            stream.setStatus(QDataStream::ReadCorruptData);
            return;
        }
        record.side = side;
        records.append(record);
    }
    prepareGeometryChange();
    m_width = width;
    m_rows = rows;
    m_pinRows = records;
    updateLabelExtent();
    layoutPins();
    GraphicsDevice::loadData(stream);
}

void GraphicsBlock::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const bool selected = option && (option->state & QStyle::State_Selected);
    const QPen framePen = selected ? penBlue : penBlack;
    const bool withText = hasFontSet();
    const double W = 10.0 * m_width;
    const double H = blockRowStep * (m_rows + blockFirstRow);

    painter->setPen(framePen);
    if (withText)
        painter->setFont(font(3));

    // The body and its three caption bands.
    for (double y : {0.0, blockRowStep, 2 * blockRowStep, 3 * blockRowStep, H})
        painter->drawLine(QLineF(blockBodyLeft, y, blockBodyLeft + W, y));
    painter->drawLine(QLineF(blockBodyLeft, 0, blockBodyLeft, H));
    painter->drawLine(QLineF(blockBodyLeft + W, 0, blockBodyLeft + W, H));

    Block *bound = block();
    if (bound && withText) {
        drawTextInRect(this, painter, QRectF(blockBodyLeft, 2 * blockRowStep, W, blockRowStep), Qt::AlignCenter,
                       blockTypeName(bound->modelIndex()), false);
        if (bound->showAddress())
            drawTextInRect(this, painter, QRectF(blockBodyLeft, 0, W, blockRowStep), Qt::AlignCenter, addressText(), false);
    }
    const QString caption = bound ? bound->baseName() : ownName();

    // The pins with their labels; a pin that names no pin of the type is red.
    const double c = centreColumnX();
    double top = 0;
    double bottom = 0;
    for (int i = 0; i < m_pinRows.size(); ++i) {
        const BlockPinRow &record = m_pinRows[i];
        const double y = rowY(record.row);
        if (!selected) {
            WiringPin *p = wiringPin(i);
            painter->setPen(p && p->name() ? penBlack : penRed);
        }
        switch (record.side) {
        case BlockPinRow::Left:
            painter->drawLine(QLineF(0, y, blockLeadLength, y));
            break;
        case BlockPinRow::Centre:
            painter->drawLine(QLineF(c - blockRowStep, y, c, y));
            if (top == 0)
                top = y - 20;
            bottom = y + 20;
            break;
        case BlockPinRow::Right:
            painter->drawLine(QLineF(W, y, W + blockLeadLength, y));
            break;
        default:
            continue;
        }
        int alignment = 0;
        const QRectF rect = labelRect(record, &alignment);
        if (withText)
            drawTextInRect(this, painter, rect, alignment, record.label, false);
    }
    painter->setPen(framePen);
    if (top != 0)
        painter->drawLine(QLineF(c - 10, top, c - 10, bottom));

    if (withText) {
        painter->setFont(font(showBigDeviceNames ? 4 : 3));
        drawTextInRect(this, painter, QRectF(blockBodyLeft, blockRowStep, W, blockRowStep), Qt::AlignCenter, caption, false);
    }

    if (hideHelp)
        return;
    painter->setPen(penGreen);
    if (withText) {
        painter->setFont(font(2));
        for (int n = 1; n <= m_rows; ++n) {
            const double y = blockRowStep * (n + 2);
            const QString number = QString::number(n);
            drawTextInRect(this, painter, QRectF(0, y, 30, blockRowStep), Qt::AlignRight | Qt::AlignBottom, number, false);
            drawTextInRect(this, painter, QRectF(W + 50, y, 30, blockRowStep), Qt::AlignLeft | Qt::AlignBottom, number,
                           false);
        }
    }
    drawPins(painter, hideHelp);
    drawSelection(painter, option, nullptr);
}

GraphicsItem *createGraphicsBlock(GraphicsScene *scene)
{
    return new GraphicsBlock(scene);
}
