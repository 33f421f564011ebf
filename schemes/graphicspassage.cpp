#include "schemes/graphicspassage.h"

#include "devices/clamp.h"
#include "devices/clampcatalogue.h"
#include "devices/graphicsclamp.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/netwalk.h"
#include "model/project.h"
#include "schemes/scheme.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

GraphicsPassage::GraphicsPassage(GraphicsScene *scene)
    : GraphicsNode(scene)
{
    // The walks go on to the clamps carried.
    letWalksThrough(false);
}

GraphicsPassage::~GraphicsPassage()
{
    while (!m_clamps.isEmpty()) {
        GraphicsClamp *clamp = m_clamps.takeFirst();
        if (CHECK_PTR(clamp))
            clamp->setPassage(nullptr);
    }
}

Scheme *GraphicsPassage::scheme() const
{
    return dynamic_cast<Scheme *>(graphicsScene());
}

QRectF GraphicsPassage::boundingRect() const
{
    // The dot's square stretched up to the number's cell.
    return QRectF(-10.5, -43.5, 54, 54);
}

void GraphicsPassage::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter)
        return;
    const QPen &pen = hideHelp ? penBlack : penBlue;
    painter->setPen(pen);
    // A passage not (or no longer) on its sheet's list has no number.
    const Scheme *sheet = scheme();
    const int index = sheet ? sheet->passageIndex(this) : -1;
    if (index >= 0 && hasFontSet()) {
        QFont bold = font(3);
        bold.setBold(true);
        painter->setFont(bold);
        drawTextInRect(this, painter, QRectF(0, -40, 40, 40), Qt::AlignCenter, QString::number(index + 1), false);
    }
    painter->setBrush(QBrush(pen.color(), Qt::SolidPattern));
    painter->drawEllipse(QRectF(-10, -10, 20, 20));
    painter->setBrush(Qt::NoBrush);
    if (!hideHelp)
        drawSelection(painter, option, nullptr);
}

void GraphicsPassage::saveData(DataStream &stream)
{
    GraphicsNode::saveData(stream);
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    stream << (CHECK_PTR(project) ? project->identity(this, Project::PassageIdentities) : qint32(0));
}

void GraphicsPassage::loadData(DataStream &stream)
{
    GraphicsNode::loadData(stream);
    qint32 id = 0;
    stream >> id;
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    if (stream.status() == QDataStream::Ok && id != 0 && CHECK_PTR(project)) {
        project->registerOldItem(id, this);
        project->keepIdentity(this, id, Project::PassageIdentities);
    }
}

void GraphicsPassage::collectNetPins(Pin *entry, QList<Pin *> &pins)
{
    NetWalk walk(NetWalk::CollectPins, entry);
    if (!walk.enter(walkMarks(1)))
        return;
    // On as a node, then into each clamp the passage carries.
    if (walk.enter(walkMarks(0)))
        handOnBeyond(walk, entry);
    for (GraphicsClamp *clamp : std::as_const(m_clamps)) {
        if (clamp)
            walk.handOn(clamp, clamp->pin(0));
    }
    runCollectPins(walk, pins);
}

void GraphicsPassage::collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n)
{
    NetWalk walk(NetWalk::Collect, entry);
    if (!walk.enter(walkMarks(1)))
        return;
    if (walk.enter(walkMarks(0)))
        handOnCollecting(walk, entry, items);
    for (GraphicsClamp *clamp : std::as_const(m_clamps)) {
        if (clamp)
            walk.handOn(clamp, clamp->pin(0));
    }
    runCollect(walk, pins, items, n);
}

void GraphicsPassage::addClamp(GraphicsClamp *clamp)
{
    if (!CHECK_PTR(clamp) || !CHECK(!m_clamps.contains(clamp)))
        return;
    if (GraphicsPassage *former = clamp->passage())
        former->removeClamp(clamp);
    m_clamps.append(clamp);
    clamp->setPassage(this);
}

void GraphicsPassage::removeClamp(GraphicsClamp *clamp)
{
    if (m_clamps.removeAll(clamp) > 0 && clamp)
        clamp->setPassage(nullptr);
}

void GraphicsPassage::forgetClamp(GraphicsClamp *clamp)
{
    m_clamps.removeAll(clamp);
}

void GraphicsPassage::clampChanged()
{
    if (Scheme *sheet = scheme())
        sheet->notifyItem(this);
}

bool GraphicsPassage::isBottomPanelClamp(const GraphicsClamp *clamp)
{
    const ClampPanel *panel = clamp ? clamp->clampPanel() : nullptr;
    return panel && panel->modelIndex() == bottomClampPanelModel;
}

GraphicsItem *GraphicsPassage::clampItem(int index) const
{
    return index >= 0 && index < m_clamps.size() ? m_clamps[index] : nullptr;
}

bool GraphicsPassage::isBottomClamp(int index) const
{
    return isBottomPanelClamp(static_cast<GraphicsClamp *>(clampItem(index)));
}

QString GraphicsPassage::clampLabel(int index) const
{
    const auto *clamp = static_cast<GraphicsClamp *>(clampItem(index));
    return clamp ? clamp->clampText(true) : QString();
}

void GraphicsPassage::releaseClamps()
{
    GraphicsScene *sheet = graphicsScene();
    while (!m_clamps.isEmpty()) {
        GraphicsClamp *clamp = m_clamps.takeLast();
        if (!clamp)
            continue;
        clamp->setPassage(nullptr);
        // A bottom's clamp stays with its bottom.
        if (!isBottomPanelClamp(clamp) && sheet && !clamp->parentItem())
            sheet->removeGraphicsItem(clamp);
    }
}

GraphicsItem *createGraphicsPassage(GraphicsScene *scene)
{
    return new GraphicsPassage(scene);
}
