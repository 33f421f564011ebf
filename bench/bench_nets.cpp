// A scheme of thousands of soldered items at two sizes, one four times the
// other (with --huge a third, four times more, and one ten times the
// smallest): rows of devices whose pins hang by branch nets from nodes on
// one long trunk, so that the whole sheet is one clew.
// Prints the time of a clew walk over it (the pins, and the pins with the
// connection items), of a question the clew cannot answer (which passes
// all of it), of a paint of the whole sheet, of the move of half the sheet
// with the nets that follow it, and of the joining of that half's pins
// after the move (what the editor does at the release, with one clew index
// for the whole selection), each beside its floor: following each pin of
// the clew (and each item) to its partner once, the toolkit painting the
// items' outlines, moving as many plain items, and looking up each moved
// item's area in an indexed scene of as many items. The ratios between the
// sizes show which of them stay linear.
#include "bench/coldcaches.h"
#include "bench/floortable.h"
#include "graphics/font.h"
#include "graphics/graphicspins.h"
#include "model/check.h"
#include "model/heappages.h"
#include "model/project.h"
#include "schemes/graphicsnode.h"
#include "schemes/net.h"
#include "schemes/scheme.h"

#include <QApplication>
#include <QDialog>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

// A device with two pins 80 apart; a walk ends at the pin it entered by.
class BenchDevice : public GraphicsPins
{
public:
    explicit BenchDevice(GraphicsScene *scene)
        : GraphicsPins(scene, nullptr, 7)
    {
        createPins(2);
        pin(0)->moveCenter(QPointF(0, 0));
        pin(1)->moveCenter(QPointF(80, 0));
    }
    int type() const override { return UserType + 450; }
    QRectF boundingRect() const override { return QRectF(-10, -20, 100, 40); }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool hideHelp) override
    {
        painter->setPen(penBlack);
        painter->drawRect(QRectF(10, -15, 60, 30));
        if (!hideHelp)
            drawPins(painter, hideHelp);
    }
    void createPins(int count) override { allocatePins<Pin>(count); }
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override { pins.append(entry); }
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *, int) override { pins.append(entry); }
    void updateNetLinks(Pin *, QList<Pin *> &) override {}
};

template <class T>
T *put(Scheme &scheme, T *item, const QPointF &pos)
{
    scheme.addGraphicsItem(item);
    item->setPosQuiet(pos);
    return item;
}

GraphicsNet *wire(Scheme &scheme, const QPointF &a, const QPointF &b)
{
    auto *net = put(scheme, new GraphicsNet(&scheme), a);
    net->moveEnds(net->pin(0), QPointF(0, 0), net->pin(1), b - a);
    return net;
}

struct Sheet
{
    std::unique_ptr<Project> project;
    std::unique_ptr<Scheme> scheme;
    BenchDevice *first = nullptr;
    int devices = 0;
};

// Rows of devices; above each device a node on the trunk, a branch net
// down to the device's pin 0, trunk nets between the nodes and a net from
// the end of each row to the start of the next.
Sheet build(int rows, int perRow)
{
    Sheet sheet;
    sheet.project.reset(new Project(nullptr, nullptr));
    sheet.scheme.reset(new Scheme(sheet.project.get()));
    Scheme &s = *sheet.scheme;
    // Upright A0 sheets side by side, as many as the rows are wide: the
    // whole drawing lies on the sheet, as a user draws it.
    s.setSheetFormat(GraphicsScene::PaperA0, false, quint8(std::ceil((400 + 120.0 * perRow) / 8410)));
    GraphicsNode *previous = nullptr;
    for (int r = 0; r < rows; ++r) {
        const double y = 200 + 240.0 * r;
        for (int c = 0; c < perRow; ++c) {
            const double x = 200 + 120.0 * c;
            auto *device = put(s, new BenchDevice(&s), QPointF(x, y + 120));
            auto *node = put(s, new GraphicsNode(&s), QPointF(x, y));
            GraphicsNet *branch = wire(s, QPointF(x, y), QPointF(x, y + 120));
            node->pin(0)->solder(branch->pin(0));
            branch->pin(1)->solder(device->pin(0));
            if (previous) {
                GraphicsNet *trunk = wire(s, previous->pos(), node->pos());
                previous->pin(1)->solder(trunk->pin(0));
                trunk->pin(1)->solder(node->pin(2));
            }
            previous = node;
            if (!sheet.first)
                sheet.first = device;
            ++sheet.devices;
        }
    }
    s.setModified(false);
    return sheet;
}

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// The median time of a pass, each pass timed on its own (after the caches
// are emptied, with --cold): a pass takes well under a millisecond at the
// smaller sizes, so a mean would be one interrupt's length off.
template <class Pass>
double medianMs(int repeats, Pass pass)
{
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < repeats; ++i) {
        sweepCaches();
        timer.start();
        pass();
        times.push_back(msSince(timer));
    }
    std::nth_element(times.begin(), times.begin() + repeats / 2, times.end());
    return times[size_t(repeats / 2)];
}

