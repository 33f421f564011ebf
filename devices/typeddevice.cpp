#include "devices/typeddevice.h"

TypedDevice::TypedDevice(Project *project, int kind, int typeCount, QString (*typeName)(int))
    : Device(project, kind)
    , m_typeCount(typeCount)
    , m_typeName(typeName)
{
}

TypedDevice::~TypedDevice() = default;

bool TypedDevice::canAppend(ObjItem *item)
{
    return acceptsFirstItemOnly(item);
}

bool TypedDevice::hasModel(int index) const
{
    return index >= 0 && index < m_typeCount;
}

QString TypedDevice::modelName() const
{
    return hasModel(modelIndex()) ? m_typeName(modelIndex()) : QString();
}
