#include "app/checkmessagegraphicsitem.h"
#include "app/dlgcheckproject.h"
#include "app/listcheckmessages.h"
#include "app/mainwindow.h"
#include "devices/dlgproprelay.h"
#include "devices/graphicscontact.h"
#include "devices/graphicsrelaywinding.h"
#include "devices/pushbuttonrelaywinding.h"
#include "devices/relay.h"
#include "graphics/font.h"
#include "graphics/graphicsedit.h"
#include "graphics/graphicstext.h"
#include "graphics/rlineedit.h"
#include "graphics/sceneitem.h"
#include "model/checkmessage.h"
#include "model/project.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/modalrecorder.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>

namespace {

// Runs New with its dialog accepted unchanged.
void newProject(MainWindow &w, ModalRecorder &recorder)
{
    recorder.handle(pressOk);
    w.action(0)->trigger();
}

QTabWidget *tabs(MainWindow &w)
{
    return qobject_cast<QTabWidget *>(w.centralWidget());
}

GraphicsEdit *currentView(MainWindow &w)
{
    return qobject_cast<GraphicsEdit *>(tabs(w)->currentWidget());
}

SchemeGroup *addGroup(Project &p, int atr)
{
    auto *group = new SchemeGroup(&p);
    group->setAtrNumber(atr);
    p.schemes()->appendItem(group);
    return group;
}

Scheme *addScheme(SchemeGroup *group, int number, const QString &name)
{
    auto *scheme = new Scheme(group->project());
    scheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);
    scheme->setName(name);
    scheme->setNumber(number);
    group->appendItem(scheme);
    return scheme;
}

// A winding of the first relay type placed as its dialog places it.
GraphicsRelayWinding *placeWinding(Scheme *sheet, const QString &relay, const QString &winding, QPointF at)
{
    DlgPropRelay dialog(sheet);
    dialog.edName()->setText(relay);
    dialog.edWindingName()->setText(winding);
    dialog.selectTreeItem(dialog.typeTree(), dialog.typeTree()->topLevelItem(0));
    dialog.selectTreeItem(dialog.windingTree(), dialog.windingTree()->topLevelItem(0));
    dialog.pictureButton(0)->setChecked(true);
    auto *item = dynamic_cast<GraphicsRelayWinding *>(sheet->createItem(GraphicsRelayWinding::Type));
    if (!item)
        return nullptr;
    dialog.saveToItem(item);
    sheet->addGraphicsItem(item);
    item->setPos(at);
    return item;
}

// A make contact (kind 7) of a winding, bound by its name when it can be.
GraphicsContact *placeContact(Scheme *sheet, const QString &name, int number, QPointF at)
{
    auto *item = dynamic_cast<GraphicsContact *>(sheet->createItem(GraphicsContact::Type));
    if (!item)
        return nullptr;
    item->setContactKind(7);
    item->setContactNumber(quint8(number));
    item->setName(name);
    sheet->addGraphicsItem(item);
    item->setPos(at);
    return item;
}

GraphicsText *placeText(Scheme *sheet, const QString &text, QPointF at)
{
    auto *item = dynamic_cast<GraphicsText *>(sheet->createItem(GraphicsText::Type));
    if (!item)
        return nullptr;
    item->setText(text);
    sheet->addGraphicsItem(item);
    item->setPos(at);
    return item;
}

// Two schemes in two groups with relays, contacts and texts. The contacts
// K9 (on one), K77 and K5 (on two) have no winding of their name.
struct Plant
{
    explicit Plant(Project &project)
        : p(project)
    {
        first = addGroup(p, 1);
        second = addGroup(p, 2);
        one = addScheme(first, 1, "supply");
        two = addScheme(second, 1, "signals");
        k1 = placeWinding(one, "K1", "K1", QPointF(400, 400));
        k12 = placeWinding(one, "K12", "K12", QPointF(400, 1200));
        k9 = placeContact(one, "K9", 0, QPointF(3600, 2400));
        note = placeText(one, "K1 coil", QPointF(800, 400));
        k1Contact = placeContact(two, "K1", 0, QPointF(400, 400));
        k77 = placeContact(two, "K77", 0, QPointF(3600, 2400));
        k5 = placeContact(two, "K5", 0, QPointF(1200, 2000));
        hint = placeText(two, "see K12", QPointF(800, 800));
    }

