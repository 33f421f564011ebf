#include "schemes/schememenager.h"

#include "model/check.h"
#include "model/project.h"

SchemeMenager::SchemeMenager(Project *project, QList<QAction *> *actions)
    : m_project(project)
    , m_actions(actions)
{
    if (!CHECK_PTR(project))
        return;
    if (!m_actions)
        m_actions = project->actions();
    m_treeItem = new ProjectItemOwner<SchemeMenager>(this);
    m_treeItem->setTexts(tr("Principial schemes"), QString());
    m_treeItem->setIcons(QStringLiteral(":/images/schematics.png"), QStringLiteral(":/images/schematics.png"));
    project->addTopLevelItem(m_treeItem);
}

SchemeMenager::~SchemeMenager()
{
    delete m_treeItem;
}

void SchemeMenager::changed()
{
    if (m_project)
        m_project->setSchemesChanged();
}

void SchemeMenager::check(QTreeWidget *, int)
{
}

template <>
void ProjectItemOwner<SchemeMenager>::setChanged()
{
    ProjectItemBase::setChanged();
    if (owner())
        owner()->changed();
}
