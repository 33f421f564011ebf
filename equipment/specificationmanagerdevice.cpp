#include "equipment/specificationmanagerdevice.h"

#include "model/check.h"
#include "model/project.h"

SpecificationManagerDevice::SpecificationManagerDevice(Project *project, QList<QAction *> *actions)
    : m_project(project)
    , m_actions(actions)
{
    if (!CHECK_PTR(project))
        return;
    if (!m_actions)
        m_actions = project->actions();
    m_treeItem = new ProjectItemOwner<SpecificationManagerDevice>(this);
    m_treeItem->setTexts(tr("Specification devices"), QString());
    m_treeItem->setIcons(QStringLiteral(":/images/specifications.png"), QStringLiteral(":/images/specifications.png"));
    project->addTopLevelItem(m_treeItem);
}

SpecificationManagerDevice::~SpecificationManagerDevice()
{
    delete m_treeItem;
}

void SpecificationManagerDevice::changed()
{
    if (m_project)
        m_project->setSpecificationDeviceChanged();
}

template <>
void ProjectItemOwner<SpecificationManagerDevice>::setChanged()
{
    ProjectItemBase::setChanged();
    if (owner())
        owner()->changed();
}
