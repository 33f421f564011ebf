// A relay placed, wired, saved and loaded through the real editor: the
// scheme editor of a scheme in a scheme group of a project, driven with
// mouse events, its toolbox commands answered by filling the relay and
// contact dialogs and pressing their Ok. Every binding and every soldered
// pin must come back from the files, which a second save writes again byte
// for byte; every refusal of the relay dialog is reached from the toolbox.

#include "app/actionsmanager.h"
#include "app/dlgsettings.h"
#include "app/mainwindow.h"
#include "devices/dlgpropcontact.h"
#include "devices/dlgproprelay.h"
#include "devices/graphicscontact.h"
#include "devices/graphicsrelaywinding.h"
#include "devices/pushbuttonrelaywinding.h"
#include "devices/relay.h"
#include "devices/relaycatalogue.h"
#include "equipment/equipmentlayout.h"
#include "equipment/frameedit.h"
#include "graphics/font.h"
#include "graphics/rlineedit.h"
#include "model/file.h"
#include "model/pin.h"
#include "model/project.h"
#include "schemes/net.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/filesbelow.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"
#include "support/schemetestitems.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDirIterator>
#include <QDockWidget>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTreeWidget>
#include <QtTest>

#include <functional>
#include <memory>

using schemetest::clew;
using schemetest::nets;
using schemetest::soldered;

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

QDateTime clockNow;

int typeIndex(const char *name)
{
    for (int i = 0; i < RelayTypeCount; ++i) {
        if (qstrcmp(relayTypes[i].name, name) == 0)
            return i;
    }
    return -1;
}

// What the user enters in the relay dialog.
struct RelayEntry
{
    QString relay;
    QString winding; // typed after the relay name, which fills it first
    QString type;    // typed into "Find relay type: "
    int windingRow = 0;
    int variant = 0;
    bool diagonal = false;
    // The relay taken from the table of the project's relays with the
    // choose button, which brings its name and type along.
    bool fromTable = false;
};

// Types the entries into the dialog the way a user does.
void enterRelay(DlgPropRelay *dialog, const RelayEntry &e)
{
    if (e.fromTable) {
        const QList<QTreeWidgetItem *> rows = dialog->objTable()->findItems(e.relay, Qt::MatchExactly, 0);
        QCOMPARE(rows.size(), 1);
        dialog->selectTreeItem(dialog->objTable(), rows.first());
        QPushButton *choose = buttonOf(dialog, "V");
        QVERIFY(choose);
        choose->click();
        QCOMPARE(dialog->edName()->text(), e.relay);
    } else {
        dialog->edName()->clear();
        QTest::keyClicks(dialog->edName(), e.relay);
    }
    dialog->edWindingName()->setText(e.winding);
    if (!e.type.isEmpty()) {
        dialog->edFindType()->clear();
        QTest::keyClicks(dialog->edFindType(), e.type);
    }
    if (QTreeWidgetItem *row = dialog->windingTree()->topLevelItem(e.windingRow))
        dialog->selectTreeItem(dialog->windingTree(), row);
    dialog->pictureButton(e.variant)->setChecked(true);
    dialog->chkDiagonal()->setChecked(e.diagonal);
}

QPointF at(Pin *pin)
{
    return dynamic_cast<GraphicsItem *>(pin->owner())->mapToScene(pin->center());
}

QString pinName(GraphicsDevice *item, int index)
{
    WiringPin *pin = item->wiringPin(index);
    return pin && pin->name() ? QString::fromUtf8(pin->name()) : QString();
}

QStringList pinNames(GraphicsDevice *item)
{
    QStringList names;
    for (int i = 0; i < item->pinCount(); ++i)
        names << pinName(item, i);
    return names;
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

// "item.pin" of a pin, the items by their place in the sheet's order.
QString pinLabel(const QList<GraphicsItem *> &items, Pin *pin)
{
    auto *owner = dynamic_cast<GraphicsPins *>(pin->owner());
    return QString("%1.%2").arg(items.indexOf(owner)).arg(owner ? owner->pinIndex(pin) : -1);
}

// For every device pin of the sheet: its soldered partner and the end pins
// of its clew, in sheet terms; then the device items' bindings.
QStringList wiring(GraphicsScene &scene)
{
    QStringList out;
    const QList<GraphicsItem *> items = scene.graphicsItems();
    for (int i = 0; i < items.size(); ++i) {
        auto *device = dynamic_cast<GraphicsDevice *>(items[i]);
        if (!device)
            continue;
        out << QString("%1 %2 (%3,%4)")
                   .arg(i)
                   .arg(items[i]->type() - QGraphicsItem::UserType)
                   .arg(items[i]->pos().x())
                   .arg(items[i]->pos().y());
        for (int k = 0; k < device->pinCount(); ++k) {
            Pin *pin = device->pin(k);
            QStringList ends;
            for (Pin *end : clew(pin))
                ends << pinLabel(items, end);
            ends.sort();
            out << QString("  %1 '%2' partner %3 clew %4")
                       .arg(k)
                       .arg(pinName(device, k))
                       .arg(pin->partner() ? pinLabel(items, pin->partner()) : QString("-"))
                       .arg(ends.join(' '));
        }
    }
    return out;
}

} // namespace

