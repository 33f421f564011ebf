#include "devices/clamppanelitems.h"

#include "devices/clamp.h"
#include "devices/clampcatalogue.h"
#include "devices/graphicsclamp.h"
#include "equipment/place.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "model/itemtypes.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/net.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

enum {
    SidePanelModel = 1,
    ConsoleModel = 4,
    VisualModel = 5,
    RcBottomModel = 7,
    DcClampModel = 10,
    BottomTopModel = 20
};
enum { StripPk = 3, Strip50 = 8, Strip30 = 9 };
const int feedSection = 4;
const double panelRowStep = 40;
// The clamps of strip "50" stand two by two at this pitch.
const double strip50Pitch = 100;

ClampPanel *panelOf(Device *device)
{
    return dynamic_cast<ClampPanel *>(device);
}

// The clamps joined to a clamp through the nets of its schemes, depth
// first, each once; only clamps of placed panels count. Painters ask it:
// nothing here raises a box.
void collectJoinedClamps(GraphicsClamp *clamp, Pin *entry, QList<GraphicsClamp *> &clamps)
{
    if (!clamp || clamps.contains(clamp) || !clamp->address())
        return;
    clamps.append(clamp);
    for (int i = 0; i < clamp->pinCount(); ++i) {
        Pin *own = clamp->pin(i);
        if (own == entry)
            continue;
        QList<Pin *> pins;
        own->collectNetAcross(pins, nullptr, 0);
        for (Pin *p : std::as_const(pins)) {
            PinOwner *owner = p ? p->owner() : nullptr;
            GraphicsClamp *next = graphicsClampCast(owner ? owner->graphicsItem() : nullptr);
            if (next && !clamps.contains(next) && next->address())
                collectJoinedClamps(next, p, clamps);
        }
    }
}

// The wire section of a wire from a clamp to a far pin.
int sectionOf(GraphicsClamp *clamp, WiringPin *far)
{
    if (clamp->passage())
        return clamp->pin(0)->sourceName(nullptr);
    PinOwner *owner = far->owner();
    GraphicsItem *item = owner ? owner->graphicsItem() : nullptr;
    if (item && item->type() == powerBusType && owner->pin(powerBusFeedPin) == far)
        return feedSection;
    for (int i = 0; i < clamp->pinCount(); ++i) {
        QList<Pin *> pins;
        QList<GraphicsUnite *> nets;
        clamp->pin(i)->collectNetAcross(pins, &nets, 0);
        if (pins.contains(far))
            return nets.isEmpty() ? GraphicsNet::DefaultSection : GraphicsNet::largestSection(nets);
    }
    return GraphicsNet::DefaultSection;
}

} // namespace

// ---------------------------------------------------------------------------
// GraphicsPlaceItemClampPanel

GraphicsPlaceItemClampPanel::GraphicsPlaceItemClampPanel(GraphicsScene *scene, GraphicsItem *parent,
                                                         ClampPanel *panel)
    : GraphicsPlaceItemDevice(scene, parent, panel)
{
    setFlag(ItemIsMovable, false);
    setFlag(ItemIsSelectable, false);
}

void GraphicsPlaceItemClampPanel::draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool hideHelp)
{
    ClampPanel *panel = panelOf(device());
    if (!painter || !panel)
        return;
    QRectF r = place() ? place()->placeRect() : itemRect();
    const double w = r.width();
    const double h = r.height();
    const bool withText = hasFontSet();
    if (withText)
        painter->setFont(font(2));
    painter->setPen(penBlack);
    painter->setBrush(Qt::NoBrush);
    const int model = panel->modelIndex();

    if (model == RcBottomModel) {
        painter->drawRect(QRectF(r.center().x() - 40, r.top(), 80, h));
        return;
    }
    if (model == DcClampModel) {
        const Address *at = panel->address();
        if (at && withText)
            painter->drawText(r, Qt::AlignCenter, Address::placeKindText(0, 9) + at->numberText(1));
        return;
    }
    // A panel none of whose clamps is used is only a help mark.
    if (panel->items().isEmpty()) {
        if (hideHelp)
            return;
        painter->setPen(penGreen);
    }
    if (model == SidePanelModel) {
        r.setBottom(r.bottom() - 10);
        if (withText)
            painter->drawText(r, Qt::AlignHCenter | Qt::AlignBottom,
                              panel->stripType() == StripPk ? QStringLiteral("16") : panel->modelName());
        return;
    }
    if (model == ConsoleModel || model == VisualModel) {
        if (withText) {
            painter->drawText(r, Qt::AlignHCenter | Qt::AlignTop, panel->baseName());
            painter->drawText(r, Qt::AlignHCenter | Qt::AlignBottom, panel->modelName());
        }
        return;
    }
    // The strip: its left half and its right half raised by 10.
    const double a = (w - 13) / 2;
    const double b = h - 15;
    const QPointF o = r.topLeft();
    const QLineF lines[] = {
        {50, 25, 50, b},         {50, 25, a, 25},          {50, b, a, b},
        {a, 25, a + 13, 15},     {a, b, a + 13, b - 10},   {w - 50, 15, w - 50, b - 10},
        {a + 13, 15, w - 50, 15}, {a + 13, b - 10, w - 50, b - 10},
    };
    for (const QLineF &line : lines)
        painter->drawLine(line.translated(o));
    if (withText)
        painter->drawText(r, Qt::AlignCenter, panel->baseName() + QChar(QChar::LineSeparator) + panel->modelName());
}