void restartTimer(QElapsedTimer &timer)
{
    sweepCaches();
    timer.restart();
}

struct Figures
{
    int items = 0;
    double walk = 0;
    double collect = 0;
    double unreachable = 0;
    double paint = 0;
    double move = 0;
    double join = 0;
    int moved = 0;
    // The floors: following every pin of the clew to its partner once, the
    // same with every item too, painting as many plain rectangles, moving
    // as many plain items of a scene of the toolkit, and looking up each
    // moved item's area in such a scene with an index.
    double walkFloor = 0;
    double collectFloor = 0;
    double paintFloor = 0;
    double moveFloor = 0;
    double joinFloor = 0;
    bool valid = true;
};

// Every pin of the list followed to its partner, the partners listed: what
// no walk over the clew can do without. In milliseconds per pass.
double partnerPassMs(const QList<Pin *> &pins, int repeats)
{
    QList<Pin *> reached;
    reached.reserve(pins.size());
    const double ms = medianMs(repeats, [&] {
        reached.clear();
        for (Pin *pin : pins) {
            if (Pin *partner = pin->partner())
                reached.append(partner);
        }
    });
    return reached.size() < 0 ? 0 : ms;
}

// As many plain items of the toolkit in a scene of their own, with the
// index the sheet has.
struct PlainScene
{
    QGraphicsScene scene;
    QList<QGraphicsItem *> items;
    explicit PlainScene(int count, QGraphicsScene::ItemIndexMethod index)
    {
        scene.setItemIndexMethod(index);
        scene.setSceneRect(0, 0, 200 + 120 * 200, 200 + 120 * (count / 200 + 1));
        for (int i = 0; i < count; ++i) {
            auto *item = new QGraphicsRectItem(-10, -20, 100, 40);
            item->setPos(200 + 120.0 * (i % 200), 200 + 120.0 * (i / 200));
            scene.addItem(item);
            items.append(item);
        }
    }
};

Figures measure(int rows, int perRow)
{
    Figures f;
    Sheet sheet = build(rows, perRow);
    Scheme &s = *sheet.scheme;
    f.items = int(s.graphicsItems().size());
    // Fewer with --cold, where each pass first sweeps a buffer larger than
    // the caches.
    const int repeats = coldCaches() ? 21 : 101;

    QElapsedTimer timer;
    QList<Pin *> pins;
    f.walk = medianMs(repeats, [&] {
        pins.clear();
        sheet.first->pin(0)->collectNetPinsAcross(pins);
    });
    f.walkFloor = partnerPassMs(pins, repeats);
    if (pins.size() != sheet.devices - 1) {
        std::fprintf(stderr, "walk found %lld pins: the sheet is not one clew\n", qint64(pins.size()));
        f.valid = false;
    }

    QList<GraphicsUnite *> items;
    f.collect = medianMs(repeats, [&] {
        pins.clear();
        items.clear();
        sheet.first->pin(0)->collectNetAcross(pins, &items);
    });
    {
        // The pins and the items passed, each followed once.
        QList<Pin *> all = pins;
        for (GraphicsUnite *item : std::as_const(items)) {
            if (item->pinCount() > 0)
                all.append(item->pin(0));
        }
        f.collectFloor = partnerPassMs(all, repeats);
    }

    // A pin of no connection item of the clew: every item is asked.
    GraphicsNet stranger(&s);
    bool found = false;
    f.unreachable = medianMs(repeats, [&] {
        auto *branch = graphicsNetCast(sheet.first->pin(0)->partner()->owner()->graphicsItem());
        found = branch->isConnected(stranger.pin(0), nullptr) || found;
    });
    if (found) {
        std::fprintf(stderr, "a stranger was reached\n");
        f.valid = false;
    }

    QImage image(2400, 1700, QImage::Format_ARGB32_Premultiplied);
    restartTimer(timer);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        s.render(&painter, QRectF(image.rect()), s.sceneRect());
    }
    f.paint = msSince(timer);
    {
        // The outlines of the items on the sheet, with the same scale.
        QList<QRectF> outlines;
        for (GraphicsItem *item : s.graphicsItems()) {
            if (item->sceneBoundingRect().intersects(s.sceneRect()))
                outlines.append(item->sceneBoundingRect());
        }
        QPainter painter(&image);
        painter.scale(image.width() / s.sceneRect().width(), image.height() / s.sceneRect().height());
        restartTimer(timer);
        painter.drawRects(outlines.constData(), int(outlines.size()));
        f.paintFloor = msSince(timer);
    }

    // Half the rows are selected and moved one grid step down, as a drag
    // moves them. The trunk net between the halves follows.
    QList<GraphicsItem *> half;
    const double limit = 200 + 240.0 * (rows / 2) - 1;
    for (GraphicsItem *item : s.graphicsItems()) {
        if (item->sceneBoundingRect().bottom() < limit + 150 && item->pos().y() < limit) {
            item->setSelected(true);
            half.append(item);
        }
    }
    f.moved = int(half.size());
    restartTimer(timer);
    GraphicsPins::moveAll(half, QPointF(40, 40));
    f.move = msSince(timer);
    {
        PlainScene plain(f.moved, s.itemIndexMethod());
        restartTimer(timer);
        for (QGraphicsItem *item : std::as_const(plain.items))
            item->moveBy(40, 40);
        f.moveFloor = msSince(timer);
    }

    QList<Pin *> movedClew;
    sheet.first->pin(0)->collectNetPinsAcross(movedClew);

    // The release joins the free pins of the selected items.
    restartTimer(timer);
    GraphicsPins::joinAllPins(half);
    f.join = msSince(timer);
    {
        // One look-up by area for each moved item, in an indexed scene of
        // as many items as the sheet.
        PlainScene plain(f.items, QGraphicsScene::BspTreeIndex);
        plain.scene.items(QRectF(0, 0, 1, 1));
        qsizetype found = 0;
        restartTimer(timer);
        for (int i = 0; i < f.moved; ++i)
            found += plain.scene.items(plain.items[i]->sceneBoundingRect(), Qt::IntersectsItemBoundingRect).size();
        f.joinFloor = found < 0 ? 0 : msSince(timer);
    }
    // The release joins nothing new here: the moved half keeps its clew.
    pins.clear();
    sheet.first->pin(0)->collectNetPinsAcross(pins);
    if (pins != movedClew) {
        std::fprintf(stderr, "the join changed the clew from %lld to %lld pins\n", qint64(movedClew.size()),
                     qint64(pins.size()));
        f.valid = false;
    }
    return f;
}

} // namespace

