#include "app/actionsmanager.h"
#include "app/actiontable.h"
#include "model/check.h"
#include "support/modalrecorder.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QImage>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

// The command table as the program must show it, written out independently
// of the program's own table.
struct Expected
{
    int id;
    const char *text;
    const char *icon; // file under :/images/, "" for none
    bool enabled;
    bool checkable;
    QKeySequence::StandardKey key; // UnknownKey for none
};

const QKeySequence::StandardKey none = QKeySequence::UnknownKey;

const Expected expected[] = {
    {0, "New", "new.png", true, false, QKeySequence::New},
    {1, "Open...", "open.png", true, false, QKeySequence::Open},
    {2, "Save", "save.png", false, false, QKeySequence::Save},
    {3, "Save as...", "saveas.png", false, false, none},
    {4, "Import...", "import.png", false, false, none},
    {5, "Property...", "", false, false, none},
    {6, "Close", "close.png", false, false, QKeySequence::Close},
    {7, "Print...", "print.png", false, false, QKeySequence::Print},
    {8, "Print preview", "printerpreview.png", false, false, none},
    {9, "Printer settings...", "printersettings.png", false, false, none},
    {10, "Exit", "exit.png", true, false, none},
    {11, "Undo", "undo.png", false, false, QKeySequence::Undo},
    {12, "Redo", "redo.png", false, false, QKeySequence::Redo},
    {13, "Cut", "cut.png", false, false, QKeySequence::Cut},
    {14, "Copy", "copy.png", false, false, QKeySequence::Copy},
    {15, "Paste", "paste.png", false, false, QKeySequence::Paste},
    {16, "Grab pixmap", "grab_pixmap.png", false, false, none},
    {17, "Select All", "", false, false, QKeySequence::SelectAll},
    {18, "Left rotation", "rotateleft.png", false, false, none},
    {19, "Right rotation", "rotateright.png", false, false, none},
    {20, "Horozontal mirroring", "mirrorh.png", false, false, none},
    {21, "Vertical mirroring", "mirrorv.png", false, false, none},
    {22, "Find", "", false, false, QKeySequence::Find},
    {23, "Delete", "delete.png", false, false, QKeySequence::Delete},
    {24, "Property...", "property.png", false, false, none},
    {25, "Zoom in", "zoomin.png", false, false, none},
    {26, "Zoom out", "zoomout.png", false, false, none},
    {27, "Zoom 1:1", "zoom11.png", false, false, none},
    {28, "Back", "back.png", false, false, QKeySequence::Back},
    {29, "Forward", "forward.png", false, false, QKeySequence::Forward},
    {30, "Arrow", "arrow.png", false, true, none},
    {31, "Scroll hand", "hand.png", false, true, none},
    {32, "Check project", "check.png", false, false, none},
    {33, "Sources explorer", "", false, false, none},
    {34, "Distances explorer", "", false, false, none},
    {35, "Parameters", "param.png", true, false, none},
    {36, "Settings", "settings.png", true, false, none},
    {37, "Help", "help.png", true, false, none},
    {38, "About", "about.png", true, false, none},
    {39, "New scheme group", "new.png", false, false, none},
    {40, "Delete scheme group", "delete.png", false, false, none},
    {41, "Print scheme group", "print.png", false, false, none},
    {42, "Print preview scheme group", "printerpreview.png", false, false, none},
    {43, "Save PDF scheme group", "savepdf.png", false, false, none},
    {44, "Property scheme group...", "", false, false, none},
    {45, "Copy scheme group", "copy.png", false, false, none},
    {46, "Paste scheme group", "paste.png", false, false, none},
    {47, "New scheme", "new.png", false, false, none},
    {48, "Delete scheme", "delete.png", false, false, none},
    {49, "Print scheme", "print.png", false, false, none},
    {50, "Print preview scheme", "printerpreview.png", false, false, none},
    {51, "Property scheme...", "", false, false, none},
    {52, "Copy scheme", "copy.png", false, false, none},
    {53, "Paste scheme", "paste.png", false, false, none},
    {54, "New row", "new.png", false, false, none},
    {55, "Delete row", "delete.png", false, false, none},
    {56, "Print row", "print.png", false, false, none},
    {57, "Print preview row", "printerpreview.png", false, false, none},
    {58, "Save PDF row", "savepdf.png", false, false, none},
    {59, "Property row...", "", false, false, none},
    {60, "New frame", "new.png", false, false, none},
    {61, "Delete frame", "delete.png", false, false, none},
    {62, "Print frame", "print.png", false, false, none},
    {63, "Print preview frame", "printerpreview.png", false, false, none},
    {64, "Save PDF frame", "savepdf.png", false, false, none},
    {65, "Property frame...", "", false, false, none},
    {66, "Print spec group", "print.png", false, false, none},
    {67, "Print preview spec group", "printerpreview.png", false, false, none},
    {68, "Save PDF spec group", "savepdf.png", false, false, none},
    {69, "Property spec group...", "", false, false, none},
    {70, "Print spec", "print.png", false, false, none},
    {71, "Print preview spec", "printerpreview.png", false, false, none},
    {72, "Property spec...", "", false, false, none},
    {73, "Net", "net.png", false, true, none},
    {74, "Node", "node.png", false, true, none},
    {75, "CrossNet", "crossnet.png", false, true, none},
    {76, "Ground", "ground.png", false, true, none},
    {77, "SlantingNet", "slantingnet.png", false, false, none},
    {78, "CopperPlate", "copperplate.png", false, false, none},
    {79, "Relay", "relay.png", false, false, none},
    {80, "Contact", "contact.png", false, false, none},
    {81, "Block", "block.png", false, false, none},
    {82, "Source", "source.png", false, false, none},
    {83, "Trans", "trans.png", false, false, none},
    {84, "Footnote", "footnote.png", false, false, none},
    {85, "Fuse", "fuse.png", false, false, none},
    {86, "Clamp", "clamp.png", false, false, none},
    {87, "Passage", "passage.png", false, false, none},
    {88, "Plughole", "plughole.png", false, false, none},
    {89, "Capacitor", "capacitor.png", false, false, none},
    {90, "Resistor", "resistor.png", false, false, none},
    {91, "Discharger", "discharger.png", false, false, none},
    {92, "Varistor", "varistor.png", false, false, none},
    {93, "Bottom", "bottom.png", false, false, none},
    {94, "Conductor", "conductor.png", false, false, none},
    {95, "Diode", "diode.png", false, false, none},
    {96, "Stabilitron", "stabilitron.png", false, false, none},
    {97, "Lamp", "lamp.png", false, false, none},
    {98, "Bell", "bell.png", false, false, none},
    {99, "Luminodiode", "luminodiode.png", false, false, none},
    {100, "Signallamp", "signallamp.png", false, false, none},
    {101, "Button", "button.png", false, false, none},
    {102, "Commutator", "commutator.png", false, false, none},
    {103, "Keystaff", "keystaff.png", false, false, none},
    {104, "Ammeter", "ammetr.png", false, false, none},
    {105, "AutoSwitch", "autoswitch.png", false, false, none},
    {106, "MeasuringPanel", "measuring.png", false, false, none},
    {107, "Heating", "heating.png", false, false, none},
    {108, "Box", "box.png", false, false, none},
    {109, "Interrupter", "interrupter.png", false, false, none},
    {110, "Command", "mts.png", false, false, none},
    {111, "Text", "text.png", false, false, none},
    {112, "Line", "line.png", false, true, none},
    {113, "Ellipse", "circle.png", false, true, none},
    {114, "Rect", "rect.png", false, true, none},
    {115, "Pixmap", "pixmap.png", false, false, none},
    {116, "Panel", "panel.png", false, false, none},
    {117, "Board", "board.png", false, false, none},
};

