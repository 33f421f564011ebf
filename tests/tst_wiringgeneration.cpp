#include "app/dlgexplorersources.h"
#include "app/mainwindow.h"
#include "devices/graphicscommand.h"
#include "devices/module.h"
#include "equipment/equipmentmenager.h"
#include "equipment/frame.h"
#include "equipment/specificationmanagercable.h"
#include "equipment/wiringlayout.h"
#include "graphics/graphicstext.h"
#include "graphics/sceneitem.h"
#include "model/datastream.h"
#include "equipment/framelayout.h"
#include "equipment/graphicsframepanel.h"
#include "equipment/graphicsframepart.h"
#include "equipment/graphicsplaceitemdevice.h"
#include "equipment/place.h"
#include "graphics/rlineedit.h"
#include "graphics/rtreewidget.h"
#include "model/device.h"
#include "model/project.h"
#include "schemes/graphicssource.h"
#include "schemes/scheme.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QGraphicsView>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include "support/filesbelow.h"

#include <QtTest>

#include <functional>

using namespace boundtest;

namespace {

const int dcFrameType = 11;  // "SRKM-75-6+LP Varnel ": module panels; DC pages for its modules
const int clampFrameType = 13; // "PR X": its body is a clamp part that takes one-row panels
const int relayPanelType = 11; // "Panel NMSH": relays
const int TS = 0, TU = 1, TV = 2;

QList<GraphicsItem *> drawings(GraphicsScene *page)
{
    QList<GraphicsItem *> list;
    for (GraphicsItem *item : page->graphicsItems())
        if (WiringLayout::isUserItemType(item->type()))
            list << item;
    return list;
}

// The frame's row in the tree: "number name" of each page.
QStringList tree(Frame *frame)
{
    QStringList list;
    for (int i = 0; i < frame->treeItem()->childCount(); ++i) {
        QTreeWidgetItem *row = frame->treeItem()->child(i);
        list << (row->text(0).trimmed() + " " + row->text(1)).trimmed();
    }
    return list;
}

// A page of the frame, built with the frame's others when only listed.
template <class Page = WiringLayout>
Page *page(Frame *frame, int index)
{
    frame->buildWiringPages(false);
    auto *row = dynamic_cast<SceneItem *>(frame->treeItem()->child(index));
    return row ? dynamic_cast<Page *>(row->owner()) : nullptr;
}

// The first empty place below the container that takes the model.
Place *freePlace(GraphicsPlaceContainer *container, int model)
{
    for (Place *place : container->places()) {
        auto *held = dynamic_cast<GraphicsPlaceContainer *>(place->item());
        if (Place *inner = held ? freePlace(held, model) : nullptr)
            return inner;
        if (!place->item() && place->state() == Place::Normal && place->allowsModel(model))
            return place;
    }
    return nullptr;
}

// The item dropped into the first place of the frame that takes it.
void place(Frame *frame, GraphicsPlaceItem *item)
{
    frame->layout()->addGraphicsItem(item);
    for (GraphicsFramePart *part : frame->layout()->parts()) {
        if (Place *at = freePlace(part, item->modelId())) {
            QVERIFY(at->canDrop(item, at->sceneRect().center()) && at->putItem(item));
            return;
        }
    }
    QFAIL("no place");
}

void placeModule(Project &p, Frame *frame, const QString &name, int type)
{
    auto *module = static_cast<Device *>(p.createDevice(ModuleKind));
    module->setModelIndex(type);
    module->setName(name);
    place(frame, module->createPlaceItem(frame->layout()));
}

void addCable(Project &p, Frame *from, Frame *to, int cores)
{
    auto *cable = new Cable(0);
    for (int i = 0; i < cores; ++i)
        cable->appendCore(new CableCore);
    p.specificationCable()->addCable(quint64(from->address().packedFrameCode()) << 32
                                         | to->address().packedFrameCode(),
                                     cable);
}

Frame *newFrame(Project &p, int row, int number, int type)
{
    FrameGroup *group = nullptr;
    for (FrameGroup *g : p.equipment()->itemList())
        if (g->address().field(1) == row)
            group = g;
    if (!group) {
        group = new FrameGroup(&p);
        p.equipment()->appendItem(group);
        Address a;
        a.setField(1, quint8(row));
        group->setAddress(a);
    }
    Address a;
    auto *frame = new Frame(&p);
    group->appendItem(frame);
    a = frame->address();
    a.setField(2, quint8(number));
    frame->setAddressField(a, 2);
    frame->setAddressField(group->address(), 1);
    frame->setFrameType(type);
    return frame;
}

void addRelayPanel(Frame *frame)
{
    auto *panel = new GraphicsFramePanel(frame->layout());
    panel->setContainerType(relayPanelType);
    place(frame, panel);
}

// A relay placed in the frame's relay panel whose two winding pins a
// source feeds.
void feed(Project &p, Frame *frame, const QString &relayName, const QString &sourceName)
{
    Scheme *sheet = p.referenceScheme();
    auto *relay = static_cast<Device *>(p.createDevice(RelayKind));
    relay->setName(relayName);
    relay->setModelIndex(0);
    auto *winding = new TestWindingItem(sheet);
    sheet->addGraphicsItem(winding);
    relay->appendItem(winding);
    winding->ownObj()->setName(relayName);
    place(frame, relay->createPlaceItem(frame->layout()));
    if (!p.findObj(SourceKind, sourceName))
        p.createDevice(SourceKind)->setName(sourceName);
    auto *source = new GraphicsSource(sheet);
    sheet->addGraphicsItem(source);
    source->setName(sourceName);
    auto *joint = new TestJoint(sheet, 3);
    sheet->addGraphicsItem(joint);
    joint->pin(0)->solder(source->pin(0));
    joint->pin(1)->solder(winding->pin(0));
    joint->pin(2)->solder(winding->pin(1));
}

// The pages below the frame's row, in tree order.
QList<WiringLayout *> pages(Frame *frame)
{
    QList<WiringLayout *> list;
    for (int i = 1; i < frame->treeItem()->childCount(); ++i)
        list << page(frame, i);
    return list;
}


// Each page of the frame, built: its sheet, name, what it lists, drawings.
QStringList contents(Frame *frame)
{
    QStringList list;
    for (WiringLayout *shown : pages(frame)) {
        QStringList parts{shown->sheetName(), shown->name()};
        if (auto *cables = qobject_cast<WiringLayoutCable *>(shown))
            for (Cable *cable : cables->cables())
                parts << QString::number(cable->cores().size());
        for (GraphicsItem *item : drawings(shown))
            parts << static_cast<GraphicsText *>(item)->text();
        list << parts.join('|');
    }
    return list;
}

QStringList rows(QTreeWidget *tree)
{
    QStringList result;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = tree->topLevelItem(i);
        if (!row->isHidden())
            result << QStringList({row->text(0), row->text(1), row->text(2), row->text(3)}).join('|');
    }
    return result;
}

} // namespace

