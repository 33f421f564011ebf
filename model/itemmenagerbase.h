#ifndef RLAY_ITEMMENAGERBASE_H
#define RLAY_ITEMMENAGERBASE_H

// The common base of every manager of a branch of the project explorer: the
// scheme groups and their schemes, the rows of frames and their frames, the
// groups of device specification pages and their pages, the cable
// specification pages. A manager is a node of the project tree, answers the
// commands of its branch through the action table, and is the unit through
// which the project saves, loads, checks, prints and copies its documents.
// The template ItemMenager (itemmenager.h) implements the operations for a
// list of items; here every operation has its do-nothing default.

#include "app/actionsmanager.h"
#include "model/projectitemowner.h"

#include <QList>
#include <QObject>

class DataStream;
class Frame;
class GraphicsScene;
class ItemMenagerBase;
class Project;
class QAction;
class QMenu;
class QPainter;
class QPoint;
class QTreeWidget;
class QTreeWidgetItem;

// The manager's row hears of every change below it.
template <>
void ProjectItemOwner<ItemMenagerBase>::setChanged();

template <class X>
class ProjectItem;

// The project-tree row of a manager: it hands the current-row news and the
// context-menu requests to its manager.
template <>
class ProjectItem<ItemMenagerBase> : public ProjectItemOwner<ItemMenagerBase>
{
public:
    explicit ProjectItem(ItemMenagerBase *owner, ProjectItemBase *parent = nullptr);

    void setCurrent(bool current) override;
    // A row with a parent hands the request up; the top row of a branch
    // shows its manager's menu.
    bool contextMenu(const QPoint &globalPos) override;
    void setChildCurrent(ProjectItemBase *child, bool current) override;
};

class ItemMenagerBase : public QObject, public ActionsManager
{
    Q_OBJECT

public:
    // Without an action list the manager takes the project's. The node is
    // not placed in the tree here: a top-level manager adds it to the
    // project tree, a nested one is placed by its owner.
    explicit ItemMenagerBase(Project *project, QList<QAction *> *actions = nullptr);
    ~ItemMenagerBase() override;

    Project *project() const { return m_project; }
    ProjectItem<ItemMenagerBase> *treeItem() const { return m_treeItem; }

    // The manager's node became, or stopped being, current.
    virtual void setCurrent(QTreeWidgetItem *node, bool current);
    // A node below became, or stopped being, current: the child actions act
    // only on a direct child.
    virtual void setChildCurrent(QTreeWidgetItem *child, bool current);

    // The passes of a save and a load. The reading and pointer passes
    // answer false on damaged data.
    virtual void writeItems(DataStream &stream);
    virtual void readItems(DataStream &stream);
    virtual void saveFirst(DataStream &stream);
    virtual bool loadFirst(DataStream &stream);
    virtual bool saveSecond(DataStream &stream);
    virtual bool loadSecond(DataStream &stream);
    virtual bool updatePointers(bool second);
    virtual void saveWLFirst(DataStream &stream);
    virtual bool loadWLFirst(DataStream &stream);
    virtual bool saveWLSecond(DataStream &stream);
    virtual bool loadWLSecond(DataStream &stream);
    virtual bool updateWLPointers();

    // Something below the manager changed.
    virtual void changed();
    virtual void check(QTreeWidget *results, int code);
    // Prints every document of the branch on a running job, one per page.
    virtual void printAll(QPainter *painter);
    virtual void appendPages(QList<GraphicsScene *> &pages);
    virtual void saveClipboard(DataStream &stream);
    virtual void loadClipboard(DataStream &stream);
    virtual void saveClipboardGeometry(DataStream &stream);
    virtual void loadClipboardGeometry(DataStream &stream);

    // The ids of the context menu (-1 a separator), and of the actions that
    // act on a selected child; null when there are none.
    virtual const int *actions(int &count);
    virtual const int *childActions(int &count);
    // The clipboard format of the items; null when they cannot be copied.
    virtual const char *mimeType() const;

    // Registers the new, delete, property and print handlers; only the new
    // handler starts enabled, and an id of -1 registers nothing.
    void registerItemActions(const int ids[], int count);
    // The context menu of the branch (the caller owns it); null when the
    // manager has no menu.
    QMenu *createContextMenu();
    void showContextMenu(const QPoint &globalPos);
    // The window's actions are there to answer (a project built without
    // them, as in tools and tests, has no commands).
    bool hasCommands() const { return ActionsManager::actionList() && !ActionsManager::actionList()->isEmpty(); }
    // The clipboard holds data of this manager's format.
    bool canPaste() const;
    // Ends every paste: identities forgotten, pins joined, tree sorted.
    void finishPaste();

protected slots:
    virtual void *clickNewItem();
    virtual void clickDeleteItem();
    virtual void clickPropertyItem();
    virtual void clickPrintItem();
    virtual void clickSavePdfFiles();
    virtual void copy();
    virtual void paste();

protected:
    // Every item of a list has at least one byte of its own further on in
    // the same stream: a count beyond the bytes left is damage.
    static bool plausibleCount(const DataStream &stream, qint32 count);
    // The tree the manager's node stands in; null after a failed check.
    QTreeWidget *checkedTree() const;

private:
    Project *m_project;
    ProjectItem<ItemMenagerBase> *m_treeItem = nullptr;
};

