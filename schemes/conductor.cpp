#include "schemes/conductor.h"

#include "model/check.h"
#include "model/datastream.h"
#include "schemes/graphicsconductor.h"

namespace {

// The format that added the cable name.
const int cableNameFormat = 1;

} // namespace

Conductor::Conductor(Project *project)
    : Tag(project, ConductorKind)
{
}

Conductor::Sort Conductor::sortOf(const GraphicsConductor *item)
{
    if (!item->duplicate())
        return MainSort;
    if (item->solderWithBottom())
        return SolderSort;
    if (item->readdress())
        return ReaddressSort;
    return AdditionalSort;
}

GraphicsConductor *Conductor::firstOfSort(Sort sort, const ObjItem *except) const
{
    for (ObjItem *entry : items()) {
        if (!CHECK_PTR(entry))
            continue;
        if (entry == except)
            continue;
        auto *item = dynamic_cast<GraphicsConductor *>(entry);
        if (item && sortOf(item) == sort)
            return item;
    }
    return nullptr;
}

bool Conductor::canAppend(ObjItem *entry)
{
    if (!CHECK_PTR(entry))
        return false;
    auto *item = dynamic_cast<GraphicsConductor *>(entry);
    if (!item)
        return false;
    const Sort sort = sortOf(item);
    if (sort == AdditionalSort)
        return true;
    return firstOfSort(sort, entry) == nullptr;
}

void Conductor::writeData(DataStream &stream)
{
    Tag::writeData(stream);
    stream << m_count << m_polarity;
    if (m_polarity)
        stream << m_polarityPK;
    stream << m_ringWithTopClamp << m_twistedPair << m_cableName;
}

void Conductor::readData(DataStream &stream)
{
    Tag::readData(stream);
    quint8 count = 0;
    bool polarity = false;
    bool polarityPK = false;
    bool ring = false;
    bool twisted = false;
    QString cable;
    stream >> count >> polarity;
    if (polarity)
        stream >> polarityPK;
    stream >> ring >> twisted;
    if (stream.formatIndex() >= cableNameFormat)
        stream >> cable;
    if (stream.status() != QDataStream::Ok)
        return;
    m_count = count;
    m_polarity = polarity;
    m_polarityPK = polarityPK;
    m_ringWithTopClamp = ring;
    m_twistedPair = twisted;
    m_cableName = cable;
}

GraphicsConductor *Conductor::mainItem() const
{
    return firstOfSort(MainSort, nullptr);
}

GraphicsConductor *Conductor::solderWithBottomItem() const
{
    return firstOfSort(SolderSort, nullptr);
}

GraphicsConductor *Conductor::readdressItem() const
{
    return firstOfSort(ReaddressSort, nullptr);
}

QString Conductor::markText()
{
    return tr("j");
}
