#ifndef RLAY_ACTIONSMANAGER_H
#define RLAY_ACTIONSMANAGER_H

// The base of every object that answers user commands (the main window, each
// editor view, each manager of a project-tree branch). It keeps the object's
// handler records: for each action id it answers, the slot to connect and the
// enabled and checked state the action shows while the object is active.
// Activating applies those states and connects the actions' triggered()
// signals; deactivating disables and unchecks the actions and disconnects
// them, so one action serves whichever owner is active.

#include <QList>

class QAction;
class QMenu;
class QMenuBar;
class QObject;
class QTabWidget;
class QToolBar;
class QWidget;
struct ActionEntry;

struct ActionHandler
{
    int actionId;
    QObject *receiver;
    const char *slot; // as SLOT() writes it
    bool enabled;
    bool checked;
};

class ActionsManager
{
public:
    explicit ActionsManager(QList<QAction *> *actions);
    virtual ~ActionsManager();

    virtual void setActive(bool active);
    bool isActive() const { return m_active; }

    void addHandler(int id, QObject *receiver, const char *slot, bool enabled = false,
                    bool checked = false);

    QAction *action(int id) const;
    int actionId(QAction *action) const;

    // Change the record's state and, while active, the action's.
    void setActionEnabled(int id, bool enabled);
    void setActionsEnabled(const int *ids, int count, bool enabled);
    bool setActionChecked(int id, bool checked);

    // Ids below 0 (or past the list) become separators.
    void addActionToMenu(QMenu *menu, int id);
    void addActionsToMenu(QMenu *menu, const int *ids, int count);

    const QList<ActionHandler> &handlers() const { return m_handlers; }
    QList<QAction *> *actionList() const { return m_actions; }

    // Build the actions from the tables; createMenus (ids 0 to 72) must run
    // before createToolBox (ids 73 to 117).
    static QAction *createAction(QWidget *parent, QList<QAction *> *actions,
                                 const ActionEntry &entry);
    static void createMenus(QWidget *parent, QList<QAction *> *actions, QMenuBar *menuBar,
                            QToolBar *toolBar);
    static void createToolBox(QTabWidget *tabWidget, QList<QAction *> *actions);

private:
    QList<ActionHandler> m_handlers;
    QList<QAction *> *m_actions;
    bool m_active = false;
};

#endif
