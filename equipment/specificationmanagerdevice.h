#ifndef RLAY_SPECIFICATIONMANAGERDEVICE_H
#define RLAY_SPECIFICATIONMANAGERDEVICE_H

// The device specification branch of the project: the bills of devices,
// saved in the device specification side file.

#include "model/projectitemowner.h"

#include <QList>
#include <QObject>

class Project;
class QAction;

class SpecificationManagerDevice : public QObject
{
    Q_OBJECT

public:
    // Adds the branch's row as a top-level row of the project tree.
    explicit SpecificationManagerDevice(Project *project, QList<QAction *> *actions = nullptr);
    ~SpecificationManagerDevice() override;

    Project *project() const { return m_project; }
    ProjectItemOwner<SpecificationManagerDevice> *treeItem() const { return m_treeItem; }

    // Something below the branch changed: its side file is due.
    virtual void changed();

private:
    Project *m_project;
    QList<QAction *> *m_actions;
    ProjectItemOwner<SpecificationManagerDevice> *m_treeItem = nullptr;
};

// The branch's row tells its manager of every change below it.
template <>
void ProjectItemOwner<SpecificationManagerDevice>::setChanged();

#endif
