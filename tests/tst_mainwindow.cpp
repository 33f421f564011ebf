#include "app/dlgprojectprop.h"
#include "app/dlgsettings.h"
#include "app/images.h"
#include "app/mainwindow.h"
#include "app/translations.h"
#include "devices/graphicstrans.h"
#include "equipment/cable.h"
#include "equipment/equipmentlayout.h"
#include "equipment/frameedit.h"
#include "graphics/graphicsedit.h"
#include "graphics/graphicsitem.h"
#include "graphics/graphicsscene.h"
#include "graphics/rcombobox.h"
#include "graphics/rlineedit.h"
#include "model/buildstamp.h"
#include "model/datastream.h"
#include "model/displayflags.h"
#include "model/device.h"
#include "model/file.h"
#include "model/filedialogs.h"
#include "model/project.h"
#include "schemes/graphicssource.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schemegroup.h"
#include "schemes/schememenager.h"
#include "support/boundtestitems.h"
#include "support/modalrecorder.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolBar>
#include <QTranslator>
#include <QtTest>

#include <memory>

namespace {

QTabWidget *tabs(MainWindow &w)
{
    return qobject_cast<QTabWidget *>(w.centralWidget());
}

QPushButton *closeButton(MainWindow &w)
{
    return qobject_cast<QPushButton *>(tabs(w)->cornerWidget(Qt::TopRightCorner));
}

QLabel *statusLabel(MainWindow &w)
{
    const QList<QLabel *> labels = w.statusBar()->findChildren<QLabel *>();
    return labels.size() == 1 ? labels.first() : nullptr;
}

QImage normalized(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QDockWidget *dock(MainWindow &w, const QString &title)
{
    for (QDockWidget *d : w.findChildren<QDockWidget *>())
        if (d->windowTitle() == title)
            return d;
    return nullptr;
}

// Answers the file dialogs in turn and records what they asked.
class FileDialogs
{
public:
    struct Asked
    {
        FileDialogKind kind;
        QString caption;
        QString directory;
        QString filter;
    };

    FileDialogs()
    {
        setFileDialogHook([this](FileDialogKind kind, const QString &caption, const QString &directory,
                                 const QString &filter) {
            asked << Asked{kind, caption, directory, filter};
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
    }
    ~FileDialogs() { setFileDialogHook(nullptr); }

    QStringList answers;
    QList<Asked> asked;
};

// Runs New with its dialog accepted unchanged.
void newProject(MainWindow &w, ModalRecorder &recorder)
{
    recorder.handle(pressOk);
    w.action(0)->trigger();
}

const QList<int> projectActions = {2, 3, 4, 5, 6};
const QList<int> projectTools = {22, 32, 33, 34};
// The tools that have no window yet stay off with a project too.
const QList<int> unbuiltTools = {};

} // namespace

namespace {

// A small item for the sheets below.
class TestItem : public GraphicsItem
{
public:
    explicit TestItem(GraphicsScene *scene)
        : GraphicsItem(scene, nullptr, 7)
    {
        setFlag(ItemIsSelectable, true);
    }
    int type() const override { return UserType + 50; }
    QRectF boundingRect() const override { return QRectF(-20, -10, 40, 20); }
    void draw(QPainter *painter, const QStyleOptionGraphicsItem *, bool) override { painter->drawRect(boundingRect()); }
};

// A named A3 sheet whose editor view is the plain view, a scheme view or a
// frame view.
class TestScene : public GraphicsScene
{
public:
    enum ViewKind { Plain, Scheme, Frame };

    TestScene(Project *project, const QString &name, ViewKind kind = Plain)
        : GraphicsScene(project)
        , m_kind(kind)
    {
        setName(name);
        setSheetFormat(PaperA3, true, 1);
    }

    int groupNumber() const override { return 0; }
    QString displayName() const override { return name() + GraphicsScene::displayName(); }
    GraphicsEdit *createEdit(QList<QAction *> *actions) override
    {
        ++edits;
        GraphicsEdit *view = nullptr;
        if (m_kind == Scheme)
            view = new SchemeEdit(actions);
        else if (m_kind == Frame)
            view = new FrameEdit(actions);
        else
            return GraphicsScene::createEdit(actions);
        view->setScene(this);
        return view;
    }

    int edits = 0;

private:
    ViewKind m_kind;
};

GraphicsEdit *tabView(MainWindow &w, int index)
{
    return qobject_cast<GraphicsEdit *>(tabs(w)->widget(index));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    }

    void translatorsAtStartUp()
    {
        QCOMPARE(installTranslators(qApp, "C"), QStringList());
        QCOMPARE(installTranslators(qApp, ""), QStringList());
        // No file of the program loads: its English words stand in for keys.
        QCOMPARE(QCoreApplication::translate("GraphicsScene", "UA_Edit"), QString("Rev."));

        QTemporaryDir dir;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        // A translation file holding just its header loads.
        QFile file("r-lay_ru.qm");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd"));
        file.close();
        const QList<QTranslator *> before = qApp->findChildren<QTranslator *>();
        QCOMPARE(installTranslators(qApp, "ru_RU"), QStringList({"qt_ru", "r-lay_ru"}));
        QDir::setCurrent(previous);
        // The one that did not load is gone; the other stays with the application.
        QList<QTranslator *> added = qApp->findChildren<QTranslator *>();
        for (QTranslator *t : before)
            added.removeAll(t);
        QCOMPARE(added.size(), 1);
        QCoreApplication::removeTranslator(added.first());
        delete added.first();
    }

    void windowLayout()
    {
        {
            QSettings s("R-LAY", "DlgSettings");
            s.setValue("show_big_device_names", true);
        }
        showBigDeviceNames = false;
        ModalRecorder recorder;
        MainWindow w;
        QCOMPARE(recorder.count(), 0);
        // The settings are read while the window is built.
        QVERIFY(showBigDeviceNames);

        QCOMPARE(w.windowTitle(), QString("R-LAY"));
        QCOMPARE(w.size(), QSize(800, 600));
        QCOMPARE(w.actionList()->size(), 118);
        QVERIFY(w.isActive());

        QToolBar *toolBar = nullptr;
        for (QToolBar *bar : w.findChildren<QToolBar *>(QString(), Qt::FindDirectChildrenOnly))
            if (bar->windowTitle() == "ToolBar")
                toolBar = bar;
        QVERIFY(toolBar);
        QCOMPARE(w.toolBarArea(toolBar), Qt::TopToolBarArea);
        QCOMPARE(toolBar->actions().first(), w.action(1));

        const QList<QDockWidget *> docks = w.findChildren<QDockWidget *>();
        QCOMPARE(docks.size(), 1);
        QDockWidget *dock = docks.first();
        QCOMPARE(dock->windowTitle(), QString("Object`s Panel"));
        QCOMPARE(w.dockWidgetArea(dock), Qt::TopDockWidgetArea);
        QCOMPARE(dock->allowedAreas(), Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
        auto *toolBox = qobject_cast<QTabWidget *>(dock->widget());
        QVERIFY(toolBox);
        QStringList labels;
        for (int i = 0; i < toolBox->count(); ++i)
            labels << toolBox->tabText(i);
        QCOMPARE(labels, QStringList({"Basic", "RSH", "DC VARNEL", "Draw", "Frame"}));

        QVERIFY(tabs(w));
        QCOMPARE(tabs(w)->count(), 0);
        QPushButton *button = closeButton(w);
        QVERIFY(button);
        QVERIFY(button->text().isEmpty());
        QCOMPARE(normalized(button->icon().pixmap(32, 32).toImage()),
                 normalized(QImage(":/images/close.png")));

        QLabel *label = statusLabel(w);
        QVERIFY(label);
        QVERIFY(label->text().isEmpty());
        QCOMPARE(label->frameShape(), QFrame::StyledPanel);
        QCOMPARE(label->alignment(), Qt::AlignCenter);
        QCOMPARE(label->minimumWidth(),
                 QFontMetrics(QApplication::font()).horizontalAdvance(" X: 0000.00, Y: 0000.00 "));
    }

    void commandsWithoutProject()
    {
        ModalRecorder recorder;
        MainWindow w;
        // New, Open, Exit, Parameters, Settings, Help and About; the other
        // project commands and the project tools wait for a project.
        const QList<int> enabled = {0, 1, 10, 35, 36, 37, 38};
        for (int id = 0; id < 118; ++id)
            QVERIFY2(w.action(id)->isEnabled() == enabled.contains(id), qPrintable(QString::number(id)));

        // Parameters and Help do nothing.
        w.action(35)->trigger();
        w.action(37)->trigger();
        QCOMPARE(recorder.count(), 0);
        QCOMPARE(w.windowTitle(), QString("R-LAY"));
    }

    void aboutBox()
    {
        ModalRecorder recorder;
        MainWindow w;
        w.action(38)->trigger();
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.shown[0].title, QString("Information"));
        const QDateTime stamp = programBuildDateTime();
        QVERIFY(stamp.isValid());
        QCOMPARE(recorder.shown[0].text,
                 QString("Programm: R-LAY\n\nVersion: 1.11\nDate: %1\nTime: %2")
                     .arg(stamp.date().toString(Qt::TextDate), stamp.time().toString(Qt::TextDate)));
    }

    void settingsDialog()
    {
        hideHelp = false;
        ModalRecorder recorder;
        recorder.handle([](QDialog *dialog) {
            dialog->findChildren<QCheckBox *>().first()->setChecked(true);
            for (QPushButton *b : dialog->findChildren<QPushButton *>())
                if (b->text() == "Ok")
                    b->click();
        });
        MainWindow w;
        w.action(36)->trigger();
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.shown[0].className, QString("DlgSettings"));
        QVERIFY(hideHelp);
        QSettings s("R-LAY", "DlgSettings");
        QCOMPARE(s.value("hide_help").toBool(), true);
        hideHelp = false;
    }

    // Big device names take their room on the open sheets at once, as the
    // project reopened from its files gives it.
    void bigNamesTakeTheirRoomAtOnce()
    {
        QSettings("R-LAY", "DlgSettings").setValue("show_big_device_names", false);
        ModalRecorder recorder;
        MainWindow w;
        newProject(w, recorder);
        auto *group = new SchemeGroup(w.project());
        w.project()->schemes()->appendItem(group);
        auto *sheet = new Scheme(w.project());
        group->appendItem(sheet);
        auto *source = dynamic_cast<GraphicsObjItem *>(sheet->createItem(GraphicsSource::Type));
        sheet->addGraphicsItem(source);
        source->setOwnName("Feeder of the far bus");
        source->updateFromObj();
        const double small = source->boundingRect().width();
        // A transformer's file records the height of its texts.
        auto *trans = dynamic_cast<GraphicsTrans *>(sheet->createItem(GraphicsTrans::Type));
        sheet->addGraphicsItem(trans);
        trans->setOwnName("T1");
        trans->updateFromObj();
        w.project()->setFileName(m_dir.filePath("big/plant.rlay"));
        QVERIFY(QDir().mkpath(m_dir.filePath("big")) && w.project()->save());
        recorder.handle([](QDialog *dialog) {
            dialog->findChildren<QCheckBox *>().last()->setChecked(true);
            dialog->findChildren<QPushButton *>().first()->click();
        });
        w.action(36)->trigger();
        QVERIFY(showBigDeviceNames && source->boundingRect().width() > small);
        Project reopened(nullptr, nullptr);
        reopened.setFileName(w.project()->fileName());
        QVERIFY(reopened.load());
        QCOMPARE(reopened.schemes()->itemList()[0]->itemList()[0]->graphicsItems()[0]->boundingRect(),
                 source->boundingRect());
        QVERIFY(w.project()->save());
        QFile file(sheet->file().fileName());
        QByteArray height;
        DataStream(&height, QIODevice::WriteOnly) << trans->textHeight();
        QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().contains(height));
        showBigDeviceNames = false;
    }

    void exitClosesTheWindow()
    {
        ModalRecorder recorder;
        MainWindow w;
        w.show();
        QVERIFY(w.isVisible());
        w.action(10)->trigger();
        QVERIFY(!w.isVisible());
    }

    void cursorPosition()
    {
        ModalRecorder recorder;
        MainWindow w;
        QLabel *label = statusLabel(w);
        w.setCursorPos(QPointF(0, 0));
        QVERIFY(label->text().isEmpty());
        w.setCursorPos(QPointF(1234.5, -3.25));
        QCOMPARE(label->text(), QString(" X: 1234.50, Y: -3.25 "));
        // The same position again leaves the label untouched.
        label->setText("untouched");
        w.setCursorPos(QPointF(1234.5, -3.25));
        QCOMPARE(label->text(), QString("untouched"));
        w.setCursorPos(QPointF(7, 8.3));
        QCOMPARE(label->text(), QString(" X: 7.00, Y: 8.30 "));
    }

    void tabsSwitchTheViewActions()
    {
        ModalRecorder recorder;
        MainWindow w;
        // The net's kind is built: its drawing command belongs to the view.
        QVERIFY(Scheme::setItemTypeFactories(QGraphicsItem::UserType + 102,
                                             [](GraphicsScene *) -> GraphicsItem * { return nullptr; }, nullptr));
        QPointer<SchemeEdit> scheme = new SchemeEdit(w.actionList());
        QPointer<FrameEdit> frame = new FrameEdit(w.actionList());
        Scheme::registerItemTypes();

        tabs(w)->insertTab(0, scheme, "scheme");
        QVERIFY(scheme->isActive());
        QVERIFY(w.action(73)->isEnabled());
        QVERIFY(!w.action(116)->isEnabled());

        tabs(w)->insertTab(0, frame, "frame");
        tabs(w)->setCurrentIndex(0);
        QVERIFY(!scheme->isActive());
        QVERIFY(frame->isActive());
        QVERIFY(!w.action(73)->isEnabled());
        QVERIFY(w.action(116)->isEnabled());
        // The commands reach the current view only.
        w.action(73)->setEnabled(true);
        w.action(73)->trigger();
        QCOMPARE(scheme->editMode(), -1);
        w.action(30)->trigger();
        QCOMPARE(frame->editMode(), 30);

        // A tab that answers no commands leaves none active.
        QWidget *plain = new QWidget;
        tabs(w)->addTab(plain, "plain");
        tabs(w)->setCurrentWidget(plain);
        QVERIFY(!frame->isActive());
        QVERIFY(!w.action(116)->isEnabled());
        QVERIFY(!w.action(30)->isChecked());
        tabs(w)->setCurrentWidget(frame);
        QVERIFY(w.action(30)->isChecked());

        // The corner button closes the current view and activates the next.
        closeButton(w)->click();
        QVERIFY(frame.isNull());
        QCOMPARE(tabs(w)->count(), 2);
        QVERIFY(scheme->isActive());
        QVERIFY(!w.action(116)->isEnabled());
        QVERIFY(w.action(73)->isEnabled());
        closeButton(w)->click();
        closeButton(w)->click();
        QVERIFY(scheme.isNull());
        QCOMPARE(tabs(w)->count(), 0);
        QVERIFY(!w.action(73)->isEnabled());
        QVERIFY(!w.action(17)->isEnabled());
        QCOMPARE(recorder.count(), 0);

        // With no tab left the button reports a failed check and does nothing.
        closeButton(w)->click();
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.shown[0].title, QString("Error"));
        QVERIFY(w.action(36)->isEnabled());
    }

