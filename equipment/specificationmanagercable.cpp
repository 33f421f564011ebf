#include "equipment/specificationmanagercable.h"

#include "model/check.h"
#include "model/project.h"

SpecificationManagerCable::SpecificationManagerCable(Project *project, QList<QAction *> *actions)
    : m_project(project)
    , m_actions(actions)
{
    if (!CHECK_PTR(project))
        return;
    if (!m_actions)
        m_actions = project->actions();
    m_treeItem = new ProjectItemOwner<SpecificationManagerCable>(this);
    m_treeItem->setTexts(tr("Specification cables"), QString());
    m_treeItem->setIcons(QStringLiteral(":/images/specifications.png"), QStringLiteral(":/images/specifications.png"));
    project->addTopLevelItem(m_treeItem);
}

SpecificationManagerCable::~SpecificationManagerCable()
{
    delete m_treeItem;
}

void SpecificationManagerCable::changed()
{
    if (m_project)
        m_project->setSpecificationCableChanged();
}

template <>
void ProjectItemOwner<SpecificationManagerCable>::setChanged()
{
    ProjectItemBase::setChanged();
    if (owner())
        owner()->changed();
}
