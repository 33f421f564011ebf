#include "devices/graphicswiringmeasuringpanel.h"

#include "devices/graphicsmeasuringpanel.h"
#include "devices/measuringpanel.h"
#include "graphics/font.h"
#include "graphics/itemshared.h"
#include "model/address.h"
#include "model/pin.h"

#include <QPainter>

GraphicsWiringMeasuringPanel::GraphicsWiringMeasuringPanel(GraphicsScene *scene, GraphicsItem *parent,
                                                           MeasuringPanel *panel)
    : GraphicsWiringPicture(scene, parent, panel)
{
}

GraphicsWiringMeasuringPanel::~GraphicsWiringMeasuringPanel() = default;

QRectF GraphicsWiringMeasuringPanel::frame() const
{
    return QRectF(0, 0, 600, 1300);
}

QPointF GraphicsWiringMeasuringPanel::cellOrigin(int number)
{
    // Every terminal but each third one starts a row 100 lower.
    const double y = 100 * (number - number / 3);
    static const double columns[3] = {300, 150, 0};
    return QPointF(columns[number % 3], y);
}

void GraphicsWiringMeasuringPanel::draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool)
{
    if (!painter || !hasFontSet())
        return;
    painter->setPen(penBlack);
    painter->setBrush(Qt::NoBrush);
    painter->setFont(font(4));
    auto *panel = dynamic_cast<MeasuringPanel *>(device());
    for (int n = 1; n <= MeasuringPanel::TerminalCount; ++n) {
        const QPointF at = cellOrigin(n);
        const QRectF numberBox(at.x(), at.y(), 130, 50);
        const QRectF sourceBox(at.x(), at.y() + 50, 130, 50);
        painter->drawRect(numberBox);
        painter->drawText(numberBox, Qt::AlignCenter, QString::number(n));
        painter->drawRect(sourceBox);
        painter->drawRect(QRectF(at.x() + 130, at.y(), 170, 100));

        GraphicsMeasuringPanel *terminal = panel ? panel->terminal(n) : nullptr;
        auto *pin = terminal ? terminal->wiringPin(0) : nullptr;
        if (!pin)
            continue;
        QString source = terminal->sourceName();
        if (source.isEmpty())
            pin->sourceName(&source);
        painter->drawText(sourceBox, Qt::AlignCenter, source);
        const Address *from = pin->ownerAddress();
        if (!from)
            continue;
        QStringList labels;
        for (int slot = 0; slot < pin->linkCapacity(); ++slot) {
            if (WiringPin *far = pin->linkSlot(slot))
                labels << far->labelText(from, pin);
        }
        painter->drawText(QRectF(at.x() + 130, at.y(), 130, 100), Qt::AlignCenter, labels.join(lineSeparator));
    }

    painter->setFont(font(7));
    const Address *at = panel && panel->showAddress() ? panel->address() : nullptr;
    if (at)
        painter->drawText(QRectF(0, 0, 600, 100), Qt::AlignHCenter | Qt::AlignBottom, at->toString(3));
    painter->setPen(penBlackDash);
    painter->drawRect(QRectF(0, 100, 600, 1200));
}
