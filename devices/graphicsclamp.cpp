#include "devices/graphicsclamp.h"

#include "devices/clamp.h"
#include "devices/clampcatalogue.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/displayflags.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/graphicspassage.h"

#include <QFontMetricsF>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <cstring>

namespace {

// The format that added the external-part flag.
const int externalPartFormat = 2;
const double clampMinimumWidth = 80;
const double bottomRowWidth = 160;
// Wires one clamp takes before the panel is known.
const int defaultWires = 4;

// The position of a clamp name in the common list; -1, quietly, for a
// text that names no clamp (typed by the user).
int nameIndexOf(const QString &text)
{
    const QByteArray wanted = text.toLatin1();
    for (int i = 0; i < clampNameCount; ++i) {
        if (wanted == clampNameList[i])
            return i;
    }
    return -1;
}

} // namespace

GraphicsClamp::GraphicsClamp(GraphicsScene *scene, GraphicsItem *parent)
    : GraphicsDevice(scene, BindShared, parent, CanRotate | CanMirrorHorizontal | CanMirrorVertical)
{
    createPins(4);
    for (int i = 0; i < pinCount(); ++i) {
        wiringPin(i)->moveCenter(QPointF(0, 0));
        wiringPin(i)->setLinkCapacity(i == 0 ? defaultWires : 0);
    }
    if (parent) {
        // A row of a bottom moves, turns and mirrors with it.
        setFlag(ItemIsMovable, false);
        setFlag(ItemIsSelectable, false);
        setTextWidth(bottomRowWidth);
    }
    setZValue(3);
    updatePinNames();
    updateFromObj();
}

GraphicsClamp::~GraphicsClamp()
{
    if (m_passage)
        m_passage->forgetClamp(this);
}

ClampPanel *GraphicsClamp::clampPanel() const
{
    return dynamic_cast<ClampPanel *>(obj());
}

const char *GraphicsClamp::clampName() const
{
    return clampNameAt(m_clampIndex);
}

bool GraphicsClamp::rowToTheRight() const
{
    ClampPanel *panel = clampPanel();
    const int position = panel ? panel->positionOf(clampName()) : 0;
    return (position <= 0 || position % 2 == 0) != isMirrored();
}

QRectF GraphicsClamp::boundingRect() const
{
    const double w = textWidth();
    const double p = pinSide;
    QRectF box;
    if (parentItem()) {
        box = rowToTheRight() ? QRectF(-p / 2, -40, w + p / 2, 40 + p / 2) : QRectF(-w, -40, w + p / 2, 40 + p / 2);
    } else if (m_passage) {
        box = QRectF(-p / 2, -20, p + w + 5, 40);
    } else {
        // The full label stands 10 higher than the short one.
        const double gap = m_showExternalPart || !obj() ? 10 : 0;
        box = m_symmetryView ? QRectF(-w / 2, -40 - gap, w, 40 + gap + p / 2)
                             : QRectF(-p / 2, -40 - gap, p + w, 40 + gap + p / 2);
    }
    return box.adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsClamp::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    if (hasFontSet())
        painter->setFont(font(showBigDeviceNames ? 4 : 3));
    if (parentItem())
        drawBottomRow(painter, option, hideHelp);
    else
        drawFree(painter, option, hideHelp);
}

void GraphicsClamp::drawFree(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    const bool bound = obj() != nullptr;
    const QPen &pen = itemPen(option);
    painter->setPen(pen);
    const double w = textWidth();
    const double p = pinSide;
    const bool withText = hasFontSet();

    if (m_passage) {
        if (withText)
            drawTextInRect(this, painter, QRectF(p / 2 + 5, -20, w, 40), Qt::AlignLeft | Qt::AlignVCenter,
                           clampText(true), false);
    } else {
        const bool full = m_showExternalPart || !bound;
        const double gap = full ? 10 : 0;
        if (withText)
            drawTextInRect(this, painter, QRectF(m_symmetryView ? -w / 2 : p / 2, -40 - gap, w, 40),
                           Qt::AlignHCenter | Qt::AlignBottom, clampText(full), false);
        if (!full && hideHelp)
            return;
        // Without the external part the dot is only a help mark.
        const QPen &dotPen = !full && &pen == &penBlack ? penGreen : pen;
        painter->setPen(dotPen);
        painter->setBrush(QBrush(dotPen.color(), Qt::SolidPattern));
        painter->drawEllipse(QRectF(-10, -10, 20, 20));
        painter->setBrush(Qt::NoBrush);
        painter->setPen(pen);
    }
    if (!hideHelp) {
        drawSelection(painter, option, nullptr);
        drawWireMarks(painter);
    }
}

