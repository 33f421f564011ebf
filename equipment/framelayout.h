#ifndef RLAY_FRAMELAYOUT_H
#define RLAY_FRAMELAYOUT_H

// The placement drawing of one frame: a sheet holding the frame parts that
// its frame type prescribes, the panels and boards put into their places,
// the place items of the devices, and drawings of the user. A device
// carried over the sheet shows the place it would drop into; dropped there
// it receives that place's address. The sheet draws a fixed background per
// frame kind and is saved in the equipment side file.

#include "equipment/graphicsplaceitem.h"
#include "graphics/graphicsscene.h"
#include "model/address.h"

#include <QHash>
#include <QList>
#include <QStringList>

class Cable;
class CheckLog;
class DlgPropGraphicsItem;
class Frame;
class GraphicsFramePart;
class GraphicsItem;
class GraphicsPlaceItem;
class Pin;
class Place;
class QTreeWidget;
class Module;
class Source;
class WiringLayout;

// A source of the project with the device pins its net reaches.
struct SourceNet
{
    Source *source;
    QList<Pin *> pins;
};

// A kind of item the user inserts into a frame layout (panel, board).
struct FrameItemType
{
    int typeId;
    GraphicsItem *(*createItem)(GraphicsScene *scene);
    DlgPropGraphicsItem *(*createDialog)(GraphicsScene *scene);
    const char *name; // the dialog's title in the context "FrameLayout"
};

class FrameLayout : public GraphicsScene
{
    Q_OBJECT

public:
    FrameLayout(Project *project, Frame *frame);
    // Lets go of the placed items before the sheet's items go.
    ~FrameLayout() override;

    // Fills the process-wide registry of the item kinds (once, at start-up).
    static void registerItemTypes();
    // The registry row of a type id; null for a type it does not hold.
    static const FrameItemType *itemType(int typeId);

    // The layout a sheet is, or null. No class derives from a layout: its
    // meta-object tells it, without a run-time cast.
    static FrameLayout *of(GraphicsScene *scene)
    {
        return scene && scene->metaObject() == &staticMetaObject ? static_cast<FrameLayout *>(scene) : nullptr;
    }

    Frame *frame() const { return m_frame; }
    const QList<GraphicsFramePart *> &parts() const { return m_parts; }

    GraphicsItem *createItem(int type) override;
    DlgPropGraphicsItem *createDialog(int type) override;
    bool hasDialog(int type) const override;
    GraphicsEdit *createEdit(QList<QAction *> *actions) override;
    // "F ", the frame's designation, "_" and the sheet number.
    QString displayName() const override;
    int groupNumber() const override;
    QString property(int id) const override;
    void forgetItem(GraphicsItem *item) override;

    Address frameAddress() const;
    // Builds the parts of the frame type anew; what stood in the old parts
    // goes with them.
    void setFrameType(int type);
    // Every part takes the frame's address; the new addresses reach every
    // place and every device placed.
    void updateAddresses();
    // The first part whose clamp-panel type lists the model.
    GraphicsFramePart *partForClampPanelModel(int model) const;
    // The strip type of the first clamp panel of the model (by name) whose
    // address lies in this frame; -1 for none.
    int clampStripTypeInFrame(int model) const;

    // Carrying and dropping a place item: the place found at the point is
    // lit; released, the item goes into the place lit, if any, and nothing
    // is lit any more.
    void trackDrop(GraphicsPlaceItem *item, const QPointF &scenePoint);
    // For an item the view carries: the place under the cursor, else the
    // place under the item's centre, which the grid keeps near the cursor.
    void trackCarriedDrop(GraphicsPlaceItem *item, const QPointF &cursor);
    void dropItem(GraphicsPlaceItem *item);
    // Ends a drag of the mouse (released, or cut short by a menu): every
    // place item it moved goes into the place where it stands, when that
    // takes it, and nothing is lit.
    void finishDrag();
    Place *highlightedPlace() const { return m_highlighted; }
    void forgetPlace(Place *place);
    // Whether an item whose body takes the sheet rectangle may stand in the
    // target place: besides the target and the places holding the
    // containers it stands in, the rectangle meets no place that holds an
    // item, is marked or lies under another item, and no item's body but
    // those of the containers the target stands in.
    bool isAreaFree(const QRectF &sceneRect, const Place *target) const;

