#include "devices/commutator.h"

#include "devices/commutatorcatalogue.h"
#include "devices/graphicscommutator.h"
#include "model/check.h"
#include "model/datastream.h"

namespace {

// The row "Console Control" of the equipment-model table.
const int consoleControlPlace = 142;

} // namespace

Commutator::Commutator(Project *project)
    : Device(project, CommutatorKind)
{
}

Commutator::~Commutator() = default;

const CommutatorType *Commutator::commutatorType() const
{
    // A commutator whose type is not chosen is a normal state.
    if (modelIndex() == -1)
        return nullptr;
    return ::commutatorType(modelIndex());
}

bool Commutator::canAppend(ObjItem *item)
{
    if (!CHECK_PTR(item))
        return false;
    auto *shown = dynamic_cast<GraphicsCommutator *>(item);
    const CommutatorType *type = commutatorType();
    if (!shown || !type)
        return false;
    const int group = groupFor(shown->contactKind(), shown->contactNumber());
    if (group < 0)
        return false;
    shown->setContactNumber(quint8(group));
    return true;
}

int Commutator::groupFor(int contactKind, int wanted, const ObjItem *leaving) const
{
    const auto *type = commutatorType();
    if (!type)
        return -1;
    return chooseContactGroup(type->groups, type->groupCount, contactKind, wanted, [&](int g) {
        const ObjItem *shown = itemForGroup(quint8(g));
        return shown && shown != leaving;
    });
}

bool Commutator::hasModel(int index) const
{
    return index >= 0 && index < CommutatorTypeCount;
}

void Commutator::readData(DataStream &stream)
{
    Device::readData(stream);
    if (stream.status() != QDataStream::Ok)
        return;
    if (m_modelIndex < -1 || m_modelIndex >= CommutatorTypeCount) {
        m_modelIndex = -1;
        stream.setStatus(QDataStream::ReadCorruptData);
    }
}

QString Commutator::modelName() const
{
    return modelIndex() == -1 ? QString() : commutatorModelName(modelIndex());
}

int Commutator::placeType() const
{
    return consoleControlPlace;
}

GraphicsCommutator *Commutator::itemForGroup(quint8 group) const
{
    for (ObjItem *item : items()) {
        if (!CHECK_PTR(item))
            continue;
        auto *shown = dynamic_cast<GraphicsCommutator *>(item);
        if (shown && shown->contactNumber() == group)
            return shown;
    }
    return nullptr;
}

bool Commutator::fitsGroup(int contactKind, int group, const GraphicsCommutator *item) const
{
    const CommutatorType *type = commutatorType();
    if (!type || group < 0 || group >= type->groupCount || !isGroupCompatible(type->groups[group].kind, contactKind))
        return false;
    for (ObjItem *other : items()) {
        auto *shown = dynamic_cast<GraphicsCommutator *>(other);
        if (shown && shown != item && shown->contactNumber() == group)
            return false;
    }
    return true;
}

bool Commutator::fitsGroup(const GraphicsCommutator *item) const
{
    return item && fitsGroup(item->contactKind(), item->contactNumber(), item);
}

void Commutator::modelIndexChanged()
{
    offerItemsAgain();
}
