#ifndef RLAY_FRAME_H
#define RLAY_FRAME_H

// One rack of the equipment room, a frame of a row: its address (frame
// kind, row number, frame number), ATR number, comment, frame type,
// clamp-panel choice and its own values of the project's member
// properties. Its row in the project tree holds the frame's documents.

#include "graphics/dlgprop.h"
#include "model/address.h"
#include "model/projectitemowner.h"

#include <QList>
#include <QObject>
#include <QString>

class DataStream;
class Frame;
class GraphicsScene;
class Project;
class QPainter;
class QSpinBox;
class QTreeWidget;
class RLineEdit;

// The project-tree row of a frame.
class FrameItem : public ProjectItemOwner<Frame>
{
public:
    explicit FrameItem(Frame *frame, ProjectItemBase *parent = nullptr);
};

class Frame : public QObject
{
    Q_OBJECT

public:
    enum { FirstMember = 4, MemberCount = 12 };

    explicit Frame(Project *project);
    // Takes the frame's row out of the tree.
    ~Frame() override;

    Project *project() const { return m_project; }
    FrameItem *treeItem() const { return m_treeItem; }
    const Address &address() const { return m_address; }
    int atrNumber() const { return m_atrNumber; }
    void setAtrNumber(int number) { m_atrNumber = number; }
    QString comment() const { return m_comment; }
    void setComment(const QString &comment);
    int pageCounter() const { return m_pageCounter; }
    int frameType() const { return m_frameType; }
    void setFrameType(int type);
    int clampPanelChoice() const { return m_clampPanelChoice; }
    void setClampPanelChoice(int choice) { m_clampPanelChoice = choice; }

    // For a member: the frame's own value when it has one; otherwise empty
    // when frameOnly, else the project's.
    QString property(int index, bool frameOnly) const;
    // A member is the frame's own; any other index is the project's.
    void setProperty(int index, const QString &text);
    // Takes one field of the address when the addresses differ, and
    // renames the row.
    void setAddressField(const Address &from, int field);

    // The property record of the list pass.
    void writeProperties(DataStream &stream);
    void readProperties(DataStream &stream);
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
    // The frame adds no check messages.
    void check(QTreeWidget *results, int code);
    // Every document of the frame's row, in tree order, one per page.
    void printPages(QPainter *painter);
    void appendPages(QList<GraphicsScene *> &pages);

private:
    void updateTexts();
    // The documents below the frame's row, in tree order.
    QList<GraphicsScene *> pages() const;

    Project *m_project;
    FrameItem *m_treeItem = nullptr;
    Address m_address;
    int m_atrNumber = 0;
    QString m_comment;
    int m_pageCounter = 1;
    int m_frameType = -1;
    int m_clampPanelChoice = 0;
    QString m_members[MemberCount];
};

// The properties of a frame: its number in the row, ATR number and comment.
class DlgPropFrame : public DlgProp
{
    Q_OBJECT

public:
    explicit DlgPropFrame(Project *project);

    // Fills the dialog from the frame when one is given and runs it; on Ok
    // a new frame when none was given, the fields applied, the frame
    // returned; null on Cancel.
    Frame *execDialog(Frame *frame);

    void loadFromObject() override;
    void saveToObject() override;

    QSpinBox *numberSpin() const { return m_number; }
    QSpinBox *atrSpin() const { return m_atr; }
    RLineEdit *commentEdit() const { return m_comment; }

private:
    Project *m_project;
    Frame *m_frame = nullptr;
    QSpinBox *m_number;
    QSpinBox *m_atr;
    RLineEdit *m_comment;
};

#endif
