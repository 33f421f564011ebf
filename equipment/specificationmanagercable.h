#ifndef RLAY_SPECIFICATIONMANAGERCABLE_H
#define RLAY_SPECIFICATIONMANAGERCABLE_H

// The cable specification branch of the project: the cable pages, saved in
// the cable specification side file.

#include "model/projectitemowner.h"

#include <QList>
#include <QObject>

class Project;
class QAction;

class SpecificationManagerCable : public QObject
{
    Q_OBJECT

public:
    // Adds the branch's row as a top-level row of the project tree.
    explicit SpecificationManagerCable(Project *project, QList<QAction *> *actions = nullptr);
    ~SpecificationManagerCable() override;

    Project *project() const { return m_project; }
    ProjectItemOwner<SpecificationManagerCable> *treeItem() const { return m_treeItem; }

    // Something below the branch changed: its side file is due.
    virtual void changed();

private:
    Project *m_project;
    QList<QAction *> *m_actions;
    ProjectItemOwner<SpecificationManagerCable> *m_treeItem = nullptr;
};

// The branch's row tells its manager of every change below it.
template <>
void ProjectItemOwner<SpecificationManagerCable>::setChanged();

#endif