    Project &p;
    SchemeGroup *first;
    SchemeGroup *second;
    Scheme *one;
    Scheme *two;
    GraphicsRelayWinding *k1;
    GraphicsRelayWinding *k12;
    GraphicsContact *k9;
    GraphicsText *note;
    GraphicsContact *k1Contact;
    GraphicsContact *k77;
    GraphicsContact *k5;
    GraphicsText *hint;
};

QStringList rowTexts(QTreeWidget *list, int column)
{
    QStringList texts;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        texts << list->topLevelItem(i)->text(column);
    return texts;
}

QTreeWidgetItem *rowNamed(QTreeWidget *list, const QString &name)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->text(CheckMessage::NameColumn) == name)
            return list->topLevelItem(i);
    }
    return nullptr;
}

// Activates a row as the user does: made current, then Enter.
void activateByKey(QTreeWidget *list, QTreeWidgetItem *row)
{
    list->setCurrentItem(row);
    QTest::keyClick(list, Qt::Key_Return);
}

void activateByDoubleClick(QTreeWidget *list, QTreeWidgetItem *row)
{
    const QPoint at = list->visualItemRect(row).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

bool shownInView(GraphicsEdit *view, GraphicsItem *item)
{
    const QRectF visible = view->mapToScene(view->viewport()->rect()).boundingRect();
    return visible.intersects(item->sceneBoundingRect());
}

// Opens the check window from its command and ticks the boxes given.
DlgCheckProject *openCheck(MainWindow &w, bool parents, bool addresses)
{
    w.action(32)->trigger();
    DlgCheckProject *dialog = w.dlgCheckProject();
    if (!dialog)
        return nullptr;
    if (dialog->checkBoxes()[0]->isChecked() != parents)
        dialog->checkBoxes()[0]->click();
    if (dialog->checkBoxes()[1]->isChecked() != addresses)
        dialog->checkBoxes()[1]->click();
    return dialog;
}

// The screen fonts for tests without a main window (which has its own).
struct ScreenFonts
{
    ScreenFonts() { createScreenFonts(); }
    ~ScreenFonts() { deleteFonts(); }
};

} // namespace

