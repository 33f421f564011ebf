#include "devices/graphicsheating.h"

#include "devices/heating.h"
#include "devices/heatingcatalogue.h"
#include "devices/lampsymbol.h"
#include "graphics/font.h"
#include "graphics/itemshared.h"
#include "model/pin.h"

#include <QCoreApplication>
#include <QPainter>

namespace {

// The centres of the terminals on the scheme, in pin order.
const QPointF pinCentres[HeatingPinCount] = {
    {0, 0},     {0, 160},   {280, 0},   {280, 160}, {160, 360},  {280, 360},
    {160, 520}, {280, 520}, {160, 680}, {160, 840}, {-200, 680}, {-40, 680},
};

// The texts of the symbol, in the item's translation context.
QString symbolText(const char *text)
{
    return QCoreApplication::translate("GraphicsHeating", text);
}

} // namespace

GraphicsHeating::GraphicsHeating(GraphicsScene *scene)
    : GraphicsTypedDevice(scene, CanMirrorHorizontal)
{
    createPins(HeatingPinCount);
    if (pinCount() == HeatingPinCount) {
        for (int i = 0; i < HeatingPinCount; ++i)
            pin(i)->moveCenter(pinCentres[i]);
        updatePinNames();
    }
    setZValue(-1);
    updateFromObj();
}

GraphicsHeating::~GraphicsHeating() = default;

Heating *GraphicsHeating::heating() const
{
    return dynamic_cast<Heating *>(obj());
}

void GraphicsHeating::updatePinNames()
{
    for (int i = 0; i < pinCount() && i < HeatingPinCount; ++i)
        wiringPin(i)->setName(heatingPins[i].name);
}

QRectF GraphicsHeating::frame() const
{
    const double w = pinSize.width();
    const double h = pinSize.height();
    return QRectF(-200 - w / 2, -80, 640 + w / 2, 920 + h / 2);
}

QList<GraphicsHeating::TextSlot> GraphicsHeating::textSlots()
{
    QList<TextSlot> texts;
    const auto add = [&texts](const QRectF &rect, int alignment, const QString &text) {
        texts.append({SymbolLayer, 3, rect, alignment, text});
    };
    for (int k = 0; k < 2; ++k) {
        const double y0 = 160 * k;
        const QString row = QString::number(k + 1);
        add(QRectF(40, y0 - 80, 80, 40), centred, symbolText(QT_TRANSLATE_NOOP("GraphicsHeating", "V")) + row);
        add(QRectF(0, y0, 40, 40), centred, QStringLiteral("2"));
        add(QRectF(120, y0, 40, 40), centred, QStringLiteral("1"));
        add(QRectF(160, y0 - 80, 120, 40), centred, symbolText(QT_TRANSLATE_NOOP("GraphicsHeating", "L")) + row);
        add(QRectF(160, y0 - 40, 40, 40), centred, QStringLiteral("2"));
        add(QRectF(240, y0 - 40, 40, 40), centred, QStringLiteral("1"));
        const double y1 = 360 + 160 * k;
        add(QRectF(160, y1 - 80, 120, 40), centred, symbolText(QT_TRANSLATE_NOOP("GraphicsHeating", "SH.R.")) + QString::number(2 - k));
        add(QRectF(160, y1, 40, 40), centred, QStringLiteral("2"));
        add(QRectF(240, y1, 40, 40), centred, QStringLiteral("1"));
    }
    add(QRectF(160, 200, 120, 40), centred, symbolText(QT_TRANSLATE_NOOP("GraphicsHeating", "V220-25")));
    add(QRectF(160, 640, 160, 40), centred, symbolText(QT_TRANSLATE_NOOP("GraphicsHeating", "OB")));
    for (int j = 0; j < 2; ++j) {
        const double x = 160 + 160 * j;
        add(QRectF(x - 40, 680, 40, 40), centred, QStringLiteral("1"));
        add(QRectF(x - 40, 800, 40, 40), centred, QStringLiteral("2"));
        const QStringList lines = {symbolText(QT_TRANSLATE_NOOP("GraphicsHeating", "PEVZ")), symbolText(QT_TRANSLATE_NOOP("GraphicsHeating", "75 Om")), QStringLiteral("0") + QString::number(2 - j),
                                   symbolText(QT_TRANSLATE_NOOP("GraphicsHeating", "(8sht)"))};
        add(QRectF(x + 20, 680, 130, 160), Qt::AlignLeft | Qt::AlignVCenter, lines.join(lineSeparator));
    }
    add(QRectF(-200, 680, 40, 40), centred, QStringLiteral("2"));
    add(QRectF(-80, 680, 40, 40), centred, QStringLiteral("1"));
    add(QRectF(-200, 600, 160, 40), centred, symbolText(QT_TRANSLATE_NOOP("GraphicsHeating", "TD")));
    Heating *bound = heating();
    add(QRectF(-200, 720, 160, 40), centred, bound ? bound->modelName() : QString());
    texts.append({HelpLayer, 3, QRectF(-160, -80, 160, 40), centred, name()});
    return texts;
}

