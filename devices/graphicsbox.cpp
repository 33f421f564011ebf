#include "devices/graphicsbox.h"

#include "devices/boxx.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/pin.h"
#include "schemes/scheme.h"
#include "schemes/schemepassage.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

#include <algorithm>

namespace {

const double boxRowStep = 40;
const double boxBodyLeft = 40;
const double boxLeadLength = 80;
const double boxLabelWidth = 400;
const int clampItemType = QGraphicsItem::UserType + 402;
// A clamp takes at most this many cores of one pin.
const int coresPerClamp = 5;

// The place of the clamp in the list of the passage that holds it; -1 when
// the item is no clamp or no passage holds it.
int clampPosition(PinOwner *owner)
{
    GraphicsItem *clamp = owner ? owner->graphicsItem() : nullptr;
    if (!clamp || clamp->type() != clampItemType)
        return -1;
    PinOwner *holder = owner->linkedItem();
    auto *item = holder ? dynamic_cast<GraphicsItem *>(holder->graphicsItem()) : nullptr;
    SchemePassage *passage = schemePassageCast(item);
    if (!passage)
        return -1;
    for (int k = 0; k < passage->clampCount(); ++k) {
        if (passage->clampItem(k) == clamp)
            return k;
    }
    return -1;
}

// A pin's count of cores as its row shows it.
QString coresText(int cores)
{
    return QStringLiteral("(%1%2)").arg(cores).arg(GraphicsBox::coreSuffix());
}

} // namespace

GraphicsBox::GraphicsBox(GraphicsScene *scene)
    : GraphicsDevice(scene, BindShared, nullptr, CanRotate | CanMirrorHorizontal)
{
}

GraphicsBox::~GraphicsBox() = default;

Boxx *GraphicsBox::box() const
{
    return dynamic_cast<Boxx *>(obj());
}

QString GraphicsBox::coreSuffix()
{
    return tr("j");
}

void GraphicsBox::setBoxWidth(quint8 width)
{
    if (width == m_width)
        return;
    prepareGeometryChange();
    m_width = width;
    // The right side's labels move with the body's side.
    updateLabelExtent();
}

void GraphicsBox::setPinRows(const QList<BoxPinRow> &rows)
{
    m_pinRows = rows;
    updateLabelExtent();
}

void GraphicsBox::setRows(quint8 rows)
{
    if (rows == m_rows)
        return;
    prepareGeometryChange();
    m_rows = rows;
}

