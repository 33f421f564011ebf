// The scheme editor driven with mouse events on a shown view: drawing nets
// between pins, splitting them, dropping nodes, crossings and grounds,
// continuing a net from its free end, moving items with their nets, copy
// and paste, the placing commands, and a project saved and loaded with
// every soldered partner.

#include "app/actionsmanager.h"
#include "app/mainwindow.h"
#include "graphics/font.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"
#include "schemes/dlgpropcopperplate.h"
#include "schemes/dlgpropnet.h"
#include "schemes/graphicscopperplate.h"
#include "schemes/graphicscrossnet.h"
#include "schemes/graphicsground.h"
#include "schemes/graphicsnode.h"
#include "schemes/graphicspassage.h"
#include "schemes/graphicsslantingnet.h"
#include "schemes/net.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/modalrecorder.h"
#include "support/schemetestitems.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <memory>

using namespace schemetest;

namespace {

struct Actions
{
    Actions()
    {
        ActionsManager::createMenus(&host, &list, &menuBar, &toolBar);
        ActionsManager::createToolBox(&toolBox, &list);
    }
    QWidget host;
    QMenuBar menuBar;
    QToolBar toolBar;
    QTabWidget toolBox;
    QList<QAction *> list;
};

// A mouse move sent straight to the widget, with the buttons held.
void moveMouse(QWidget *widget, const QPoint &pos, Qt::MouseButtons buttons = Qt::NoButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton, buttons,
                      modifiers);
    QApplication::sendEvent(widget, &event);
}

QPointF at(Pin *pin)
{
    return dynamic_cast<GraphicsItem *>(pin->owner())->mapToScene(pin->center());
}

template <class T>
QList<T *> itemsOf(GraphicsScene &scene)
{
    QList<T *> result;
    for (GraphicsItem *item : scene.graphicsItems())
        if (auto *found = dynamic_cast<T *>(item))
            result.append(found);
    return result;
}

// Every soldered pin lies where its partner lies, and every net is
// horizontal or vertical.
bool wellDrawn(GraphicsScene &scene)
{
    for (GraphicsItem *item : scene.graphicsItems()) {
        GraphicsPins *pinned = toNonPrimitiveItem(item);
        for (int i = 0; pinned && i < pinned->pinCount(); ++i) {
            Pin *p = pinned->pin(i);
            if (p->partner() && QLineF(at(p), at(p->partner())).length() > 1e-9)
                return false;
        }
        if (auto *wire = graphicsNetCast(item)) {
            const QLineF l = wire->line();
            if (l.dx() != 0 && l.dy() != 0)
                return false;
        }
    }
    return true;
}

// Item i's pin k soldered to item j's pin l, for every soldered pin of a
// sheet, with the items by their place in the sheet's order.
QStringList topology(GraphicsScene &scene)
{
    QStringList out;
    const QList<GraphicsItem *> items = scene.graphicsItems();
    for (int i = 0; i < items.size(); ++i) {
        GraphicsPins *pinned = toNonPrimitiveItem(items[i]);
        out << QString("%1 %2 (%3,%4)")
                   .arg(i)
                   .arg(items[i]->type() - QGraphicsItem::UserType)
                   .arg(items[i]->pos().x())
                   .arg(items[i]->pos().y());
        for (int k = 0; pinned && k < pinned->pinCount(); ++k) {
            Pin *partner = pinned->pin(k)->partner();
            if (!partner)
                continue;
            auto *owner = dynamic_cast<GraphicsPins *>(partner->owner());
            out << QString("%1.%2-%3.%4")
                       .arg(i)
                       .arg(k)
                       .arg(items.indexOf(owner))
                       .arg(owner->pinIndex(partner));
        }
    }
    return out;
}

} // namespace

class TestSchemeEdit : public QObject
{
    Q_OBJECT

    std::unique_ptr<Actions> m_actions;
    std::unique_ptr<Project> m_project;
    std::unique_ptr<DeviceScheme> m_scheme;
    std::unique_ptr<SchemeEdit> m_view;
    QTemporaryDir m_dir;

