#ifndef RLAY_SCHEMEMENAGER_H
#define RLAY_SCHEMEMENAGER_H

// The scheme branch of the project: the scheme groups and their schemes,
// saved in the schemes side file.

#include "model/projectitemowner.h"

#include <QList>
#include <QObject>

class Project;
class QAction;
class QTreeWidget;

class SchemeMenager : public QObject
{
    Q_OBJECT

public:
    // Adds the branch's row as a top-level row of the project tree.
    explicit SchemeMenager(Project *project, QList<QAction *> *actions = nullptr);
    ~SchemeMenager() override;

    Project *project() const { return m_project; }
    ProjectItemOwner<SchemeMenager> *treeItem() const { return m_treeItem; }

    // Something below the branch changed: its side file is due.
    virtual void changed();
    // Checks the documents of the branch; the results go to the list.
    void check(QTreeWidget *results, int code);

private:
    Project *m_project;
    QList<QAction *> *m_actions;
    ProjectItemOwner<SchemeMenager> *m_treeItem = nullptr;
};

// The branch's row tells its manager of every change below it.
template <>
void ProjectItemOwner<SchemeMenager>::setChanged();

#endif
