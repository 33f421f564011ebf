// Clamps, passages and bottoms on a scheme, placed through the scheme
// editor and their dialogs: the clew through a passage and a conductor, the
// passage table, saving and loading every kind, and pasting.

#include "app/dlgfind.h"
#include "devices/clamp.h"
#include "devices/clampcatalogue.h"
#include "devices/clamppanelitems.h"
#include "devices/dlgpropbottom.h"
#include "devices/dlgpropclamp.h"
#include "devices/graphicsbottom.h"
#include "devices/graphicsclamp.h"
#include "graphics/font.h"
#include "graphics/rcombobox.h"
#include "model/datastream.h"
#include "model/file.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "schemes/conductor.h"
#include "schemes/dlgproppassage.h"
#include "schemes/graphicsconductor.h"
#include "schemes/graphicspassage.h"
#include "schemes/graphicssource.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/source.h"
#include "support/filesbelow.h"
#include "support/devicekindtests.h"
#include "support/schemetestitems.h"
#include "support/streambytes.h"

#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <random>

using namespace devicekindtest;

namespace {

enum { ClampAction = 86, PassageAction = 87, BottomAction = 93 };

void choose(QComboBox *combo, const QString &text)
{
    combo->setCurrentIndex(combo->findText(text));
}

// The panel "12V21" of strip "20" made in the clamp dialog, and the item
// given its clamp.
void fillClamp(QDialog *dialog, const QString &clamp)
{
    auto *d = qobject_cast<DlgPropClamp *>(dialog);
    QVERIFY(d);
    choose(d->panelModelCombo(), "V");
    d->panelFrameSpin()->setValue(12);
    d->panelPlaceSpin()->setValue(21);
    choose(d->stripTypeCombo(), "20");
    buttonOf(d, "Add")->click();
    choose(d->modelCombo(), "V");
    d->frameSpin()->setValue(12);
    d->placeSpin()->setValue(21);
    choose(d->nameCombo(), clamp);
    pressOk(d);
}

// A passage listing clamps of the panel "12V21".
std::function<void(QDialog *)> fillPassage(const QStringList &clamps)
{
    return [clamps](QDialog *dialog) {
        auto *d = qobject_cast<DlgPropPassage *>(dialog);
        QVERIFY(d);
        choose(d->modelCombo(), "V");
        d->frameSpin()->setValue(12);
        d->placeSpin()->setValue(21);
        for (const QString &clamp : clamps) {
            choose(d->nameCombo(), clamp);
            d->btnAddClamp();
        }
        pressOk(d);
    };
}

// Runs a toolbox command whose dialog fill answers and drops the new item
// (the last one on the sheet) at a point.
template <class T>
T *placeAt(SchemeEditor &editor, ModalRecorder &rec, int action, const std::function<void(QDialog *)> &fill,
           const QPointF &at)
{
    rec.handle(fill);
    editor.action(action)->trigger();
    auto *item = dynamic_cast<T *>(editor.scheme()->graphicsItems().last());
    if (!item)
        return nullptr;
    editor.hover(at + item->boundingRect().center());
    editor.click(at + item->boundingRect().center());
    return item;
}

GraphicsBottom *placeBottom(SchemeEditor &editor, ModalRecorder &rec, const QPointF &at)
{
    return placeAt<GraphicsBottom>(editor, rec, BottomAction, [](QDialog *dialog) {
        auto *d = qobject_cast<DlgPropBottom *>(dialog);
        QVERIFY(d);
        d->frameSpin()->setValue(12);
        d->placeSpin()->setValue(21);
        pressOk(d);
    }, at);
}

GraphicsPassage *placePassage(SchemeEditor &editor, ModalRecorder &rec, const QStringList &clamps,
                              const QPointF &at)
{
    return placeAt<GraphicsPassage>(editor, rec, PassageAction, fillPassage(clamps), at);
}

GraphicsClamp *bottomClamp(GraphicsBottom *bottom, const char *name)
{
    for (GraphicsClamp *clamp : bottom->clamps())
        if (qstrcmp(clamp->clampName(), name) == 0)
            return clamp;
    return nullptr;
}

QList<Pin *> clew(Pin *from)
{
    QList<Pin *> pins;
    from->collectNetPinsAcross(pins);
    return pins;
}

QList<Pin *> walk(Pin *from)
{
    QList<Pin *> pins;
    from->collectNetAcross(pins, nullptr, 0);
    return pins;
}

} // namespace

