#ifndef RLAY_EQUIPMENTMENAGER_H
#define RLAY_EQUIPMENTMENAGER_H

// The equipment branch of the project, "Placing of equipment": the
// equipment scheme and the rows of frames of the equipment room, saved in
// the equipment side file.

#include "equipment/cable.h"
#include "equipment/equipmentscheme.h"
#include "equipment/framegroup.h"
#include "model/itemmenager.h"

class EquipmentMenager : public ItemMenager<FrameGroup, DlgPropFrameGroup>
{
    Q_OBJECT

public:
    // Adds the branch's row as a top-level row of the project tree, the
    // equipment scheme's row as its first child.
    explicit EquipmentMenager(Project *project, QList<QAction *> *actions = nullptr);
    ~EquipmentMenager() override;

    EquipmentScheme *equipmentScheme() { return &m_scheme; }

    // The equipment scheme's row activates the branch without the row
    // commands.
    void setChildCurrent(QTreeWidgetItem *child, bool current) override;
    // Something below the branch changed: its side file is due.
    void changed() override;
    // The first pass begins with the equipment scheme.
    void saveFirst(DataStream &stream) override;
    bool loadFirst(DataStream &stream) override;
    const int *actions(int &count) override;
    const int *childActions(int &count) override;

    // Builds the wiring pages of every frame from the loaded frames and the
    // cables; false at the first failure.
    bool createWiringLayouts(const CableTable &cables);

private:
    // Whether the frames' first-pass records hold their layouts: files
    // written before frames had layouts end after the frames' numbers and
    // comments.
    bool framesCarryLayoutRecords(DataStream &stream) const;

    EquipmentScheme m_scheme;
};

#endif
