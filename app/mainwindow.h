#ifndef RLAY_MAINWINDOW_H
#define RLAY_MAINWINDOW_H

// The single top-level window: menus, main tool bar, the toolbox dock, one
// tab per open document view, the cursor position in the status bar. It owns
// the action list shared by every ActionsManager and switches the active
// view's actions when the current tab changes.

#include "app/actionsmanager.h"

#include <QList>
#include <QMainWindow>
#include <QPointF>

class QAction;
class QCloseEvent;
class QDockWidget;
class QLabel;
class QTabWidget;

class DlgCheckProject;
class DlgExplorerSources;
class DlgFind;
class EquipmentLayout;
class GraphicsEdit;
class GraphicsItem;
class GraphicsScene;
class Project;

// The product name: the window title without a project, the end of it with one.
inline constexpr char productName[] = "R-LAY";

class MainWindow : public QMainWindow, public ActionsManager
{
    Q_OBJECT

public:
    MainWindow();
    ~MainWindow() override;

    // The open project and the content of the "Table devices" dock, or none.
    Project *project() const { return m_project; }
    EquipmentLayout *equipmentLayout() const { return m_equipmentLayout; }
    // The tool windows, once they have been opened.
    DlgCheckProject *dlgCheckProject() const { return m_dlgCheckProject; }
    DlgFind *dlgFind() const { return m_dlgFind; }
    DlgExplorerSources *dlgExplorerSources() const { return m_dlgExplorerSources; }

public slots:
    void setCursorPos(const QPointF &pos);
    void closeTabWidget();
    void tabWidgetChanged(int index);
    // Shows the sheet in its tab (made first when it has none) and scrolls
    // the item, when given, into view.
    void showGraphicsScene(GraphicsScene &scene, GraphicsItem *item = nullptr);
    void changeGraphicsSceneName(const GraphicsScene &scene);
    void deleteGraphicsScene(GraphicsScene *scene);
    void newProject();
    void openProject();
    bool saveProject();
    bool saveAsProject();
    void importProject();
    void propertyProject();
    // True when no project is open afterwards.
    bool closeProject();
    void changeProject();
    void showDlgCheckProject();
    void showDlgFind();
    void showDlgExplorerSources();
    void showDlgDistances();
    void showDlgSettings();
    void showDlgAbout();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createProjectDocks();
    // Deletes the open project, the devices table no longer following it.
    void deleteProject();
    GraphicsEdit *findSceneView(const GraphicsScene *scene) const;
    void closeView(QWidget *view);
    ActionsManager *viewActions(QWidget *widget) const;
    // The sheet of a tab's view when that is a scheme editor, else none.
    GraphicsScene *schemeSceneOf(QWidget *widget) const;
    void setProjectTitle(const QString &name);
    // Repaints the sheets shown in tabs, after a change they draw but that
    // is not theirs (the project's texts, the table of distances).
    void repaintOpenSheets();

    QTabWidget *m_tabWidget = nullptr;
    QPointF m_lastCursorPos;
    QLabel *m_statusLabel = nullptr;
    Project *m_project = nullptr;
    EquipmentLayout *m_equipmentLayout = nullptr;
    QDockWidget *m_explorerDock = nullptr;
    QDockWidget *m_devicesDock = nullptr;
    QList<QAction *> m_actions; // indexed by action id
    ActionsManager *m_viewActions = nullptr;
    DlgFind *m_dlgFind = nullptr;
    DlgCheckProject *m_dlgCheckProject = nullptr;
    DlgExplorerSources *m_dlgExplorerSources = nullptr;
};

#endif
