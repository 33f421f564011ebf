#include "app/mainwindow.h"

#include "app/dlgcheckproject.h"
#include "app/dlgdistances.h"
#include "app/dlgexplorersources.h"
#include "app/dlgfind.h"
#include "app/dlgprojectprop.h"
#include "app/dlgsettings.h"
#include "app/images.h"
#include "equipment/equipmentlayout.h"
#include "equipment/frameedit.h"
#include "equipment/framelayout.h"
#include "graphics/font.h"
#include "graphics/graphicsedit.h"
#include "graphics/graphicsscene.h"
#include "model/buildstamp.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/displayflags.h"
#include "model/file.h"
#include "model/filedialogs.h"
#include "model/project.h"
#include "schemes/scheme.h"
#include "schemes/schemeedit.h"
#include "schemes/schememenager.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileInfo>
#include <QMessageBox>
#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

MainWindow::MainWindow()
    : ActionsManager(&m_actions)
{
    initImages();
    setWindowTitle(QString::fromLatin1(productName));

    createScreenFonts();
    Scheme::registerItemTypes();
    FrameLayout::registerItemTypes();
    loadDisplayFlags();

    QToolBar *toolBar = addToolBar(tr("ToolBar"));
    createMenus(this, &m_actions, menuBar(), toolBar);

    QDockWidget *toolBoxDock = new QDockWidget(tr("Object`s Panel"), this);
    toolBoxDock->setAllowedAreas(Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    addDockWidget(Qt::TopDockWidgetArea, toolBoxDock);
    QTabWidget *toolBox = new QTabWidget(toolBoxDock);
    toolBoxDock->setWidget(toolBox);
    createToolBox(toolBox, &m_actions);

    addHandler(0, this, SLOT(newProject()), true);
    addHandler(1, this, SLOT(openProject()), true);
    addHandler(2, this, SLOT(saveProject()));
    addHandler(3, this, SLOT(saveAsProject()));
    addHandler(4, this, SLOT(importProject()));
    addHandler(5, this, SLOT(propertyProject()));
    addHandler(6, this, SLOT(closeProject()));
    addHandler(10, qApp, SLOT(closeAllWindows()), true);
    addHandler(32, this, SLOT(showDlgCheckProject()));
    addHandler(22, this, SLOT(showDlgFind()));
    addHandler(33, this, SLOT(showDlgExplorerSources()));
    addHandler(34, this, SLOT(showDlgDistances()));
    addHandler(36, this, SLOT(showDlgSettings()), true);
    addHandler(38, this, SLOT(showDlgAbout()), true);
    setActive(true);

    m_tabWidget = new QTabWidget(this);
    QPushButton *closeButton = new QPushButton(QIcon(QStringLiteral(":/images/close.png")), QString(),
                                               m_tabWidget);
    m_tabWidget->setCornerWidget(closeButton, Qt::TopRightCorner);
    connect(closeButton, &QPushButton::released, this, &MainWindow::closeTabWidget);
    connect(m_tabWidget, &QTabWidget::currentChanged, this, &MainWindow::tabWidgetChanged);
    setCentralWidget(m_tabWidget);
    // The keys that edit a selection act on the document that has the
    // keyboard: Delete or Select all pressed in the project tree or a dock
    // never reaches the sheet shown beside it. The menus keep them all.
    for (int id : {13, 14, 15, 17, 23}) {
        if (QAction *a = action(id)) {
            a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            m_tabWidget->addAction(a);
        }
    }

    m_statusLabel = new QLabel(statusBar());
    m_statusLabel->setFrameShape(QFrame::StyledPanel);
    m_statusLabel->setAlignment(Qt::AlignCenter);
    m_statusLabel->setMinimumWidth(
        QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral(" X: 0000.00, Y: 0000.00 ")));
    statusBar()->addPermanentWidget(m_statusLabel, 0);

    resize(800, 600);
}

MainWindow::~MainWindow()
{
    // A project still open goes without a question, before its docks.
    deleteProject();
    deleteFonts();
}