void GraphicsPlaceItemClampPanel::saveGeometry(DataStream &)
{
}

void GraphicsPlaceItemClampPanel::loadGeometry(DataStream &)
{
}

void GraphicsPlaceItemClampPanel::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    event->accept();
}

// ---------------------------------------------------------------------------
// GraphicsWiringClampPanel

GraphicsWiringClampPanel::GraphicsWiringClampPanel(GraphicsScene *scene, GraphicsItem *parent, ClampPanel *panel)
    : GraphicsWiringItemDevice(scene, parent, panel, panel ? panel->address() : nullptr)
{
}

QRectF GraphicsWiringClampPanel::boundingRect() const
{
    // All the picture may cover, whatever the strip (it may change while
    // the page stands): the wire-label cells, 600 wide, on both sides, and
    // beyond them the source names beside first labels as wide as their
    // cells; down to the lowest row of wires of a strip "50", 80 below its
    // last clamp, under the end of its body at twice the block height.
    const double cell = 600;
    const double left = -410 - (cell - 180);
    const double right = 970 + (cell - 180);
    const double lowest = clampStripTypes[Strip50].clampCount / 2 * strip50Pitch + 2 * panelRowStep;
    return QRectF(left, 0, right - left, std::max(lowest, 2 * blockSize.height())).adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsWiringClampPanel::saveGeometry(DataStream &)
{
}

void GraphicsWiringClampPanel::loadGeometry(DataStream &)
{
}

void GraphicsWiringClampPanel::draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool)
{
    ClampPanel *panel = panelOf(device());
    if (!painter || !panel || panel->modelIndex() < 0 || panel->stripType() < 0)
        return;
    const int strip = panel->stripType();
    painter->setPen(penBlack);
    painter->setBrush(Qt::NoBrush);
    if (hasFontSet())
        painter->setFont(font(4));
    const double bottom = blockSize.height() * (strip == Strip50 ? 2 : 1);
    painter->drawRect(QRectF(200, 40, 160, bottom - 40));
    if (hasFontSet())
        painter->drawText(QRectF(200, 0, 160, 40), Qt::AlignCenter,
                          panel->modelIndex() == BottomTopModel ? panel->name() : panel->baseName());

    const int count = panel->clampCount();
    // Each side hands its clamps whether the clamp before used its row
    // 80 below the dot.
    int flag[3] = {0, 1, 1};
    for (int i = 0; i < count; ++i) {
        const char *name = clampStripClampName(strip, i);
        int side = i % 2 ? 2 : 1;
        double y = 0;
        bool flagged = false;
        switch (strip) {
        case 0:
            y = i == 0 ? 240 : 1120;
            side = 1;
            break;
        case 1:
            y = i == 0 ? 240 : i == 1 ? 640 : 1120;
            break;
        case 2:
            y = (8 * (i / 2) + (side == 1 ? 4 : 6)) * panelRowStep;
            break;
        case 5:
            y = (4.43 * (i / 2) + 3) * panelRowStep;
            break;
        case StripPk:
        case 4:
            y = (i / 2 + 1) * 120.0;
            flagged = true;
            break;
        case Strip50:
            y = (i / 2 + 1) * strip50Pitch;
            flagged = true;
            break;
        case Strip30:
            y = ((count - 1 - i) / 2 + 1) * 82.68;
            flagged = true;
            break;
        default:
            // The strips "64" and "6" show no clamps.
            return;
        }
        GraphicsClamp *item = panel->clampItem(name);
        if (flagged)
            drawClampRow(painter, name, y, side, item, flag[side], 2, 2);
        else
            drawClampRow(painter, name, y, side, item, 3, 3, 2);
        WiringPin *first = item ? item->wiringPin(0) : nullptr;
        const int wires = first ? first->linkCount() : 0;
        flag[side] = wires == 4 || (wires == 3 && flag[side] == 0) ? 0 : 1;
    }
}

