#include "model/itemmenagerbase.h"

#include "graphics/graphicsscene.h"
#include "graphics/sceneitem.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

#include <memory>

template <>
void ProjectItemOwner<ItemMenagerBase>::setChanged()
{
    ProjectItemBase::setChanged();
    if (owner())
        owner()->changed();
}

ProjectItem<ItemMenagerBase>::ProjectItem(ItemMenagerBase *owner, ProjectItemBase *parent)
    : ProjectItemOwner<ItemMenagerBase>(owner, parent)
{
}

void ProjectItem<ItemMenagerBase>::setCurrent(bool current)
{
    ProjectItemBase::setCurrent(current);
    if (owner())
        owner()->setCurrent(this, current);
}

bool ProjectItem<ItemMenagerBase>::contextMenu(const QPoint &globalPos)
{
    if (ProjectItemBase::contextMenu(globalPos))
        return true;
    if (owner())
        owner()->showContextMenu(globalPos);
    return true;
}

void ProjectItem<ItemMenagerBase>::setChildCurrent(ProjectItemBase *child, bool current)
{
    ProjectItemBase::setChildCurrent(child, current);
    if (owner())
        owner()->setChildCurrent(child, current);
}

ItemMenagerBase::ItemMenagerBase(Project *project, QList<QAction *> *actions)
    : QObject(nullptr)
    , ActionsManager(actions ? actions : (project ? project->actionList() : nullptr))
    , m_project(project)
{
    m_treeItem = new ProjectItem<ItemMenagerBase>(this);
}

ItemMenagerBase::~ItemMenagerBase()
{
    // The shared actions must not stay enabled for a manager that is gone.
    // Its connections go with the object itself.
    if (hasCommands() && isActive()) {
        for (const ActionHandler &handler : handlers()) {
            if (QAction *a = action(handler.actionId)) {
                a->setEnabled(false);
                a->setChecked(false);
            }
        }
    }
    delete m_treeItem;
    m_treeItem = nullptr;
}

void ItemMenagerBase::setCurrent(QTreeWidgetItem *, bool current)
{
    // A project built without the window's actions has no commands.
    if (hasCommands())
        setActive(current);
}

void ItemMenagerBase::setChildCurrent(QTreeWidgetItem *child, bool current)
{
    if (!hasCommands())
        return;
    int count = 0;
    if (const int *ids = childActions(count)) {
        const bool direct = current && child && child->parent() == m_treeItem;
        setActionsEnabled(ids, count, direct);
    }
    setActive(current);
}

void ItemMenagerBase::writeItems(DataStream &)
{
}

void ItemMenagerBase::readItems(DataStream &)
{
}

void ItemMenagerBase::saveFirst(DataStream &)
{
}

bool ItemMenagerBase::loadFirst(DataStream &)
{
    return true;
}

bool ItemMenagerBase::saveSecond(DataStream &)
{
    return true;
}

bool ItemMenagerBase::loadSecond(DataStream &)
{
    return true;
}

bool ItemMenagerBase::updatePointers(bool)
{
    return true;
}

void ItemMenagerBase::saveWLFirst(DataStream &)
{
}

bool ItemMenagerBase::loadWLFirst(DataStream &)
{
    return true;
}

bool ItemMenagerBase::saveWLSecond(DataStream &)
{
    return true;
}

bool ItemMenagerBase::loadWLSecond(DataStream &)
{
    return true;
}

bool ItemMenagerBase::updateWLPointers()
{
    return true;
}

void ItemMenagerBase::changed()
{
}

void ItemMenagerBase::check(QTreeWidget *, int)
{
}

void ItemMenagerBase::printAll(QPainter *)
{
}

void ItemMenagerBase::appendPages(QList<GraphicsScene *> &)
{
}

void ItemMenagerBase::saveClipboard(DataStream &)
{
}

void ItemMenagerBase::loadClipboard(DataStream &)
{
}

