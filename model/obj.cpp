#include "model/obj.h"

#include "model/check.h"
#include "model/datastream.h"
#include "model/itemtypes.h"
#include "model/pin.h"
#include "model/project.h"

#include <QGraphicsItem>

#include <utility>

ObjItem::~ObjItem() = default;

Obj::Obj(Project *project, int kind)
    : m_project(project)
    , m_kind(kind)
{
}

Obj::~Obj()
{
    // The items of a closing project go too: they only let go of the
    // object, their documents and pin names stay as they are.
    const bool closing = m_project && m_project->isClosing();
    const QList<ObjItem *> items = std::exchange(m_items, {});
    for (ObjItem *item : items) {
        item->setBoundObj(nullptr);
        if (closing)
            continue;
        item->setDocumentModified();
        // Unbound, it takes the names and extent a reopen gives it.
        item->updatePinNames();
        item->updateFromObj();
    }
    if (m_project)
        m_project->forgetPasted(this);
    // An object that was named but never indexed (one refused while a file
    // was read) has nothing to take out.
    if (!m_name.isEmpty() && m_project)
        m_project->removeObjIfIndexed(this);
}

bool Obj::setName(const QString &name)
{
    if (!CHECK(!name.isEmpty()))
        return false;
    if (name == m_name)
        return false;
    // Names are unique within a kind: taking the name of another object
    // would drop that object from the index (and from the saved project).
    if (!CHECK(!m_project->findObj(m_kind, name)))
        return false;
    const QString former = m_name;
    m_name = name;
    for (ObjItem *item : std::as_const(m_items)) {
        item->setOwnName(name);
        item->setDocumentModified();
    }
    if (former.isEmpty())
        return m_project->appendObj(this);
    return m_project->renameObj(this, former);
}

bool Obj::canAppend(ObjItem *)
{
    return true;
}

bool Obj::appendItem(ObjItem *item)
{
    if (!CHECK(item && !item->boundObj()))
        return false;
    if (!canAppend(item))
        return false;
    m_items.append(item);
    item->setBoundObj(this);
    item->setDocumentModified();
    if (m_project)
        m_project->notePasteBinding(this, item);
    bindingsChanged();
    return true;
}

bool Obj::restoreItem(ObjItem *item)
{
    if (!CHECK(item && !item->boundObj() && !m_items.contains(item)))
        return false;
    if (!CHECK(item->objType() == m_kind))
        return false;
    if (m_project && m_project->isPasting() && !canAppend(item))
        return false;
    m_items.append(item);
    item->setBoundObj(this);
    if (m_project)
        m_project->notePasteBinding(this, item);
    bindingsChanged();
    return true;
}

bool Obj::removeItem(ObjItem *item)
{
    if (!CHECK(m_items.removeAll(item) > 0))
        return false;
    // In a closing project the list goes with the last item, while it is
    // at hand, rather than with the object later on.
    if (m_items.isEmpty() && m_project && m_project->isClosing())
        m_items = QList<ObjItem *>();
    item->setBoundObj(nullptr);
    item->setDocumentModified();
    bindingsChanged();
    return true;
}

void Obj::bindingsChanged()
{
    if (!m_project)
        return;
    // A module's commands decide how many DC scheme pages it has.
    if (m_kind == ModuleKind)
        m_project->noteWiringInput(this);
    m_project->noteBindingsChanged(this);
}

void Obj::write(DataStream &stream)
{
    stream << m_name << m_project->identity(this);
    writeData(stream);
}

void Obj::read(DataStream &stream)
{
    qint32 id = 0;
    stream >> m_name >> id;
    if (stream.status() == QDataStream::Ok && !m_project->registerOldId(id, this))
        stream.setStatus(QDataStream::ReadCorruptData);
    readData(stream);
}

void Obj::writeData(DataStream &)
{
}

void Obj::readData(DataStream &)
{
}

bool Obj::itemTypeIn(ObjItem *item, int first, int last)
{
    PinOwner *owner = item ? item->pinOwner() : nullptr;
    const int type = owner ? owner->itemType() : 0;
    return owner && type >= first && type < last;
}

void Obj::pinsByName(QHash<QString, Pin *> &pins) const
{
    for (ObjItem *item : m_items) {
        if (CHECK_PTR(itemTypeIn(item, firstDeviceItemType, endDeviceItemType) ? item : nullptr))
            item->pinsByName(pins);
    }
}

void Obj::allPins(QList<Pin *> &pins) const
{
    for (ObjItem *item : m_items) {
        if (CHECK_PTR(itemTypeIn(item, firstDeviceItemType, endDeviceItemType) ? item : nullptr))
            item->allPins(pins);
    }
}

void ObjItem::updateFromObj()
{
}

QString ObjItem::documentName() const
{
    return QString();
}

void ObjItem::allPins(QList<Pin *> &pins)
{
    PinOwner *owner = pinOwner();
    for (int i = 0; i < owner->pinCount(); ++i)
        pins.append(owner->pin(i));
}

void ObjItem::pinsByName(QHash<QString, Pin *> &pins)
{
    PinOwner *owner = pinOwner();
    for (int i = 0; i < owner->pinCount(); ++i) {
        auto *pin = dynamic_cast<WiringPin *>(owner->pin(i));
        if (pin && pin->name())
            pins.insert(QString::fromUtf8(pin->name()), pin);
    }
}
