#include "app/actionsmanager.h"
#include "app/dlgsettings.h"
#include "equipment/equipmentmenager.h"
#include "equipment/frame.h"
#include "equipment/framegroup.h"
#include "equipment/specificationcable.h"
#include "equipment/specificationdevice.h"
#include "equipment/specificationmanagercable.h"
#include "equipment/specificationmanagerdevice.h"
#include "graphics/rlineedit.h"
#include "graphics/sceneitem.h"
#include "model/datastream.h"
#include "model/file.h"
#include "model/filedialogs.h"
#include "model/project.h"
#include "schemes/dlgpropscheme.h"
#include "schemes/dlgpropschemegroup.h"
#include "schemes/scheme.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/filesbelow.h"
#include "support/modalrecorder.h"
#include "support/streambytes.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDirIterator>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include <memory>

namespace {

// The window's action list, as the main window builds it.
struct Window
{
    QWidget host;
    QMenuBar menuBar;
    QToolBar toolBar;
    QTabWidget toolBox;
    QList<QAction *> actions;

    Window()
    {
        ActionsManager::createMenus(&host, &actions, &menuBar, &toolBar);
        ActionsManager::createToolBox(&toolBox, &actions);
    }
    QAction *a(int id) const { return actions.at(id); }
    // The ids among the given ones whose actions are enabled.
    QList<int> enabledOf(const QList<int> &ids) const
    {
        QList<int> out;
        for (int id : ids) {
            if (a(id)->isEnabled())
                out << id;
        }
        return out;
    }
};

// Every context command of the project tree.
QList<int> contextIds()
{
    QList<int> ids;
    for (int id = 39; id <= 72; ++id)
        ids << id;
    return ids;
}

void answerGroup(ModalRecorder &rec, int atr, const QString &comment)
{
    rec.handle([=](QDialog *d) {
        auto *dialog = qobject_cast<DlgPropSchemeGroup *>(d);
        QVERIFY(dialog);
        dialog->atrSpin()->setValue(atr);
        dialog->commentEdit()->setText(comment);
        pressOk(dialog);
    });
}

void answerScheme(ModalRecorder &rec, int number, const QString &comment)
{
    rec.handle([=](QDialog *d) {
        auto *dialog = qobject_cast<DlgPropScheme *>(d);
        QVERIFY(dialog);
        dialog->numberSpin()->setValue(number);
        dialog->commentEdit()->setText(comment);
        pressOk(dialog);
    });
}

SchemeGroup *addGroup(Project &p, int atr, const QString &comment = QString())
{
    auto *group = new SchemeGroup(&p);
    group->setComment(comment);
    group->setAtrNumber(atr);
    p.schemes()->appendItem(group);
    return group;
}

Scheme *addScheme(SchemeGroup *group, int number, const QString &name, int pageSize = GraphicsScene::PaperA3,
                  bool landscape = true, int across = 1)
{
    auto *scheme = new Scheme(group->project());
    scheme->setSheetFormat(pageSize, landscape, quint8(across));
    scheme->setName(name);
    scheme->setNumber(number);
    group->appendItem(scheme);
    return scheme;
}

// A scheme's clipboard record: its sheet header and its items (none).
void schemeRecord(DataStream &s, const Scheme *scheme)
{
    s << qint32(scheme->number()) << scheme->name() << qint32(40) << quint8(scheme->pageSize())
      << quint8(scheme->isLandscape()) << quint8(scheme->sheetsAcross()) << quint8(0) << quint8(1) << qint32(0);
}

QByteArray clipboardBytes(const QString &format)
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    return data ? data->data(format) : QByteArray();
}

void putOnClipboard(const QString &format, const QByteArray &bytes)
{
    auto *data = new QMimeData();
    data->setData(format, bytes);
    QGuiApplication::clipboard()->setMimeData(data, QClipboard::Clipboard);
}

QStringList childTexts(const QTreeWidgetItem *row)
{
    QStringList texts;
    for (int i = 0; i < row->childCount(); ++i)
        texts << row->child(i)->text(0) + "|" + row->child(i)->text(1);
    return texts;
}

