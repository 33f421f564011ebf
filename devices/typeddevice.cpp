#include "devices/typeddevice.h"

#include <utility>

TypedDevice::TypedDevice(Project *project, int kind, int typeCount, std::function<QString(int)> typeName)
    : Device(project, kind)
    , m_typeCount(typeCount)
    , m_typeName(std::move(typeName))
{
}

TypedDevice::~TypedDevice() = default;

bool TypedDevice::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}

bool TypedDevice::hasModel(int index) const
{
    return isType(index);
}

QString TypedDevice::modelName() const
{
    return isType(modelIndex()) ? m_typeName(modelIndex()) : QString();
}
