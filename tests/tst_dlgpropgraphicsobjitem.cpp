#include "graphics/dlgpropgraphicsobjitem.h"
#include "graphics/rlineedit.h"
#include "graphics/rvboxlayout.h"
#include "model/device.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

using namespace boundtest;

namespace {

// A kind's dialog built from the base's builders: the name row with its
// choose button, the find field, the table (name and item count), the
// object-name field and the three object buttons.
class TestDialog : public DlgPropGraphicsObjItem
{
public:
    TestDialog(GraphicsScene *scene, int kind, bool nameRequired)
        : DlgPropGraphicsObjItem(scene, kind, nameRequired)
    {
        auto *layout = new RVBoxLayout(this, 5, 5);
        auto *nameRow = new QHBoxLayout();
        createChoiseButton(nameRow, QStringLiteral("Name:"));
        layout->addLayout(nameRow);
        m_edFind = new RLineEdit(this, 50);
        layout->addWidget(m_edFind);
        m_objTable = new QTreeWidget(this);
        m_objTable->setColumnCount(2);
        layout->addWidget(m_objTable);
        createHLine(layout);
        m_edObjName = new QLineEdit(this);
        layout->addWidget(m_edObjName);
        auto *grid = new QGridLayout();
        createObjButtons(grid, this, 0);
        layout->addLayout(grid);
        initObjTable(true, true);
        addButtons(layout);
    }

    void loadFromItem(GraphicsItem *item) override
    {
        if (auto *bound = dynamic_cast<GraphicsObjItem *>(item))
            m_edName->setText(bound->name());
    }
    void saveToItem(GraphicsItem *item) override
    {
        applyObj(dynamic_cast<GraphicsObjItem *>(item));
        DlgPropGraphicsObjItem::saveToItem(item);
    }
    void saveObj(Obj *obj) override
    {
        saved << obj;
        if (auto *device = dynamic_cast<Device *>(obj))
            device->setModelIndex(modelIndex);
    }
    void fillObjRow(Obj *obj, QTreeWidgetItem *row) override
    {
        row->setText(0, obj->name());
        row->setText(1, QString::number(obj->items().size()));
    }
    void objSelected(Obj *obj, QTreeWidgetItem *) override { selected << obj; }

    QPushButton *button(const QString &text) const
    {
        const QList<QPushButton *> buttons = findChildren<QPushButton *>();
        for (QPushButton *b : buttons) {
            if (b->text() == text)
                return b;
        }
        return nullptr;
    }
    QTreeWidgetItem *row(const QString &name) const
    {
        const QList<QTreeWidgetItem *> found = objTable()->findItems(name, Qt::MatchExactly, 0);
        return found.isEmpty() ? nullptr : found.first();
    }
    void select(const QString &name) { selectTreeItem(objTable(), row(name)); }
    QStringList rowNames() const
    {
        QStringList names;
        for (int i = 0; i < objTable()->topLevelItemCount(); ++i)
            names << objTable()->topLevelItem(i)->text(0);
        return names;
    }

    QList<Obj *> saved;
    QList<Obj *> selected;
    int modelIndex = 0;
};

Obj *named(Project &project, int kind, const QString &name)
{
    Obj *obj = project.createDevice(kind);
    obj->setName(name);
    return obj;
}

} // namespace

class TestDlgPropGraphicsObjItem : public QObject
{
    Q_OBJECT

private slots:
    void tableOfTheKind()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        Obj *c1 = named(project, CapacitorKind, "C1");
        Obj *c3 = named(project, CapacitorKind, "C3");
        Obj *c2 = named(project, CapacitorKind, "C2");
        named(project, ResistorKind, "R1");
        TestDialog dialog(&scene, CapacitorKind, true);
        QCOMPARE(dialog.rowNames(), QStringList({"C1", "C2", "C3"}));
        // Rows keep their objects as whole pointers.
        QTreeWidgetItem *row = dialog.objTable()->topLevelItem(1);
        QCOMPARE(row->data(0, 35).metaType(), QMetaType::fromType<quintptr>());
        QCOMPARE(treeItemObj(row), c2);
        QCOMPARE(findTreeItemOfObj(dialog.objTable(), c3), dialog.objTable()->topLevelItem(2));
        QCOMPARE(findTreeItemOfObj(dialog.objTable(), nullptr), nullptr);
        setTreeItemObj(row, c1);
        QCOMPARE(treeItemObj(row), c1);
        QCOMPARE(treeItemObj(nullptr), nullptr);

