#include "model/projectitembase.h"

#include "model/datastream.h"

#include <QCoreApplication>
#include <QHash>
#include <QIcon>
#include <QTreeWidget>

namespace {

// The tree's icons by image path. Every sheet, frame and group row shows
// one of a few images: each is decoded once and the rows share it. The
// icons go with the application, while the GUI that holds them still
// stands.
QHash<QString, QIcon> *iconCache = nullptr;

void dropIconCache()
{
    delete iconCache;
    iconCache = nullptr;
}

QIcon sharedIcon(const QString &path)
{
    if (!iconCache) {
        iconCache = new QHash<QString, QIcon>;
        qAddPostRoutine(dropIconCache);
    }
    auto it = iconCache->find(path);
    if (it == iconCache->end())
        it = iconCache->insert(path, QIcon(path));
    return *it;
}

} // namespace

ProjectItemBase::ProjectItemBase(ProjectItemBase *parent)
    : QTreeWidgetItem(parent)
{
}

ProjectItemBase::~ProjectItemBase()
{
    // The tree must not hold a current row that is going away: when the
    // current row is this one or lies below it, the tree gets none first,
    // while every row on the way up is still whole.
    if (QTreeWidget *tree = treeWidget()) {
        for (QTreeWidgetItem *row = tree->currentItem(); row; row = row->parent()) {
            if (row == this) {
                tree->setCurrentItem(nullptr);
                break;
            }
        }
    }
    if (QTreeWidgetItem *up = parent())
        up->removeChild(this);
}

void ProjectItemBase::setIcons(const QString &closedImage, const QString &openImage)
{
    m_closedIcon = sharedIcon(closedImage);
    m_openIcon = sharedIcon(openImage);
    m_hasIcons = true;
    collapsed();
}

void ProjectItemBase::setTexts(const QString &name, const QString &comment)
{
    setText(0, name);
    setText(1, comment);
}

ProjectItemBase *ProjectItemBase::parentRow() const
{
    return dynamic_cast<ProjectItemBase *>(parent());
}

void ProjectItemBase::setCurrent(bool current)
{
    if (ProjectItemBase *up = parentRow())
        up->setChildCurrent(this, current);
}

bool ProjectItemBase::contextMenu(const QPoint &globalPos)
{
    ProjectItemBase *up = parentRow();
    if (!up)
        return false;
    up->contextMenu(globalPos);
    return true;
}

void ProjectItemBase::doubleClicked()
{
}

void ProjectItemBase::collapsed()
{
    if (m_hasIcons)
        setIcon(0, m_closedIcon);
}

void ProjectItemBase::expanded()
{
    if (m_hasIcons)
        setIcon(0, m_openIcon);
}

void ProjectItemBase::writeTexts(DataStream &stream) const
{
    stream << text(0) << text(1);
}

void ProjectItemBase::readTexts(DataStream &stream)
{
    QString name;
    QString comment;
    stream >> name >> comment;
    setTexts(name, comment);
}

void ProjectItemBase::setChildCurrent(ProjectItemBase *child, bool current)
{
    if (ProjectItemBase *up = parentRow())
        up->setChildCurrent(child, current);
}

void ProjectItemBase::setChanged()
{
    if (ProjectItemBase *up = parentRow())
        up->setChanged();
}

void ProjectItemBase::setParentChanged()
{
    if (ProjectItemBase *up = parentRow())
        up->setChanged();
}
