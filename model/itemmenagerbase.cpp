#include "model/itemmenagerbase.h"

#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

#include <memory>

namespace {

ItemMenagerBase::PdfWriter installedPdfWriter = nullptr;

} // namespace

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

const int *ItemMenagerBase::actions(int &count)
{
    count = m_menuActionCount;
    return m_menuActions;
}

const int *ItemMenagerBase::childActions(int &count)
{
    count = m_childActionCount;
    return m_childActions;
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

void ItemMenagerBase::setPdfWriter(PdfWriter writer)
{
    installedPdfWriter = writer;
}

ItemMenagerBase::PdfWriter ItemMenagerBase::pdfWriter()
{
    return installedPdfWriter;
}

bool ItemMenagerBase::plausibleCount(const DataStream &stream, qint32 count)
{
    return count <= 0 || !stream.hasDevice() || qint64(count) <= stream.bytesLeft();
}

bool ItemMenagerBase::becomeBranch(const QString &title, const QString &icon)
{
    if (!CHECK_PTR(m_project) || !CHECK_PTR(m_treeItem))
        return false;
    m_treeItem->setTexts(title, QString());
    m_treeItem->setIcons(icon, icon);
    m_project->addTopLevelItem(m_treeItem);
    return true;
}

QTreeWidget *ItemMenagerBase::checkedTree() const
{
    QTreeWidget *tree = m_treeItem ? m_treeItem->treeWidget() : nullptr;
    return CHECK_PTR(tree) ? tree : nullptr;
}