int pdfPages(const QString &path)
{
    QProcess process;
    process.start("pdfinfo", {path});
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return -1;
    const QRegularExpressionMatch m =
        QRegularExpression("Pages:\\s+(\\d+)").match(QString::fromLocal8Bit(process.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QDateTime clockNow;

// The branch's paste command is brought up to date when its menu is built.
void openBranchMenu(SchemeMenager *menager)
{
    std::unique_ptr<QMenu> menu(menager->createContextMenu());
}

} // namespace

class TestItemMenager : public QObject
{
    Q_OBJECT

    std::unique_ptr<Window> m_window;

    Window &w() { return *m_window; }

private slots:
    void initTestCase()
    {
        clockNow = QDateTime(QDate(2024, 6, 7), QTime(8, 9, 10, 11));
        setFileClock([] { return clockNow; });
    }

    void cleanupTestCase()
    {
        setFileClock(nullptr);
    }

    void init()
    {
        m_window = std::make_unique<Window>();
        QGuiApplication::clipboard()->clear();
    }

    void cleanup()
    {
        m_window.reset();
        setFileDialogHook(nullptr);
    }

    void handlersAsRegistered()
    {
        Project p(nullptr, &w().actions);
        auto handlers = [](const ActionsManager *m) {
            QStringList out;
            for (const ActionHandler &h : m->handlers())
                out << QString("%1 %2 %3").arg(h.actionId).arg(QString(h.slot).mid(1).section('\0', 0, 0)).arg(h.enabled);
            return out;
        };
        QCOMPARE(handlers(p.schemes()),
                 QStringList({"39 clickNewItem() 1", "40 clickDeleteItem() 0", "44 clickPropertyItem() 0",
                              "41 clickPrintItem() 0", "45 copy() 0", "46 paste() 0", "43 clickSavePdfFiles() 0"}));
        QCOMPARE(handlers(p.equipment()),
                 QStringList({"54 clickNewItem() 1", "55 clickDeleteItem() 0", "59 clickPropertyItem() 0",
                              "56 clickPrintItem() 0", "58 clickSavePdfFiles() 0"}));
        // The specification branches register only their print handler, and
        // it starts disabled.
        QCOMPARE(handlers(p.specificationDevice()),
                 QStringList({"66 clickPrintItem() 0", "68 clickSavePdfFiles() 0", "72 clickSpecProperty() 1"}));
        QCOMPARE(handlers(p.specificationCable()),
                 QStringList({"70 clickPrintItem() 0", "68 clickSavePdfFiles() 0", "72 clickSpecProperty() 1"}));

        SchemeGroup group(&p);
        QCOMPARE(handlers(&group),
                 QStringList({"47 clickNewItem() 1", "48 clickDeleteItem() 0", "51 clickPropertyItem() 0",
                              "49 clickPrintItem() 0", "52 copy() 0", "53 paste() 0"}));
        FrameGroup row(&p);
        QCOMPARE(handlers(&row),
                 QStringList({"60 clickNewItem() 1", "61 clickDeleteItem() 0", "65 clickPropertyItem() 0",
                              "62 clickPrintItem() 0", "64 clickSavePdfFiles() 0"}));
        SpecificationGroupDevice bill(&p);
        QCOMPARE(handlers(&bill), QStringList({"70 clickPrintItem() 0"}));

        // A count other than four registers nothing.
        ModalRecorder rec;
        SpecificationGroupDevice other(&p);
        const int ids[4] = {1, 2, 3, 4};
        const int before = int(other.handlers().size());
        other.registerItemActions(ids, 3);
        QCOMPARE(int(other.handlers().size()), before);
        QCOMPARE(rec.count(), 1);
        QVERIFY(rec.shown[0].text.endsWith("FALSE expression"));

        // No mime type, no paste.
        QVERIFY(!p.equipment()->canPaste());
        QVERIFY(!p.schemes()->canPaste());
        putOnClipboard("text/plain", "x");
        QVERIFY(!p.schemes()->canPaste());
        putOnClipboard("r-lay/scheme-group", "x");
        QVERIFY(p.schemes()->canPaste());
        QVERIFY(!group.canPaste());
        QVERIFY(!p.equipment()->canPaste());
    }

    void activationFollowsTheCurrentRow()
    {
        Project p(nullptr, &w().actions);
        ModalRecorder rec;
        QCOMPARE(w().enabledOf(contextIds()), QList<int>());

        // The branch row: only its new command.
        p.setCurrentItem(p.schemes()->treeItem());
        QCOMPARE(w().enabledOf(contextIds()), QList<int>({39}));

        // A new group becomes current: the branch's child commands act on it.
        answerGroup(rec, 3, "power");
        w().a(39)->trigger();
        QCOMPARE(p.schemes()->itemList().size(), 1);
        SchemeGroup *group = p.schemes()->itemList().first();
        QCOMPARE(p.currentItem(), group->treeItem());
        QCOMPARE(group->treeItem()->text(0), QString("ATR 03"));
        QCOMPARE(group->treeItem()->text(1), QString("power"));
        QCOMPARE(w().enabledOf(contextIds()), QList<int>({39, 40, 41, 43, 44, 45, 47}));

        // A new scheme becomes current: the group's child commands act on
        // it, the branch's are off (the scheme is not its direct child).
        answerScheme(rec, 7, "supply");
        w().a(47)->trigger();
        QCOMPARE(group->itemList().size(), 1);
        Scheme *scheme = group->itemList().first();
        QCOMPARE(p.currentItem(), scheme->sceneItem());
        QCOMPARE(scheme->sceneItem()->text(0), QString(" 07"));
        QCOMPARE(scheme->sceneItem()->text(1), QString("supply"));
        QCOMPARE(scheme->displayName(), QString(" 03_07*"));
        QCOMPARE(w().enabledOf(contextIds()), QList<int>({39, 47, 48, 49, 51, 52}));
        QCOMPARE(rec.count(), 2);

        // Another branch: all of the schemes' commands stop.
        p.setCurrentItem(p.equipment()->treeItem());
        QCOMPARE(w().enabledOf(contextIds()), QList<int>({54}));
        // The equipment scheme is no row: the row commands stay off.
        p.setCurrentItem(p.equipment()->equipmentScheme()->sceneItem());
        QCOMPARE(w().enabledOf(contextIds()), QList<int>({54}));

        rec.handle([](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropFrameGroup *>(d);
            QVERIFY(dialog);
            dialog->numberSpin()->setValue(2);
            dialog->commentEdit()->setText("north");
            pressOk(dialog);
        });
        w().a(54)->trigger();
        QCOMPARE(p.equipment()->itemList().size(), 1);
        FrameGroup *row = p.equipment()->itemList().first();
        QCOMPARE(row->treeItem()->text(0), QString("Row 2"));
        QCOMPARE(p.currentItem(), row->treeItem());
        QCOMPARE(w().enabledOf(contextIds()), QList<int>({54, 55, 56, 58, 59, 60}));
        // The equipment scheme stays the branch's first row.
        QCOMPARE(p.equipment()->treeItem()->child(0), p.equipment()->equipmentScheme()->sceneItem());

        rec.handle([](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropFrame *>(d);
            QVERIFY(dialog);
            dialog->numberSpin()->setValue(3);
            dialog->commentEdit()->setText(" rack  one ");
            pressOk(dialog);
        });
        w().a(60)->trigger();
        QCOMPARE(row->itemList().size(), 1);
        Frame *frame = row->itemList().first();
        QCOMPARE(frame->treeItem()->text(0), QString("Frame 3"));
        QCOMPARE(frame->treeItem()->text(1), QString("rack one"));
        // The new frame takes the row's number.
        QCOMPARE(int(frame->address().field(1)), 2);
        QCOMPARE(int(frame->address().field(2)), 3);
        QCOMPARE(w().enabledOf(contextIds()), QList<int>({54, 60, 61, 62, 64, 65}));
        // Frame 0 of row 0 is named as a reopened project names it.
        for (int id : {54, 60}) {
            rec.handle([](QDialog *d) {
                d->findChild<QSpinBox *>()->setValue(0);
                pressOk(d);
            });
            w().a(id)->trigger();
        }
        QCOMPARE(p.equipment()->itemList().last()->itemList().value(0)->treeItem()->text(0), QString("Frame "));

        // The specification branches: their print commands act on a child
        // only; the property command is always there.
        p.setCurrentItem(p.specificationDevice()->treeItem());
        QCOMPARE(w().enabledOf(contextIds()), QList<int>({72}));
        p.setCurrentItem(p.specificationCable()->treeItem());
        QCOMPARE(w().enabledOf(contextIds()), QList<int>({72}));
        auto *page = new SpecificationCable(&p);
        p.specificationCable()->appendItem(page);
        p.setCurrentItem(page->sceneItem());
        QCOMPARE(w().enabledOf(contextIds()), QList<int>({68, 70, 72}));

        p.setCurrentItem(nullptr);
        QCOMPARE(w().enabledOf(contextIds()), QList<int>());

        // A manager that goes leaves no action enabled behind.
        p.setCurrentItem(scheme->sceneItem());
        QVERIFY(w().a(47)->isEnabled());
        rec.clear();
        p.setCurrentItem(group->treeItem());
        w().a(40)->trigger();
        QCOMPARE(rec.count(), 0);
        QVERIFY(p.schemes()->itemList().isEmpty());
        QCOMPARE(w().enabledOf(contextIds()), QList<int>());
    }

    void contextMenuOfTheBranch()
    {
        Project p(nullptr, &w().actions);
        SchemeGroup *group = addGroup(p, 1);
        Scheme *scheme = addScheme(group, 1, "a");
        p.setCurrentItem(scheme->sceneItem());

        std::unique_ptr<QMenu> menu(p.schemes()->createContextMenu());
        QVERIFY(menu);
        const QList<QAction *> entries = menu->actions();
        QCOMPARE(entries.size(), 18);
        const int ids[] = {39, 40, 41, 42, 43, 44, -1, 45, 46, -1, 47, 48, 49, 50, 51, -1, 52, 53};
        for (int i = 0; i < 18; ++i) {
            if (ids[i] < 0)
                QVERIFY(entries[i]->isSeparator());
            else
                QCOMPARE(entries[i], w().a(ids[i]));
        }
        // Paste is offered when the clipboard holds a scheme group.
        QVERIFY(!w().a(46)->isEnabled());
        putOnClipboard("r-lay/scheme-group", "x");
        p.setCurrentItem(group->treeItem());
        menu.reset(p.schemes()->createContextMenu());
        QVERIFY(w().a(46)->isEnabled());
        // The group's paste follows the clipboard as it changes.
        QVERIFY(!w().a(53)->isEnabled());
        putOnClipboard("r-lay/scheme", "x");
        QVERIFY(w().a(53)->isEnabled());
        QGuiApplication::clipboard()->clear();
        QVERIFY(!w().a(53)->isEnabled());

        // A right click on a scheme shows the branch's menu, not one of the
        // group.
        p.setCurrentItem(scheme->sceneItem());
        int seen = -1;
        QTimer::singleShot(0, [&seen]() {
            auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            seen = popup ? int(popup->actions().size()) : 0;
            if (popup)
                QTest::keyClick(popup, Qt::Key_Escape);
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(1, 1), QPoint(20, 30));
        QCoreApplication::sendEvent(p.viewport(), &event);
        QCOMPARE(seen, 18);

        // The equipment branch's menu.
        p.setCurrentItem(p.equipment()->treeItem());
        menu.reset(p.equipment()->createContextMenu());
        QCOMPARE(menu->actions().size(), 13);
        QVERIFY(menu->actions()[6]->isSeparator());
        p.setCurrentItem(p.specificationCable()->treeItem());
        menu.reset(p.specificationCable()->createContextMenu());
        QCOMPARE(menu->actions().size(), 5);
        QCOMPARE(menu->actions()[2], w().a(68));

        // A nested manager has no menu of its own.
        ModalRecorder rec;
        QVERIFY(!group->createContextMenu());
        QCOMPARE(rec.count(), 1);
    }

    void newPropertiesDelete()
    {
        Project p(nullptr, &w().actions);
        ModalRecorder rec;
        p.setCurrentItem(p.schemes()->treeItem());
        p.setModified(false);
        p.clearChangeFlags();

        // Cancel creates nothing.
        rec.reject();
        w().a(39)->trigger();
        QVERIFY(p.schemes()->itemList().isEmpty());
        QVERIFY(!p.isModified());

        answerGroup(rec, 12, "b");
        w().a(39)->trigger();
        answerGroup(rec, 4, "a");
        p.setCurrentItem(p.schemes()->treeItem());
        w().a(39)->trigger();
        QCOMPARE(p.schemes()->itemList().size(), 2);
        // The list keeps the order of creation, the tree is sorted.
        QCOMPARE(p.schemes()->itemList()[0]->atrNumber(), 12);
        QCOMPARE(childTexts(p.schemes()->treeItem()), QStringList({"ATR 04|a", "ATR 12|b"}));
        QVERIFY(p.isModified());
        QVERIFY(p.schemesChanged());
        QVERIFY(!p.equipmentChanged());

        // Properties: the dialog shows the group and its Ok renames it.
        SchemeGroup *group = p.schemes()->itemList()[1];
        p.setCurrentItem(group->treeItem());
        p.clearChangeFlags();
        rec.clear();
        rec.handle([](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropSchemeGroup *>(d);
            QCOMPARE(dialog->atrSpin()->value(), 4);
            QCOMPARE(dialog->commentEdit()->text(), QString("a"));
            dialog->atrSpin()->setValue(20);
            pressOk(dialog);
        });
        w().a(44)->trigger();
        QCOMPARE(rec.count(), 1);
        QCOMPARE(childTexts(p.schemes()->treeItem()), QStringList({"ATR 12|b", "ATR 20|a"}));
        QVERIFY(p.schemesChanged());
        // Cancel changes nothing.
        p.clearChangeFlags();
        rec.reject();
        w().a(44)->trigger();
        QCOMPARE(group->atrNumber(), 20);
        QVERIFY(!p.schemesChanged());

        // A scheme's properties mark it modified.
        answerScheme(rec, 2, "two");
        w().a(47)->trigger();
        Scheme *scheme = group->itemList().first();
        int renamed = 0;
        // The listeners go before the counts they write to.
        auto renameGuard = std::make_unique<QObject>();
        connect(&p, &Project::nameChangedGraphicsScene, renameGuard.get(),
                [&renamed](const GraphicsScene &) { ++renamed; });
        scheme->setModified(false);
        p.clearChangeFlags();
        rec.handle([](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropScheme *>(d);
            QCOMPARE(dialog->numberSpin()->value(), 2);
            QCOMPARE(dialog->commentEdit()->text(), QString("two"));
            dialog->commentEdit()->setText("second");
            pressOk(dialog);
        });
        w().a(51)->trigger();
        QCOMPARE(scheme->name(), QString("second"));
        QVERIFY(scheme->isModified());
        QVERIFY(p.schemesChanged());
        QVERIFY(renamed >= 1);
        renameGuard.reset();
        // A new scheme is an A3 sheet, landscape, one sheet across.
        QCOMPARE(scheme->pageSize(), int(GraphicsScene::PaperA3));
        QVERIFY(scheme->isLandscape());
        QCOMPARE(scheme->sheetsAcross(), 1);
        QCOMPARE(scheme->groupNumber(), 20);

        // Delete asks nothing; the group goes with its schemes and their
        // tabs are told.
        QList<GraphicsScene *> deleted;
        QObject deleteGuard;
        connect(&p, &Project::deleteGraphicsScene, &deleteGuard, [&deleted](GraphicsScene *scene) { deleted << scene; });
        p.clearChangeFlags();
        p.setCurrentItem(group->treeItem());
        rec.clear();
        w().a(40)->trigger();
        QCOMPARE(rec.count(), 0);
        QCOMPARE(p.schemes()->itemList().size(), 1);
        QCOMPARE(childTexts(p.schemes()->treeItem()), QStringList({"ATR 12|b"}));
        QCOMPARE(deleted, QList<GraphicsScene *>({scheme}));
        QVERIFY(p.schemesChanged());
    }

    void deleteTakesOnlyTheManagersOwnItems()
    {
        Project p(nullptr, &w().actions);
        SchemeGroup *a = addGroup(p, 1);
        SchemeGroup *b = addGroup(p, 2);
        Scheme *a1 = addScheme(a, 1, "a1");
        addScheme(a, 2, "a2");
        Scheme *b1 = addScheme(b, 1, "b1");
        p.expandAll();

        // The group's delete command takes its own selected schemes only.
        p.setCurrentItem(a1->sceneItem());
        b->treeItem()->setSelected(true);
        b1->sceneItem()->setSelected(true);
        w().a(48)->trigger();
        QCOMPARE(a->itemList().size(), 1);
        QCOMPARE(b->itemList().size(), 1);
        QCOMPARE(p.schemes()->itemList().size(), 2);

        // The branch's delete takes a group with a scheme of it selected too.
        p.clearSelection();
        p.setCurrentItem(b->treeItem());
        b1->sceneItem()->setSelected(true);
        a->itemList().first()->sceneItem()->setSelected(true);
        w().a(40)->trigger();
        QCOMPARE(p.schemes()->itemList(), QList<SchemeGroup *>({a}));
        QCOMPARE(a->itemList().size(), 1);
    }

    // A group saved without sheets, given one and emptied again through its
    // menu, saves and opens empty.
    void aGroupEmptiedOfItsSheetsSaves()
    {
        QTemporaryDir tmp;
        ModalRecorder rec;
        Project p(nullptr, &w().actions);
        SchemeGroup *group = addGroup(p, 3, "power");
        p.setFileName(tmp.path() + "/plant.rlay");
        QVERIFY(p.save());
        Scheme *sheet = addScheme(group, 1, "one");
        p.expandAll();
        p.setCurrentItem(sheet->sceneItem());
        w().a(48)->trigger();
        QVERIFY(group->itemList().isEmpty());
        QVERIFY(p.save());
        Project again(nullptr, nullptr);
        again.setFileName(tmp.path() + "/plant.rlay");
        QVERIFY(again.load());
        QCOMPARE(again.schemes()->itemList().size(), 1);
        QVERIFY(again.schemes()->itemList()[0]->itemList().isEmpty());
        QCOMPARE(rec.count(), 0);
    }

    void copyAndPasteThroughTheClipboard()
    {
        Project p(nullptr, &w().actions);
        SchemeGroup *group = addGroup(p, 3, "power");
        group->setSchemesName("Supply schemes");
        group->setOwnProperty(5, "Petrov");
        Scheme *one = addScheme(group, 1, "one");
        Scheme *two = addScheme(group, 2, "two", GraphicsScene::PaperA2, false, 2);
        SchemeGroup *target = addGroup(p, 9, "target");
        p.expandAll();

        // Copy of a group: format, count, the group with its schemes, the
        // schemes' geometry (none), end mark.
        p.setCurrentItem(group->treeItem());
        QVERIFY(w().a(45)->isEnabled());
        w().a(45)->trigger();
        const QByteArray groupRecord = bytesOf([&](DataStream &s) {
            s << qint32(11) << qint32(1);
            s << qint32(3) << QString("power") << QString("Supply schemes");
            for (int i = 4; i < 16; ++i)
                s << (i == 5 ? QString("Petrov") : QString());
            s << qint32(2);
            schemeRecord(s, one);
            schemeRecord(s, two);
            s << qint32(-12);
        });
        QCOMPARE(clipboardBytes("r-lay/scheme-group"), groupRecord);

        p.setModified(false);
        p.clearChangeFlags();
        openBranchMenu(p.schemes());
        QVERIFY(w().a(46)->isEnabled());
        ModalRecorder rec;
        w().a(46)->trigger();
        QCOMPARE(rec.count(), 0);
        QCOMPARE(p.schemes()->itemList().size(), 3);
        SchemeGroup *copy = p.schemes()->itemList().last();
        QCOMPARE(copy->atrNumber(), 3);
        QCOMPARE(copy->comment(), QString("power"));
        QCOMPARE(copy->schemesName(), QString("Supply schemes"));
        QCOMPARE(copy->projectProperty(5, true), QString("Petrov"));
        // No directory: the copy gets its own at the next save.
        QCOMPARE(copy->dirNumber().number, 0);
        QCOMPARE(childTexts(copy->treeItem()), QStringList({" 01|one", " 02|two"}));
        QCOMPARE(copy->itemList()[1]->pageSize(), int(GraphicsScene::PaperA2));
        QVERIFY(!copy->itemList()[1]->isLandscape());
        QCOMPARE(copy->itemList()[1]->sheetsAcross(), 2);
        // The tree is sorted and the branch's file is due.
        QCOMPARE(p.schemes()->treeItem()->child(0)->text(0), QString("ATR 03"));
        QCOMPARE(p.schemes()->treeItem()->child(2), target->treeItem());
        QVERIFY(p.schemesChanged());
        QVERIFY(p.isModified());
        // The pasted group is not made current.
        QCOMPARE(p.currentItem(), group->treeItem());

        // Copy of two schemes, pasted into another group.
        p.clearSelection();
        p.setCurrentItem(two->sceneItem());
        one->sceneItem()->setSelected(true);
        two->sceneItem()->setSelected(true);
        QVERIFY(w().a(52)->isEnabled());
        w().a(52)->trigger();
        const QByteArray schemesRecord = clipboardBytes("r-lay/scheme");
        const QByteArray expected = bytesOf([&](DataStream &s) {
            s << qint32(11) << qint32(2);
            // In the tree's selection order.
            const QList<QTreeWidgetItem *> selection = p.selectedItems();
            for (QTreeWidgetItem *row : selection)
                schemeRecord(s, static_cast<Scheme *>(static_cast<SceneItem *>(row)->owner()));
            s << qint32(-12);
        });
        QCOMPARE(schemesRecord, expected);

        p.setCurrentItem(target->treeItem());
        QVERIFY(w().a(53)->isEnabled());
        w().a(53)->trigger();
        QCOMPARE(rec.count(), 0);
        QCOMPARE(target->itemList().size(), 2);
        QCOMPARE(childTexts(target->treeItem()), QStringList({" 01|one", " 02|two"}));
        QCOMPARE(target->itemList()[0]->groupNumber(), 9);
        // The pasted schemes have no file yet and are due.
        QVERIFY(target->itemList()[0]->isModified());
        QVERIFY(target->itemList()[0]->file().fileName().isEmpty());
    }

    void damagedClipboardRecordsPasteNothing()
    {
        Project p(nullptr, &w().actions);
        SchemeGroup *group = addGroup(p, 3, "power");
        addScheme(group, 1, "one");
        addScheme(group, 2, "two");
        p.expandAll();
        p.setCurrentItem(group->treeItem());
        w().a(45)->trigger();
        const QByteArray good = clipboardBytes("r-lay/scheme-group");
        QVERIFY(good.size() > 40);

        auto with = [&](int at, qint32 value) {
            QByteArray bytes = good;
            bytes.replace(at, 4, bytesOf([&](DataStream &s) { s << value; }));
            return bytes;
        };
        QByteArray cutInside = good;
        cutInside.remove(12, 4);
        QByteArray schemeCut = good;
        schemeCut.remove(schemeCut.size() - 8, 1);
        const struct
        {
            const char *label;
            QByteArray bytes;
        } cases[] = {
            {"another format", with(0, 10)},
            {"a newer format", with(0, 12)},
            {"wrong end mark", with(int(good.size()) - 4, -11)},
            {"end mark 11", with(int(good.size()) - 4, 11)},
            {"cut inside", cutInside},
            {"a byte less", schemeCut},
            {"a count beyond the data", with(4, 0x7FFFFFFF)},
            {"two groups announced", with(4, 2)},
            {"nothing but the marks", bytesOf([](DataStream &s) { s << qint32(11) << qint32(-12); })},
            {"cut before the end mark", good.left(good.size() - 4)},
            {"trailing bytes", good + QByteArray(4, '\0')},
            {"empty", QByteArray()},
        };
        for (const auto &c : cases) {
            p.setModified(false);
            p.clearChangeFlags();
            putOnClipboard("r-lay/scheme-group", c.bytes);
            openBranchMenu(p.schemes());
            ModalRecorder rec;
            w().a(46)->trigger();
            QVERIFY2(p.schemes()->itemList().size() == 1, c.label);
            QVERIFY2(p.schemes()->treeItem()->childCount() == 1, c.label);
            QVERIFY2(!p.isModified() && !p.schemesChanged(), c.label);
            QVERIFY2(rec.texts() == QStringList({"The clipboard holds data this program cannot paste. Nothing was pasted."}),
                     qPrintable(QString(c.label) + ": " + rec.texts().join(" | ")));
        }

        // Data of another format pastes nothing, quietly.
        putOnClipboard("text/plain", good);
        {
            ModalRecorder rec;
            openBranchMenu(p.schemes());
            QVERIFY(!w().a(46)->isEnabled());
            p.schemes()->pasteRecord(QByteArray());
            QCOMPARE(rec.count(), 1);
        }
        QCOMPARE(p.schemes()->itemList().size(), 1);

        // The whole record still pastes.
        putOnClipboard("r-lay/scheme-group", good);
        openBranchMenu(p.schemes());
        w().a(46)->trigger();
        QCOMPARE(p.schemes()->itemList().size(), 2);
        QCOMPARE(p.schemes()->itemList()[1]->itemList().size(), 2);
    }

    void emptyManagersAndCounts()
    {
        Project p(nullptr, nullptr);
        SchemeGroup group(&p);
        QCOMPARE(bytesOf([&](DataStream &s) { p.schemes()->writeItems(s); }), bytesOf([](DataStream &s) { s << qint32(0); }));
        QCOMPARE(bytesOf([&](DataStream &s) { p.schemes()->saveClipboard(s); }), bytesOf([](DataStream &s) { s << qint32(0); }));
        DataStream none;
        QVERIFY(p.specificationCable()->saveSecond(none));
        QVERIFY(p.schemes()->updatePointers(true));
        QVERIFY(p.equipment()->updateWLPointers());
        QVERIFY(p.equipment()->loadWLSecond(none) || true);

        // A count of 0 or less reads nothing more.
        for (qint32 count : {0, -1, -100}) {
            QByteArray bytes = bytesOf([&](DataStream &s) { s << count << qint32(77); });
            DataStream s(&bytes, QIODevice::ReadOnly);
            s.setFormatIndex(11);
            p.specificationCable()->readItems(s);
            QVERIFY(p.specificationCable()->itemList().isEmpty());
            qint32 next = 0;
            s >> next;
            QCOMPARE(next, 77);
        }
        // Read items are added under the branch, not made current.
        QByteArray bytes = bytesOf([](DataStream &s) { s << qint32(2) << QByteArray(64, '\0'); });
        DataStream s(&bytes, QIODevice::ReadOnly);
        s.setFormatIndex(11);
        p.specificationCable()->readItems(s);
        QCOMPARE(p.specificationCable()->itemList().size(), 2);
        QCOMPARE(p.specificationCable()->treeItem()->childCount(), 2);
        QVERIFY(!p.currentItem());
    }

    void schemesSavedAndLoaded()
    {
        QTemporaryDir tmp;
        const QString d = tmp.path() + "/plant";
        QDir().mkpath(d);
        QMap<QString, QByteArray> first;
        {
            ModalRecorder rec;
            Project p(nullptr, nullptr);
            // Two groups and three schemes, the list order unlike the tree's.
            SchemeGroup *five = addGroup(p, 5, "five");
            five->setSchemesName("Power\nsupply");
            five->setOwnProperty(7, "Ivanov");
            SchemeGroup *two = addGroup(p, 2, "two");
            addScheme(five, 3, "c");
            addScheme(five, 1, "a", GraphicsScene::PaperA4, false, 1);
            addScheme(two, 1, "z", GraphicsScene::PaperA1, true, 3);
            p.setFileName(d + "/plant.rlay");
            QVERIFY(p.save());
            QCOMPARE(rec.count(), 0);
            QVERIFY(!p.isModified());
            // Each group has a directory of its own, each scheme a file there.
            QVERIFY(five->dirNumber().number > 0 && two->dirNumber().number > 0);
            QVERIFY(five->dirNumber().number != two->dirNumber().number);
            for (Scheme *scheme : five->itemList() + two->itemList()) {
                QVERIFY(!scheme->isModified());
                QVERIFY(QFile::exists(scheme->file().fileName()));
                QCOMPARE(QFileInfo(scheme->file().fileName()).absolutePath(), d + "/" + QString::number(scheme->group()->dirNumber().number));
            }
            const QStringList names = {five->itemList()[0]->file().shortFileName(),
                                       five->itemList()[1]->file().shortFileName()};
            QVERIFY(names[0] != names[1]);
            first = filesBelow(d);
        }
        QCOMPARE(first.size(), 9);

        // The schemes side file: no drawing in it, the groups in list
        // order, each scheme as the header of its own file.
        {
            QFile f(d + "/plant.schm");
            QVERIFY(f.open(QIODevice::ReadOnly));
            QByteArray bytes = f.readAll().mid(6);
            DataStream s(&bytes, QIODevice::ReadOnly);
            s.setFormatIndex(11);
            QString name;
            QDateTime written;
            qint32 groups = 0;
            qint32 atr = 0;
            s >> name >> written >> groups >> atr;
            QCOMPARE(name, QString("plant.schm"));
            QCOMPARE(groups, 2);
            QCOMPARE(atr, 5);
        }

        // A scheme file: its name and date, the sheet, the (empty) geometry.
        {
            const QString schemeFile = [&] {
                for (const QString &key : first.keys()) {
                    if (key.endsWith(".sch"))
                        return key;
                }
                return QString();
            }();
            QVERIFY(!schemeFile.isEmpty());
            QByteArray bytes = first[schemeFile];
            QDataStream header(bytes);
            qint32 size = 0;
            header >> size;
            QCOMPARE(size, qint32(bytes.size() - 6));
        }

        clockNow = clockNow.addSecs(3600);
        Project loaded(nullptr, nullptr);
        {
            ModalRecorder rec;
            loaded.setFileName(d + "/plant.rlay");
            QVERIFY(loaded.load());
            QCOMPARE(rec.count(), 0);
        }
        const QList<SchemeGroup *> groups = loaded.schemes()->itemList();
        QCOMPARE(groups.size(), 2);
        QCOMPARE(groups[0]->atrNumber(), 5);
        QCOMPARE(groups[0]->comment(), QString("five"));
        QCOMPARE(groups[0]->schemesName(), QString("Power\nsupply"));
        QCOMPARE(groups[0]->projectProperty(7, true), QString("Ivanov"));
        QCOMPARE(groups[1]->atrNumber(), 2);
        QCOMPARE(childTexts(loaded.schemes()->treeItem()), QStringList({"ATR 02|two", "ATR 05|five"}));
        QCOMPARE(groups[0]->itemList().size(), 2);
        QCOMPARE(groups[0]->itemList()[0]->name(), QString("c"));
        QCOMPARE(groups[0]->itemList()[1]->number(), 1);
        QCOMPARE(groups[0]->itemList()[1]->pageSize(), int(GraphicsScene::PaperA4));
        QVERIFY(!groups[0]->itemList()[1]->isLandscape());
        Scheme *z = groups[1]->itemList().first();
        QCOMPARE(z->pageSize(), int(GraphicsScene::PaperA1));
        QCOMPARE(z->sheetsAcross(), 3);
        QCOMPARE(z->groupNumber(), 2);
        QCOMPARE(z->displayName(), QString(" 02_01"));
        QCOMPARE(childTexts(groups[0]->treeItem()), QStringList({" 01|a", " 03|c"}));
        // Read schemes are what lies on disk.
        QVERIFY(!z->isModified());

        // Saved again at the same clock: the same bytes everywhere, and no
        // scheme file is written again.
        clockNow = clockNow.addSecs(-3600);
        {
            ModalRecorder rec;
            QVERIFY(loaded.save());
            QCOMPARE(rec.count(), 0);
        }
        const QMap<QString, QByteArray> second = filesBelow(d);
        QCOMPARE(second.keys(), first.keys());
        for (const QString &name : first.keys())
            QVERIFY2(second[name] == first[name], qPrintable(name));

        // A changed scheme writes its file again and only it.
        clockNow = clockNow.addSecs(60);
        z->setName("zz");
        z->setModified(true);
        QVERIFY(loaded.schemesChanged());
        QVERIFY(loaded.save());
        const QMap<QString, QByteArray> third = filesBelow(d);
        QStringList changed;
        for (const QString &name : third.keys()) {
            if (third[name] != second[name])
                changed << name;
        }
        QCOMPARE(changed.size(), 3);
        QVERIFY(changed.contains("plant.rlay") && changed.contains("plant.schm"));
        QVERIFY(changed.contains(QDir(d).relativeFilePath(z->file().fileName())));
    }

    void failedSaveLeavesSchemesDue()
    {
        QTemporaryDir tmp;
        const QString d = tmp.path();
        Project p(nullptr, nullptr);
        SchemeGroup *group = addGroup(p, 1);
        Scheme *scheme = addScheme(group, 1, "a");
        p.setFileName(d + "/plant.rlay");
        QVERIFY(p.save());
        const FileHeader saved = scheme->file().record();
        const QByteArray onDisk = filesBelow(d).value(QDir(d).relativeFilePath(scheme->file().fileName()));

        // The main file cannot be written: the scheme written before it
        // stays due, and its record describes the file on disk.
        QVERIFY(QFile::remove(d + "/plant.rlay"));
        QVERIFY(QDir().mkpath(d + "/plant.rlay"));
        clockNow = clockNow.addSecs(5);
        scheme->setName("b");
        scheme->setModified(true);
        {
            ModalRecorder rec;
            QVERIFY(!p.save());
            QVERIFY(rec.count() >= 1);
        }
        QVERIFY(scheme->isModified());
        QCOMPARE(scheme->file().record().date(), saved.date());
        QCOMPARE(scheme->file().record().checkSum, saved.checkSum);
        QCOMPARE(filesBelow(d).value(QDir(d).relativeFilePath(scheme->file().fileName())), onDisk);

        // Once it can, the next save writes it.
        QVERIFY(QDir(d + "/plant.rlay").removeRecursively());
        QVERIFY(p.save());
        QVERIFY(!scheme->isModified());
        Project again(nullptr, nullptr);
        ModalRecorder rec;
        again.setFileName(d + "/plant.rlay");
        QVERIFY(again.load());
        QCOMPARE(again.schemes()->itemList().first()->itemList().first()->name(), QString("b"));
    }

    void damagedSchemeRecordsFailTheLoad()
    {
        QTemporaryDir tmp;
        const QString d = tmp.path();
        {
            Project p(nullptr, nullptr);
            addScheme(addGroup(p, 1), 1, "a");
            p.setFileName(d + "/plant.rlay");
            QVERIFY(p.save());
        }
        // A scheme file gone.
        const QMap<QString, QByteArray> files = filesBelow(d);
        QString schemePath;
        for (const QString &name : files.keys()) {
            if (name.endsWith(".sch"))
                schemePath = d + "/" + name;
        }
        QVERIFY(QFile::remove(schemePath));
        Project p(nullptr, nullptr);
        ModalRecorder rec;
        p.setFileName(d + "/plant.rlay");
        QVERIFY(!p.load());
        // The message names the file that is missing.
        QCOMPARE(rec.texts().last(),
                 QString("Load first in schememenager not correct. File %1 is corrupt!").arg(schemePath));
    }

    void printSelectedPages()
    {
        QTemporaryDir tmp;
        Project p(nullptr, &w().actions);
        SchemeGroup *a = addGroup(p, 1);
        SchemeGroup *b = addGroup(p, 2);
        Scheme *a1 = addScheme(a, 1, "a1");
        Scheme *a2 = addScheme(a, 2, "a2");
        addScheme(b, 1, "b1");
        p.expandAll();

        auto printTo = [](const QString &path) {
            return [path](QDialog *d) {
                auto *dialog = qobject_cast<QPrintDialog *>(d);
                if (!dialog)
                    return int(QDialog::Rejected);
                dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
                dialog->printer()->setOutputFileName(path);
                return int(QDialog::Accepted);
            };
        };

        // Two schemes selected: two pages.
        ModalRecorder rec;
        p.setCurrentItem(a1->sceneItem());
        a2->sceneItem()->setSelected(true);
        rec.answer(printTo(tmp.path() + "/two.pdf"));
        w().a(49)->trigger();
        QCOMPARE(rec.count(), 1);
        QCOMPARE(rec.shown[0].title, QString("Print pages"));
        QCOMPARE(pdfPages(tmp.path() + "/two.pdf"), 2);

        // Two groups: a page for every scheme of each.
        p.clearSelection();
        p.setCurrentItem(a->treeItem());
        b->treeItem()->setSelected(true);
        rec.answer(printTo(tmp.path() + "/groups.pdf"));
        w().a(41)->trigger();
        QCOMPARE(pdfPages(tmp.path() + "/groups.pdf"), 3);

        // Cancel prints nothing.
        rec.reject();
        w().a(41)->trigger();
        QCOMPARE(rec.count(), 3);
    }

    void savePdfFilesCommand()
    {
        QTemporaryDir tmp;
        Project p(nullptr, &w().actions);
        SchemeGroup *a = addGroup(p, 1);
        addScheme(a, 1, "a1");
        addScheme(a, 2, "a2", GraphicsScene::PaperA4, false, 1);
        addScheme(a, 3, "a3");
        p.expandAll();
        QStringList asked;
        QString answer = tmp.path() + "/plan.PdF";
        setFileDialogHook([&](FileDialogKind kind, const QString &caption, const QString &, const QString &) {
            asked << QString("%1 %2").arg(kind == FileDialogKind::Save ? "save" : "open", caption);
            return answer;
        });
        p.setCurrentItem(a->treeItem());
        ModalRecorder rec;
        w().a(43)->trigger();
        QCOMPARE(asked, QStringList({"save Save PDF files"}));
        QCOMPARE(QDir(tmp.path()).entryList(QDir::Files, QDir::Name),
                 QStringList({"plan_A3_Lnd_1.pdf", "plan_A4_Prt_1.pdf"}));
        QCOMPARE(pdfPages(tmp.path() + "/plan_A3_Lnd_1.pdf"), 2);
        QCOMPARE(rec.count(), 0);
        QVERIFY(!hideHelp);

        // A name without the ending is used whole; a cancelled dialog
        // writes nothing.
        answer = tmp.path() + "/other";
        w().a(43)->trigger();
        QVERIFY(QFile::exists(tmp.path() + "/other_A4_Prt_1.pdf"));
        answer.clear();
        const int files = int(QDir(tmp.path()).entryList(QDir::Files).size());
        w().a(43)->trigger();
        QCOMPARE(int(QDir(tmp.path()).entryList(QDir::Files).size()), files);
    }

    void rowsAndFramesSavedAndLoaded()
    {
        QTemporaryDir tmp;
        const QString d = tmp.path();
        QMap<QString, QByteArray> first;
        {
            Project p(nullptr, nullptr);
            auto *row = new FrameGroup(&p);
            Address address;
            address.setField(1, 4);
            row->setComment("east");
            row->setAddress(address);
            row->setSideOfLeft(false);
            p.equipment()->appendItem(row);
            for (int n : {2, 1}) {
                auto *frame = new Frame(&p);
                Address a = frame->address();
                a.setField(2, quint8(n));
                frame->setAddressField(a, 2);
                frame->setAtrNumber(10 + n);
                frame->setComment(QString("frame %1").arg(n));
                frame->setProperty(6, "Sidorov");
                frame->setFrameType(6);
                row->appendItem(frame);
                frame->setAddressField(row->address(), 1);
            }
            EquipmentScheme::DistanceTable table;
            table[0x000401][0x000402] = 12;
            table[0x000402][0x000403] = 1500;
            p.equipment()->equipmentScheme()->setDistances(table);
            p.setFileName(d + "/plant.rlay");
            ModalRecorder rec;
            QVERIFY(p.save());
            QCOMPARE(rec.count(), 0);
            first = filesBelow(d);
        }
        Project loaded(nullptr, nullptr);
        ModalRecorder rec;
        loaded.setFileName(d + "/plant.rlay");
        QVERIFY(loaded.load());
        QCOMPARE(rec.count(), 0);
        QCOMPARE(loaded.equipment()->itemList().size(), 1);
        FrameGroup *row = loaded.equipment()->itemList().first();
        QCOMPARE(row->treeItem()->text(0), QString("Row 4"));
        QCOMPARE(row->comment(), QString("east"));
        QVERIFY(!row->sideOfLeft());
        QCOMPARE(row->itemList().size(), 2);
        QCOMPARE(row->itemList()[0]->atrNumber(), 12);
        QCOMPARE(int(row->itemList()[0]->address().field(1)), 4);
        QCOMPARE(int(row->itemList()[0]->address().field(2)), 2);
        QCOMPARE(row->itemList()[1]->property(6, true), QString("Sidorov"));
        QCOMPARE(childTexts(row->treeItem()), QStringList({"Frame 1|frame 1", "Frame 2|frame 2"}));
        QCOMPARE(loaded.equipment()->equipmentScheme()->distances().value(0x000402).value(0x000403), 1500u);
        QCOMPARE(loaded.equipment()->treeItem()->child(0)->text(0), QString("Equipment Scheme"));
        QVERIFY(loaded.save());
        QCOMPARE(filesBelow(d), first);
    }

    void specificationProperties()
    {
        Project p(nullptr, &w().actions);
        p.setCurrentItem(p.specificationDevice()->treeItem());
        p.clearChangeFlags();
        ModalRecorder rec;
        rec.handle([](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropSpecificationManagerDevice *>(d);
            QVERIFY(dialog);
            dialog->atrSpin()->setValue(44);
            dialog->commentEdit()->setText("  bill   one ");
            pressOk(dialog);
        });
        w().a(72)->trigger();
        QCOMPARE(p.specificationDevice()->atrNumber(), 44);
        QCOMPARE(p.specificationDevice()->comment(), QString("bill one"));
        QVERIFY(p.specificationDeviceChanged());
        QVERIFY(!p.specificationCableChanged());

        p.setCurrentItem(p.specificationCable()->treeItem());
        rec.handle([](QDialog *d) {
            auto *dialog = qobject_cast<DlgPropSpecificationManagerCable *>(d);
            QVERIFY(dialog);
            dialog->atrSpin()->setValue(45);
            pressOk(dialog);
        });
        w().a(72)->trigger();
        QCOMPARE(p.specificationCable()->atrNumber(), 45);
        QCOMPARE(p.specificationDevice()->atrNumber(), 44);
        QVERIFY(p.specificationCableChanged());

        // A page of the cable specification carries the branch's number.
        auto *page = new SpecificationCable(&p, 2, 50, 100);
        p.specificationCable()->appendItem(page);
        QCOMPARE(page->groupNumber(), 45);
    }

    void referenceScheme()
    {
        Project p(nullptr, nullptr);
        Scheme *reference = p.referenceScheme();
        QVERIFY(reference);
        QCOMPARE(reference->pageSize(), int(GraphicsScene::PaperA3));
        QVERIFY(reference->isLandscape());
        QCOMPARE(reference->sheetsAcross(), 1);
        QCOMPARE(reference->sceneRect(), QRectF(0, 0, 4200, 2970));
        // It belongs to no branch.
        QVERIFY(!reference->sceneItem()->parent());
        QCOMPARE(reference->groupNumber(), 0);
        p.setProjectProperty(4, "member");
        QCOMPARE(reference->property(4), QString("member"));
    }
};

QTEST_MAIN(TestItemMenager)
#include "tst_itemmenager.moc"
