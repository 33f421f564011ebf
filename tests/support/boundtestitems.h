#ifndef RLAY_TEST_BOUNDTESTITEMS_H
#define RLAY_TEST_BOUNDTESTITEMS_H

// Scene items bound to project objects, standing in for the device and tag
// kinds, a sheet that creates them by type id, helpers that save, load, copy
// and paste them, and a paint device that records what a painter draws.

#include "graphics/graphicsdevice.h"
#include "graphics/graphicsdeviceobj.h"
#include "graphics/graphicsscene.h"
#include "graphics/graphicstag.h"
#include "model/datastream.h"
#include "model/project.h"

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QStringList>

#include <memory>

namespace boundtest {

// Type ids of the stand-in kinds.
enum {
    BlockItemType = QGraphicsItem::UserType + 451,    // shared, binds blocks
    CapacitorItemType = QGraphicsItem::UserType + 452, // owned, binds capacitors (one item each)
    PanelItemType = QGraphicsItem::UserType + 453,    // by name, binds measuring panels
    ResistorItemType = QGraphicsItem::UserType + 454, // owned, resistors: pins named by position
    WindingItemType = QGraphicsItem::UserType + 390,  // carries a winding object, owns its relay
    ContactItemType = QGraphicsItem::UserType + 401,  // by name, binds winding objects
    SourceItemType = QGraphicsItem::UserType + 202,   // shared, binds sources
    JointItemType = QGraphicsItem::UserType + 150     // a connection item between pins
};

// A device item with two pins 50 apart and one field of its own.
class TestDeviceItem : public GraphicsDevice
{
public:
    TestDeviceItem(GraphicsScene *scene, int type, int bindMode, int objKind, int itemFlags = 3, int pins = 2);

    int type() const override { return m_type; }
    int objType() const override { return m_objKind; }
    QRectF boundingRect() const override { return QRectF(-10, -10, 70, 20); }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *option, bool hideHelp) override;
    void updateFromObj() override { ++updates; }
    void saveData(DataStream &stream) override;
    void loadData(DataStream &stream) override;
    // Labels of linked pins: the device's name and the pin's name.
    QString pinName(Pin *pin, Pin *other) override;

    qint32 extra = 0;
    int updates = 0;

private:
    int m_type;
    int m_objKind;
};

// A relay winding: an object of kind 2 of its own, bound to a relay.
class TestWindingItem : public GraphicsDeviceObj
{
public:
    explicit TestWindingItem(GraphicsScene *scene);

    int type() const override { return WindingItemType; }
    int objType() const override { return RelayKind; }
    QRectF boundingRect() const override { return QRectF(-10, -10, 70, 20); }
    void draw(QPainter *, const QStyleOptionGraphicsItem *, bool) override {}
};

// A source symbol with one pin.
class TestSourceItem : public GraphicsTag
{
public:
    explicit TestSourceItem(GraphicsScene *scene);

    int type() const override { return SourceItemType; }
    int objType() const override { return SourceKind; }
    QRectF boundingRect() const override { return QRectF(-10, -10, 20, 20); }
    void draw(QPainter *, const QStyleOptionGraphicsItem *, bool) override {}
    void createPins(int count) override { allocatePins<Pin>(count); }
    int tiedFrameNumber() const override { return tiedFrame; }

    int tiedFrame = 0;
};

// A connection item: a walk entering one pin goes on through the others.
class TestJoint : public GraphicsPins
{
public:
    TestJoint(GraphicsScene *scene, int pins);

    int type() const override { return JointItemType; }
    QRectF boundingRect() const override { return QRectF(-10, -10, 20, 20); }
    void draw(QPainter *, const QStyleOptionGraphicsItem *, bool) override {}
    void createPins(int count) override { allocatePins<Pin>(count); }
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override;
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n) override;
    void updateNetLinks(Pin *, QList<Pin *> &) override {}
};

// A sheet that makes the stand-in kinds from their type ids.
class TestScene : public GraphicsScene
{
public:
    explicit TestScene(Project *project);
    ~TestScene() override;

    // Shows an item in the sheet's framework scene without the sheet
    // owning it (a place standing for a frame's); it goes with the sheet.
    void addLoose(GraphicsItem *item);

    int groupNumber() const override { return 0; }
    GraphicsItem *createItem(int type) override;
    QString displayName() const override;

    QString title = QStringLiteral("Sheet");

private:
    QList<GraphicsItem *> m_loose;
};

// Makes an item of a stand-in kind and puts it on the sheet.
template <class T = TestDeviceItem>
T *addItem(GraphicsScene &scene, int type)
{
    auto *item = dynamic_cast<T *>(scene.createItem(type));
    if (item)
        scene.addGraphicsItem(item);
    return item;
}

// The devices and the sheet (data and geometry) in one identity scope.
QByteArray saveAll(Project &project, GraphicsScene &scene);
// Reads them back: devices, sheet data, fix-up, geometry, pin fix-up.
// False when an item's identity is unknown or the stream is damaged.
bool loadAll(Project &project, GraphicsScene &scene, const QByteArray &bytes);

// The clipboard record of the items and their geometry.
QByteArray copyItems(Project &project, GraphicsScene &scene, const QList<GraphicsItem *> &items);
// Pastes a record into an empty sheet: the items, their fix-up and
// geometry; the pasted items.
QList<GraphicsItem *> pasteItems(Project &project, GraphicsScene &scene, const QByteArray &bytes);

// Counts one of the project's object signals.
class SignalCount
{
public:
    SignalCount(Project &project, void (Project::*signal)(Obj &));
    int count() const { return m_count; }
    void clear() { m_count = 0; }

private:
    int m_count = 0;
};

// Records what a painter draws on it.
class PaintRecorder : public QPaintDevice
{
public:
    struct Shape
    {
        QString kind; // "rect", "ellipse", "path", "polygon", "line"
        QRectF bounds;
        QColor pen;
        QColor brush;
    };

    PaintRecorder();
    ~PaintRecorder() override;

    QPaintEngine *paintEngine() const override;

    QStringList texts;
    QList<QRectF> textRects;
    QList<Shape> shapes;

    QList<Shape> shapesOf(const QString &kind) const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    std::unique_ptr<QPaintEngine> m_engine;
};

} // namespace boundtest

#endif
