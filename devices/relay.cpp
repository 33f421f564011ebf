#include "devices/relay.h"

#include "devices/graphicsrelaywinding.h"
#include "devices/relaycatalogue.h"
#include "model/check.h"
#include "model/datastream.h"

Relay::Relay(Project *project)
    : Device(project, RelayKind)
{
}

int Relay::checkedType() const
{
    const int type = modelIndex();
    // A relay whose type is not chosen yet is a normal state; any other
    // index outside the catalogue is an error of the caller.
    if (type == -1)
        return -1;
    if (!CHECK(type >= 0 && type < RelayTypeCount))
        return -1;
    return type;
}

bool Relay::canAppend(ObjItem *item)
{
    if (!CHECK_PTR(item))
        return false;
    // Only winding items bind to a relay; an item of another class shows
    // no winding and takes none.
    auto *winding = dynamic_cast<GraphicsRelayWinding *>(item);
    if (!winding)
        return true;
    // A winding drawn for another type (one pasted from a relay of that
    // name elsewhere) would show pins and contacts this relay has not.
    if (winding->relayType() >= 0 && winding->relayType() != modelIndex())
        return false;
    return canAddWinding(winding->winding());
}

bool Relay::hasModel(int index) const
{
    return index >= 0 && index < RelayTypeCount;
}

void Relay::readData(DataStream &stream)
{
    Device::readData(stream);
    if (stream.status() != QDataStream::Ok)
        return;
    if (m_modelIndex < -1 || m_modelIndex >= RelayTypeCount) {
        m_modelIndex = -1;
        stream.setStatus(QDataStream::ReadCorruptData);
    }
}

QString Relay::modelName() const
{
    const int type = checkedType();
    return type < 0 ? QString() : relayModelName(type);
}

int Relay::placeType() const
{
    const int type = checkedType();
    return type < 0 ? -1 : relayTypes[type].placeType;
}

int Relay::positionCode() const
{
    const int type = checkedType();
    return type < 0 ? -1 : relayTypes[type].positionCode;
}

const char *Relay::pinIndex(const char *name) const
{
    const int type = checkedType();
    if (type < 0 || !name)
        return nullptr;
    return relayFindPin(type, QString::fromUtf8(name));
}

int Relay::pinCount() const
{
    const int type = checkedType();
    return type < 0 ? 0 : relayPinCount(type);
}

bool Relay::canAddWinding(int winding) const
{
    const int type = checkedType();
    if (type < 0 || winding < 0 || winding >= relayTypes[type].windingCount)
        return false;
    for (ObjItem *item : items()) {
        if (!CHECK_PTR(item))
            return false;
        auto *shown = dynamic_cast<GraphicsRelayWinding *>(item);
        if (shown && shown->winding() == winding)
            return false;
    }
    return true;
}
