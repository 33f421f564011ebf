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
    // Only keystaff items show a group: one of another class, which no
    // file could hold, is refused.
    auto *shown = dynamic_cast<GraphicsKeystaff *>(item);
    if (!shown)
        return false;
    const int group = groupFor(shown->kind(), shown->number());
    if (group < 0)
        return false;
    if (group != shown->number())
        shown->setNumber(quint8(group));
    return true;
}

int Keystaff::groupFor(int kind, int wanted, const ObjItem *leaving) const
{
    const int count = groupCount();
    if (count == 0)
        return -1;
    const KeystaffGroup *groups = keystaffTypes[modelIndex()].groups;
    const auto fits = [&](int n) {
        const ObjItem *shown = itemByNumber(n);
        return groups[n].kind == kind && (!shown || shown == leaving);
    };
    if (wanted >= 0 && wanted < count && fits(wanted))
        return wanted;
    for (int n = 0; n < count; ++n) {
        if (fits(n))
            return n;
    }
    return -1;
}

bool Keystaff::hasModel(int index) const
{
    return isKeystaffType(index);
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

bool Keystaff::fitsGroup(int kind, int n, const GraphicsKeystaff *item) const
{
    if (n < 0 || n >= groupCount() || keystaffTypes[modelIndex()].groups[n].kind != kind)
        return false;
    for (ObjItem *other : items()) {
        auto *shown = dynamic_cast<GraphicsKeystaff *>(other);
        if (shown && shown != item && shown->number() == n)
            return false;
    }
    return true;
}

void Keystaff::modelIndexChanged()
{
    offerItemsAgain();
}
