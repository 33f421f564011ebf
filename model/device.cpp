#include "model/device.h"

#include "model/datastream.h"

Device::Device(Project *project, int kind)
    : Obj(project, kind)
{
}

bool Device::setName(const QString &name)
{
    m_showAddress = false;
    return Obj::setName(name);
}

void Device::write(DataStream &stream)
{
    Obj::write(stream);
    stream << m_showAddress;
}

void Device::read(DataStream &stream)
{
    Obj::read(stream);
    stream >> m_showAddress;
}

void Device::writeData(DataStream &stream)
{
    stream << qint32(m_modelIndex);
}

void Device::readData(DataStream &stream)
{
    qint32 index = -1;
    stream >> index;
    m_modelIndex = index;
}

QString Device::baseName() const
{
    return name().section(QLatin1Char('_'), 0, 0);
}

QString Device::modelName() const
{
    return QString();
}

int Device::placeType() const
{
    return -1;
}

bool Device::addressSuffix() const
{
    return false;
}

const char *Device::pinIndex(const char *) const
{
    return nullptr;
}

int Device::pinCount() const
{
    return 0;
}

void Device::setModelIndex(int index)
{
    m_modelIndex = index;
}
