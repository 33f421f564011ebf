#ifndef RLAY_BENCH_WIRINGFIGURES_H
#define RLAY_BENCH_WIRINGFIGURES_H

// What the benchmarks do to the wiring pages of a whole project, each step
// apart so that each is timed for itself: the listing a load makes (rows
// of the project tree only), the building of every listed page as when it
// is first opened or printed, the framework scenes of the built pages as
// when they are shown, and the rebuild a save makes of changed frames.
// Beside them their floors: what the toolkit alone takes to make as many
// tree rows, objects and plain scene items, and scenes holding as many
// plain items.

#include "equipment/equipmentmenager.h"
#include "equipment/frame.h"
#include "equipment/framegroup.h"
#include "equipment/specificationmanagercable.h"
#include "equipment/wiringlayout.h"
#include "equipment/wiringpageitem.h"
#include "graphics/sceneitem.h"
#include "model/project.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QTreeWidget>

#include <vector>

namespace wiringfigures {

inline QList<Frame *> framesOf(Project &project)
{
    QList<Frame *> frames;
    for (FrameGroup *row : project.equipment()->itemList())
        frames += row->itemList();
    return frames;
}

// The built pages below the frame's row, in tree order.
inline QList<WiringLayout *> builtPages(Frame *frame)
{
    QList<WiringLayout *> pages;
    QTreeWidgetItem *row = frame->treeItem();
    for (int i = 0; row && i < row->childCount(); ++i) {
        auto *node = dynamic_cast<SceneItem *>(row->child(i));
        if (auto *page = node ? qobject_cast<WiringLayout *>(node->owner()) : nullptr)
            pages.append(page);
    }
    return pages;
}

inline QList<WiringLayout *> builtPages(Project &project)
{
    QList<WiringLayout *> pages;
    for (Frame *frame : framesOf(project))
        pages += builtPages(frame);
    return pages;
}

// The wiring pages of a project: listed only, built, and the items on the
// built ones, children included.
struct PageCount
{
    int listed = 0;
    int built = 0;
    int items = 0;
};

inline int treeSize(const GraphicsItem *item)
{
    int n = 1;
    for (const GraphicsItem *child : item->childItems())
        n += treeSize(child);
    return n;
}

inline PageCount countPages(Project &project)
{
    PageCount count;
    for (Frame *frame : framesOf(project)) {
        QTreeWidgetItem *row = frame->treeItem();
        for (int i = 0; row && i < row->childCount(); ++i) {
            auto *listed = dynamic_cast<WiringPageItem *>(row->child(i));
            count.listed += listed && listed->isListedOnly() ? 1 : 0;
        }
        for (WiringLayout *page : builtPages(frame)) {
            ++count.built;
            for (const GraphicsItem *item : page->graphicsItems())
                count.items += treeSize(item);
        }
    }
    return count;
}

// Every frame's pages go, listed or built; untimed.
inline void dropPages(Project &project)
{
    for (Frame *frame : framesOf(project))
        frame->dropWiringPages();
    QCoreApplication::sendPostedEvents();
}

// The listing a load makes.
inline bool listPages(Project &project)
{
    return project.equipment()->createWiringLayouts();
}

// Every listed page built, as a frame builds all its pages when one of them
// is first opened, printed or saved as PDF: frame by frame, as opening one
// page of each in turn builds them.
inline bool buildPages(Project &project)
{
    bool ok = true;
    for (Frame *frame : framesOf(project))
        ok = frame->buildWiringPages(false) && ok;
    return ok;
}

// The first opening of one page of each frame in turn, as the user's
// double click on its row opens it: the frame builds its pages then. The
// number of frames whose page opened.
inline int openOnePagePerFrame(Project &project)
{
    int opened = 0;
    for (Frame *frame : framesOf(project)) {
        QTreeWidgetItem *row = frame->treeItem();
        for (int i = 0; row && i < row->childCount(); ++i) {
            auto *listed = dynamic_cast<WiringPageItem *>(row->child(i));
            if (listed && listed->isListedOnly()) {
                listed->doubleClicked();
                ++opened;
                break;
            }
        }
    }
    return opened;
}

// The pages of every frame gathered by the equipment branch, as printing
// or saving the whole branch as PDF gathers them, building what is only
// listed; the number of pages and layouts gathered.
inline int branchPages(Project &project)
{
    QList<GraphicsScene *> pages;
    project.equipment()->appendPages(pages);
    return int(pages.size());
}

// The framework scene of every built page, as showing each makes it; the
// number of scenes made.
inline int makeScenes(const QList<WiringLayout *> &pages)
{
    int made = 0;
    for (WiringLayout *page : pages)
        made += page->liveScene() ? 1 : 0;
    return made;
}

// What a save does when every frame changed: each frame's pages built
// anew beside the open ones and compared with them.
inline void rebuildPages(Project &project)
{
    project.equipment()->setAllWiringChanged();
    project.equipment()->rebuildWiringLayouts();
}

// The floors. Each makes what it stands for, timed from start(t), and
// frees it untimed.

// As many tree rows as the listing makes, under as many parent rows.
template <class Start>
qint64 rowsFloorNs(int parents, int rows, Start start)
{
    QTreeWidget tree;
    QList<QTreeWidgetItem *> top;
    for (int i = 0; i < parents; ++i)
        top.append(new QTreeWidgetItem);
    tree.addTopLevelItems(top);
    QElapsedTimer t;
    start(t);
    for (int i = 0; i < parents; ++i) {
        QList<QTreeWidgetItem *> children;
        const int count = rows / parents + (i < rows % parents ? 1 : 0);
        for (int c = 0; c < count; ++c)
            children.append(new QTreeWidgetItem(QStringList{QString::number(c)}));
        top[i]->addChildren(children);
    }
    const qint64 ns = t.nsecsElapsed();
    tree.clear();
    return ns;
}

// As many objects as pages are built, and as many plain scene items, each
// placed, as the pages hold.
template <class Start>
qint64 itemsFloorNs(int objects, int items, Start start)
{
    std::vector<QObject *> objectsMade;
    objectsMade.reserve(size_t(objects));
    std::vector<QGraphicsRectItem *> made;
    made.reserve(size_t(items));
    QElapsedTimer t;
    start(t);
    for (int i = 0; i < objects; ++i)
        objectsMade.push_back(new QObject);
    for (int i = 0; i < items; ++i) {
        auto *item = new QGraphicsRectItem(0, 0, 100, 50);
        item->setPos(i % 40 * 100, i / 40 % 60 * 50);
        made.push_back(item);
    }
    const qint64 ns = t.nsecsElapsed();
    for (QGraphicsRectItem *item : made)
        delete item;
    for (QObject *object : objectsMade)
        delete object;
    return ns;
}

// As many scenes of the toolkit, without an index, holding as many plain
// items between them.
template <class Start>
qint64 scenesFloorNs(int scenes, int items, Start start)
{
    if (scenes <= 0)
        return 0;
    std::vector<QGraphicsRectItem *> made;
    made.reserve(size_t(items));
    for (int i = 0; i < items; ++i)
        made.push_back(new QGraphicsRectItem(0, 0, 100, 50));
    std::vector<QGraphicsScene *> scenesMade;
    scenesMade.reserve(size_t(scenes));
    QElapsedTimer t;
    start(t);
    for (int s = 0; s < scenes; ++s) {
        auto *scene = new QGraphicsScene;
        scene->setItemIndexMethod(QGraphicsScene::NoIndex);
        for (int i = int(qint64(items) * s / scenes); i < int(qint64(items) * (s + 1) / scenes); ++i)
            scene->addItem(made[size_t(i)]);
        scenesMade.push_back(scene);
    }
    const qint64 ns = t.nsecsElapsed();
    for (QGraphicsScene *scene : scenesMade)
        delete scene;
    return ns;
}

} // namespace wiringfigures

#endif
