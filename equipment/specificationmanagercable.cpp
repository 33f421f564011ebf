#include "equipment/specificationmanagercable.h"

#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <algorithm>

// The branch holds no pages yet: the page passes run over an empty list and
// write or read exactly what an empty branch has in the side file. The
// cables are whole.

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
    deleteCables();
    delete m_treeItem;
}

void SpecificationManagerCable::changed()
{
    if (m_project)
        m_project->setSpecificationCableChanged();
}

void SpecificationManagerCable::addCable(quint64 key, Cable *cable)
{
    if (!CHECK_PTR(cable))
        return;
    const bool newKey = !m_cables.contains(key);
    m_cables[key].append(cable);
    if (newKey)
        m_keys.insert(std::lower_bound(m_keys.begin(), m_keys.end(), key), key);
}

void SpecificationManagerCable::deleteCables()
{
    for (const QList<Cable *> &list : std::as_const(m_cables)) {
        for (Cable *cable : list)
            delete cable;
    }
    m_cables.clear();
    m_keys.clear();
}

void SpecificationManagerCable::rebuildKeys()
{
    m_keys = m_cables.keys();
    std::sort(m_keys.begin(), m_keys.end());
}

void SpecificationManagerCable::writeCables(DataStream &stream)
{
    stream << qint32(m_atrNumber) << m_comment;
    // The frame pairs in ascending order, so that two saves give the same
    // bytes.
    stream << qint32(m_keys.size());
    for (quint64 key : std::as_const(m_keys)) {
        const QList<Cable *> list = m_cables.value(key);
        stream << key << qint32(list.size());
        for (const Cable *cable : list)
            cable->write(stream);
    }
    Cable::writeUsedTypes(stream);
}

bool SpecificationManagerCable::readCables(DataStream &stream)
{
    // Files before format 9 carry no ATR number and comment.
    if (stream.formatIndex() >= 9) {
        qint32 atr = 0;
        stream >> atr >> m_comment;
        m_atrNumber = atr;
    }
    bool ok = true;
    qint32 keyCount = 0;
    stream >> keyCount;
    // Damaged counts stop at the end of the data.
    for (qint32 k = 0; k < keyCount && ok; ++k) {
        quint64 key = 0;
        qint32 count = 0;
        stream >> key >> count;
        if (stream.status() != QDataStream::Ok) {
            ok = false;
            break;
        }
        QList<Cable *> list;
        for (qint32 i = 0; i < count; ++i) {
            auto *cable = new Cable(-1);
            if (!CHECK_PTR(cable)) {
                ok = false;
                break;
            }
            cable->read(stream);
            list.append(cable);
            if (stream.status() != QDataStream::Ok) {
                ok = false;
                break;
            }
        }
        // A later list of the same pair replaces the earlier one.
        auto found = m_cables.find(key);
        if (found != m_cables.end()) {
            for (Cable *cable : std::as_const(found.value()))
                delete cable;
            found.value() = list;
        } else {
            m_cables.insert(key, list);
        }
    }
    if (ok)
        Cable::readUsedTypes(stream);
    rebuildKeys();
    return ok && stream.status() == QDataStream::Ok;
}

void SpecificationManagerCable::writeItems(DataStream &stream)
{
    stream << qint32(0);
}

void SpecificationManagerCable::readItems(DataStream &stream)
{
    qint32 count = 0;
    stream >> count;
    m_unreadItems = stream.status() == QDataStream::Ok && count > 0 ? count : 0;
}

void SpecificationManagerCable::saveFirst(DataStream &)
{
}

bool SpecificationManagerCable::loadFirst(DataStream &stream)
{
    // Pages listed in the file but not read are damage, not an empty branch.
    return m_unreadItems == 0 && stream.status() == QDataStream::Ok;
}

bool SpecificationManagerCable::saveSecond(DataStream &)
{
    return true;
}

bool SpecificationManagerCable::loadSecond(DataStream &stream)
{
    return stream.status() == QDataStream::Ok;
}

template <>
void ProjectItemOwner<SpecificationManagerCable>::setChanged()
{
    ProjectItemBase::setChanged();
    if (owner())
        owner()->changed();
}