void GraphicsWiringClampPanel::drawClampRow(QPainter *painter, const char *clampName, double y, int side,
                                            GraphicsClamp *item, int upper, int lower, int minimum)
{
    if (!painter)
        return;
    const bool left = side == 1;
    const double s = left ? -1 : 1;
    const double dotX = left ? 240 : 320;
    const double e = dotX + 40 * s;
    const double cellLeft = left ? -410 : 370;
    const bool withText = hasFontSet();

    if (withText && clampName)
        painter->drawText(QRectF(240, y - 40, 80, 40), (left ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                          QString::fromLatin1(clampName));
    painter->setBrush(QBrush(painter->pen().color(), Qt::SolidPattern));
    painter->drawEllipse(QRectF(dotX - 5, y - 5, 10, 10));
    painter->setBrush(Qt::NoBrush);

    WiringPin *first = item ? item->wiringPin(0) : nullptr;
    const Address *from = first ? first->ownerAddress() : nullptr;
    const int wires = from ? first->linkCount() : 0;
    const int rows = std::max(wires, minimum);
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    const bool ua = project && project->language() != 0;
    const int wireAlignment = (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignBottom;

    QString firstLabel;
    QString pending;
    double d = 0;
    for (int i = 0; i < rows; ++i) {
        if (i % 2 == 0 && (upper > 0 || i == 0)) {
            d = -(i / 2) * panelRowStep;
            if (i != 0)
                --upper;
        } else if (lower > 0) {
            d = (i / 2 + 1) * panelRowStep;
            --lower;
        }
        const double rowY = y + d;
        if (i < wires && withText) {
            WiringPin *far = first->link(i);
            QString text;
            if (far) {
                const QString label = far->labelText(from, first);
                const QString section = GraphicsNet::sectionText(sectionOf(item, far), true, ua);
                text = section.isEmpty() ? label : left ? section + QLatin1Char(' ') + label
                                                        : label + QLatin1Char(' ') + section;
                if (i == 0 && !section.isEmpty())
                    firstLabel = text;
            }
            // Past the lower budget the labels share the last row.
            text = pending + text;
            if (lower == 0 && i < rows - 1) {
                pending = text + QLatin1Char(';');
            } else {
                pending.clear();
                painter->drawText(QRectF(cellLeft, rowY - 40, 600, 40), wireAlignment, text);
            }
        }
        const double reach = i == 0 ? 160 : 200;
        painter->drawLine(QLineF(dotX, y, e, rowY));
        painter->drawLine(QLineF(e, rowY, e + s * reach, rowY));
    }

    if (!item || !withText)
        return;
    // The source of the clamp's net, beside the first row.
    QList<GraphicsClamp *> joined;
    if (item->passage())
        joined.append(item);
    else
        collectJoinedClamps(item, nullptr, joined);
    QString source;
    for (GraphicsClamp *clamp : std::as_const(joined)) {
        for (int p = 0; p < clamp->pinCount() && source.isEmpty(); ++p) {
            bool ground = false;
            clamp->pin(p)->sourceName(&source, &ground);
            if (ground)
                source = QCoreApplication::translate("Ground", "GROUND");
        }
        if (!source.isEmpty())
            break;
    }
    if (source.isEmpty())
        return;
    const double w = firstLabel.isEmpty() ? 0 : QFontMetricsF(font(4)).horizontalAdvance(firstLabel);
    const double o = std::max(0.0, w - 180);
    if (left)
        painter->drawText(QRectF(-200 - o, y - 40, 200, 40), Qt::AlignRight | Qt::AlignVCenter, source);
    else
        painter->drawText(QRectF(560 + o, y - 40, 200, 40), Qt::AlignLeft | Qt::AlignVCenter, source);
}
