#include "schemes/schemeedit.h"

#include "graphics/graphicsitem.h"
#include "graphics/graphicspins.h"
#include "graphics/graphicsscene.h"
#include "model/check.h"
#include "model/itemtypes.h"
#include "schemes/graphicscrossnet.h"
#include "schemes/graphicsground.h"
#include "schemes/graphicsnode.h"
#include "schemes/net.h"
#include "schemes/scheme.h"

#include <QMouseEvent>

namespace {

// The drawing modes of connections and the item each draws: Net, Node,
// CrossNet, Ground.
struct ModeAction
{
    int actionId;
    int typeOffset; // from QGraphicsItem::UserType
};

const ModeAction modeActions[] = {{73, 102}, {74, 103}, {75, 111}, {76, 501}};

// The placing commands and the scheme item each inserts.
struct PlacingAction
{
    int actionId;
    int typeOffset; // from QGraphicsItem::UserType
};

const PlacingAction placingActions[] = {
    {77, 112},  // SlantingNet
    {78, 113},  // CopperPlate
    {79, 302},  // Relay
    {80, 401},  // Contact
    {81, 400},  // Block
    {82, 202},  // Source
    {83, 404},  // Trans
    {84, 203},  // Footnote
    {85, 403},  // Fuse
    {86, 402},  // Clamp
    {87, 104},  // Passage
    {88, 405},  // Plughole
    {89, 406},  // Capacitor
    {90, 407},  // Resistor
    {91, 408},  // Discharger
    {92, 409},  // Varistor
    {93, 502},  // Bottom
    {94, 204},  // Conductor
    {95, 410},  // Diode
    {96, 411},  // Stabilitron
    {97, 412},  // Lamp
    {98, 413},  // Bell
    {106, 414}, // MeasuringPanel
    {107, 415}, // Heating
    {108, 416}, // Box
    {109, 417}, // Interrupter
    {99, 418},  // Luminodiode
    {100, 419}, // Signallamp
    {101, 420}, // Button
    {102, 421}, // Commutator
    {103, 422}, // Keystaff
    {104, 424}, // Ammeter
    {105, 425}, // AutoSwitch
};

const int netMode = SchemeEdit::ModeNet;

} // namespace

bool SchemeEdit::canDraw(int typeId)
{
    const SchemeItemType *record = Scheme::itemTypeRecord(typeId);
    return record && record->createItem;
}

bool SchemeEdit::canPlace(int typeId)
{
    const SchemeItemType *record = Scheme::itemTypeRecord(typeId);
    return record && record->createItem && record->createDialog;
}

SchemeEdit::SchemeEdit(QList<QAction *> *actions)
    : GraphicsEdit(actions, "r-lay/scheme-edit")
{
    // A command whose kind is not built yet stays off.
    for (const ModeAction &mode : modeActions)
        addHandler(mode.actionId, this, SLOT(setEditMode()), canDraw(QGraphicsItem::UserType + mode.typeOffset));
    for (const PlacingAction &placing : placingActions)
        addHandler(placing.actionId, this, SLOT(showDlgProp()),
                   canPlace(QGraphicsItem::UserType + placing.typeOffset));
}

void SchemeEdit::paste()
{
    GraphicsEdit::paste();
    GraphicsScene *sheet = graphicsScene();
    if (!CHECK_PTR(sheet))
        return;
    if (auto *scheme = dynamic_cast<Scheme *>(sheet))
        scheme->layoutPassages();
}

int SchemeEdit::itemTypeForMode(int actionId) const
{
    for (const PlacingAction &placing : placingActions) {
        if (placing.actionId == actionId)
            return QGraphicsItem::UserType + placing.typeOffset;
    }
    return GraphicsEdit::itemTypeForMode(actionId);
}

