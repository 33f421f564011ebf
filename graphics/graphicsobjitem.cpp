#include "graphics/graphicsobjitem.h"

#include "graphics/font.h"
#include "graphics/graphicsscene.h"
#include "graphics/itemshared.h"
#include "model/check.h"
#include "model/checkmessage.h"
#include "model/datastream.h"
#include "model/project.h"

namespace {

// Items that carry an object of their own (relay windings).
const int firstCarryingType = QGraphicsItem::UserType + 301;
const int endCarryingType = QGraphicsItem::UserType + 400;

} // namespace

GraphicsObjItem::GraphicsObjItem(GraphicsScene *scene, int bindMode, GraphicsItem *parent, int itemFlags)
    : GraphicsPins(scene, parent, itemFlags)
    , m_bindMode(bindMode)
{
}

GraphicsObjItem::~GraphicsObjItem()
{
    detachObj(true);
}

void GraphicsObjItem::setBoundObj(Obj *obj)
{
    // An item that loses its object is drawn unbound at once, unless its
    // project is closing.
    if (!obj && m_obj) {
        if (const Project *project = sceneProject(); project && !project->isClosing())
            update();
    }
    m_obj = obj;
    if (obj && !obj->name().isEmpty())
        m_name = obj->name();
}

void GraphicsObjItem::setOwnName(const QString &name)
{
    m_name = name;
    update();
}

void GraphicsObjItem::setDocumentModified()
{
    if (GraphicsScene *scene = graphicsScene())
        scene->setModified(true);
}

void GraphicsObjItem::updatePinNames()
{
    GraphicsPins::updatePinNames();
}

Project *GraphicsObjItem::sceneProject() const
{
    GraphicsScene *scene = graphicsScene();
    return scene ? scene->project() : nullptr;
}

bool GraphicsObjItem::ownsPin(const Pin *pin) const
{
    if (!pin)
        return false;
    auto *self = const_cast<GraphicsObjItem *>(this);
    for (int i = 0; i < pinCount(); ++i) {
        if (self->pin(i) == pin)
            return true;
    }
    return false;
}

Obj *GraphicsObjItem::carriedObj()
{
    return nullptr;
}

QString GraphicsObjItem::name() const
{
    return m_obj ? m_obj->name() : m_name;
}

bool GraphicsObjItem::bindByName()
{
    if (m_obj || m_name.isEmpty())
        return false;
    Project *project = sceneProject();
    Obj *found = project ? project->findObj(objType(), m_name) : nullptr;
    if (!found)
        return false;
    return found->appendItem(this);
}

Obj *GraphicsObjItem::makeUniqueName()
{
    Project *project = sceneProject();
    if (!CHECK_PTR(project))
        return nullptr;
    Obj *found = project->findObj(objType(), m_name);
    while (found && !takesItem(found)) {
        m_name += uniqueMark;
        found = project->findObj(objType(), m_name);
    }
    return found;
}

bool GraphicsObjItem::takesItem(Obj *found)
{
    const Project *project = sceneProject();
    return found->canAppend(this) && !(project && project->standsForOtherId(found, m_pendingId));
}

void GraphicsObjItem::updateFromObj()
{
}

QString GraphicsObjItem::documentName() const
{
    return graphicsScene() ? graphicsScene()->displayName() : QString();
}

double GraphicsObjItem::textWidth() const
{
    if (m_widthPending && hasFontSet()) {
        const GraphicsScene *sheet = graphicsScene();
        // The change was announced when the reading ended.
        if (!sheet || !sheet->isReadingItems()) {
            m_widthPending = false;
            m_textWidth = measureTextWidth();
        }
    }
    return m_textWidth;
}

void GraphicsObjItem::setTextWidth(double width)
{
    m_textWidth = width;
    m_widthPending = false;
}

double GraphicsObjItem::measureTextWidth() const
{
    return m_textWidth;
}

