#include "devices/keystaff.h"

#include "devices/graphicskeystaff.h"
#include "devices/keystaffcatalogue.h"
#include "model/check.h"
#include "model/datastream.h"

#include <QCoreApplication>

namespace {

const int consoleControlPlaceType = 142;

} // namespace

Keystaff::Keystaff(Project *project)
    : Device(project, KeystaffKind)
{
}

Keystaff::~Keystaff() = default;

int Keystaff::checkedType() const
{
    const int type = modelIndex();
    if (type == -1)
        return -1;
    if (!CHECK(isKeystaffType(type)))
        return -1;
    return type;
}

int Keystaff::groupCount() const
{
    const int type = modelIndex();
    return isKeystaffType(type) ? keystaffTypes[type].groupCount : 0;
}

bool Keystaff::canAppend(ObjItem *item)
{
    if (!CHECK_PTR(item))
        return false;
    // Only keystaff items show a group; an item of another class takes
    // none.
    auto *shown = dynamic_cast<GraphicsKeystaff *>(item);
    if (!shown)
        return true;
    const int count = groupCount();
    if (count == 0)
        return false;
    const KeystaffGroup *groups = keystaffTypes[modelIndex()].groups;
    const auto fits = [&](int n) { return groups[n].kind == shown->kind() && !itemByNumber(n); };
    if (shown->number() < count && fits(shown->number()))
        return true;
    for (int n = 0; n < count; ++n) {
        if (fits(n)) {
            shown->setNumber(quint8(n));
            return true;
        }
    }
    return false;
}

bool Keystaff::isModelIndex(int index) const
{
    return index == -1 || isKeystaffType(index);
}

void Keystaff::readData(DataStream &stream)
{
    Device::readData(stream);
    if (stream.status() != QDataStream::Ok)
        return;
    if (m_modelIndex != -1 && !isKeystaffType(m_modelIndex)) {
        m_modelIndex = -1;
        stream.setStatus(QDataStream::ReadCorruptData);
    }
}

QString Keystaff::modelName() const
{
    const int type = checkedType();
    return type < 0 ? QString() : QCoreApplication::translate("Keystaff", keystaffTypes[type].name);
}

int Keystaff::placeType() const
{
    return consoleControlPlaceType;
}

GraphicsKeystaff *Keystaff::itemByNumber(int n) const
{
    for (ObjItem *item : items()) {
        if (!CHECK_PTR(item))
            return nullptr;
        auto *shown = dynamic_cast<GraphicsKeystaff *>(item);
        if (shown && shown->number() == n)
            return shown;
    }
    return nullptr;
}