// Menus and the main tool bar by text; "|" is a separator.
const QList<QPair<QString, QStringList>> expectedMenus = {
    {"Project", {"New", "Open...", "|", "Save", "Save as...", "|", "Import...", "Property...", "|",
                 "Close", "|", "Print...", "Print preview", "Printer settings...", "|", "Exit"}},
    {"Edit", {"Undo", "Redo", "|", "Cut", "Copy", "Paste", "|", "Grab pixmap", "|", "Select All", "|",
              "Left rotation", "Right rotation", "Horozontal mirroring", "Vertical mirroring", "|",
              "Find", "|", "Delete", "|", "Property..."}},
    {"View", {"Zoom in", "Zoom out", "Zoom 1:1", "|", "Back", "Forward"}},
    {"Edit mode", {"Arrow", "Scroll hand"}},
    {"Service", {"Check project", "Sources explorer", "Distances explorer", "Parameters", "Settings"}},
    {"Help", {"Help", "About"}},
};

const QStringList expectedToolBar = {
    "Open...", "Save", "Print...", "|", "Undo", "Redo", "|", "Cut", "Copy", "Paste", "|",
    "Grab pixmap", "|", "Left rotation", "Right rotation", "Horozontal mirroring",
    "Vertical mirroring", "Delete", "|", "Property...", "|", "Zoom in", "Zoom out", "Zoom 1:1", "|",
    "Back", "Forward", "|", "Arrow", "Scroll hand", "|", "Check project", "|"};