QRectF GraphicsBox::boundingRect() const
{
    const double w = pinSize.width();
    const QRectF body(-w, -boxRowStep, 10.0 * m_width + boxLeadLength + 2 * w, boxRowStep * (m_rows + 2));
    return body.united(m_labelExtent).adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsBox::labelRects(const BoxPinRow &record, QRectF *label, QRectF *cores, int *labelAlignment,
                             int *coresAlignment) const
{
    const double W = 10.0 * m_width;
    const double y = boxRowStep * (record.row + 1);
    // The count of cores stands under the pin's lead, outside the body.
    if (record.left) {
        *label = QRectF(45, y - boxRowStep, boxLabelWidth, boxRowStep);
        *cores = QRectF(-42, y, 80, boxRowStep);
        *labelAlignment = Qt::AlignLeft | Qt::AlignVCenter;
        *coresAlignment = Qt::AlignRight | Qt::AlignVCenter;
    } else {
        *label = QRectF(W - 365, y - boxRowStep, boxLabelWidth, boxRowStep);
        *cores = QRectF(W + 42, y, 80, boxRowStep);
        *labelAlignment = Qt::AlignRight | Qt::AlignVCenter;
        *coresAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    }
}

void GraphicsBox::updateLabelExtent()
{
    QRectF extent;
    if (hasFontSet()) {
        for (const BoxPinRow &record : std::as_const(m_pinRows)) {
            QRectF label;
            QRectF cores;
            int labelAlignment = 0;
            int coresAlignment = 0;
            labelRects(record, &label, &cores, &labelAlignment, &coresAlignment);
            // Mirrored, a text keeps the same room (drawTextInRect).
            extent |= textBoundingRect(font(3), label, labelAlignment, record.label);
            if (record.cores > 1)
                extent |= textBoundingRect(font(3), cores, coresAlignment, coresText(record.cores));
        }
    }
    if (extent == m_labelExtent)
        return;
    prepareGeometryChange();
    m_labelExtent = extent;
}

void GraphicsBox::layoutPins()
{
    createPins(int(m_pinRows.size()));
    if (pinCount() != m_pinRows.size())
        return;
    const double right = 10.0 * m_width + boxLeadLength;
    for (int i = 0; i < pinCount(); ++i) {
        const BoxPinRow &record = m_pinRows[i];
        pin(i)->moveCenter(QPointF(record.left ? 0 : right, boxRowStep * (record.row + 1)));
    }
}

void GraphicsBox::collectNet(Pin *entry, QList<Pin *> &, QList<GraphicsUnite *> *, int)
{
    CHECK(ownsPin(entry));
}

QString GraphicsBox::pinName(Pin *p, Pin *other)
{
    // Looked up without the checked index: wiring pages draw this text.
    int index = -1;
    for (int i = 0; i < pinCount() && index < 0; ++i) {
        if (pin(i) == p)
            index = i;
    }
    if (index < 0 || index >= m_pinRows.size())
        return QString();
    const BoxPinRow &record = m_pinRows[index];
    const int cores = record.cores;
    if (cores < 2)
        return record.label;
    const int k = other ? clampPosition(other->owner()) : -1;
    if (k < 0)
        return QString();
    // The cores are spread over as few clamps as take them, each taking as
    // many and the last what is left; a clamp beyond those takes none.
    const int per = divideRoundUp(cores, divideRoundUp(cores, coresPerClamp));
    int n = per;
    if ((k + 1) * per > cores)
        n = std::max(0, cores - k * per);
    return record.label + QStringLiteral(" (%1%2)").arg(n).arg(coreSuffix());
}

void GraphicsBox::saveData(DataStream &stream)
{
    stream << m_width << m_rows << m_drawBorder << qint32(m_pinRows.size());
    for (const BoxPinRow &record : std::as_const(m_pinRows))
        stream << record.label << record.left << record.row << record.cores;
    GraphicsDevice::saveData(stream);
}

void GraphicsBox::loadData(DataStream &stream)
{
    quint8 width = 0;
    quint8 rows = 0;
    bool border = true;
    qint32 count = 0;
    stream >> width >> rows >> border >> count;
    if (stream.status() != QDataStream::Ok)
        return;
    if (count < 0 || count > 2 * MaxRows) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    QList<BoxPinRow> records;
    records.reserve(count);
    for (int i = 0; i < count; ++i) {
        BoxPinRow record;
        stream >> record.label >> record.left >> record.row >> record.cores;
        if (stream.status() != QDataStream::Ok)
            return;
        if (record.row >= MaxRows || record.row >= rows || record.cores == 0) {
            stream.setStatus(QDataStream::ReadCorruptData);
            return;
        }
        records.append(record);
    }
    prepareGeometryChange();
    m_width = width;
    m_rows = rows;
    m_drawBorder = border;
    m_pinRows = records;
    updateLabelExtent();
    layoutPins();
    GraphicsDevice::loadData(stream);
}

void GraphicsBox::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const bool selected = option && (option->state & QStyle::State_Selected);
    const bool bound = obj() != nullptr;
    const QPen &pen = itemPen(option);
    const bool withText = hasFontSet();
    const double W = 10.0 * m_width;
    const double H = boxRowStep * (m_rows + 1);
    const QRectF nameRect(boxBodyLeft, -boxRowStep, W, boxRowStep);

    painter->setPen(pen);
    if (withText)
        painter->setFont(font(3));

    if (m_drawBorder) {
        painter->drawRect(QRectF(boxBodyLeft, 0, W, H));
        if (withText)
            drawTextInRect(this, painter, nameRect, Qt::AlignCenter, name(), false);
    } else if (!hideHelp && withText) {
        // Without a border the name is a help mark.
        if (!selected && bound)
            painter->setPen(penGreen);
        drawTextInRect(this, painter, nameRect, Qt::AlignCenter, name(), false);
        painter->setPen(pen);
    }

    for (const BoxPinRow &record : std::as_const(m_pinRows)) {
        const double y = boxRowStep * (record.row + 1);
        if (record.left)
            painter->drawLine(QLineF(0, y, boxLeadLength, y));
        else
            painter->drawLine(QLineF(W, y, W + boxLeadLength, y));
        if (!withText)
            continue;
        QRectF label;
        QRectF cores;
        int labelAlignment = 0;
        int coresAlignment = 0;
        labelRects(record, &label, &cores, &labelAlignment, &coresAlignment);
        drawTextInRect(this, painter, label, labelAlignment, record.label, false);
        if (record.cores > 1)
            drawTextInRect(this, painter, cores, coresAlignment, coresText(record.cores), false);
    }

    if (hideHelp)
        return;
    painter->setPen(penGreen);
    if (withText) {
        painter->setFont(font(2));
        for (int i = 0; i < m_rows; ++i) {
            const QString number = QString::number(i + 1);
            drawTextInRect(this, painter, QRectF(0, boxRowStep * i, 30, boxRowStep), Qt::AlignRight | Qt::AlignBottom,
                           number, false);
            drawTextInRect(this, painter, QRectF(W + 50, boxRowStep * i, 30, boxRowStep), Qt::AlignLeft | Qt::AlignBottom,
                           number, false);
        }
    }
    drawPins(painter, hideHelp);
    drawSelection(painter, option, nullptr);
}

GraphicsItem *createGraphicsBox(GraphicsScene *scene)
{
    return new GraphicsBox(scene);
}