// The item protocol: what each operation of the template asks of an item,
// by kind of item (a document, a manager, a frame).
namespace itemprotocol {

ProjectItemBase *node(GraphicsScene *item);
void writeRecord(GraphicsScene *item, DataStream &stream);
void readRecord(GraphicsScene *item, DataStream &stream);
void saveFirst(GraphicsScene *item, DataStream &stream);
bool loadFirst(GraphicsScene *item, DataStream &stream);
bool saveSecond(GraphicsScene *item, DataStream &stream);
bool loadSecond(GraphicsScene *item, DataStream &stream);
bool updatePointers(GraphicsScene *item, bool second);
void saveWLFirst(GraphicsScene *item, DataStream &stream);
bool loadWLFirst(GraphicsScene *item, DataStream &stream);
bool saveWLSecond(GraphicsScene *item, DataStream &stream);
bool loadWLSecond(GraphicsScene *item, DataStream &stream);
bool updateWLPointers(GraphicsScene *item);
void check(GraphicsScene *item, QTreeWidget *results, int code);
void printAll(GraphicsScene *item, QPainter *painter);
void appendPages(GraphicsScene *item, QList<GraphicsScene *> &pages);
void saveClipboard(GraphicsScene *item, DataStream &stream);
void loadClipboard(GraphicsScene *item, DataStream &stream);
void saveClipboardGeometry(GraphicsScene *item, DataStream &stream);
void loadClipboardGeometry(GraphicsScene *item, DataStream &stream);
void markChanged(GraphicsScene *item);

ProjectItemBase *node(ItemMenagerBase *item);
void writeRecord(ItemMenagerBase *item, DataStream &stream);
void readRecord(ItemMenagerBase *item, DataStream &stream);
void saveFirst(ItemMenagerBase *item, DataStream &stream);
bool loadFirst(ItemMenagerBase *item, DataStream &stream);
bool saveSecond(ItemMenagerBase *item, DataStream &stream);
bool loadSecond(ItemMenagerBase *item, DataStream &stream);
bool updatePointers(ItemMenagerBase *item, bool second);
void saveWLFirst(ItemMenagerBase *item, DataStream &stream);
bool loadWLFirst(ItemMenagerBase *item, DataStream &stream);
bool saveWLSecond(ItemMenagerBase *item, DataStream &stream);
bool loadWLSecond(ItemMenagerBase *item, DataStream &stream);
bool updateWLPointers(ItemMenagerBase *item);
void check(ItemMenagerBase *item, QTreeWidget *results, int code);
void printAll(ItemMenagerBase *item, QPainter *painter);
void appendPages(ItemMenagerBase *item, QList<GraphicsScene *> &pages);
void saveClipboard(ItemMenagerBase *item, DataStream &stream);
void loadClipboard(ItemMenagerBase *item, DataStream &stream);
void saveClipboardGeometry(ItemMenagerBase *item, DataStream &stream);
void loadClipboardGeometry(ItemMenagerBase *item, DataStream &stream);
void markChanged(ItemMenagerBase *item);

// A frame has no clipboard record, no wiring pointer pass of its own and no
// change mark after its dialog (defined with the frame).
ProjectItemBase *node(Frame *item);
void writeRecord(Frame *item, DataStream &stream);
void readRecord(Frame *item, DataStream &stream);
void saveFirst(Frame *item, DataStream &stream);
bool loadFirst(Frame *item, DataStream &stream);
bool saveSecond(Frame *item, DataStream &stream);
bool loadSecond(Frame *item, DataStream &stream);
bool updatePointers(Frame *item, bool second);
void saveWLFirst(Frame *item, DataStream &stream);
bool loadWLFirst(Frame *item, DataStream &stream);
bool saveWLSecond(Frame *item, DataStream &stream);
bool loadWLSecond(Frame *item, DataStream &stream);
bool updateWLPointers(Frame *item);
void check(Frame *item, QTreeWidget *results, int code);
void printAll(Frame *item, QPainter *painter);
void appendPages(Frame *item, QList<GraphicsScene *> &pages);
void saveClipboard(Frame *item, DataStream &stream);
void loadClipboard(Frame *item, DataStream &stream);
void saveClipboardGeometry(Frame *item, DataStream &stream);
void loadClipboardGeometry(Frame *item, DataStream &stream);
void markChanged(Frame *item);

} // namespace itemprotocol

#endif