class TestDlgCheckProject : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Scheme::registerItemTypes(); }

    void theWindowAndItsList()
    {
        ModalRecorder rec;
        MainWindow w;
        QVERIFY(!w.action(32)->isEnabled());
        newProject(w, rec);
        QVERIFY(w.action(32)->isEnabled());
        QVERIFY(!w.dlgCheckProject());

        w.action(32)->trigger();
        DlgCheckProject *dialog = w.dlgCheckProject();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->parentWidget(), &w);
        QCOMPARE(dialog->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QCOMPARE(dialog->windowTitle(), QString("Check project"));
        QCOMPARE(dialog->checkBoxes().size(), 2);
        QCOMPARE(dialog->checkBoxes()[0]->text(), QString("Check parent for graphics item"));
        QCOMPARE(dialog->checkBoxes()[1]->text(), QString("Check object address"));
        QVERIFY(!dialog->checkBoxes()[0]->isChecked());
        QVERIFY(!dialog->checkBoxes()[1]->isChecked());
        QCOMPARE(dialog->runButton()->text(), QString("Run"));
        QCOMPARE(dialog->project(), w.project());

        ListCheckMessages *list = dialog->list();
        QCOMPARE(list->columnCount(), 3);
        QTreeWidgetItem *header = list->headerItem();
        QCOMPARE(header->text(0), QString("Scheme"));
        QCOMPARE(header->text(1), QString("Name"));
        QCOMPARE(header->text(2), QString("Message"));
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(list->minimumSize(), QSize(600, 400));
        QVERIFY(list->isSortingEnabled());
        QCOMPARE(list->project(), w.project());

        // The same window on every later use.
        w.action(32)->trigger();
        QCOMPARE(w.dlgCheckProject(), dialog);
        QCOMPARE(rec.count(), 1);
    }

    void redRowsForItemsWithoutParent()
    {
        ModalRecorder rec;
        MainWindow w;
        newProject(w, rec);
        rec.clear();
        Plant plant(*w.project());
        DlgCheckProject *dialog = openCheck(w, true, false);
        QVERIFY(dialog);
        ListCheckMessages *list = dialog->list();

        QTest::mouseClick(dialog->runButton(), Qt::LeftButton);
        QCOMPARE(list->topLevelItemCount(), 3);
        // Sorted by the sheet: the first group's scheme first.
        QCOMPARE(rowTexts(list, 0),
                 QStringList({plant.one->displayName(), plant.two->displayName(), plant.two->displayName()}));
        QCOMPARE(rowTexts(list, 1)[0], QString("K9"));
        QStringList onTwo = rowTexts(list, 1).mid(1);
        onTwo.sort();
        QCOMPARE(onTwo, QStringList({"K5", "K77"}));
        QCOMPARE(rowTexts(list, 2), QStringList(3, "Parent is absent"));
        for (int i = 0; i < 3; ++i) {
            for (int column = 0; column < 3; ++column)
                QCOMPARE(list->topLevelItem(i)->foreground(column).color(), QColor(Qt::red));
        }
        auto *row = dynamic_cast<CheckMessageGraphicsItem *>(rowNamed(list, "K77"));
        QVERIFY(row);
        QCOMPARE(row->graphicsItem(), plant.k77);
        QCOMPARE(row->graphicsScene(), plant.two);

        // Running again gives the same rows, not twice as many.
        QTest::mouseClick(dialog->runButton(), Qt::LeftButton);
        QCOMPARE(list->topLevelItemCount(), 3);

        // A contact that finds its winding again is no longer reported.
        placeWinding(plant.two, "K5", "K5", QPointF(2400, 400));
        plant.k5->rebindByName();
        QVERIFY(plant.k5->obj());
        QTest::mouseClick(dialog->runButton(), Qt::LeftButton);
        QCOMPARE(list->topLevelItemCount(), 2);
        QVERIFY(!rowNamed(list, "K5"));
        QCOMPARE(rec.count(), 0);
    }

    void theOtherChecksAddNothing()
    {
        ModalRecorder rec;
        MainWindow w;
        newProject(w, rec);
        rec.clear();
        Plant plant(*w.project());
        DlgCheckProject *dialog = openCheck(w, true, false);
        dialog->runButton()->click();
        QCOMPARE(dialog->list()->topLevelItemCount(), 3);

        // Only the address check: no item answers it.
        dialog->checkBoxes()[0]->click();
        dialog->checkBoxes()[1]->click();
        dialog->runButton()->click();
        QCOMPARE(dialog->list()->topLevelItemCount(), 0);

        // Both: the parent rows once.
        dialog->checkBoxes()[0]->click();
        dialog->runButton()->click();
        QCOMPARE(dialog->list()->topLevelItemCount(), 3);

        // None: the list is only cleared.
        dialog->checkBoxes()[0]->click();
        dialog->checkBoxes()[1]->click();
        dialog->runButton()->click();
        QCOMPARE(dialog->list()->topLevelItemCount(), 0);
        QCOMPARE(rec.count(), 0);
    }

    void activatingARowOpensTheSheetAtTheItem()
    {
        ModalRecorder rec;
        MainWindow w;
        w.show();
        newProject(w, rec);
        rec.clear();
        Plant plant(*w.project());
        DlgCheckProject *dialog = openCheck(w, true, false);
        ListCheckMessages *list = dialog->list();
        dialog->runButton()->click();
        QCOMPARE(tabs(w)->count(), 0);

        // Something selected before is deselected.
        plant.hint->setSelected(true);
        // Enter opens the row and leaves the list as it was (a marked row
        // is still there: the check did not run again).
        rowNamed(list, "K77")->setData(0, Qt::UserRole, 42);
        activateByKey(list, rowNamed(list, "K77"));
        QCOMPARE(list->topLevelItemCount(), 3);
        QCOMPARE(rowNamed(list, "K77")->data(0, Qt::UserRole).toInt(), 42);
        QCOMPARE(tabs(w)->count(), 1);
        GraphicsEdit *view = currentView(w);
        QVERIFY(qobject_cast<SchemeEdit *>(view));
        QCOMPARE(view->graphicsScene(), plant.two);
        QVERIFY(plant.k77->isSelected());
        QVERIFY(!plant.hint->isSelected());
        QCOMPARE(plant.two->selectedGraphicsItems(), QList<GraphicsItem *>({plant.k77}));
        QVERIFY(shownInView(view, plant.k77));

        // The other sheet gets a tab of its own, in front.
        activateByDoubleClick(list, rowNamed(list, "K9"));
        QCOMPARE(tabs(w)->count(), 2);
        QCOMPARE(tabs(w)->currentIndex(), 0);
        QCOMPARE(currentView(w)->graphicsScene(), plant.one);
        QVERIFY(plant.k9->isSelected());
        QVERIFY(shownInView(currentView(w), plant.k9));

        // Back to the first sheet: its tab is reused.
        activateByKey(list, rowNamed(list, "K5"));
        QCOMPARE(tabs(w)->count(), 2);
        QCOMPARE(currentView(w)->graphicsScene(), plant.two);
        QCOMPARE(plant.two->selectedGraphicsItems(), QList<GraphicsItem *>({plant.k5}));
        QCOMPARE(rec.count(), 0);
    }

    void rowsOfDeletedItemsAndSheetsDoNothing()
    {
        ModalRecorder rec;
        MainWindow w;
        newProject(w, rec);
        rec.clear();
        Plant plant(*w.project());
        DlgCheckProject *dialog = openCheck(w, true, false);
        ListCheckMessages *list = dialog->list();
        dialog->runButton()->click();
        QCOMPARE(list->topLevelItemCount(), 3);
        auto *k77Row = dynamic_cast<CheckMessageGraphicsItem *>(rowNamed(list, "K77"));
        auto *k9Row = dynamic_cast<CheckMessageGraphicsItem *>(rowNamed(list, "K9"));
        QVERIFY(k77Row && k9Row);

        // Taken off the sheet (its deletion still pending), then deleted.
        QVERIFY(plant.two->removeGraphicsItem(plant.k77));
        QVERIFY(!k77Row->liveItem());
        activateByKey(list, k77Row);
        QCOMPARE(tabs(w)->count(), 0);
        QCoreApplication::processEvents();
        QVERIFY(plant.two->pendingDeletes().isEmpty());
        activateByKey(list, k77Row);
        QCOMPARE(tabs(w)->count(), 0);

        // The scheme deleted from the project tree: the row loses its sheet.
        QVERIFY(k9Row->liveItem());
        w.project()->setCurrentItem(plant.one->sceneItem());
        QVERIFY(w.action(48)->isEnabled());
        w.action(48)->trigger();
        QVERIFY(plant.first->itemList().isEmpty());
        QCOMPARE(k9Row->graphicsScene(), nullptr);
        QVERIFY(!k9Row->liveItem());
        activateByDoubleClick(list, k9Row);
        QCOMPARE(tabs(w)->count(), 0);

        // The rows still standing work.
        activateByKey(list, rowNamed(list, "K5"));
        QCOMPARE(tabs(w)->count(), 1);
        QVERIFY(plant.k5->isSelected());
        QCOMPARE(rec.count(), 0);
    }

    void aSheetOutsideTheProjectIsNotOpened()
    {
        ModalRecorder rec;
        MainWindow w;
        newProject(w, rec);
        rec.clear();
        DlgCheckProject *dialog = openCheck(w, true, false);
        ListCheckMessages *list = dialog->list();
        // A sheet of the project that belongs to no scheme group.
        Scheme lone(w.project());
        GraphicsContact *stray = placeContact(&lone, "K3", 0, QPointF(400, 400));
        QVERIFY(stray);
        stray->check(list, 0);
        QCOMPARE(list->topLevelItemCount(), 1);
        activateByKey(list, list->topLevelItem(0));
        QCOMPARE(tabs(w)->count(), 0);
        QVERIFY(!stray->isSelected());
        QCOMPARE(rec.count(), 0);
        list->clear();
    }

    void closingTheProjectDropsTheRows()
    {
        ModalRecorder rec;
        MainWindow w;
        newProject(w, rec);
        rec.clear();
        Plant plant(*w.project());
        DlgCheckProject *dialog = openCheck(w, true, false);
        dialog->runButton()->click();
        QCOMPARE(dialog->list()->topLevelItemCount(), 3);

        rec.clickButton("&No");
        w.action(6)->trigger();
        QVERIFY(!w.project());
        QCOMPARE(rec.texts().size(), 1); // "Save project %1?"
        QCOMPARE(dialog->project(), nullptr);
        QCOMPARE(dialog->list()->project(), nullptr);
        QCOMPARE(dialog->list()->topLevelItemCount(), 0);
        QVERIFY(!w.action(32)->isEnabled());
        QVERIFY(!w.action(22)->isEnabled());

        // Without a project "Run" only clears the list.
        dialog->runButton()->click();
        QCOMPARE(dialog->list()->topLevelItemCount(), 0);

        // Another project is handed over when the command runs again.
        rec.clear();
        newProject(w, rec);
        QCOMPARE(dialog->project(), nullptr);
        w.action(32)->trigger();
        QCOMPARE(dialog->project(), w.project());
        dialog->runButton()->click();
        QCOMPARE(dialog->list()->topLevelItemCount(), 0);
        QCOMPARE(rec.count(), 1);
    }

    void aProjectGoneBehindTheListsBack()
    {
        ModalRecorder rec;
        ScreenFonts fonts;
        DlgCheckProject dialog(nullptr);
        auto project = std::make_unique<Project>(nullptr, nullptr);
        Plant plant(*project);
        dialog.setProject(project.get());
        dialog.checkBoxes()[0]->click();
        dialog.runButton()->click();
        QCOMPARE(dialog.list()->topLevelItemCount(), 3);
        QTreeWidgetItem *row = dialog.list()->topLevelItem(0);

        project.reset();
        QCOMPARE(dialog.project(), nullptr);
        QCOMPARE(dialog.list()->project(), nullptr);
        activateByKey(dialog.list(), row);
        dialog.runButton()->click();
        QCOMPARE(dialog.list()->topLevelItemCount(), 0);
        QCOMPARE(rec.count(), 0);
    }

    void rowsOfTheirOwn()
    {
        ModalRecorder rec;
        ScreenFonts fonts;
        Project project(nullptr, nullptr);
        Plant plant(project);
        ListCheckMessages list(nullptr);
        list.setProject(&project);

        // A plain note keeps the default colours and does nothing.
        auto *note = new CheckMessage(&list, CheckMessage::Note);
        note->setText(CheckMessage::MessageColumn, "note");
        QVERIFY(note->foreground(2).style() == Qt::NoBrush);
        activateByKey(&list, note);

        // A row of a bound item names its object.
        auto *bound = new CheckMessageGraphicsItem(&list, CheckMessage::Note, plant.k1Contact);
        QCOMPARE(bound->text(0), plant.two->displayName());
        QCOMPARE(bound->text(1), QString("K1"));
        QVERIFY(bound->foreground(0).style() == Qt::NoBrush);
        // A text names nothing.
        auto *text = new CheckMessageGraphicsItem(&list, CheckMessage::Error, plant.note);
        QCOMPARE(text->text(1), QString());
        // Without an item: nothing to open.
        auto *empty = new CheckMessageGraphicsItem(&list, CheckMessage::Error, nullptr);
        QCOMPARE(empty->text(0), QString());
        QCOMPARE(empty->graphicsScene(), nullptr);
        activateByKey(&list, empty);
        QCOMPARE(rec.count(), 0);

        // The same project keeps the rows; another one drops them.
        list.setProject(&project);
        QCOMPARE(list.topLevelItemCount(), 4);
        Project other(nullptr, nullptr);
        list.setProject(&other);
        QCOMPARE(list.topLevelItemCount(), 0);
    }
};

QTEST_MAIN(TestDlgCheckProject)
#include "tst_dlgcheckproject.moc"
