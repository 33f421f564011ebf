#ifndef RLAY_FRAME_H
#define RLAY_FRAME_H

// One rack of the equipment room, a frame of a row: its address (frame
// kind, row number, frame number), ATR number, comment, catalogued frame
// type, clamp-panel choice and its own values of the project's member
// properties. It owns its frame layout, built from its frame type; its row
// in the project tree holds the layout and the frame's other documents.

#include "graphics/dlgprop.h"
#include "model/address.h"
#include "model/file.h"
#include "model/projectitemowner.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <utility>
#include <vector>

class CheckLog;
class DataStream;
class Frame;
class FrameGroup;
class Pin;
class FrameLayout;
class GraphicsScene;
class Project;
class QPainter;
class QSpinBox;
class QTreeWidget;
class RComboBox;
class RLineEdit;
struct SourceNet;
class WiringLayout;
class WiringPageItem;

// The project-tree row of a frame: a double click opens its layout.
class FrameItem : public ProjectItemOwner<Frame>
{
public:
    explicit FrameItem(Frame *frame, ProjectItemBase *parent = nullptr);

    void doubleClicked() override;
    // A change below the row (the layout or a page modified) passes up
    // once the frame has forgotten the blocks it kept of the last save.
    void setChanged() override;
};

class Frame : public QObject
{
    Q_OBJECT

public:
    enum { FirstMember = 4, MemberCount = 12 };

    explicit Frame(Project *project);
    // The layout goes first, then the frame's row.
    ~Frame() override;

    Project *project() const { return m_project; }
    FrameItem *treeItem() const { return m_treeItem; }
    FrameLayout *layout() const { return m_layout; }
    const Address &address() const { return m_address; }
    // Counts, in every project, the frames that went and the changes of a
    // frame's code: what holds frames by their codes is due again when it
    // moved.
    static quint64 codeChanges();
    int atrNumber() const { return m_atrNumber; }
    void setAtrNumber(int number) { m_atrNumber = number; }
    QString comment() const { return m_comment; }
    void setComment(const QString &comment);
    // The pages of parts and panels that left, whose drawings the user kept
    // at a save, listed again with those drawings alone: the user opens
    // them and takes the drawings elsewhere.
    void relistLeftPages();
    // The frame's layout and built pages shown in views take its number,
    // ATR number and members as they now stand: tab names and title blocks.
    void refreshShownDocuments();
    int pageCounter() const { return m_pageCounter; }
    // Whether the generation running now lists the pages without building
    // them.
    bool listsPagesOnly() const { return m_listingPages; }
    int frameType() const { return m_frameType; }
    // Takes a catalogued frame type: its frame kind, a layout built from
    // its parts, its sheet and page number.
    void setFrameType(int type);
    // A frame read with its type builds its layout once the load reaches
    // the frame's own record, where its places take their addresses at
    // once (or when the load ends short of it).
    void buildDueLayout();
    int clampPanelChoice() const { return m_clampPanelChoice; }
    void setClampPanelChoice(int choice);

    // The clamp-panel type the frame carries: the entry of its frame kind's
    // list chosen by the clamp-panel choice; 0 for none.
    int clampPanelType() const;
    // The first clamp-panel model of that type; -1 for none.
    int defaultClampPanelModel() const;
    bool hasClampPanelModel(int model) const;

    // For a member: the frame's own value when it has one; otherwise empty
    // when frameOnly, else the project's.
    QString property(int index, bool frameOnly) const;
    // A member is the frame's own; any other index is the project's.
    void setProperty(int index, const QString &text);
    // Takes one field of the address when the addresses differ, renames the
    // row, and the places of the layout take their new addresses.
    void setAddressField(const Address &from, int field);
    // The row number a frame being read takes before its own number is
    // read: its places take the whole address once, with that number.
    void presetRowNumber(quint8 row);
    // Puts the layout's clamp part on the left or the right of the sheet.
    void placeClampPart(bool left);

