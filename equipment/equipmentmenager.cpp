#include "equipment/equipmentmenager.h"

#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

// The branch holds no rows of frames yet: every pass runs over an empty list
// and writes or reads exactly what an empty branch has in the side file.

EquipmentMenager::EquipmentMenager(Project *project, QList<QAction *> *actions)
    : m_project(project)
    , m_actions(actions)
{
    if (!CHECK_PTR(project))
        return;
    if (!m_actions)
        m_actions = project->actions();
    m_treeItem = new ProjectItemOwner<EquipmentMenager>(this);
    m_treeItem->setTexts(tr("Placing of equipment"), QString());
    m_treeItem->setIcons(QStringLiteral(":/images/equipment_placing.png"), QStringLiteral(":/images/equipment_placing.png"));
    project->addTopLevelItem(m_treeItem);
}

EquipmentMenager::~EquipmentMenager()
{
    delete m_treeItem;
}

void EquipmentMenager::changed()
{
    if (m_project)
        m_project->setEquipmentChanged();
}

void EquipmentMenager::writeItems(DataStream &stream)
{
    stream << qint32(0);
}

void EquipmentMenager::readItems(DataStream &stream)
{
    qint32 count = 0;
    stream >> count;
    m_unreadItems = stream.status() == QDataStream::Ok && count > 0 ? count : 0;
}

void EquipmentMenager::saveFirst(DataStream &)
{
}

bool EquipmentMenager::loadFirst(DataStream &stream)
{
    // Rows listed in the file but not read are damage, not an empty branch.
    return m_unreadItems == 0 && stream.status() == QDataStream::Ok;
}

bool EquipmentMenager::saveSecond(DataStream &)
{
    return true;
}

bool EquipmentMenager::loadSecond(DataStream &stream)
{
    return stream.status() == QDataStream::Ok;
}

bool EquipmentMenager::updatePointers(bool)
{
    return true;
}

void EquipmentMenager::saveWLFirst(DataStream &)
{
}

bool EquipmentMenager::loadWLFirst(DataStream &stream)
{
    return stream.status() == QDataStream::Ok;
}

bool EquipmentMenager::saveWLSecond(DataStream &)
{
    return true;
}

bool EquipmentMenager::loadWLSecond(DataStream &stream)
{
    return stream.status() == QDataStream::Ok;
}

bool EquipmentMenager::updateWLPointers()
{
    return true;
}

bool EquipmentMenager::createWiringLayouts(const CableTable &)
{
    return true;
}

template <>
void ProjectItemOwner<EquipmentMenager>::setChanged()
{
    ProjectItemBase::setChanged();
    if (owner())
        owner()->changed();
}
