#include "devices/autoswitch.h"

#include "devices/autoswitchcatalogue.h"
#include "model/datastream.h"

namespace {

// The row "Console Control" of the equipment-model table.
const int consoleControlPlace = 142;

} // namespace

AutoSwitch::AutoSwitch(Project *project)
    : Device(project, AutoSwitchKind)
{
}

AutoSwitch::~AutoSwitch() = default;

bool AutoSwitch::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}

bool AutoSwitch::hasModel(int index) const
{
    return index >= 0 && index < AutoSwitchTypeCount;
}

void AutoSwitch::readData(DataStream &stream)
{
    Device::readData(stream);
    if (stream.status() != QDataStream::Ok)
        return;
    if (m_modelIndex < -1 || m_modelIndex >= AutoSwitchTypeCount) {
        m_modelIndex = -1;
        stream.setStatus(QDataStream::ReadCorruptData);
    }
}

QString AutoSwitch::modelName() const
{
    // A device whose type is not chosen yet has no name to show.
    return modelIndex() == -1 ? QString() : autoSwitchModelName(modelIndex());
}

int AutoSwitch::placeType() const
{
    return consoleControlPlace;
}

int AutoSwitch::pinCount() const
{
    return AutoSwitchPinCount;
}