const QList<QPair<QString, QPair<int, int>>> expectedToolBox = {
    {"Basic", {73, 105}}, {"RSH", {106, 109}}, {"DC VARNEL", {110, 110}}, {"Draw", {111, 115}},
    {"Frame", {116, 117}}};

QStringList texts(const QList<QAction *> &actions)
{
    QStringList out;
    for (QAction *a : actions)
        out << (a->isSeparator() ? QStringLiteral("|") : a->text());
    return out;
}

QImage normalized(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Everything the main window builds from the tables, without the window.
struct Built
{
    QWidget parent;
    QMenuBar *menuBar = new QMenuBar(&parent);
    QToolBar *toolBar = new QToolBar(&parent);
    QTabWidget *toolBox = new QTabWidget(&parent);
    QList<QAction *> actions;

    Built()
    {
        ActionsManager::createMenus(&parent, &actions, menuBar, toolBar);
        ActionsManager::createToolBox(toolBox, &actions);
    }
};

// Marks every text of the command table, to see it pass through translation.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (QByteArray(context) == "ActionManager")
            return QStringLiteral("<") + QString::fromLatin1(source) + QStringLiteral(">");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

} // namespace

class Receiver : public QObject
{
    Q_OBJECT

public:
    int hits = 0;
    int otherHits = 0;

public slots:
    void hit() { ++hits; }
    void other() { ++otherHits; }
};

