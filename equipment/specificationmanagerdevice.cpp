#include "equipment/specificationmanagerdevice.h"

#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

// The branch holds no groups of pages yet: every pass runs over an empty
// list and writes or reads exactly what an empty branch has in the side file.

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

void SpecificationManagerDevice::writeItems(DataStream &stream)
{
    stream << qint32(m_atrNumber) << m_comment;
    stream << qint32(0);
}

void SpecificationManagerDevice::readItems(DataStream &stream)
{
    // Files before format 9 carry no ATR number and comment.
    if (stream.formatIndex() >= 9) {
        qint32 atr = 0;
        stream >> atr >> m_comment;
        m_atrNumber = atr;
    }
    qint32 count = 0;
    stream >> count;
    m_unreadItems = stream.status() == QDataStream::Ok && count > 0 ? count : 0;
}

void SpecificationManagerDevice::saveFirst(DataStream &)
{
}

bool SpecificationManagerDevice::loadFirst(DataStream &stream)
{
    // Groups listed in the file but not read are damage, not an empty branch.
    return m_unreadItems == 0 && stream.status() == QDataStream::Ok;
}

bool SpecificationManagerDevice::saveSecond(DataStream &)
{
    return true;
}

bool SpecificationManagerDevice::loadSecond(DataStream &stream)
{
    return stream.status() == QDataStream::Ok;
}

template <>
void ProjectItemOwner<SpecificationManagerDevice>::setChanged()
{
    ProjectItemBase::setChanged();
    if (owner())
        owner()->changed();
}
