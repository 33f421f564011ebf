#ifndef RLAY_GRAPHICSSCENE_H
#define RLAY_GRAPHICSSCENE_H

// Base of every document sheet: schemes, the equipment scheme, frame and
// wiring layouts, specification pages. A sheet has a name and a number, a
// paper format with a count of sheets laid side by side, a grid step, the
// sheet frame and title block as its background, its own ordered list of
// the items it owns (the order of every stream), deferred deletion of
// removed items, its row in the project tree, creation of items and
// property dialogs by type id, the scene stream of the project files and the
// clipboard, and printing.
//
// A sheet is not itself a scene of the framework: it makes one when
// something first shows, prints or searches it (a view, the printer, a
// lookup by rectangle, the selection). A large project's sheets that nobody
// looks at then cost no framework scene to build, and none to close (the
// framework keeps every scene in one list, searched once per scene that
// goes).
//
// Scene coordinates are tenths of a millimetre.

#include <QGraphicsScene>
#include <QList>
#include <QPageSize>
#include <QPointF>
#include <QSet>
#include <QString>

#include <functional>

class DataStream;
class DlgPropGraphicsItem;
class GraphicsEdit;
class GraphicsItem;
class GraphicsPins;
class GraphicsScene;
class Pin;
class Project;
class QAction;
class QPainter;
class QStyleOptionGraphicsItem;
class QTreeWidget;
class SceneItem;

// A paper format. Sheets store the paper size under its Qt 4 number (A4 0,
// A0 5, A1 6, A2 7, A3 8); pageSizeId is the framework's own id for it.
struct PaperFormat
{
    const char *name;
    int pageSize;
    QPageSize::PageSizeId pageSizeId;
    int width; // millimetres, portrait
    int height;
};

enum { PaperFormatCount = 5 };
extern const PaperFormat paperFormats[PaperFormatCount];

// A kind of drawing primitive that every sheet can create.
struct PrimitiveItemType
{
    int typeId;
    GraphicsItem *(*createItem)(GraphicsScene *scene);
    DlgPropGraphicsItem *(*createDialog)(GraphicsScene *scene);
    // Untranslated; the dialog title in the context "GraphicsScene".
    const char *name;
};

class GraphicsScene : public QObject
{
    Q_OBJECT

public:
    static constexpr QGraphicsScene::ItemIndexMethod NoIndex = QGraphicsScene::NoIndex;
    static constexpr QGraphicsScene::ItemIndexMethod BspTreeIndex = QGraphicsScene::BspTreeIndex;

    // Stored paper-size numbers.
    enum PaperSize { PaperA4 = 0, PaperA0 = 5, PaperA1 = 6, PaperA2 = 7, PaperA3 = 8 };
    enum BindingPosition { BindingLeft = 0, BindingTop = 1 };
    enum BorderType { BorderBig = 0, BorderSmall = 1 };

    // With a row, the sheet takes as its own a row that stood for it before
    // it was built, where that row stands in the tree, in place of making
    // one.
    explicit GraphicsScene(Project *project, SceneItem *row = nullptr);
    ~GraphicsScene() override;

    Project *project() const { return m_project; }
    // Whether the sheet goes because its whole project does.
    bool isClosing() const;
    // Whether the sheet is being destroyed, its items with it.
    bool isGoing() const { return m_going; }
    SceneItem *sceneItem() const { return m_sceneItem; }
    // Takes a row that stood for the sheet before it was built as its own,
    // where that row stands in the tree, in place of the one it made.
    void adoptSceneItem(SceneItem *row);
    const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    int number() const { return m_number; }
    // The text a sheet's row shows for a number, as " %.2d" gives it.
    static QString numberText(int number);
    int bindingPosition() const { return m_bindingPosition; }
    void setBindingPosition(int position) { m_bindingPosition = position; }
    int borderType() const { return m_borderType; }
    void setBorderType(int type) { m_borderType = type; }
    int gridStep() const { return m_gridStep; }
    void setGridStep(int step) { m_gridStep = step; }
    int pageSize() const { return m_pageSize; }
    bool isLandscape() const { return m_landscape; }
    int sheetsAcross() const { return m_sheetsAcross; }
    bool isModified() const { return m_modified; }
    // The items the sheet owns, in the order they were added.
    const QList<GraphicsItem *> &graphicsItems() const { return m_items; }
    const QList<GraphicsItem *> &pendingDeletes() const { return m_pendingDeletes; }

