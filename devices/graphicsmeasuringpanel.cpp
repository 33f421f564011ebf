#include "devices/graphicsmeasuringpanel.h"

#include "devices/measuringpanel.h"
#include "devices/nameextent.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/pin.h"

#include <QFontMetricsF>
#include <QPainter>

namespace {

// The pin names of the terminals 1 to 18.
const char *const measuringPanelTerminalNames[MeasuringPanel::TerminalCount] = {
    "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16", "17", "18",
};

const double measuringPanelMinimumWidth = 40;
const QPointF labelAnchor(0, -80);
const int bottomCentred = Qt::AlignHCenter | Qt::AlignBottom;

} // namespace

GraphicsMeasuringPanel::GraphicsMeasuringPanel(GraphicsScene *scene)
    : GraphicsDevice(scene, BindByName, nullptr, CanRotate | CanMirrorHorizontal | CanMirrorVertical)
{
    createPins(1);
    if (pinCount() == 1) {
        pin(0)->moveCenter(QPointF(0, 0));
        wiringPin(0)->setLinkCapacity(1);
    }
    setTextWidth(measuringPanelMinimumWidth);
    updateFromObj();
}

GraphicsMeasuringPanel::~GraphicsMeasuringPanel() = default;

MeasuringPanel *GraphicsMeasuringPanel::panel() const
{
    return dynamic_cast<MeasuringPanel *>(obj());
}

void GraphicsMeasuringPanel::setNumber(int number)
{
    m_number = number;
    updatePinNames();
    updateFromObj();
}

void GraphicsMeasuringPanel::setSourceName(const QString &name)
{
    m_sourceName = name;
    updateFromObj();
}

QString GraphicsMeasuringPanel::labelText()
{
    const char *pinName = firstPinName();
    if (pinName)
        return joinName(name(), pinName);
    return joinWithSeparator(name(), QString::number(m_number));
}

QPointF GraphicsMeasuringPanel::sourceAnchor() const
{
    return isTurned() ? QPointF(28, -80) : QPointF(0, -120);
}

void GraphicsMeasuringPanel::updatePinNames()
{
    if (WiringPin *p = wiringPin(0)) {
        const bool terminal = m_number >= 1 && m_number <= MeasuringPanel::TerminalCount;
        p->setName(terminal ? measuringPanelTerminalNames[m_number - 1] : nullptr);
    }
}

void GraphicsMeasuringPanel::updateFromObj()
{
    if (!hasFontSet())
        return;
    const QString label = labelText();
    prepareGeometryChange();
    setTextWidth(qMax(QFontMetricsF(font(3)).horizontalAdvance(label), measuringPanelMinimumWidth));
    m_textRoom = nameExtent(this, font(3), labelAnchor, label);
    if (!m_sourceName.isEmpty())
        m_textRoom |= nameExtent(this, font(3), sourceAnchor(), m_sourceName);
    update();
}

QRectF GraphicsMeasuringPanel::boundingRect() const
{
    const double w = textWidth();
    const QRectF frame = isTurned() ? QRectF(-40, -80 - w, 80, 87 + w) : QRectF(-w / 2, -160, w, 167);
    return (frame | m_textRoom).adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsMeasuringPanel::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const QPen &pen = itemPen(option);
    painter->setPen(pen);
    if (hasFontSet()) {
        painter->setFont(font(3));
        drawTextAt(this, painter, labelAnchor, bottomCentred, labelText());
    }
    painter->drawLine(QLineF(0, 0, 0, -60));
    painter->drawLine(QLineF(0, -60, -10, -73));
    painter->drawLine(QLineF(0, -60, 10, -73));
    if (!hideHelp) {
        if (&pen == &penBlack)
            painter->setPen(penGreen);
        if (hasFontSet())
            drawTextAt(this, painter, sourceAnchor(), bottomCentred, m_sourceName);
        drawPins(painter, hideHelp);
    }
    drawSelection(painter, option, nullptr);
}

void GraphicsMeasuringPanel::saveData(DataStream &stream)
{
    stream << m_number << m_sourceName;
    GraphicsDevice::saveData(stream);
}

void GraphicsMeasuringPanel::loadData(DataStream &stream)
{
    qint32 number = 0;
    QString source;
    stream >> number >> source;
    if (stream.status() != QDataStream::Ok)
        return;
    if (number < 0 || number > MeasuringPanel::TerminalCount) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    m_number = number;
    m_sourceName = source;
    updatePinNames();
    GraphicsDevice::loadData(stream);
    // An item read without its panel measures its own name.
    updateFromObj();
}

void GraphicsMeasuringPanel::collectNet(Pin *entry, QList<Pin *> &, QList<GraphicsUnite *> *, int)
{
    CHECK(ownsPin(entry));
}

GraphicsItem *createGraphicsMeasuringPanel(GraphicsScene *scene)
{
    return new GraphicsMeasuringPanel(scene);
}