// A project saved in a folder of its own, with two frames side by side.
struct TwoFrames
{
    ModalRecorder rec;
    QTemporaryDir dir;
    Project project{nullptr, nullptr};
    Frame *a = nullptr;
    Frame *b = nullptr;

    TwoFrames()
    {
        project.setFileName(dir.path() + "/plant.rlay");
        a = newFrame(project, 1, 1, dcFrameType);
        b = newFrame(project, 1, 2, dcFrameType);
    }

    // The frames of the project as its files give it back.
    QList<Frame *> reopen(Project &again)
    {
        again.setFileName(dir.path() + "/plant.rlay");
        return again.load() ? again.equipment()->itemList().first()->itemList() : QList<Frame *>();
    }
};


// The user's text drawn on a page.
GraphicsText *drawText(WiringLayout *page, const QString &words)
{
    auto *text = static_cast<GraphicsText *>(page->createItem(GraphicsText::Type));
    text->setText(words);
    page->addGraphicsItem(text);
    return text;
}

class TestWiringGeneration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Frame parts build their module and relay panels in.
        Scheme::registerItemTypes();
        FrameLayout::registerItemTypes();
    }

    // Each frame: its layout, the DC table pages (TU, TV, TS), the DC
    // scheme pages, then the cable pages; modules by number.
    void pageOrderOfTwoFrames()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Frame *a = newFrame(project, 1, 1, dcFrameType);
        Frame *b = newFrame(project, 1, 2, dcFrameType);
        placeModule(project, a, "TU7", TU);
        placeModule(project, a, "TS1", TS);
        placeModule(project, a, "TU2", TU);
        placeModule(project, a, "TV1", TV);
        placeModule(project, a, "TU10", TU);
        placeModule(project, b, "TS2", TS);
        addCable(project, a, b, 150);
        addCable(project, b, a, 100);
        QVERIFY(project.equipment()->createWiringLayouts());
        QCOMPARE(tree(a), QStringList({"01", "02 TU", "03 TU", "04 TV", "05 TS", "06 TU2", "07 TU7", "08 TU10",
                                       "09 TV1", "10 TS1", "11 Cable", "12 Cable"}));
        QCOMPARE(page<WiringLayoutDCTable>(a, 1)->modules().size(), 2);
        QCOMPARE(page<WiringLayoutDCTable>(a, 1)->modules().first()->name(), QString("TU2"));
        QCOMPARE(tree(b), QStringList({"01", "02 TS", "03 TS2", "04 Cable", "05 Cable"}));
        // A cable page holds 200 cores at most, a cable never split.
        QCOMPARE(page<WiringLayoutCable>(b, 3)->cables().size(), 1);
        QCOMPARE(page<WiringLayoutCable>(b, 3)->cables().first()->cores().size(), 150);
        QCOMPARE(rec.count(), 0);
    }

    // A frame's pages show the modules whose address is in its code, as a
    // walk over every module finds them, while frames join, take another
    // frame's code by number or by row, and share one code.
    void placedDevicesFollowTheFrameCodes()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        QList<Frame *> frames;
        auto check = [&] {
            for (Frame *frame : std::as_const(frames)) {
                const quint32 code = frame->address().packedFrameCode();
                QStringList expected, found;
                for (Obj *obj : project.sortedObjectsOfKind(ModuleKind)) {
                    const Address *at = static_cast<Device *>(obj)->address();
                    if (at && at->packedFrameCode() == code)
                        expected << obj->name();
                }
                for (Device *device : project.equipment()->placedDevices(code, ModuleKind))
                    found << device->name();
                QCOMPARE(found, expected);
            }
        };
        for (int i = 0; i < 4; ++i) {
            frames << newFrame(project, 1 + i / 3, 1 + i % 3, dcFrameType);
            placeModule(project, frames[i], QString("TU%1").arg(i + 1), TU);
            check();
        }
        Address renumbered = frames[1]->address();
        renumbered.setField(2, 1);
        frames[1]->setAddressField(renumbered, 2);
        check();
        frames[3]->setAddressField(frames[0]->address(), 1);
        check();
        QCOMPARE(project.equipment()->placedDevices(frames[0]->address().packedFrameCode(), ModuleKind).size(), 3);
        QCOMPARE(rec.count(), 0);
    }

    // A PDF of the whole branch, its rows and frames building their pages in
    // one run, gives every frame the pages it builds alone.
    void aBranchPdfBuildsThePagesOfEachFrame()
    {
        ModalRecorder rec;
        QList<QStringList> built[2];
        for (int branch = 0; branch < 2; ++branch) {
            Project project(nullptr, nullptr);
            QList<Frame *> frames;
            for (int i = 0; i < 4; ++i)
                frames << newFrame(project, 1 + i / 2, 1 + i % 2, dcFrameType);
            for (int i = 0; i < 8; ++i)
                placeModule(project, frames[i % 4], QString("TU%1").arg(i + 1), i % 3);
            for (int i = 0; i < 4; ++i)
                addCable(project, frames[i], frames[(i + 1) % 4], 60 + 50 * i);
            QVERIFY(project.equipment()->createWiringLayouts());
            QList<GraphicsScene *> gathered;
            if (branch)
                project.equipment()->appendPages(gathered);
            for (Frame *frame : std::as_const(frames))
                built[branch] << contents(frame);
        }
        QCOMPARE(built[1], built[0]);
        QVERIFY(built[0][0].size() > 3);
        QCOMPARE(rec.count(), 0);
    }

    // A save that leaves the page list as it was keeps the pages and what
    // shows them; one after a module and a frame were added carries the
    // drawing, and the view, to the page of the same kind; the next load
    // finds the drawing there.
    void drawingsKeepTheirPages()
    {
        TwoFrames f;
        Project &project = f.project;
        Frame *a = f.a, *b = f.b;
        placeModule(project, b, "TU1", TU);
        addCable(project, a, b, 10);
        QVERIFY(project.equipment()->createWiringLayouts());
        QCOMPARE(tree(b), QStringList({"01", "02 TU", "03 TU1", "04 Cable"}));
        WiringLayout *cablePage = page(b, 3);
        GraphicsText *text = drawText(cablePage, "north wall");
        text->setPos(400, 800);
        QGraphicsView view(cablePage->liveScene());

        QVERIFY(project.save());
        QCOMPARE(page(b, 3), cablePage);
        QCOMPARE(drawings(cablePage), QList<GraphicsItem *>({text}));

        // A module before the cable page, a third frame after.
        placeModule(project, b, "TV1", TV);
        newFrame(project, 1, 3, dcFrameType);
        project.setDevicesChanged();
        QVERIFY(project.save());
        QCOMPARE(tree(b), QStringList({"01", "02 TU", "03 TV", "04 TU1", "05 TV1", "06 Cable"}));
        QCOMPARE(GraphicsScene::sheetOf(view.scene()), page(b, 5));
        QCOMPARE(drawings(page(b, 5)).size(), 1);

        Project loaded(nullptr, nullptr);
        loaded.setFileName(f.dir.path() + "/plant.rlay");
        QVERIFY(loaded.load());
        Frame *again = loaded.equipment()->itemList().first()->itemList().at(1);
        QCOMPARE(tree(again), tree(b));
        for (int i = 1; i < 5; ++i)
            QVERIFY(drawings(page(again, i)).isEmpty());
        // A page without drawings is built when first wanted, as its file
        // has it: unchanged.
        QVERIFY(!page(loaded.equipment()->itemList().first()->itemList().at(0), 1)->isModified());
        const QList<GraphicsItem *> drawn = drawings(page(again, 5));
        QCOMPARE(drawn.size(), 1);
        QCOMPARE(static_cast<GraphicsText *>(drawn.first())->text(), QString("north wall"));
        QCOMPARE(drawn.first()->pos(), QPointF(400, 800));
        QCOMPARE(f.rec.count(), 0);
    }

    // A change to one frame (a module placed, renamed or given a command,
    // a cable) builds that frame's pages anew at the save; every other
    // frame keeps its very pages with the drawings on them.
    void saveRebuildsOnlyTheChangedFrame()
    {
        TwoFrames f;
        Project &project = f.project;
        Frame *kept = f.a, *changed = f.b;
        Frame *third = newFrame(project, 1, 3, dcFrameType);
        placeModule(project, kept, "TU1", TU);
        placeModule(project, changed, "TS1", TS);
        auto *ts1 = static_cast<Module *>(project.findObj(ModuleKind, "TS1"));
        Scheme *sheet = project.referenceScheme();
        auto *command = static_cast<GraphicsCommand *>(sheet->createItem(GraphicsCommand::Type));
        sheet->addGraphicsItem(command);
        command->setKind(0);
        command->setNumber(1);
        QVERIFY(ts1->appendItem(command));
        QVERIFY(project.save());
        GraphicsText *text = drawText(page(kept, 2), "north wall");
        const QList<WiringLayout *> keptPages = pages(kept);

        const QList<std::function<void()>> changes = {
            [&] { placeModule(project, changed, "TV1", TV); },
            [&] { ts1->setName("TS9"); },
            // A command numbered from half the module's on: a second page.
            [&] { command->setNumber(30); },
            [&] { addCable(project, changed, third, 4); },
        };
        for (const auto &change : changes) {
            const QStringList before = tree(changed);
            change();
            QVERIFY(project.save());
            QVERIFY(tree(changed) != before);
            QCOMPARE(pages(kept), keptPages);
            QCOMPARE(drawings(page(kept, 2)), QList<GraphicsItem *>({text}));
        }
        QCOMPARE(f.rec.count(), 0);
    }

    // A save with nothing changed in the equipment writes the equipment
    // file as a save that builds every page anew does.
    void unchangedEquipmentSavesTheSameBytes()
    {
        TwoFrames f;
        Project &project = f.project;
        Frame *a = f.a, *b = f.b;
        placeModule(project, a, "TU1", TU);
        addCable(project, a, b, 10);
        QVERIFY(project.save());
        drawText(page(b, 1), "north wall");
        project.setEquipmentChanged();
        QVERIFY(project.save());
        const QString eqm = f.dir.path() + "/plant.eqm";
        const QByteArray full = sideFileContent(eqm);

        project.setEquipmentChanged();
        QVERIFY(project.save());
        QCOMPARE(sideFileContent(eqm), full);
        project.equipment()->setAllWiringChanged();
        project.setEquipmentChanged();
        QVERIFY(project.save());
        QCOMPARE(sideFileContent(eqm), full);
        QCOMPARE(f.rec.count(), 0);
    }

    // A save builds a changed frame's pages from the project as it is,
    // also when their list comes out the same: a new cable stands on both
    // frames' cable pages, and the old page's tab shows the new page with
    // the drawing on it.
    void savedPagesShowTheProject()
    {
        TwoFrames f;
        addCable(f.project, f.a, f.b, 10);
        QVERIFY(f.project.save());
        WiringLayout *old = page(f.a, 1);
        page(f.b, 1);
        drawText(old, "north wall");
        QGraphicsView view(old->liveScene());
        addCable(f.project, f.a, f.b, 5);
        QVERIFY(f.project.save());
        for (Frame *frame : {f.a, f.b})
            QCOMPARE(page<WiringLayoutCable>(frame, 1)->cables().size(), 2);
        QCOMPARE(GraphicsScene::sheetOf(view.scene()), page(f.a, 1));
        QCOMPARE(drawings(page(f.a, 1)).size(), 1);
        QCOMPARE(f.rec.count(), 0);
    }

    // A drawing follows its DC scheme page through a rename of the module.
    // A save that leaves it no page asks first: kept, the save stops and
    // every page and drawing stays as it was.
    void drawingFollowsItsModule()
    {
        TwoFrames f;
        placeModule(f.project, f.a, "TU1", TU);
        QVERIFY(f.project.save());
        drawText(page(f.a, 2), "north wall");
        Obj *module = f.project.findObj(ModuleKind, "TU1");
        module->setName("TU5");
        QVERIFY(f.project.save());
        QCOMPARE(tree(f.a), QStringList({"01", "02 TU", "03 TU5"}));
        QCOMPARE(drawings(page(f.a, 2)).size(), 1);
        {
            Project loaded(nullptr, nullptr);
            QCOMPARE(drawings(page(f.reopen(loaded).first(), 2)).size(), 1);
        }
        WiringLayout *drawn = page(f.a, 2);
        delete module;
        f.rec.clickButton("&No");
        QVERIFY(!f.project.save());
        QVERIFY(boxTexts(f.rec).last().contains("F 11_03 TU5"));
        QCOMPARE(page(f.a, 2), drawn);
        QCOMPARE(drawings(drawn).size(), 1);
        f.rec.clickButton("&Yes");
        QVERIFY(f.project.save());
        QCOMPARE(tree(f.a), QStringList({"01"}));
        QCOMPARE(f.rec.count(), 2);
    }

    // A drawing on the page of a panel (flagged as from a file) that takes
    // another type waits for the save: on its new page, or, the panel gone,
    // named by the questions; No keeps it. Code-made frames reopen as saved.
    void drawingsOfPanelsThatLeave()
    {
        for (bool kept : {true, false}) {
            TwoFrames f;
            f.project.equipment()->itemList().first()->appendItem(new Frame(&f.project));
            f.project.equipment()->itemList().first()->itemList().last()->setFrameType(0);
            QVERIFY(f.project.save());
            f.project.specificationCable()->addCable(quint64(0x103) << 32 | 0x100, new Cable(0));
            Frame *frame = newFrame(f.project, 1, 3, 0);
            auto *panel = new GraphicsFramePanel(frame->layout());
            panel->setContainerType(1);
            for (GraphicsPlaceContainer *item : QList<GraphicsPlaceContainer *>{panel, frame->layout()->parts()[0]}) {
                QByteArray bytes;
                DataStream out(&bytes, QIODevice::WriteOnly), in(&bytes, QIODevice::ReadOnly);
                item->saveData(out);
                bytes[bytes.size() - (item == panel ? 2 : 1)] = 1;
                item->loadData(in);
            }
            place(frame, panel);
            QVERIFY(f.project.save());
            drawText(page(frame, 1), "north wall");
            panel->setContainerType(5); // out of its place
            if (kept)
                QVERIFY(freePlace(frame->layout()->parts()[0], panel->modelId())->putItem(panel));
            else
                frame->layout()->removeGraphicsItem(panel);
            f.rec.clickButton("&No");
            QCOMPARE(f.project.save(), kept);
            // Kept at No, the page of the panel gone is listed again, with the drawing alone.
            QVERIFY(kept || contents(frame).contains("F 13_02|P01|north wall"));
            f.rec.clickButton("&Yes");
            QVERIFY(f.project.save());
            QCOMPARE(contents(frame).join(' ').contains("north wall"), kept);
            Project loaded(nullptr, nullptr);
            QCOMPARE(contents(f.reopen(loaded).value(3, f.a)), contents(frame));
            QCOMPARE(boxTexts(f.rec).filter("F 13_02 P01").size() + f.rec.count(), kept ? 0 : 4);
        }
    }

    // Pages first built after the project changed follow it as it stands:
    // a module deleted and a cable added since the load.
    void pagesFirstBuiltFollowTheEdits()
    {
        TwoFrames f;
        placeModule(f.project, f.a, "TU1", TU);
        placeModule(f.project, f.a, "TU2", TU);
        addCable(f.project, f.a, f.b, 150);
        QVERIFY(f.project.save());
        Project loaded(nullptr, nullptr);
        const QList<Frame *> frames = f.reopen(loaded);
        delete loaded.findObj(ModuleKind, "TU2");
        addCable(loaded, frames[0], frames[1], 100);
        page(frames[0], 1);
        QCOMPARE(tree(frames[0]), QStringList({"01", "02 TU", "03 TU1", "04 Cable", "05 Cable"}));
        page(frames[1], 1);
        QCOMPARE(tree(frames[1]), QStringList({"01", "02 Cable", "03 Cable"}));
    }

    // Frames of a hundred pages or more, reopened: the tree sorts "100"
    // before "11". A double click on a row opens its page at once, in that
    // very row, and texts drawn then keep their pages through a save.
    void framesOfAHundredPagesReopened()
    {
        TwoFrames f;
        for (int i = 0; i < 100; ++i)
            addCable(f.project, f.a, f.b, 101); // a page each
        QVERIFY(f.project.save() && f.project.saveAs(f.dir.path() + "/elsewhere.rlay"));
        Project loaded(nullptr, nullptr);
        const QList<Frame *> frames = f.reopen(loaded);
        QTreeWidgetItem *rows = frames.size() == 2 ? frames[1]->treeItem() : nullptr;
        QVERIFY(rows && rows->childCount() > 100 && rows->child(10)->text(0).trimmed() == "100");
        GraphicsScene *opened = nullptr;
        connect(&loaded, &Project::showGraphicsScene, this, [&](GraphicsScene &scene) { opened = &scene; });
        emit loaded.itemDoubleClicked(rows->child(10), 0);
        QVERIFY(opened && opened->sceneItem() == rows->child(10));
        QCOMPARE(static_cast<WiringLayout *>(opened)->number(), 100);
        drawText(static_cast<WiringLayout *>(opened), "on 100");
        drawText(pages(frames[0]).value(30), "on a page of the other");
        QVERIFY(loaded.save());
        Project again(nullptr, nullptr);
        const QList<Frame *> reread = f.reopen(again);
        QCOMPARE(contents(reread.value(0)) + contents(reread.value(1)), contents(frames[0]) + contents(frames[1]));
        // Listed, then given a type of a short title block: the rows show the numbers of the pages built from 3,
        // still in order.
        Project fourth(nullptr, nullptr);
        fourth.setFileName(f.dir.path() + "/elsewhere.rlay");
        QVERIFY(fourth.load());
        Frame *typed = fourth.equipment()->itemList().first()->itemList().value(1);
        typed->setFrameType(39);
        // The page double-clicked is shown, built anew in its row's stead.
        GraphicsScene *shown = nullptr;
        connect(&fourth, &Project::showGraphicsScene, this, [&](GraphicsScene &scene) { shown = &scene; });
        const QString clicked = typed->treeItem()->child(50)->text(1);
        emit fourth.itemDoubleClicked(typed->treeItem()->child(50), 0);
        QCOMPARE(tree(typed).mid(8, 4), QStringList({"10 Cable", "100 Cable", "101 Cable", "102 Cable"}));
        QVERIFY(shown && shown->sceneItem() && shown->sceneItem()->parent() == typed->treeItem());
        QCOMPARE(static_cast<WiringLayout *>(shown)->name(), clicked);
    }

    // A relay case read with its left-side heating part flagged but not
    // the heating part whose page it shares: no page to draw on, no error.
    void leftSideHeatingWithoutItsPage()
    {
        TwoFrames f;
        Frame *frame = newFrame(f.project, 1, 3, 10);
        QByteArray bytes;
        DataStream out(&bytes, QIODevice::WriteOnly), in(&bytes, QIODevice::ReadOnly);
        GraphicsFramePart *part = frame->layout()->parts()[5];
        part->saveData(out);
        bytes[bytes.size() - 1] = 1;
        in.setFormatIndex(DataStream::CurrentFormat);
        part->loadData(in);
        addCable(f.project, frame, f.a, 10);
        QVERIFY(f.project.save());
        QVERIFY(frame->buildWiringPages());
        QCOMPARE(boxTexts(f.rec), QStringList());
    }

    // Drawings read for a page the frame no longer makes fail the read,
    // never reaching past the pages made.
    void drawingsForAPageNoLongerMade()
    {
        TwoFrames f;
        placeModule(f.project, f.a, "TU1", TU);
        auto *command = static_cast<GraphicsCommand *>(f.project.referenceScheme()->createItem(GraphicsCommand::Type));
        f.project.referenceScheme()->addGraphicsItem(command);
        command->setKind(1);
        command->setNumber(20);
        static_cast<Module *>(f.project.findObj(ModuleKind, "TU1"))->appendItem(command);
        QVERIFY(f.project.equipment()->createWiringLayouts());
        QCOMPARE(tree(f.a), QStringList({"01", "02 TU", "03 TU1", "04 TU1"}));
        QByteArray bytes;
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            WiringLayout drawn(&f.project, f.a);
            drawText(&drawn, "north wall");
            out << qint32(0) << qint32(0);
            drawn.saveUserItems(out);
        }
        command->setNumber(2);
        DataStream in(&bytes, QIODevice::ReadOnly);
        QVERIFY(!f.a->loadWLFirst(in));
    }

    // Over seeded random edits, each save leaves both frames with the
    // pages, and the drawings on them, that a load of its files builds.
    void savesMatchAFreshLoad()
    {
        TwoFrames f;
        QRandomGenerator random(12);
        for (int step = 0; step < 40; ++step) {
            Frame *frame = random.bounded(2) ? f.a : f.b;
            const auto *kind = f.project.objectsOfKind(ModuleKind);
            QStringList names = kind ? kind->keys() : QStringList();
            names.sort();
            const QString name = names.isEmpty() ? QString() : names[random.bounded(int(names.size()))];
            Obj *some = name.isEmpty() ? nullptr : f.project.findObj(ModuleKind, name);
            const QList<WiringLayout *> shown = pages(frame);
            const int edit = random.bounded(6);
            if (edit == 0 && names.size() < 3)
                placeModule(f.project, frame, QString("M%1").arg(step), random.bounded(3));
            else if (edit == 1 && some)
                some->setName(QString("N%1").arg(step));
            else if (edit == 2)
                delete some;
            else if (edit == 3)
                addCable(f.project, f.a, f.b, 1 + random.bounded(120));
            else if (edit > 3 && !shown.isEmpty())
                drawText(shown[random.bounded(int(shown.size()))], QString::number(step));
            ModalRecorder answer;
            answer.clickButton("&Yes");
            QVERIFY(f.project.save());
            Project loaded(nullptr, nullptr);
            const QList<Frame *> again = f.reopen(loaded);
            QCOMPARE(contents(again[0]) + contents(again[1]), contents(f.a) + contents(f.b));
        }
    }

    void sourcesExplorerRowsAndFilter()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        Frame *first = newFrame(project, 1, 2, clampFrameType);
        Frame *second = newFrame(project, 3, 1, clampFrameType);
        addRelayPanel(first);
        addRelayPanel(second);
        feed(project, first, "K1", "G1");
        feed(project, second, "K2", "G12");
        feed(project, second, "K3", "G1");
        // The item that creates G1 in frame 12 names the sheet.
        Scheme *sheet = project.referenceScheme();
        auto *created = new GraphicsSource(sheet);
        sheet->addGraphicsItem(created);
        created->setName("G1");
        created->setAdditional(true);
        created->setPlaceCreate(true);
        created->setFromFrame(12);

        DlgExplorerSources dialog(nullptr);
        QCOMPARE(dialog.list()->headerItem()->text(3), QString("PC"));
        QVERIFY(!dialog.cancelFilterButton()->isEnabled());
        dialog.setProject(&project);
        buttonOf(&dialog, "U")->click();
        const QString pc = sheet->displayName();
        QCOMPARE(rows(dialog.list()), QStringList({"G1|12|1|" + pc, "G1|31|1|", "G12|31|1|"}));

        // The name must match whole: G1 keeps none of G12's rows.
        dialog.sourceFilter()->setText(" G1 ");
        buttonOf(&dialog, "V")->click();
        QCOMPARE(rows(dialog.list()), QStringList({"G1|12|1|" + pc, "G1|31|1|"}));
        QVERIFY(dialog.cancelFilterButton()->isEnabled());
        dialog.sourceFilter()->clear();
        dialog.frameFilter()->setValue(31);
        buttonOf(&dialog, "V")->click();
        QCOMPARE(rows(dialog.list()), QStringList({"G1|31|1|", "G12|31|1|"}));
        // New rows come unfiltered; "X" stays as it was.
        buttonOf(&dialog, "U")->click();
        QCOMPARE(rows(dialog.list()).size(), 3);
        QVERIFY(dialog.cancelFilterButton()->isEnabled());
        buttonOf(&dialog, "X")->click();
        QVERIFY(!dialog.cancelFilterButton()->isEnabled());
        QCOMPARE(rec.count(), 0);

        // Without a project the list stays empty, after the check's box.
        dialog.setProject(nullptr);
        buttonOf(&dialog, "U")->click();
        QCOMPARE(dialog.list()->topLevelItemCount(), 0);
        QCOMPARE(rec.count(), 1);
    }

    void sourcesExplorerFollowsTheProject()
    {
        ModalRecorder rec;
        MainWindow w;
        QVERIFY(!w.action(33)->isEnabled());
        rec.handle([](QDialog *d) { buttonOf(d, "Ok")->click(); });
        w.action(0)->trigger();
        QVERIFY(w.action(33)->isEnabled());
        w.action(33)->trigger();
        QVERIFY(w.dlgExplorerSources() && w.dlgExplorerSources()->isVisible());
        QVERIFY(w.dlgExplorerSources()->windowFlags() & Qt::Tool);
        QCOMPARE(w.dlgExplorerSources()->project(), w.project());
        w.project()->setModified(false);
        QVERIFY(w.closeProject());
        QCOMPARE(w.dlgExplorerSources()->project(), nullptr);
        QVERIFY(!w.action(33)->isEnabled());
    }

    // A frame renumbered through its dialog: the tab of its open wiring page follows at once.
    void openPagesFollowTheFrameNumber()
    {
        ModalRecorder rec;
        MainWindow w;
        rec.handle([](QDialog *d) { buttonOf(d, "Ok")->click(); });
        w.action(0)->trigger();
        Project &p = *w.project();
        Frame *a = newFrame(p, 1, 1, dcFrameType);
        addCable(p, a, newFrame(p, 1, 2, dcFrameType), 10);
        QTemporaryDir dir;
        p.setFileName(dir.path() + "/plant.rlay");
        QVERIFY(p.save());
        p.doubleClickCurrentItem(a->treeItem()->child(1));
        rec.handle([](QDialog *d) {
            qobject_cast<DlgPropFrame *>(d)->numberSpin()->setValue(3);
            buttonOf(d, "Ok")->click();
        });
        p.setCurrentItem(a->treeItem());
        w.action(65)->trigger();
        auto *tabs = qobject_cast<QTabWidget *>(w.centralWidget());
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QString("F 13_02"));
    }
};

QTEST_MAIN(TestWiringGeneration)
#include "tst_wiringgeneration.moc"