    // Creates an item of a primitive type; null (after a failed check) for
    // a type the sheet does not know.
    virtual GraphicsItem *createItem(int type);
    // The property dialog of a type, titled with the kind's name; null
    // after a failed check when there is none.
    virtual DlgPropGraphicsItem *createDialog(int type);
    // Whether the type has a property dialog at all (asked quietly, before
    // offering the Property command or answering a double click).
    virtual bool hasDialog(int type) const;
    // A new editor view bound to the shared actions and showing this
    // sheet; null after a failed check.
    virtual GraphicsEdit *createEdit(QList<QAction *> *actions);
    // Takes an item that belongs to no scene: appended to the sheet's list
    // and shown with its children.
    virtual bool addGraphicsItem(GraphicsItem *item);
    // Takes an item the sheet owns off the sheet and deletes it once control
    // returns to the event loop. Only top-level items of the sheet are
    // queued (children go with their parent), and never twice.
    virtual bool removeGraphicsItem(GraphicsItem *item);
    // Called after an item was inserted through its property dialog.
    virtual void notifyItem(GraphicsItem *item);
    // "*" when modified; document classes put their name before it.
    virtual QString displayName() const;
    virtual void setNumber(int number);
    // The number of the group the sheet belongs to.
    virtual int groupNumber() const = 0;
    // A project property as the sheet shows it (title block texts).
    virtual QString property(int id) const;

    // Document stream. Objects and pins are written with the identities
    // they keep for their life (Project::identity).
    virtual void saveReference(DataStream &stream);
    virtual void loadReference(DataStream &stream);
    virtual void saveScene(DataStream &stream);
    virtual bool loadScene(DataStream &stream);
    virtual bool saveItemsGeometry(DataStream &stream);
    virtual bool loadItemsGeometry(DataStream &stream);
    virtual void saveClipboard(DataStream &stream);
    virtual QList<GraphicsItem *> loadClipboard(DataStream &stream);
    virtual void saveClipboardGeometry(DataStream &stream);
    virtual void loadClipboardGeometry(DataStream &stream);
    // The same for some of the items (those just pasted).
    void loadClipboardGeometryOf(DataStream &stream, const QList<GraphicsItem *> &items);
    // Pointer fix-up after loading; document classes resolve their links.
    virtual bool updatePointers(bool second);
    virtual void saveUserItems(DataStream &stream);
    virtual bool loadUserItems(DataStream &stream);
    virtual bool saveUserItemsGeometry(DataStream &stream);
    virtual bool loadUserItemsGeometry(DataStream &stream);
    virtual bool updateWLPointers();
    virtual void checkItems(QTreeWidget *results, int code);
    // Prints the sheet: through a print dialog without a painter, else
    // onto the given painter's device.
    virtual void printScene(QPainter *painter = nullptr);

    // Joining and contact tests of pins belong to the schematic sheet; on
    // other sheets they do nothing.
    virtual void solderPin(Pin *pin, const QRectF &sceneRect, GraphicsPins *item);
    virtual void checkPinContact(Pin *pin, const QRectF &sceneRect, GraphicsPins *item);
    // The index that keeps looking items up by rectangle logarithmic, made
    // when first wanted: when a view shows the sheet or pins look for
    // contacts. A sheet nobody looks at keeps none, since each index holds
    // a timer and thousands of timers make each one cost their number.
    void useItemIndex();

    // Paper format: the scene rectangle becomes the paper (turned when
    // landscape) times the count across. An unknown paper size takes A4.
    void setSheetFormat(int pageSize, bool landscape, quint8 sheetsAcross);
    static int paperIndex(int pageSize);
    static QPageSize::PageSizeId pageSizeId(int pageSize);
    QPointF snapToGrid(const QPointF &point) const;
    void setModified(bool modified);
    void showInProject(GraphicsItem *item);
    QString groupNumberText() const;
    QString sheetDesignation(bool withPrefix) const;

    void writeHeader(DataStream &stream);
    void readHeader(DataStream &stream);
    void writeItems(DataStream &stream, const QList<GraphicsItem *> &items);
    // Reads a list of clipboard items into the sheet; an item of a type the
    // sheet does not know, or that takes refuses, marks the stream damaged
    // and ends the list.
    QList<GraphicsItem *> readItems(DataStream &stream, const std::function<bool(int type)> &takes = nullptr);
    void resolveItemLinks(GraphicsItem *item);

