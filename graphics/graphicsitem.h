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

#include <QGraphicsItem>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>

class DataStream;
class GraphicsScene;
class QFont;
class QPainter;
class QStyleOptionGraphicsItem;
class QTreeWidget;

class GraphicsItem : public QGraphicsItem
{
public:
    // The flag word, fixed at construction.
    // FixedInParent: the item only ever moves with its parent, so it asks
    // for no notice of its own position changes.
    enum ItemFlag { CanRotate = 1, CanMirrorHorizontal = 2, CanMirrorVertical = 4, FreePlacement = 8, FixedInParent = 16 };

    // Degrees of each rotation index.
    static const double angles[4];

    // The item is not added to the framework scene here: the sheet does it.
    // The framework flags given are set with the item's own, in one change.
    GraphicsItem(GraphicsScene *scene, QGraphicsItem *parent, int itemFlags,
                 GraphicsItemFlags frameworkFlags = GraphicsItemFlags());
    ~GraphicsItem() override;

    // The sheet the item belongs to (set at construction, kept after the
    // item was taken off the sheet until it is deleted).
    GraphicsScene *graphicsScene() const { return m_scene; }

    // Paints the item; the painter is already set to the item's matrix.
    virtual void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) = 0;
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

    // Painting goes through draw.
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

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
    void reparent(QGraphicsItem *newParent);
    // Repaints the item's sheet area grown by 3.5 in every view.
    void updateInViews();

    bool hasChildItems() const { return !childItems().isEmpty(); }
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

protected:
    // prepareGeometryChange, left out while the sheet reads its items with
    // no view and no index: nothing holds a top-level item's former extent
    // then (reading its position announces a change of the sheet anyway).
    void prepareExtentChange();
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    // Runs a framework setter with the change notification disabled.
    template <class F>
    void quietly(F change);

    GraphicsScene *m_scene;
    int m_itemFlags;
    bool m_quiet = false;
    bool m_ownedBySheet = false;
    quint64 m_sheetIndex = 0;
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