    // Covering is a function of where things stand: every empty, unmarked
    // place under the body of an item of another place (outside the item's
    // own places) is covered by the first such item of the frame's tree.
    // Decides it anew for the whole frame.
    void updateCovering();
    // A place took or gave up an item: a place of the frame's tree has the
    // covering decided anew.
    void placementChanged(const Place *place);
    // While one lives, placements decide no covering: the last to go
    // decides it once for all of them.
    class CoveringBatch
    {
    public:
        explicit CoveringBatch(FrameLayout *layout);
        ~CoveringBatch();
        CoveringBatch(const CoveringBatch &) = delete;
        CoveringBatch &operator=(const CoveringBatch &) = delete;

    private:
        FrameLayout *m_layout;
    };

    // A load builds the parts from the frame type, moves them and fills
    // their places before what covers what can matter: from holdForLoad
    // on, the covering is decided once, when the pointer fix-up has put
    // every item in its place (or when releaseLoadHold ends a load that
    // failed before it).
    void holdForLoad();
    bool isHeldForLoad() const { return m_heldForLoad; }
    void releaseLoadHold();

    // The sources of the project in name order, each with its net's pins,
    // read once for all frames.
    static QList<SourceNet> sourceNets(Project *project);
    // A row for every source that feeds equipment of the frame's panels:
    // the source, the frame number, the count of wire groups, the sheet of
    // the source's item created for this frame.
    void fillSourcesTree(QTreeWidget *tree, const QList<SourceNet> &nets, CheckLog &log);

    // Builds the frame's wiring documents: the DC table and DC scheme pages
    // of its modules, the pages of its parts, the cable pages. False when a
    // part is missing; the pages made so far stay.
    bool createWiringLayouts(CheckLog &log);
    // Deletes every wiring page of the frame; panels let go of theirs.
    void clearWiringLayouts();
    // The DC and cable pages, in the order they were made.
    QList<WiringLayout *> &wiringPages() { return m_wiringPages; }
    // A page of a panel or part that leaves the frame, or of a panel that
    // takes another type, with the user's drawings on it: the layout keeps
    // it, out of the tree and of every view, until the next rebuild of the
    // frame's pages gives the drawings to the page that stands for the same
    // panel (the owner; null for one that is gone) or asks before they go.
    // A page without drawings, or one of a closing project, goes at once.
    void keepLeftPage(GraphicsScene *page, const void *owner);
    // The panel is gone: the pages kept for it stand for nothing now.
    void forgetLeftPageOwner(const void *owner);
    using LeftPages = QList<QPair<const void *, GraphicsScene *>>;
    LeftPages &leftPages() { return m_leftPages; }
    // Whether the pages may no longer be what the frame would build now:
    // its parts, places or frame settings changed since they were built,
    // or the sheet is modified. A save builds only these frames anew.
    bool wiringChanged() const { return m_wiringChanged || isModified(); }
    void setWiringChanged() { m_wiringChanged = true; }

    // While loading: a place read under its saved identity, which it keeps.
    void registerPlace(qint32 id, Place *place);

    // The parts' place records, then the other items; no sheet header (the
    // frame type restores the sheet).
    void saveScene(DataStream &stream) override;
    bool loadScene(DataStream &stream) override;
    bool saveItemsGeometry(DataStream &stream) override;
    bool loadItemsGeometry(DataStream &stream) override;
    // Puts the loaded panels, boards and devices into their places.
    bool updatePointers(bool second) override;

protected:
    void drawBackground(QPainter *painter, const QRectF &rect) override;

private:
    void setHighlighted(Place *place);
    // The first place, part by part, that takes the item at the point.
    Place *findDropPlace(GraphicsPlaceItem *item, const QPointF &scenePoint) const;
    // Puts the item into the place, asked at the point, when it takes it.
    void putInto(GraphicsPlaceItem *item, Place *target, const QPointF &scenePoint);
    // Parts first, then the other items in the sheet's order: the order of
    // every record of the sheet.
    QList<GraphicsItem *> recordOrder() const;
    // Puts the loaded panels into their places in the order given, each
    // panel after the panel that holds it.
    bool fitPanels(const QList<GraphicsPlaceItem *> &panels);
    // The heating, column and left-side pages of a relay case; what it
    // cannot wire is skipped and logged.
    void createRelayCaseWiring(CheckLog &log);
    void drawRelayCase(QPainter *painter);

    Frame *m_frame;
    QList<GraphicsFramePart *> m_parts;
    PlaceIndex m_placeMap;
    Place *m_highlighted = nullptr;
    QPointF m_highlightPoint; // where the place lit was found
    // The count of places the last decision walked, to make room for.
    qsizetype m_placeCount = 0;
    int m_coveringHeld = 0;
    bool m_coveringDue = false;
    bool m_heldForLoad = false;
    QList<WiringLayout *> m_wiringPages;
    LeftPages m_leftPages;
    bool m_wiringChanged = true;
};

#endif