    // The selected items in the order they joined the sheet.
    QList<GraphicsItem *> selectedGraphicsItems() const;
    static QList<GraphicsItem *> primitiveItems(const QList<GraphicsItem *> &items);
    // Whether the type is one of the drawing primitives.
    static bool isPrimitiveType(int type);
    bool hasSelection() const;
    void selectAllItems();
    bool containsItem(const GraphicsScene *scene, const GraphicsItem *item) const;
    void appendTo(QList<GraphicsScene *> &pages);
    QPointF cursorScenePos() const;
    // Deselects everything without signals and repaints only what was
    // selected.
    void clearSelectionFast();
    // Fits the whole sheet onto the painter's device with a 2 mm margin.
    void renderTo(QPainter *painter);
    // Every picture of the sheet drops its decoded image (when a view
    // starts or stops showing the sheet).
    void clearPixmapCaches();
    // Paints items with their sheet matrices, as the sheet's own paint pass
    // does (also used to grab a selection as a picture).
    static void drawItemList(QPainter *painter, const QList<GraphicsItem *> &items,
                             const QStyleOptionGraphicsItem &option);

    // The framework's scene of the sheet, made when first asked for, with
    // every item of the sheet in it. liveSceneIfAny makes none.
    QGraphicsScene *liveScene();
    QGraphicsScene *liveSceneIfAny() const { return m_live; }
    // A framework scene made for items that stood apart (to show or print
    // them) goes once nothing shows it any more: the items stand apart
    // again, and the scenes of a large project that was printed or looked
    // through cost nothing to keep or to close. Nothing happens while a
    // view shows the sheet, or when its scene holds items other than the
    // sheet's own.
    void releaseUnseenScene();
    // The sheet whose scene the framework's scene is; null for another.
    static GraphicsScene *sheetOf(const QGraphicsScene *scene);
    // Whether the item has joined the sheet's framework scene.
    bool holds(const GraphicsItem *item) const;

    // What the sheet answers as the framework's scene would. The paper
    // rectangle and the index kind are the sheet's own, kept while there
    // is no framework scene; the views are none then. Looking items up
    // makes the framework's scene and joins the items kept apart.
    QRectF sceneRect() const;
    void setSceneRect(const QRectF &rect);
    void setSceneRect(qreal x, qreal y, qreal width, qreal height) { setSceneRect(QRectF(x, y, width, height)); }
    qreal width() const { return sceneRect().width(); }
    qreal height() const { return sceneRect().height(); }
    QList<QGraphicsView *> views() const;
    // Repaints the area in every view; nothing to do while none shows it.
    void update(const QRectF &rect = QRectF());
    QGraphicsScene::ItemIndexMethod itemIndexMethod() const { return m_indexMethod; }
    void setItemIndexMethod(QGraphicsScene::ItemIndexMethod method);
    QList<GraphicsItem *> items(Qt::SortOrder order = Qt::DescendingOrder);
    QList<GraphicsItem *> items(const QPointF &pos, Qt::ItemSelectionMode mode = Qt::IntersectsItemShape,
                                 Qt::SortOrder order = Qt::DescendingOrder,
                                 const QTransform &deviceTransform = QTransform());
    QList<GraphicsItem *> items(const QRectF &rect, Qt::ItemSelectionMode mode = Qt::IntersectsItemShape,
                                 Qt::SortOrder order = Qt::DescendingOrder,
                                 const QTransform &deviceTransform = QTransform());
    QList<GraphicsItem *> selectedItems() const;
    // What items(rect, Qt::IntersectsItemBoundingRect, Qt::AscendingOrder)
    // answers, found from the sheet's own items without a framework scene.
    QList<GraphicsItem *> itemsInStackingOrder(const QRectF &rect) const;
    void clearSelection();
    void render(QPainter *painter, const QRectF &target = QRectF(), const QRectF &source = QRectF(),
                Qt::AspectRatioMode mode = Qt::KeepAspectRatio);

    // Items kept apart from the framework's scene (see readItemsApart and
    // keepItemsApart) join it here, each with its children.
    bool keepsItemsApart() const { return m_itemsApart; }
    void joinItemsApart();