void ItemMenagerBase::saveClipboardGeometry(DataStream &)
{
}

void ItemMenagerBase::loadClipboardGeometry(DataStream &)
{
}

void *ItemMenagerBase::clickNewItem()
{
    return nullptr;
}

void ItemMenagerBase::clickDeleteItem()
{
}

void ItemMenagerBase::clickPropertyItem()
{
}

void ItemMenagerBase::clickPrintItem()
{
}

void ItemMenagerBase::clickSavePdfFiles()
{
}

void ItemMenagerBase::copy()
{
}

void ItemMenagerBase::paste()
{
}

const int *ItemMenagerBase::actions(int &count)
{
    count = 0;
    return nullptr;
}

const int *ItemMenagerBase::childActions(int &count)
{
    count = 0;
    return nullptr;
}

const char *ItemMenagerBase::mimeType() const
{
    return nullptr;
}

void ItemMenagerBase::registerItemActions(const int ids[], int count)
{
    if (!CHECK(count == 4) || !hasCommands())
        return;
    static const char *const handlerSlots[4] = {
        SLOT(clickNewItem()),
        SLOT(clickDeleteItem()),
        SLOT(clickPropertyItem()),
        SLOT(clickPrintItem()),
    };
    for (int i = 0; i < 4; ++i) {
        if (ids[i] != -1)
            addHandler(ids[i], this, handlerSlots[i], i == 0, false);
    }
}

QMenu *ItemMenagerBase::createContextMenu()
{
    int count = 0;
    const int *ids = actions(count);
    if (!CHECK(ids && count > 0))
        return nullptr;
    if (!hasCommands())
        return nullptr;
    auto *menu = new QMenu();
    addActionsToMenu(menu, ids, count);
    return menu;
}

void ItemMenagerBase::showContextMenu(const QPoint &globalPos)
{
    std::unique_ptr<QMenu> menu(createContextMenu());
    if (menu)
        menu->exec(globalPos);
}

bool ItemMenagerBase::canPaste() const
{
    const char *format = mimeType();
    if (!format)
        return false;
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return false;
    const QMimeData *data = clipboard->mimeData(QClipboard::Clipboard);
    return data && data->hasFormat(QString::fromLatin1(format));
}

void ItemMenagerBase::finishPaste()
{
    if (!CHECK_PTR(m_project))
        return;
    m_project->clearOldIds();
    m_project->updatePinsPointers();
    m_project->sortItems(0, Qt::AscendingOrder);
}

bool ItemMenagerBase::plausibleCount(const DataStream &stream, qint32 count)
{
    return count <= 0 || !stream.hasDevice() || qint64(count) <= stream.bytesLeft();
}

QTreeWidget *ItemMenagerBase::checkedTree() const
{
    QTreeWidget *tree = m_treeItem ? m_treeItem->treeWidget() : nullptr;
    return CHECK_PTR(tree) ? tree : nullptr;
}

// Documents.

