#include "schemes/graphicsconductor.h"

#include "graphics/font.h"
#include "graphics/graphicsdevice.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/device.h"
#include "model/itemtypes.h"
#include "schemes/conductor.h"
#include "schemes/graphicssource.h"
#include "schemes/source.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {

// The format that added the readdress flag.
const int readdressFormat = 6;

const int dischargerType = QGraphicsItem::UserType + 408;
const int varistorType = QGraphicsItem::UserType + 409;
// The catalogue index of the bottom clamp panel.
const int bottomPanelModel = 2;

GraphicsConductor::PairedClampLookup pairedClampLookup = nullptr;

// While the items are painted the walks they run report nothing: a painter
// never raises a box.
int paintingQuietDepth = 0;

struct QuietChecks
{
    QuietChecks() { ++paintingQuietDepth; }
    ~QuietChecks() { --paintingQuietDepth; }
};

bool verify(bool condition, const char *file, int line)
{
    return paintingQuietDepth > 0 ? condition : checkCondition(condition, file, line);
}

#define VERIFY(condition) verify((condition), __FILE__, __LINE__)

} // namespace

void GraphicsConductor::setPairedClampLookup(PairedClampLookup lookup)
{
    pairedClampLookup = lookup;
}

GraphicsConductor::GraphicsConductor(GraphicsScene *scene)
    : GraphicsTag(scene, BindShared, CanRotate | CanMirrorHorizontal)
{
    createPins(1);
    if (Pin *own = pin(0))
        own->moveCenter(QPointF(0, 0));
    updateFromObj();
}

void GraphicsConductor::createPins(int count)
{
    prepareGeometryChange();
    allocatePins<Pin>(count);
}

Conductor *GraphicsConductor::conductor() const
{
    return dynamic_cast<Conductor *>(obj());
}

double GraphicsConductor::roundedLabelWidth(double textWidth)
{
    if (textWidth < 80)
        return 80;
    return 40.0 * divideRoundUp(int(textWidth), 40);
}

void GraphicsConductor::updateFromObj()
{
    double measured = hasFontSet() ? textAdvance(font(3), ownName()) : 0;
    if (isMarkedDuplicate())
        measured += 20;
    prepareGeometryChange();
    setTextWidth(roundedLabelWidth(measured));
    update();
}

void GraphicsConductor::setOwnName(const QString &name)
{
    GraphicsTag::setOwnName(name);
    updateFromObj();
}

QRectF GraphicsConductor::boundingRect() const
{
    const double height = m_duplicate ? 47 : 80;
    return QRectF(-7, -40, 14 + textWidth(), height).adjusted(-3.5, -3.5, 3.5, 3.5);
}

bool GraphicsConductor::findProtectionBranch(Pin *pin, Pin **found)
{
    if (found)
        *found = nullptr;
    if (!VERIFY(pin != nullptr))
        return false;
    QList<Pin *> ends;
    QList<Pin *> devices;
    pin->collectNetPinsAcross(ends);
    pin->collectNetAcross(devices, nullptr, 0);
    if (devices.size() != 1 || ends.size() != 2 || !devices.first() || !ends.first())
        return false;
    const int deviceType = ownerType(devices.first());
    if (deviceType != varistorType && deviceType != dischargerType)
        return false;
    if (!devices.first()->owner()->address())
        return false;
    Pin *entry = ends.first();
    if (ownerType(entry) != slantingNetType)
        return false;
    PinOwner *slanting = entry->owner();
    if (entry == slanting->pin(0) || entry == slanting->pin(1)) {
        if (found)
            *found = entry == slanting->pin(0) ? slanting->pin(1) : slanting->pin(0);
        return true;
    }
    // The branch pin of a slanting net is never the first end of a walk
    // that reaches a device beyond it.
    VERIFY(false);
    return false;
}

bool GraphicsConductor::isFadedSolder() const
{
    if (!m_duplicate || !m_solderWithBottom)
        return false;
    Conductor *bound = conductor();
    if (!bound)
        return false;
    if (bound->readdressItem())
        return true;
    GraphicsConductor *main = bound->mainItem();
    return main && findProtectionBranch(main->pin(0), nullptr);
}

