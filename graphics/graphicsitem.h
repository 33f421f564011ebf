#ifndef RLAY_GRAPHICSITEM_H
#define RLAY_GRAPHICSITEM_H

// Base of every item that stands on a document sheet. It adds to the
// framework's item what all kinds share: drawing with the "hide help"
// setting, the data and geometry records of the sheet and of the clipboard,
// the fix-up pass after loading, the project check, quarter-turn rotation and
// mirroring, grid-snapped moving of the whole selection, and the property
// dialog on a double click.
//
// An item's matrix is always one of eight: a quarter-turn count 0..3 with an
// optional mirror. Rotation and mirror are read back from the matrix.
//
// An item is not itself an item of the framework: it keeps its own place,
// matrix, stacking value, parent, children and selection, and answers the
// framework's questions about them (the same calls by the same names). A
// framework item stands for it only while its sheet has a framework scene
// (something shows, prints or searches the sheet): a large project's items
// that nobody looks at then cost no framework data.

#include <QGraphicsItem>
#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <vector>

class DataStream;
class FrameworkItem;
class GraphicsScene;
class QGraphicsScene;
class QGraphicsSceneMouseEvent;
class QFont;
class QPainter;
class QStyleOptionGraphicsItem;
class QTreeWidget;

class GraphicsItem
{
public:
    // The framework's names for flags and changes, which every kind uses.
    using GraphicsItemFlag = QGraphicsItem::GraphicsItemFlag;
    using GraphicsItemFlags = QGraphicsItem::GraphicsItemFlags;
    using GraphicsItemChange = QGraphicsItem::GraphicsItemChange;
    static constexpr GraphicsItemFlag ItemIsMovable = QGraphicsItem::ItemIsMovable;
    static constexpr GraphicsItemFlag ItemIsSelectable = QGraphicsItem::ItemIsSelectable;
    static constexpr GraphicsItemFlag ItemIsFocusable = QGraphicsItem::ItemIsFocusable;
    static constexpr GraphicsItemFlag ItemSendsGeometryChanges = QGraphicsItem::ItemSendsGeometryChanges;
    static constexpr GraphicsItemFlag ItemStacksBehindParent = QGraphicsItem::ItemStacksBehindParent;
    static constexpr GraphicsItemChange ItemPositionChange = QGraphicsItem::ItemPositionChange;
    static constexpr GraphicsItemChange ItemTransformChange = QGraphicsItem::ItemTransformChange;
    enum { UserType = QGraphicsItem::UserType };

    // The flag word, fixed at construction.
    // FixedInParent: the item only ever moves with its parent, so it asks
    // for no notice of its own position changes.
    enum ItemFlag { CanRotate = 1, CanMirrorHorizontal = 2, CanMirrorVertical = 4, FreePlacement = 8, FixedInParent = 16 };

    // Degrees of each rotation index.
    static const double angles[4];

    // The item is not added to the framework scene here: the sheet does it.
    // The framework flags given are set with the item's own, in one change.
    GraphicsItem(GraphicsScene *scene, GraphicsItem *parent, int itemFlags,
                 GraphicsItemFlags frameworkFlags = GraphicsItemFlags());
    virtual ~GraphicsItem();
    GraphicsItem(const GraphicsItem &) = delete;
    GraphicsItem &operator=(const GraphicsItem &) = delete;

    // What the framework asks of an item.
    virtual int type() const { return QGraphicsItem::UserType; }
    virtual QRectF boundingRect() const = 0;
    // The bounding rectangle by default.
    virtual QPainterPath shape() const;
    virtual bool contains(const QPointF &point) const;

    // Place, matrix and stacking, as the framework's item keeps them: the
    // matrix applies first, then the position in the parent.
    QPointF pos() const { return m_pos; }
    qreal x() const { return m_pos.x(); }
    qreal y() const { return m_pos.y(); }
    void setPos(const QPointF &pos);
    void setPos(qreal x, qreal y) { setPos(QPointF(x, y)); }
    void moveBy(qreal dx, qreal dy) { setPos(m_pos + QPointF(dx, dy)); }
    QTransform transform() const { return m_matrix & 8 ? otherMatrix() : matrixOf(m_matrix & 3, m_matrix & 4); }
    void setTransform(const QTransform &matrix, bool combine = false);
    qreal zValue() const { return m_z; }
    void setZValue(qreal z);
    QTransform sceneTransform() const;
    QPointF scenePos() const;
    QRectF sceneBoundingRect() const;
    QPointF mapToScene(const QPointF &point) const;
    QPolygonF mapToScene(const QRectF &rect) const;
    QPolygonF mapToScene(const QPolygonF &polygon) const;
    QPointF mapFromScene(const QPointF &point) const;
    QPolygonF mapFromScene(const QRectF &rect) const;
    QPointF mapToParent(const QPointF &point) const;
    // From another item's coordinates (the sheet's for none).
    QPointF mapFromItem(const GraphicsItem *item, const QPointF &point) const;
    QRectF mapRectToScene(const QRectF &rect) const;
    QRectF mapRectFromScene(const QRectF &rect) const;
    QRectF mapRectFromItem(const GraphicsItem *item, const QRectF &rect) const;

