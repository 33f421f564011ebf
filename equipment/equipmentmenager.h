#ifndef RLAY_EQUIPMENTMENAGER_H
#define RLAY_EQUIPMENTMENAGER_H

// The equipment branch of the project: the rows of frames of the equipment
// room, saved in the equipment side file.

#include "model/projectitemowner.h"

#include <QList>
#include <QObject>

class Project;
class QAction;

class EquipmentMenager : public QObject
{
    Q_OBJECT

public:
    // Adds the branch's row as a top-level row of the project tree.
    explicit EquipmentMenager(Project *project, QList<QAction *> *actions = nullptr);
    ~EquipmentMenager() override;

    Project *project() const { return m_project; }
    ProjectItemOwner<EquipmentMenager> *treeItem() const { return m_treeItem; }

    // Something below the branch changed: its side file is due.
    virtual void changed();

private:
    Project *m_project;
    QList<QAction *> *m_actions;
    ProjectItemOwner<EquipmentMenager> *m_treeItem = nullptr;
};

// The branch's row tells its manager of every change below it.
template <>
void ProjectItemOwner<EquipmentMenager>::setChanged();

#endif