void GraphicsClamp::drawBottomRow(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    const QPen &pen = itemPen(option);
    painter->setPen(pen);
    const double w = textWidth();
    WiringPin *first = wiringPin(0);

    // The far ends of the wires on pin 0, as seen from the panel.
    QString wires;
    const Address *from = address();
    if (first && from) {
        QStringList labels;
        for (int i = 0; i < first->linkCount(); ++i) {
            if (WiringPin *far = first->link(i))
                labels << far->labelText(from, first);
        }
        wires = labels.join(QLatin1Char(';'));
    }
    const QString name = QString::fromLatin1(clampName());
    const bool withText = hasFontSet();
    if (rowToTheRight()) {
        painter->drawLine(QLineF(0, 0, w, 0));
        if (withText) {
            drawTextInRect(this, painter, QRectF(w - 40, -40, 40, 40), Qt::AlignRight | Qt::AlignVCenter, name, false);
            drawTextInRect(this, painter, QRectF(-120, -40, w + 75, 40), Qt::AlignRight | Qt::AlignVCenter, wires,
                           false);
        }
    } else {
        painter->drawLine(QLineF(0, 0, -w, 0));
        if (withText) {
            drawTextInRect(this, painter, QRectF(-w, -40, 40, 40), Qt::AlignLeft | Qt::AlignVCenter, name, false);
            drawTextInRect(this, painter, QRectF(45 - w, -40, w + 75, 40), Qt::AlignLeft | Qt::AlignVCenter, wires,
                           false);
        }
    }
    if (hideHelp)
        return;
    painter->setPen(penGreen);
    if (first && first->isFree() && first->center() != noPosition) {
        painter->setBrush(first->contactFlag() ? QBrush(Qt::red, Qt::SolidPattern) : QBrush(Qt::NoBrush));
        painter->drawRect(*first);
        painter->setBrush(Qt::NoBrush);
    }
    drawWireMarks(painter);
}

void GraphicsClamp::saveData(DataStream &stream)
{
    GraphicsDevice::saveData(stream);
    Project *project = sceneProject();
    const qint32 passage = m_passage && project ? project->identity(m_passage, Project::PassageIdentities) : 0;
    stream << m_clampIndex << passage << m_symmetryView << m_showExternalPart;
}

void GraphicsClamp::loadData(DataStream &stream)
{
    GraphicsDevice::loadData(stream);
    quint8 index = 0;
    qint32 passage = 0;
    bool symmetry = true;
    bool external = true;
    stream >> index >> passage >> symmetry;
    if (stream.formatIndex() >= externalPartFormat)
        stream >> external;
    if (stream.status() != QDataStream::Ok)
        return;
    if (index >= clampNameCount) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    m_clampIndex = index;
    m_pendingPassage = passage;
    m_symmetryView = symmetry;
    m_showExternalPart = external;
    updatePinNames();
}

void GraphicsClamp::loadClipboardData(DataStream &stream)
{
    loadData(stream);
    bool bound = false;
    stream >> bound;
    if (stream.status() != QDataStream::Ok || !bound)
        return;
    QString name;
    stream >> name;
    Project *project = sceneProject();
    if (stream.status() != QDataStream::Ok || !CHECK_PTR(project))
        return;
    // The copied panel's fields are read past; the panel is not made.
    ClampPanel copied(project);
    copied.readData(stream);
    if (stream.status() != QDataStream::Ok)
        return;
    setOwnName(name);
    m_pasted = true;
    m_passageOptional = true;
}

void GraphicsClamp::loadGeometry(DataStream &stream)
{
    GraphicsObjItem::loadGeometry(stream);
    // An unbound clamp names its pins after its own name.
    if (!obj()) {
        updatePinNames();
        updateFromObj();
    }
}

