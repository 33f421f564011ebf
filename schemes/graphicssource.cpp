#include "schemes/graphicssource.h"

#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/displayflags.h"
#include "schemes/source.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {

// The line runs at this height from the pin to the end of the label.
const double sourceLineY = 40;
// The label of an item with additional parameters is at least this wide.
const double additionalWidth = 80;

} // namespace

GraphicsSource::GraphicsSource(GraphicsScene *scene)
    : GraphicsTag(scene, BindShared, CanRotate | CanMirrorHorizontal)
{
    createPins(1);
    if (Pin *own = pin(0))
        own->moveCenter(QPointF(0, sourceLineY));
    updateFromObj();
}

void GraphicsSource::createPins(int count)
{
    prepareGeometryChange();
    allocatePins<Pin>(count);
}

int GraphicsSource::nameFontIndex()
{
    return showBigDeviceNames ? 4 : 3;
}

Source *GraphicsSource::source() const
{
    return dynamic_cast<Source *>(obj());
}

QString GraphicsSource::numberedName() const
{
    if (!m_addToName)
        return ownName();
    return QString::number(m_fromFrame) + ownName();
}

QString GraphicsSource::netName() const
{
    return isNumbered() ? numberedName() : name();
}

int GraphicsSource::tiedFrameNumber() const
{
    return isNumbered() ? m_fromFrame : 0;
}

void GraphicsSource::setFromFrame(qint32 frame)
{
    if (frame == m_fromFrame)
        return;
    m_fromFrame = frame;
    updateFromObj();
}

void GraphicsSource::updateFromObj()
{
    // The height follows the other fields, changed before: always announced.
    refreshTextWidth(true);
}

double GraphicsSource::measureTextWidth() const
{
    const double measured =
        hasFontSet() ? textAdvance(font(nameFontIndex()), numberedName()) : 0;
    if (m_additional && measured < additionalWidth)
        return additionalWidth;
    return 40.0 * divideRoundUp(int(measured), 40);
}

void GraphicsSource::setOwnName(const QString &name)
{
    GraphicsTag::setOwnName(name);
    updateFromObj();
}

QRectF GraphicsSource::boundingRect() const
{
    const double height = m_additional ? 80 : 47;
    return QRectF(-7, 0, 14 + textWidth(), height).adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsSource::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const bool selected = option && (option->state & QStyle::State_Selected);
    const double width = textWidth();
    painter->setPen(selected ? penBlue : (obj() ? penBlack : penRed));
    painter->drawLine(QPointF(0, sourceLineY), QPointF(width, sourceLineY));
    if (hasFontSet()) {
        painter->setFont(font(nameFontIndex()));
        drawTextInRect(this, painter, QRectF(0, 0, width, sourceLineY), Qt::AlignRight | Qt::AlignVCenter,
                       numberedName(), false);
    }
    if (hideHelp)
        return;
    if (m_additional && hasFontSet()) {
        painter->setPen(penGreen);
        const QString mark = m_placeCreate ? QStringLiteral("C%1").arg(m_fromFrame) : QStringLiteral("N%1").arg(m_group);
        drawTextInRect(this, painter, QRectF(0, sourceLineY, width, 40), Qt::AlignRight | Qt::AlignVCenter, mark, false);
    }
    drawPins(painter, hideHelp);
    drawSelection(painter, option, nullptr);
}

void GraphicsSource::saveData(DataStream &stream)
{
    stream << m_additional;
    if (m_additional)
        stream << m_placeCreate << m_fromFrame << m_group << m_addToName;
    GraphicsTag::saveData(stream);
}

void GraphicsSource::loadData(DataStream &stream)
{
    bool additional = false;
    bool placeCreate = false;
    qint32 fromFrame = 0;
    quint8 group = 0;
    bool addToName = false;
    stream >> additional;
    if (additional)
        stream >> placeCreate >> fromFrame >> group >> addToName;
    if (stream.status() != QDataStream::Ok)
        return;
    m_additional = additional;
    m_placeCreate = placeCreate;
    m_fromFrame = fromFrame;
    m_group = group;
    m_addToName = addToName;
    GraphicsTag::loadData(stream);
}

GraphicsItem *createGraphicsSource(GraphicsScene *scene)
{
    return new GraphicsSource(scene);
}