    // True while the sheet reads the items of its file.
    bool isReadingItems() const { return m_readingItems; }
    // An item that left an extent to measure while the sheet reads its
    // items: told (GraphicsItem::extentRead) once the reading ends.
    void measureAfterReading(GraphicsItem *item) { m_unmeasured.append(item); }

    // The registry of drawing primitives; null for other types.
    static const PrimitiveItemType *primitiveType(int type);

    // For GraphicsItem: the next place in the sheet's order, and a deleted
    // item leaving the sheet's lists.
    quint64 nextSheetIndex() { return ++m_lastSheetIndex; }
    // Called from the item's destructor: a kind of sheet that lists items
    // of its own drops them too.
    virtual void forgetItem(GraphicsItem *item);
    // The items a view carries under the cursor: one that goes is named to
    // the views, which let go of it.
    void noteCarried(const QList<GraphicsItem *> &items, bool carried);

signals:
    void carriedItemGone(GraphicsItem *item);

public slots:
    void deleteGraphicsItemsLater();

protected:
    // For kinds of sheet that never want an index.
    void keepWithoutIndex() { m_indexWanted = false; }
    // For kinds of sheet whose file gives every item's geometry after all
    // items: the items of a sheet read while no view shows it stay apart
    // from the framework's scene, the sheet's own all the same (listed,
    // saved, bound, checked, found), until the sheet is first shown,
    // printed, searched by rectangle or asked for its selection. A large
    // project's sheets then cost neither a scene entry per item as they
    // are read nor its removal as they close.
    void readItemsApart() { m_joinAfterGeometry = true; }

    // For kinds of scene whose items are many and seldom shown (a frame's
    // layout): every item stays apart from the framework's scene from the
    // start, until the scene is shown, printed or searched.
    void keepItemsApart()
    {
        if (views().isEmpty())
            m_itemsApart = true;
    }
    // The sheet's paint passes, which its framework scene calls.
    virtual void drawBackground(QPainter *painter, const QRectF &rect);
    virtual void drawItems(QPainter *painter, int numItems, QGraphicsItem *items[],
                           const QStyleOptionGraphicsItem options[], QWidget *widget = nullptr);

private:
    class LiveScene;

    // The framework's scene, made if there is none yet.
    QGraphicsScene *makeLive();
    static void drawOneItem(QPainter *painter, GraphicsItem *item, const QStyleOptionGraphicsItem &option);
    bool isQueued(const GraphicsItem *item) const;
    // The framework's scene goes: its items no longer stand for the sheet's.
    void dropLiveScene();
    bool owns(const GraphicsItem *item) const;
    // Ends reading the items: the extents not measured are announced.
    void beginReadingItems();
    void finishReadingItems();
    // The roots of the sheet's item trees, each once, in the sheet's order.
    QList<GraphicsItem *> sheetRoots() const;
    void deleteItemsApart(const QList<GraphicsItem *> &items);
    void dropQueuedDescendants(const GraphicsItem *item);

    QGraphicsScene *m_live = nullptr;
    // The framework's scene was made for items that stood apart.
    bool m_liveLent = false;
    // The sheet is being destroyed.
    bool m_going = false;
    QRectF m_sceneRect;
    QGraphicsScene::ItemIndexMethod m_indexMethod = NoIndex;
    QString m_name;
    int m_number = -1;
    int m_bindingPosition = BindingLeft;
    int m_borderType = BorderSmall;
    SceneItem *m_sceneItem = nullptr;
    int m_gridStep = 0;
    int m_pageSize = PaperA4;
    bool m_landscape = true;
    quint8 m_sheetsAcross = 0;
    bool m_modified = true;
    QList<GraphicsItem *> m_items;
    QList<GraphicsItem *> m_pendingDeletes;
    QSet<const GraphicsItem *> m_queued;
    QList<GraphicsItem *> m_unmeasured;
    Project *m_project;
    quint64 m_lastSheetIndex = 0;
    bool m_indexWanted = true;
    bool m_readingItems = false;
    bool m_joinAfterGeometry = false;
    bool m_itemsApart = false;
    // Deleting the items of a sheet never shown: the one deleted now, and
    // the listed ones that went with it.
    bool m_deletingApart = false;
    GraphicsItem *m_deletingNow = nullptr;
    QSet<const GraphicsItem *> m_goneApart;
    QSet<const GraphicsItem *> m_carried;
    void letGoOfCarried(GraphicsItem *item);
};

#endif