    DeviceScheme &scheme() { return *m_scheme; }
    QAction *action(int id) { return m_actions->list.at(id); }

    // A shown, active view of the scheme, zoomed in, centred on (800, 600).
    SchemeEdit &view(GraphicsScene *sheet = nullptr)
    {
        m_view.reset(new SchemeEdit(&m_actions->list));
        m_view->setScene(sheet ? sheet : m_scheme.get());
        m_view->resize(1000, 700);
        m_view->show();
        if (!QTest::qWaitForWindowExposed(m_view.get()))
            qWarning("view not exposed");
        m_view->setActive(true);
        m_view->zoom(1);
        m_view->zoom(1);
        m_view->centerOn(800, 600);
        return *m_view;
    }

    QPoint point(const QPointF &scenePoint) { return m_view->mapFromScene(scenePoint); }

    void click(const QPointF &scenePoint, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, modifiers, point(scenePoint));
    }

    // A press, a release, a double click and a release, as the window
    // system delivers them.
    void doubleClick(const QPointF &scenePoint)
    {
        QWidget *target = m_view->viewport();
        const QPointF pos(point(scenePoint));
        const QPointF global(target->mapToGlobal(pos.toPoint()));
        const QEvent::Type sequence[] = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                         QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease};
        for (QEvent::Type type : sequence) {
            const bool down = type != QEvent::MouseButtonRelease;
            QMouseEvent event(type, pos, global, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(target, &event);
        }
    }

    void hover(const QPointF &scenePoint) { moveMouse(m_view->viewport(), point(scenePoint)); }

    // A press, a move with the button held and a release.
    void drag(const QPointF &from, const QPointF &to, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mousePress(m_view->viewport(), Qt::LeftButton, modifiers, point(from));
        moveMouse(m_view->viewport(), point((from + to) / 2), Qt::LeftButton, modifiers);
        moveMouse(m_view->viewport(), point(to), Qt::LeftButton, modifiers);
        QTest::mouseRelease(m_view->viewport(), Qt::LeftButton, modifiers, point(to));
    }

    // Draws a net in net mode: a press, a move, a press.
    void drawNet(const QPointF &from, const QPointF &to)
    {
        click(from);
        hover(to);
        click(to);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        createScreenFonts();
        Scheme::registerItemTypes();
    }

    void cleanupTestCase() { deleteFonts(); }

    void init()
    {
        QGuiApplication::clipboard()->clear();
        m_actions.reset(new Actions);
        m_project.reset(new Project(nullptr, nullptr));
        m_scheme.reset(new DeviceScheme(m_project.get()));
    }

    void cleanup()
    {
        if (m_view)
            m_view->setActive(false);
        m_view.reset();
        m_scheme.reset();
        m_project.reset();
        m_actions.reset();
    }

    void commandsOfTheView()
    {
        ModalRecorder recorder;
        SchemeEdit &v = view();
        for (int id = 73; id <= 78; ++id)
            QVERIFY2(action(id)->isEnabled(), qPrintable(QString::number(id)));
        // A placing command is offered while its kind can be made.
        for (int id = 79; id <= 109; ++id)
            QCOMPARE(action(id)->isEnabled(), SchemeEdit::canPlace(v.itemTypeForMode(id)));
        QVERIFY(!action(110)->isEnabled());
        QCOMPARE(v.itemTypeForMode(77), QGraphicsItem::UserType + 112);
        QCOMPARE(v.itemTypeForMode(78), QGraphicsItem::UserType + 113);
        QVERIFY(SchemeEdit::canPlace(QGraphicsItem::UserType + 112));
        QVERIFY(!SchemeEdit::canPlace(QGraphicsItem::UserType + 103));

        action(73)->trigger();
        QCOMPARE(v.editMode(), 73);
        QVERIFY(action(73)->isChecked());
        action(76)->trigger();
        QCOMPARE(v.editMode(), 76);
        QVERIFY(!action(73)->isChecked());
        action(76)->trigger();
        QCOMPARE(v.editMode(), 30);

        // The cursor is reported at its grid point, in millimetres.
        QSignalSpy spy(&v, &GraphicsEdit::cursorPosChanged);
        hover(QPointF(1234, 567));
        QVERIFY(!spy.isEmpty());
        QCOMPARE(spy.last().at(0).toPointF(), QPointF(124, 56));
        QCOMPARE(recorder.count(), 0);
    }

    void drawANetBetweenTwoPins()
    {
        ModalRecorder recorder;
        TestDevice *a = device(scheme(), QPointF(400, 400));
        TestDevice *b = device(scheme(), QPointF(800, 400));
        view();
        action(73)->trigger();

        click(QPointF(480, 400));
        QCOMPARE(nets(scheme()).size(), 1);
        GraphicsNet *wire = nets(scheme()).first();
        QCOMPARE(m_view->carriedItems(), QList<GraphicsItem *>({wire}));
        QVERIFY(wire->isSelected());
        QVERIFY(soldered(a->pin(1), wire->pin(0)));
        // The moving end stays on the line and shows the free pin it meets.
        hover(QPointF(650, 430));
        QCOMPARE(end(wire, 1), QPointF(640, 400));
        QVERIFY(!wire->pin(1)->contactFlag());
        hover(QPointF(800, 415));
        QCOMPARE(end(wire, 1), QPointF(800, 400));
        QVERIFY(wire->pin(1)->contactFlag());
        click(QPointF(800, 400));
        QVERIFY(soldered(wire->pin(1), b->pin(0)));
        QVERIFY(m_view->carriedItems().isEmpty());
        QCOMPARE(m_view->editMode(), 73);
        QCOMPARE(clew(a->pin(1)), QList<Pin *>({b->pin(0)}));

        // The next press starts a new net.
        click(QPointF(880, 400));
        QCOMPARE(nets(scheme()).size(), 2);
        GraphicsNet *next = nets(scheme()).last();
        QVERIFY(soldered(next->pin(0), b->pin(1)));
        hover(QPointF(890, 800));
        QCOMPARE(end(next, 1), QPointF(880, 800));
        click(QPointF(880, 800));
        QVERIFY(next->pin(1)->isFree());
        QVERIFY(wellDrawn(scheme()));
        QCOMPARE(recorder.count(), 0);
    }

    void splitANetWithAThird()
    {
        ModalRecorder recorder;
        TestDevice *a = device(scheme(), QPointF(400, 400));
        TestDevice *b = device(scheme(), QPointF(800, 400));
        TestDevice *c = device(scheme(), QPointF(600, 800));
        view();
        action(73)->trigger();
        drawNet(QPointF(480, 400), QPointF(800, 400));
        drawNet(QPointF(600, 800), QPointF(600, 400));
        QCOMPARE(nets(scheme()).size(), 3);
        const QList<GraphicsNode *> nodes = itemsOf<GraphicsNode>(scheme());
        QCOMPARE(nodes.size(), 1);
        QCOMPARE(nodes.first()->pos(), QPointF(600, 400));
        const QList<Pin *> pins = clew(a->pin(1));
        QCOMPARE(pins.size(), 2);
        QVERIFY(pins.contains(b->pin(0)) && pins.contains(c->pin(0)));
        QVERIFY(wellDrawn(scheme()));

        // A node dropped on the middle of a net takes both halves.
        action(74)->trigger();
        click(QPointF(702, 397));
        QCOMPARE(itemsOf<GraphicsNode>(scheme()).size(), 2);
        GraphicsNode *dropped = itemsOf<GraphicsNode>(scheme()).last();
        QCOMPARE(dropped->pos(), QPointF(720, 400));
        QVERIFY(!dropped->pin(0)->isFree() && !dropped->pin(1)->isFree());
        QCOMPARE(nets(scheme()).size(), 4);
        QCOMPARE(clew(a->pin(1)).size(), 2);
        QCOMPARE(recorder.count(), 0);
    }

    void dropCrossingsAndGrounds()
    {
        ModalRecorder recorder;
        TestDevice *a = device(scheme(), QPointF(400, 400));
        view();
        action(73)->trigger();
        drawNet(QPointF(480, 400), QPointF(800, 400));
        GraphicsNet *wire = nets(scheme()).first();

        action(76)->trigger();
        click(QPointF(805, 395));
        const QList<GraphicsGround *> grounds = itemsOf<GraphicsGround>(scheme());
        QCOMPARE(grounds.size(), 1);
        QCOMPARE(grounds.first()->pos(), QPointF(800, 400));
        QVERIFY(soldered(grounds.first()->pin(0), wire->pin(1)));
        QCOMPARE(clew(a->pin(1)), QList<Pin *>({grounds.first()->pin(0)}));

        action(73)->trigger();
        drawNet(QPointF(1200, 400), QPointF(1200, 800));
        action(75)->trigger();
        click(QPointF(1200, 800));
        const QList<GraphicsCrossNet *> crossings = itemsOf<GraphicsCrossNet>(scheme());
        QCOMPARE(crossings.size(), 1);
        QVERIFY(soldered(crossings.first()->pin(0), nets(scheme()).last()->pin(1)));
        QCOMPARE(m_view->editMode(), 75);
        QCOMPARE(recorder.count(), 0);
    }

    void doubleClicksOpenTheDialogsThereAre()
    {
        ModalRecorder recorder;
        view();
        action(73)->trigger();
        drawNet(QPointF(400, 400), QPointF(800, 400));
        action(74)->trigger();
        click(QPointF(400, 400));
        action(76)->trigger();
        click(QPointF(800, 400));
        action(30)->trigger();
        // A net's dialog opens on it.
        recorder.handle([](QDialog *d) { QVERIFY(qobject_cast<DlgPropNet *>(d)); });
        doubleClick(QPointF(600, 400));
        QCOMPARE(recorder.count(), 1);
        // A node and a ground have no dialog: nothing opens.
        doubleClick(QPointF(400, 400));
        doubleClick(QPointF(800, 430));
        QVERIFY(!scheme().liveScene()->mouseGrabberItem());
        QCOMPARE(recorder.count(), 1);
        // Nor do they offer the Property command; a net does.
        click(QPointF(400, 400));
        QCOMPARE(scheme().selectedGraphicsItems().size(), 1);
        QVERIFY(!action(24)->isEnabled());
        click(QPointF(600, 400));
        QVERIFY(action(24)->isEnabled());
    }

    void continueANetFromItsFreeEnd()
    {
        ModalRecorder recorder;
        TestDevice *a = device(scheme(), QPointF(400, 400));
        view();
        action(73)->trigger();
        drawNet(QPointF(480, 400), QPointF(800, 400));
        GraphicsNet *wire = nets(scheme()).first();
        action(30)->trigger();
        QCOMPARE(m_view->editMode(), 30);

        // A press on the soldered end only selects.
        click(QPointF(480, 400));
        QCOMPARE(m_view->editMode(), 30);
        QVERIFY(m_view->carriedItems().isEmpty());

        // A press on the free end goes on drawing from it; the net drawn
        // on makes the sheet due.
        scheme().setModified(false);
        click(QPointF(800, 400));
        QCOMPARE(m_view->editMode(), 73);
        QVERIFY(action(73)->isChecked());
        QCOMPARE(m_view->carriedItems(), QList<GraphicsItem *>({wire}));
        QVERIFY(wire->isSelected());
        hover(QPointF(1000, 400));
        QCOMPARE(end(wire, 1), QPointF(1000, 400));
        QVERIFY(scheme().isModified());
        click(QPointF(1000, 400));
        QVERIFY(m_view->carriedItems().isEmpty());
        QVERIFY(soldered(wire->pin(0), a->pin(1)));
        QCOMPARE(wire->length(), 520.0);
        QCOMPARE(recorder.count(), 0);
    }

    void moveAnItemAndItsNetsFollow()
    {
        ModalRecorder recorder;
        TestDevice *a = device(scheme(), QPointF(400, 400));
        TestDevice *b = device(scheme(), QPointF(800, 400));
        TestDevice *c = device(scheme(), QPointF(600, 800));
        view();
        action(73)->trigger();
        drawNet(QPointF(480, 400), QPointF(800, 400));
        drawNet(QPointF(600, 800), QPointF(600, 400));
        action(30)->trigger();

        // Along the wire: the net stretches.
        drag(QPointF(840, 402), QPointF(920, 402));
        QCOMPARE(b->pos(), QPointF(880, 400));
        QVERIFY(b->isSelected());
        QVERIFY(wellDrawn(scheme()));
        QCOMPARE(nets(scheme()).size(), 3);

        // Sideways: right angles.
        drag(QPointF(920, 402), QPointF(920, 562));
        QCOMPARE(b->pos(), QPointF(880, 560));
        QVERIFY(wellDrawn(scheme()));
        QVERIFY(nets(scheme()).size() > 3);
        const QList<Pin *> pins = clew(a->pin(1));
        QCOMPARE(pins.size(), 2);
        QVERIFY(pins.contains(b->pin(0)) && pins.contains(c->pin(0)));

        // A device dragged with its net keeps it; the net lets go of the
        // node that stays.
        GraphicsNet *down = nullptr;
        for (GraphicsNet *n : nets(scheme()))
            if (n->pin(0)->partner() == c->pin(0) || n->pin(1)->partner() == c->pin(0))
                down = n;
        QVERIFY(down);
        scheme().clearSelection();
        c->setSelected(true);
        down->setSelected(true);
        drag(QPointF(640, 802), QPointF(640, 962));
        QCOMPARE(c->pos(), QPointF(600, 960));
        Pin *onDevice = down->pin(0)->partner() == c->pin(0) ? down->pin(0) : down->pin(1);
        Pin *onNode = onDevice == down->pin(0) ? down->pin(1) : down->pin(0);
        QVERIFY(soldered(onDevice, c->pin(0)));
        QVERIFY(onNode->isFree());
        QCOMPARE(clew(a->pin(1)), QList<Pin *>({b->pin(0)}));
        // Turned or mirrored together, as one: the net stays on the pin,
        // and a turn or mirror back gives both back.
        Pin *joined = a->pin(1)->partner();
        scheme().clearSelection();
        a->setSelected(true);
        joined->owner()->graphicsItem()->setSelected(true);
        const QPointF before = at(a->pin(1));
        Pin *far = joined->owner()->pin(joined == joined->owner()->pin(0) ? 1 : 0);
        QVERIFY(far->partner());
        for (int turn = 0; turn < 4; ++turn) {
            turn < 2 ? view().mirrorVertical() : turn == 2 ? view().rotateLeft() : view().rotateRight();
            QVERIFY(soldered(joined, a->pin(1)) && at(joined) == at(a->pin(1)));
            if (turn % 2 == 1)
                QVERIFY(at(a->pin(1)) == before && far->partner());
        }
        QVERIFY(wellDrawn(scheme()));
        QCOMPARE(recorder.count(), 0);
    }

    // A click hits a net on its wire and ends, not in the room its section's mark takes, nor a node outside its
    // dot: an item there stays clickable. A passage is hit on its number too.
    void aClickHitsWhatIsDrawn()
    {
        ModalRecorder recorder;
        TestDevice *a = device(scheme(), QPointF(760, 580));
        GraphicsNet *wire = net(scheme(), QPointF(640, 600), QPointF(1000, 600));
        wire->setSection(3);
        auto *node = put(scheme(), new GraphicsNode(&scheme()), QPointF(1200, 600));
        auto *passage = put(scheme(), new GraphicsPassage(&scheme()), QPointF(1400, 600));
        view();
        action(30)->trigger();
        const QList<std::pair<QPointF, GraphicsItem *>> clicks = {
            {QPointF(800, 580), a}, {QPointF(950, 600), wire}, {QPointF(950, 570), nullptr},
            {QPointF(1200, 600), node}, {QPointF(1209, 609), nullptr}, {QPointF(1420, 580), passage}};
        for (const auto &[at, hit] : clicks) {
            scheme().clearSelection();
            click(at);
            QCOMPARE(scheme().selectedItems(), hit ? QList<GraphicsItem *>({hit}) : QList<GraphicsItem *>());
        }
        // A band over the mark's room alone takes nothing; one across the wire takes the net.
        scheme().clearSelection();
        drag(QPointF(930, 560), QPointF(990, 585));
        QCOMPARE(scheme().selectedItems(), QList<GraphicsItem *>());
        drag(QPointF(930, 560), QPointF(990, 610));
        QCOMPARE(scheme().selectedItems(), QList<GraphicsItem *>({wire}));
        QCOMPARE(recorder.count(), 0);
    }

    void altAloneKeepsPinsApart()
    {
        ModalRecorder recorder;
        TestDevice *a = device(scheme(), QPointF(400, 400));
        TestDevice *b = device(scheme(), QPointF(400, 800));
        view();
        // Moved with Alt alone onto a's free pin: nothing is joined.
        drag(QPointF(440, 802), QPointF(520, 402), Qt::AltModifier);
        QCOMPARE(b->pos(), QPointF(480, 400));
        QVERIFY(b->pin(0)->isFree());
        QVERIFY(nets(scheme()).isEmpty());
        // Without Alt: a net of no length joins the two device pins.
        drag(QPointF(520, 402), QPointF(520, 442));
        drag(QPointF(520, 442), QPointF(520, 402));
        QCOMPARE(b->pos(), QPointF(480, 400));
        QCOMPARE(nets(scheme()).size(), 1);
        QCOMPARE(clew(a->pin(1)), QList<Pin *>({b->pin(0)}));

        // A device pin on the middle of a net is not joined.
        action(73)->trigger();
        drawNet(QPointF(1200, 400), QPointF(1600, 400));
        action(30)->trigger();
        TestDevice *c = device(scheme(), QPointF(1200, 800));
        drag(QPointF(1240, 802), QPointF(1440, 402));
        QCOMPARE(c->pos(), QPointF(1400, 400));
        QVERIFY(c->pin(0)->isFree() && c->pin(1)->isFree());
        QCOMPARE(itemsOf<GraphicsNode>(scheme()).size(), 0);
        QCOMPARE(recorder.count(), 0);
    }

    // A click on an item whose free pin lies on a net's free end joins
    // them where it stands: the sheet's file is due.
    void aClickThatJoinsPinsMakesTheSheetDue()
    {
        TestDevice *a = device(scheme(), QPointF(400, 400));
        GraphicsNet *wire = net(scheme(), QPointF(480, 400), QPointF(800, 400));
        view();
        scheme().setModified(false);
        click(QPointF(440, 402));
        QVERIFY(a->isSelected());
        QVERIFY(soldered(a->pin(1), wire->pin(0)));
        QVERIFY(scheme().isModified());
    }

    void copyAndPasteAGroup()
    {
        ModalRecorder recorder;
        TestDevice *a = device(scheme(), QPointF(400, 400));
        TestDevice *b = device(scheme(), QPointF(800, 400));
        TestDevice *c = device(scheme(), QPointF(600, 800));
        auto *passage = put(scheme(), new TestClamp(&scheme(), PassageType), QPointF(1600, 1600));
        view();
        action(73)->trigger();
        drawNet(QPointF(480, 400), QPointF(800, 400));
        drawNet(QPointF(600, 800), QPointF(600, 400));
        action(30)->trigger();
        const int before = scheme().graphicsItems().size();
        scheme().selectAllItems();
        passage->setSelected(false);
        const int copied = scheme().selectedGraphicsItems().size();
        QCOMPARE(copied, before - 1);
        m_view->copy();
        const QByteArray record = QGuiApplication::clipboard()->mimeData()->data("r-lay/scheme-edit");
        QCOMPARE(record.left(4), QByteArray::fromHex("0000000b"));
        QCOMPARE(record.right(4), QByteArray::fromHex("fffffff4"));

        hover(QPointF(800, 600));
        m_view->paste();
        QCOMPARE(scheme().graphicsItems().size(), before + copied);
        QCOMPARE(m_view->carriedItems().size(), copied);
        // Carried with the mouse, dropped by a click.
        hover(QPointF(800, 1400));
        QTest::qWait(60);
        click(QPointF(800, 1400));
        QVERIFY(m_view->carriedItems().isEmpty());
        const QList<TestDevice *> devices = itemsOf<TestDevice>(scheme());
        QCOMPARE(devices.size(), 6);
        TestDevice *pastedA = devices[3];
        const QPointF shift = pastedA->pos() - a->pos();
        QVERIFY(shift.y() > 0);
        QCOMPARE(devices[4]->pos(), b->pos() + shift);
        QCOMPARE(devices[5]->pos(), c->pos() + shift);
        // The copies are soldered among themselves, the originals as before.
        const QList<Pin *> pins = clew(pastedA->pin(1));
        QCOMPARE(pins.size(), 2);
        QVERIFY(pins.contains(devices[4]->pin(0)) && pins.contains(devices[5]->pin(0)));
        QCOMPARE(clew(a->pin(1)).size(), 2);
        QVERIFY(wellDrawn(scheme()));
        QVERIFY(scheme().notified.isEmpty());
        QCOMPARE(recorder.count(), 0);
    }

    void aDamagedSectionOnTheClipboardIsRefused()
    {
        ModalRecorder recorder;
        view();
        GraphicsNet *wire = net(scheme(), QPointF(400, 400), QPointF(800, 400));
        wire->setSection(3);
        scheme().clearSelection();
        wire->setSelected(true);
        m_view->copy();
        QByteArray record = QGuiApplication::clipboard()->mimeData()->data("r-lay/scheme-edit");
        // Format, count, type, two points, then the section byte.
        const int at = 4 + 4 + 4 + 16 + 16;
        QCOMPARE(int(record[at]), 3);
        record[at] = char(16);
        auto *mime = new QMimeData;
        mime->setData("r-lay/scheme-edit", record);
        QGuiApplication::clipboard()->setMimeData(mime);
        const int before = scheme().graphicsItems().size();
        m_view->paste();
        QCOMPARE(scheme().graphicsItems().size(), before);
        QCOMPARE(recorder.count(), 1);
        record[at] = char(15);
        mime = new QMimeData;
        mime->setData("r-lay/scheme-edit", record);
        QGuiApplication::clipboard()->setMimeData(mime);
        m_view->paste();
        QCOMPARE(scheme().graphicsItems().size(), before + 1);
        QCOMPARE(nets(scheme()).last()->section(), 15);
        QCOMPARE(recorder.count(), 1);
    }

    void placeFromTheToolbox()
    {
        ModalRecorder recorder;
        view();
        recorder.handle([](QDialog *d) {
            auto *plate = qobject_cast<DlgPropCopperPlate *>(d);
            QVERIFY(plate);
            plate->heightBox()->setValue(4);
            pressOk(d);
        });
        action(78)->trigger();
        const QList<GraphicsCopperPlate *> plates = itemsOf<GraphicsCopperPlate>(scheme());
        QCOMPARE(plates.size(), 1);
        QCOMPARE(plates.first()->graphicsHeight(), 4);
        QCOMPARE(m_view->carriedItems().size(), 1);
        hover(QPointF(1000, 1000));
        click(QPointF(1000, 1000));
        QVERIFY(m_view->carriedItems().isEmpty());
        QVERIFY(scheme().sceneRect().contains(plates.first()->pos()));

        recorder.handle(pressOk);
        action(77)->trigger();
        QCOMPARE(itemsOf<GraphicsSlantingNet>(scheme()).size(), 1);
        QCOMPARE(itemsOf<GraphicsSlantingNet>(scheme()).first()->pinCount(), 3);
        QCOMPARE(recorder.count(), 2);
    }

    void saveAndLoadTheScheme()
    {
        ModalRecorder recorder;
        const QString dir = m_dir.path() + "/project";
        QDir().mkpath(dir);
        QStringList drawn;
        {
            Project project(nullptr, nullptr);
            auto *group = new SchemeGroup(&project);
            group->setAtrNumber(3);
            project.schemes()->appendItem(group);
            auto *sheet = new Scheme(&project);
            sheet->setSheetFormat(GraphicsScene::PaperA3, true, 1);
            sheet->setName("supply");
            sheet->setNumber(1);
            group->appendItem(sheet);

            view(sheet);
            action(74)->trigger();
            click(QPointF(400, 400));
            action(73)->trigger();
            drawNet(QPointF(400, 400), QPointF(800, 400));
            drawNet(QPointF(400, 400), QPointF(400, 800));
            drawNet(QPointF(400, 400), QPointF(0, 400));
            action(76)->trigger();
            click(QPointF(400, 800));
            action(75)->trigger();
            click(QPointF(800, 400));
            action(73)->trigger();
            drawNet(QPointF(840, 440), QPointF(1200, 440));
            drawNet(QPointF(600, 400), QPointF(600, 200));
            recorder.handle(pressOk);
            action(78)->trigger();
            hover(QPointF(1600, 1000));
            click(QPointF(1600, 1000));
            drawn = topology(*sheet);
            QVERIFY(drawn.size() > 12);
            QVERIFY(wellDrawn(*sheet));
            m_view->setActive(false);
            m_view.reset();

            project.setFileName(dir + "/plant.rlay");
            QVERIFY(project.save());
        }
        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        QCOMPARE(loaded.schemes()->itemList().size(), 1);
        SchemeGroup *group = loaded.schemes()->itemList().first();
        QCOMPARE(group->itemList().size(), 1);
        Scheme *sheet = group->itemList().first();
        QCOMPARE(topology(*sheet), drawn);
        QVERIFY(wellDrawn(*sheet));
        QCOMPARE(recorder.count(), 1);
    }

    void theWindowShowsTheCursorAndDrawsNets()
    {
        ModalRecorder recorder;
        // The window builds the fonts itself, and drops them when it goes.
        deleteFonts();
        struct FontsAfterwards
        {
            ~FontsAfterwards() { createScreenFonts(); }
        } fontsAfterwards;
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        recorder.handle(pressOk);
        w.action(0)->trigger();
        Project *project = w.project();
        QVERIFY(project);
        auto *group = new SchemeGroup(project);
        group->setAtrNumber(1);
        project->schemes()->appendItem(group);
        auto *sheet = new Scheme(project);
        sheet->setSheetFormat(GraphicsScene::PaperA3, true, 1);
        sheet->setNumber(1);
        group->appendItem(sheet);
        sheet->showInProject(nullptr);
        auto *tabs = qobject_cast<QTabWidget *>(w.centralWidget());
        auto *edit = qobject_cast<SchemeEdit *>(tabs->currentWidget());
        QVERIFY(edit);
        edit->centerOn(1000, 1000);
        const QPoint pos = edit->mapFromScene(QPointF(1234, 567));
        moveMouse(edit->viewport(), pos);
        QLabel *label = w.statusBar()->findChildren<QLabel *>().value(0);
        QVERIFY(label);
        QCOMPARE(label->text(), QString(" X: 124.00, Y: 56.00 "));

        w.action(73)->trigger();
        QCOMPARE(edit->editMode(), 73);
        QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, edit->mapFromScene(QPointF(800, 800)));
        moveMouse(edit->viewport(), edit->mapFromScene(QPointF(1200, 810)));
        QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, edit->mapFromScene(QPointF(1200, 800)));
        QCOMPARE(nets(*sheet).size(), 1);
        QCOMPARE(nets(*sheet).first()->length(), 400.0);
        QCOMPARE(recorder.count(), 1);
        project->setModified(false);
    }
};

QTEST_MAIN(TestSchemeEdit)
#include "tst_schemeedit.moc"
