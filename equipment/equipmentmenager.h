#ifndef RLAY_EQUIPMENTMENAGER_H
#define RLAY_EQUIPMENTMENAGER_H

// The equipment branch of the project: the rows of frames of the equipment
// room, saved in the equipment side file.

#include "equipment/cable.h"
#include "model/projectitemowner.h"

#include <QList>
#include <QObject>

class DataStream;
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

    // The passes of a save and a load over the rows of frames, all in the
    // equipment side file: the list records, the first and second passes,
    // the pointer fix-up, and the same three for the wiring pages.
    virtual void writeItems(DataStream &stream);
    virtual void readItems(DataStream &stream);
    virtual void saveFirst(DataStream &stream);
    virtual bool loadFirst(DataStream &stream);
    virtual bool saveSecond(DataStream &stream);
    virtual bool loadSecond(DataStream &stream);
    virtual bool updatePointers(bool first);
    virtual void saveWLFirst(DataStream &stream);
    virtual bool loadWLFirst(DataStream &stream);
    virtual bool saveWLSecond(DataStream &stream);
    virtual bool loadWLSecond(DataStream &stream);
    virtual bool updateWLPointers();

    // Builds the wiring pages of every frame from the loaded frames and the
    // cables; false at the first failure.
    bool createWiringLayouts(const CableTable &cables);

private:
    Project *m_project;
    QList<QAction *> *m_actions;
    ProjectItemOwner<EquipmentMenager> *m_treeItem = nullptr;
    // Rows found in a file that this branch cannot hold yet.
    qint32 m_unreadItems = 0;
};

// The branch's row tells its manager of every change below it.
template <>
void ProjectItemOwner<EquipmentMenager>::setChanged();

#endif
