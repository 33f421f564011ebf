#include "devices/clamp.h"

#include "devices/clampcatalogue.h"
#include "devices/clamppanelitems.h"
#include "devices/graphicsbottom.h"
#include "devices/graphicsclamp.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <cstring>

namespace {

const quint8 noStripType = 255;

GraphicsClamp *clampItemOf(ObjItem *item)
{
    PinOwner *owner = item ? item->pinOwner() : nullptr;
    return graphicsClampCast(owner ? owner->graphicsItem() : nullptr);
}

} // namespace

ClampPanel::ClampPanel(Project *project)
    : Device(project, ClampPanelKind)
{
}

ClampPanel::~ClampPanel()
{
    if (GraphicsBottom *owner = m_bottom) {
        m_bottom = nullptr;
        owner->setClampPanel(nullptr);
    }
}

bool ClampPanel::canAppend(ObjItem *item)
{
    if (!CHECK_PTR(clampItemOf(item)) || !CHECK(hasStripType()))
        return false;
    const char *name = clampItemOf(item)->clampName();
    if (!CHECK_PTR(name))
        return false;
    return positionOf(name) >= 0 && !clampItem(name);
}

void ClampPanel::writeData(DataStream &stream)
{
    Device::writeData(stream);
    stream << quint8(hasStripType() ? quint8(m_stripType) : noStripType);
}

bool ClampPanel::hasModel(int index) const
{
    return index >= 0 && index < clampPanelModelCount;
}

void ClampPanel::readData(DataStream &stream)
{
    Device::readData(stream);
    quint8 strip = noStripType;
    stream >> strip;
    if (stream.status() != QDataStream::Ok)
        return;
    const bool modelOk = m_modelIndex >= -1 && m_modelIndex < clampPanelModelCount;
    const bool stripOk = strip == noStripType || strip < clampStripTypeCount;
    if (!modelOk || !stripOk) {
        m_modelIndex = -1;
        m_stripType = -1;
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    m_stripType = strip == noStripType ? -1 : strip;
}

QString ClampPanel::baseName() const
{
    // Painted on frames and wiring pages: a name without its place text
    // (a damaged file) shows the place text and raises no box.
    const int model = modelIndex();
    if (model < 0 || model >= clampPanelModelCount)
        return name();
    const ClampPanelModel &row = clampPanelModels[model];
    const QString place = Address::placeKindText(row.frameKind, row.placeKind);
    const int at = place.isEmpty() ? -1 : name().indexOf(place);
    return at < 0 ? place : name().mid(at);
}

GraphicsPlaceItemDevice *ClampPanel::createPlaceItem(GraphicsScene *scene, GraphicsItem *parent)
{
    if (!CHECK(m_placeItem == nullptr))
        return nullptr;
    m_placeItem = new GraphicsPlaceItemClampPanel(scene, parent, this);
    return m_placeItem;
}

GraphicsWiringItemDevice *ClampPanel::createWiringItem(GraphicsScene *scene, GraphicsItem *parent)
{
    auto *item = new GraphicsWiringClampPanel(scene, parent, this);
    adoptWiringItem(item);
    return item;
}

QString ClampPanel::modelName() const
{
    return hasStripType() ? clampStripTypeName(m_stripType) : QString();
}

int ClampPanel::placeType() const
{
    const int model = modelIndex();
    if (model == -1)
        return -1;
    if (!CHECK(model >= 0 && model < clampPanelModelCount))
        return -1;
    return clampPanelModels[model].placeType;
}

int ClampPanel::addressSuffix() const
{
    // The place kind of the model is what the panel's place takes.
    const int model = modelIndex();
    if (model < 0 || model >= clampPanelModelCount)
        return 0;
    return 0x80 | clampPanelModels[model].placeKind;
}

bool ClampPanel::setModelAndStripType(int model, int stripType)
{
    if (!CHECK(model >= 0 && model < clampPanelModelCount && stripType >= 0 && stripType < clampStripTypeCount))
        return false;
    if (model != modelIndex())
        setModelIndex(model);
    m_stripType = stripType;
    // The strip type sets the bands of the frame's clamp pages.
    if (project())
        project()->noteWiringInput(this);
    return true;
}

int ClampPanel::clampCount() const
{
    return hasStripType() ? clampStripTypes[m_stripType].clampCount : 0;
}

int ClampPanel::positionOf(const char *clampName) const
{
    if (!clampName || !hasStripType())
        return -1;
    const ClampStripType &strip = clampStripTypes[m_stripType];
    for (int i = 0; i < strip.clampCount; ++i) {
        if (std::strcmp(clampNameList[strip.clampNames[i]], clampName) == 0)
            return i;
    }
    return -1;
}

int ClampPanel::clampPosition(const char *clampName) const
{
    const int position = positionOf(clampName);
    CHECK(position >= 0);
    return position;
}

GraphicsClamp *ClampPanel::clampItem(const char *clampName) const
{
    if (!clampName)
        return nullptr;
    for (ObjItem *item : items()) {
        GraphicsClamp *clamp = clampItemOf(item);
        if (!CHECK_PTR(clamp))
            continue;
        const char *name = clamp->clampName();
        if (name && std::strcmp(name, clampName) == 0)
            return clamp;
    }
    return nullptr;
}

GraphicsClamp *ClampPanel::clampItemAt(int position) const
{
    if (!CHECK(hasStripType()) || !CHECK(position >= 0))
        return nullptr;
    return clampItem(clampStripClampName(m_stripType, position));
}

GraphicsClamp *ClampPanel::pairedClamp(GraphicsClamp *item) const
{
    if (!CHECK(item && item->obj() == this))
        return nullptr;
    // Walks ask this: a clamp off the strip (a damaged file) has no pair
    // and raises no box.
    const int position = positionOf(item->clampName());
    if (position < 0)
        return nullptr;
    return clampItem(clampStripClampName(m_stripType, position % 2 == 0 ? position + 1 : position - 1));
}