namespace itemprotocol {

ProjectItemBase *node(GraphicsScene *item)
{
    return item->sceneItem();
}

void writeRecord(GraphicsScene *item, DataStream &stream)
{
    item->saveReference(stream);
}

void readRecord(GraphicsScene *item, DataStream &stream)
{
    item->loadReference(stream);
}

void saveFirst(GraphicsScene *item, DataStream &stream)
{
    item->saveScene(stream);
}

bool loadFirst(GraphicsScene *item, DataStream &stream)
{
    return item->loadScene(stream);
}

bool saveSecond(GraphicsScene *item, DataStream &stream)
{
    return item->saveItemsGeometry(stream);
}

bool loadSecond(GraphicsScene *item, DataStream &stream)
{
    return item->loadItemsGeometry(stream);
}

bool updatePointers(GraphicsScene *item, bool second)
{
    return item->updatePointers(second);
}

void saveWLFirst(GraphicsScene *item, DataStream &stream)
{
    item->saveUserItems(stream);
}

bool loadWLFirst(GraphicsScene *item, DataStream &stream)
{
    return item->loadUserItems(stream);
}

bool saveWLSecond(GraphicsScene *item, DataStream &stream)
{
    return item->saveUserItemsGeometry(stream);
}

bool loadWLSecond(GraphicsScene *item, DataStream &stream)
{
    return item->loadUserItemsGeometry(stream);
}

bool updateWLPointers(GraphicsScene *item)
{
    return item->updateWLPointers();
}

void check(GraphicsScene *item, QTreeWidget *results, int code)
{
    item->checkItems(results, code);
}

void printAll(GraphicsScene *item, QPainter *painter)
{
    item->printScene(painter);
}

void appendPages(GraphicsScene *item, QList<GraphicsScene *> &pages)
{
    item->appendTo(pages);
}

void saveClipboard(GraphicsScene *item, DataStream &stream)
{
    item->saveClipboard(stream);
}

void loadClipboard(GraphicsScene *item, DataStream &stream)
{
    item->loadClipboard(stream);
}

void saveClipboardGeometry(GraphicsScene *item, DataStream &stream)
{
    item->saveClipboardGeometry(stream);
}

void loadClipboardGeometry(GraphicsScene *item, DataStream &stream)
{
    item->loadClipboardGeometry(stream);
}

void markChanged(GraphicsScene *item)
{
    item->setModified(true);
}

// Managers.

ProjectItemBase *node(ItemMenagerBase *item)
{
    return item->treeItem();
}

void writeRecord(ItemMenagerBase *item, DataStream &stream)
{
    item->writeItems(stream);
}

void readRecord(ItemMenagerBase *item, DataStream &stream)
{
    item->readItems(stream);
}

void saveFirst(ItemMenagerBase *item, DataStream &stream)
{
    item->saveFirst(stream);
}

bool loadFirst(ItemMenagerBase *item, DataStream &stream)
{
    return item->loadFirst(stream);
}

bool saveSecond(ItemMenagerBase *item, DataStream &stream)
{
    return item->saveSecond(stream);
}

bool loadSecond(ItemMenagerBase *item, DataStream &stream)
{
    return item->loadSecond(stream);
}

bool updatePointers(ItemMenagerBase *item, bool second)
{
    return item->updatePointers(second);
}

void saveWLFirst(ItemMenagerBase *item, DataStream &stream)
{
    item->saveWLFirst(stream);
}

bool loadWLFirst(ItemMenagerBase *item, DataStream &stream)
{
    return item->loadWLFirst(stream);
}

bool saveWLSecond(ItemMenagerBase *item, DataStream &stream)
{
    return item->saveWLSecond(stream);
}

bool loadWLSecond(ItemMenagerBase *item, DataStream &stream)
{
    return item->loadWLSecond(stream);
}

bool updateWLPointers(ItemMenagerBase *item)
{
    return item->updateWLPointers();
}

void check(ItemMenagerBase *item, QTreeWidget *results, int code)
{
    item->check(results, code);
}

void printAll(ItemMenagerBase *item, QPainter *painter)
{
    item->printAll(painter);
}

void appendPages(ItemMenagerBase *item, QList<GraphicsScene *> &pages)
{
    item->appendPages(pages);
}

void saveClipboard(ItemMenagerBase *item, DataStream &stream)
{
    item->saveClipboard(stream);
}

void loadClipboard(ItemMenagerBase *item, DataStream &stream)
{
    item->loadClipboard(stream);
}

void saveClipboardGeometry(ItemMenagerBase *item, DataStream &stream)
{
    item->saveClipboardGeometry(stream);
}

void loadClipboardGeometry(ItemMenagerBase *item, DataStream &stream)
{
    item->loadClipboardGeometry(stream);
}

void markChanged(ItemMenagerBase *item)
{
    item->changed();
}

} // namespace itemprotocol
