#include "equipment/specificationcable.h"

#include "equipment/specificationmanagercable.h"
#include "graphics/rvboxlayout.h"
#include "graphics/sceneitem.h"
#include "model/check.h"
#include "model/datastream.h"

SpecificationCable::SpecificationCable(Project *project, int firstKey, int rowOffset, int rowLimit)
    : Specification(project)
    , m_firstKey(firstKey)
    , m_rowOffset(rowOffset)
    , m_rowLimit(rowLimit)
{
}

int SpecificationCable::groupNumber() const
{
    auto *row = sceneItem() ? dynamic_cast<const ProjectItemOwner<ItemMenagerBase> *>(sceneItem()->parent())
                            : nullptr;
    auto *menager = row ? dynamic_cast<SpecificationManagerCable *>(row->owner()) : nullptr;
    return menager ? menager->atrNumber() : 0;
}

void SpecificationCable::saveScene(DataStream &stream)
{
    stream << qint32(m_firstKey) << qint32(m_rowOffset) << qint32(m_rowLimit);
    GraphicsScene::saveScene(stream);
    if (sceneItem())
        sceneItem()->writeTexts(stream);
}

bool SpecificationCable::loadScene(DataStream &stream)
{
    qint32 firstKey = 0;
    qint32 rowOffset = 0;
    qint32 rowLimit = 0;
    stream >> firstKey >> rowOffset >> rowLimit;
    if (stream.status() != QDataStream::Ok)
        return false;
    m_firstKey = firstKey;
    m_rowOffset = rowOffset;
    m_rowLimit = rowLimit;
    const bool ok = GraphicsScene::loadScene(stream);
    if (sceneItem())
        sceneItem()->readTexts(stream);
    return ok;
}

DlgPropSpecificationCable::DlgPropSpecificationCable(Project *project)
    : DlgProp(project)
    , m_project(project)
{
}

SpecificationCable *DlgPropSpecificationCable::execDialog(SpecificationCable *page)
{
    auto *layout = new RVBoxLayout(this, 5, 5);
    layout->addStretch();
    addButtons(layout);
    if (execModal(this) != QDialog::Accepted)
        return nullptr;
    return page ? page : new SpecificationCable(m_project);
}