void GraphicsObjItem::refreshTextWidth(bool announceAlways)
{
    GraphicsScene *sheet = graphicsScene();
    if (sheet && sheet->isReadingItems() && hasFontSet()) {
        if (!m_widthPending && !m_extentPending)
            sheet->measureAfterReading(this);
        m_widthPending = true;
        return;
    }
    applyTextWidth(announceAlways);
}

void GraphicsObjItem::measureExtent()
{
}

void GraphicsObjItem::refreshExtent()
{
    GraphicsScene *sheet = graphicsScene();
    if (sheet && sheet->isReadingItems() && hasFontSet()) {
        if (!m_widthPending && !m_extentPending)
            sheet->measureAfterReading(this);
        m_extentPending = true;
        return;
    }
    prepareGeometryChange();
    m_extentPending = false;
    measureExtent();
    update();
}

void GraphicsObjItem::settlePendingExtent() const
{
    const GraphicsScene *sheet = graphicsScene();
    // The change was announced when the reading ended.
    if (sheet && sheet->isReadingItems())
        return;
    m_extentPending = false;
    const_cast<GraphicsObjItem *>(this)->measureExtent();
}

void GraphicsObjItem::applyTextWidth(bool announceAlways)
{
    m_widthPending = false;
    const double width = measureTextWidth();
    if (width == m_textWidth && !announceAlways)
        return;
    prepareGeometryChange();
    m_textWidth = width;
    update();
}

void GraphicsObjItem::extentRead()
{
    if (m_widthPending || m_extentPending)
        prepareGeometryChange();
}

QVariant GraphicsObjItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemTransformChange && m_widthPending && hasFontSet())
        applyTextWidth(false);
    if (change == ItemTransformChange && m_extentPending) {
        // Measured as it stood before the turn, as an immediate measure
        // would have been.
        m_extentPending = false;
        measureExtent();
    }
    return GraphicsPins::itemChange(change, value);
}

void GraphicsObjItem::bindAndRefresh()
{
    bindByName();
    updatePinNames();
    updateFromObj();
}

void GraphicsObjItem::setName(const QString &name)
{
    const bool changed = name != m_name;
    m_name = name;

    if (!m_obj) {
        // An item that owns its object gets one from its dialog, never by
        // its name alone.
        if (!CHECK(m_bindMode != BindOwned))
            return;
        bindAndRefresh();
        return;
    }
    if (m_bindMode == BindByName) {
        detachObj(true);
        bindAndRefresh();
        return;
    }
    Project *project = sceneProject();
    if (!CHECK_PTR(project))
        return;
    Obj *named = project->findObj(objType(), name);
    if (m_bindMode == BindShared && (m_obj->items().size() > 1 || (named && named != m_obj))) {
        // A shared object keeps its name for the other items; the item
        // joins the object of the new name when there is one.
        detachObj(true);
        bindAndRefresh();
        return;
    }
    if (m_obj->name() != name) {
        // The name belongs to another object: the item keeps its object's
        // name, as a bound item always does.
        if (m_bindMode == BindOwned && !CHECK(named == nullptr)) {
            m_name = m_obj->name();
            return;
        }
        m_obj->setName(name);
    }
    if (!changed)
        return;
    updatePinNames();
    updateFromObj();
}

void GraphicsObjItem::detachObj(bool deleteAlone)
{
    Obj *obj = m_obj;
    if (!obj)
        return;
    // In a closing project an indexed object is left to the project, which
    // deletes what its index holds at the end in one go, without looking
    // each one up to take it out.
    if (obj->removeItem(this) && deleteAlone && m_bindMode != BindByName && obj->items().isEmpty()
        && !(obj->isIndexed() && obj->project() && obj->project()->isClosing()))
        delete obj;
    m_obj = nullptr;
    setDocumentModified();
}

void GraphicsObjItem::rebindByName()
{
    if (!CHECK(m_obj == nullptr))
        return;
    if (!bindByName())
        return;
    updatePinNames();
    updateFromObj();
    updateInViews();
}

