#include "app/actionsmanager.h"
#include "equipment/equipmentschemeedit.h"
#include "equipment/frameedit.h"
#include "equipment/wiringedit.h"
#include "graphics/dlgpropgraphicsitem.h"
#include "graphics/font.h"
#include "graphics/graphicsedit.h"
#include "graphics/graphicspixmap.h"
#include "graphics/graphicstext.h"
#include "graphics/graphicspins.h"
#include "graphics/graphicsscene.h"
#include "model/datastream.h"
#include "model/project.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "support/modalrecorder.h"
#include "support/streambytes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <memory>

namespace {

const int testType = QGraphicsItem::UserType + 50;
const int pinnedType = QGraphicsItem::UserType + 150;
const int textType = QGraphicsItem::UserType + 6;
const int lineType = QGraphicsItem::UserType + 16;
const int rectType = QGraphicsItem::UserType + 27;
const char testFormat[] = "r-lay/test-edit";
const QString refused = "The clipboard holds data this program cannot paste. Nothing was pasted.";

// A small item with two fields of its own; its flag word and type are
// chosen by the test.
class TestItem : public GraphicsItem
{
public:
    TestItem(GraphicsScene *scene, int flags = 7, int type = testType)
        : GraphicsItem(scene, nullptr, flags)
        , m_type(type)
    {
        setFlag(ItemIsSelectable, true);
        setFlag(ItemIsMovable, true);
    }

    int type() const override { return m_type; }
    QRectF boundingRect() const override { return QRectF(-20, -10, 40, 20); }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool) override
    {
        painter->setPen(QPen(Qt::red, 4));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(-18, -8, 36, 16));
    }
    void saveData(DataStream &stream) override { stream << text << value; }
    void loadData(DataStream &stream) override { stream >> text >> value; }
    void transformChanged() override
    {
        ++transformChanges;
        GraphicsItem::transformChanged();
    }

    QString text;
    qint32 value = 0;
    int transformChanges = 0;

private:
    int m_type;
};

// A pinned item with two pins 40 apart.
class TestPinned : public GraphicsPins
{
public:
    explicit TestPinned(GraphicsScene *scene)
        : GraphicsPins(scene, nullptr, 7)
    {
        createPins(2);
    }

    void createPins(int count) override
    {
        allocatePins<Pin>(count);
        for (int i = 0; i < count; ++i) {
            pin(i)->setRect(-5, -5, 10, 10);
            pin(i)->moveCenter(QPointF(40 * i, 0));
        }
    }
    int type() const override { return pinnedType; }
    QRectF boundingRect() const override { return QRectF(-10, -10, 60, 20); }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool) override { drawPins(painter, false); }
    void collectNetPins(Pin *entry, QList<Pin *> &pins) override { pins.append(entry); }
    void collectNet(Pin *entry, QList<Pin *> &pins, QList<GraphicsUnite *> *, int) override { pins.append(entry); }
    void updateNetLinks(Pin *, QList<Pin *> &) override {}
};

// The property dialog of the test items: writes a fixed text on OK.
class TestDialog : public DlgPropGraphicsItem
{
    Q_OBJECT

public:
    using DlgPropGraphicsItem::DlgPropGraphicsItem;
    void loadFromItem(GraphicsItem *) override { ++loads; }
    void saveToItem(GraphicsItem *item) override
    {
        if (auto *test = dynamic_cast<TestItem *>(item))
            test->text = QStringLiteral("from dialog");
    }
    int loads = 0;
};

// A landscape A3 sheet with a grid of 10 that creates the test items, the
// drawn primitives as test items, and the text item's dialog.
class TestScene : public GraphicsScene
{
public:
    explicit TestScene(Project *project)
        : GraphicsScene(project)
    {
        setSheetFormat(PaperA3, true, 1);
        setGridStep(10);
    }

    int groupNumber() const override { return 0; }
    GraphicsItem *createItem(int type) override
    {
        if (type == testType || type == textType || type == lineType || type == rectType)
            return new TestItem(this, type == testType ? 7 : 8, type);
        if (type == pinnedType)
            return new TestPinned(this);
        return GraphicsScene::createItem(type);
    }
    DlgPropGraphicsItem *createDialog(int type) override
    {
        if (type == textType || type == testType)
            return new TestDialog(this);
        return GraphicsScene::createDialog(type);
    }
    void solderPin(Pin *pin, const QRectF &, GraphicsPins *) override { soldered << pin; }

    QList<Pin *> soldered;
};

// The shared action list, built from the action table.
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

TestItem *place(GraphicsScene &scene, const QPointF &pos, int flags = 7, const QString &text = QString(),
                qint32 value = 0)
{
    auto *item = new TestItem(&scene, flags);
    item->text = text;
    item->value = value;
    scene.addGraphicsItem(item);
    item->setPosQuiet(pos);
    return item;
}

void selectOnly(GraphicsScene &scene, const QList<GraphicsItem *> &items)
{
    scene.clearSelection();
    for (GraphicsItem *item : items)
        item->setSelected(true);
}

QByteArray clipboardBytes(const char *format)
{
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    return mime ? mime->data(QString::fromLatin1(format)) : QByteArray();
}

void putOnClipboard(const char *format, const QByteArray &bytes)
{
    auto *mime = new QMimeData;
    mime->setData(QString::fromLatin1(format), bytes);
    QGuiApplication::clipboard()->setMimeData(mime);
}

QPoint viewPoint(GraphicsEdit &view, const QPointF &scenePoint)
{
    return view.mapFromScene(scenePoint);
}

void sendWheel(GraphicsEdit &view, int delta)
{
    const QPointF pos(view.viewport()->width() / 2, view.viewport()->height() / 2);
    QWheelEvent event(pos, view.viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &event);
}

// A mouse move sent straight to the widget (the test library's own moves
// without buttons go through the cursor position).
void moveMouse(QWidget *widget, const QPoint &pos, Qt::MouseButtons buttons = Qt::NoButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(widget->mapToGlobal(pos)), Qt::NoButton, buttons,
                      modifiers);
    QApplication::sendEvent(widget, &event);
}

QStringList menuLayout(QMenu &menu)
{
    QStringList out;
    for (QAction *a : menu.actions())
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

const double oneToOne = 0.37795275590551186;

// Lets a test paint the view's background.
class ShadowView : public GraphicsEdit
{
public:
    using GraphicsEdit::GraphicsEdit;
    using GraphicsEdit::drawBackground;
};

} // namespace

class TestGraphicsEdit : public QObject
{
    Q_OBJECT

    std::unique_ptr<Actions> m_actions;
    std::unique_ptr<Project> m_project;
    std::unique_ptr<TestScene> m_scene;
    std::unique_ptr<GraphicsEdit> m_view;

