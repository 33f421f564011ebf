#include "schemes/graphicspowerbus.h"

#include "graphics/font.h"
#include "graphics/itemshared.h"
#include "model/check.h"
#include "model/obj.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/net.h"
#include "schemes/scheme.h"

#include <QPainter>

namespace {

// The terminals' names, pins 0 to 30.
const char *const powerBusTerminalNames[GraphicsPowerBus::TerminalCount] = {
    "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "13", "14", "15", "16",
    "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28", "29", "30", "I"};

// The suffix kind of a bus address ("SH").
const int busSuffixKind = 2;
// The wire section of the lead terminal.
const int leadSection = 4;

} // namespace

GraphicsPowerBus::GraphicsPowerBus(GraphicsScene *scene, GraphicsItem *panel, const Address &panelAddress, Obj *obj)
    : GraphicsPins(scene, nullptr, 0)
    , m_panel(panel)
    , m_obj(obj)
{
    m_address.copyFields(panelAddress, 3, true);
    m_address.setSuffixKind(busSuffixKind);
    createPins(TerminalCount);
    if (pinCount() == TerminalCount) {
        for (int i = 0; i < TerminalCount; ++i)
            wiringPin(i)->setName(powerBusTerminalNames[i]);
    }
}

void GraphicsPowerBus::createPins(int count)
{
    prepareGeometryChange();
    allocatePins<WiringPin>(count);
}

WiringPin *GraphicsPowerBus::wiringPin(int index)
{
    return static_cast<WiringPin *>(pin(index));
}

QRectF GraphicsPowerBus::boundingRect() const
{
    return QRectF(0, 0, 1800, 200);
}

void GraphicsPowerBus::collectNetPins(Pin *, QList<Pin *> &)
{
}

void GraphicsPowerBus::collectNet(Pin *, QList<Pin *> &, QList<GraphicsUnite *> *, int)
{
}

void GraphicsPowerBus::updateNetLinks(Pin *, QList<Pin *> &)
{
}

QString GraphicsPowerBus::caption() const
{
    return QString::asprintf("%.2d", int(m_address.field(3))) + Address::suffixKindName(busSuffixKind)
        + lineSeparator + (m_obj ? m_obj->name() : QString());
}

QString GraphicsPowerBus::terminalLabel(int terminal, int n)
{
    WiringPin *own = wiringPin(terminal);
    // The slot, not the n-th filled one: each slot has its own place.
    WiringPin *linked = own ? own->linkSlot(n) : nullptr;
    if (!linked)
        return QString();
    QString label = linked->labelText(&m_address, own);
    if (terminal == LeadTerminal) {
        GraphicsScene *scene = graphicsScene();
        Project *project = scene ? scene->project() : nullptr;
        const bool ua = project && project->language() != 0;
        label += QLatin1Char(' ') + GraphicsNet::sectionText(leadSection, true, ua);
    }
    return label;
}

void GraphicsPowerBus::draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool)
{
    if (!painter)
        return;
    painter->setPen(penBlack);
    painter->setBrush(QBrush(penBlack.color(), Qt::SolidPattern));
    const bool texts = hasFontSet();
    if (texts)
        painter->setFont(font(4));

    // The taps, the bar with its dots and the numbers.
    for (int i = 1; i <= 30; ++i) {
        const double x = 50.0 * i;
        painter->drawLine(QPointF(x, 0), QPointF(x, 150));
        painter->drawLine(QPointF(x, 150), QPointF(x + 50, 150));
        painter->drawEllipse(QRectF(x + 45, 145, 10, 10));
        if (texts)
            painter->drawText(QRectF(x - 50, 150, 100, 50), Qt::AlignCenter, QString::number(i));
    }
    // Terminal "I" and its second lead.
    painter->drawLine(QPointF(1550, 0), QPointF(1550, 150));
    painter->drawLine(QPointF(1550, 150), QPointF(1600, 130));
    if (texts)
        painter->drawText(QRectF(1500, 150, 100, 50), Qt::AlignCenter, QStringLiteral("I"));
    painter->drawLine(QPointF(1600, 0), QPointF(1600, 130));
    if (!texts)
        return;

    painter->setFont(font(5));
    painter->drawText(QRectF(1600, 0, 200, 200), Qt::AlignCenter, caption());

    // The labels run upward along the left side of each tap.
    painter->save();
    painter->rotate(-90);
    painter->setFont(font(4));
    for (int i = 0; i < TerminalCount; ++i) {
        const QString label = terminalLabel(i, 0);
        if (!label.isEmpty())
            painter->drawText(QRectF(-140, 50.0 * i, 300, 50), Qt::AlignLeft | Qt::AlignBottom, label);
    }
    const QString second = terminalLabel(LeadTerminal, 1);
    if (!second.isEmpty())
        painter->drawText(QRectF(-120, 1550, 200, 50), Qt::AlignLeft | Qt::AlignBottom, second);
    painter->restore();
}

GraphicsPowerBus *createPanelPowerBus(Project *project, GraphicsItem *panel, const Address &panelAddress, Obj *obj)
{
    if (!CHECK_PTR(project))
        return nullptr;
    Scheme *scratch = project->referenceScheme();
    if (!CHECK_PTR(scratch))
        return nullptr;
    auto *bus = new GraphicsPowerBus(scratch, panel, panelAddress, obj);
    if (!scratch->addGraphicsItem(bus)) {
        delete bus;
        return nullptr;
    }
    return bus;
}