class TestRelayScheme : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Actions> m_actions;
    std::unique_ptr<Project> m_project;
    Scheme *m_scheme = nullptr;
    std::unique_ptr<SchemeEdit> m_view;

    QAction *action(int id) { return m_actions->list.at(id); }

    QPoint point(const QPointF &scenePoint) { return m_view->mapFromScene(scenePoint); }

    void click(const QPointF &scenePoint)
    {
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier, point(scenePoint));
    }

    void hover(const QPointF &scenePoint)
    {
        const QPoint pos = point(scenePoint);
        QMouseEvent event(QEvent::MouseMove, QPointF(pos), QPointF(m_view->viewport()->mapToGlobal(pos)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(m_view->viewport(), &event);
    }

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

    // A new project with one scheme group holding one A3 scheme, shown in
    // its editor.
    void openScheme()
    {
        m_project.reset(new Project(nullptr, nullptr));
        auto *group = new SchemeGroup(m_project.get());
        group->setAtrNumber(3);
        m_project->schemes()->appendItem(group);
        m_scheme = new Scheme(m_project.get());
        m_scheme->setSheetFormat(GraphicsScene::PaperA3, true, 1);
        m_scheme->setName("relays");
        m_scheme->setNumber(1);
        group->appendItem(m_scheme);

        m_view.reset(new SchemeEdit(&m_actions->list));
        m_view->setScene(m_scheme);
        m_view->resize(1200, 800);
        m_view->show();
        if (!QTest::qWaitForWindowExposed(m_view.get()))
            qWarning("view not exposed");
        m_view->setActive(true);
        m_view->zoom(1);
        m_view->zoom(1);
        m_view->centerOn(1400, 1400);
    }

    void closeScheme()
    {
        if (m_view) {
            m_view->setActive(false);
            m_view.reset();
        }
        m_scheme = nullptr;
        m_project.reset();
    }

    // "Relay" from the toolbox, the dialog filled and accepted, and the
    // new winding dropped where its centre comes under the mouse.
    GraphicsRelayWinding *placeRelay(ModalRecorder &rec, const RelayEntry &entry, const QPointF &where)
    {
        const int before = m_scheme->graphicsItems().size();
        rec.handle([&](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropRelay *>(d);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QString("Relay"));
            enterRelay(dialog, entry);
            pressOk(d);
        });
        action(79)->trigger();
        if (m_scheme->graphicsItems().size() != before + 1)
            return nullptr;
        auto *item = dynamic_cast<GraphicsRelayWinding *>(m_scheme->graphicsItems().last());
        if (!item || m_view->carriedItems() != QList<GraphicsItem *>({item}))
            return nullptr;
        hover(where);
        click(where);
        return m_view->carriedItems().isEmpty() ? item : nullptr;
    }

    // "Contact" from the toolbox: the form, energised or not, the winding
    // and the contact. With chooseFromTables the winding and contact rows
    // are picked and taken with the choose button; otherwise the winding's
    // name and the contact's number are typed. The contact is dropped so
    // that its common pin lands on pinAt.
    GraphicsContact *placeContact(ModalRecorder &rec, int kind, bool under, const QString &winding, int number,
                                  bool chooseFromTables, const QPointF &pinAt)
    {
        const int before = m_scheme->graphicsItems().size();
        rec.handle([&](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropContact *>(d);
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QString("Contact"));
            dialog->kindButtons()->button(kind)->click();
            (under ? dialog->rbUnder() : dialog->rbWithout())->click();
            if (chooseFromTables) {
                const QList<QTreeWidgetItem *> rows = dialog->objTable()->findItems(winding, Qt::MatchExactly, 0);
                QCOMPARE(rows.size(), 1);
                dialog->selectTreeItem(dialog->objTable(), rows.first());
                QTreeWidgetItem *contact = dialog->contactsTable()->topLevelItem(number);
                QVERIFY(contact);
                dialog->selectTreeItem(dialog->contactsTable(), contact);
                QPushButton *choose = buttonOf(d, "V");
                QVERIFY(choose);
                choose->click();
                QCOMPARE(dialog->edName()->text(), winding);
                QCOMPARE(dialog->spinNumber()->value(), number + 1);
            } else {
                QTest::keyClicks(dialog->edName(), winding);
                dialog->spinNumber()->setValue(number + 1);
            }
            pressOk(d);
        });
        action(80)->trigger();
        if (m_scheme->graphicsItems().size() != before + 1)
            return nullptr;
        auto *item = dynamic_cast<GraphicsContact *>(m_scheme->graphicsItems().last());
        if (!item || m_view->carriedItems() != QList<GraphicsItem *>({item}))
            return nullptr;
        // The carried item's centre follows the mouse; its pin 0 lies at its
        // origin for the forms used here.
        const QPointF mouse = pinAt + item->boundingRect().center() - item->pin(0)->center();
        hover(mouse);
        click(mouse);
        return m_view->carriedItems().isEmpty() ? item : nullptr;
    }

    // Nets from pin a to pin b: down (or up) from a to the line y = via,
    // along it, and on to b. Each corner ends one net, and the press there
    // starts the next from its free end.
    void wire(Pin *a, Pin *b, double via)
    {
        const QPointF from = at(a);
        const QPointF to = at(b);
        QList<QPointF> points = {from};
        if (from.y() != to.y()) {
            points << QPointF(from.x(), via) << QPointF(to.x(), via);
        }
        points << to;
        for (int i = 0; i + 1 < points.size(); ++i) {
            if (points[i] == points[i + 1])
                continue;
            click(points[i]);
            hover(points[i + 1]);
            click(points[i + 1]);
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        clockNow = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 123));
        setFileClock([] { return clockNow; });
        createScreenFonts();
        Scheme::registerItemTypes();
        showBigDeviceNames = false;
        showNumContacts = true;
        hideHelp = false;
    }

    void cleanupTestCase()
    {
        setFileClock(nullptr);
        deleteFonts();
    }

    void init() { m_actions.reset(new Actions); }

    void cleanup()
    {
        closeScheme();
        m_actions.reset();
    }

    void placeWireSaveAndLoad()
    {
        ModalRecorder rec;
        openScheme();
        boundtest::SignalCount appended(*m_project, &Project::objAppend);
        const int d3 = typeIndex("D3-2700");
        QVERIFY(d3 >= 0);
        QVERIFY(action(79)->isEnabled() && action(80)->isEnabled());

        // The relay's first winding: the relay is made, named, indexed and
        // announced once.
        GraphicsRelayWinding *a = placeRelay(rec, {"K5", "K5a", "D3-2700", 0, 0, false}, QPointF(800, 800));
        QVERIFY(a);
        auto *relay = dynamic_cast<Relay *>(m_project->findObj(RelayKind, "K5"));
        QVERIFY(relay);
        QCOMPARE(relay->modelIndex(), d3);
        QCOMPARE(a->relay(), relay);
        QCOMPARE(m_project->findObj(RelayWindingKind, "K5a"), a->ownObj());
        QCOMPARE(appended.count(), 1);
        QVERIFY(m_project->devicesChanged());
        QCOMPARE(a->graphicsScene(), m_scheme);
        QVERIFY(m_scheme->sceneRect().contains(a->sceneBoundingRect()));
        QCOMPARE(pinNames(a), QStringList({"13", "43"}));
        QVERIFY(!a->caption().isEmpty());

        // Its second winding joins the same relay; nothing new is announced.
        GraphicsRelayWinding *b = placeRelay(rec, {"K5", "K5b", "", 1, 0, false, true}, QPointF(800, 1600));
        QVERIFY(b);
        QCOMPARE(b->relay(), relay);
        QCOMPARE(relay->items().size(), 2);
        QCOMPARE(b->winding(), 1);
        QCOMPARE(pinNames(b), QStringList({"53", "83"}));
        QCOMPARE(appended.count(), 1);
        QCOMPARE(m_project->objectsOfKind(RelayKind)->size(), 1);

        // Three contacts, bound by name: winding 1's FT 21-22-23 chosen from
        // the tables, its F 11-12 and winding 2's T 71-73 typed.
        const QPointF a1 = at(a->pin(1));
        GraphicsContact *c1 = placeContact(rec, 7, true, "K5a", 1, true, a1 + QPointF(400, 0));
        QVERIFY(c1);
        GraphicsContact *c2 = placeContact(rec, 9, false, "K5a", 0, false, at(c1->pin(1)) + QPointF(400, 0));
        QVERIFY(c2);
        // Dropped with its common pin on the free coil end: a net of no
        // length joins them at the release.
        GraphicsContact *c3 = placeContact(rec, 11, true, "K5b", 2, false, at(b->pin(1)));
        QVERIFY(c3);
        QCOMPARE(nets(*m_scheme).size(), 1);
        GraphicsNet *joint = nets(*m_scheme).first();
        QCOMPARE(joint->length(), 0.0);
        QVERIFY(soldered(joint->pin(0), b->pin(1)) || soldered(joint->pin(1), b->pin(1)));
        QVERIFY(soldered(joint->pin(0), c3->pin(0)) || soldered(joint->pin(1), c3->pin(0)));
        QVERIFY(!c3->pin(0)->contactFlag() && !b->pin(1)->contactFlag());
        QCOMPARE(c1->windingItem(), a);
        QCOMPARE(c2->windingItem(), a);
        QCOMPARE(c3->windingItem(), b);
        QCOMPARE(a->contactAt(1), c1);
        QCOMPARE(a->contactAt(0), c2);
        QCOMPARE(b->contactAt(2), c3);
        QCOMPARE(pinNames(c1), QStringList({"21", "22", "23"}));
        QCOMPARE(pinNames(c2), QStringList({"11", "12"}));
        QCOMPARE(pinNames(c3), QStringList({"71", "73"}));
        QCOMPARE(appended.count(), 1);
        QCOMPARE(boxTexts(rec), QStringList());
        // The others were dropped where nothing was: no pin joined yet.
        for (GraphicsDevice *item : QList<GraphicsDevice *>{a, c1, c2})
            for (int k = 0; k < item->pinCount(); ++k)
                QVERIFY(item->pin(k)->isFree() && !item->pin(k)->contactFlag());

        // Nets between them.
        action(73)->trigger();
        QCOMPARE(m_view->editMode(), 73);
        wire(a->pin(1), c1->pin(0), 0);
        wire(c1->pin(1), c2->pin(0), 0);
        wire(b->pin(0), c2->pin(1), at(b->pin(0)).y() + 400);
        wire(c3->pin(1), c1->pin(2), at(c3->pin(1)).y() + 200);
        action(73)->trigger();
        QCOMPARE(m_view->editMode(), 30);
        QCOMPARE(boxTexts(rec), QStringList());

        QCOMPARE(clew(a->pin(1)), QList<Pin *>({c1->pin(0)}));
        QCOMPARE(clew(c1->pin(1)), QList<Pin *>({c2->pin(0)}));
        QCOMPARE(clew(b->pin(1)), QList<Pin *>({c3->pin(0)}));
        QCOMPARE(clew(b->pin(0)), QList<Pin *>({c2->pin(1)}));
        QCOMPARE(clew(c3->pin(1)), QList<Pin *>({c1->pin(2)}));
        QVERIFY(a->pin(0)->isFree());
        for (GraphicsDevice *item : QList<GraphicsDevice *>{b, c1, c2, c3})
            for (int k = 0; k < item->pinCount(); ++k)
                QVERIFY2(!item->pin(k)->isFree(), qPrintable(QString::number(k)));
        // Soldered pins show no pending contact.
        for (GraphicsNet *n : nets(*m_scheme))
            QVERIFY(!n->pin(0)->contactFlag() && !n->pin(1)->contactFlag());
        const QStringList drawn = wiring(*m_scheme);
        QCOMPARE(nets(*m_scheme).size(), 3 + 3 + 3);

        // The dialogs opened on the placed items and left with Ok change
        // nothing: bindings, pin names and soldering stay.
        action(30)->trigger();
        rec.handle([](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropRelay *>(d);
            QVERIFY(dialog);
            QCOMPARE(dialog->edName()->text(), QString("K5"));
            QCOMPARE(dialog->edWindingName()->text(), QString("K5a"));
            pressOk(d);
        });
        doubleClick(a->mapToScene(QPointF(100, 40 + a->leadOffset())));
        rec.handle([](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropContact *>(d);
            QVERIFY(dialog);
            QCOMPARE(dialog->edName()->text(), QString("K5a"));
            QCOMPARE(dialog->spinNumber()->value(), 2);
            QCOMPARE(dialog->kindButtons()->checkedId(), 7);
            pressOk(d);
        });
        doubleClick(c1->mapToScene(QPointF(80, 20)));
        QCOMPARE(rec.count(), 7);
        QCOMPARE(boxTexts(rec), QStringList());
        QCOMPARE(wiring(*m_scheme), drawn);
        QCOMPARE(relay->items().size(), 2);
        QCOMPARE(a->contactAt(1), c1);
        QCOMPARE(appended.count(), 1);

        // Saved: the six project files and the scheme's own file.
        const QString dir = m_dir.path() + "/first";
        QVERIFY(QDir().mkpath(dir));
        m_project->setFileName(dir + "/plant.rlay");
        QVERIFY(m_project->save());
        QCOMPARE(rec.count(), 7);
        const QMap<QString, QByteArray> first = filesBelow(dir);
        QCOMPARE(first.size(), 7);
        closeScheme();

        // Loaded into a new project: every binding and every soldered pin.
        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        QCOMPARE(rec.count(), 7);
        QCOMPARE(loaded.schemes()->itemList().size(), 1);
        SchemeGroup *group = loaded.schemes()->itemList().first();
        QCOMPARE(group->itemList().size(), 1);
        Scheme *sheet = group->itemList().first();
        QCOMPARE(wiring(*sheet), drawn);

        relay = dynamic_cast<Relay *>(loaded.findObj(RelayKind, "K5"));
        QVERIFY(relay);
        QCOMPARE(relay->modelIndex(), d3);
        QCOMPARE(relay->items().size(), 2);
        const QList<GraphicsRelayWinding *> windings = itemsOf<GraphicsRelayWinding>(*sheet);
        const QList<GraphicsContact *> contacts = itemsOf<GraphicsContact>(*sheet);
        QCOMPARE(windings.size(), 2);
        QCOMPARE(contacts.size(), 3);
        a = windings[0];
        b = windings[1];
        c1 = contacts[0];
        c2 = contacts[1];
        c3 = contacts[2];
        QCOMPARE(a->relay(), relay);
        QCOMPARE(b->relay(), relay);
        QCOMPARE(a->winding(), 0);
        QCOMPARE(b->winding(), 1);
        QCOMPARE(loaded.findObj(RelayWindingKind, "K5a"), a->ownObj());
        QCOMPARE(loaded.findObj(RelayWindingKind, "K5b"), b->ownObj());
        QCOMPARE(c1->windingItem(), a);
        QCOMPARE(c2->windingItem(), a);
        QCOMPARE(c3->windingItem(), b);
        QCOMPARE(a->contactAt(1), c1);
        QCOMPARE(a->contactAt(0), c2);
        QCOMPARE(b->contactAt(2), c3);
        QCOMPARE(c1->contactKind(), 7);
        QCOMPARE(c2->contactKind(), 9);
        QCOMPARE(c3->contactKind(), 11);
        QVERIFY(c1->underCurrent() && !c2->underCurrent() && c3->underCurrent());
        QCOMPARE(pinNames(a), QStringList({"13", "43"}));
        QCOMPARE(pinNames(b), QStringList({"53", "83"}));
        QCOMPARE(pinNames(c1), QStringList({"21", "22", "23"}));
        QCOMPARE(pinNames(c2), QStringList({"11", "12"}));
        QCOMPARE(pinNames(c3), QStringList({"71", "73"}));
        QCOMPARE(clew(a->pin(1)), QList<Pin *>({c1->pin(0)}));
        QCOMPARE(clew(c1->pin(1)), QList<Pin *>({c2->pin(0)}));
        QCOMPARE(clew(b->pin(1)), QList<Pin *>({c3->pin(0)}));
        QCOMPARE(clew(b->pin(0)), QList<Pin *>({c2->pin(1)}));
        QCOMPARE(clew(c3->pin(1)), QList<Pin *>({c1->pin(2)}));
        QCOMPARE(nets(*sheet).size(), 9);

        // Saved again, everything written anew at the same clock: the same
        // bytes in every file.
        const QString again = m_dir.path() + "/again";
        QVERIFY(QDir().mkpath(again));
        loaded.setFileName(again + "/plant.rlay");
        loaded.setDevicesChanged();
        loaded.setSchemesChanged();
        loaded.setEquipmentChanged();
        loaded.setSpecificationDeviceChanged();
        loaded.setSpecificationCableChanged();
        sheet->setModified(true);
        QVERIFY(loaded.save());
        QCOMPARE(rec.count(), 7);
        const QMap<QString, QByteArray> second = filesBelow(again);
        QCOMPARE(second.keys(), first.keys());
        for (const QString &name : first.keys())
            QVERIFY2(second[name] == first[name], qPrintable(name));
    }

    void aContactOnAnotherSheet()
    {
        ModalRecorder rec;
        openScheme();
        GraphicsRelayWinding *coil = placeRelay(rec, {"K1", "K1", "REL1-1600", 0, 0, false}, QPointF(800, 800));
        QVERIFY(coil);
        Scheme *first = m_scheme;

        // The contacts of a relay are drawn where they switch: here on a
        // sheet of another group.
        auto *group = new SchemeGroup(m_project.get());
        group->setAtrNumber(4);
        m_project->schemes()->appendItem(group);
        auto *other = new Scheme(m_project.get());
        other->setSheetFormat(GraphicsScene::PaperA3, true, 1);
        other->setNumber(2);
        group->appendItem(other);
        m_scheme = other;
        m_view->setScene(other);
        m_view->centerOn(1400, 1400);
        GraphicsContact *contact = placeContact(rec, 7, true, "K1", 5, true, QPointF(1200, 1200));
        QVERIFY(contact);
        QCOMPARE(contact->windingItem(), coil);
        QCOMPARE(pinNames(contact), QStringList({"61", "62", "63"}));
        QCOMPARE(boxTexts(rec), QStringList());

        // The contact dialog tells on which sheet each contact is drawn.
        rec.handle([&](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropContact *>(d);
            QVERIFY(dialog);
            QCOMPARE(dialog->objTable()->topLevelItem(0)->text(3), first->displayName());
            QCOMPARE(dialog->contactsTable()->topLevelItem(5)->text(3), other->displayName());
            QCOMPARE(dialog->contactsTable()->topLevelItem(4)->text(3), QString());
        });
        action(30)->trigger();
        doubleClick(contact->mapToScene(QPointF(80, 20)));
        QCOMPARE(contact->windingItem(), coil);

        const QString dir = m_dir.path() + "/sheets";
        QVERIFY(QDir().mkpath(dir));
        m_project->setFileName(dir + "/plant.rlay");
        QVERIFY(m_project->save());
        closeScheme();
        QCOMPARE(filesBelow(dir).size(), 8);

        Project loaded(nullptr, nullptr);
        loaded.setFileName(dir + "/plant.rlay");
        QVERIFY(loaded.load());
        QCOMPARE(boxTexts(rec), QStringList());
        const QList<SchemeGroup *> groups = loaded.schemes()->itemList();
        QCOMPARE(groups.size(), 2);
        const QList<GraphicsRelayWinding *> coils = itemsOf<GraphicsRelayWinding>(*groups[0]->itemList().first());
        const QList<GraphicsContact *> contacts = itemsOf<GraphicsContact>(*groups[1]->itemList().first());
        QCOMPARE(coils.size(), 1);
        QCOMPARE(contacts.size(), 1);
        QCOMPARE(contacts.first()->windingItem(), coils.first());
        QCOMPARE(coils.first()->contactAt(5), contacts.first());
        QCOMPARE(coils.first()->relay(), loaded.findObj(RelayKind, "K1"));
        QCOMPARE(pinNames(contacts.first()), QStringList({"61", "62", "63"}));
    }

    // Both windings of a relay copied, one deleted, pasted in the editor:
    // the relay takes its winding back, and the other winding gets a relay
    // of its own.
    void twoWindingsPastedWhereTheRelayTakesOne()
    {
        ModalRecorder rec;
        openScheme();
        GraphicsRelayWinding *a = placeRelay(rec, {"K5", "K5a", "D3-2700", 0, 0, false}, QPointF(800, 800));
        GraphicsRelayWinding *b = placeRelay(rec, {"K5", "K5b", "D3-2700", 1, 0, false, true}, QPointF(1400, 800));
        QVERIFY(a && b && a->relay() == b->relay());
        m_scheme->clearSelectionFast();
        a->setSelected(true);
        b->setSelected(true);
        m_view->copy();
        b->setSelected(false);
        m_view->del();
        // The sheet deletes what it let go once the events are taken.
        QTest::qWait(10);
        hover(QPointF(800, 1400));
        m_view->paste();
        click(QPointF(800, 1400));
        const QList<GraphicsRelayWinding *> again = itemsOf<GraphicsRelayWinding>(*m_scheme);
        QCOMPARE(again.size(), 3);
        QCOMPARE(again[1]->relay(), m_project->findObj(RelayKind, "K5"));
        QCOMPARE(again[2]->relay(), m_project->findObj(RelayKind, "K5?"));
        QCOMPARE(m_project->findObj(RelayKind, "K5")->items().size(), 2);

        // A winding of another type is refused by the relay that took its
        // name meanwhile, though that one shows no such winding: it keeps
        // its type on a relay of its own.
        GraphicsRelayWinding *c = placeRelay(rec, {"K6", "K6", "REL1-1600", 0, 0, false}, QPointF(2000, 800));
        const int rel1 = c->relayType();
        m_scheme->clearSelectionFast();
        c->setSelected(true);
        m_view->copy();
        m_view->del();
        QTest::qWait(10);
        QVERIFY(placeRelay(rec, {"K6", "K6b", "D3-2700", 1, 0, false}, QPointF(2000, 1400)));
        hover(QPointF(2000, 2000));
        m_view->paste();
        click(QPointF(2000, 2000));
        auto *pasted = dynamic_cast<GraphicsRelayWinding *>(m_scheme->graphicsItems().last());
        QVERIFY(pasted && pasted->relay() == m_project->findObj(RelayKind, "K6?") && pasted->relay()->modelIndex() == rel1);
        QCOMPARE(m_project->findObj(RelayKind, "K6")->items().size(), 1);
        QCOMPARE(boxTexts(rec), QStringList());
        closeScheme();
    }

    void everyRefusalOfTheRelayDialog()
    {
        ModalRecorder rec;
        openScheme();
        boundtest::SignalCount appended(*m_project, &Project::objAppend);
        GraphicsRelayWinding *a = placeRelay(rec, {"K5", "K5a", "D3-2700", 0, 0, false}, QPointF(800, 800));
        GraphicsRelayWinding *b = placeRelay(rec, {"K5", "K5b", "D3-2700", 1, 0, false}, QPointF(800, 1600));
        QVERIFY(a && b);
        QCOMPARE(boxTexts(rec), QStringList());

        // A refusal keeps the dialog open with its entries: corrected there,
        // Ok places the relay.
        rec.clear();
        const int before = m_scheme->graphicsItems().size();
        rec.handle([&](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropRelay *>(d);
            QVERIFY(dialog);
            enterRelay(dialog, {"", "K7", "REL1-1600", 0, 0, false});
            pressOk(d);
            QCOMPARE(dialog->result(), int(QDialog::Rejected));
            QCOMPARE(dialog->edWindingName()->text(), QString("K7"));
            QTest::keyClicks(dialog->edName(), "K7");
            pressOk(d);
        });
        action(79)->trigger();
        QCOMPARE(boxTexts(rec), QStringList({" Need enter relay name! "}));
        QCOMPARE(m_scheme->graphicsItems().size(), before + 1);
        hover(QPointF(2000, 1600));
        click(QPointF(2000, 1600));
        auto *k7 = dynamic_cast<GraphicsRelayWinding *>(m_scheme->graphicsItems().last());
        QVERIFY(k7);
        QVERIFY(m_view->carriedItems().isEmpty());
        QCOMPARE(m_project->findObj(RelayKind, "K7"), k7->relay());
        QCOMPARE(appended.count(), 2);

        // Each refusal of a new winding, and nothing is placed.
        struct Case
        {
            RelayEntry entry;
            bool clearType;
            bool clearWinding;
            QString message;
        };
        const QList<Case> placing = {
            {{"K9", " ", "REL1-1600", 0, 0, false}, false, false, " Need enter winding name! "},
            {{"K9", "K5a", "REL1-1600", 0, 0, false}, false, false, "Relay winding is already exists!"},
            {{"K9", "K9", "REL1-1600", 0, 0, true}, false, false, "Relay winding cannot have diagonal mirror!"},
            {{"K9", "K9 w", "REL1-1600", 0, 0, false}, false, false, "Relay name and winding name must be equally!"},
            {{"K5", "K5c", "D3-2700", 1, 0, false}, false, false, "Relay already exists and not can add this winding!"},
            {{"K9", "K9", "REL1-1600", 0, 0, false}, true, false, "Need selected relay type !"},
            {{"K9", "K9", "REL1-1600", 0, 0, false}, false, true, "Need selected winding !"},
        };
        for (const Case &c : placing) {
            rec.clear();
            rec.handle([&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropRelay *>(d);
                QVERIFY(dialog);
                enterRelay(dialog, c.entry);
                if (c.clearType)
                    dialog->typeTree()->clearSelection();
                if (c.clearWinding)
                    dialog->windingTree()->clearSelection();
                pressOk(d);
            });
            action(79)->trigger();
            QCOMPARE(boxTexts(rec), QStringList({c.message}));
            QCOMPARE(rec.shown.first().className, QString("DlgPropRelay"));
            QCOMPARE(rec.shown.last().title, QString("Error"));
            QCOMPARE(m_scheme->graphicsItems().size(), before + 1);
            QVERIFY(m_view->carriedItems().isEmpty());
        }

        // Each refusal of an edit, from a double click on the winding.
        const QList<Case> editing = {
            {{"K5", "K5a", "D3M-600", 0, 0, false}, false, false, "Cannot change relay type!"},
            {{"K5", "K5a", "", 1, 0, false}, false, false, "Cannot change relay type!"},
            {{"K7", "K5a", "", 0, 0, false}, false, false, "Relay already exists!"},
        };
        action(30)->trigger();
        const QPointF coil = a->mapToScene(QPointF(100, 40 + a->leadOffset()));
        for (const Case &c : editing) {
            rec.clear();
            rec.handle([&](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropRelay *>(d);
                QVERIFY(dialog);
                QCOMPARE(dialog->edName()->text(), QString("K5"));
                QCOMPARE(dialog->edWindingName()->text(), QString("K5a"));
                enterRelay(dialog, c.entry);
                pressOk(d);
            });
            doubleClick(coil);
            QCOMPARE(boxTexts(rec), QStringList({c.message}));
            QCOMPARE(rec.shown.first().className, QString("DlgPropRelay"));
            QCOMPARE(a->relay()->name(), QString("K5"));
            QCOMPARE(a->relay()->modelIndex(), typeIndex("D3-2700"));
            QCOMPARE(a->winding(), 0);
        }
        QCOMPARE(appended.count(), 2);
        QCOMPARE(m_project->objectsOfKind(RelayKind)->size(), 2);
        QCOMPARE(m_project->objectsOfKind(RelayWindingKind)->size(), 3);
    }

    void theTableOfDevicesGainsARow()
    {
        ModalRecorder rec;
        // The window builds the fonts itself, and drops them when it goes.
        deleteFonts();
        struct FontsAfterwards
        {
            ~FontsAfterwards() { createScreenFonts(); }
        } fontsAfterwards;
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        rec.handle(pressOk);
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

        auto place = [&](const RelayEntry &entry) {
            rec.handle([entry](QDialog *d) {
                auto *dialog = qobject_cast<DlgPropRelay *>(d);
                QVERIFY(dialog);
                enterRelay(dialog, entry);
                pressOk(d);
            });
            w.action(79)->trigger();
            const QPoint drop = edit->mapFromScene(QPointF(800, 800 + 400 * sheet->graphicsItems().size()));
            QTest::mouseMove(edit->viewport(), drop);
            QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, drop);
            QVERIFY(edit->carriedItems().isEmpty());
        };

        // Before the dock is first shown the table keeps no rows; the
        // relay is indexed and announced all the same.
        EquipmentLayout *table = w.equipmentLayout();
        QVERIFY(table);
        auto *dock = qobject_cast<QDockWidget *>(table->parentWidget());
        QVERIFY(dock);
        QCOMPARE(dock->windowTitle(), QString("Table devices"));
        QVERIFY(dock->isHidden());
        boundtest::SignalCount appended(*project, &Project::objAppend);
        place({"KV1", "KV1a", "D3-2700", 0, 0, false});
        auto *kv1 = dynamic_cast<Relay *>(project->findObj(RelayKind, "KV1"));
        QVERIFY(kv1);
        QCOMPARE(appended.count(), 1);
        QCOMPARE(table->tree()->topLevelItemCount(), 0);

        // Shown: a row per relay, with where it is drawn.
        dock->show();
        QCOMPARE(table->tree()->topLevelItemCount(), 1);
        QTreeWidgetItem *row = table->findTreeItemOfObj(*kv1);
        QVERIFY(row);
        QCOMPARE(row->text(0), QString("KV1"));
        QCOMPARE(row->text(1), QString("D3-2700"));
        QCOMPARE(row->text(2), kv1->placeTypeName());
        QCOMPARE(row->text(3), sheet->displayName());
        QCOMPARE(row->text(4), QString());

        // Its second winding: still one row, drawn twice on the sheet.
        place({"KV1", "KV1b", "D3-2700", 1, 0, false});
        QCOMPARE(kv1->items().size(), 2);
        QCOMPARE(table->tree()->topLevelItemCount(), 1);
        QCOMPARE(row->text(3), sheet->displayName() + ";" + sheet->displayName());

        // Another relay gains a row at once.
        place({"KV2", "KV2", "REL1-1600", 0, 0, false});
        QCOMPARE(appended.count(), 2);
        QCOMPARE(table->tree()->topLevelItemCount(), 2);
        row = table->findTreeItemOfObj(*project->findObj(RelayKind, "KV2"));
        QVERIFY(row);
        QCOMPARE(row->text(1), QString("REL1-1600"));
        QCOMPARE(EquipmentLayout::treeItemObj(row), project->findObj(RelayKind, "KV2"));
        QCOMPARE(boxTexts(rec), QStringList());
        project->setModified(false);
    }
};

QTEST_MAIN(TestRelayScheme)
#include "tst_relayscheme.moc"
