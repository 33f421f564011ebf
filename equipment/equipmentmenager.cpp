#include "equipment/equipmentmenager.h"

#include "model/check.h"
#include "model/project.h"

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

template <>
void ProjectItemOwner<EquipmentMenager>::setChanged()
{
    ProjectItemBase::setChanged();
    if (owner())
        owner()->changed();
}