    // The property record of the list pass.
    void writeProperties(DataStream &stream);
    void readProperties(DataStream &stream);
    // Files written before frames had layouts hold no layout record.
    void setLayoutRecordExpected(bool expected) { m_layoutRecord = expected; }
    // The frame's share of each pass of the equipment side file.
    void saveFirst(DataStream &stream);
    bool loadFirst(DataStream &stream);
    bool saveSecond(DataStream &stream);
    bool loadSecond(DataStream &stream);
    bool updatePointers(bool second);
    void saveWLFirst(DataStream &stream);
    bool loadWLFirst(DataStream &stream);
    bool saveWLSecond(DataStream &stream);
    bool loadWLSecond(DataStream &stream);
    // The frame's wiring documents from its layout as it is (none without
    // a layout: true): built, or only listed as rows under the frame's row
    // that stand for pages built when first wanted.
    // With holdRows, the rows of the pages built wait for joinMadeRows.
    bool createWiringLayouts(CheckLog &log, bool build, bool holdRows = false);
    // The rows of the pages built and still there join the frame's row.
    void joinMadeRows();
    // Builds the pages the frame only lists, from the project as it
    // stands: true when each row listed then stands for its page; false
    // when the frame now makes other pages than those listed, which then
    // give way to the pages made. The checks failed while building are
    // shown when asked for.
    bool buildWiringPages(bool showChecks = true);
    // Whether the frame lists pages not built yet.
    bool hasListedPages() const;
    // Every wiring page of the frame goes, built or listed; the next pages
    // are numbered anew after the layout's sheet.
    void dropWiringPages();
    // The wiring pages are numbered anew after the layout's sheet.
    void resetPageCounter();
    // Takes back the counter of pages put back as they were.
    void restorePageCounter(int counter) { m_pageCounter = counter; }
    // The equipment file holds a block of drawings for each page of the
    // frame, in page order: it is due again once the frame makes another
    // number of pages than the file holds.
    void notePageCount();
    // The blocks kept of the last save are written anew by the next: a
    // change they depend on that the layout does not mark (a power bus
    // made or gone).
    void forgetSavedRecord() { m_saved.valid = false; }

    // The frame's rows of the sources explorer.
    void fillSourcesTree(QTreeWidget *tree, const QList<SourceNet> &nets, CheckLog &log);

    // The frame adds no check messages.
    void check(QTreeWidget *results, int code);
    // Every document of the frame's row, in tree order, one per page.
    void printPages(QPainter *painter);
    void appendPages(QList<GraphicsScene *> &pages);

    // A new wiring page of the class under the frame's row, after its other
    // documents, numbered with the next sheet number of the frame; the
    // caller owns it. While the frame only lists its pages, the row alone,
    // and no page (null).
    template <class Page>
    Page *addWiringLayout(const QString &name, int kind, const QString &firstCaption, bool frontView,
                          const QString &secondCaption);

private:
    void updateTexts();
    // The type and the frame kind it gives the address; the layout
    // follows in buildLayout.
    void takeFrameType(int type);
    void buildLayout();
    // The documents below the frame's row, in tree order; null for a page
    // only listed.
    QList<GraphicsScene *> pages() const;
    // The rows of the pages only listed, in the order of their numbers.
    QList<WiringPageItem *> listedPages() const;
    // Rows of pages join the frame's row, which stays sorted by their text,
    // as a load leaves it: the equipment file holds the drawings of the
    // pages in tree order, and "100" comes before "11".
    void joinRows(const QList<QTreeWidgetItem *> &rows);
    // Sorts the frame's rows by their text, when they are not.
    void sortRows();
    void listWiringPage(int pageClass, const QString &name, int kind);
    // While the pages are built in place of the rows that listed them: the
    // next row, when it lists the page of the class, name and kind with the
    // number the page takes; null, and none for the pages after it, when
    // it does not.
    WiringPageItem *takeListedRow(int pageClass, const QString &name, int kind);
    // The generation of the frame's documents; the rows of the pages made
    // or listed are left in m_listedRows and m_madePages.
    bool generateWiringLayouts(CheckLog &log, bool build);