void GraphicsObjItem::saveData(DataStream &stream)
{
    GraphicsPins::saveData(stream);
    Project *project = sceneProject();
    const qint32 id = m_obj && CHECK_PTR(project) ? project->identity(m_obj) : 0;
    stream << id;
    if (id == 0)
        stream << m_name;
}

void GraphicsObjItem::loadData(DataStream &stream)
{
    GraphicsPins::loadData(stream);
    qint32 id = 0;
    stream >> id;
    m_pendingId = stream.status() == QDataStream::Ok ? id : 0;
    if (id == 0)
        stream >> m_name;
}

void GraphicsObjItem::saveClipboardData(DataStream &stream)
{
    saveData(stream);
    const bool bound = m_obj != nullptr;
    stream << bound;
    if (!bound)
        return;
    stream << m_name;
    if (m_bindMode != BindByName)
        m_obj->writeData(stream);
}

void GraphicsObjItem::loadClipboardData(DataStream &stream)
{
    loadData(stream);
    bool bound = false;
    stream >> bound;
    if (stream.status() != QDataStream::Ok || !bound)
        return;
    stream >> m_name;
    if (stream.status() != QDataStream::Ok || m_bindMode == BindByName)
        return;

    Project *project = sceneProject();
    Obj *copy = CHECK_PTR(project) ? project->createDevice(objType()) : nullptr;
    if (!CHECK_PTR(copy)) {
        // The object's fields cannot be read past: the rest of the record
        // is lost.
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    copy->readData(stream);
    if (stream.status() != QDataStream::Ok) {
        delete copy;
        return;
    }
    Obj *chosen = makeUniqueName();
    if (chosen) {
        delete copy;
    } else if (copy->setName(m_name)) {
        chosen = copy;
    } else {
        delete copy;
    }
    // Items that shared an object may each choose another one (the first
    // refused one of them): the first choice stands for the identity. An
    // item that owns its object keeps its own choice: the windings of one
    // relay may go to two.
    if (chosen && m_pendingId != 0 && !project->registerOldId(m_pendingId, chosen) && m_bindMode == BindOwned)
        project->notePasteChoice(this, chosen);
}

bool GraphicsObjItem::resolveLinks()
{
    if (m_pendingId != 0) {
        Project *project = sceneProject();
        Obj *found = project ? project->pasteChoiceOf(this) : nullptr;
        if (!found && project)
            found = project->objByOldId(m_pendingId);
        m_pendingId = 0;
        if (!found)
            return false;
        if (m_obj)
            detachObj(false);
        if (!found->restoreItem(this))
            return false;
        m_name = found->name();
    }
    const int kind = type();
    if (kind >= firstCarryingType && kind < endCarryingType) {
        Obj *own = carriedObj();
        Project *project = sceneProject();
        if (CHECK_PTR(own) && CHECK_PTR(project))
            CHECK(project->keepIndexed(own));
    }
    return true;
}

void GraphicsObjItem::loadGeometry(DataStream &stream)
{
    GraphicsPins::loadGeometry(stream);
    if (m_obj)
        updatePinNames();
    updateFromObj();
}

void GraphicsObjItem::check(QTreeWidget *results, int code)
{
    if (code != 0 || m_obj || !results)
        return;
    CheckMessage *row = CheckMessage::forItem(results, CheckMessage::Error, this);
    row->setText(CheckMessage::MessageColumn, tr("Parent is absent"));
}

void GraphicsObjItem::rotateBy(int quarterTurns, bool clockwise)
{
    GraphicsPins::rotateBy(quarterTurns, clockwise);
    updateFromObj();
    updateInViews();
}

void GraphicsObjItem::collectNetPins(Pin *entry, QList<Pin *> &pins)
{
    if (!CHECK(ownsPin(entry)))
        return;
    pins.append(entry);
}
