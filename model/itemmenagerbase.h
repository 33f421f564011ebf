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
#include <QStringList>

#include <type_traits>

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
    virtual void writeItems(DataStream &) {}
    virtual void readItems(DataStream &) {}
    virtual void saveFirst(DataStream &) {}
    virtual bool loadFirst(DataStream &) { return true; }
    virtual bool saveSecond(DataStream &) { return true; }
    virtual bool loadSecond(DataStream &) { return true; }
    virtual bool updatePointers(bool) { return true; }
    virtual void saveWLFirst(DataStream &) {}
    virtual bool loadWLFirst(DataStream &) { return true; }
    virtual bool saveWLSecond(DataStream &) { return true; }
    virtual bool loadWLSecond(DataStream &) { return true; }
    virtual bool updateWLPointers() { return true; }
    // The branch's own tables, written ahead of its items' records.
    virtual void writeTables(DataStream &) {}
    virtual bool readTables(DataStream &) { return true; }
    // Around the passes: before a save writes a file (false stops the
    // save), once it ended, before a load reads a file and once it ended.
    virtual bool prepareSave(const QString &) { return true; }
    // Before a save that writes the whole branch from the project as it
    // stands: what the branch keeps from an earlier save or load to spare
    // work (records written, pages built, indexes) is let go.
    virtual void prepareFullSave() {}
    // Around a "Save as". Before it the branch notes what the save may
    // change; under another project's name it also gives up the files it
    // keeps beside the main file, which the project it was read from still
    // names, and takes files of its own at the save. Once the save ended,
    // a failed one puts back what was noted.
    virtual void prepareSaveAs(bool) {}
    virtual void saveAsFinished(bool) {}
    // Before a save: each document whose own file the save would leave as
    // it is, but which is no longer on disk as the document last read or
    // wrote it (another program wrote it, a copy was put back, its folder
    // was removed), is marked to be written anew. Every document is looked
    // at, or only those in folders changed since they were last read or
    // written.
    virtual void markFilesChangedOnDisk(bool) {}
    virtual void saveFinished(bool) {}
    virtual void prepareLoad() {}
    // Whether the load succeeded.
    virtual void loadFinished(bool) {}
    // The files of the branch's documents, in the order a load reads them.
    virtual QStringList documentFilePaths() const { return QStringList(); }
    // Their sizes as the project recorded them, 0 where it did not.
    virtual QList<qint64> documentFileSizes() const { return QList<qint64>(); }
    // Once every pin a load read is joined: the pages the branch builds
    // from the project (the wiring documents).
    virtual bool createDerivedPages() { return true; }

    // Something below the manager changed.
    virtual void changed() {}
    virtual void check(QTreeWidget *, int) {}
    // Prints every document of the branch on a running job, one per page.
    virtual void printAll(QPainter *) {}
    virtual void appendPages(QList<GraphicsScene *> &) {}
    virtual void saveClipboard(DataStream &) {}
    virtual void loadClipboard(DataStream &) {}
    virtual void saveClipboardGeometry(DataStream &) {}
    virtual void loadClipboardGeometry(DataStream &) {}

    // The ids of the context menu (-1 a separator), and of the actions that
    // act on a selected child; by default the lists the manager set, null
    // when there are none.
    virtual const int *actions(int &count);
    virtual const int *childActions(int &count);
    // The clipboard format of the items; null when they cannot be copied.
    virtual const char *mimeType() const { return nullptr; }

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

    // Writes pages as PDF files whose names begin with baseName: the
    // program's printer, which installs it.
    using PdfWriter = void (*)(const QList<GraphicsScene *> &pages, const QString &baseName);
    static void setPdfWriter(PdfWriter writer);
    static PdfWriter pdfWriter();

protected slots:
    virtual void *clickNewItem() { return nullptr; }
    virtual void clickDeleteItem() {}
    virtual void clickPropertyItem() {}
    virtual void clickPrintItem() {}
    virtual void clickSavePdfFiles() {}
    virtual void copy() {}
    virtual void paste() {}

protected:
    // The lists actions() and childActions() answer.
    template <int M, int C>
    void setActionLists(const int (&menu)[M], const int (&child)[C])
    {
        m_menuActions = menu;
        m_menuActionCount = M;
        m_childActions = child;
        m_childActionCount = C;
    }
    // Puts the manager's node at the top of its project's tree with its
    // (translated) title and icon, and gives it its item handlers and
    // command lists; false after a failed check.
    template <int M, int C>
    bool becomeBranch(const QString &title, const QString &icon, const int (&itemActions)[4],
                      const int (&menu)[M], const int (&child)[C])
    {
        if (!becomeBranch(title, icon))
            return false;
        registerItemActions(itemActions, 4);
        setActionLists(menu, child);
        return true;
    }
    bool becomeBranch(const QString &title, const QString &icon);

    // Every item of a list has at least one byte of its own further on in
    // the same stream: a count beyond the bytes left is damage.
    static bool plausibleCount(const DataStream &stream, qint32 count);
    // The tree the manager's node stands in; null after a failed check.
    QTreeWidget *checkedTree() const;

