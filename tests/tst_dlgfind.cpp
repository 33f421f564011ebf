#include "app/dlgfind.h"
#include "app/mainwindow.h"
#include "devices/dlgproprelay.h"
#include "devices/fuse.h"
#include "devices/graphicsfuse.h"
#include "devices/graphicscontact.h"
#include "devices/graphicsrelaywinding.h"
#include "devices/pushbuttonrelaywinding.h"
#include "devices/relay.h"
#include "graphics/font.h"
#include "graphics/graphicsedit.h"
#include "graphics/graphicstext.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "graphics/sceneitem.h"
#include "model/project.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
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

// A winding of the first relay type (or the first of two windings) placed as its dialog places it.
GraphicsRelayWinding *placeWinding(Scheme *sheet, const QString &relay, const QString &winding, QPointF at,
                                   int windingRow = -1)
{
    DlgPropRelay dialog(sheet);
    dialog.edName()->setText(relay);
    dialog.edWindingName()->setText(winding);
    for (int row = 0; row < dialog.typeTree()->topLevelItemCount(); ++row) {
        dialog.selectTreeItem(dialog.typeTree(), dialog.typeTree()->topLevelItem(row));
        if (windingRow < 0 || dialog.windingTree()->topLevelItemCount() > 1)
            break;
    }
    dialog.selectTreeItem(dialog.windingTree(), dialog.windingTree()->topLevelItem(qMax(windingRow, 0)));
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

// An item that owns its object (one capacitor per item), bound to a new
// capacitor of the name.
boundtest::TestDeviceItem *placeCapacitor(Scheme *sheet, const QString &name, QPointF at)
{
    auto *item = new boundtest::TestDeviceItem(sheet, boundtest::CapacitorItemType, GraphicsObjItem::BindOwned,
                                               CapacitorKind);
    Obj *capacitor = sheet->project()->createDevice(CapacitorKind);
    if (!capacitor || !capacitor->setName(name) || !capacitor->appendItem(item)) {
        delete item;
        return nullptr;
    }
    sheet->addGraphicsItem(item);
    item->setPos(at);
    return item;
}

// Two schemes in two groups with relays, contacts and texts. The first
// scheme shows the windings K1 and K12, a contact K9 of no winding and a
// text; the second the contacts of K1 and K12, two contacts K5 whose
// winding is not drawn yet, and a text.
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
        note = placeText(one, "K1 coil", QPointF(1200, 400));
        k1Contact = placeContact(two, "K1", 0, QPointF(400, 400));
        k12Contact = placeContact(two, "K12", 0, QPointF(400, 1200));
        k5 = placeContact(two, "K5", 0, QPointF(3200, 2000));
        k5b = placeContact(two, "K5", 1, QPointF(3600, 2000));
        hint = placeText(two, "see K12", QPointF(1200, 800));
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
    GraphicsContact *k12Contact;
    GraphicsContact *k5;
    GraphicsContact *k5b;
    GraphicsText *hint;
};

// Types a text into a combo's field as the user does.
void type(QComboBox *combo, const QString &text)
{
    combo->lineEdit()->clear();
    QTest::keyClicks(combo->lineEdit(), text);
}

// Clicks a button; a check box on its box, at the left.
void click(QAbstractButton *button)
{
    if (qobject_cast<QCheckBox *>(button))
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(button->height() / 2, button->height() / 2));
    else
        QTest::mouseClick(button, Qt::LeftButton);
}

QStringList comboTexts(QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}

bool shownInView(GraphicsEdit *view, GraphicsItem *item)
{
    const QRectF visible = view->mapToScene(view->viewport()->rect()).boundingRect();
    return visible.intersects(item->sceneBoundingRect());
}

const QString listIsEmpty = QStringLiteral("List is empty!");

// A main window with a new project holding the plant, and the find window
// opened from its command.
struct Session
{
    Session()
    {
        w.show();
        newProject(w, rec);
        plant = std::make_unique<Plant>(*w.project());
        w.action(22)->trigger();
        dialog = w.dlgFind();
        rec.clear();
    }

