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

#include <memory>

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
    // cables, each page built when first wanted; false at the first
    // failure. Broken elements are skipped and kept for
    // showGenerationChecks. The frames' pages then follow the project as
    // it stands: no frame is due for a rebuild.
    bool createWiringLayouts(const CableTable &cables);
    // With the cables of the project's cable specification.
    bool createDerivedPages() override;
    // The drawings read back may build the pages of their frames: the
    // frames share one index of the project as read.
    bool loadWLFirst(DataStream &stream) override;

    // While one lives, the frames whose pages are made share one index of
    // what the generation reads (the project's modules and cables),
    // gathered when first wanted and dropped with the last scope. A scope
    // covers one run of page making that changes nothing the index holds
    // (a load's pass, a save's rebuild, a print), never a wait for the
    // user: no index outlives a change of the project.
    class IndexScope
    {
    public:
        explicit IndexScope(EquipmentMenager &equipment);
        ~IndexScope();
        IndexScope(const IndexScope &) = delete;
        IndexScope &operator=(const IndexScope &) = delete;

        const WiringIndex &index();

    private:
        EquipmentMenager &m_equipment;
    };

    // A print or PDF of frames shares one index, as a scope does.
    void beginPageRun() override { ++m_indexScopes; }
    void endPageRun() override
    {
        if (--m_indexScopes == 0)
            m_wiringIndex.reset();
    }

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
    // The index shared by the scopes alive, null until one wants it.
    std::unique_ptr<WiringIndex> m_wiringIndex;
    int m_indexScopes = 0;
    bool m_rebuildAll = false;
};

#endif