private:
    Project *m_project;
    ProjectItem<ItemMenagerBase> *m_treeItem = nullptr;
    const int *m_menuActions = nullptr;
    const int *m_childActions = nullptr;
    int m_menuActionCount = 0;
    int m_childActionCount = 0;
};

// The item protocol: what each operation of the template asks of an item,
// by kind of item (a document, a frame, a manager).
namespace itemprotocol {

// A document answers with its sheet's passes (defined with the sheet).
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

// A frame has no clipboard record, no wiring pointer pass of its own and no
// change mark after its dialog; its record is its properties and its pages
// print with it (defined with the frame).
void writeRecord(Frame *item, DataStream &stream);
void readRecord(Frame *item, DataStream &stream);
bool updateWLPointers(Frame *item);
void printAll(Frame *item, QPainter *painter);
void saveClipboard(Frame *item, DataStream &stream);
void loadClipboard(Frame *item, DataStream &stream);
void saveClipboardGeometry(Frame *item, DataStream &stream);
void loadClipboardGeometry(Frame *item, DataStream &stream);
void markChanged(Frame *item);

// Every other item (a manager, and a frame where none of the above says
// otherwise) answers with its own pass of the operation's name; its node is
// its tree row, its record its list of items, its change mark changed().
template <class Item>
using NotDocument = std::enable_if_t<!std::is_base_of_v<GraphicsScene, Item>, int>;

template <class Item, NotDocument<Item> = 0>
ProjectItemBase *node(Item *item) { return item->treeItem(); }
template <class Item, NotDocument<Item> = 0>
void writeRecord(Item *item, DataStream &stream) { item->writeItems(stream); }
template <class Item, NotDocument<Item> = 0>
void readRecord(Item *item, DataStream &stream) { item->readItems(stream); }
template <class Item, NotDocument<Item> = 0>
void saveFirst(Item *item, DataStream &stream) { item->saveFirst(stream); }
template <class Item, NotDocument<Item> = 0>
bool loadFirst(Item *item, DataStream &stream) { return item->loadFirst(stream); }
template <class Item, NotDocument<Item> = 0>
bool saveSecond(Item *item, DataStream &stream) { return item->saveSecond(stream); }
template <class Item, NotDocument<Item> = 0>
bool loadSecond(Item *item, DataStream &stream) { return item->loadSecond(stream); }
template <class Item, NotDocument<Item> = 0>
bool updatePointers(Item *item, bool second) { return item->updatePointers(second); }
template <class Item, NotDocument<Item> = 0>
void saveWLFirst(Item *item, DataStream &stream) { item->saveWLFirst(stream); }
template <class Item, NotDocument<Item> = 0>
bool loadWLFirst(Item *item, DataStream &stream) { return item->loadWLFirst(stream); }
template <class Item, NotDocument<Item> = 0>
bool saveWLSecond(Item *item, DataStream &stream) { return item->saveWLSecond(stream); }
template <class Item, NotDocument<Item> = 0>
bool loadWLSecond(Item *item, DataStream &stream) { return item->loadWLSecond(stream); }
template <class Item, NotDocument<Item> = 0>
bool updateWLPointers(Item *item) { return item->updateWLPointers(); }
template <class Item, NotDocument<Item> = 0>
void check(Item *item, QTreeWidget *results, int code) { item->check(results, code); }
template <class Item, NotDocument<Item> = 0>
void printAll(Item *item, QPainter *painter) { item->printAll(painter); }
template <class Item, NotDocument<Item> = 0>
void appendPages(Item *item, QList<GraphicsScene *> &pages) { item->appendPages(pages); }
template <class Item, NotDocument<Item> = 0>
void saveClipboard(Item *item, DataStream &stream) { item->saveClipboard(stream); }
template <class Item, NotDocument<Item> = 0>
void loadClipboard(Item *item, DataStream &stream) { item->loadClipboard(stream); }
template <class Item, NotDocument<Item> = 0>
void saveClipboardGeometry(Item *item, DataStream &stream) { item->saveClipboardGeometry(stream); }
template <class Item, NotDocument<Item> = 0>
void loadClipboardGeometry(Item *item, DataStream &stream) { item->loadClipboardGeometry(stream); }
template <class Item, NotDocument<Item> = 0>
void markChanged(Item *item) { item->changed(); }

} // namespace itemprotocol

#endif