void GraphicsConductor::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    QuietChecks quiet;
    const bool selected = option && (option->state & QStyle::State_Selected);
    const double width = textWidth();
    Conductor *bound = conductor();
    const QPen *pen = selected ? &penBlue : (bound ? &penBlack : &penRed);
    // Help is drawn in green, unless the item's state colours it.
    const auto fade = [&pen]() {
        if (pen == &penBlack)
            pen = &penGreen;
    };
    if (hasFontSet())
        painter->setFont(font(3));

    // The line and the name.
    bool lineShown = true;
    if (isFadedSolder()) {
        lineShown = !hideHelp;
        fade();
    }
    if (lineShown) {
        painter->setPen(*pen);
        painter->drawLine(QPointF(0, 0), QPointF(width, 0));
        if (hasFontSet())
            drawTextInRect(this, painter, QRectF(0, -40, width, 40), Qt::AlignRight | Qt::AlignVCenter, ownName(),
                           false);
    }

    if (m_duplicate) {
        if (isMarkedDuplicate()) {
            if (hideHelp)
                return;
            fade();
            painter->setPen(*pen);
            const QString mark = m_solderWithBottom ? QStringLiteral("*")
                                                    : QCoreApplication::translate("Conductor", "P");
            if (hasFontSet())
                drawTextInRect(this, painter, QRectF(0, -40, 20, 40), Qt::AlignCenter, mark, false);
        }
    } else if (bound) {
        const int n = bound->count();
        if (n <= 1 && hideHelp)
            return;
        if (n == 1)
            fade();
        painter->setPen(*pen);
        if (hasFontSet()) {
            drawTextInRect(this, painter, QRectF(0, 0, width, 40), Qt::AlignRight | Qt::AlignVCenter,
                           QStringLiteral("(%1%2)").arg(n).arg(Conductor::markText()), false);
        }
        if (hideHelp)
            return;
        if (bound->polarity() && hasFontSet()) {
            painter->setFont(font(2));
            fade();
            painter->setPen(*pen);
            const QString mark = QCoreApplication::translate("Conductor", bound->polarityPK() ? "PK" : "RK");
            drawTextInRect(this, painter, QRectF(0, 0, width, 40), Qt::AlignLeft | Qt::AlignVCenter, mark, false);
        }
    }
    if (hideHelp)
        return;
    drawPins(painter, hideHelp);
    drawSelection(painter, option, nullptr);
}

void GraphicsConductor::saveData(DataStream &stream)
{
    stream << m_duplicate;
    if (m_duplicate)
        stream << m_solderWithBottom << m_readdress;
    GraphicsTag::saveData(stream);
}

void GraphicsConductor::loadData(DataStream &stream)
{
    bool duplicate = false;
    bool solder = m_solderWithBottom;
    bool readdress = false;
    stream >> duplicate;
    if (duplicate) {
        stream >> solder;
        if (stream.formatIndex() >= readdressFormat)
            stream >> readdress;
    }
    if (stream.status() != QDataStream::Ok)
        return;
    m_duplicate = duplicate;
    m_solderWithBottom = solder;
    m_readdress = readdress;
    GraphicsTag::loadData(stream);
}

void GraphicsConductor::collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *, int)
{
    // A walk raises no box: what it cannot follow it passes over.
    const QuietChecks quiet;
    Conductor *bound = conductor();
    if (m_duplicate || !bound || !entry)
        return;

    // Fed directly by a source?
    QList<Pin *> ends;
    entry->collectNetPinsAcross(ends);
    if (ends.size() != 1)
        return;
    Pin *end = ends.first();
    if (!VERIFY(end != nullptr) || ownerType(end) != GraphicsSource::Type)
        return;
    auto *sourceItem = dynamic_cast<GraphicsSource *>(end->owner());
    Source *source = sourceItem ? sourceItem->source() : nullptr;
    if (!VERIFY(source != nullptr))
        return;
    // A supply from a frame's bus is not carried over a bottom clamp.
    if (!VERIFY(!source->busRFrame() && !source->busRBFrame()))
        return;

    GraphicsConductor *solder = bound->solderWithBottomItem();
    if (!solder || !solder->pin(0))
        return;
    QList<Pin *> reached;
    solder->pin(0)->collectNetAcross(reached, nullptr, 0);
    // A walk that reaches a clamp collects all its pins: they are one
    // point. The duplicate must reach one clamp and nothing else.
    PinOwner *clampOwner = reached.isEmpty() ? nullptr : reached.first()->owner();
    for (Pin *p : std::as_const(reached)) {
        if (p->owner() != clampOwner || ownerType(p) != clampType)
            clampOwner = nullptr;
    }
    auto *clamp = clampOwner ? dynamic_cast<GraphicsDevice *>(clampOwner) : nullptr;
    Device *panel = clamp ? clamp->device() : nullptr;
    const bool bottom = panel && panel->kind() == ClampPanelKind && panel->modelIndex() == bottomPanelModel;
    GraphicsPins *paired = bottom && pairedClampLookup ? pairedClampLookup(clamp) : nullptr;
    // No bottom clamp there, or its pair is not used: nothing to carry.
    if (Pin *far = paired ? paired->pin(0) : nullptr)
        pins.append(far);
}

void GraphicsConductor::updateNetLinks(Pin *, QList<Pin *> &)
{
}

GraphicsItem *createGraphicsConductor(GraphicsScene *scene)
{
    return new GraphicsConductor(scene);
}

#undef VERIFY