class TestActions : public QObject
{
    Q_OBJECT

private slots:
    void tableCounts()
    {
        QCOMPARE(menuSectionCount, 6);
        QCOMPARE(contextSectionCount, 6);
        QCOMPARE(toolBoxSectionCount, 5);
        const int menuCounts[] = {16, 21, 6, 2, 5, 2};
        const int contextCounts[] = {11, 10, 9, 9, 5, 4};
        const int toolCounts[] = {33, 4, 1, 5, 2};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(menuSections[i].count, menuCounts[i]);
            QCOMPARE(contextSections[i].count, contextCounts[i]);
        }
        for (int i = 0; i < 5; ++i)
            QCOMPARE(toolBoxSections[i].count, toolCounts[i]);
        QCOMPARE(int(sizeof(expected) / sizeof(expected[0])), int(ActionCount));
    }

    void everyActionAsSpecified()
    {
        ModalRecorder recorder;
        Built built;
        QCOMPARE(recorder.count(), 0);
        QCOMPARE(built.actions.size(), 118);
        for (const Expected &e : expected) {
            QAction *a = built.actions.at(e.id);
            const QString where = QStringLiteral("action %1").arg(e.id);
            QVERIFY2(a->text() == QString::fromLatin1(e.text), qPrintable(where));
            QVERIFY2(a->isEnabled() == e.enabled, qPrintable(where));
            QVERIFY2(a->isCheckable() == e.checkable, qPrintable(where));
            QVERIFY2(!a->isChecked(), qPrintable(where));
            if (e.key == none)
                QVERIFY2(a->shortcut().isEmpty(), qPrintable(where));
            else
                QVERIFY2(a->shortcut() == QKeySequence(e.key), qPrintable(where));
            if (*e.icon) {
                const QString path = QStringLiteral(":/images/") + QString::fromLatin1(e.icon);
                const QImage file(path);
                QVERIFY2(!file.isNull(), qPrintable(path));
                QVERIFY2(normalized(a->icon().pixmap(32, 32).toImage()) == normalized(file),
                         qPrintable(where));
            } else {
                QVERIFY2(a->icon().isNull(), qPrintable(where));
            }
            QWidget *expectedParent = e.id >= 73 ? static_cast<QWidget *>(built.toolBox) : &built.parent;
            QVERIFY2(a->parent() == expectedParent, qPrintable(where));
        }
    }

    void tableRowsNameTheirIcons()
    {
        // The table itself holds the full resource paths and the ids in order.
        int next = 0;
        const auto walk = [&](const ActionSection *sections, int count, bool menus) {
            for (int s = 0; s < count; ++s) {
                for (int i = 0; i < sections[s].count; ++i) {
                    const ActionEntry &entry = sections[s].entries[i];
                    if (!entry.text) {
                        QVERIFY(!entry.icon);
                        continue;
                    }
                    QCOMPARE(entry.id, next);
                    const Expected &e = expected[next];
                    const QString icon = *e.icon ? QStringLiteral(":/images/") + QString::fromLatin1(e.icon)
                                                 : QString();
                    QCOMPARE(QString::fromLatin1(entry.icon), icon);
                    if (!menus)
                        QVERIFY(!entry.inMainToolBar);
                    ++next;
                }
            }
        };
        walk(menuSections, menuSectionCount, true);
        walk(contextSections, contextSectionCount, false);
        walk(toolBoxSections, toolBoxSectionCount, false);
        QCOMPARE(next, 118);
    }

    void menusAndToolBar()
    {
        ModalRecorder recorder;
        Built built;
        const QList<QAction *> menuActions = built.menuBar->actions();
        QCOMPARE(menuActions.size(), expectedMenus.size());
        for (int i = 0; i < menuActions.size(); ++i) {
            QCOMPARE(menuActions[i]->text(), expectedMenus[i].first);
            QCOMPARE(texts(menuActions[i]->menu()->actions()), expectedMenus[i].second);
        }
        QCOMPARE(texts(built.toolBar->actions()), expectedToolBar);
        // The tool bar holds the very actions of the menus.
        QCOMPARE(built.toolBar->actions().first(), built.actions[1]);
        // Context actions are placed nowhere until a manager shows its menu.
        for (int id = 39; id <= 72; ++id)
            QVERIFY2(built.actions[id]->associatedObjects().isEmpty(), qPrintable(QString::number(id)));
    }

    void toolBoxTabs()
    {
        ModalRecorder recorder;
        Built built;
        QCOMPARE(built.toolBox->count(), expectedToolBox.size());
        for (int i = 0; i < expectedToolBox.size(); ++i) {
            QCOMPARE(built.toolBox->tabText(i), expectedToolBox[i].first);
            auto *bar = qobject_cast<QToolBar *>(built.toolBox->widget(i));
            QVERIFY(bar);
            QCOMPARE(bar->windowTitle(), expectedToolBox[i].first);
            QList<QAction *> ids;
            for (int id = expectedToolBox[i].second.first; id <= expectedToolBox[i].second.second; ++id)
                ids << built.actions[id];
            QCOMPARE(bar->actions(), ids);
        }
    }

    void textsTranslatedInActionManagerContext()
    {
        MarkingTranslator translator;
        QCoreApplication::installTranslator(&translator);
        ModalRecorder recorder;
        Built built;
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(built.actions[0]->text(), QString("<New>"));
        QCOMPARE(built.actions[117]->text(), QString("<Board>"));
        QCOMPARE(built.menuBar->actions()[3]->text(), QString("<Edit mode>"));
        QCOMPARE(built.toolBox->tabText(2), QString("<DC VARNEL>"));
    }

    void entryOutOfOrderIsRefused()
    {
        ModalRecorder recorder;
        QWidget parent;
        QList<QAction *> actions;
        const ActionEntry second = {"", "Second", false, 1, false, true, 0};
        QAction *a = ActionsManager::createAction(&parent, &actions, second);
        QVERIFY(a);
        QCOMPARE(recorder.count(), 1);
        QVERIFY(recorder.shown[0].text.endsWith("FALSE expression"));
        QVERIFY(actions.isEmpty());
        // Not set up either: it stays enabled and not checkable.
        QVERIFY(a->isEnabled());
        QVERIFY(!a->isCheckable());

        // A gap in the ids makes every later row fail as well.
        const ActionEntry third = {"", "Third", false, 2, false, false, 0};
        ActionsManager::createAction(&parent, &actions, third);
        QCOMPARE(recorder.count(), 2);
        QVERIFY(actions.isEmpty());
        const ActionEntry first = {"", "First", false, 0, false, false, 0};
        QVERIFY(ActionsManager::createAction(&parent, &actions, first));
        QCOMPARE(actions.size(), 1);
        QCOMPARE(recorder.count(), 2);
    }

    void activationConnectsAndAppliesStates()
    {
        ModalRecorder recorder;
        Built built;
        Receiver r;
        ActionsManager manager(&built.actions);
        manager.addHandler(14, &r, SLOT(hit()), true, false);
        manager.addHandler(30, &r, SLOT(other()), true, true);
        manager.addHandler(13, &r, SLOT(hit()), false, false);
        QVERIFY(!manager.isActive());
        QAction *copy = built.actions[14];
        QAction *arrow = built.actions[30];
        QAction *cut = built.actions[13];

        // Registering applies nothing.
        QVERIFY(!copy->isEnabled());
        QVERIFY(!arrow->isChecked());

        manager.setActive(true);
        QVERIFY(copy->isEnabled());
        QVERIFY(arrow->isEnabled());
        QVERIFY(arrow->isChecked());
        QVERIFY(!cut->isEnabled());
        copy->trigger();
        QCOMPARE(r.hits, 1);
        arrow->trigger(); // a checkable action toggles and still reports
        QCOMPARE(r.otherHits, 1);

        // Activating again connects nothing twice.
        manager.setActive(true);
        copy->trigger();
        QCOMPARE(r.hits, 2);

        manager.setActive(false);
        QVERIFY(!copy->isEnabled());
        QVERIFY(!arrow->isEnabled());
        QVERIFY(!arrow->isChecked());
        // Disconnected, not merely disabled.
        copy->setEnabled(true);
        copy->trigger();
        QCOMPARE(r.hits, 2);
        QCOMPARE(recorder.count(), 0);
    }

    void statesChangedWhileInactiveAreRestored()
    {
        ModalRecorder recorder;
        Built built;
        Receiver r;
        ActionsManager manager(&built.actions);
        manager.addHandler(23, &r, SLOT(hit()), false, false);
        manager.addHandler(31, &r, SLOT(hit()), true, false);

        manager.setActionEnabled(23, true);
        QVERIFY(manager.setActionChecked(31, true));
        // Only the records changed.
        QVERIFY(!built.actions[23]->isEnabled());
        QVERIFY(!built.actions[31]->isChecked());

        manager.setActive(true);
        QVERIFY(built.actions[23]->isEnabled());
        QVERIFY(built.actions[31]->isChecked());

        // While active, the action follows at once.
        manager.setActionEnabled(23, false);
        QVERIFY(!built.actions[23]->isEnabled());
        QVERIFY(manager.setActionChecked(31, false));
        QVERIFY(!built.actions[31]->isChecked());
        manager.setActive(false);
        manager.setActive(true);
        QVERIFY(!built.actions[23]->isEnabled());
        QVERIFY(!built.actions[31]->isChecked());

        const int ids[] = {23, 31};
        manager.setActionsEnabled(ids, 2, true);
        QVERIFY(built.actions[23]->isEnabled());
        QVERIFY(built.actions[31]->isEnabled());
        QCOMPARE(recorder.count(), 0);
    }

    void unregisteredIdIsReported()
    {
        ModalRecorder recorder;
        Built built;
        Receiver r;
        ActionsManager manager(&built.actions);
        manager.addHandler(14, &r, SLOT(hit()), true);
        manager.setActive(true);
        manager.setActionEnabled(15, true);
        QCOMPARE(recorder.count(), 1);
        // The action itself was already changed.
        QVERIFY(built.actions[15]->isEnabled());
        QVERIFY(!manager.setActionChecked(15, true));
        QCOMPARE(recorder.count(), 2);

        // Bad registrations are refused.
        manager.addHandler(118, &r, SLOT(hit()));
        manager.addHandler(-1, &r, SLOT(hit()));
        manager.addHandler(5, nullptr, SLOT(hit()));
        manager.addHandler(5, &r, nullptr);
        QCOMPARE(recorder.count(), 6);
        QCOMPARE(manager.handlers().size(), 1);

        QVERIFY(!manager.action(118));
        QCOMPARE(recorder.count(), 7);
        QAction foreign;
        QCOMPARE(manager.actionId(&foreign), -1);
        QCOMPARE(manager.actionId(built.actions[77]), 77);
        QCOMPARE(manager.action(77), built.actions[77]);
    }

    void oneActionServesTheActiveOwner()
    {
        ModalRecorder recorder;
        Built built;
        Receiver first, second;
        ActionsManager a(&built.actions), b(&built.actions);
        a.addHandler(14, &first, SLOT(hit()), true);
        b.addHandler(14, &second, SLOT(hit()), true);
        a.setActive(true);
        built.actions[14]->trigger();
        a.setActive(false);
        b.setActive(true);
        built.actions[14]->trigger();
        QCOMPARE(first.hits, 1);
        QCOMPARE(second.hits, 1);
    }

    void contextMenus()
    {
        ModalRecorder recorder;
        Built built;
        Receiver r;
        ActionsManager manager(&built.actions);
        manager.addHandler(39, &r, SLOT(hit()), true);
        const int ids[] = {39, -1, 40};

        QMenu inactive;
        manager.addActionsToMenu(&inactive, ids, 3);
        QCOMPARE(texts(inactive.actions()), QStringList({"|", "|", "|"}));
        QCOMPARE(recorder.count(), 3);

        manager.setActive(true);
        QMenu menu;
        manager.addActionsToMenu(&menu, ids, 3);
        QCOMPARE(menu.actions(), QList<QAction *>({built.actions[39], menu.actions()[1], built.actions[40]}));
        QVERIFY(menu.actions()[1]->isSeparator());
        manager.addActionToMenu(&menu, 500);
        QVERIFY(menu.actions().last()->isSeparator());
        QCOMPARE(recorder.count(), 3);
    }
};

QTEST_MAIN(TestActions)
#include "tst_actions.moc"
