#include "devices/graphicsbottom.h"

#include "devices/clamp.h"
#include "devices/clampcatalogue.h"
#include "devices/graphicsclamp.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionGraphicsItem>

namespace {

const double bottomRowHeight = 40;
// The two columns of clamps.
const double rightColumn = 400;

bool isBottomPanel(const ClampPanel *panel)
{
    return panel && panel->modelIndex() == bottomClampPanelModel;
}

// One more place: the lowest place field that has room is raised.
void raisePlace(Address &address)
{
    if (address.field(4) < 10)
        address.setField(4, address.field(4) + 1);
    else if (address.field(3) < 10)
        address.setField(3, address.field(3) + 1);
    else if (address.field(2) < 5)
        address.setField(2, address.field(2) + 1);
    else
        address.setField(1, address.field(1) + 1);
}

} // namespace

GraphicsBottom::GraphicsBottom(GraphicsScene *scene)
    : GraphicsPins(scene, nullptr, CanMirrorHorizontal)
{
}

GraphicsBottom::~GraphicsBottom()
{
    if (ClampPanel *panel = m_panel) {
        m_panel = nullptr;
        panel->setBottom(nullptr);
        delete panel;
    }
}

void GraphicsBottom::setClampPanel(ClampPanel *panel)
{
    if (panel == m_panel)
        return;
    if (scene())
        prepareGeometryChange();
    if (m_panel && m_panel->bottom() == this)
        m_panel->setBottom(nullptr);
    m_panel = nullptr;
    if (!panel || !CHECK(isBottomPanel(panel)))
        return;
    m_panel = panel;
    panel->setBottom(this);
}

QList<GraphicsClamp *> GraphicsBottom::clamps() const
{
    QList<GraphicsClamp *> result;
    const QList<GraphicsItem *> children = childItems();
    for (GraphicsItem *child : children) {
        if (GraphicsClamp *clamp = graphicsClampCast(child))
            result.append(clamp);
    }
    return result;
}

void GraphicsBottom::createClamps()
{
    if (!CHECK(isBottomPanel(m_panel)))
        return;
    // Clamps left without their panel (it was deleted) take the new one.
    const QList<GraphicsClamp *> existing = clamps();
    for (GraphicsClamp *clamp : existing) {
        if (!clamp->obj())
            clamp->setClamp(clamp->clampIndex(), m_panel->name());
    }
    if (!existing.isEmpty())
        return;
    const int strip = m_panel->stripType();
    for (int i = 0; i < m_panel->clampCount(); ++i) {
        auto *clamp = new GraphicsClamp(graphicsScene(), this);
        clamp->setClamp(quint8(clampNameIndex(clampStripClampName(strip, i))), m_panel->name());
        CHECK(clamp->clampPanel() == m_panel);
        clamp->setPosQuiet(QPointF(i % 2 ? rightColumn : 0, (i / 2 + 3) * bottomRowHeight));
    }
}

QRectF GraphicsBottom::boundingRect() const
{
    // Asked while painting: a bottom without its panel is empty, quietly.
    if (!isBottomPanel(m_panel))
        return QRectF();
    const double height = (m_panel->clampCount() / 2 + 2.5) * bottomRowHeight;
    return QRectF(-7, 0, 10 * bottomRowHeight + pinSide, height).adjusted(-3.5, -3.5, 3.5, 3.5);
}

void GraphicsBottom::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    if (!painter || !isBottomPanel(m_panel))
        return;
    const bool selected = option && (option->state & QStyle::State_Selected);
    painter->setPen(selected ? penBlue : penBlack);
    const double h = (m_panel->clampCount() / 2 + 2.5) * bottomRowHeight;
    painter->drawLine(QLineF(120, 0, 120, h));
    painter->drawLine(QLineF(280, 0, 280, h));
    for (double y : {0.0, 40.0, 80.0, h})
        painter->drawLine(QLineF(120, y, 280, y));
    if (hasFontSet()) {
        painter->setFont(font(3));
        drawTextInRect(this, painter, QRectF(120, 0, 160, 40), Qt::AlignCenter, m_panel->name(), false);
        drawTextInRect(this, painter, QRectF(120, 40, 160, 40), Qt::AlignCenter, m_panel->modelName(), false);
    }
    if (!hideHelp)
        drawSelection(painter, option, nullptr);
}

void GraphicsBottom::saveData(DataStream &stream)
{
    GraphicsPins::saveData(stream);
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    const QList<GraphicsClamp *> rows = clamps();
    stream << (m_panel && CHECK_PTR(project) ? project->identity(static_cast<const Obj *>(m_panel)) : qint32(0))
           << qint32(rows.size());
    for (GraphicsClamp *clamp : rows)
        clamp->saveData(stream);
}