bool GraphicsClamp::resolveLinks()
{
    bool ok = true;
    if (m_pasted) {
        m_pasted = false;
        bindByName();
        updatePinNames();
        updateFromObj();
    } else {
        ok = GraphicsDevice::resolveLinks();
    }
    const qint32 id = m_pendingPassage;
    const bool optional = m_passageOptional;
    m_pendingPassage = 0;
    m_passageOptional = false;
    // Identity 0: a free clamp.
    if (id == 0)
        return ok;
    Project *project = sceneProject();
    auto *passage = dynamic_cast<GraphicsPassage *>(project ? project->itemByOldId(id, graphicsScene()) : nullptr);
    if (!passage)
        return optional && ok;
    if (passage != m_passage)
        passage->addClamp(this);
    return ok;
}

void GraphicsClamp::collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *, int)
{
    if (!CHECK(ownsPin(entry)))
        return;
    allPins(pins);
}

Pin *GraphicsClamp::freePinAt(const QRectF &sceneRect, Pin *asking)
{
    Pin *found = GraphicsDevice::freePinAt(sceneRect, asking);
    if (!found || !asking)
        return found;
    // A net already on this clamp is not joined to it a second time.
    for (int i = 0; i < pinCount(); ++i) {
        Pin *own = pin(i);
        Pin *partner = own ? own->partner() : nullptr;
        PinOwner *other = partner ? partner->owner() : nullptr;
        if (own != found && other && other->isConnected(asking, partner))
            return nullptr;
    }
    return found;
}

bool GraphicsClamp::isConnected(Pin *target, Pin *entry)
{
    return ownsPin(target) && target != entry;
}

PinOwner *GraphicsClamp::linkedItem()
{
    return m_passage;
}

void GraphicsClamp::mirror(bool withHalfTurn)
{
    prepareGeometryChange();
    GraphicsDevice::mirror(withHalfTurn);
}

void GraphicsClamp::updatePinNames()
{
    WiringPin *first = wiringPin(0);
    if (!first)
        return;
    const char *name = clampName();
    CHECK_PTR(name);
    first->setName(name);
}

Obj *GraphicsClamp::makeUniqueName()
{
    Project *project = sceneProject();
    return project ? project->findObj(ClampPanelKind, ownName()) : nullptr;
}

void GraphicsClamp::setWireCapacity()
{
    ClampPanel *panel = clampPanel();
    WiringPin *first = wiringPin(0);
    if (!panel || !first)
        return;
    const int strip = panel->stripType();
    first->setLinkCapacity(strip >= 0 ? clampStripTypes[strip].maxWires : 0);
}

bool GraphicsClamp::bindByName()
{
    if (obj() || ownName().isEmpty())
        return false;
    // A panel without a strip type takes no clamp and no wire: the clamp
    // stays unbound, drawn red, without a box.
    auto *panel = dynamic_cast<ClampPanel *>(makeUniqueName());
    if (!panel)
        return false;
    if (panel->stripType() < 0) {
        if (WiringPin *first = wiringPin(0))
            first->setLinkCapacity(0);
        return false;
    }
    const bool bound = GraphicsDevice::bindByName();
    setWireCapacity();
    return bound;
}

void GraphicsClamp::updateFromObj()
{
    double width = bottomRowWidth;
    if (!parentItem()) {
        if (!hasFontSet())
            return;
        width = qMax(QFontMetricsF(font(showBigDeviceNames ? 4 : 3)).horizontalAdvance(clampText(true)), clampMinimumWidth);
    }
    if (width == textWidth())
        return;
    prepareGeometryChange();
    setTextWidth(width);
    update();
}

int GraphicsClamp::renamedPanelModel(quint8 index, const QString &panelName) const
{
    ClampPanel *panel = clampPanel();
    Project *project = sceneProject();
    if (!panel || panelName == panel->name() || panel->bottom() || panel->items().size() != 1 || !project
        || project->findObj(ClampPanelKind, panelName))
        return -1;
    bool ok = false;
    int model = -1;
    parseClampPanelName(panelName, nullptr, &ok, &model);
    if (!ok || model == bottomClampPanelModel)
        return -1;
    const ClampPanelModel &row = clampPanelModels[model];
    const int *end = row.stripTypes + row.stripTypeCount;
    const bool fits = std::find(row.stripTypes, end, panel->stripType()) != end;
    return fits && panel->positionOf(clampNameAt(index)) >= 0 ? model : -1;
}