void SchemeEdit::mouseMoveEvent(QMouseEvent *event)
{
    if (!CHECK_PTR(event))
        return;
    GraphicsScene *sheet = graphicsScene();
    const QPointF scenePoint = mapToScene(event->position().toPoint());
    // The status bar shows the grid point under the cursor in millimetres.
    if (sheet)
        emit cursorPosChanged(sheet->snapToGrid(scenePoint) / 10);
    if (GraphicsNet *net = editMode() == netMode ? drawnNet() : nullptr) {
        net->dragEndTo(scenePoint);
        QGraphicsView::mouseMoveEvent(event);
        return;
    }
    GraphicsEdit::mouseMoveEvent(event);
}

void SchemeEdit::mouseReleaseEvent(QMouseEvent *event)
{
    if (!CHECK_PTR(event))
        return;
    // Items moved onto other pins are soldered there, unless Alt alone
    // is held.
    GraphicsScene *sheet = graphicsScene();
    if (sheet && event->button() == Qt::LeftButton && event->modifiers() != Qt::AltModifier
        && editMode() != netMode) {
        GraphicsPins::joinAllPins(sheet->selectedGraphicsItems());
    }
    GraphicsEdit::mouseReleaseEvent(event);
}

void SchemeEdit::selectionTransformed(const QList<GraphicsItem *> &items)
{
    GraphicsPins::joinAllPins(items);
    GraphicsEdit::selectionTransformed(items);
}

// ---------------------------------------------------------------------------
// Drawing connections

void SchemeEdit::mousePressEvent(QMouseEvent *event)
{
    if (!CHECK_PTR(event))
        return;
    GraphicsScene *sheet = graphicsScene();
    if (sheet && event->button() == Qt::LeftButton) {
        const QPointF scenePoint = mapToScene(event->position().toPoint());
        if (sheet->sceneRect().contains(scenePoint) && pressConnection(scenePoint)) {
            event->accept();
            return;
        }
    }
    GraphicsEdit::mousePressEvent(event);
}

GraphicsNet *SchemeEdit::drawnNet() const
{
    const QList<GraphicsItem *> &carried = carriedItems();
    return carried.size() == 1 ? graphicsNetCast(carried.first()) : nullptr;
}

bool SchemeEdit::pressConnection(const QPointF &scenePoint)
{
    GraphicsScene *sheet = graphicsScene();
    switch (editMode()) {
    case ModeNet:
        if (carriedItems().isEmpty()) {
            auto *net = new GraphicsNet(sheet);
            if (!sheet->addGraphicsItem(net)) {
                delete net;
                return true;
            }
            setCarriedItems({net});
            net->startAt(scenePoint);
            sheet->clearSelectionFast();
            net->setSelectedTree(true);
        } else {
            if (GraphicsNet *net = drawnNet())
                net->finish();
            dropCarriedItems();
        }
        return true;
    case ModeNode:
        dropConnectionItem(new GraphicsNode(sheet), scenePoint);
        return true;
    case ModeCrossNet:
        dropConnectionItem(new GraphicsCrossNet(sheet), scenePoint);
        return true;
    case ModeGround:
        dropConnectionItem(new GraphicsGround(sheet), scenePoint);
        return true;
    default:
        break;
    }
    // Elsewhere a press on the free end of a net goes on drawing it.
    auto *scheme = qobject_cast<Scheme *>(sheet);
    if (!scheme || !carriedItems().isEmpty())
        return false;
    GraphicsNet *net = scheme->freeNetEndAt(scenePoint);
    if (!net)
        return false;
    setEditMode(ModeNet);
    sheet->clearSelectionFast();
    net->setSelectedTree(true);
    net->updateInViews();
    setCarriedItems({net});
    return true;
}

void SchemeEdit::dropConnectionItem(GraphicsItem *item, const QPointF &scenePoint)
{
    GraphicsScene *sheet = graphicsScene();
    if (!sheet->addGraphicsItem(item)) {
        delete item;
        return;
    }
    // Through the ordinary position change: the point snaps to the grid.
    item->setPos(scenePoint);
    item->updateInViews();
    if (GraphicsPins *pinned = toNonPrimitiveItem(item))
        pinned->joinAllPins();
}