    // Parentage: children in stacking order, as the framework lists them.
    GraphicsItem *parentItem() const { return m_parent; }
    void setParentItem(GraphicsItem *parent);
    // Makes room for that many more children at once, for a parent about
    // to make them.
    void reserveChildren(qsizetype count);
    GraphicsItem *topLevelItem() const;
    QList<GraphicsItem *> childItems() const;
    // Appends the children to the list, in the order they came.
    void appendChildren(std::vector<GraphicsItem *> &list) const
    {
        if (m_children)
            list.insert(list.end(), m_children->cbegin(), m_children->cend());
    }

    // Framework flags, selection and visibility.
    GraphicsItemFlags flags() const { return GraphicsItemFlags(int(m_frameworkFlags)); }
    void setFlag(GraphicsItemFlag flag, bool enabled = true);
    void setFlags(GraphicsItemFlags flags);
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    bool isVisible() const { return m_visible; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // Only "no buttons" is kept: clicks then reach the item below.
    void setAcceptedMouseButtons(Qt::MouseButtons buttons);

    // The framework's scene that shows the item; none while its sheet has
    // none.
    QGraphicsScene *scene() const;
    // Repaints the item (an area of it) where a view shows it.
    void update(const QRectF &rect = QRectF());
    void update(qreal x, qreal y, qreal width, qreal height) { update(QRectF(x, y, width, height)); }
    // Called before the bounding rectangle changes.
    void prepareGeometryChange();

    // The framework's item standing for this one, null while there is none;
    // and the item a framework item stands for (null for another).
    FrameworkItem *frameworkItem() const { return m_proxy; }
    static GraphicsItem *fromFramework(const QGraphicsItem *item);
    // Makes framework items for the item and its descendants, under the
    // parent's or in the scene; drops them again.
    void makeFrameworkItems(QGraphicsScene *scene);
    void dropFrameworkItems();
    // Lets go of them without deleting them: their scene deletes them.
    void forgetFrameworkItems();

    // The sheet the item belongs to (set at construction, kept after the
    // item was taken off the sheet until it is deleted).
    GraphicsScene *graphicsScene() const { return m_scene; }

    // Paints the item; the painter is already set to the item's matrix.
    virtual void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) = 0;
    // Painting goes through draw.
    virtual void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget);

    // The framework's events, passed on by the framework item; by default
    // each does what the framework's item does.
    virtual void mousePressEvent(QGraphicsSceneMouseEvent *event);
    virtual void mouseMoveEvent(QGraphicsSceneMouseEvent *event);
    virtual void mouseReleaseEvent(QGraphicsSceneMouseEvent *event);
    virtual void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event);
    // Told of a position or matrix about to change (no kind asks to be
    // told once they did); the answer is the value to take.
    virtual QVariant itemChange(GraphicsItemChange change, const QVariant &value);
    // The document record: each kind writes its own fields after its base's.
    virtual void saveData(DataStream &stream);
    virtual void loadData(DataStream &stream);
    // The geometry record: position, and rotation and mirror when turned.
    virtual void saveGeometry(DataStream &stream);
    virtual void loadGeometry(DataStream &stream);
    virtual void saveClipboardData(DataStream &stream);
    virtual void loadClipboardData(DataStream &stream);
    virtual void saveClipboardGeometry(DataStream &stream);
    virtual void loadClipboardGeometry(DataStream &stream);
    // After loading: replaces the identities read by pointers; false when
    // one is missing.
    virtual bool resolveLinks();
    // Adds the item's rows to the project check's result list.
    virtual void check(QTreeWidget *results, int code);
    // After a move, rotation or half-turn mirror; passed on to the children.
    virtual void transformChanged();
    // After the sheet read its items, for an item that asked to be told
    // (GraphicsScene::measureAfterReading): an extent left unmeasured
    // meanwhile announces its change.
    virtual void extentRead();
    // Quarter turns about the item's origin; clockwise on the screen when
    // clockwise is set.
    virtual void rotateBy(int quarterTurns, bool clockwise);
    // Mirrors in the item's own coordinates; with the half turn the mirror
    // is about the horizontal axis. Children mirror themselves too, so that
    // they stay readable while their places follow the parent.
    virtual void mirror(bool withHalfTurn);

    // Runs the sheet's property dialog of the item's type.
    void showDialog();

    // Change position, stacking or matrix without the framework's change
    // notification: no grid snap. The position setters always mark the
    // sheet modified, the matrix setter when the matrix changes; with
    // combine the given matrix is applied before the current one.
    void setPosQuiet(const QPointF &pos);
    void moveByQuiet(const QPointF &delta);
    void setZQuiet(double z);
    void setMatrixQuiet(const QTransform &matrix, bool combine);

    // Selects or deselects the item and its children without signals; an
    // item already in that state is left alone with its children.
    void setSelectedTree(bool selected);
    // The item that shows this one as selected: itself, or, for one never
    // selected on its own, the item it stands in (its parent by default).
    GraphicsItem *shownSelected();
    virtual GraphicsItem *standsIn() const { return m_parent; }
    void reparent(GraphicsItem *newParent);
    // Repaints the item's sheet area grown by 3.5 in every view.
    void updateInViews();

    bool hasChildItems() const { return m_children && !m_children->isEmpty(); }
    // Whether the item goes because its whole project closes: the links
    // to items that go with it are then left as they are, not undone.
    bool goesWithProject() const;
    // True when an ancestor is selected: the item moves, turns and mirrors
    // with that one, never on its own.
    bool hasSelectedAncestor() const;
    int itemFlags() const { return m_itemFlags; }
    int rotationIndex() const { return rotationIndexOf(transform()); }
    bool isMirrored() const { return isMirroredMatrix(transform()); }
    bool isTurned() const { return isTurnedMatrix(transform()); }

    static int rotationIndexOf(const QTransform &matrix);
    static bool isMirroredMatrix(const QTransform &matrix);
    static bool isTurnedMatrix(const QTransform &matrix);
    // The matrix of a rotation index with or without mirror.
    static QTransform matrixOf(int rotationIndex, bool mirrored);

    // Low-level access for the sheet: its pointer, and the item's place in
    // the order in which items joined the sheet.
    void setGraphicsScene(GraphicsScene *scene) { m_scene = scene; }
    // Whether the sheet of graphicsScene() owns the item as one of its own
    // top-level items (children belong to their parent).
    bool isOwnedBySheet() const { return m_ownedBySheet; }
    void setOwnedBySheet(bool owned) { m_ownedBySheet = owned; }
    quint64 sheetIndex() const { return m_sheetIndex; }
    void setSheetIndex(quint64 index) { m_sheetIndex = index; }

