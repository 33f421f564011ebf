#include "app/listcheckmessages.h"

#include "model/check.h"
#include "model/checkmessage.h"
#include "model/project.h"

#include <QStringList>

ListCheckMessages::ListCheckMessages(QWidget *parent)
    : RTreeWidget(parent, 0, 0)
{
    setColumnCount(3);
    setHeaderLabels(QStringList() << tr("Scheme") << tr("Name") << tr("Message"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemActivated, this, &ListCheckMessages::clickCheckMessagesActivated);
}

void ListCheckMessages::setProject(Project *project)
{
    // A project closed behind the list's back counts as another one.
    if (project == m_project && (project || !m_hadProject))
        return;
    if (m_hadProject)
        clear();
    m_project = project;
    m_hadProject = project != nullptr;
}

void ListCheckMessages::clickCheckMessagesActivated(QTreeWidgetItem *item, int)
{
    auto *message = dynamic_cast<CheckMessage *>(item);
    if (!CHECK_PTR(message))
        return;
    message->activate();
}
