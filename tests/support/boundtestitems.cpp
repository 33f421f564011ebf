#include "support/boundtestitems.h"

#include "model/device.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextItem>

namespace boundtest {

TestDeviceItem::TestDeviceItem(GraphicsScene *scene, int type, int bindMode, int objKind, int itemFlags, int pins)
    : GraphicsDevice(scene, bindMode, nullptr, itemFlags)
    , m_type(type)
    , m_objKind(objKind)
{
    createPins(pins);
    for (int i = 0; i < pinCount(); ++i)
        pin(i)->moveCenter(QPointF(50.0 * i, 0));
}

void TestDeviceItem::draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool hideHelp)
{
    drawPins(painter, hideHelp);
}

void TestDeviceItem::saveData(DataStream &stream)
{
    stream << extra;
    GraphicsDevice::saveData(stream);
}

void TestDeviceItem::loadData(DataStream &stream)
{
    stream >> extra;
    GraphicsDevice::loadData(stream);
}

QString TestDeviceItem::pinName(Pin *pin, Pin *)
{
    auto *named = dynamic_cast<WiringPin *>(pin);
    return name() + QLatin1Char(':') + QString::fromUtf8(named && named->name() ? named->name() : "?");
}

TestWindingItem::TestWindingItem(GraphicsScene *scene)
    : GraphicsDeviceObj(scene, BindOwned, RelayWindingKind, 7)
{
    createPins(2);
    for (int i = 0; i < pinCount(); ++i)
        pin(i)->moveCenter(QPointF(50.0 * i, 0));
}

TestSourceItem::TestSourceItem(GraphicsScene *scene)
    : GraphicsTag(scene, BindShared, 3)
{
    createPins(1);
}

TestJoint::TestJoint(GraphicsScene *scene, int pins)
    : GraphicsPins(scene, nullptr, 7)
{
    createPins(pins);
}

void TestJoint::collectNetPins(Pin *entry, QList<Pin *> &pins)
{
    for (int i = 0; i < pinCount(); ++i) {
        if (pin(i) != entry)
            pin(i)->collectNetPinsAcross(pins);
    }
}

void TestJoint::collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *items, int n)
{
    for (int i = 0; i < pinCount(); ++i) {
        if (pin(i) != entry)
            pin(i)->collectNetAcross(pins, items, n);
    }
}

TestScene::TestScene(Project *project)
    : GraphicsScene(project)
{
    setSheetFormat(PaperA3, true, 1);
}

TestScene::~TestScene()
{
    qDeleteAll(m_loose);
}

void TestScene::addLoose(GraphicsItem *item)
{
    m_loose.append(item);
    item->makeFrameworkItems(liveScene());
}

GraphicsItem *TestScene::createItem(int type)
{
    switch (type) {
    case BlockItemType:
        return new TestDeviceItem(this, type, GraphicsObjItem::BindShared, BlockKind);
    case CapacitorItemType:
        return new TestDeviceItem(this, type, GraphicsObjItem::BindOwned, CapacitorKind);
    case PanelItemType:
        return new TestDeviceItem(this, type, GraphicsObjItem::BindByName, MeasuringPanelKind, 7);
    case ResistorItemType:
        return new TestDeviceItem(this, type, GraphicsObjItem::BindOwned, ResistorKind);
    case ContactItemType:
        return new TestDeviceItem(this, type, GraphicsObjItem::BindByName, RelayWindingKind);
    case WindingItemType:
        return new TestWindingItem(this);
    case SourceItemType:
        return new TestSourceItem(this);
    default:
        return GraphicsScene::createItem(type);
    }
}

QString TestScene::displayName() const
{
    return title + GraphicsScene::displayName();
}

QByteArray saveAll(Project &project, GraphicsScene &scene)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(DataStream::CurrentFormat);
    Project::IdentityScope scope(project);
    project.writeDevices(out);
    scene.saveScene(out);
    scene.saveItemsGeometry(out);
    return bytes;
}