namespace {

// The project actions that an open project enables: the project commands,
// "Find", "Check project", "Sources explorer" and "Distances explorer".
const int projectActions[] = {2, 3, 4, 5, 6, 22, 32, 33, 34};

const char projectExtension[] = ".rlay";

// A project that another copy of the program holds: true when the user
// opens it read-only, false when not at all.
bool askOpenReadOnly(const QString &path, const QString &holder)
{
    QMessageBox box(QMessageBox::Question, MainWindow::tr("Open File"),
                    MainWindow::tr("The project %1 is open in %2.\nOpen it read-only? Nothing can then be saved to "
                                   "its files; \"Save as\" saves your changes under another name.")
                        .arg(path, holder));
    QPushButton *readOnly = box.addButton(MainWindow::tr("Open &read-only"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(MainWindow::tr("&Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    execModal(&box);
    return box.clickedButton() == readOnly;
}

} // namespace

void MainWindow::createProjectDocks()
{
    if (!CHECK(!m_project))
        return;
    m_explorerDock = new QDockWidget(tr("Project Explorer"), this);
    m_explorerDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    addDockWidget(Qt::LeftDockWidgetArea, m_explorerDock);
    m_project = new Project(m_explorerDock, &m_actions);
    m_explorerDock->setWidget(m_project);

    m_devicesDock = new QDockWidget(tr("Table devices"), this);
    m_devicesDock->hide();
    m_devicesDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    addDockWidget(Qt::RightDockWidgetArea, m_devicesDock);
    m_equipmentLayout = new EquipmentLayout(m_devicesDock, m_project);
    m_devicesDock->setWidget(m_equipmentLayout);
    m_equipmentLayout->setEnabled(false);

    connect(m_project, &Project::showGraphicsScene, this, &MainWindow::showGraphicsScene);
    connect(m_project, &Project::deleteGraphicsScene, this, &MainWindow::deleteGraphicsScene);
    connect(m_project, &Project::nameChangedGraphicsScene, this, &MainWindow::changeGraphicsSceneName);
    connect(m_project, &Project::projectChanged, this, &MainWindow::changeProject);
    connect(m_project, &Project::objAppend, m_equipmentLayout, &EquipmentLayout::appendObj);
    connect(m_project, &Project::objDelete, m_equipmentLayout, &EquipmentLayout::deleteObj);
    connect(m_project, &Project::objUpdate, m_equipmentLayout, &EquipmentLayout::updateObj);
    connect(m_project, &Project::nameChangedGraphicsScene, m_equipmentLayout, &EquipmentLayout::sceneNamesChanged);
    connect(m_project, &Project::objBindingsChanged, m_equipmentLayout, &EquipmentLayout::bindingsChanged);

    for (int id : projectActions)
        setActionEnabled(id, true);
}

void MainWindow::newProject()
{
    DlgProjectProp dialog(this);
    dialog.setFromDefaults();
    if (execModal(&dialog) != QDialog::Accepted)
        return;
    if (m_project && !closeProject())
        return;
    createProjectDocks();
    if (!CHECK_PTR(m_project))
        return;
    dialog.applyToProject(m_project);
    m_project->setFileName(QCoreApplication::applicationDirPath() + QLatin1Char('/') + tr("New project")
                           + QLatin1String(projectExtension));
    setProjectTitle(tr("New project"));
}

void MainWindow::openProject()
{
    const QString name = askOpenFileName(this, tr("Open File"), QCoreApplication::applicationDirPath(),
                                         tr("Project (*%1)").arg(QLatin1String(projectExtension)));
    if (name.isEmpty())
        return;
    if (m_project && !closeProject())
        return;
    createProjectDocks();
    if (!CHECK_PTR(m_project))
        return;
    m_project->setFileName(name);
    // One program writes a project: a second copy opens it read-only or not
    // at all.
    const bool held = m_project->lockFiles() == Project::LockHeldElsewhere;
    if (held && askOpenReadOnly(name, m_project->lockHolder()))
        m_project->setReadOnly(true);
    if ((!held || m_project->isReadOnly()) && m_project->load()) {
        m_project->setHasFileName(true);
        setProjectTitle(QFileInfo(name).baseName() + (held ? tr(" (read-only)") : QString()));
        if (m_dlgFind)
            m_dlgFind->setProject(m_project);
        if (m_dlgCheckProject)
            m_dlgCheckProject->setProject(m_project);
        if (m_dlgExplorerSources)
            m_dlgExplorerSources->setProject(m_project);
        return;
    }
    // The loader has told why (or the user chose not to open a project
    // another program holds); the half-read project goes without a question.
    m_project->setModified(false);
    closeProject();
}

bool MainWindow::saveProject()
{
    if (!CHECK_PTR(m_project))
        return false;
    if (!m_project->hasFileName())
        return saveAsProject();
    if (!m_project->save())
        return false;
    setActionEnabled(2, false);
    return true;
}

bool MainWindow::saveAsProject()
{
    if (!CHECK_PTR(m_project))
        return false;
    QString name = askSaveFileName(this, tr("Save As..."), QCoreApplication::applicationDirPath(),
                                   tr("Project (*%1)").arg(QLatin1String(projectExtension)));
    if (name.isEmpty())
        return false;
    // The file dialog of some desktops adds no extension of its own; the
    // name it then gives was not the one it asked about replacing.
    if (!name.endsWith(QLatin1String(projectExtension), Qt::CaseInsensitive)) {
        name += QLatin1String(projectExtension);
        if (QFileInfo::exists(name) && !isSameFile(name, m_project->fileName())
            && !askYesNo(tr("%1 already exists.\nDo you want to replace it?").arg(name)))
            return false;
    }
    // A failed one leaves the project as it was, and Save as it was.
    if (!m_project->saveAs(name)) {
        setActionEnabled(2, m_project->isModified());
        return false;
    }
    setProjectTitle(QFileInfo(name).baseName());
    setActionEnabled(2, false);
    return true;
}

void MainWindow::setCursorPos(const QPointF &pos)
{
    if (!CHECK_PTR(m_statusLabel) || pos == m_lastCursorPos)
        return;
    m_lastCursorPos = pos;
    m_statusLabel->setText(QString::asprintf(" X: %.2f, Y: %.2f ", pos.x(), pos.y()));
}

void MainWindow::closeTabWidget()
{
    if (!CHECK_PTR(m_tabWidget))
        return;
    closeView(m_tabWidget->currentWidget());
}

void MainWindow::tabWidgetChanged(int index)
{
    if (m_viewActions) {
        m_viewActions->setActive(false);
        m_viewActions = nullptr;
    }
    // The find window follows the current scheme; with no tab left it has
    // none.
    if (m_dlgFind)
        m_dlgFind->setScene(index < 0 || !m_tabWidget ? nullptr : schemeSceneOf(m_tabWidget->widget(index)));
    if (index < 0 || !CHECK_PTR(m_tabWidget))
        return;
    QWidget *view = m_tabWidget->widget(index);
    if (!CHECK_PTR(view))
        return;
    m_viewActions = viewActions(view);
    if (m_viewActions)
        m_viewActions->setActive(true);
    if (m_equipmentLayout) {
        auto *frameEdit = qobject_cast<FrameEdit *>(view);
        m_equipmentLayout->setFrameEdit(frameEdit);
        m_equipmentLayout->setEnabled(frameEdit != nullptr);
    }
}

void MainWindow::showGraphicsScene(GraphicsScene &scene, GraphicsItem *item)
{
    if (!CHECK_PTR(m_tabWidget))
        return;
    GraphicsEdit *view = findSceneView(&scene);
    if (!view) {
        view = scene.createEdit(&m_actions);
        if (!CHECK_PTR(view))
            return;
        m_tabWidget->insertTab(0, view, scene.displayName());
        connect(view, &GraphicsEdit::cursorPosChanged, this, &MainWindow::setCursorPos);
    }
    m_tabWidget->setCurrentWidget(view);
    // The document opened takes the keyboard, as it would by a click.
    view->setFocus();
    // What stands selected on the sheet (an item found or carried before
    // the view opened) can be cut, copied or deleted at once.
    view->updateSelectionActions(scene.selectedGraphicsItems());
    if (item)
        view->ensureVisible(item->sceneBoundingRect(), 50, 50);
    if (m_tabWidget->count() == 1)
        tabWidgetChanged(m_tabWidget->currentIndex());
}

void MainWindow::changeGraphicsSceneName(const GraphicsScene &scene)
{
    if (!m_tabWidget)
        return;
    if (GraphicsEdit *view = findSceneView(&scene))
        m_tabWidget->setTabText(m_tabWidget->indexOf(view), scene.displayName());
}

void MainWindow::deleteGraphicsScene(GraphicsScene *scene)
{
    if (!CHECK_PTR(scene) || !m_tabWidget)
        return;
    // The view lets go of the sheet being destroyed, then closes.
    if (GraphicsEdit *view = findSceneView(scene)) {
        view->setScene(nullptr);
        closeView(view);
    }
}

void MainWindow::importProject()
{
    // Import has no function of its own.
}

void MainWindow::propertyProject()
{
    if (!CHECK_PTR(m_project))
        return;
    DlgProjectProp dialog(this);
    dialog.setFromProject(m_project);
    if (execModal(&dialog) != QDialog::Accepted)
        return;
    dialog.applyToProject(m_project);
    m_project->setModified(true);
    // The cable types in use are saved with the cable specification.
    m_project->setSpecificationCableChanged();
    setActionEnabled(2, true);
    // The title blocks of the open sheets show the new texts and language.
    repaintOpenSheets();
}

void MainWindow::repaintOpenSheets()
{
    for (int i = 0; i < m_tabWidget->count(); ++i) {
        if (auto *view = qobject_cast<QGraphicsView *>(m_tabWidget->widget(i)))
            view->viewport()->update();
    }
}

bool MainWindow::closeProject()
{
    if (!m_project)
        return true;
    if (m_project->isModified()) {
        const int answer = askYesNoCancel(QStringLiteral("Save project %1?").arg(m_project->fileName()));
        if (answer == QMessageBox::Yes) {
            if (!saveProject())
                return false;
        } else if (answer != QMessageBox::No) {
            return false;
        }
    }

    // The tool windows let go of the project before it goes.
    if (m_dlgFind) {
        m_dlgFind->setProject(nullptr);
        m_dlgFind->setScene(nullptr);
    }
    if (m_dlgCheckProject)
        m_dlgCheckProject->setProject(nullptr);
    if (m_dlgExplorerSources)
        m_dlgExplorerSources->setProject(nullptr);
    if (m_equipmentLayout)
        m_equipmentLayout->setFrameEdit(nullptr);
    deleteProject();
    if (m_explorerDock) {
        removeDockWidget(m_explorerDock);
        delete m_explorerDock;
        m_explorerDock = nullptr;
    }
    delete m_equipmentLayout;
    m_equipmentLayout = nullptr;
    if (m_devicesDock) {
        removeDockWidget(m_devicesDock);
        delete m_devicesDock;
        m_devicesDock = nullptr;
    }
    for (int id : projectActions)
        setActionEnabled(id, false);
    setWindowTitle(QString::fromLatin1(productName));
    return true;
}

void MainWindow::deleteProject()
{
    // The devices table goes with the project: it is not told of every
    // object deleted, row by row.
    if (m_project && m_equipmentLayout)
        disconnect(m_project, nullptr, m_equipmentLayout, nullptr);
    delete m_project;
    m_project = nullptr;
}

void MainWindow::changeProject()
{
    setActionEnabled(2, true);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (closeProject())
        event->accept();
    else
        event->ignore();
}

void MainWindow::showDlgCheckProject()
{
    if (!m_dlgCheckProject) {
        m_dlgCheckProject = new DlgCheckProject(this, Qt::Tool);
        if (!CHECK_PTR(m_dlgCheckProject))
            return;
    }
    m_dlgCheckProject->setProject(m_project);
    m_dlgCheckProject->show();
    m_dlgCheckProject->raise();
    m_dlgCheckProject->activateWindow();
}

void MainWindow::showDlgDistances()
{
    if (!CHECK_PTR(m_project))
        return;
    DlgDistances dialog(this, m_project);
    dialog.move(x() + (width() - dialog.width()) / 2, y() + (height() - dialog.height()) / 2);
    // Open bills of cables show the lengths of the new table.
    if (execModal(&dialog) == QDialog::Accepted)
        repaintOpenSheets();
}

void MainWindow::showDlgFind()
{
    if (!m_dlgFind) {
        m_dlgFind = new DlgFind(this, Qt::Tool);
        if (!CHECK_PTR(m_dlgFind))
            return;
        m_dlgFind->adjustSize();
        m_dlgFind->move(x() + (width() - m_dlgFind->width()) / 2, y() + (height() - m_dlgFind->height()) / 2);
    }
    m_dlgFind->setScene(m_tabWidget ? schemeSceneOf(m_tabWidget->currentWidget()) : nullptr);
    m_dlgFind->setProject(m_project);
    m_dlgFind->show();
    m_dlgFind->raise();
    m_dlgFind->activateWindow();
    m_dlgFind->clearCurrentItem();
}

void MainWindow::showDlgExplorerSources()
{
    if (!m_dlgExplorerSources) {
        m_dlgExplorerSources = new DlgExplorerSources(this);
        if (!CHECK_PTR(m_dlgExplorerSources))
            return;
        m_dlgExplorerSources->adjustSize();
        m_dlgExplorerSources->move(x() + (width() - m_dlgExplorerSources->width()) / 2,
                                   y() + (height() - m_dlgExplorerSources->height()) / 2);
    }
    m_dlgExplorerSources->setProject(m_project);
    m_dlgExplorerSources->setWindowFlags(Qt::Tool);
    m_dlgExplorerSources->show();
    m_dlgExplorerSources->raise();
    m_dlgExplorerSources->activateWindow();
}

GraphicsScene *MainWindow::schemeSceneOf(QWidget *widget) const
{
    auto *view = qobject_cast<SchemeEdit *>(widget);
    return view ? view->graphicsScene() : nullptr;
}

void MainWindow::showDlgSettings()
{
    DlgSettings dialog(this);
    const bool bigNames = showBigDeviceNames;
    // The names' font sets the items' extents: they follow at once.
    if (execModal(&dialog) == QDialog::Accepted && bigNames != showBigDeviceNames && m_project
        && m_project->schemes())
        m_project->schemes()->measureItemsAgain();
}

void MainWindow::showDlgAbout()
{
    const QDateTime stamp = programBuildDateTime();
    showInformation(tr("Programm") + QStringLiteral(": ") + QString::fromLatin1(productName)
                    + QStringLiteral("\n\n") + tr("Version") + QStringLiteral(": 1.")
                    + QString::number(int(DataStream::CurrentFormat)) + QStringLiteral("\n")
                    + tr("Date") + QStringLiteral(": ") + stamp.date().toString(Qt::TextDate)
                    + QStringLiteral("\n") + tr("Time") + QStringLiteral(": ")
                    + stamp.time().toString(Qt::TextDate));
}

GraphicsEdit *MainWindow::findSceneView(const GraphicsScene *scene) const
{
    for (int i = 0; i < m_tabWidget->count(); ++i) {
        auto *view = qobject_cast<GraphicsEdit *>(m_tabWidget->widget(i));
        if (view && view->graphicsScene() == scene)
            return view;
    }
    return nullptr;
}

void MainWindow::closeView(QWidget *view)
{
    if (!CHECK_PTR(view) || !CHECK_PTR(m_tabWidget))
        return;
    if (qobject_cast<FrameEdit *>(view) && m_equipmentLayout) {
        m_equipmentLayout->setFrameEdit(nullptr);
        m_equipmentLayout->setEnabled(false);
    }
    m_tabWidget->removeTab(m_tabWidget->indexOf(view));
    tabWidgetChanged(m_tabWidget->currentIndex());
    delete view;
}

ActionsManager *MainWindow::viewActions(QWidget *widget) const
{
    if (!CHECK_PTR(widget))
        return nullptr;
    auto *view = qobject_cast<GraphicsEdit *>(widget);
    return view ? static_cast<ActionsManager *>(view) : nullptr;
}

void MainWindow::setProjectTitle(const QString &name)
{
    setWindowTitle(name + QStringLiteral(" - ") + QString::fromLatin1(productName));
}