    void sheetsOpenInTabs()
    {
        ModalRecorder recorder;
        MainWindow w;
        w.show();
        newProject(w, recorder);
        Project *project = w.project();
        auto first = std::make_unique<TestScene>(project, "First");
        auto second = std::make_unique<TestScene>(project, "Second");

        // Opening a sheet makes its view the first and current tab.
        first->showInProject(nullptr);
        QCOMPARE(tabs(w)->count(), 1);
        QPointer<GraphicsEdit> firstView = tabView(w, 0);
        QVERIFY(firstView);
        QCOMPARE(firstView->graphicsScene(), first.get());
        QCOMPARE(tabs(w)->tabText(0), QString("First*"));
        QVERIFY(firstView->isActive());
        QVERIFY(w.action(17)->isEnabled());

        // A sheet shown twice keeps its one tab.
        first->showInProject(nullptr);
        QCOMPARE(tabs(w)->count(), 1);
        QCOMPARE(first->edits, 1);

        second->showInProject(nullptr);
        QCOMPARE(tabs(w)->count(), 2);
        QPointer<GraphicsEdit> secondView = tabView(w, 0);
        QCOMPARE(secondView->graphicsScene(), second.get());
        QCOMPARE(tabs(w)->currentIndex(), 0);
        QVERIFY(secondView->isActive());
        QVERIFY(!firstView->isActive());

        // Each view keeps its own states: a zoom in the second is not the
        // first's.
        w.action(25)->trigger();
        QVERIFY(w.action(27)->isEnabled());
        first->showInProject(nullptr);
        QCOMPARE(tabs(w)->currentWidget(), firstView.data());
        QVERIFY(firstView->isActive());
        QVERIFY(!secondView->isActive());
        QVERIFY(!w.action(27)->isEnabled());

        // Showing an item scrolls it into view.
        auto *item = new TestItem(first.get());
        first->addGraphicsItem(item);
        item->setPosQuiet(QPointF(4100, 2900));
        QVERIFY(!firstView->viewport()->rect().contains(firstView->mapFromScene(item->pos())));
        second->showInProject(nullptr);
        first->showInProject(item);
        QCOMPARE(tabs(w)->currentWidget(), firstView.data());
        QVERIFY(firstView->viewport()->rect().contains(firstView->mapFromScene(item->pos())));

        // Select all reaches the sheet from its view, not from the project
        // tree beside it.
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto *tree = w.findChild<QTreeWidget *>();
        QVERIFY(tree && !tabs(w)->isAncestorOf(tree));
        tree->setFocus();
        QTest::keyClick(tree, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(!item->isSelected());
        QCOMPARE(QApplication::focusWidget(), tree);
        firstView->setFocus();
        QTest::keyClick(firstView, Qt::Key_A, Qt::ControlModifier);
        QVERIFY(item->isSelected());

        // Tab texts follow the sheets' names and modified marks.
        first->setModified(false);
        QCOMPARE(tabs(w)->tabText(tabs(w)->indexOf(firstView)), QString("First"));
        second->setName("Renamed");
        second->setNumber(4);
        QCOMPARE(tabs(w)->tabText(tabs(w)->indexOf(secondView)), QString("Renamed*"));

        // Closing a tab keeps the sheet; showing it again opens a new view.
        tabs(w)->setCurrentWidget(secondView);
        closeButton(w)->click();
        QVERIFY(secondView.isNull());
        QCOMPARE(tabs(w)->count(), 1);
        QVERIFY(firstView->isActive());
        second->showInProject(nullptr);
        QCOMPARE(tabs(w)->count(), 2);
        QCOMPARE(second->edits, 2);
        secondView = tabView(w, 0);

        // A deleted sheet closes its tab.
        first.reset();
        QVERIFY(firstView.isNull());
        QCOMPARE(tabs(w)->count(), 1);
        QVERIFY(secondView->isActive());
        second.reset();
        QVERIFY(secondView.isNull());
        QCOMPARE(tabs(w)->count(), 0);
        QVERIFY(!w.action(17)->isEnabled());
        QCOMPARE(recorder.count(), 1);
    }

    void theStatusLabelFollowsTheSchemeView()
    {
        ModalRecorder recorder;
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        newProject(w, recorder);
        TestScene scheme(w.project(), "Scheme", TestScene::Scheme);
        scheme.setGridStep(10);
        scheme.showInProject(nullptr);
        auto *view = qobject_cast<SchemeEdit *>(tabView(w, 0));
        QVERIFY(view);
        view->centerOn(1000, 1000);
        const QPoint at = view->mapFromScene(QPointF(1234, 567));
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(view->viewport()->mapToGlobal(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        QCOMPARE(statusLabel(w)->text(), QString(" X: 123.00, Y: 57.00 "));
    }

    void newProjectShowsTheExplorer()
    {
        ModalRecorder recorder;
        MainWindow w;
        usedCableTypes.clear();
        twistedPairStandard = false;
        newProject(w, recorder);
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.shown[0].className, QString("DlgProjectProp"));

        QCOMPARE(w.windowTitle(), QString("New project - R-LAY"));
        Project *project = w.project();
        QVERIFY(project);
        QDockWidget *explorer = dock(w, "Project Explorer");
        QVERIFY(explorer);
        QCOMPARE(explorer->widget(), project);
        QCOMPARE(w.dockWidgetArea(explorer), Qt::LeftDockWidgetArea);
        QCOMPARE(explorer->allowedAreas(), Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
        QVERIFY(!explorer->isHidden());
        QCOMPARE(project->topLevelItemCount(), 4);
        QDockWidget *devices = dock(w, "Table devices");
        QVERIFY(devices);
        QVERIFY(devices->isHidden());
        QCOMPARE(w.dockWidgetArea(devices), Qt::RightDockWidgetArea);
        QCOMPARE(devices->widget(), w.equipmentLayout());
        QVERIFY(!w.equipmentLayout()->isEnabled());

        for (int id : projectActions)
            QVERIFY2(w.action(id)->isEnabled(), qPrintable(QString::number(id)));
        for (int id : {22, 32, 33, 34})
            QVERIFY2(w.action(id)->isEnabled(), qPrintable(QString::number(id)));
        for (int id : unbuiltTools)
            QVERIFY(!w.action(id)->isEnabled());
        QCOMPARE(project->fileName(), QCoreApplication::applicationDirPath() + "/New project.rlay");
        QVERIFY(!project->hasFileName());
        QVERIFY(project->isModified());
        // The dialog started from the defaults of a new project.
        QCOMPARE(project->language(), 1);
        QCOMPARE(usedCableTypes, Cable::defaultUsedTypes());
        QVERIFY(twistedPairStandard);
    }

    void newProjectCancelled()
    {
        ModalRecorder recorder;
        MainWindow w;
        w.action(0)->trigger();
        QCOMPARE(recorder.count(), 1);
        QVERIFY(!w.project());
        QCOMPARE(w.windowTitle(), QString("R-LAY"));
        QCOMPARE(w.findChildren<QDockWidget *>().size(), 1);
    }

    void closeAsksToSave()
    {
        ModalRecorder recorder;
        MainWindow w;
        newProject(w, recorder);
        recorder.clear();
        const QString name = w.project()->fileName();

        recorder.clickButton("&Cancel");
        w.action(6)->trigger();
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.shown[0].text, QString("Save project %1?").arg(name));
        QCOMPARE(recorder.shown[0].buttons.size(), 3);
        QVERIFY(recorder.shown[0].buttons.contains("&Yes"));
        QVERIFY(recorder.shown[0].buttons.contains("&No"));
        QCOMPARE(recorder.shown[0].defaultButton, QString("&Cancel"));
        QVERIFY(w.project());
        QCOMPARE(w.windowTitle(), QString("New project - R-LAY"));

        recorder.clickButton("&No");
        w.action(6)->trigger();
        QVERIFY(!w.project());
        QVERIFY(!w.equipmentLayout());
        QCOMPARE(w.windowTitle(), QString("R-LAY"));
        QCOMPARE(w.findChildren<QDockWidget *>().size(), 1);
        for (int id : projectActions + projectTools)
            QVERIFY(!w.action(id)->isEnabled());
        QVERIFY(w.action(0)->isEnabled() && w.action(1)->isEnabled());
        QCOMPARE(recorder.count(), 2);
    }

    void saveOfANewProjectRunsSaveAs()
    {
        QTemporaryDir dir;
        ModalRecorder recorder;
        FileDialogs files;
        MainWindow w;
        newProject(w, recorder);
        recorder.clear();
        QVERIFY(w.action(2)->isEnabled());

        // The file dialog adds no extension: the window does.
        files.answers << dir.path() + "/plant";
        w.action(2)->trigger();
        QCOMPARE(files.asked.size(), 1);
        QCOMPARE(files.asked[0].kind, FileDialogKind::Save);
        QCOMPARE(files.asked[0].caption, QString("Save As..."));
        QCOMPARE(files.asked[0].directory, QCoreApplication::applicationDirPath());
        QCOMPARE(files.asked[0].filter, QString("Project (*.rlay)"));
        QCOMPARE(recorder.count(), 0);
        for (const char *ext : {".rlay", ".obj", ".schm", ".eqm", ".spd", ".spc"})
            QVERIFY2(QFile::exists(dir.path() + "/plant" + ext), ext);
        QCOMPARE(w.windowTitle(), QString("plant - R-LAY"));
        QVERIFY(w.project()->hasFileName());
        QVERIFY(!w.project()->isModified());
        QVERIFY(!w.action(2)->isEnabled());

        // A change enables Save; Save now writes the file without asking.
        Obj *relay = w.project()->createDevice(RelayKind);
        QVERIFY(relay->setName("K1"));
        QVERIFY(w.action(2)->isEnabled());
        w.action(2)->trigger();
        QCOMPARE(files.asked.size(), 1);
        QVERIFY(!w.action(2)->isEnabled());
        QVERIFY(!w.project()->isModified());

        // Closing a saved project asks nothing.
        w.action(6)->trigger();
        QVERIFY(!w.project());
        QCOMPARE(recorder.count(), 0);

        // Open brings it back.
        files.answers << dir.path() + "/plant.rlay";
        w.action(1)->trigger();
        QCOMPARE(files.asked.last().kind, FileDialogKind::Open);
        QCOMPARE(files.asked.last().caption, QString("Open File"));
        QCOMPARE(files.asked.last().filter, QString("Project (*.rlay)"));
        QVERIFY(w.project());
        QVERIFY(w.project()->findObj(RelayKind, "K1"));
        QVERIFY(w.project()->hasFileName());
        QCOMPARE(w.windowTitle(), QString("plant - R-LAY"));
        QVERIFY(w.action(2)->isEnabled());
        QCOMPARE(recorder.count(), 0);
    }

    void saveAsKeepsAGivenExtension()
    {
        QTemporaryDir dir;
        ModalRecorder recorder;
        FileDialogs files;
        MainWindow w;
        newProject(w, recorder);
        files.answers << dir.path() + "/plant.b.RLAY";
        QVERIFY(w.saveAsProject());
        QVERIFY(QFile::exists(dir.path() + "/plant.b.RLAY"));
        QVERIFY(QFile::exists(dir.path() + "/plant.b.obj"));
        // The title is the name up to the first dot.
        QCOMPARE(w.windowTitle(), QString("plant - R-LAY"));
        // A cancelled dialog saves nothing.
        QVERIFY(!w.saveAsProject());
        QCOMPARE(w.project()->fileName(), dir.path() + "/plant.b.RLAY");

        // An answer without extension naming another project replaces it only when the user says so.
        {
            Project other(nullptr, nullptr);
            other.setFileName(dir.path() + "/other.rlay");
            QVERIFY(other.save());
        }
        recorder.clear();
        recorder.clickButton("&No");
        recorder.clickButton("&Yes");
        files.answers << dir.path() + "/other" << dir.path() + "/other";
        QVERIFY(!w.saveAsProject() && w.saveAsProject());
        const QString asked = dir.path() + "/other.rlay already exists.\nDo you want to replace it?";
        QCOMPARE(recorder.texts(), QStringList(2, asked));
        QCOMPARE(w.project()->fileName(), dir.path() + "/other.rlay");
    }

    void yesWithACancelledSaveAsKeepsTheProject()
    {
        ModalRecorder recorder;
        FileDialogs files;
        MainWindow w;
        newProject(w, recorder);
        recorder.clickButton("&Yes");
        QVERIFY(!w.closeProject());
        QCOMPARE(files.asked.size(), 1);
        QVERIFY(w.project());
        QCOMPARE(w.windowTitle(), QString("New project - R-LAY"));

        // New asks about the open project too; Cancel keeps it.
        Project *before = w.project();
        recorder.handle(pressOk);
        recorder.clickButton("&Cancel");
        w.action(0)->trigger();
        QCOMPARE(w.project(), before);
    }

    void exitAsksAndCancelKeepsTheWindow()
    {
        ModalRecorder recorder;
        MainWindow w;
        w.show();
        newProject(w, recorder);
        recorder.clickButton("&Cancel");
        w.action(10)->trigger();
        QVERIFY(w.isVisible());
        QVERIFY(w.project());
        recorder.clickButton("&No");
        w.action(10)->trigger();
        QVERIFY(!w.isVisible());
        QVERIFY(!w.project());
    }

    void openingADamagedFileLeavesNoProject()
    {
        QTemporaryDir dir;
        const QString name = dir.path() + "/broken.rlay";
        {
            QFile f(name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("not a project");
        }
        ModalRecorder recorder;
        FileDialogs files;
        MainWindow w;
        files.answers << name;
        w.action(1)->trigger();
        QCOMPARE(recorder.count(), 2);
        QCOMPARE(recorder.shown[1].text, QString("Cannot load project file %1!").arg(name));
        QVERIFY(!w.project());
        QCOMPARE(w.windowTitle(), QString("R-LAY"));
        QCOMPARE(w.findChildren<QDockWidget *>().size(), 1);
        for (int id : projectActions)
            QVERIFY(!w.action(id)->isEnabled());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"broken.rlay"});

        // A cancelled file dialog changes nothing.
        recorder.clear();
        w.action(1)->trigger();
        QVERIFY(!w.project());
        QCOMPARE(recorder.count(), 0);
    }

    // A project another copy of the program holds: one box names it; it
    // opens read-only or not at all, and a save to it under any spelling is refused in words.
    void aHeldProjectOpensReadOnlyOrNotAtAll()
    {
        QTemporaryDir dir;
        const QString name = dir.path() + "/plant.rlay";
        ModalRecorder recorder;
        Project holder(nullptr, nullptr);
        holder.setFileName(name);
        QVERIFY(holder.save());
        FileDialogs files;
        files.answers << name << name;
        MainWindow w;
        w.action(1)->trigger();
        QVERIFY(!w.project() && recorder.shown[0].text.startsWith("The project " + name + " is open in "));
        QCOMPARE(recorder.shown[0].buttons, QStringList({"Open &read-only", "&Cancel"}));
        recorder.clickButton("Open &read-only");
        w.action(1)->trigger();
        QCOMPARE(w.windowTitle(), QString("plant (read-only) - R-LAY"));
        QVERIFY(!w.saveProject() && recorder.texts().last().contains("open read-only"));
        files.answers << dir.path() + "/./plant.rlay"; // once the holder has let it go too
        QVERIFY(QFile::remove(dir.path() + "/.plant.rlay.lock") && !w.saveAsProject());
        // Saved under another name, the copy is that project's holder, and
        // may take the old name back.
        files.answers << dir.path() + "/three.rlay" << name;
        recorder.clickButton("&Yes");
        QVERIFY(w.saveAsProject() && w.saveAsProject());
        QCOMPARE(w.windowTitle(), QString("plant - R-LAY"));
    }

    void propertiesOfTheProject()
    {
        QTemporaryDir dir;
        ModalRecorder recorder;
        FileDialogs files;
        MainWindow w;
        newProject(w, recorder);
        files.answers << dir.path() + "/p.rlay";
        QVERIFY(w.saveProject());
        QVERIFY(!w.action(2)->isEnabled());

        recorder.handle([](QDialog *d) {
            auto *dialog = qobject_cast<DlgProjectProp *>(d);
            QVERIFY(dialog);
            // Filled from the project.
            QCOMPARE(dialog->languageCombo()->currentIndex(), 1);
            dialog->treatyNumberEdit()->setText("T-7");
            pressOk(d);
        });
        w.action(5)->trigger();
        QCOMPARE(w.project()->projectProperty(0), QString("T-7"));
        QVERIFY(w.project()->isModified());
        QVERIFY(w.project()->specificationCableChanged());
        QVERIFY(!w.project()->devicesChanged());
        QVERIFY(w.action(2)->isEnabled());

        // Cancel changes nothing.
        QVERIFY(w.saveProject());
        recorder.handle([](QDialog *d) { d->reject(); });
        w.action(5)->trigger();
        QVERIFY(!w.project()->isModified());
        QVERIFY(!w.action(2)->isEnabled());
    }

    void tableOfDevices()
    {
        ModalRecorder recorder;
        MainWindow w;
        w.show();
        newProject(w, recorder);
        Project *project = w.project();
        EquipmentLayout *table = w.equipmentLayout();
        Obj *early = project->createDevice(RelayKind);
        QVERIFY(early->setName("K1"));
        QCOMPARE(table->tree()->topLevelItemCount(), 0);
        // Rows are built when the table is first shown.
        dock(w, "Table devices")->show();
        QCOMPARE(table->tree()->topLevelItemCount(), 1);
        Obj *clamps = project->createDevice(ClampPanelKind);
        QVERIFY(clamps->setName("X1"));
        Obj *fuse = project->createDevice(FuseKind);
        QVERIFY(fuse->setName("F1"));
        QCOMPARE(table->tree()->topLevelItemCount(), 2);
        QVERIFY(table->findTreeItemOfObj(*fuse));
        QVERIFY(!table->findTreeItemOfObj(*clamps));
        QVERIFY(fuse->setName("F2"));
        QCOMPARE(table->findTreeItemOfObj(*fuse)->text(0), QString("F2"));
        delete fuse;
        QCOMPARE(table->tree()->topLevelItemCount(), 1);
        QCOMPARE(recorder.count(), 1);

        // Only a frame editor enables the table, and it receives the
        // devices to place.
        auto frameSheet = std::make_unique<TestScene>(project, "Frame", TestScene::Frame);
        auto schemeSheet = std::make_unique<TestScene>(project, "Scheme", TestScene::Scheme);
        frameSheet->showInProject(nullptr);
        QPointer<FrameEdit> frame = qobject_cast<FrameEdit *>(tabView(w, 0));
        QVERIFY(frame);
        QVERIFY(table->isEnabled());
        QCOMPARE(table->frameEdit(), frame.data());
        QStringList placing;
        connect(table, &EquipmentLayout::needPlacingDevice, [&](Device &d) { placing << d.name(); });
        emit table->tree()->itemDoubleClicked(table->tree()->topLevelItem(0), 0);
        QCOMPARE(placing, QStringList{"K1"});
        schemeSheet->showInProject(nullptr);
        QVERIFY(qobject_cast<SchemeEdit *>(tabView(w, 0)));
        QVERIFY(!table->isEnabled());
        QCOMPARE(table->frameEdit(), nullptr);
        frameSheet->showInProject(nullptr);
        QVERIFY(table->isEnabled());
        closeButton(w)->click();
        QVERIFY(frame.isNull());
        QVERIFY(!table->isEnabled());
        QCOMPARE(table->frameEdit(), nullptr);

        // A frame sheet deleted while current clears the table's editor.
        frameSheet->showInProject(nullptr);
        QVERIFY(table->isEnabled());
        frameSheet.reset();
        QVERIFY(!table->isEnabled());
        QCOMPARE(table->frameEdit(), nullptr);
        QCOMPARE(tabs(w)->count(), 1);
    }

    // The ATR and page filters look for "ATR_page" in where a device is
    // drawn: ATR 5 finds the devices of group 5, page 3 those of page 3 in
    // any group, both together those of 05_03 alone.
    void tableOfDevicesFiltersByAtrAndPage()
    {
        ModalRecorder recorder;
        Project project(nullptr, nullptr);
        QList<Obj *> fuses;
        for (const QPoint &atrPage : {QPoint(5, 3), QPoint(5, 4), QPoint(12, 3)}) {
            auto *group = new SchemeGroup(&project);
            group->setAtrNumber(atrPage.x());
            project.schemes()->appendItem(group);
            auto *scheme = new Scheme(&project);
            group->appendItem(scheme);
            scheme->setNumber(atrPage.y());
            auto *item = new boundtest::TestDeviceItem(scheme, QGraphicsItem::UserType + 403, GraphicsObjItem::BindShared, FuseKind);
            scheme->addGraphicsItem(item);
            fuses << project.createDevice(FuseKind);
            QVERIFY(fuses.last()->setName(QString("F%1").arg(fuses.size())) && fuses.last()->appendItem(item));
        }
        EquipmentLayout table(nullptr, &project);
        table.show();
        const auto shown = [&](int atr, int page) {
            table.atrSpin()->setValue(atr);
            table.pageSpin()->setValue(page);
            table.setFilterButton()->click();
            QStringList names;
            for (Obj *fuse : fuses)
                names << (table.findTreeItemOfObj(*fuse)->isHidden() ? QString() : fuse->name());
            return names;
        };
        QCOMPARE(shown(5, 0), QStringList({"F1", "F2", ""}));
        QCOMPARE(shown(0, 3), QStringList({"F1", "", "F3"}));
        QCOMPARE(shown(5, 3), QStringList({"F1", "", ""}));
        // A group given another number: its devices are found under it.
        connect(&project, &Project::nameChangedGraphicsScene, &table, &EquipmentLayout::sceneNamesChanged);
        project.schemes()->itemList()[2]->setAtrNumber(7);
        QCoreApplication::processEvents();
        QCOMPARE(shown(7, 0), QStringList({"", "", "F3"}));
        QCOMPARE(recorder.count(), 0);
    }

    void everyImageLoads()
    {
        initImages();
        const QStringList names = QDir(":/images").entryList();
        QCOMPARE(names.size(), 100);
        for (const QString &name : names) {
            const QImage image(":/images/" + name);
            QVERIFY2(!image.isNull(), qPrintable(name));
            QCOMPARE(image.size(), QSize(32, 32));
            QVERIFY2(image.hasAlphaChannel(), qPrintable(name));
        }
        // Images that the action table does not name but other parts of the
        // program show.
        const QStringList others = {
            "close.png",         "line_solid.png",        "line_dashed.png",
            "line_dotted.png",   "line_dash_dot.png",     "line_dash_dot_dot.png",
            "textleft.png",      "textright.png",         "textcenter.png",
            "textjustify.png",   "scheme.png",            "scheme_group.png",
            "scheme_group_open.png", "schematics.png",    "frame.png",
            "frame_row.png",     "equipment_placing.png", "equipment_scheme.png",
            "specification.png", "specification_group.png", "specifications.png"};
        for (const QString &name : others)
            QVERIFY2(names.contains(name), qPrintable(name));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