bool loadAll(Project &project, GraphicsScene &scene, const QByteArray &bytes)
{
    QByteArray copy = bytes;
    DataStream in(&copy, QIODevice::ReadOnly);
    in.setFormatIndex(DataStream::CurrentFormat);
    QString message;
    bool ok = project.readDevices(in, &message);
    ok = scene.loadScene(in) && ok;
    const QList<GraphicsItem *> items = scene.graphicsItems();
    for (GraphicsItem *item : items)
        ok = item->resolveLinks() && ok;
    ok = scene.loadItemsGeometry(in) && ok;
    ok = project.updatePinsPointers() && ok;
    project.clearOldIds();
    project.pinMap().clear();
    return ok && in.status() == QDataStream::Ok;
}

QByteArray copyItems(Project &project, GraphicsScene &scene, const QList<GraphicsItem *> &items)
{
    QByteArray bytes;
    DataStream out(&bytes, QIODevice::WriteOnly);
    out.setFormatIndex(DataStream::CurrentFormat);
    Project::IdentityScope scope(project);
    scene.writeItems(out, items);
    for (GraphicsItem *item : items)
        item->saveClipboardGeometry(out);
    return bytes;
}

QList<GraphicsItem *> pasteItems(Project &project, GraphicsScene &scene, const QByteArray &bytes)
{
    QByteArray copy = bytes;
    DataStream in(&copy, QIODevice::ReadOnly);
    in.setFormatIndex(DataStream::CurrentFormat);
    project.clearOldIds();
    project.pinMap().clear();
    const QList<GraphicsItem *> items = scene.readItems(in);
    scene.loadClipboardGeometry(in);
    project.updatePinsPointers();
    project.clearOldIds();
    project.pinMap().clear();
    return items;
}

SignalCount::SignalCount(Project &project, void (Project::*signal)(Obj &))
{
    QObject::connect(&project, signal, &project, [this](Obj &) { ++m_count; });
}

namespace {

class RecordingEngine : public QPaintEngine
{
public:
    explicit RecordingEngine(PaintRecorder *device)
        : QPaintEngine(QPaintEngine::AllFeatures)
        , m_device(device)
    {
    }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
    }

    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i)
            add(QStringLiteral("rect"), rects[i]);
    }
    void drawEllipse(const QRectF &rect) override { add(QStringLiteral("ellipse"), rect); }
    void drawPath(const QPainterPath &path) override { add(QStringLiteral("path"), path.boundingRect()); }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        QPolygonF polygon;
        for (int i = 0; i < count; ++i)
            polygon << points[i];
        add(QStringLiteral("polygon"), polygon.boundingRect());
    }
    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            add(QStringLiteral("line"), QRectF(lines[i].p1(), lines[i].p2()));
    }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
    void drawTextItem(const QPointF &point, const QTextItem &item) override
    {
        m_device->texts << item.text();
        m_device->textRects << m_transform.mapRect(QRectF(point, QSizeF(1, 1)));
    }

private:
    void add(const QString &kind, const QRectF &bounds)
    {
        m_device->shapes << PaintRecorder::Shape{kind, m_transform.mapRect(bounds), m_pen.color(),
                                                  m_brush.style() == Qt::NoBrush ? QColor() : m_brush.color()};
    }

    PaintRecorder *m_device;
    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
};

} // namespace

PaintRecorder::PaintRecorder()
    : m_engine(new RecordingEngine(this))
{
}

PaintRecorder::~PaintRecorder() = default;

QPaintEngine *PaintRecorder::paintEngine() const
{
    return m_engine.get();
}

int PaintRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
    case PdmHeight:
        return 4000;
    case PdmWidthMM:
    case PdmHeightMM:
        return 1000;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return 96;
    case PdmDepth:
        return 32;
    case PdmNumColors:
        return 0x7fffffff;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    default:
        return 0;
    }
}

QList<PaintRecorder::Shape> PaintRecorder::shapesOf(const QString &kind) const
{
    QList<Shape> result;
    for (const Shape &shape : shapes) {
        if (shape.kind == kind)
            result << shape;
    }
    return result;
}

} // namespace boundtest
