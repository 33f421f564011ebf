#include "devices/button.h"

#include "devices/buttoncatalogue.h"
#include "devices/graphicsbutton.h"
#include "model/check.h"
#include "model/datastream.h"

namespace {

// The row "Console Control" of the equipment-model table.
const int consoleControlPlace = 142;

} // namespace

Button::Button(Project *project)
    : Device(project, ButtonKind)
{
}

Button::~Button() = default;

const ButtonType *Button::buttonType() const
{
    // A button whose type is not chosen is a normal state.
    if (modelIndex() == -1)
        return nullptr;
    return ::buttonType(modelIndex());
}

bool Button::canAppend(ObjItem *item)
{
    if (!CHECK_PTR(item))
        return false;
    auto *shown = dynamic_cast<GraphicsButton *>(item);
    const ButtonType *type = buttonType();
    if (!shown || !type)
        return false;
    const int group = groupFor(shown->contactKind(), shown->contactNumber());
    if (group < 0)
        return false;
    shown->setContactNumber(quint8(group));
    return true;
}

int Button::groupFor(int contactKind, int wanted, const ObjItem *leaving) const
{
    const auto *type = buttonType();
    if (!type)
        return -1;
    return chooseContactGroup(type->groups, type->groupCount, contactKind, wanted, [&](int g) {
        const ObjItem *shown = itemForGroup(quint8(g));
        return shown && shown != leaving;
    });
}

bool Button::hasModel(int index) const
{
    return index >= 0 && index < ButtonTypeCount;
}

void Button::readData(DataStream &stream)
{
    Device::readData(stream);
    if (stream.status() != QDataStream::Ok)
        return;
    if (m_modelIndex < -1 || m_modelIndex >= ButtonTypeCount) {
        m_modelIndex = -1;
        stream.setStatus(QDataStream::ReadCorruptData);
    }
}

QString Button::modelName() const
{
    return modelIndex() == -1 ? QString() : buttonModelName(modelIndex());
}

int Button::placeType() const
{
    return consoleControlPlace;
}

GraphicsButton *Button::itemForGroup(quint8 group) const
{
    for (ObjItem *item : items()) {
        if (!CHECK_PTR(item))
            continue;
        auto *shown = dynamic_cast<GraphicsButton *>(item);
        if (shown && shown->contactNumber() == group)
            return shown;
    }
    return nullptr;
}

bool Button::fitsGroup(int contactKind, int group, const GraphicsButton *item) const
{
    const ButtonType *type = buttonType();
    if (!type || group < 0 || group >= type->groupCount || !isButtonGroupCompatible(type->groups[group].kind, contactKind))
        return false;
    for (ObjItem *other : items()) {
        auto *shown = dynamic_cast<GraphicsButton *>(other);
        if (shown && shown != item && shown->contactNumber() == group)
            return false;
    }
    return true;
}

bool Button::fitsGroup(const GraphicsButton *item) const
{
    return item && fitsGroup(item->contactKind(), item->contactNumber(), item);
}

void Button::modelIndexChanged()
{
    offerItemsAgain();
}
