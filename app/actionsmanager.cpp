#include "app/actionsmanager.h"

#include "app/actiontable.h"
#include "app/images.h"
#include "model/check.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QToolBar>

namespace {

QString actionText(const char *text)
{
    return QCoreApplication::translate("ActionManager", text);
}

} // namespace

ActionsManager::ActionsManager(QList<QAction *> *actions)
    : m_actions(actions)
{
}

ActionsManager::~ActionsManager() = default;

void ActionsManager::setActive(bool active)
{
    if (m_active == active)
        return;
    if (!CHECK_PTR(m_actions))
        return;
    for (const ActionHandler &handler : std::as_const(m_handlers)) {
        QAction *a = action(handler.actionId);
        if (!CHECK_PTR(a))
            continue;
        const bool enabled = active && handler.enabled;
        if (a->isEnabled() != enabled)
            a->setEnabled(enabled);
        const bool checked = active && handler.checked;
        if (a->isChecked() != checked)
            a->setChecked(checked);
        if (handler.receiver && handler.slot) {
            if (active)
                QObject::connect(a, SIGNAL(triggered()), handler.receiver, handler.slot);
            else
                QObject::disconnect(a, SIGNAL(triggered()), handler.receiver, handler.slot);
        }
    }
    m_active = active;
}

void ActionsManager::addHandler(int id, QObject *receiver, const char *slot, bool enabled,
                                bool checked)
{
    if (!CHECK(m_actions && id >= 0 && id < m_actions->size() && receiver && slot))
        return;
    m_handlers.append(ActionHandler{id, receiver, slot, enabled, checked});
}

QAction *ActionsManager::action(int id) const
{
    if (!CHECK(m_actions && id >= 0 && id < m_actions->size()))
        return nullptr;
    return m_actions->at(id);
}

int ActionsManager::actionId(QAction *action) const
{
    if (!CHECK(m_actions))
        return -1;
    return int(m_actions->indexOf(action));
}

void ActionsManager::setActionEnabled(int id, bool enabled)
{
    QAction *a = action(id);
    if (!CHECK_PTR(a))
        return;
    if (m_active && a->isEnabled() != enabled)
        a->setEnabled(enabled);
    for (ActionHandler &handler : m_handlers) {
        if (handler.actionId == id) {
            handler.enabled = enabled;
            return;
        }
    }
    CHECK(false);
}

void ActionsManager::setActionsEnabled(const int *ids, int count, bool enabled)
{
    for (int i = 0; i < count; ++i)
        setActionEnabled(ids[i], enabled);
}

bool ActionsManager::setActionChecked(int id, bool checked)
{
    QAction *a = action(id);
    if (!CHECK_PTR(a))
        return false;
    if (m_active && a->isChecked() != checked)
        a->setChecked(checked);
    for (ActionHandler &handler : m_handlers) {
        if (handler.actionId == id) {
            handler.checked = checked;
            return true;
        }
    }
    return CHECK(false);
}

void ActionsManager::addActionToMenu(QMenu *menu, int id)
{
    if (!CHECK(m_actions && m_active)) {
        menu->addSeparator();
        return;
    }
    if (id < 0 || id >= m_actions->size()) {
        menu->addSeparator();
        return;
    }
    menu->addAction(m_actions->at(id));
}

void ActionsManager::addActionsToMenu(QMenu *menu, const int *ids, int count)
{
    for (int i = 0; i < count; ++i)
        addActionToMenu(menu, ids[i]);
}

QAction *ActionsManager::createAction(QWidget *parent, QList<QAction *> *actions,
                                      const ActionEntry &entry)
{
    initImages();
    QAction *a = new QAction(QIcon(QString::fromLatin1(entry.icon)), actionText(entry.text), parent);
    if (!CHECK_PTR(a))
        return nullptr;
    if (!CHECK(actions && entry.id == actions->size()))
        return a;
    actions->append(a);
    if (!entry.enabledAtStart)
        a->setEnabled(false);
    if (entry.checkable)
        a->setCheckable(true);
    if (entry.standardKey != 0)
        a->setShortcut(QKeySequence(QKeySequence::StandardKey(entry.standardKey)));
    return a;
}

void ActionsManager::createMenus(QWidget *parent, QList<QAction *> *actions, QMenuBar *menuBar,
                                 QToolBar *toolBar)
{
    if (!CHECK_PTR(parent))
        return;
    for (int s = 0; s < menuSectionCount; ++s) {
        const ActionSection &section = menuSections[s];
        QMenu *menu = menuBar->addMenu(actionText(section.title));
        if (!CHECK_PTR(menu))
            continue;
        bool toolBarEndsWithAction = false;
        for (int e = 0; e < section.count; ++e) {
            const ActionEntry &entry = section.entries[e];
            if (!entry.text) {
                menu->addSeparator();
                if (entry.inMainToolBar) {
                    toolBar->addSeparator();
                    toolBarEndsWithAction = false;
                }
                continue;
            }
            QAction *a = createAction(parent, actions, entry);
            if (!a)
                continue;
            menu->addAction(a);
            if (entry.inMainToolBar) {
                toolBar->addAction(a);
                toolBarEndsWithAction = true;
            }
        }
        if (toolBarEndsWithAction)
            toolBar->addSeparator();
    }
    // Context actions are placed by the managers in their own menus.
    for (int s = 0; s < contextSectionCount; ++s) {
        const ActionSection &section = contextSections[s];
        for (int e = 0; e < section.count; ++e) {
            if (section.entries[e].text)
                createAction(parent, actions, section.entries[e]);
        }
    }
}

void ActionsManager::createToolBox(QTabWidget *tabWidget, QList<QAction *> *actions)
{
    if (!CHECK_PTR(tabWidget))
        return;
    for (int s = 0; s < toolBoxSectionCount; ++s) {
        const ActionSection &section = toolBoxSections[s];
        QToolBar *toolBar = new QToolBar(actionText(section.title));
        if (!CHECK_PTR(toolBar))
            continue;
        tabWidget->addTab(toolBar, toolBar->windowTitle());
        for (int e = 0; e < section.count; ++e) {
            QAction *a = createAction(tabWidget, actions, section.entries[e]);
            if (!CHECK_PTR(a))
                continue;
            toolBar->addAction(a);
        }
    }
}
