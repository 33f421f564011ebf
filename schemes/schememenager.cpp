#include "schemes/schememenager.h"

#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

// The branch holds no scheme groups yet: every pass runs over an empty list
// and writes or reads exactly what an empty branch has in the side file.

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

bool SchemeMenager::prepareSchemeFiles(const QString &)
{
    return true;
}

void SchemeMenager::writeItems(DataStream &stream)
{
    stream << qint32(0);
}

void SchemeMenager::readItems(DataStream &stream)
{
    qint32 count = 0;
    stream >> count;
    m_unreadItems = stream.status() == QDataStream::Ok && count > 0 ? count : 0;
}

void SchemeMenager::saveFirst(DataStream &)
{
}

bool SchemeMenager::loadFirst(DataStream &stream)
{
    // Items listed in the file but not read are damage, not an empty branch.
    return m_unreadItems == 0 && stream.status() == QDataStream::Ok;
}

bool SchemeMenager::saveSecond(DataStream &)
{
    return true;
}

bool SchemeMenager::loadSecond(DataStream &stream)
{
    return stream.status() == QDataStream::Ok;
}

bool SchemeMenager::updatePointers(bool)
{
    return true;
}

template <>
void ProjectItemOwner<SchemeMenager>::setChanged()
{
    ProjectItemBase::setChanged();
    if (owner())
        owner()->changed();
}
