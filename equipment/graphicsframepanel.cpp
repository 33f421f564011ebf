#include "equipment/graphicsframepanel.h"

#include "equipment/frame.h"
#include "equipment/framelayout.h"
#include "equipment/panelcatalogue.h"
#include "equipment/placecatalogue.h"
#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/obj.h"
#include "model/project.h"
#include "schemes/graphicspowerbus.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

namespace {

// The one type whose panel shows its five sockets.
const int socketPanelType = 56;
// Files before this format hold no bus fields for nested panels.
const int nestedBusFormat = 10;

} // namespace

GraphicsFramePanel::GraphicsFramePanel(GraphicsScene *scene)
    : GraphicsPlaceContainer(scene, nullptr, ItemIsMovable | ItemIsSelectable)
{
}

GraphicsFramePanel::~GraphicsFramePanel()
{
    releaseWiring(false);
}

bool GraphicsFramePanel::setContainerType(int type)
{
    if (type == m_panelType)
        return panelTypeInfo(type) != nullptr;
    if (!CHECK(!staysInPlace()))
        return false;
    // The page and the bus belong to the old type: a bus the new type does
    // not allow must not stay.
    releaseWiring(true);
    m_panelType = type;
    const PanelTypeInfo *row = panelTypeInfo(type);
    if (!CHECK(row != nullptr))
        return false;
    const ContainerKindInfo *kind = containerKindInfo(row->containerKind);
    setZValue(kind && kind->raised ? 2 : 1);
    setContainerKind(row->containerKind);
    return true;
}

void GraphicsFramePanel::keepContainerType(int type)
{
    releaseWiring(true);
    m_panelType = type;
}

int GraphicsFramePanel::level() const
{
    const PanelTypeInfo *row = panelTypeInfo(m_panelType);
    if (!CHECK(row != nullptr))
        return 3;
    return row->level;
}

bool GraphicsFramePanel::isWiredPanel() const
{
    const PanelTypeInfo *row = panelTypeInfo(m_panelType);
    if (!CHECK(row != nullptr))
        return false;
    return row->level != 2;
}

void GraphicsFramePanel::draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp)
{
    GraphicsPlaceContainer::draw(painter, option, hideHelp);
    const ContainerKindInfo *kind = containerKindInfo(containerKind());
    if (!painter || !kind || m_panelType != socketPanelType)
        return;
    // The same pen as the outline; nothing while the outline is hidden.
    const bool selected = option && (option->state & QStyle::State_Selected);
    if (!selected && !kind->outline && hideHelp)
        return;
    painter->setPen(selected ? penBlue : kind->outline ? penBlack : penGreen);
    painter->setBrush(Qt::NoBrush);
    const double width = boundingRect().width();
    for (int i = 1; i <= 5; ++i)
        painter->drawEllipse(QRectF(i * width / 6, 0, 50, 50));
}

void GraphicsFramePanel::drawBusName(QPainter *painter, const QRectF &rect)
{
    if (!painter || !m_powerBus || !m_powerBus->obj() || !hasFontSet())
        return;
    const QFont former = painter->font();
    painter->setFont(font(3));
    drawTextInRect(this, painter, rect, Qt::AlignHCenter | Qt::AlignBottom, m_powerBus->obj()->name(), false);
    painter->setFont(former);
}

bool GraphicsFramePanel::createPowerBus(Obj *obj)
{
    const PanelTypeInfo *row = panelTypeInfo(m_panelType);
    if (!CHECK(!m_powerBus && row && row->powerBus) || !CHECK_PTR(obj))
        return false;
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    m_powerBus = createPanelPowerBus(project, this, address(), obj);
    if (!m_powerBus)
        return false;
    forgetFrameRecord();
    // A bus whose object is gone would name a freed object.
    m_busWatch = QObject::connect(project, &Project::objDelete, graphicsScene(), [this](Obj &gone) {
        if (m_powerBus && m_powerBus->obj() == &gone) {
            deletePowerBus();
            update();
        }
    });
    return true;
}

void GraphicsFramePanel::setWiringPage(GraphicsScene *page)
{
    if (page == m_wiringPage)
        return;
    deleteWiringPage();
    m_wiringPage = page;
}

GraphicsScene *GraphicsFramePanel::takeWiringPage()
{
    GraphicsScene *page = m_wiringPage;
    m_wiringPage = nullptr;
    return page;
}

void GraphicsFramePanel::releaseWiring(bool staying)
{
    // The drawings on the page wait for the next save in the layout, for
    // the page this panel gets then, or for none once the panel is gone.
    // A layout that goes takes the page along.
    if (FrameLayout *layout = FrameLayout::of(graphicsScene())) {
        if (!staying)
            layout->forgetLeftPageOwner(this);
        layout->keepLeftPage(takeWiringPage(), staying ? this : nullptr);
    }
    deleteWiringPage();
    deletePowerBus();
}

void GraphicsFramePanel::deleteWiringPage()
{
    delete m_wiringPage;
    m_wiringPage = nullptr;
}

void GraphicsFramePanel::forgetFrameRecord()
{
    FrameLayout *layout = frameLayout();
    if (Frame *frame = layout ? layout->frame() : nullptr)
        frame->forgetSavedRecord();
}

void GraphicsFramePanel::deletePowerBus()
{
    if (m_powerBus)
        forgetFrameRecord();
    QObject::disconnect(m_busWatch);
    delete m_powerBus;
    m_powerBus = nullptr;
}

void GraphicsFramePanel::saveData(DataStream &stream)
{
    GraphicsPlaceContainer::saveData(stream);
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    const bool hasBus = m_powerBus && project;
    stream << hasBus;
    if (hasBus)
        stream << project->identity(m_powerBus->obj());
}

void GraphicsFramePanel::loadData(DataStream &stream)
{
    GraphicsPlaceContainer::loadData(stream);
    m_pendingBus = 0;
    if (stream.status() != QDataStream::Ok || (stream.formatIndex() < nestedBusFormat && parentItem()))
        return;
    bool hasBus = false;
    stream >> hasBus;
    if (!hasBus)
        return;
    qint32 id = 0;
    stream >> id;
    if (stream.status() == QDataStream::Ok)
        m_pendingBus = id;
}

void GraphicsFramePanel::saveGeometry(DataStream &stream)
{
    if (m_powerBus)
        m_powerBus->savePins(stream);
    GraphicsPlaceContainer::saveGeometry(stream);
}

void GraphicsFramePanel::loadGeometry(DataStream &stream)
{
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    if (m_powerBus && project)
        m_powerBus->loadPins(stream, *project);
    GraphicsPlaceContainer::loadGeometry(stream);
}

bool GraphicsFramePanel::updatePlacePointer(const PlaceIndex &places)
{
    if (!GraphicsPlaceContainer::updatePlacePointer(places))
        return false;
    if (!m_pendingBus)
        return true;
    Project *project = graphicsScene() ? graphicsScene()->project() : nullptr;
    Obj *obj = project ? project->objByOldId(m_pendingBus) : nullptr;
    m_pendingBus = 0;
    if (!CHECK_PTR(obj))
        return false;
    return createPowerBus(obj);
}

GraphicsItem *createGraphicsFramePanel(GraphicsScene *scene)
{
    return new GraphicsFramePanel(scene);
}