    Project *m_project;
    FrameItem *m_treeItem = nullptr;
    FrameLayout *m_layout = nullptr;
    Address m_address;
    int m_atrNumber = 0;
    QString m_comment;
    int m_pageCounter = 1;
    int m_frameType = -1;
    int m_clampPanelChoice = 0;
    QString m_members[MemberCount];
    bool m_sideOfLeft = true;
    // The address holds a preset row number its places do not have yet.
    bool m_rowPreset = false;
    bool m_layoutDue = false;
    // The pointers of the layout read were fixed up with the frame's own
    // record, with that result.
    bool m_pointersFixed = false;
    bool m_pointersResult = true;
    bool m_layoutRecord = true;
    // While the generation only lists the pages.
    bool m_listingPages = false;
    // While a generation runs: the rows of the pages it builds wait.
    bool m_generating = false;
    // The number of pages the equipment file holds blocks for, as last
    // read or written; -1 before either.
    int m_filedPageCount = -1;
    // The rows of the pages listed so far by the listing under way: they
    // join the frame's row together when it ends.
    QList<QTreeWidgetItem *> m_listedRows;
    // The pages built so far by the generation under way, in order: their
    // rows too join the frame's row together, or not at all when the pages
    // take over rows listed before.
    QList<QPointer<WiringLayout>> m_madePages;
    // The rows listed, while the pages built take them, and how many the
    // pages made so far took.
    QList<WiringPageItem *> m_rowsToTake;
    qsizetype m_rowsTaken = 0;
    bool m_takingRows = false;

    // The frame's blocks of the equipment file as the last save wrote
    // them, pass by pass, and what they were written from. A save writes
    // them again while they stand: nothing below the frame's row changed
    // or was rebuilt since, the same number, comment and rows, the same
    // partners of the pins of its power buses, and nothing the project
    // forgot meanwhile.
    struct SavedRecord
    {
        bool valid = false;
        KeptBlock first, second, pagesFirst, pagesSecond;
        quint8 number = 0;
        QString comment;
        int rows = 0;
        std::vector<std::pair<Pin *, qint32>> partners;
        quint64 epoch = 0;
        int format = -1;
    };
    SavedRecord m_saved;
    // Whether the save under way writes the kept blocks.
    bool m_reuseSaved = false;
    bool savedRecordStands(int format);
    void notePartners();
    template <class Write>
    void writeKept(DataStream &stream, KeptBlock &kept, Write write);
};

// The properties of a frame: its type and clamp panels, its number in the
// row, ATR number, members and comment.
class DlgPropFrame : public DlgProp
{
    Q_OBJECT

public:
    explicit DlgPropFrame(Project *project);
    // Remembers the chosen frame type and clamp panels.
    ~DlgPropFrame() override;

    // Fills the dialog from the frame when one is given and runs it; on Ok
    // a new frame when none was given, the fields applied, the frame
    // returned; null on Cancel.
    Frame *execDialog(Frame *frame);

    void loadFromObject() override;
    void saveToObject() override;

    RComboBox *frameTypeCombo() const { return m_frameType; }
    RComboBox *clampTypeCombo() const { return m_clampType; }
    QSpinBox *numberSpin() const { return m_number; }
    QSpinBox *atrSpin() const { return m_atr; }
    RLineEdit *memberEdit(int row, bool right) const { return m_members[right ? 1 : 0][row]; }
    RLineEdit *commentEdit() const { return m_comment; }

protected slots:
    // Offers the clamp panels of the chosen type's frame kind.
    void changeFrameType(int index);
    // A frame number that another frame of the row has is refused.
    void btnOkClick() override;

private:
    // The row that holds, or will hold, the frame.
    FrameGroup *row() const;

    Project *m_project;
    Frame *m_frame = nullptr;
    RComboBox *m_frameType;
    RComboBox *m_clampType;
    QSpinBox *m_number;
    QSpinBox *m_atr;
    RLineEdit *m_members[2][6];
    RLineEdit *m_comment;
};

#endif
