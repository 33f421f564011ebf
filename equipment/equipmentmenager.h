#ifndef RLAY_EQUIPMENTMENAGER_H
#define RLAY_EQUIPMENTMENAGER_H

// The equipment branch of the project, "Placing of equipment": the
// equipment scheme and the rows of frames of the equipment room, saved in
// the equipment side file.

#include "equipment/cable.h"
#include "equipment/checklog.h"
#include "equipment/equipmentscheme.h"
#include "equipment/framegroup.h"
#include "equipment/framelayout.h"
#include "model/itemmenager.h"

#include <QHash>

class Device;
class Frame;
class QTreeWidget;

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
    // "Check object address" lists every pair of frames that cables join
    // and the distance table has no length for.
    void check(QTreeWidget *results, int code) override;
    // Failed checks of a load that goes on past them; shown in one box
    // with what the wiring generation skipped.
    CheckLog &loadLog() { return m_generationLog; }

    // Adds to the sources explorer's list a row for every source and every
    // frame whose equipment it feeds.
    void fillSourcesTree(QTreeWidget *tree);

    // Lists the wiring pages of every frame from the loaded frames and the
    // project's cables, each page built when first wanted; false at the
    // first failure. Broken elements are skipped and kept for
    // showGenerationChecks. The frames' pages then follow the project as
    // it stands: no frame is due for a rebuild.
    bool createWiringLayouts();
    bool createDerivedPages() override;

    // The frames whose code is the code, in row order. Frames of one code
    // are one frame to the cables, the modules and the clamps.
    QList<Frame *> framesWithCode(quint32 code) const;
    // The devices of the kind placed in the frames of the code, by name:
    // what a frame's pages show of the project, found in what the frame
    // holds.
    QList<Device *> placedDevices(quint32 code, int kind) const;

    // One box with what the generation skipped, once per load.
    void showGenerationChecks();
    // Before a save: the pages of every frame whose layout, modules, clamp
    // panels or cables changed since they were built are built anew from
    // the project as it is now, and each page's drawings go to the page
    // that stands for the same thing (see the page keys of the
    // generation). Drawings left without a page are named in a question:
    // false, and every frame keeps its pages and drawings as they were,
    // when the user keeps them. The equipment file is marked changed when
    // the drawings or the number of pages no longer match it.
    bool rebuildWiringLayouts();
    // The next rebuild builds every frame's pages anew, whether or not its
    // frame changed and whether or not the same pages come out.
    void prepareFullSave() override;
    // Marks every frame's pages for the next rebuild.
    void setAllWiringChanged();
    // Also ends the covering hold of layouts a failed load left; shows
    // what the load went on past, unless it failed.
    void loadFinished(bool loaded) override;
    bool prepareSave(const QString &) override { return rebuildWiringLayouts(); }

private:
    // Whether the frames' first-pass records hold their layouts: files
    // written before frames had layouts end after the frames' numbers and
    // comments.
    bool framesCarryLayoutRecords(DataStream &stream) const;

    EquipmentScheme m_scheme;
    CheckLog m_generationLog;
    // The frames by their codes, made when first asked for and again once a
    // frame's code changed, a frame went or one joined since.
    mutable QHash<quint32, QList<Frame *>> m_framesByCode;
    mutable quint64 m_framesByCodeAt = 0;
    mutable int m_framesCounted = -1;
    bool m_rebuildAll = false;
};

#endif