    // A shown view of an A3 sheet, active, at 1:1, centred on (500, 500).
    GraphicsEdit &view()
    {
        m_view.reset(new GraphicsEdit(&m_actions->list, testFormat));
        m_view->setScene(m_scene.get());
        m_view->resize(800, 600);
        m_view->show();
        if (!QTest::qWaitForWindowExposed(m_view.get()))
            qWarning("view not exposed");
        m_view->setActive(true);
        m_view->centerOn(500, 500);
        return *m_view;
    }

    QAction *action(int id) { return m_actions->list.at(id); }

private slots:
    void initTestCase() { createScreenFonts(); }
    void cleanupTestCase() { deleteFonts(); }

    void init()
    {
        QGuiApplication::clipboard()->clear();
        m_actions.reset(new Actions);
        m_project.reset(new Project(nullptr, nullptr));
        m_scene.reset(new TestScene(m_project.get()));
    }

    void cleanup()
    {
        if (m_view)
            m_view->setActive(false);
        m_view.reset();
        m_scene.reset();
        m_project.reset();
        m_actions.reset();
    }

    void constructionAndBindings()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        QCOMPARE(v.editMode(), -1);
        QCOMPARE(v.graphicsScene(), m_scene.get());
        QCOMPARE(QByteArray(v.mimeFormat()), QByteArray(testFormat));
        QVERIFY(v.carriedItems().isEmpty());
        QVERIFY(qAbs(v.zoomScale() - oneToOne) < 1e-12);
        QVERIFY(v.isInteractive());
        QVERIFY(v.hasMouseTracking());
        QCOMPARE(v.transformationAnchor(), QGraphicsView::AnchorUnderMouse);
        QVERIFY(v.renderHints().testFlag(QPainter::Antialiasing));
        QVERIFY(v.renderHints().testFlag(QPainter::TextAntialiasing));
        QVERIFY(v.renderHints().testFlag(QPainter::SmoothPixmapTransform));

        const QList<int> enabled = {112, 113, 114, 30, 31, 111, 115, 25, 26, 17, 7};
        const QList<int> disabled = {27, 13, 14, 15, 16, 18, 19, 20, 21, 23, 24};
        for (int id : enabled)
            QVERIFY2(action(id)->isEnabled(), qPrintable(QString::number(id)));
        for (int id : disabled)
            QVERIFY2(!action(id)->isEnabled(), qPrintable(QString::number(id)));
        for (int id : enabled + disabled)
            QVERIFY(!action(id)->isChecked());
        QCOMPARE(v.handlers().size(), enabled.size() + disabled.size());