class TestClamps : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        createScreenFonts();
        Scheme::registerItemTypes();
        setFileClock([] { return QDateTime(QDate(2024, 6, 7), QTime(8, 9, 10)); });
    }
    void cleanupTestCase()
    {
        setFileClock(nullptr);
        deleteFonts();
    }

    // A source's net through a passage reaches both its clamps; a conductor
    // fed by the source carries the walk over to the bottom clamp paired
    // with the one its duplicate is wired to.
    void clewThroughPassageAndConductor()
    {
        ModalRecorder rec;
        SchemeEditor editor(3);
        Scheme &sheet = *editor.scheme();
        auto *clamp = dynamic_cast<GraphicsClamp *>(
            editor.place(ClampAction, rec, [](QDialog *d) { fillClamp(d, "3"); }, QPointF(800, 800)));
        QVERIFY(clamp);
        QCOMPARE(clamp->name(), QString("12V21"));
        QVERIFY(clamp->clampPanel());
        QCOMPARE(clamp->clampText(true), QString("12V21-3"));

        GraphicsPassage *passage = placePassage(editor, rec, {"1", "2"}, QPointF(1600, 1200));
        QVERIFY(passage);
        QCOMPARE(passage->clamps().size(), 2);
        auto *source = dynamic_cast<Source *>(editor.project()->createDevice(SourceKind));
        QVERIFY(source && source->setName("+24"));
        auto *feed = new GraphicsSource(&sheet);
        sheet.addGraphicsItem(feed);
        feed->setPosQuiet(QPointF(1200, 1200));
        feed->setName("+24");
        editor.wire(feed->pin(0), passage->pin(0));
        QList<Pin *> ends;
        QList<Pin *> all;
        for (GraphicsClamp *c : passage->clamps()) {
            ends << c->pin(0);
            c->allPins(all);
        }
        QCOMPARE(clew(feed->pin(0)), ends);
        QCOMPARE(walk(feed->pin(0)), all);
        // From a clamp of the table the clew goes back through the passage.
        QCOMPARE(clew(passage->clamps()[0]->pin(0)), QList<Pin *>({feed->pin(0)}) + ends);

        // The conductor's walk over the bottom.
        GraphicsBottom *bottom = placeBottom(editor, rec, QPointF(2000, 1800));
        QVERIFY(bottom && bottom->clampPanel());
        QCOMPARE(bottom->clampPanel()->name(), QString("K12N21"));
        auto *conductor = dynamic_cast<Conductor *>(editor.project()->createDevice(ConductorKind));
        QVERIFY(conductor && conductor->setName("W1"));
        auto *main = new GraphicsConductor(&sheet);
        sheet.addGraphicsItem(main);
        main->setPosQuiet(QPointF(1200, 400));
        main->setName("W1");
        auto *feed2 = new GraphicsSource(&sheet);
        sheet.addGraphicsItem(feed2);
        feed2->setPosQuiet(QPointF(600, 400));
        feed2->setName("+24");
        editor.wire(feed2->pin(0), main->pin(0));
        auto *solder = new GraphicsConductor(&sheet);
        sheet.addGraphicsItem(solder);
        solder->setPosQuiet(QPointF(1400, 2400));
        solder->setDuplicate(true);
        solder->setName("W1");
        editor.wire(solder->pin(0), bottomClamp(bottom, "3")->pin(0));
        QCOMPARE(walk(feed2->pin(0)), QList<Pin *>({bottomClamp(bottom, "4")->pin(0)}));
        QCOMPARE(boxTexts(rec), QStringList());
        renderPart(sheet, sheet.sceneRect(), "clamps-sheet.png");
    }

    // Find and replace renames a clamp with its clamp name: it moves to
    // the panel of the new address.
    void findAndReplaceRenamesClamps()
    {
        ModalRecorder rec;
        SchemeEditor editor(1);
        auto *clamp = dynamic_cast<GraphicsClamp *>(
            editor.place(ClampAction, rec, [](QDialog *d) { fillClamp(d, "3"); }, QPointF(800, 800)));
        auto *other = dynamic_cast<ClampPanel *>(editor.project()->createDevice(ClampPanelKind));
        QVERIFY(clamp && other);
        other->setModelAndStripType(0, 4);
        QVERIFY(other->setName("12V31"));
        DlgFind find(nullptr);
        find.setProject(editor.project());
        find.setScene(editor.scheme());
        find.scopeCombo()->setCurrentIndex(DlgFind::ScopeCurrentScheme);
        find.findCombo()->setEditText("V21");
        find.replaceCombo()->setEditText("V31");
        find.replaceAllButton()->click();
        QCOMPARE(clamp->clampPanel(), other);
        QCOMPARE(clamp->clampText(true), QString("12V31-3"));
        QCOMPARE(boxTexts(rec), QStringList({"List is empty!"}));
        // The only clamp of its panel, renamed to a free address, takes it along.
        find.findCombo()->setEditText("12V31");
        find.replaceCombo()->setEditText("12B3");
        find.replaceAllButton()->click();
        QVERIFY(clamp->clampPanel() == other && other->name() == "12B3" && other->modelIndex() == 1);
        // Two clamps of one panel renamed together keep it: the last takes
        // it along, and the first, left behind, is bound to it again.
        QList<GraphicsClamp *> pair;
        for (const QString name : {"1", "2"}) {
            pair << dynamic_cast<GraphicsClamp *>(editor.place(
                ClampAction, rec, [name](QDialog *d) { fillClamp(d, name); }, QPointF(1200, 800 + 400 * pair.size())));
        }
        QVERIFY(pair[0]->clampPanel() && pair[0]->clampPanel() == pair[1]->clampPanel());
        find.findCombo()->setEditText("12V21");
        find.replaceCombo()->setEditText("12V22");
        find.replaceAllButton()->click();
        QVERIFY(pair[0]->clampPanel() == pair[1]->clampPanel() && pair[1]->clampPanel()->name() == "12V22");
        // The same step by step with Replace.
        find.findCombo()->setEditText("12V22");
        find.replaceCombo()->setEditText("12V23");
        for (int step = 0; step < 3; ++step)
            find.replaceButton()->click();
        QVERIFY(pair[0]->clampPanel() == pair[1]->clampPanel() && pair[1]->clampPanel()->name() == "12V23");
        // A bottom's clamps are found, checked, not renamed; its panel refused.
        GraphicsBottom *bottom = placeBottom(editor, rec, QPointF(2000, 1600));
        find.findCombo()->setEditText("K12N21");
        find.replaceButton()->click();
        find.replaceButton()->click();
        QVERIFY(find.currentItem() == bottomClamp(bottom, "2") && bottom->isSelected()
                && bottom->clampPanel()->items().size() == 16);
        DlgPropClamp dialog(editor.scheme());
        dialog.findInTree(dialog.objTable(), "K12N21", Qt::MatchFixedString, 0);
        buttonOf(&dialog, "Del")->click();
        delete bottom->clampPanel();
        QTreeWidget results;
        editor.project()->check(&results, 0);
        QCOMPARE(results.topLevelItemCount(), 16);
        QVERIFY(boxTexts(rec).last().startsWith("Clamp panel K12N21 is the panel of a bottom"));
        // A panel without a strip type takes no clamp and no wire.
        QVERIFY(editor.project()->createDevice(ClampPanelKind)->setName("12V51"));
        clamp->setClamp(clamp->clampIndex(), "12V51");
        QVERIFY(!clamp->obj() && clamp->wiringPin(0)->linkCapacity() == 0);
        // A panel whose name gives no address (a pasted one) fills no field
        // of the dialogs and says nothing.
        QComboBox model, strip;
        QSpinBox frame, place;
        const int shown = rec.count();
        setClampPanelObjWidgets("K12N21?", 0, &model, &frame, &place, &strip);
        QCOMPARE(rec.count(), shown);
        // Its clamp chosen in the clamp dialog is refused, not given to the
        // panel the fields still name.
        auto *pasted = dynamic_cast<ClampPanel *>(editor.project()->createDevice(ClampPanelKind));
        pasted->setModelAndStripType(0, 4);
        QVERIFY(pasted->setName("12V61?"));
        DlgPropClamp chooser(editor.scheme());
        chooser.findInTree(chooser.objTable(), "12V61?", Qt::MatchFixedString, 0);
        chooser.btnClampClick(chooser.clampTree()->topLevelItem(0));
        QCOMPARE(boxTexts(rec).last(), QString("Invalid clamp panel parameters!"));
        QCOMPARE(chooser.result(), int(QDialog::Rejected));
    }

    // Passages stand in the order they were placed, one block of rows
    // each, in a column left of the sheet's right edge; removing one takes
    // its clamps off the sheet and closes the gap. OK in the dialog takes a
    // bottom's clamp off the passage but leaves it with its bottom.
    void passageTable()
    {
        ModalRecorder rec;
        SchemeEditor editor(1);
        Scheme &sheet = *editor.scheme();
        GraphicsPassage *first = placePassage(editor, rec, {"1", "2"}, QPointF(800, 800));
        GraphicsPassage *empty = placePassage(editor, rec, {}, QPointF(800, 1200));
        GraphicsPassage *third = placePassage(editor, rec, {"3"}, QPointF(800, 1600));
        QVERIFY(first && empty && third);
        QCOMPARE(sheet.passageIndex(third), 2);
        // 4120 is the last grid line left of the edge less 50.
        const double x = 4120 - sheet.clampColumnWidth() - 40 + 40;
        QCOMPARE(int(sheet.clampColumnWidth()) % 40, 0);
        QCOMPARE(first->clamps()[0]->pos(), QPointF(x, 80));
        QCOMPARE(first->clamps()[1]->pos(), QPointF(x, 120));
        QCOMPARE(third->clamps()[0]->pos(), QPointF(x, 200));
        // Find shows a passage's clamp with its passage selected.
        DlgFind find(nullptr);
        find.setProject(editor.project());
        find.setScene(&sheet);
        find.scopeCombo()->setCurrentIndex(DlgFind::ScopeCurrentScheme);
        sheet.clearSelectionFast();
        find.findCombo()->setEditText("12V21");
        find.findButton()->click();
        QVERIFY(find.currentItem() == first->clamps()[0] && first->isSelected());
        sheet.clearSelectionFast();

        // The sheet copied and pasted whole lays its table out at once.
        SchemeGroup *group = editor.project()->schemes()->itemList().first();
        QVERIFY(group->pasteRecord(bytesOf([&](DataStream &s) {
            s << qint32(11) << qint32(1);
            sheet.saveClipboard(s);
            sheet.saveClipboardGeometry(s);
            s << qint32(-12);
        })));
        Scheme *twin = group->itemList().last();
        QVERIFY(twin != &sheet);
        QCOMPARE(twin->clampColumnWidth(), sheet.clampColumnWidth());
        QCOMPARE(itemsOf<GraphicsPassage>(*twin).at(2)->clamps()[0]->pos(), QPointF(x, 200));

        GraphicsClamp *gone = first->clamps()[0];
        sheet.removeGraphicsItem(first);
        QVERIFY(!sheet.graphicsItems().contains(gone));
        QCOMPARE(sheet.passageIndex(third), 1);
        QCOMPARE(third->clamps()[0]->pos(), QPointF(x, 120));

        // A bottom's clamp listed by the passage (as an older file has it).
        GraphicsBottom *bottom = placeBottom(editor, rec, QPointF(1600, 1600));
        GraphicsClamp *row = bottomClamp(bottom, "5");
        third->addClamp(row);
        rec.handle([](QDialog *d) { pressOk(d); });
        third->showDialog();
        QCOMPARE(third->clamps().size(), 1);
        QCOMPARE(row->passage(), nullptr);
        QCOMPARE(row->parentItem(), bottom);
        QCOMPARE(row->clampPanel(), bottom->clampPanel());
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // "Del" and "Repl" of the passage dialog need a selected row; on Ok the
    // deleted row's clamp leaves the sheet and the rewritten one is renamed.
    void passageDialogDeletesAndRewritesRows()
    {
        ModalRecorder rec;
        SchemeEditor editor(1);
        GraphicsPassage *passage = placePassage(editor, rec, {"1", "2"}, QPointF(800, 800));
        const QList<GraphicsClamp *> clamps = passage->clamps();
        rec.handle([](QDialog *dialog) {
            auto *d = qobject_cast<DlgPropPassage *>(dialog);
            QTreeWidget *list = d->clampList();
            buttonOf(d, "Del")->click();
            buttonOf(d, "Repl")->click();
            list->setCurrentItem(list->topLevelItem(0));
            buttonOf(d, "Del")->click();
            list->setCurrentItem(list->topLevelItem(0));
            choose(d->nameCombo(), "4");
            buttonOf(d, "Repl")->click();
            QCOMPARE(list->topLevelItem(0)->text(0), QString("12V21-4"));
            pressOk(d);
        });
        passage->showDialog();
        QCOMPARE(passage->clamps(), clamps.mid(1));
        QVERIFY(!editor.scheme()->graphicsItems().contains(clamps[0]));
        QCOMPARE(QString(clamps[1]->clampName()), QString("4"));
        QCOMPARE(boxTexts(rec), QStringList({"Need selected clamp !", "Need selected clamp !"}));
    }

    // Free clamps (one without a passage), a passage and a bottom are saved
    // and read back bound; saved again they give the same bytes. A clamp
    // record of format 1 has no external-part flag.
    void everyKindSavedAndLoaded()
    {
        ModalRecorder rec;
        const QString dir = m_dir.path() + "/saved";
        {
            SchemeEditor editor(2);
            auto *free = dynamic_cast<GraphicsClamp *>(
                editor.place(ClampAction, rec, [](QDialog *d) { fillClamp(d, "3"); }, QPointF(800, 800)));
            QVERIFY(free);
            free->setShowExternalPart(false);
            QVERIFY(placePassage(editor, rec, {"1", "2"}, QPointF(1600, 1200)));
            GraphicsBottom *bottom = placeBottom(editor, rec, QPointF(2000, 1600));
            QVERIFY(bottom);
            bottom->mirror(false);
            QVERIFY(editor.saveAndClose(dir));
        }
        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        Scheme *sheet = loaded.schemes()->itemList().first()->itemList().first();
        const QList<GraphicsClamp *> clamps = itemsOf<GraphicsClamp>(*sheet);
        QCOMPARE(clamps.size(), 3);
        auto *panel = dynamic_cast<ClampPanel *>(loaded.findObj(ClampPanelKind, "12V21"));
        QVERIFY(panel);
        QCOMPARE(panel->stripType(), 4);
        QCOMPARE(panel->items().size(), 3);
        QCOMPARE(clamps[0]->passage(), nullptr);
        QVERIFY(!clamps[0]->showExternalPart());
        GraphicsPassage *passage = itemsOf<GraphicsPassage>(*sheet).value(0);
        QVERIFY(passage);
        QCOMPARE(passage->clamps(), clamps.mid(1));
        GraphicsBottom *bottom = itemsOf<GraphicsBottom>(*sheet).value(0);
        QVERIFY(bottom && bottom->clampPanel());
        QCOMPARE(bottom->clampPanel()->name(), QString("K12N21"));
        QCOMPARE(bottom->clampPanel()->items().size(), 16);
        QVERIFY(bottomClamp(bottom, "1")->isMirrored());
        QCOMPARE(bottomClamp(bottom, "16")->pos(), QPointF(400, 400));
        QCOMPARE(bottom->itemFlags(), int(GraphicsItem::CanMirrorHorizontal));
        // Mirrored with its bottom, a clamp's name reads straight on the sheet.
        GraphicsClamp *one = bottomClamp(bottom, "1");
        boundtest::PaintRecorder row;
        QPainter painter(&row);
        painter.setTransform(one->sceneTransform());
        one->draw(&painter, nullptr, true);
        QCOMPARE(row.textRects[row.texts.indexOf("1")].left(), one->scenePos().x() - 160);

        const QString again = m_dir.path() + "/again";
        QVERIFY(QDir().mkpath(again));
        loaded.setFileName(again + "/plant.rlay");
        loaded.setDevicesChanged();
        sheet->setModified(true);
        QVERIFY(loaded.save());
        const QMap<QString, QByteArray> first = filesBelow(dir);
        const QMap<QString, QByteArray> second = filesBelow(again);
        QCOMPARE(second.keys(), first.keys());
        for (const QString &file : first.keys())
            QVERIFY2(second[file] == first[file], qPrintable(file));

        QByteArray bytes;
        {
            DataStream out(&bytes, QIODevice::WriteOnly);
            out << qint32(0) << QString("12V21") << quint8(4) << qint32(0) << false;
        }
        GraphicsClamp older(sheet);
        DataStream in(&bytes, QIODevice::ReadOnly);
        in.setFormatIndex(1);
        older.loadData(in);
        QVERIFY(in.status() == QDataStream::Ok && in.atEnd());
        QVERIFY(older.showExternalPart() && !older.symmetryView());
        QCOMPARE(older.clampText(true), QString("12V21-5"));
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // Saves that rewrite only the sheets changed since the project was opened reopen with every
    // clamp on its own passage, and every passage keeps the identity it was read with.
    void passagesKeepTheirClampsAcrossPartialSaves()
    {
        ModalRecorder rec;
        auto project = std::make_unique<Project>(nullptr, nullptr);
        project->schemes()->appendItem(new SchemeGroup(project.get()));
        for (int n = 0; n < 2; ++n)
            project->schemes()->itemList()[0]->appendItem(new Scheme(project.get()));
        const auto sheet = [&](int n) { return project->schemes()->itemList()[0]->itemList()[n]; };
        const auto clampsOf = [&] {
            QStringList texts;
            for (int n = 0; n < 2; ++n)
                for (GraphicsClamp *clamp : itemsOf<GraphicsClamp>(*sheet(n)))
                    texts << QString("%1 %2 %3 ").arg(n).arg(sheet(n)->passageIndex(clamp->passage()))
                                 .arg(project->identity(clamp->passage(), Project::PassageIdentities)) + clamp->ownName();
            return texts;
        };
        project->setFileName(m_dir.path() + "/passages.rlay");
        std::mt19937 random(7);
        for (int round = 1; round <= 16; ++round) {
            if (Scheme *on = sheet(int(random() % 2)); on->passages().size() > 1 && random() % 2) {
                on->removeGraphicsItem(on->passages().last());
            } else {
                auto *passage = static_cast<GraphicsPassage *>(on->createItem(GraphicsPassage::Type));
                auto *clamp = new GraphicsClamp(on);
                QVERIFY(on->addGraphicsItem(passage) && on->addGraphicsItem(clamp));
                clamp->setOwnName(QString("K%1").arg(round));
                passage->addClamp(clamp);
            }
            const QStringList saved = clampsOf();
            auto loaded = std::make_unique<Project>(nullptr, nullptr);
            loaded->setFileName(project->fileName());
            QVERIFY(project->save() && loaded->load());
            project = std::move(loaded);
            QCOMPARE(clampsOf(), saved);
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // A pasted clamp binds only to a panel of its name whose clamp is free;
    // without one it stays unbound, silently. A pasted bottom gets a panel
    // of its own at the next free address.
    void pasting()
    {
        ModalRecorder rec;
        SchemeEditor editor(1);
        Scheme &sheet = *editor.scheme();
        auto *clamp = dynamic_cast<GraphicsClamp *>(
            editor.place(ClampAction, rec, [](QDialog *d) { fillClamp(d, "3"); }, QPointF(800, 800)));
        GraphicsBottom *bottom = placeBottom(editor, rec, QPointF(2000, 1600));
        QVERIFY(clamp && bottom);
        sheet.clearSelectionFast();
        clamp->setSelected(true);
        bottom->setSelected(true);
        editor.view()->copy();
        editor.view()->paste();
        const QList<GraphicsClamp *> clamps = itemsOf<GraphicsClamp>(sheet);
        QCOMPARE(clamps.size(), 2);
        QCOMPARE(clamps[1]->obj(), nullptr);
        QCOMPARE(clamps[1]->name(), QString("12V21"));
        const QList<GraphicsBottom *> bottoms = itemsOf<GraphicsBottom>(sheet);
        QCOMPARE(bottoms.size(), 2);
        QVERIFY(bottoms[1]->clampPanel() && bottoms[1]->clampPanel() != bottom->clampPanel());
        QCOMPARE(bottoms[1]->clampPanel()->name(), QString("K12N22"));
        QCOMPARE(bottoms[1]->clampPanel()->items().size(), 16);

        SchemeEditor other(1);
        other.view()->paste();
        const QList<GraphicsClamp *> elsewhere = itemsOf<GraphicsClamp>(*other.scheme());
        QCOMPARE(elsewhere.size(), 1);
        QCOMPARE(elsewhere[0]->obj(), nullptr);
        QCOMPARE(other.project()->findObj(ClampPanelKind, "12V21"), nullptr);
        QCOMPARE(boxTexts(rec), QStringList());
    }

    // In its place the panel is a strip with its name and type, green while
    // no clamp is used; on a wiring page each clamp shows its wires, the
    // third and fourth sharing the row 80 below the dot.
    void panelPictures()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        boundtest::TestScene frame(&project);
        schemetest::DeviceScheme sheet(&project);
        auto *panel = dynamic_cast<ClampPanel *>(project.createDevice(ClampPanelKind));
        panel->setModelAndStripType(0, 4);
        QVERIFY(panel->setName("12V21"));
        bool ok = false;
        placeDevice(frame, panel, parseClampPanelName("12V21", nullptr, &ok, nullptr));
        auto *placed = dynamic_cast<GraphicsPlaceItemClampPanel *>(panel->placeItem());
        QVERIFY(placed && !(placed->flags() & QGraphicsItem::ItemIsSelectable));
        boundtest::PaintRecorder idle;
        QCOMPARE(paint(&idle, placed, true)->shapes.size(), 0);
        QCOMPARE(penColours(*paint(&idle, placed, false)), QList<QColor>({penGreen.color()}));

        // Clamps "1" and "3", on side 1, each with four wires.
        for (int c = 0; c < 2; ++c) {
            auto *clamp = schemetest::put(sheet, new GraphicsClamp(&sheet), QPointF(400, 400 + 400 * c));
            clamp->setClamp(quint8(2 * c), "12V21");
            QCOMPARE(clamp->wiringPin(0)->linkCapacity(), 4);
            for (int i = 0; i < 2; ++i) {
                auto *device = schemetest::device(sheet, QPointF(800, 400 + 400 * i));
                device->setOwnName(QStringLiteral("R%1").arg(2 * c + i + 1));
                for (int p = 0; p < 2; ++p) {
                    device->wiringPin(p)->setName(p ? "2" : "1");
                    QVERIFY(clamp->wiringPin(0)->linkTo(device->wiringPin(p)));
                }
            }
        }
        boundtest::PaintRecorder used;
        paint(&used, placed, true);
        QCOMPARE(penColours(used), QList<QColor>({penBlack.color()}));
        QCOMPARE(used.texts, QStringList({"V21", "20"}));

        std::unique_ptr<GraphicsWiringItemDevice> wiring(panel->createWiringItem(&frame));
        QCOMPARE(wiring->type(), int(GraphicsWiringClampPanel::Type));
        QCOMPARE(panel->wiringItem(), wiring.get());
        boundtest::PaintRecorder page;
        paint(&page, wiring.get(), true);
        QVERIFY(page.texts.contains("V21"));
        // "1" at y = 120: rows 0, +40, -40, +80; "3" at y = 240, after a
        // clamp with four wires: rows 0, +40, +80, +80.
        QCOMPARE(page.texts.mid(page.texts.indexOf("1") + 1, 4), QStringList({"R1:1", "R1:2", "R2:1", "R2:2"}));
        const auto rowOf = [&page](const QString &text, const QString &from) {
            return page.textRects[page.texts.indexOf(text)].y() - page.textRects[page.texts.indexOf(from)].y();
        };
        QCOMPARE(rowOf("R2:1", "R1:1"), -40.0);
        QCOMPARE(rowOf("R2:2", "R1:1"), 80.0);
        QCOMPARE(page.texts.mid(page.texts.indexOf("3") + 1, 3), QStringList({"R3:1", "R3:2", "R4:1;R4:2"}));
        QCOMPARE(rowOf("R4:1;R4:2", "R3:1"), 80.0);
        // Dots by strip ("30" from the bottom up), all within the item's rect.
        const struct { int strip; QPointF first, last; } strips[] = {
            {9, {240, 1240.2}, {320, 82.68}}, {2, {240, 160}, {320, 1200}}, {8, {240, 100}, {320, 2500}}};
        for (const auto &strip : strips) {
            boundtest::PaintRecorder drawn;
            panel->setModelAndStripType(0, strip.strip);
            const auto dots = paint(&drawn, wiring.get(), true)->shapesOf("ellipse");
            QVERIFY(dots.first().bounds.center() == strip.first && dots.last().bounds.center() == strip.last);
            for (const auto &shape : drawn.shapes)
                QVERIFY(wiring->boundingRect().united(shape.bounds.normalized()) == wiring->boundingRect());
        }
        QCOMPARE(boxTexts(rec), QStringList());
    }
};

QTEST_MAIN(TestClamps)
#include "tst_clamps.moc"