void GraphicsClamp::setClamp(quint8 index, const QString &panelName)
{
    if (!CHECK(index < clampNameCount))
        return;
    ClampPanel *panel = clampPanel();
    const int renamedModel = renamedPanelModel(index, panelName);
    if (renamedModel >= 0) {
        // The panel's only clamp renamed to a free address takes the panel
        // along: the panel is renamed, its model following the address.
        if (renamedModel != panel->modelIndex())
            panel->setModelAndStripType(renamedModel, panel->stripType());
    } else if (panel && (index != m_clampIndex || panelName != panel->name())) {
        // Otherwise the clamp leaves its panel and binds to the panel of
        // the new name, which decides whether it takes this clamp.
        detachObj(false);
    }
    m_clampIndex = index;
    updatePinNames();
    setName(panelName);
    updateFromObj();
    update();
    if (m_passage)
        m_passage->clampChanged();
}

void GraphicsClamp::setClampName(const QString &text)
{
    if (!CHECK(!text.isEmpty()))
        return;
    QString panelPart = text;
    int index = 0;
    QString left;
    QString right;
    if (splitAtLastSeparator(text, left, right) && !left.isEmpty() && !right.isEmpty()) {
        // A clamp part that names no clamp belongs to the panel's name.
        const int named = nameIndexOf(right);
        if (named >= 0) {
            panelPart = left;
            index = named;
        }
    }
    bool ok = false;
    const Address address = parseClampPanelName(panelPart, nullptr, &ok, nullptr);
    if (ok) {
        panelPart = address.toString(1);
        if (address.number(1) == 0)
            index = 0;
    } else {
        index = 0;
    }
    setClamp(quint8(index), panelPart);
}

QString GraphicsClamp::clampText(bool full) const
{
    auto *self = const_cast<GraphicsClamp *>(this);
    WiringPin *first = self->wiringPin(0);
    const QString panel = name();
    if (!first || !first->name())
        return panel;
    if (full)
        return joinName(panel, first->name());
    bool ok = false;
    int model = -1;
    parseClampPanelName(panel, nullptr, &ok, &model);
    if (!ok)
        return panel;
    // From the last character of the frame kind's prefix on.
    const QString prefix = Address::frameKindPrefix(clampPanelModels[model].frameKind);
    const int at = prefix.isEmpty() ? -1 : int(panel.indexOf(prefix));
    return joinName(at < 0 ? panel : panel.mid(at + prefix.size() - 1), first->name());
}

GraphicsItem *GraphicsClamp::standsIn() const
{
    if (m_passage)
        return m_passage;
    return GraphicsItem::standsIn();
}

void GraphicsClamp::setPassage(GraphicsPassage *passage)
{
    if (passage == m_passage)
        return;
    if (scene())
        prepareGeometryChange();
    m_passage = passage;
    if (passage) {
        // The passage's table places the clamp.
        setFlag(ItemIsMovable, false);
        setFlag(ItemIsSelectable, false);
    }
    update();
}

void GraphicsClamp::setSymmetryView(bool on)
{
    if (on == m_symmetryView)
        return;
    prepareGeometryChange();
    m_symmetryView = on;
}

void GraphicsClamp::setShowExternalPart(bool on)
{
    if (on == m_showExternalPart)
        return;
    prepareGeometryChange();
    m_showExternalPart = on;
}

bool GraphicsClamp::isOutsideSideAndBottomPanels() const
{
    bool ok = false;
    int model = -1;
    parseClampPanelName(name(), nullptr, &ok, &model);
    if (!CHECK(ok))
        return false;
    return model != 1 && model != bottomClampPanelModel;
}

void GraphicsClamp::mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event)
{
    auto *bottom = dynamic_cast<GraphicsItem *>(parentItem());
    if (!bottom) {
        GraphicsDevice::mouseDoubleClickEvent(event);
        return;
    }
    bottom->showDialog();
    event->accept();
}

GraphicsClamp *graphicsClampCast(GraphicsItem *item)
{
    return item && item->type() == GraphicsClamp::Type ? dynamic_cast<GraphicsClamp *>(item) : nullptr;
}

GraphicsPins *pairedClampOf(GraphicsPins *clamp)
{
    GraphicsClamp *item = graphicsClampCast(clamp);
    ClampPanel *panel = item ? item->clampPanel() : nullptr;
    return panel ? panel->pairedClamp(item) : nullptr;
}

GraphicsItem *createGraphicsClamp(GraphicsScene *scene)
{
    return new GraphicsClamp(scene);
}