void GraphicsHeating::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const bool bound = heating() != nullptr;
    painter->setPen(itemPen(option));
    painter->setBrush(Qt::NoBrush);

    // An item that lost its heating shows only its name, pins and frame.
    if (bound) {
        for (int k = 0; k < 2; ++k) {
            const double y0 = 160 * k;
            // The switch.
            painter->drawLine(QLineF(0, y0, 30, y0));
            painter->drawEllipse(QRectF(30, y0 - 10, 20, 20));
            painter->drawEllipse(QRectF(110, y0 - 10, 20, 20));
            painter->drawLine(QLineF(40, y0 - 40, 110, y0));
            // The lamp.
            painter->drawLine(QLineF(130, y0, 195, y0));
            painter->drawLine(QLineF(245, y0, 280, y0));
            drawCrossedCircle(painter, QRectF(195, y0 - 25, 50, 50));
            // The socket.
            const double y1 = 360 + 160 * k;
            painter->drawLine(QLineF(160, y1, 190, y1));
            painter->drawLine(QLineF(250, y1, 280, y1));
            painter->drawLine(QLineF(190, y1, 210, y1 - 20));
            painter->drawLine(QLineF(190, y1, 210, y1 + 20));
            painter->drawLine(QLineF(250, y1, 230, y1 - 20));
            painter->drawLine(QLineF(250, y1, 230, y1 + 20));
        }
        // The resistors on their two buses.
        painter->drawLine(QLineF(160, 680, 320, 680));
        painter->drawLine(QLineF(160, 840, 320, 840));
        for (int j = 0; j < 2; ++j) {
            const double x = 160 + 160 * j;
            painter->drawLine(QLineF(x, 680, x, 720));
            painter->drawLine(QLineF(x, 800, x, 840));
            painter->drawRect(QRectF(x - 15, 720, 30, 80));
        }
        // The element.
        painter->drawLine(QLineF(-200, 680, -170, 680));
        painter->drawLine(QLineF(-70, 680, -40, 680));
        painter->drawEllipse(QRectF(-170, 670, 20, 20));
        painter->drawEllipse(QRectF(-90, 670, 20, 20));
        painter->drawLine(QLineF(-160, 710, -80, 710));
        painter->drawLine(QLineF(-120, 660, -120, 710));
        painter->drawRect(QRectF(-140, 640, 40, 20));
        painter->setBrush(QBrush(painter->pen().color(), Qt::SolidPattern));
        painter->drawRect(QRectF(-140, 650, 40, 10));
        if (pinCount() == HeatingPinCount) {
            painter->drawRect(*pin(8));
            painter->drawRect(*pin(9));
        }
        painter->setBrush(Qt::NoBrush);
        drawTexts(painter, SymbolLayer);
    }

    if (!hideHelp) {
        drawTexts(painter, HelpLayer);
        drawPins(painter, hideHelp);
    }
    drawSelection(painter, option, nullptr);
}

GraphicsItem *createGraphicsHeating(GraphicsScene *scene)
{
    return new GraphicsHeating(scene);
}