        // The widgets the builders made.
        QVERIFY(dialog.edName());
        QCOMPARE(dialog.edName()->sizeHint().width(), 50);
        QPushButton *choose = dialog.button("V");
        QVERIFY(choose);
        QCOMPARE(choose->size(), QSize(25, 25));
        QVERIFY(dialog.button("Add") && dialog.button("Del") && dialog.button("Repl"));
        QCOMPARE(dialog.button("Add")->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        int lines = 0;
        const QList<QFrame *> frames = dialog.findChildren<QFrame *>();
        for (QFrame *frame : frames) {
            if (frame->frameShape() == QFrame::HLine && frame->frameShadow() == QFrame::Sunken) {
                ++lines;
                QCOMPARE(frame->maximumHeight(), 16);
            }
        }
        QCOMPARE(lines, 1);
        QCOMPARE(rec.count(), 0);
    }

    void choosing()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        Obj *c2 = named(project, CapacitorKind, "C2");
        named(project, CapacitorKind, "C1");
        TestDialog dialog(&scene, CapacitorKind, true);

        dialog.button("V")->click();
        QCOMPARE(rec.texts(), QStringList({"Need selected Capacitor !"}));
        QVERIFY(dialog.edName()->text().isEmpty());

        dialog.select("C2");
        QCOMPARE(dialog.selected, QList<Obj *>({c2}));
        dialog.button("V")->click();
        QCOMPARE(dialog.edName()->text(), QString("C2"));
        QCOMPARE(rec.count(), 1);
    }

    void addingObjects()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        named(project, CapacitorKind, "C1");
        TestDialog dialog(&scene, CapacitorKind, true);
        SignalCount appended(project, &Project::objAppend);

        dialog.button("Add")->click();
        dialog.edObjName()->setText("  C1 ");
        dialog.button("Add")->click();
        QCOMPARE(rec.texts(), QStringList({"Need enter object name!", "Object already exists!"}));
        QCOMPARE(appended.count(), 0);

        dialog.modelIndex = 4;
        dialog.edObjName()->setText(" C  7 ");
        dialog.button("Add")->click();
        Obj *added = project.findObj(CapacitorKind, "C 7");
        QVERIFY(added);
        QCOMPARE(appended.count(), 1);
        QCOMPARE(dialog.saved, QList<Obj *>({added}));
        QCOMPARE(static_cast<Device *>(added)->modelIndex(), 4);
        QCOMPARE(dialog.rowNames(), QStringList({"C1", "C 7"}));
        QCOMPARE(dialog.objTable()->selectedItems(), QList<QTreeWidgetItem *>({dialog.row("C 7")}));
        QCOMPARE(treeItemObj(dialog.row("C 7")), added);
        QCOMPARE(rec.count(), 2);
    }

    void renamingObjects()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        Obj *c1 = named(project, CapacitorKind, "C1");
        named(project, CapacitorKind, "C3");
        auto *item = addItem(scene, CapacitorItemType);
        QVERIFY(c1->appendItem(item));
        TestDialog dialog(&scene, CapacitorKind, true);

        dialog.edObjName()->setText("C1");
        dialog.button("Repl")->click();
        QCOMPARE(rec.texts(), QStringList({"Need selected Capacitor !"}));

        dialog.select("C1");
        dialog.edObjName()->clear();
        dialog.button("Repl")->click();
        QCOMPARE(rec.texts().last(), QString("Need enter object name!"));

        // Its own name: the fields are stored and the devices are due.
        project.clearChangeFlags();
        dialog.edObjName()->setText("C1");
        dialog.button("Repl")->click();
        QCOMPARE(dialog.saved, QList<Obj *>({c1}));
        QVERIFY(project.devicesChanged());
        QCOMPARE(c1->name(), QString("C1"));

        dialog.edObjName()->setText("C3");
        dialog.button("Repl")->click();
        QCOMPARE(rec.texts().last(), QString("Object already exists!"));
        QCOMPARE(c1->name(), QString("C1"));

        // A free name: the object and its item take it.
        dialog.edObjName()->setText("C9");
        dialog.button("Repl")->click();
        QCOMPARE(c1->name(), QString("C9"));
        QCOMPARE(item->name(), QString("C9"));
        QCOMPARE(item->ownName(), QString("C9"));
        QCOMPARE(dialog.row("C9"), findTreeItemOfObj(dialog.objTable(), c1));
        QVERIFY(dialog.row("C9")->isSelected());
        QCOMPARE(rec.count(), 3);
    }

    void deletingObjects()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        Obj *c1 = named(project, CapacitorKind, "C1");
        named(project, CapacitorKind, "C2");
        auto *item = addItem(scene, CapacitorItemType);
        QVERIFY(c1->appendItem(item));
        TestDialog dialog(&scene, CapacitorKind, true);
        SignalCount deleted(project, &Project::objDelete);

        dialog.button("Del")->click();
        QCOMPARE(rec.texts(), QStringList({"Need selected Capacitor !"}));

        // An object with items asks first; No keeps it.
        dialog.select("C1");
        rec.clickButton("&No");
        dialog.button("Del")->click();
        QCOMPARE(rec.shown.last().text, QString("Capacitor: `C1` have graphics children! Delete this object?"));
        QCOMPARE(rec.shown.last().defaultButton, QString("&No"));
        QCOMPARE(project.findObj(CapacitorKind, "C1"), c1);
        QCOMPARE(dialog.rowNames(), QStringList({"C1", "C2"}));

        rec.clickButton("&Yes");
        dialog.button("Del")->click();
        QCOMPARE(project.findObj(CapacitorKind, "C1"), nullptr);
        QCOMPARE(deleted.count(), 1);
        QCOMPARE(item->obj(), nullptr);
        QCOMPARE(dialog.rowNames(), QStringList({"C2"}));
        QVERIFY(dialog.row("C2")->isSelected());

        // Without items: no question.
        rec.clear();
        dialog.button("Del")->click();
        QCOMPARE(rec.count(), 0);
        QCOMPARE(project.findObj(CapacitorKind, "C2"), nullptr);
        QCOMPARE(dialog.objTable()->topLevelItemCount(), 0);

        // Its item reports the missing object in the next check.
        QTreeWidget results;
        scene.checkItems(&results, 0);
        QCOMPARE(results.topLevelItemCount(), 1);
        QCOMPARE(results.topLevelItem(0)->text(2), QString("Parent is absent"));
    }

    void deletingAWindingObjectTakesItsItem()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        auto *winding = addItem<TestWindingItem>(scene, WindingItemType);
        QVERIFY(named(project, RelayKind, "K1")->appendItem(winding));
        QVERIFY(winding->ownObj()->setName("K1-1"));
        auto *contact = addItem(scene, ContactItemType);
        contact->setName("K1-1");
        QCOMPARE(contact->obj(), winding->ownObj());

        // The table of a contact's dialog lists the windings' objects; such
        // an object is part of its winding item, which goes with it.
        TestDialog dialog(&scene, RelayWindingKind, false);
        QCOMPARE(dialog.rowNames(), QStringList({"K1-1"}));
        dialog.select("K1-1");
        rec.clickButton("&Yes");
        dialog.button("Del")->click();
        QCOMPARE(rec.count(), 1);
        QCOMPARE(contact->obj(), nullptr);
        QCOMPARE(scene.graphicsItems(), QList<GraphicsItem *>({contact}));
        QCOMPARE(project.findObj(RelayWindingKind, "K1-1"), nullptr);
        // The relay went with its last winding.
        QCOMPARE(project.findObj(RelayKind, "K1"), nullptr);
    }

    void okValidatesTheName()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        Obj *c1 = named(project, CapacitorKind, "C1");
        named(project, CapacitorKind, "C2");
        auto *item = addItem(scene, CapacitorItemType);
        QVERIFY(c1->appendItem(item));

        rec.handle([&](QDialog *shown) {
            auto *dialog = static_cast<TestDialog *>(shown);
            QCOMPARE(dialog->edName()->text(), QString("C1"));
            dialog->edName()->clear();
            dialog->button("Ok")->click();
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
            dialog->edName()->setText("C2");
            dialog->button("Ok")->click();
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
            // The item's own object's name is accepted.
            dialog->edName()->setText(" C1 ");
            dialog->button("Ok")->click();
        });
        TestDialog dialog(&scene, CapacitorKind, true);
        QCOMPARE(dialog.execDialog(item, CapacitorItemType), item);
        QCOMPARE(rec.texts().mid(1), QStringList({"Need enter object name!", "Object already exists!"}));
        QCOMPARE(item->obj(), c1);
        QCOMPARE(dialog.saved, QList<Obj *>({c1}));

        // Without the requirement anything goes.
        TestDialog free(&scene, CapacitorKind, false);
        free.button("Ok")->click();
        QCOMPARE(free.result(), int(QDialog::Accepted));
    }

    void newItemGetsANewObject()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        SignalCount appended(project, &Project::objAppend);
        project.clearChangeFlags();
        rec.handle([](QDialog *shown) {
            auto *dialog = static_cast<TestDialog *>(shown);
            dialog->edName()->setText("C5");
            dialog->button("Ok")->click();
        });
        TestDialog dialog(&scene, CapacitorKind, true);
        dialog.modelIndex = 3;
        auto *item = dynamic_cast<GraphicsObjItem *>(dialog.execDialog(nullptr, CapacitorItemType));
        QVERIFY(item);
        std::unique_ptr<GraphicsItem> owner(item);
        Obj *c5 = project.findObj(CapacitorKind, "C5");
        QVERIFY(c5);
        QCOMPARE(item->obj(), c5);
        QCOMPARE(item->name(), QString("C5"));
        QCOMPARE(static_cast<Device *>(c5)->modelIndex(), 3);
        QCOMPARE(appended.count(), 1);
        QVERIFY(project.devicesChanged());
        QCOMPARE(rec.count(), 1);

        // Cancel makes nothing.
        rec.reject();
        TestDialog cancelled(&scene, CapacitorKind, true);
        QCOMPARE(cancelled.execDialog(nullptr, CapacitorItemType), nullptr);
        QCOMPARE(appended.count(), 1);
    }

    void editingRenamesTheObject()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        Obj *c1 = named(project, CapacitorKind, "C1");
        auto *item = addItem(scene, CapacitorItemType);
        QVERIFY(c1->appendItem(item));
        rec.handle([](QDialog *shown) {
            auto *dialog = static_cast<TestDialog *>(shown);
            dialog->edName()->setText("C6");
            dialog->button("Ok")->click();
        });
        TestDialog dialog(&scene, CapacitorKind, true);
        dialog.modelIndex = 8;
        QCOMPARE(dialog.execDialog(item, CapacitorItemType), item);
        QCOMPARE(item->obj(), c1);
        QCOMPARE(c1->name(), QString("C6"));
        QCOMPARE(static_cast<Device *>(c1)->modelIndex(), 8);
        QCOMPARE(rec.count(), 1);
    }

    void deletingTheItemsOwnObjectThenOk()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        Obj *c1 = named(project, CapacitorKind, "C1");
        auto *item = addItem(scene, CapacitorItemType);
        QVERIFY(c1->appendItem(item));
        rec.handle([](QDialog *shown) {
            auto *dialog = static_cast<TestDialog *>(shown);
            dialog->select("C1");
            dialog->button("Del")->click();
            dialog->button("Ok")->click();
        });
        rec.clickButton("&Yes");
        TestDialog dialog(&scene, CapacitorKind, true);
        dialog.modelIndex = 2;
        QCOMPARE(dialog.execDialog(item, CapacitorItemType), item);
        // The item is treated as new: a capacitor is made, bound and named.
        Obj *made = project.findObj(CapacitorKind, "C1");
        QVERIFY(made);
        QCOMPARE(item->obj(), made);
        QCOMPARE(made->items().size(), 1);
        QCOMPARE(static_cast<Device *>(made)->modelIndex(), 2);
        // The dialog and the question; no failed check.
        QCOMPARE(rec.count(), 2);

        // The same for an item that shares its object.
        Obj *b1 = named(project, BlockKind, "B1");
        auto *block = addItem(scene, BlockItemType);
        QVERIFY(b1->appendItem(block));
        rec.clear();
        rec.handle([](QDialog *shown) {
            auto *dialog = static_cast<TestDialog *>(shown);
            dialog->select("B1");
            dialog->button("Del")->click();
            dialog->button("Ok")->click();
        });
        rec.clickButton("&Yes");
        TestDialog shared(&scene, BlockKind, false);
        QCOMPARE(shared.execDialog(block, BlockItemType), block);
        QVERIFY(block->obj());
        QCOMPARE(block->obj(), project.findObj(BlockKind, "B1"));
        QCOMPARE(rec.count(), 2);
    }

    void doubleClickChoosesAndCloses()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        named(project, BlockKind, "B1");
        Obj *b2 = named(project, BlockKind, "B2");
        rec.handle([](QDialog *shown) {
            auto *dialog = static_cast<TestDialog *>(shown);
            QTreeWidgetItem *row = dialog->row("B2");
            emit dialog->objTable()->itemDoubleClicked(row, 0);
        });
        TestDialog dialog(&scene, BlockKind, false);
        auto *item = dynamic_cast<GraphicsObjItem *>(dialog.execDialog(nullptr, BlockItemType));
        QVERIFY(item);
        std::unique_ptr<GraphicsItem> owner(item);
        // A shared kind: the new item joins the chosen block.
        QCOMPARE(item->obj(), b2);
        QCOMPARE(b2->items().size(), 1);
        QCOMPARE(rec.count(), 1);
    }

    void findFieldSelectsByPrefix()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        named(project, BlockKind, "A1");
        Obj *b10 = named(project, BlockKind, "B10");
        named(project, BlockKind, "B2");
        TestDialog dialog(&scene, BlockKind, false);
        QTest::keyClicks(dialog.edFind(), "B");
        QCOMPARE(dialog.objTable()->selectedItems(), QList<QTreeWidgetItem *>({dialog.row("B10")}));
        QCOMPARE(dialog.selected.last(), b10);
        QTest::keyClicks(dialog.edFind(), "2");
        QCOMPARE(dialog.objTable()->selectedItems(), QList<QTreeWidgetItem *>({dialog.row("B2")}));
        QTest::keyClick(dialog.edFind(), Qt::Key_Backspace);
        QTest::keyClick(dialog.edFind(), Qt::Key_Backspace);
        QTest::keyClicks(dialog.edFind(), "C");
        QVERIFY(dialog.objTable()->selectedItems().isEmpty());
        QTest::keyClick(dialog.edFind(), Qt::Key_Backspace);
        QTest::keyClicks(dialog.edFind(), "A");
        QCOMPARE(dialog.objTable()->selectedItems(), QList<QTreeWidgetItem *>({dialog.row("A1")}));
        QCOMPARE(rec.count(), 0);
    }

    void graphicsNames()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        TestDialog dialog(&scene, SourceKind, false);
        dialog.edName()->setText("   ");
        dialog.checkGraphicsName(SourceKind);
        QCOMPARE(rec.texts(), QStringList({"Need enter graphics Source name!"}));
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        dialog.edName()->setText("S1");
        dialog.checkGraphicsName(SourceKind);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void itemsBoundByNameGetNoObject()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        auto *panel = addItem(scene, PanelItemType);
        TestDialog dialog(&scene, MeasuringPanelKind, false);
        dialog.edName()->setText("P1");
        dialog.applyObj(panel);
        QCOMPARE(panel->obj(), nullptr);
        QCOMPARE(panel->ownName(), QString("P1"));
        QCOMPARE(project.findObj(MeasuringPanelKind, "P1"), nullptr);
        Obj *p1 = named(project, MeasuringPanelKind, "P1");
        dialog.applyObj(panel);
        QCOMPARE(panel->obj(), p1);
        QCOMPARE(rec.count(), 0);
    }

    void ownedItemOnAnObjectThatRefusesIt()
    {
        ModalRecorder rec;
        Project project(nullptr, nullptr);
        TestScene scene(&project);
        Obj *c1 = named(project, CapacitorKind, "C1");
        QVERIFY(c1->appendItem(addItem(scene, CapacitorItemType)));
        auto *item = addItem(scene, CapacitorItemType);
        TestDialog dialog(&scene, CapacitorKind, false);
        dialog.edName()->setText("C1");
        dialog.applyObj(item);
        QVERIFY(item->obj());
        QVERIFY(item->obj() != c1);
        QCOMPARE(item->name(), QString("C1?"));
        QCOMPARE(rec.count(), 0);
    }
};

QTEST_MAIN(TestDlgPropGraphicsObjItem)
#include "tst_dlgpropgraphicsobjitem.moc"
