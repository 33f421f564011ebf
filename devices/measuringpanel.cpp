#include "devices/measuringpanel.h"

#include "devices/graphicsmeasuringpanel.h"
#include "devices/graphicswiringmeasuringpanel.h"
#include "graphics/font.h"
#include "model/check.h"

#include <QPainter>

namespace {

// The row "IP" of the equipment-model table.
const int measuringPanelPlace = 120;
const double boxWidth = 100;

bool isTerminalNumber(int number)
{
    return number >= 1 && number <= MeasuringPanel::TerminalCount;
}

} // namespace

MeasuringPanel::MeasuringPanel(Project *project)
    : Device(project, MeasuringPanelKind)
{
}

MeasuringPanel::~MeasuringPanel() = default;

bool MeasuringPanel::canAppend(ObjItem *item)
{
    if (!CHECK_PTR(item))
        return false;
    auto *terminalItem = dynamic_cast<GraphicsMeasuringPanel *>(item);
    if (!terminalItem)
        return Device::canAppend(item);
    const int number = terminalItem->number();
    return isTerminalNumber(number) && terminal(number) == nullptr;
}

GraphicsWiringItemDevice *MeasuringPanel::createWiringItem(GraphicsScene *scene, GraphicsItem *parent)
{
    auto *item = new GraphicsWiringMeasuringPanel(scene, parent, this);
    return CHECK_PTR(item) ? item : nullptr;
}

int MeasuringPanel::placeType() const
{
    return measuringPanelPlace;
}

void MeasuringPanel::paintInPlace(QPainter *painter, const QRectF &rect, const QStyleOptionGraphicsItem *, Place *,
                                  bool hideHelp)
{
    if (!painter)
        return;
    painter->drawRect(QRectF(rect.left() + (rect.width() - boxWidth) / 2, rect.top(), boxWidth, rect.height()));
    if (hideHelp || !hasFontSet())
        return;
    painter->setFont(font(5));
    const QPen pen = painter->pen();
    painter->setPen(penGreen);
    painter->drawText(rect, Qt::AlignCenter, name());
    painter->setPen(pen);
}

int MeasuringPanel::pinCount() const
{
    return TerminalCount;
}

bool MeasuringPanel::hasModel(int) const
{
    return false;
}

GraphicsMeasuringPanel *MeasuringPanel::itemByNumber(int number) const
{
    if (!CHECK(isTerminalNumber(number)))
        return nullptr;
    return terminal(number);
}

GraphicsMeasuringPanel *MeasuringPanel::terminal(int number) const
{
    for (ObjItem *item : items()) {
        auto *terminalItem = dynamic_cast<GraphicsMeasuringPanel *>(item);
        if (terminalItem && terminalItem->number() == number)
            return terminalItem;
    }
    return nullptr;
}
