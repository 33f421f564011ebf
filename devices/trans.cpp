#include "devices/trans.h"

#include "devices/graphicstrans.h"
#include "devices/transcatalogue.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/pin.h"

#include <QHash>

#include <cstring>

namespace {

GraphicsTrans *transItem(ObjItem *item)
{
    return dynamic_cast<GraphicsTrans *>(item);
}

} // namespace

Trans::Trans(Project *project)
    : Device(project, TransKind)
{
}

Trans::~Trans() = default;

const TransType *Trans::transType() const
{
    const int index = modelIndex();
    // A transformer whose type is not chosen yet is a normal state.
    if (index == -1)
        return nullptr;
    if (!CHECK(isTransType(index)))
        return nullptr;
    return &transTypes[index];
}

bool Trans::removeItem(ObjItem *item)
{
    if (!CHECK_PTR(item))
        return false;
    if (items().contains(item)) {
        PinOwner *owner = item->pinOwner();
        for (int i = 0; i < owner->pinCount(); ++i) {
            if (auto *pin = dynamic_cast<WiringPin *>(owner->pin(i)))
                pin->setName(nullptr);
        }
    }
    if (!Device::removeItem(item))
        return false;
    updateItemsPinNames();
    return true;
}

bool Trans::hasModel(int index) const
{
    return isTransType(index);
}

void Trans::readData(DataStream &stream)
{
    Device::readData(stream);
    if (stream.status() != QDataStream::Ok)
        return;
    if (m_modelIndex != -1 && !isTransType(m_modelIndex)) {
        m_modelIndex = -1;
        stream.setStatus(QDataStream::ReadCorruptData);
    }
}

QString Trans::modelName() const
{
    const TransType *type = transType();
    return type ? transText(type->name) : QString();
}

int Trans::placeType() const
{
    const int index = modelIndex();
    return isTransType(index) ? transTypes[index].placeType : -1;
}

int Trans::positionCode() const
{
    const int index = modelIndex();
    return isTransType(index) ? transTypes[index].positionCode : -1;
}

const char *Trans::pinIndex(const char *name) const
{
    const TransType *type = transType();
    if (!type || !name)
        return nullptr;
    for (int i = 0; i < type->terminalCount; ++i) {
        if (std::strcmp(type->terminals[i], name) == 0)
            return type->terminals[i];
    }
    return nullptr;
}

int Trans::pinCount() const
{
    const TransType *type = transType();
    return type ? type->terminalCount : 0;
}

const char *Trans::catalogTerminalName(const QString &text) const
{
    const TransType *type = transType();
    if (!type)
        return nullptr;
    for (int i = 0; i < type->terminalCount; ++i) {
        if (transText(type->terminals[i]) == text)
            return type->terminals[i];
    }
    return nullptr;
}

bool Trans::isTerminalTaken(const QString &text, const GraphicsTrans *except) const
{
    for (ObjItem *item : items()) {
        GraphicsTrans *shown = transItem(item);
        if (shown && shown != except && shown->hasTerminal(text))
            return true;
    }
    return false;
}

GraphicsTrans *Trans::itemWithTerminal(const QString &text) const
{
    for (ObjItem *item : items()) {
        GraphicsTrans *shown = transItem(item);
        if (shown && shown->hasTerminal(text))
            return shown;
    }
    return nullptr;
}

void Trans::updateItemsPinNames()
{
    // How many items carry each terminal; an item names its pins against
    // the counts of the others, so the whole pass stays linear.
    QHash<QString, int> carried;
    for (ObjItem *item : items()) {
        if (GraphicsTrans *shown = transItem(item))
            shown->countCarriedNames(carried, 1);
    }
    const QList<ObjItem *> bound = items();
    for (ObjItem *item : bound) {
        GraphicsTrans *shown = transItem(item);
        if (!shown)
            continue;
        shown->countCarriedNames(carried, -1);
        shown->namePins(carried);
        shown->countCarriedNames(carried, 1);
    }
}

void Trans::changeModelIndex(int index)
{
    if (index == modelIndex())
        return;
    setModelIndex(index);
    updateItemsPinNames();
    for (ObjItem *item : items()) {
        if (GraphicsTrans *shown = transItem(item))
            shown->updateFromObj();
    }
}
