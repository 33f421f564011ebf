#include "devices/autoswitch.h"

#include "devices/autoswitchcatalogue.h"
#include "devices/equipmentrows.h"
#include "devices/graphicsautoswitch.h"
#include "model/datastream.h"

AutoSwitch::AutoSwitch(Project *project)
    : TypedDevice(project, AutoSwitchKind, AutoSwitchTypeCount, autoSwitchModelName)
{
}

AutoSwitch::~AutoSwitch() = default;

bool AutoSwitch::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item) && dynamic_cast<GraphicsAutoSwitch *>(item);
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

int AutoSwitch::placeType() const
{
    return consoleControlPlace;
}

int AutoSwitch::pinCount() const
{
    return AutoSwitchPinCount;
}