        v.setActive(false);
        for (int id : enabled)
            QVERIFY(!action(id)->isEnabled());
        QCOMPARE(recorder.count(), 0);
    }

    void editModes()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        action(112)->trigger();
        QCOMPARE(v.editMode(), 112);
        QVERIFY(action(112)->isChecked());
        QCOMPARE(v.dragMode(), QGraphicsView::RubberBandDrag);

        action(31)->trigger();
        QCOMPARE(v.editMode(), 31);
        QVERIFY(!action(112)->isChecked());
        QVERIFY(action(31)->isChecked());
        QCOMPARE(v.dragMode(), QGraphicsView::ScrollHandDrag);
        QVERIFY(!v.isInteractive());

        // The same command again returns to selecting.
        action(31)->trigger();
        QCOMPARE(v.editMode(), 30);
        QVERIFY(action(30)->isChecked());
        QVERIFY(!action(31)->isChecked());
        QCOMPARE(v.dragMode(), QGraphicsView::RubberBandDrag);
        QVERIFY(v.isInteractive());
        action(30)->trigger();
        QCOMPARE(v.editMode(), 30);
        QVERIFY(action(30)->isChecked());

        // Escape in mode 30 does nothing; in a drawing mode it returns to 30.
        QTest::keyClick(&v, Qt::Key_Escape);
        QCOMPARE(v.editMode(), 30);
        action(113)->trigger();
        QCOMPARE(v.editMode(), 113);
        QTest::keyClick(&v, Qt::Key_Escape);
        QCOMPARE(v.editMode(), 30);
        QVERIFY(!action(113)->isChecked());
        QVERIFY(action(30)->isChecked());

        // The modes' check marks belong to the view while it is active.
        v.setActive(false);
        QVERIFY(!action(30)->isChecked());
        v.setActive(true);
        QVERIFY(action(30)->isChecked());
        QCOMPARE(recorder.count(), 0);
    }

    void zoomLimits()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        double last = v.zoomScale();
        for (int i = 0; i < 12; ++i) {
            QVERIFY(action(25)->isEnabled());
            action(25)->trigger();
            QVERIFY(v.zoomScale() > last * 1.19);
            last = v.zoomScale();
        }
        QVERIFY(qAbs(v.zoomScale() - oneToOne * std::pow(1.2, 12)) < 1e-9);
        QVERIFY(!action(25)->isEnabled());
        QVERIFY(action(26)->isEnabled());
        QVERIFY(action(27)->isEnabled());
        // One more step would pass ten times 1:1: nothing happens.
        v.zoomIn();
        QCOMPARE(v.zoomScale(), last);

        action(27)->trigger();
        QVERIFY(qAbs(v.zoomScale() - oneToOne) < 1e-12);
        QVERIFY(!action(27)->isEnabled());
        QVERIFY(action(25)->isEnabled());
        QVERIFY(action(26)->isEnabled());

        for (int i = 0; i < 12; ++i) {
            QVERIFY(action(26)->isEnabled());
            action(26)->trigger();
        }
        QVERIFY(qAbs(v.zoomScale() - oneToOne / std::pow(1.2, 12)) < 1e-9);
        QVERIFY(!action(26)->isEnabled());
        last = v.zoomScale();
        v.zoomOut();
        QCOMPARE(v.zoomScale(), last);
        v.zoom11();
        QVERIFY(qAbs(v.zoomScale() - oneToOne) < 1e-12);
        QCOMPARE(recorder.count(), 0);
    }

    void wheelAndKeysZoom()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        sendWheel(v, 120);
        QVERIFY(qAbs(v.zoomScale() - oneToOne * 1.2) < 1e-12);
        sendWheel(v, 240);
        QVERIFY(qAbs(v.zoomScale() - oneToOne * 1.44) < 1e-12);
        sendWheel(v, -120);
        QVERIFY(qAbs(v.zoomScale() - oneToOne * 1.2) < 1e-12);
        // A delta of 0 resets to 1:1.
        sendWheel(v, 0);
        QVERIFY(qAbs(v.zoomScale() - oneToOne) < 1e-12);

        QTest::keyClick(&v, Qt::Key_Equal);
        QVERIFY(qAbs(v.zoomScale() - oneToOne * 1.2) < 1e-12);
        QTest::keyClick(&v, Qt::Key_Minus);
        QTest::keyClick(&v, Qt::Key_Minus);
        QVERIFY(qAbs(v.zoomScale() - oneToOne / 1.2) < 1e-12);
        QCOMPARE(recorder.count(), 0);
    }

    void pressOutsideTheSheetDoesNothing()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        v.setEditMode(30);
        // Small enough to leave room around the sheet.
        for (int i = 0; i < 10; ++i)
            v.zoomOut();
        TestItem *item = place(*m_scene, QPointF(500, 500));
        item->setSelected(true);
        const QPoint outside = viewPoint(v, QPointF(-200, -200));
        QVERIFY(v.viewport()->rect().contains(outside));
        QTest::mousePress(v.viewport(), Qt::LeftButton, {}, outside);
        moveMouse(v.viewport(), outside + QPoint(40, 40), Qt::LeftButton);
        QVERIFY(v.rubberBandRect().isNull());
        QTest::mouseRelease(v.viewport(), Qt::LeftButton, {}, outside + QPoint(40, 40));
        QVERIFY(item->isSelected());

        // Inside the sheet, a press on empty space clears the selection.
        const QPoint inside = viewPoint(v, QPointF(2000, 2000));
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, inside);
        QVERIFY(!item->isSelected());
        QCOMPARE(recorder.count(), 0);
    }

    void clickAndRubberBandUpdateTheCommands()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        v.setEditMode(30);
        TestItem *full = place(*m_scene, QPointF(400, 400), 7);
        TestItem *ground = place(*m_scene, QPointF(600, 400), 2);

        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, viewPoint(v, full->pos()));
        QVERIFY(full->isSelected());
        for (int id : {13, 14, 16, 18, 19, 20, 21, 23, 24})
            QVERIFY2(action(id)->isEnabled(), qPrintable(QString::number(id)));

        // A selection of one ground symbol enables only the horizontal mirror.
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, viewPoint(v, ground->pos()));
        QVERIFY(ground->isSelected());
        QVERIFY(!full->isSelected());
        QVERIFY(!action(18)->isEnabled());
        QVERIFY(!action(19)->isEnabled());
        QVERIFY(action(20)->isEnabled());
        QVERIFY(!action(21)->isEnabled());
        QVERIFY(action(24)->isEnabled());

        // A rubber band around both: the AND of their flags, no properties.
        const QPoint from = viewPoint(v, QPointF(340, 360));
        const QPoint to = viewPoint(v, QPointF(660, 440));
        QTest::mousePress(v.viewport(), Qt::LeftButton, {}, from);
        moveMouse(v.viewport(), (from + to) / 2, Qt::LeftButton);
        moveMouse(v.viewport(), to, Qt::LeftButton);
        QTest::mouseRelease(v.viewport(), Qt::LeftButton, {}, to);
        QVERIFY(full->isSelected());
        QVERIFY(ground->isSelected());
        QVERIFY(action(20)->isEnabled());
        QVERIFY(!action(18)->isEnabled());
        QVERIFY(!action(24)->isEnabled());
        QVERIFY(action(13)->isEnabled());

        // A right press on a selected item keeps the selection for the
        // context menu; on empty space it clears it.
        QTest::mouseClick(v.viewport(), Qt::RightButton, {}, viewPoint(v, full->pos()));
        QVERIFY(full->isSelected() && ground->isSelected());
        QTest::mouseClick(v.viewport(), Qt::RightButton, {}, viewPoint(v, QPointF(900, 900)));
        QVERIFY(!full->isSelected() && !ground->isSelected());
        full->setSelected(true);

        // A click on empty space disables them again.
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, viewPoint(v, QPointF(900, 900)));
        for (int id : {13, 14, 16, 18, 19, 20, 21, 23, 24})
            QVERIFY2(!action(id)->isEnabled(), qPrintable(QString::number(id)));

        // Select All takes every item of the sheet.
        QTest::keyClick(&v, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(full->isSelected() && ground->isSelected());
        QVERIFY(action(13)->isEnabled());
        QVERIFY(action(20)->isEnabled());
        QVERIFY(!action(21)->isEnabled());
        QCOMPARE(recorder.count(), 0);
    }

    void rotateMirrorAndDelete()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        TestItem *a = place(*m_scene, QPointF(100, 100));
        TestItem *b = place(*m_scene, QPointF(300, 200));
        TestItem *other = place(*m_scene, QPointF(800, 800));

        selectOnly(*m_scene, {a});
        v.rotateRight();
        QCOMPARE(a->rotationIndex(), 1);
        v.rotateRight();
        v.rotateLeft();
        QCOMPARE(a->rotationIndex(), 1);
        v.rotateLeft();
        QCOMPARE(a->rotationIndex(), 0);
        QVERIFY(!a->isMirrored());

        v.mirrorVertical();
        QVERIFY(a->isMirrored());
        QCOMPARE(a->rotationIndex(), 2);
        v.mirrorVertical();
        QVERIFY(!a->isMirrored());

        // Both origins are reflected about the middle of the extent
        // [80, 320]: 100 -> 300 and 300 -> 100.
        selectOnly(*m_scene, {a, b});
        v.mirrorHorozontal();
        QVERIFY(a->isMirrored() && b->isMirrored());
        QCOMPARE(a->pos(), QPointF(300, 100));
        QCOMPARE(b->pos(), QPointF(100, 200));
        QVERIFY(!other->isMirrored());
        QCOMPARE(other->rotationIndex(), 0);
        // A quarter-turned item is mirrored left and right on the screen too.
        selectOnly(*m_scene, {other});
        v.rotateRight();
        const QPointF below = other->mapToScene(QPointF(10, 0)) - other->scenePos();
        const QPointF aside = other->mapToScene(QPointF(0, 5)) - other->scenePos();
        v.mirrorHorozontal();
        QCOMPARE(other->mapToScene(QPointF(10, 0)) - other->scenePos(), QPointF(-below.x(), below.y()));
        QCOMPARE(other->mapToScene(QPointF(0, 5)) - other->scenePos(), QPointF(-aside.x(), aside.y()));
        v.mirrorVertical();
        QCOMPARE(other->mapToScene(QPointF(10, 0)) - other->scenePos(), QPointF(-below.x(), -below.y()));
        v.mirrorVertical();
        v.mirrorHorozontal();
        v.rotateLeft();
        QVERIFY(!other->isMirrored() && other->rotationIndex() == 0);

        // A child of a selected item turns with it, not once more.
        auto *child = new TestItem(m_scene.get());
        child->setParentItem(a);
        child->setPos(10, 0);
        selectOnly(*m_scene, {a});
        child->setSelected(true);
        v.rotateRight();
        QCOMPARE(child->rotationIndex(), 0);
        QCOMPARE(child->scenePos(), a->mapToScene(QPointF(10, 0)));

        // Delete removes the selection; the commands on it are disabled.
        selectOnly(*m_scene, {a, b});
        v.updateSelectionActions(m_scene->selectedGraphicsItems());
        QVERIFY(action(23)->isEnabled());
        QTest::keyClick(&v, Qt::Key_D, Qt::ControlModifier);
        QCOMPARE(m_scene->graphicsItems(), QList<GraphicsItem *>{other});
        QCOMPARE(m_scene->pendingDeletes().size(), 2);
        for (int id : {13, 14, 16, 18, 19, 20, 21, 23, 24})
            QVERIFY2(!action(id)->isEnabled(), qPrintable(QString::number(id)));
        QCOMPARE(recorder.count(), 0);
        QTRY_VERIFY(m_scene->pendingDeletes().isEmpty());
    }

    void deleteOrCutWithNothingSelected()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        TestItem *item = place(*m_scene, QPointF(100, 100));
        putOnClipboard(testFormat, "kept");
        m_scene->setModified(false);

        v.del();
        v.cut();
        QTest::keyClick(&v, Qt::Key_D, Qt::ControlModifier);
        QTest::keyClick(&v, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(&v, Qt::Key_C, Qt::ControlModifier);

        QCOMPARE(recorder.count(), 0);
        QCOMPARE(m_scene->graphicsItems(), QList<GraphicsItem *>{item});
        QVERIFY(m_scene->pendingDeletes().isEmpty());
        QVERIFY(!m_scene->isModified());
        QCOMPARE(clipboardBytes(testFormat), QByteArray("kept"));
    }

    void cutCopiesThenDeletes()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        TestItem *item = place(*m_scene, QPointF(100, 100), 7, "cut me", 3);
        selectOnly(*m_scene, {item});
        QTest::keyClick(&v, Qt::Key_X, Qt::ControlModifier);
        QVERIFY(m_scene->graphicsItems().isEmpty());
        QVERIFY(!clipboardBytes(testFormat).isEmpty());

        QTest::keyClick(&v, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_scene->graphicsItems().size(), 1);
        auto *pasted = dynamic_cast<TestItem *>(m_scene->graphicsItems().first());
        QVERIFY(pasted);
        QCOMPARE(pasted->text, QString("cut me"));
        QCOMPARE(pasted->value, 3);
        QCOMPARE(recorder.count(), 0);
    }

    void contextMenuOrder()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        QMenu menu;
        v.fillContextMenu(&menu);
        QCOMPARE(menuLayout(menu), QStringList({"Cut", "Copy", "Paste", "-", "Grab pixmap", "Left rotation",
                                                "Right rotation", "-", "Horozontal mirroring", "Vertical mirroring",
                                                "-", "Delete", "-", "Property...", "-", "Print..."}));
        QCOMPARE(menu.actions().at(0), action(13));
        QCOMPARE(menu.actions().at(15), action(7));

        // The menu runs at the event's position and is answered here.
        QString shown;
        QTimer::singleShot(0, [&] {
            if (QWidget *popup = QApplication::activePopupWidget()) {
                if (auto *open = qobject_cast<QMenu *>(popup))
                    shown = menuLayout(*open).join(QLatin1Char(','));
                popup->close();
            }
        });
        const QPoint at = viewPoint(v, QPointF(500, 500));
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, v.viewport()->mapToGlobal(at));
        QApplication::sendEvent(v.viewport(), &event);
        QVERIFY(event.isAccepted());
        QCOMPARE(shown, menuLayout(menu).join(QLatin1Char(',')));

        // An inactive view offers no menu of the shared actions.
        v.setActive(false);
        QMenu none;
        v.fillContextMenu(&none);
        QVERIFY(none.isEmpty());
        QCOMPARE(recorder.count(), 0);
    }

    void copyThenPasteBetweenTwoSheets()
    {
        ModalRecorder recorder;
        TestScene second(m_project.get());
        SchemeEdit from(&m_actions->list);
        from.setScene(m_scene.get());
        SchemeEdit to(&m_actions->list);
        to.setScene(&second);
        to.resize(800, 600);
        to.show();
        QVERIFY(QTest::qWaitForWindowExposed(&to));
        to.centerOn(500, 500);

        TestItem *relay = place(*m_scene, QPointF(300, 400), 7, "K1", 7);
        relay->setTransform(GraphicsItem::matrixOf(1, false));
        place(*m_scene, QPointF(900, 900), 7, "left behind", 1);
        selectOnly(*m_scene, {relay});
        from.copy();

        // The record: format index, the items with type and data, their
        // geometry, end mark.
        const QByteArray expected = bytesOf([](DataStream &out) {
            out << qint32(11) << qint32(1) << qint32(testType) << QString("K1") << qint32(7);
            out << QPointF(300, 400) << true << quint8(1) << false;
            out << qint32(-12);
        });
        const QByteArray record = clipboardBytes("r-lay/scheme-edit");
        QCOMPARE(record, expected);
        QCOMPARE(record.left(4), QByteArray::fromHex("0000000b"));
        QCOMPARE(record.right(4), QByteArray::fromHex("fffffff4"));
        QVERIFY(QGuiApplication::clipboard()->mimeData()->formats() == QStringList{"r-lay/scheme-edit"});

        // The other sheet's view may paste it.
        to.setActive(true);
        QVERIFY(action(15)->isEnabled());
        second.setModified(false);
        action(15)->trigger();
        QCOMPARE(second.graphicsItems().size(), 1);
        auto *pasted = dynamic_cast<TestItem *>(second.graphicsItems().first());
        QVERIFY(pasted);
        QCOMPARE(pasted->type(), testType);
        QCOMPARE(pasted->text, QString("K1"));
        QCOMPARE(pasted->value, 7);
        QCOMPARE(pasted->rotationIndex(), 1);
        QCOMPARE(pasted->pos(), QPointF(300, 400));
        QVERIFY(pasted->isSelected());
        QVERIFY(second.isModified());
        QCOMPARE(to.carriedItems(), QList<GraphicsItem *>{pasted});
        QCOMPARE(to.editMode(), 30);
        // The copied sheet is untouched.
        QCOMPARE(m_scene->graphicsItems().size(), 2);

        // The pasted item follows the mouse: its centre under the grid
        // point nearest the cursor.
        moveMouse(to.viewport(), viewPoint(to, QPointF(613, 588)));
        QCOMPARE(pasted->pos(), QPointF(610, 590));
        QVERIFY(pasted->transformChanges > 0);
        // A click drops it.
        QTest::mouseClick(to.viewport(), Qt::LeftButton, {}, viewPoint(to, QPointF(613, 588)));
        QVERIFY(to.carriedItems().isEmpty());
        moveMouse(to.viewport(), viewPoint(to, QPointF(800, 700)));
        QCOMPARE(pasted->pos(), QPointF(610, 590));
        to.setActive(false);
        QCOMPARE(recorder.count(), 0);
    }

    void pastedPinsStaySolderedAmongThemselves()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        auto *a = new TestPinned(m_scene.get());
        auto *b = new TestPinned(m_scene.get());
        auto *c = new TestPinned(m_scene.get());
        for (TestPinned *item : {a, b, c})
            m_scene->addGraphicsItem(item);
        a->setPosQuiet(QPointF(100, 100));
        b->setPosQuiet(QPointF(140, 100));
        c->setPosQuiet(QPointF(180, 100));
        QVERIFY(a->pin(1)->solder(b->pin(0)));
        QVERIFY(b->pin(1)->solder(c->pin(0)));

        selectOnly(*m_scene, {a, b});
        v.copy();
        v.paste();
        QCOMPARE(m_scene->graphicsItems().size(), 5);
        auto *a2 = dynamic_cast<TestPinned *>(m_scene->graphicsItems().at(3));
        auto *b2 = dynamic_cast<TestPinned *>(m_scene->graphicsItems().at(4));
        QVERIFY(a2 && b2);
        QCOMPARE(a2->pin(1)->partner(), b2->pin(0));
        QCOMPARE(b2->pin(0)->partner(), a2->pin(1));
        // The partner that was not copied leaves the pin free, silently.
        QCOMPARE(b2->pin(1)->partner(), nullptr);
        QCOMPARE(a2->pin(0)->partner(), nullptr);
        // The originals keep their soldering.
        QCOMPARE(b->pin(1)->partner(), c->pin(0));
        QVERIFY(m_project->pinMap().isEmpty());
        QCOMPARE(recorder.count(), 0);
    }

    void damagedRecordsPasteNothing_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("boxes");
        const QByteArray whole = bytesOf([](DataStream &out) {
            out << qint32(11) << qint32(1) << qint32(testType) << QString("K1") << qint32(7);
            out << QPointF(300, 400) << false << qint32(-12);
        });
        QTest::newRow("whole") << whole << 0;
        QByteArray formatTen = whole;
        formatTen[3] = 10;
        QTest::newRow("leading index 10") << formatTen << 1;
        QByteArray endEleven = whole;
        endEleven[endEleven.size() - 1] = char(0xf5);
        QTest::newRow("end mark -11") << endEleven << 1;
        QTest::newRow("cut short") << whole.left(whole.size() - 9) << 1;
        QTest::newRow("only the index") << whole.left(4) << 1;
        QTest::newRow("empty") << QByteArray() << 1;
        // Framed as ours, but the item's text claims more bytes than follow.
        QTest::newRow("damaged inside") << bytesOf([](DataStream &out) {
            out << qint32(11) << qint32(1) << qint32(testType) << quint32(5000) << qint32(-12);
        }) << 1;
        // Framed as ours, but one item short of its count.
        QTest::newRow("count too big") << bytesOf([](DataStream &out) {
            out << qint32(11) << qint32(2) << qint32(testType) << QString("K1") << qint32(7);
            out << QPointF(300, 400) << false << qint32(-12);
        }) << 1;
        // Data left after the end mark.
        QTest::newRow("trailing data") << bytesOf([](DataStream &out) {
            out << qint32(11) << qint32(1) << qint32(testType) << QString("K1") << qint32(7);
            out << QPointF(300, 400) << false << qint32(-12) << qint32(-12);
        }) << 1;
    }

    void damagedRecordsPasteNothing()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, boxes);
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        TestItem *kept = place(*m_scene, QPointF(100, 100));
        kept->setSelected(true);
        m_scene->setModified(false);
        putOnClipboard(testFormat, record);

        v.paste();
        if (boxes == 0) {
            QCOMPARE(m_scene->graphicsItems().size(), 2);
            QCOMPARE(recorder.count(), 0);
            return;
        }
        QCOMPARE(recorder.texts(), QStringList(boxes, refused));
        QCOMPARE(recorder.shown[0].title, QString("Error"));
        QCOMPARE(m_scene->graphicsItems(), QList<GraphicsItem *>{kept});
        QVERIFY(!m_scene->isModified());
        QVERIFY(v.carriedItems().isEmpty());
        QVERIFY(m_project->pinMap().isEmpty());
        QTRY_VERIFY(m_scene->pendingDeletes().isEmpty());
        QCOMPARE(m_scene->items().size(), 1);
    }

    void unknownItemTypePastesNothingWithOneMessage()
    {
        ModalRecorder recorder;
        putOnClipboard(testFormat, bytesOf([](DataStream &out) { out << 11 << 1 << QGraphicsItem::UserType + 999 << -12; }));
        view().paste();
        QCOMPARE(recorder.texts(), QStringList({refused}));
        QVERIFY(m_scene->graphicsItems().isEmpty());
    }

    void carryingManyItemsWaitsForTheMoveTimer()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        place(*m_scene, QPointF(100, 100), 7, "a");
        place(*m_scene, QPointF(200, 100), 7, "b");
        place(*m_scene, QPointF(300, 120), 7, "c");
        v.selectAll();
        v.copy();
        v.paste();
        const QList<GraphicsItem *> carried = v.carriedItems();
        QCOMPARE(carried.size(), 3);
        // The pasted items lie over the originals: extent centre (200, 110).
        QCOMPARE(carried.at(0)->pos(), QPointF(100, 100));

        moveMouse(v.viewport(), viewPoint(v, QPointF(503, 497)));
        moveMouse(v.viewport(), viewPoint(v, QPointF(604, 597)));
        // Nothing moves until the mouse rests for 20 ms.
        QCOMPARE(carried.at(0)->pos(), QPointF(100, 100));
        QTRY_COMPARE(carried.at(0)->pos(), QPointF(500, 590));
        QCOMPARE(carried.at(1)->pos(), QPointF(600, 590));
        QCOMPARE(carried.at(2)->pos(), QPointF(700, 610));
        QCOMPARE(static_cast<TestItem *>(carried.at(0))->transformChanges, 1);

        // A press runs a pending move first, then drops the items.
        moveMouse(v.viewport(), viewPoint(v, QPointF(404, 397)));
        QTest::mousePress(v.viewport(), Qt::LeftButton, {}, viewPoint(v, QPointF(404, 397)));
        QCOMPARE(carried.at(0)->pos(), QPointF(300, 390));
        QVERIFY(v.carriedItems().isEmpty());
        QTest::mouseRelease(v.viewport(), Qt::LeftButton, {}, viewPoint(v, QPointF(404, 397)));
        QTest::qWait(40);
        QCOMPARE(carried.at(0)->pos(), QPointF(300, 390));
        QCOMPARE(recorder.count(), 0);
    }

    void movingAThousandCarriedItems()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        for (int i = 0; i < 1000; ++i)
            place(*m_scene, QPointF(100 + 10 * (i % 50), 100 + 10 * (i / 50)));
        v.selectAll();
        v.copy();
        QElapsedTimer timer;
        timer.start();
        v.paste();
        QCOMPARE(v.carriedItems().size(), 1000);
        for (int i = 1; i <= 20; ++i) {
            moveMouse(v.viewport(), viewPoint(v, QPointF(400 + 10 * i, 400)));
            v.realMovePos();
        }
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(recorder.count(), 0);
    }

    void drawingModes()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        action(112)->trigger();
        const QPoint press = viewPoint(v, QPointF(402, 397));
        QTest::mousePress(v.viewport(), Qt::LeftButton, {}, press);
        QCOMPARE(m_scene->graphicsItems().size(), 1);
        GraphicsItem *line = m_scene->graphicsItems().first();
        QCOMPARE(line->type(), lineType);
        QCOMPARE(v.carriedItems(), QList<GraphicsItem *>{line});
        QVERIFY(line->isSelected());
        QCOMPARE(line->pos(), QPointF(400, 400));
        QTest::mouseRelease(v.viewport(), Qt::LeftButton, {}, press);
        moveMouse(v.viewport(), viewPoint(v, QPointF(600, 400)));
        QCOMPARE(line->pos(), QPointF(400, 400));

        // The second press ends the primitive; the mode stays.
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, viewPoint(v, QPointF(600, 400)));
        QVERIFY(v.carriedItems().isEmpty());
        QCOMPARE(v.editMode(), 112);
        QCOMPARE(m_scene->graphicsItems().size(), 1);

        // The next press starts another; Ctrl places without snapping.
        action(114)->trigger();
        QTest::mousePress(v.viewport(), Qt::LeftButton, Qt::ControlModifier, press);
        QCOMPARE(m_scene->graphicsItems().size(), 2);
        GraphicsItem *rect = m_scene->graphicsItems().last();
        QCOMPARE(rect->type(), rectType);
        QVERIFY(!line->isSelected());
        QVERIFY(rect->pos() != QPointF(400, 400));
        QVERIFY((rect->pos() - v.mapToScene(press)).manhattanLength() < 1e-9);
        // A shape stretched after a save changes what the next save writes.
        action(113)->trigger();
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, press);
        m_scene->setModified(false);
        moveMouse(v.viewport(), viewPoint(v, QPointF(600, 500)));
        QVERIFY(m_scene->isModified());
        QCOMPARE(recorder.count(), 0);
    }

    void insertThroughTheDialog()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        v.setEditMode(113);
        // Cancel inserts nothing.
        recorder.reject();
        action(111)->trigger();
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.shown[0].className, QString("TestDialog"));
        QVERIFY(m_scene->graphicsItems().isEmpty());
        QCOMPARE(v.editMode(), 113);

        TestItem *old = place(*m_scene, QPointF(100, 100));
        old->setSelected(true);
        recorder.answer([](QDialog *) { return int(QDialog::Accepted); });
        // Far from the sheet's origin, the new item still shows up in view.
        v.centerOn(m_scene->sceneRect().center());
        action(111)->trigger();
        QCOMPARE(m_scene->graphicsItems().size(), 2);
        auto *text = dynamic_cast<TestItem *>(m_scene->graphicsItems().last());
        QVERIFY(text);
        QVERIFY(v.mapToScene(v.viewport()->rect()).boundingRect().contains(text->sceneBoundingRect().center()));
        QCOMPARE(text->type(), textType);
        QCOMPARE(text->text, QString("from dialog"));
        QVERIFY(text->isSelected());
        QVERIFY(!old->isSelected());
        QCOMPARE(v.carriedItems(), QList<GraphicsItem *>{text});
        QCOMPARE(v.editMode(), 30);
        // A text is placed freely: its centre comes under the mouse exactly,
        // and a save made before the move does not keep the sheet unchanged.
        m_scene->setModified(false);
        const QPoint target = viewPoint(v, QPointF(700, 700));
        moveMouse(v.viewport(), target);
        QCOMPARE(text->pos(), v.mapToScene(target));
        QVERIFY(m_scene->isModified());

        // The picture command offers the sheet's picture dialog; cancelled,
        // it inserts nothing.
        recorder.clear();
        const int before = m_scene->graphicsItems().size();
        action(115)->trigger();
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.shown[0].className, QString("DlgPropPixmap"));
        QCOMPARE(m_scene->graphicsItems().size(), before);
    }

    void propertyOfTheSelectedItem()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        TestItem *item = place(*m_scene, QPointF(100, 100));
        selectOnly(*m_scene, {item});
        recorder.answer([](QDialog *) { return int(QDialog::Accepted); });
        v.property();
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.shown[0].className, QString("TestDialog"));
        QCOMPARE(item->text, QString("from dialog"));

        // Property with two selected, or Grab pixmap left enabled by a
        // selection that changed behind the view (a page rebuilt): no error,
        // and the commands follow the selection.
        TestItem *second = place(*m_scene, QPointF(300, 100));
        second->setSelected(true);
        v.updateSelectionActions(m_scene->selectedGraphicsItems());
        recorder.clear();
        v.property();
        m_scene->clearSelectionFast();
        action(16)->trigger();
        QCOMPARE(recorder.count(), 0);
        QVERIFY(!action(24)->isEnabled() && !action(16)->isEnabled());
    }

    void middleButtonPans()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        v.setEditMode(30);
        v.zoom(1);
        v.zoom(1);
        const int before = v.horizontalScrollBar()->value();
        const QPoint start = viewPoint(v, QPointF(500, 500));
        QTest::mousePress(v.viewport(), Qt::MiddleButton, {}, start);
        QCOMPARE(v.editMode(), 31);
        QCOMPARE(v.dragMode(), QGraphicsView::ScrollHandDrag);
        QMouseEvent move(QEvent::MouseMove, start - QPoint(60, 0), v.viewport()->mapToGlobal(start - QPoint(60, 0)),
                         Qt::NoButton, Qt::MiddleButton, Qt::NoModifier);
        QApplication::sendEvent(v.viewport(), &move);
        QCOMPARE(v.horizontalScrollBar()->value(), before + 60);
        QTest::mouseRelease(v.viewport(), Qt::MiddleButton, {}, start - QPoint(60, 0));
        QCOMPARE(v.editMode(), 30);
        QCOMPARE(v.dragMode(), QGraphicsView::RubberBandDrag);
        QVERIFY(v.isInteractive());
        QCOMPARE(recorder.count(), 0);
    }

    void clipboardContentEnablesPaste()
    {
        ModalRecorder recorder;
        view();
        QVERIFY(!action(15)->isEnabled());
        putOnClipboard("r-lay/other", "x");
        QVERIFY(!action(15)->isEnabled());
        putOnClipboard(testFormat, "x");
        QVERIFY(action(15)->isEnabled());
        QGuiApplication::clipboard()->clear();
        QVERIFY(!action(15)->isEnabled());
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QGuiApplication::clipboard()->setImage(image);
        QVERIFY(action(15)->isEnabled());
        // Another view's format is not this view's.
        auto *mime = new QMimeData;
        mime->setData("r-lay/scheme-edit", "x");
        QGuiApplication::clipboard()->setMimeData(mime);
        QVERIFY(!action(15)->isEnabled());
        QCOMPARE(recorder.count(), 0);
    }

    void grabThePictureOfTheSelection()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        TestItem *a = place(*m_scene, QPointF(100, 100));
        TestItem *b = place(*m_scene, QPointF(200, 150));
        selectOnly(*m_scene, {a, b});
        v.grabPixmap();
        const QImage image = QGuiApplication::clipboard()->image();
        // The union of (80, 90, 40, 20) and (180, 140, 40, 20).
        QCOMPARE(image.size(), QSize(140, 70));
        QCOMPARE(QColor(image.pixel(70, 35)), QColor(Qt::white));
        // a's frame: x from -18 to 18 around 100, so 2 pixels in.
        QCOMPARE(QColor(image.pixel(2, 10)), QColor(Qt::red));
        QCOMPARE(QColor(image.pixel(137, 60)), QColor(Qt::red));
        // A child that cannot be selected (a bottom's clamp) is in its parent's picture.
        auto *child = new TestItem(m_scene.get());
        child->setFlag(QGraphicsItem::ItemIsSelectable, false);
        child->setParentItem(a);
        child->setPos(100, 0);
        v.grabPixmap();
        QCOMPARE(QColor(QGuiApplication::clipboard()->image().pixel(102, 10)), QColor(Qt::red));
        delete child;
        selectOnly(*m_scene, {a, b});

        // A selection as wide as a sheet of many papers: a picture of at
        // most so many pixels, in proportion.
        TestItem *far = place(*m_scene, QPointF(12100, 6100));
        selectOnly(*m_scene, {a, far});
        v.grabPixmap();
        const QSize big = QGuiApplication::clipboard()->image().size();
        QVERIFY(big.width() * double(big.height()) <= GraphicsEdit::maxGrabPixels);
        QCOMPARE(qRound(10.0 * big.width() / big.height()), 20); // 12040 by 6030
        // A picture larger than the toolkit decodes by default (128 MB) is
        // drawn again from its stored bytes once its decoded image went.
        QImage large(6000, 6000, QImage::Format_RGB32);
        large.fill(Qt::white);
        GraphicsPixmap picture(m_scene.get(), nullptr);
        picture.setPixmap(QPixmap::fromImage(large));
        large = QImage();
        dropCachedPixmaps({&picture});
        QCOMPARE(picture.pixmap().size(), QSize(6000, 6000));

        // Nothing selected, or a text with nothing written: no picture and
        // no message.
        m_scene->clearSelection();
        v.grabPixmap();
        auto *empty = new GraphicsText(m_scene.get(), nullptr);
        QVERIFY(m_scene->addGraphicsItem(empty));
        selectOnly(*m_scene, {static_cast<GraphicsItem *>(empty)});
        v.grabPixmap();
        QCOMPARE(recorder.count(), 0);
    }

    void closingReportsNoPosition()
    {
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        QSignalSpy spy(&v, &GraphicsEdit::cursorPosChanged);
        QVERIFY(v.close());
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toPointF(), QPointF());
    }

    void theSheetIsFramedAndShadowed()
    {
        ModalRecorder recorder;
        ShadowView v(&m_actions->list, testFormat);
        v.setScene(m_scene.get());
        m_scene->setGridStep(0);
        const QRectF sheet = m_scene->sceneRect();
        // The bottom-right corner of the sheet, 4 pixels per unit.
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(4, 4);
        painter.translate(-(sheet.right() - 25), -(sheet.bottom() - 25));
        const QRectF exposed(sheet.right() - 25, sheet.bottom() - 25, 50, 50);
        v.drawBackground(&painter, exposed);
        painter.end();
        const auto at = [&](double x, double y) {
            return QColor(image.pixel(int((x - sheet.right() + 25) * 4), int((y - sheet.bottom() + 25) * 4)));
        };
        // Shadows 5 units wide along the right and bottom edges.
        QCOMPARE(at(sheet.right() + 2.5, sheet.bottom() - 10), QColor(Qt::darkGray));
        QCOMPARE(at(sheet.right() - 10, sheet.bottom() + 2.5), QColor(Qt::darkGray));
        QCOMPARE(at(sheet.right() + 2.5, sheet.bottom() + 2.5), QColor(Qt::darkGray));
        QCOMPARE(at(sheet.right() + 7.5, sheet.bottom() - 10), QColor(Qt::white));
        QCOMPARE(at(sheet.right() - 10, sheet.bottom() + 7.5), QColor(Qt::white));
        QCOMPARE(at(sheet.right() - 10, sheet.bottom() - 10), QColor(Qt::white));

        // The right shadow starts 5 units below the top edge.
        QImage top(200, 200, QImage::Format_RGB32);
        top.fill(Qt::white);
        QPainter topPainter(&top);
        topPainter.scale(4, 4);
        topPainter.translate(-(sheet.right() - 25), -(sheet.top() - 25));
        v.drawBackground(&topPainter, QRectF(sheet.right() - 25, sheet.top() - 25, 50, 50));
        topPainter.end();
        QCOMPARE(QColor(top.pixel(int(27.5 * 4), int(27 * 4))), QColor(Qt::white));
        QCOMPARE(QColor(top.pixel(int(27.5 * 4), int(31 * 4))), QColor(Qt::darkGray));
        QCOMPARE(recorder.count(), 0);
    }

    void screenshotOfAViewWithItems()
    {
        // Renders a view with items as the user sees it; set RLAY_SHOT to a
        // file name to keep the picture.
        ModalRecorder recorder;
        GraphicsEdit &v = view();
        m_scene->setGridStep(0);
        for (int i = 0; i < 4; ++i)
            v.zoomOut();
        TestItem *a = place(*m_scene, QPointF(3000, 1000), 7, "a");
        TestItem *b = place(*m_scene, QPointF(3200, 1100), 7, "b");
        a->setTransform(QTransform().scale(8, 8));
        b->setTransform(QTransform().scale(8, 8));
        b->setSelected(true);
        const QImage shot = v.viewport()->grab().toImage();
        if (!qEnvironmentVariableIsEmpty("RLAY_SHOT"))
            shot.save(qEnvironmentVariable("RLAY_SHOT"));
        const QColor atItem(shot.pixel(v.mapFromScene(QPointF(3000, 1000 - 64))));
        QVERIFY2(atItem.red() > 150 && atItem.green() < 150, qPrintable(atItem.name()));
        QCOMPARE(recorder.count(), 0);
    }

    void viewsOfTheDocuments()
    {
        ModalRecorder recorder;
        SchemeEdit scheme(&m_actions->list);
        FrameEdit frame(&m_actions->list);
        EquipmentSchemeEdit equipment(&m_actions->list);
        WiringEdit wiring(&m_actions->list);
        QCOMPARE(QByteArray(scheme.mimeFormat()), QByteArray("r-lay/scheme-edit"));
        QCOMPARE(QByteArray(frame.mimeFormat()), QByteArray("r-lay/frame-edit"));
        QCOMPARE(QByteArray(equipment.mimeFormat()), QByteArray("r-lay/equipment-scheme-edit"));
        QCOMPARE(QByteArray(wiring.mimeFormat()), QByteArray(""));

        QCOMPARE(scheme.itemTypeForMode(77), QGraphicsItem::UserType + 112);
        QCOMPARE(scheme.itemTypeForMode(79), QGraphicsItem::UserType + 302);
        QCOMPARE(scheme.itemTypeForMode(97), QGraphicsItem::UserType + 412);
        QCOMPARE(scheme.itemTypeForMode(104), QGraphicsItem::UserType + 424);
        QCOMPARE(scheme.itemTypeForMode(105), QGraphicsItem::UserType + 425);
        QCOMPARE(scheme.itemTypeForMode(106), QGraphicsItem::UserType + 414);
        QCOMPARE(scheme.itemTypeForMode(110), -1);
        QCOMPARE(scheme.itemTypeForMode(111), textType);
        QCOMPARE(scheme.itemTypeForMode(115), QGraphicsItem::UserType + 7);
        QCOMPARE(frame.itemTypeForMode(116), QGraphicsItem::UserType + 102);
        QCOMPARE(frame.itemTypeForMode(117), QGraphicsItem::UserType + 103);
        QCOMPARE(frame.itemTypeForMode(111), textType);
        QCOMPARE(equipment.itemTypeForMode(111), -1);
        QCOMPARE(equipment.itemTypeForMode(115), -1);
        equipment.setActive(true);
        for (int id : {int(GraphicsEdit::ModeLine), int(GraphicsEdit::ModeEllipse), int(GraphicsEdit::ModeRect), 111, 115})
            QVERIFY(!m_actions->list[id]->isEnabled());
        equipment.setActive(false);
        QCOMPARE(wiring.itemTypeForMode(115), QGraphicsItem::UserType + 7);

        // With no scheme kind built into the registry its commands are off.
        Scheme::registerItemTypes();
        int count = 0;
        const SchemeItemType *rows = Scheme::itemTypes(count);
        for (int i = 0; i < count; ++i)
            QVERIFY(Scheme::setItemTypeFactories(rows[i].typeId, nullptr, nullptr));
        SchemeEdit bare(&m_actions->list);
        bare.setActive(true);
        for (int id = 73; id <= 110; ++id) {
            QVERIFY2(!action(id)->isEnabled(), qPrintable(QString::number(id)));
            QVERIFY(!action(id)->isChecked());
        }
        bare.setActive(false);

        // With the kinds' factories the commands are on.
        const auto item = [](GraphicsScene *sheet) -> GraphicsItem * { return new TestItem(sheet, 0); };
        const auto dialog = [](GraphicsScene *sheet) -> DlgPropGraphicsItem * { return new TestDialog(sheet); };
        for (int i = 0; i < count; ++i)
            QVERIFY(Scheme::setItemTypeFactories(rows[i].typeId, item, dialog));
        SchemeEdit built(&m_actions->list);
        built.setActive(true);
        for (int id = 73; id <= 109; ++id) {
            QVERIFY2(action(id)->isEnabled(), qPrintable(QString::number(id)));
            QVERIFY(!action(id)->isChecked());
        }
        QVERIFY(!action(110)->isEnabled());
        QVERIFY(!action(116)->isEnabled());
        // A connection drawing command is a mode.
        action(74)->trigger();
        QCOMPARE(built.editMode(), 74);
        QVERIFY(action(74)->isChecked());
        action(74)->trigger();
        QCOMPARE(built.editMode(), 30);
        built.setActive(false);
        Scheme::registerItemTypes();

        frame.setActive(true);
        QVERIFY(action(116)->isEnabled());
        QVERIFY(action(117)->isEnabled());
        QVERIFY(!action(73)->isEnabled());
        frame.setActive(false);
        QCOMPARE(recorder.count(), 0);
    }

    void frameViewCopiesOnlyDrawing()
    {
        ModalRecorder recorder;
        FrameEdit frame(&m_actions->list);
        frame.setScene(m_scene.get());
        TestItem *device = place(*m_scene, QPointF(100, 100));
        auto *text = new TestItem(m_scene.get(), 8, textType);
        m_scene->addGraphicsItem(text);
        selectOnly(*m_scene, {device, text});
        frame.copy();
        const QByteArray record = clipboardBytes("r-lay/frame-edit");
        QVERIFY(!record.isEmpty());
        QCOMPARE(record.mid(4, 8), bytesOf([](DataStream &out) { out << qint32(1) << qint32(textType); }));

        // Nothing but a place or a device selected: the clipboard stays.
        selectOnly(*m_scene, {device});
        frame.copy();
        QCOMPARE(clipboardBytes("r-lay/frame-edit"), record);
        QCOMPARE(recorder.count(), 0);
        frame.paste();
        QCOMPARE(m_scene->graphicsItems().size(), 3);
        // Cut leaves what a paste cannot bring back.
        selectOnly(*m_scene, {device, text});
        frame.cut();
        QVERIFY(m_scene->graphicsItems().size() == 2 && m_scene->graphicsItems().contains(device));
    }

    void wiringViewCopiesUnderTheEmptyFormat()
    {
        ModalRecorder recorder;
        WiringEdit wiring(&m_actions->list);
        wiring.setScene(m_scene.get());
        TestItem *item = place(*m_scene, QPointF(100, 100), 7, "w");
        selectOnly(*m_scene, {item});
        wiring.cut();
        QVERIFY(m_scene->graphicsItems().isEmpty());
        wiring.paste();
        QCOMPARE(m_scene->graphicsItems().size(), 1);
        QCOMPARE(static_cast<TestItem *>(m_scene->graphicsItems().first())->text, QString("w"));
        QCOMPARE(recorder.count(), 0);
    }

    void schemeViewReportsTheCursorAndJoinsPins()
    {
        ModalRecorder recorder;
        SchemeEdit scheme(&m_actions->list);
        scheme.setScene(m_scene.get());
        scheme.resize(800, 600);
        scheme.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scheme));
        scheme.centerOn(500, 500);
        scheme.setEditMode(30);
        QSignalSpy spy(&scheme, &GraphicsEdit::cursorPosChanged);
        moveMouse(scheme.viewport(), scheme.mapFromScene(QPointF(1234, 567)));
        QVERIFY(!spy.isEmpty());
        QCOMPARE(spy.last().at(0).toPointF(), QPointF(123, 57));

        auto *pinned = new TestPinned(m_scene.get());
        m_scene->addGraphicsItem(pinned);
        pinned->setPosQuiet(QPointF(500, 500));
        const QPoint on = scheme.mapFromScene(QPointF(520, 500));
        // Moved with Alt alone: nothing is joined.
        QTest::mousePress(scheme.viewport(), Qt::LeftButton, Qt::AltModifier, on);
        QTest::mouseRelease(scheme.viewport(), Qt::LeftButton, Qt::AltModifier, on);
        QVERIFY(pinned->isSelected());
        QVERIFY(m_scene->soldered.isEmpty());
        QTest::mouseClick(scheme.viewport(), Qt::LeftButton, {}, on);
        QCOMPARE(m_scene->soldered.size(), 2);
        QCOMPARE(recorder.count(), 0);
    }
};

QTEST_MAIN(TestGraphicsEdit)
#include "tst_graphicsedit.moc"