void GraphicsBottom::loadData(DataStream &stream)
{
    GraphicsPins::loadData(stream);
    qint32 id = 0;
    qint32 count = 0;
    stream >> id >> count;
    if (stream.status() != QDataStream::Ok)
        return;
    // No strip has more clamps than the list has names.
    if (count < 0 || count > clampNameCount || !clamps().isEmpty()) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    m_pendingPanel = id;
    for (qint32 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        auto *clamp = new GraphicsClamp(graphicsScene(), this);
        clamp->loadData(stream);
    }
}

void GraphicsBottom::saveGeometry(DataStream &stream)
{
    GraphicsItem::saveGeometry(stream);
    const QList<GraphicsClamp *> rows = clamps();
    for (GraphicsClamp *clamp : rows)
        clamp->saveGeometry(stream);
}

void GraphicsBottom::loadGeometry(DataStream &stream)
{
    GraphicsItem::loadGeometry(stream);
    const QList<GraphicsClamp *> rows = clamps();
    for (GraphicsClamp *clamp : rows)
        clamp->loadGeometry(stream);
}

void GraphicsBottom::saveClipboardData(DataStream &stream)
{
    saveData(stream);
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    if (!CHECK_PTR(project))
        return;
    stream << (m_panel ? m_panel->name() : QString());
    if (m_panel) {
        m_panel->writeData(stream);
    } else {
        ClampPanel none(project);
        none.writeData(stream);
    }
}

void GraphicsBottom::loadClipboardData(DataStream &stream)
{
    loadData(stream);
    const QList<GraphicsClamp *> rows = clamps();
    for (GraphicsClamp *clamp : rows)
        clamp->markPasted();
    QString name;
    stream >> name;
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    if (stream.status() != QDataStream::Ok || !CHECK_PTR(project))
        return;
    auto *panel = dynamic_cast<ClampPanel *>(project->createDevice(ClampPanelKind));
    if (!CHECK_PTR(panel)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    panel->readData(stream);
    const int strip = panel->stripType();
    if (stream.status() != QDataStream::Ok || strip < 0) {
        delete panel;
        if (stream.status() == QDataStream::Ok)
            stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    // The copy gets a panel of its own, at the next free address.
    while (!name.isEmpty() && project->findObj(ClampPanelKind, name)) {
        bool ok = false;
        Address address = parseClampPanelName(name, nullptr, &ok, nullptr);
        if (!CHECK(ok) || address.field(1) == 255)
            break;
        raisePlace(address);
        name = address.toString(1);
    }
    if (name.isEmpty() || project->findObj(ClampPanelKind, name) || m_pendingPanel == 0) {
        // The bottom stays without a panel.
        delete panel;
        m_pendingPanel = 0;
        return;
    }
    panel->setModelAndStripType(bottomClampPanelModel, strip);
    panel->setName(name);
    // An identity that another record of the paste holds: damaged data.
    if (!project->registerOldId(m_pendingPanel, panel))
        stream.setStatus(QDataStream::ReadCorruptData);
}

bool GraphicsBottom::resolveLinks()
{
    const qint32 id = m_pendingPanel;
    m_pendingPanel = 0;
    // A bottom whose panel was deleted was saved without one.
    if (id != 0) {
        Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
        auto *panel = project ? dynamic_cast<ClampPanel *>(project->objByOldId(id)) : nullptr;
        if (!CHECK_PTR(panel))
            return false;
        setClampPanel(panel);
    }
    const QList<GraphicsItem *> children = childItems();
    for (GraphicsItem *child : children) {
        GraphicsClamp *clamp = graphicsClampCast(child);
        if (!CHECK(clamp && clamp->resolveLinks()))
            return false;
    }
    return true;
}

void GraphicsBottom::check(QTreeWidget *results, int code)
{
    GraphicsPins::check(results, code);
    const QList<GraphicsClamp *> rows = clamps();
    for (GraphicsClamp *clamp : rows)
        clamp->check(results, code);
}

void GraphicsBottom::createPins(int)
{
    // The pins are the clamps'.
    CHECK(false);
}

void GraphicsBottom::collectNetPins(Pin *, QList<Pin *> &)
{
}

void GraphicsBottom::collectNet(Pin *, QList<Pin *> &, QList<GraphicsUnite *> *, int)
{
}

void GraphicsBottom::updateNetLinks(Pin *, QList<Pin *> &)
{
}

GraphicsItem *createGraphicsBottom(GraphicsScene *scene)
{
    return new GraphicsBottom(scene);
}
