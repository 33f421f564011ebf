#include "support/actionlist.h"

#include "app/actionsmanager.h"

ActionList::ActionList()
{
    ActionsManager::createMenus(&host, &list, &menuBar, &toolBar);
    ActionsManager::createToolBox(&toolBox, &list);
}
