#ifndef RLAY_LISTCHECKMESSAGES_H
#define RLAY_LISTCHECKMESSAGES_H

// The result list of the project check: one row per finding, with the
// columns "Scheme", "Name" and "Message", sorted by the sheet. Activating a
// row runs the row's own action (a row of an item opens its sheet).

#include "graphics/rtreewidget.h"

#include <QPointer>

class Project;
class QTreeWidgetItem;

class ListCheckMessages : public RTreeWidget
{
    Q_OBJECT

public:
    explicit ListCheckMessages(QWidget *parent);

    // The project whose results are shown; null when none is, or once it
    // has been closed.
    Project *project() const { return m_project; }
    // Another project drops the rows found in the former one.
    void setProject(Project *project);

public slots:
    void clickCheckMessagesActivated(QTreeWidgetItem *item, int column);

private:
    QPointer<Project> m_project;
    bool m_hadProject = false;
};

#endif