    ModalRecorder rec;
    MainWindow w;
    std::unique_ptr<Plant> plant;
    DlgFind *dialog = nullptr;
};

} // namespace

class TestDlgFind : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Scheme::registerItemTypes(); }

    void theWindow()
    {
        ModalRecorder rec;
        MainWindow w;
        w.show();
        QVERIFY(!w.action(22)->isEnabled());
        newProject(w, rec);
        QVERIFY(w.action(22)->isEnabled());
        QVERIFY(!w.dlgFind());
        w.action(22)->trigger();
        DlgFind *dialog = w.dlgFind();
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->parentWidget(), &w);
        QCOMPARE(dialog->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
        QCOMPARE(dialog->windowTitle(), QString("Find"));
        QCOMPARE(dialog->project(), w.project());
        QCOMPARE(dialog->scene(), nullptr);

        QVERIFY(dialog->findCombo()->isEditable());
        QVERIFY(dialog->replaceCombo()->isEditable());
        QCOMPARE(comboTexts(dialog->scopeCombo()), QStringList({"Selection", "Current scheme", "All project"}));
        QCOMPARE(dialog->scopeCombo()->currentIndex(), 2);
        QCOMPARE(dialog->matchCaseBox()->text(), QString("Match case"));
        QCOMPARE(dialog->wholeWordBox()->text(), QString("Match whole word"));
        QCOMPARE(dialog->findInTextBox()->text(), QString("Find in text"));
        QVERIFY(!dialog->matchCaseBox()->isChecked());
        QVERIFY(!dialog->wholeWordBox()->isChecked());
        QVERIFY(!dialog->findInTextBox()->isChecked());

        // The grid as the user sees it.
        auto *grid = qobject_cast<QGridLayout *>(dialog->layout()->itemAt(0)->layout());
        QVERIFY(grid);
        auto at = [grid](QWidget *widget) {
            int row = -1, column = -1, rows = 0, columns = 0;
            grid->getItemPosition(grid->indexOf(widget), &row, &column, &rows, &columns);
            return QList<int>({row, column, columns});
        };
        QCOMPARE(at(dialog->findCombo()), QList<int>({0, 1, 1}));
        QCOMPARE(at(dialog->replaceCombo()), QList<int>({1, 1, 1}));
        QCOMPARE(at(dialog->scopeCombo()), QList<int>({2, 1, 1}));
        QCOMPARE(at(dialog->matchCaseBox()), QList<int>({3, 0, 2}));
        QCOMPARE(at(dialog->wholeWordBox()), QList<int>({4, 0, 2}));
        QCOMPARE(at(dialog->findInTextBox()), QList<int>({5, 0, 2}));
        const QList<QPushButton *> buttons = {dialog->findButton(), dialog->replaceButton(),
                                              dialog->replaceAllButton(), dialog->findParentButton(),
                                              dialog->findParentAllButton()};
        const QStringList buttonTexts = {"Find next", "Replace", "Replace All", "Find parent", "Find all parents"};
        const QList<int> buttonRows = {0, 1, 2, 4, 5};
        for (int i = 0; i < buttons.size(); ++i) {
            QCOMPARE(buttons[i]->text(), buttonTexts[i]);
            QCOMPARE(at(buttons[i]), QList<int>({buttonRows[i], 2, 1}));
            QCOMPARE(buttons[i]->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
            QCOMPARE(buttons[i]->sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        }
        QStringList labels;
        for (QLabel *label : dialog->findChildren<QLabel *>())
            labels << label->text();
        labels.sort();
        QCOMPARE(labels, QStringList({"Find in:", "Find:", "Replace:"}));

        // Centred over the main window once, when first made.
        QCOMPARE(dialog->pos(), QPoint(w.x() + (w.width() - dialog->width()) / 2,
                                       w.y() + (w.height() - dialog->height()) / 2));
        w.action(22)->trigger();
        QCOMPARE(w.dlgFind(), dialog);
        QCOMPARE(rec.count(), 1);
    }

    void wholeWordFindsK1AndNotK12()
    {
        Session s;
        DlgFind *d = s.dialog;
        Plant &plant = *s.plant;
        type(d->findCombo(), "K1");
        click(d->wholeWordBox());

        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k1);
        QVERIFY(plant.k1->isSelected());
        QCOMPARE(tabs(s.w)->count(), 1);
        QCOMPARE(currentView(s.w)->graphicsScene(), plant.one);
        QVERIFY(shownInView(currentView(s.w), plant.k1));
        // The item found in the view it opened can be cut at once.
        QVERIFY(s.w.action(13)->isEnabled());

        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k1Contact);
        QCOMPARE(plant.two->selectedGraphicsItems(), QList<GraphicsItem *>({plant.k1Contact}));
        QCOMPARE(currentView(s.w)->graphicsScene(), plant.two);
        QCOMPARE(boxTexts(s.rec), QStringList());

        // Used up: one report, then the search starts over.
        click(d->findButton());
        QCOMPARE(boxTexts(s.rec), QStringList({listIsEmpty}));
        QCOMPARE(d->currentItem(), nullptr);
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k1);
        QCOMPARE(boxTexts(s.rec), QStringList({listIsEmpty}));

        // Without whole words K12 is found as well; texts are not.
        click(d->wholeWordBox());
        QList<GraphicsItem *> found;
        for (int i = 0; i < 4; ++i) {
            click(d->findButton());
            found << d->currentItem();
        }
        QCOMPARE(found, QList<GraphicsItem *>({plant.k1, plant.k12, plant.k1Contact, plant.k12Contact}));
        click(d->findButton());
        QCOMPARE(boxTexts(s.rec), QStringList({listIsEmpty, listIsEmpty}));

        // "Find in text" also finds the texts that hold it.
        click(d->findInTextBox());
        found.clear();
        for (int i = 0; i < 6; ++i) {
            click(d->findButton());
            found << d->currentItem();
        }
        QCOMPARE(found, QList<GraphicsItem *>({plant.k1, plant.k12, plant.note, plant.k1Contact, plant.k12Contact,
                                               plant.hint}));
        QCOMPARE(s.rec.count(), 2);
    }

    void changingTheSearchStartsItAgain()
    {
        Session s;
        DlgFind *d = s.dialog;
        Plant &plant = *s.plant;
        type(d->findCombo(), "k1");
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k1);
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k12);

        // Match case: a new search, which finds nothing.
        click(d->matchCaseBox());
        click(d->findButton());
        QCOMPARE(boxTexts(s.rec), QStringList({listIsEmpty}));
        click(d->matchCaseBox());
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k1);

        // Another text, and another scope, restart too.
        type(d->findCombo(), "K5");
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k5);
        type(d->findCombo(), "k1");
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k1);
        d->scopeCombo()->setCurrentIndex(DlgFind::ScopeCurrentScheme);
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k1);
        QCOMPARE(d->pendingCount(), 1); // K12, on the same sheet

        // The find texts, simplified, each once in the history.
        type(d->findCombo(), "  K1   coil ");
        d->scopeCombo()->setCurrentIndex(DlgFind::ScopeAllProject);
        click(d->findInTextBox());
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.note);
        QCOMPARE(comboTexts(d->findCombo()), QStringList({"k1", "K5", "K1 coil"}));
        QCOMPARE(comboTexts(d->replaceCombo()), QStringList());
        QCOMPARE(s.rec.count(), 1);

        // The field holds what was typed, "K1 coil" and "k1" in the history,
        // and Enter keeps its case.
        click(d->matchCaseBox());
        type(d->findCombo(), "K1");
        QCOMPARE(d->findCombo()->currentText(), QStringLiteral("K1"));
        QTest::keyClick(d->findCombo()->lineEdit(), Qt::Key_Return);
        QCOMPARE(d->findCombo()->currentText(), QStringLiteral("K1"));
        QCOMPARE(d->currentItem(), plant.k1);
    }

    void theScopes()
    {
        Session s;
        DlgFind *d = s.dialog;
        Plant &plant = *s.plant;
        type(d->findCombo(), "K");

        // No scheme tab: nothing in the current scheme or the selection.
        d->scopeCombo()->setCurrentIndex(DlgFind::ScopeCurrentScheme);
        click(d->findButton());
        d->scopeCombo()->setCurrentIndex(DlgFind::ScopeSelection);
        click(d->findButton());
        QCOMPARE(boxTexts(s.rec), QStringList({listIsEmpty, listIsEmpty}));

        // The window follows the current scheme tab.
        s.w.showGraphicsScene(*plant.two);
        QCOMPARE(d->scene(), plant.two);
        s.w.showGraphicsScene(*plant.one);
        QCOMPARE(d->scene(), plant.one);
        tabs(s.w)->setCurrentIndex(1);
        QCOMPARE(d->scene(), plant.two);

        d->scopeCombo()->setCurrentIndex(DlgFind::ScopeCurrentScheme);
        QList<GraphicsItem *> found;
        for (int i = 0; i < 5; ++i) {
            click(d->findButton());
            found << d->currentItem();
        }
        QCOMPARE(found, QList<GraphicsItem *>({plant.k1Contact, plant.k12Contact, plant.k5, plant.k5b, nullptr}));
        QCOMPARE(boxTexts(s.rec).size(), 3);

        // The selection: nothing selected, then two items.
        plant.two->clearSelection();
        d->scopeCombo()->setCurrentIndex(DlgFind::ScopeSelection);
        click(d->findButton());
        QCOMPARE(boxTexts(s.rec).size(), 4);
        plant.k5b->setSelected(true);
        plant.hint->setSelected(true);
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k5b);
        click(d->findButton());
        QCOMPARE(boxTexts(s.rec).size(), 5);
        // Texts of the selection with "Find in text".
        click(d->findInTextBox());
        plant.two->clearSelection();
        plant.hint->setSelected(true);
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.hint);

        // All tabs closed: no current scheme.
        s.w.closeTabWidget();
        s.w.closeTabWidget();
        QCOMPARE(tabs(s.w)->count(), 0);
        QCOMPARE(d->scene(), nullptr);
        QCOMPARE(boxTexts(s.rec), QStringList(5, listIsEmpty));
    }

    void replaceRenamesTheRelayAndItsContacts()
    {
        Session s;
        DlgFind *d = s.dialog;
        Plant &plant = *s.plant;
        Project &p = *s.w.project();
        Obj *relay = plant.k1->obj();
        QVERIFY(relay);
        type(d->findCombo(), "K1");
        type(d->replaceCombo(), "A1-K1");
        click(d->wholeWordBox());

        // Replace with nothing shown yet only finds the first match.
        click(d->replaceButton());
        QCOMPARE(d->currentItem(), plant.k1);
        QCOMPARE(relay->name(), QString("K1"));

        click(d->replaceButton());
        QCOMPARE(relay->name(), QString("A1-K1"));
        QCOMPARE(plant.k1->windingName(), QString("A1-K1"));
        QCOMPARE(plant.k1->GraphicsObjItem::name(), QString("A1-K1"));
        QCOMPARE(p.findObj(RelayKind, "A1-K1"), relay);
        QCOMPARE(p.findObj(RelayWindingKind, "A1-K1"), plant.k1->ownObj());
        QCOMPARE(p.findObj(RelayKind, "K1"), nullptr);
        QCOMPARE(p.findObj(RelayWindingKind, "K1"), nullptr);
        // The contact bound to the winding bears the new name and stays.
        QCOMPARE(plant.k1Contact->name(), QString("A1-K1"));
        QCOMPARE(plant.k1Contact->windingItem(), plant.k1);
        // The next match is shown.
        QCOMPARE(d->currentItem(), plant.k1Contact);

        // Renamed with its relay since the search: it takes the text no
        // second time, though its name still holds it.
        click(d->replaceButton());
        QCOMPARE(plant.k1Contact->name(), QString("A1-K1"));
        QCOMPARE(boxTexts(s.rec), QStringList({listIsEmpty}));
        QCOMPARE(comboTexts(d->replaceCombo()), QStringList({"A1-K1"}));
    }

    void replaceTakesTheFirstOccurrence()
    {
        Session s;
        DlgFind *d = s.dialog;
        Plant &plant = *s.plant;
        GraphicsText *label = placeText(plant.one, "K1K", QPointF(2000, 2000));
        s.w.showGraphicsScene(*plant.one);
        label->setSelected(true);
        d->scopeCombo()->setCurrentIndex(DlgFind::ScopeSelection);
        click(d->findInTextBox());
        type(d->findCombo(), "K");
        click(d->findButton());
        QCOMPARE(d->currentItem(), label);
        // The replacement typed once the match is shown.
        type(d->replaceCombo(), "KL");
        plant.one->setModified(false);
        click(d->replaceButton());
        QCOMPARE(label->text(), QString("KL1K"));
        QVERIFY(plant.one->isModified());

        // A match no longer selected is left alone.
        d->scopeCombo()->setCurrentIndex(DlgFind::ScopeAllProject);
        type(d->findCombo(), "K9");
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k9);
        plant.k9->setSelected(false);
        click(d->replaceButton());
        QCOMPARE(plant.k9->name(), QString("K9"));
        QCOMPARE(boxTexts(s.rec), QStringList({listIsEmpty, listIsEmpty}));
    }

    void emptyNamesAreRefused()
    {
        Session s;
        DlgFind *d = s.dialog;
        Plant &plant = *s.plant;

        // Replace without a find text.
        click(d->replaceButton());
        QCOMPARE(boxTexts(s.rec), QStringList({"Need enter find text!"}));
        QCOMPARE(d->currentItem(), nullptr);

        // The whole name replaced by nothing.
        type(d->findCombo(), "K9");
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k9);
        click(d->replaceButton());
        QCOMPARE(boxTexts(s.rec), QStringList({"Need enter find text!", "New name is empty!", listIsEmpty}));
        QCOMPARE(plant.k9->name(), QString("K9"));
        QCOMPARE(plant.k9->obj(), nullptr);
    }

    void namesTakenAreRefused()
    {
        Session s;
        DlgFind *d = s.dialog;
        Plant &plant = *s.plant;
        Project &p = *s.w.project();
        boundtest::TestDeviceItem *c1 = placeCapacitor(plant.two, "C1", QPointF(2000, 400));
        boundtest::TestDeviceItem *c2 = placeCapacitor(plant.two, "C2", QPointF(2000, 800));
        QVERIFY(c1 && c2);

        // A winding may not take the name of another winding.
        type(d->findCombo(), "K12");
        type(d->replaceCombo(), "K1");
        click(d->wholeWordBox());
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k12);
        click(d->replaceButton());
        QCOMPARE(boxTexts(s.rec), QStringList({"New graphics obj name not correct!"}));
        QCOMPARE(plant.k12->windingName(), QString("K12"));
        QCOMPARE(plant.k12->GraphicsObjItem::name(), QString("K12"));
        QCOMPARE(p.findObj(RelayKind, "K1"), plant.k1->obj());

        // A contact moves to the winding of its new name.
        QCOMPARE(d->currentItem(), plant.k12Contact);
        click(d->replaceButton());
        QCOMPARE(plant.k12Contact->name(), QString("K1"));
        QCOMPARE(plant.k12Contact->windingItem(), plant.k1);
        QCOMPARE(plant.k12->contactItemCount(), 0);
        QCOMPARE(boxTexts(s.rec).size(), 2);
        // Not to a relay with every contact in use: it stays with its own.
        for (int n = 1; n < 30 && placeContact(plant.one, "K1", n, QPointF(3000, 200 * n))->windingItem(); ++n) {
        }
        GraphicsContact *k12Again = placeContact(plant.two, "K12", 0, QPointF(400, 1600));
        QCOMPARE(k12Again->windingItem(), plant.k12);
        s.rec.clear();
        click(d->findButton());
        click(d->findButton());
        QCOMPARE(d->currentItem(), k12Again);
        click(d->replaceButton());
        QCOMPARE(boxTexts(s.rec), QStringList({"New graphics obj name not correct!", listIsEmpty}));
        QCOMPARE(k12Again->windingItem(), plant.k12);
        s.rec.clear();

        // An item that owns its object may not take another's name.
        s.rec.clear();
        type(d->findCombo(), "C2");
        type(d->replaceCombo(), "C1");
        click(d->findButton());
        QCOMPARE(d->currentItem(), c2);
        click(d->replaceButton());
        QCOMPARE(boxTexts(s.rec), QStringList({"For graphics with hard link name C1 not correct, since parent already exist!",
                                            listIsEmpty}));
        QCOMPARE(c2->name(), QString("C2"));
        // A free name renames its object.
        s.rec.clear();
        type(d->replaceCombo(), "C3");
        click(d->findButton());
        click(d->replaceButton());
        QCOMPARE(c2->name(), QString("C3"));
        QCOMPARE(p.findObj(CapacitorKind, "C3"), c2->obj());
        QCOMPARE(p.findObj(CapacitorKind, "C2"), nullptr);
        QCOMPARE(c1->name(), QString("C1"));
        QCOMPARE(boxTexts(s.rec), QStringList({listIsEmpty}));

        // The only item of a fuse may not go to a fuse that cannot take it:
        // its own fuse would go with it.
        QList<GraphicsFuse *> fuses;
        for (const QString name : {"F1", "F2"}) {
            auto *fuse = static_cast<Fuse *>(p.createDevice(FuseKind));
            QVERIFY(fuse->setName(name) && fuse->setModelIndex(1));
            fuses << static_cast<GraphicsFuse *>(plant.two->createItem(GraphicsFuse::Type));
            QVERIFY(plant.two->addGraphicsItem(fuses.last()));
            fuses.last()->setName(name);
            QCOMPARE(fuses.last()->obj(), fuse);
        }
        s.rec.clear();
        type(d->findCombo(), "F1");
        type(d->replaceCombo(), "F2");
        click(d->findButton());
        click(d->replaceButton());
        QCOMPARE(boxTexts(s.rec), QStringList({"New graphics obj name not correct!", listIsEmpty}));
        QCOMPARE(fuses[0]->obj(), p.findObj(FuseKind, "F1"));
        QVERIFY(fuses[0]->obj());
    }

    void replaceAll()
    {
        Session s;
        DlgFind *d = s.dialog;
        Plant &plant = *s.plant;
        Project &p = *s.w.project();
        Obj *relay = plant.k12->obj();
        type(d->findCombo(), "K12");
        type(d->replaceCombo(), "K12.1");
        click(d->findInTextBox());
        plant.two->setModified(false);

        click(d->replaceAllButton());
        QCOMPARE(boxTexts(s.rec), QStringList({listIsEmpty}));
        QCOMPARE(relay->name(), QString("K12.1"));
        QCOMPARE(plant.k12->windingName(), QString("K12.1"));
        QCOMPARE(p.findObj(RelayKind, "K12.1"), relay);
        QCOMPARE(plant.k12Contact->name(), QString("K12.1"));
        QCOMPARE(plant.k12Contact->windingItem(), plant.k12);
        QCOMPARE(plant.hint->text(), QString("see K12.1"));
        QVERIFY(plant.two->isModified());
        // Nothing else changed.
        QCOMPARE(plant.k1->GraphicsObjItem::name(), QString("K1"));
        QCOMPARE(plant.note->text(), QString("K1 coil"));
        QCOMPARE(d->currentItem(), nullptr);

        // Without a find text nothing runs.
        s.rec.clear();
        d->findCombo()->lineEdit()->clear();
        click(d->replaceAllButton());
        QCOMPARE(boxTexts(s.rec), QStringList({"Need enter find text!"}));

        // A contact of no relay keeps its name in its sheet's file.
        plant.one->setModified(false);
        type(d->findCombo(), "K9");
        type(d->replaceCombo(), "K8");
        click(d->replaceAllButton());
        QCOMPARE(plant.k9->name(), QString("K8"));
        QVERIFY(plant.one->isModified());

        // A relay of two windings, each with a contact: the windings keep what
        // their names add to the relay's, and every contact its winding.
        QList<GraphicsRelayWinding *> windings;
        QList<GraphicsContact *> contacts;
        for (int row : {0, 1}) {
            const QString name = QString("K40") + char('a' + row);
            windings << placeWinding(plant.one, "K40", name, QPointF(800, 2000 + 400 * row), row);
            contacts << placeContact(plant.two, name, 0, QPointF(800, 2000 + 400 * row));
        }
        type(d->findCombo(), "K40");
        type(d->replaceCombo(), "K41");
        click(d->replaceAllButton());
        QCOMPARE(windings[0]->obj()->name(), QString("K41"));
        for (int row : {0, 1}) {
            QCOMPARE(windings[row]->windingName(), QString("K41") + char('a' + row));
            QCOMPARE(contacts[row]->windingItem(), windings[row]);
        }
        // A relay that cannot take the name keeps it, and its contacts with it.
        s.rec.clear();
        type(d->findCombo(), "K41");
        type(d->replaceCombo(), "K1");
        click(d->replaceAllButton());
        QCOMPARE(boxTexts(s.rec), QStringList({"New graphics obj name not correct!", listIsEmpty}));
        QCOMPARE(contacts[1]->windingItem(), windings[1]);

        // A contact found before its winding keeps it.
        GraphicsRelayWinding *k30 = placeWinding(addScheme(plant.second, 2, "late"), "K30", "K30", QPointF(400, 400));
        GraphicsContact *early = placeContact(plant.two, "K30", 0, QPointF(2400, 400));
        QCOMPARE(early->windingItem(), k30);
        type(d->findCombo(), "K30");
        type(d->replaceCombo(), "K30.1");
        click(d->replaceAllButton());
        QCOMPARE(early->name(), QString("K30.1"));
        QCOMPARE(early->windingItem(), k30);
    }

    void findParents()
    {
        Session s;
        DlgFind *d = s.dialog;
        Plant &plant = *s.plant;
        QCOMPARE(plant.k5->obj(), nullptr);
        QCOMPARE(plant.k5b->obj(), nullptr);
        GraphicsRelayWinding *k5 = placeWinding(plant.one, "K5", "K5", QPointF(2400, 400));
        QVERIFY(k5);
        QCOMPARE(plant.k5->obj(), nullptr);

        type(d->findCombo(), "K5");
        click(d->findButton());
        QCOMPARE(d->currentItem(), k5);
        // A bound match stays as it is.
        click(d->findParentButton());
        QCOMPARE(k5->obj()->name(), QString("K5"));
        QCOMPARE(d->currentItem(), plant.k5);
        click(d->findParentButton());
        QCOMPARE(plant.k5->windingItem(), k5);
        QCOMPARE(d->currentItem(), plant.k5b);
        QCOMPARE(plant.k5b->obj(), nullptr);
        QCOMPARE(boxTexts(s.rec), QStringList());

        // All at once: every unbound item that has an object of its name.
        plant.k5->setName("K6");
        QCOMPARE(plant.k5->obj(), nullptr);
        plant.k5->setName("K5");
        QCOMPARE(plant.k5->obj(), k5->ownObj());
        plant.k5->detachObj(false);
        type(d->findCombo(), "K");
        click(d->findParentAllButton());
        QCOMPARE(plant.k5->windingItem(), k5);
        QCOMPARE(plant.k5b->windingItem(), k5);
        QCOMPARE(plant.k9->obj(), nullptr);
        QCOMPARE(plant.k1Contact->windingItem(), plant.k1);
        QCOMPARE(boxTexts(s.rec), QStringList({listIsEmpty}));
    }

    void deletedMatchesArePassedOver()
    {
        Session s;
        DlgFind *d = s.dialog;
        Plant &plant = *s.plant;
        type(d->findCombo(), "K1");
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k1);
        QCOMPARE(d->pendingCount(), 3);

        // The winding K12 deleted: its match is skipped.
        QVERIFY(plant.one->removeGraphicsItem(plant.k12));
        QCoreApplication::processEvents();
        plant.k12 = nullptr;
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k1Contact);

        // The scheme of the current match deleted from the project tree.
        s.w.project()->setCurrentItem(plant.two->sceneItem());
        QVERIFY(s.w.action(48)->isEnabled());
        s.w.action(48)->trigger();
        QVERIFY(plant.second->itemList().isEmpty());
        QCOMPARE(d->currentItem(), nullptr);
        // Replace leaves the stale match alone and goes on: nothing left.
        type(d->replaceCombo(), "KX");
        click(d->replaceButton());
        QCOMPARE(boxTexts(s.rec), QStringList({listIsEmpty}));
        QCOMPARE(plant.k1->GraphicsObjItem::name(), QString("K1"));

        // Searching again finds what is left.
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k1);
        click(d->findButton());
        QCOMPARE(boxTexts(s.rec), QStringList({listIsEmpty, listIsEmpty}));
    }

    void theProjectClosedAndAnotherOpened()
    {
        Session s;
        DlgFind *d = s.dialog;
        type(d->findCombo(), "K1");
        click(d->findButton());
        QVERIFY(d->currentItem());
        QCOMPARE(d->scene(), s.plant->one);

        s.rec.clickButton("&No");
        s.w.action(6)->trigger();
        QVERIFY(!s.w.project());
        QCOMPARE(d->project(), nullptr);
        QCOMPARE(d->scene(), nullptr);
        QVERIFY(!s.w.action(22)->isEnabled());
        s.rec.clear();

        // The matches of the closed project are never followed.
        QCOMPARE(d->currentItem(), nullptr);
        click(d->replaceButton());
        QCOMPARE(boxTexts(s.rec), QStringList({listIsEmpty}));
        // A new search has no project to look in.
        click(d->findParentButton());
        QCOMPARE(boxTexts(s.rec).size(), 3);
        QVERIFY(boxTexts(s.rec)[1].endsWith("FALSE expression"));
        QCOMPARE(boxTexts(s.rec)[2], listIsEmpty);

        // A new project is handed over by the command, which also forgets
        // the match shown last.
        s.rec.clear();
        newProject(s.w, s.rec);
        QCOMPARE(d->project(), nullptr);
        Plant plant(*s.w.project());
        s.w.action(22)->trigger();
        QCOMPARE(d->project(), s.w.project());
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k1);
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k12);
        s.w.action(22)->trigger();
        QCOMPARE(d->currentItem(), nullptr);
        click(d->findButton());
        QCOMPARE(d->currentItem(), plant.k1);
        QCOMPARE(s.rec.count(), 1); // the new project's dialog
    }

    void aProjectGoneBehindTheWindowsBack()
    {
        ModalRecorder rec;
        createScreenFonts();
        {
            DlgFind dialog(nullptr);
            auto project = std::make_unique<Project>(nullptr, nullptr);
            Plant plant(*project);
            dialog.setProject(project.get());
            dialog.setScene(plant.one);
            dialog.show();
            type(dialog.findCombo(), "K");
            click(dialog.findButton());
            QCOMPARE(dialog.currentItem(), plant.k1);
            project.reset();
            QCOMPARE(dialog.project(), nullptr);
            QCOMPARE(dialog.scene(), nullptr);
            QCOMPARE(dialog.currentItem(), nullptr);
            click(dialog.replaceAllButton());
            click(dialog.findParentAllButton());
        }
        deleteFonts();
        QCOMPARE(boxTexts(rec).size(), 4);
        QVERIFY(boxTexts(rec)[0].endsWith("FALSE expression"));
        QCOMPARE(boxTexts(rec)[1], listIsEmpty);
    }
};

QTEST_MAIN(TestDlgFind)
#include "tst_dlgfind.moc"