private:
    friend class FrameworkItem;
    // Writes a state into the framework item, when there is one, without
    // being told of it back.
    template <class F>
    void toFramework(F change);
    void setMatrixIndex(const QTransform &matrix);
    // A matrix that is none of the eight (kept aside: seldom used).
    QTransform otherMatrix() const;

    // Runs a framework setter with the change notification disabled.
    template <class F>
    void quietly(F change);

    GraphicsScene *m_scene;
    GraphicsItem *m_parent = nullptr;
    // Made when the first child comes.
    QList<GraphicsItem *> *m_children = nullptr;
    FrameworkItem *m_proxy = nullptr;
    QPointF m_pos;
    qreal m_z = 0;
    quint64 m_sheetIndex = 0;
    int m_itemFlags;
    quint32 m_frameworkFlags = 0;
    // Rotation index (bits 0-1) and mirror (bit 2); bit 3: another matrix.
    quint8 m_matrix = 0;
    bool m_quiet = false;
    bool m_ownedBySheet = false;
    bool m_selected = false;
    bool m_visible = true;
    bool m_noButtons = false;
    // Taken off its parent's list by the parent that deletes it.
    bool m_takenOff = false;
};

// The alignment that makes text anchored in an item of that rotation and
// mirror read upright: the requested horizontal and vertical parts are each
// turned into the part that points the same way on the sheet.
int translateAlignment(int alignment, int rotationIndex, bool mirrored);

// Draws text anchored at a point so that it reads upright and unmirrored on
// the sheet, whatever the item and its parents are turned by.
void drawTextAt(const GraphicsItem *item, QPainter *painter, const QPointF &anchor, int alignment,
                const QString &text);
// The rectangle in item coordinates that drawTextAt fills.
QRectF textRect(const GraphicsItem *item, const QFont &font, const QPointF &anchor, int alignment,
                const QString &text);
// Draws text aligned in a rectangle, compensating the item's mirror on the
// sheet, its own and its parents' (the text of a turned item turns with it);
// vertical text runs bottom to top.
void drawTextInRect(const GraphicsItem *item, QPainter *painter, const QRectF &rect, int alignment,
                    const QString &text, bool vertical);
// Both diagonals: with the current pen when keepPen is set, else in green
// unless skip is set.
void drawRectCross(QPainter *painter, const QRectF &rect, bool keepPen, bool skip);
// The selection frame of a selected item: the rectangle, or the item's
// bounding rectangle from the option when rect is null.
void drawSelection(QPainter *painter, const QStyleOptionGraphicsItem *option, const QRectF *rect);
// Cuts a strip of the thickness off one side (0 left, 1 right, 2 top, other
// bottom); the strip goes to strip when given.
QRectF cutRect(const QRectF &rect, double thickness, int side, QRectF *strip);
// Splits a composed name at its last separator.
bool splitAtLastSeparator(const QString &name, QString &left, QString &right);

#endif
