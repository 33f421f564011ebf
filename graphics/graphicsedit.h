#ifndef RLAY_GRAPHICSEDIT_H
#define RLAY_GRAPHICSEDIT_H

// The editor view of one document sheet and the base of every document's
// view. It binds the editing commands of the action table to its slots and
// keeps them enabled by the selection; it has the edit modes (select, pan,
// draw a primitive), inserts new items through their property dialogs and
// carries them under the mouse until a click drops them, zooms within
// limits, copies and pastes through the clipboard (its own stream format or
// a picture), rotates, mirrors and deletes the selection, opens the property
// dialog of the selected item, grabs the selection as a picture, and prints.

#include "app/actionsmanager.h"

#include <QGraphicsView>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QTimer>

class GraphicsItem;
class GraphicsScene;
class QMenu;
class QMimeData;
class QPixmap;

class GraphicsEdit : public QGraphicsView, public ActionsManager
{
    Q_OBJECT

public:
    // The sheet items under a point of the view, topmost first.
    QList<GraphicsItem *> sheetItemsAt(const QPoint &pos) const;
    // Action ids of the edit modes.
    enum EditMode { ModeSelect = 30, ModePan = 31, ModeLine = 112, ModeEllipse = 113, ModeRect = 114 };

    // The commands of the view's context menu, in order; -1 is a separator.
    static const int contextMenuIds[];
    static const int contextMenuIdCount;
    // The most pixels the picture of the selection holds (Grab pixmap).
    static constexpr double maxGrabPixels = 64.0 * 1024 * 1024;

    // A view without parent and without sheet; mimeFormat names the
    // clipboard format of the view's own records and must outlive the view.
    GraphicsEdit(QList<QAction *> *actions, const char *mimeFormat);
    ~GraphicsEdit() override;

    GraphicsScene *graphicsScene() const;
    // Shows a sheet, or none.
    void setScene(GraphicsScene *scene);

    int editMode() const { return m_editMode; }
    const char *mimeFormat() const { return m_mimeFormat; }
    // Items that follow the mouse until the next left press.
    const QList<GraphicsItem *> &carriedItems() const { return m_carriedItems; }

    // One zoom step in (step > 0) or out (step < 0), or back to 1:1 (0);
    // nothing happens when the scale would leave a tenth to ten times 1:1.
    void zoom(int step);
    // The current scale: view pixels per sheet unit.
    double zoomScale() const;
    // Puts the record of the items on the clipboard; an empty list leaves
    // the clipboard as it is.
    void selectionMimeData(const QList<GraphicsItem *> &items);
    // Enables the commands that act on a selection of these items.
    void updateSelectionActions(const QList<GraphicsItem *> &items);
    // Fills the context menu with the shared actions; the view's actions
    // must be active.
    void fillContextMenu(QMenu *menu);

    // The item type inserted by an insert command, or -1.
    virtual int itemTypeForMode(int actionId) const;
    // Whether a paste may put an item of the type on the sheet: a record
    // with another is refused whole.
    virtual bool pastes(int type) const;

signals:
    void cursorPosChanged(const QPointF &pos);

public slots:
    void setEditMode(int id);
    void setEditMode();
    void zoomIn();
    void zoomOut();
    void zoom11();
    void cut();
    virtual void copy();
    virtual void paste();
    void grabPixmap();
    void selectAll();
    void rotateLeft();
    void rotateRight();
    void mirrorHorozontal();
    void mirrorVertical();
    void del();
    void property();
    void clipboardChanged();
    void showDlgProp();
    void realMovePos();
    void print();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void drawBackground(QPainter *painter, const QRectF &rect) override;

    // Empties the list of carried items and stops the move timer.
    void dropCarriedItems();
    // Carrying ends without a drop (another mode, another sheet, the view
    // closing): the carried items stay where they are.
    virtual void stopCarrying();
    void setCarriedItems(const QList<GraphicsItem *> &items);
    void carriedItemGone(GraphicsItem *item);
    // Puts a new carried item where it can be seen: centred under the mouse
    // when the mouse is over the view, else in the middle of the view.
    void showCarriedItem(GraphicsItem *item);
    // The selected items without those whose ancestor is selected too:
    // those turn and mirror with their ancestor.
    QList<GraphicsItem *> selectedTopItems() const;
    // After the selection turned or mirrored as one: the free pins' contact
    // marks anew; a scheme also solders them where they landed, as after a
    // drag.
    virtual void selectionTransformed(const QList<GraphicsItem *> &items);

private:
    // Turns the selection a quarter as one.
    void rotateSelection(bool clockwise);
    // The point the selection turns about, the line it mirrors across.
    static QPointF turningPoint(const QList<GraphicsItem *> &items);
    // The clipboard record of the items: format index, the items with their
    // types and data, their geometry, end mark.
    QByteArray clipboardRecord(const QList<GraphicsItem *> &items);
    // Reads a view record into the sheet; false (with nothing added) when
    // the record is damaged.
    bool pasteRecord(const QByteArray &record);
    void pastePicture(const QPixmap &pixmap);

    // Links to the drawing primitives and the printer.
    // Moves the item so that its centre lies under the view point.
    void centreUnder(GraphicsItem *item, const QPoint &viewPoint);
    void placeDrawnItem(GraphicsItem *item, const QPointF &scenePoint, Qt::KeyboardModifiers modifiers);
    void stretchDrawnItem(GraphicsItem *item, const QPointF &scenePoint, Qt::KeyboardModifiers modifiers);
    GraphicsItem *createPicture(const QPixmap &pixmap);
    void dropPictureCaches(GraphicsScene *scene);

    QPointer<GraphicsScene> m_scene;
    int m_editMode = -1;
    QList<GraphicsItem *> m_carriedItems;
    const char *m_mimeFormat;
    QTimer m_moveTimer;
    QPoint m_lastMousePos;
};

#endif