int main(int argc, char **argv)
{
    // Timed with the heap as the program runs it.
    setUpHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    createScreenFonts();
    Scheme::registerItemTypes();
    setModalHook([](QDialog *dialog) {
        std::fprintf(stderr, "box: %s\n", qPrintable(dialog->windowTitle()));
        return 0;
    });

    // bench_nets [--huge] [--cold]: --huge adds a size four times the larger
    // one, and then one ten times the smallest.
    coldCaches() = app.arguments().contains(QStringLiteral("--cold"));
    QList<QPair<int, int>> sizes{{10, 100}, {20, 200}};
    if (app.arguments().contains(QStringLiteral("--huge")))
        sizes.append({{40, 400}, {25, 400}});
    QList<Figures> figures;
    for (const auto &size : sizes) {
        figures.append(measure(size.first, size.second));
        const Figures &f = figures.last();
        if (!f.valid)
            return 1;
        std::printf("\n%d devices, %d items, %d moved\n", size.first * size.second, f.items, f.moved);
        printFloorTable({{"walk", f.walk, "each pin to its partner", f.walkFloor},
                         {"collect", f.collect, "each pin and item so", f.collectFloor},
                         {"unreached", f.unreachable, "each pin and item so", f.collectFloor},
                         {"paint", f.paint, "Qt plain rectangles", f.paintFloor},
                         {"move", f.move, "Qt plain items moved", f.moveFloor},
                         {"join", f.join, "Qt look-ups by area", f.joinFloor}},
                        3);
    }
    for (int i = 1; i < figures.size(); ++i) {
        const bool tenTimes = i == 3;
        const Figures &a = figures[tenTimes ? 0 : i - 1];
        const Figures &b = figures[i];
        std::printf("\n%s the size: walk x%.1f (floor x%.1f), collect x%.1f, unreached x%.1f, paint x%.1f "
                    "(floor x%.1f), move x%.1f (floor x%.1f), join x%.1f (floor x%.1f)\n",
                    tenTimes ? "ten times" : "four times", b.walk / a.walk, b.walkFloor / a.walkFloor,
                    b.collect / a.collect, b.unreachable / a.unreachable,
                    b.paint / a.paint, b.paintFloor / a.paintFloor, b.move / a.move, b.moveFloor / a.moveFloor,
                    b.join / a.join, b.joinFloor / a.joinFloor);
    }
    deleteFonts();
    return 0;
}
